#include "platform/view_image.h"

#include "platform/device_context.h"
#include "platform/raster_surface.h"
#include "platform/recording_surface.h"

#include <algorithm>
#include <climits>
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

// Brush hatches repeat every this many rows of the device.
constexpr int HatchPeriod = 8;

// A band of rows of an image, from row `top` down, as a surface of the whole image: primitives arrive
// in the image's pixels and go to the band's surface moved up by `top`. Every figure works out its rows
// from differences of its own coordinates, so moved by whole rows it lights the same pixels.
class BandSurface : public Surface {
  public:
    BandSurface(Surface& band, int top, Size whole) : band_(band), top_(top), whole_(whole) {}

    // The whole image's size, so a paint leaves out no more than it would on the whole image.
    Size PixelSize() const override { return whole_; }
    void DrawLine(Point from, Point to, const DrawAttributes& attributes) override {
        band_.DrawLine(Up(from), Up(to), attributes);
    }
    void DrawPolygon(const std::vector<Point>& points, const DrawAttributes& attributes) override {
        moved_.clear();
        for (const Point& p : points)
            moved_.push_back(Up(p));
        band_.DrawPolygon(moved_, attributes);
    }
    void DrawRectangle(Rect box, const DrawAttributes& attributes) override {
        band_.DrawRectangle(Up(box), attributes);
    }
    void DrawRoundRect(Rect box, Size corner, const DrawAttributes& attributes) override {
        band_.DrawRoundRect(Up(box), corner, attributes);
    }
    void DrawEllipse(Rect box, const DrawAttributes& attributes) override {
        band_.DrawEllipse(Up(box), attributes);
    }
    void DrawArc(Rect box, Point start, Point end, const DrawAttributes& attributes) override {
        band_.DrawArc(Up(box), Up(start), Up(end), attributes);
    }
    void DrawText(Point reference, unsigned align, std::string_view text, const DeviceFont& font,
                  const DrawAttributes& attributes) override {
        band_.DrawText(Up(reference), align, text, font, attributes);
    }
    void FillRect(Rect box, ColourRef colour) override { band_.FillRect(Up(box), colour); }
    TextMetrics MeasureFont(const DeviceFont& font) override { return band_.MeasureFont(font); }
    Size MeasureText(const DeviceFont& font, std::string_view text) override {
        return band_.MeasureText(font, text);
    }
    void HoldPrimitives() override { band_.HoldPrimitives(); }
    void PaintHeldPrimitives() override { band_.PaintHeldPrimitives(); }

  private:
    // Rows far beyond the band stay beyond it: the move saturates rather than wrapping round.
    int Up(int y) const { return y < INT_MIN + top_ ? INT_MIN : y - top_; }
    Point Up(Point p) const { return {p.x, Up(p.y)}; }
    Rect Up(const Rect& r) const { return {r.left, Up(r.top), r.right, Up(r.bottom)}; }

    Surface& band_;
    int top_;
    Size whole_;
    std::vector<Point> moved_;
};

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
    // Painting is clipped to the invalid area. A part is painted on a band of whole rows of the image
    // that holds it, starting on a row of the hatch patterns' period: the band takes the image's rows
    // at their own places, so every figure lights the same pixels there as on the whole image, and
    // what lies above or below the band costs no pixels. Only the area is taken back.
    const bool whole = area == Client();
    const int top = whole ? 0 : area.top - area.top % HatchPeriod;
    if (!whole) {
        scratch_.Resize(image_.Width(), area.bottom - top);
        std::memcpy(scratch_.Row(0), image_.Row(top),
                    static_cast<std::size_t>(area.bottom - top) *
                        static_cast<std::size_t>(image_.BytesPerLine()));
    }
    PixelBuffer& target = whole ? image_ : scratch_;
    const Rect inBand{area.left, area.top - top, area.right, area.bottom - top};
    if (erase) FillArea(target, inBand, background_);
    RasterSurface raster(target, text);
    BandSurface band(raster, top, image_.PixelSize());
    Surface& surface = whole ? static_cast<Surface&>(raster) : band;
    if (record) {
        RecordingSurface recorder(image_.PixelSize(), &surface);
        DeviceContext dc(recorder);
        handler.OnPaint(dc, area);
        lastPaint_ = recorder.ToString();
    } else {
        lastPaint_.clear();
        DeviceContext dc(surface);
        handler.OnPaint(dc, area);
    }
    if (!whole) {
        for (int y = area.top; y < area.bottom; ++y)
            std::memcpy(image_.Row(y) + area.left, scratch_.Row(y - top) + area.left,
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
        std::fill(image_.Row(y), image_.Row(y) + x0, background);
        std::fill(image_.Row(y) + std::max(x1, x0), image_.Row(y) + w, background);
    };
    if (dy > 0)
        for (int y = yTo - 1; y >= yFrom; --y)
            moveRow(y);
    else
        for (int y = yFrom; y < yTo; ++y)
            moveRow(y);
    for (int y = 0; y < std::min(yFrom, h); ++y)
        std::fill(image_.Row(y), image_.Row(y) + w, background);
    for (int y = std::max(yTo, 0); y < h; ++y)
        std::fill(image_.Row(y), image_.Row(y) + w, background);
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
