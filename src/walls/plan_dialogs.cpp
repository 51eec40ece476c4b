#include "walls/plan_dialogs.h"

#include "tools/drawing_view.h"

void RunPlanDialog(DrawingView& /*view*/, int /*mode*/) {
    // Will run the wall-type, window and display-mode dialogs once the plan dialogs are built.
}

void ChooseExternalWallType(DrawingView& /*view*/) {
    // Will run the wall-type dialogs and give the picked wall the new type once they are built.
}
