#include "walls/extwall_tool.h"

#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "settings/cfg_files.h"
#include "tools/plan_finishing.h"
#include "tools/tool_kinds.h"
#include "tools/tool_support.h"
#include "walls/corner_marks.h"
#include "walls/wall_edits.h"

#include <algorithm>
#include <cstdlib>
#include <type_traits>
#include <vector>

using platform::DeviceContext;
using platform::Point;
using platform::Rect;
using tool_support::Clamped;
using tool_support::MoveBox;
using tool_support::MoveCoordinate;

namespace {

// A free distance that found nothing.
constexpr long long NothingFound = 30001;

// The corner marks of the marking view, in the order they were entered. The marking view is a room
// layout view whose floor (5 above it) is a plan.
std::vector<int> CornerMarksOfView() {
    std::vector<int> marks;
    const int floor = Shared.CurrentView + view_code::CornerMarkOffset;
    if (Shared.CurrentView > view_code::LastLayout || floor < view_code::GroundFloor ||
        floor > view_code::FourthPlan)
        return marks;
    for (int i = 0; i < DrawingList.count; ++i) {
        const TObject& object = *DrawingList[i];
        if (object.type == type_code::CornerMark && object.view == Shared.CurrentView) marks.push_back(i);
    }
    return marks;
}

// A mark's bearing: the first of a line's two own integers.
int MarkBearing(const TObject& mark) {
    const auto* line = dynamic_cast<const TLineobj*>(&mark);
    return line ? line->lineA : 0;
}

// The outward move of one end of a wall built from a mark, when the mark and both its neighbours run
// along the axes: the end steps out by the wall's thickness T across the mark and along it, by the
// way the neighbour at that end runs. A neighbour that fits none of the four corners leaves the end.
void PushAlongAxes(int& x, int& y, int bearing, int neighbour, long long thickness) {
    long long dx = 0;
    long long dy = 0;
    const long long t = thickness;
    switch (bearing) {
    case 0:
        if (neighbour == 0) dx = -t;
        if (neighbour == 900) dx = -t, dy = t;
        if (neighbour == 2700) dx = -t, dy = -t;
        break;
    case 900:
        if (neighbour == 0) dx = -t, dy = t;
        if (neighbour == 900) dy = t;
        if (neighbour == 1800) dx = t, dy = t;
        break;
    case 1800:
        if (neighbour == 900) dx = t, dy = t;
        if (neighbour == 1800) dx = t;
        if (neighbour == 2700) dx = t, dy = -t;
        break;
    case 2700:
        if (neighbour == 0) dx = -t, dy = -t;
        if (neighbour == 1800) dx = t, dy = -t;
        if (neighbour == 2700) dy = -t;
        break;
    default:
        break;
    }
    x = Clamped(x + dx);
    y = Clamped(y + dy);
}

} // namespace

TExtwallobjtool::TExtwallobjtool() {
    Kind = tool_kind::ExternalWall;
}

namespace {

// The tool's wall members and the working wall's fields, pair by pair: one list serves the copies
// both ways, so they can never drift apart. `copy(toolMember, wallField)` copies one pair.
template <typename Tool, typename Copy> void PairWallFields(Tool& tool, WorkingWall& working, Copy copy) {
    TExtwallobj& wall = working.wall;
    copy(tool.SavedState, wall.view);
    copy(tool.Group, wall.aux);
    copy(tool.Number, wall.number);
    copy(tool.Width, wall.penWidth);
    copy(tool.Style, wall.penStyle);
    copy(tool.X1, wall.x1);
    copy(tool.Z1, wall.z1);
    copy(tool.X2, wall.x2);
    copy(tool.Z2, wall.z2);
    copy(tool.Y1, wall.y1);
    copy(tool.Y2, wall.y2);
    copy(tool.Colour, wall.colour);
    copy(tool.OuterThickness, wall.ewall1);
    copy(tool.CavityThickness, wall.ewall2);
    copy(tool.InnerThickness, wall.ewall3);
    copy(tool.OuterHatch, wall.ewall4);
    copy(tool.InnerHatch, wall.ewall5);
    copy(tool.Angle, wall.ewall6);
    int* faceX[6] = {&wall.f1x1, &wall.f1x2, &wall.f2x1, &wall.f2x2, &wall.f3x1, &wall.f3x2};
    int* faceY[6] = {&wall.f1y1, &wall.f1y2, &wall.f2y1, &wall.f2y2, &wall.f3y1, &wall.f3y2};
    for (int point = 0; point < 6; ++point) {
        copy(tool.FaceX[point], *faceX[point]);
        copy(tool.FaceY[point], *faceY[point]);
    }
    copy(tool.WallColour1, wall.ewall8);
    copy(tool.WallColour2, wall.ewall9);
    copy(tool.Reserved[0], wall.ewall10);
    copy(tool.Reserved[1], wall.ewall11);
    copy(tool.Reserved[2], wall.ewall12);
    copy(tool.Reserved[3], wall.ewall13);
    copy(tool.PreviousWall, working.previous);
    copy(tool.NextWall, working.next);
}

} // namespace

