#include "tools/editing.h"

#include "model/drawing_list.h"
#include "model/object_class.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "platform/desktop.h"
#include "resources/help_contexts.h"
#include "settings/cfg_file.h"
#include "settings/selection_files.h"
#include "tools/drawing_view.h"
#include "tools/move_tool.h"
#include "tools/status_texts.h"
#include "tools/tool_kinds.h"
#include "tools/tool_support.h"
#include "tools/view_support.h"

#include <algorithm>
#include <vector>

using platform::Point;
using platform::Rect;

namespace {

// The part of the drawing the objects taken back covered, drawing units.
struct RepaintBox {
    long long minX = 125000;
    long long minY = 125000;
    long long maxX = 0;
    long long maxY = 0;

    void Add(long long x, long long y) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
};

// Widens the box by what the object covers on the view. A text's characters are not measured: it
// takes three times the view's size around its anchor. Walls, openings, rooms and information records
// add nothing.
void WidenByObject(RepaintBox& box, const TObject& object, const Rect& client) {
    const int type = object.type;
    if (type == type_code::ExternalWall || type == 1001 || type == type_code::Opening ||
        type == type_code::DesignRoom || type >= type_code::FirstInformation)
        return;
    const ObjectClass objectClass = ClassOfType(type);
    if (objectClass == ObjectClass::Text) {
        const long long w = 3LL * (client.right - client.left);
        const long long h = 3LL * (client.bottom - client.top);
        box.Add(object.x1 - w, object.y1 - h);
        box.Add(object.x1 + w, object.y1 + h);
        return;
    }
    if (objectClass == ObjectClass::Polygon) {
        if (const auto* polygon = dynamic_cast<const TPolyobj*>(&object))
            for (int k = 0; k < std::clamp(polygon->count, 0, TPolyobj::MaxPoints); ++k)
                box.Add(polygon->x[k], polygon->y[k]);
        return;
    }
    box.Add(object.x1, object.y1);
    box.Add(object.x2, object.y2);
    if (const auto* wall = dynamic_cast<const TIntwallobj*>(&object)) {
        box.Add(wall->fx1, wall->fy1);
        box.Add(wall->fx2, wall->fy2);
    }
}

// Invalidates the client pixels of the box, widened by three times Scale pixels and held inside the
// view.
void InvalidateBox(DrawingView& view, const RepaintBox& box) {
    // Objects that cover nothing (an opening, a room) leave the box empty: the next paint shows them gone.
    if (box.minX > box.maxX || box.minY > box.maxY) return;
    const int scale = tool_support::ScaleDivisor();
    const Point low = LogicalToClient(
        view, {tool_support::Clamped(box.minX / scale), tool_support::Clamped(box.minY / scale)});
    const Point high = LogicalToClient(
        view, {tool_support::Clamped(box.maxX / scale), tool_support::Clamped(box.maxY / scale)});
    const Rect client = view.ClientRect();
    const long long margin = 3LL * scale;
    Rect area;
    area.left = low.x - margin > 0 ? tool_support::Clamped(low.x - margin) : 0;
    area.top = high.y - margin > client.top ? tool_support::Clamped(high.y - margin) : client.top;
    area.right = high.x + margin < client.right ? tool_support::Clamped(high.x + margin) : client.right;
    area.bottom = low.y + margin < client.bottom ? tool_support::Clamped(low.y + margin) : client.bottom;
    view.Invalidate(&area, true);
}

} // namespace

int CheckRotationLimits(DrawingView& /*view*/) {
    CfgReport report;
    const std::vector<SelectionLine> lines = ReadSelection(DrawingList, &report);
    // Without the selection file nothing is known to turn: refused, silently.
    if (report.fileMissing) return 1;
    const bool squareOnly = std::any_of(lines.begin(), lines.end(), [](const SelectionLine& line) {
        const int type = DrawingList[line.index]->type;
        return type == type_code::Arc || type == type_code::Rectangle || type == type_code::RoundedRectangle;
    });
    if (!squareOnly) return 0;
    ViewMessageBox("ARC, RECT and RNDRECT objects only rotate in 90, 180 and 270 degree increments", "ROTATE",
                   platform::MessageBoxStyle::Ok | platform::MessageBoxStyle::IconExclamation);
    return 1;
}

void PasteObjects(DrawingView& view) {
    const int first = DrawingList.count;
    DrawingList.ReadSymbol("PASTE.CFG");
    DrawingList.WriteDrawing();
    RefreshView(view, 3);
    view.RestoreTool(tool_kind::MoveRebuilt);
    view.Tool().Kind = tool_kind::Move;
    CallTool(view, [first](TDrawingtool& tool, platform::DeviceContext& dc, const Rect& client) {
        tool.AddLineText(dc, client, first, 0);
    });
    TDrawingtool& tool = view.Tool();
    tool.State = TMoveobjtool::PlaceSelection;
    ShowPrompt("click LEFT Button on reference point and MOVE,press ENTER to finish");
    // The move tool keeps the view it works on here.
    tool.Dragging = Shared.CurrentView;
}

void UndoLastObject(DrawingView& view) {
    Shared.HelpContext = help_context::CentreAndDatum;
    if (view.Tool().Kind != tool_kind::Pick) view.SelectPickTool();
    int& presses = view.Tool().Counter();
    if (presses >= 3) {
        ViewMessageBox("to delete in bulk, why not try using the Delete/Erase Icon?", "",
                       platform::MessageBoxStyle::Ok);
        presses = 0;
        return;
    }
    ++presses;
    const Rect client = view.ClientRect();
    if (DrawingList.count == 0) return;
    const TObject& last = *DrawingList[DrawingList.count - 1];
    if (last.view != Shared.CurrentView) {
        ViewMessageBox("Last object drawn was not on this floor - change the view to undo that object", "",
                       platform::MessageBoxStyle::Ok);
        return;
    }
    // External walls go with the wall edits; the floor records are not drawn objects at all.
    if (last.type == type_code::ExternalWall || last.type >= type_code::FirstInformation) return;
    // The objects of one gesture share its number; a plain line whose group differs from its number
    // was drawn alone.
    int number = last.number;
    if (last.type == type_code::Line && last.aux != last.number) number = 0;
    RepaintBox box;
    std::vector<bool> removed(static_cast<std::size_t>(DrawingList.count), false);
    removed.back() = true;
    WidenByObject(box, last, client);
    if (number != 0) {
        // Across views; never an external wall, whose number field holds its length, nor a record.
        for (int i = 0; i < DrawingList.count - 1; ++i) {
            const TObject& object = *DrawingList[i];
            if (object.number != number || object.type == type_code::ExternalWall ||
                object.type >= type_code::FirstInformation)
                continue;
            removed[static_cast<std::size_t>(i)] = true;
            WidenByObject(box, object, client);
        }
    }
    DrawingList.RemoveMarked(removed);
    DrawingList.WriteDrawing();
    InvalidateBox(view, box);
}
