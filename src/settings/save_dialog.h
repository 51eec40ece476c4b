#pragma once
// Save As: the name of the copy. Writes no file.

#include "settings/settings_dialog.h"

#include <string>

class TSavedlg : public SettingsDialog {
  public:
    static constexpr int Resource = 9020;
    explicit TSavedlg(int resourceId = Resource);

    void SetupWindow() override;
    void CmOk() override;

    std::string nameShown = "client"; // in the name box when the dialog opens
    std::string newName;              // at most 24 characters
};
