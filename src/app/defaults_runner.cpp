#include "app/defaults_runner.h"

#include "app/customise_commands.h"
#include "model/shared_state.h"
#include "settings/cfg_files.h"
#include "settings/door_defaults_dialog.h"
#include "settings/length_format.h"
#include "settings/offset_dialog.h"
#include "settings/offset_imperial_dialog.h"
#include "settings/printer_calibration.h"
#include "settings/stair_sizes_dialog.h"
#include "settings/stair_sizes_imperial_dialog.h"
#include "tools/status_texts.h"
#include "view/child.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

void Repaint(TChild& view) {
    view.Invalidate(nullptr, false);
}

void RepaintWithErase(TChild& view) {
    view.Invalidate(nullptr, true);
}

// The grid spacing of GRIDM.CFG or GRIDI.CFG, then the layout grid's colour. A spacing above what the
// grid takes ends the command with nothing written. The spacing goes back as shown or typed, in whole
// inches in feet and inches, also when the user cancels.
void AskGrid(TClient& client, TChild& view) {
    const int units = Shared.Units;
    const bool imperial = units == 0;
    const int perUnit = imperial ? UnitsPerInch : 1;
    GridSettings grid = ReadGrid(units);
    ShowPrompt("Select Grid line spacing");
    int spacing = grid.spacing / perUnit;
    std::optional<int> typed =
        AskWholeNumber("Grid Spacing", imperial ? "Spacing in inches" : "Spacing in millimetres", spacing, 8);
    if (typed) {
        if (*typed > MaxGridSpacing(units) / perUnit) return;
        spacing = std::max(*typed, MinGridSpacing(units) / perUnit);
    }
    grid.spacing = spacing * perUnit;
    WriteGrid(units, grid);
    ShowPrompt("now select Grid line colour");
    ApplyColourSettings(client, colour_kind::LayoutGrid);
    if (Shared.LayoutGridOn == 1) RepaintWithErase(view);
}

} // namespace

void RunDefaultsDialog(TClient& client, TChild& view, int kind) {
    switch (kind) {
    case defaults_kind::Doors: {
        TConfigdlg doors;
        doors.Execute();
        Repaint(view);
        break;
    }
    case defaults_kind::DimensionOffsets:
        RunTwinDialog<TOffsetdlg, TOffsetimpdlg>();
        Repaint(view);
        break;
    case defaults_kind::Font:
        ChooseTextFont(client);
        RepaintWithErase(view);
        break;
    case defaults_kind::Grid:
        AskGrid(client, view);
        break;
    case defaults_kind::Colours:
        RunColourSteps(client, DrawingColourSteps, true);
        break;
    case defaults_kind::PenColour:
        ShowPrompt("Select PEN COLOUR");
        ApplyColourSettings(client, colour_kind::Pen);
        Repaint(view);
        break;
    case defaults_kind::PrinterCalibration:
        // Unlike Calibrate Printer with no drawing open, no units are asked and no prompt is shown.
        CalibratePrinter(Shared.Units);
        break;
    case defaults_kind::CustomStairs:
        RunTwinDialog<TStrscondlg, TStrsimpcondlg>();
        break;
    case defaults_kind::DesignRoomColours: {
        // This path has always said "ROOM" where the command without a drawing says "ROOMS".
        std::array<ColourStep, 3> steps{};
        std::copy(std::begin(DesignRoomColourSteps), std::end(DesignRoomColourSteps), steps.begin());
        steps[2].prompt = "Select OTHER ROOM COLOUR";
        RunColourSteps(client, steps, false);
        Repaint(view);
        break;
    }
    case defaults_kind::MergeDistance:
        AskMergeDistance({"input Merging distance for room alignment", "Merging Distance", "Inches"},
                         {"Select Merging distance for room alignment", "Merge Distance", "Millimetres"}, 6);
        Repaint(view);
        break;
    default:
        break;
    }
}
