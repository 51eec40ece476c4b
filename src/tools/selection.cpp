#include "tools/selection.h"

#include "model/drawing_list.h"
#include "model/object_class.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "model/view_mapping.h"
#include "settings/cfg_file.h"
#include "settings/selection_files.h"
#include "tools/move_tool.h"
#include "tools/tool_kinds.h"
#include "tools/tool_support.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

using platform::Brush;
using platform::ColourRef;
using platform::DeviceContext;
using platform::Pen;
using platform::PenStyle;
using platform::Point;
using platform::Rect;
using tool_support::Clamped;
using tool_support::ScaleDivisor;

namespace {

// Radians per degree as the selection turns: pi is taken as 3.14159, so a turn by 0 degrees (a full
// turn with the short pi) still moves points by a unit, which stored drawings show.
constexpr double RadiansPerDegree = 3.14159 / 180.0;

int Shifted(int value, long long by) {
    return Clamped(value + by);
}

int PointCount(const TPolyobj& polygon) {
    return std::clamp(polygon.count, 0, TPolyobj::MaxPoints);
}

// The selected objects as the selection files list them now; `readable` false when COPY.CFG could
// not be read at all.
std::vector<SelectionLine> CurrentSelection(bool& readable) {
    CfgReport report;
    std::vector<SelectionLine> lines = ReadSelection(DrawingList, &report);
    readable = !report.fileMissing;
    return lines;
}

PenStyle PenStyleOf(int style) {
    return style >= 0 && style <= static_cast<int>(PenStyle::Null) ? static_cast<PenStyle>(style)
                                                                   : PenStyle::Solid;
}

// A selected object is drawn in its own colour, a polygon in its fill colour.
ColourRef OwnColour(const TObject& object) {
    if (const auto* polygon = dynamic_cast<const TPolyobj*>(&object);
        polygon && ClassOfType(object.type) == ObjectClass::Polygon)
        return static_cast<ColourRef>(polygon->fillColour);
    return static_cast<ColourRef>(object.colour);
}

// And with its own pen style; a text, which has no pen, with the solid one.
int OwnStyle(const TObject& object) {
    return ClassOfType(object.type) == ObjectClass::Text ? 0 : object.penStyle;
}

void DrawSelectedPolygon(const TMoveobjtool& tool, DeviceContext& dc, const TPolyobj& polygon,
                         ColourRef colour) {
    Brush brush = Brush::NullBrush();
    if (tool.FillMode() == 1) brush = Brush::SolidBrush(Shared.BackgroundColour);
    if (tool.FillMode() == 2) brush = Brush::SolidBrush(colour);
    dc.SelectBrush(brush);
    const int scale = ScaleDivisor();
    std::vector<Point> points;
    points.reserve(TPolyobj::MaxPoints);
    for (int k = 0; k < PointCount(polygon); ++k)
        points.push_back({polygon.x[k] / scale, polygon.y[k] / scale});
    dc.Polygon(points);
}

// Hands each point that a selection moves and turns to `point(x, y)`, by reference: every point the
// object is drawn by, but of a text only its anchor (its x2 is a direction and y2 a plain number).
// Walls, rooms and information records have none.
template <typename Visit> void ForEachPoint(TObject& object, Visit point) {
    switch (ClassOfType(object.type)) {
    case ObjectClass::Line:
    case ObjectClass::Ellipse:
    case ObjectClass::Circle:
    case ObjectClass::Rectangle:
    case ObjectClass::RoundedRectangle:
        point(object.x1, object.y1);
        point(object.x2, object.y2);
        break;
    case ObjectClass::Arc:
        point(object.x1, object.y1);
        point(object.x2, object.y2);
        if (auto* arc = dynamic_cast<TArcobj*>(&object)) {
            point(arc->startX, arc->startY);
            point(arc->endX, arc->endY);
        }
        break;
    case ObjectClass::Text:
        point(object.x1, object.y1);
        break;
    case ObjectClass::Arrow:
        point(object.x1, object.y1);
        point(object.x2, object.y2);
        if (auto* arrow = dynamic_cast<TArrowobj*>(&object)) {
            point(arrow->ax1, arrow->ay1);
            point(arrow->ax2, arrow->ay2);
            point(arrow->ax3, arrow->ay3);
            point(arrow->ax4, arrow->ay4);
        }
        break;
    case ObjectClass::Opening:
    case ObjectClass::Polygon:
        if (auto* polygon = dynamic_cast<TPolyobj*>(&object))
            for (int k = 0; k < PointCount(*polygon); ++k)
                point(polygon->x[k], polygon->y[k]);
        break;
    default:
        break;
    }
}

// A turn by a whole number of degrees clockwise, its cosine and sine worked out once.
class Turn {
  public:
    explicit Turn(int degrees)
        : cosine_(std::cos((360.0 - degrees) * RadiansPerDegree)),
          sine_(std::sin((360.0 - degrees) * RadiansPerDegree)) {}

