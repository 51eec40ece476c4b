#include "app/opening_commands.h"

#include "app/client.h"
#include "app/command_table.h"
#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "partitions/door_placement.h"
#include "partitions/door_tool.h"
#include "partitions/stairs_setup.h"
#include "partitions/stairs_tool.h"
#include "partitions/window_tool.h"
#include "platform/desktop.h"
#include "resources/command_ids.h"
#include "resources/help_contexts.h"
#include "tools/line_tool.h"
#include "tools/status_texts.h"
#include "view/child.h"
#include "walls/wall_operations.h"

#include <memory>

namespace {

// RunPlanDialog's mode for the window, external-door and main-entry dialogs.
constexpr int WindowDialogs = 6;

} // namespace

void AddOpeningCommands(CommandTable& table) {
    table.Add(command_id::WindowAndExtnlDoors, CmWindowsExtDoors);
    table.Add(command_id::DoorInternal, CmInternalDoor);
    table.Add(command_id::DoorsOtherInternal, CmOtherInternalDoors);
    table.Add(command_id::OpeningInternalWall, CmWallOpening);
    table.Add(command_id::StairsInternal, CmStairs);
    table.Add(command_id::ManualDimension, CmManualDimension);
}

void CmManualDimension(TClient& client) {
    if (Shared.DrawingState <= 1) return;
    Shared.HelpContext = help_context::WindowsAndStairs;
    auto tool = std::make_unique<TLineobjtool>();
    tool->State = TLineobjtool::ManualDimension;
    client.InstallTool(std::move(tool));
    ShowCaption("Dimension - Manual");
    ShowPrompt("Press ENTER on 1st & 2nd points,NOTE 1st mark will be the arrow offset position");
}

void CmWindowsExtDoors(TClient& client) {
    if (Shared.DrawingState <= 1) return;
    TChild* view = client.ActiveView();
    if (!view || !view->Window()) return;
    if (Shared.CurrentView < view_code::GroundFloor || Shared.CurrentView > view_code::FourthPlan) {
        ShowSelectViewMessage(*view, 2);
        return;
    }
    Shared.HelpContext = help_context::WindowsAndStairs;
    ShowCaption("Window");
    client.InstallTool(std::make_unique<TWindowobjtool>());
    client.Walls().RunPlanDialog(*view, WindowDialogs);
}

namespace {

// The door commands' start: on a floor plan the door tool as the command builds it (kind 3000, no
// settings yet) and the view it works on; elsewhere the user is asked to choose a plan.
TChild* InstallDoorTool(TClient& client, int helpContext) {
    if (Shared.DrawingState <= 1) return nullptr;
    TChild* view = client.ActiveView();
    if (!view || !view->Window()) return nullptr;
    if (Shared.CurrentView < view_code::GroundFloor || Shared.CurrentView > view_code::FourthPlan) {
        ShowSelectViewMessage(*view, 2);
        return nullptr;
    }
    Shared.HelpContext = helpContext;
    client.InstallTool(std::make_unique<TDoorobjtool>());
    return view;
}

} // namespace

void CmInternalDoor(TClient& client) {
    TChild* view = InstallDoorTool(client, help_context::Doors);
    if (!view) return;
    ShowCaption("Internal Door");
    ShowPrompt("place door cursor on partition wall and press Enter");
    PlaceDoorOrOpening(*view, 1);
}

void CmOtherInternalDoors(TClient& client) {
    TChild* view = InstallDoorTool(client, help_context::Doors);
    if (!view) return;
    PlaceOtherInternalDoor(*view);
}

void CmWallOpening(TClient& client) {
    TChild* view = InstallDoorTool(client, help_context::DoubleLines);
    if (!view) return;
    ShowCaption("Wall Opening");
    ShowPrompt("press ENTER on centre point (on one internal wall line) to OPENUP");
    PlaceDoorOrOpening(*view, 3);
}

void CmStairs(TClient& client) {
    if (Shared.DrawingState <= 1) return;
    Shared.HelpContext = help_context::WindowsAndStairs;
    // Counting the floors shows the ground floor; the stairs start from the floor the user is on.
    const int view = Shared.CurrentView;
    const int upperFloors = DrawingList.CountUpperFloors();
    Shared.CurrentView = view;
    if (upperFloors == 0) {
        ViewMessageBox("You only have one floor", "STAIRS", platform::MessageBoxStyle::Ok);
        return;
    }
    TChild* active = client.ActiveView();
    if (!active || !active->Window()) {
        ViewMessageBox("Select VIEW then the correct floor PLAN first", "", platform::MessageBoxStyle::Ok);
        return;
    }
    if (view < view_code::GroundFloor || view > view_code::FourthPlan) return;
    if (view >= view_code::SecondFloor) {
        // The stairwell would go on a floor no command shows.
        ViewMessageBox("There is no floor above this one for the stairwell", "STAIRS",
                       platform::MessageBoxStyle::Ok);
        return;
    }
    DrawingList.WriteDrawing();
    client.InstallTool(std::make_unique<TStepobjtool>());
    ShowCaption("STAIRS/WELLS");
    ShowPrompt("You MUST have the LOWER floor of the two floors involved, showing");
    SetupMultilineOrStairs(*active, 10);
}
