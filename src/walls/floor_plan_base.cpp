#include "walls/floor_plan_base.h"

#include "tools/drawing_view.h"

void ComputeFloorArea() {
    // Will sum the external walls of the current floor once they are built.
}

void ShowHouseRectangleSize(DrawingView& /*view*/, int /*mode*/) {
    // Will show the design rooms' rectangle once the layout bounds are built.
}
