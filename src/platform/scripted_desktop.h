#pragma once
// The desktop of tests and scripted runs: answers come from queues filled in advance, and everything
// shown (message boxes, prompts, captions, dialogs) is kept for the test to read back. A dialog with no
// queued answer is cancelled; a message box with none is answered OK.

#include "platform/desktop.h"
#include "platform/printing.h"
#include "platform/recording_surface.h"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// What the user does in a template dialog: fill controls, then press a button.
struct DialogAnswer {
    int resourceId = 0;
    enum class Button { Ok, Cancel, Help } button = Button::Ok;
    struct Fill {
        int control = 0;
        enum class Kind { Text, Check, Uncheck, Select } kind = Kind::Text;
        std::string text;
        int index = 0;
    };
    std::vector<Fill> fills;
};

struct ShownMessage {
    std::string text;
    std::string caption;
    unsigned style = 0;
};

// A colour dialog as it opened: the start colour, the custom colours it offered and the status-bar
// prompt the user saw beside it.
struct ShownColourDialog {
    ColourRef start = 0;
    CustomColours custom{};
    std::string status;
};

// A one-line input dialog as it opened: title, prompt, the text it offered and how much it takes.
struct ShownInput {
    std::string title;
    std::string prompt;
    std::string text;
    int maxLength = 0;
};

// A print job as the scripted printer took it: its title, the file it went to, and the calls of each
// page when pages are recorded. The scripted printer is a PDF file, so the floors of one Print command
// are the pages of one job.
struct PrintedJob {
    std::string title;
    std::string file;
    int pages = 0;
    std::vector<std::vector<DrawCall>> pageCalls;
};

// Opens a PDF document for a print job (the Qt backend's, made in memory), or says why it cannot.
using PdfDocumentMaker = std::function<std::unique_ptr<PrintDocument>(
    const PrinterChoice&, std::string_view title, std::string& error)>;

class ScriptedDesktop : public Desktop {
  public:
    ScriptedDesktop() = default;

    // Answers, each used by the next dialog of its kind.
    void QueueMessageAnswer(int answer) { messageAnswers_.push_back(answer); }
    void QueueDialog(DialogAnswer answer) { dialogAnswers_.push_back(std::move(answer)); }
    void QueueInput(std::optional<std::string> answer) { inputAnswers_.push_back(std::move(answer)); }
    void QueueFile(std::optional<std::string> name) { fileAnswers_.push_back(std::move(name)); }
    void QueueColour(std::optional<ColourRef> colour) { colourAnswers_.push_back(colour); }
    void QueueFont(std::optional<FontChoice> font) { fontAnswers_.push_back(std::move(font)); }
    void QueuePrint(bool ok) { printAnswers_.push_back(ok); }
    // The printer the print dialogs choose from now on; at first "PRINT.PDF" A4 portrait at 300 dots
    // per inch (the file relative to the current folder until set).
    void SetPrinter(const PrinterChoice& printer) { printer_ = printer; }
    const PrinterChoice& Printer() const { return printer_; }
    // Writes the PDF files when set; without it pages go nowhere but into the record.
    PdfDocumentMaker pdfDocuments;
    // Keeps the calls of every printed page (PrintedJobs); a long scripted run may turn it off.
    bool recordPrintedPages = true;
    const std::vector<PrintedJob>& PrintedJobs() const { return printedJobs_; }
    // How many print and printer set-up dialogs ran.
    int PrintDialogsRun() const { return printDialogsRun_; }
    int PrinterSetupDialogsRun() const { return printerSetupDialogsRun_; }

    // A description of every answer still queued ("message", "dialog 5402", ...); empty when all were used.
    std::vector<std::string> UnusedAnswers() const;

    // What was shown.
    const std::vector<ShownMessage>& Messages() const { return messages_; }
    const std::vector<std::string>& Prompts() const { return prompts_; }
    const std::vector<std::string>& Captions() const { return captions_; }
    const std::vector<int>& DialogsRun() const { return dialogsRun_; }
    const std::vector<std::pair<HelpCommand, int>>& HelpShown() const { return helpShown_; }
    // Input-box titles and prompts, in order.
    const std::vector<std::string>& InputPrompts() const { return inputPrompts_; }
    // The input dialogs as each opened, in order.
    const std::vector<ShownInput>& Inputs() const { return inputs_; }
    // What each control of the last run of dialog `resourceId` showed when it opened: an edit's or a
    // numbered static's text, "on" or "off" for a box or radio button. Null when that dialog has not run.
    const std::map<int, std::string>* ControlsAtOpening(int resourceId) const;
    // The colour and font dialogs, as each opened, in order.
    const std::vector<ShownColourDialog>& ColourDialogs() const { return colourDialogs_; }
    const std::vector<FontChoice>& FontDialogs() const { return fontDialogs_; }
    // Every file dialog asked for, as the program asked it.
    const std::vector<FileDialogRequest>& FileRequests() const { return fileRequests_; }

    // Called for every message box before it is answered (a scripted run prints them).
    std::function<void(const ShownMessage&)> onMessage;
    // Called once each modal dialog, input, message, file, colour, font or print box has opened, before
    // it is answered: a scripted run may repaint the view there, as a real window can be resized
    // behind the box. Not called again for a box opened from inside the call.
    std::function<void()> whileModal;

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
    void SetReadoutText(std::string_view text) override { readout_ = std::string(text); }
    std::string ReadoutText() const override { return readout_; }
    void SetToolCaption(std::string_view text) override;
    std::string ToolCaption() const override { return caption_; }

    Point GetCursorPos() const override { return cursor_; }
    void SetCursorPos(Point screen) override { cursor_ = screen; }
    // Help shown is recorded; with a help folder set, a document Help cannot show is refused in a box
    // instead, as on the real desktop.
    void SetHelpFolder(std::string folder) { helpFolder_ = std::move(folder); }
    void ShowHelp(HelpCommand command, int context) override;

  private:
    std::deque<int> messageAnswers_;
    std::deque<DialogAnswer> dialogAnswers_;
    std::deque<std::optional<std::string>> inputAnswers_;
    std::deque<std::optional<std::string>> fileAnswers_;
    std::deque<std::optional<ColourRef>> colourAnswers_;
    std::deque<std::optional<FontChoice>> fontAnswers_;
    std::deque<bool> printAnswers_;
    bool NextPrintAnswer();
    void ModalOpened();
    bool inModalCall_ = false;

    PrinterChoice printer_{"", "PRINT.PDF", Paper::A4, Orientation::Portrait, 300};
    std::vector<PrintedJob> printedJobs_;
    int printDialogsRun_ = 0;
    int printerSetupDialogsRun_ = 0;

    std::vector<ShownMessage> messages_;
    std::vector<std::string> prompts_;
    std::vector<std::string> captions_;
    std::vector<int> dialogsRun_;
    std::vector<std::pair<HelpCommand, int>> helpShown_;
    std::string helpFolder_;
    std::vector<std::string> inputPrompts_;
    std::vector<ShownInput> inputs_;
    std::vector<ShownColourDialog> colourDialogs_;
    std::vector<FontChoice> fontDialogs_;
    std::vector<FileDialogRequest> fileRequests_;
    std::map<int, std::map<int, std::string>> controlsAtOpening_;
    std::string status_;
    std::string readout_;
    std::string caption_;
    Point cursor_{0, 0};
};

} // namespace platform
