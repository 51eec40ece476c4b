// The File commands New, Open, Save As and Exit, and the helpers they share.
#include "app/file_commands.h"

#include "app/client.h"
#include "app/command_table.h"
#include "app/rotate_mirror_drawings.h"
#include "app/tool_of_kind.h"

#include "model/drawing_file.h"
#include "model/drawing_list.h"
#include "model/drawing_objects.h"
#include "model/file_name_case.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "model/view_mapping.h"
#include "model/whole_file.h"
#include "platform/desktop.h"
#include "resources/command_ids.h"
#include "resources/help_contexts.h"
#include "rooms/design_rooms.h"
#include "settings/cfg_files.h"
#include "settings/new_dialog.h"
#include "settings/replace_question.h"
#include "settings/save_dialog.h"
#include "tools/status_texts.h"
#include "tools/tool_framework.h"
#include "tools/tool_kinds.h"
#include "tools/view_support.h"
#include "view/child.h"
#include "walls/extwall_tool.h"
#include "walls/plan_dialogs.h"

#include <filesystem>
#include <system_error>

using platform::TheDesktop;
namespace fs = std::filesystem;

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

std::string FileNameOf(const std::string& path) {
    return fs::path(path).filename().string();
}

// The drawing file of a name: in the program's DWGS folder, whatever folder the user browsed.
std::string DrawingPathOf(const std::string& name) {
    return DrawingFilePathOf(DrawingList.ProgramDir, name);
}

bool Exists(const std::string& path) {
    std::error_code error;
    return fs::exists(path, error);
}

// New and Save As replace a drawing of the name typed only when the user says so.
bool MayReplaceDrawing(const std::string& name, const char* caption) {
    return MayReplaceFile(DrawingPathOf(name), caption);
}

void TellOpen(const std::string& text) {
    TheDesktop().MessageBox(text, "FILE OPEN", platform::MessageBoxStyle::Ok);
}

// Makes the file the user chose the drawing file of `name`, or says why it cannot be opened. A file
// chosen outside DWGS is copied into it (`copied` says so), unless it is no drawing or DWGS already
// holds a drawing of that name; a file in DWGS is judged by the read that opens it (JudgeDrawingRead).
bool BringIntoDrawings(const std::string& chosen, const std::string& name, bool& copied) {
    copied = false;
    const std::string drawing = DrawingPathOf(name);
    std::error_code error;
    if (fs::equivalent(chosen, drawing, error)) return true;
    const std::string chosenName = FileNameOf(chosen);
    std::string bytes;
    if (!ReadWholeFile(chosen, bytes)) {
        TellOpen(chosenName + " could not be read");
        return false;
    }
    if (!HasDrawingHeader(bytes)) {
        TellOpen(chosenName + " is not a drawing file");
        return false;
    }
    if (Exists(drawing)) {
        TellOpen("DWGS already holds a drawing named " + name + ", so " + chosenName + " was not opened");
        return false;
    }
    if (!ReplaceFileAtomically(drawing, bytes)) {
        TellOpen(chosenName + " could not be copied into DWGS");
        return false;
    }
    copied = true;
    return true;
}

// Judges what the read of the drawing being opened found, and says why it cannot be opened: a file
// that is no drawing is left alone; a damaged one is first copied to NAME.BAK, since the next save
// writes only the objects that could be read.
bool JudgeDrawingRead(const std::string& chosenName, const std::string& name) {
    using State = DrawingFileCheck::State;
    const DrawingFileCheck& read = DrawingList.LastRead();
    switch (read.state) {
    case State::Whole:
        return true;
    case State::Unreadable:
        TellOpen(chosenName + " could not be read");
        return false;
    case State::NotADrawing:
        TellOpen(chosenName + " is not a drawing file");
        return false;
    case State::Damaged:
        break;
    }
    const std::string drawing = DrawingPathOf(name);
    const std::string backup = FindFileIgnoringCase(DrawingList.ProgramDir + "DWGS/", name + ".BAK");
    std::string bytes;
    if (!ReadWholeFile(drawing, bytes) || !ReplaceFileAtomically(backup, bytes)) {
        TellOpen(chosenName + " is damaged and could not be kept as " + FileNameOf(backup) +
                 ", so it was not opened");
        return false;
    }
    const int objects = read.objectsRead;
    TellOpen(FileNameOf(drawing) + " is damaged and only " + std::to_string(objects) +
             (objects == 1 ? " object" : " objects") + " could be read; the file as it was is kept as " +
             FileNameOf(backup));
    return true;
}

} // namespace

