#pragma once
// The print options of the plan views: copies and scale of each floor, line weight, how walls show,
// and whether the external dimensions and the scale caption print. OK rebuilds DisplayMode from the
// wall and dimension controls. No file: the print command writes the print list from the results.

#include "settings/settings_dialog.h"

#include <array>

class TKorvprntdlg : public SettingsDialog {
  public:
    static constexpr int Resource = 19500;
    explicit TKorvprntdlg(int resourceId = Resource);

    void SetupWindow() override;
    void CmOk() override;

    // Ground, first and second floor.
    std::array<int, 3> copies{};
    std::array<int, 3> scales{}; // the N of N:1
    int lineWeight = 2;          // 1 light, 2 medium, 3 heavy
    int showScale = 1;           // 1 print the scale caption, 0 not
};
