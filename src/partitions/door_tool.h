#pragma once
// TDoorobjtool, the internal-door tool: hinged doors (kind 60), double or sliding pairs (62), wall
// openings (64) and single sliding doors (65) cut into the internal wall at the cursor. The placement
// commands build it with kind 3000 and hand it the dialog's settings through AddDimension; a dotted
// outline (the window tool's) then follows the mouse, and Enter finds the wall (door_wall_search.h),
// cuts the gap (door_gap.h) and adds the leaves (door_swings.h, multiple_doors.h, sliding_door.h).
//
// Its plain words for the window tool's members: the point is (X1, Y1); the face code of the wall
// found is Side; the direction (a swing code, or a sliding door's into-wall flag) LeafHanding; the side
// of a multiple door Handing (State), kept in SavedState; the angled-wall angle WallDirection, which
// during the drag marks the outline as drawn (1); the found wall WallIndex; the door width
// OpeningWidth; the door type OutlineHanding (0 an opening, 1 to 8 single doors, 11 to 13 multiple
// doors); the swing-offset pair InsertX, InsertY.

#include "partitions/window_tool.h"

class TDoorobjtool : public TWindowobjtool {
  public:
    // Y1 after Enter when nothing was placed; also WallIndex when no wall was found.
    static constexpr int Refused = 20001;
    static constexpr int NoWallFound = 20001;

    // The codes the view hands to KeyDown with Enter, by kind.
    static constexpr int HingedDoorCode = 4;
    static constexpr int DoorPairCode = 5;
    static constexpr int SlidingDoorCode = 6;

    // Door types (OutlineHanding) besides the single doors' 1 to 8.
    static constexpr int PlainOpening = 0;
    static constexpr int DoubleHingedType = 11;
    static constexpr int TwoSlidingType = 12;
    static constexpr int FourSlidingType = 13;

    // The sides of a multiple door (Handing): the way hinged doors open, or where sliding doors lie.
    static constexpr int TopSide = 1;
    static constexpr int RightSide = 2;
    static constexpr int BottomSide = 3;
    static constexpr int LeftSide = 4;

    TDoorobjtool();

    // While the outline follows the mouse: drawn at the pointer the first time, afterwards erased where
    // it was and drawn again when the pointer moved.
    void MouseMove(platform::DeviceContext& dc, const platform::Rect& client, int x, int y) override;
    // Enter places the door of the tool's kind at the cursor (`code` 4, 5 or 6 for kinds 60, 62, 65,
    // as the view passes them; kind 64 places an opening); nothing placed leaves Y1 at Refused, adds
    // nothing and keeps the file. Every key ends by saving the drawing, but for a refusal.
    void KeyDown(platform::DeviceContext& dc, const platform::Rect& client, int key, platform::Point cursor,
                 int code) override;
    // Stores the settings of the placement dialogs (type, width, side); draws nothing. The outline
    // starts following the mouse.
    void AddDimension(platform::DeviceContext& dc, const platform::Rect& client, int type, int width,
                      int side, int unused) override;
    // Sets the tool up as for a window type, width and height standing 2000 above the floor: no command
    // calls it, the placement commands go through AddDimension.
    void Step(int type, int width, int height) override;

    // The multiple door's side, kept between tries.
    int& SavedSide() { return SavedState; }

  private:
    // The leaf offsets of the outline again, for the next try.
    void Unplaced();
    // Kinds 60, 62 and 65: the gap and the door, or a refusal.
    void PlaceDoor(platform::DeviceContext& dc, const platform::Rect& client, int code);
    // Takes the cursor as the point with the outline erased where it was drawn; true when a wall is
    // found under it.
    bool FindWallAtCursor(platform::DeviceContext& dc, const platform::Rect& client, platform::Point cursor);
    void TakeNewNumber();
};
