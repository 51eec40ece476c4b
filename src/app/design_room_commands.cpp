#include "app/design_room_commands.h"

#include "app/client.h"
#include "app/command_table.h"
#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "partitions/intwall_tool.h"
#include "platform/desktop.h"
#include "resources/command_ids.h"
#include "resources/help_contexts.h"
#include "rooms/design_room_tool.h"
#include "rooms/design_rooms.h"
#include "rooms/room_operations.h"
#include "settings/cfg_files.h"
#include "tools/line_tool.h"
#include "tools/status_texts.h"
#include "tools/tool_kinds.h"
#include "tools/view_support.h"
#include "view/child.h"
#include "walls/wall_operations.h"

namespace {

// RunPlanDialog's mode for the external-wall type of a new floor plan.
constexpr int ExternalWallTypes = 4;
// The internal-wall tool's Step code that finishes the design rooms of the current view.
constexpr int FinishCurrentView = 1;
// RefreshView's modes: the whole view at once, the tool's last box.
constexpr int WholeViewNow = 9;
constexpr int ToolBox = 15;
// The arrow direction up, as the tools count directions (1 up, 2 right, 3 down, 4 left).
constexpr int Up = 1;
// Both guide lines of the cross-hair.
constexpr int BothGuideLines = 3;

bool IsInformation(const TObject& object) {
    return object.type >= type_code::FirstInformation;
}

// The drawing brought down to what the corner marks start from: the floor records, their areas
// cleared, and the layout's design rooms, in their order. Every floor's walls, texts and earlier marks
// go.
void KeepOnlyLayoutRooms() {
    for (int i = DrawingList.count - 1; i >= 0; --i) {
        TObject& object = *DrawingList.Edit(i);
        if (IsInformation(object))
            static_cast<TInfoobj&>(object).value = 0;
        else if (object.type != type_code::DesignRoom || object.view != view_code::RoomLayout)
            DrawingList.RemoveAt(i);
    }
}

bool HasDesignRoomOf(int view) {
    for (int i = 0; i < DrawingList.count; ++i)
        if (DrawingList[i]->type == type_code::DesignRoom && DrawingList[i]->view == view) return true;
    return false;
}

// The corner marking goes on from the view's upper-left corner, as Mark External Walls starts it.
void RearmCornerMarks(TClient& client, TChild& view) {
    const int corner = Shared.Units == 1 ? 25 : 24;
    view.PutCursorOn({corner, corner});
    TDrawingtool& tool = *client.CurrentTool;
    tool.Dragging = 1;
    tool.Counter() = BothGuideLines;
    tool.WallDirection() = Up;
}

// What every design-room command does first: nothing without a drawing, refusals outside the layout
// and the plans (and while the corners are marked), then the design-room tool in `mode`. False when
// the command ends there.
bool InstallDesignRoomTool(TClient& client, int mode, const char* caption) {
    if (Shared.DrawingState <= 1) return false;
    if (Shared.CurrentView < view_code::RoomLayout || Shared.CurrentView > view_code::LastPlan) {
        ViewMessageBox("You must be in a PLAN VIEW to use this function", caption,
                       platform::MessageBoxStyle::Ok);
        return false;
    }
    if (Shared.CurrentView == view_code::MarkingCorners) {
        ViewMessageBox("Not available while marking walls - select VIEW/LAYOUT", "WALL MARKING",
                       platform::MessageBoxStyle::Ok);
        return false;
    }
    Shared.HelpContext = help_context::DesignRooms;
    client.InstallTool(client.MakeTool(tool_kind::DesignRoom));
    client.CurrentTool->State = mode;
    return true;
}

// A design-room command that puts the tool in a mode and prompts.
void DesignRoomMode(TClient& client, int mode, const char* caption, const char* prompt) {
    if (!InstallDesignRoomTool(client, mode, caption)) return;
    ShowPrompt(prompt);
}

} // namespace

void AddDesignRoomCommands(CommandTable& table) {
    table.Add(command_id::NewRoomFixed, CmNewFixedRoom);
    table.Add(command_id::NewDesignRoom, CmNewDesignRoom);
    table.Add(command_id::MaxDesignRoomSize, CmMaxDesignRoomSize);
    table.Add(command_id::DeleteRoom, CmDeleteRoom);
    table.Add(command_id::ExpandRoom, CmExpandRoom);
    table.Add(command_id::MoveRoom, CmMoveRoom);
    table.Add(command_id::RotateRoom, CmRotateRoom);
    table.Add(command_id::ShrinkRoom, CmShrinkRoom);
    table.Add(command_id::FinishDesignRooms, CmFinishDesignRooms);
    table.Add(command_id::ToggleLayoutGrid, CmToggleLayoutGrid);
    table.Add(command_id::MarkExternalWalls, CmMarkExternalWalls);
}

void CmNewDesignRoom(TClient& client) {
    if (Shared.DrawingState <= 1) return;
    // Stored before the view is checked, so even a refused New DESIGN Room leaves its help.
    Shared.HelpContext = help_context::DesignRooms;
    if (!InstallDesignRoomTool(client, TDRoomobjtool::PlaceNew, "NEW ROOM")) return;
    if (TChild* view = client.ActiveView()) NewDesignRoom(*view);
}

void CmMaxDesignRoomSize(TClient& client) {
    DesignRoomMode(client, TDRoomobjtool::MaximumSize, "MAXIMUM AVAILABLE ROOM",
                   "click LEFT BUTTON in the area you want the sizes of");
}

void CmDeleteRoom(TClient& client) {
    DesignRoomMode(client, TDRoomobjtool::Delete, "DELETE DESIGN ROOM",
                   "select DESIGN Room to DELETE with Left Button");
}

