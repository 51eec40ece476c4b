#include "settings/new_design_room_imperial_dialog.h"

TTroomimpdlg::TTroomimpdlg(int resourceId)
    : RoomDialog(resourceId, help_context::DesignRooms, resourceId + 1, resourceId + 14, resourceId + 10) {}

void TTroomimpdlg::ReadControls() {
    horizontal = GetFeetInchesTexts(HorizontalFeetEdit());
    vertical = GetFeetInchesTexts(VerticalFeetEdit());
}