    void Apply(int& x, int& y, Point pivot) const {
        const double dx = static_cast<double>(static_cast<long long>(x) - pivot.x);
        const double dy = static_cast<double>(static_cast<long long>(y) - pivot.y);
        x = Clamped(pivot.x + Truncated(dx * cosine_ - dy * sine_));
        y = Clamped(pivot.y + Truncated(dx * sine_ + dy * cosine_));
    }

  private:
    static long long Truncated(double value) {
        constexpr double Limit = 4.0e18;
        return static_cast<long long>(std::clamp(value, -Limit, Limit));
    }
    double cosine_;
    double sine_;
};

// Tenths of a degree that a turn by `degrees` takes off a text's angles.
long long TurnInTenths(int degrees) {
    return (360LL - degrees) * 10;
}

// A centred horizontal text is made left-aligned before it turns, so it turns about its start: its
// anchor moves left by half its width, measured on the view's context as it stands (logical units).
void LeftAlignCentredText(TTextobj& text, DeviceContext& dc) {
    if (text.alignment != 1 || text.escapement != 0) return;
    const std::string_view stored = ObjectString(text.text);
    const std::string_view characters =
        stored.substr(0, static_cast<std::size_t>(std::max(text.textLength, 0)));
    text.x1 = Clamped(static_cast<long long>(text.x1) - dc.GetTextExtent(characters).cx / 2);
    text.alignment = 3;
}

// Turns a text about the pivot; a step of 356 to 360 degrees is taken as 0 from then on.
void TurnText(TMoveobjtool& tool, TTextobj& text, DeviceContext& dc, const Turn& turn, Point pivot) {
    LeftAlignCentredText(text, dc);
    if (tool.RotationStep() > 355) tool.RotationStep() = 0;
    text.escapement = TurnedTextOrientation(text.escapement, tool.RotationStep());
    text.x2 = TurnedTextDirection(text.x2, tool.RotationStep());
    turn.Apply(text.x1, text.y1, pivot);
}

// Turns an object about the pivot. A shape keeps being drawn axis-aligned between its turned corners.
void TurnObject(TMoveobjtool& tool, TObject& object, DeviceContext& dc, const Turn& turn, Point pivot) {
    if (ClassOfType(object.type) == ObjectClass::Text) {
        if (auto* text = dynamic_cast<TTextobj*>(&object)) TurnText(tool, *text, dc, turn, pivot);
        return;
    }
    ForEachPoint(object, [&](int& x, int& y) { turn.Apply(x, y, pivot); });
}

} // namespace

