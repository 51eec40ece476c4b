#pragma once
// The design rooms' operations on the view: a new room, the room of the measured maximum size, and the
// repaint around a room being moved.

#include "platform/geometry.h"

class DrawingView;

// Runs the partition-thickness and new-room dialogs, then starts placing the new room with the
// design-room tool's Step and its prompt; sets DrawingState to 2.
void NewDesignRoom(DrawingView& view);
// Makes a design room of the size measured by the tool's MaximumSize step; the datum goes off
// (DatumState 1).
void NewMaxDesignRoom(DrawingView& view);
// Repaints the rectangle round the design room being moved, widened by the merge distance.
void InvalidateDesignRoomArea(DrawingView& view, const platform::Rect& client);
