#include "settings/double_line_spacing_dialog.h"

#include "settings/cfg_dialog_files.h"

DoubleLineSpacingDialog::DoubleLineSpacingDialog(int resourceId, int units, int widthEdit, int numeratorEdit,
                                                 int denominatorEdit, int firstSideButton)
    : SettingsDialog(resourceId, help_context::DoubleLines), units_(units), widthEdit_(widthEdit),
      numeratorEdit_(numeratorEdit),
      denominatorEdit_(denominatorEdit), sideButtons_{{firstSideButton, 4},
                                                      {firstSideButton + 1, 2},
                                                      {firstSideButton + 2, 1},
                                                      {firstSideButton + 3, 3}} {}

void DoubleLineSpacingDialog::SetupWindow() {
    const int width = ReadInternalWallSettings(units_).width;
    if (IsImperialUnits(units_))
        SetInchesAndEighths(widthEdit_, numeratorEdit_, denominatorEdit_, width);
    else
        SetNumber(widthEdit_, width);
    SetCheck(sideButtons_.front().id, true);
}

void DoubleLineSpacingDialog::CmOk() {
    if (!ValidateControls()) return;
    InternalWallSettings s;
    s.width = IsImperialUnits(units_)
                  ? GetInchesAndFraction(widthEdit_, numeratorEdit_, denominatorEdit_, FractionRule::Proper)
                  : GetNumber(widthEdit_);
    WriteInternalWallSettings(units_, s);
    ReadRadioGroup(sideButtons_, sideCode);
    CloseWindow(1);
}
