#include "rooms/design_room_tool.h"

#include "model/drawing_list.h"
#include "model/drawing_objects.h"
#include "model/object_codes.h"
#include "model/object_numbers.h"
#include "model/shared_state.h"
#include "model/view_mapping.h"
#include "platform/input.h"
#include "rooms/design_room_picking.h"
#include "rooms/design_room_snapping.h"
#include "rooms/design_rooms.h"
#include "settings/cfg_files.h"
#include "settings/length_format.h"
#include "tools/tool_kinds.h"
#include "tools/tool_support.h"

#include <algorithm>
#include <memory>
#include <optional>

using platform::DeviceContext;
using platform::Point;
using platform::Rect;
using tool_support::Clamped;
using tool_support::MoveBox;
using tool_support::MoveCoordinate;
namespace VirtualKey = platform::VirtualKey;

namespace {

// One step of a room moved by keys: one inch or 25 mm.
int KeyStep() {
    return Shared.Units == 0 ? 24 : 25;
}

// The colour of a new room by the colour choice of NEWRM.CFG; nothing for a choice of no colour class.
std::optional<platform::ColourRef> ChosenRoomColour(int choice) {
    const RoomColourSettings colours = ReadRoomColours();
    switch (choice) {
    case 1:
        return Shared.BackgroundColour;
    case 2:
        return colours.wetArea;
    case 3:
        return colours.bedroom;
    case 4:
        return colours.otherRooms;
    default:
        return std::nullopt;
    }
}

} // namespace

std::string DesignRoomSizeLabel(int size) {
    return LengthText(size, Shared.Units);
}

TDRoomobjtool::TDRoomobjtool() : RoomColour(Shared.BackgroundColour) {
    Kind = tool_kind::DesignRoom;
}

TRoomobj* TDRoomobjtool::PickedRoom() const {
    if (PickedRoomIndex < 0 || PickedRoomIndex >= DrawingList.count) return nullptr;
    TObject* object = DrawingList.Edit(PickedRoomIndex);
    if (object->type != type_code::DesignRoom || object->view != Shared.CurrentView) return nullptr;
    return dynamic_cast<TRoomobj*>(object);
}

void TDRoomobjtool::TakeCurrentRect(const TRoomobj& room) {
    X1 = room.x1;
    Y1 = room.y1;
    X2 = room.x2;
    Y2 = room.y2;
}

void TDRoomobjtool::TakePreviousRect(const TRoomobj& room) {
    int* previous = PreviousRect();
    previous[0] = room.x1;
    previous[1] = room.x2;
    previous[2] = room.y1;
    previous[3] = room.y2;
}

void TDRoomobjtool::WidenPreviousRect() {
    int* previous = PreviousRect();
    previous[0] = std::min(previous[0], X1);
    previous[1] = std::max(previous[1], X2);
    previous[2] = std::max(previous[2], Y1);
    previous[3] = std::min(previous[3], Y2);
}

void TDRoomobjtool::MoveHeldPoints(int dx, int dy) {
    TLineobjtool::MoveHeldPoints(dx, dy);
    MoveBox(PreviousRect(), dx, dy);
    MoveCoordinate(LastMouseX, dx);
    MoveCoordinate(LastMouseY, dy);
}

void TDRoomobjtool::MoveCurrentRect(int dx, int dy) {
    X1 = Clamped(static_cast<long long>(X1) + dx);
    X2 = Clamped(static_cast<long long>(X2) + dx);
    Y1 = Clamped(static_cast<long long>(Y1) + dy);
    Y2 = Clamped(static_cast<long long>(Y2) + dy);
}

void TDRoomobjtool::LButtonDown(DeviceContext& dc, const Rect& client, int x, int y) {
    switch (State) {
    case Expand:
    case Shrink:
        FindDesignRoomAt(*this, dc, client, x, y);
        KeyboardFlag() = 1;
        break;
    case Move:
        FindDesignRoomAt(*this, dc, client, x, y);
        KeyboardFlag() = 1;
        State = Adjusting;
        break;
    case Rotate:
        FindDesignRoomAt(*this, dc, client, x, y);
        RotateDesignRoom(*this);
        break;
    case Delete:
        FindDesignRoomAt(*this, dc, client, x, y);
        if (State < OutsideWalls) DeleteDesignRoom(*this);
        break;
    case MaximumSize:
        MeasureMaxRoom(*this, dc, client, x, y);
        break;
    default:
        if (State < DragAligned) FindDesignRoomAt(*this, dc, client, x, y);
        break;
    }
}

void TDRoomobjtool::RButtonDown(DeviceContext& dc, const Rect& client, Point& point) {
    if (State >= DragAligned && State != Move) return;
    const bool moving = State == Move;
    FindDesignRoomAt(*this, dc, client, point.x, point.y);
    if (moving) {
        State = KeyDrag;
        KeyboardFlag() = 1;
        keyEchoExpected_ = false;
    } else {
        // A right-button drag always ends aligned to the other rooms' box, also from the centre.
        State = DragAligned;
    }
}

