#pragma once
// TEraseobjtool, the erase tool: deletes the objects inside a dragged rectangle, internal walls
// included but never external walls, and stores the drawing. The rectangle stays in PrevBox for the
// view to repaint.

#include "tools/move_tool.h"

class TEraseobjtool : public TMoveobjtool {
  public:
    TEraseobjtool();
    // Deletes the selected objects but external walls and information records, keeping the order of
    // the rest, and stores the drawing (also when nothing was selected). A selection that lists an
    // object no longer there, or that cannot be read whole, deletes and stores nothing.
    void ApplyToSelection(platform::DeviceContext& dc, const platform::Rect& client, int x, int y) override;
};
