#pragma once
// The drawing-list operations of the room layout: the bounds of its design rooms and its grid.

class TList;

// The number of design rooms of the room layout (at most 20 are used); with two or more, RECT.CFG and
// BOUNDS.CFG get the size and the bounds of the rectangle round them.
int WritePlanBounds(TList& list);

// On the layout views (40 and 45) only: saves the drawing, empties the list and fills it with the
// layout grid's lines within the bounds, for one paint. The caller paints them, empties the list and
// reads the drawing back, so the grid is never stored.
void MakeLayoutGrid(TList& list);