WorkingWall TExtwallobjtool::Working() const {
    WorkingWall working;
    working.wall.type = type_code::ExternalWall;
    working.wall.ewall7 = 1;
    PairWallFields(*this, working, [](const auto& member, auto& field) {
        field = static_cast<std::remove_reference_t<decltype(field)>>(member);
    });
    return working;
}

void TExtwallobjtool::TakeWorking(const WorkingWall& working) {
    WorkingWall copy = working;
    PairWallFields(*this, copy, [](auto& member, const auto& field) {
        member = static_cast<std::remove_reference_t<decltype(member)>>(field);
    });
}

void TExtwallobjtool::Place() {
    WorkingWall working = Working();
    PlaceExternalWall(working, Aux, 1);
    TakeWorking(working);
}

bool TExtwallobjtool::WallMakeable() const {
    // 0 is the value of an unset point, so a wall starting on an axis is never made.
    return X1 != 0 && Y1 != 0 && tool_support::StartDiffersFromEnd(*this);
}

std::unique_ptr<TExtwallobj> TExtwallobjtool::NewWall() const {
    auto wall = std::make_unique<TExtwallobj>(Working().wall);
    wall->type = type_code::ExternalWall;
    wall->penWidth = 1;
    wall->penStyle = 0;
    wall->ewall7 = 1;
    return wall;
}

void TExtwallobjtool::CreateObject(DeviceContext&, const Rect&) {
    Place();
    AddWallObject();
    Pending = 1;
}

void TExtwallobjtool::AddWallObject() {
    Width = 1;
    Style = 0;
    if (!WallMakeable()) return;
    std::unique_ptr<TExtwallobj> wall = NewWall();
    wall->ewall10 = wall->ewall11 = wall->ewall12 = wall->ewall13 = 0;
    Shared.DrawingState = 2;
    DrawingList.Add(std::move(wall));
    DrawingList.WriteDrawing();
}

void TExtwallobjtool::KeepWallEnd(int x, int y) {
    keptEndX_ = x;
    keptEndY_ = y;
}

Point TExtwallobjtool::KeptWallEnd() const {
    return {keptEndX_, keptEndY_};
}

void TExtwallobjtool::MoveHeldPoints(int dx, int dy) {
    TLineobjtool::MoveHeldPoints(dx, dy);
    for (int point = 0; point < 6; ++point) {
        MoveCoordinate(FaceX[point], dx);
        MoveCoordinate(FaceY[point], dy);
    }
    MoveCoordinate(keptEndX_, dx);
    MoveCoordinate(keptEndY_, dy);
    MoveBox(&Extra1, dx, dy);
}

void TExtwallobjtool::Action(int code) {
    switch (code) {
    case BuildFromCornerMarks:
        BuildWallsFromCornerMarks();
        break;
    case CopyFloorBelow:
        CopyWallsOfFloorBelow();
        break;
    case CentreAndArea:
        if (Shared.CurrentView == view_code::GroundFloor) CentrePlanOnSheet();
        ComputeFloorArea();
        break;
    case MeasureRoomToShrink:
        MeasureFreeDistanceToRoom();
        break;
    case MeasureToNextWall:
        MeasureFreeDistanceToWall();
        break;
    default:
        break;
    }
}

