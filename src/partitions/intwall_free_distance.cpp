// The free distance an arrow key proposes for the next internal wall: from the run's start to the
// nearest wall face in the key's direction.
#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "partitions/intwall_geometry.h"
#include "partitions/intwall_tool.h"
#include "tools/object_creation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace {

constexpr int Up = 1;
constexpr int Right = 2;
constexpr int Down = 3;
constexpr int Left = 4;

// The faces of a wall of the floor: an internal wall's two, an external wall's outer and inner face for
// the snap and its inner face alone for the probe.
struct ProbedWall {
    std::array<FaceLine, 2> snapFaces;
    FaceLine first;
    FaceLine second; // all 0 for an external wall
    int angle = 0;
    bool internal = false;
};

std::optional<ProbedWall> WallOfFloor(const TObject& object) {
    if (object.view != Shared.CurrentView) return std::nullopt;
    if (object.type == type_code::InternalWall) {
        const auto* wall = dynamic_cast<const TIntwallobj*>(&object);
        if (!wall) return std::nullopt;
        const FaceLine a{wall->x1, wall->y1, wall->x2, wall->y2};
        const FaceLine b{wall->fx1, wall->fy1, wall->fx2, wall->fy2};
        return ProbedWall{{a, b}, a, b, wall->iwall6, true};
    }
    if (object.type == type_code::ExternalWall) {
        const auto* wall = dynamic_cast<const TExtwallobj*>(&object);
        if (!wall) return std::nullopt;
        const FaceLine inner = InnerFace(*wall);
        return ProbedWall{{FaceLine{wall->x1, wall->y1, wall->x2, wall->y2}, inner},
                          inner,
                          FaceLine{},
                          wall->ewall6,
                          false};
    }
    return std::nullopt;
}

bool StrictlyBetween(long long v, long long a, long long b) {
    return std::min(a, b) < v && v < std::max(a, b);
}

bool Within(long long v, long long a, long long b) {
    return std::min(a, b) <= v && v <= std::max(a, b);
}

// A start within 30 units of a wall face (unscaled, whatever the zoom) is measured from the face.
void SnapToFace(long long& px, long long& py) {
    constexpr long long Reach = 30;
    auto close = [](long long v, long long a, long long b) {
        return std::min(a, b) - Reach < v && v < std::max(a, b) + Reach;
    };
    for (int i = 0; i < DrawingList.count; ++i) {
        std::optional<ProbedWall> wall = WallOfFloor(*DrawingList[i]);
        if (!wall) continue;
        const FaceLine& drawn = wall->snapFaces[0];
        // An angled internal wall is passed over; of an external wall only an angled face is.
        if (wall->internal && drawn.x1 != drawn.x2 && drawn.y1 != drawn.y2) continue;
        for (const FaceLine& face : wall->snapFaces) {
            if (face.x1 == face.x2 && close(py, face.y1, face.y2) && close(px, face.x1, face.x1)) {
                px = face.x1;
                return;
            }
        }
        for (const FaceLine& face : wall->snapFaces) {
            if (face.y1 == face.y2 && close(px, face.x1, face.x2) && close(py, face.y1, face.y1)) {
                py = face.y1;
                return;
            }
        }
    }
}

// The offset along an angled wall from its start to the probe's line, or nothing where the angle gives
// a zero divisor (a sloping wall stored with an axis angle).
std::optional<long long> AngledOffset(double numerator, double divisor, double distance) {
    if (divisor == 0.0) return std::nullopt;
    const double offset = numerator * (distance / divisor);
    if (!std::isfinite(offset)) return std::nullopt;
    return RoundToLong(offset);
}

} // namespace

