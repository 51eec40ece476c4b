#include "settings/manipulate_dialog.h"

#include "model/drawing_list.h"

namespace {
constexpr int NameEdit = 19001;
const std::vector<RadioCode> OperationButtons = {{19002, 90}, {19003, 180}, {19004, 270}, {19005, 1}};
} // namespace

TManipdlg::TManipdlg(int resourceId) : SettingsDialog(resourceId, std::nullopt) {}

void TManipdlg::SetupWindow() {
    SetLimitedText(NameEdit, DrawingList.DrawingName);
    SetCheck(19002, true);
}

void TManipdlg::CmOk() {
    if (!ValidateControls()) return;
    drawingName = GetControlText(NameEdit);
    ReadRadioGroup(OperationButtons, operation);
    CloseWindow(1);
}
