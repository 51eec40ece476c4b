#pragma once
// The arc tool: Enter on both end points of the chord, which must lie level or plumb; the view asks
// the arc's height and hands it with the second Enter. A positive height bows the arc above a level
// chord or left of a plumb one, a negative height below or right, whichever end came first.

#include "tools/line_tool.h"

class TArctool : public TLinetool {
  public:
    TArctool();
    // GDI arc in the box (X1, Y1)-(X2, Y2) from the start radial to the end radial.
    void DrawShape(platform::DeviceContext& dc, int code) override;
    // Enter: the first end point, then the second with the height `value`; the arc is made when the
    // two ends lie in line, and the tool starts afresh either way.
    void KeyDown(platform::DeviceContext& dc, const platform::Rect& client, int key, platform::Point cursor,
                 int value) override;

    // How far the second end may lie off the first one's level or plumb line and still count as on
    // it, drawing units: the view's own snap distance, so an end the view accepted is never dropped.
    static int InLineTolerance();

    int RadialX = 0; // where the arc starts, drawing units
    int RadialY = 0;
    int FirstX = 0; // the first end point; afterwards the point where the arc ends
    int FirstY = 0;
    int ArcStep = 0; // 0 waiting for the first end point, 1 for the second

  protected:
    void MoveHeldPoints(int dx, int dy) override;
};

class TArcobjtool : public TArctool {
  public:
    TArcobjtool();
    // An arc object from the box and the two radials, when the box has a size.
    void CreateObject(platform::DeviceContext& dc, const platform::Rect& client) override;
};
