#include "script/script_runner.h"

#include "app/client.h"
#include "app/program.h"
#include "app/program_folder.h"
#include "model/drawing_list.h"
#include "model/global_registry.h"
#include "model/shared_state.h"
#include "model/whole_file.h"
#include "platform/desktop.h"
#include "platform/scripted_windows.h"
#include "tools/tool_framework.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <ostream>
#include <sstream>
#include <sys/stat.h>
#include <system_error>

namespace script {

namespace {

// A text as the failure report shows it: quoted, with line ends made visible.
std::string Shown(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '"')
            out += "\\\"";
        else
            out += c;
    }
    return out + "\"";
}

// A member of the active tool by its name, or by one of the other names the walls and rooms give it.
const int* ToolMember(const TDrawingtool& tool, const std::string& name) {
    static const std::map<std::string, int TDrawingtool::*> members = {
        {"Pending", &TDrawingtool::Pending},
        {"KeyMode", &TDrawingtool::Pending},
        {"Started", &TDrawingtool::Pending},
        {"CursorX", &TDrawingtool::CursorX},
        {"SecondLineSide", &TDrawingtool::CursorX},
        {"Aux", &TDrawingtool::Aux},
        {"SideInUse", &TDrawingtool::Aux},
        {"State", &TDrawingtool::State},
        {"Kind", &TDrawingtool::Kind},
        {"Width", &TDrawingtool::Width},
        {"Style", &TDrawingtool::Style},
        {"Dragging", &TDrawingtool::Dragging},
        {"DragActive", &TDrawingtool::Dragging},
        {"Count", &TDrawingtool::Count},
        {"Amount", &TDrawingtool::Count},
        {"FreeDistance", &TDrawingtool::Count},
        {"Angle", &TDrawingtool::Angle},
        {"WallAngle", &TDrawingtool::Angle},
        {"CursorY", &TDrawingtool::CursorY},
        {"LastWallSide", &TDrawingtool::CursorY},
        {"Group", &TDrawingtool::Group},
        {"RunNumber", &TDrawingtool::Group},
        {"Number", &TDrawingtool::Number},
        {"ObjectNumber", &TDrawingtool::Number},
        {"X1", &TDrawingtool::X1},
        {"Y1", &TDrawingtool::Y1},
        {"X2", &TDrawingtool::X2},
        {"Y2", &TDrawingtool::Y2},
        {"Extra1", &TDrawingtool::Extra1},
        {"Extra2", &TDrawingtool::Extra2},
        {"Extra3", &TDrawingtool::Extra3},
        {"Extra4", &TDrawingtool::Extra4},
    };
    auto found = members.find(name);
    return found == members.end() ? nullptr : &(tool.*(found->second));
}

// Numbers compare by value ("5" equals "5.0"); anything else by its text.
bool SameValue(const std::string& a, const std::string& b) {
    if (a == b) return true;
    char* endA = nullptr;
    char* endB = nullptr;
    double x = std::strtod(a.c_str(), &endA);
    double y = std::strtod(b.c_str(), &endB);
    return !a.empty() && !b.empty() && *endA == '\0' && *endB == '\0' && x == y;
}

// The character a key types without shift: Enter a carriage return, letters in lower case.
char TypedCharacter(int key) {
    using namespace platform::VirtualKey;
    if (key >= '0' && key <= '9') return static_cast<char>(key);
    if (key >= 'A' && key <= 'Z') return static_cast<char>(key - 'A' + 'a');
    switch (key) {
    case Return:
        return '\r';
    case Back:
        return '\b';
    case Tab:
        return '\t';
    case Escape:
        return 27;
    case ' ':
        return ' ';
    case Add:
        return '+';
    case Subtract:
        return '-';
    case Multiply:
        return '*';
    case Divide:
        return '/';
    default:
        return 0;
    }
}

// Steps that look at what the last paint drew. Recording a paint's primitives costs more than the
// paint itself on a large drawing, so a run records them only when one of these steps is in the script;
// a new step that reads the last paint belongs here.
bool ReadsLastPaint(const Step& step) {
    return (step.verb == "show" && !step.words.empty() && step.words[0].text == "paint") ||
           step.verb == "png";
}