void TExtwallobjtool::Step(int amount, int x, int y) {
    if (State == Enlarge || State == Shrink) {
        Dragging = 0;
        Pending = 0;
        Kind = tool_kind::ExternalWall;
        ResizeFloorPlan(*this, amount, x, y);
        CentrePlanOnSheet();
    } else if (State >= wall_edit::Lengthen && State <= wall_edit::ChangeType) {
        EditExternalWall(*this, amount, x, y);
    }
}

// The ground floor's walls from the corner marks: each mark becomes the wall outside it, whose
// innermost face lies on the mark, mitred with the walls before it; the marks go and the drawing is
// saved once. Without marks nothing happens.
void TExtwallobjtool::BuildWallsFromCornerMarks() {
    const std::vector<int> marks = CornerMarksOfView();
    if (marks.empty()) return;
    const int markingView = Shared.CurrentView;
    SnapMarksToDesignRooms();
    const ExternalWallSettings type = ReadExternalWallSettings(WallSettingsUnits());
    OuterThickness = type.outer;
    CavityThickness = type.cavity;
    InnerThickness = type.inner;
    Z1 = type.baseLevel;
    Z2 = type.groundHeight;
    OuterHatch = type.outerHatch;
    InnerHatch = type.innerHatch;
    Colour = type.colour;
    const long long thickness = static_cast<long long>(type.outer) + type.cavity + type.inner;

    Shared.CurrentView = markingView + view_code::CornerMarkOffset;
    Kind = tool_kind::ExternalWall;
    const std::size_t count = marks.size();
    for (std::size_t k = 0; k < count; ++k) {
        // New walls go to the end of the list, so the marks keep their indices.
        const TObject& mark = *DrawingList[marks[k]];
        const int bearing = MarkBearing(mark);
        const int previous = MarkBearing(*DrawingList[marks[(k + count - 1) % count]]);
        const int next = MarkBearing(*DrawingList[marks[(k + 1) % count]]);
        Angle = bearing;
        X1 = mark.x1;
        Y1 = mark.y1;
        X2 = mark.x2;
        Y2 = mark.y2;
        if (IsAxisParallel(bearing) && IsAxisParallel(previous) && IsAxisParallel(next)) {
            PushAlongAxes(X1, Y1, bearing, previous, thickness);
            PushAlongAxes(X2, Y2, bearing, next, thickness);
            const long long along = bearing == 0 || bearing == 1800 ? static_cast<long long>(Y2) - Y1
                                                                    : static_cast<long long>(X2) - X1;
            Number = Clamped(std::llabs(along));
        } else {
            WorkingWall working = Working();
            TrimExternalWallEnd(working.wall, mark, bearing, previous, 1);
            TrimExternalWallEnd(working.wall, mark, next, bearing, 2);
            TakeWorking(working);
        }
        Place();
        Width = 1;
        Style = 0;
        if (!WallMakeable()) continue;
        std::unique_ptr<TExtwallobj> wall = NewWall();
        wall->view = Shared.CurrentView;
        DrawingList.Add(std::move(wall));
    }
    for (int i = DrawingList.count - 1; i >= 0; --i) {
        const TObject& object = *DrawingList[i];
        if (object.type == type_code::CornerMark && object.view == markingView) DrawingList.RemoveAt(i);
    }
    DrawingList.WriteDrawing();
}

// An upper floor's walls from those of the floor below, each placed again in its own direction with
// the wall type and heights of the new floor and joined to the copies before it.
void TExtwallobjtool::CopyWallsOfFloorBelow() {
    const int below = Shared.CurrentView - 1;
    // Copies carry the current view, so the walls appended meanwhile are passed over.
    for (int i = 0; i < DrawingList.count; ++i) {
        const TObject& wall = *DrawingList[i];
        if (wall.type != type_code::ExternalWall || wall.view != below) continue;
        const auto* stored = dynamic_cast<const TExtwallobj*>(&wall);
        if (!stored) continue;
        X1 = stored->x1;
        X2 = stored->x2;
        Y1 = stored->y1;
        Y2 = stored->y2;
        Number = stored->number;
        Angle = stored->ewall6;
        Kind = tool_kind::ExternalWall;
        // The side its layers lie on for the way it runs, so the placement keeps its direction.
        if (X2 > X1)
            Aux = 1;
        else if (X1 > X2)
            Aux = 3;
        else
            Aux = Y1 <= Y2 ? 4 : 2;
        Place();
        SavedState = Shared.CurrentView;
        AddWallObject();
    }
}

