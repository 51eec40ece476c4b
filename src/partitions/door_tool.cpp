#include "partitions/door_tool.h"

#include "model/drawing_list.h"
#include "model/object_numbers.h"
#include "model/shared_state.h"
#include "model/symbol_file.h"
#include "partitions/door_gap.h"
#include "partitions/door_swings.h"
#include "partitions/door_wall_search.h"
#include "partitions/multiple_doors.h"
#include "partitions/sliding_door.h"
#include "platform/input.h"
#include "tools/tool_kinds.h"
#include "tools/tool_support.h"

using platform::DeviceContext;
using platform::Point;
using platform::Rect;
using tool_support::Clamped;

namespace {

// WallDirection while the outline follows the mouse: it is on the screen.
constexpr int OutlineDrawn = 1;

} // namespace

TDoorobjtool::TDoorobjtool() {
    Kind = tool_kind::Door;
}

void TDoorobjtool::MouseMove(DeviceContext& dc, const Rect& client, int x, int y) {
    if (DragActive() != 1) return;
    const Point at = tool_support::ToDrawingUnits(dc, client, x, y);
    if (WallDirection() >= OutlineDrawn) {
        if (at.x == X1 && at.y == Y1) return;
        DrawShape(dc, 0);
    }
    X1 = at.x;
    Y1 = at.y;
    DrawShape(dc, 0);
    WallDirection() = OutlineDrawn;
}

void TDoorobjtool::AddDimension(DeviceContext& /*dc*/, const Rect& /*client*/, int type, int width, int side,
                                int /*unused*/) {
    WallDirection() = 0;
    if (Kind == tool_kind::WallOpening) {
        OpeningWidth = width;
        return;
    }
    if (Kind == tool_kind::DoorPair) {
        Handing() = side;
        SavedSide() = side;
    }
    OutlineHanding = type;
    OpeningWidth = width;
    DragActive() = 1;
    SetLeafOffsets();
}

void TDoorobjtool::Step(int type, int width, int height) {
    OpeningType = type;
    OpeningWidth = width;
    Height = height;
    DragActive() = 1;
    WallDirection() = 0;
    Elevation = Clamped(2000 + StoreyHeightsBelow(Shared.CurrentView));
    SetLeafOffsets();
}

void TDoorobjtool::Unplaced() {
    X1 = 0;
    Y1 = Refused;
    // The outline was erased; the next move draws it afresh.
    WallDirection() = 0;
    SetLeafOffsets();
}

bool TDoorobjtool::FindWallAtCursor(DeviceContext& dc, const Rect& client, Point cursor) {
    const Point at = tool_support::ToDrawingUnits(dc, client, cursor.x, cursor.y);
    // The outline goes from where it was drawn, as it was drawn.
    if (WallDirection() >= OutlineDrawn) DrawShape(dc, 0);
    WallDirection() = 0;
    X1 = at.x;
    Y1 = at.y;
    DragActive() = 0;
    dc.SetROP2(platform::RasterOp::CopyPen);
    // A tool rebuilt without its settings (after a zoom) has nothing to place.
    if (OpeningWidth <= 0) return false;
    FindDoorWall(*this);
    return WallIndex != NoWallFound;
}

void TDoorobjtool::TakeNewNumber() {
    ObjectNumber() = NewObjectNumber(FloorNumberBase(Shared.CurrentView));
    RunNumber() = ObjectNumber();
}

void TDoorobjtool::PlaceDoor(DeviceContext& dc, const Rect& client, int code) {
    TakeNewNumber();
    switch (code) {
    case HingedDoorCode:
        Kind = tool_kind::HingedDoor;
        break;
    case DoorPairCode:
        Kind = tool_kind::DoorPair;
        break;
    default:
        Kind = tool_kind::SlidingDoor;
        break;
    }
    CutDoorGap(*this, dc, client);
    if (Y1 == Refused) {
        // The number taken stays taken.
        Unplaced();
        return;
    }
    switch (code) {
    case HingedDoorCode:
        LeafHanding() = OutlineHanding;
        AddDoorSwing(*this, dc, client);
        break;
    case DoorPairCode:
        AddMultipleDoors(*this, dc, client);
        break;
    default:
        AddSlidingDoorLeaf(*this, dc, client);
        break;
    }
    // A hinged door's leaf may still find the face of an angled wall wrong for it.
    if (Y1 == Refused) Unplaced();
}

void TDoorobjtool::KeyDown(DeviceContext& dc, const Rect& client, int key, Point cursor, int code) {
    PenWidth() = 1;
    Colour = Shared.DrawingColour;
    PenStyle() = 0;
    const bool placesDoor =
        Kind == tool_kind::HingedDoor || Kind == tool_kind::DoorPair || Kind == tool_kind::SlidingDoor;
    if (key == platform::VirtualKey::Return && (placesDoor || Kind == tool_kind::WallOpening)) {
        // The view passes the code of the kind; a caller without one gets the kind's.
        if (placesDoor && (code < HingedDoorCode || code > SlidingDoorCode))
            code = Kind == tool_kind::HingedDoor ? HingedDoorCode
                   : Kind == tool_kind::DoorPair ? DoorPairCode
                                                 : SlidingDoorCode;
        // The side chosen in the dialog, which an angled wall may have turned into a face code.
        if (code == DoorPairCode) Handing() = SavedSide();
        const bool found = FindWallAtCursor(dc, client, cursor);
        if (!found) {
            if (placesDoor)
                Unplaced();
            else
                X1 = 0, Y1 = Refused;
            return;
        }
        if (placesDoor) {
            PlaceDoor(dc, client, code);
            if (Y1 == Refused) return;
        } else {
            TakeNewNumber();
            CutDoorGap(*this, dc, client);
            if (Y1 == Refused) {
                X1 = 0;
                return;
            }
        }
        // Placed: the point must not read as the refusal mark.
        Y1 = 0;
    }
    if (Kind == tool_kind::HingedDoor || Kind == tool_kind::DoorPair || Kind == tool_kind::WallOpening)
        X1 = 0;
    DrawingList.WriteDrawing();
}