// Steps that look only at what the program left behind (its files, and the message boxes and dialogs
// it showed), which still hold once it has exited; every other step needs the program running.
bool LooksAtWhatWasLeft(const Step& step) {
    if (step.words.empty()) return false;
    const std::string& what = step.words[0].text;
    if (step.verb == "show") return what == "file" || what == "messages";
    if (step.verb != "expect") return false;
    static const char* const records[] = {"message", "nomessage", "file",         "nofile",
                                          "input",   "control",   "colourdialog", "fontdialog"};
    return std::find(std::begin(records), std::end(records), what) != std::end(records);
}

int AnswerCode(const std::string& word) {
    if (word == "yes") return platform::IdYes;
    if (word == "no") return platform::IdNo;
    if (word == "cancel") return platform::IdCancel;
    return platform::IdOk;
}

} // namespace

ScriptRunner::ScriptRunner(std::string folder, std::string scriptDir, std::ostream& out, std::ostream& err,
                           ScriptServices services)
    : folder_(std::move(folder)), scriptDir_(std::move(scriptDir)), out_(out), err_(err),
      services_(std::move(services)) {
    if (!folder_.empty() && folder_.back() != '/') folder_ += '/';
}

ScriptRunner::~ScriptRunner() {
    // The windows go before the program that handles them.
    frame_.reset();
    program_.reset();
    platform::InstallDesktop(nullptr);
    SetWriteStepHook({}); // it reads failingFolders_
}

std::string ScriptRunner::FolderPath(const std::string& relative) const {
    std::string path = relative;
    for (char& c : path)
        if (c == '\\') c = '/';
    if (!path.empty() && path.front() == '/') return path;
    return folder_ + path;
}

bool ScriptRunner::Fail(const Step& step, const std::string& why) {
    err_ << "line " << step.line << ": " << step.source << "\n  " << why << "\n";
    return false;
}

int ScriptRunner::Run(const std::string& scriptText) {
    ParseResult parsed = ParseScript(scriptText);
    if (!parsed.error.empty()) {
        err_ << "script error: " << parsed.error << "\n";
        return 2;
    }
    // Printed pages go to PDF files in the program folder; their calls are not kept, as no step reads them.
    desktop_.pdfDocuments = services_.pdfDocuments;
    desktop_.recordPrintedPages = false;
    desktop_.SetPrinter(
        {"", FolderPath("PRINT.PDF"), platform::Paper::A4, platform::Orientation::Portrait, 300});
    desktop_.SetHelpFolder(FolderPath("HELP/"));
    desktop_.whileModal = [this] { WhileBoxIsOpen(); };
    recordPaints_ = std::any_of(parsed.steps.begin(), parsed.steps.end(), ReadsLastPaint);
    std::string error;
    if (!StartProgram(error)) {
        err_ << "program folder: " << error << "\n";
        return 2;
    }
    steps_ = std::move(parsed.steps);
    while (next_ < steps_.size() && !failed_) {
        const Step& step = steps_[next_++];
        if (!Execute(step)) failed_ = true;
        Settle();
    }
    if (failed_) return 1;
    std::vector<std::string> unused = desktop_.UnusedAnswers();
    if (sizeInNextBox_) unused.push_back("resizeinbox");
    if (!unused.empty()) {
        std::string list;
        for (const std::string& u : unused)
            list += (list.empty() ? "" : ", ") + u;
        err_ << "end of script: answers still queued: " << list << "\n";
        return 1;
    }
    return 0;
}

void ScriptRunner::WhileBoxIsOpen() {
    if (sizeInNextBox_ && frame_) {
        // As a user drags the frame, or maximises it, while the box waits: the views take the size.
        const platform::Size size = *sizeInNextBox_;
        sizeInNextBox_.reset();
        ResizeViews(size);
    }
    if (services_.repaintInDialogs) RepaintWholeView();
}

void ScriptRunner::ResizeViews(platform::Size size) {
    frame_->SetViewClientSize(size);
    if (platform::ScriptedView* view = frame_->ActiveScriptedView()) view->Resize(size);
}

void ScriptRunner::RepaintWholeView() {
    platform::ScriptedView* view = frame_ ? frame_->ActiveScriptedView() : nullptr;
    if (!view) return;
    view->Invalidate(nullptr, true);
    view->UpdateNow();
}

