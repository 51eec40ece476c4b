#pragma once
// The door and opening commands' step on the view: the dialog of the door's kind, then the door tool's
// kind and prompt.

class DrawingView;

// Mode 1 a hinged door, 2 a double or sliding pair, 3 an opening in an internal wall, 4 one sliding
// door. A cancelled dialog installs the pick tool. Among its effects it puts the view's datum at the
// plan corner with DatumState 3.
void PlaceDoorOrOpening(DrawingView& view, int mode);
// Asks for a single sliding door or other doors, then places them (PlaceDoorOrOpening mode 4 or 2).
void PlaceOtherInternalDoor(DrawingView& view);
