#pragma once
// TDoorobjtool, the internal-door tool: hinged doors, double or sliding pairs, one sliding door and
// wall openings cut into the internal wall at the cursor; its kind says which.

#include "partitions/window_tool.h"

class TDoorobjtool : public TWindowobjtool {
  public:
    // Y1 after Enter when the cursor was not on a suitable side of an internal wall.
    static constexpr int Refused = 20001;

    TDoorobjtool();
};
