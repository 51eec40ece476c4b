#include "partitions/intwall_tool.h"

#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/object_numbers.h"
#include "model/shared_state.h"
#include "model/symbol_file.h"
#include "model/view_mapping.h"
#include "partitions/intwall_geometry.h"
#include "platform/desktop.h"
#include "platform/input.h"
#include "rooms/design_room_finishing.h"
#include "tools/status_texts.h"
#include "tools/tool_support.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <memory>

using platform::DeviceContext;
using platform::Point;
using platform::Rect;
using tool_support::Clamped;
using tool_support::MoveBox;
using tool_support::MoveCoordinate;
using tool_support::ScaleDivisor;
namespace VirtualKey = platform::VirtualKey;

namespace {

// An internal wall from the tool's gesture and wall members; the first wall value of the record is
// always 1.
std::unique_ptr<TIntwallobj> NewInternalWall(const TIntwallobjtool& tool, int number) {
    auto wall = std::make_unique<TIntwallobj>();
    tool_support::FillCommonFields(*wall, tool);
    wall->type = type_code::InternalWall;
    wall->number = number;
    wall->penWidth = 1;
    wall->penStyle = 0;
    wall->iwall1 = tool.WallThickness;
    wall->iwall2 = tool.AfterThickness[0];
    wall->iwall3 = tool.AfterThickness[1];
    wall->iwall4 = tool.AfterThickness[2];
    wall->iwall5 = tool.AfterThickness[3];
    wall->iwall6 = tool.Angle;
    wall->iwall7 = 1;
    wall->fx1 = tool.BX1;
    wall->fz1 = tool.BZ;
    wall->fy1 = tool.BY1;
    wall->fx2 = tool.BX2;
    wall->fy2 = tool.BY2;
    wall->iwall8 = tool.AfterSecondFace[0];
    wall->iwall9 = tool.AfterSecondFace[1];
    wall->iwall10 = tool.AfterSecondFace[2];
    wall->iwall11 = tool.AfterSecondFace[3];
    wall->iwall12 = static_cast<int>(tool.WallColour1);
    wall->iwall13 = static_cast<int>(tool.WallColour2);
    return wall;
}

// A plain line of the tool's run: the cap of an open end, or an opening of a met wall's face.
std::unique_ptr<TLineobj> RunLine(const TIntwallobjtool& tool, long long x1, long long y1, long long x2,
                                  long long y2, platform::ColourRef colour) {
    auto line = std::make_unique<TLineobj>();
    line->view = Shared.CurrentView;
    line->aux = tool.Group;
    line->number = tool.Number;
    line->type = type_code::Line;
    line->penWidth = 1;
    line->penStyle = 0;
    line->x1 = Clamped(x1);
    line->y1 = Clamped(y1);
    line->x2 = Clamped(x2);
    line->y2 = Clamped(y2);
    line->colour = static_cast<int>(colour);
    return line;
}

// Moves two values `step` towards each other; equal values stay.
void CloseIn(int& a, int& b, int step) {
    if (a < b) {
        a = Clamped(static_cast<long long>(a) + step);
        b = Clamped(static_cast<long long>(b) - step);
    } else if (a > b) {
        a = Clamped(static_cast<long long>(a) - step);
        b = Clamped(static_cast<long long>(b) + step);
    }
}

// The bearing of a wall from its start to its end, tenths of a degree clockwise from +y.
int BearingOf(long long x1, long long y1, long long x2, long long y2) {
    if (x2 == x1) return y2 > y1 ? 0 : 1800;
    if (y2 == y1) return x2 > x1 ? 900 : 2700;
    const int q = tool_support::SlantBearing(std::llabs(x2 - x1), std::llabs(y2 - y1));
    if (x2 > x1) return y2 > y1 ? q : 1800 - q;
    return y2 < y1 ? 1800 + q : 3600 - q;
}

bool IsArrow(int key) {
    return key == VirtualKey::Left || key == VirtualKey::Up || key == VirtualKey::Right ||
           key == VirtualKey::Down;
}

} // namespace

