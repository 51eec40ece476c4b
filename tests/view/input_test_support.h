#pragma once
// A drawing view driven without the client: a recording tool stands in for the active tool and a
// recording owner for the client, so a test sees which tool operation the view called, with what, and
// which tool the view asked for. The owner gives the view recording sets of the subsystems'
// operations, so their calls are seen too.

#include "app/program_folder.h"
#include "model/drawing_list.h"
#include "model/drawing_objects.h"
#include "model/shared_state.h"
#include "platform/qt/text_renderer_factory.h"
#include "platform/scripted_desktop.h"
#include "platform/scripted_windows.h"
#include "rooms/room_operations.h"
#include "test_support.h"
#include "tools/drawing_tool.h"
#include "tools/editing_operations.h"
#include "view/child.h"
#include "view/view_owner.h"
#include "view/zoom_operations.h"
#include "walls/wall_operations.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace input_test {

using Log = std::vector<std::string>;

// A tool that records every operation the view calls as "kind:Operation(arguments)", and checks the
// calling protocol: the operation's device context is the view's TempDC and the tool knows the view.
class RecordingTool : public TDrawingtool {
  public:
    RecordingTool(Log& log, const TChild*& view, int kind) : log_(log), view_(view) { Kind = kind; }

    // Runs after each recorded operation, with the operation's name: a test makes the tool leave its
    // results in its members there.
    std::function<void(RecordingTool&, const std::string&)> after;

    void LButtonDown(platform::DeviceContext& dc, const platform::Rect&, int x, int y) override {
        Record(&dc, "LButtonDown", Args(x, y));
    }
    void LButtonUp(platform::DeviceContext& dc, const platform::Rect&, platform::Point& p) override {
        Record(&dc, "LButtonUp", Args(p.x, p.y));
    }
    void RButtonDown(platform::DeviceContext& dc, const platform::Rect&, platform::Point& p) override {
        Record(&dc, "RButtonDown", Args(p.x, p.y));
    }
    void RButtonUp(platform::DeviceContext& dc, const platform::Rect&, int x, int y) override {
        Record(&dc, "RButtonUp", Args(x, y));
    }
    void MouseMove(platform::DeviceContext& dc, const platform::Rect&, int x, int y) override {
        Record(&dc, "MouseMove", Args(x, y));
    }
    void DrawShape(platform::DeviceContext& dc, int code) override { Record(&dc, "DrawShape", Args(code)); }
    void KeyDown(platform::DeviceContext& dc, const platform::Rect&, int key, platform::Point p,
                 int value) override {
        Record(&dc, "KeyDown", Args(key, p.x, p.y, value));
    }
    void PlaceText(platform::DeviceContext& dc, const platform::Rect&, platform::Point& p,
                   const std::string& text) override {
        Record(&dc, "PlaceText", Args(p.x, p.y) + "," + text);
    }
    void CharTyped(platform::DeviceContext& dc, const platform::Rect&, char c) override {
        Record(&dc, "CharTyped", Args(static_cast<int>(c)));
    }
    void AddDimension(platform::DeviceContext& dc, const platform::Rect&, int a, int b, int c,
                      int side) override {
        Record(&dc, "AddDimension", Args(a, b, c) + "," + static_cast<char>(side));
    }
    void AddLineText(platform::DeviceContext& dc, const platform::Rect&, int first, int unused) override {
        Record(&dc, "AddLineText", Args(first, unused));
    }
    void Action(int code) override { Record(nullptr, "Action", Args(code)); }
    void Step(int code, int x, int y) override { Record(nullptr, "Step", Args(code, x, y)); }
    void FindLineCentre(platform::DeviceContext& dc, const platform::Rect&, int x, int y) override {
        Record(&dc, "FindLineCentre", Args(x, y));
    }
    void FindRectCentre(platform::DeviceContext& dc, const platform::Rect&, int x, int y) override {
        Record(&dc, "FindRectCentre", Args(x, y));
    }

