#pragma once
// The joinery of a hinged door once its opening is cut: the jamb lines across the wall, the leaf at
// the door opening angle of INTERN.CFG, and the dotted swing arc from the leaf to the closed position.
// The window tool draws its single external doors, French doors and main entries with them; the
// internal-door tool its hinged and double doors.
//
// Handings (LeafHanding): 1 to 4 in walls along y, 5 to 8 in walls along x. The door extends from
// its hinge towards -y, +y, -y, +y, +x, +x, -x, -x for 1 to 8, and its leaf opens towards -x, -x, +x,
// +x, +y, -y, +y, -y.

#include "platform/device_context.h"
#include "platform/geometry.h"

class TDrawingtool;
class TWindowobjtool;

// The refusal mark (Y1) of a hinged internal door whose handing does not suit the face of the angled
// wall.
constexpr int DoorLeafRefused = 20001;

// The two jamb lines of a door in a wall along x or y, from the hinge (InsertX, InsertY) on the outer
// face across the wall, the second one door width along it; nothing in an angled wall.
void AddJambLines(TWindowobjtool& tool, platform::DeviceContext& dc, const platform::Rect& client);
// The leaf and the dotted swing arc of the door hinged at (InsertX, InsertY) with LeafHanding; a leaf
// opening into the house moves the hinge (and InsertX, InsertY) onto the inner face first. A handing
// of 0 or above 8 draws nothing. In an angled wall (WallDirection above 0) it hands over to
// AddAngledInternalDoorSwing for a hinged internal door (kind 60), else to AddAngledDoorSwing.
void AddDoorSwing(TWindowobjtool& tool, platform::DeviceContext& dc, const platform::Rect& client);
// (X2, Y2) = (X1, Y1) moved `distance` at `angle` (tenths of a degree clockwise from +y; one turn is
// taken off an angle above 3600), each component truncated towards zero.
void PolarEndPoint(TDrawingtool& tool, int angle, int distance);
// An external door in an angled wall: two jambs and the leaf, no arc.
void AddAngledDoorSwing(TWindowobjtool& tool, platform::DeviceContext& dc, const platform::Rect& client);
// A hinged internal door in an angled internal wall: the leaf alone from (InsertX, InsertY), by
// OutlineHanding; a handing that does not suit the wall face in Side draws nothing and leaves Y1 at
// DoorLeafRefused.
void AddAngledInternalDoorSwing(TWindowobjtool& tool, platform::DeviceContext& dc,
                                const platform::Rect& client);

// The leaf angle of a door in an angled wall of `wallAngle` for a handing and an opening angle in
// tenths of a degree, and whether the leaf starts on the inner face. False for a handing outside 1
// to 8.
struct AngledLeaf {
    int angle = 0;
    bool fromInnerFace = false;
};
bool AngledLeafOf(int wallAngle, int handing, int openingTenths, AngledLeaf& leaf);
