#include "tools/object_creation.h"

#include "model/drawing_list.h"
#include "tools/drawing_tool.h"
#include "tools/tool_support.h"

#include <cmath>
#include <memory>

using platform::DeviceContext;
using platform::Rect;

int RoundToLong(double value) {
    const double hundredths = std::trunc(value * 100.0);
    // Beyond the int range the value is held at its end.
    const long long t = hundredths >= 9.2e18    ? 9200000000000000000LL
                        : hundredths <= -9.2e18 ? -9200000000000000000LL
                                                : static_cast<long long>(hundredths);
    const long long whole = t / 100;
    const long long rest = t % 100;
    return tool_support::Clamped(rest >= 50 ? whole + 1 : whole);
}

namespace {

// An internal wall of the tool: the wall in progress with the tool's common fields; the first wall
// value of the record is always 1.
std::unique_ptr<TIntwallobj> NewInternalWall(const TIntwallobjtool& tool, int number) {
    auto wall = std::make_unique<TIntwallobj>(tool.Wall);
    tool_support::FillCommonFields(*wall, tool);
    wall->type = 1500;
    wall->number = number;
    wall->penWidth = 1;
    wall->penStyle = 0;
    wall->iwall7 = 1;
    return wall;
}

} // namespace

void MakeIntwallObject(TIntwallobjtool& tool) {
    DrawingList.Add(NewInternalWall(tool, tool.Number));
    DrawingList.WriteDrawing();
}

void TIntwallobjtool::PlaceInternalWall(int) {}

void TIntwallobjtool::CreateObject(DeviceContext& dc, const Rect& client) {
    PlaceInternalWall(1);
    Width = 1;
    Style = 0;
    if (X1 != 0 && Y1 != 0 && tool_support::StartDiffersFromEnd(*this)) {
        auto wall = NewInternalWall(*this, Group);
        TIntwallobj* shown = wall.get();
        DrawingList.Add(std::move(wall));
        DrawingList.WriteDrawing();
        shown->PaintMapped(dc, client, 0);
    }
    Pending = 1;
}