TIntwallobjtool::TIntwallobjtool() {
    Kind = tool_kind::InternalWall;
    Width = 1;
}

void MakeIntwallObject(TIntwallobjtool& tool) {
    DrawingList.Add(NewInternalWall(tool, tool.Number));
    DrawingList.WriteDrawing();
}

void TIntwallobjtool::SetSecondFaceStart(int x, int y) {
    BX1 = x;
    BY1 = y;
    SecondFaceStartSet = true;
}

void TIntwallobjtool::SetSecondFaceEnd(int x, int y) {
    BX2 = x;
    BY2 = y;
    SecondFaceEndSet = true;
}

void TIntwallobjtool::LButtonDown(DeviceContext&, const Rect&, int, int) {}

void TIntwallobjtool::MoveHeldPoints(int dx, int dy) {
    TLineobjtool::MoveHeldPoints(dx, dy);
    MoveCoordinate(BX1, dx);
    MoveCoordinate(BY1, dy);
    MoveCoordinate(BX2, dx);
    MoveCoordinate(BY2, dy);
    if (measuredStart_) {
        MoveCoordinate(measuredStart_->x, dx);
        MoveCoordinate(measuredStart_->y, dy);
    }
    MoveBox(&Extra1, dx, dy);
}

void TIntwallobjtool::DrawBand(DeviceContext& dc) {
    tool_support::ExclusiveOrPen band(dc, bandColour_);
    const int scale = ScaleDivisor();
    dc.MoveTo(X1 / scale, Y1 / scale);
    dc.LineTo(X2 / scale, Y2 / scale);
}

void TIntwallobjtool::DrawShape(DeviceContext& dc, int) {
    if (Kind != tool_kind::InternalWall || DragActive() != 1) return;
    bandColour_ = Shared.DrawingColour;
    DrawBand(dc);
}

void TIntwallobjtool::MouseMove(DeviceContext& dc, const Rect& client, int x, int y) {
    if (DragActive() != 1) return;
    const Point pointer = tool_support::ToDrawingUnits(dc, client, x, y);
    if (Kind != tool_kind::InternalWall) return;
    if (OutlineShown <= 0) {
        X2 = pointer.x;
        Y2 = pointer.y;
        bandColour_ = Shared.DrawingColour;
        DrawBand(dc);
        OutlineShown = 1;
    } else if (pointer.x != X2 || pointer.y != Y2) {
        DrawBand(dc);
        X2 = pointer.x;
        Y2 = pointer.y;
        bandColour_ = Shared.DrawingColour;
        DrawBand(dc);
    }
}

void TIntwallobjtool::EraseRubberBand(DeviceContext& dc, const Rect& client) {
    if (OutlineShown <= 0) return;
    SetViewMapping(dc, client);
    DrawBand(dc);
    OutlineShown = 0;
}

void TIntwallobjtool::KeyDown(DeviceContext& dc, const Rect& client, int key, Point cursor, int value) {
    if (Kind == DeleteMode) {
        if (key == VirtualKey::Return) RemoveWallAt(dc, client, cursor);
        return;
    }
    DragActive() = 0;
    PenWidth() = 1;
    Colour = Shared.DrawingColour;
    PenStyle() = 0;
    ObjectNumber() = 0;
    LastWallSide() = 0;
    std::fill(std::begin(AfterSecondFace), std::end(AfterSecondFace), 0);
    // A measured free distance equal to one of the two run-ending signals must not end the run.
    if (FreeDistance() == RunClosed || FreeDistance() == RunEndedAtWall) FreeDistance() = 0;
    KeyboardWall(dc, client, key, cursor, value);
    measuredStart_.reset();
}

