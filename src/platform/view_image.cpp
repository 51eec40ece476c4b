#include "platform/view_image.h"

#include "platform/device_context.h"
#include "platform/raster_surface.h"
#include "platform/recording_surface.h"

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

Rect Unite(const Rect& a, const Rect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

Rect Intersect(const Rect& a, const Rect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

void FillArea(PixelBuffer& image, const Rect& area, ColourRef colour) {
    std::uint32_t pixel = PixelFromColour(colour);
    for (int y = area.top; y < area.bottom; ++y)
        std::fill(image.Row(y) + area.left, image.Row(y) + area.right, pixel);
}

} // namespace

ViewImage::ViewImage(Size size, ColourRef background)
    : image_(size.cx, size.cy, PixelFromColour(background)), background_(background) {}

void ViewImage::Invalidate(const Rect* area, bool erase) {
    Rect client = Client();
    Rect wanted = area ? Intersect(area->Normalized(), client) : client;
    if (wanted.IsEmpty()) return;
    dirty_ = dirty_ ? Unite(*dirty_, wanted) : wanted;
    erase_ = erase_ || erase;
}

Rect ViewImage::Paint(ViewHandler& handler, TextRenderer& text, bool record) {
    if (!dirty_) return {};
    Rect area = *dirty_;
    bool erase = erase_;
    dirty_.reset();
    erase_ = false;
    lastArea_ = area;
    // Painting is clipped to the invalid area: a part is painted on a copy whole and only that area
    // is taken back.
    bool whole = area == Client();
    // The copy keeps its memory from one part painted to the next (a wheel turn paints a strip), so
    // it costs a copy of the pixels and no fresh pages.
    if (!whole) scratch_ = image_;
    PixelBuffer& target = whole ? image_ : scratch_;
    if (erase) FillArea(target, area, background_);
    RasterSurface raster(target, text);
    if (record) {
        RecordingSurface recorder(target.PixelSize(), &raster);
        DeviceContext dc(recorder);
        handler.OnPaint(dc, area);
        lastPaint_ = recorder.ToString();
    } else {
        lastPaint_.clear();
        DeviceContext dc(raster);
        handler.OnPaint(dc, area);
    }
    if (!whole) {
        for (int y = area.top; y < area.bottom; ++y)
            std::memcpy(image_.Row(y) + area.left, scratch_.Row(y) + area.left,
                        static_cast<std::size_t>(area.Width()) * sizeof(std::uint32_t));
    }
    return area;
}

void ViewImage::Scroll(int dx, int dy) {
    int w = image_.Width();
    int h = image_.Height();
    if (dx == 0 && dy == 0) return;
    // In place: rows are taken in the order that reads each before it is overwritten; the uncovered
    // strips are erased below.
    const int x0 = std::max(0, dx);
    const int x1 = std::min(w, w + dx);
    const int yFrom = std::max(0, dy);
    const int yTo = std::min(h, h + dy);
    const std::uint32_t background = PixelFromColour(background_);
    auto moveRow = [&](int y) {
        if (x1 > x0)
            std::memmove(image_.Row(y) + x0, image_.Row(y - dy) + (x0 - dx),
                         static_cast<std::size_t>(x1 - x0) * sizeof(std::uint32_t));
        std::fill(image_.Row(y), image_.Row(y) + std::max(x0, 0), background);
        std::fill(image_.Row(y) + std::max(x1, x0), image_.Row(y) + w, background);
    };
    if (dy > 0)
        for (int y = yTo - 1; y >= yFrom; --y)
            moveRow(y);
    else
        for (int y = yFrom; y < yTo; ++y)
            moveRow(y);
    for (int y = 0; y < h; ++y)
        if (y < yFrom || y >= yTo) std::fill(image_.Row(y), image_.Row(y) + w, background);
    if (dirty_) {
        Rect shifted{dirty_->left + dx, dirty_->top + dy, dirty_->right + dx, dirty_->bottom + dy};
        dirty_.reset();
        Invalidate(&shifted, erase_);
    }
    Rect strips[2];
    if (dx > 0) strips[0] = {0, 0, dx, h};
    if (dx < 0) strips[0] = {w + dx, 0, w, h};
    if (dy > 0) strips[1] = {0, 0, w, dy};
    if (dy < 0) strips[1] = {0, h + dy, w, h};
    for (const Rect& strip : strips)
        if (!strip.IsEmpty()) Invalidate(&strip, true);
}

void ViewImage::Resize(Size size) {
    image_.Resize(size.cx, size.cy, PixelFromColour(background_));
    dirty_.reset();
    erase_ = false;
}

} // namespace platform
