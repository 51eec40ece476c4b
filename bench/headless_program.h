#pragma once
// The program over a program folder, headless, in a scripted frame with a view of a given size: the
// benchmarks drive it through its own command table and view input, as a user would, and every step
// ends with the paints it leaves waiting.

#include "app/program.h"
#include "platform/input.h"
#include "platform/scripted_desktop.h"
#include "platform/scripted_windows.h"
#include "platform/text_renderer.h"

#include <deque>
#include <memory>
#include <string>

class HeadlessProgram {
  public:
    HeadlessProgram(const std::string& folder, platform::TextRenderer& text,
                    platform::ScriptedDesktop& desktop, platform::Size view)
        : desktop_(desktop), program_(std::make_unique<Program>(folder)),
          frame_(std::make_unique<platform::ScriptedFrame>(program_->Description(), program_->Client(),
                                                           desktop_, text)) {
        frame_->SetViewClientSize(view);
        frame_->SetRecordPaints(false);
        // A press that runs a drag takes the inputs queued after it (Queue) as the drag's.
        frame_->inputSource = [this](platform::InputEvent& event) {
            if (queued_.empty()) return platform::InputWait::Closed;
            event = queued_.front();
            queued_.pop_front();
            Track(event);
            return platform::InputWait::Input;
        };
        program_->Start(*frame_);
    }
    ~HeadlessProgram() {
        frame_.reset();
        program_.reset();
    }
    HeadlessProgram(const HeadlessProgram&) = delete;
    HeadlessProgram& operator=(const HeadlessProgram&) = delete;

    Program& program() { return *program_; }
    platform::ScriptedView& View() { return *frame_->ActiveScriptedView(); }

    // A command, then the paint it leaves waiting.
    void Command(int id) {
        frame_->Choose(id);
        Settle();
    }
    // One input to the view, the mouse cursor following the pointer as the script runner moves it.
    void Input(platform::InputKind kind, platform::Point point = {}, int key = 0) {
        const platform::InputEvent event = Event(kind, point, key);
        Track(event);
        View().Handler().OnInput(event);
        Settle();
    }
    void Queue(platform::InputKind kind, platform::Point point) { queued_.push_back(Event(kind, point, 0)); }
    void Settle() { frame_->RunPendingPaints(); }

  private:
    static platform::InputEvent Event(platform::InputKind kind, platform::Point point, int key) {
        platform::InputEvent event;
        event.kind = kind;
        event.point = point;
        event.key = key;
        if (kind == platform::InputKind::LeftDown || kind == platform::InputKind::MouseMove)
            event.held = platform::MouseFlag::Left;
        return event;
    }
    // The zoom's rectangle and the tools read where the cursor is.
    void Track(const platform::InputEvent& event) {
        if (platform::IsMouseInput(event.kind)) desktop_.SetCursorPos(View().ClientToScreen(event.point));
    }

    platform::ScriptedDesktop& desktop_;
    std::unique_ptr<Program> program_;
    std::unique_ptr<platform::ScriptedFrame> frame_;
    std::deque<platform::InputEvent> queued_;
};
