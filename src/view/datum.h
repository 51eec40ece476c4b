#pragma once
// The readout of the mouse cursor's offsets from the view's datum (and its bearing) in the toolbar's
// readout field, and the datum button. The datum and DatumState are part of the view interface
// (tools/drawing_view.h); SetDatum is with the view support (tools/view_support.h).

#include "platform/geometry.h"

#include <string>

class TChild;

// The bearing in degrees from the datum to (x, y) in drawing units, clockwise from straight up; 0
// within 24 units of the datum on both axes.
float DatumBearing(const TChild& view, long long x, long long y);

// The readout text of an offset (h, v) from the datum in drawing units, for the drawing's units and a
// DatumState of 2, 3 or 4; empty for any other state.
std::string DatumReadoutText(int units, int datumState, long long h, long long v, float bearing);

// The readout of a mouse move at a client pixel: the datum snaps to the cursor on an axis where the
// cursor is within a few pixels of it, then the offsets (and bearing) are shown when DatumState is 2
// to 4.
void ShowCursorReadout(TChild& view, platform::Point client);

// The datum button and the Tab key: arms the datum (the next left click places it, the prompt says
// so, the datum goes to (0, 0) and the tool leaves keyboard entry), or, when it is armed, puts it at
// the plan corner with the bearing shown.
void ToggleDatumPlacement(TChild& view);
