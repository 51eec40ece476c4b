#pragma once
// The external wall type of a feet-and-inches drawing, in 1/24 inch.

#include "settings/external_wall_type_dialog.h"

class TPlanimpdlg : public ExternalWallTypeDialog {
  public:
    static constexpr int Resource = 2900;
    explicit TPlanimpdlg(int resourceId = Resource);
};
