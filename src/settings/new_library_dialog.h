#pragma once
// The name and group of a new library symbol. No file: on OK the caller saves the captured objects
// as that symbol and indexes it.

#include "settings/settings_dialog.h"

#include <string>

class TAtolibdlg : public SettingsDialog {
  public:
    static constexpr int Resource = 16000;
    explicit TAtolibdlg(int resourceId = Resource);

    void SetupWindow() override;
    void CmOk() override;

    std::string name; // at most 24 letters, digits, commas and blanks
    int group = 1;    // 1 plumbing, 2 electrical, 3 furniture, 4 miscellaneous
};
