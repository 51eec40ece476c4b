#pragma once
// TCopyobjtool, the copy tool: the objects inside a dragged rectangle become the selection (CFG\COPY.CFG
// and CFG\TEMP.CFG) to paste, or, with its library flag (Amount 1), the objects of a new library symbol.

#include "tools/move_tool.h"

class TCopyobjtool : public TMoveobjtool {
  public:
    TCopyobjtool();
    // Writes the paste buffer LIBS\PASTE.CFG from the selection files.
    void ApplyToSelection();
};
