#pragma once
// A new design room at the largest size that fits a free area of a metric drawing: the new-design-room
// dialog opening on the sizes it is given.

#include "settings/new_design_room_dialog.h"

class TMaxroomdlg : public TTroomdlg {
  public:
    static constexpr int Resource = 23000;
    // The sizes in mm.
    TMaxroomdlg(int resourceId, int horizontalSize, int verticalSize);

    void SetupWindow() override;

    int horizontalSize;
    int verticalSize;
};
