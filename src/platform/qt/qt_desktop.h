#pragma once
// The desktop services on real Qt widgets: message boxes, the input box, template dialogs, file,
// colour and font dialogs, the main window's text fields, the mouse cursor and the help window.

#include "platform/desktop.h"

#include <functional>
#include <memory>
#include <string>

class QWidget;
class QLabel;
class QStatusBar;
class QDialog;

namespace platform {
class Dialog;
}

namespace platform::qt {

class HelpWindow;
class ProgramPrinter;

class QtDesktop : public Desktop {
  public:
    QtDesktop();
    ~QtDesktop() override;

    // The window that owns dialogs and message boxes, and the widgets that show the text fields.
    void SetOwner(QWidget* owner) { owner_ = owner; }
    void AttachTextFields(QStatusBar* statusBar, QLabel* prompt, QLabel* readout, QLabel* caption);
    // Where the help pages live (the program folder's help folder).
    void SetHelpFolder(const std::string& folder) { helpFolder_ = folder; }

    int MessageBox(std::string_view text, std::string_view caption, unsigned style) override;
    bool InputBox(std::string_view title, std::string_view prompt, std::string& text, int maxLength) override;
    int RunDialog(Dialog& dialog) override;
    bool ChooseFile(FileDialogRequest& request) override;
    bool ChooseColour(ColourRef& colour, CustomColours& custom) override;
    bool ChooseFont(FontChoice& font) override;

    bool PrintDialog() override;
    bool PrinterSetupDialog() override;
    PrintResult Print(std::string_view title, std::span<Printout* const> printouts) override;

    void SetStatusText(std::string_view text) override;
    std::string StatusText() const override { return status_; }
    void SetReadoutText(std::string_view text) override;
    std::string ReadoutText() const override { return readout_; }
    void SetToolCaption(std::string_view text) override;
    std::string ToolCaption() const override { return caption_; }

    Point GetCursorPos() const override;
    void SetCursorPos(Point screen) override;
    void ShowHelp(HelpCommand command, int context) override;

    // Builds the Qt dialog of a template dialog without running it (tests drive it themselves).
    // The dialog's SetupWindow has run when this returns.
    std::unique_ptr<QDialog> BuildDialog(Dialog& dialog);

  private:
    QWidget* owner_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QLabel* promptLabel_ = nullptr;
    QLabel* readoutLabel_ = nullptr;
    QLabel* captionLabel_ = nullptr;
    std::string status_;
    std::string readout_;
    std::string caption_;
    std::string helpFolder_;
    std::unique_ptr<HelpWindow> help_;
    std::unique_ptr<ProgramPrinter> printer_;
};

} // namespace platform::qt
