#include "settings/measure_dialog.h"

#include "model/shared_state.h"
#include "settings/cfg_files.h"

namespace {
const std::vector<RadioCode> UnitsButtons = {{5451, 1}, {5452, 0}};
} // namespace

TMeasdlg::TMeasdlg(int resourceId) : SettingsDialog(resourceId, std::nullopt) {}

void TMeasdlg::SetupWindow() {
    SetCheck(ReadUnitsSetting().units == 1 ? 5451 : 5452, true);
}

void TMeasdlg::CmOk() {
    if (!ValidateControls()) return;
    ReadRadioGroup(UnitsButtons, Shared.Units);
    WriteUnitsSetting({Shared.Units});
    CloseWindow(1);
}
