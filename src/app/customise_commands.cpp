#include "app/customise_commands.h"

#include "app/client.h"
#include "app/command_table.h"
#include "app/defaults_runner.h"
#include "app/file_commands.h"
#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "platform/desktop.h"
#include "resources/command_ids.h"
#include "resources/help_contexts.h"
#include "settings/cfg_files.h"
#include "settings/door_defaults_dialog.h"
#include "settings/length_format.h"
#include "settings/line_style_dialog.h"
#include "settings/measure_dialog.h"
#include "settings/offset_dialog.h"
#include "settings/offset_imperial_dialog.h"
#include "settings/title_dialog.h"
#include "tools/status_texts.h"
#include "tools/tool_framework.h"
#include "tools/tool_kinds.h"
#include "view/child.h"

#include <algorithm>
#include <cstdio>
#include <string>

using platform::TheDesktop;

namespace {

// A drawing is open for these commands from DrawingState 2 on; below it they work on the client.
bool DrawingOpen() {
    return Shared.DrawingState >= 2;
}

// The name the line-style caption gives the active tool. The arc tool is called "Multiline" and the
// text tool at rest "Pick tool", as the program always has.
const char* ToolCaptionName(int kind) {
    switch (kind) {
    case tool_kind::Line:
        return "Line";
    case tool_kind::Arc:
        return "Multiline";
    case tool_kind::Text:
        return "Text";
    case tool_kind::Ellipse:
        return "Ellipse";
    case tool_kind::Circle:
        return "Circle";
    case tool_kind::TextAtRest:
    case tool_kind::Pick:
        return "Pick tool";
    default:
        return "";
    }
}

// The Default Layout Grid spacing: whole inches or millimetres typed, raised to the least spacing
// and kept to the most the grid takes. Cancel keeps the stored spacing as it is.
int AskLayoutGridSpacing(int units, int spacing) {
    const bool imperial = units == 0;
    ShowPrompt(imperial ? "input Grid line spacing" : "input Room Layout Grid line spacing");
    const int shown = imperial ? spacing / UnitsPerInch : spacing;
    std::optional<int> typed =
        AskWholeNumber("Grid Spacing", imperial ? "Spacing in inches" : "Spacing in millimetres", shown, 5);
    if (!typed) return spacing;
    const int perUnit = imperial ? UnitsPerInch : 1;
    const int least = MinGridSpacing(units) / perUnit;
    const int most = MaxGridSpacing(units) / perUnit;
    return std::clamp(*typed, least, most) * perUnit;
}

// With a drawing open the command is the defaults runner's on the active view (none runs without
// one): true then, and the command has nothing more to do.
bool HandOverToRunner(TClient& client, int kind) {
    if (!DrawingOpen()) return false;
    if (TChild* view = client.ActiveView()) RunDefaultsDialog(client, *view, kind);
    return true;
}

} // namespace

void AddCustomiseCommands(CommandTable& table) {
    table.Add(command_id::ChangeColour, CmChangeColour);
    table.Add(command_id::LineStyle, CmLineStyle);
    table.Add(command_id::Textsize, CmDefaultFont);
    table.Add(command_id::FloorPlanTitles, CmFloorPlanTitles);
    table.Add(command_id::DefaultLayoutGrid, CmDefaultLayoutGrid);
    table.Add(command_id::DesignRoomMerge, CmDesignRoomMerge);
    table.Add(command_id::DesignRoomColours, CmDesignRoomColours);
    table.Add(command_id::DefaultColours, CmDefaultColours);
    table.Add(command_id::DefDimensions, CmDefDimensions);
    table.Add(command_id::DefaultDoors, CmDefaultDoors);
    table.Add(command_id::DefaultFont, CmDefaultFont);
    table.Add(command_id::CentreDrawing, CmCentreDrawing);
}

