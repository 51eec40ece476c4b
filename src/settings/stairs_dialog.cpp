#include "settings/stairs_dialog.h"

namespace {
const std::vector<RadioCode> FlightButtons = {{2552, 1}, {2553, 2}};
const std::vector<RadioCode> TopTreadButtons = {{2554, 1}, {2558, 2}, {2557, 3}, {2555, 4}};
} // namespace

TStrsdlg::TStrsdlg(int resourceId) : SettingsDialog(resourceId, help_context::WindowsAndStairs) {}

void TStrsdlg::SetupWindow() {
    // The edits keep the sizes the template offers.
    TickCode(FlightButtons, 1);
    TickCode(TopTreadButtons, 4);
}

void TStrsdlg::CmOk() {
    if (!ValidateControls()) return;
    width = GetControlText(2551);
    stairwellLength = GetControlText(2559);
    storeyHeight = GetControlText(2560);
    ReadRadioGroup(FlightButtons, flight);
    ReadRadioGroup(TopTreadButtons, topTread);
    CloseWindow(1);
}
