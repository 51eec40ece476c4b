#include "partitions/door_swings.h"

#include "model/object_codes.h"
#include "model/shared_state.h"
#include "partitions/opening_geometry.h"
#include "partitions/window_tool.h"
#include "settings/cfg_files.h"
#include "tools/object_creation.h"
#include "tools/tool_kinds.h"
#include "tools/tool_support.h"

#include <array>
#include <cmath>
#include <initializer_list>

using platform::DeviceContext;
using platform::Rect;
using tool_support::Clamped;

namespace {

bool IsOneOf(int value, std::initializer_list<int> values) {
    for (int v : values)
        if (v == value) return true;
    return false;
}

// Width times the sine or cosine of the opening angle, truncated towards zero.
long long Offset(int width, double factor) {
    return static_cast<long long>(std::trunc(width * factor));
}

// The leaf angle forms of an angled wall by quadrant, for handings 1 to 8: 0 the wall angle plus the
// opening angle and a half turn, 1 less the opening angle, 2 less the opening angle and a half turn,
// 3 plus the opening angle. The half turn is added in the first two quadrants and taken off in the
// others.
constexpr std::array<std::array<int, 8>, 4> LeafForms{{
    {0, 1, 2, 3, 1, 3, 0, 2},
    {3, 2, 1, 0, 1, 3, 0, 2},
    {3, 2, 1, 0, 2, 0, 3, 1},
    {0, 1, 2, 3, 2, 0, 3, 1},
}};

} // namespace

bool AngledLeafOf(int wallAngle, int handing, int openingTenths, AngledLeaf& leaf) {
    if (handing < 1 || handing > 8) return false;
    const WallQuadrant q = QuadrantOf(wallAngle);
    const long long halfTurn = q.quadrant <= 2 ? 1800 : -1800;
    const long long a = wallAngle;
    const long long open = openingTenths;
    long long angle = 0;
    switch (LeafForms[static_cast<std::size_t>(q.quadrant - 1)][static_cast<std::size_t>(handing - 1)]) {
    case 0:
        angle = a + open + halfTurn;
        break;
    case 1:
        angle = a - open;
        break;
    case 2:
        angle = a - open + halfTurn;
        break;
    default:
        angle = a + open;
        break;
    }
    leaf.angle = Clamped(angle);
    switch (q.quadrant) {
    case 1:
        leaf.fromInnerFace = IsOneOf(handing, {3, 4, 6, 8});
        break;
    case 2:
        leaf.fromInnerFace = IsOneOf(handing, {1, 2, 6, 8});
        break;
    case 3:
        leaf.fromInnerFace = IsOneOf(handing, {1, 2, 5, 7});
        break;
    default:
        leaf.fromInnerFace = IsOneOf(handing, {3, 4, 5, 7});
        break;
    }
    return true;
}

void PolarEndPoint(TDrawingtool& tool, int angle, int distance) {
    long long a = angle;
    if (a > 3600) a -= 3600;
    long long residue = a;
    if (a > 2700)
        residue = a - 2700;
    else if (a > 1800)
        residue = a - 1800;
    else if (a > 900)
        residue = a - 900;
    const double r = static_cast<double>(residue) * RadiansPerTenth;
    const bool sineAlong = a <= 900 || (a > 1800 && a <= 2700);
    const double d = distance;
    const long long u = static_cast<long long>(std::trunc(d * (sineAlong ? std::sin(r) : std::cos(r))));
    const long long v = static_cast<long long>(std::trunc(d * (sineAlong ? std::cos(r) : std::sin(r))));
    const long long x = tool.X1;
    const long long y = tool.Y1;
    if (a <= 900) {
        tool.X2 = Clamped(x + u), tool.Y2 = Clamped(y + v);
    } else if (a <= 1800) {
        tool.X2 = Clamped(x + u), tool.Y2 = Clamped(y - v);
    } else if (a <= 2700) {
        tool.X2 = Clamped(x - u), tool.Y2 = Clamped(y - v);
    } else {
        tool.X2 = Clamped(x - u), tool.Y2 = Clamped(y + v);
    }
}

