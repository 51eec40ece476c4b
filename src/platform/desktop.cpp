#include "platform/desktop.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace platform {

namespace {

Desktop* installed = nullptr;

std::function<void()>& BeforeUserWaits() {
    static std::function<void()> hook;
    return hook;
}

void UserWaits() {
    if (BeforeUserWaits()) BeforeUserWaits()();
}

// The installed desktop as the program sees it: each call that waits for the user runs the hook first.
class WaitingDesktop final : public Desktop {
  public:
    int MessageBox(std::string_view text, std::string_view caption, unsigned style) override {
        UserWaits();
        return installed->MessageBox(text, caption, style);
    }
    bool InputBox(std::string_view title, std::string_view prompt, std::string& text,
                  int maxLength) override {
        UserWaits();
        return installed->InputBox(title, prompt, text, maxLength);
    }
    int RunDialog(Dialog& dialog) override {
        UserWaits();
        return installed->RunDialog(dialog);
    }
    bool ChooseFile(FileDialogRequest& request) override {
        UserWaits();
        return installed->ChooseFile(request);
    }
    bool ChooseColour(ColourRef& colour, CustomColours& custom) override {
        UserWaits();
        return installed->ChooseColour(colour, custom);
    }
    bool ChooseFont(FontChoice& font) override {
        UserWaits();
        return installed->ChooseFont(font);
    }
    bool PrintDialog() override {
        UserWaits();
        return installed->PrintDialog();
    }
    bool PrinterSetupDialog() override {
        UserWaits();
        return installed->PrinterSetupDialog();
    }
    PrintResult Print(std::string_view title, std::span<Printout* const> printouts) override {
        return installed->Print(title, printouts);
    }
    void SetStatusText(std::string_view text) override { installed->SetStatusText(text); }
    std::string StatusText() const override { return installed->StatusText(); }
    void SetReadoutText(std::string_view text) override { installed->SetReadoutText(text); }
    std::string ReadoutText() const override { return installed->ReadoutText(); }
    void SetToolCaption(std::string_view text) override { installed->SetToolCaption(text); }
    std::string ToolCaption() const override { return installed->ToolCaption(); }
    Point GetCursorPos() const override { return installed->GetCursorPos(); }
    void SetCursorPos(Point screen) override { installed->SetCursorPos(screen); }
    void ShowHelp(HelpCommand command, int context) override { installed->ShowHelp(command, context); }
};

} // namespace

Desktop& TheDesktop() {
    if (!installed) {
        std::fprintf(stderr, "no desktop installed\n");
        std::abort();
    }
    static WaitingDesktop waiting;
    return waiting;
}

void InstallDesktop(Desktop* desktop) {
    installed = desktop;
}

void SetBeforeUserWaits(std::function<void()> hook) {
    BeforeUserWaits() = std::move(hook);
}

} // namespace platform
