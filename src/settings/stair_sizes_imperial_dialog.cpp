#include "settings/stair_sizes_imperial_dialog.h"

#include "settings/cfg_files.h"

namespace {
constexpr int Imperial = 0;
constexpr int RiserInches = 3905, RiserNumerator = 3906, RiserDenominator = 3907;
constexpr int TreadInches = 3908, TreadNumerator = 3909, TreadDenominator = 3910;
constexpr bool ZeroFractionForWholeInches = true;
} // namespace

TStrsimpcondlg::TStrsimpcondlg(int resourceId) : SettingsDialog(resourceId, help_context::Defaults) {}

void TStrsimpcondlg::SetupWindow() {
    const StairSettings stored = ReadStairSettings(Imperial);
    SetInchesAndEighths(RiserInches, RiserNumerator, RiserDenominator, stored.riser,
                        ZeroFractionForWholeInches);
    SetInchesAndEighths(TreadInches, TreadNumerator, TreadDenominator, stored.tread,
                        ZeroFractionForWholeInches);
}

void TStrsimpcondlg::CmOk() {
    if (!ValidateControls()) return;
    WriteStairSettings(
        Imperial, {GetInchesAndFraction(RiserInches, RiserNumerator, RiserDenominator, FractionRule::Loose),
                   GetInchesAndFraction(TreadInches, TreadNumerator, TreadDenominator, FractionRule::Loose)});
    CloseWindow(1);
}
