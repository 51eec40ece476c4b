#pragma once
// The size label of a window: its width and height in a size text just outside the external wall,
// running along it.

#include "platform/device_context.h"
#include "platform/geometry.h"

class TWindowobjtool;

// For a window with ShowSizes 1: a size text (type 35) of the opening's object number beside the
// insertion point (InsertX, InsertY), 50 mm or 2 inches outside the wall, twice that with a cill, in
// the text size of WIND.CFG; shown at once and appended, the caller saves. Whatever the type, the
// tool's WallAngle is left at the label's wall code (the wall's angle, or 900, 1800, 2700 or 0 for a
// wall running towards +x, -y, -x or +y).
void AddOpeningSizeLabel(TWindowobjtool& tool, platform::DeviceContext& dc, const platform::Rect& client);