void ApplyColourSettings(TClient& client, int kind) {
    if (kind < colour_kind::Pen || kind > colour_kind::OtherRooms) return;
    Shared.HelpContext = help_context::Defaults;
    GridSettings grid;
    RoomColourSettings rooms;
    platform::ColourRef start = Shared.DrawingColour;
    switch (kind) {
    case colour_kind::Background:
        start = Shared.BackgroundColour;
        break;
    case colour_kind::LayoutGrid:
        grid = ReadLayoutGrid(Shared.Units);
        start = grid.colour;
        break;
    case colour_kind::Overlay:
        start = Shared.OverlayColour;
        break;
    case colour_kind::WetArea:
    case colour_kind::Bedroom:
    case colour_kind::OtherRooms:
        rooms = ReadRoomColours();
        start = kind == colour_kind::WetArea   ? rooms.wetArea
                : kind == colour_kind::Bedroom ? rooms.bedroom
                                               : rooms.otherRooms;
        break;
    default:
        break;
    }
    platform::ColourRef colour = start;
    if (!TheDesktop().ChooseColour(colour, client.CustomColours)) colour = start;

    // A cancelled dialog stores the start colour: the files are written back as they were.
    switch (kind) {
    case colour_kind::Pen:
        Shared.DrawingColour = colour;
        break;
    case colour_kind::Background:
        Shared.BackgroundColour = colour;
        break;
    case colour_kind::Drawing:
    case colour_kind::Overlay:
        (kind == colour_kind::Drawing ? Shared.DrawingColour : Shared.OverlayColour) = colour;
        WriteColours({Shared.BackgroundColour, Shared.DrawingColour, Shared.OverlayColour});
        break;
    case colour_kind::LayoutGrid:
        grid.colour = colour;
        WriteLayoutGrid(Shared.Units, grid);
        break;
    default:
        (kind == colour_kind::WetArea   ? rooms.wetArea
         : kind == colour_kind::Bedroom ? rooms.bedroom
                                        : rooms.otherRooms) = colour;
        WriteRoomColours(rooms);
        break;
    }
    ShowPrompt(DrawingOpen() ? "press F1 for context help" : "Press FILE/NEW or FILE/OPEN");
}

void LineStyleDialog(TChild& view) {
    TDrawingtool& tool = view.Tool();
    TLinedlg dialog;
    if (dialog.Execute() == platform::IdOk) {
        Shared.PenWidth = dialog.penWidth;
        tool.LineStyle() = dialog.penStyle;
    }
    char caption[64];
    std::snprintf(caption, sizeof caption, "%d,%s", Shared.PenWidth, ToolCaptionName(tool.Kind));
    ShowCaption(caption);
}

void RunColourSteps(TClient& client, std::span<const ColourStep> steps, bool cursorBack) {
    for (const ColourStep& step : steps) {
        if (cursorBack)
            ViewMessageBox(step.message, step.caption, platform::MessageBoxStyle::Ok);
        else
            TheDesktop().MessageBox(step.message, step.caption, platform::MessageBoxStyle::Ok);
        ShowPrompt(step.prompt);
        ApplyColourSettings(client, step.kind);
    }
}

std::optional<int> AskWholeNumber(std::string_view title, std::string_view prompt, int shown, int maxLength) {
    std::string text = std::to_string(shown);
    if (!TheDesktop().InputBox(title, prompt, text, maxLength)) return std::nullopt;
    return ParseDecimal(text);
}

void AskMergeDistance(const MergeQuestion& inches, const MergeQuestion& millimetres, int maxLength) {
    const bool imperial = Shared.Units == 0;
    const MergeQuestion& question = imperial ? inches : millimetres;
    const int perUnit = imperial ? UnitsPerInch : 1;
    const int stored = ReadMergeDistance(Shared.Units).distance;
    ShowPrompt(question.prompt);
    std::optional<int> typed = AskWholeNumber(question.title, question.label, stored / perUnit, maxLength);
    // A cancelled dialog writes the stored distance back, in whole inches in feet and inches.
    const int distance = typed.value_or(stored / perUnit);
    const int least = MinMergeDistance(Shared.Units) / perUnit;
    WriteMergeDistance(Shared.Units, {std::clamp(distance, least, MaxMergeDistance / perUnit) * perUnit});
}

