#include "platform/device_context.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace platform {

namespace {

// The platform rounds a converted coordinate to the nearest whole unit, halves upwards, then adds the
// whole offset. A result past the int range (a point far off a view zoomed in closely) saturates:
// converting it as it is would be undefined, and in practice turns a far-right point into a far-left one.
// Every point of every primitive goes through here, so the floor is taken by hand: the library's
// floor is a call on the baseline instruction set.
[[gnu::always_inline]] inline int RoundHalfUp(double value, int offset = 0) {
    const double half = value + 0.5;
    // Nearly every point lies within a few thousand pixels: floored in int, offset in 64 bits, and
    // only a result past the range needs the checks below. NaN fails every test. Most points lie right
    // of and below the origin, where the conversion toward zero is the floor already, and the wait for
    // converting back and comparing is saved.
    if (half >= 0.0 && half < 2147483648.0) [[likely]] {
        const long long rounded = static_cast<long long>(static_cast<int>(half)) + offset;
        if (rounded == static_cast<int>(rounded)) return static_cast<int>(rounded);
    } else if (half > -2147483648.0 && half < 0.0) {
        int floored = static_cast<int>(half);
        floored -= static_cast<double>(floored) > half ? 1 : 0;
        const long long rounded = static_cast<long long>(floored) + offset;
        if (rounded == static_cast<int>(rounded)) return static_cast<int>(rounded);
    }
    if (half != half) return 0;
    // Past these bounds the result saturates anyway; inside them the conversion below is exact.
    if (half >= 4.0e18) return INT_MAX;
    if (half <= -4.0e18) return INT_MIN;
    long long floored = static_cast<long long>(half); // toward zero
    if (static_cast<double>(floored) > half) --floored;
    const long long rounded = floored + offset;
    if (rounded >= INT_MAX) return INT_MAX;
    if (rounded <= INT_MIN) return INT_MIN;
    return static_cast<int>(rounded);
}

// The mapping of one axis: device = RoundHalfUp((logical - window origin) * scale, viewport origin).
struct AxisMapping {
    double windowOrigin;
    double scale;
    int viewportOrigin;
};

struct PlainRounding {
    [[gnu::always_inline]] static int Device(int logical, const AxisMapping& axis, bool& /*ok*/) {
        return RoundHalfUp((logical - axis.windowOrigin) * axis.scale, axis.viewportOrigin);
    }
};

// The points of many lines converted in one loop, where those of one line need not wait for the line
// before. A hatch across a level wall gives every stroke the same two y, across an upright one the same
// two x: a coordinate equal to the one of the line before is not converted again.
template <typename Rounding>
[[gnu::always_inline]] inline void ConvertLines(std::span<const DeviceContext::LogicalLine> lines,
                                                const AxisMapping& x, const AxisMapping& y,
                                                DeviceLine* device, bool& ok) {
    DeviceContext::LogicalLine last = lines[0];
    DeviceLine lastDevice{{Rounding::Device(last.xa, x, ok), Rounding::Device(last.ya, y, ok)},
                          {Rounding::Device(last.xb, x, ok), Rounding::Device(last.yb, y, ok)}};
    device[0] = lastDevice;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const DeviceContext::LogicalLine& line = lines[i];
        DeviceLine& out = device[i];
        out.from.x = line.xa == last.xa ? lastDevice.from.x : Rounding::Device(line.xa, x, ok);
        out.from.y = line.ya == last.ya ? lastDevice.from.y : Rounding::Device(line.ya, y, ok);
        out.to.x = line.xb == last.xb ? lastDevice.to.x : Rounding::Device(line.xb, x, ok);
        out.to.y = line.yb == last.yb ? lastDevice.to.y : Rounding::Device(line.yb, y, ok);
        last = line;
        lastDevice = out;
    }
}

#if defined(__x86_64__)
// RoundHalfUp by the processor's own floor instruction, where the processor has it: one instruction
// for the conversion and the tests of the negative values nearly every view's mapping gives. `ok` is
// cleared for a point RoundHalfUp would hold at the ends of the int range, and the result is then of
// no use.
struct FloorRounding {
    [[gnu::always_inline]] static int Device(int logical, const AxisMapping& axis, bool& ok) {
        const double floored = __builtin_floor((logical - axis.windowOrigin) * axis.scale + 0.5);
        const bool inside = floored >= -2147483648.0 && floored < 2147483648.0; // NaN fails
        const long long rounded = static_cast<long long>(inside ? floored : 0.0) + axis.viewportOrigin;
        ok &= inside & (rounded == static_cast<int>(rounded));
        return static_cast<int>(rounded);
    }
};

