#include "rooms/design_room_snapping.h"

#include "model/drawing_list.h"
#include "model/drawing_objects.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "rooms/design_room_tool.h"
#include "rooms/room_layout.h"
#include "settings/cfg_files.h"
#include "tools/tool_support.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

using platform::DeviceContext;
using platform::Point;
using platform::Rect;
using tool_support::Clamped;

namespace {

// A rectangle in drawing units, y upwards: top is the larger y.
struct Box {
    long long left = 0;
    long long right = 0;
    long long top = 0;
    long long bottom = 0;
};

Box BoxOf(const TObject& object) {
    return {object.x1, object.x2, object.y1, object.y2};
}

// The best pull found on one axis: its distance (the merge distance while none) and the new left or
// top edge it gives.
struct Pull {
    long long distance = 0;
    long long edge = 0;
    bool Found(long long mergeDistance) const { return distance < mergeDistance; }
};

// One test of a group: when `a` >= `b` and a - b is below the best so far, `edge` wins.
struct EdgeTest {
    long long a;
    long long b;
    long long edge;
};

// Tries the tests of one group in order; the first that holds and is nearer than the best wins, and
// the rest of the group is not tried.
template <std::size_t N> void TryGroup(Pull& pull, const EdgeTest (&tests)[N]) {
    for (const EdgeTest& test : tests) {
        if (test.a < test.b) continue;
        const long long d = test.a - test.b;
        if (d >= pull.distance) continue;
        pull.distance = d;
        pull.edge = test.edge;
        return;
    }
}

bool Near(long long a, long long b, long long mergeDistance) {
    return std::llabs(a - b) < mergeDistance;
}

// Another design room pulls the moved one when it is near on both axes; rooms side by side keep the
// partition's thickness between them, aligned edges meet.
void PullTowardsRoom(const Box& r, const Box& o, long long w, long long h, long long merge,
                     long long partition, Pull& x, Pull& y) {
    const bool nearX = Near(r.left, o.right, merge) || Near(r.right, o.left, merge) ||
                       Near(r.left, o.left, merge) || Near(r.right, o.right, merge);
    const bool nearY = Near(r.bottom, o.top, merge) || Near(r.top, o.bottom, merge) ||
                       Near(r.top, o.top, merge) || Near(r.bottom, o.bottom, merge);
    if (!nearX || !nearY) return;
    const EdgeTest leftEdge[] = {{r.left, o.right, o.right + partition},
                                 {r.left, o.left, o.left},
                                 {o.left, r.left, o.left},
                                 {o.right, r.left, o.right + partition}};
    const EdgeTest rightEdge[] = {{r.right, o.right, o.right - w},
                                  {o.right, r.right, o.right - w},
                                  {r.right, o.left, o.left - partition - w},
                                  {o.left, r.right, o.left - partition - w}};
    const EdgeTest topEdge[] = {{r.top, o.top, o.top},
                                {r.top, o.bottom, o.bottom - partition},
                                {o.bottom, r.top, o.bottom - partition},
                                {o.top, r.top, o.top}};
    const EdgeTest bottomEdge[] = {{r.bottom, o.top, o.top + partition + h},
                                   {o.top, r.bottom, o.top + partition + h},
                                   {o.bottom, r.bottom, o.bottom + h},
                                   {r.bottom, o.bottom, o.bottom + h}};
    TryGroup(x, leftEdge);
    TryGroup(x, rightEdge);
    TryGroup(y, topEdge);
    TryGroup(y, bottomEdge);
}

// The faces a wall offers: x values for the left (xa) and right (xb) edges, y values for the top (ya)
// and bottom (yb) edges; an external wall offers none along its own length. The wall's extent decides
// whether it is near enough on the other axis to offer them at all.
struct WallFaces {
    bool hasX = false;
    bool hasY = false;
    long long xa = 0;
    long long xb = 0;
    long long ya = 0;
    long long yb = 0;
    Box extent;
};

Box ExtentOf(long long xa, long long xb, long long ya, long long yb) {
    return {std::min(xa, xb), std::max(xa, xb), std::max(ya, yb), std::min(ya, yb)};
}

// An internal wall: the overlap of its two faces.
WallFaces FacesOf(const TIntwallobj& wall) {
    WallFaces faces;
    faces.hasX = faces.hasY = true;
    faces.xa = std::max(std::min(wall.x1, wall.x2), std::min(wall.fx1, wall.fx2));
    faces.xb = std::min(std::max(wall.x1, wall.x2), std::max(wall.fx1, wall.fx2));
    faces.ya = std::min(std::max(wall.y1, wall.y2), std::max(wall.fy1, wall.fy2));
    faces.yb = std::max(std::min(wall.y1, wall.y2), std::min(wall.fy1, wall.fy2));
    faces.extent = ExtentOf(faces.xa, faces.xb, faces.ya, faces.yb);
    return faces;
}

// An external wall: its inner face, behind the third layer of a cavity wall and behind the first of a
// solid one.
WallFaces FacesOf(const TExtwallobj& wall) {
    const bool cavity = wall.ewall2 > 0;
    const long long ax = cavity ? wall.f3x1 : wall.f1x1;
    const long long ay = cavity ? wall.f3y1 : wall.f1y1;
    const long long bx = cavity ? wall.f3x2 : wall.f1x2;
    const long long by = cavity ? wall.f3y2 : wall.f1y2;
    WallFaces faces;
    faces.extent = ExtentOf(ax, bx, ay, by);
    if (wall.x1 == wall.x2) {
        faces.hasX = true;
        faces.xa = std::min(ax, bx);
        faces.xb = std::max(ax, bx);
    }
    if (wall.y1 == wall.y2) {
        faces.hasY = true;
        faces.ya = std::max(ay, by);
        faces.yb = std::min(ay, by);
    }
    return faces;
}

// A face pulls an edge onto itself (the room's new left or top edge then `pulledTo`) when it is nearer
// than the best so far. An edge lying exactly on a face is not matched, and does not lower the best.
void TryFace(Pull& pull, long long face, long long edge, long long pulledTo) {
    if (face == edge) return;
    const long long d = std::llabs(face - edge);
    if (d >= pull.distance) return;
    pull.distance = d;
    pull.edge = pulledTo;
}

// Whether two spans of one axis (low to high) come within the merge distance of each other; spans that
// overlap do.
bool SpansNear(long long low, long long high, long long otherLow, long long otherHigh, long long merge) {
    return std::max(otherLow - high, low - otherHigh) < merge;
}

// A wall pulls an edge only when it comes near the room along that edge too: a face far above or below
// the room (or beside it) lines up with its edge by chance.
void PullTowardsWall(const Box& r, const WallFaces& faces, long long w, long long h, long long merge, Pull& x,
                     Pull& y) {
    const Box& e = faces.extent;
    if (faces.hasX && SpansNear(r.bottom, r.top, e.bottom, e.top, merge)) {
        TryFace(x, faces.xa, r.left, faces.xa);
        TryFace(x, faces.xb, r.right, faces.xb - w);
    }
    if (faces.hasY && SpansNear(r.left, r.right, e.left, e.right, merge)) {
        TryFace(y, faces.ya, r.top, faces.ya);
        TryFace(y, faces.yb, r.bottom, faces.yb + h);
    }
}

// The room at its new left edge, its new top edge, or both; its size unchanged.
void PlaceRoom(TRoomobj& room, std::optional<long long> left, std::optional<long long> top) {
    if (left) {
        room.x1 = Clamped(*left);
        room.x2 = Clamped(*left + room.width);
    }
    if (top) {
        room.y1 = Clamped(*top);
        room.y2 = Clamped(*top - room.length);
    }
}

void KeepCursor(TDRoomobjtool& tool, DeviceContext& dc, const Rect& client, int x, int y) {
    const Point at = tool_support::ToDrawingUnits(dc, client, x, y);
    tool.LastMouseX = at.x;
    tool.LastMouseY = at.y;
}

} // namespace

