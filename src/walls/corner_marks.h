#pragma once
// The corner marks: line objects of type 11 entered clockwise on the marking view (the room layout
// while the corners are marked, 45) round the design rooms, one mark per inner side of the house. The
// external walls are built outside them, so that each wall's innermost face lies on its mark.

#include "model/drawing_objects.h"

// Fits the marks of the current (marking) view that run along design rooms to the rooms' exact sizes:
// a horizontal or vertical mark within the tolerance (5 x Zoom metric, 6 x Zoom feet and inches) of
// the summed widths of the rooms along it, plus one room-wall thickness (RMPTNM.CFG / RMPTNI.CFG) per
// joint, takes exactly that length, as does an earlier mark running back over the same span; the
// marks are then chained again, each starting where the one before ends.
void SnapMarksToDesignRooms();

// Moves one end of a wall line (end 1 its start, 2 its end) from the corner of `mark` outwards along
// the bisector of the corner by the wall's whole thickness: `leaving` is the bearing of the side that
// leaves the corner, `arriving` that of the side arriving at it. At the end, an end within 13 units of
// the start's x (or y) is made exactly vertical (or horizontal) and the wall's length (`number`) is
// measured again. A corner within about a degree of turning straight back is left where it is.
void TrimExternalWallEnd(TExtwallobj& wall, const TObject& mark, int leaving, int arriving, int end);
