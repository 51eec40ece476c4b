#pragma once
// TStepobjtool, the stairs tool: the stairs and the stairwell between two floors, placed with Enter.
// The Stairs command installs it and SetupMultilineOrStairs sizes it from the stairs dialog (Step);
// then a dotted outline of the stairs follows the cursor, and Enter draws the stairs as plain lines on
// the current floor and the stairwell on the floor above, which becomes the current view.

#include "settings/cfg_dialog_files.h"
#include "tools/line_tool.h"

class TStepobjtool : public TLineobjtool {
  public:
    // Flight styles (StairStyle); 0 while the stairs have no size.
    static constexpr int HalfwayLanding = 1; // two flights side by side with a landing between
    static constexpr int StraightFlight = 2;
    // Sides of the screen the top tread faces (TopTreadSide); the stairs run away from it.
    static constexpr int TopOfScreen = 1;
    static constexpr int RightOfScreen = 2;
    static constexpr int BottomOfScreen = 3;
    static constexpr int LeftOfScreen = 4;

    TStepobjtool();

    // While DragActive: the outline follows the cursor, erased where it was before it is drawn anew.
    // A move that stays on the same drawing point draws nothing.
    void MouseMove(platform::DeviceContext& dc, const platform::Rect& client, int x, int y) override;
    // The outline at (X1, Y1): a dotted exclusive-or rectangle the size of the stairs, so drawing it
    // twice takes it away. Nothing for a top-tread side outside 1 to 4.
    void DrawShape(platform::DeviceContext& dc, int code) override;
    // Enter places the stairs at the cursor: their lines on CurrentView, the stairwell's on the floor
    // above, the drawing saved after each floor; CurrentView is left on the floor above. Only while
    // Started is 0, so one command places one stairs: the view sets it after the first Enter.
    void KeyDown(platform::DeviceContext& dc, const platform::Rect& client, int key, platform::Point cursor,
                 int value) override;
    // Sizes the stairs (width and stairwell length in drawing units, the flight style) with the riser
    // and tread of the stairs defaults file and StoreyHeight: TreadCount and RunLength. Stops, leaving
    // the stairs without size, when the floor above has no information record, or when the riser or
    // tread is below 1 (HasUsableSteps tells).
    void Step(int width, int stairwellLength, int style) override;

    // Whether the riser and tread that Step read can size stairs: both at least 1.
    bool HasUsableSteps() const { return Riser >= 1 && Tread >= 1; }

    // Other names of the base members in this tool.
    int& StairwellLength() { return CursorX; } // of a straight flight on the floor above; 0 the full run
    int& TopTreadSide() { return Aux; }
    int& StairStyle() { return Count; }
    int& StoreyHeight() { return Angle; }

    // Drawing units.
    int StairWidth = 0; // of one flight
    int RunLength = 0;  // of the stairs on plan, from the top edge
    int TreadCount = 0; // treads of one flight: its risers less one
    int OutlineShown = 0;
    int Riser = 0;
    int Tread = 0;

  protected:
    // The riser and tread of the drawing's units (STAIRSM.CFG or STAIRSI.CFG).
    virtual StairSettings ReadSteps() const;

  private:
    void PlaceHalfwayLanding(int x, int y);
    void PlaceStraightFlight(int x, int y, int run);
    // One stairs line from (x1, y1) to (x2, y2).
    void Line(long long x1, long long y1, long long x2, long long y2);
};

// Appends the tool's line (X1, Y1)-(X2, Y2) to the drawing list as a line of the tool's kind on
// CurrentView: its group RunNumber, object number 0, the storey height in the first of its two extra
// integers. Neither paints nor saves.
void AddStairLine(TStepobjtool& tool);
