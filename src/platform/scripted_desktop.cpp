#include "platform/scripted_desktop.h"

#include "platform/dialog.h"
#include "platform/help_document.h"

#include <algorithm>
#include <map>

namespace platform {

namespace {

// The controls of one dialog in a scripted run: plain values by id, filled as a user would fill them.
class ScriptedDialogHost : public DialogHost {
  public:
    explicit ScriptedDialogHost(const DialogTemplate& dialogTemplate) : template_(dialogTemplate) {
        for (const ControlTemplate& control : dialogTemplate.controls) {
            Control state;
            state.text = control.kind == ControlKind::Edit ? control.initialText : control.text;
            controls_[control.id] = state;
        }
    }

    // Typing into an edit: select all, then each character as the edit and its validator take it.
    void Type(int id, const std::string& text) {
        const ControlTemplate* control = template_.FindControl(id);
        std::string typed;
        for (char c : text) {
            if (control && !control->validator.AcceptsCharacter(c)) continue;
            if (control && control->textSize > 0 &&
                typed.size() + 1 >= static_cast<std::size_t>(control->textSize))
                continue;
            typed += c;
        }
        controls_[id].text = typed;
    }

    // Clicking a box: a radio button checks itself and clears the others of its group.
    void Click(int id, bool checked) {
        const ControlTemplate* control = template_.FindControl(id);
        if (control && control->kind == ControlKind::RadioButton && checked) {
            for (int other : RadioGroupOf(id))
                controls_[other].checked = false;
        }
        controls_[id].checked = checked;
    }

    void SetText(int id, std::string_view text) override { controls_[id].text = std::string(text); }
    std::string GetText(int id) const override { return Find(id).text; }
    void SetCheck(int id, bool checked) override { controls_[id].checked = checked; }
    bool GetCheck(int id) const override { return Find(id).checked; }
    void ClearList(int id) override {
        controls_[id].items.clear();
        controls_[id].selection = -1;
    }
    void AddListItem(int id, std::string_view text) override { controls_[id].items.emplace_back(text); }
    int ListCount(int id) const override { return static_cast<int>(Find(id).items.size()); }
    std::string ListItem(int id, int index) const override {
        const Control& c = Find(id);
        if (index < 0 || index >= static_cast<int>(c.items.size())) return {};
        return c.items[static_cast<std::size_t>(index)];
    }
    int GetListSelection(int id) const override { return Find(id).selection; }
    void SetListSelection(int id, int index) override {
        Control& c = controls_[id];
        c.selection = (index >= 0 && index < static_cast<int>(c.items.size())) ? index : -1;
    }
    void SetListColumnWidth(int id, int pixels) override { controls_[id].columnWidth = pixels; }
    int ListColumnWidth(int id) const override { return Find(id).columnWidth; }
    void EnableControl(int id, bool enabled) override { controls_[id].enabled = enabled; }
    void FocusControl(int id) override { focused_ = id; }
    int FocusedControl() const override { return focused_; }
    void Close(int result) override {
        closed_ = true;
        result_ = result;
    }
    bool IsClosed() const override { return closed_; }
    int Result() const { return result_; }

  private:
    struct Control {
        std::string text;
        bool checked = false;
        bool enabled = true;
        std::vector<std::string> items;
        int selection = -1;
        int columnWidth = 0;
    };

    const Control& Find(int id) const {
        static const Control none;
        auto it = controls_.find(id);
        return it == controls_.end() ? none : it->second;
    }

    // The radio buttons of the group that holds id: a run of radio buttons in template order, broken by
    // a group start, a group box or any other control kind.
    std::vector<int> RadioGroupOf(int id) const {
        std::vector<int> group;
        bool found = false;
        for (const ControlTemplate& control : template_.controls) {
            bool radio = control.kind == ControlKind::RadioButton;
            if (!radio || control.groupStart) {
                if (found) break;
                group.clear();
            }
            if (radio) group.push_back(control.id);
            if (control.id == id) found = true;
        }
        return found ? group : std::vector<int>{id};
    }

    const DialogTemplate& template_;
    mutable std::map<int, Control> controls_;
    int focused_ = 0;
    bool closed_ = false;
    int result_ = IdCancel;
};

std::string Describe(const DialogAnswer& answer) {
    return "dialog " + std::to_string(answer.resourceId);
}

} // namespace

std::vector<std::string> ScriptedDesktop::UnusedAnswers() const {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < messageAnswers_.size(); ++i)
        out.push_back("message");
    for (const DialogAnswer& a : dialogAnswers_)
        out.push_back(Describe(a));
    for (std::size_t i = 0; i < inputAnswers_.size(); ++i)
        out.push_back("input");
    for (std::size_t i = 0; i < fileAnswers_.size(); ++i)
        out.push_back("file");
    for (std::size_t i = 0; i < colourAnswers_.size(); ++i)
        out.push_back("colour");
    for (std::size_t i = 0; i < fontAnswers_.size(); ++i)
        out.push_back("font");
    for (std::size_t i = 0; i < printAnswers_.size(); ++i)
        out.push_back("print");
    return out;
}

