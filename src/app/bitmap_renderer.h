#pragma once
// The bitmap renderer: the current floor, with the overlays the view shows, drawn into the bitmap of the
// export. A TList operation of the export layer, as a free function taking the list.

class TList;

namespace platform {
class DeviceContext;
class PixelBuffer;
class ViewWindow;
} // namespace platform

// Draws the objects of the current view into a bitmap through PaintObjectScaled, one pixel standing for
// 25 drawing units (24 in feet and inches): x at x / d - BitmapLeft, the drawing's vertical middle on
// row BitmapHeight / 2. DisplayMode decides what shows as on the
// view, the overlay floors in their own colours; modes 2, 3, 12 and 22 make the highest flagged floor
// current for good. Nothing while printing (CurrentView 100 and above).
void PaintToBitmap(const TList& list, platform::DeviceContext& dc);

enum class BitmapPicture { Made, NothingShows, TooLarge };

// The export's picture of the current floor: everything PaintToBitmap paints, with at least `margin`
// pixels of BackgroundColour on every side, drawn with the fonts of `window`. PaintToBitmap's placement
// keeps the drawing's parts where they lie to one another, but the picture is cut to what differs from
// the background, wherever that lies: a text counts by its ink, not its anchor, and a dimension by its
// ticks. NothingShows when nothing is painted; TooLarge, with no picture made, when the paint reaches
// further than `largestSide` pixels across.
BitmapPicture MakeBitmapPicture(const TList& list, platform::ViewWindow& window, int margin, int largestSide,
                                platform::PixelBuffer& picture);
