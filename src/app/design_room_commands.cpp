#include "app/design_room_commands.h"

#include "app/client.h"
#include "app/command_table.h"
#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "platform/desktop.h"
#include "resources/command_ids.h"
#include "resources/help_contexts.h"
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
        TObject& object = *DrawingList[i];
        if (IsInformation(object))
            static_cast<TInfoobj&>(object).value = 0;
        else if (object.type != type_code::DesignRoom || object.view != view_code::RoomLayout)
            DrawingList.RemoveAt(i);
    }
}

} // namespace

void AddDesignRoomCommands(CommandTable& table) {
    // New DESIGN Room (520) to FINISH Design Rooms (527) and Toggle Layout Grid (530) come with the
    // design rooms, New Room (fixed) (379) with the fixed rooms.
    table.Add(command_id::MarkExternalWalls, CmMarkExternalWalls);
}

void CmMarkExternalWalls(TClient& client) {
    TChild* view = client.ActiveView();
    if (!view) return;
    if (Shared.CurrentView != view_code::RoomLayout && Shared.CurrentView != view_code::MarkingCorners) {
        ViewMessageBox("You must be in a LAYOUT VIEW to use this function, to mark the external wall corners",
                       "EXTERNAL WALLS", platform::MessageBoxStyle::Ok);
        return;
    }
    // An empty list is a drawing not yet read back: it is read first, so the clearing keeps its rooms.
    if (DrawingList.count == 0) DrawingList.ReadDrawing();
    KeepOnlyLayoutRooms();
    DrawingList.WriteDrawing();
    DrawingList.Flush();
    DrawingList.ReadDrawing();
    if (Shared.CurrentView == view_code::MarkingCorners) {
        Shared.CurrentView = view_code::RoomLayout;
        RefreshView(*view, 0);
    }
    Shared.HelpContext = help_context::ExternalWalls;
    auto marks = std::make_unique<TLineobjtool>();
    marks->Kind = tool_kind::CornerMarks;
    client.InstallTool(std::move(marks));
    ShowCaption("External Wall");
    const int rooms = client.Rooms().WritePlanBounds(DrawingList);
    client.Walls().RunPlanDialog(*view, ExternalWallTypes);
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
    RefreshView(*view, 9);
    const int corner = Shared.Units == 1 ? 25 : 24;
    view->PutCursorOn({corner, corner});
    TDrawingtool& tool = *client.CurrentTool;
    tool.Dragging = 1;
    tool.Counter() = BothGuideLines;
    tool.WallDirection() = Up;
}