bool TDRoomobjtool::EndDrag() {
    if (DragFlag() == 1) {
        if (TRoomobj* room = PickedRoom()) {
            // The size stays as it was: only the place changes.
            room->x1 = X1;
            room->y1 = Y1;
            room->x2 = X2;
            room->y2 = Y2;
            DrawingList.WriteDrawing();
        }
    }
    DragPhase() = NotLifted;
    DragFlag() = 0;
    outlineShown_ = false; // the view repaints where it was
    if (State != DragAligned) return false;
    State = PlaceNew;
    return true;
}

void TDRoomobjtool::LButtonUp(DeviceContext& dc, const Rect& client, Point& point) {
    if (EndDrag()) AlignDesignRoomToRooms(*this, dc, client, point.x, point.y);
}

void TDRoomobjtool::RButtonUp(DeviceContext& dc, const Rect& client, int x, int y) {
    if (EndDrag()) AlignDesignRoomToBoundary(*this, dc, client, x, y);
}

void TDRoomobjtool::FollowCursor(DeviceContext& dc, Point at) {
    MoveCurrentRect(Clamped(static_cast<long long>(at.x) - LastMouseX),
                    Clamped(static_cast<long long>(at.y) - LastMouseY));
    LastMouseX = at.x;
    LastMouseY = at.y;
    DrawShape(dc, 1);
    DragPhase() = OutlineDrawn;
}

void TDRoomobjtool::MouseMove(DeviceContext& dc, const Rect& client, int x, int y) {
    if (!PickedRoom() || DragFlag() != 1) return;
    const Point at = tool_support::ToDrawingUnits(dc, client, x, y);
    const bool inside = client.left < x && x < client.right && client.top < y && y < client.bottom;
    if (inside) {
        if (DragPhase() == NotLifted) {
            // The first move lifts the room from its painted place and moves it from the press, so
            // that the room keeps up with the cursor's whole travel.
            DrawShape(dc, 0);
        } else if (DragPhase() == LeftTheView) {
            LastMouseX = at.x;
            LastMouseY = at.y;
        } else if (outlineShown_) {
            DrawShape(dc, 1);
        }
        FollowCursor(dc, at);
        return;
    }
    // Outside the view the room does not follow; the travel counts once the cursor is back.
    DrawShape(dc, 0);
    if (DragPhase() == NotLifted) {
        LastMouseX = at.x;
        LastMouseY = at.y;
        DragPhase() = LeftTheView;
    } else if (DragPhase() == LeftTheView) {
        FollowCursor(dc, at);
    }
}

void TDRoomobjtool::DrawShape(DeviceContext& dc, int how) {
    if (!PickedRoom()) return;
    // Whatever a drag draws lies in the previous rectangle, so that the repaint after the release,
    // which covers the previous and the current rectangle, leaves nothing of it behind.
    if (DragFlag() == 1) WidenPreviousRect();
    if (ViewWindow) SetViewMapping(dc, ViewWindow->ClientRect());
    const int scale = tool_support::ScaleDivisor();
    const int left = X1 / scale;
    const int top = Y1 / scale;
    const int right = X2 / scale;
    const int bottom = Y2 / scale;
    if (how == 1) {
        tool_support::ExclusiveOrPen outline(dc, Shared.DrawingColour);
        dc.BoxSides(left, top, right, bottom);
        outlineShown_ = !outlineShown_;
        return;
    }
    if (how != 0) return;
    // The cover-up wipes whatever lies under the room until the view repaints.
    const platform::RasterOp rop = dc.SetROP2(platform::RasterOp::CopyPen);
    const platform::Pen pen =
        dc.SelectPen(platform::Pen{Shared.BackgroundColour, 1, platform::PenStyle::Solid});
    const platform::Brush brush = dc.SelectBrush(platform::Brush::SolidBrush(Shared.BackgroundColour));
    dc.Rectangle(left, top, Clamped(static_cast<long long>(right) + Shared.PenWidthFactor),
                 Clamped(static_cast<long long>(bottom) - Shared.PenWidthFactor));
    dc.SelectBrush(brush);
    dc.SelectPen(pen);
    dc.SetROP2(rop);
    outlineShown_ = false;
}

