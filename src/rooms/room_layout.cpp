#include "rooms/room_layout.h"

#include "model/drawing_list.h"
#include "model/drawing_objects.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "settings/cfg_files.h"

#include <algorithm>
#include <climits>
#include <memory>
#include <optional>

namespace {

// The box that no room has widened yet: BOUNDS.CFG readers take 200000 in left or bottom and 0 in
// right or top for no box.
constexpr int EmptyLow = 200000;
constexpr int EmptyHigh = 0;

struct RoomBox {
    int left = EmptyLow;
    int top = EmptyHigh;
    int right = EmptyHigh;
    int bottom = EmptyLow;
};

// The box round the first `count` rooms of `rooms`.
RoomBox BoxRound(const TList& list, const std::vector<int>& rooms, std::size_t count) {
    RoomBox box;
    for (std::size_t i = 0; i < count && i < rooms.size(); ++i) {
        const TObject& room = *list[rooms[i]];
        box.left = std::min(box.left, room.x1);
        box.right = std::max(box.right, room.x2);
        box.top = std::max(box.top, room.y1);
        box.bottom = std::min(box.bottom, room.y2);
    }
    return box;
}

// The rooms that make the layout: all but a last one still at the new-room position.
std::size_t CountedRooms(const TList& list, const std::vector<int>& rooms) {
    if (rooms.empty()) return 0;
    return AtNewRoomPosition(list, rooms.back()) ? rooms.size() - 1 : rooms.size();
}

// A grid line of the current view: solid for the frame, dotted for the grid.
void AddGridLine(TList& list, long long x1, long long y1, long long x2, long long y2, int style,
                 platform::ColourRef colour) {
    auto line = std::make_unique<TLineobj>();
    line->view = Shared.CurrentView;
    line->aux = 0;
    line->number = 0;
    line->type = type_code::Line;
    line->penWidth = 1;
    line->penStyle = style;
    line->colour = static_cast<int>(colour);
    line->x1 = static_cast<int>(std::clamp<long long>(x1, INT_MIN, INT_MAX));
    line->y1 = static_cast<int>(std::clamp<long long>(y1, INT_MIN, INT_MAX));
    line->x2 = static_cast<int>(std::clamp<long long>(x2, INT_MIN, INT_MAX));
    line->y2 = static_cast<int>(std::clamp<long long>(y2, INT_MIN, INT_MAX));
    list.Add(std::move(line));
}

constexpr int Solid = 0;
constexpr int Dotted = 2;

// The grid settings, when they hold a spacing the setting allows.
std::optional<GridSettings> ReadUsableGrid() {
    CfgReport report;
    const GridSettings grid = ReadLayoutGrid(Shared.Units, &report);
    if (!report.Complete() || report.fieldsBelowRange > 0 || grid.spacing <= 0) return std::nullopt;
    return grid;
}

// A stretch of one axis, drawing units.
struct Span {
    long long low = 0;
    long long high = 0;
};

long long FloorDiv(long long a, long long b) {
    const long long q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}
long long CeilDiv(long long a, long long b) {
    return -FloorDiv(-a, b);
}

// Where grid lines can be seen: the view box (ScrollX, ScrollY and the window extent, drawing units)
// widened by four times its larger side, which leaves room for the isotropic mapping showing more than
// the extent on one axis. Lines further out are not made: a damaged drawing with rooms millions of
// units away would otherwise make millions of them.
struct ViewReach {
    Span x;
    Span y;
    Span viewX; // the view box itself
    Span viewY;
};
ViewReach ReachOfView(long long spacing) {
    const long long scale = Shared.Scale;
    ViewReach reach;
    reach.viewX = {Shared.ScrollX * scale,
                   (static_cast<long long>(Shared.ScrollX) + Shared.ClientWidth) * scale};
    reach.viewY = {Shared.ScrollY * scale,
                   (static_cast<long long>(Shared.ScrollY) + Shared.ClientHeight) * scale};
    const long long margin =
        4 * std::max(reach.viewX.high - reach.viewX.low, reach.viewY.high - reach.viewY.low) + spacing;
    reach.x = {reach.viewX.low - margin, reach.viewX.high + margin};
    reach.y = {reach.viewY.low - margin, reach.viewY.high + margin};
    return reach;
}

// For i from 0 to k, the line at origin + step x i (step not 0), when it lies within `reach`.
template <typename Line> void EachLine(long long origin, long long step, long long k, Span reach, Line line) {
    long long first = 0;
    long long last = k;
    if (step > 0) {
        first = std::max(first, CeilDiv(reach.low - origin, step));
        last = std::min(last, FloorDiv(reach.high - origin, step));
    } else {
        first = std::max(first, CeilDiv(origin - reach.high, -step));
        last = std::min(last, FloorDiv(origin - reach.low, -step));
    }
    for (long long i = first; i <= last; ++i)
        line(origin + step * i);
}

// The plain layout: a frame round the counted rooms and dotted lines from its left and top edges on.
void GridRoundRooms(TList& list) {
    const std::vector<int> rooms = DesignRoomsOf(list, Shared.CurrentView);
    if (rooms.size() < 2) return;
    const std::optional<GridSettings> grid = ReadUsableGrid();
    if (!grid) return;
    const std::size_t counted = CountedRooms(list, rooms);
    if (counted < 2) return;
    const RoomBox box = BoxRound(list, rooms, counted);
    list.WriteDrawing();
    list.Flush();
    const long long left = box.left, right = box.right, top = box.top, bottom = box.bottom;
    const long long spacing = grid->spacing;
    const platform::ColourRef colour = grid->colour;
    AddGridLine(list, left, top, left, bottom, Solid, colour);
    AddGridLine(list, left, top, right, top, Solid, colour);
    AddGridLine(list, right, top, right, bottom, Solid, colour);
    AddGridLine(list, left, bottom, right, bottom, Solid, colour);
    // The first line of each family lies on the frame, the last at or inside the opposite side.
    const ViewReach reach = ReachOfView(spacing);
    EachLine(left, spacing, (right - left) / spacing, reach.x,
             [&](long long x) { AddGridLine(list, x, bottom, x, top, Dotted, colour); });
    EachLine(top, -spacing, (top - bottom) / spacing, reach.y,
             [&](long long y) { AddGridLine(list, left, y, right, y, Dotted, colour); });
}

// While the corners are marked: the grid over the visible view, anchored at the rooms' left and top.
// Each family reaches up to one spacing beyond the view.
void GridOverView(TList& list) {
    const std::optional<GridSettings> grid = ReadUsableGrid();
    if (!grid) return;
    CfgReport report;
    const LayoutBounds bounds = ReadLayoutBounds(&report);
    if (!report.Complete()) return;
    const long long spacing = grid->spacing;
    const platform::ColourRef colour = grid->colour;
    const ViewReach reach = ReachOfView(spacing);
    const Span viewX = reach.viewX;
    const Span viewY = reach.viewY;
    const long long left = bounds.left;
    const long long top = bounds.top;
    auto vertical = [&](long long x) { AddGridLine(list, x, viewY.high, x, viewY.low, Dotted, colour); };
    auto horizontal = [&](long long y) { AddGridLine(list, viewX.low, y, viewX.high, y, Dotted, colour); };
    vertical(left);
    horizontal(top);
    EachLine(left - spacing, -spacing, (left - viewX.low) / spacing, reach.x, vertical);
    EachLine(left + spacing, spacing, (viewX.high - left) / spacing, reach.x, vertical);
    EachLine(top - spacing, -spacing, (top - viewY.low) / spacing, reach.y, horizontal);
    EachLine(top + spacing, spacing, (viewY.high - top) / spacing, reach.y, horizontal);
}

} // namespace