// False when a point lies where RoundHalfUp saturates: the lines are then converted the plain way.
[[gnu::target("sse4.1")]] bool ConvertWithFloor(std::span<const DeviceContext::LogicalLine> lines,
                                                const AxisMapping& x, const AxisMapping& y,
                                                DeviceLine* device) {
    bool ok = true;
    ConvertLines<FloorRounding>(lines, x, y, device, ok);
    return ok;
}

bool HaveFloorInstruction() {
    static const bool have = __builtin_cpu_supports("sse4.1");
    return have;
}
#endif

} // namespace

DeviceContext::DeviceContext(Surface& surface) : surface_(&surface), recording_(surface.Records()) {}

MapMode DeviceContext::SetMapMode(MapMode mode) {
    MapMode previous = mapMode_;
    mapMode_ = mode;
    MappingChanged();
    if (mode == MapMode::Text) {
        windowExt_ = {1, 1};
        viewportExt_ = {1, 1};
    }
    scaleX_ = static_cast<double>(viewportExt_.cx) / windowExt_.cx;
    scaleY_ = static_cast<double>(viewportExt_.cy) / windowExt_.cy;
    if (Recording()) Record("SetMapMode", {static_cast<int>(mode)}, {}, {});
    return previous;
}

Size DeviceContext::SetWindowExt(int cx, int cy) {
    Size previous = windowExt_;
    MappingChanged();
    if (Recording()) Record("SetWindowExt", {cx, cy}, {}, {});
    // The fixed mapping mode ignores extents; a zero extent is refused as the platform refuses it.
    if (mapMode_ == MapMode::Text || cx == 0 || cy == 0) return previous;
    windowExt_ = {cx, cy};
    if (mapMode_ == MapMode::Isotropic) Equalise();
    scaleX_ = static_cast<double>(viewportExt_.cx) / windowExt_.cx;
    scaleY_ = static_cast<double>(viewportExt_.cy) / windowExt_.cy;
    return previous;
}

Size DeviceContext::SetViewportExt(int cx, int cy) {
    Size previous = viewportExt_;
    MappingChanged();
    if (Recording()) Record("SetViewportExt", {cx, cy}, {}, {});
    if (mapMode_ == MapMode::Text) return previous;
    viewportExt_ = {cx, cy};
    if (mapMode_ == MapMode::Isotropic) Equalise();
    scaleX_ = windowExt_.cx != 0 ? static_cast<double>(viewportExt_.cx) / windowExt_.cx : 0.0;
    scaleY_ = windowExt_.cy != 0 ? static_cast<double>(viewportExt_.cy) / windowExt_.cy : 0.0;
    return previous;
}

void DeviceContext::Equalise() {
    if (windowExt_.cx == 0 || windowExt_.cy == 0) return;
    double xScale = std::fabs(static_cast<double>(viewportExt_.cx) / windowExt_.cx);
    double yScale = std::fabs(static_cast<double>(viewportExt_.cy) / windowExt_.cy);
    // Shrink the axis that would be enlarged more; an extent never shrinks to zero from non-zero.
    if (xScale > yScale) {
        int sign = viewportExt_.cx >= 0 ? 1 : -1;
        viewportExt_.cx = RoundHalfUp(viewportExt_.cx * (yScale / xScale));
        if (viewportExt_.cx == 0) viewportExt_.cx = sign;
    } else if (yScale > xScale) {
        int sign = viewportExt_.cy >= 0 ? 1 : -1;
        viewportExt_.cy = RoundHalfUp(viewportExt_.cy * (xScale / yScale));
        if (viewportExt_.cy == 0) viewportExt_.cy = sign;
    }
}

Point DeviceContext::SetWindowOrg(int x, int y) {
    Point previous = windowOrg_;
    windowOrg_ = {x, y};
    MappingChanged();
    if (Recording()) Record("SetWindowOrg", {x, y}, {}, {});
    return previous;
}

