#pragma once
// A window or an external door for the external-wall tools: its kind, width and height, and how its
// sizes show on the plan (WIND.CFG). Opens on "window " whatever kind the file holds.

#include "settings/settings_dialog.h"

#include <string>

class TWindlg : public SettingsDialog {
  public:
    static constexpr int Resource = 6500;
    explicit TWindlg(int resourceId = Resource);

    void SetupWindow() override;
    void CmOk() override;

    // 1 window, 5 wall opening, 6 single external door, 7 French doors opening in, 8 French doors
    // opening out, 9 garage door, 10 main entry
    int openingType = 1;
    std::string width; // as typed: mm, or whole inches in a feet-and-inches drawing
};
