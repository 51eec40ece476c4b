#pragma once
// The ellipse tool: dragged like a line, the drag's start and end are the corners of the ellipse's
// box. It keeps the line's press, release, rubber band and keys.

#include "tools/line_tool.h"

class TEllipsetool : public TLinetool {
  public:
    TEllipsetool();
    // The ellipse in the box (X1, Y1)-(X2, Y2), nothing filled.
    void DrawShape(platform::DeviceContext& dc, int code) override;
};

class TEllipseobjtool : public TEllipsetool {
  public:
    TEllipseobjtool();
    // An ellipse object when the box has a width or a height; the tool is ready again afterwards.
    void CreateObject(platform::DeviceContext& dc, const platform::Rect& client) override;
};
