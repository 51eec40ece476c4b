#pragma once
// What the metric and the feet-and-inches double-line dialogs share: the internal-wall width or
// double-line spacing, filled from and written back to PTNM.CFG or PTNI.CFG, and the side of the first
// line the second starts on. The feet-and-inches twin shows and takes the width as whole inches and a
// fraction.

#include "settings/settings_dialog.h"

class DoubleLineSpacingDialog : public SettingsDialog {
  public:
    void SetupWindow() override;
    void CmOk() override;

    int sideCode = 4; // 1 above, 2 right, 3 below, 4 left of the first line

  protected:
    // `numeratorEdit` and `denominatorEdit` 0 in the metric twin; the side radios are left, right,
    // above and below from `firstSideButton` on.
    DoubleLineSpacingDialog(int resourceId, int units, int widthEdit, int numeratorEdit, int denominatorEdit,
                            int firstSideButton);

  private:
    int units_;
    int widthEdit_, numeratorEdit_, denominatorEdit_;
    std::vector<RadioCode> sideButtons_;
};
