#pragma once
// TDRoomobjtool, the design-room tool: movable named rooms arranged on the room layout (and on a
// floor's plan) before they are finished into internal walls. Its state is the mode the design-room
// commands choose; the view reports and clears the refusals it leaves.

#include "platform/gdi_types.h"
#include "tools/line_tool.h"

class TDRoomobjtool : public TLineobjtool {
  public:
    // Its states.
    static constexpr int PlaceNew = 0;   // places a new room after NewDesignRoom
    static constexpr int DragByLeft = 5; // drags that the view ends on either button's release
    static constexpr int DragByRight = 6;
    static constexpr int Expand = 20;
    static constexpr int Shrink = 21;
    static constexpr int Rotate = 30;
    static constexpr int Delete = 40;
    static constexpr int Move = 50;
    static constexpr int Adjusting = 55;       // cleared by the view's next press
    static constexpr int KeyDrag = 65;         // moved by keys, ended on the key's release
    static constexpr int MaximumSize = 1000;   // measures the largest room that fits
    static constexpr int OutsideWalls = 10001; // refusal: the click was outside the external walls
    static constexpr int AngledWall = 10002;   // refusal: a measuring wall is angled

    TDRoomobjtool();
    platform::ColourRef RoomColour = 0; // colour of the next design room
};
