#include "settings/stairs_imperial_dialog.h"

namespace {
const std::vector<RadioCode> FlightButtons = {{3084, 1}, {3085, 2}};
const std::vector<RadioCode> TopTreadButtons = {{3086, 1}, {3087, 2}, {3089, 3}, {3090, 4}};
} // namespace

TStrsimpdlg::TStrsimpdlg(int resourceId) : SettingsDialog(resourceId, help_context::WindowsAndStairs) {}

void TStrsimpdlg::SetupWindow() {
    // The edits keep the sizes the template offers.
    TickCode(FlightButtons, 1);
    TickCode(TopTreadButtons, 4);
}

void TStrsimpdlg::CmOk() {
    if (!ValidateControls()) return;
    width = GetControlText(3081);
    stairwellFeet = GetControlText(3082);
    stairwellInches = GetControlText(3083);
    storeyFeet = GetControlText(3091);
    storeyInches = GetControlText(3092);
    ReadRadioGroup(FlightButtons, flight);
    ReadRadioGroup(TopTreadButtons, topTread);
    CloseWindow(1);
}
