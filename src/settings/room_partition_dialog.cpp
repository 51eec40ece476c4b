#include "settings/room_partition_dialog.h"

#include "model/shared_state.h"
#include "settings/cfg_files.h"

namespace {
constexpr int Metric = 1;
constexpr int ThicknessEdit = 21001;
} // namespace

TRmpttndlg::TRmpttndlg(int resourceId) : SettingsDialog(resourceId, help_context::DesignRooms) {}

void TRmpttndlg::SetupWindow() {
    const RoomPartitionSettings stored = ReadRoomPartitions(Metric);
    SetNumber(ThicknessEdit,
              stored.thickness[static_cast<std::size_t>(RoomPartitionFieldShown(Shared.CurrentView))]);
}

void TRmpttndlg::CmOk() {
    if (!ValidateControls()) return;
    WriteRoomPartitionForView(Metric, Shared.CurrentView, GetNumber(ThicknessEdit));
    CloseWindow(1);
}
