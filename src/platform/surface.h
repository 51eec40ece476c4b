#pragma once
// A surface receives the primitives of a device context already turned into device pixels. The raster
// surface paints them into pixels; the recording surface logs the device context's calls for tests.

#include "platform/gdi_types.h"
#include "platform/geometry.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A font as a surface renders it: in pixels, with the baseline's direction as seen on the device.
struct DeviceFont {
    std::string face;
    int cellHeight = 16; // character cell height in pixels (ascent + descent)
    int weight = 400;
    bool italic = false;
    int angleTenths = 0; // baseline angle, tenths of a degree, counter-clockwise as seen
    friend bool operator==(const DeviceFont&, const DeviceFont&) = default;
};

// Everything of the device context's state that decides how one primitive looks.
struct DrawAttributes {
    ColourRef penColour = Rgb(0, 0, 0);
    int penWidth = 1; // pixels, at least 1
    PenStyle penStyle = PenStyle::Solid;
    Brush brush;
    RasterOp rop = RasterOp::CopyPen;
    BackgroundMode backgroundMode = BackgroundMode::Opaque;
    ColourRef backgroundColour = Rgb(255, 255, 255);
    ColourRef textColour = Rgb(0, 0, 0);
    // Set by the device context that made these attributes, different for every set it makes (0: not
    // known), so a surface can keep what it worked out from them while the same set comes again.
    std::uint64_t serial = 0;
};

// A line between two pixels.
struct DeviceLine {
    Point from;
    Point to;
};

// One call made on a device context, as a recording surface logs it: the call's name, its arguments
// as given, the points in logical and device coordinates, and the state it drew with.
struct DrawCall {
    std::string name;
    std::vector<int> args;
    std::vector<Point> logical;
    std::vector<Point> device;
    std::string text;
    Pen pen;
    Brush brush;
    Font font;
    RasterOp rop = RasterOp::CopyPen;
    BackgroundMode backgroundMode = BackgroundMode::Opaque;
    ColourRef backgroundColour = 0;
    ColourRef textColour = 0;
    unsigned textAlign = 0;
    int devicePenWidth = 1;

    // One line: "Name args | logical points | device points | state".
    std::string ToString() const;
};

class Surface {
  public:
    virtual ~Surface() = default;

    // Size in pixels; primitives outside it are clipped.
    virtual Size PixelSize() const = 0;

    // A line from one pixel to another; the end pixel is not drawn.
    virtual void DrawLine(Point from, Point to, const DrawAttributes& attributes) = 0;
    // Lines in order, each as DrawLine draws it: the strokes of a hatch come by the thousand.
    virtual void DrawLines(std::span<const DeviceLine> lines, const DrawAttributes& attributes) {
        for (const DeviceLine& line : lines)
            DrawLine(line.from, line.to, attributes);
    }
    // A closed polygon: the inside (alternate filling) with the brush, then the border with the pen.
    virtual void DrawPolygon(const std::vector<Point>& points, const DrawAttributes& attributes) = 0;
    // Box figures: the box is normalised; its right column and bottom row lie outside the figure.
    virtual void DrawRectangle(Rect box, const DrawAttributes& attributes) = 0;
    virtual void DrawRoundRect(Rect box, Size corner, const DrawAttributes& attributes) = 0;
    virtual void DrawEllipse(Rect box, const DrawAttributes& attributes) = 0;
    // The part of the box's ellipse from the ray through `start` counter-clockwise (as seen) to the
    // ray through `end`; the same rays give the whole ellipse.
    virtual void DrawArc(Rect box, Point start, Point end, const DrawAttributes& attributes) = 0;
    // Text at a reference point, aligned by the TextAlign flags along the rotated baseline.
    virtual void DrawText(Point reference, unsigned align, std::string_view text, const DeviceFont& font,
                          const DrawAttributes& attributes) = 0;
    // Fills a rectangle with a colour, whatever the raster operation (used to clear a view).
    virtual void FillRect(Rect box, ColourRef colour) = 0;

    // Font measurements in pixels.
    virtual TextMetrics MeasureFont(const DeviceFont& font) = 0;
    // Width and height in pixels of a text along its baseline.
    virtual Size MeasureText(const DeviceFont& font, std::string_view text) = 0;

    // Whether primitives outside PixelSize() are lost. A surface that only logs calls keeps every one,
    // wherever it lies, and says so here.
    virtual bool ClipsToPixels() const { return true; }

    // Surfaces that log calls say so; the device context then hands them every call.
    virtual bool Records() const { return false; }
    virtual void Record(const DrawCall& /*call*/) {}

    // A surface may hold the primitives it is given from HoldPrimitives on, and paint them when
    // PaintHeldPrimitives comes, with the same pixels as painting each as it came; calls may nest, the
    // outermost paints. Surfaces that paint at once, and those that log, need do nothing.
    virtual void HoldPrimitives() {}
    virtual void PaintHeldPrimitives() {}
};

// Holds a surface's primitives for the guard's life: a whole view's paint, so a surface that paints
// only what will show can tell what later primitives paint over.
class HeldPrimitives {
  public:
    explicit HeldPrimitives(Surface& surface) : surface_(surface) { surface_.HoldPrimitives(); }
    ~HeldPrimitives() { surface_.PaintHeldPrimitives(); }
    HeldPrimitives(const HeldPrimitives&) = delete;
    HeldPrimitives& operator=(const HeldPrimitives&) = delete;

  private:
    Surface& surface_;
};

} // namespace platform
