#pragma once
// The custom external wall of feet-and-inches drawings (CUSTIMP.CFG), in inches and eighths.

#include "settings/custom_wall_widths_dialog.h"

class TPlanimpcustdlg : public CustomWallDialog {
  public:
    static constexpr int Resource = 5350;
    explicit TPlanimpcustdlg(int resourceId = Resource);
};
