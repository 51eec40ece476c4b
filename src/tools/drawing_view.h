#pragma once
// What a drawing view offers to the code below it. The editing and dimension operations and those of
// the walls, partitions and rooms take "the view" as a DrawingView; the view (TChild) implements it,
// as the client implements ViewOwner for the view, so that code never names the view's class.
// view_support.h builds the tool-call protocol, conversions and repaints on it.

#include "platform/device_context.h"
#include "platform/geometry.h"
#include "platform/window.h"

class TDrawingtool;

class DrawingView {
  public:
    virtual ~DrawingView() = default;

    // The view's window, also the parent of a dialog an operation opens; null once the window is gone.
    virtual platform::ViewWindow* Window() const = 0;
    // The client area, pixels; empty without a window.
    virtual platform::Rect ClientRect() const = 0;
    // Marks an area (client pixels) or, with null, the whole view for repainting, erased first or
    // not. The repaint reads the drawing file back.
    virtual void Invalidate(const platform::Rect* area, bool erase) = 0;
    // The mouse cursor in client pixels, and putting it on a client pixel.
    virtual platform::Point CursorInClient() const = 0;
    virtual void PutCursorOn(platform::Point client) = 0;

    // The owner's tool services: the one active tool (never null), the pick tool installed with its
    // caption, prompt and help context, and a tool rebuilt from a kind.
    virtual TDrawingtool& Tool() = 0;
    virtual void SelectPickTool() = 0;
    virtual void RestoreTool(int kind) = 0;

    // The datum, a reference point in drawing units, and what the view does with it (DatumState):
    //   0 mouse moves are not passed to the tool, no readout;
    //   1 moves passed, no readout;
    //   2 offsets shown, and the next left press places the datum (the state stays 2);
    //   3 offsets shown;
    //   4 offsets and bearing shown.
    int DatumX = 0;
    int DatumY = 0;
    int DatumState = 1;
    // The device context of the tool call under way (ToolCallDC); null outside one.
    platform::DeviceContext* TempDC = nullptr;

  protected:
    DrawingView() = default;
    DrawingView(const DrawingView&) = default;
    DrawingView& operator=(const DrawingView&) = default;
};
