#include "tools/rectangle_tool.h"

#include "tools/tool_kinds.h"

#include "model/shared_state.h"
#include "platform/input.h"
#include "tools/tool_support.h"

using platform::DeviceContext;
using platform::Point;
using platform::Rect;
using tool_support::Clamped;
namespace VirtualKey = platform::VirtualKey;

TRectangletool::TRectangletool() = default;

void TRectangletool::DrawShape(DeviceContext& dc, int) {
    const int scale = tool_support::ScaleDivisor();
    const platform::Brush previous = dc.SelectBrush(platform::Brush::NullBrush());
    dc.Rectangle(X1 / scale, Y1 / scale, X2 / scale, Y2 / scale);
    dc.SelectBrush(previous);
}

void TRectangletool::KeyDown(DeviceContext& dc, const Rect& client, int key, Point cursor, int value) {
    Width = Shared.PenWidth;
    Colour = Shared.DrawingColour;
    switch (key) {
    case VirtualKey::Return: {
        X2 = Y2 = 0;
        const Point corner = StepPoint(dc, client, cursor);
        X1 = corner.x;
        Y1 = corner.y;
        break;
    }
    case VirtualKey::Up:
        Y2 = Clamped(static_cast<long long>(Y1) + value);
        break;
    case VirtualKey::Down:
        Y2 = Clamped(static_cast<long long>(Y1) - value);
        break;
    case VirtualKey::Right:
        X2 = Clamped(static_cast<long long>(X1) + value);
        break;
    case VirtualKey::Left:
        X2 = Clamped(static_cast<long long>(X1) - value);
        break;
    default:
        return;
    }
    if (X2 == 0 || Y2 == 0) {
        // 0 marks a side not given yet.
        const Point reached{X2 != 0 ? X2 : X1, Y2 != 0 ? Y2 : Y1};
        tool_support::PutCursorOn(*this, dc, client, reached.x, reached.y);
        return;
    }
    CreateObject(dc, client);
    Pending = 0;
    X1 = Y1 = X2 = Y2 = 0;
}

TRectangleobjtool::TRectangleobjtool() {
    Kind = tool_kind::Rectangle;
    Pending = 0;
    X2 = 0;
    Y2 = 0;
}

void TRectangleobjtool::CreateObject(DeviceContext& dc, const Rect& client) {
    if (!tool_support::StartDiffersFromEnd(*this)) return;
    auto rectangle = std::make_unique<TRectangleobj>();
    tool_support::FillCommonFields(*rectangle, *this);
    tool_support::ShowAndKeep(std::move(rectangle), dc, client);
}

TRoundrecttool::TRoundrecttool() = default;

void TRoundrecttool::DrawShape(DeviceContext& dc, int) {
    const int scale = tool_support::ScaleDivisor();
    const int corner = Clamped(2LL * Count) / scale;
    const platform::Brush previous = dc.SelectBrush(platform::Brush::NullBrush());
    dc.RoundRect(X1 / scale, Y1 / scale, X2 / scale, Y2 / scale, corner, corner);
    dc.SelectBrush(previous);
}

TRndrectobjtool::TRndrectobjtool() {
    Kind = tool_kind::RoundedRectangle;
    Pending = 0;
    X2 = 0;
    Y2 = 0;
}

void TRndrectobjtool::CreateObject(DeviceContext& dc, const Rect& client) {
    if (!tool_support::StartDiffersFromEnd(*this)) return;
    auto rounded = std::make_unique<TRndrectobj>();
    tool_support::FillCommonFields(*rounded, *this);
    rounded->corner = Count;
    tool_support::ShowAndKeep(std::move(rounded), dc, client);
}
