#include "settings/room_partition_imperial_dialog.h"

#include "model/shared_state.h"
#include "settings/cfg_files.h"

namespace {
constexpr int Imperial = 0;
constexpr int InchesEdit = 21501, NumeratorEdit = 21502, DenominatorEdit = 21503;
} // namespace

TRmpttnimpdlg::TRmpttnimpdlg(int resourceId) : SettingsDialog(resourceId, help_context::DesignRooms) {}

void TRmpttnimpdlg::SetupWindow() {
    const RoomPartitionSettings stored = ReadRoomPartitions(Imperial);
    SetInchesAndEighths(
        InchesEdit, NumeratorEdit, DenominatorEdit,
        stored.thickness[static_cast<std::size_t>(RoomPartitionFieldShown(Shared.CurrentView))]);
}

void TRmpttnimpdlg::CmOk() {
    if (!ValidateControls()) return;
    WriteRoomPartitionForView(
        Imperial, Shared.CurrentView,
        GetInchesAndFraction(InchesEdit, NumeratorEdit, DenominatorEdit, FractionRule::Proper));
    CloseWindow(1);
}
