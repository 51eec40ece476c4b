#include "partitions/door_gap.h"

#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "partitions/door_geometry.h"
#include "partitions/door_tool.h"
#include "partitions/door_wall_search.h"
#include "partitions/intwall_geometry.h"
#include "partitions/opening_geometry.h"
#include "tools/tool_kinds.h"
#include "tools/tool_support.h"

#include <algorithm>
#include <initializer_list>
#include <memory>

using platform::DeviceContext;
using platform::Rect;
using tool_support::Clamped;

namespace {

bool IsOneOf(int value, std::initializer_list<int> values) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

bool MarksCentre(int kind) {
    return kind == tool_kind::DoorPair || kind == tool_kind::WallOpening;
}

// The background polygon of a gap, its corners in order, at the tool's elevation.
void AddGapPolygon(const TDoorobjtool& tool, const long long (&xs)[4], const long long (&ys)[4],
                   DeviceContext& dc, const Rect& client) {
    auto polygon = std::make_unique<TPolyobj>();
    SetOpeningPartFields(*polygon, tool, type_code::Polygon);
    // Fill and outline both hide the wall; a later change of the background colour leaves the gap in
    // the colour of its day.
    polygon->colour = static_cast<int>(Shared.BackgroundColour);
    polygon->fillColour = static_cast<int>(Shared.BackgroundColour);
    polygon->count = 4;
    for (int i = 0; i < 4; ++i) {
        polygon->x[i] = Clamped(xs[i]);
        polygon->y[i] = Clamped(ys[i]);
        polygon->z[i] = tool.Elevation;
    }
    ShowAndAppend(std::move(polygon), dc, client);
}

// A jamb line of type 1 across a straight wall, in the tool's colour.
void AddJamb(const TDoorobjtool& tool, long long x1, long long y1, long long x2, long long y2,
             DeviceContext& dc, const Rect& client) {
    auto line = std::make_unique<TLineobj>();
    SetOpeningPartFields(*line, tool, type_code::Line);
    line->colour = static_cast<int>(tool.Colour);
    line->x1 = Clamped(x1), line->y1 = Clamped(y1);
    line->x2 = Clamped(x2), line->y2 = Clamped(y2);
    ShowAndAppend(std::move(line), dc, client);
}

// Doors of the wrong orientation, double hinged doors opening into the wall, and faces of the other
// orientation.
bool RefusedOnStraightWall(bool vertical, int type, int face, int side) {
    if (vertical) {
        if (IsOneOf(type, {5, 6, 7, 8})) return true;
        if (type == TDoorobjtool::DoubleHingedType &&
            ((face == door_face::Left && side == TDoorobjtool::RightSide) ||
             (face == door_face::Right && side == TDoorobjtool::LeftSide) || side == TDoorobjtool::TopSide ||
             side == TDoorobjtool::BottomSide))
            return true;
        return face != door_face::Left && face != door_face::Right;
    }
    if (IsOneOf(type, {1, 2, 3, 4})) return true;
    if (type == TDoorobjtool::DoubleHingedType &&
        ((face == door_face::Lower && side == TDoorobjtool::TopSide) ||
         (face == door_face::Upper && side == TDoorobjtool::BottomSide) || side == TDoorobjtool::RightSide ||
         side == TDoorobjtool::LeftSide))
        return true;
    return face != door_face::Lower && face != door_face::Upper;
}

} // namespace

Signs DoorGapRun(const TDoorobjtool& tool, int angle) {
    int column = 4;
    const int type = tool.OutlineHanding;
    if (!MarksCentre(tool.Kind)) {
        if (type == 2 || type == 4)
            column = 0;
        else if (type == 5 || type == 6)
            column = 1;
        else if (type == 7 || type == 8)
            column = 2;
        else
            column = 3;
    }
    static constexpr Signs Table[4][5] = {
        {{1, 1}, {1, 1}, {-1, -1}, {-1, -1}, {1, 1}},
        {{-1, 1}, {1, -1}, {-1, 1}, {1, -1}, {1, -1}},
        {{1, 1}, {1, 1}, {-1, -1}, {-1, -1}, {-1, -1}},
        {{-1, 1}, {1, -1}, {-1, 1}, {1, -1}, {-1, 1}},
    };
    const int row = angle < 900 ? 0 : angle < 1800 ? 1 : angle < 2700 ? 2 : 3;
    return Table[row][column];
}

int DoorMargin() {
    return Shared.Units == 0 ? 24 : 25;
}

