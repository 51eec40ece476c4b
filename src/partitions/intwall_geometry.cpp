#include "partitions/intwall_geometry.h"

#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "partitions/intwall_faces.h"

#include <cmath>

TIntwallobj* InternalWallAt(int index) {
    if (index < 0 || index >= DrawingList.count) return nullptr;
    TObject* object = DrawingList.Edit(index);
    if (object->type != type_code::InternalWall) return nullptr;
    return dynamic_cast<TIntwallobj*>(object);
}

FaceLine InnerFace(const TExtwallobj& wall) {
    if (wall.ewall2 > 0) return {wall.f3x1, wall.f3y1, wall.f3x2, wall.f3y2};
    return {wall.f1x1, wall.f1y1, wall.f1x2, wall.f1y2};
}

int ReducedAngle(int angle) {
    if (angle <= 900) return angle;
    if (angle <= 1800) return 1800 - angle;
    if (angle <= 2700) return angle - 1800;
    return 3600 - angle;
}

int WallDirection(const TIntwallobj& wall) {
    if (!IsStraightAngle(wall.iwall6) && wall.iwall6 > 0) return wall.iwall6;
    const long long dx = static_cast<long long>(wall.x2) - wall.x1;
    const long long dy = static_cast<long long>(wall.y2) - wall.y1;
    if (dy == 0) return dx >= 0 ? 900 : 2700;
    if (dx == 0) return dy > 0 ? 0 : 1800;
    // A sloping face stored with a straight angle: the bearing it really has.
    const double tenths = std::atan2(static_cast<double>(dx), static_cast<double>(dy)) / RadiansPerTenth;
    int bearing = static_cast<int>(std::lround(tenths));
    if (bearing < 0) bearing += 3600;
    return bearing % 3600;
}

namespace {

// The signs of the offset along the bisector for the second faces' side 1, by the band of R (the
// direction back along the arriving wall: up to 900, up to 1800, up to 2700, above) and of the bisector
// m (the same bands), for m above R and m below R. 0 marks a combination that leaves the point.
struct Signs {
    int x = 0;
    int y = 0;
};
struct MitreEntry {
    Signs above;
    Signs below;
};

int Band(int angle) {
    if (angle <= 900) return 0;
    if (angle <= 1800) return 1;
    if (angle <= 2700) return 2;
    return 3;
}

constexpr Signs None{0, 0};
constexpr MitreEntry MitreSigns[4][4] = {
    {{{-1, -1}, {1, 1}}, {{-1, 1}, None}, {{1, 1}, None}, {None, None}},
    {{None, {1, 1}}, {{-1, 1}, {1, -1}}, {{1, 1}, None}, {None, None}},
    {{None, {-1, -1}}, {None, {-1, 1}}, {{-1, -1}, {1, 1}}, {{-1, 1}, None}},
    {{None, {-1, 1}}, {None, {-1, 1}}, {None, {1, 1}}, {{-1, 1}, {1, -1}}},
};

} // namespace

std::optional<CornerOffset> MitreOffset(int arriving, int leaving, double thickness, int side) {
    if (side != 1 && side != 3) return std::nullopt;
    const int back = arriving < 1800 ? arriving + 1800 : arriving - 1800;
    if (back == leaving) return std::nullopt;
    int half = back > leaving ? (back - leaving) / 2 : (leaving - back) / 2;
    const int bisector = (back > leaving ? leaving : back) + half;
    if (half > 900) half = 1800 - half;
    const double sine = std::sin(half * RadiansPerTenth);
    // Walls a tenth of a degree apart have no usable bisector either.
    if (sine == 0.0) return std::nullopt;
    const double d = thickness / sine;
    const double along = ReducedAngle(bisector) * RadiansPerTenth;
    const double ex = std::fabs(std::sin(along) * d);
    const double ey = std::fabs(std::cos(along) * d);
    if (bisector == back) return std::nullopt;
    const MitreEntry& entry = MitreSigns[Band(back)][Band(bisector)];
    Signs signs = bisector > back ? entry.above : entry.below;
    if (signs.x == 0) return std::nullopt;
    if (side == 3) signs = {-signs.x, -signs.y};
    return CornerOffset{static_cast<long long>(signs.x * ex), static_cast<long long>(signs.y * ey)};
}
