#pragma once
// Finding the internal wall a door goes into: the first internal wall of the current floor with a
// face under the door point, the point moved onto that face, and which face it is.

class TDoorobjtool;

// Face codes (the tool's Side): of a horizontal wall 1 the face with the smaller y and 3 the larger;
// of a vertical wall 2 the face with the smaller x and 4 the larger; of an angled wall 1 or 3 by its
// geometry.
namespace door_face {
constexpr int Lower = 1;
constexpr int Left = 2;
constexpr int Upper = 3;
constexpr int Right = 4;
} // namespace door_face

// Searches the internal walls of the current floor, in list order, for one whose face lies strictly
// within half the wall's thickness of the point (X1, Y1) and strictly between the face's ends; the
// first wins. A hinged or sliding door takes the face its type hangs on, an opening the nearer face,
// a multiple door the face of its side (Handing); the point snaps onto that face, unless the type does
// not belong to the wall's orientation. Found: WallIndex, WallAngle, Side, the point and the
// swing-offset pair (InsertX, InsertY) hold the wall, its angle, the face and the snapped point, and
// WallDirection the angle of an angled wall (else 0). Not found: WallIndex is NoWallFound and the point
// is left as it was.
void FindDoorWall(TDoorobjtool& tool);
