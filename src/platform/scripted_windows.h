#pragma once
// The frame and views of scripted runs: windows in memory. A view keeps its image and the primitives of
// its last paint; paints run when the script reaches a quiet point (as a message loop runs them when it
// is idle) or at once when the program asks for an update. Only the active view paints: the others lie
// hidden behind it.

#include "platform/recording_surface.h"
#include "platform/text_renderer.h"
#include "platform/view_image.h"
#include "platform/window.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace platform {

class ScriptedDesktop;
class ScriptedFrame;

class ScriptedView : public ViewWindow {
  public:
    ScriptedView(ScriptedFrame& frame, ViewHandler& handler, const std::string& title, Size client);
    ~ScriptedView() override;

    void SetTitle(const std::string& title) override { title_ = title; }
    std::string Title() const override { return title_; }
    Rect ClientRect() const override { return image_.Client(); }
    void SetBackground(ColourRef colour) override { image_.SetBackground(colour); }
    std::unique_ptr<DeviceContext> ClientDC() override;
    void Invalidate(const Rect* area, bool erase) override;
    void UpdateNow() override;
    void ScrollPixels(int dx, int dy) override;
    void SetThumb(ScrollBar bar, int position) override;
    int Thumb(ScrollBar bar) const override;
    void SetThumbSize(ScrollBar bar, int page) override {
        thumbSizes_[bar == ScrollBar::Vertical ? 1 : 0] = page;
    }
    int ThumbSize(ScrollBar bar) const override { return thumbSizes_[bar == ScrollBar::Vertical ? 1 : 0]; }
    InputWait NextInput(InputEvent& event, int idleMilliseconds) override;
    void SetCapture(bool captured) override { captured_ = captured; }
    Point ClientToScreen(Point client) const override;
    Point ScreenToClient(Point screen) const override;
    void SetCursorShape(CursorShape shape) override { cursorShape_ = shape; }
    CursorShape GetCursorShape() const override { return cursorShape_; }
    void CreateCaret(int width, int height) override;
    void SetCaretPos(Point client) override { caret_.position = client; }
    void ShowCaret(bool shown) override { caret_.shown = shown; }
    void DestroyCaret() override { caret_ = Caret{}; }
    const PixelBuffer& Image() const override { return image_.Image(); }
    void Close() override;

    // Changes the client size; the handler hears OnSize.
    void Resize(Size client);
    // Runs the pending paint when there is one.
    void PaintPending();
    bool HasPendingPaint() const { return image_.HasDirty(); }
    // The area the next paint will cover.
    std::optional<Rect> PendingArea() const { return image_.Dirty(); }
    // The calls of the last paint, one line each; empty when the frame does not record paints.
    std::string LastPaint() const { return image_.LastPaint(); }
    Rect LastPaintedArea() const { return image_.LastPaintedArea(); }
    bool Captured() const { return captured_; }
    ViewHandler& Handler() { return *handler_; }

    struct Caret {
        bool exists = false;
        bool shown = false;
        Size size;
        Point position;
    };
    const Caret& CaretState() const { return caret_; }

  private:
    ScriptedFrame& frame_;
    ViewHandler* handler_;
    std::string title_;
    ViewImage image_;
    int thumbs_[2] = {0, 0};
    int thumbSizes_[2] = {10, 10};
    bool captured_ = false;
    CursorShape cursorShape_ = CursorShape::Arrow;
    Caret caret_;
};

class ScriptedFrame : public FrameWindow {
  public:
    ScriptedFrame(const FrameDescription& description, FrameHandler& handler, ScriptedDesktop& desktop,
                  TextRenderer& text);
    ~ScriptedFrame() override;

    ViewWindow* CreateView(ViewHandler& handler, const std::string& title) override;
    ViewWindow* ActiveView() const override;
    std::vector<ViewWindow*> Views() const override;
    bool CloseAllViews() override;
    void Close() override { closed_ = true; }
    void RefreshCommands() override {}
    void SetBackground(ColourRef colour) override { background_ = colour; }

    // The user chooses a menu item or presses a button: greyed commands do nothing. False when the
    // command is greyed or unknown to the menu, toolbar and handler.
    bool Choose(int command);
    bool Closed() const { return closed_; }
    // Client size of views opened from now on.
    void SetViewClientSize(Size size) { viewClient_ = size; }
    Size ViewClientSize() const { return viewClient_; }
    ScriptedView* ActiveScriptedView() const;
    // Makes another open view the active one.
    void Activate(ScriptedView* view);
    // The quiet point of a message loop: the active view runs its pending paint.
    void RunPendingPaints();
    // Whether paints keep the primitives they draw (LastPaint). On by default; a run that never looks
    // at them turns it off, as formatting every primitive of a large drawing costs more than painting it.
    void SetRecordPaints(bool record) { recordPaints_ = record; }
    bool RecordsPaints() const { return recordPaints_; }
    // Where a drag loop gets its next input; a script's time stands still, so Idle comes only when the
    // source says the pointer rests.
    std::function<InputWait(InputEvent&)> inputSource;

    const FrameDescription& Description() const { return description_; }
    FrameHandler& Handler() { return handler_; }
    ScriptedDesktop& Desktop() { return desktop_; }
    TextRenderer& Text() { return text_; }
    // Where views' client areas start on the screen.
    static constexpr Point ClientOrigin{8, 72};

  private:
    friend class ScriptedView;
    void Destroyed(ScriptedView* view);

    FrameDescription description_;
    FrameHandler& handler_;
    ScriptedDesktop& desktop_;
    TextRenderer& text_;
    std::vector<std::unique_ptr<ScriptedView>> views_; // in activation order, the active one last
    Size viewClient_{624, 346};
    ColourRef background_ = Rgb(255, 255, 255);
    bool closed_ = false;
    bool recordPaints_ = true;
};

} // namespace platform
