#pragma once
// The pen of the drawing tools: thin or thick, solid, dashed, dotted or dot-dash. No help.

#include "settings/settings_dialog.h"

class TLinedlg : public SettingsDialog {
  public:
    static constexpr int Resource = 14000;
    explicit TLinedlg(int resourceId = Resource);

    void SetupWindow() override;
    void CmOk() override;

    int penWidth = 1; // 1 thin, 2 thick
    int penStyle = 0; // 0 solid, 1 dashed, 2 dotted, 3 dot-dash
};
