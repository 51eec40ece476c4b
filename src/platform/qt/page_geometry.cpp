#include "platform/qt/page_geometry.h"

#include <algorithm>
#include <cmath>

namespace platform::qt {

namespace {

constexpr double kPi = 3.14159265358979323846;

} // namespace

QRectF FigureBox(Rect box) {
    const Rect b = box.Normalized();
    return QRectF(b.left, b.top, std::max(0, b.Width() - 1), std::max(0, b.Height() - 1));
}

QRectF FilledBox(Rect box) {
    const Rect b = box.Normalized();
    return QRectF(b.left - HalfPixel, b.top - HalfPixel, b.Width(), b.Height());
}

ArcAngles ArcOf(const QRectF& box, Point start, Point end) {
    const auto angle = [&](Point p) {
        const double rx = std::max(box.width() / 2.0, 1.0);
        const double ry = std::max(box.height() / 2.0, 1.0);
        // Counter-clockwise as seen, y growing downwards on the page.
        return std::atan2(-(p.y - box.center().y()) / ry, (p.x - box.center().x()) / rx) * 180.0 / kPi;
    };
    const double from = angle(start);
    double span = angle(end) - from;
    if (span <= 0) span += 360.0;
    return {static_cast<int>(std::lround(from * 16)), static_cast<int>(std::lround(span * 16))};
}

QPointF TextStart(unsigned align, int advance, const TextMetrics& metrics) {
    double u = 0;
    if ((align & TextAlign::HorizontalMask) == TextAlign::Center)
        u = -advance / 2.0;
    else if ((align & TextAlign::HorizontalMask) == TextAlign::Right)
        u = -advance;
    double v = metrics.ascent; // top: the cell hangs below the reference point
    if ((align & TextAlign::VerticalMask) == TextAlign::Baseline)
        v = 0;
    else if ((align & TextAlign::VerticalMask) == TextAlign::Bottom)
        v = -metrics.descent;
    return {u, v};
}

} // namespace platform::qt
