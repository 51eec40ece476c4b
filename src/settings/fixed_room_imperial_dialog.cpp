#include "settings/fixed_room_imperial_dialog.h"

#include "settings/cfg_files.h"

namespace {
constexpr int Imperial = 0;
constexpr int HorizontalFeetEdit = 8502;
constexpr int VerticalFeetEdit = 8506;
constexpr int ThicknessInches = 8510, ThicknessNumerator = 8511, ThicknessDenominator = 8512;
} // namespace

TRoomimpdlg::TRoomimpdlg(int resourceId) : RoomDialog(resourceId, help_context::FixedRooms, 8501, 8513, 0) {}

void TRoomimpdlg::SetupWindow() {
    RoomDialog::SetupWindow();
    const FreeRoomSize free = ReadFreeRoomSize(Imperial);
    SetFeetInchesAndEighths(HorizontalFeetEdit, free.horizontal);
    SetFeetInchesAndEighths(VerticalFeetEdit, free.vertical);
    SetInchesAndEighths(ThicknessInches, ThicknessNumerator, ThicknessDenominator,
                        ReadInternalWallSettings(Imperial).width);
}

void TRoomimpdlg::ReadControls() {
    horizontal = GetFeetInchesTexts(HorizontalFeetEdit);
    vertical = GetFeetInchesTexts(VerticalFeetEdit);
    thicknessInches = GetControlText(ThicknessInches);
    thicknessNumerator = GetControlText(ThicknessNumerator);
    thicknessDenominator = GetControlText(ThicknessDenominator);
    WriteInternalWallSettings(Imperial, {GetInchesAndFraction(ThicknessInches, ThicknessNumerator,
                                                              ThicknessDenominator, FractionRule::Proper)});
}
