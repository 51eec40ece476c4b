#pragma once
// Which side of the main line the secondary lines of a multi-line wall go. No file.

#include "settings/settings_dialog.h"

class TExtsidedlg : public SettingsDialog {
  public:
    static constexpr int Resource = 4200;
    explicit TExtsidedlg(int resourceId = Resource);

    void SetupWindow() override;
    void CmOk() override;

    int sideCode = 1; // 1 below, 2 left, 3 above, 4 right of the main line
};
