#pragma once
// Internal-wall width or double-line spacing of feet-and-inches drawings (PTNI.CFG), in inches and a
// fraction.

#include "settings/double_line_spacing_dialog.h"

class TDbleimpdlg : public DoubleLineSpacingDialog {
  public:
    static constexpr int Resource = 7500;
    explicit TDbleimpdlg(int resourceId = Resource);
};
