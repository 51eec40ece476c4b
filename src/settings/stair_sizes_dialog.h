#pragma once
// The custom riser and tread of metric stairs, in millimetres (STAIRSM.CFG).

#include "settings/settings_dialog.h"

class TStrscondlg : public SettingsDialog {
  public:
    static constexpr int Resource = 3800;
    explicit TStrscondlg(int resourceId = Resource);

    void SetupWindow() override;
    void CmOk() override;
};
