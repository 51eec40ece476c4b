#pragma once
// The internal-wall thickness of the design rooms on the current floor of a metric drawing: the
// floor's field of RMPTNM.CFG, the other floors' fields kept. A view of no floor (53) writes nothing.

#include "settings/settings_dialog.h"

class TRmpttndlg : public SettingsDialog {
  public:
    static constexpr int Resource = 21000;
    explicit TRmpttndlg(int resourceId = Resource);

    void SetupWindow() override;
    void CmOk() override;
};
