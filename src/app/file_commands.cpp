// The File commands New, Open and Save As, and the helpers they share.
#include "app/client.h"

#include "model/drawing_list.h"
#include "model/drawing_objects.h"
#include "model/shared_state.h"
#include "model/view_mapping.h"
#include "platform/desktop.h"
#include "settings/cfg_files.h"
#include "settings/new_dialog.h"
#include "settings/save_dialog.h"
#include "tools/drawing_tool.h"
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
    Shared.HelpContext = 200;
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
    if (DrawingList.count > 0 && Shared.CurrentView >= 50 && Shared.CurrentView <= 53)
        DrawingList.WriteDrawing();
}

std::unique_ptr<TDrawingtool> PickTool() {
    auto pick = std::make_unique<TLineobjtool>();
    pick->Kind = 21;
    return pick;
}

} // namespace

void CreateInfoObjects() {
    DrawingList.Flush();
    for (int floor = 0; floor < 4; ++floor) {
        auto info = std::make_unique<TInfoobj>();
        info->type = 32000 + floor;
        info->view = 50 + floor;
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

void TClient::CmFileNew() {
    SaveDrawingInHand();
    if (Shared.DrawingState > 1 && Frame && !Frame->CloseAllViews()) return;
    Shared.HelpContext = 200;
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
    InstallTool(PickTool());
    CurrentTool->Colour = Shared.DrawingColour;

    ResetDrawingState();
    Shared.CurrentView = 50;
    Shared.DrawingState = 0;
    Shared.ObjectSerial = 1;
    TChild* view = MakeView(DrawingList.DrawingName + suffix);
    LoadTextSettings(*this);
    WriteNoOverlays();
    CreateInfoObjects();
    DrawingList.WriteDrawing();
    SetScreenScale();
    if (view) SetScrollRanges(*view);
    Shared.DrawingState = 2;
    if (layout) {
        Shared.CurrentView = 40;
        ShowPrompt("Assemble your design rooms - add using the Design Room Icon");
    } else {
        Shared.CurrentView = 50;
        Shared.HelpContext = 250;
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

void TClient::CmFileOpen() {
    SaveDrawingInHand();
    if (Shared.DrawingState > 1 && Frame && !Frame->CloseAllViews()) return;
    Shared.HelpContext = 200;
    DrawingList.Flush();
    InstallTool(PickTool());
    ResetDrawingState();
    Shared.CurrentView = 0;
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
    Shared.CurrentView = 0;
    LoadTextSettings(*this);
    WriteNoOverlays();
    views_.push_back(std::make_unique<TChild>(*this, name + ".PLN"));
    TChild* view = views_.back().get();

    bool plan = DrawingList.count < 4;
    for (int i = 0; i < DrawingList.count && !plan; ++i) {
        const TObject* object = DrawingList[i];
        if (object->type < 32000 && object->view == 50) plan = true;
    }
    DrawingList.Flush();
    SetScreenScale();
    Shared.PenWidthFactor = 1;
    Shared.DrawingState = 2;
    if (Frame) view->Create(*Frame);
    ShowReadout("cursor distance");
    ShowPrompt("press F1 for HELP");
    ShowCaption("Pick Tool");
    WriteNormalZoom();
    if (plan) {
        Shared.CurrentView = 50;
        RefreshView(*view, 9);
    } else {
        Shared.LayoutGridOn = 1;
        Shared.CurrentView = 40;
        DrawingList.ViewTitle = DrawingList.DrawingName + ".LYT";
        OpenView(0, ".LYT");
    }
}

void TClient::CmFileSaveAs() {
    Shared.HelpContext = 200;
    TChild* view = ActiveView();
    if (Shared.DrawingState <= 1 || !view) return;
    ShowPrompt("Saves this file group to a new drawing name, original is still in use");
    SaveDrawingAs(*this, *view);
}

void SaveDrawingAs(TClient& /*client*/, TChild& view) {
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
