#include "view/typed_length.h"

#include "platform/desktop.h"
#include "settings/feet_dialog.h"

TypedLength AskFeetInchesLength(int initial) {
    TFeetdlg dialog(TFeetdlg::Resource, initial);
    TypedLength typed;
    if (dialog.Execute() != platform::IdOk) return typed;
    typed.cancelled = false;
    const int numerator = ParseDecimal(dialog.numerator);
    const int denominator = ParseDecimal(dialog.denominator);
    typed.valid = !(numerator > 0 && denominator == 0);
    typed.units = dialog.LengthUnits(FractionRule::AnyPositive);
    return typed;
}

TypedLength AskMetricLength(const std::string& title, const std::string& prompt, const std::string& text,
                            int limit) {
    std::string buffer = text;
    TypedLength typed;
    if (!platform::TheDesktop().InputBox(title, prompt, buffer, limit)) return typed;
    typed.cancelled = false;
    typed.valid = true;
    typed.units = ParseDecimal(buffer);
    return typed;
}
