#pragma once
// Rotate or mirror a drawing file: the name to write it under (the open drawing's unless changed) and
// the operation. Its Help button does nothing.

#include "settings/settings_dialog.h"

#include <string>

class TManipdlg : public SettingsDialog {
  public:
    static constexpr int Resource = 19000;
    explicit TManipdlg(int resourceId = Resource);

    void SetupWindow() override;
    void CmOk() override;

    std::string drawingName; // at most 24 characters
    int operation = 90;      // 90, 180 or 270 degrees clockwise, or 1 to mirror
};
