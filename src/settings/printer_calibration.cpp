#include "settings/printer_calibration.h"

#include "settings/cfg_dialog_files.h"
#include "settings/print_calibration_imperial_dialog.h"
#include "settings/print_calibration_metric_dialog.h"

int CalibrationLength(int units) {
    return IsImperialUnits(units) ? 52 * UnitsPerFoot : 15000;
}

double CalibrationFactor(int units, int measured) {
    const int expected = CalibrationLength(units);
    if (measured == expected) return 1.0;
    const double k = 1.0 / (2.0 * expected);
    return 1.0 + 2.0 * (expected - static_cast<double>(measured)) * k;
}

bool CalibratePrinter(int units, const std::function<void(std::string_view)>& showPrompt) {
    int measured = 0;
    if (IsImperialUnits(units)) {
        if (showPrompt) showPrompt("Enter your scaled size for 52 feet printed at 96:1 scale/landscape");
        TPrntcalidlg dialog;
        if (dialog.Execute() != 1) return false;
        measured = dialog.MeasuredLength();
    } else {
        if (showPrompt) showPrompt("Enter your scaled size for 15000 m.m. printed at 100:1 scale/landscape");
        TPrntcalmdlg dialog;
        if (dialog.Execute() != 1) return false;
        measured = dialog.MeasuredLength();
    }
    return WritePrintCalibration(units, {measured, CalibrationFactor(units, measured)});
}
