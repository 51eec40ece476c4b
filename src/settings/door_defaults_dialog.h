#pragma once
// The start-up single door in both measuring systems (DOORSZE.CFG) and how doors show in plan views:
// opening angle and leaf thickness (INTERN.CFG). Reached from the customise commands.

#include "settings/settings_dialog.h"

class TConfigdlg : public SettingsDialog {
  public:
    static constexpr int Resource = 5400;
    explicit TConfigdlg(int resourceId = Resource);

    void SetupWindow() override;
    void CmOk() override;

    int angle = 90;    // door opening angle in degrees: 30, 60 or 90
    int thickness = 1; // door thickness in plan views: 1 minimum, 2 maximum
};