bool ScriptRunner::StartProgram(std::string& error) {
    // A program that ran before has ended: its windows, its folder's lock and its shared state go with it.
    frame_.reset();
    program_.reset();
    folderLock_.reset();
    DrawingList.Flush();
    std::vector<FileNotLaidIn> notLaidIn;
    std::string lockNote;
    if (!TakeProgramFolder(folder_, services_.lockFolder, folderLock_, error, &notLaidIn, &lockNote))
        return false;
    ResetSharedState();
    platform::InstallDesktop(&desktop_);
    program_ = std::make_unique<Program>(folder_, std::move(notLaidIn), std::move(lockNote));
    frame_ = std::make_unique<platform::ScriptedFrame>(program_->Description(), program_->Client(), desktop_,
                                                       *services_.text);
    frame_->inputSource = [this](platform::InputEvent& event) {
        return NextInput(event) ? platform::InputWait::Input : platform::InputWait::Closed;
    };
    frame_->SetRecordPaints(recordPaints_);
    program_->Start(*frame_);
    program_->TellStartNotes();
    return true;
}

bool ScriptRunner::Exited() const {
    return frame_ && frame_->Closed();
}

bool ScriptRunner::Execute(const Step& step) {
    const std::string& v = step.verb;
    const auto& w = step.words;
    // A step run against a program that has exited could save over what it left (an empty drawing).
    if (v == "start") {
        if (!Exited()) return Fail(step, "the program is running: File/Exit first");
        std::string error;
        if (!StartProgram(error)) return Fail(step, "program folder: " + error);
        return true;
    }
    if (v == "remove") {
        std::error_code error;
        std::filesystem::remove_all(FolderPath(w[0].text), error);
        if (error) return Fail(step, "cannot remove " + w[0].text + ": " + error.message());
        return true;
    }
    if (Exited() && !LooksAtWhatWasLeft(step))
        return Fail(step, "the program has exited: the step was not run");
    if (v == "client") {
        ResizeViews({std::atoi(w[0].text.c_str()), std::atoi(w[1].text.c_str())});
        return true;
    }
    if (v == "resizeinbox") {
        sizeInNextBox_ = platform::Size{std::atoi(w[0].text.c_str()), std::atoi(w[1].text.c_str())};
        return true;
    }
    if (v == "command") {
        frame_->Choose(std::atoi(w[0].text.c_str()));
        return true;
    }
    if (IsInputStep(step)) return Deliver(step);
    if (v == "scroll") {
        platform::ScriptedView* view = frame_->ActiveScriptedView();
        if (!view) return Fail(step, "no view is open");
        static const std::map<std::string, platform::ScrollCode> codes{
            {"lineup", platform::ScrollCode::LineUp},
            {"linedown", platform::ScrollCode::LineDown},
            {"pageup", platform::ScrollCode::PageUp},
            {"pagedown", platform::ScrollCode::PageDown},
            {"top", platform::ScrollCode::Top},
            {"bottom", platform::ScrollCode::Bottom},
            {"thumb", platform::ScrollCode::ThumbPosition}};
        int thumb = w.size() == 3 ? std::atoi(w[2].text.c_str()) : 0;
        view->Handler().OnScroll(w[0].text == "h" ? platform::ScrollBar::Horizontal
                                                  : platform::ScrollBar::Vertical,
                                 codes.at(w[1].text), thumb);
        return true;
    }
    if (v == "copy") {
        std::string from = (std::filesystem::path(scriptDir_) / w[0].text).string();
        std::string to = FolderPath(w[1].text);
        std::string bytes;
        if (!ReadWholeFile(from, bytes)) return Fail(step, "cannot read " + from);
        std::filesystem::create_directories(std::filesystem::path(to).parent_path());
        if (!ReplaceFileAtomically(to, bytes)) return Fail(step, "cannot write " + to);
        return true;
    }
    if (v == "readonly") {
        // As a user marks a file read-only: no one may write it.
        namespace fs = std::filesystem;
        std::error_code error;
        fs::permissions(FolderPath(w[0].text),
                        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove, error);
        if (error) return Fail(step, "cannot mark " + w[0].text + " read-only: " + error.message());
        return true;
    }
    if (v == "pipe") {
        // Something that is not a file where the program looks for one.
        const std::string path = FolderPath(w[0].text);
        std::error_code error;
        std::filesystem::remove(path, error);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
        if (::mkfifo(path.c_str(), 0666) != 0) return Fail(step, "cannot make a named pipe at " + w[0].text);
        return true;
    }
    if (v == "filesystem") {
        // Writes into the folder fail as they fail on a file system mounted read-only, or on a full
        // disk, whoever runs the program: the superuser's writes are not stopped by permissions.
        std::string folder = FolderPath(w[0].text);
        while (!folder.empty() && folder.back() == '/')
            folder.pop_back();
        folder += '/';
        if (w[1].text == "ok")
            failingFolders_.erase(folder);
        else
            failingFolders_[folder] = w[1].text == "full" ? ENOSPC : EROFS;
        if (failingFolders_.empty()) {
            SetWriteStepHook({});
            return true;
        }
        SetWriteStepHook([this](WriteStep at, const std::string& path) {
            for (const auto& [failing, error] : failingFolders_) {
                if (path.compare(0, failing.size(), failing) != 0) continue;
                // A read-only file system refuses to create the new file; a full disk takes it but
                // finds no room for its bytes.
                if (at == (error == EROFS ? WriteStep::Create : WriteStep::Write)) return error;
            }
            return 0;
        });
        return true;
    }
    if (v == "png") {
        platform::ScriptedView* view = frame_->ActiveScriptedView();
        if (!view) return Fail(step, "no view is open");
        frame_->RunPendingPaints();
        std::string path = FolderPath(w[0].text);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        if (!services_.savePng || !services_.savePng(view->Image(), path))
            return Fail(step, "cannot write " + path);
        return true;
    }
    if (v == "set") {
        if (!SetGlobalByName(w[0].text, w[1].text))
            return Fail(step, "no global " + w[0].text + " takes " + w[1].text);
        return true;
    }
    if (v == "dialog") {
        platform::DialogAnswer answer;
        answer.resourceId = std::atoi(w[0].text.c_str());
        answer.button = w[1].text == "ok"       ? platform::DialogAnswer::Button::Ok
                        : w[1].text == "cancel" ? platform::DialogAnswer::Button::Cancel
                                                : platform::DialogAnswer::Button::Help;
        for (std::size_t i = 2; i < w.size(); ++i) {
            const std::string& fill = w[i].text;
            std::size_t eq = fill.find('=');
            platform::DialogAnswer::Fill f;
            f.control = std::atoi(fill.substr(0, eq).c_str());
            std::string value = fill.substr(eq + 1);
            // A quoted value is always text; bare on, off and #N tick, clear and choose.
            bool quoted = w[i].quoted;
            if (!quoted && value == "on")
                f.kind = platform::DialogAnswer::Fill::Kind::Check;
            else if (!quoted && value == "off")
                f.kind = platform::DialogAnswer::Fill::Kind::Uncheck;
            else if (!quoted && value.size() > 1 && value[0] == '#') {
                f.kind = platform::DialogAnswer::Fill::Kind::Select;
                f.index = std::atoi(value.c_str() + 1);
            } else {
                f.kind = platform::DialogAnswer::Fill::Kind::Text;
                f.text = value;
            }
            answer.fills.push_back(f);
        }
        desktop_.QueueDialog(answer);
        return true;
    }
    if (v == "input") {
        if (w[0].text == "ok")
            desktop_.QueueInput(w[1].text);
        else
            desktop_.QueueInput(std::nullopt);
        return true;
    }
    if (v == "message") {
        desktop_.QueueMessageAnswer(AnswerCode(w[0].text));
        return true;
    }
    if (v == "file") {
        if (!w[0].quoted && w[0].text == "cancel")
            desktop_.QueueFile(std::nullopt);
        else
            desktop_.QueueFile(w[0].text);
        return true;
    }
    if (v == "colour") {
        if (w[0].text == "cancel")
            desktop_.QueueColour(std::nullopt);
        else
            desktop_.QueueColour(platform::Rgb(std::atoi(w[1].text.c_str()), std::atoi(w[2].text.c_str()),
                                               std::atoi(w[3].text.c_str())));
        return true;
    }
    if (v == "font") {
        if (w[0].text == "cancel") {
            desktop_.QueueFont(std::nullopt);
        } else {
            platform::FontChoice font;
            font.face = w[1].text;
            font.pointSizeTenths = std::atoi(w[2].text.c_str()) * 10; // the script gives points
            font.weight = std::atoi(w[3].text.c_str());
            desktop_.QueueFont(font);
        }
        return true;
    }
    if (v == "print") {
        desktop_.QueuePrint(w[0].text == "ok");
        return true;
    }
    if (v == "printer") {
        platform::PrinterChoice printer;
        printer.pdfFile = FolderPath(w[0].text);
        printer.paper = w[1].text == "a3"       ? platform::Paper::A3
                        : w[1].text == "letter" ? platform::Paper::Letter
                                                : platform::Paper::A4;
        printer.orientation =
            w[2].text == "landscape" ? platform::Orientation::Landscape : platform::Orientation::Portrait;
        printer.dotsPerInch = std::atoi(w[3].text.c_str());
        desktop_.SetPrinter(printer);
        return true;
    }
    if (v == "expect") return Expect(step);
    if (v == "show") {
        if (w[0].text == "file") {
            std::string bytes;
            if (!ReadWholeFile(FolderPath(w[1].text), bytes)) return Fail(step, "no file " + w[1].text);
            out_ << bytes;
            if (!bytes.empty() && bytes.back() != '\n') out_ << "\n";
            return true;
        }
        if (w[0].text == "messages") {
            for (const platform::ShownMessage& m : desktop_.Messages())
                out_ << Shown(m.text) << " " << Shown(m.caption) << "\n";
            return true;
        }
        if (w[0].text == "paint") {
            platform::ScriptedView* view = frame_->ActiveScriptedView();
            if (!view) return Fail(step, "no view is open");
            frame_->RunPendingPaints();
            out_ << view->LastPaint();
            return true;
        }
    }
    return Fail(step, "unknown step " + v);
}

