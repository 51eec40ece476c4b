#include "walls/wall_edits.h"

#include "tools/drawing_view.h"

void InvalidateWallEditArea(DrawingView& /*view*/, const platform::Rect& /*client*/, int /*mode*/) {
    // Will repaint the edited wall's surroundings once the wall edits are built.
}
