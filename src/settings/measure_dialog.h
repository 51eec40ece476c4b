#pragma once
// The measuring system: OK sets Units and keeps it in METRIC.CFG. No help.

#include "settings/settings_dialog.h"

class TMeasdlg : public SettingsDialog {
  public:
    static constexpr int Resource = 5450;
    explicit TMeasdlg(int resourceId = Resource);

    void SetupWindow() override;
    void CmOk() override;
};