void ScriptedDesktop::ModalOpened() {
    if (!whileModal || inModalCall_) return;
    inModalCall_ = true;
    whileModal();
    inModalCall_ = false;
}

void ScriptedDesktop::ShowHelp(HelpCommand command, int context) {
    if (command != HelpCommand::Quit && !helpFolder_.empty()) {
        if (const std::string refusal = HelpRefusal(helpFolder_); !refusal.empty()) {
            MessageBox(refusal, "HELP", MessageBoxStyle::Ok);
            return;
        }
    }
    helpShown_.emplace_back(command, context);
}

int ScriptedDesktop::MessageBox(std::string_view text, std::string_view caption, unsigned style) {
    ShownMessage shown{std::string(text), std::string(caption), style};
    messages_.push_back(shown);
    if (onMessage) onMessage(shown);
    ModalOpened();
    if (messageAnswers_.empty()) {
        unsigned buttons = style & MessageBoxStyle::ButtonsMask;
        return buttons == MessageBoxStyle::YesNo || buttons == MessageBoxStyle::YesNoCancel ? IdYes : IdOk;
    }
    int answer = messageAnswers_.front();
    messageAnswers_.pop_front();
    return answer;
}

bool ScriptedDesktop::InputBox(std::string_view title, std::string_view prompt, std::string& text,
                               int maxLength) {
    inputPrompts_.push_back(std::string(title) + "|" + std::string(prompt));
    inputs_.push_back({std::string(title), std::string(prompt), text, maxLength});
    ModalOpened();
    if (inputAnswers_.empty()) return false;
    std::optional<std::string> answer = inputAnswers_.front();
    inputAnswers_.pop_front();
    if (!answer) return false;
    text = *answer;
    if (maxLength > 0 && text.size() > static_cast<std::size_t>(maxLength))
        text.resize(static_cast<std::size_t>(maxLength));
    return true;
}

int ScriptedDesktop::RunDialog(Dialog& dialog) {
    dialogsRun_.push_back(dialog.ResourceId());
    ScriptedDialogHost host(dialog.Template());
    dialog.AttachHost(&host);
    dialog.SetupWindow();
    std::map<int, std::string>& shown = controlsAtOpening_[dialog.ResourceId()];
    shown.clear();
    for (const ControlTemplate& control : dialog.Template().controls) {
        if (control.kind == ControlKind::Edit) shown[control.id] = host.GetText(control.id);
        // A static that the dialog fills shows its text (the floor areas, say).
        if (control.kind == ControlKind::Static && control.id > 0)
            shown[control.id] = host.GetText(control.id);
        if (control.kind == ControlKind::CheckBox || control.kind == ControlKind::RadioButton)
            shown[control.id] = host.GetCheck(control.id) ? "on" : "off";
    }
    ModalOpened();
    while (!host.IsClosed()) {
        auto it = std::find_if(dialogAnswers_.begin(), dialogAnswers_.end(),
                               [&](const DialogAnswer& a) { return a.resourceId == dialog.ResourceId(); });
        if (it == dialogAnswers_.end()) {
            dialog.CmCancel();
            if (!host.IsClosed()) host.Close(IdCancel);
            break;
        }
        DialogAnswer answer = *it;
        dialogAnswers_.erase(it);
        for (const DialogAnswer::Fill& fill : answer.fills) {
            switch (fill.kind) {
            case DialogAnswer::Fill::Kind::Text:
                host.Type(fill.control, fill.text);
                break;
            case DialogAnswer::Fill::Kind::Check:
                host.Click(fill.control, true);
                break;
            case DialogAnswer::Fill::Kind::Uncheck:
                host.Click(fill.control, false);
                break;
            case DialogAnswer::Fill::Kind::Select:
                host.SetListSelection(fill.control, fill.index);
                dialog.OnCommand(fill.control, NotifySelectionChange);
                break;
            }
        }
        switch (answer.button) {
        case DialogAnswer::Button::Ok:
            dialog.CmOk();
            break;
        case DialogAnswer::Button::Cancel:
            dialog.CmCancel();
            break;
        case DialogAnswer::Button::Help:
            dialog.CmHelp();
            break;
        }
    }
    dialog.AttachHost(nullptr);
    return host.Result();
}

