#pragma once
// The leaf of a single sliding door in the gap CutDoorGap made from the jamb the door slides to:
// hung on the face of the wall, or sliding into a pocket inside it (the tool's LeafHanding, the
// dialog's into-wall flag).

#include "platform/device_context.h"
#include "platform/geometry.h"

class TDoorobjtool;

// The leaf at the jamb in the swing-offset pair (InsertX, InsertY), OpeningWidth long, as lines of
// type 65 through CreateObject: a surface leaf one margin outside the face, centred on the jamb; a
// pocket leaf on the wall's centre line, solid over the gap and dotted into the wall. Its pen is the
// leaf thickness of INTERN.CFG, the pocket's dotted half thin. Door types 1 to 4 are for walls along
// y, 5 to 8 along x; others draw nothing. Angled walls go to AddAngledSlidingDoorLeaf. The tool's pen
// is thin and solid afterwards.
void AddSlidingDoorLeaf(TDoorobjtool& tool, platform::DeviceContext& dc, const platform::Rect& client);
// The same in an angled wall; a wall thinner than 90 takes the thinnest leaf.
void AddAngledSlidingDoorLeaf(TDoorobjtool& tool, platform::DeviceContext& dc, const platform::Rect& client);
