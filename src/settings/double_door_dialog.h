#pragma once
// Double hinged doors or a set of two or four sliding doors for the door tools: the whole opening's
// width, the kind of doors and the side of the screen the hinged doors open to.

#include "settings/settings_dialog.h"

#include <string>

class TDDoordlg : public SettingsDialog {
  public:
    static constexpr int Resource = 10000;
    explicit TDDoordlg(int resourceId = Resource);

    void SetupWindow() override;
    void CmOk() override;

    std::string width; // total opening width as typed: mm, or whole inches; at most 6
    int kind = 11;     // 11 double hinged doors, 12 two sliding doors, 13 four sliding doors
    int direction = 1; // 1 top, 2 right side, 3 bottom, 4 left side of the screen
};
