#include "tools/view_dialogs.h"

#include "tools/drawing_view.h"

void RunViewDialog(DrawingView& /*view*/, int /*mode*/) {
    // Will run the About, line-text and double-line dialogs once the view dialogs are built.
}

void RunLibraryCaptureDialog(DrawingView& /*view*/) {
    // Will name and save the captured symbol once the library dialogs are built.
}
