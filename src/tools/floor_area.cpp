#include "tools/floor_area.h"

#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "platform/desktop.h"
#include "settings/floor_area_dialog.h"
#include "tools/drawing_view.h"
#include "tools/status_texts.h"
#include "tools/tool_framework.h"
#include "tools/tool_kinds.h"
#include "tools/view_support.h"

#include <string>

namespace {

// The tool's finishing action of a floor plan: centring the ground floor and measuring its area.
constexpr int FinishFloorPlan = 1;

// The floor's area kept in its floor record (when it has one) and the drawing saved, then the area
// shown; the message is only shown for metric and feet-and-inches drawings. The number is the one
// the drawing list holds, in the drawing's own units.
void RecordAndReportArea() {
    const int area = DrawingList.GetArea();
    const int index = DrawingList.FindType(Shared.CurrentView + type_code::FloorRecordBase);
    if (index != NoObjectIndex)
        if (auto* record = dynamic_cast<TInfoobj*>(DrawingList.Edit(index))) record->value = area;
    DrawingList.WriteDrawing();
    const char* unit = Shared.Units == 1 ? "sq. metres" : Shared.Units == 0 ? "sq. feet" : nullptr;
    if (!unit) return;
    ViewMessageBox("Area and Dimensions should be checked manually\nTotal Building Area this floor: " +
                       std::to_string(area) + " " + unit,
                   "External Area", platform::MessageBoxStyle::Ok);
}

} // namespace

void CompleteFloorPlan(DrawingView& view, int /*mode*/) {
    if (!view.Window()) return;
    CallingTool(view).Action(FinishFloorPlan);
    CallTool(view, [](TDrawingtool& tool, platform::DeviceContext& dc, const platform::Rect& client) {
        tool.AddDimension(dc, client, 0, 0, 0, 'o');
    });
    RecordAndReportArea();
    InvalidateWholeView(view);
}

void FloorAreaDialog(DrawingView& /*view*/) {
    if (Shared.CurrentView < view_code::GroundFloor || Shared.CurrentView > view_code::LastPlan) return;
    TAreadlg dialog(TAreadlg::Resource);
    dialog.Execute();
}

void ReportFloorArea(DrawingView& view, int /*mode*/) {
    ShowPrompt("HELP - press button if showing or press F1 key");
    RecordAndReportArea();
    ShowPrompt("Pick drawingtool");
    view.Tool().Kind = tool_kind::FloorAreaReported;
}
