#include "platform/recording_surface.h"

#include <algorithm>
#include <climits>

namespace platform {

RecordingSurface::RecordingSurface(Size size, Surface* inner) : size_(size), inner_(inner) {}

std::vector<DrawCall> RecordingSurface::CallsNamed(const std::string& name) const {
    std::vector<DrawCall> out;
    for (const DrawCall& call : calls_)
        if (call.name == name) out.push_back(call);
    return out;
}

std::string RecordingSurface::ToString() const {
    std::string out;
    for (const DrawCall& call : calls_)
        out += call.ToString() + "\n";
    return out;
}

Size RecordingSurface::PixelSize() const {
    return inner_ ? inner_->PixelSize() : size_;
}

void RecordingSurface::DrawLine(Point from, Point to, const DrawAttributes& attributes) {
    if (inner_) inner_->DrawLine(from, to, attributes);
}

void RecordingSurface::DrawPolygon(const std::vector<Point>& points, const DrawAttributes& attributes) {
    if (inner_) inner_->DrawPolygon(points, attributes);
}

void RecordingSurface::DrawRectangle(Rect box, const DrawAttributes& attributes) {
    if (inner_) inner_->DrawRectangle(box, attributes);
}

void RecordingSurface::DrawRoundRect(Rect box, Size corner, const DrawAttributes& attributes) {
    if (inner_) inner_->DrawRoundRect(box, corner, attributes);
}

void RecordingSurface::DrawEllipse(Rect box, const DrawAttributes& attributes) {
    if (inner_) inner_->DrawEllipse(box, attributes);
}

void RecordingSurface::DrawArc(Rect box, Point start, Point end, const DrawAttributes& attributes) {
    if (inner_) inner_->DrawArc(box, start, end, attributes);
}

void RecordingSurface::DrawText(Point reference, unsigned align, std::string_view text,
                                const DeviceFont& font, const DrawAttributes& attributes) {
    if (inner_) inner_->DrawText(reference, align, text, font, attributes);
}

void RecordingSurface::FillRect(Rect box, ColourRef colour) {
    if (inner_) inner_->FillRect(box, colour);
}

TextMetrics RecordingSurface::FixedMetrics(const DeviceFont& font) {
    TextMetrics metrics;
    int h = std::max(font.cellHeight, 1);
    metrics.height = h;
    metrics.ascent = static_cast<int>(h * 4LL / 5);
    metrics.descent = h - metrics.ascent;
    metrics.internalLeading = 0;
    metrics.externalLeading = 0;
    metrics.aveCharWidth = std::max(h / 2, 1);
    metrics.maxCharWidth = h;
    metrics.weight = font.weight;
    return metrics;
}

TextMetrics RecordingSurface::MeasureFont(const DeviceFont& font) {
    return inner_ ? inner_->MeasureFont(font) : FixedMetrics(font);
}

Size RecordingSurface::MeasureText(const DeviceFont& font, std::string_view text) {
    if (inner_) return inner_->MeasureText(font, text);
    TextMetrics metrics = FixedMetrics(font);
    const long long width =
        static_cast<long long>(metrics.aveCharWidth) * static_cast<long long>(text.size());
    return {static_cast<int>(std::min<long long>(width, INT_MAX)), metrics.height};
}

} // namespace platform
