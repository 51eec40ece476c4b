#pragma once
// TWindowobjtool, the window and external-door tool: places the window or door chosen in the window
// dialog in the external wall at the cursor.

#include "tools/line_tool.h"

class TWindowobjtool : public TLineobjtool {
  public:
    // Y1 after Enter when the chosen window or door does not suit the wall at the cursor.
    static constexpr int UnsuitedPosition = 1;

    TWindowobjtool();
};
