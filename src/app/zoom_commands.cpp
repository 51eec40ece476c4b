#include "app/zoom_commands.h"

#include "app/client.h"
#include "app/command_table.h"
#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "platform/desktop.h"
#include "resources/command_ids.h"
#include "resources/help_contexts.h"
#include "tools/move_tool.h"
#include "tools/status_texts.h"
#include "view/child.h"
#include "view/zoom_operations.h"

#include <string>

namespace {

// Which ZoomView mode each command asks for.
constexpr int NormalSize = 2;
constexpr int HalfSize = 3;
constexpr int FitToDrawing = 4;

// The zoom of the active view by a mode. The view does not paint until the zoom is done or refused, and
// the tool in use is put back afterwards.
void ZoomActiveView(TClient& client, int mode) {
    if (Shared.DrawingState <= 1) return;
    Shared.HelpContext = help_context::Zoom;
    TChild* view = client.ActiveView();
    if (!view) return;
    DrawingList.WriteDrawing();
    view->SavedKind = client.CurrentTool->Kind;
    Shared.DrawingState = 1;
    client.Zooming().ZoomView(*view, mode);
}

} // namespace

void AddZoomCommands(CommandTable& table) {
    table.Add(command_id::ZoomUp, CmZoomUp);
    table.Add(command_id::BackToNormal, CmZoomNormal);
    table.Add(command_id::ShrinkByHalf, CmZoomHalf);
    table.Add(command_id::FitOnScreen, CmZoomFit);
}

void CmZoomUp(TClient& client) {
    if (Shared.DrawingState <= 1) return;
    if (Shared.CurrentView < view_code::GroundFloor) {
        ViewMessageBox("Not available on room layouts", "ZOOM UP", platform::MessageBoxStyle::Ok);
        return;
    }
    Shared.HelpContext = help_context::Zoom;
    TChild* view = client.ActiveView();
    if (!view) return;
    DrawingList.WriteDrawing();
    view->SavedKind = client.CurrentTool->Kind;
    view->DatumState = 3;
    auto move = std::make_unique<TMoveobjtool>();
    move->State = TMoveobjtool::ZoomRectangle;
    client.InstallTool(std::move(move));
    ShowPrompt("press Left Button, hold down and drag cursor over area to enlarge");
}

void CmZoomNormal(TClient& client) {
    ZoomActiveView(client, NormalSize);
}

void CmZoomHalf(TClient& client) {
    ZoomActiveView(client, HalfSize);
}

void CmZoomFit(TClient& client) {
    ZoomActiveView(client, FitToDrawing);
}
