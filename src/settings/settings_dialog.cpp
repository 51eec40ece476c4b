#include "settings/settings_dialog.h"

#include "platform/desktop.h"
#include "resources/dialog_resources.h"

SettingsDialog::SettingsDialog(int resourceId, std::optional<int> helpContext)
    : platform::Dialog(DialogResource(resourceId)), helpContext_(helpContext) {}

void SettingsDialog::CmHelp() {
    if (helpContext_) platform::TheDesktop().ShowHelp(platform::Desktop::HelpCommand::Context, *helpContext_);
}

void SettingsDialog::SetLimitedText(int id, std::string_view text) {
    const platform::ControlTemplate* control = Template().FindControl(id);
    if (control && control->textSize > 0 && text.size() >= static_cast<std::size_t>(control->textSize))
        text = text.substr(0, static_cast<std::size_t>(control->textSize - 1));
    SetControlText(id, text);
}

void SettingsDialog::SetNumber(int id, int value) {
    SetLimitedText(id, std::to_string(value));
}

int SettingsDialog::GetNumber(int id) const {
    return ParseDecimal(GetControlText(id));
}

void SettingsDialog::TickCode(const std::vector<RadioCode>& group, int code) {
    for (const RadioCode& button : group)
        if (button.code == code) {
            SetCheck(button.id, true);
            return;
        }
}

void SettingsDialog::ReadRadioGroup(const std::vector<RadioCode>& group, int& code) const {
    for (const RadioCode& button : group)
        if (GetCheck(button.id)) {
            code = button.code;
            return;
        }
}

void SettingsDialog::SetInchesAndEighths(int inchesId, int numeratorId, int denominatorId, int length,
                                         bool zeroFraction) {
    const InchesAndRemainder shown = SplitInches(length);
    SetNumber(inchesId, shown.inches);
    std::optional<Eighths> fraction = RemainderAsEighths(shown.remainder);
    if (!fraction && zeroFraction) fraction = Eighths{0, 0};
    if (fraction) {
        SetNumber(numeratorId, fraction->numerator);
        SetNumber(denominatorId, fraction->denominator);
    }
}

void SettingsDialog::SetFeetInchesAndEighths(int feetId, int length) {
    const FeetAndInches shown = SplitFeetAndInches(length);
    SetNumber(feetId, shown.feet);
    SetNumber(feetId + 1, shown.inches);
    if (std::optional<Eighths> fraction = RemainderAsEighths(shown.remainder)) {
        SetNumber(feetId + 2, fraction->numerator);
        SetNumber(feetId + 3, fraction->denominator);
    }
}

int SettingsDialog::GetInchesAndFraction(int inchesId, int numeratorId, int denominatorId,
                                         FractionRule rule) const {
    return InchesToUnits(GetNumber(inchesId), GetNumber(numeratorId), GetNumber(denominatorId), rule);
}