bool ChooseTextFont(TClient& client) {
    FontDialogData& data = client.FontData;
    const int keptPointSize = data.pointSize;
    data.colour = client.FontColour;
    data.pointSize = Shared.TextSize * 10;
    data.logFont.weight = Shared.FontWeight;
    data.logFont.face = DrawingList.FontName;
    platform::FontChoice font{DrawingList.FontName, data.pointSize, Shared.FontWeight, data.colour};
    if (!TheDesktop().ChooseFont(font)) {
        data.pointSize = keptPointSize;
        return false;
    }
    // Every reader of TEXT.CFG keeps 31 characters of the face: the name in force is what they keep.
    DrawingList.FontName = font.face.substr(0, TList::FontNameLimit);
    Shared.TextSize =
        std::clamp(font.pointSizeTenths / 10, TextSettings::MinTextSize, TextSettings::MaxTextSize);
    Shared.FontWeight = std::clamp(font.weight, TextSettings::MinFontWeight, TextSettings::MaxFontWeight);
    client.FontColour = font.colour;
    data.colour = font.colour;
    data.pointSize = font.pointSizeTenths;
    data.logFont.weight = Shared.FontWeight;
    data.logFont.face = DrawingList.FontName;
    WriteTextSettings({Shared.TextSize, Shared.FontWeight, DrawingList.FontName});
    return true;
}

void SaveOpenDrawing() {
    if (DrawingOpen() && Shared.CurrentView < 100) DrawingList.WriteDrawing();
}

void CmChangeColour(TClient& client) {
    if (!DrawingOpen()) {
        ShowPrompt("Select PEN COLOUR");
        ApplyColourSettings(client, colour_kind::Pen);
        return;
    }
    Shared.HelpContext = help_context::Text;
    HandOverToRunner(client, defaults_kind::PenColour);
}

void CmLineStyle(TClient& client) {
    if (Shared.DrawingState <= 1) return;
    Shared.HelpContext = help_context::Text;
    if (TChild* view = client.ActiveView()) LineStyleDialog(*view);
}

void CmDefaultFont(TClient& client) {
    Shared.HelpContext = help_context::Defaults;
    if (Shared.DrawingState == 0) {
        LoadTextSettings(client);
        ChooseTextFont(client);
        return;
    }
    SaveOpenDrawing();
    HandOverToRunner(client, defaults_kind::Font);
}

void CmDefaultDoors(TClient& client) {
    Shared.HelpContext = help_context::Defaults;
    if (HandOverToRunner(client, defaults_kind::Doors)) return;
    TConfigdlg doors;
    doors.Execute();
}

void CmDefDimensions(TClient& client) {
    Shared.HelpContext = help_context::Defaults;
    if (HandOverToRunner(client, defaults_kind::DimensionOffsets)) return;
    // The units chosen here pick the twin of the offsets; a cancelled choice keeps the units in force.
    TMeasdlg units;
    units.Execute();
    RunTwinDialog<TOffsetdlg, TOffsetimpdlg>();
}

void CmDefaultColours(TClient& client) {
    Shared.HelpContext = help_context::Defaults;
    if (HandOverToRunner(client, defaults_kind::Colours)) return;
    RunColourSteps(client, DrawingColourSteps, false);
}

void CmDefaultLayoutGrid(TClient& client) {
    Shared.HelpContext = help_context::Defaults;
    if (!DrawingOpen()) {
        TMeasdlg units;
        units.Execute();
    }
    // Only an open drawing is saved: with none, or after a cancelled New or Open, a save would write
    // a drawing of no name.
    SaveOpenDrawing();
    Shared.HelpContext = help_context::DesignRooms;
    GridSettings grid = ReadLayoutGrid(Shared.Units);
    grid.spacing = AskLayoutGridSpacing(Shared.Units, grid.spacing);
    WriteLayoutGrid(Shared.Units, grid);
    ShowPrompt("Now select Grid line colour");
    ApplyColourSettings(client, colour_kind::LayoutGrid);
}

void CmDesignRoomColours(TClient& client) {
    Shared.HelpContext = help_context::Defaults;
    SaveOpenDrawing();
    if (HandOverToRunner(client, defaults_kind::DesignRoomColours)) return;
    RunColourSteps(client, DesignRoomColourSteps, false);
}

void CmDesignRoomMerge(TClient& client) {
    Shared.HelpContext = help_context::Defaults;
    SaveOpenDrawing();
    if (HandOverToRunner(client, defaults_kind::MergeDistance)) return;
    TMeasdlg units;
    units.Execute();
    AskMergeDistance({"input Merging distance for room alignment", "Merging Distance", "Inches"},
                     {"input Merging distance for room alignment", "Merging Distance", "millimetres"}, 5);
}

void CmCentreDrawing(TClient& /*client*/) {
    // Kept in the menu, and does nothing.
}

void CmFloorPlanTitles(TClient& /*client*/) {
    Shared.HelpContext = help_context::Defaults;
    TTitle2Ddlg titles;
    titles.Execute();
}
