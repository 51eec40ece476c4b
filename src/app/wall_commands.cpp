#include "app/wall_commands.h"

#include "app/client.h"
#include "app/command_table.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "partitions/intwall_tool.h"
#include "resources/command_ids.h"
#include "resources/help_contexts.h"
#include "tools/line_tool.h"
#include "tools/status_texts.h"
#include "tools/tool_kinds.h"
#include "view/child.h"
#include "walls/extwall_tool.h"
#include "walls/wall_edits.h"

#include <memory>

namespace {

bool IsPlanView(int view) {
    return view >= view_code::GroundFloor && view <= view_code::FourthPlan;
}

// The external-wall edits act on a floor plan of an open drawing; elsewhere they do nothing.
bool OnFloorPlan() {
    return Shared.DrawingState > 1 && IsPlanView(Shared.CurrentView);
}

void InstallEditTool(TClient& client, std::unique_ptr<TDrawingtool> tool, int helpContext,
                     const char* caption, const char* prompt) {
    Shared.HelpContext = helpContext;
    client.InstallTool(std::move(tool));
    ShowCaption(caption);
    ShowPrompt(prompt);
}

void WallEditCommand(TClient& client, int edit, int helpContext, const char* caption, const char* prompt) {
    if (!OnFloorPlan()) return;
    auto tool = std::make_unique<TLineobjtool>();
    tool->Kind = tool_kind::WallEdit;
    tool->State = edit;
    InstallEditTool(client, std::move(tool), helpContext, caption, prompt);
}

void ResizeCommand(TClient& client, int state, const char* caption, const char* prompt) {
    if (!OnFloorPlan()) return;
    auto tool = std::make_unique<TExtwallobjtool>();
    tool->Kind = tool_kind::FloorPlanResize;
    tool->State = state;
    tool->KeyMode() = 0;
    InstallEditTool(client, std::move(tool), help_context::FloorplanResize, caption, prompt);
}

} // namespace

void AddWallCommands(CommandTable& table) {
    table.Add(command_id::LengthenWall, CmLengthenWall);
    table.Add(command_id::AlterBase, CmAlterBase);
    table.Add(command_id::SplitExternalWall, CmSplitWall);
    table.Add(command_id::ChangeExternalWallType, CmChangeWallType);
    table.Add(command_id::DeleteExternalWall, CmDeleteExternalWall);
    table.Add(command_id::ExpandFloorplan, CmExpandFloorplan);
    table.Add(command_id::ShrinkFloorplan, CmShrinkFloorplan);
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

void CmLengthenWall(TClient& client) {
    WallEditCommand(client, wall_edit::Lengthen, help_context::Walls, "Lengthen",
                    "click LB on line of object nearer to end to lengthen");
}

void CmAlterBase(TClient& client) {
    WallEditCommand(client, wall_edit::Shorten, help_context::Walls, "Alter Base",
                    "click LB on line of object nearer to end to shorten");
}

void CmChangeWallType(TClient& client) {
    WallEditCommand(client, wall_edit::ChangeType, help_context::Walls, "Alter Wall",
                    "click Left Button on external wall to change wall type");
}

void CmSplitWall(TClient& client) {
    WallEditCommand(client, wall_edit::Split, help_context::Walls, "Alter Walls",
                    "press ENTER on external wall  at point to split wall to two");
}

void CmDeleteExternalWall(TClient& client) {
    WallEditCommand(client, wall_edit::Delete, help_context::DeletingWalls, "DELETE Wall",
                    "click LB on line of EXTERNAL wall to DELETE");
}

void CmExpandFloorplan(TClient& client) {
    ResizeCommand(client, TExtwallobjtool::Enlarge, "Enlarge Floor Plan",
                  "press ARROW key of direction to expand floor plan");
}

void CmShrinkFloorplan(TClient& client) {
    ResizeCommand(client, TExtwallobjtool::Shrink, "Shrink Floor Plan",
                  "WARNING press F1 first if unsure -press ARROW key of direction to shrink floor plan");
}
