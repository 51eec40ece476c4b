#pragma once
// TMoveobjtool, the move tool: a rectangle dragged over objects selects them, then two clicks move the
// selection and the right button rotates it; with ZoomRectangle the dragged rectangle is zoomed to.
// The copy and erase tools build on it.

#include "tools/tool_framework.h"

class TMoveobjtool : public TDrawingtool {
  public:
    // Its states.
    static constexpr int PlaceSelection = 2;  // the next press takes the reference point, the one after
                                              // it the new position
    static constexpr int MovingSelection = 3; // the selection is being moved or rotated
    static constexpr int RectangleDone = 5;   // a selecting rectangle was dragged (copy, erase)
    static constexpr int ZoomRectangle = 10;  // the press starts the zoom rectangle
    static constexpr int ZoomRectangleDone = 15;

    TMoveobjtool();
};
