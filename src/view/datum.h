#pragma once
// The datum of a view, a reference point in drawing units, and the readout of the mouse cursor's
// offsets from it (and its bearing) in the toolbar's readout field. DatumState says what the view
// does with it:
//   0 mouse moves are not passed to the tool, no readout;
//   1 moves passed, no readout;
//   2 offsets shown, and the next left press places the datum (the state stays 2);
//   3 offsets shown;
//   4 offsets and bearing shown.

#include "platform/geometry.h"

#include <string>

class TChild;

// Sets the datum by code, on floor views only (CurrentView 50 and above): 1 puts it at (0, 0) with
// DatumState 1 and the readout "0"; 4 puts it at the plan's upper-left corner with DatumState 4. Other
// codes do nothing. The result means nothing.
int SetDatum(TChild& view, int code);

// The bearing in degrees from the datum to (x, y) in drawing units, clockwise from straight up; 0
// within 24 units of the datum on both axes.
float DatumBearing(const TChild& view, int x, int y);

// The readout text of an offset (h, v) from the datum in drawing units, for the drawing's units and a
// DatumState of 2, 3 or 4; empty for any other state.
std::string DatumReadoutText(int units, int datumState, int h, int v, float bearing);

// The readout of a mouse move at a client pixel: the datum snaps to the cursor on an axis where the
// cursor is within a few pixels of it, then the offsets (and bearing) are shown when DatumState is 2
// to 4.
void ShowCursorReadout(TChild& view, platform::Point client);

// The datum button and the Tab key: arms the datum (the next left click places it, the prompt says
// so, the datum goes to (0, 0) and the tool leaves keyboard entry), or, when it is armed, puts it at
// the plan corner with the bearing shown.
void ToggleDatumPlacement(TChild& view);