void CmExpandRoom(TClient& client) {
    DesignRoomMode(client, TDRoomobjtool::Expand, "ENLARGE DESIGN ROOM",
                   "select Room with Left Button then press arrow key in direction of wall to change");
}

void CmMoveRoom(TClient& client) {
    DesignRoomMode(
        client, TDRoomobjtool::Move, "MOVE DESIGN ROOM",
        "click on DESIGN Room to move - LB if input, RB if finetune, press arrow key direction to move");
}

void CmRotateRoom(TClient& client) {
    DesignRoomMode(client, TDRoomobjtool::Rotate, "ROTATE DESIGN ROOM",
                   "select the DESIGN Room to ROTATE with Left Button");
}

void CmShrinkRoom(TClient& client) {
    DesignRoomMode(client, TDRoomobjtool::Shrink, "SHRINK DESIGN ROOM",
                   "select DESIGN Room with Left Button then press arrow key in direction of wall to change");
}

void CmFinishDesignRooms(TClient& client) {
    if (Shared.DrawingState <= 1) return;
    Shared.HelpContext = help_context::DesignRooms;
    if (Shared.CurrentView < view_code::GroundFloor || Shared.CurrentView > view_code::LastPlan) {
        ViewMessageBox("You must be in a PLAN VIEW to use this function", "NEW ROOM",
                       platform::MessageBoxStyle::Ok);
        return;
    }
    if (!HasDesignRoomOf(Shared.CurrentView)) {
        ViewMessageBox("There are no design rooms to lock in and finish drawing", "LOCK DESIGN ROOMS IN",
                       platform::MessageBoxStyle::Ok);
        return;
    }
    client.InstallTool(client.MakeTool(tool_kind::InternalWall));
    TDrawingtool& walls = *client.CurrentTool;
    walls.PenWidth() = 1;
    walls.State = TIntwallobjtool::FinishingDesignRooms;
    walls.Step(0, 0, FinishCurrentView);
    if (TChild* view = client.ActiveView()) {
        RefreshView(*view, ToolBox);
        SetDatum(*view, 1);
    }
}

void CmNewFixedRoom(TClient& client) {
    if (Shared.DrawingState <= 1) return;
    ShowCaption(" Room");
    const bool planView =
        Shared.CurrentView >= view_code::GroundFloor && Shared.CurrentView <= view_code::FourthPlan;
    if (!planView) ViewMessageBox("Wrong View - select  View then Plan", "", platform::MessageBoxStyle::Ok);
    // Set after the box: the layout's repaint behind it sets the help of its own.
    Shared.HelpContext = help_context::FixedRooms;
    if (!planView) return;
    client.InstallTool(client.MakeTool(tool_kind::FixedRoom));
    ShowPrompt("Click cursor in new ROOM area, near corner to work from");
}

void CmToggleLayoutGrid(TClient& client) {
    if (Shared.DrawingState <= 1 || Shared.CurrentView < view_code::RoomLayout ||
        Shared.CurrentView >= view_code::LastLayout) {
        ViewMessageBox("You must be in a LAYOUT VIEW to use this function", "LAYOUT GRID",
                       platform::MessageBoxStyle::Ok);
        return;
    }
    Shared.HelpContext = help_context::DesignRooms;
    Shared.LayoutGridOn = Shared.LayoutGridOn == 1 ? 0 : 1;
    const bool marking = client.CurrentTool->Kind == tool_kind::CornerMarks;
    if (marking) client.CurrentTool->Dragging = 0;
    TChild* view = client.ActiveView();
    if (!view) return;
    RefreshView(*view, WholeViewNow);
    if (marking) RearmCornerMarks(client, *view);
}

void CmMarkExternalWalls(TClient& client) {
    TChild* view = client.ActiveView();
    if (!view) return;
    if (Shared.CurrentView != view_code::RoomLayout && Shared.CurrentView != view_code::MarkingCorners) {
        ViewMessageBox("You must be in a LAYOUT VIEW to use this function, to mark the external wall corners",
                       "EXTERNAL WALLS", platform::MessageBoxStyle::Ok);
        return;
    }
    // The clearing keeps the layout's rooms of the whole drawing, also where the view has not read it back.
    DrawingList.ReadDrawingIfNotHeld();
    KeepOnlyLayoutRooms();
    DrawingList.WriteDrawing();
    DrawingList.Flush();
    DrawingList.ReadDrawing();
    if (Shared.CurrentView == view_code::MarkingCorners) {
        Shared.CurrentView = view_code::RoomLayout;
        RefreshView(*view, 0);
    }
    auto marks = std::make_unique<TLineobjtool>();
    marks->Kind = tool_kind::CornerMarks;
    client.InstallTool(std::move(marks));
    ShowCaption("External Wall");
    const int rooms = client.Rooms().WritePlanBounds(DrawingList);
    client.Walls().RunPlanDialog(*view, ExternalWallTypes);
    // Set after the dialog: the layout's repaint behind it sets the help of its own.
    Shared.HelpContext = help_context::ExternalWalls;
    ShowPrompt("press Enter on each corner - CLOCKWISE, use ARROW KEYS to finetune position");
    client.CurrentTool->KeyMode() = 0;
    if (rooms > 0) {
        // The datum at the rooms' upper-left corner; bounds that cannot be read leave it where it was.
        CfgReport report;
        const LayoutBounds bounds = ReadLayoutBounds(&report);
        if (report.Complete()) {
            view->DatumX = bounds.left;
            view->DatumY = bounds.top;
            view->DatumState = 4;
        }
    }
    Shared.LayoutGridOn = 0;
    Shared.CurrentView += view_code::MarkingCorners - view_code::RoomLayout;
    RefreshView(*view, WholeViewNow);
    RearmCornerMarks(client, *view);
}
