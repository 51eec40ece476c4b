#pragma once
// The bitmap renderer: the current floor, with the overlays the view shows, drawn into the bitmap of the
// export. A TList operation of the export layer, as a free function taking the list.

class TList;

namespace platform {
class DeviceContext;
}

// Draws the objects of the current view into a bitmap of (BitmapRight - BitmapLeft) x BitmapHeight
// pixels through PaintObjectScaled, one pixel standing for 25 drawing units (24 in feet and inches),
// the drawing's vertical middle on the bitmap's middle row. DisplayMode decides what shows as on the
// view, the overlay floors in their own colours; modes 2, 3, 12 and 22 make the highest flagged floor
// current for good. Nothing while printing (CurrentView 100 and above).
void PaintToBitmap(const TList& list, platform::DeviceContext& dc);
