#include "walls/plan_dialogs.h"

#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "platform/desktop.h"
#include "settings/cfg_files.h"
#include "settings/custom_wall_dialog.h"
#include "settings/custom_wall_imperial_dialog.h"
#include "settings/display_mode_dialog.h"
#include "settings/door_dialog.h"
#include "settings/entry_dialog.h"
#include "settings/length_format.h"
#include "settings/overlay_dialog.h"
#include "settings/plan_dialog.h"
#include "settings/plan_imperial_dialog.h"
#include "settings/wall_side_dialog.h"
#include "settings/window_dialog.h"
#include "tools/drawing_view.h"
#include "tools/status_texts.h"
#include "tools/tool_framework.h"
#include "tools/tool_kinds.h"
#include "walls/wall_geometry.h"

#include <array>
#include <memory>
#include <optional>

namespace {

// The modes of RunPlanDialog.
constexpr int ExternalWallType = 4;
constexpr int Overlays = 5;
constexpr int WindowsAndDoors = 6;
constexpr int DisplayMode = 11;

// The opening kinds of the window dialog that ask more.
constexpr int WallOpening = 5;
constexpr int ExternalDoor = 6;
constexpr int FrenchDoorsIn = 7;
constexpr int FrenchDoorsOut = 8;
constexpr int GarageDoor = 9;
constexpr int MainEntry = 10;
constexpr int SingleEntryDoor = 1;

// The floor heights a new plan starts from: the ground floor's base level and height, and the height
// of the upper floors.
struct FloorHeights {
    int baseLevel;
    int groundHeight;
    int upperHeight;
};
constexpr FloorHeights MetricHeights{25, 2550, 2400};   // mm
constexpr FloorHeights ImperialHeights{24, 2328, 2304}; // 1/24 inch: 1 inch, 8' 1", 8'

bool Metric() {
    return WallSettingsUnits() == 1;
}

void Repaint(DrawingView& view, bool erase) {
    view.Invalidate(nullptr, erase);
}

using Layers = std::array<int, 3>;

// The metric or the feet-and-inches twin of a dialog, by the drawing's units.
template <typename Base, typename MetricTwin, typename ImperialTwin> std::unique_ptr<Base> Twin() {
    if (Metric()) return std::make_unique<MetricTwin>();
    return std::make_unique<ImperialTwin>();
}

// Runs one of the wall dialogs: cancelled, it ends the command with the pick tool.
bool Accepted(DrawingView& view, platform::Dialog& dialog) {
    if (dialog.Execute() == platform::IdOk) return true;
    view.SelectPickTool();
    return false;
}

// The wall type asked: the type dialog, and after its custom row the custom-wall dialog. Cancelling
// either installs the pick tool and gives nothing. `afterType` runs once the type dialog is accepted.
template <typename AfterType> std::optional<Layers> AskWallType(DrawingView& view, AfterType afterType) {
    auto type = Twin<ExternalWallTypeDialog, TPlandlg, TPlanimpdlg>();
    if (!Accepted(view, *type)) return std::nullopt;
    afterType();
    Layers layers = type->layers;
    if (type->wallCode == 1) {
        auto custom = Twin<CustomWallDialog, TPlancustdlg, TPlanimpcustdlg>();
        if (!Accepted(view, *custom)) return std::nullopt;
        layers = custom->layers;
        Repaint(view, false);
    }
    return layers;
}

// The heights a floor plan starts from, set for the view's floor: the ground floor's base level and
// height, or an upper floor's height above a base of 0. Any other view clears the ground floor's
// base and height when `otherViews` asks, else changes nothing.
void SetFloorHeights(ExternalWallSettings& settings, int view, bool otherViews) {
    const FloorHeights& heights = Metric() ? MetricHeights : ImperialHeights;
    switch (view) {
    case view_code::GroundFloor:
        settings.baseLevel = heights.baseLevel;
        settings.groundHeight = heights.groundHeight;
        break;
    case view_code::FirstFloor:
        settings.baseLevel = 0;
        settings.firstHeight = heights.upperHeight;
        break;
    case view_code::SecondFloor:
        settings.baseLevel = 0;
        settings.secondHeight = heights.upperHeight;
        break;
    default:
        if (otherViews) settings.baseLevel = settings.groundHeight = 0;
        break;
    }
}

// Writes the wall type with the floor heights of the current view; gives what it wrote.
ExternalWallSettings WriteWallType(ExternalWallSettings settings, const Layers& layers, bool otherViews) {
    settings.outer = layers[0];
    settings.cavity = layers[1];
    settings.inner = layers[2];
    SetFloorHeights(settings, Shared.CurrentView, otherViews);
    WriteExternalWallSettings(WallSettingsUnits(), settings);
    return settings;
}

// Mode 4: the wall type of a new floor plan, and for walls drawn on the plan the side of the drawn
// line their layers lie on. The floor's record keeps its base level and wall height.
void AskExternalWallType(DrawingView& view) {
    ShowPrompt(Shared.CurrentView < view_code::GroundFloor
                   ? "press ENTER on each house internal corner CLOCKWISE, back at start pt. press ENTER "
                   : "HINT for ANGLED walls, press 'a' key then arrow keys to finetune cursor, 'a' again for "
                     "normal input)");
    const ExternalWallSettings settings = ReadExternalWallSettings(WallSettingsUnits());
    std::optional<Layers> layers = AskWallType(view, [&view] {
        view.Tool().State = 0;
        Repaint(view, true);
    });
    if (!layers) return;
    if (view.Tool().Kind == tool_kind::ExternalWall) {
        TExtsidedlg side;
        if (!Accepted(view, side)) return;
        view.Tool().Aux = side.sideCode;
        Repaint(view, false);
    }
    const ExternalWallSettings written = WriteWallType(settings, *layers, true);
    // A view just opened reads the drawing back at its first paint, which the dialogs need not have
    // let run: the floor's record is looked for in the whole drawing.
    DrawingList.ReadDrawingIfNotHeld();
    const int record = DrawingList.FindType(Shared.CurrentView + type_code::FloorRecordBase);
    if (record != NoObjectIndex) {
        TObject* floorRecord = DrawingList.Edit(record);
        floorRecord->z1 = written.baseLevel;
        floorRecord->z2 = written.groundHeight;
    }
    DrawingList.WriteDrawing();
    // Corner marking starts from the drawing file; the next paint reads it back.
    if (view.Tool().Kind == tool_kind::CornerMarks) DrawingList.Flush();
}

// A width typed in a dialog, in drawing units: millimetres, or whole inches in feet and inches.
int TypedWidth(const std::string& text) {
    return WholeLengthTyped(ParseDecimal(text), WallSettingsUnits());
}

// The door of an external door or main entry: its type goes to the tool. False when cancelled.
bool AskDoor(DrawingView& view, int width, std::string* typedWidth) {
    TDoordlg door(TDoordlg::Resource, width);
    if (door.Execute() != platform::IdOk) {
        Repaint(view, true);
        return false;
    }
    view.Tool().State = door.doorType;
    if (typedWidth) *typedWidth = door.width;
    return true;
}

// Mode 6: the window or external door for the window tool, its width handed to the tool's step; the
// datum goes to the plan's upper-left corner.
void AskWindowOrDoor(DrawingView& view) {
    TWindlg window;
    if (window.Execute() != platform::IdOk) {
        Repaint(view, true);
        return;
    }
    int width = TypedWidth(window.width);
    switch (window.openingType) {
    case WallOpening:
        Repaint(view, false);
        break;
    case ExternalDoor: {
        Repaint(view, false);
        std::string doorWidth;
        if (!AskDoor(view, width, &doorWidth)) return;
        if (ParseDecimal(doorWidth) > 0) width = TypedWidth(doorWidth);
        break;
    }
    case MainEntry: {
        Repaint(view, false);
        TEntrydlg entry;
        if (entry.Execute() != platform::IdOk) {
            Repaint(view, true);
            return;
        }
        const int entryWidth = TypedWidth(entry.width);
        if (entry.doors == SingleEntryDoor) {
            if (!AskDoor(view, entryWidth, nullptr)) return;
            // The entry's file keeps its door width; its second, third and fifth fields have always
            // been written from the fifth.
            EntrySettings settings = ReadEntrySettings(WallSettingsUnits());
            settings.width = entryWidth;
            settings.second = settings.third = settings.fifth;
            WriteEntrySettings(settings);
        }
        break;
    }
    default:
        break;
    }
    view.Tool().Step(width, 0, 0);
    DrawingList.GetPlanCorner(&view.DatumX, &view.DatumY);
    view.DatumState = 3;
    switch (window.openingType) {
    case ExternalDoor:
        ShowCaption("external door");
        break;
    case FrenchDoorsIn:
    case FrenchDoorsOut:
        ShowCaption("French doors");
        break;
    case GarageDoor:
        ShowCaption("garage door");
        break;
    default:
        break;
    }
    ShowPrompt("cursor distance is from DATUM at top left external wall corner");
}

} // namespace

void RunPlanDialog(DrawingView& view, int mode) {
    ShowPrompt("Complete the Dialogue Box");
    switch (mode) {
    case ExternalWallType:
        AskExternalWallType(view);
        break;
    case Overlays: {
        TOverdlg overlays;
        if (overlays.Execute() != platform::IdOk) Repaint(view, false);
        break;
    }
    case WindowsAndDoors:
        AskWindowOrDoor(view);
        break;
    case DisplayMode: {
        TDisplandlg display;
        display.Execute();
        Repaint(view, true);
        break;
    }
    default:
        break;
    }
}

void ChooseExternalWallType(DrawingView& view) {
    const ExternalWallSettings settings = ReadExternalWallSettings(WallSettingsUnits());
    std::optional<Layers> layers = AskWallType(view, [&view] { Repaint(view, false); });
    if (!layers) return;
    WriteWallType(settings, *layers, false);
    view.Tool().Step((*layers)[0], (*layers)[1], (*layers)[2]);
    DrawingList.WriteDrawing();
}