  private:
    template <typename... Values> static std::string Args(Values... values) {
        std::string text;
        ((text += (text.empty() ? "" : ",") + std::to_string(values)), ...);
        return text;
    }
    void Record(platform::DeviceContext* dc, const std::string& name, const std::string& args) {
        std::string entry = std::to_string(Kind) + ":" + name + "(" + args + ")";
        if (dc && (view_ == nullptr || view_->TempDC != dc)) entry += " outside TempDC";
        if (view_ && Hwnd() != view_->Window()) entry += " without the view";
        log_.push_back(entry);
        if (after) after(*this, name);
    }
    Log& log_;
    const TChild*& view_;
};

// The operations of the subsystems as the view calls them, recorded as "Operation(arguments)".
class RecordingWalls : public WallOperations {
  public:
    explicit RecordingWalls(Log& log) : log_(log) {}
    void ShowHouseRectangleSize(DrawingView&, int mode) override {
        log_.push_back("ShowHouseRectangleSize(" + std::to_string(mode) + ")");
    }
    void InvalidateWallEditArea(DrawingView&, const platform::Rect&, int mode) override {
        log_.push_back("InvalidateWallEditArea(" + std::to_string(mode) + ")");
    }
    void ChooseExternalWallType(DrawingView&) override { log_.push_back("ChooseExternalWallType"); }

  private:
    Log& log_;
};

class RecordingRooms : public RoomOperations {
  public:
    explicit RecordingRooms(Log& log) : log_(log) {}
    void InvalidateDesignRoomArea(DrawingView&, const platform::Rect&) override {
        log_.push_back("InvalidateDesignRoomArea");
    }
    void NewFixedRoom(DrawingView&) override { log_.push_back("NewFixedRoom"); }
    void NewMaxDesignRoom(DrawingView&) override { log_.push_back("NewMaxDesignRoom"); }
    void MakeLayoutGrid(TList& list) override {
        log_.push_back("MakeLayoutGrid");
        if (layoutGrid) layoutGrid(list);
    }
    // What the layout grid does to the list, when a test gives it something to do.
    std::function<void(TList&)> layoutGrid;

  private:
    Log& log_;
};

class RecordingEditing : public EditingOperations {
  public:
    RecordingEditing(Log& log, std::function<TDrawingtool&()> tool) : log_(log), tool_(std::move(tool)) {}
    void EnterMeasurement(DrawingView&, int x, int y) override {
        log_.push_back("EnterMeasurement(" + std::to_string(x) + "," + std::to_string(y) + ")");
    }
    void ReportFloorArea(DrawingView&, int mode) override {
        log_.push_back("ReportFloorArea(" + std::to_string(mode) + ")");
    }
    int CheckRotationLimits(DrawingView&) override {
        log_.push_back("CheckRotationLimits");
        return rotationLimited;
    }
    void RunViewDialog(DrawingView&, int mode) override {
        log_.push_back("RunViewDialog(" + std::to_string(mode) + ")");
        if (viewDialogCancelled) tool_().Y1 = TLineobjtool::NoLineText;
    }
    void RunLibraryCaptureDialog(DrawingView&) override { log_.push_back("RunLibraryCaptureDialog"); }

    int rotationLimited = 0;          // what CheckRotationLimits answers
    bool viewDialogCancelled = false; // whether the line-text dialog is cancelled

  private:
    Log& log_;
    std::function<TDrawingtool&()> tool_;
};

class RecordingZoom : public ZoomOperations {
  public:
    explicit RecordingZoom(Log& log) : log_(log) {}
    void ZoomView(TChild&, int mode) override { log_.push_back("ZoomView(" + std::to_string(mode) + ")"); }
    void RedrawLayoutGrid(TChild&) override { log_.push_back("RedrawLayoutGrid"); }

  private:
    Log& log_;
};