bool SelectedByRectangle(const TMoveobjtool& tool, const TObject& object) {
    const int left = tool.SelLeft();
    const int right = tool.SelRight();
    const int bottom = tool.SelBottom();
    const int top = tool.SelTop();
    // A point on an edge is outside.
    const auto inside = [&](int x, int y) { return left < x && x < right && bottom < y && y < top; };
    const int type = object.type;
    if (object.view != Shared.CurrentView && type != type_code::Opening) return false;
    if (type == type_code::ExternalWall || type == type_code::DesignRoom ||
        type >= type_code::FirstInformation)
        return false;
    switch (ClassOfType(type)) {
    case ObjectClass::InternalWall: {
        const auto* wall = dynamic_cast<const TIntwallobj*>(&object);
        return wall && tool.Kind == tool_kind::Erase &&
               inside(std::min(wall->x1, wall->x2), std::min(wall->y1, wall->y2)) &&
               inside(std::min(wall->fx1, wall->fx2), std::min(wall->fy1, wall->fy2));
    }
    case ObjectClass::Opening:
    case ObjectClass::Polygon: {
        const auto* polygon = dynamic_cast<const TPolyobj*>(&object);
        if (!polygon) return false;
        for (int k = 0; k < PointCount(*polygon); ++k)
            if (!inside(polygon->x[k], polygon->y[k])) return false;
        return true;
    }
    case ObjectClass::Text:
        return inside(object.x1, object.y1);
    case ObjectClass::Arc: {
        const auto* arc = dynamic_cast<const TArcobj*>(&object);
        return arc && inside(arc->startX, arc->startY) && inside(arc->endX, arc->endY);
    }
    default:
        return inside(object.x1, object.y1) && inside(object.x2, object.y2);
    }
}

void SelectInRectangle(TMoveobjtool& tool) {
    if (Shared.CurrentView >= view_code::Printing) return;
    if (tool.RefX < tool.AnchorX) std::swap(tool.RefX, tool.AnchorX);
    if (tool.RefY < tool.AnchorY) std::swap(tool.RefY, tool.AnchorY);
    tool.SelLeft() = tool.AnchorX;
    tool.SelRight() = tool.RefX;
    tool.SelBottom() = tool.AnchorY;
    tool.SelTop() = tool.RefY;
    if (tool.Kind == tool_kind::Copy) {
        // A copy is stored about the rectangle's centre, where a paste puts it back.
        tool.AnchorX = Clamped(tool.AnchorX + (static_cast<long long>(tool.RefX) - tool.AnchorX) / 2);
        tool.AnchorY = Clamped(tool.AnchorY + (static_cast<long long>(tool.RefY) - tool.AnchorY) / 2);
    }
    std::vector<SelectionLine> lines;
    for (int i = 0; i < DrawingList.count; ++i)
        if (SelectedByRectangle(tool, *DrawingList[i])) lines.push_back({i, tool.AnchorX, tool.AnchorY});
    // A selection that could not be kept selects nothing (the failed write told the user).
    if (!WriteSelection(lines)) lines.clear();
    tool.SelectionCount = static_cast<int>(lines.size());
    tool.State = TMoveobjtool::PlaceSelection;
    tool.Pending = 0;
    tool.FillMode() = 1;
}

void KeepSelectionOffsetPoint(const TMoveobjtool& tool) {
    CfgReport report;
    std::vector<SelectionLine> lines = ReadSelection(DrawingList, &report);
    if (!report.Complete()) return;
    bool moved = false;
    for (SelectionLine& line : lines) {
        moved = moved || line.x != tool.AnchorX || line.y != tool.AnchorY;
        line.x = tool.AnchorX;
        line.y = tool.AnchorY;
    }
    if (moved) WriteSelection(lines);
}

void SetReferencePoint(TMoveobjtool& tool, DeviceContext& dc, const Rect& client, int x, int y) {
    const Point reference = tool_support::ToDrawingUnits(dc, client, x, y);
    tool.RefX = reference.x;
    tool.RefY = reference.y;
    tool.Pending = 0;
}

void BlankSelection(TMoveobjtool& tool, DeviceContext& dc, const Rect& client, int x, int y) {
    const Point target = tool_support::ToDrawingUnits(dc, client, x, y);
    tool.TargetX = target.x;
    tool.TargetY = target.y;
    bool readable = false;
    for (const SelectionLine& line : CurrentSelection(readable))
        DrawSelectedObject(tool, dc, line.index, Shared.BackgroundColour, OwnStyle(*DrawingList[line.index]));
}