Point DeviceContext::SetViewportOrg(int x, int y) {
    Point previous = viewportOrg_;
    viewportOrg_ = {x, y};
    MappingChanged();
    if (Recording()) Record("SetViewportOrg", {x, y}, {}, {});
    return previous;
}

bool DeviceContext::DPtoLP(Point& point) const {
    if (viewportExt_.cx == 0 || viewportExt_.cy == 0 || windowExt_.cx == 0 || windowExt_.cy == 0)
        return false;
    double x = static_cast<double>(point.x - viewportOrg_.x) * windowExt_.cx / viewportExt_.cx + windowOrg_.x;
    double y = static_cast<double>(point.y - viewportOrg_.y) * windowExt_.cy / viewportExt_.cy + windowOrg_.y;
    point = {RoundHalfUp(x), RoundHalfUp(y)};
    return true;
}

bool DeviceContext::LPtoDP(Point& point) const {
    if (windowExt_.cx == 0 || windowExt_.cy == 0) return false;
    point = ToDevice(point.x, point.y);
    return true;
}

bool DeviceContext::LogicalClipBox(int marginPixels, Rect& box) const {
    if (!surface_->ClipsToPixels() || scaleX_ == 0 || scaleY_ == 0) return false;
    const Size pixels = surface_->PixelSize();
    if (clipBoxValid_ && clipMargin_ == marginPixels && clipPixels_ == pixels) {
        box = clipBox_;
        return true;
    }
    const double margin = std::max(marginPixels, 0);
    auto logical = [](double device, int viewportOrigin, double scale, int windowOrigin) {
        return (device - viewportOrigin) / scale + windowOrigin;
    };
    const double xa = logical(-margin, viewportOrg_.x, scaleX_, windowOrg_.x);
    const double xb = logical(pixels.cx + margin, viewportOrg_.x, scaleX_, windowOrg_.x);
    const double ya = logical(-margin, viewportOrg_.y, scaleY_, windowOrg_.y);
    const double yb = logical(pixels.cy + margin, viewportOrg_.y, scaleY_, windowOrg_.y);
    // Outwards to whole units, so rounding never moves the edge inwards.
    auto low = [](double value) { return RoundHalfUp(value - 1.0); };
    auto high = [](double value) { return RoundHalfUp(value + 1.0); };
    box = {low(std::min(xa, xb)), low(std::min(ya, yb)), high(std::max(xa, xb)), high(std::max(ya, yb))};
    clipBox_ = box;
    clipMargin_ = marginPixels;
    clipPixels_ = pixels;
    clipBoxValid_ = true;
    return true;
}

[[gnu::always_inline]] inline Point DeviceContext::ToDevice(int x, int y) const {
    return {RoundHalfUp((static_cast<double>(x) - windowOrg_.x) * scaleX_, viewportOrg_.x),
            RoundHalfUp((static_cast<double>(y) - windowOrg_.y) * scaleY_, viewportOrg_.y)};
}

void DeviceContext::RecordPen(const Pen& pen) {
    Record("SelectPen", {static_cast<int>(pen.colour), pen.width, static_cast<int>(pen.style)}, {}, {});
}

void DeviceContext::RecordBrush(const Brush& brush) {
    Record("SelectBrush",
           {static_cast<int>(brush.style), static_cast<int>(brush.colour), static_cast<int>(brush.hatch)}, {},
           {});
}

Font DeviceContext::SelectFont(const Font& font) {
    Font previous = font_;
    font_ = font;
    deviceFontValid_ = false;
    if (Recording()) Record("SelectFont", {font.height, font.escapement, font.weight}, {}, {}, font.face);
    return previous;
}

unsigned DeviceContext::SetTextAlign(unsigned align) {
    unsigned previous = textAlign_;
    textAlign_ = align;
    if (Recording()) Record("SetTextAlign", {static_cast<int>(align)}, {}, {});
    return previous;
}

ColourRef DeviceContext::SetTextColor(ColourRef colour) {
    ColourRef previous = textColour_;
    textColour_ = colour;
    attributesValid_ = false;
    if (Recording()) Record("SetTextColor", {static_cast<int>(colour)}, {}, {});
    return previous;
}