std::vector<int> DesignRoomsOf(const TList& list, int view) {
    std::vector<int> rooms;
    for (int i = 0; i < list.count; ++i) {
        const TObject* object = list[i];
        if (object->type == type_code::DesignRoom && object->view == view) rooms.push_back(i);
    }
    return rooms;
}

bool AtNewRoomPosition(const TList& list, int index) {
    const auto* room = dynamic_cast<const TRoomobj*>(list[index]);
    if (!room) return false;
    const long long scale = Shared.Scale;
    const long long left = (Shared.ScrollX + 2 * scale) * scale;
    const long long top = (Shared.ScrollY + 2 * scale) * scale + room->length;
    return room->x1 == left && room->y1 == top;
}

int DesignRoomPartition(int view) {
    const RoomPartitionSettings partitions = ReadRoomPartitions(Shared.Units);
    return partitions.thickness[static_cast<std::size_t>(RoomPartitionFieldShown(view))];
}

int WritePlanBounds(TList& list) {
    const int view =
        Shared.CurrentView == view_code::MarkingCorners ? view_code::RoomLayout : Shared.CurrentView;
    const std::vector<int> rooms = DesignRoomsOf(list, view);
    if (rooms.size() < 2) return static_cast<int>(rooms.size());
    // Only the last room is tested, and the count is not tested against 2 again.
    const std::size_t counted = CountedRooms(list, rooms);
    RoomBox box;
    if (view < view_code::GroundFloor) {
        box = BoxRound(list, rooms, counted);
        const long long width = static_cast<long long>(box.right) - box.left;
        const long long length = static_cast<long long>(box.top) - box.bottom;
        WriteLayoutRectangle({static_cast<int>(std::clamp<long long>(width, INT_MIN, INT_MAX)),
                              static_cast<int>(std::clamp<long long>(length, INT_MIN, INT_MAX)),
                              width * length});
    }
    WriteLayoutBounds({box.left, box.top, box.right, box.bottom});
    return static_cast<int>(counted);
}

void MakeLayoutGrid(TList& list) {
    if (Shared.CurrentView == view_code::RoomLayout)
        GridRoundRooms(list);
    else if (Shared.CurrentView == view_code::MarkingCorners)
        GridOverView(list);
}
