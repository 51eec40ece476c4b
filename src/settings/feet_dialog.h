#pragma once
// One length in feet, inches and a fraction of an inch. The dialog hands back the four texts as typed;
// the caller forms the length by its own fraction rule (LengthUnits does it for the usual ones).

#include "settings/length_format.h"
#include "settings/settings_dialog.h"

#include <string>

class TFeetdlg : public SettingsDialog {
  public:
    static constexpr int Resource = 9500;
    // `length` in 1/24 inch is shown on opening; below 1 shows 0 in every edit.
    TFeetdlg(int resourceId, int length);

    void SetupWindow() override;
    void CmOk() override;

    // (feet × 12 + inches) × 24 plus the fraction where `rule` counts it.
    int LengthUnits(FractionRule rule) const;

    int length;
    std::string feet;        // at most 5 characters
    std::string inches;      // at most 6
    std::string numerator;   // at most 3
    std::string denominator; // at most 3
};
