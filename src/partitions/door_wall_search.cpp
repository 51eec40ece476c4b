#include "partitions/door_wall_search.h"

#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "partitions/door_geometry.h"
#include "partitions/door_tool.h"
#include "tools/tool_support.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

using tool_support::Clamped;

namespace {

bool StrictlyBetween(long long value, long long end1, long long end2) {
    return std::min(end1, end2) < value && value < std::max(end1, end2);
}

// The search state: the point being moved and the face taken.
struct Hit {
    long long x = 0;
    long long y = 0;
    int face = 0;
};

// A horizontal wall: a door that hangs on one face, or an opening or a multiple door placed by the
// point or the side. Doors of the other orientation keep the point and the face as they were.
void SnapToHorizontalWall(const TIntwallobj& wall, int type, int side, long long h, Hit& hit) {
    const long long lower = std::min(wall.y1, wall.fy1);
    const long long upper = std::max(wall.y1, wall.fy1);
    auto near = [h](long long a, long long b) { return std::llabs(a - b) < h; };
    if (type == 6 || type == 8) {
        hit.y = lower, hit.face = door_face::Lower;
    } else if (type == 5 || type == 7) {
        hit.y = upper, hit.face = door_face::Upper;
    } else if (type == TDoorobjtool::PlainOpening) {
        if (near(hit.y, lower))
            hit.y = lower, hit.face = door_face::Lower;
        else if (near(hit.y, upper))
            hit.y = upper, hit.face = door_face::Upper;
    } else if (type > 9) {
        if (side == TDoorobjtool::TopSide)
            hit.y = upper, hit.face = door_face::Upper;
        else if (side == TDoorobjtool::BottomSide)
            hit.y = lower, hit.face = door_face::Lower;
    }
}

void SnapToVerticalWall(const TIntwallobj& wall, int type, int side, long long h, Hit& hit) {
    const long long left = std::min(wall.x1, wall.fx1);
    const long long right = std::max(wall.x1, wall.fx1);
    auto near = [h](long long a, long long b) { return std::llabs(a - b) < h; };
    if (type == 1 || type == 2) {
        hit.x = left, hit.face = door_face::Left;
    } else if (type == 3 || type == 4) {
        hit.x = right, hit.face = door_face::Right;
    } else if (type == TDoorobjtool::PlainOpening) {
        if (near(hit.x, left))
            hit.x = left, hit.face = door_face::Left;
        else if (near(hit.x, right))
            hit.x = right, hit.face = door_face::Right;
    } else if (type > 9) {
        if (side == TDoorobjtool::LeftSide)
            hit.x = left, hit.face = door_face::Left;
        else if (side == TDoorobjtool::RightSide)
            hit.x = right, hit.face = door_face::Right;
    }
}

// An angled wall: the point at the same distance from a face's start, along that face, must lie
// within h of the point in both coordinates. The face code then follows which face lies further in x.
bool SnapToAngledWall(const TIntwallobj& wall, long long h, Hit& hit) {
    const AngledDoorWall g = AngledDoorWallOf(wall.iwall6);
    auto alongFace = [&](long long startX, long long startY, long long& qx, long long& qy) {
        const double dx = static_cast<double>(hit.x - startX);
        const double dy = static_cast<double>(hit.y - startY);
        const double d = std::sqrt(dx * dx + dy * dy);
        qx = startX + SignedRounded(g.alongX, d, g.sine);
        qy = startY + SignedRounded(g.alongY, d, g.cosine);
    };
    long long q1x = 0, q1y = 0, q2x = 0, q2y = 0;
    alongFace(wall.x1, wall.y1, q1x, q1y);
    alongFace(wall.fx1, wall.fy1, q2x, q2y);
    auto near = [h](long long a, long long b) { return std::llabs(a - b) < h; };
    if (near(hit.x, q1x) && near(hit.y, q1y)) {
        hit.x = q1x, hit.y = q1y, hit.face = door_face::Lower;
    } else if (near(hit.x, q2x) && near(hit.y, q2y)) {
        hit.x = q2x, hit.y = q2y, hit.face = door_face::Upper;
    } else {
        return false;
    }
    const bool flip = g.firstOrThird ? q1x < q2x : q1x > q2x;
    if (flip) hit.face = hit.face == door_face::Lower ? door_face::Upper : door_face::Lower;
    return true;
}

} // namespace

void FindDoorWall(TDoorobjtool& tool) {
    tool.WallIndex = TDoorobjtool::NoWallFound;
    tool.InsertX = TDoorobjtool::NoWallFound;
    tool.WallDirection() = 0;
    Hit hit{tool.X1, tool.Y1, tool.Side()};
    const int type = tool.OutlineHanding;
    const int side = tool.Handing();
    for (int i = 0; i < DrawingList.count; ++i) {
        const TObject& object = *DrawingList[i];
        if (object.type != type_code::InternalWall || object.view != Shared.CurrentView) continue;
        const auto* wall = dynamic_cast<const TIntwallobj*>(&object);
        if (!wall) continue;
        const long long h = wall->iwall1 / 2;
        auto near = [h](long long a, long long b) { return std::llabs(a - b) < h; };
        if (wall->y1 == wall->y2) {
            if (!StrictlyBetween(hit.x, wall->x1, wall->x2) ||
                !(near(hit.y, wall->y1) || near(hit.y, wall->fy1)))
                continue;
            SnapToHorizontalWall(*wall, type, side, h, hit);
        } else if (wall->x1 == wall->x2) {
            if (!StrictlyBetween(hit.y, wall->y1, wall->y2) ||
                !(near(hit.x, wall->x1) || near(hit.x, wall->fx1)))
                continue;
            SnapToVerticalWall(*wall, type, side, h, hit);
        } else {
            const bool alongX =
                StrictlyBetween(hit.x, wall->x1, wall->x2) || StrictlyBetween(hit.x, wall->fx1, wall->fx2);
            const bool alongY =
                StrictlyBetween(hit.y, wall->y1, wall->y2) || StrictlyBetween(hit.y, wall->fy1, wall->fy2);
            if (!alongX || !alongY || !SnapToAngledWall(*wall, h, hit)) continue;
            tool.WallDirection() = wall->iwall6;
        }
        tool.WallIndex = i;
        tool.WallAngle() = wall->iwall6;
        tool.Side() = hit.face;
        tool.X1 = Clamped(hit.x);
        tool.Y1 = Clamped(hit.y);
        tool.InsertX = tool.X1;
        tool.InsertY = tool.Y1;
        return;
    }
}
