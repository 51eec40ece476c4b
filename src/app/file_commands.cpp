// The File commands New, Open and Save As, and the helpers they share.
#include "app/file_commands.h"

#include "app/client.h"
#include "app/tool_of_kind.h"

#include "model/drawing_list.h"
#include "model/drawing_objects.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "model/view_mapping.h"
#include "platform/desktop.h"
#include "resources/command_ids.h"
#include "resources/help_contexts.h"
#include "settings/cfg_files.h"
#include "settings/new_dialog.h"
#include "settings/save_dialog.h"
#include "tools/status_texts.h"
#include "tools/tool_framework.h"
#include "tools/tool_kinds.h"
#include "tools/view_support.h"
#include "view/child.h"

#include <filesystem>

using platform::TheDesktop;

namespace {

// A drawing name as the commands accept it: 1 to 25 characters.
bool AcceptableName(const std::string& name) {
    return !name.empty() && name.size() <= 25;
}

// The drawing state a New or Open starts from.
void ResetDrawingState() {
    Shared.TextSize = 10;
    Shared.FontWeight = 400;
    Shared.HelpContext = help_context::Files;
    Shared.LayoutGridOn = 0;
    Shared.DisplayMode = 0;
    Shared.PenWidth = 1;
    Shared.PenWidthFactor = 1;
    Shared.ClientWidth = 624;
    Shared.ClientHeight = 346;
    Shared.ScrollX = 0;
    Shared.ScrollY = 0;
}

void WriteNoOverlays() {
    WriteOverlaySettings(OverlaySettings{});
}

void WriteNormalZoom() {
    WriteClientSize(ClientSize{Shared.ClientWidth, Shared.ClientHeight});
}

// New and Open save the drawing in hand when a floor plan is current.
void SaveDrawingInHand() {
    if (DrawingList.count > 0 && Shared.CurrentView >= view_code::GroundFloor &&
        Shared.CurrentView <= view_code::FourthPlan)
        DrawingList.WriteDrawing();
}

} // namespace

void AddFileCommands(CommandTable& table) {
    table.Add(command_id::New, CmFileNew);
    table.Add(command_id::Open, CmFileOpen);
    table.Add(command_id::SaveAs, CmFileSaveAs);
    table.Add(command_id::Exit, CmExit);
}

void CreateInfoObjects() {
    DrawingList.Flush();
    for (int floor = 0; floor < 4; ++floor) {
        auto info = std::make_unique<TInfoobj>();
        info->type = type_code::FirstInformation + floor;
        info->view = view_code::GroundFloor + floor;
        info->number = 0;
        info->penWidth = 1;
        info->penStyle = 0;
        info->colour = static_cast<int>(Shared.DrawingColour);
        info->value = 0;
        DrawingList.Add(std::move(info));
    }
}

void LoadTextSettings(TClient& client) {
    TextSettings text = ReadTextSettings();
    Shared.TextSize = text.textSize;
    Shared.FontWeight = text.fontWeight;
    DrawingList.FontName = text.fontName;
    constexpr int pixelsPerInch = 96;
    client.FontData = FontDialogData{};
    client.FontData.logFont.height = -((Shared.TextSize * pixelsPerInch + 36) / 72);
    client.FontData.logFont.weight = Shared.FontWeight;
    client.FontData.logFont.charSet = 0;
    client.FontData.logFont.outputPrecision = 0;
    client.FontData.logFont.clipPrecision = 0;
    client.FontData.logFont.quality = platform::ProofQuality;
    client.FontData.logFont.pitchAndFamily = platform::VariablePitch;
    client.FontData.logFont.face = DrawingList.FontName;
    client.FontData.pointSize = Shared.TextSize * 10;
    client.FontColour = platform::Rgb(0, 0, 0);
}

