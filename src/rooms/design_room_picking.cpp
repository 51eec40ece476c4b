#include "rooms/design_room_picking.h"

#include "model/drawing_list.h"
#include "model/drawing_objects.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "rooms/design_room_tool.h"
#include "tools/tool_support.h"

#include <cstdlib>

using platform::DeviceContext;
using platform::Point;
using platform::Rect;
using tool_support::Clamped;

namespace {

// Half the side of the square round a room's centre in which a press drags the room without
// aligning it, per unit of Scale.
constexpr int CentreRegion = 20;

bool Contains(const TObject& room, Point at) {
    return room.x1 < at.x && at.x < room.x2 && room.y2 < at.y && at.y < room.y1;
}

} // namespace

void FindDesignRoomAt(TDRoomobjtool& tool, DeviceContext& dc, const Rect& client, int x, int y) {
    tool.PickedRoomIndex = TDRoomobjtool::NoRoom;
    const Point at = tool_support::ToDrawingUnits(dc, client, x, y);
    tool.LastMouseX = at.x;
    tool.LastMouseY = at.y;
    // Where rooms overlap, the one earlier in the list wins.
    const TRoomobj* room = nullptr;
    for (int i = 0; i < DrawingList.count && !room; ++i) {
        const TObject* object = DrawingList[i];
        if (object->type != type_code::DesignRoom || object->view != Shared.CurrentView) continue;
        if (!Contains(*object, at)) continue;
        room = dynamic_cast<const TRoomobj*>(object);
        if (room) tool.PickedRoomIndex = i;
    }
    if (!room) return;
    tool.RoomWidth = room->width;
    tool.RoomHeight = room->length;
    const long long centreX = static_cast<long long>(room->x1) + room->width / 2;
    const long long centreY = static_cast<long long>(room->y1) - room->length / 2;
    const long long region = static_cast<long long>(CentreRegion) * Shared.Scale;
    const bool onCentre = std::llabs(at.x - centreX) < region && std::llabs(at.y - centreY) < region;
    int* previous = tool.PreviousRect();
    previous[0] = room->x1;
    previous[1] = room->x2;
    previous[2] = room->y1;
    previous[3] = room->y2;
    // A room command's mode, or a pick already under way, stays as it is.
    if (tool.State >= TDRoomobjtool::DragAligned) return;
    tool.X1 = room->x1;
    tool.Y1 = room->y1;
    tool.X2 = room->x2;
    tool.Y2 = room->y2;
    tool.State = onCentre ? TDRoomobjtool::DragUnaligned : TDRoomobjtool::DragAligned;
    tool.DragFlag() = 1;
}

void RotateDesignRoom(TDRoomobjtool& tool) {
    TRoomobj* room = tool.PickedRoom();
    if (!room) return;
    const long long width = room->width;
    const long long height = room->length;
    tool.RoomWidth = room->width;
    tool.RoomHeight = room->length;
    // Halvings truncate, so a room of odd height spans one unit less across once turned.
    const long long centreX = room->x1 + width / 2;
    const long long centreY = room->y1 - height / 2;
    room->x1 = Clamped(centreX - height / 2);
    room->x2 = Clamped(centreX + height / 2);
    room->y1 = Clamped(centreY + width / 2);
    room->y2 = Clamped(centreY - width / 2);
    room->width = static_cast<int>(height);
    room->length = static_cast<int>(width);
    tool.RelabelDesignRoomSize(TDRoomobjtool::WidthLabelOnly);
    tool.RelabelDesignRoomSize(TDRoomobjtool::HeightLabelOnly);
    // The repaint covers the old outline (the previous rectangle) and the new one.
    tool.X1 = room->x1;
    tool.Y1 = room->y1;
    tool.X2 = room->x2;
    tool.Y2 = room->y2;
}

void DeleteDesignRoom(TDRoomobjtool& tool) {
    const TRoomobj* room = tool.PickedRoom();
    if (!room) return;
    tool.X1 = room->x1;
    tool.Y1 = room->y1;
    tool.X2 = room->x2;
    tool.Y2 = room->y2;
    DrawingList.RemoveAt(tool.PickedRoomIndex);
}
