#include "app/view_commands.h"

#include "app/client.h"
#include "app/command_table.h"
#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "platform/desktop.h"
#include "resources/command_ids.h"
#include "resources/help_contexts.h"
#include "settings/cfg_files.h"
#include "settings/overlay_dialog.h"
#include "tools/drawing_tool.h"
#include "tools/editing_operations.h"
#include "tools/status_texts.h"
#include "tools/tool_kinds.h"
#include "tools/view_support.h"
#include "view/child.h"
#include "view/title_block.h"
#include "walls/wall_operations.h"

#include <string>

namespace {

// The dialog modes of RunPlanDialog the commands here ask for.
constexpr int ExternalWallTypes = 4;
constexpr int DisplayModeDialog = 11;
// CompleteFloorPlan's mode after an upper floor's walls were copied from the floor below.
constexpr int CopiedFloorPlan = 8;
// The external-wall tool's action that builds the floor's walls from those of the floor below.
constexpr int CopyWallsFromFloorBelow = 3;

void Refuse(const char* text, const char* caption) {
    ViewMessageBox(text, caption, platform::MessageBoxStyle::Ok);
}

// Where the user was when a floor command started, to go back to when it is cancelled.
struct StartingView {
    int view;
    int displayMode;
};

// The start of every floor command: the drawing saved, unless the move tool is active (a move not yet
// locked with Enter is dropped), and the display mode brought back to one floor: 0, 10 and 11 stay,
// every other mode becomes 1.
void LeaveFloor(TClient& client) {
    if (client.CurrentTool->Kind != tool_kind::Move) DrawingList.WriteDrawing();
    const int mode = Shared.DisplayMode;
    if (mode != 0 && mode != 10 && mode != 11) Shared.DisplayMode = 1;
    Shared.HelpContext = help_context::Display;
}

// Opens a floor that exists (or the room layout) with the pick tool.
void OpenFloor(TClient& client, int floor) {
    Shared.CurrentView = floor;
    client.OpenView(0, ViewTitleSuffix(floor));
    client.CurrentTool->Kind = tool_kind::Pick;
    ShowCaption("Pick tool");
}

// The new floor's external walls copied from those of the floor below, then its dimensions, floor
// area and title. A wall type not given ends the command where it started: no floor is made, and
// the user is back on the view they came from with the pick tool.
void CopyFloorBelow(TClient& client, int floor, const StartingView& start) {
    client.InstallTool(client.MakeTool(tool_kind::ExternalWall));
    Shared.DisplayMode = 0;
    client.CurrentTool->Kind = tool_kind::UpperFloorWalls;
    client.OpenView(1, ViewTitleSuffix(floor));
    TChild* view = client.ActiveView();
    if (!view) return;
    Shared.CurrentView = floor;
    client.Walls().RunPlanDialog(*view, ExternalWallTypes);
    // A cancelled type or custom size dialog has put the pick tool in the wall tool's place. The new
    // floor's view goes, holding nothing.
    if (client.CurrentTool->Kind == tool_kind::Pick) {
        if (platform::ViewWindow* window = view->Window()) window->Close();
        Shared.DisplayMode = start.displayMode;
        OpenFloor(client, start.view);
        return;
    }
    client.CurrentTool->Kind = tool_kind::ExternalWall;
    client.CurrentTool->Action(CopyWallsFromFloorBelow);
    RefreshView(*view, 0);
    DimensionNewFloor(client);
    MakeTitleBlock(DrawingList);
    Shared.CurrentView = floor;
    client.CurrentTool->Kind = tool_kind::Pick;
    client.SelectPickTool();
}

// The new floor's outline to be drawn by the user over the floor below.
void DrawOverFloorBelow(TClient& client, int floor) {
    Shared.CurrentView = floor;
    client.InstallTool(client.MakeTool(tool_kind::ExternalWall));
    client.CurrentTool->KeyMode() = 0;
    ShowCaption("Wall Outline");
    ShowPrompt("Draw external wall outline over lower floor view");
    WriteOverlayForFloor(client);
    if (TChild* view = client.ActiveView()) client.Walls().RunPlanDialog(*view, ExternalWallTypes);
}

// First and Second Floor: `floor` is opened when it has its title, else made from the floor below,
// which must have its own.
void UpperFloorCommand(TClient& client, int floor, const char* orderRefusal, const char* sameQuestion) {
    if (Shared.DrawingState <= 1) return;
    const StartingView start{Shared.CurrentView, Shared.DisplayMode};
    LeaveFloor(client);
    if (DrawingList.HasTitleText(floor - 1) <= 0) {
        Refuse(orderRefusal, "FLOOR PLANS");
        return;
    }
    if (DrawingList.HasTitleText(floor) > 0) {
        OpenFloor(client, floor);
        return;
    }
    const int answer = ViewMessageBox(sameQuestion, "WALL DIMENSIONS", platform::MessageBoxStyle::YesNo);
    if (answer == platform::IdYes)
        CopyFloorBelow(client, floor, start);
    else
        DrawOverFloorBelow(client, floor);
}

} // namespace

void AddViewCommands(CommandTable& table) {
    table.Add(command_id::ShowOverlays, CmShowOverlays);
    table.Add(command_id::GroundFloor, CmGroundFloor);
    table.Add(command_id::FirstFloor, CmFirstFloor);
    table.Add(command_id::SecondFloor, CmSecondFloor);
    table.Add(command_id::RoomLayout, CmRoomLayout);
    table.Add(command_id::DisplayMode, CmDisplayMode);
    table.Add(command_id::FloorArea, CmFloorArea);
}

