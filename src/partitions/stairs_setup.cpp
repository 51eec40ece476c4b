#include "partitions/stairs_setup.h"

#include "tools/drawing_view.h"
#include "tools/multiline_setup.h"

void SetupMultilineOrStairs(DrawingView& view, int mode) {
    if (mode == 8) {
        if (SetupMultilines(view.Tool(), *view.Window()) == MultilineSetup::Cancelled) view.SelectPickTool();
        return;
    }
    // Mode 10 will run the stairs dialog once stairs are built.
}
