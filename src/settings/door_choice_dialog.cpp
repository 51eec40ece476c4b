#include "settings/door_choice_dialog.h"

namespace {
const std::vector<RadioCode> ChoiceButtons = {{13501, 1}, {13502, 2}};
} // namespace

TMiscdrdlg::TMiscdrdlg(int resourceId) : SettingsDialog(resourceId, std::nullopt) {}

void TMiscdrdlg::SetupWindow() {
    SetCheck(ChoiceButtons.front().id, true);
}

void TMiscdrdlg::CmOk() {
    if (!ValidateControls()) return;
    ReadRadioGroup(ChoiceButtons, choice);
    CloseWindow(1);
}
