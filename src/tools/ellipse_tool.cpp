#include "tools/ellipse_tool.h"

#include "tools/tool_kinds.h"

#include "tools/tool_support.h"

using platform::DeviceContext;
using platform::Rect;

TEllipsetool::TEllipsetool() = default;

void TEllipsetool::DrawShape(DeviceContext& dc, int) {
    const int scale = tool_support::ScaleDivisor();
    const platform::Brush previous = dc.SelectBrush(platform::Brush::NullBrush());
    dc.Ellipse(X1 / scale, Y1 / scale, X2 / scale, Y2 / scale);
    dc.SelectBrush(previous);
}

TEllipseobjtool::TEllipseobjtool() {
    Kind = tool_kind::Ellipse;
}

void TEllipseobjtool::CreateObject(DeviceContext& dc, const Rect& client) {
    if (tool_support::StartDiffersFromEnd(*this)) {
        auto ellipse = std::make_unique<TEllipseobj>();
        tool_support::FillCommonFields(*ellipse, *this);
        tool_support::ShowAndKeep(std::move(ellipse), dc, client);
    }
    Pending = 0;
}
