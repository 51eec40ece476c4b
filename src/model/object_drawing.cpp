// The drawing operations of the shapes, texts, polygons, dimensions and rooms: Draw for the view and
// the printer, DrawScaled for the bitmap export. The pen is already selected by the painting entry
// points (object_painting.cpp), except for texts; brushes and fonts are chosen here. A plain TObject
// and an information record draw nothing.
#include "model/drawing_list.h"
#include "model/drawing_objects.h"
#include "model/object_painting.h"
#include "model/paint_mapping.h"
#include "model/shared_state.h"
#include "platform/device_context.h"

#include <algorithm>
#include <string_view>
#include <vector>

using paint_mapping::BitmapMap;
using paint_mapping::Product;
using paint_mapping::Saturate;
using paint_mapping::ViewMap;
using platform::BackgroundMode;
using platform::Brush;
using platform::DeviceContext;
using platform::Font;
using platform::Point;
namespace TextAlign = platform::TextAlign;

void TObject::Draw(DeviceContext&) const {}
void TObject::DrawFilledWall(DeviceContext&) const {}
void TObject::DrawPatternWall(DeviceContext&, int) const {}
void TObject::DrawScaled(DeviceContext&, int, int, int) const {}
void TObject::DrawScaledFilledWall(DeviceContext&, int, int, int) const {}
void TObject::DrawScaledPatternWall(DeviceContext&, int, int, int, int) const {}

namespace {

// The characters of a fixed string field, as many as its stored length says; a damaged length never
// reaches past the field's string.
template <std::size_t Capacity> std::string_view StoredText(const char (&field)[Capacity], int length) {
    const std::string_view stored = ObjectString(field);
    return stored.substr(0, static_cast<std::size_t>(std::max(length, 0)));
}

} // namespace

Font TextFont(std::string_view face, int height, int escapement, int weight) {
    Font font;
    font.face.assign(face);
    font.height = height;
    font.width = 0;
    font.escapement = escapement;
    font.orientation = 0;
    font.weight = weight;
    font.charSet = 0;
    font.quality = platform::ProofQuality;
    font.pitchAndFamily = platform::VariablePitch;
    return font;
}

