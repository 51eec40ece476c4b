#include "settings/max_design_room_dialog.h"

TMaxroomdlg::TMaxroomdlg(int resourceId, int horizontal, int vertical)
    : TTroomdlg(resourceId), horizontalSize(horizontal), verticalSize(vertical) {}

void TMaxroomdlg::SetupWindow() {
    TTroomdlg::SetupWindow();
    SetNumber(HorizontalEdit(), horizontalSize);
    SetNumber(VerticalEdit(), verticalSize);
}
