#include "platform/dialog.h"

#include "platform/desktop.h"

#include <charconv>
#include <cstdlib>

namespace platform {

Validator Validator::Range(int min, int max) {
    Validator v;
    v.kind_ = Kind::Range;
    v.min_ = min;
    v.max_ = max;
    v.set_ = "0123456789+-";
    return v;
}

Validator Validator::Filter(std::string_view set) {
    Validator v;
    v.kind_ = Kind::Filter;
    v.setText_ = std::string(set);
    for (std::size_t i = 0; i < set.size(); ++i) {
        if (i + 2 < set.size() && set[i + 1] == '-') {
            for (int c = static_cast<unsigned char>(set[i]); c <= static_cast<unsigned char>(set[i + 2]); ++c)
                v.set_ += static_cast<char>(c);
            i += 2;
        } else {
            v.set_ += set[i];
        }
    }
    return v;
}

bool Validator::AcceptsCharacter(char c) const {
    if (kind_ == Kind::None) return true;
    return set_.find(c) != std::string::npos;
}

bool Validator::IsValid(std::string_view text) const {
    if (kind_ == Kind::None) return true;
    for (char c : text)
        if (!AcceptsCharacter(c)) return false;
    if (kind_ == Kind::Filter) return true;
    // The value as the dialogs will read it: optional sign and digits; empty text is 0.
    long value = std::strtol(std::string(text).c_str(), nullptr, 10);
    return value >= min_ && value <= max_;
}

std::string Validator::ErrorText() const {
    if (kind_ == Kind::Range)
        return "Value is not in the range " + std::to_string(min_) + " to " + std::to_string(max_) + ".";
    if (kind_ == Kind::Filter) return "Invalid character in input - use only " + setText_;
    return {};
}

const ControlTemplate* DialogTemplate::FindControl(int id) const {
    for (const ControlTemplate& control : controls)
        if (control.id == id) return &control;
    return nullptr;
}

Dialog::Dialog(DialogTemplate dialogTemplate) : template_(std::move(dialogTemplate)) {}

Dialog::~Dialog() = default;

int Dialog::Execute() { return TheDesktop().RunDialog(*this); }

void Dialog::CmOk() {
    if (!ValidateControls()) return;
    CloseWindow(IdOk);
}

bool Dialog::ValidateControls() {
    for (const ControlTemplate& control : template_.controls) {
        if (control.kind != ControlKind::Edit || control.validator.GetKind() == Validator::Kind::None) continue;
        if (control.validator.IsValid(host_->GetText(control.id))) continue;
        RefuseControl(control.id, control.validator.ErrorText());
        return false;
    }
    return true;
}

void Dialog::RefuseControl(int id, std::string_view message) {
    TheDesktop().MessageBox(message, "Validator Error", MessageBoxStyle::IconExclamation);
    host_->FocusControl(id);
}

void Dialog::SetControlText(int id, std::string_view text) { host_->SetText(id, text); }
std::string Dialog::GetControlText(int id) const {
    // Read back with a buffer of the edit's text size: at most textSize - 1 characters.
    std::string text = host_->GetText(id);
    const ControlTemplate* control = template_.FindControl(id);
    if (control && control->textSize > 0 && text.size() > static_cast<std::size_t>(control->textSize - 1))
        text.resize(static_cast<std::size_t>(control->textSize - 1));
    return text;
}
void Dialog::SetCheck(int id, bool checked) { host_->SetCheck(id, checked); }
bool Dialog::GetCheck(int id) const { return host_->GetCheck(id); }
void Dialog::CloseWindow(int result) { host_->Close(result); }

} // namespace platform
