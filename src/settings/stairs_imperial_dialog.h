#pragma once
// The stairs tool's details of one feet-and-inches flight: width in inches, stairwell length and storey
// height in feet and inches as typed, the kind of flight and where the top tread lies. No file.

#include "settings/settings_dialog.h"

#include <string>

class TStrsimpdlg : public SettingsDialog {
  public:
    static constexpr int Resource = 3080;
    explicit TStrsimpdlg(int resourceId = Resource);

    void SetupWindow() override;
    void CmOk() override;

    std::string width;         // inches, at most 4 characters
    std::string stairwellFeet; // of straight flights, only if less than the full run
    std::string stairwellInches;
    std::string storeyFeet;
    std::string storeyInches;
    int flight = 1;   // 1 halfway return landing, 2 straight flight
    int topTread = 4; // 1 top, 2 right side, 3 bottom, 4 left side of the screen
};
