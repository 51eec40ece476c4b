#pragma once
// The custom riser and tread of feet-and-inches stairs, each in whole inches and eighths (STAIRSI.CFG).
// Unlike the other feet-and-inches dialogs it shows "0" and "0" for whole inches, and it counts any
// fraction of at least 1/1 (thirds and improper fractions too).

#include "settings/settings_dialog.h"

class TStrsimpcondlg : public SettingsDialog {
  public:
    static constexpr int Resource = 3900;
    explicit TStrsimpcondlg(int resourceId = Resource);

    void SetupWindow() override;
    void CmOk() override;
};
