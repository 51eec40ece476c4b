#pragma once
// Double hinged doors and sliding door sets in the gap CutDoorGap made: a pair of hinged leaves
// (type 11), two sliding leaves (12) or four (13), on the side chosen in the dialog (the tool's
// Handing: 1 top, 2 right, 3 bottom, 4 left of the screen).

#include "platform/device_context.h"
#include "platform/geometry.h"

class TDoorobjtool;

// The doors around the gap's centre in the swing-offset pair (InsertX, InsertY), OpeningWidth wide, in a
// wall along x or y: hinged pairs by AddDoorSwing, each leaf half the width; sliding leaves as lines of
// type 62 through CreateObject, the leaf thickness of INTERN.CFG as their pen and their offset (an inch
// or 25 mm a unit). Four sliding doors leave the width a multiple of 8. Angled walls go to
// AddAngledMultipleDoors.
void AddMultipleDoors(TDoorobjtool& tool, platform::DeviceContext& dc, const platform::Rect& client);
// A hinged pair in an angled wall: a leaf from each end of the gap at the door opening angle, no arcs.
// Sliding sets go to AddAngledSlidingPairs.
void AddAngledMultipleDoors(TDoorobjtool& tool, platform::DeviceContext& dc, const platform::Rect& client);
// Sliding sets in an angled wall, their leaves along the wall from the gap's start, the second row
// shifted out from the face; a wall thinner than 90 takes the thinnest leaf.
void AddAngledSlidingPairs(TDoorobjtool& tool, platform::DeviceContext& dc, const platform::Rect& client);
