#pragma once
// The desktop of tests and scripted runs: answers come from queues filled in advance, and everything
// shown (message boxes, prompts, captions, dialogs) is kept for the test to read back. A dialog with no
// queued answer is cancelled; a message box with none is answered OK.

#include "platform/desktop.h"

#include <deque>
#include <functional>
#include <map>
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

// A colour dialog as it opened: the start colour and the custom colours it offered.
struct ShownColourDialog {
    ColourRef start = 0;
    CustomColours custom{};
};

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
    // What each control of the last run of dialog `resourceId` showed when it opened: an edit's text,
    // "on" or "off" for a box or radio button. Null when that dialog has not run.
    const std::map<int, std::string>* ControlsAtOpening(int resourceId) const;
    // The colour and font dialogs, as each opened, in order.
    const std::vector<ShownColourDialog>& ColourDialogs() const { return colourDialogs_; }
    const std::vector<FontChoice>& FontDialogs() const { return fontDialogs_; }
    // Every file dialog asked for, as the program asked it.
    const std::vector<FileDialogRequest>& FileRequests() const { return fileRequests_; }

    // Called for every message box before it is answered (a scripted run prints them).
    std::function<void(const ShownMessage&)> onMessage;

    int MessageBox(std::string_view text, std::string_view caption, unsigned style) override;
    bool InputBox(std::string_view title, std::string_view prompt, std::string& text, int maxLength) override;
    int RunDialog(Dialog& dialog) override;
    bool ChooseFile(FileDialogRequest& request) override;
    bool ChooseColour(ColourRef& colour, CustomColours& custom) override;
    bool ChooseFont(FontChoice& font) override;

    void SetStatusText(std::string_view text) override;
    std::string StatusText() const override { return status_; }
    void SetReadoutText(std::string_view text) override { readout_ = std::string(text); }
    std::string ReadoutText() const override { return readout_; }
    void SetToolCaption(std::string_view text) override;
    std::string ToolCaption() const override { return caption_; }

    Point GetCursorPos() const override { return cursor_; }
    void SetCursorPos(Point screen) override { cursor_ = screen; }
    void ShowHelp(HelpCommand command, int context) override { helpShown_.emplace_back(command, context); }

  private:
    std::deque<int> messageAnswers_;
    std::deque<DialogAnswer> dialogAnswers_;
    std::deque<std::optional<std::string>> inputAnswers_;
    std::deque<std::optional<std::string>> fileAnswers_;
    std::deque<std::optional<ColourRef>> colourAnswers_;
    std::deque<std::optional<FontChoice>> fontAnswers_;

    std::vector<ShownMessage> messages_;
    std::vector<std::string> prompts_;
    std::vector<std::string> captions_;
    std::vector<int> dialogsRun_;
    std::vector<std::pair<HelpCommand, int>> helpShown_;
    std::vector<std::string> inputPrompts_;
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