void CmGroundFloor(TClient& client) {
    if (Shared.DrawingState <= 1) return;
    LeaveFloor(client);
    OpenFloor(client, view_code::GroundFloor);
}

void CmFirstFloor(TClient& client) {
    UpperFloorCommand(client, view_code::FirstFloor, "You should draw the ground floor, then the first floor",
                      "Will the outside dimensions be the same as the ground floor?");
}

void CmSecondFloor(TClient& client) {
    UpperFloorCommand(client, view_code::SecondFloor,
                      "You should draw the first floor, then the second floor",
                      "Will the outside dimensions be the same as the first floor?");
}

void WriteOverlayForFloor(TClient& client) {
    DrawingList.Flush();
    OverlaySettings overlay;
    overlay.groundFloor = Shared.CurrentView == view_code::FirstFloor ? 1 : 0;
    overlay.firstFloor = 1;
    overlay.secondFloor = Shared.CurrentView == view_code::SecondFloor ? 1 : 0;
    WriteOverlaySettings(overlay);
    // The flagged floors drawn whole, the floor below under the new one.
    Shared.DisplayMode = 4;
    client.OpenView(1, ViewTitleSuffix(Shared.CurrentView));
}

void DimensionNewFloor(TClient& client) {
    if (Shared.DrawingState <= 1) return;
    if (Shared.CurrentView < view_code::GroundFloor || Shared.CurrentView > view_code::FourthPlan) {
        Refuse("click View/Plan of floor first", "AUTO DIMENSIONS");
        return;
    }
    client.InstallTool(client.MakeTool(tool_kind::Pick));
    ShowCaption("Pick tool");
    if (TChild* view = client.ActiveView()) client.Editing().CompleteFloorPlan(*view, CopiedFloorPlan);
}

void CmShowOverlays(TClient& client) {
    if (Shared.DrawingState <= 1 || DrawingList.count < 1) return;
    Shared.HelpContext = help_context::Display;
    DrawingList.WriteDrawing();
    TOverdlg dialog;
    if (dialog.Execute() != platform::IdOk) return;
    // The dialog left an overlay mode: 3 (or 13, 23) hides the working floor's dimensions.
    const int mode = Shared.DisplayMode;
    const int dimensionsHidden = mode == 3 || mode == 13 || mode == 23 ? 1 : 0;
    OverlaySettings flags = ReadOverlaySettings();
    // The working floor is the highest flagged one that exists; the flag of a floor not made yet is
    // cleared.
    int floor = view_code::GroundFloor;
    if (flags.secondFloor == 1) {
        if (DrawingList.HasTitleText(view_code::SecondFloor) > 0)
            floor = view_code::SecondFloor;
        else
            flags.secondFloor = 0;
    }
    if (flags.secondFloor == 0 && flags.firstFloor == 1) {
        if (DrawingList.HasTitleText(view_code::FirstFloor) > 0)
            floor = view_code::FirstFloor;
        else
            flags.firstFloor = 0;
    }
    if (flags.firstFloor == 0 && flags.secondFloor == 0) Shared.DisplayMode = 0;
    Shared.CurrentView = floor;
    client.OpenView(0, ViewTitleSuffix(floor));
    WriteOverlaySettings(flags);
    // A working floor with no floor under it overlaid shows alone, its dimensions as the dialog chose.
    const bool secondAlone = flags.secondFloor == 1 && flags.fourthFloor == 0 && flags.groundFloor == 0 &&
                             flags.firstFloor == 0 && flags.outlines == 0;
    const bool firstAlone = flags.secondFloor == 0 && flags.firstFloor == 1 && flags.groundFloor == 0;
    if (secondAlone || firstAlone) Shared.DisplayMode = dimensionsHidden;
}

void CmRoomLayout(TClient& client) {
    if (!client.ActiveView() || Shared.DrawingState <= 1) return;
    DrawingList.WriteDrawing();
    bool layoutFound = false;
    for (int i = 0; i < DrawingList.count && !layoutFound; ++i) {
        const TObject* object = DrawingList[i];
        layoutFound = object->type == type_code::DesignRoom && object->view == view_code::RoomLayout;
    }
    if (!layoutFound) {
        Refuse("There was no layout view for this drawing, use FILE/NEW and select 'layout design rooms'",
               "LAYOUT DESIGN ROOMS");
        return;
    }
    DrawingList.Flush();
    Shared.HelpContext = help_context::DesignRooms;
    Shared.CurrentView = view_code::RoomLayout;
    client.OpenView(0, ".LYT");
    client.InstallTool(client.MakeTool(tool_kind::DesignRoom));
    Shared.LayoutGridOn = 1;
    client.CurrentTool->Colour = Shared.DrawingColour;
}

void CmFloorArea(TClient& client) {
    // With no drawing open there is no view either: the user is told to open a plan view.
    TChild* view = client.ActiveView();
    if (view && Shared.CurrentView >= view_code::GroundFloor && Shared.CurrentView <= view_code::FourthPlan) {
        client.Editing().FloorAreaDialog(*view);
        return;
    }
    Refuse("You must be in a PLAN VIEW to use this function", "AREA");
}

void CmDisplayMode(TClient& client) {
    if (Shared.DrawingState <= 1) return;
    Shared.HelpContext = help_context::Display;
    if (TChild* view = client.ActiveView()) client.Walls().RunPlanDialog(*view, DisplayModeDialog);
}
