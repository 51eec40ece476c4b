#include "partitions/door_geometry.h"

#include "partitions/intwall_geometry.h"
#include "tools/object_creation.h"

#include <cmath>

bool IsStraightDoorWall(int angle) {
    return angle <= 0 || angle == 900 || angle == 1800 || angle == 2700;
}

AngledDoorWall AngledDoorWallOf(int angle) {
    AngledDoorWall wall;
    wall.angle = angle;
    const double radians = ReducedAngle(angle) * RadiansPerTenth;
    wall.sine = std::sin(radians);
    wall.cosine = std::cos(radians);
    if (angle < 900) {
        wall.alongX = 1, wall.alongY = 1;
    } else if (angle < 1800) {
        wall.alongX = 1, wall.alongY = -1;
    } else if (angle < 2700) {
        wall.alongX = -1, wall.alongY = -1;
    } else {
        wall.alongX = -1, wall.alongY = 1;
    }
    wall.firstOrThird = angle < 900 || (angle >= 1800 && angle < 2700);
    return wall;
}

Signs TowardsFarFace(const AngledDoorWall& wall, int face) {
    if (wall.firstOrThird) return face == 3 ? Signs{1, -1} : Signs{-1, 1};
    return face == 3 ? Signs{-1, -1} : Signs{1, 1};
}

long long SignedRounded(int sign, double length, double factor) {
    return sign * static_cast<long long>(RoundToLong(length * factor));
}
