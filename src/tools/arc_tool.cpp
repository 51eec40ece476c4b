#include "tools/arc_tool.h"

#include "tools/tool_kinds.h"

#include "model/shared_state.h"
#include "platform/input.h"
#include "tools/tool_support.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

using platform::DeviceContext;
using platform::Point;
using platform::Rect;
using tool_support::Clamped;
using tool_support::MoveCoordinate;
using tool_support::ScaleDivisor;

TArctool::TArctool() = default;

int TArctool::InLineTolerance() {
    // The view snaps an end lying strictly within 75 units of the first one's x or y.
    return std::max(10 * ScaleDivisor(), 75);
}

void TArctool::DrawShape(DeviceContext& dc, int) {
    const int scale = ScaleDivisor();
    const platform::Brush previous = dc.SelectBrush(platform::Brush::NullBrush());
    dc.Arc(X1 / scale, Y1 / scale, X2 / scale, Y2 / scale, RadialX / scale, RadialY / scale, FirstX / scale,
           FirstY / scale);
    dc.SelectBrush(previous);
}

void TArctool::KeyDown(DeviceContext& dc, const Rect& client, int key, Point cursor, int value) {
    if (key != platform::VirtualKey::Return) return;
    Colour = Shared.DrawingColour;
    Width = Shared.PenWidth;
    const Point at = StepPoint(dc, client, cursor);
    if (ArcStep == 0) {
        X1 = FirstX = at.x;
        Y1 = FirstY = at.y;
        ArcStep = 1;
        Pending = 0;
        return;
    }

    X2 = at.x;
    Y2 = at.y;
    const long long height = value;
    const long long tolerance = InLineTolerance();
    // A height of 0 would give a flat box with nothing to draw: no arc is made.
    if (height != 0 && std::llabs(static_cast<long long>(Y2) - FirstY) < tolerance) {
        // Level chord: the first point ends up left of the other for an arc above, right for below.
        Y2 = FirstY;
        if (height > 0 ? X2 < FirstX : X2 > FirstX) std::swap(FirstX, X2);
        const int otherX = X2;
        X1 = FirstX;
        Y1 = Clamped(FirstY - height);
        X2 = otherX;
        Y2 = Clamped(FirstY + height);
        RadialX = otherX;
        RadialY = FirstY;
        CreateObject(dc, client);
    } else if (height != 0 && std::llabs(static_cast<long long>(X2) - FirstX) < tolerance) {
        // Plumb chord: the first point ends up below the other for an arc to the left, above for right.
        X2 = FirstX;
        if (height > 0 ? Y2 < FirstY : Y2 > FirstY) std::swap(FirstY, Y2);
        const int otherY = Y2;
        X1 = Clamped(FirstX - height);
        Y1 = FirstY;
        X2 = Clamped(FirstX + height);
        Y2 = otherY;
        RadialX = FirstX;
        RadialY = otherY;
        CreateObject(dc, client);
    }
    X1 = Y1 = X2 = Y2 = 0;
    RadialX = RadialY = FirstX = FirstY = 0;
    ArcStep = 0;
    Pending = 0;
}

void TArctool::MoveHeldPoints(int dx, int dy) {
    TLinetool::MoveHeldPoints(dx, dy);
    MoveCoordinate(RadialX, dx);
    MoveCoordinate(RadialY, dy);
    MoveCoordinate(FirstX, dx);
    MoveCoordinate(FirstY, dy);
}

TArcobjtool::TArcobjtool() {
    Kind = tool_kind::Arc;
    ArcStep = 0;
    X1 = 0;
    X2 = 0;
}

void TArcobjtool::CreateObject(DeviceContext& dc, const Rect& client) {
    if (!tool_support::StartDiffersFromEnd(*this)) return;
    auto arc = std::make_unique<TArcobj>();
    tool_support::FillCommonFields(*arc, *this);
    arc->startX = RadialX;
    arc->startY = RadialY;
    arc->endX = FirstX;
    arc->endY = FirstY;
    tool_support::ShowAndKeep(std::move(arc), dc, client);
}
