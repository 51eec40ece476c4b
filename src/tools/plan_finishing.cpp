#include "tools/plan_finishing.h"

#include "model/drawing_list.h"
#include "model/drawing_objects.h"
#include "model/object_class.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "tools/tool_support.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

using tool_support::Clamped;

namespace {

constexpr long long SquareMillimetresPerSquareMetre = 1000000;
constexpr long long SquareUnitsPerSquareFoot = 288LL * 288LL; // 1/24 inch units
constexpr int MetricCentringStep = 25;                        // mm
constexpr int ImperialCentringStep = 24;                      // one inch

bool IsExternalWallOfView(const TObject& object) {
    return object.type == type_code::ExternalWall && object.view == Shared.CurrentView;
}

void Shift(int& value, long long by) {
    value = Clamped(value + by);
}

void ShiftLine(TObject& object, long long dx, long long dy) {
    Shift(object.x1, dx);
    Shift(object.x2, dx);
    Shift(object.y1, dy);
    Shift(object.y2, dy);
}

// Moves one object by (dx, dy), each class by the coordinates it has. A text's x2 is its direction
// and its y2 a plain number, so only its anchor moves; a typed text (24) stays where it is, as it
// always has.
void ShiftObject(TObject& object, long long dx, long long dy) {
    const ObjectClass objectClass = ClassOfType(object.type);
    switch (objectClass) {
    case ObjectClass::Line:
    case ObjectClass::Ellipse:
    case ObjectClass::Circle:
    case ObjectClass::Rectangle:
    case ObjectClass::RoundedRectangle:
    case ObjectClass::Room:
    case ObjectClass::Info:
        ShiftLine(object, dx, dy);
        break;
    case ObjectClass::Text:
        if (object.type == type_code::TypedText) break;
        Shift(object.x1, dx);
        Shift(object.y1, dy);
        break;
    case ObjectClass::Arc:
        if (auto* arc = dynamic_cast<TArcobj*>(&object)) {
            ShiftLine(*arc, dx, dy);
            Shift(arc->startX, dx);
            Shift(arc->startY, dy);
            Shift(arc->endX, dx);
            Shift(arc->endY, dy);
        }
        break;
    case ObjectClass::Arrow:
        if (auto* arrow = dynamic_cast<TArrowobj*>(&object)) {
            ShiftLine(*arrow, dx, dy);
            for (int* x : {&arrow->ax1, &arrow->ax2, &arrow->ax3, &arrow->ax4})
                Shift(*x, dx);
            for (int* y : {&arrow->ay1, &arrow->ay2, &arrow->ay3, &arrow->ay4})
                Shift(*y, dy);
        }
        break;
    case ObjectClass::Polygon:
    case ObjectClass::Opening:
        if (auto* polygon = dynamic_cast<TPolyobj*>(&object)) {
            const int points = std::clamp(polygon->count, 0, TPolyobj::MaxPoints);
            for (int i = 0; i < points; ++i) {
                Shift(polygon->x[i], dx);
                Shift(polygon->y[i], dy);
            }
        }
        break;
    case ObjectClass::InternalWall:
        if (auto* wall = dynamic_cast<TIntwallobj*>(&object)) {
            ShiftLine(*wall, dx, dy);
            Shift(wall->fx1, dx);
            Shift(wall->fy1, dy);
            Shift(wall->fx2, dx);
            Shift(wall->fy2, dy);
        }
        break;
    case ObjectClass::ExternalWall:
        if (auto* wall = dynamic_cast<TExtwallobj*>(&object)) {
            ShiftLine(*wall, dx, dy);
            for (int* x : {&wall->f1x1, &wall->f1x2, &wall->f2x1, &wall->f2x2, &wall->f3x1, &wall->f3x2})
                Shift(*x, dx);
            for (int* y : {&wall->f1y1, &wall->f1y2, &wall->f2y1, &wall->f2y2, &wall->f3y1, &wall->f3y2})
                Shift(*y, dy);
        }
        break;
    case ObjectClass::None:
        break;
    }
}

} // namespace

void ComputeFloorArea() {
    if (DrawingList.count < 4) return;
    // Each strip is a 64-bit product; their sum is kept wider still, so no outline of 32-bit
    // coordinates can overflow it.
    __int128 area = 0;
    for (int i = 0; i < DrawingList.count; ++i) {
        const TObject& wall = *DrawingList[i];
        if (!IsExternalWallOfView(wall) || wall.x1 == wall.x2) continue;
        const long long run = std::llabs(static_cast<long long>(wall.x2) - wall.x1);
        const long long low = std::min(wall.y1, wall.y2);
        const long long halfRise = std::llabs(static_cast<long long>(wall.y2) - wall.y1) / 2;
        const __int128 strip = static_cast<__int128>(run) * (low + halfRise);
        area += wall.x1 < wall.x2 ? strip : -strip;
    }
    const long long divisor = Shared.Units == 1 ? SquareMillimetresPerSquareMetre : SquareUnitsPerSquareFoot;
    const __int128 whole = area / divisor;
    const __int128 most = std::numeric_limits<int>::max();
    const __int128 least = std::numeric_limits<int>::min();
    DrawingList.SetArea(static_cast<int>(std::clamp(whole, least, most)));
}

void CentrePlanOnSheet() {
    bool found = false;
    long long minX = 0;
    long long maxX = 0;
    long long minY = 0;
    long long maxY = 0;
    for (int i = 0; i < DrawingList.count; ++i) {
        const TObject& wall = *DrawingList[i];
        if (!IsExternalWallOfView(wall)) continue;
        if (!found) {
            minX = maxX = wall.x1;
            minY = maxY = wall.y1;
            found = true;
        }
        minX = std::min<long long>({minX, wall.x1, wall.x2});
        maxX = std::max<long long>({maxX, wall.x1, wall.x2});
        minY = std::min<long long>({minY, wall.y1, wall.y2});
        maxY = std::max<long long>({maxY, wall.y1, wall.y2});
    }
    if (found) {
        const long long sheetX = static_cast<long long>(Shared.SheetWidth) * Shared.Scale / 2;
        const long long sheetY = static_cast<long long>(Shared.SheetHeight) * Shared.Scale / 2;
        const long long boxX = maxX - (maxX - minX) / 2;
        const long long boxY = maxY - (maxY - minY) / 2;
        const long long step = Shared.Units == 1 ? MetricCentringStep : ImperialCentringStep;
        const long long dx = (sheetX - boxX) / step * step;
        const long long dy = (sheetY - boxY) / step * step;
        if (dx != 0 || dy != 0) {
            for (int i = 0; i < DrawingList.count; ++i) {
                if (DrawingList[i]->view == Shared.CurrentView) ShiftObject(*DrawingList.Edit(i), dx, dy);
            }
        }
    }
    DrawingList.WriteDrawing();
}
