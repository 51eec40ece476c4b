#pragma once
// Where a page's box figures, arcs and texts lie in a painter's coordinates, device pixels through their
// centres: the printer's painter and the PDF writer draw them alike from here.

#include "platform/gdi_types.h"
#include "platform/geometry.h"

#include <QPointF>
#include <QRectF>

namespace platform::qt {

// Device pixel (x, y) stands for the square from (x, y) to (x + 1, y + 1): primitives run through the
// pixels' centres, as they cover them on the screen. Strokes are drawn in whole pixels under a move of
// half a pixel; fills without a pen carry the half pixel in their coordinates.
constexpr double HalfPixel = 0.5;

// The rectangle of a box figure: its right column and bottom row lie outside the figure.
QRectF FigureBox(Rect box);

// The rectangle a filled box covers, from the corner of its first pixel (no move of half a pixel).
QRectF FilledBox(Rect box);

// An arc of the ellipse of `box` from the ray through `start` counter-clockwise, as seen, to the ray
// through `end` (the same rays give the whole ellipse), in the whole sixteenths of a degree a painter
// takes.
struct ArcAngles {
    int start = 0;
    int span = 0;
};
ArcAngles ArcOf(const QRectF& box, Point start, Point end);

// Where a text's baseline starts from its reference point along its own axes (x along the baseline, y
// below it), for the TextAlign flags `align`, its advance and its font's measures.
QPointF TextStart(unsigned align, int advance, const TextMetrics& metrics);

} // namespace platform::qt
