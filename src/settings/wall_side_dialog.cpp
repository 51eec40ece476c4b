#include "settings/wall_side_dialog.h"

namespace {
const std::vector<RadioCode> SideButtons = {{4201, 1}, {4202, 3}, {4203, 2}, {4204, 4}};
} // namespace

TExtsidedlg::TExtsidedlg(int resourceId) : SettingsDialog(resourceId, help_context::Walls) {}

void TExtsidedlg::SetupWindow() {
    SetCheck(SideButtons.front().id, true);
}

void TExtsidedlg::CmOk() {
    if (!ValidateControls()) return;
    ReadRadioGroup(SideButtons, sideCode);
    CloseWindow(1);
}
