#include "settings/custom_wall_widths_dialog.h"

CustomWallDialog::CustomWallDialog(int resourceId, int units, int linesEdit, const WidthEdits& total,
                                   const WidthEdits& outer, const WidthEdits& cavity)
    : SettingsDialog(resourceId, help_context::ExternalWalls), units_(units), linesEdit_(linesEdit),
      total_(total), outer_(outer), cavity_(cavity) {}

void CustomWallDialog::ShowWidth(const WidthEdits& edits, int width) {
    if (IsImperialUnits(units_))
        SetInchesAndEighths(edits.first, edits.numerator, edits.denominator, width);
    else
        SetNumber(edits.first, width);
}

int CustomWallDialog::TypedWidth(const WidthEdits& edits) const {
    if (IsImperialUnits(units_))
        return GetInchesAndFraction(edits.first, edits.numerator, edits.denominator, FractionRule::Proper);
    return GetNumber(edits.first);
}

void CustomWallDialog::SetupWindow() {
    const CustomWallSettings s = ReadCustomWallSettings(units_);
    SetNumber(linesEdit_, s.lines);
    ShowWidth(total_, s.totalWidth);
    ShowWidth(outer_, s.outerSpace);
    ShowWidth(cavity_, s.cavity);
}

void CustomWallDialog::CmOk() {
    if (!ValidateControls()) return;
    CustomWallSettings s;
    s.lines = GetNumber(linesEdit_);
    s.totalWidth = TypedWidth(total_);
    s.outerSpace = TypedWidth(outer_);
    s.cavity = TypedWidth(cavity_);
    const bool layered = s.lines > 2;
    // The inside leaf is what the other two leave of the whole: less than nothing would draw the wall
    // inside out.
    if (layered && s.outerSpace + s.cavity > s.totalWidth) {
        RefuseControl(outer_.first, "The space to the 2nd line and the cavity together are wider than the "
                                    "total width of the wall");
        return;
    }
    WriteCustomWallSettings(units_, s);
    if (layered)
        layers = {s.outerSpace, s.cavity, s.totalWidth - (s.outerSpace + s.cavity)};
    else
        layers = {s.totalWidth, 0, 0};
    CloseWindow(1);
}