void AddFileCommands(CommandTable& table) {
    table.Add(command_id::New, CmFileNew);
    table.Add(command_id::Open, CmFileOpen);
    table.Add(command_id::SaveAs, CmFileSaveAs);
    table.Add(command_id::Exit, CmExit);
    table.Add(command_id::RotateMirrorDrawings, CmRotateMirror);
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
    // The new drawing replaces whatever the file of its name held (the user was asked).
    DrawingList.TakeAsDrawing();
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
    std::string shownName = "client";
    std::string name;
    int startMode = 2;
    for (;;) {
        TNewdlg dialog;
        dialog.nameShown = shownName;
        if (dialog.Execute() != platform::IdOk || !AcceptableName(dialog.drawingName)) {
            Shared.DrawingState = 0;
            return;
        }
        if (MayReplaceDrawing(dialog.drawingName, "FILE NEW")) {
            name = dialog.drawingName;
            startMode = dialog.startMode;
            break;
        }
        // Back to the name, as the user typed it.
        shownName = dialog.drawingName;
    }
    DrawingList.DrawingName = name;
    bool layout = startMode == 1;
    std::string suffix = layout ? ".LYT" : ".PLN";
    // A floor plan starts with the external walls drawn from the keys, their layers below the first
    // line until the side dialog says otherwise; the room layout starts with the design-room tool.
    if (layout) {
        client.InstallTool(ToolOfKind(tool_kind::DesignRoom));
    } else {
        auto walls = std::make_unique<TExtwallobjtool>();
        walls->Aux2() = 1;
        walls->State = TExtwallobjtool::OrthogonalEntry;
        client.InstallTool(std::move(walls));
    }
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
        if (view) NewDesignRoom(*view);
        ShowPrompt("Assemble your design rooms - add using the Design Room Icon");
    } else {
        Shared.CurrentView = view_code::GroundFloor;
        if (view) RunPlanDialog(*view, 4);
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
    request.moreFilters = {{"Allfiles(*.*)", "*.*"}};
    if (!TheDesktop().ChooseFile(request)) {
        Shared.DrawingState = 0;
        return;
    }
    // Whatever folder was browsed, the drawing is the one of that name in the program's DWGS folder.
    std::string name = fs::path(request.path).stem().string();
    bool copied = false;
    if (!AcceptableName(name) || !BringIntoDrawings(request.path, name, copied)) {
        Shared.DrawingState = 0;
        return;
    }
    const std::string previousName = DrawingList.DrawingName;
    DrawingList.DrawingName = name;
    Shared.DrawingState = 1;
    Shared.CurrentView = view_code::BeingOpened;
    LoadTextSettings(client);
    WriteNoOverlays();
    // The new view reads the drawing; what that read found decides whether it opens.
    TChild* view = &client.AddView(name + ".PLN");
    if (!JudgeDrawingRead(FileNameOf(request.path), name)) {
        client.ViewClosed(*view);
        DrawingList.Flush();
        // A copy made for this open goes with it: DWGS held no drawing of the name before.
        std::error_code error;
        if (copied) fs::remove(DrawingPathOf(name), error);
        DrawingList.DrawingName = previousName;
        Shared.DrawingState = 0;
        return;
    }

    bool plan = DrawingList.count < 4;
    for (int i = 0; i < DrawingList.count && !plan; ++i) {
        const TObject* object = DrawingList[i];
        if (object->type < type_code::FirstInformation && object->view == view_code::GroundFloor) plan = true;
    }
    // A plan keeps what the view read: its first paint shows it without reading the file again.
    if (!plan) DrawingList.Flush();
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
        view->PaintListAsRead(true);
        RefreshView(*view, 9);
        // Only that paint: a view that did not paint now (not in front) reads the file when it does.
        view->PaintListAsRead(false);
    } else {
        Shared.LayoutGridOn = 1;
        Shared.CurrentView = view_code::RoomLayout;
        DrawingList.ViewTitle = DrawingList.DrawingName + ".LYT";
        client.OpenView(0, ".LYT");
    }
}

void CmExit(TClient& client) {
    if (!client.ReadyToLeave()) return;
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
    const std::string current = DrawingList.DrawingName;
    std::string shownName = "client";
    std::string name;
    for (;;) {
        TSavedlg dialog;
        dialog.nameShown = shownName;
        if (dialog.Execute() != platform::IdOk || !AcceptableName(dialog.newName)) {
            RefreshView(view, 0);
            return;
        }
        // The drawing in hand saved under its own name replaces nothing it does not hold.
        if (DrawingPathOf(dialog.newName) == DrawingPathOf(current) ||
            MayReplaceDrawing(dialog.newName, "SAVE AS")) {
            name = dialog.newName;
            break;
        }
        shownName = dialog.newName;
    }
    DrawingList.DrawingName = name;
    DrawingList.WriteDrawing();
    DrawingList.DrawingName = current;
    RefreshView(view, 0);
}

void CmRotateMirror(TClient& client) {
    if (DrawingList.count == 0) {
        TheDesktop().MessageBox("There is no drawing loaded - use File/Open", "ROTATE/MIRROR",
                                platform::MessageBoxStyle::Ok);
        return;
    }
    if (Shared.DrawingState <= 1 || Shared.CurrentView < view_code::GroundFloor ||
        Shared.CurrentView > view_code::FourthPlan)
        return;
    Shared.HelpContext = help_context::Files;
    DrawingList.WriteDrawing();
    if (ViewMessageBox("All your floors must be completely finished before using this function\n"
                       "Do you wish to continue ?",
                       "DRAWINGS COMPLETED ?", platform::MessageBoxStyle::YesNo) != platform::IdYes)
        return;
    client.InstallTool(ToolOfKind(tool_kind::Pick));
    if (TChild* view = client.ActiveView()) {
        RotateMirrorDrawings(client, *view, 1);
        // The view may have been replaced by the turned drawing's.
        if (TChild* shown = client.ActiveView()) SetDatum(*shown, 1);
    }
}