bool ScriptRunner::IsInputStep(const Step& step) {
    return step.verb == "press" || step.verb == "move" || step.verb == "release" || step.verb == "key" ||
           step.verb == "char" || step.verb == "type";
}

std::vector<platform::InputEvent> ScriptRunner::EventsOf(const Step& step) const {
    using platform::InputKind;
    const auto& w = step.words;
    std::vector<platform::InputEvent> events;
    auto at = [&](std::size_t i) {
        return platform::Point{std::atoi(w[i].text.c_str()), std::atoi(w[i + 1].text.c_str())};
    };
    if (step.verb == "press" || step.verb == "release") {
        bool left = w[0].text == "left";
        platform::InputEvent e;
        e.kind = step.verb == "press" ? (left ? InputKind::LeftDown : InputKind::RightDown)
                                      : (left ? InputKind::LeftUp : InputKind::RightUp);
        e.point = at(1);
        events.push_back(e);
    } else if (step.verb == "move") {
        platform::InputEvent e;
        e.kind = InputKind::MouseMove;
        e.point = at(0);
        events.push_back(e);
    } else if (step.verb == "key") {
        int key = std::atoi(w[0].text.c_str());
        bool down = w.size() == 1 || w[1].text == "down";
        bool up = w.size() == 1 || w[1].text == "up";
        if (down) events.push_back(platform::InputEvent{InputKind::KeyDown, {}, key, 0});
        if (up) events.push_back(platform::InputEvent{InputKind::KeyUp, {}, key, 0});
    } else if (step.verb == "type") {
        // A key as the keyboard types it: down, the character it types, up.
        int key = std::atoi(w[0].text.c_str());
        events.push_back(platform::InputEvent{InputKind::KeyDown, {}, key, 0});
        if (char typed = TypedCharacter(key))
            events.push_back(platform::InputEvent{InputKind::Char, {}, 0, typed});
        events.push_back(platform::InputEvent{InputKind::KeyUp, {}, key, 0});
    } else if (step.verb == "char") {
        for (char c : w[0].text)
            events.push_back(platform::InputEvent{InputKind::Char, {}, 0, c});
    }
    return events;
}

