#include "view/zoom.h"

#include "view/child.h"

void ZoomView(TChild& /*view*/, int /*mode*/) {
    // Will set the window extents, origin and scroll ranges of the mode once zooming is built.
}

void RedrawLayoutGrid(TChild& /*view*/) {
    // Will paint the layout grid again once the zoom and refresh commands are built.
}
