#pragma once
// The design rooms' operations on the view: a new room, the room of the measured maximum size, and the
// repaint round a room just placed or changed.

#include "platform/device_context.h"
#include "platform/geometry.h"

class DrawingView;
class TDRoomobjtool;

// Runs the partition-thickness dialog (for the view's first design room) and the new-room dialog,
// then places the room with the active tool's Step at the view's lower-left corner, prompts, sets
// DrawingState to 2 and repaints the room's area. On the layout views the grid is switched on, also
// when the user cancels.
void NewDesignRoom(DrawingView& view);
// Makes a design room of the size measured by the tool's MaximumSize step; the datum goes off
// (DatumState 1).
void NewMaxDesignRoom(DrawingView& view);
// The MaximumSize press: measures the free space round the cursor (client pixels) into MAX.CFG, or
// leaves the tool in OutsideWalls.
void MeasureMaxRoom(TDRoomobjtool& tool, platform::DeviceContext& dc, const platform::Rect& client, int x,
                    int y);

// Repaints the area of the room the active tool has just placed (its current rectangle), with a
// margin of two pen widths.
void InvalidateNewDesignRoomArea(DrawingView& view, const platform::Rect& client);
// Repaints the area round the changed room's old and new outlines (the active tool's previous and
// current rectangles), widened by the merge distance.
void InvalidateDesignRoomArea(DrawingView& view, const platform::Rect& client);

// The client pixels InvalidateDesignRoomArea repaints for a merge distance (drawing units), clipped to
// the client rectangle; empty when nothing of it lies in the view.
platform::Rect ChangedDesignRoomArea(DrawingView& view, const platform::Rect& client, int mergeDistance);
