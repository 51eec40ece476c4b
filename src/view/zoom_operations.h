#pragma once
// The view's zoom and layout-grid operations that its input handlers call, as one interface: the view
// holds it through its owner, which gives the program's own set (each member calls the function of the
// same name); a test gives its own to see the calls.

#include "view/zoom.h"

class TChild;

class ZoomOperations {
  public:
    virtual ~ZoomOperations() = default;
    virtual void ZoomView(TChild& view, int mode) = 0;
    virtual void RedrawLayoutGrid(TChild& view) = 0;
};

class ProgramZoomOperations final : public ZoomOperations {
  public:
    void ZoomView(TChild& view, int mode) override { ::ZoomView(view, mode); }
    void RedrawLayoutGrid(TChild& view) override { ::RedrawLayoutGrid(view); }
};
