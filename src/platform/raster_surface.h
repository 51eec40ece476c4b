#pragma once
// A surface that paints into a pixel buffer with the platform's exact per-pixel rules: no
// antialiasing, the sixteen binary raster operations on every pen and brush pixel, and every pixel of
// one primitive touched at most once, so an exclusive-or figure drawn twice leaves the buffer as it was.
//
// Pixel (x, y) stands for the point (x, y): a figure covers the pixels whose centres it covers, a pixel
// centre on a figure's left or top edge is inside, on its right or bottom edge outside. Thin lines are
// stepped one pixel per step of their longer axis and leave out their end pixel; wider pens are bands
// with round ends. Styled pens repeat on/off patterns along the line (dash 18/6, dot 3/3, dash-dot
// 9/6/3/6, dash-dot-dot 9/3/3/3/3/3 pixels, lengths times the width for wide pens); in opaque
// background mode the gaps take the background colour through the same raster operation, as do the
// spaces of a hatched brush. Text is always copied in the text colour.

#include "platform/device_context.h"
#include "platform/pixel_buffer.h"
#include "platform/surface.h"
#include "platform/text_renderer.h"

#include <vector>

namespace platform {

class RasterSurface : public Surface {
  public:
    // Paints into target (which must outlive the surface) and takes text pixels from text.
    RasterSurface(PixelBuffer& target, TextRenderer& text);

    PixelBuffer& Buffer() { return *buffer_; }
    const PixelBuffer& Buffer() const { return *buffer_; }
    TextRenderer& Text() { return *text_; }

    Size PixelSize() const override;
    void DrawLine(Point from, Point to, const DrawAttributes& attributes) override;
    void DrawLines(std::span<const DeviceLine> lines, const DrawAttributes& attributes) override;
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

    // A horizontal run of pixels [x0, x1) in row y.
    struct Span {
        int y = 0;
        int x0 = 0;
        int x1 = 0;
    };

  private:
    enum class Figure { Rectangle, Rounded, Arc };
    void PaintBoxFigure(Rect box, double cornerWidth, double cornerHeight, Figure figure, Point start,
                        Point end, const DrawAttributes& attributes);
    void CollectOutline(const std::vector<Point>& points, bool closed, const DrawAttributes& attributes);

    PixelBuffer* buffer_;
    TextRenderer* text_;
    // Scratch lists kept between primitives so painting does not allocate once they have grown.
    std::vector<Span> pen_;
    std::vector<Span> gap_;
    std::vector<Span> fill_;
    std::vector<Span> merged_;
};

namespace detail {
struct RasterSurfaceHolder {
    RasterSurfaceHolder(PixelBuffer& image, TextRenderer& text) : surface(image, text) {}
    RasterSurface surface;
};
} // namespace detail

// A device context drawing into an image through a raster surface of its own: a memory device context.
class MemoryDeviceContext : private detail::RasterSurfaceHolder, public DeviceContext {
  public:
    MemoryDeviceContext(PixelBuffer& image, TextRenderer& text)
        : RasterSurfaceHolder(image, text), DeviceContext(RasterSurfaceHolder::surface) {}
};

} // namespace platform