void AddJambLines(TWindowobjtool& tool, DeviceContext& dc, const Rect& client) {
    const int direction = tool.WallDirection();
    if (direction > 0) return;
    tool.Kind = type_code::OpeningLine;
    tool.PenStyle() = 0;
    tool.PenWidth() = 1;
    tool.Colour = Shared.DrawingColour;
    const long long x = tool.InsertX;
    const long long y = tool.InsertY;
    const long long t = tool.WallThickness();
    long long acrossX = 0;
    long long acrossY = 0;
    switch (direction) {
    case TWindowobjtool::RunsRight:
        acrossY = -t;
        break;
    case TWindowobjtool::RunsLeft:
        acrossY = t;
        break;
    case TWindowobjtool::RunsDown:
        acrossX = -t;
        break;
    default:
        acrossX = t;
        break;
    }
    MakeToolLine(tool, dc, client, x, y, x + acrossX, y + acrossY);
    const long long w = tool.OpeningWidth;
    long long alongX = 0;
    long long alongY = 0;
    switch (tool.LeafHanding()) {
    case 5:
    case 6:
        alongX = w;
        break;
    case 7:
    case 8:
        alongX = -w;
        break;
    case 1:
    case 3:
        alongY = -w;
        break;
    case 2:
    case 4:
        alongY = w;
        break;
    default:
        return; // no handing: the closing side is unknown, and a second line would lie on the first
    }
    MakeToolLine(tool, dc, client, x + alongX, y + alongY, x + alongX + acrossX, y + alongY + acrossY);
}

void AddDoorSwing(TWindowobjtool& tool, DeviceContext& dc, const Rect& client) {
    if (tool.WallDirection() > 0) {
        if (tool.Kind == tool_kind::HingedDoor)
            AddAngledInternalDoorSwing(tool, dc, client);
        else
            AddAngledDoorSwing(tool, dc, client);
        return;
    }
    const DoorSwingSettings swing = ReadDoorSwing();
    const long long w = tool.OpeningWidth;
    const long long ws = Offset(tool.OpeningWidth, swing.sine);
    const long long wc = Offset(tool.OpeningWidth, swing.cosine);
    tool.Kind = type_code::OpeningLine;
    tool.Colour = Shared.DrawingColour;
    const int handing = tool.LeafHanding();
    if (handing < 1 || handing > 8) return;

    // A leaf that opens into the house hangs on the inner face.
    const int direction = tool.WallDirection();
    const long long t = tool.WallThickness();
    if ((handing == 1 || handing == 2) && direction == TWindowobjtool::RunsDown)
        tool.InsertX = Clamped(tool.InsertX - t);
    else if ((handing == 3 || handing == 4) && direction == TWindowobjtool::RunsUp)
        tool.InsertX = Clamped(tool.InsertX + t);
    else if ((handing == 5 || handing == 7) && direction == TWindowobjtool::RunsLeft)
        tool.InsertY = Clamped(tool.InsertY + t);
    else if ((handing == 6 || handing == 8) && direction == TWindowobjtool::RunsRight)
        tool.InsertY = Clamped(tool.InsertY - t);

    const long long hx = tool.InsertX;
    const long long hy = tool.InsertY;
    struct Swing {
        long long leafX, leafY, closedX, closedY;
        bool fromLeaf; // the arc runs from the leaf end to the closed point, else the other way
    };
    Swing s{};
    switch (handing) {
    case 1:
        s = {hx - ws, hy - wc, hx, hy - w, true};
        break;
    case 2:
        s = {hx - ws, hy + wc, hx, hy + w, false};
        break;
    case 3:
        s = {hx + ws, hy - wc, hx, hy - w, false};
        break;
    case 4:
        s = {hx + ws, hy + wc, hx, hy + w, true};
        break;
    case 5:
        s = {hx + wc, hy + ws, hx + w, hy, false};
        break;
    case 6:
        s = {hx + wc, hy - ws, hx + w, hy, true};
        break;
    case 7:
        s = {hx - wc, hy + ws, hx - w, hy, true};
        break;
    default:
        s = {hx - wc, hy - ws, hx - w, hy, false};
        break;
    }
    tool.PenStyle() = 0;
    tool.PenWidth() = swing.thickness;
    MakeToolLine(tool, dc, client, hx, hy, s.leafX, s.leafY);
    auto arc = s.fromLeaf
                   ? SwingArc(tool, hx - w, hy + w, hx + w, hy - w, s.leafX, s.leafY, s.closedX, s.closedY)
                   : SwingArc(tool, hx - w, hy + w, hx + w, hy - w, s.closedX, s.closedY, s.leafX, s.leafY);
    ShowAndAppend(std::move(arc), dc, client);
}

