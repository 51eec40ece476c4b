#pragma once
// A single hinged door for the door tools: its width and which of the eight door types (pictures) it
// is. Opens on the width it is given, or the start-up door width of DOORSZE.CFG when given 0.

#include "settings/settings_dialog.h"

#include <string>

class TDoordlg : public SettingsDialog {
  public:
    static constexpr int Resource = 10500;
    // `initialWidth` in drawing units (mm, or 1/24 inch); 0 for the start-up width.
    TDoordlg(int resourceId, int initialWidth);

    void SetupWindow() override;
    void CmOk() override;

    int initialWidth;
    std::string width; // as typed: mm, or whole inches in a feet-and-inches drawing; at most 6
    int doorType = 1;  // 1 to 8
};
