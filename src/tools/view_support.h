#pragma once
// What the view's input handlers share: the device context of one tool call, point conversions
// between client pixels, logical units and the screen, the mouse cursor, message boxes raised from a
// view, and the status texts.

#include "platform/device_context.h"
#include "platform/geometry.h"
#include "view/child.h"

#include <memory>
#include <string_view>

class TDrawingtool;

// The device context of one tool call: made on the view's window, kept in the view's TempDC while the
// object lives, deleted and TempDC given back on every way out of the scope. Exclusive-or figures
// drawn with it show their pen colour over the view's background. The view's window must exist.
class ToolCallDC {
  public:
    explicit ToolCallDC(TChild& view);
    ~ToolCallDC();
    ToolCallDC(const ToolCallDC&) = delete;
    ToolCallDC& operator=(const ToolCallDC&) = delete;

    platform::DeviceContext& operator*() const { return *dc_; }

  private:
    TChild& view_;
    platform::DeviceContext* previous_;
    std::unique_ptr<platform::DeviceContext> dc_;
};

// The active tool, told which view calls it.
TDrawingtool& CallingTool(TChild& view);

// One call of a tool operation by the calling protocol: the tool's view set, a fresh device context in
// TempDC, the operation called with it and the client rectangle, the context deleted. Nothing happens
// when the view's window is gone.
template <typename Operation> void CallTool(TChild& view, Operation&& operation);

// A client pixel in logical units, and back, each through a device context of its own.
platform::Point ClientToLogical(TChild& view, platform::Point client);
platform::Point LogicalToClient(TChild& view, platform::Point logical);
// The mouse cursor in the view's client pixels, and putting it on a client pixel.
platform::Point CursorInClient(TChild& view);
void PutCursorOnClientPoint(TChild& view, platform::Point client);

// A message box raised from a view: the mouse cursor is put back where it was before the box.
int ViewMessageBox(std::string_view text, std::string_view caption, unsigned style);

// Invalidates the whole view, erased first.
void InvalidateWholeView(TChild& view);
// Invalidates part of the view, erased first; the corners may come in any order.
void InvalidateViewArea(TChild& view, platform::Rect area);

// The status-bar prompt, the toolbar readout and the tool caption.
void ShowPrompt(std::string_view text);
void ShowReadout(std::string_view text);
void ShowCaption(std::string_view text);

template <typename Operation> void CallTool(TChild& view, Operation&& operation) {
    if (!view.Window()) return;
    TDrawingtool& tool = CallingTool(view);
    ToolCallDC dc(view);
    operation(tool, *dc, view.ClientRect());
}
