#include "partitions/door_placement.h"

#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "partitions/door_tool.h"
#include "platform/desktop.h"
#include "settings/door_choice_dialog.h"
#include "settings/door_dialog.h"
#include "settings/double_door_dialog.h"
#include "settings/feet_dialog.h"
#include "settings/length_format.h"
#include "settings/sliding_door_dialog.h"
#include "tools/drawing_view.h"
#include "tools/status_texts.h"
#include "tools/tool_kinds.h"
#include "tools/tool_support.h"
#include "tools/view_support.h"

#include <optional>
#include <string>

using tool_support::Clamped;

namespace {

// The modes of PlaceDoorOrOpening.
constexpr int HingedDoorMode = 1;
constexpr int DoorPairMode = 2;
constexpr int OpeningMode = 3;
constexpr int SlidingDoorMode = 4;

// The choices of the single-or-multiple dialog.
constexpr int SingleSlidingDoor = 1;
constexpr int MultipleDoors = 2;

// Openings from 1 to 32766 units wide are cut; anything else (0, negatives, unreadable text) is
// refused like a cancel, where it once cut an inverted or empty gap.
constexpr int LongestOpening = 32766;

// What the dialog of a mode hands to the tool.
struct DoorSettings {
    int kind = 0;
    int type = 0;
    int width = 0;
    int side = 0;
    const char* prompt = "";
};

// A door width as typed: millimetres, or whole inches in a feet-and-inches drawing.
int DoorWidth(const std::string& typed) {
    const long long width = ParseDecimal(typed);
    return Clamped(Shared.Units == 0 ? width * UnitsPerInch : width);
}

// The opening's width: feet, inches and eighths in a feet-and-inches drawing (a fraction over a
// denominator of 0 or less adds nothing), else millimetres typed in the one-line input.
std::optional<int> AskOpeningWidth() {
    long long width = 0;
    if (Shared.Units == 0) {
        TFeetdlg dialog(TFeetdlg::Resource, 0);
        if (dialog.Execute() != platform::IdOk) return std::nullopt;
        width = dialog.LengthUnits(FractionRule::Loose);
    } else {
        std::string typed = "1000";
        if (!platform::TheDesktop().InputBox("", "OPENING:", typed, 8)) return std::nullopt;
        width = ParseDecimal(typed);
    }
    if (width < 1 || width > LongestOpening) return std::nullopt;
    return static_cast<int>(width);
}

// The dialog of the mode; nothing when it was cancelled or gave no width to cut.
std::optional<DoorSettings> AskDoor(TDrawingtool& tool, int mode) {
    DoorSettings settings;
    switch (mode) {
    case HingedDoorMode: {
        TDoordlg dialog(TDoordlg::Resource, 0);
        if (dialog.Execute() != platform::IdOk) return std::nullopt;
        settings = {tool_kind::HingedDoor, dialog.doorType, DoorWidth(dialog.width), 0,
                    "ENTER HINGED side on wall where door will go"};
        break;
    }
    case DoorPairMode: {
        TDDoordlg dialog;
        if (dialog.Execute() != platform::IdOk) return std::nullopt;
        settings = {tool_kind::DoorPair, dialog.kind, DoorWidth(dialog.width), dialog.direction,
                    "ENTER CENTRE point on wall where doors are to go"};
        break;
    }
    case OpeningMode: {
        const std::optional<int> width = AskOpeningWidth();
        if (!width) return std::nullopt;
        tool.DragActive() = 1;
        settings = {tool_kind::WallOpening, TDoorobjtool::PlainOpening, *width, 0,
                    "press Enter on centre of Opening (mark on one internal wall line)"};
        break;
    }
    case SlidingDoorMode: {
        TSdoordlg dialog;
        if (dialog.Execute() != platform::IdOk) return std::nullopt;
        // The into-wall flag goes straight into the tool's direction.
        tool.SideInUse() = dialog.slidesIntoWall;
        settings = {tool_kind::SlidingDoor, dialog.doorType, DoorWidth(dialog.width), 0,
                    "ENTER slide side jamb on wall where door will go"};
        break;
    }
    default:
        return std::nullopt;
    }
    return settings;
}

} // namespace

void PlaceDoorOrOpening(DrawingView& view, int mode) {
    if (Shared.CurrentView < view_code::GroundFloor || Shared.CurrentView > view_code::FourthPlan) {
        ViewMessageBox("Wrong View - select  View then your floor plan", "", platform::MessageBoxStyle::Ok);
        return;
    }
    TDrawingtool& tool = view.Tool();
    const std::optional<DoorSettings> settings = AskDoor(tool, mode);
    if (!settings) {
        view.Invalidate(nullptr, true);
        view.SelectPickTool();
        return;
    }
    tool.Kind = settings->kind;
    ShowPrompt(settings->prompt);
    CallTool(view, [&](TDrawingtool& door, platform::DeviceContext& dc, const platform::Rect& client) {
        door.X1 = 0;
        door.Started() = 0;
        door.AddDimension(dc, client, settings->type, settings->width, settings->side, 'b');
    });
    DrawingList.GetPlanCorner(&view.DatumX, &view.DatumY);
    view.DatumState = 3;
    // The datum's prompt replaces the mode's at once; the caption stays.
    ShowPrompt("cursor distance is from DATUM at top left external wall corner");
}

void PlaceOtherInternalDoor(DrawingView& view) {
    TMiscdrdlg dialog;
    if (dialog.Execute() != platform::IdOk) return;
    if (dialog.choice == SingleSlidingDoor) {
        ShowCaption("Intl Sliding Dr");
        ShowPrompt("place door cursor on internal wall sliding side jamb, press Enter");
        view.Tool().Kind = tool_kind::SlidingDoor;
        PlaceDoorOrOpening(view, SlidingDoorMode);
    } else if (dialog.choice == MultipleDoors) {
        ShowCaption("Misc Doors");
        ShowPrompt("place door cursor on internal wall and press Enter");
        PlaceDoorOrOpening(view, DoorPairMode);
    }
    // Neither chosen: the door tool stays as the command built it.
}
