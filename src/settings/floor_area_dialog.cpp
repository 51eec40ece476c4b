#include "settings/floor_area_dialog.h"

#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "settings/cfg_file.h"

#include <array>
#include <string>

namespace {
constexpr int TotalStatic = 17001;
constexpr int FloorStatics[] = {17002, 17003, 17004};
constexpr int FirstAreaRecord = 32000; // ground, first, second and a fourth floor follow
} // namespace

TAreadlg::TAreadlg(int resourceId) : SettingsDialog(resourceId, std::nullopt) {}

void TAreadlg::SetupWindow() {
    // A new drawing starts with its four floor-area records: only the first four entries are looked at.
    std::array<long long, 4> areas{};
    for (int i = 0; i < DrawingList.count && i < 4; ++i) {
        const auto* record = dynamic_cast<const TInfoobj*>(DrawingList[i]);
        const int floor = record ? record->type - FirstAreaRecord : -1;
        if (floor >= 0 && floor < 4) areas[static_cast<std::size_t>(floor)] = record->value;
    }
    const std::string unit = IsImperialUnits(Shared.Units) ? " sq. ft" : " sq. metres";
    // The fourth floor counts in the total only.
    SetLimitedText(TotalStatic, std::to_string(areas[0] + areas[1] + areas[2] + areas[3]) + unit);
    for (std::size_t floor = 0; floor < 3; ++floor)
        SetLimitedText(FloorStatics[floor], std::to_string(areas[floor]) + unit);
}
