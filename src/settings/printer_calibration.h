#pragma once
// Printer calibration: a test line printed at 100:1 (metric) or 96:1 (feet and inches) is measured by
// the user on paper, and the factor that makes printed lengths true is kept with the measurement in
// PRNTCALM.CFG or PRNTCALI.CFG. The Calibrate Printer command and the defaults runner both run it.

#include <functional>
#include <string_view>

// The calibration line as printed: 15000 mm, or 52 feet (14976 in 1/24 inch).
int CalibrationLength(int units);

// 2 - measured / expected, worked as 1 + 2 × (expected − measured) × k with k the reciprocal of twice
// the expected length; exactly 1.0 when the line measured true.
double CalibrationFactor(int units, int measured);

// Runs the calibration dialog of `units` (TPrntcalmdlg when metric, TPrntcalidlg otherwise) and, on OK,
// writes the measured length and its factor to the file of those units. `showPrompt`, when given,
// first shows what to measure in the status bar. True when the file was written; Cancel writes nothing.
bool CalibratePrinter(int units, const std::function<void(std::string_view)>& showPrompt = {});
