#pragma once
// A new design room at the largest size that fits a free area of a feet-and-inches drawing: the
// new-design-room dialog opening on the sizes it is given, as feet, inches and eighths. A size of
// whole inches leaves the fraction edits as the template has them.

#include "settings/new_design_room_imperial_dialog.h"

class TMaxroomimpdlg : public TTroomimpdlg {
  public:
    static constexpr int Resource = 23500;
    // The sizes in 1/24 inch.
    TMaxroomimpdlg(int resourceId, int horizontalSize, int verticalSize);

    void SetupWindow() override;

    int horizontalSize;
    int verticalSize;
};
