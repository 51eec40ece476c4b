#pragma once
// What the code below the view builds on the view interface: the protocol of a tool call (the tool told
// its view, a device context of the view's window for the one call), point conversions between client
// pixels and logical units, repaints, and the view operations that every subsystem may call (SetDatum,
// RefreshView).

#include "platform/device_context.h"
#include "platform/geometry.h"
#include "tools/drawing_view.h"

#include <memory>

class TDrawingtool;

// The device context of one tool call: made on the view's window, kept in the view's TempDC while the
// object lives, deleted and TempDC given back on every way out of the scope. Exclusive-or figures
// drawn with it show their pen colour over the view's background. The view's window must exist.
class ToolCallDC {
  public:
    explicit ToolCallDC(DrawingView& view);
    ~ToolCallDC();
    ToolCallDC(const ToolCallDC&) = delete;
    ToolCallDC& operator=(const ToolCallDC&) = delete;

    platform::DeviceContext& operator*() const { return *dc_; }

  private:
    DrawingView& view_;
    platform::DeviceContext* previous_;
    std::unique_ptr<platform::DeviceContext> dc_;
};

// The active tool, told which view calls it.
TDrawingtool& CallingTool(DrawingView& view);

// One call of a tool operation by the calling protocol: the tool's view set, a fresh device context in
// TempDC, the operation called with it and the client rectangle, the context deleted. Nothing happens
// when the view's window is gone.
template <typename Operation> void CallTool(DrawingView& view, Operation&& operation);

// A client pixel in logical units, and back, each through a device context of its own.
platform::Point ClientToLogical(DrawingView& view, platform::Point client);
platform::Point LogicalToClient(DrawingView& view, platform::Point logical);

// The drawing point under a client pixel, taken into the active tool as its TakenPoint for one step
// that may ask a value in a box before the tool acts, and let go when the step ends, on every way out.
// Held by the tool, the point moves with the drawing when the window is reshaped behind the box, where
// the pixel would by then show another point.
class PointTakenForStep {
  public:
    PointTakenForStep(DrawingView& view, platform::Point client);
    ~PointTakenForStep();
    PointTakenForStep(const PointTakenForStep&) = delete;
    PointTakenForStep& operator=(const PointTakenForStep&) = delete;

    // The point as the tool holds it now: read after the box.
    platform::Point Now() const;

  private:
    DrawingView& view_;
};

// Invalidates the whole view, erased first.
void InvalidateWholeView(DrawingView& view);
// Invalidates part of the view, erased first; the corners may come in any order.
void InvalidateViewArea(DrawingView& view, platform::Rect area);

// Sets the datum by code, on floor views only (CurrentView 50 and above): 1 puts it at (0, 0) with
// DatumState 1 and the readout "0"; 4 puts it at the plan's upper-left corner with DatumState 4. Other
// codes do nothing.
void SetDatum(DrawingView& view, int code);

// Repaints by mode: 0 the whole view; 3 the lower-left library preview area; 9 the whole view at once;
// 15 the active tool's last box. Other modes do nothing.
void RefreshView(DrawingView& view, int mode);

template <typename Operation> void CallTool(DrawingView& view, Operation&& operation) {
    if (!view.Window()) return;
    TDrawingtool& tool = CallingTool(view);
    ToolCallDC dc(view);
    operation(tool, *dc, view.ClientRect());
}
