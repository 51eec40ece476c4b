#pragma once
// TIntwallobjtool, the internal-wall tool: runs of internal walls (double lines a wall's thickness
// apart) drawn from the keyboard, joined to the walls they meet. The same class deletes an internal
// wall (kind 65) and hands the finishing of design rooms over (state 1500). The fixed-room tool builds
// on it.
//
// Its members keep the roles of the base members under the names the walls use: Started (Pending),
// SecondLineSide (CursorX), SideInUse (Aux), DragActive (Dragging), FreeDistance (Count), WallAngle
// (Angle), LastWallSide (CursorY), RunNumber (Group), ObjectNumber (Number) and CapBox (Extra1 to
// Extra4). The first face of the wall being built is (X1, Y1)-(X2, Y2), drawing units.

#include "platform/gdi_types.h"
#include "tools/line_tool.h"
#include "tools/tool_kinds.h"

#include <optional>

class TIntwallobjtool : public TLineobjtool {
  public:
    // Its states: 1000, 2000 and 3000 while the key that made a wall opens the face of the wall met at
    // the new wall's start, end or both; 1500 turns design rooms into internal walls (Step (0, 0, 1)
    // those of the current view, Step (0, 0, 2) those of the layout the closed corner marks came from).
    static constexpr int OpenStart = 1000;
    static constexpr int OpenEnd = 2000;
    static constexpr int OpenBoth = 3000;
    static constexpr int FinishingDesignRooms = 1500;
    // The kind of the tool installed by DELETE Wall.
    static constexpr int DeleteMode = tool_kind::InternalWallDelete;
    // Y1 after Step (direction) when the direction is not allowed for the second line position, and
    // after the delete mode's Enter when no internal wall was under the cursor.
    static constexpr int DirectionRefused = 30001;
    static constexpr int NoWallHit = 30001;
    // FreeDistance after a key: the open end was capped ('+'), or the wall ended on another wall (or
    // could not be built): either way the run is over.
    static constexpr int RunClosed = 30000;
    static constexpr int RunEndedAtWall = 30001;
    // List index meaning no neighbour.
    static constexpr int NoWall = 30001;

    TIntwallobjtool();

    // The press does nothing: a keyboard run keeps its start (walls are not drawn with the mouse).
    void LButtonDown(platform::DeviceContext& dc, const platform::Rect& client, int x, int y) override;
    // While DragActive: the dotted rubber band from the start to the pointer.
    void MouseMove(platform::DeviceContext& dc, const platform::Rect& client, int x, int y) override;
    // The rubber band in its exclusive-or dotted pen, drawn when the kind is 1500 and DragActive is 1;
    // drawing it twice erases it.
    void DrawShape(platform::DeviceContext& dc, int code) override;
    // Keyboard drawing: Enter marks the start, then makes a wall to the cursor; an arrow makes a wall
    // of `value` drawing units in its direction; '+' caps the open end of the run's last wall. In the
    // delete mode Enter removes the internal wall under the cursor.
    void KeyDown(platform::DeviceContext& dc, const platform::Rect& client, int key, platform::Point cursor,
                 int value) override;
    // The wall of the gesture, once PlaceInternalWall completed it: made when its start is set and it
    // has a length, saved and shown. The run goes on afterwards (Started 1).
    void CreateObject(platform::DeviceContext& dc, const platform::Rect& client) override;
    // State 1500: FinishDesignRooms with `code`. Otherwise the free distance from the start in
    // `direction` (1 up, 2 right, 3 down, 4 left) into FreeDistance, or Y1 30001 when the first wall
    // of a run may not go that way for the second line's side. Both end with DragActive 0.
    void Step(int direction, int unused, int code) override;
    // Completes the wall before it is made: with `snap` above 0 its ends snap onto the ends of other
    // internal walls, then its colours, thickness, second face and joins, and the walls it runs into.
    virtual void PlaceInternalWall(int snap);

    // The second face's two ends, each marked as computed for the wall being built.
    void SetSecondFaceStart(int x, int y);
    void SetSecondFaceEnd(int x, int y);

    // The tool's own members, in their fixed order.
    int OutlineShown = 0; // 1 while the rubber band is on the screen
    int WallThickness = 0;
    int AfterThickness[4] = {}; // stored in each wall after its thickness
    // The second face: start (BX1, BY1), end (BX2, BY2).
    int BX1 = 0;
    int BZ = 0;
    int BX2 = 0;
    int BY1 = 0;
    int BY2 = 0;
    platform::ColourRef WallColour1 = 0;
    platform::ColourRef WallColour2 = 0;
    int AfterSecondFace[4] = {}; // stored in each wall after its second face

    // Whether the face and join steps computed each end of the second face of the wall being built.
    bool SecondFaceStartSet = false;
    bool SecondFaceEndSet = false;
    // Set when the wall being built was refused: its second face could not be computed.
    bool WallRefused = false;
    // The neighbours the wall being built was joined to at its start and at its end (list indices,
    // NoWall for none): a corner, whose second faces the join has already met.
    int JoinedAtStart = NoWall;
    int JoinedAtEnd = NoWall;
    // The object number of the last wall this run made (0 before the first): the wall a new one
    // continues from is never taken as met.
    int PreviousWall = 0;

  protected:
    // The first face, the second, the start a free distance was measured from and the cap's box.
    void MoveHeldPoints(int dx, int dy) override;

  private:
    void KeyboardWall(platform::DeviceContext& dc, const platform::Rect& client, int key,
                      platform::Point cursor, int value);
    void CapOpenEnd();
    void OpenMetFaces(platform::DeviceContext& dc, const platform::Rect& client);
    void RemoveWallAt(platform::DeviceContext& dc, const platform::Rect& client, platform::Point cursor);
    void MeasureFreeDistance(int direction);
    // The rubber band drawn or erased whatever DragActive says, in the pen it was drawn with.
    void DrawBand(platform::DeviceContext& dc);
    void EraseRubberBand(platform::DeviceContext& dc, const platform::Rect& client);

    platform::ColourRef bandColour_ = 0;
    // The start the last free distance was measured from, where it snapped onto a face near the run's
    // start: the wall the arrow then makes starts there, so that it meets the face it was measured to.
    std::optional<platform::Point> measuredStart_;
};

// Appends an internal wall made from a wall tool's gesture and wall members, without any test, and
// saves the drawing; nothing is painted. The wall takes the tool's ObjectNumber as object number.
void MakeIntwallObject(TIntwallobjtool& tool);
