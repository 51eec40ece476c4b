#pragma once
// A single sliding door for the door tools: its width, whether it slides into the wall, and which of the
// eight door types (pictures) it is. Starts from the start-up door width of DOORSZE.CFG.

#include "settings/settings_dialog.h"

#include <string>

class TSdoordlg : public SettingsDialog {
  public:
    static constexpr int Resource = 13000;
    explicit TSdoordlg(int resourceId = Resource);

    void SetupWindow() override;
    void CmOk() override;

    std::string width;      // as typed: mm, or whole inches in a feet-and-inches drawing; at most 6
    int slidesIntoWall = 0; // 1 when the door slides into the wall
    int doorType = 1;       // 1 to 8
};
