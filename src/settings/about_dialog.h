#pragma once
// The About box: the product's name and version. OK closes; no help.

#include "settings/settings_dialog.h"

class TAboutdlg : public SettingsDialog {
  public:
    static constexpr int Resource = 9030;
    explicit TAboutdlg(int resourceId = Resource);
};