void AlignDesignRoomToRooms(TDRoomobjtool& tool, DeviceContext& dc, const Rect& client, int x, int y) {
    KeepCursor(tool, dc, client, x, y);
    TRoomobj* room = tool.PickedRoom();
    if (!room) return;
    const long long merge = ReadMergeDistance(Shared.Units).distance;
    const long long partition = DesignRoomPartition(Shared.CurrentView);
    const Box r = BoxOf(*room);
    const long long w = room->width;
    const long long h = room->length;
    Pull roomX{merge, r.left};
    Pull roomY{merge, r.top};
    Pull wallX{merge, r.left};
    Pull wallY{merge, r.top};
    for (int i = 0; i < DrawingList.count; ++i) {
        const TObject* object = DrawingList[i];
        if (i == tool.PickedRoomIndex || object->view != Shared.CurrentView) continue;
        if (object->type == type_code::DesignRoom) {
            PullTowardsRoom(r, BoxOf(*object), w, h, merge, partition, roomX, roomY);
            continue;
        }
        if (object->type != type_code::InternalWall && object->type != type_code::ExternalWall) continue;
        // Sloping walls give no faces to snap to.
        if (object->x1 != object->x2 && object->y1 != object->y2) continue;
        if (const auto* internal = dynamic_cast<const TIntwallobj*>(object))
            PullTowardsWall(r, FacesOf(*internal), w, h, merge, wallX, wallY);
        else if (const auto* external = dynamic_cast<const TExtwallobj*>(object))
            PullTowardsWall(r, FacesOf(*external), w, h, merge, wallX, wallY);
    }
    std::optional<long long> left;
    std::optional<long long> top;
    if (roomX.distance < wallX.distance && roomY.distance < wallY.distance) {
        left = roomX.edge;
        top = roomY.edge;
    } else if (wallX.distance < roomX.distance && wallY.distance < roomY.distance) {
        left = wallX.edge;
        top = wallY.edge;
    } else {
        // Mixed pulls, in this order; a later one replaces an earlier one.
        if (wallX.Found(merge)) {
            left = wallX.edge;
            if (roomY.Found(merge)) top = roomY.edge;
        }
        if (wallY.Found(merge)) {
            top = wallY.edge;
            if (roomX.Found(merge)) left = roomX.edge;
        }
    }
    PlaceRoom(*room, left, top);
    tool.X1 = room->x1;
    tool.Y1 = room->y1;
    tool.X2 = room->x2;
    tool.Y2 = room->y2;
}

