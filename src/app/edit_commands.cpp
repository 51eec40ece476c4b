#include "app/edit_commands.h"

#include "app/client.h"
#include "app/command_table.h"
#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "resources/command_ids.h"
#include "resources/help_contexts.h"
#include "tools/drawing_tool.h"
#include "tools/editing.h"
#include "tools/status_texts.h"
#include "tools/tool_kinds.h"
#include "view/child.h"

#include <memory>

void AddEditCommands(CommandTable& table) {
    table.Add(command_id::Copy, CmCopy);
    table.Add(command_id::Paste, CmPaste);
    table.Add(command_id::MoveOrRotate, CmMove);
    table.Add(command_id::EraseDelete, CmErase);
    table.Add(command_id::ChangeTextNumber, CmChangeText);
    table.Add(command_id::UndoLastObject, CmUndo);
}

void CmCopy(TClient& client) {
    if (Shared.DrawingState <= 1) return;
    Shared.HelpContext = help_context::Editing;
    client.InstallTool(std::make_unique<TCopyobjtool>());
    ShowPrompt("press LEFT Button and DRAG over objects to COPY - use PASTE to insert the copy");
}

void CmPaste(TClient& client) {
    if (Shared.DrawingState <= 1) return;
    Shared.HelpContext = help_context::Editing;
    client.InstallTool(std::make_unique<TMoveobjtool>());
    if (TChild* view = client.ActiveView()) PasteObjects(*view);
}

void CmMove(TClient& client) {
    if (Shared.DrawingState <= 1) return;
    Shared.HelpContext = help_context::Editing;
    ShowCaption("Move");
    ShowPrompt("DRAG LB completely over item - click LB on a ref.pt, then use LB(MOVE) or RB(ROTATE) press "
               "ENTER to lock");
    TChild* view = client.ActiveView();
    if (!view) return;
    view->DatumState = 3;
    client.InstallTool(std::make_unique<TMoveobjtool>());
    // The move tool keeps the view it selects on.
    client.Tool().Dragging = Shared.CurrentView;
}

void CmErase(TClient& client) {
    if (Shared.DrawingState <= 1 || DrawingList.count == 0) return;
    Shared.HelpContext = help_context::Editing;
    ShowPrompt("DRAG LB completely over items to DELETE - WALLS will not be deleted with this function - USE "
               "DELETE/WALLS");
    ShowCaption("Delete");
    TChild* view = client.ActiveView();
    if (!view) return;
    view->DatumState = 3;
    client.InstallTool(std::make_unique<TEraseobjtool>());
}

void CmChangeText(TClient& client) {
    if (Shared.DrawingState <= 1) return;
    Shared.HelpContext = help_context::Editing;
    ShowCaption("Change text");
    ShowPrompt("click LB on the centre of the number or text to replace");
    client.InstallTool(std::make_unique<TTextobjtool>());
    client.Tool().Kind = tool_kind::ChangeText;
}

void CmUndo(TClient& client) {
    if (Shared.DrawingState <= 1) return;
    Shared.HelpContext = help_context::CentreAndDatum;
    if (TChild* view = client.ActiveView()) UndoLastObject(*view);
}
