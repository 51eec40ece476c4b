#include "settings/room_dialog.h"

#include "settings/cfg_files.h"

namespace {

// The size-display buttons stand in this order in every room dialog.
std::vector<RadioCode> SizeButtons(int first) {
    return {{first, 1}, {first + 1, 0}, {first + 2, 2}, {first + 3, 3}, {first + 4, 4}};
}

std::vector<RadioCode> ColourButtons(int first) {
    if (first == 0) return {};
    return {{first, 1}, {first + 1, 2}, {first + 2, 3}, {first + 3, 4}};
}

} // namespace

RoomDialog::RoomDialog(int resourceId, int helpContext, int nameEdit, int firstSizeButton,
                       int firstColourButton)
    : SettingsDialog(resourceId, helpContext), nameEdit_(nameEdit),
      sizeButtons_(SizeButtons(firstSizeButton)), colourButtons_(ColourButtons(firstColourButton)) {}

void RoomDialog::SetupWindow() {
    sizeDisplay = ReadNewRoomSettings().sizeDisplay;
    TickCode(sizeButtons_, sizeDisplay);
    if (!colourButtons_.empty()) {
        colour = colourButtons_.front().code;
        SetCheck(colourButtons_.front().id, true);
    }
}

void RoomDialog::CmOk() {
    if (!ValidateControls()) return;
    roomName = WithoutLeadingBlanks(GetControlText(nameEdit_));
    ReadRadioGroup(sizeButtons_, sizeDisplay);
    ReadRadioGroup(colourButtons_, colour);
    ReadControls();
    WriteNewRoomSettings({sizeDisplay, colour});
    CloseWindow(1);
}

FeetInchesTexts RoomDialog::GetFeetInchesTexts(int feetEdit) const {
    return {GetControlText(feetEdit), GetControlText(feetEdit + 1), GetControlText(feetEdit + 2),
            GetControlText(feetEdit + 3)};
}
