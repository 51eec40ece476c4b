#include "settings/display_mode_dialog.h"

#include "model/shared_state.h"
#include "settings/display_mode.h"

namespace {
constexpr int DimensionsCheck = 18501;
const std::vector<RadioCode> WallButtons = {{18503, 0}, {18504, 10}, {18505, 20}};
} // namespace

TDisplandlg::TDisplandlg(int resourceId) : SettingsDialog(resourceId, help_context::Display) {}

void TDisplandlg::SetupWindow() {
    SetCheck(DimensionsCheck, DimensionsShown(Shared.DisplayMode));
    TickCode(WallButtons, WallStyleOf(Shared.DisplayMode));
}

void TDisplandlg::CmOk() {
    if (!ValidateControls()) return;
    // The buttons are tested in the order normal, hatched, solid; none ticked is normal.
    int walls = 0;
    ReadRadioGroup(WallButtons, walls);
    Shared.DisplayMode = walls + (GetCheck(DimensionsCheck) ? 0 : 1);
    CloseWindow(1);
}
