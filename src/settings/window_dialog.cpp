#include "settings/window_dialog.h"

#include "model/shared_state.h"
#include "settings/cfg_files.h"

namespace {
constexpr int WidthEdit = 6501;
constexpr int HeightEdit = 6502;
constexpr int ShowSizesBox = 6504;
constexpr int ShowCillBox = 6505;
constexpr int SevenPoints = 6506;
constexpr int NinePoints = 6507;
const std::vector<RadioCode> TypeButtons = {{6508, 1}, {6510, 10}, {6511, 5}, {6512, 6},
                                            {6513, 8}, {6514, 7},  {6515, 9}};
} // namespace

TWindlg::TWindlg(int resourceId) : SettingsDialog(resourceId, help_context::WindowsAndStairs) {}

void TWindlg::SetupWindow() {
    const int units = Shared.Units;
    const WindowSettings stored = ReadWindowSettings(units);
    SetNumber(WidthEdit, WholeLengthShown(stored.width, units));
    SetNumber(HeightEdit, WholeLengthShown(stored.height, units));
    openingType = stored.type;
    SetCheck(TypeButtons.front().id, true);
    SetCheck(stored.textSize == 7 ? SevenPoints : NinePoints, true);
    SetCheck(ShowSizesBox, stored.showSizes == 1);
    SetCheck(ShowCillBox, stored.showCill == 1);
}

void TWindlg::CmOk() {
    if (!ValidateControls()) return;
    ReadRadioGroup(TypeButtons, openingType);
    WindowSettings s;
    s.type = openingType;
    s.width = WholeLengthTyped(GetNumber(WidthEdit), Shared.Units);
    s.height = WholeLengthTyped(GetNumber(HeightEdit), Shared.Units);
    s.baseElevation = 0;
    s.showSizes = GetCheck(ShowSizesBox) ? 1 : 0;
    s.textSize = GetCheck(SevenPoints) ? 7 : 9;
    s.showCill = GetCheck(ShowCillBox) ? 1 : 0;
    s.last = 0;
    width = GetControlText(WidthEdit);
    WriteWindowSettings(s);
    CloseWindow(1);
}
