#pragma once
// The internal-wall thickness of the design rooms on the current floor of a feet-and-inches drawing,
// in inches and eighths: the floor's field of RMPTNI.CFG, the other floors' fields kept. A view of no
// floor (53) writes nothing.

#include "settings/settings_dialog.h"

class TRmpttnimpdlg : public SettingsDialog {
  public:
    static constexpr int Resource = 21500;
    explicit TRmpttnimpdlg(int resourceId = Resource);

    void SetupWindow() override;
    void CmOk() override;
};
