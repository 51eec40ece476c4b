#pragma once
// The titles of the three floor plans that the title block shows, kept in TITLE2D.CFG.

#include "settings/settings_dialog.h"

class TTitle2Ddlg : public SettingsDialog {
  public:
    static constexpr int Resource = 20000;
    explicit TTitle2Ddlg(int resourceId = Resource);

    void SetupWindow() override;
    void CmOk() override;
};
