#pragma once
// The pattern every settings dialog follows: built on a dialog resource, filled from its CFG files in
// SetupWindow, validated, read back, written and closed with 1 in CmOk; Cancel closes with 2 and
// writes nothing; Help opens the help at the dialog's context and leaves the dialog open. A few
// dialogs have no help context: their Help button, where they have one, does nothing.

#include "platform/dialog.h"
#include "resources/help_contexts.h"
#include "settings/length_format.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A radio button and the code it stands for.
struct RadioCode {
    int id = 0;
    int code = 0;
};

class SettingsDialog : public platform::Dialog {
  public:
    // `helpContext` empty: the Help button does nothing.
    SettingsDialog(int resourceId, std::optional<int> helpContext);

    void CmHelp() override;

  protected:
    // Sets an edit or static text, cut to what the control holds (its text size less one).
    void SetLimitedText(int id, std::string_view text);
    void SetNumber(int id, int value);
    // The edit's text read back and parsed as a plain decimal number (empty text is 0).
    int GetNumber(int id) const;
    // Ticks the button whose code is `code`; none when no button has it.
    void TickCode(const std::vector<RadioCode>& group, int code);
    // The code of the first ticked button, tested in the order given; `code` keeps its value when
    // none is ticked.
    void ReadRadioGroup(const std::vector<RadioCode>& group, int& code) const;
    // A length in 1/24 inch shown as whole inches and a fraction in eighths; whole inches leave the
    // fraction edits as the resource has them, or show "0" and "0" when `zeroFraction` asks.
    void SetInchesAndEighths(int inchesId, int numeratorId, int denominatorId, int length,
                             bool zeroFraction = false);
    // The same with the whole inches split again into feet and inches, in four edits from `feetId` on
    // (feet, inches, numerator, denominator).
    void SetFeetInchesAndEighths(int feetId, int length);
    // Whole inches and a fraction typed in three edits, in 1/24 inch; `rule` says when the fraction counts.
    int GetInchesAndFraction(int inchesId, int numeratorId, int denominatorId, FractionRule rule) const;

  private:
    std::optional<int> helpContext_;
};
