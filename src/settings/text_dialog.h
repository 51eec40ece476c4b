#pragma once
// Where typed text goes: centred on the cursor or to its right, horizontal or vertical. Shows the font
// in force.

#include "settings/settings_dialog.h"

class TTextdlg : public SettingsDialog {
  public:
    static constexpr int Resource = 2300;
    explicit TTextdlg(int resourceId = Resource);

    void SetupWindow() override;
    void CmOk() override;

    int alignment = 1; // 1 the cursor is the centre of the text, 2 the text goes to the right of it
    int direction = 0; // 0 horizontal, 2700 vertical
};
