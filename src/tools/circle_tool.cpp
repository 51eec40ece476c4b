#include "tools/circle_tool.h"

#include "tools/tool_kinds.h"

#include "model/shared_state.h"
#include "platform/input.h"
#include "tools/tool_support.h"

using platform::DeviceContext;
using platform::Point;
using platform::Rect;
using tool_support::Clamped;
using tool_support::MoveCoordinate;

TCircletool::TCircletool() = default;

void TCircletool::LButtonDown(DeviceContext& dc, const Rect& client, int x, int y) {
    if (State == FindingLineCentre || State == LineCentreFound) {
        FindLineCentre(dc, client, x, y);
        return;
    }
    if (State >= FindingRectCentre && State <= RectCentreFound) {
        FindRectCentre(dc, client, x, y);
        return;
    }
    Dragging = 1;
    Width = Shared.PenWidth;
    Colour = Shared.DrawingColour;
    const Point press = tool_support::ToDrawingUnits(dc, client, x, y);
    X1 = X2 = CentreX = press.x;
    Y1 = Y2 = CentreY = press.y;
}

void TCircletool::BoxThrough(int pointerX) {
    const long long radius = static_cast<long long>(pointerX) - CentreX; // signed: left gives the same circle
    X1 = Clamped(CentreX - radius);
    Y1 = Clamped(CentreY - radius);
    X2 = Clamped(CentreX + radius);
    Y2 = Clamped(CentreY + radius);
}

void TCircletool::MouseMove(DeviceContext& dc, const Rect& client, int x, int y) {
    if (Dragging != 1) return;
    const Point pointer = tool_support::ToDrawingUnits(dc, client, x, y);
    tool_support::ExclusiveOrPen band(dc, Colour);
    DrawShape(dc, 1);
    BoxThrough(pointer.x);
    DrawShape(dc, 1);
}

void TCircletool::LButtonUp(DeviceContext& dc, const Rect& client, Point& point) {
    if (Dragging != 1) return;
    Dragging = 0;
    const Point release = tool_support::ToDrawingUnits(dc, client, point.x, point.y);
    {
        // The band goes where it was last drawn, with its own pen, wherever the release lands.
        tool_support::ExclusiveOrPen band(dc, Colour);
        DrawShape(dc, 1);
    }
    BoxThrough(release.x);
    dc.SetROP2(platform::RasterOp::CopyPen);
    CreateObject(dc, client);
    CentreX = CentreY = 0;
}

void TCircletool::DrawShape(DeviceContext& dc, int) {
    const int scale = tool_support::ScaleDivisor();
    const platform::Brush previous = dc.SelectBrush(platform::Brush::NullBrush());
    dc.Ellipse(X1 / scale, Y1 / scale, X2 / scale, Y2 / scale);
    dc.SelectBrush(previous);
}

void TCircletool::KeyDown(DeviceContext& dc, const Rect& client, int key, Point cursor, int) {
    if (key != platform::VirtualKey::Return) return;
    X1 = Y1 = 0;
    if (Kind == tool_kind::ThickSmallCircle) {
        Count = 10;
        Width = 2;
    } else {
        Width = Shared.PenWidth;
    }
    Colour = Shared.DrawingColour;
    CentreX = CentreY = 0;
    const Point centre = StepPoint(dc, client, cursor);
    const long long radius = Count;
    X1 = Clamped(centre.x - radius);
    Y1 = Clamped(centre.y - radius);
    X2 = Clamped(centre.x + radius);
    Y2 = Clamped(centre.y + radius);
    CreateObject(dc, client);
    Count = 0;
}

void TCircletool::MoveHeldPoints(int dx, int dy) {
    TLinetool::MoveHeldPoints(dx, dy);
    MoveCoordinate(CentreX, dx);
    MoveCoordinate(CentreY, dy);
}

TCircleobjtool::TCircleobjtool() {
    Kind = tool_kind::Circle;
    CentreX = CentreY = 0;
}

void TCircleobjtool::CreateObject(DeviceContext& dc, const Rect& client) {
    if (tool_support::StartDiffersFromEnd(*this)) {
        // The small thick circle is an ordinary circle in the drawing.
        const int kind = Kind;
        if (Kind == tool_kind::ThickSmallCircle) Kind = tool_kind::Circle;
        auto circle = std::make_unique<TCircleobj>();
        tool_support::FillCommonFields(*circle, *this);
        Kind = kind;
        tool_support::ShowAndKeep(std::move(circle), dc, client);
    }
    Pending = 0;
}
