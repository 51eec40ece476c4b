#pragma once
// What the metric and the feet-and-inches external-wall dialogs share: one radio button per wall type,
// the first (the custom wall) ticked on opening, and the layer widths each type gives. No file.

#include "settings/settings_dialog.h"

#include <array>
#include <vector>

class ExternalWallTypeDialog : public SettingsDialog {
  public:
    void SetupWindow() override;
    void CmOk() override;

    // 1 the custom wall (its own dialog gives the layers), else the whole wall's thickness.
    int wallCode = 1;
    // Outside leaf, cavity, inside leaf; a two-line wall is one layer of the whole thickness.
    std::array<int, 3> layers{};

  protected:
    // A four-line wall of `total` split into its layers.
    struct FourLineWall {
        int total, outer, cavity, inner;
    };
    // `buttons` in their order on the dialog, the custom wall's first.
    ExternalWallTypeDialog(int resourceId, std::vector<RadioCode> buttons,
                           std::vector<FourLineWall> fourLineWalls);

  private:
    std::vector<RadioCode> buttons_;
    std::vector<FourLineWall> fourLineWalls_;
};
