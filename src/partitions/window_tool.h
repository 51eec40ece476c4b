#pragma once
// TWindowobjtool, the window and external-door tool: places the window, wall opening, external door,
// French doors, garage door or main entry chosen in the window dialogs into the external wall at the
// cursor. The plan-dialog runner (RunPlanDialog mode 6) sets it up through Step; a dotted outline then
// follows the mouse, and Enter finds the external wall under the cursor, checks that the opening
// suits it and builds the opening (wall_opening.h). The internal-door tool derives from it and keeps
// its fields and its outline.

#include "model/drawing_objects.h"
#include "tools/line_tool.h"

class TWindowobjtool : public TLineobjtool {
  public:
    // Y1 after Enter when the chosen window or door does not suit the wall at the cursor.
    static constexpr int UnsuitedPosition = 1;

    // Opening types (OpeningType), as the window dialog writes them to WIND.CFG.
    static constexpr int WindowType = 1;
    static constexpr int WallOpeningType = 5;
    static constexpr int ExternalDoorType = 6;
    static constexpr int FrenchDoorsInType = 7;
    static constexpr int FrenchDoorsOutType = 8;
    static constexpr int GarageDoorType = 9;
    static constexpr int MainEntryType = 10;

    // Directions of the wall found (WallDirection); a positive value is the angle of an angled wall.
    static constexpr int RunsRight = -1; // towards +x, the house inside towards -y
    static constexpr int RunsDown = -2;  // towards -y, inside towards -x
    static constexpr int RunsLeft = -3;  // towards -x, inside towards +y
    static constexpr int RunsUp = -4;    // towards +y, inside towards +x

    TWindowobjtool();

    // The settings of the opening from WIND.CFG; a single external door takes `width` (the door
    // dialog's) and writes it back to the file. The elevation gets the storey heights of the floors
    // below; doors and main entries get the leaf offsets of the outline; the outline starts following
    // the mouse.
    void Step(int width, int unused1, int unused2) override;
    // While the outline follows the mouse (kind 2000 only): drawn at the pointer, erased first where it
    // was shown.
    void MouseMove(platform::DeviceContext& dc, const platform::Rect& client, int x, int y) override;
    // The dotted exclusive-or outline at (X1, Y1): a door leaf with the tick of its closing jamb for a
    // single external door or a hinged internal door (kind 60); a circle the opening wide for the
    // other internal doors; a circle with ticks and a cross otherwise. Drawing it twice erases it.
    void DrawShape(platform::DeviceContext& dc, int code) override;
    // A press places nothing: the outline keeps following the mouse and Enter places.
    void LButtonDown(platform::DeviceContext& dc, const platform::Rect& client, int x, int y) override;
    // Enter: finds the external wall of the current floor under the cursor (snapping the point onto
    // its outer face), refuses an opening that does not suit it with a message, and otherwise builds
    // the opening. A refusal that the view reports as well leaves Y1 at UnsuitedPosition.
    void KeyDown(platform::DeviceContext& dc, const platform::Rect& client, int key, platform::Point cursor,
                 int value) override;

    // The first angled external wall of the current floor whose box holds (InsertX, InsertY): the
    // wall's angle in WallDirection and its index in WallIndex, and the point moved onto the wall's line.
    // WallDirection stays 0 when there is none.
    void SnapToAngledExtWall();

    // Other names of the base members in this tool.
    int& Side() { return CursorX; }        // 1 to 4 from the wall direction
    int& LeafHanding() { return Aux; }     // handing of the door leaf being drawn
    int& Handing() { return State; }       // handing 1 to 8 chosen in the door dialog, 0 none
    int& WallThickness() { return Count; } // sum of the found wall's three layers

    // Drawing units unless said otherwise.
    int WallIndex = 0;    // list index of the wall found
    int OpeningWidth = 0; // 0 until Step has run
    int Height = 0;
    int Elevation = 0; // of the floor the opening stands on: stored as the z values, never drawn
    int OpeningType = 0;
    int OutlineHanding = 0; // the handing the outline shows
    int ShowCill = 0;       // 1 yes
    int ShowSizes = 0;      // 1 yes
    // Before Enter the leaf offsets of the outline (OpeningWidth times the sine and the cosine of the
    // door opening angle); from Enter on the insertion point, then the hinge.
    int InsertX = 0;
    int InsertY = 0;
    int OutlineShown = 0;

  protected:
    // The leaf offsets from the width and the door opening angle of INTERN.CFG.
    void SetLeafOffsets();

  private:
    // Searches the external walls of the current floor for one that suits the opening at
    // (InsertX, InsertY); true with WallDirection and WallIndex set and the point snapped.
    bool FindWall();
    // A wall along x or y that the opening fits at the point, within the wall's thickness and 10 ×
    // Scale of its line: the direction recorded and the point snapped onto the line.
    bool AxisWallSuits(const TObject& wall);
    // A main entry's door handing suits the wall found: any wall without a door, else the two
    // handings of the wall's direction.
    bool EntryHandingSuits();
    void DrawLeafOutline(platform::DeviceContext& dc, int scale) const;
    void DrawCircleOutline(platform::DeviceContext& dc, int scale, bool marked) const;
};

// The storey heights of the floors below `view` (views 51 to 53), each the z2 of the floor's record
// divided by Scale: the elevation of an opening on that floor. The records are found by type wherever
// they stand in the list; a floor without one counts 0.
long long StoreyHeightsBelow(int view);