namespace {

template <typename Map> void DrawLine(DeviceContext& dc, const Map& map, int xa, int ya, int xb, int yb) {
    dc.MoveTo(map.X(xa), map.Y(ya));
    dc.LineTo(map.X(xb), map.Y(yb));
}

template <typename Map> void DrawArc(const TArcobj& arc, DeviceContext& dc, const Map& map) {
    dc.Arc(map.X(arc.x1), map.Y(arc.y1), map.X(arc.x2), map.Y(arc.y2), map.X(arc.startX), map.Y(arc.startY),
           map.X(arc.endX), map.Y(arc.endY));
}

// Ellipses, circles and rectangles are outlines: whatever lies inside them stays visible.
template <typename Map> void DrawEllipse(const TObject& shape, DeviceContext& dc, const Map& map) {
    dc.SelectBrush(Brush::NullBrush());
    dc.Ellipse(map.X(shape.x1), map.Y(shape.y1), map.X(shape.x2), map.Y(shape.y2));
}

template <typename Map> void DrawRectangle(const TObject& shape, DeviceContext& dc, const Map& map) {
    dc.SelectBrush(Brush::NullBrush());
    dc.Rectangle(map.X(shape.x1), map.Y(shape.y1), map.X(shape.x2), map.Y(shape.y2));
}

template <typename Map>
void DrawRoundedRectangle(const TRndrectobj& shape, DeviceContext& dc, const Map& map) {
    dc.SelectBrush(Brush::NullBrush());
    // The rounding ellipse is twice the stored radius; the doubling comes before the division.
    const int corner = map.Length(2LL * shape.corner);
    dc.RoundRect(map.X(shape.x1), map.Y(shape.y1), map.X(shape.x2), map.Y(shape.y2), corner, corner);
}

// Alignment by the text's code; false where the code sets none and the context keeps its own.
// `upright` is the drawn escapement; `readsUp` says the text runs from bottom to top (stored 2700).
bool TextAlignment(int code, int upright, bool readsUp, unsigned& align) {
    switch (code) {
    case 1:
        if (upright == 0) {
            align = TextAlign::Bottom | TextAlign::Center;
            return true;
        }
        if (readsUp) {
            align = TextAlign::Bottom | TextAlign::Left;
            return true;
        }
        return false;
    case 2:
    case 3:
        align = TextAlign::Bottom | TextAlign::Left;
        return true;
    case 4:
        align = TextAlign::Top | TextAlign::Center;
        return true;
    case 5:
        align = TextAlign::Top | TextAlign::Left;
        return true;
    case 6:
        align = TextAlign::Bottom | TextAlign::Center;
        return true;
    default:
        return false;
    }
}

// A text in its own font and colour (also when it shows as an overlay). `escapement` is the angle
// drawn, which the bitmap changes from the stored one.
template <typename Map>
void DrawText(const TTextobj& text, DeviceContext& dc, const Map& map, int fontHeight, int escapement) {
    const int weight = text.weight < 500 ? 400 : 700;
    const Font previous =
        dc.SelectFont(TextFont(ObjectString(text.fontName), fontHeight, escapement, weight));
    unsigned align = 0;
    if (TextAlignment(text.alignment, escapement, text.escapement == 2700, align)) dc.SetTextAlign(align);
    dc.SetBkMode(BackgroundMode::Transparent);
    dc.SetTextColor(static_cast<platform::ColourRef>(text.colour));
    dc.TextOut(map.X(text.x1), map.Y(text.y1), StoredText(text.text, text.textLength));
    dc.SelectFont(previous);
}

// The bitmap is drawn without the view's flipped axis, so a text that reads downwards on the view
// (2700) is turned to read the same way in the image, and the others with it.
int BitmapEscapement(int escapement) {
    if (escapement == 2700) return 900;
    if (escapement >= 1 && escapement <= 899) return escapement + 2700;
    if (escapement > 2700) return escapement - 2700;
    return escapement;
}

// The closed outline of a polygon, one segment per side, ending back at the first point.
template <typename Map> void DrawPolygonOutline(const TPolyobj& polygon, DeviceContext& dc, const Map& map) {
    const int count = std::clamp(polygon.count, 0, TPolyobj::MaxPoints);
    for (int i = 0; i < count; ++i) {
        const int next = i + 1 < count ? i + 1 : 0;
        dc.MoveTo(map.X(polygon.x[i]), map.Y(polygon.y[i]));
        dc.LineTo(map.X(polygon.x[next]), map.Y(polygon.y[next]));
    }
}

// A polygon filled with its own colour; the border takes the pen in force.
template <typename Map> void DrawFilledPolygon(const TPolyobj& polygon, DeviceContext& dc, const Map& map) {
    // One list for every polygon of a paint: painting runs on the window's thread only.
    static thread_local std::vector<Point> points;
    const int count = std::clamp(polygon.count, 0, TPolyobj::MaxPoints);
    points.clear();
    for (int i = 0; i < count; ++i)
        points.push_back({map.X(polygon.x[i]), map.Y(polygon.y[i])});
    const Brush previous =
        dc.SelectBrush(Brush::SolidBrush(static_cast<platform::ColourRef>(polygon.fillColour)));
    dc.Polygon(points);
    dc.SelectBrush(previous);
}

template <typename Map> void DrawPolygon(const TPolyobj& polygon, DeviceContext& dc, const Map& map) {
    if ((polygon.type >= 131 && polygon.type <= 149) || polygon.type == 500)
        DrawPolygonOutline(polygon, dc, map);
    else if (polygon.type == 100)
        DrawFilledPolygon(polygon, dc, map);
    // Every other polygon code, and the openings, are data for the commands that made them.
}

// A dimension: the line from tip to tail, the two barbs from the tip, and the bar across the tip.
template <typename Map> void DrawArrow(const TArrowobj& arrow, DeviceContext& dc, const Map& map) {
    DrawLine(dc, map, arrow.x1, arrow.y1, arrow.x2, arrow.y2);
    DrawLine(dc, map, arrow.x1, arrow.y1, arrow.ax1, arrow.ay1);
    DrawLine(dc, map, arrow.x1, arrow.y1, arrow.ax2, arrow.ay2);
    DrawLine(dc, map, arrow.ax3, arrow.ay3, arrow.ax4, arrow.ay4);
}

// The room's name and its two size labels around the centre (cx, cy), in bold. When the name is too
// wide for the room all three turn a quarter, the labels one on each side of the name; `down` is the
// direction of the next line of text in the target's coordinates (-1 on the view, +1 in the bitmap).
void DrawRoomLabels(const TRoomobj& room, DeviceContext& dc, int fontHeight, int cx, int cy, int down) {
    const Font first = TextFont(DrawingList.FontName, fontHeight, 0, 700);
    const Font previous = dc.SelectFont(first);
    dc.SetTextAlign(TextAlign::Bottom | TextAlign::Center);
    const platform::TextMetrics metrics = dc.GetTextMetrics();
    const int h = metrics.height;
    const int a = metrics.aveCharWidth;
    const std::string_view name = StoredText(room.name, room.nameLength);
    const std::string_view label1 = StoredText(room.label1, room.label1Length);
    const std::string_view label2 = StoredText(room.label2, room.label2Length);
    // The estimate compares logical units with drawing units, so a name turns only when it is several
    // times too wide for the room.
    // A font of a damaged size may be taller than the coordinates reach: the lines are held at the ends.
    const long long line = static_cast<long long>(down) * h;
    if (static_cast<long long>(a) * room.nameLength <= room.width) {
        dc.SetBkMode(BackgroundMode::Opaque);
        dc.SetTextColor(Shared.DrawingColour);
        dc.TextOut(cx, cy, name);
        dc.TextOut(cx, Saturate(cy + line), label1);
        dc.TextOut(cx, Saturate(cy + 2 * line), label2);
    } else {
        Font turned = first;
        turned.escapement = 2700;
        dc.SelectFont(turned);
        dc.SetBkMode(BackgroundMode::Opaque);
        dc.SetTextColor(Shared.DrawingColour);
        const long long beside = (h / 3) * 2LL;
        dc.TextOut(cx, cy, name);
        dc.TextOut(Saturate(cx + beside), cy, label1);
        dc.TextOut(Saturate(cx - beside), cy, label2);
    }
    dc.SelectFont(previous);
    dc.SetBkMode(BackgroundMode::Transparent);
}

} // namespace

