#include "app/library_commands.h"

#include "app/client.h"
#include "app/command_table.h"
#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "platform/desktop.h"
#include "resources/command_ids.h"
#include "resources/help_contexts.h"
#include "settings/library_list_dialog.h"
#include "settings/symbol_library.h"
#include "tools/drawing_tool.h"
#include "tools/drawing_view.h"
#include "tools/status_texts.h"
#include "tools/tool_kinds.h"
#include "tools/view_support.h"
#include "view/child.h"

#include <memory>
#include <string>

using platform::DeviceContext;
using platform::Rect;

namespace {

// The four libraries: a fresh move tool first, which stays when no view is open.
void InsertFromLibrary(TClient& client, int group) {
    if (Shared.DrawingState <= 1) return;
    Shared.HelpContext = help_context::Libraries;
    client.InstallTool(std::make_unique<TMoveobjtool>());
    if (TChild* view = client.ActiveView()) PlaceLibrarySymbol(*view, group);
}

} // namespace

void AddLibraryCommands(CommandTable& table) {
    // ADD to a library (350) hands the capture to the copy tool's rectangle selection and the four
    // libraries (351 to 354) hand the inserted symbol to the move tool.
    table.Add(command_id::AddToALibrary, CmLibraryAdd);
    table.Add(command_id::Plumbing, CmLibraryPlumbing);
    table.Add(command_id::Electrical, CmLibraryElectrical);
    table.Add(command_id::Furniture, CmLibraryFurniture);
    table.Add(command_id::Miscellaneous, CmLibraryMisc);
}

void CmLibraryAdd(TClient& client) {
    if (Shared.DrawingState <= 1) return;
    Shared.HelpContext = help_context::Libraries;
    if (TChild* view = client.ActiveView()) AddToLibrary(*view);
}

void CmLibraryPlumbing(TClient& client) {
    InsertFromLibrary(client, library_group::Plumbing);
}

void CmLibraryElectrical(TClient& client) {
    InsertFromLibrary(client, library_group::Electrical);
}

void CmLibraryFurniture(TClient& client) {
    InsertFromLibrary(client, library_group::Furniture);
}

void CmLibraryMisc(TClient& client) {
    InsertFromLibrary(client, library_group::Miscellaneous);
}

void AddToLibrary(DrawingView& view) {
    view.RestoreTool(tool_kind::Copy);
    view.Tool().Amount() = 1; // the capture mark: the release opens the new-library-file dialog
    // After the copy tool, which may bring the Copy command's own help.
    Shared.HelpContext = help_context::Libraries;
    ShowPrompt("click LB just outside one corner and DRAG over new library item");
}

void PlaceLibrarySymbol(DrawingView& view, int group) {
    const int currentView = Shared.CurrentView;
    // Where the first previewed object goes: everything from here on is preview.
    const int first = DrawingList.count;
    view.SelectPickTool();
    // The pick tool's own prompt would hide this one while the list is open.
    Shared.HelpContext = help_context::Libraries;
    ShowPrompt("click LB to preview choices in bottom left corner, press ENTER when correct");
    TLiblistdlg list(group, [&view](const std::string& fileName) {
        DrawingList.ReadSymbol(fileName);
        DrawingList.WriteDrawing();
        RefreshView(view, 3);
    });
    if (list.Execute() == platform::IdOk) {
        view.RestoreTool(tool_kind::MoveRebuilt);
        view.Tool().Kind = tool_kind::Move;
        // The move tool takes the objects from `first` to the end as its selection.
        CallTool(view, [first](TDrawingtool& tool, DeviceContext& dc, const Rect& client) {
            tool.AddLineText(dc, client, first, 0);
        });
        view.Tool().State = TMoveobjtool::PlaceSelection;
        ShowPrompt("click reference point on library object & click new position");
        return;
    }
    DrawingList.TruncateTo(first);
    Shared.CurrentView = currentView;
    DrawingList.WriteDrawing();
    view.Tool().Kind = tool_kind::TextAtRest;
    ShowPrompt("Select a function or drawing tool"); // the preview prompt no longer holds
    RefreshView(view, 3);
}
