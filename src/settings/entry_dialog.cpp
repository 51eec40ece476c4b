#include "settings/entry_dialog.h"

#include "model/shared_state.h"
#include "settings/cfg_files.h"

namespace {
constexpr int WidthEdit = 6001;
const std::vector<RadioCode> DoorsButtons = {{6002, 1}, {6003, 2}};
const std::vector<RadioCode> PositionButtons = {{6004, 'l'}, {6005, 'r'}, {6006, 'b'}};
// The width offered for each door.
constexpr int MetricDoorWidth = 870;
constexpr int ImperialDoorWidth = 32;
} // namespace

// The entry's help is on the page of context 270, with the fixed rooms.
TEntrydlg::TEntrydlg(int resourceId) : SettingsDialog(resourceId, help_context::FixedRooms) {}

void TEntrydlg::SetupWindow() {
    SetNumber(WidthEdit, IsImperialUnits(Shared.Units) ? ImperialDoorWidth : MetricDoorWidth);
    SetCheck(DoorsButtons.front().id, true);
    SetCheck(PositionButtons.front().id, true);
}

void TEntrydlg::CmOk() {
    if (!ValidateControls()) return;
    ReadRadioGroup(DoorsButtons, doors);
    int code = position;
    ReadRadioGroup(PositionButtons, code);
    position = static_cast<char>(code);
    EntrySettings s;
    s.width = WholeLengthTyped(GetNumber(WidthEdit), Shared.Units);
    s.second = 0;
    s.third = 0;
    s.doors = doors;
    s.fifth = 0;
    s.position = position;
    s.seventh = 'n';
    s.eighth = 'n';
    WriteEntrySettings(s);
    CloseWindow(1);
}
