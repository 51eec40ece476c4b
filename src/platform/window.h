#pragma once
// The program's windows: one main frame (menu, toolbar, status bar, the area where views live) and the
// drawing views inside it. The program describes the frame as data and handles what happens to the
// windows through handler interfaces; the Qt backend shows real windows, the scripted backend keeps
// everything in memory for tests.

#include "platform/device_context.h"
#include "platform/geometry.h"
#include "platform/input.h"
#include "platform/pixel_buffer.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// A menu item, a separator or a pull-down with its items. In texts "&&" shows one ampersand.
struct MenuItem {
    std::string text;
    int command = 0; // 0 for pull-downs and separators
    bool separator = false;
    std::vector<MenuItem> items;
};

struct ToolbarItem {
    enum class Kind { Button, Separator, Readout } kind = Kind::Button;
    int command = 0; // buttons
    int glyph = 0;   // buttons: bitmap resource id
    int size = 0;    // separators: width in border units; readout: width in characters
    // Readout: the widest text it shows, so that the field is wide enough for every text.
    std::string widest = "";
};

struct FrameDescription {
    std::string title;
    std::vector<MenuItem> menu;
    std::vector<ToolbarItem> toolbar;
    int captionCharacters = 10; // width of the tool caption at the right of the status bar
    int iconGlyph = 1;          // the program icon
    // Draws a toolbar glyph or the icon at a size in pixels (square); empty when there is none.
    std::function<PixelBuffer(int glyph, int size)> glyphImage;
};

// What the program does with the frame's commands.
class FrameHandler {
  public:
    virtual ~FrameHandler() = default;
    virtual void OnCommand(int command) = 0;
    // Greyed commands are shown disabled and do nothing.
    virtual bool IsCommandEnabled(int command) = 0;
    // The status-bar hint of a command ("" none) and its tooltip ("" none).
    virtual std::string HintOf(int command) = 0;
    virtual std::string TooltipOf(int command) = 0;
    // The user closes the main window; false keeps it open.
    virtual bool OnCloseQuery() = 0;
};

enum class ScrollBar { Horizontal, Vertical };

// The mouse cursor's shape over a view.
enum class CursorShape { Arrow, Cross, IBeam };
enum class ScrollCode {
    LineUp,
    LineDown,
    PageUp,
    PageDown,
    ThumbPosition,
    ThumbTrack,
    Top,
    Bottom,
    EndScroll
};

// What a drag loop's wait for input brought.
enum class InputWait {
    Input,  // an input, given back
    Idle,   // none within the time asked
    Closed, // none will come any more (the view closed, the script ended)
};

// What the program does with a view's events.
class ViewHandler {
  public:
    virtual ~ViewHandler() = default;
    // Paint the invalid part of the view; dc draws into the view's image, clipped to `area`.
    virtual void OnPaint(DeviceContext& dc, const Rect& area) = 0;
    virtual void OnInput(const InputEvent& event) = 0;
    virtual void OnSize(int width, int height) = 0;
    virtual void OnScroll(ScrollBar bar, ScrollCode code, int thumb) = 0;
    // The view is about to close; false keeps it open.
    virtual bool OnCloseQuery() { return true; }
    // The window is gone: the handler must not touch it again.
    virtual void OnDestroyed() = 0;
};

class ViewWindow {
  public:
    virtual ~ViewWindow() = default;

    virtual void SetTitle(const std::string& title) = 0;
    virtual std::string Title() const = 0;
    // The client area: left and top 0, right and bottom the size in pixels.
    virtual Rect ClientRect() const = 0;
    // The colour invalid areas are erased with.
    virtual void SetBackground(ColourRef colour) = 0;

    // A device context on the view's image for one call; drawing shows when the call returns.
    virtual std::unique_ptr<DeviceContext> ClientDC() = 0;
    // Marks an area (nullptr: all) for the next paint, erased to the background first when asked.
    virtual void Invalidate(const Rect* area, bool erase) = 0;
    // Runs the pending paint now.
    virtual void UpdateNow() = 0;
    // Moves the image by (dx, dy) pixels and marks the uncovered strip for painting, erased.
    virtual void ScrollPixels(int dx, int dy) = 0;
    // The scroll bars' thumbs; the bars keep the range 0 to 100.
    virtual void SetThumb(ScrollBar bar, int position) = 0;
    virtual int Thumb(ScrollBar bar) const = 0;
    // The thumb's length: the page the view shows, in the bars' units of 0 to 100. 0 greys the bar, as
    // there is nothing to scroll.
    virtual void SetThumbSize(ScrollBar bar, int page) = 0;
    virtual int ThumbSize(ScrollBar bar) const = 0;

    // The drag loop of a press handler: waits at most `idleMilliseconds` for the view's next input
    // (moves, release, keys), so the loop can go on scrolling while the pointer rests.
    virtual InputWait NextInput(InputEvent& event, int idleMilliseconds) = 0;
    virtual void SetCapture(bool captured) = 0;

    virtual Point ClientToScreen(Point client) const = 0;
    virtual Point ScreenToClient(Point screen) const = 0;

    // The mouse cursor's shape while it is over the view.
    virtual void SetCursorShape(CursorShape shape) = 0;
    virtual CursorShape GetCursorShape() const = 0;

    // The text caret.
    virtual void CreateCaret(int width, int height) = 0;
    virtual void SetCaretPos(Point client) = 0;
    virtual void ShowCaret(bool shown) = 0;
    virtual void DestroyCaret() = 0;

    // The view's image, as last painted.
    virtual const PixelBuffer& Image() const = 0;

    // Closes the window (the handler hears OnDestroyed).
    virtual void Close() = 0;
};

class FrameWindow {
  public:
    virtual ~FrameWindow() = default;
    // A new view, maximised, with both scroll bars; `handler` must outlive the window.
    virtual ViewWindow* CreateView(ViewHandler& handler, const std::string& title) = 0;
    virtual ViewWindow* ActiveView() const = 0;
    virtual std::vector<ViewWindow*> Views() const = 0;
    // Asks every view to close; false (and the rest left open) when one refuses.
    virtual bool CloseAllViews() = 0;
    // Ends the program's main window.
    virtual void Close() = 0;
    // Re-asks the handler which commands are enabled.
    virtual void RefreshCommands() = 0;
    // The client area's colour where no view covers it.
    virtual void SetBackground(ColourRef colour) = 0;
};

} // namespace platform
