#include "settings/door_dialog.h"

#include "model/shared_state.h"
#include "settings/cfg_files.h"

namespace {
constexpr int WidthEdit = 10501;
// The buttons' ids run down as the types run up.
const std::vector<RadioCode> TypeButtons = {{10509, 1}, {10508, 2}, {10507, 3}, {10506, 4},
                                            {10505, 5}, {10504, 6}, {10503, 7}, {10502, 8}};
} // namespace

TDoordlg::TDoordlg(int resourceId, int width)
    : SettingsDialog(resourceId, help_context::Doors), initialWidth(width) {}

void TDoordlg::SetupWindow() {
    int shown = initialWidth;
    if (shown == 0)
        shown = StartUpDoorWidthShown(ReadDoorSizes(), Shared.Units);
    else if (IsImperialUnits(Shared.Units) && shown >= 1)
        shown /= UnitsPerInch;
    SetNumber(WidthEdit, shown);
    SetCheck(TypeButtons.front().id, true);
}

void TDoordlg::CmOk() {
    if (!ValidateControls()) return;
    width = GetControlText(WidthEdit);
    ReadRadioGroup(TypeButtons, doorType);
    CloseWindow(1);
}