void TLineobj::Draw(DeviceContext& dc) const {
    DrawLine(dc, ViewMap{}, x1, y1, x2, y2);
}
void TLineobj::DrawScaled(DeviceContext& dc, int divisor, int height, int offset) const {
    DrawLine(dc, BitmapMap(divisor, height, offset), x1, y1, x2, y2);
}

void TArcobj::Draw(DeviceContext& dc) const {
    DrawArc(*this, dc, ViewMap{});
}
void TArcobj::DrawScaled(DeviceContext& dc, int divisor, int height, int offset) const {
    DrawArc(*this, dc, BitmapMap(divisor, height, offset));
}

void TTextobj::Draw(DeviceContext& dc) const {
    const ViewMap map;
    DrawText(*this, dc, map, Product(size, map.scale), escapement);
}
void TTextobj::DrawScaled(DeviceContext& dc, int divisor, int height, int offset) const {
    // The bitmap's font height is the stored size in pixels.
    DrawText(*this, dc, BitmapMap(divisor, height, offset), size, BitmapEscapement(escapement));
}

void TEllipseobj::Draw(DeviceContext& dc) const {
    DrawEllipse(*this, dc, ViewMap{});
}
void TEllipseobj::DrawScaled(DeviceContext& dc, int divisor, int height, int offset) const {
    DrawEllipse(*this, dc, BitmapMap(divisor, height, offset));
}

