#include "partitions/multiple_doors.h"

#include "model/shared_state.h"
#include "partitions/door_gap.h"
#include "partitions/door_geometry.h"
#include "partitions/door_swings.h"
#include "partitions/door_tool.h"
#include "partitions/intwall_geometry.h"
#include "partitions/opening_geometry.h"
#include "settings/cfg_files.h"
#include "tools/tool_kinds.h"
#include "tools/tool_support.h"

using platform::DeviceContext;
using platform::Rect;
using tool_support::Clamped;

namespace {

// The leaf thickness setting as a pen, and the offset it gives.
int LeafOffset(int thickness) {
    return thickness * DoorMargin();
}

// The two hinged leaves of a double door in a straight wall, each half the width, from the gap's ends.
void AddHingedPair(TDoorobjtool& tool, DeviceContext& dc, const Rect& client) {
    const long long cx = tool.InsertX;
    const long long cy = tool.InsertY;
    const int w = tool.OpeningWidth;
    const long long half = w / 2;
    struct Leaf {
        long long x, y;
        int code;
    };
    Leaf first{};
    Leaf second{};
    switch (tool.Handing()) {
    case TDoorobjtool::TopSide:
        first = {cx - half, cy, 5}, second = {cx - half + w, cy, 7};
        break;
    case TDoorobjtool::BottomSide:
        first = {cx - half, cy, 6}, second = {cx - half + w, cy, 8};
        break;
    case TDoorobjtool::RightSide:
        first = {cx, cy + half, 3}, second = {cx, cy + half - w, 4};
        break;
    default:
        first = {cx, cy + half, 1}, second = {cx, cy + half - w, 2};
        break;
    }
    tool.OpeningWidth = Clamped(half);
    for (const Leaf& leaf : {first, second}) {
        tool.InsertX = Clamped(leaf.x);
        tool.InsertY = Clamped(leaf.y);
        tool.LeafHanding() = leaf.code;
        AddDoorSwing(tool, dc, client);
    }
    tool.Kind = tool_kind::DoorPair;
    tool.OutlineHanding = TDoorobjtool::DoubleHingedType;
    // An odd width loses its last unit, as it always has.
    tool.OpeningWidth = Clamped(half * 2);
}

// Sliding leaves in a straight wall: each a line along the wall from `from` to `to` units past the
// gap's start, `offset` off the face.
void AddSlidingSet(TDoorobjtool& tool, DeviceContext& dc, const Rect& client) {
    const DoorSwingSettings swing = ReadDoorSwing();
    tool.PenWidth() = swing.thickness;
    tool.PenStyle() = 0;
    tool.Colour = Shared.DrawingColour;
    const long long cx = tool.InsertX;
    const long long cy = tool.InsertY;
    const long long w = tool.OpeningWidth;
    const long long e = w / 8;
    const long long t = LeafOffset(swing.thickness);
    const long long t2 = t / 2;
    const int side = tool.Handing();
    const bool alongX = side == TDoorobjtool::TopSide || side == TDoorobjtool::BottomSide;
    // Offsets into the room on the far side: down for the top, up for the bottom, left for the right
    // and right for the left side.
    const int across = side == TDoorobjtool::TopSide || side == TDoorobjtool::RightSide ? -1 : 1;
    auto leaf = [&](long long from, long long to, long long offset) {
        if (alongX)
            MakeToolLine(tool, dc, client, cx - w / 2 + from, cy + across * offset, cx - w / 2 + to,
                         cy + across * offset);
        else
            MakeToolLine(tool, dc, client, cx + across * offset, cy + w / 2 - from, cx + across * offset,
                         cy + w / 2 - to);
    };
    if (tool.OutlineHanding == TDoorobjtool::TwoSlidingType) {
        leaf(e, e + w / 2, t);
        leaf(e + w / 4, e + w / 4 + w / 2, 2 * t);
    } else {
        leaf(e, 3 * e, t2);
        leaf(4 * e, 6 * e, t2);
        leaf(2 * e, 4 * e, t2 + t);
        leaf(5 * e, 7 * e, t2 + t);
        tool.OpeningWidth = Clamped(8 * e);
    }
}

} // namespace

