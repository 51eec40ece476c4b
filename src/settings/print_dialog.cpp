#include "settings/print_dialog.h"

#include "model/shared_state.h"
#include "settings/display_mode.h"

namespace {
constexpr int CopiesEdits[] = {19501, 19502, 19503};
constexpr int ScaleEdits[] = {19504, 19505, 19506};
constexpr int NoDimensionsCheck = 19509;
constexpr int NoScaleCheck = 19510;
const std::vector<RadioCode> LineWeightButtons = {{19512, 1}, {19513, 2}, {19514, 3}};
// By the tens of DisplayMode: normal, cross hatched, solid.
const std::vector<RadioCode> WallButtons = {{19515, 0}, {19516, 10}, {19517, 20}};
} // namespace

TKorvprntdlg::TKorvprntdlg(int resourceId) : SettingsDialog(resourceId, help_context::Printing) {}

void TKorvprntdlg::SetupWindow() {
    // A feet-and-inches drawing prints at 1/8 inch to the foot.
    for (int id : ScaleEdits)
        SetNumber(id, Shared.Units == 1 ? 100 : 96);
    TickCode(LineWeightButtons, lineWeight);
    TickCode(WallButtons, WallStyleOf(Shared.DisplayMode));
    // Printing shows one floor: only its own dimension mode leaves the box clear.
    const int mode = Shared.DisplayMode;
    SetCheck(NoDimensionsCheck, !(mode == 0 || mode == 10 || mode == 20));
}

void TKorvprntdlg::CmOk() {
    if (!ValidateControls()) return;
    for (std::size_t floor = 0; floor < copies.size(); ++floor) {
        copies[floor] = GetNumber(CopiesEdits[floor]);
        scales[floor] = GetNumber(ScaleEdits[floor]);
    }
    ReadRadioGroup(LineWeightButtons, lineWeight);
    showScale = GetCheck(NoScaleCheck) ? 0 : 1;
    // Tested in order, so "normal" ticked gives 0 whatever else is.
    int walls = 0;
    ReadRadioGroup(WallButtons, walls);
    Shared.DisplayMode = walls + (GetCheck(NoDimensionsCheck) ? 1 : 0);
    CloseWindow(1);
}
