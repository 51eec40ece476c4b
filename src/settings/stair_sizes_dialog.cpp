#include "settings/stair_sizes_dialog.h"

#include "settings/cfg_files.h"

namespace {
constexpr int Metric = 1;
constexpr int RiserEdit = 3803;
constexpr int TreadEdit = 3804;
} // namespace

TStrscondlg::TStrscondlg(int resourceId) : SettingsDialog(resourceId, help_context::Defaults) {}

void TStrscondlg::SetupWindow() {
    const StairSettings stored = ReadStairSettings(Metric);
    SetNumber(RiserEdit, stored.riser);
    SetNumber(TreadEdit, stored.tread);
}

void TStrscondlg::CmOk() {
    if (!ValidateControls()) return;
    WriteStairSettings(Metric, {GetNumber(RiserEdit), GetNumber(TreadEdit)});
    CloseWindow(1);
}