void TIntwallobjtool::KeyboardWall(DeviceContext& dc, const Rect& client, int key, Point cursor, int value) {
    const int base = FloorNumberBase(Shared.CurrentView);
    bool made = false;
    Point end;
    auto nextNumber = [&] { RunNumber() = ObjectNumber() = NewObjectNumber(base); };
    if (key == VirtualKey::Return) {
        if (Kind != tool_kind::InternalWall) return;
        const Point point = tool_support::ToDrawingUnits(dc, client, cursor.x, cursor.y);
        EraseRubberBand(dc, client);
        if (Started() == 0) {
            X1 = point.x;
            Y1 = point.y;
            Started() = 1;
            return;
        }
        // Enter too near the start (a box of five or six pixels' worth at this zoom) makes no wall.
        const long long near = static_cast<long long>((Shared.Units == 0 ? 6 : 5) * Shared.Zoom);
        X2 = point.x;
        Y2 = point.y;
        if (X1 - near < X2 && X2 < X1 + near && Y1 - near < Y2 && Y2 < Y1 + near) return;
        made = true;
        nextNumber();
        WallAngle() = BearingOf(X1, Y1, X2, Y2);
        SideInUse() = SecondLineSide();
        end = {X2, Y2};
        LastWallSide() = SecondLineSide();
        CreateObject(dc, client);
    } else if (key == VirtualKey::Add) {
        EraseRubberBand(dc, client);
        CapOpenEnd();
        return;
    } else if (IsArrow(key) && Started() == 1) {
        EraseRubberBand(dc, client);
        if (measuredStart_) {
            X1 = measuredStart_->x;
            Y1 = measuredStart_->y;
        }
        nextNumber();
        X2 = X1;
        Y2 = Y1;
        switch (key) {
        case VirtualKey::Up:
            Y2 = Clamped(static_cast<long long>(Y1) + value);
            WallAngle() = 0;
            break;
        case VirtualKey::Down:
            Y2 = Clamped(static_cast<long long>(Y1) - value);
            WallAngle() = 1800;
            break;
        case VirtualKey::Left:
            X2 = Clamped(static_cast<long long>(X1) - value);
            WallAngle() = 2700;
            break;
        default:
            X2 = Clamped(static_cast<long long>(X1) + value);
            WallAngle() = 900;
            break;
        }
        end = {X2, Y2};
        SideInUse() = LastWallSide() = SecondLineSide();
        CreateObject(dc, client);
        made = true;
    }
    if (!made) return;
    OpenMetFaces(dc, client);
    // The next wall starts where this one was asked to end, before any snapping.
    X1 = end.x;
    Y1 = end.y;
}

void TIntwallobjtool::OpenMetFaces(DeviceContext& dc, const Rect& client) {
    const int step = Shared.Units == 0 ? 24 : 25;
    auto open = [&](int& x, int& bx, int& y, int& by) {
        CloseIn(x, bx, step);
        CloseIn(y, by, step);
        auto line = RunLine(*this, x, y, bx, by, Shared.BackgroundColour);
        line->PaintMapped(dc, client, 0);
        DrawingList.Add(std::move(line));
    };
    if (State == OpenStart || State == OpenBoth) open(X1, BX1, Y1, BY1);
    if (State == OpenEnd || State == OpenBoth) {
        open(X2, BX2, Y2, BY2);
        DragActive() = 0;
    }
    if (State >= OpenStart && State <= OpenBoth) State = 0;
}

