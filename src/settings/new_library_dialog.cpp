#include "settings/new_library_dialog.h"

namespace {
constexpr int NameEdit = 16001;
const std::vector<RadioCode> GroupButtons = {{16002, 1}, {16003, 2}, {16004, 3}, {16005, 4}};
} // namespace

TAtolibdlg::TAtolibdlg(int resourceId) : SettingsDialog(resourceId, help_context::Libraries) {}

void TAtolibdlg::SetupWindow() {
    SetCheck(GroupButtons.front().id, true);
}

void TAtolibdlg::CmOk() {
    if (!ValidateControls()) return;
    const std::string typed = GetControlText(NameEdit);
    // The name is the symbol's file name: without one the symbol could be neither listed nor found.
    if (typed.empty()) {
        RefuseControl(NameEdit, "Please type a name for the new library file");
        return;
    }
    name = typed;
    ReadRadioGroup(GroupButtons, group);
    CloseWindow(1);
}
