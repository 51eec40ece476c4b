#pragma once
// Feet-and-inches printer calibration: the length, in feet and inches, that a 52 foot line printed at
// 96:1 measures on paper. Shows the stored length; writes no file (the calibration runs it and writes
// PRNTCALI.CFG).

#include "settings/settings_dialog.h"

#include <string>

class TPrntcalidlg : public SettingsDialog {
  public:
    static constexpr int Resource = 3300;
    explicit TPrntcalidlg(int resourceId = Resource);

    void SetupWindow() override;
    void CmOk() override;

    // (feet × 12 + inches) × 24: the measured length in 1/24 inch.
    int MeasuredLength() const;

    std::string feet;   // as typed, at most 3 characters
    std::string inches; // as typed, at most 3 characters
};
