#pragma once
// TEraseobjtool, the erase tool: deletes the objects inside a dragged rectangle (never the walls) and
// leaves the rectangle in PrevBox for the view to repaint.

#include "tools/move_tool.h"

class TEraseobjtool : public TMoveobjtool {
  public:
    TEraseobjtool();
};