bool TDRoomobjtool::ChangeByKey(TRoomobj& room, int key, int amount) {
    const long long a = amount;
    long long x1 = room.x1;
    long long x2 = room.x2;
    long long y1 = room.y1;
    long long y2 = room.y2;
    long long width = room.width;
    long long height = room.length;
    int relabel = 0;
    switch (State) {
    case Expand:
        if (key == VirtualKey::Left) x1 -= a, width += a, relabel = WidthLabelOnly;
        if (key == VirtualKey::Up) y1 += a, height += a, relabel = HeightLabelOnly;
        if (key == VirtualKey::Right) x2 += a, width += a, relabel = WidthLabelOnly;
        if (key == VirtualKey::Down) y2 -= a, height += a, relabel = HeightLabelOnly;
        break;
    case Shrink:
        if (key == VirtualKey::Left) x1 += a, width -= a, relabel = WidthLabelOnly;
        if (key == VirtualKey::Up) y1 -= a, height -= a, relabel = HeightLabelOnly;
        if (key == VirtualKey::Right) x2 -= a, width -= a, relabel = WidthLabelOnly;
        if (key == VirtualKey::Down) y2 += a, height -= a, relabel = HeightLabelOnly;
        // A room shrunk to nothing or less is no room: it stays as it was.
        if (width <= 0 || height <= 0) return false;
        break;
    case Adjusting:
    case KeyDrag: {
        const long long step = State == KeyDrag ? KeyStep() : a;
        if (key == VirtualKey::Left) x1 -= step, x2 -= step;
        if (key == VirtualKey::Up) y1 += step, y2 += step;
        if (key == VirtualKey::Right) x1 += step, x2 += step;
        if (key == VirtualKey::Down) y1 -= step, y2 -= step;
        break;
    }
    default:
        return false;
    }
    room.x1 = Clamped(x1);
    room.x2 = Clamped(x2);
    room.y1 = Clamped(y1);
    room.y2 = Clamped(y2);
    room.width = Clamped(width);
    room.length = Clamped(height);
    if (relabel != 0) RelabelDesignRoomSize(relabel);
    return true;
}

void TDRoomobjtool::KeyDown(DeviceContext& dc, const Rect& /*client*/, int key, Point /*cursor*/,
                            int amount) {
    TRoomobj* room = PickedRoom();
    if (!room) return;
    if (State == KeyDrag) {
        if (!VirtualKey::IsArrow(key)) return;
        if (keyEchoExpected_) {
            // The view's second call for the same key: the room has moved one unit already. The
            // outline goes, and the view puts it back right after.
            keyEchoExpected_ = false;
            if (outlineShown_) DrawShape(dc, 1);
            return;
        }
        TakeCurrentRect(*room);
        if (DragPhase() == NotLifted) {
            DrawShape(dc, 0);
            DragPhase() = OutlineDrawn;
        } else if (outlineShown_) {
            DrawShape(dc, 1);
        }
    }
    TakePreviousRect(*room);
    ChangeByKey(*room, key, amount);
    TakeCurrentRect(*room);
    if (State == KeyDrag) {
        DrawShape(dc, 1);
        keyEchoExpected_ = true;
    }
}

void TDRoomobjtool::RelabelDesignRoomSize(int which) {
    TRoomobj* room = PickedRoom();
    if (!room) return;
    if (which == HeightLabelOnly)
        SetObjectString(room->label2, room->label2Length, DesignRoomSizeLabel(room->length));
    else if (which == WidthLabelOnly)
        SetObjectString(room->label1, room->label1Length, DesignRoomSizeLabel(room->width));
}

void TDRoomobjtool::Step(int width, int height, int /*unused*/) {
    Group = Number = NewObjectSerial();
    const NewRoomSettings settings = ReadNewRoomSettings();
    LabelMode = settings.sizeDisplay;
    RoomWidth = width;
    RoomHeight = height;
    // The lower-left corner two scale steps inside the view's lower-left corner. Two rooms made in a
    // row without scrolling lie on top of each other.
    const long long scale = Shared.Scale;
    X1 = Clamped((2 * scale + Shared.ScrollX) * scale);
    Y2 = Clamped((2 * scale + Shared.ScrollY) * scale);
    Y1 = Clamped(static_cast<long long>(Y2) + height);
    X2 = Clamped(static_cast<long long>(X1) + width);
    RoomTextSize = Shared.TextSize;
    NameLength = static_cast<int>(DrawingList.RoomName.size());
    WidthLabel = DesignRoomSizeLabel(width);
    HeightLabel = DesignRoomSizeLabel(height);
    WidthLabelLength = static_cast<int>(WidthLabel.size());
    HeightLabelLength = static_cast<int>(HeightLabel.size());
    if (const std::optional<platform::ColourRef> colour = ChosenRoomColour(settings.colour))
        RoomColour = *colour;

    auto room = std::make_unique<TRoomobj>();
    room->view = Shared.CurrentView;
    room->aux = Group;
    room->number = Number;
    room->type = type_code::DesignRoom;
    room->penWidth = 1;
    room->penStyle = 0;
    room->x1 = X1;
    room->x2 = X2;
    room->y1 = Y1;
    room->y2 = Y2;
    room->width = width;
    room->length = height;
    room->roomA = LabelMode;
    room->textSize = RoomTextSize;
    // A design room keeps its colour in its own field; the base colour is not used.
    room->fillColour = static_cast<int>(RoomColour);
    SetObjectString(room->name, room->nameLength, DrawingList.RoomName);
    SetObjectString(room->label1, room->label1Length, WidthLabel);
    SetObjectString(room->label2, room->label2Length, HeightLabel);
    DrawingList.Add(std::move(room));
    DrawingList.WriteDrawing();
}
