#pragma once
// What the metric and the feet-and-inches custom-wall dialogs share: the number of lines and three
// widths (the whole wall, outside line to the second, the cavity), filled from and written back to
// CUST.CFG or CUSTIMP.CFG, and the layers they give. The feet-and-inches twin shows and takes each width
// as whole inches and a fraction.

#include "settings/cfg_dialog_files.h"
#include "settings/settings_dialog.h"

#include <array>

class CustomWallDialog : public SettingsDialog {
  public:
    void SetupWindow() override;
    void CmOk() override;

    // Outside leaf, cavity, inside leaf; a wall of 2 lines is one layer of the whole width.
    std::array<int, 3> layers{};

  protected:
    // A width's edits: the metric twin has one, the feet-and-inches twin inches, numerator and
    // denominator.
    struct WidthEdits {
        int first, numerator, denominator;
    };
    CustomWallDialog(int resourceId, int units, int linesEdit, const WidthEdits& total,
                     const WidthEdits& outer, const WidthEdits& cavity);

  private:
    void ShowWidth(const WidthEdits& edits, int width);
    int TypedWidth(const WidthEdits& edits) const;

    int units_;
    int linesEdit_;
    WidthEdits total_, outer_, cavity_;
};
