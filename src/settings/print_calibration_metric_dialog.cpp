#include "settings/print_calibration_metric_dialog.h"

#include "settings/cfg_dialog_files.h"

namespace {
constexpr int LengthEdit = 3201;
} // namespace

TPrntcalmdlg::TPrntcalmdlg(int resourceId) : SettingsDialog(resourceId, help_context::Printing) {}

void TPrntcalmdlg::SetupWindow() {
    SetNumber(LengthEdit, ReadPrintCalibration(1).measuredLength);
}

void TPrntcalmdlg::CmOk() {
    if (!ValidateControls()) return;
    measured = GetControlText(LengthEdit);
    CloseWindow(1);
}

int TPrntcalmdlg::MeasuredLength() const {
    return ParseDecimal(measured);
}
