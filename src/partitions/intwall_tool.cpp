#include "partitions/intwall_tool.h"

#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "tools/tool_kinds.h"
#include "tools/tool_support.h"

#include <memory>

using platform::DeviceContext;
using platform::Rect;

namespace {

// An internal wall of the tool: the wall in progress with the tool's common fields; the first wall
// value of the record is always 1.
std::unique_ptr<TIntwallobj> NewInternalWall(const TIntwallobjtool& tool, int number) {
    auto wall = std::make_unique<TIntwallobj>(tool.Wall);
    tool_support::FillCommonFields(*wall, tool);
    wall->type = type_code::InternalWall;
    wall->number = number;
    wall->penWidth = 1;
    wall->penStyle = 0;
    wall->iwall7 = 1;
    return wall;
}

} // namespace

TIntwallobjtool::TIntwallobjtool() {
    Kind = tool_kind::InternalWall;
}

void MakeIntwallObject(TIntwallobjtool& tool) {
    DrawingList.Add(NewInternalWall(tool, tool.Number));
    DrawingList.WriteDrawing();
}

void TIntwallobjtool::PlaceInternalWall(int) {
    // Will snap the wall's ends, take its colours and pattern and join its faces once internal walls
    // are built.
}

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
