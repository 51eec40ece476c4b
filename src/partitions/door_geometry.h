#pragma once
// What the internal-door steps share about an angled internal wall: its angle reduced to the nearer
// vertical, the signs of its direction of travel, and which way its far face lies from the face a
// door is put on. Angles are tenths of a degree clockwise from +y.

// A wall angle the door steps take as a wall along x or y: 900, 1800, 2700, or 0 and below.
bool IsStraightDoorWall(int angle);

// An angled internal wall of angle A.
struct AngledDoorWall {
    int angle = 0;
    double sine = 0.0;   // of the reduced angle: ReducedAngle(A) × RadiansPerTenth
    double cosine = 0.0; // of the reduced angle
    // The signs of the wall's direction (sin A, cos A): (+, +) below 900, (+, -) below 1800, (-, -)
    // below 2700, (-, +) from 2700.
    int alongX = 1;
    int alongY = 1;
    // Below 900 and from 1800 to below 2700; the face codes and the refusals go the other way round on
    // the other walls.
    bool firstOrThird = true;
};
AngledDoorWall AngledDoorWallOf(int angle);

// The signs of the step across the wall from the face `face` (1 or 3) to the far face: the across
// vector (T cos a, T sin a) takes them.
struct Signs {
    int x = 1;
    int y = 1;
};
Signs TowardsFarFace(const AngledDoorWall& wall, int face);

// A non-negative length times a sine or cosine, rounded with RoundToLong, then given its sign.
long long SignedRounded(int sign, double length, double factor);