ColourRef DeviceContext::SetBkColor(ColourRef colour) {
    ColourRef previous = backgroundColour_;
    backgroundColour_ = colour;
    attributesValid_ = false;
    if (Recording()) Record("SetBkColor", {static_cast<int>(colour)}, {}, {});
    return previous;
}

BackgroundMode DeviceContext::SetBkMode(BackgroundMode mode) {
    BackgroundMode previous = backgroundMode_;
    backgroundMode_ = mode;
    attributesValid_ = false;
    if (Recording()) Record("SetBkMode", {static_cast<int>(mode)}, {}, {});
    return previous;
}

RasterOp DeviceContext::SetROP2(RasterOp op) {
    RasterOp previous = rop_;
    rop_ = op;
    attributesValid_ = false;
    if (Recording()) Record("SetROP2", {static_cast<int>(op)}, {}, {});
    return previous;
}

int DeviceContext::DevicePenWidth() const {
    // A pen's width scales with the mapping; anything thinner than a pixel draws one pixel wide.
    int width = RoundHalfUp(std::fabs(static_cast<double>(pen_.width)) * std::fabs(scaleX_));
    return std::max(width, 1);
}

const DeviceFont& DeviceContext::CurrentDeviceFont() const {
    if (deviceFontValid_) return deviceFont_;
    DeviceFont& font = deviceFont_;
    font = DeviceFont{};
    font.face = font_.face;
    font.weight = font_.weight;
    font.italic = font_.italic;
    int height = RoundHalfUp(std::fabs(static_cast<double>(font_.height)) * std::fabs(scaleY_));
    if (font_.height < 0) // character height plus internal leading
        height = static_cast<int>(std::min<long long>(height + (height + 4LL) / 8, INT_MAX));
    if (font_.height == 0) height = 16;
    // No device draws a font taller than this; only a damaged drawing asks for one, and it is drawn at
    // this height, which every text renderer can take.
    constexpr int TallestCell = 1 << 16;
    font.cellHeight = std::clamp(height, 1, TallestCell);
    // The baseline runs from +x towards -y in logical units; as seen on the device the angle follows
    // the axis directions of the mapping, so glyphs are never mirrored: a flipped y turns the angle
    // round, a flipped x mirrors it about the vertical. Worked out in whole tenths, as every text of
    // every paint selects its font.
    long long tenths = font_.escapement;
    if (scaleY_ < 0) tenths = -tenths;
    if (scaleX_ < 0) tenths = 1800 - tenths;
    tenths %= 3600;
    if (tenths < 0) tenths += 3600;
    font.angleTenths = static_cast<int>(tenths);
    deviceFontValid_ = true;
    return font;
}

const DrawAttributes& DeviceContext::Attributes() const {
    if (attributesValid_) return attributes_;
    DrawAttributes& attributes = attributes_;
    attributes = DrawAttributes{};
    // Painting runs on the window's thread; a count of its own per thread keeps serials apart.
    static thread_local std::uint64_t serials = 0;
    attributes.serial = ++serials;
    attributes.penColour = pen_.colour;
    attributes.penWidth = DevicePenWidth();
    attributes.penStyle = pen_.style;
    attributes.brush = brush_;
    attributes.rop = rop_;
    attributes.backgroundMode = backgroundMode_;
    attributes.backgroundColour = backgroundColour_;
    attributes.textColour = textColour_;
    if (rop_ == RasterOp::XorPen && xorBackground_ != 0) {
        ColourRef shown = (pen_.colour ^ xorBackground_) & 0x00FFFFFF;
        attributes.penColour = shown != 0 ? shown : Rgb(255, 255, 255);
        if (brush_.style != BrushStyle::Null) {
            ColourRef fill = (brush_.colour ^ xorBackground_) & 0x00FFFFFF;
            attributes.brush.colour = fill != 0 ? fill : Rgb(255, 255, 255);
        }
    }
    attributesValid_ = true;
    return attributes;
}

Point DeviceContext::MoveTo(int x, int y) {
    Point previous = position_;
    position_ = {x, y};
    devicePosition_ = ToDevice(x, y);
    devicePositionValid_ = true;
    if (Recording()) Record("MoveTo", {x, y}, {{x, y}}, {devicePosition_});
    return previous;
}

