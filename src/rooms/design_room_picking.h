#pragma once
// Picking the design room under the cursor, and the two commands that act on the picked room at once:
// a quarter turn about its centre and deletion. Neither saves; the view does after the press.

#include "platform/device_context.h"
#include "platform/geometry.h"

class TDRoomobjtool;

// The first design room of the current view that strictly contains the cursor (client pixels)
// becomes the tool's picked room (none: NoRoom, and nothing else changes but the last mouse point).
// Its size and rectangle go into the tool; below DragAligned the tool also starts dragging it: in
// DragUnaligned when the press lies within 20 x Scale of the room's centre on both axes.
void FindDesignRoomAt(TDRoomobjtool& tool, platform::DeviceContext& dc, const platform::Rect& client, int x,
                      int y);

// Turns the picked room a quarter turn about its centre: width and height change places, the labels
// follow, and the tool's current rectangle becomes the new outline.
void RotateDesignRoom(TDRoomobjtool& tool);

// Removes the picked room from the drawing list, the others keeping their order; its rectangle stays
// in the tool for the repaint.
void DeleteDesignRoom(TDRoomobjtool& tool);
