#include "rooms/fixed_rooms.h"

#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "platform/desktop.h"
#include "rooms/fixed_room_tool.h"
#include "settings/fixed_room_dialog.h"
#include "settings/fixed_room_imperial_dialog.h"
#include "settings/length_format.h"
#include "tools/drawing_view.h"
#include "tools/status_texts.h"
#include "tools/tool_support.h"
#include "tools/view_support.h"

#include <optional>
#include <string>

using platform::Point;
using platform::Rect;

namespace {

// The room the fixed-room dialog describes, sizes in drawing units.
struct FixedRoomAnswer {
    std::string name;
    int width = 0;
    int length = 0;
    int mode = 0; // how the sizes show
};

int TypedFeetAndInches(const FeetInchesTexts& typed) {
    return FeetInchesToUnits(ParseDecimal(typed.feet), ParseDecimal(typed.inches),
                             ParseDecimal(typed.numerator), ParseDecimal(typed.denominator),
                             FractionRule::Proper);
}

// The fixed-room dialog of the drawing's units; nothing when cancelled.
std::optional<FixedRoomAnswer> AskFixedRoom() {
    if (Shared.Units == 1) {
        TRoomdlg dialog;
        if (dialog.Execute() != platform::IdOk) return std::nullopt;
        return FixedRoomAnswer{dialog.roomName, ParseDecimal(dialog.horizontal),
                               ParseDecimal(dialog.vertical), dialog.sizeDisplay};
    }
    TRoomimpdlg dialog;
    if (dialog.Execute() != platform::IdOk) return std::nullopt;
    return FixedRoomAnswer{dialog.roomName, TypedFeetAndInches(dialog.horizontal),
                           TypedFeetAndInches(dialog.vertical), dialog.sizeDisplay};
}

} // namespace

void NewFixedRoom(DrawingView& view) {
    auto* tool = dynamic_cast<TRoomobjtool*>(&CallingTool(view));
    if (!tool) return;
    if (tool->Started() != 0) {
        tool->Started() = 0;
        ViewMessageBox("No selection was made - start ROOM again", "", platform::MessageBoxStyle::Ok);
        return;
    }
    const std::optional<FixedRoomAnswer> answer = AskFixedRoom();
    if (!answer) {
        InvalidateWholeView(view);
        return;
    }
    if (answer->name.size() > TList::RoomNameLimit) return;
    DrawingList.RoomName = answer->name;
    if (view.DatumState > 1) SetDatum(view, 1);
    bool built = false;
    CallTool(view, [&](TDrawingtool&, platform::DeviceContext& dc, const Rect& client) {
        built = tool->Execute(dc, client, answer->width, answer->length);
        if (built) tool->AddDimension(dc, client, answer->mode, answer->width, answer->length, 'o');
    });
    if (!built) return;
    const int scale = tool_support::ScaleDivisor();
    const int* box = tool->CapBox(); // left, right, top, bottom
    const Point from = LogicalToClient(view, {box[0] / scale, box[2] / scale});
    const Point to = LogicalToClient(view, {box[1] / scale, box[3] / scale});
    InvalidateViewArea(view, {from.x, from.y, to.x, to.y});
    view.SelectPickTool();
    ShowPrompt("Pick Tool");
}
