#pragma once
// The text to put beside a line and the side it goes on. Writes no file: its caller keeps the answer.

#include "settings/settings_dialog.h"

#include <string>

class TLtxtdlg : public SettingsDialog {
  public:
    static constexpr int Resource = 2690;
    explicit TLtxtdlg(int resourceId = Resource);

    void SetupWindow() override;
    void CmOk() override;

    std::string lineText; // at most 21 characters
    int side = 1;         // 1 left of or above the line, 2 right of or below
};