void TIntwallobjtool::MeasureFreeDistance(int direction) {
    long long px = X1;
    long long py = Y1;
    SnapToFace(px, py);
    measuredStart_.reset();
    if (px != X1 || py != Y1) measuredStart_ = platform::Point{static_cast<int>(px), static_cast<int>(py)};
    // The first wall of a run may not run along the side its second line is on.
    const int side = SecondLineSide();
    const bool vertical = direction == Up || direction == Down;
    if (LastWallSide() == 0 &&
        (((side == 1 || side == 3) && vertical) || ((side == 2 || side == 4) && !vertical))) {
        Y1 = DirectionRefused;
        return;
    }
    long long limit = direction == Up || direction == Right ? 300000 : 0;
    const long long margin = 2LL * Shared.Scale;
    auto consider = [&](long long c) {
        switch (direction) {
        case Up:
            if (py + margin < c && c < limit) limit = c;
            break;
        case Right:
            if (px + margin < c && c < limit) limit = c;
            break;
        case Down:
            if (py - margin > c && c > limit) limit = c;
            break;
        case Left:
        default:
            if (px - margin > c && c > limit) limit = c;
            break;
        }
    };
    for (int i = 0; i < DrawingList.count; ++i) {
        std::optional<ProbedWall> wall = WallOfFloor(*DrawingList[i]);
        if (!wall) continue;
        const FaceLine& a = wall->first;
        const FaceLine& b = wall->second;
        const int angle = wall->angle;
        WallAngle() = angle;
        if (angle == 0 || angle == 1800) {
            if (vertical) continue;
            if (a.x1 == a.x2 && StrictlyBetween(py, a.y1, a.y2)) consider(a.x1);
            if (b.x1 == b.x2 && StrictlyBetween(py, b.y1, b.y2)) consider(b.x1);
        } else if (angle == 900 || angle == 2700) {
            if (!vertical) continue;
            if (a.y1 == a.y2 && StrictlyBetween(px, a.x1, a.x2)) consider(a.y1);
            if (b.y1 == b.y2 && StrictlyBetween(px, b.x1, b.x2)) consider(b.y1);
        } else {
            // A face counts only where the probe's line crosses it between its own ends: the line
            // through a sloping face runs on far beyond the wall.
            auto crosses = [&](const FaceLine& face) {
                return vertical ? Within(px, face.x1, face.x2) : Within(py, face.y1, face.y2);
            };
            const bool firstCrossed = crosses(a);
            const bool secondCrossed = b.x1 > 0 && crosses(b);
            if (!firstCrossed && !secondCrossed) continue;
            int reduced = angle;
            if (angle >= 900 && angle <= 1800)
                reduced = 1800 - angle;
            else if (angle > 2700)
                reduced = 3600 - angle;
            else if (angle > 1800)
                reduced = angle - 1800;
            const double rad = RadiansPerTenth * reduced;
            long long ca = 0;
            long long cb = 0;
            if (vertical) {
                std::optional<long long> off =
                    AngledOffset(std::cos(rad), std::sin(rad), static_cast<double>(std::llabs(px - a.x1)));
                if (!off) continue;
                const long long shift = angle < 900 || angle >= 2700 ? *off : -*off;
                ca = a.y1 + shift;
                cb = b.x1 > 0 ? b.y1 + shift : b.y1;
            } else {
                std::optional<long long> off =
                    AngledOffset(std::sin(rad), std::cos(rad), static_cast<double>(std::llabs(py - a.y1)));
                if (!off) continue;
                const long long shift = angle < 1800 ? *off : -*off;
                ca = a.x1 + shift;
                cb = b.x1 > 0 ? b.x1 + shift : b.x1;
            }
            if (firstCrossed) consider(ca);
            if (secondCrossed && cb >= 1) consider(cb);
        }
    }
    long long distance = 0;
    switch (direction) {
    case Up:
        distance = limit - py;
        break;
    case Right:
        distance = limit - px;
        break;
    case Down:
        distance = py - limit;
        break;
    case Left:
    default:
        distance = px - limit;
        break;
    }
    // Nothing found within reach: the proposal stays as it was.
    if (distance < 34001) FreeDistance() = static_cast<int>(distance);
}