void AddMultipleDoors(TDoorobjtool& tool, DeviceContext& dc, const Rect& client) {
    if (!IsStraightDoorWall(tool.WallAngle())) {
        AddAngledMultipleDoors(tool, dc, client);
        return;
    }
    if (tool.OutlineHanding == TDoorobjtool::DoubleHingedType)
        AddHingedPair(tool, dc, client);
    else if (tool.OutlineHanding == TDoorobjtool::TwoSlidingType ||
             tool.OutlineHanding == TDoorobjtool::FourSlidingType)
        AddSlidingSet(tool, dc, client);
}

void AddAngledMultipleDoors(TDoorobjtool& tool, DeviceContext& dc, const Rect& client) {
    if (tool.OutlineHanding != TDoorobjtool::DoubleHingedType) {
        AddAngledSlidingPairs(tool, dc, client);
        return;
    }
    const DoorSwingSettings swing = ReadDoorSwing();
    const int turn = swing.angle * 10;
    tool.PenWidth() = swing.thickness;
    tool.PenStyle() = 0;
    tool.Colour = Shared.DrawingColour;
    const int a = tool.WallAngle();
    const AngledDoorWall g = AngledDoorWallOf(a);
    const double half = tool.OpeningWidth / 2;
    const long long hx = SignedRounded(g.alongX, half, g.sine);
    const long long hy = SignedRounded(g.alongY, half, g.cosine);
    const long long cx = tool.InsertX;
    const long long cy = tool.InsertY;
    const bool lowerFace = tool.Side() == 1;
    int forward = 0;
    int rear = 0;
    if (a < 1800) {
        forward = lowerFace ? a - turn + 1800 : a + turn + 1800;
        rear = lowerFace ? a + turn : a - turn;
    } else {
        forward = lowerFace ? a + turn - 1800 : a - turn - 1800;
        rear = lowerFace ? a - turn : a + turn;
    }
    const int length = tool.OpeningWidth / 2;
    tool.X1 = Clamped(cx + hx);
    tool.Y1 = Clamped(cy + hy);
    PolarEndPoint(tool, forward, length);
    tool.CreateObject(dc, client);
    tool.X1 = Clamped(cx - hx);
    tool.Y1 = Clamped(cy - hy);
    PolarEndPoint(tool, rear, length);
    tool.CreateObject(dc, client);
}

void AddAngledSlidingPairs(TDoorobjtool& tool, DeviceContext& dc, const Rect& client) {
    const TIntwallobj* wall = InternalWallAt(tool.WallIndex);
    const DoorSwingSettings swing = ReadDoorSwing();
    int thickness = swing.thickness;
    // A thin wall has room for the thinnest leaves only.
    if (!wall || wall->iwall1 < 90) thickness = 1;
    tool.PenWidth() = thickness;
    tool.PenStyle() = 0;
    tool.Colour = Shared.DrawingColour;
    const double t = LeafOffset(thickness);
    const AngledDoorWall g = AngledDoorWallOf(tool.WallAngle());
    const long long w = tool.OpeningWidth;
    const long long e = w / 8;
    // Along the wall from its start: k units of e, rounded per coordinate.
    auto along = [&](long long k, long long& x, long long& y) {
        x = SignedRounded(g.alongX, static_cast<double>(k), g.sine);
        y = SignedRounded(g.alongY, static_cast<double>(k), g.cosine);
    };
    long long sx = 0;
    long long sy = 0;
    along(w / 2, sx, sy);
    sx = tool.InsertX - sx;
    sy = tool.InsertY - sy;
    // Out from the face, the way a jamb line runs from the far face back.
    const Signs far = TowardsFarFace(g, tool.Side());
    const long long shiftX = -SignedRounded(far.x, t, g.cosine);
    const long long shiftY = -SignedRounded(far.y, t, g.sine);
    auto leaf = [&](long long start, long long length, bool shifted) {
        long long x = 0, y = 0, dx = 0, dy = 0;
        along(start, x, y);
        along(length, dx, dy);
        x += sx + (shifted ? shiftX : 0);
        y += sy + (shifted ? shiftY : 0);
        MakeToolLine(tool, dc, client, x, y, x + dx, y + dy);
    };
    if (tool.OutlineHanding == TDoorobjtool::TwoSlidingType) {
        leaf(e, 4 * e, false);
        leaf(3 * e, 4 * e, true);
    } else if (tool.OutlineHanding == TDoorobjtool::FourSlidingType) {
        leaf(e, 2 * e, false);
        leaf(4 * e, 2 * e, false);
        leaf(2 * e, 2 * e, true);
        leaf(5 * e, 2 * e, true);
    }
}
