#pragma once
// Where a dragged design room lands: pulled onto the edges of nearby rooms (leaving the partition's
// thickness between rooms side by side) and onto wall faces after a left-button drag, or onto the
// outer box of the other rooms after a right-button drag. A pull reaches no further than the merge
// distance (MERGEM.CFG, MERGEI.CFG); every test is strict. Only the room's place changes, in memory:
// the view saves and repaints afterwards.

#include "platform/device_context.h"
#include "platform/geometry.h"

class TDRoomobjtool;

// After a left-button drag: the picked room snaps to the design rooms near it on both axes and to the
// faces of the axis-parallel internal and external walls of the current view. The tool's current
// rectangle becomes the room's final one. The cursor (client pixels) becomes the last mouse point.
void AlignDesignRoomToRooms(TDRoomobjtool& tool, platform::DeviceContext& dc, const platform::Rect& client,
                            int x, int y);

// After a right-button drag: on each axis the nearer edge of the box round the other design rooms of
// the current view pulls the picked room's edge onto it. Nothing happens with no other room.
void AlignDesignRoomToBoundary(TDRoomobjtool& tool, platform::DeviceContext& dc, const platform::Rect& client,
                               int x, int y);
