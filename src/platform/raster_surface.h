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

#include "platform/cover_mask.h"
#include "platform/device_context.h"
#include "platform/pixel_buffer.h"
#include "platform/surface.h"
#include "platform/text_renderer.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct TextPlacement; // where a text's pixels lie, as the raster surface works it out

class RasterSurface : public Surface {
  public:
    // Paints into target (which must outlive the surface) and takes text pixels from text.
    RasterSurface(PixelBuffer& target, TextRenderer& text);
    ~RasterSurface() override;
    RasterSurface(const RasterSurface&) = delete;
    RasterSurface& operator=(const RasterSurface&) = delete;

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
    // While held, the primitives are kept; when the hold ends they are painted in order, less those
    // whose every pixel a later primitive sets whatever lies under it (a fill, a solid box, a text's
    // opaque cell): in a crowded plan most of what lies under the room boxes and fills.
    void HoldPrimitives() override;
    void PaintHeldPrimitives() override;
    // How many of the primitives the last paint held it left out, as later ones paint over them.
    std::size_t LeftOut() const { return leftOut_; }
    // The bytes the painting thread keeps for the next paint's held primitives.
    static std::size_t KeptBytes();

    // A horizontal run of pixels [x0, x1) in row y.
    struct Span {
        int y = 0;
        int x0 = 0;
        int x1 = 0;
    };

  private:
    // A primitive kept while held: its call's arguments, the state and the longer data in the pools.
    struct Held {
        enum class Kind : std::uint8_t {
            Line,
            Lines,
            Polygon,
            Rectangle,
            RoundRect,
            Ellipse,
            Arc,
            Text,
            Fill
        };
        Kind kind = Kind::Line;
        bool hidden = false;
        std::uint32_t attributes = 0; // its attributes in the pool; for a fill its colour
        std::uint32_t first = 0;      // the first of its lines, points or text characters in their pool
        std::uint32_t count = 0;
        Rect box; // a figure's or fill's box; a line's ends; a text's font and alignment
        Point a;  // an arc's start, a rounded box's corner, a text's reference point
        Point b;  // an arc's end
    };
    Held& Hold(Held::Kind kind, const DrawAttributes& attributes);
    // Adds the part of a filled box within the image to what this paint has filled.
    void CountFill(const Rect& box);
    // Whether the held primitive can set a pixel of the image that the primitives after it do not
    // cover; if so, the pixels it sets whatever lay under them are marked covered for those before it.
    bool Shows(Held& held);
    void PaintHeld(const Held& held);

    // A text whose baseline's start is placed, with its opaque cell when the attributes ask for one.
    void PaintText(const TextPlacement& place, bool upright, const DrawAttributes& attributes);

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
    int holdDepth_ = 0;     // nested holds; the outermost paints
    bool holding_ = false;  // whether primitives are held rather than painted at once
    double filledArea_ = 0; // pixels filled by boxes and polygons in the hold, held or not
    std::size_t leftOut_ = 0;
    // What a paint holds, kept from one paint to the next on the painting thread, as a paint makes its
    // own surface: the lists keep their room, and their memory is not taken from the system anew. After
    // a paint that is not crowded, which the next does not hold, they give all of it back; after a held
    // paint, each list gives back room far beyond what that paint used, as when a small drawing
    // replaces a large one.
    struct HeldPool {
        // Gives back the memory of every list, or without `all` of each list far larger than its use.
        void GiveBack(bool all);
        std::size_t Bytes() const;

        std::vector<Held> held;
        std::vector<DrawAttributes> attributes;
        std::vector<DeviceFont> fonts;
        std::vector<DeviceLine> lines;
        std::vector<Point> points;
        std::string text;
        std::vector<Point> replay;
        CoverMask cover;
        bool inUse = false; // by a surface holding now; another surface then paints at once
    };
    static HeldPool& ThreadPool();
    HeldPool* pool_ = nullptr; // while holding
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
