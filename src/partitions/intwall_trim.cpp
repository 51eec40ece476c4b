#include "partitions/intwall_trim.h"

#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "partitions/intwall_faces.h"
#include "partitions/intwall_geometry.h"
#include "partitions/intwall_tool.h"
#include "tools/tool_support.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace {

// A wall of the floor as the search sees it: two face lines (an external wall's inner face and a line
// of zeros) and its angle.
struct MetWall {
    std::array<FaceLine, 2> faces;
    int angle = 0;
    bool internal = false;
};

std::optional<MetWall> WallOfFloor(int index) {
    const TObject* object = DrawingList[index];
    if (object->view != Shared.CurrentView) return std::nullopt;
    if (object->type == type_code::InternalWall) {
        const auto* wall = dynamic_cast<const TIntwallobj*>(object);
        if (!wall) return std::nullopt;
        return MetWall{{FaceLine{wall->x1, wall->y1, wall->x2, wall->y2},
                        FaceLine{wall->fx1, wall->fy1, wall->fx2, wall->fy2}},
                       wall->iwall6,
                       true};
    }
    if (object->type == type_code::ExternalWall) {
        const auto* wall = dynamic_cast<const TExtwallobj*>(object);
        if (!wall) return std::nullopt;
        return MetWall{{InnerFace(*wall), FaceLine{}}, wall->ewall6, false};
    }
    return std::nullopt;
}

// v strictly inside the range of a and b widened by r on both sides.
bool Within(long long v, long long a, long long b, long long r) {
    return std::min(a, b) - r < v && v < std::max(a, b) + r;
}

// The point lies on a horizontal face line (its y that of the line's start), or a vertical one.
bool OnHorizontal(const FaceLine& line, long long x, long long y, long long r) {
    return Within(x, line.x1, line.x2, r) && Within(y, line.y1, line.y1, r);
}
bool OnVertical(const FaceLine& line, long long x, long long y, long long r) {
    return Within(y, line.y1, line.y2, r) && Within(x, line.x1, line.x1, r);
}

// The point lies on a sloping face line of angle `angle`: within the line's box, and within r above or
// below the line's height at the point's x. A line stored with a vertical angle has no height there.
bool OnSloping(const FaceLine& line, int angle, long long x, long long y, long long r) {
    if (!Within(x, line.x1, line.x2, r) || !Within(y, line.y1, line.y2, r)) return false;
    const int a = ((angle % 1800) + 1800) % 1800;
    if (a == 0) return false;
    // The rise per unit of x of a line at this angle from +y.
    const double slope =
        a <= 900 ? std::cos(a * RadiansPerTenth) / std::sin(a * RadiansPerTenth)
                 : -std::cos((1800 - a) * RadiansPerTenth) / std::sin((1800 - a) * RadiansPerTenth);
    const double rise = static_cast<double>(x - line.x1) * slope;
    if (!std::isfinite(rise) || std::fabs(rise) > 1e15) return false;
    const long long height = line.y1 + static_cast<long long>(rise);
    return height - r < y && y < height + r;
}

} // namespace