void TIntwallobjtool::CapOpenEnd() {
    FreeDistance() = RunClosed;
    const TIntwallobj* last = nullptr;
    for (int i = DrawingList.count - 1; i >= 0 && !last; --i) {
        const TObject* object = DrawingList[i];
        if (object->type == type_code::InternalWall && object->view == Shared.CurrentView)
            last = dynamic_cast<const TIntwallobj*>(object);
    }
    if (!last) {
        // Nothing to cap: the run still ends, and the box repainted is empty.
        X1 = X2 = Y1 = Y2 = 0;
        Extra1 = Extra2 = Extra3 = Extra4 = 0;
        return;
    }
    DrawingList.Add(RunLine(*this, last->x2, last->y2, last->fx2, last->fy2, Colour));
    const long long margin = 15LL * Shared.PenWidthFactor;
    X1 = Clamped(std::min<long long>(last->x2, last->fx2) - margin);
    X2 = Clamped(std::max<long long>(last->x2, last->fx2) + margin);
    Y1 = Clamped(std::max<long long>(last->y2, last->fy2) + margin);
    Y2 = Clamped(std::min<long long>(last->y2, last->fy2) - margin);
    Extra1 = X1;
    Extra2 = X2;
    Extra3 = Y1;
    Extra4 = Y2;
}

void TIntwallobjtool::RemoveWallAt(DeviceContext& dc, const Rect& client, Point cursor) {
    const Point logical = tool_support::ToLogical(dc, client, cursor.x, cursor.y);
    const long long scale = ScaleDivisor();
    X1 = Clamped(logical.x * scale);
    Y1 = Clamped(logical.y * scale);
    const int hit = DrawingList.FindTextNear(2, logical.x, logical.y);
    if (hit == NoObjectIndex) {
        Y1 = NoWallHit;
        return;
    }
    ObjectNumber() = DrawingList[hit]->number;
    long long least[2] = {LLONG_MAX, LLONG_MAX};
    long long most[2] = {LLONG_MIN, LLONG_MIN};
    auto take = [&](long long x, long long y) {
        least[0] = std::min(least[0], x), most[0] = std::max(most[0], x);
        least[1] = std::min(least[1], y), most[1] = std::max(most[1], y);
    };
    for (int i = DrawingList.count - 1; i >= 0; --i) {
        const TObject* object = DrawingList[i];
        if (object->view != Shared.CurrentView || object->number != ObjectNumber()) continue;
        // External walls keep their length in the number field, and information records belong to the
        // floor; an unnumbered wall takes nothing else with it.
        if (object->type == type_code::ExternalWall || object->type >= type_code::FirstInformation) continue;
        if (ObjectNumber() == 0 && i != hit) continue;
        take(object->x1, object->y1);
        take(object->x2, object->y2);
        if (const auto* wall = dynamic_cast<const TIntwallobj*>(object);
            wall && object->type == type_code::InternalWall && wall->fx1 > 0) {
            take(wall->fx1, wall->fy1);
            take(wall->fx2, wall->fy2);
        }
        DrawingList.RemoveAt(i);
    }
    DrawingList.WriteDrawing();
    const long long margin = 3 * scale;
    X1 = Clamped(least[0] - margin);
    X2 = Clamped(most[0] + margin);
    Y1 = Clamped(most[1] + margin);
    Y2 = Clamped(least[1] - margin);
}

void TIntwallobjtool::CreateObject(DeviceContext& dc, const Rect& client) {
    PlaceInternalWall(1);
    PenWidth() = 1;
    PenStyle() = 0;
    if (X1 == 0 || Y1 == 0 || !tool_support::StartDiffersFromEnd(*this)) return;
    if (WallRefused) {
        ViewMessageBox(SecondLineSide() == 1 || SecondLineSide() == 3
                           ? "Not possible, you selected above or below for the second line position - click "
                             "the Partition icon again"
                           : "Not possible, you selected left or right for the second line position - click "
                             "the Partition icon again",
                       "INTERNAL WALLS",
                       platform::MessageBoxStyle::Ok | platform::MessageBoxStyle::IconExclamation);
        FreeDistance() = RunEndedAtWall;
        return;
    }
    tool_support::ShowAndKeep(NewInternalWall(*this, RunNumber()), dc, client);
    PreviousWall = RunNumber();
    Started() = 1;
}

void TIntwallobjtool::Step(int direction, int, int code) {
    if (State == FinishingDesignRooms)
        FinishDesignRooms(*this, code);
    else
        MeasureFreeDistance(direction);
    DragActive() = 0;
}
