#pragma once
// TRoomobjtool, the fixed-room tool: a room of internal walls with its name and sizes, started by a
// click in the room's free area near the corner to work from. The click measures the free space
// (ROOM.CFG, which the room dialog proposes); NewFixedRoom then runs the dialog, Execute builds the
// walls and the name, AddDimension the size labels.
//
// Its base members in the roles they take here: Started is set when the click found no enclosure,
// CapBox is the area Execute leaves to be repainted, and the walls are staged as the internal-wall
// tool stages them.

#include "partitions/intwall_tool.h"

class TRoomobjtool : public TIntwallobjtool {
  public:
    // The side to work from: NearSideX 1 left, 2 right; NearSideY 1 top, 2 bottom.
    static constexpr int NearStart = 1;
    static constexpr int NearEnd = 2;

    TRoomobjtool();

    // The free-space search round the click (client pixels): the nearest wall faces and design rooms
    // (grown by the floor's room-wall thickness) on each side give the bounds; the free width and
    // length go to ROOM.CFG. Without a bound on every side Started is set and nothing is written.
    void LButtonDown(platform::DeviceContext& dc, const platform::Rect& client, int x, int y) override;
    // Enter does nothing with this tool: the text removal of kind 70 is reached by no command.
    void KeyDown(platform::DeviceContext& dc, const platform::Rect& client, int key, platform::Point cursor,
                 int value) override;
    // Builds the room of `width` by `length` drawing units against the bounds nearest the click: its
    // walls wherever no wall stands on an edge, then its name at the centre. The side fields end as the
    // room's inner box (left x, right x, top y, bottom y), CapBox as its outer box grown by 5 Scale.
    // False, with nothing built, when the bounds the click found are no longer in the list.
    using TIntwallobjtool::Execute;
    bool Execute(platform::DeviceContext& dc, const platform::Rect& client, int width, int length);
    // The size labels by `mode` (0 none, 1 one text below the name, 2 both dimensions, 3 the horizontal,
    // 4 the vertical one) of the room Execute built; the drawing is saved in every mode.
    void AddDimension(platform::DeviceContext& dc, const platform::Rect& client, int mode, int width,
                      int length, int side) override;

    // Its own members.
    int NearSideX = 0;
    int NearSideY = 0;
    // List indices of the objects bounding the free space after the click; the room's inner box after
    // Execute.
    int LeftSide = 0;
    int RightSide = 0;
    int TopSide = 0;
    int BottomSide = 0;
};
