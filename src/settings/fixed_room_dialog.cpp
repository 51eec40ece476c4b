#include "settings/fixed_room_dialog.h"

#include "settings/cfg_files.h"

namespace {
constexpr int Metric = 1;
constexpr int HorizontalEdit = 8002;
constexpr int VerticalEdit = 8003;
constexpr int ThicknessEdit = 8004;
} // namespace

TRoomdlg::TRoomdlg(int resourceId) : RoomDialog(resourceId, help_context::FixedRooms, 8001, 8005, 0) {}

void TRoomdlg::SetupWindow() {
    RoomDialog::SetupWindow();
    const FreeRoomSize free = ReadFreeRoomSize(Metric);
    SetNumber(HorizontalEdit, free.horizontal);
    SetNumber(VerticalEdit, free.vertical);
    SetNumber(ThicknessEdit, ReadInternalWallSettings(Metric).width);
}

void TRoomdlg::ReadControls() {
    horizontal = GetControlText(HorizontalEdit);
    vertical = GetControlText(VerticalEdit);
    thickness = GetControlText(ThicknessEdit);
    WriteInternalWallSettings(Metric, {GetNumber(ThicknessEdit)});
}
