#pragma once
// The new-drawing dialog: the drawing's name, how it starts and its measuring system. OK sets Units
// and keeps the choices in METRIC.CFG and START.CFG for the next new drawing.

#include "settings/settings_dialog.h"

#include <string>

class TNewdlg : public SettingsDialog {
  public:
    static constexpr int Resource = 2024;
    explicit TNewdlg(int resourceId = Resource);

    void SetupWindow() override;
    void CmOk() override;

    std::string nameShown = "client"; // in the name box when the dialog opens
    std::string drawingName;          // at most 24 characters
    int startMode = 2;                // 1 layout design rooms, 2 drawing external walls
};
