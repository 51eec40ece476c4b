#pragma once
// A surface for tests: logs every call of the device contexts drawing on it, with the state each call
// drew with. Primitives go on to an inner surface when one is given (a raster surface, so one paint is
// both seen and logged); without one, text is measured with fixed metrics so results repeat anywhere.

#include "platform/surface.h"

#include <string>
#include <vector>

namespace platform {

class RecordingSurface : public Surface {
  public:
    explicit RecordingSurface(Size size = {640, 480}, Surface* inner = nullptr);

    const std::vector<DrawCall>& Calls() const { return calls_; }
    void Clear() { calls_.clear(); }
    // The calls named `name`, in order.
    std::vector<DrawCall> CallsNamed(const std::string& name) const;
    // Every call, one line each.
    std::string ToString() const;

    Size PixelSize() const override;
    void DrawLine(Point from, Point to, const DrawAttributes& attributes) override;
    void DrawPolygon(const std::vector<Point>& points, const DrawAttributes& attributes) override;
    void DrawRectangle(Rect box, const DrawAttributes& attributes) override;
    void DrawRoundRect(Rect box, Size corner, const DrawAttributes& attributes) override;
    void DrawEllipse(Rect box, const DrawAttributes& attributes) override;
    void DrawArc(Rect box, Point start, Point end, const DrawAttributes& attributes) override;
    void DrawText(Point reference, unsigned align, std::string_view text, const DeviceFont& font,
                  const DrawAttributes& attributes) override;
    void FillRect(Rect box, ColourRef colour) override;
    TextMetrics MeasureFont(const DeviceFont& font) override;
    Size MeasureText(const DeviceFont& font, std::string_view text) override;
    // Without an inner surface every call is kept, wherever it lies; with one the inner surface's
    // edge holds.
    bool ClipsToPixels() const override { return inner_ != nullptr && inner_->ClipsToPixels(); }
    bool Records() const override { return true; }
    void Record(const DrawCall& call) override { calls_.push_back(call); }
    // The calls are logged as they come; an inner surface may hold their pixels.
    void HoldPrimitives() override {
        if (inner_) inner_->HoldPrimitives();
    }
    void PaintHeldPrimitives() override {
        if (inner_) inner_->PaintHeldPrimitives();
    }

    // The fixed metrics used without an inner surface: cell height h, ascent 4h/5, average width h/2.
    static TextMetrics FixedMetrics(const DeviceFont& font);

  private:
    Size size_;
    Surface* inner_;
    std::vector<DrawCall> calls_;
};

} // namespace platform
