#pragma once
// The external wall type of a metric drawing, in millimetres.

#include "settings/external_wall_type_dialog.h"

class TPlandlg : public ExternalWallTypeDialog {
  public:
    static constexpr int Resource = 2480;
    explicit TPlandlg(int resourceId = Resource);
};
