#include "app/wall_commands.h"

#include "app/client.h"
#include "app/command_table.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "partitions/intwall_tool.h"
#include "resources/command_ids.h"
#include "resources/help_contexts.h"
#include "tools/status_texts.h"
#include "tools/tool_kinds.h"
#include "view/child.h"

#include <memory>

namespace {

bool IsPlanView(int view) {
    return view >= view_code::GroundFloor && view <= view_code::FourthPlan;
}

} // namespace

void AddWallCommands(CommandTable& table) {
    // Lengthen (416), Alter Base (417), DELETE External Wall (418), Split (422), Change External wall type
    // (426), Expand (419) and Shrink Floorplan (420) come with the wall edits.
    table.Add(command_id::DrawInternalWall, CmInternalWall);
    table.Add(command_id::DeleteInternalWall, CmDeleteInternalWall);
}

void CmInternalWall(TClient& client) {
    if (Shared.DrawingState <= 1) return;
    TChild* view = client.ActiveView();
    if (!view) return;
    if (!IsPlanView(Shared.CurrentView)) {
        ShowSelectViewMessage(*view, 2);
        return;
    }
    Shared.HelpContext = help_context::DoubleLines;
    client.InstallTool(client.MakeTool(tool_kind::InternalWall));
    ShowCaption("Internal Wall");
    ShowPrompt("ENTER start, ARROW direction key or for angles ENTER to finish)-PLUS key to close end");
    client.Editing().RunViewDialog(*view, 9);
    ShowPrompt("Press F1 key for ALL methods of drawing internal walls");
}

void CmDeleteInternalWall(TClient& client) {
    if (Shared.DrawingState <= 1 || !IsPlanView(Shared.CurrentView)) return;
    Shared.HelpContext = help_context::DeletingWalls;
    auto tool = std::make_unique<TIntwallobjtool>();
    tool->Kind = TIntwallobjtool::DeleteMode;
    client.InstallTool(std::move(tool));
    ShowCaption("DELETE Wall");
    ShowPrompt("press ENTER on a line of INTERNAL wall to DELETE");
}
