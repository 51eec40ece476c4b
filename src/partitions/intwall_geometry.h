#pragma once
// What the internal-wall steps share: walls of the list by index, the faces of external walls they
// meet, and the angle arithmetic of walls (tenths of a degree clockwise from +y: 0 up, 900 right).

#include "model/drawing_objects.h"

#include <optional>

class TIntwallobjtool;

// Radians per tenth of a degree, as every wall angle is turned into radians.
constexpr double RadiansPerTenth = 0.001745;

// The internal wall at a list index; null for NoWall, any other index outside the list or an object
// of another type.
TIntwallobj* InternalWallAt(int index);

// A face line, drawing units.
struct FaceLine {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};
// The inner face of an external wall: behind its third layer when it has a second layer, else behind
// its first.
FaceLine InnerFace(const TExtwallobj& wall);

// An angle reduced to its difference from the nearer vertical: itself up to 900, 1800 - angle up to
// 1800, angle - 1800 up to 2700, 3600 - angle above.
int ReducedAngle(int angle);

// The direction of a wall: its angle, or for one stored with a straight angle (or 0 and below) the
// direction its first face runs in.
int WallDirection(const TIntwallobj& wall);

// The offset from the corner of two walls, the arriving one in direction `arriving` and the leaving one
// in `leaving`, to the point `thickness` from both first faces on the side `side` (1 or 3 as the face
// steps hand it on); nothing when the walls run back along each other or `side` is neither.
struct CornerOffset {
    long long x = 0;
    long long y = 0;
};
std::optional<CornerOffset> MitreOffset(int arriving, int leaving, double thickness, int side);
