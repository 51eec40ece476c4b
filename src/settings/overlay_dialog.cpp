#include "settings/overlay_dialog.h"

#include "model/shared_state.h"
#include "settings/cfg_dialog_files.h"
#include "settings/display_mode.h"

namespace {
constexpr int GroundFloorCheck = 5202;
constexpr int FirstFloorCheck = 5203;
constexpr int SecondFloorCheck = 5204;
constexpr int DimensionsCheck = 5206;
} // namespace

TOverdlg::TOverdlg(int resourceId) : SettingsDialog(resourceId, help_context::Display) {}

void TOverdlg::SetupWindow() {
    const OverlaySettings s = ReadOverlaySettings();
    SetCheck(GroundFloorCheck, s.groundFloor == 1);
    SetCheck(FirstFloorCheck, s.firstFloor == 1);
    SetCheck(SecondFloorCheck, s.secondFloor == 1);
    SetCheck(DimensionsCheck, DimensionsShown(Shared.DisplayMode));
}

void TOverdlg::CmOk() {
    if (!ValidateControls()) return;
    OverlaySettings s;
    s.groundFloor = GetCheck(GroundFloorCheck) ? 1 : 0;
    s.firstFloor = GetCheck(FirstFloorCheck) ? 1 : 0;
    s.secondFloor = GetCheck(SecondFloorCheck) ? 1 : 0;
    // With no floor ticked the ground floor is the working floor.
    if (s.groundFloor + s.firstFloor + s.secondFloor == 0) s.groundFloor = 1;
    WriteOverlaySettings(s);
    Shared.DisplayMode = Shared.DisplayMode / 10 * 10 + (GetCheck(DimensionsCheck) ? 2 : 3);
    CloseWindow(1);
}
