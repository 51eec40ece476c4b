#include "settings/new_dialog.h"

#include "model/shared_state.h"
#include "settings/cfg_files.h"

namespace {
constexpr int NameEdit = 2027;
const std::vector<RadioCode> UnitsButtons = {{2025, 0}, {2026, 1}};
const std::vector<RadioCode> StartButtons = {{2208, 1}, {2209, 2}};
} // namespace

TNewdlg::TNewdlg(int resourceId) : SettingsDialog(resourceId, help_context::Files) {}

void TNewdlg::SetupWindow() {
    SetLimitedText(NameEdit, nameShown);
    startMode = ReadStartSetting().startMode;
    SetCheck(startMode == 1 ? 2208 : 2209, true);
    SetCheck(ReadUnitsSetting().units == 1 ? 2026 : 2025, true);
}

void TNewdlg::CmOk() {
    if (!ValidateControls()) return;
    drawingName = GetControlText(NameEdit);
    ReadRadioGroup(UnitsButtons, Shared.Units);
    WriteUnitsSetting({Shared.Units});
    ReadRadioGroup(StartButtons, startMode);
    WriteStartSetting({startMode});
    CloseWindow(1);
}
