#pragma once
// TStepobjtool, the stairs tool: the stairs and the stairwell between two floors, placed with Enter.

#include "tools/line_tool.h"

class TStepobjtool : public TLineobjtool {
  public:
    TStepobjtool();
};