void ScriptRunner::Track(platform::InputEvent& event) {
    // The mouse cursor follows the pointer events, which carry the buttons the script holds down.
    held_.Apply(event);
    bool pointer = platform::IsMouseInput(event.kind);
    if (platform::ScriptedView* view = frame_->ActiveScriptedView(); view && pointer)
        desktop_.SetCursorPos(view->ClientToScreen(event.point));
}

bool ScriptRunner::Deliver(const Step& step) {
    for (const platform::InputEvent& event : EventsOf(step))
        queued_.push_back(event);
    while (!queued_.empty()) {
        platform::ScriptedView* view = frame_->ActiveScriptedView();
        if (!view) {
            queued_.clear();
            return Fail(step, "no view is open");
        }
        platform::InputEvent event = queued_.front();
        queued_.pop_front();
        Track(event);
        view->Handler().OnInput(event);
        if (failed_) return false;
    }
    return true;
}

bool ScriptRunner::NextInput(platform::InputEvent& event) {
    // A drag loop inside a press handler waits here: the steps up to the next input run first.
    while (queued_.empty()) {
        // Once the program has exited its drag ends; the steps after it are judged one by one.
        if (failed_ || Exited() || next_ >= steps_.size()) return false;
        const Step& step = steps_[next_++];
        if (IsInputStep(step)) {
            // The view that holds the drag may have closed meanwhile: input needs one open.
            if (!frame_->ActiveScriptedView()) {
                failed_ = true;
                return Fail(step, "no view is open");
            }
            for (const platform::InputEvent& e : EventsOf(step))
                queued_.push_back(e);
            continue;
        }
        if (!Execute(step)) {
            failed_ = true;
            return false;
        }
    }
    event = queued_.front();
    queued_.pop_front();
    Track(event);
    return true;
}

