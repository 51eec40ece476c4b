#include "settings/sliding_door_dialog.h"

#include "model/shared_state.h"
#include "settings/cfg_files.h"

namespace {
constexpr int WidthEdit = 13001;
constexpr int IntoWallBox = 13002;
const std::vector<RadioCode> TypeButtons = {{13003, 1}, {13004, 2}, {13005, 3}, {13006, 4},
                                            {13007, 5}, {13008, 6}, {13009, 7}, {13010, 8}};
} // namespace

TSdoordlg::TSdoordlg(int resourceId) : SettingsDialog(resourceId, help_context::Doors) {}

void TSdoordlg::SetupWindow() {
    SetNumber(WidthEdit, StartUpDoorWidthShown(ReadDoorSizes(), Shared.Units));
    SetCheck(TypeButtons.front().id, true);
}

void TSdoordlg::CmOk() {
    if (!ValidateControls()) return;
    width = GetControlText(WidthEdit);
    slidesIntoWall = GetCheck(IntoWallBox) ? 1 : 0;
    ReadRadioGroup(TypeButtons, doorType);
    CloseWindow(1);
}