// The room there is to shrink the plan into from the cursor (Count, CursorY in logical units) in the
// direction of Aux: the least gap between an external wall's inner face beyond the cursor and a
// design room's far side. 0 when nothing was found.
void TExtwallobjtool::MeasureFreeDistanceToRoom() {
    const long long px = static_cast<long long>(Count) * Shared.Scale;
    const long long py = static_cast<long long>(CursorY) * Shared.Scale;
    const int direction = Aux;
    long long best = NothingFound;
    // The design rooms of every view, gathered once.
    std::vector<int> rooms;
    for (int r = 0; r < DrawingList.count; ++r)
        if (DrawingList[r]->type == type_code::DesignRoom) rooms.push_back(r);
    for (int i = 0; i < DrawingList.count; ++i) {
        const auto* wall = dynamic_cast<const TExtwallobj*>(DrawingList[i]);
        if (!wall || wall->type != type_code::ExternalWall || wall->view != Shared.CurrentView) continue;
        const long long thickness = static_cast<long long>(wall->ewall1) + wall->ewall2 + wall->ewall3;
        const bool horizontal = wall->y1 == wall->y2;
        bool facing = false;
        switch (direction) {
        case 2:
            facing = horizontal && wall->x1 > px;
            break;
        case 4:
            facing = horizontal && wall->x1 < px;
            break;
        case 1:
            facing = wall->y1 > py;
            break;
        case 3:
            facing = wall->y1 < py;
            break;
        default:
            break;
        }
        if (!facing) continue;
        for (int r : rooms) {
            const TObject& room = *DrawingList[r];
            long long gap = NothingFound;
            switch (direction) {
            case 2:
                gap = wall->x1 - thickness - room.x2;
                break;
            case 4:
                gap = room.x1 - wall->x1 - thickness;
                break;
            case 1:
                gap = wall->y1 - thickness - room.y1;
                break;
            default:
                gap = room.y2 - wall->y1 - thickness;
                break;
            }
            best = std::min(best, gap);
        }
    }
    Count = best < NothingFound ? Clamped(best) : 0;
}

// The free distance from the tool's start, snapped onto a wall start nearby, to the nearest external
// wall ahead in the direction of the arrow (CrossShown); 0 when nothing is ahead.
void TExtwallobjtool::MeasureFreeDistanceToWall() {
    const long long tolerance = 3LL * Shared.Scale;
    auto isWall = [](const TObject& object) {
        return object.type == type_code::ExternalWall && object.view == Shared.CurrentView;
    };
    for (int i = 0; i < DrawingList.count; ++i) {
        const TObject& wall = *DrawingList[i];
        if (!isWall(wall)) continue;
        if (std::llabs(static_cast<long long>(wall.x1) - X1) < tolerance &&
            std::llabs(static_cast<long long>(wall.y1) - Y1) < tolerance) {
            X1 = wall.x1;
            Y1 = wall.y1;
            break;
        }
    }
    const long long px = X1;
    const long long py = Y1;
    long long best = NothingFound;
    for (int i = 0; i < DrawingList.count; ++i) {
        const TObject& wall = *DrawingList[i];
        if (!isWall(wall)) continue;
        const bool level = std::llabs(py - wall.y1) < tolerance;
        const bool plumb = std::llabs(px - wall.x1) < tolerance;
        switch (CrossShown) {
        case 2:
            if (px < wall.x1 && level) best = std::min(best, wall.x1 - px);
            break;
        case 4:
            if (px > wall.x1 && level) best = std::min(best, px - wall.x1);
            break;
        case 1: {
            const long long low = std::min(wall.y1, wall.y2);
            if (py < low && plumb) best = std::min(best, low - py);
            break;
        }
        case 3: {
            const long long high = std::max(wall.y1, wall.y2);
            if (py > high && plumb) best = std::min(best, py - high);
            break;
        }
        default:
            break;
        }
    }
    Count = best < NothingFound ? Clamped(best) : 0;
}
