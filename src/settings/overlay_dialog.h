#pragma once
// Which floors are overlaid on the working floor (the highest ticked), and whether the working floor's
// dimensions show. OK writes OVERLAY.CFG and puts DisplayMode in an overlay mode of the same wall style.

#include "settings/settings_dialog.h"

class TOverdlg : public SettingsDialog {
  public:
    static constexpr int Resource = 5200;
    explicit TOverdlg(int resourceId = Resource);

    void SetupWindow() override;
    void CmOk() override;
};