void CmFileNew(TClient& client) {
    SaveDrawingInHand();
    if (Shared.DrawingState > 1 && client.Frame && !client.Frame->CloseAllViews()) return;
    Shared.HelpContext = help_context::Files;
    DrawingList.Flush();
    ShowReadout("cursor distance");
    ShowPrompt("type up to 24 letters but NO file extension");
    // From here on the drawing in hand is closed: an early end leaves no drawing open.
    TNewdlg dialog;
    if (dialog.Execute() != platform::IdOk || !AcceptableName(dialog.drawingName)) {
        Shared.DrawingState = 0;
        return;
    }
    DrawingList.DrawingName = dialog.drawingName;
    bool layout = dialog.startMode == 1;
    std::string suffix = layout ? ".LYT" : ".PLN";
    // The room layout and the external walls have tools of their own; the pick tool stands in for
    // them until the user chooses a drawing tool.
    client.InstallTool(ToolOfKind(tool_kind::Pick));
    client.CurrentTool->Colour = Shared.DrawingColour;

    ResetDrawingState();
    Shared.CurrentView = view_code::GroundFloor;
    Shared.DrawingState = 0;
    Shared.ObjectSerial = 1;
    TChild* view = client.MakeView(DrawingList.DrawingName + suffix);
    LoadTextSettings(client);
    WriteNoOverlays();
    CreateInfoObjects();
    DrawingList.WriteDrawing();
    SetScreenScale();
    if (view) SetScrollRanges(*view);
    Shared.DrawingState = 2;
    if (layout) {
        Shared.CurrentView = view_code::RoomLayout;
        ShowPrompt("Assemble your design rooms - add using the Design Room Icon");
    } else {
        Shared.CurrentView = view_code::GroundFloor;
        Shared.HelpContext = help_context::Walls;
        if (view && view->Window()) {
            int corner = Shared.Units == 1 ? 25 : 24;
            TheDesktop().SetCursorPos(view->Window()->ClientToScreen({corner, corner}));
        }
        ShowPrompt(
            "Draw outer line of EXTERNAL walls, press ENTER on start point then use arrow keys for input");
    }
    ShowCaption("Pick Tool");
    WriteNormalZoom();
    if (view) RefreshView(*view, 0);
}

void CmFileOpen(TClient& client) {
    SaveDrawingInHand();
    if (Shared.DrawingState > 1 && client.Frame && !client.Frame->CloseAllViews()) return;
    Shared.HelpContext = help_context::Files;
    DrawingList.Flush();
    client.InstallTool(ToolOfKind(tool_kind::Pick));
    ResetDrawingState();
    Shared.CurrentView = view_code::BeingOpened;
    ShowPrompt("select Client name");
    platform::FileDialogRequest request;
    request.title = "Open";
    request.folder = DrawingList.ProgramDir + "DWGS";
    request.filterName = "Plan files(*.DB0)";
    request.pattern = "*.DB0";
    if (!TheDesktop().ChooseFile(request)) {
        Shared.DrawingState = 0;
        return;
    }
    // Whatever folder was browsed, the drawing is the one of that name in the program's DWGS folder.
    std::string name = std::filesystem::path(request.path).stem().string();
    if (!AcceptableName(name)) {
        Shared.DrawingState = 0;
        return;
    }
    DrawingList.DrawingName = name;
    Shared.DrawingState = 1;
    Shared.CurrentView = view_code::BeingOpened;
    LoadTextSettings(client);
    WriteNoOverlays();
    TChild* view = &client.AddView(name + ".PLN");

    bool plan = DrawingList.count < 4;
    for (int i = 0; i < DrawingList.count && !plan; ++i) {
        const TObject* object = DrawingList[i];
        if (object->type < type_code::FirstInformation && object->view == view_code::GroundFloor) plan = true;
    }
    DrawingList.Flush();
    SetScreenScale();
    Shared.PenWidthFactor = 1;
    Shared.DrawingState = 2;
    if (client.Frame) view->Create(*client.Frame);
    ShowReadout("cursor distance");
    ShowPrompt("press F1 for HELP");
    ShowCaption("Pick Tool");
    WriteNormalZoom();
    if (plan) {
        Shared.CurrentView = view_code::GroundFloor;
        RefreshView(*view, 9);
    } else {
        Shared.LayoutGridOn = 1;
        Shared.CurrentView = view_code::RoomLayout;
        DrawingList.ViewTitle = DrawingList.DrawingName + ".LYT";
        client.OpenView(0, ".LYT");
    }
}

void CmExit(TClient& client) {
    if (DrawingList.count > 0) DrawingList.WriteDrawing();
    DrawingList.Flush();
    TheDesktop().ShowHelp(platform::Desktop::HelpCommand::Quit, 0);
    if (client.Frame) client.Frame->Close();
}

void CmFileSaveAs(TClient& client) {
    Shared.HelpContext = help_context::Files;
    TChild* view = client.ActiveView();
    if (Shared.DrawingState <= 1 || !view) return;
    ShowPrompt("Saves this file group to a new drawing name, original is still in use");
    SaveDrawingAs(*view);
}

void SaveDrawingAs(TChild& view) {
    if (DrawingList.count == 0) return;
    DrawingList.WriteDrawing();
    std::string current = DrawingList.DrawingName;
    TSavedlg dialog;
    if (dialog.Execute() != platform::IdOk || !AcceptableName(dialog.newName)) {
        RefreshView(view, 0);
        return;
    }
    DrawingList.DrawingName = dialog.newName;
    DrawingList.WriteDrawing();
    DrawingList.DrawingName = current;
    RefreshView(view, 0);
}
