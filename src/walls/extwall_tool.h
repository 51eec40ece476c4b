#pragma once
// TExtwallobjtool, the external-wall tool: the outer line of the external walls entered clockwise from
// the keyboard, each side built into a three-layer wall with mitred corners; the walls of the ground
// floor built from the corner marks of the room layout; an upper floor's walls copied from the floor
// below; the plan centred and its area measured; the free distances the view offers as lengths. With
// kind 1100 it enlarges or shrinks the floor plan, with a wall's index and an edit state it edits that
// wall.
//
// Its own members follow the line tool's in their fixed order. Of the base members it uses the wall
// line (X1, Y1, X2, Y2) and its heights (Z1, Z2), the bearing (Angle), the serial (Group), the length
// (Number), the side of the drawn line its layers lie on, or the arrow of a resize or of action 1
// (Aux: 1 below / up, 2 left / right, 3 above / down, 4 right / left), the view of the walls it makes
// (SavedState), the cursor of action 1 and the free distance found (Count, CursorY), and the arrow of
// action 2 (CrossShown: 1 up, 2 right, 3 down, 4 left).

#include "tools/line_tool.h"
#include "walls/wall_geometry.h"

class TExtwallobjtool : public TLineobjtool {
  public:
    // Its states: how the arrow keys act while the walls are entered, and the resize of kind 1100.
    static constexpr int OrthogonalEntry = 0; // an arrow asks the length of the next wall
    static constexpr int AngledEntry = 1;     // the arrows step the cursor; Enter sets the corner
    static constexpr int Enlarge = 8;
    static constexpr int Shrink = 9;
    // Dragging after a lengthen or shorten it refused because the wall is angled.
    static constexpr int AngledWallRefused = 1001;

    // Its actions.
    static constexpr int MeasureRoomToShrink = 1; // the free distance from the cursor to a design room
    static constexpr int MeasureToNextWall = 2;   // the free distance from the start to a wall end
    static constexpr int CopyFloorBelow = 3;
    static constexpr int CentreAndArea = 5;
    static constexpr int BuildFromCornerMarks = 7;

    TExtwallobjtool();

    // Completes the wall drawn from the keys (PlaceExternalWall), makes it when its start is set and it
    // has a length, and saves the drawing; the wall is shown by the view's repaint. The run goes on.
    void CreateObject(platform::DeviceContext& dc, const platform::Rect& client) override;
    // The actions above; any other code does nothing.
    void Action(int code) override;
    // Enlarge and shrink (states 8 and 9): the side the user chose moves by `amount` at the cursor
    // (x, y, drawing units) and the plan is centred again. The wall edits (states 2 to 6): the edit
    // of the wall whose index is in Aux. Other states do nothing.
    void Step(int amount, int x, int y) override;

    // Makes an external wall of the tool's wall, with the view in SavedState, when its start is set
    // and it has a length, and saves the drawing. Nothing is painted.
    void AddWallObject();

    // The tool's wall as a working wall for the wall geometry, and back.
    WorkingWall Working() const;
    void TakeWorking(const WorkingWall& working);

    // The box the wall edited took before the edit, drawing units.
    int& EditLeft() { return Extra1; }
    int& EditRight() { return Extra2; }
    int& EditTop() { return Extra3; }
    int& EditBottom() { return Extra4; }

    // The members the external-wall tool adds, in order.
    int OuterThickness = 0;
    int CavityThickness = 0;
    int InnerThickness = 0;
    int OuterHatch = 0;
    int InnerHatch = 0;
    int NextWall = 0;     // list index of the wall met at the end, NoObjectIndex for none
    int PreviousWall = 0; // list index of the wall met at the start
    // P0 to P5: the start and end of the first, second and third face.
    int FaceX[6] = {};
    int FaceY[6] = {};
    int WallColour1 = 0;
    int WallColour2 = 0;
    int Reserved[4] = {};

  protected:
    void KeepWallEnd(int x, int y) override;
    platform::Point KeptWallEnd() const override;
    // The wall line, its faces, the end kept for the cursor and the box of a wall edit.
    void MoveHeldPoints(int dx, int dy) override;

  private:
    void BuildWallsFromCornerMarks();
    void CopyWallsOfFloorBelow();
    void MeasureFreeDistanceToRoom();
    void MeasureFreeDistanceToWall();
    // Completes the tool's wall with PlaceExternalWall.
    void Place();
    // Whether the tool's wall can be made: its start set and a length.
    bool WallMakeable() const;
    // A new external wall of the tool's wall.
    std::unique_ptr<TExtwallobj> NewWall() const;

    // The end of the last keyboard segment, where the cursor goes whichever way the wall was turned.
    int keptEndX_ = 0;
    int keptEndY_ = 0;
};
