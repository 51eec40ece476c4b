#include "tools/editing.h"

#include "tools/drawing_view.h"

int CheckRotationLimits(DrawingView& /*view*/) {
    // Will look for shapes that turn only by right angles once rotating is built; until then no
    // selection holds any.
    return 0;
}

void PasteObjects(DrawingView& /*view*/) {
    // Will read the paste buffer and start placing it once pasting is built.
}

void UndoLastObject(DrawingView& /*view*/) {
    // Will take back the last object once undo is built.
}
