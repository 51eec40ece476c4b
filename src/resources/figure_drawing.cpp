#include "resources/figure_drawing.h"

#include "platform/raster_surface.h"
#include "platform/text_renderer.h"

namespace figure {

namespace {

// Figures hold no text.
class NoText : public platform::TextRenderer {
  public:
    platform::TextMetrics Metrics(const platform::DeviceFont&) override { return {}; }
    int Advance(const platform::DeviceFont&, std::string_view) override { return 0; }
    std::shared_ptr<const platform::TextMask> Render(const platform::DeviceFont&, std::string_view) override {
        return std::make_shared<platform::TextMask>();
    }
};

} // namespace

platform::PixelBuffer DrawOnGrid(int width, int height, int gridWidth, int gridHeight,
                                 platform::ColourRef background, const Painter& paint) {
    if (width <= 0 || height <= 0 || gridWidth <= 0 || gridHeight <= 0) return {};
    platform::PixelBuffer image(width, height, platform::PixelFromColour(background));
    NoText text;
    platform::RasterSurface surface(image, text);
    platform::DeviceContext dc(surface);
    dc.SetMapMode(platform::MapMode::Anisotropic);
    dc.SetWindowExt(gridWidth, gridHeight);
    dc.SetViewportExt(width, height);
    paint(dc);
    return image;
}

void Line(platform::DeviceContext& dc, int x1, int y1, int x2, int y2) {
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

void Use(platform::DeviceContext& dc, platform::ColourRef colour, int width, platform::PenStyle style) {
    dc.SelectPen(platform::Pen{colour, width, style});
}

void Hollow(platform::DeviceContext& dc) {
    dc.SelectBrush(platform::Brush::NullBrush());
}

void Filled(platform::DeviceContext& dc, platform::ColourRef colour) {
    dc.SelectBrush(platform::Brush::SolidBrush(colour));
}

void ArrowHead(platform::DeviceContext& dc, int x, int y, int dx, int dy) {
    Line(dc, x, y, x - dx * 5 + dy * 4, y - dy * 5 + dx * 4);
    Line(dc, x, y, x - dx * 5 - dy * 4, y - dy * 5 - dx * 4);
}

} // namespace figure
