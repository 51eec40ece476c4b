#include "settings/feet_dialog.h"

namespace {
constexpr int FeetEdit = 9501;
constexpr int InchesEdit = 9502;
constexpr int NumeratorEdit = 9503;
constexpr int DenominatorEdit = 9504;
} // namespace

TFeetdlg::TFeetdlg(int resourceId, int initialLength)
    : SettingsDialog(resourceId, help_context::Walls), length(initialLength) {}

void TFeetdlg::SetupWindow() {
    if (length < 1) {
        for (int id : {FeetEdit, InchesEdit, NumeratorEdit, DenominatorEdit})
            SetControlText(id, "0");
        return;
    }
    // Whole inches leave the fraction edits as the resource has them.
    SetFeetInchesAndEighths(FeetEdit, length);
}

void TFeetdlg::CmOk() {
    if (!ValidateControls()) return;
    feet = GetControlText(FeetEdit);
    inches = GetControlText(InchesEdit);
    numerator = GetControlText(NumeratorEdit);
    denominator = GetControlText(DenominatorEdit);
    CloseWindow(1);
}

int TFeetdlg::LengthUnits(FractionRule rule) const {
    return FeetInchesToUnits(ParseDecimal(feet), ParseDecimal(inches), ParseDecimal(numerator),
                             ParseDecimal(denominator), rule);
}