void AddAngledDoorSwing(TWindowobjtool& tool, DeviceContext& dc, const Rect& client) {
    const DoorSwingSettings swing = ReadDoorSwing();
    tool.Kind = type_code::OpeningLine;
    tool.PenWidth() = 1;
    tool.PenStyle() = 0;
    const int angle = tool.WallAngle();
    const WallQuadrant q = QuadrantOf(angle);
    const double sine = std::sin(q.radians);
    const double cosine = std::cos(q.radians);
    const double w = tool.OpeningWidth;
    const double t = tool.WallThickness();
    const bool odd = q.quadrant == 1 || q.quadrant == 3;
    const long long u = RoundToLong(w * (odd ? sine : cosine));
    const long long v = RoundToLong(w * (odd ? cosine : sine));
    const long long p = RoundToLong(t * (odd ? cosine : sine));
    const long long r = RoundToLong(t * (odd ? sine : cosine));
    // The inner face lies to the right of the wall's direction of travel.
    const long long innerX = q.quadrant == 1 || q.quadrant == 4 ? p : -p;
    const long long innerY = q.quadrant <= 2 ? -r : r;

    const long long hx = tool.InsertX;
    const long long hy = tool.InsertY;
    MakeToolLine(tool, dc, client, hx, hy, hx + innerX, hy + innerY);

    const int handing = tool.LeafHanding();
    long long mx = 0;
    long long my = 0;
    switch (q.quadrant) {
    case 1:
    case 3: {
        const bool back = IsOneOf(handing, {1, 3, 7, 8});
        mx = back ? -u : u;
        my = back ? -v : v;
        break;
    }
    case 2: {
        const bool back = IsOneOf(handing, {2, 4, 7, 8});
        mx = back ? -u : u;
        my = back ? v : -v;
        break;
    }
    default: {
        const bool named = IsOneOf(handing, {1, 3, 5, 6});
        mx = named ? u : -u;
        my = named ? -v : v;
        break;
    }
    }
    MakeToolLine(tool, dc, client, hx + mx, hy + my, hx + mx + innerX, hy + my + innerY);

    AngledLeaf leaf;
    if (!AngledLeafOf(angle, handing, swing.angle * 10, leaf)) return;
    tool.X1 = Clamped(leaf.fromInnerFace ? hx + innerX : hx);
    tool.Y1 = Clamped(leaf.fromInnerFace ? hy + innerY : hy);
    PolarEndPoint(tool, leaf.angle, tool.OpeningWidth);
    tool.PenWidth() = swing.thickness;
    tool.CreateObject(dc, client);
}

void AddAngledInternalDoorSwing(TWindowobjtool& tool, DeviceContext& dc, const Rect& client) {
    const DoorSwingSettings swing = ReadDoorSwing();
    const int handing = tool.OutlineHanding;
    const int angle = tool.WallAngle();
    const int side = tool.Side();
    bool refused = false;
    switch (QuadrantOf(angle).quadrant) {
    case 1:
        refused =
            (side == 3 && IsOneOf(handing, {3, 4, 6, 8})) || (side == 1 && IsOneOf(handing, {1, 2, 5, 7}));
        break;
    case 2:
        refused = side == 1 ? IsOneOf(handing, {3, 4, 5, 7}) : IsOneOf(handing, {1, 2, 6, 8});
        break;
    case 3:
        refused = side == 3 ? IsOneOf(handing, {3, 4, 6, 8}) : IsOneOf(handing, {1, 2, 5, 7});
        break;
    default:
        refused = side == 3 ? IsOneOf(handing, {1, 2, 6, 8}) : IsOneOf(handing, {3, 4, 5, 7});
        break;
    }
    if (refused) {
        tool.Y1 = DoorLeafRefused;
        return;
    }
    AngledLeaf leaf;
    if (!AngledLeafOf(angle, handing, swing.angle * 10, leaf)) return;
    // The leaf is a window-and-door line; the door tool keeps its own kind.
    const int kind = tool.Kind;
    tool.Kind = type_code::OpeningLine;
    tool.PenStyle() = 0;
    tool.X1 = tool.InsertX;
    tool.Y1 = tool.InsertY;
    PolarEndPoint(tool, leaf.angle, tool.OpeningWidth);
    tool.PenWidth() = swing.thickness;
    tool.CreateObject(dc, client);
    tool.Kind = kind;
}
