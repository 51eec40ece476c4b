#include "rooms/design_rooms.h"

#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "platform/desktop.h"
#include "rooms/room_layout.h"
#include "settings/cfg_files.h"
#include "settings/length_format.h"
#include "settings/new_design_room_dialog.h"
#include "settings/new_design_room_imperial_dialog.h"
#include "settings/room_partition_dialog.h"
#include "settings/room_partition_imperial_dialog.h"
#include "tools/drawing_tool.h"
#include "tools/drawing_view.h"
#include "tools/status_texts.h"
#include "tools/tool_support.h"
#include "tools/view_support.h"

#include <algorithm>
#include <optional>
#include <string>

using platform::Point;
using platform::Rect;

namespace {

// The room the new-room dialog describes, sizes in drawing units.
struct NewRoomAnswer {
    std::string name;
    int width = 0;
    int height = 0;
};

int TypedFeetAndInches(const FeetInchesTexts& typed) {
    return FeetInchesToUnits(ParseDecimal(typed.feet), ParseDecimal(typed.inches),
                             ParseDecimal(typed.numerator), ParseDecimal(typed.denominator),
                             FractionRule::Proper);
}

// The new-room dialog of the drawing's units; nothing when cancelled.
std::optional<NewRoomAnswer> AskNewRoom() {
    if (Shared.Units == 1) {
        TTroomdlg dialog;
        if (dialog.Execute() != platform::IdOk) return std::nullopt;
        return NewRoomAnswer{dialog.roomName, ParseDecimal(dialog.horizontal), ParseDecimal(dialog.vertical)};
    }
    TTroomimpdlg dialog;
    if (dialog.Execute() != platform::IdOk) return std::nullopt;
    return NewRoomAnswer{dialog.roomName, TypedFeetAndInches(dialog.horizontal),
                         TypedFeetAndInches(dialog.vertical)};
}

// The partition thickness of the current floor's design rooms, asked in the drawing's units; the
// dialog writes it itself.
void AskRoomPartition() {
    if (Shared.Units == 1) {
        TRmpttndlg dialog;
        dialog.Execute();
    } else {
        TRmpttnimpdlg dialog;
        dialog.Execute();
    }
}

bool HasDesignRoom(int view) {
    for (int i = 0; i < DrawingList.count; ++i)
        if (DrawingList[i]->type == type_code::DesignRoom && DrawingList[i]->view == view) return true;
    return false;
}

// A box in logical units (top the larger y) widened by a margin, mapped to client pixels and clipped
// to the client rectangle.
Rect ClippedClientArea(DrawingView& view, const Rect& client, long long left, long long top, long long right,
                       long long bottom, long long margin) {
    auto logical = [](long long v) { return tool_support::Clamped(v); };
    const Point from = LogicalToClient(view, {logical(left - margin), logical(top + margin)});
    const Point to = LogicalToClient(view, {logical(right + margin), logical(bottom - margin)});
    Rect area{std::max(from.x, client.left), std::max(from.y, client.top), std::min(to.x, client.right),
              std::min(to.y, client.bottom)};
    if (area.right <= area.left || area.bottom <= area.top) return Rect{};
    return area;
}

void InvalidateArea(DrawingView& view, const Rect& area) {
    if (area.right <= area.left || area.bottom <= area.top) return;
    view.Invalidate(&area, true);
}

} // namespace

void NewDesignRoom(DrawingView& view) {
    ShowPrompt("press HELP button if unsure");
    const Rect client = view.ClientRect();
    if (!HasDesignRoom(Shared.CurrentView)) {
        AskRoomPartition();
        view.Invalidate(nullptr, false);
    }
    std::optional<NewRoomAnswer> answer = AskNewRoom();
    if (answer && answer->name.size() > TList::RoomNameLimit) return;
    if (answer) DrawingList.RoomName = answer->name.size() == 1 ? "none" : answer->name;
    view.Invalidate(nullptr, false);
    if (answer) {
        view.Tool().Step(answer->width, answer->height, 0);
        ShowPrompt(Shared.Units == 1
                       ? "place cursor in room, move with LB down (align to Room)"
                       : "place cursor in room, move with LB down (align to Room), RB (align Boundary)");
        Shared.DrawingState = 2;
        if (view.DatumState > 1) SetDatum(view, 1);
        InvalidateNewDesignRoomArea(view, client);
    }
    if (Shared.CurrentView >= view_code::RoomLayout && Shared.CurrentView <= view_code::LastLayout)
        Shared.LayoutGridOn = 1;
}

void NewMaxDesignRoom(DrawingView& /*view*/) {
    // Will make the measured room once the maximum design room is built.
}

void MeasureMaxRoom(TDRoomobjtool& /*tool*/, platform::DeviceContext& /*dc*/, const Rect& /*client*/,
                    int /*x*/, int /*y*/) {
    // Will measure the free space round the press once the maximum design room is built.
}

void InvalidateNewDesignRoomArea(DrawingView& view, const Rect& client) {
    const TDrawingtool& tool = view.Tool();
    const int scale = tool_support::ScaleDivisor();
    const long long margin = 2LL * Shared.PenWidthFactor;
    InvalidateArea(view, ClippedClientArea(view, client, tool.X1 / scale, tool.Y1 / scale, tool.X2 / scale,
                                           tool.Y2 / scale, margin));
}

Rect ChangedDesignRoomArea(DrawingView& view, const Rect& client, int mergeDistance) {
    TDrawingtool& tool = view.Tool();
    const int scale = tool_support::ScaleDivisor();
    const int* previous = tool.PrevBox(); // left, right, top, bottom
    const long long left = std::min(tool.X1 / scale, previous[0] / scale);
    const long long right = std::max(tool.X2 / scale, previous[1] / scale);
    const long long top = std::max(tool.Y1 / scale, previous[2] / scale);
    const long long bottom = std::min(tool.Y2 / scale, previous[3] / scale);
    const long long margin = 10LL * Shared.Scale + mergeDistance / scale;
    return ClippedClientArea(view, client, left, top, right, bottom, margin);
}

void InvalidateDesignRoomArea(DrawingView& view, const Rect& client) {
    InvalidateArea(view, ChangedDesignRoomArea(view, client, ReadMergeDistance(Shared.Units).distance));
}
