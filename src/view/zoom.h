#pragma once
// The view's zoom and the layout grid drawn again.

class TChild;

// Applies a zoom to the view: 1 the rectangle the move tool dragged, 2 normal size, 3 half size, 4 the
// whole drawing fitted to the view.
void ZoomView(TChild& view, int mode);
// On the room-layout views with the grid on, paints the grid again over the drawing; with the grid off
// repaints the whole view.
void RedrawLayoutGrid(TChild& view);

// After a design room changed by keys, beside the repaint of its area: on the layout views with the
// grid on the whole view, as the grid frames the box round every room and the room's area alone
// would leave the old frame standing.
void RepaintLayoutAfterRoomKeys(TChild& view);
