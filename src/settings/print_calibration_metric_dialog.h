#pragma once
// Metric printer calibration: the length, in millimetres, that a 15000 mm line printed at 100:1 measures
// on paper. Shows the stored length; writes no file (the calibration runs it and writes PRNTCALM.CFG).

#include "settings/settings_dialog.h"

#include <string>

class TPrntcalmdlg : public SettingsDialog {
  public:
    static constexpr int Resource = 3200;
    explicit TPrntcalmdlg(int resourceId = Resource);

    void SetupWindow() override;
    void CmOk() override;

    // The measured length in millimetres.
    int MeasuredLength() const;

    std::string measured; // as typed, at most 6 characters
};