const std::map<int, std::string>* ScriptedDesktop::ControlsAtOpening(int resourceId) const {
    auto it = controlsAtOpening_.find(resourceId);
    return it == controlsAtOpening_.end() ? nullptr : &it->second;
}

bool ScriptedDesktop::ChooseFile(FileDialogRequest& request) {
    fileRequests_.push_back(request);
    ModalOpened();
    if (fileAnswers_.empty()) return false;
    std::optional<std::string> answer = fileAnswers_.front();
    fileAnswers_.pop_front();
    if (!answer) return false;
    std::string folder = request.folder;
    if (!folder.empty() && folder.back() != '/') folder += '/';
    request.path = folder + *answer;
    return true;
}

bool ScriptedDesktop::ChooseColour(ColourRef& colour, CustomColours& custom) {
    colourDialogs_.push_back({colour, custom, status_});
    ModalOpened();
    if (colourAnswers_.empty()) return false;
    std::optional<ColourRef> answer = colourAnswers_.front();
    colourAnswers_.pop_front();
    if (!answer) return false;
    colour = *answer;
    return true;
}

bool ScriptedDesktop::ChooseFont(FontChoice& font) {
    fontDialogs_.push_back(font);
    ModalOpened();
    if (fontAnswers_.empty()) return false;
    std::optional<FontChoice> answer = fontAnswers_.front();
    fontAnswers_.pop_front();
    if (!answer) return false;
    // The dialog offers no colour: the one it was opened with passes through.
    font.face = answer->face;
    font.pointSizeTenths = answer->pointSizeTenths;
    font.weight = answer->weight;
    return true;
}

bool ScriptedDesktop::NextPrintAnswer() {
    if (printAnswers_.empty()) return false;
    const bool ok = printAnswers_.front();
    printAnswers_.pop_front();
    return ok;
}

bool ScriptedDesktop::PrintDialog() {
    ++printDialogsRun_;
    ModalOpened();
    return NextPrintAnswer();
}

bool ScriptedDesktop::PrinterSetupDialog() {
    ++printerSetupDialogsRun_;
    ModalOpened();
    return NextPrintAnswer();
}

namespace {

// A printer whose pages go nowhere: the scripted printer without a PDF writer.
class DiscardingDocument : public PrintDocument {
  public:
    explicit DiscardingDocument(const PrinterChoice& choice)
        : size_(PaperPixels(choice)), pixelsPerInch_(choice.dotsPerInch), page_(size_) {}
    Size PageSize() const override { return size_; }
    int PixelsPerInch() const override { return pixelsPerInch_; }
    Surface* StartPage() override { return &page_; }
    void EndPage() override {}
    bool End() override { return true; }

  private:
    Size size_;
    int pixelsPerInch_;
    RecordingSurface page_; // measures text with fixed metrics; its own record is never filled
};

// Records each page's calls into the job.
class PageRecording : public PageObserver {
  public:
    explicit PageRecording(PrintedJob& job) : job_(job) {}
    Surface& PageStarted(Surface& page, Size pageSize) override {
        recorder_ = std::make_unique<RecordingSurface>(pageSize, &page);
        return *recorder_;
    }
    void PageEnded() override {
        job_.pageCalls.push_back(recorder_->Calls());
        recorder_.reset();
    }

  private:
    PrintedJob& job_;
    std::unique_ptr<RecordingSurface> recorder_;
};

} // namespace

PrintResult ScriptedDesktop::Print(std::string_view title, std::span<Printout* const> printouts) {
    std::unique_ptr<PrintDocument> document;
    PrintResult result;
    if (pdfDocuments)
        document = pdfDocuments(printer_, title, result.error);
    else
        document = std::make_unique<DiscardingDocument>(printer_);
    if (!document) return result;
    PrintedJob printed{std::string(title), printer_.pdfFile, 0, {}};
    PageRecording recording(printed);
    result = RunPrintJob(*document, printouts, recordPrintedPages ? &recording : nullptr);
    printed.pages = result.pages;
    printedJobs_.push_back(std::move(printed));
    return result;
}

void ScriptedDesktop::SetStatusText(std::string_view text) {
    status_ = std::string(text);
    prompts_.push_back(status_);
}

void ScriptedDesktop::SetToolCaption(std::string_view text) {
    caption_ = std::string(text);
    captions_.push_back(caption_);
}

} // namespace platform