void DrawSelectedObject(TMoveobjtool& tool, DeviceContext& dc, int index, ColourRef colour, int style) {
    if (index < 0 || index >= DrawingList.count) return;
    const TObject& object = *DrawingList[index];
    const ObjectClass objectClass = ClassOfType(object.type);
    tool.Width = objectClass == ObjectClass::Polygon ? 1 : object.penWidth;
    if (objectClass == ObjectClass::Text) {
        // A text has no pen: its own drawing, in the colour asked for.
        if (const auto* text = dynamic_cast<const TTextobj*>(&object)) {
            TTextobj shown = *text;
            shown.colour = static_cast<int>(colour);
            shown.Draw(dc);
        }
        return;
    }
    // The pen is as wide as the object's pen in drawing units, not in the painting's pen factor.
    const Pen previousPen = dc.SelectPen(
        Pen{colour, Clamped(static_cast<long long>(tool.Width) * ScaleDivisor()), PenStyleOf(style)});
    const Brush previousBrush = dc.CurrentBrush();
    switch (objectClass) {
    case ObjectClass::Line:
    case ObjectClass::Arc:
    case ObjectClass::Ellipse:
    case ObjectClass::Circle:
    case ObjectClass::Rectangle:
    case ObjectClass::RoundedRectangle:
    case ObjectClass::Arrow:
        // Their own drawing is the outline wanted: no brush (the shapes select the null brush).
        object.Draw(dc);
        break;
    case ObjectClass::Polygon:
        if (const auto* polygon = dynamic_cast<const TPolyobj*>(&object))
            DrawSelectedPolygon(tool, dc, *polygon, colour);
        break;
    default:
        break;
    }
    dc.SelectBrush(previousBrush);
    dc.SelectPen(previousPen);
}

void MoveSelection(TMoveobjtool& tool, DeviceContext& dc, const Rect& client, int x, int y) {
    const Point target = tool_support::ToDrawingUnits(dc, client, x, y);
    tool.TargetX = target.x;
    tool.TargetY = target.y;
    const long long dx = static_cast<long long>(tool.TargetX) - tool.RefX;
    const long long dy = static_cast<long long>(tool.TargetY) - tool.RefY;
    tool.RefX = tool.TargetX;
    tool.RefY = tool.TargetY;
    bool readable = false;
    const std::vector<SelectionLine> lines = CurrentSelection(readable);
    if (!readable) return;
    for (const SelectionLine& line : lines) {
        TObject& object = *DrawingList.Edit(line.index);
        ForEachPoint(object, [dx, dy](int& px, int& py) {
            px = Shifted(px, dx);
            py = Shifted(py, dy);
        });
        if (object.type != type_code::Opening)
            DrawSelectedObject(tool, dc, line.index, OwnColour(object), OwnStyle(object));
    }
    // The next click or nudge starts from the reference point, where the cursor now is.
    tool_support::PutCursorOn(tool, dc, client, tool.RefX, tool.RefY);
}

void RotateSelection(TMoveobjtool& tool, DeviceContext& dc, const Rect& client, int x, int y) {
    BlankSelection(tool, dc, client, x, y);
    // Worked out before a text may set the step to 0.
    const Turn turn(tool.RotationStep());
    const Point pivot{tool.RefX, tool.RefY};
    SetViewMapping(dc, client);
    bool readable = false;
    const std::vector<SelectionLine> lines = CurrentSelection(readable);
    for (const SelectionLine& line : lines) {
        TObject& object = *DrawingList.Edit(line.index);
        const ColourRef colour = OwnColour(object);
        const int style = OwnStyle(object);
        TurnObject(tool, object, dc, turn, pivot);
        DrawSelectedObject(tool, dc, line.index, colour, style);
    }
}

Point TurnPoint(Point point, Point pivot, int degrees) {
    Turn(degrees).Apply(point.x, point.y, pivot);
    return point;
}

int TurnedTextOrientation(int orientation, int degrees) {
    const long long t = TurnInTenths(degrees);
    long long e = orientation;
    if (e <= 900 && 3600 - t + e > 900)
        e = 5400 - t + e;
    else
        e -= t;
    // Brought back into a turn once only, as stored drawings hold.
    if (e > 3599)
        e -= 3600;
    else if (e < 0)
        e += 3600;
    return Clamped(e);
}

int TurnedTextDirection(int direction, int degrees) {
    long long d = static_cast<long long>(direction) - TurnInTenths(degrees);
    if (d > 3600)
        d -= 3600;
    else if (d < 0)
        d += 3600;
    return Clamped(d);
}
