#pragma once
// The operations of the external walls that the drawing view calls, as one interface: the view holds
// it through its owner, which gives the program's own set (each member calls the function of the same
// name); a test gives its own to see the calls.

#include "platform/geometry.h"
#include "walls/floor_plan_base.h"
#include "walls/plan_dialogs.h"
#include "walls/wall_edits.h"

class DrawingView;

class WallOperations {
  public:
    virtual ~WallOperations() = default;
    virtual void ShowHouseRectangleSize(DrawingView& view, int mode) = 0;
    virtual void InvalidateWallEditArea(DrawingView& view, const platform::Rect& client, int mode) = 0;
    virtual void ChooseExternalWallType(DrawingView& view) = 0;
};

class ProgramWallOperations final : public WallOperations {
  public:
    void ShowHouseRectangleSize(DrawingView& view, int mode) override {
        ::ShowHouseRectangleSize(view, mode);
    }
    void InvalidateWallEditArea(DrawingView& view, const platform::Rect& client, int mode) override {
        ::InvalidateWallEditArea(view, client, mode);
    }
    void ChooseExternalWallType(DrawingView& view) override { ::ChooseExternalWallType(view); }
};
