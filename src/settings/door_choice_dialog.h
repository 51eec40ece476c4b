#pragma once
// The other internal doors: a single sliding door, or multiple hanging or sliding doors. No help.

#include "settings/settings_dialog.h"

class TMiscdrdlg : public SettingsDialog {
  public:
    static constexpr int Resource = 13500;
    explicit TMiscdrdlg(int resourceId = Resource);

    void SetupWindow() override;
    void CmOk() override;

    // 1 single sliding door, 2 multiple hanging or sliding doors, 0 neither chosen
    int choice = 0;
};
