#include "settings/save_dialog.h"

namespace {
constexpr int NameEdit = 9021;
} // namespace

TSavedlg::TSavedlg(int resourceId) : SettingsDialog(resourceId, help_context::Files) {}

void TSavedlg::SetupWindow() {
    SetLimitedText(NameEdit, nameShown);
}

void TSavedlg::CmOk() {
    if (!ValidateControls()) return;
    newName = GetControlText(NameEdit);
    CloseWindow(1);
}
