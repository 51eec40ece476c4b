#pragma once
// The view's zoom and the layout grid drawn again.

class TChild;

// Applies a zoom to the view: 1 the rectangle the move tool dragged, 2 normal size, 3 half size, 4 the
// whole drawing fitted to the view.
void ZoomView(TChild& view, int mode);
// On the room-layout views with the grid on, paints the grid again over the drawing; with the grid off
// repaints the whole view.
void RedrawLayoutGrid(TChild& view);
