#pragma once
// The circle tool: a press on the centre and a drag sideways (only the pointer's x counts: the radius is
// its distance from the centre), or Enter on the centre with the radius the view asked into Count.
// Kind 18 makes a small thick circle of radius 10 on Enter.

#include "tools/line_tool.h"

class TCircletool : public TLinetool {
  public:
    TCircletool();
    void LButtonDown(platform::DeviceContext& dc, const platform::Rect& client, int x, int y) override;
    void LButtonUp(platform::DeviceContext& dc, const platform::Rect& client,
                   platform::Point& point) override;
    void MouseMove(platform::DeviceContext& dc, const platform::Rect& client, int x, int y) override;
    // The circle in the box (X1, Y1)-(X2, Y2), nothing filled.
    void DrawShape(platform::DeviceContext& dc, int code) override;
    // Enter: a circle of radius Count around the cursor; Count is 0 again afterwards.
    void KeyDown(platform::DeviceContext& dc, const platform::Rect& client, int key, platform::Point cursor,
                 int value) override;

    int CentreX = 0; // centre of the circle being dragged, drawing units
    int CentreY = 0;

  protected:
    void MoveHeldPoints(int dx, int dy) override;

  private:
    // The box of the circle through the pointer's x.
    void BoxThrough(int pointerX);
};

class TCircleobjtool : public TCircletool {
  public:
    TCircleobjtool();
    // A circle object (type 6, also for kind 18) when the box has a size; ready again afterwards.
    void CreateObject(platform::DeviceContext& dc, const platform::Rect& client) override;
};
