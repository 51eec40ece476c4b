#pragma once
// The rectangle tools, entered from the keyboard: Enter on one corner, then one horizontal and one
// vertical arrow with their lengths, in either order. The rounded rectangle's corner radius is in
// Count, asked by the view on Enter.

#include "tools/line_tool.h"

class TRectangletool : public TLinetool {
  public:
    TRectangletool();
    // The rectangle (X1, Y1)-(X2, Y2), nothing filled.
    void DrawShape(platform::DeviceContext& dc, int code) override;
    // Enter: the first corner at the cursor. An arrow: one side of the given length. The cursor goes to
    // the corner reached so far; once both sides are known the rectangle is made and the tool starts
    // afresh.
    void KeyDown(platform::DeviceContext& dc, const platform::Rect& client, int key, platform::Point cursor,
                 int value) override;
};

class TRectangleobjtool : public TRectangletool {
  public:
    TRectangleobjtool();
    void CreateObject(platform::DeviceContext& dc, const platform::Rect& client) override;
};

class TRoundrecttool : public TRectangletool {
  public:
    TRoundrecttool();
    // The rounded rectangle; the corner ellipse is twice Count wide and high.
    void DrawShape(platform::DeviceContext& dc, int code) override;
};

class TRndrectobjtool : public TRoundrecttool {
  public:
    TRndrectobjtool();
    void CreateObject(platform::DeviceContext& dc, const platform::Rect& client) override;
};
