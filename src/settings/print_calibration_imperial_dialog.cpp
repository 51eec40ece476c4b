#include "settings/print_calibration_imperial_dialog.h"

#include "settings/cfg_dialog_files.h"

namespace {
constexpr int InchesEdit = 3301;
constexpr int FeetEdit = 3302;
} // namespace

TPrntcalidlg::TPrntcalidlg(int resourceId) : SettingsDialog(resourceId, help_context::Printing) {}

void TPrntcalidlg::SetupWindow() {
    // The stored length is whole inches: any part of an inch is dropped.
    const FeetAndInches shown = SplitFeetAndInches(ReadPrintCalibration(0).measuredLength);
    SetNumber(FeetEdit, shown.feet);
    SetNumber(InchesEdit, shown.inches);
}

void TPrntcalidlg::CmOk() {
    if (!ValidateControls()) return;
    feet = GetControlText(FeetEdit);
    inches = GetControlText(InchesEdit);
    CloseWindow(1);
}

int TPrntcalidlg::MeasuredLength() const {
    return FeetInchesToUnits(ParseDecimal(feet), ParseDecimal(inches), 0, 0, FractionRule::Proper);
}
