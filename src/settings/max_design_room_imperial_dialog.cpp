#include "settings/max_design_room_imperial_dialog.h"

TMaxroomimpdlg::TMaxroomimpdlg(int resourceId, int horizontal, int vertical)
    : TTroomimpdlg(resourceId), horizontalSize(horizontal), verticalSize(vertical) {}

void TMaxroomimpdlg::SetupWindow() {
    TTroomimpdlg::SetupWindow();
    SetFeetInchesAndEighths(HorizontalFeetEdit(), horizontalSize);
    SetFeetInchesAndEighths(VerticalFeetEdit(), verticalSize);
}
