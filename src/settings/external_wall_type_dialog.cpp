#include "settings/external_wall_type_dialog.h"

ExternalWallTypeDialog::ExternalWallTypeDialog(int resourceId, std::vector<RadioCode> buttons,
                                               std::vector<FourLineWall> fourLineWalls)
    : SettingsDialog(resourceId, help_context::ExternalWalls), buttons_(std::move(buttons)),
      fourLineWalls_(std::move(fourLineWalls)) {}

void ExternalWallTypeDialog::SetupWindow() {
    SetCheck(buttons_.front().id, true);
}

void ExternalWallTypeDialog::CmOk() {
    if (!ValidateControls()) return;
    ReadRadioGroup(buttons_, wallCode);
    layers = {0, 0, 0};
    if (wallCode > 1) layers[0] = wallCode;
    for (const FourLineWall& wall : fourLineWalls_)
        if (wall.total == wallCode) layers = {wall.outer, wall.cavity, wall.inner};
    CloseWindow(1);
}
