#include "partitions/sliding_door.h"

#include "model/shared_state.h"
#include "partitions/door_gap.h"
#include "partitions/door_geometry.h"
#include "partitions/door_tool.h"
#include "partitions/intwall_geometry.h"
#include "partitions/opening_geometry.h"
#include "settings/cfg_files.h"

#include <cmath>

using platform::DeviceContext;
using platform::Rect;

namespace {

constexpr int DottedStyle = 2;

// The pocket's dotted half, thin, then the pen back as it was.
void MakeDottedLine(TDoorobjtool& tool, DeviceContext& dc, const Rect& client, long long x1, long long y1,
                    long long x2, long long y2) {
    tool.PenWidth() = 1;
    tool.PenStyle() = DottedStyle;
    MakeToolLine(tool, dc, client, x1, y1, x2, y2);
}

void EndWithThinPen(TDoorobjtool& tool) {
    tool.PenWidth() = 1;
    tool.PenStyle() = 0;
}

} // namespace

void AddSlidingDoorLeaf(TDoorobjtool& tool, DeviceContext& dc, const Rect& client) {
    const TIntwallobj* wall = InternalWallAt(tool.WallIndex);
    if (wall && !IsStraightDoorWall(wall->iwall6)) {
        AddAngledSlidingDoorLeaf(tool, dc, client);
        return;
    }
    const DoorSwingSettings swing = ReadDoorSwing();
    tool.Colour = Shared.DrawingColour;
    tool.PenWidth() = swing.thickness;
    tool.PenStyle() = 0;
    const long long jx = tool.InsertX;
    const long long jy = tool.InsertY;
    const long long w = tool.OpeningWidth;
    const long long half = w / 2;
    const long long m = DoorMargin();
    const long long t2 = wall ? wall->iwall1 / 2 : 0;
    const bool pocket = tool.LeafHanding() == 1;
    const int type = tool.OutlineHanding;
    if (type < 1 || type > 8) {
        EndWithThinPen(tool);
        return;
    }
    const bool alongY = type <= 4;
    // The leaf's line: m outside the hit face, or on the wall's centre line.
    long long at = 0;
    switch (type) {
    case 1:
    case 2:
        at = pocket ? jx + t2 : jx - m;
        break;
    case 3:
    case 4:
        at = pocket ? jx - t2 : jx + m;
        break;
    case 5:
    case 7:
        at = pocket ? jy - t2 : jy + m;
        break;
    default:
        at = pocket ? jy + t2 : jy - m;
        break;
    }
    // A point `offset` along the wall from the jamb.
    auto point = [&](long long offset, long long& x, long long& y) {
        x = alongY ? at : jx + offset;
        y = alongY ? jy + offset : at;
    };
    long long x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    if (!pocket) {
        // Centred on the jamb; types 4, 7 and 8 drawn from the other end.
        const bool fromOtherEnd = type == 4 || type == 7 || type == 8;
        const long long start = alongY ? -half : half;
        point(fromOtherEnd ? -start : start, x1, y1);
        point(fromOtherEnd ? start : -start, x2, y2);
        MakeToolLine(tool, dc, client, x1, y1, x2, y2);
        EndWithThinPen(tool);
        return;
    }
    // The gap runs down for types 1 and 3, up for 2 and 4, right for 5 and 6, left for 7 and 8.
    const long long gap = (type == 1 || type == 3 || type == 7 || type == 8) ? -half : half;
    point(0, x1, y1);
    point(gap, x2, y2);
    MakeToolLine(tool, dc, client, x1, y1, x2, y2);
    point(-gap, x2, y2);
    MakeDottedLine(tool, dc, client, x1, y1, x2, y2);
    EndWithThinPen(tool);
}

void AddAngledSlidingDoorLeaf(TDoorobjtool& tool, DeviceContext& dc, const Rect& client) {
    const TIntwallobj* wall = InternalWallAt(tool.WallIndex);
    const DoorSwingSettings swing = ReadDoorSwing();
    const long long thicknessOfWall = wall ? wall->iwall1 : 0;
    // A thin wall has room for the thinnest leaf only.
    const int pen = thicknessOfWall < 90 ? 1 : swing.thickness;
    tool.Colour = Shared.DrawingColour;
    const AngledDoorWall g = AngledDoorWallOf(tool.WallAngle());
    const Signs far = TowardsFarFace(g, tool.Side());
    const bool pocket = tool.LeafHanding() == 1;
    const double half = static_cast<double>(tool.OpeningWidth / 2);
    // The across offset towards the far face, k long.
    auto across = [&](double k, long long& x, long long& y) {
        x = SignedRounded(far.x, k, g.cosine);
        y = SignedRounded(far.y, k, g.sine);
    };
    const long long jx = tool.InsertX;
    const long long jy = tool.InsertY;
    // The along half-vector, not rounded: the ends are truncated.
    const double ux = g.alongX * half * g.sine;
    const double uy = g.alongY * half * g.cosine;
    auto end = [](long long base, double offset) {
        return static_cast<long long>(std::trunc(static_cast<double>(base) + offset));
    };
    long long ax = 0, ay = 0;
    if (!pocket) {
        across(DoorMargin(), ax, ay);
        const long long mx = jx - ax;
        const long long my = jy - ay;
        tool.PenWidth() = pen;
        tool.PenStyle() = 0;
        MakeToolLine(tool, dc, client, end(mx, ux), end(my, uy), end(mx, -ux), end(my, -uy));
        EndWithThinPen(tool);
        return;
    }
    across(static_cast<double>(thicknessOfWall / 2), ax, ay);
    const long long cx = jx + ax;
    const long long cy = jy + ay;
    const Signs run = DoorGapRun(tool, g.angle);
    // The gap's direction: its signs on the unsigned half-vector.
    const double gx = run.x * half * g.sine;
    const double gy = run.y * half * g.cosine;
    tool.PenWidth() = pen;
    tool.PenStyle() = 0;
    MakeToolLine(tool, dc, client, cx, cy, end(cx, gx), end(cy, gy));
    MakeDottedLine(tool, dc, client, cx, cy, end(cx, -gx), end(cy, -gy));
    EndWithThinPen(tool);
}
