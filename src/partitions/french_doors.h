#pragma once
// French doors: two leaves of half the opening width, hinged at the ends of the opening and meeting at
// its centre, with a dotted swing arc for each in a wall along x or y.

#include "platform/device_context.h"
#include "platform/geometry.h"

class TWindowobjtool;

// The modes of AddFrenchDoorSwings and AddFrenchDoorLeaf.
constexpr int FrenchDoorsOut = 1; // hinged on the outer face, opening outwards
constexpr int FrenchDoorsIn = 2;  // hinged on the inner face, opening inwards

// The two leaves at the door opening angle of INTERN.CFG from the ends of the opening centred on
// (InsertX, InsertY), then their arcs from the meeting point, counter-clockwise the short way. In an
// angled wall (WallDirection above 0) AddFrenchDoorLeaf instead.
void AddFrenchDoorSwings(TWindowobjtool& tool, platform::DeviceContext& dc, const platform::Rect& client,
                         int mode);
// French doors in an angled wall: a jamb across the wall at each end of the opening, then the two
// leaves, no arcs.
void AddFrenchDoorLeaf(TWindowobjtool& tool, platform::DeviceContext& dc, const platform::Rect& client,
                       int mode);