void DeviceContext::LineTo(int x, int y) {
    const Point from = devicePositionValid_ ? devicePosition_ : ToDevice(position_.x, position_.y);
    const Point to = ToDevice(x, y);
    if (Recording()) Record("LineTo", {x, y}, {position_, {x, y}}, {from, to});
    if (pen_.style != PenStyle::Null) surface_->DrawLine(from, to, Attributes());
    position_ = {x, y};
    devicePosition_ = to;
    devicePositionValid_ = true;
}

void DeviceContext::Stroke(int xa, int ya, int xb, int yb) {
    if (Recording()) {
        MoveTo(xa, ya);
        LineTo(xb, yb);
        return;
    }
    const Point from = ToDevice(xa, ya);
    const Point to = ToDevice(xb, yb);
    if (pen_.style != PenStyle::Null) surface_->DrawLine(from, to, Attributes());
    position_ = {xb, yb};
    devicePosition_ = to;
    devicePositionValid_ = true;
}

void DeviceContext::Strokes(std::span<const LogicalLine> lines) {
    if (lines.empty()) return;
    if (Recording()) {
        for (const LogicalLine& line : lines)
            Stroke(line.xa, line.ya, line.xb, line.yb);
        return;
    }
    std::vector<DeviceLine>& device = linesScratch_;
    device.resize(lines.size());
    const AxisMapping x{static_cast<double>(windowOrg_.x), scaleX_, viewportOrg_.x};
    const AxisMapping y{static_cast<double>(windowOrg_.y), scaleY_, viewportOrg_.y};
    bool converted = false;
#if defined(__x86_64__)
    converted = HaveFloorInstruction() && ConvertWithFloor(lines, x, y, device.data());
#endif
    if (!converted) {
        bool always = true; // the plain conversion takes every point
        ConvertLines<PlainRounding>(lines, x, y, device.data(), always);
    }
    if (pen_.style != PenStyle::Null) surface_->DrawLines(device, Attributes());
    position_ = {lines.back().xb, lines.back().yb};
    devicePosition_ = device.back().to;
    devicePositionValid_ = true;
}

void DeviceContext::BoxSides(int left, int top, int right, int bottom) {
    MoveTo(left, top);
    LineTo(right, top);
    MoveTo(right, top);
    LineTo(right, bottom);
    MoveTo(right, bottom);
    LineTo(left, bottom);
    MoveTo(left, bottom);
    LineTo(left, top);
}

void DeviceContext::Polyline(const std::vector<Point>& points) {
    std::vector<Point> device;
    device.reserve(points.size());
    for (const Point& p : points)
        device.push_back(ToDevice(p.x, p.y));
    if (Recording()) Record("Polyline", {static_cast<int>(points.size())}, points, device);
    if (pen_.style == PenStyle::Null) return;
    const DrawAttributes& attributes = Attributes();
    for (std::size_t i = 1; i < device.size(); ++i)
        surface_->DrawLine(device[i - 1], device[i], attributes);
}

void DeviceContext::Polygon(const std::vector<Point>& points) {
    std::vector<Point>& device = polygonScratch_;
    device.clear();
    for (const Point& p : points)
        device.push_back(ToDevice(p.x, p.y));
    if (Recording()) Record("Polygon", {static_cast<int>(points.size())}, points, device);
    if (device.size() >= 2) surface_->DrawPolygon(device, Attributes());
}

void DeviceContext::Rectangle(int left, int top, int right, int bottom) {
    Point a = ToDevice(left, top);
    Point b = ToDevice(right, bottom);
    if (Recording()) Record("Rectangle", {left, top, right, bottom}, {{left, top}, {right, bottom}}, {a, b});
    surface_->DrawRectangle(Rect{a.x, a.y, b.x, b.y}.Normalized(), Attributes());
}

void DeviceContext::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
    Point a = ToDevice(left, top);
    Point b = ToDevice(right, bottom);
    Size corner{RoundHalfUp(std::abs(cornerWidth * scaleX_)), RoundHalfUp(std::abs(cornerHeight * scaleY_))};
    if (Recording())
        Record("RoundRect", {left, top, right, bottom, cornerWidth, cornerHeight},
               {{left, top}, {right, bottom}}, {a, b, {corner.cx, corner.cy}});
    surface_->DrawRoundRect(Rect{a.x, a.y, b.x, b.y}.Normalized(), corner, Attributes());
}

