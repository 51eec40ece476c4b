#include "settings/new_design_room_dialog.h"

TTroomdlg::TTroomdlg(int resourceId)
    : RoomDialog(resourceId, help_context::DesignRooms, resourceId + 1, resourceId + 8, resourceId + 4) {}

void TTroomdlg::ReadControls() {
    horizontal = GetControlText(HorizontalEdit());
    vertical = GetControlText(VerticalEdit());
}
