#pragma once
// The editing, dimension and dialog operations of the tools that the drawing view calls, as one
// interface: the view holds it through its owner, which gives the program's own set (each member calls
// the function of the same name); a test gives its own to see the calls.

#include "tools/dimensions.h"
#include "tools/editing.h"
#include "tools/floor_area.h"
#include "tools/view_dialogs.h"

class DrawingView;

class EditingOperations {
  public:
    virtual ~EditingOperations() = default;
    virtual void EnterMeasurement(DrawingView& view, int x, int y) = 0;
    virtual void ReportFloorArea(DrawingView& view, int mode) = 0;
    virtual int CheckRotationLimits(DrawingView& view) = 0;
    virtual void RunViewDialog(DrawingView& view, int mode) = 0;
    virtual void RunLibraryCaptureDialog(DrawingView& view) = 0;
};

class ProgramEditingOperations final : public EditingOperations {
  public:
    void EnterMeasurement(DrawingView& view, int x, int y) override { ::EnterMeasurement(view, x, y); }
    void ReportFloorArea(DrawingView& view, int mode) override { ::ReportFloorArea(view, mode); }
    int CheckRotationLimits(DrawingView& view) override { return ::CheckRotationLimits(view); }
    void RunViewDialog(DrawingView& view, int mode) override { ::RunViewDialog(view, mode); }
    void RunLibraryCaptureDialog(DrawingView& view) override { ::RunLibraryCaptureDialog(view); }
};