// A circle is kept and drawn as the ellipse of its box.
void TCircleobj::Draw(DeviceContext& dc) const {
    DrawEllipse(*this, dc, ViewMap{});
}
void TCircleobj::DrawScaled(DeviceContext& dc, int divisor, int height, int offset) const {
    DrawEllipse(*this, dc, BitmapMap(divisor, height, offset));
}

void TRectangleobj::Draw(DeviceContext& dc) const {
    DrawRectangle(*this, dc, ViewMap{});
}
void TRectangleobj::DrawScaled(DeviceContext& dc, int divisor, int height, int offset) const {
    DrawRectangle(*this, dc, BitmapMap(divisor, height, offset));
}

void TRndrectobj::Draw(DeviceContext& dc) const {
    DrawRoundedRectangle(*this, dc, ViewMap{});
}
void TRndrectobj::DrawScaled(DeviceContext& dc, int divisor, int height, int offset) const {
    DrawRoundedRectangle(*this, dc, BitmapMap(divisor, height, offset));
}

void TPolyobj::Draw(DeviceContext& dc) const {
    DrawPolygon(*this, dc, ViewMap{});
}
void TPolyobj::DrawScaled(DeviceContext& dc, int divisor, int height, int offset) const {
    DrawPolygon(*this, dc, BitmapMap(divisor, height, offset));
}

void TArrowobj::Draw(DeviceContext& dc) const {
    DrawArrow(*this, dc, ViewMap{});
}
void TArrowobj::DrawScaled(DeviceContext& dc, int divisor, int height, int offset) const {
    DrawArrow(*this, dc, BitmapMap(divisor, height, offset));
}

void TRoomobj::Draw(DeviceContext& dc) const {
    const ViewMap map;
    // While the external corners are marked on the layout, rooms are blanked out to the background.
    const bool marking = Shared.CurrentView >= 45 && Shared.CurrentView <= 49;
    const platform::ColourRef fill =
        marking ? Shared.BackgroundColour : static_cast<platform::ColourRef>(fillColour);
    const Brush previous = dc.SelectBrush(Brush::SolidBrush(fill));
    // The far corner reaches one pen width further, so the fill covers the room's outline there.
    dc.Rectangle(map.X(x1), map.Y(y1), Saturate(static_cast<long long>(map.X(x2)) + Shared.PenWidthFactor),
                 Saturate(static_cast<long long>(map.Y(y2)) - Shared.PenWidthFactor));
    dc.SelectBrush(previous);
    const int cx = map.Length(x1 + static_cast<long long>(width / 2));
    const int cy = map.Length(y1 - static_cast<long long>(length / 2));
    DrawRoomLabels(*this, dc, Product(textSize, map.scale), cx, cy, -1);
}

void TRoomobj::DrawScaled(DeviceContext& dc, int divisor, int height, int offset) const {
    const BitmapMap map(divisor, height, offset);
    const long long left = map.X(x1);
    const long long top = map.Y(y1);
    const int boxWidth = map.Length(width);
    const int boxHeight = map.Length(length);
    // The corners of a damaged room may lie past the int range: they are held at its ends.
    const int x0 = static_cast<int>(left);
    const int y0 = static_cast<int>(top);
    const int xEnd = Saturate(left + boxWidth);
    const int yEnd = Saturate(top + boxHeight);
    dc.BoxSides(x0, y0, xEnd, yEnd);
    // The export shows the room's own colour whatever the view, one pixel past the outline.
    const Brush previous = dc.SelectBrush(Brush::SolidBrush(static_cast<platform::ColourRef>(fillColour)));
    dc.Rectangle(x0, y0, Saturate(left + boxWidth + 1), Saturate(top + boxHeight + 1));
    dc.SelectBrush(previous);
    DrawRoomLabels(*this, dc, Product(Shared.TextSize, Shared.PenWidthFactor), Saturate(left + boxWidth / 2),
                   Saturate(top + boxHeight / 2), 1);
}
