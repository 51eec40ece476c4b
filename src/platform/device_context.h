#pragma once
// The device context: the drawing state machine of a window, a printer page or an image. It keeps
// the mapping from logical units to device pixels, the selected pen, brush and font, the text and
// background settings, the raster operation and the current position, and hands every primitive to its
// surface in device pixels. The arithmetic is the platform's own: isotropic equalisation, points
// rounded to the nearest pixel or unit.

#include "platform/gdi_types.h"
#include "platform/geometry.h"
#include "platform/surface.h"

#include <span>
#include <string_view>
#include <vector>

namespace platform {

class DeviceContext {
  public:
    explicit DeviceContext(Surface& surface);
    virtual ~DeviceContext() = default;
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    Surface& GetSurface() const { return *surface_; }

    // Mapping. In the isotropic mode setting either extent equalises the two axis scales by
    // shrinking the viewport extent of the axis that would otherwise be enlarged more.
    MapMode SetMapMode(MapMode mode);
    MapMode GetMapMode() const { return mapMode_; }
    Size SetWindowExt(int cx, int cy);
    Size SetViewportExt(int cx, int cy);
    Point SetWindowOrg(int x, int y);
    Point SetViewportOrg(int x, int y);
    Size GetWindowExt() const { return windowExt_; }
    Size GetViewportExt() const { return viewportExt_; }
    Point GetWindowOrg() const { return windowOrg_; }
    Point GetViewportOrg() const { return viewportOrg_; }
    // One-point conversions, rounded to the nearest whole unit. They fail, leaving the point as it
    // was, when an extent is zero.
    bool DPtoLP(Point& point) const;
    bool LPtoDP(Point& point) const;

    // The logical units the surface's pixels show, widened by `marginPixels` on every side, as left <=
    // right and top <= bottom whatever the axis directions; values past the int range are held at its
    // ends. False when the surface keeps primitives wherever they lie or the mapping cannot be undone:
    // then nothing may be left out.
    bool LogicalClipBox(int marginPixels, Rect& box) const;

    // Drawing objects. Selecting returns the object that was selected before. Pens and brushes are
    // selected around nearly every object of a paint: inline, their fields are copied where they are
    // needed, rather than stored as one width and loaded back as another, which stalls the processor.
    Pen SelectPen(const Pen& pen) {
        const Pen previous = pen_;
        pen_ = pen;
        attributesValid_ = false;
        if (Recording()) RecordPen(pen);
        return previous;
    }
    Brush SelectBrush(const Brush& brush) {
        const Brush previous = brush_;
        brush_ = brush;
        attributesValid_ = false;
        if (Recording()) RecordBrush(brush);
        return previous;
    }
    Font SelectFont(const Font& font);
    const Pen& CurrentPen() const { return pen_; }
    const Brush& CurrentBrush() const { return brush_; }
    const Font& CurrentFont() const { return font_; }

    unsigned SetTextAlign(unsigned align);
    unsigned GetTextAlign() const { return textAlign_; }
    ColourRef SetTextColor(ColourRef colour);
    ColourRef GetTextColor() const { return textColour_; }
    ColourRef SetBkColor(ColourRef colour);
    ColourRef GetBkColor() const { return backgroundColour_; }
    BackgroundMode SetBkMode(BackgroundMode mode);
    BackgroundMode GetBkMode() const { return backgroundMode_; }
    RasterOp SetROP2(RasterOp op);
    RasterOp GetROP2() const { return rop_; }

    // Exclusive-or figures should show their pen colour over this background: with the XorPen
    // operation the pixels are combined with pen colour XOR background (white where that is 0).
    // Drawing a figure twice still restores every pixel.
    void SetXorBackground(ColourRef background) {
        xorBackground_ = background;
        attributesValid_ = false;
    }

    // Primitives, in logical units.
    Point MoveTo(int x, int y);
    Point CurrentPosition() const { return position_; }
    void LineTo(int x, int y);
    // MoveTo(xa, ya) then LineTo(xb, yb) in one call: the strokes of a hatch are thousands a paint.
    void Stroke(int xa, int ya, int xb, int yb);
    // Stroke of each line in turn, the lines handed to the surface together.
    struct LogicalLine {
        int xa = 0;
        int ya = 0;
        int xb = 0;
        int yb = 0;
    };
    void Strokes(std::span<const LogicalLine> lines);
    // The four sides of an upright box, each drawn from its own start (top, right, bottom, left), so
    // an exclusive-or outline drawn twice restores every pixel the way four separate lines do.
    void BoxSides(int left, int top, int right, int bottom);
    void Polyline(const std::vector<Point>& points);
    void Polygon(const std::vector<Point>& points);
    void Rectangle(int left, int top, int right, int bottom);
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void Ellipse(int left, int top, int right, int bottom);
    void Arc(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY);
    void TextOut(int x, int y, std::string_view text);
    // Fills a rectangle given in device pixels with a colour (clearing a view).
    void FillDeviceRect(Rect box, ColourRef colour);

    // Measurements in logical units.
    TextMetrics GetTextMetrics();
    Size GetTextExtent(std::string_view text);

    // The device-space form of the current font and of a logical length.
    const DeviceFont& CurrentDeviceFont() const;
    int DevicePenWidth() const;

  private:
    void Equalise();
    // Inlined into every primitive: each point of each one goes through here.
    inline Point ToDevice(int x, int y) const;
    // The state a primitive draws with, made again only after the state changed.
    const DrawAttributes& Attributes() const;
    // The mapping changed: the cached device position, attributes and font no longer hold.
    void MappingChanged() {
        devicePositionValid_ = false;
        attributesValid_ = false;
        deviceFontValid_ = false;
        clipBoxValid_ = false;
    }
    bool Recording() const { return recording_; }
    void Record(std::string name, std::vector<int> args, std::vector<Point> logical,
                std::vector<Point> device, std::string_view text = {});
    void RecordPen(const Pen& pen);
    void RecordBrush(const Brush& brush);

    Surface* surface_;
    bool recording_;
    MapMode mapMode_ = MapMode::Text;
    Size windowExt_{1, 1};
    Size viewportExt_{1, 1};
    Point windowOrg_{0, 0};
    Point viewportOrg_{0, 0};
    // Cached scale factors of the mapping (device units per logical unit).
    double scaleX_ = 1.0;
    double scaleY_ = 1.0;
    Pen pen_;
    Brush brush_;
    Font font_;
    unsigned textAlign_ = 0;
    ColourRef textColour_ = Rgb(0, 0, 0);
    ColourRef backgroundColour_ = Rgb(255, 255, 255);
    BackgroundMode backgroundMode_ = BackgroundMode::Opaque;
    RasterOp rop_ = RasterOp::CopyPen;
    ColourRef xorBackground_ = 0;
    Point position_{0, 0};
    // The current position in device pixels, kept while the mapping stays, so a line after a move maps
    // one point rather than two.
    Point devicePosition_{0, 0};
    bool devicePositionValid_ = false;
    std::vector<Point> polygonScratch_;    // the device points of the polygon being drawn
    std::vector<DeviceLine> linesScratch_; // the device lines of the strokes being drawn
    mutable DrawAttributes attributes_;
    mutable bool attributesValid_ = false;
    mutable DeviceFont deviceFont_;
    mutable bool deviceFontValid_ = false;
    // The last LogicalClipBox worked out, for its margin and the surface's size: every hatched wall
    // asks for it, with the same few margins.
    mutable Rect clipBox_;
    mutable int clipMargin_ = 0;
    mutable Size clipPixels_;
    mutable bool clipBoxValid_ = false;
};

} // namespace platform
