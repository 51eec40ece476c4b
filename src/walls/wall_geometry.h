#pragma once
// The geometry of the three-layer external walls. A wall's line is its outer face; its layers lie on
// the right of its direction of travel (inside a house outlined clockwise), bounded by three faces at
// the depths t1, t1 + t2 and t1 + t2 + t3: P0-P1 the first face, P2-P3 the second, P4-P5 the third
// (the second and third only with a cavity, t2 > 0). A free end has its faces square to the wall; an
// end that meets another wall is mitred with it, and the neighbour's faces at that corner are refitted
// in the drawing list. Everything here works on a wall value, the working wall, so placing a new wall
// and editing an existing one share it. Coordinates are drawing units, y upwards; bearings tenths of a
// degree clockwise from north.

#include "model/drawing_list.h"
#include "model/drawing_objects.h"

// A wall being placed or edited: the wall as it is stored (its serial in `aux`, its length in
// `number`, its bearing in `ewall6`), and the list indices of the walls met at its ends.
struct WorkingWall {
    TExtwallobj wall;
    int previous = NoObjectIndex; // the wall whose end meets this wall's start
    int next = NoObjectIndex;     // the wall whose start meets this wall's end
};

// The ends of a wall the face rules take: both, the start, the end.
namespace wall_end {
constexpr int Both = 0;
constexpr int Start = 1;
constexpr int End = 2;
} // namespace wall_end

// The codes of the angled corner: the working wall's faces at its start or end, or the neighbour's
// at its end (the previous wall) or its start (the next wall). Callers build 1 then 10, or 2 then 20.
namespace angled_corner {
constexpr int OwnStart = 1;
constexpr int OwnEnd = 2;
constexpr int PreviousWallEnd = 10;
constexpr int NextWallStart = 20;
} // namespace angled_corner

// Tenths of a degree to radians, as the walls have always been built (a little short of pi / 1800).
constexpr double RadiansPerTenth = 0.001745;
// A corner whose half-angle cosine falls below this (a turn within about a degree of running straight
// back) would throw its points towards infinity: it is neither mitred nor trimmed.
constexpr double SmallestMitreCosine = 0.02;

// The external wall at a list index; null for none (NoObjectIndex, out of range, or another object).
TExtwallobj* ExternalWallAt(int index);

// 0, 900, 1800 and 2700 run along the axes; every other bearing is angled.
bool IsAxisParallel(int bearing);

// The units the wall settings are read in: metric for Units 1, feet and inches for any other value.
int WallSettingsUnits();

// Completes the working wall before it is made: its wall colours (WLCLR.CFG), a fresh serial (one
// ObjectSerial used, even when the caller then makes no wall), the snap onto the external walls of the
// current floor (snap > 0: an end within 3 x Scale of another wall's end moves the whole line there),
// its direction (kept along a neighbour it meets; with none, turned so that its layers lie on `side`:
// 1 below, 2 left, 3 above, 4 right of the drawn line), its layers, hatch styles, colour and heights
// (EXTWALLM.CFG / EXTWALLI.CFG by the current floor), and its faces, mitred with its neighbours.
void PlaceExternalWall(WorkingWall& working, int side, int snap);

// Builds the wall's faces: free ends square, the start mitred with the wall `previous` when that
// wall's end x meets its start x, the end with `next` when that wall's start x meets its end x
// (NoObjectIndex for none). The neighbours' faces at the corners are refitted in the list.
void JoinExternalWallEnds(TExtwallobj& wall, int previous, int next);

// Faces square to the wall at an end (wall_end), by the straight rule for an axis-parallel bearing or
// the angled rule otherwise.
void JoinExtwallFacesStraight(TExtwallobj& wall, int end);
void JoinExtwallFacesAngled(TExtwallobj& wall, int end);
// The one the wall's bearing calls for: the straight rule along the axes, the angled one otherwise.
void SquareWallEnd(TExtwallobj& wall, int end);

// The mitre at the wall's start with the previous wall (list index), or at its end with the next
// wall: the straight corner where both run along the axes, else the angled corner built for both
// walls. No wall there (NoObjectIndex) leaves that end square.
void JoinStartCorner(TExtwallobj& wall, int previous);
void JoinEndCorner(TExtwallobj& wall, int next);

// The mitre with an axis-parallel neighbour (list index) when the wall runs along an axis too, at the
// wall's start (end 1, the neighbour is the previous wall) or end (2, the next wall). A neighbour
// running the same way leaves a square end; one at a right angle gives both walls the shared corner
// points; one running back gives the wall a free end and leaves the neighbour alone.
void JoinExtwallCornerStraight(TExtwallobj& wall, int neighbour, int end);

// The mitre where either wall is angled: each face point moves from the corner along the bisector of
// the turn (angled_corner codes). A turn within about a degree of running straight back is not
// mitred: the working wall gets a free end there and the neighbour is left alone. Both walls' faces
// are then straightened along their lines.
void JoinExtwallCornerAngled(TExtwallobj& wall, int neighbour, int code);

// The walls of the current floor met at the ends of the wall at list index `index`: the previous one
// ends at its start, the next one starts at its end; of several matches the last in list order.
void FindAdjacentExternalWalls(WorkingWall& working, int index);