// The client as the view sees it: the tool replacements are recorded and install recording tools.
class RecordingOwner : public ViewOwner {
  public:
    explicit RecordingOwner(Log& log)
        : walls(log), rooms(log), editing(log, [this]() -> TDrawingtool& { return Tool(); }), zoom(log),
          log_(log) {
        Install(1);
    }
    TDrawingtool& Tool() override { return *tool_; }
    RecordingTool& Recording() { return *tool_; }
    void SelectPickTool() override {
        log_.push_back("SelectPickTool");
        Install(21);
    }
    void RestoreTool(int kind) override {
        log_.push_back("RestoreTool(" + std::to_string(kind) + ")");
        Install(kind);
    }
    void ViewClosed(TChild&) override {}
    WallOperations& Walls() override { return walls; }
    RoomOperations& Rooms() override { return rooms; }
    EditingOperations& Editing() override { return editing; }
    ZoomOperations& Zooming() override { return zoom; }
    RecordingTool& Install(int kind) {
        tool_ = std::make_unique<RecordingTool>(log_, view, kind);
        if (onInstall) onInstall(*tool_);
        return *tool_;
    }

    const TChild* view = nullptr;
    // Runs on every tool installed, the first excepted.
    std::function<void(RecordingTool&)> onInstall;
    RecordingWalls walls;
    RecordingRooms rooms;
    RecordingEditing editing;
    RecordingZoom zoom;

  private:
    Log& log_;
    std::unique_ptr<RecordingTool> tool_;
};

// A metric floor view of 600 x 400 pixels at normal size with its window origin at (0, 0) of the sheet,
// so client pixel (x, y) is the drawing point (25x, 25(400 - y)).
class InputView : public testing::Test {
  protected:
    void SetUp() override { Open(1); }
    void TearDown() override {
        // The frame closes the view's window first; the view hears it while it still exists.
        frame.reset();
        view.reset();
        DrawingList.Flush();
        platform::InstallDesktop(nullptr);
        ResetSharedState();
    }

    // Opens the view for the drawing's units (1 metric, 0 feet and inches).
    void Open(int units) {
        frame.reset();
        view.reset();
        DrawingList.Flush();
        ResetSharedState();
        std::string error;
        ASSERT_TRUE(PrepareProgramFolder(folder.Path().string() + "/", error)) << error;
        DrawingList.ProgramDir = folder.Path().string() + "/";
        DrawingList.DrawingName = "HOUSE";
        test_support::WriteFile(folder.Path() / "CFG/SCROLL.CFG", "10 10");
        test_support::WriteFile(folder.Path() / (units == 1 ? "CFG/DWGSIZEM.CFG" : "CFG/DWGSIZEI.CFG"),
                                "8400 5940");
        platform::InstallDesktop(&desktop);
        Shared.Units = units;
        Shared.CurrentView = 50;
        Shared.DrawingState = 2;
        frame =
            std::make_unique<platform::ScriptedFrame>(platform::FrameDescription{}, commands, desktop, *text);
        frame->SetViewClientSize({600, 400});
        frame->inputSource = [this](platform::InputEvent& event) {
            if (pending.empty()) return platform::InputWait::Closed;
            std::optional<platform::InputEvent> next = pending.front();
            pending.pop_front();
            if (!next) return platform::InputWait::Idle;
            event = *next;
            Track(event);
            return platform::InputWait::Input;
        };
        view = std::make_unique<TChild>(owner, "HOUSE.PLN");
        owner.view = view.get();
        view->Create(*frame);
        frame->RunPendingPaints();
        ScrollToSheetOrigin();
        log.clear();
    }

    // The window origin at the sheet's lower-left corner.
    void ScrollToSheetOrigin() {
        view->scroller.XPos = 0;
        view->scroller.YPos = view->ScrollRangeY;
        Shared.ScrollX = 0;
        Shared.ScrollY = 0;
    }

