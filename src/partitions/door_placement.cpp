#include "partitions/door_placement.h"

#include "tools/drawing_view.h"

void PlaceDoorOrOpening(DrawingView& /*view*/, int /*mode*/) {
    // Will run the door dialog of the mode and arm the door tool once internal doors are built.
}

void PlaceOtherInternalDoor(DrawingView& /*view*/) {
    // Will ask single or multiple doors and go on to PlaceDoorOrOpening once internal doors are built.
}
