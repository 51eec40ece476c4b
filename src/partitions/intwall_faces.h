#pragma once
// The second face of a new internal wall and its joins with the walls whose ends it meets. The first
// face is the line drawn, (X1, Y1)-(X2, Y2) of the tool; the second lies WallThickness to the side
// SideInUse (1 above, 2 right, 3 below, 4 left of the first) and runs (BX1, BY1)-(BX2, BY2). Where the
// new wall continues or turns from a neighbour the second faces meet at a corner, and the neighbour's
// second face is lengthened or shortened to it (the changed neighbour is saved with the new wall).
//
// Walls along the axes (angles exactly 0, 900, 1800, 2700) take exact offsets; others trigonometry on
// tenths of a degree at 0.001745 radians each, every real result truncated. Neighbours are list
// indices, TIntwallobjtool::NoWall for none. An end that no step computes stays unset (the tool's
// SecondFaceStartSet / SecondFaceEndSet say so).

class TIntwallobjtool;

// A wall angle along an axis: 0, 900, 1800 or 2700.
bool IsStraightAngle(int angle);

// Chooses the face and join steps below for the neighbours the end snapping found: `first` met at
// the new wall's start, `second` at its end.
void JoinInternalWallEnds(TIntwallobjtool& tool, int first, int second);
// The second face of a straight wall (code 0 both ends, 1 the start, 2 the end): free, or on the hand
// of a straight neighbour, whose side then replaces SideInUse by 1 or 3.
void IntwallFacesStraight(TIntwallobjtool& tool, int code, int neighbour);
// The same for an angled wall, or a straight one beside an angled neighbour.
void IntwallFacesAngled(TIntwallobjtool& tool, int code, int neighbour);
// The corner of two straight walls at the new wall's start (end 1) or end (end 2), written to the new
// second face and the neighbour's.
void JoinIntwallStraight(TIntwallobjtool& tool, int neighbour, int end);
// The mitred corner when either wall is angled: code 1 the new wall's second-face start, 2 its end,
// 10 the neighbour's second-face end, 20 its start.
void JoinIntwallAngled(TIntwallobjtool& tool, int neighbour, int code);
