#pragma once
// How the plan views show walls, and whether they show the dimensions. OK sets DisplayMode to one floor
// in the chosen style (any overlay is dropped). No file.

#include "settings/settings_dialog.h"

class TDisplandlg : public SettingsDialog {
  public:
    static constexpr int Resource = 18500;
    explicit TDisplandlg(int resourceId = Resource);

    void SetupWindow() override;
    void CmOk() override;
};
