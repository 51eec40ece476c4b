#pragma once
// Internal-wall width or double-line spacing of metric drawings (PTNM.CFG), in millimetres.

#include "settings/double_line_spacing_dialog.h"

class TDbledlg : public DoubleLineSpacingDialog {
  public:
    static constexpr int Resource = 7000;
    explicit TDbledlg(int resourceId = Resource);
};
