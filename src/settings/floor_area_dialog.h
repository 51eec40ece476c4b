#pragma once
// The floor area of each floor and their total, as the floor-area records at the head of the drawing
// list hold them. Shows only; no help.

#include "settings/settings_dialog.h"

class TAreadlg : public SettingsDialog {
  public:
    static constexpr int Resource = 17000;
    explicit TAreadlg(int resourceId = Resource);

    void SetupWindow() override;
};
