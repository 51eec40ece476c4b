#include "settings/line_text_dialog.h"

namespace {
constexpr int TextEdit = 2691;
const std::vector<RadioCode> SideButtons = {{2692, 1}, {2693, 2}};
} // namespace

TLtxtdlg::TLtxtdlg(int resourceId) : SettingsDialog(resourceId, help_context::Text) {}

void TLtxtdlg::SetupWindow() {
    SetCheck(2692, true);
}

void TLtxtdlg::CmOk() {
    if (!ValidateControls()) return;
    lineText = GetControlText(TextEdit);
    ReadRadioGroup(SideButtons, side);
    CloseWindow(1);
}
