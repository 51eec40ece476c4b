#pragma once
// The floor plan as a whole: its floor area and the rectangle the design rooms take.

class DrawingView;

// Computes the current floor's area from its external walls in whole square metres or square feet and
// keeps it in the drawing list (TList::SetArea).
void ComputeFloorArea();

// The rectangle round the layout's design rooms (with two or more of them): the view's datum goes to
// its upper-left corner (DatumState 4) and its size and area are shown, mode 0 in the status bar,
// mode 1 in a message box. Sets HelpContext.
void ShowHouseRectangleSize(DrawingView& view, int mode);