void ScriptRunner::Settle() {
    // No message loop runs once the program has exited.
    if (!frame_ || Exited()) return;
    // The message loop is quiet again: pending paints run and closed views go.
    frame_->RunPendingPaints();
    program_->Client().ReleaseClosedViews();
}

bool ScriptRunner::Expect(const Step& step) {
    const auto& w = step.words;
    const std::string& what = w[0].text;
    if (what == "message") {
        const auto& messages = desktop_.Messages();
        if (expectedMessages_ >= messages.size()) return Fail(step, "no message box was shown");
        const platform::ShownMessage& m = messages[expectedMessages_++];
        if (m.text != w[1].text || m.caption != w[2].text)
            return Fail(step, "saw message " + Shown(m.text) + " with caption " + Shown(m.caption));
        return true;
    }
    if (what == "nomessage") {
        const auto& messages = desktop_.Messages();
        if (expectedMessages_ < messages.size()) {
            const platform::ShownMessage& m = messages[expectedMessages_];
            return Fail(step, "saw message " + Shown(m.text) + " with caption " + Shown(m.caption));
        }
        return true;
    }
    if (what == "title") {
        platform::ScriptedView* view = frame_->ActiveScriptedView();
        if (!view) return Fail(step, "no view is open");
        if (view->Title() != w[1].text) return Fail(step, "saw title " + Shown(view->Title()));
        return true;
    }
    if (what == "status" || what == "caption" || what == "readout") {
        std::string seen = what == "status"    ? desktop_.StatusText()
                           : what == "caption" ? desktop_.ToolCaption()
                                               : desktop_.ReadoutText();
        if (seen != w[1].text) return Fail(step, "saw " + what + " " + Shown(seen));
        return true;
    }
    if (what == "global") {
        std::optional<std::string> value = GlobalValueByName(w[1].text);
        if (!value) return Fail(step, "no global " + w[1].text);
        if (!SameValue(*value, w[2].text)) return Fail(step, "saw " + w[1].text + " " + *value);
        return true;
    }
    if (what == "control") {
        const int resource = std::atoi(w[1].text.c_str());
        const std::map<int, std::string>* shown = desktop_.ControlsAtOpening(resource);
        if (!shown) return Fail(step, "dialog " + w[1].text + " has not run");
        auto control = shown->find(std::atoi(w[2].text.c_str()));
        if (control == shown->end())
            return Fail(step, "dialog " + w[1].text + " has no control " + w[2].text);
        if (control->second != w[3].text)
            return Fail(step, "control " + w[2].text + " showed " + Shown(control->second));
        return true;
    }
    if (what == "input") {
        const auto& inputs = desktop_.Inputs();
        if (expectedInputs_ >= inputs.size()) return Fail(step, "no input dialog was shown");
        const platform::ShownInput& input = inputs[expectedInputs_++];
        if (input.title != w[1].text || input.prompt != w[2].text || input.text != w[3].text)
            return Fail(step, "saw input dialog " + Shown(input.title) + " " + Shown(input.prompt) + " " +
                                  Shown(input.text));
        return true;
    }
    if (what == "colourdialog") {
        const auto& dialogs = desktop_.ColourDialogs();
        if (expectedColourDialogs_ >= dialogs.size()) return Fail(step, "no colour dialog was shown");
        const platform::ShownColourDialog& dialog = dialogs[expectedColourDialogs_++];
        const platform::ColourRef start = platform::Rgb(
            std::atoi(w[1].text.c_str()), std::atoi(w[2].text.c_str()), std::atoi(w[3].text.c_str()));
        if (dialog.start != start || dialog.status != w[4].text)
            return Fail(step, "saw a colour dialog on " + std::to_string(platform::RedOf(dialog.start)) +
                                  " " + std::to_string(platform::GreenOf(dialog.start)) + " " +
                                  std::to_string(platform::BlueOf(dialog.start)) + " beside the prompt " +
                                  Shown(dialog.status));
        return true;
    }
    if (what == "fontdialog") {
        const auto& dialogs = desktop_.FontDialogs();
        if (expectedFontDialogs_ >= dialogs.size()) return Fail(step, "no font dialog was shown");
        const platform::FontChoice& font = dialogs[expectedFontDialogs_++];
        // The script gives points, the dialog tenths of a point.
        if (font.face != w[1].text || font.pointSizeTenths != std::atoi(w[2].text.c_str()) * 10 ||
            font.weight != std::atoi(w[3].text.c_str()))
            return Fail(step, "saw a font dialog on " + Shown(font.face) + " " +
                                  std::to_string(font.pointSizeTenths) + " tenths " +
                                  std::to_string(font.weight));
        return true;
    }
    if (what == "tool") {
        const int* member = ToolMember(program_->Client().Tool(), w[1].text);
        if (!member) return Fail(step, "no tool member " + w[1].text);
        if (std::to_string(*member) != w[2].text)
            return Fail(step, "saw " + w[1].text + " " + std::to_string(*member));
        return true;
    }
    if (what == "cursor") {
        platform::ScriptedView* view = frame_->ActiveScriptedView();
        if (!view) return Fail(step, "no view is open");
        const platform::Point at = view->ScreenToClient(desktop_.GetCursorPos());
        if (at.x != std::atoi(w[1].text.c_str()) || at.y != std::atoi(w[2].text.c_str()))
            return Fail(step, "the cursor is at " + std::to_string(at.x) + " " + std::to_string(at.y));
        return true;
    }
    if (what == "nofile") {
        if (std::filesystem::exists(FolderPath(w[1].text))) return Fail(step, "the file exists");
        return true;
    }
    if (what == "file") {
        std::string bytes;
        if (!ReadWholeFile(FolderPath(w[1].text), bytes)) return Fail(step, "no file " + w[1].text);
        if (w.size() == 3) {
            if (bytes != w[2].text) return Fail(step, "the file holds " + Shown(bytes));
            return true;
        }
        if (w[2].text == "same") {
            std::string expected;
            std::string other = (std::filesystem::path(scriptDir_) / w[3].text).string();
            if (!ReadWholeFile(other, expected)) return Fail(step, "cannot read " + other);
            if (bytes != expected) return Fail(step, "the file holds " + Shown(bytes));
            return true;
        }
        int wanted = std::atoi(w[3].text.c_str());
        std::istringstream lines(bytes);
        std::string line;
        for (int n = 1; std::getline(lines, line); ++n) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (n == wanted) {
                if (line != w[4].text) return Fail(step, "line " + std::to_string(n) + " is " + Shown(line));
                return true;
            }
        }
        return Fail(step, "the file has fewer than " + w[3].text + " lines");
    }
    return Fail(step, "unknown expectation " + what);
}

} // namespace script
