#pragma once
// The joinery of a main entry: one door or a pair of doors in the opening and, where the doors are
// narrower than the opening, a fixed side panel with a mullion, on the side ENTRY.CFG chooses.

#include "platform/device_context.h"
#include "platform/geometry.h"

class TWindowobjtool;

// The entry of the opening centred on (InsertX, InsertY) in a wall along x or y: the panel lines on
// the wall's centre line and the mullions across the wall, then the leaf and swing of each door. The
// doors stand on the right seen from outside the house for 'l', on the left for 'r', in the middle
// for 'b'. InsertX, InsertY and OpeningWidth come back as they were; Handing is left at the single
// door's handing, 0 for double doors.
void AddMainEntry(TWindowobjtool& tool, platform::DeviceContext& dc, const platform::Rect& client);
