#include "walls/corner_marks.h"

#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "settings/cfg_files.h"
#include "tools/tool_support.h"
#include "walls/wall_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

using tool_support::Clamped;

namespace {

// An end this close to the start's x or y is straightened onto it.
constexpr long long StraighteningDistance = 13;

bool IsMarkOfView(const TObject& object) {
    return object.type == type_code::CornerMark && object.view == Shared.CurrentView;
}

// A distance rounded as the trimming always has: to hundredths by truncation, then up when those
// hundredths are 5 or more.
long long RoundedDistance(double value) {
    if (!(value < 1e15)) return static_cast<long long>(1e15);
    const long long hundredths = static_cast<long long>(value * 100.0);
    const long long whole = hundredths / 100;
    return hundredths - whole * 100 > 4 ? whole + 1 : whole;
}

long long Distance(long long a, long long b) {
    return std::llabs(a - b);
}

// The summed size of the design rooms along a mark, with one room-wall thickness per joint, and the
// mark's own length; both 0 when no room lies along it.
struct RoomsAlong {
    long long size = 0;
    long long markLength = 0;
};

RoomsAlong MeasureRooms(const TObject& mark, const std::vector<const TObject*>& rooms, long long tolerance,
                        long long wallThickness) {
    RoomsAlong along;
    int count = 0;
    const bool horizontal = mark.y1 == mark.y2;
    for (const TObject* room : rooms) {
        if (horizontal) {
            const long long low = std::min(mark.x1, mark.x2);
            const long long high = std::max(mark.x1, mark.x2);
            const bool onLine =
                Distance(room->y1, mark.y1) < tolerance || Distance(room->y2, mark.y1) < tolerance;
            if (mark.x1 == mark.x2 || !onLine || !(room->x1 > low - tolerance && room->x2 < high + tolerance))
                continue;
            along.size += static_cast<long long>(room->x2) - room->x1;
            along.markLength = high - low;
        } else {
            const long long low = std::min(mark.y1, mark.y2);
            const long long high = std::max(mark.y1, mark.y2);
            const bool onLine =
                Distance(room->x1, mark.x1) < tolerance || Distance(room->x2, mark.x1) < tolerance;
            if (!onLine || !(room->y1 < high + tolerance && room->y2 > low - tolerance)) continue;
            along.size += static_cast<long long>(room->y1) - room->y2;
            along.markLength = high - low;
        }
        ++count;
    }
    if (count > 0) along.size += (count - 1) * wallThickness;
    return along;
}

// Sets a mark to `size` from its start in its own direction; an earlier mark running back over the
// same span (its end at this start and its start at this end) takes the same length.
void SetMarkLength(TObject& mark, long long size, const std::vector<TObject*>& earlier) {
    const bool horizontal = mark.y1 == mark.y2;
    for (TObject* other : earlier) {
        if (horizontal) {
            if (Distance(mark.x1, other->x2) >= 2 || Distance(mark.x2, other->x1) >= 2) continue;
            other->x2 = Clamped(mark.x2 > mark.x1 ? other->x1 - size : other->x1 + size);
        } else {
            if (Distance(mark.y1, other->y2) >= 2 || Distance(mark.y2, other->y1) >= 2) continue;
            other->y2 = Clamped(mark.y2 > mark.y1 ? other->y1 - size : other->y1 + size);
        }
    }
    if (horizontal)
        mark.x2 = Clamped(mark.x2 > mark.x1 ? mark.x1 + size : mark.x1 - size);
    else
        mark.y2 = Clamped(mark.y2 > mark.y1 ? mark.y1 + size : mark.y1 - size);
    mark.number = Clamped(size);
}

} // namespace

void SnapMarksToDesignRooms() {
    const long long wallThickness = ReadRoomPartitions(WallSettingsUnits()).thickness[0];
    const int layoutView = Shared.CurrentView - view_code::CornerMarkOffset;
    std::vector<const TObject*> rooms;
    std::vector<TObject*> marks;
    for (int i = 0; i < DrawingList.count; ++i) {
        const TObject* object = DrawingList[i];
        if (object->type == type_code::DesignRoom && object->view == layoutView) rooms.push_back(object);
        if (IsMarkOfView(*object)) marks.push_back(DrawingList.Edit(i));
    }
    const double factor = Shared.Units == 1 ? 5.0 : 6.0;
    const long long tolerance = static_cast<long long>(factor * Shared.Zoom);
    bool changed = false;
    for (std::size_t m = 0; m < marks.size(); ++m) {
        TObject& mark = *marks[m];
        if (mark.y1 != mark.y2 && mark.x1 != mark.x2) continue;
        const RoomsAlong along = MeasureRooms(mark, rooms, tolerance, wallThickness);
        if (along.markLength <= 0) continue;
        if (along.size <= along.markLength - tolerance || along.size >= along.markLength + tolerance)
            continue;
        const std::vector<TObject*> earlier(marks.begin(), marks.begin() + static_cast<std::ptrdiff_t>(m));
        SetMarkLength(mark, along.size, earlier);
        changed = true;
    }
    if (!changed) return;
    // Each mark starts again where the one before it ends, keeping its own direction.
    for (std::size_t m = 0; m < marks.size(); ++m) {
        const TObject& mark = *marks[m];
        TObject& next = *marks[(m + 1) % marks.size()];
        if (next.x1 == next.x2)
            next.x2 = mark.x2;
        else if (next.y1 == next.y2)
            next.y2 = mark.y2;
        next.x1 = mark.x2;
        next.y1 = mark.y2;
    }
}

void TrimExternalWallEnd(TExtwallobj& wall, const TObject& mark, int leaving, int arriving, int end) {
    const long long thickness = static_cast<long long>(wall.ewall1) + wall.ewall2 + wall.ewall3;
    const int a = leaving == 0 ? 3600 : leaving;
    const int reverse = arriving < 1800 ? arriving + 1800 : arriving - 1800;
    int turn = a - reverse;
    if (turn < 0) turn += 3600;
    const int half = turn / 2;
    const double cosine = std::cos(std::abs(half - 900) * RadiansPerTenth);
    long long x = end == wall_end::End ? mark.x2 : mark.x1;
    long long y = end == wall_end::End ? mark.y2 : mark.y1;
    if (cosine >= SmallestMitreCosine) {
        const double length = static_cast<double>(thickness) / cosine;
        const int gamma = a <= 1800 ? std::abs(a - half) : std::abs(1800 - (a - half));
        int bisector = a - half;
        if (bisector < 0) bisector += 3600;
        const long long dx = RoundedDistance(std::fabs(length * std::sin(gamma * RadiansPerTenth)));
        const long long dy = RoundedDistance(std::fabs(length * std::cos(gamma * RadiansPerTenth)));
        x += bisector <= 1800 ? dx : -dx;
        y += bisector < 900 || bisector > 2700 ? dy : -dy;
    }
    if (end != wall_end::End) {
        wall.x1 = Clamped(x);
        wall.y1 = Clamped(y);
        return;
    }
    wall.x2 = Clamped(x);
    wall.y2 = Clamped(y);
    if (Distance(wall.x2, wall.x1) < StraighteningDistance)
        wall.x2 = wall.x1;
    else if (Distance(wall.y2, wall.y1) < StraighteningDistance)
        wall.y2 = wall.y1;
    const double dx = static_cast<double>(wall.x2) - wall.x1;
    const double dy = static_cast<double>(wall.y2) - wall.y1;
    wall.number = Clamped(static_cast<long long>(std::sqrt(dx * dx + dy * dy)));
}
