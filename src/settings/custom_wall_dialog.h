#pragma once
// The custom external wall of metric drawings (CUST.CFG), in millimetres.

#include "settings/custom_wall_widths_dialog.h"

class TPlancustdlg : public CustomWallDialog {
  public:
    static constexpr int Resource = 5300;
    explicit TPlancustdlg(int resourceId = Resource);
};