void DeviceContext::Ellipse(int left, int top, int right, int bottom) {
    Point a = ToDevice(left, top);
    Point b = ToDevice(right, bottom);
    if (Recording()) Record("Ellipse", {left, top, right, bottom}, {{left, top}, {right, bottom}}, {a, b});
    surface_->DrawEllipse(Rect{a.x, a.y, b.x, b.y}.Normalized(), Attributes());
}

void DeviceContext::Arc(int left, int top, int right, int bottom, int startX, int startY, int endX,
                        int endY) {
    Point a = ToDevice(left, top);
    Point b = ToDevice(right, bottom);
    Point start = ToDevice(startX, startY);
    Point end = ToDevice(endX, endY);
    if (Recording())
        Record("Arc", {left, top, right, bottom, startX, startY, endX, endY},
               {{left, top}, {right, bottom}, {startX, startY}, {endX, endY}}, {a, b, start, end});
    if (pen_.style != PenStyle::Null)
        surface_->DrawArc(Rect{a.x, a.y, b.x, b.y}.Normalized(), start, end, Attributes());
}

void DeviceContext::TextOut(int x, int y, std::string_view text) {
    Point reference = ToDevice(x, y);
    if (Recording()) Record("TextOut", {x, y, static_cast<int>(text.size())}, {{x, y}}, {reference}, text);
    if (!text.empty()) surface_->DrawText(reference, textAlign_, text, CurrentDeviceFont(), Attributes());
}

void DeviceContext::FillDeviceRect(Rect box, ColourRef colour) {
    if (Recording())
        Record("FillRect", {box.left, box.top, box.right, box.bottom, static_cast<int>(colour)}, {},
               {{box.left, box.top}, {box.right, box.bottom}});
    surface_->FillRect(box.Normalized(), colour);
}

TextMetrics DeviceContext::GetTextMetrics() {
    TextMetrics device = surface_->MeasureFont(CurrentDeviceFont());
    // Back to logical units along the axes the metrics belong to.
    double perPixelY = scaleY_ != 0 ? 1.0 / std::fabs(scaleY_) : 0.0;
    double perPixelX = scaleX_ != 0 ? 1.0 / std::fabs(scaleX_) : 0.0;
    TextMetrics logical = device;
    logical.height = RoundHalfUp(device.height * perPixelY);
    logical.ascent = RoundHalfUp(device.ascent * perPixelY);
    logical.descent = RoundHalfUp(device.descent * perPixelY);
    logical.internalLeading = RoundHalfUp(device.internalLeading * perPixelY);
    logical.externalLeading = RoundHalfUp(device.externalLeading * perPixelY);
    logical.aveCharWidth = RoundHalfUp(device.aveCharWidth * perPixelX);
    logical.maxCharWidth = RoundHalfUp(device.maxCharWidth * perPixelX);
    return logical;
}

Size DeviceContext::GetTextExtent(std::string_view text) {
    Size device = surface_->MeasureText(CurrentDeviceFont(), text);
    double perPixelX = scaleX_ != 0 ? 1.0 / std::fabs(scaleX_) : 0.0;
    double perPixelY = scaleY_ != 0 ? 1.0 / std::fabs(scaleY_) : 0.0;
    return {RoundHalfUp(device.cx * perPixelX), RoundHalfUp(device.cy * perPixelY)};
}

void DeviceContext::Record(std::string name, std::vector<int> args, std::vector<Point> logical,
                           std::vector<Point> device, std::string_view text) {
    DrawCall call;
    call.name = std::move(name);
    call.args = std::move(args);
    call.logical = std::move(logical);
    call.device = std::move(device);
    call.text = std::string(text);
    call.pen = pen_;
    call.brush = brush_;
    call.font = font_;
    call.rop = rop_;
    call.backgroundMode = backgroundMode_;
    call.backgroundColour = backgroundColour_;
    call.textColour = textColour_;
    call.textAlign = textAlign_;
    call.devicePenWidth = DevicePenWidth();
    surface_->Record(call);
}

} // namespace platform
