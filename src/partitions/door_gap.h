#pragma once
// Cutting the gap of a door or opening into the internal wall found for it. The wall is never
// changed: a polygon in the background colour is laid over it between the door's jambs, hiding its
// faces there, and a jamb line is drawn across the wall at each end of the gap.

#include "partitions/door_geometry.h"
#include "platform/device_context.h"
#include "platform/geometry.h"

class TDoorobjtool;

// The gap of the tool's door at the point (X1, Y1) on the face Side of the wall at WallIndex: for a
// wall along x or y a polygon reaching the margin (25 mm, or an inch) past the faces and two jamb lines
// of type 1, shown and appended (the caller saves); for an angled wall CutAngledDoorGap. Kinds 62 and
// 64 mark the gap's centre, the others its hinge or jamb. A door that does not suit the wall or the
// face is refused: Y1 becomes Refused and nothing is added. Afterwards the point and the swing-offset
// pair hold the point as the wall search left it.
void CutDoorGap(TDoorobjtool& tool, platform::DeviceContext& dc, const platform::Rect& client);
// The gap in an angled wall: the polygon between the hit face and the far face, and two jamb lines of
// the door's kind made by the tool's CreateObject (which saves). The point is left at the far corner
// of the gap's other end.
void CutAngledDoorGap(TDoorobjtool& tool, platform::DeviceContext& dc, const platform::Rect& client);

// The signs of the gap's run along an angled wall of `angle` from its point: by the door type, and
// for kinds 62 and 64 (whose point is moved back to the gap's start) the wall's own direction.
Signs DoorGapRun(const TDoorobjtool& tool, int angle);

// The margin of openings and offsets: an inch in a feet-and-inches drawing, 25 mm in a metric one.
int DoorMargin();