void CutDoorGap(TDoorobjtool& tool, DeviceContext& dc, const Rect& client) {
    tool.PenWidth() = 1;
    tool.PenStyle() = 0;
    const TIntwallobj* wall = InternalWallAt(tool.WallIndex);
    if (tool.WallIndex == TDoorobjtool::NoWallFound || !wall) {
        tool.Y1 = TDoorobjtool::Refused;
        return;
    }
    if (!IsStraightDoorWall(wall->iwall6)) {
        CutAngledDoorGap(tool, dc, client);
        return;
    }
    const bool vertical = wall->x1 == wall->x2;
    const bool horizontal = wall->y1 == wall->y2;
    const int savedX = tool.X1;
    const int savedY = tool.Y1;
    long long px = tool.X1;
    long long py = tool.Y1;
    const long long w = tool.OpeningWidth;
    const long long t = wall->iwall1;
    const long long m = DoorMargin();
    if (MarksCentre(tool.Kind)) {
        if (vertical)
            py += w / 2;
        else if (horizontal)
            px -= w / 2;
    }
    const int type = tool.OutlineHanding;
    // A wall stored with a straight angle but slanting faces has no straight gap.
    if ((!vertical && !horizontal) || RefusedOnStraightWall(vertical, type, tool.Side(), tool.Handing())) {
        tool.Y1 = TDoorobjtool::Refused;
        return;
    }
    if (vertical) {
        const long long e = tool.Side() == door_face::Left ? t : -t;
        const long long d = (type == 2 || type == 4) ? -w : w;
        const long long xmin = std::min(px, px + e), xmax = std::max(px, px + e);
        const long long ymin = std::min(py, py - d), ymax = std::max(py, py - d);
        AddGapPolygon(tool, {xmax + m, xmax + m, xmin - m, xmin - m}, {ymin, ymax, ymax, ymin}, dc, client);
        AddJamb(tool, px, py, px + e, py, dc, client);
        AddJamb(tool, px, py - d, px + e, py - d, dc, client);
    } else {
        const long long e = tool.Side() == door_face::Lower ? t : -t;
        const long long d = (type == 7 || type == 8) ? -w : w;
        const long long xmin = std::min(px, px + d), xmax = std::max(px, px + d);
        const long long ymin = std::min(py, py + e), ymax = std::max(py, py + e);
        AddGapPolygon(tool, {xmax, xmax, xmin, xmin}, {ymin - m, ymax + m, ymax + m, ymin - m}, dc, client);
        AddJamb(tool, px, py, px, py + e, dc, client);
        AddJamb(tool, px + d, py, px + d, py + e, dc, client);
    }
    tool.X1 = savedX;
    tool.Y1 = savedY;
    tool.InsertX = savedX;
    tool.InsertY = savedY;
}

void CutAngledDoorGap(TDoorobjtool& tool, DeviceContext& dc, const Rect& client) {
    tool.PenStyle() = 0;
    const TIntwallobj* found = InternalWallAt(tool.WallIndex);
    if (!found) {
        tool.Y1 = TDoorobjtool::Refused;
        return;
    }
    const TIntwallobj& wall = *found;
    const AngledDoorWall g = AngledDoorWallOf(wall.iwall6);
    const long long w = tool.OpeningWidth;
    const double t = wall.iwall1;
    long long px = tool.X1;
    long long py = tool.Y1;
    if (MarksCentre(tool.Kind)) {
        // The sides of the screen become the faces of the wall.
        int& side = tool.Handing();
        if (g.firstOrThird) {
            if (side == TDoorobjtool::LeftSide)
                side = door_face::Lower;
            else if (side == TDoorobjtool::RightSide)
                side = door_face::Upper;
        } else {
            if (side == TDoorobjtool::RightSide)
                side = door_face::Lower;
            else if (side == TDoorobjtool::LeftSide)
                side = door_face::Upper;
        }
        // Back from the centre by half the width.
        px -= SignedRounded(g.alongX, static_cast<double>(w / 2), g.sine);
        py -= SignedRounded(g.alongY, static_cast<double>(w / 2), g.cosine);
    }
    const int type = tool.OutlineHanding;
    const int face = tool.Side();
    const int side = tool.Handing();
    bool refused = false;
    const bool doubleHinged = type == TDoorobjtool::DoubleHingedType;
    if (face == door_face::Lower)
        refused = (g.firstOrThird ? IsOneOf(type, {1, 2, 5, 7}) : IsOneOf(type, {3, 4, 5, 7})) ||
                  (doubleHinged && side == door_face::Lower);
    else if (face == door_face::Upper)
        refused = (g.firstOrThird ? IsOneOf(type, {3, 4, 6, 8}) : IsOneOf(type, {1, 2, 6, 8})) ||
                  (doubleHinged && side == door_face::Upper);
    if (refused) {
        tool.Y1 = TDoorobjtool::Refused;
        return;
    }
    const Signs run = DoorGapRun(tool, wall.iwall6);
    const long long ex = px + SignedRounded(run.x, static_cast<double>(w), g.sine);
    const long long ey = py + SignedRounded(run.y, static_cast<double>(w), g.cosine);
    const Signs far = TowardsFarFace(g, face);
    const long long ax = SignedRounded(far.x, t, g.cosine);
    const long long ay = SignedRounded(far.y, t, g.sine);
    AddGapPolygon(tool, {px, ex, ex + ax, px + ax}, {py, ey, ey + ay, py + ay}, dc, client);
    tool.Colour = Shared.DrawingColour;
    tool.PenWidth() = 1;
    MakeToolLine(tool, dc, client, px + ax, py + ay, px, py);
    MakeToolLine(tool, dc, client, ex + ax, ey + ay, ex, ey);
    tool.X1 = Clamped(ex + ax);
    tool.Y1 = Clamped(ey + ay);
}
