#include "settings/double_door_dialog.h"

#include "model/shared_state.h"
#include "settings/cfg_file.h"

namespace {
constexpr int WidthEdit = 10001;
const std::vector<RadioCode> KindButtons = {{10002, 11}, {10003, 12}, {10004, 13}};
const std::vector<RadioCode> DirectionButtons = {{10005, 1}, {10006, 3}, {10007, 4}, {10008, 2}};
// The opening offered: a pair of 720 mm leaves, or of 27 inch leaves.
constexpr int MetricOpening = 1440;
constexpr int ImperialOpening = 54;
} // namespace

TDDoordlg::TDDoordlg(int resourceId) : SettingsDialog(resourceId, help_context::Doors) {}

void TDDoordlg::SetupWindow() {
    SetNumber(WidthEdit, IsImperialUnits(Shared.Units) ? ImperialOpening : MetricOpening);
    SetCheck(KindButtons.front().id, true);
    SetCheck(DirectionButtons.front().id, true);
}

void TDDoordlg::CmOk() {
    if (!ValidateControls()) return;
    width = GetControlText(WidthEdit);
    ReadRadioGroup(KindButtons, kind);
    ReadRadioGroup(DirectionButtons, direction);
    CloseWindow(1);
}
