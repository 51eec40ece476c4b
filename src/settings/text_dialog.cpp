#include "settings/text_dialog.h"

#include "model/drawing_list.h"
#include "model/shared_state.h"

#include <string>

namespace {
const std::vector<RadioCode> AlignmentButtons = {{2301, 1}, {2302, 2}};
const std::vector<RadioCode> DirectionButtons = {{2303, 0}, {2304, 2700}};
} // namespace

TTextdlg::TTextdlg(int resourceId) : SettingsDialog(resourceId, help_context::Text) {}

void TTextdlg::SetupWindow() {
    SetLimitedText(2305, DrawingList.FontName);
    SetNumber(2306, Shared.FontWeight);
    SetNumber(2307, Shared.TextSize);
    SetCheck(2301, true);
    SetCheck(2303, true);
}

void TTextdlg::CmOk() {
    if (!ValidateControls()) return;
    ReadRadioGroup(AlignmentButtons, alignment);
    ReadRadioGroup(DirectionButtons, direction);
    CloseWindow(1);
}
