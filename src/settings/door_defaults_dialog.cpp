#include "settings/door_defaults_dialog.h"

#include "settings/cfg_files.h"

namespace {
constexpr int MetricWidthEdit = 5410;
constexpr int InchesEdit = 5411;
const std::vector<RadioCode> AngleButtons = {{5404, 30}, {5405, 60}, {5406, 90}};
const std::vector<RadioCode> ThicknessButtons = {{5407, 1}, {5408, 2}};
} // namespace

TConfigdlg::TConfigdlg(int resourceId) : SettingsDialog(resourceId, help_context::Defaults) {}

void TConfigdlg::SetupWindow() {
    const DoorSizeSettings sizes = ReadDoorSizes();
    SetNumber(MetricWidthEdit, StartUpDoorWidthShown(sizes, 1));
    SetNumber(InchesEdit, StartUpDoorWidthShown(sizes, 0));
    const DoorSwingSettings swing = ReadDoorSwing();
    angle = swing.angle;
    thickness = swing.thickness;
    TickCode(AngleButtons, angle);
    TickCode(ThicknessButtons, thickness);
}

void TConfigdlg::CmOk() {
    if (!ValidateControls()) return;
    ReadRadioGroup(AngleButtons, angle);
    ReadRadioGroup(ThicknessButtons, thickness);
    WriteDoorSizes({GetNumber(MetricWidthEdit), WholeLengthTyped(GetNumber(InchesEdit), 0)});
    WriteDoorSwing(DoorSwingFor(angle, thickness));
    CloseWindow(1);
}
