#pragma once
// The stairs tool's details of one metric flight: width, stairwell length and storey height as typed,
// the kind of flight and where the top tread lies. No file: the tool converts what it reads here.

#include "settings/settings_dialog.h"

#include <string>

class TStrsdlg : public SettingsDialog {
  public:
    static constexpr int Resource = 2550;
    explicit TStrsdlg(int resourceId = Resource);

    void SetupWindow() override;
    void CmOk() override;

    // Millimetres as typed, at most 5 characters each.
    std::string width;
    std::string stairwellLength; // of straight flights, only if less than the full run
    std::string storeyHeight;
    int flight = 1;   // 1 halfway return landing, 2 straight flight
    int topTread = 4; // 1 top, 2 right side, 3 bottom, 4 left side of the screen
};