void AlignDesignRoomToBoundary(TDRoomobjtool& tool, DeviceContext& dc, const Rect& client, int x, int y) {
    TRoomobj* room = tool.PickedRoom();
    if (!room) return;
    const std::vector<int> rooms = DesignRoomsOf(DrawingList, Shared.CurrentView);
    if (rooms.size() < 2) return;
    KeepCursor(tool, dc, client, x, y);
    const long long merge = ReadMergeDistance(Shared.Units).distance;
    Box box{200000, 0, 0, 200000}; // empty
    for (int index : rooms) {
        if (index == tool.PickedRoomIndex) continue;
        const TObject& other = *DrawingList[index];
        box.left = std::min<long long>(box.left, other.x1);
        box.right = std::max<long long>(box.right, other.x2);
        box.top = std::max<long long>(box.top, other.y1);
        box.bottom = std::min<long long>(box.bottom, other.y2);
    }
    const Box r = BoxOf(*room);
    std::optional<long long> left;
    std::optional<long long> top;
    // Only the nearer edge of each axis is tried; ties go to the left and the top edge.
    if (std::llabs(r.right - box.right) < std::llabs(r.left - box.left)) {
        if (r.right - merge < box.right && box.right < r.right + merge) left = box.right - room->width;
    } else if (r.left - merge < box.left && box.left < r.left + merge) {
        left = box.left;
    }
    if (std::llabs(r.bottom - box.bottom) < std::llabs(r.top - box.top)) {
        if (r.bottom - merge < box.bottom && box.bottom < r.bottom + merge) top = box.bottom + room->length;
    } else if (r.top - merge < box.top && box.top < r.top + merge) {
        top = box.top;
    }
    PlaceRoom(*room, left, top);
}