    RecordingTool& Tool() { return owner.Recording(); }
    // Installs a recording tool of a kind and state without recording the installation.
    RecordingTool& UseTool(int kind, int state = 0) {
        RecordingTool& tool = owner.Install(kind);
        tool.State = state;
        return tool;
    }
    platform::ScriptedView& Window() { return *frame->ActiveScriptedView(); }

    // Input as the user gives it; the drag of a press takes the inputs queued in `pending`. Mouse input
    // carries the buttons held as the inputs so far leave them.
    void Input(platform::InputKind kind, platform::Point point = {}, int key = 0, char character = 0) {
        platform::InputEvent event{kind, point, key, character};
        Track(event);
        view->OnInput(event);
    }
    void Track(platform::InputEvent& event) {
        held.Apply(event);
        if (platform::IsMouseInput(event.kind)) desktop.SetCursorPos(Window().ClientToScreen(event.point));
    }
    void Press(platform::Point point) { Input(platform::InputKind::LeftDown, point); }
    void Key(int key) { Input(platform::InputKind::KeyDown, {}, key); }
    void Queue(platform::InputKind kind, platform::Point point = {}) {
        pending.push_back(platform::InputEvent{kind, point, 0, 0});
    }
    // The drag waits in vain once: the pointer rests.
    void QueueIdle() { pending.push_back(std::nullopt); }
    // The mouse cursor at a client pixel.
    void CursorAt(platform::Point client) { desktop.SetCursorPos(Window().ClientToScreen(client)); }
    platform::Point CursorInClient() const {
        return {desktop.GetCursorPos().x - platform::ScriptedFrame::ClientOrigin.x,
                desktop.GetCursorPos().y - platform::ScriptedFrame::ClientOrigin.y};
    }

    // Objects for the drawing, added to the list and saved, so a paint (which reads the drawing file
    // back) keeps them.
    static void AddExternalWall(int x1, int y1, int x2, int y2, int view = 50) {
        auto wall = std::make_unique<TExtwallobj>();
        wall->view = view;
        wall->x1 = x1;
        wall->y1 = y1;
        wall->x2 = x2;
        wall->y2 = y2;
        wall->ewall1 = 100;
        DrawingList.Add(std::move(wall));
        DrawingList.WriteDrawing();
    }
    static void AddLine(int type, int x1, int y1, int x2, int y2, int view = 50) {
        auto line = std::make_unique<TLineobj>();
        line->type = type;
        line->view = view;
        line->x1 = x1;
        line->y1 = y1;
        line->x2 = x2;
        line->y2 = y2;
        DrawingList.Add(std::move(line));
        DrawingList.WriteDrawing();
    }
    static TTextobj& AddText(const std::string& text, int x1, int y1, int view = 50) {
        auto object = std::make_unique<TTextobj>();
        object->view = view;
        object->x1 = x1;
        object->y1 = y1;
        SetObjectString(object->text, object->textLength, text);
        TTextobj& added = *object;
        DrawingList.Add(std::move(object));
        DrawingList.WriteDrawing();
        return added;
    }

    std::string Prompt() const { return desktop.StatusText(); }
    std::string LastInputBox() const {
        return desktop.InputPrompts().empty() ? "" : desktop.InputPrompts().back();
    }
    std::string Messages() const {
        std::string all;
        for (const auto& m : desktop.Messages())
            all += m.text + "|" + m.caption + ";";
        return all;
    }

    static inline std::unique_ptr<platform::TextRenderer> text = platform::qt::MakeTextRenderer();
    test_support::TempFolder folder;
    platform::ScriptedDesktop desktop;
    test_support::NullFrameHandler commands;
    Log log;
    RecordingOwner owner{log};
    std::unique_ptr<platform::ScriptedFrame> frame;
    std::unique_ptr<TChild> view;
    std::deque<std::optional<platform::InputEvent>> pending; // nothing: a wait with no input
    platform::HeldButtons held;
    int& rotationLimited = owner.editing.rotationLimited;
    bool& viewDialogCancelled = owner.editing.viewDialogCancelled;
};

} // namespace input_test