void TrimCrossedWalls(TIntwallobjtool& tool) {
    int searched = DrawingList.count;
    if (searched > 0) {
        // The wall the run continues from, last in the list and ending at the new start.
        const TObject* last = DrawingList[searched - 1];
        if (last->x2 == tool.X1 && last->y2 == tool.Y1) --searched;
    }
    const long long r = 3LL * Shared.Scale;
    int startHit = TIntwallobjtool::NoWall;
    int endHit = TIntwallobjtool::NoWall;
    int startFace = 0;
    int endFace = 0;
    const long long x1 = tool.X1, y1 = tool.Y1, x2 = tool.X2, y2 = tool.Y2;
    for (int i = 0; i < searched; ++i) {
        std::optional<MetWall> wall = WallOfFloor(i);
        if (!wall) continue;
        // Nor is it met when openings or a reversal left it elsewhere in the list.
        if (wall->internal && tool.PreviousWall != 0 && DrawingList[i]->number == tool.PreviousWall) continue;
        const FaceLine& first = wall->faces[0];
        const bool horizontal = first.y1 == first.y2;
        const bool vertical = !horizontal && first.x1 == first.x2;
        if (horizontal || vertical) {
            auto on = [&](const FaceLine& line, long long x, long long y) {
                return horizontal ? OnHorizontal(line, x, y, r) : OnVertical(line, x, y, r);
            };
            bool started = false;
            for (int face = 0; face < 2 && !started; ++face) {
                if (on(wall->faces[face], x1, y1)) {
                    startHit = i, startFace = face, started = true;
                }
            }
            if (started) continue;
            for (int face = 0; face < 2; ++face) {
                if (on(wall->faces[face], x2, y2)) {
                    endHit = i, endFace = face;
                    tool.FreeDistance() = TIntwallobjtool::RunEndedAtWall;
                    break;
                }
            }
            continue;
        }
        for (int face = 0; face < 2; ++face)
            if (OnSloping(wall->faces[face], wall->angle, x1, y1, r)) startHit = i, startFace = face;
        for (int face = 0; face < 2; ++face) {
            if (OnSloping(wall->faces[face], wall->angle, x2, y2, r)) {
                endHit = i, endFace = face;
                tool.FreeDistance() = TIntwallobjtool::RunEndedAtWall;
            }
        }
    }
    const bool newAngled = !IsStraightAngle(tool.WallAngle());
    if (startHit != TIntwallobjtool::NoWall) {
        const MetWall met = *WallOfFloor(startHit);
        if (met.internal) tool.State = TIntwallobjtool::OpenStart;
        // At a corner the join has met the second faces already.
        if ((newAngled || !IsStraightAngle(met.angle)) && startHit != tool.JoinedAtStart)
            TrimCrossedWall(tool, startHit, 1, startFace);
    }
    if (endHit != TIntwallobjtool::NoWall) {
        const MetWall met = *WallOfFloor(endHit);
        if (met.internal)
            tool.State = tool.State == TIntwallobjtool::OpenStart ? TIntwallobjtool::OpenBoth
                                                                  : TIntwallobjtool::OpenEnd;
        if ((newAngled || !IsStraightAngle(met.angle)) && endHit != tool.JoinedAtEnd)
            TrimCrossedWall(tool, endHit, 2, endFace);
    }
}

void TrimCrossedWall(TIntwallobjtool& tool, int met, int end, int face) {
    if (met < 0 || met >= DrawingList.count || face < 0 || face > 1) return;
    std::optional<MetWall> wall = WallOfFloor(met);
    if (!wall) return;
    const FaceLine& line = wall->faces[face];
    // The second face runs parallel to the first through its point at this end; that point moves along
    // it onto the met face line.
    const double dirX = static_cast<double>(tool.X2) - tool.X1;
    const double dirY = static_cast<double>(tool.Y2) - tool.Y1;
    const double lineX = static_cast<double>(line.x2) - line.x1;
    const double lineY = static_cast<double>(line.y2) - line.y1;
    const double cross = dirX * lineY - dirY * lineX;
    const double lengths = std::hypot(dirX, dirY) * std::hypot(lineX, lineY);
    // Walls that do not cross (or have no length) leave the point.
    if (lengths == 0.0 || std::fabs(cross) <= lengths * 1e-9) return;
    int& px = end == 1 ? tool.BX1 : tool.BX2;
    int& py = end == 1 ? tool.BY1 : tool.BY2;
    const double fromX = static_cast<double>(line.x1) - px;
    const double fromY = static_cast<double>(line.y1) - py;
    const double along = (fromX * lineY - fromY * lineX) / cross;
    const double x = px + along * dirX;
    const double y = py + along * dirY;
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    px = tool_support::Clamped(static_cast<long long>(std::clamp(x, -9e18, 9e18)));
    py = tool_support::Clamped(static_cast<long long>(std::clamp(y, -9e18, 9e18)));
}
