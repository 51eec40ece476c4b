#pragma once
// Walls met by a new internal wall: a start or end lying on the face of another wall of the floor
// (within 3 x Scale) is a T junction. An internal wall met so gets its face opened across the new
// wall's mouth by the key that made the wall (the tool's state 1000, 2000 or 3000); a wall whose end
// meets a wall ends the run (FreeDistance 30001). Where either wall is angled, the new second face's
// point at that end is moved onto the met face.

class TIntwallobjtool;

void TrimCrossedWalls(TIntwallobjtool& tool);
// Moves the new second face's point at `end` (1 the start, 2 the end) along the second face onto the
// face line `face` (0 the first, 1 the second; an external wall's inner face is its first) of the wall
// at list index `met`. Walls that do not cross leave the point.
void TrimCrossedWall(TIntwallobjtool& tool, int met, int end, int face = 0);
