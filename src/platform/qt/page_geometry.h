#pragma once
// Where a page's box figures and arcs lie in a painter's coordinates, device pixels through their
// centres: the printer's painter and the PDF writer draw them alike from here.

#include "platform/geometry.h"

#include <QRectF>

namespace platform::qt {

// The rectangle of a box figure: its right column and bottom row lie outside the figure.
QRectF FigureBox(Rect box);

// An arc of the ellipse of `box` from the ray through `start` counter-clockwise, as seen, to the ray
// through `end` (the same rays give the whole ellipse), in the whole sixteenths of a degree a painter
// takes.
struct ArcAngles {
    int start = 0;
    int span = 0;
};
ArcAngles ArcOf(const QRectF& box, Point start, Point end);

} // namespace platform::qt
