#include "tools/move_tool.h"

#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "platform/input.h"
#include "settings/selection_files.h"
#include "tools/selection.h"
#include "tools/tool_kinds.h"
#include "tools/tool_support.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

using platform::DeviceContext;
using platform::Point;
using platform::Rect;
using tool_support::MoveBox;
using tool_support::MoveCoordinate;
using tool_support::ScaleDivisor;
namespace VirtualKey = platform::VirtualKey;

namespace {

int Truncated(float value) {
    if (!(value < static_cast<float>(INT_MAX))) return INT_MAX;
    return static_cast<int>(value);
}

} // namespace

TMoveobjtool::TMoveobjtool() {
    Kind = tool_kind::Move;
}

void TMoveobjtool::DrawBand(DeviceContext& dc) {
    const int scale = ScaleDivisor();
    // A dotted pen of one pixel, shown over the background and taken off by drawing it again.
    tool_support::ExclusiveOrPen pen(dc, Shared.DrawingColour, platform::PenStyle::Dot, 0);
    const platform::Brush previous = dc.SelectBrush(platform::Brush::NullBrush());
    dc.Rectangle(AnchorX / scale, AnchorY / scale, RefX / scale, RefY / scale);
    dc.SelectBrush(previous);
}

void TMoveobjtool::TakeBandOff(DeviceContext& dc) {
    if (!bandShown_) return;
    DrawBand(dc);
    bandShown_ = false;
}

void TMoveobjtool::LButtonDown(DeviceContext& dc, const Rect& client, int x, int y) {
    switch (State) {
    case 0:
    case ZoomRectangle: {
        SelectionCount = 0;
        const Point press = tool_support::ToDrawingUnits(dc, client, x, y);
        AnchorX = RefX = press.x;
        AnchorY = RefY = press.y;
        bandShown_ = false;
        State += RectangleDone;
        break;
    }
    case PlaceSelection:
        if (Kind != tool_kind::Move || SelectionCount == 0) return;
        SetReferencePoint(*this, dc, client, x, y);
        State = MovingSelection;
        break;
    case MovingSelection:
        BlankSelection(*this, dc, client, x, y);
        MoveSelection(*this, dc, client, x, y);
        break;
    default:
        break;
    }
}

void TMoveobjtool::MouseMove(DeviceContext& dc, const Rect& client, int x, int y) {
    if (State != RectangleDone && State != ZoomRectangleDone) return;
    const Point corner = tool_support::ToDrawingUnits(dc, client, x, y);
    TakeBandOff(dc);
    RefX = corner.x;
    RefY = corner.y;
    DrawBand(dc);
    bandShown_ = true;
}

void TMoveobjtool::LButtonUp(DeviceContext& dc, const Rect& client, Point& point) {
    if (State != RectangleDone && State != ZoomRectangleDone) return;
    const Point release = tool_support::ToDrawingUnits(dc, client, point.x, point.y);
    // The band last drawn goes, wherever the release is.
    TakeBandOff(dc);
    RefX = release.x;
    RefY = release.y;
    if (State == RectangleDone) {
        SelectInRectangle(*this);
    } else {
        const int scale = ScaleDivisor();
        SetZoomWindow({AnchorX / scale, AnchorY / scale}, {RefX / scale, RefY / scale}, client);
    }
    if (Kind == tool_kind::Copy || Kind == tool_kind::Erase) ApplyToSelection(dc, client, 0, 0);
}

void TMoveobjtool::RButtonDown(DeviceContext& dc, const Rect& client, Point& point) {
    const Point pivot = StepPoint(dc, client, point);
    RefX = pivot.x;
    RefY = pivot.y;
    RotateSelection(*this, dc, client, point.x, point.y);
}

void TMoveobjtool::KeyDown(DeviceContext& dc, const Rect& client, int key, Point cursor, int) {
    if (State != MovingSelection) return;
    // One pixel, or when zoomed in one logical unit's worth of pixels.
    int step = 1;
    if (Shared.Zoom > 0.0f && Shared.Zoom < 5.0f)
        step = Truncated(static_cast<float>(Shared.Scale) / Shared.Zoom);
    Point to = cursor;
    switch (key) {
    case VirtualKey::Left:
        to.x -= step;
        break;
    case VirtualKey::Up:
        to.y -= step;
        break;
    case VirtualKey::Right:
        to.x += step;
        break;
    case VirtualKey::Down:
        to.y += step;
        break;
    case VirtualKey::Add:
    case VirtualKey::Subtract:
        RotationStep() = key == VirtualKey::Add ? 5 : -5;
        RotateSelection(*this, dc, client, 0, 0);
        return;
    default:
        return;
    }
    BlankSelection(*this, dc, client, to.x, to.y);
    MoveSelection(*this, dc, client, to.x, to.y);
}

void TMoveobjtool::AddLineText(DeviceContext&, const Rect&, int firstIndex, int) {
    std::vector<SelectionLine> lines;
    for (int i = std::max(firstIndex, 0); i < DrawingList.count; ++i)
        lines.push_back({i, 0, 0});
    if (!WriteSelection(lines)) lines.clear();
    SelectionCount = static_cast<int>(lines.size());
}

void TMoveobjtool::ApplyToSelection(DeviceContext&, const Rect&, int, int) {}

void TMoveobjtool::MoveHeldPoints(int dx, int dy) {
    if (State >= FindingLineCentre && State <= LastRectCentreState) TDrawingtool::MoveHeldPoints(dx, dy);
    MoveCoordinate(AnchorX, dx);
    MoveCoordinate(AnchorY, dy);
    MoveCoordinate(RefX, dx);
    MoveCoordinate(RefY, dy);
    MoveCoordinate(TargetX, dx);
    MoveCoordinate(TargetY, dy);
    MoveBox(&Extra1, dx, dy);
}

void SetZoomWindow(Point from, Point to, const Rect& client) {
    const long long width = std::llabs(static_cast<long long>(to.x) - from.x);
    const long long height = std::llabs(static_cast<long long>(to.y) - from.y);
    // A click without a drag, a drag along one axis or a view of no size has no window to show.
    if (width < 1 || height < 1 || client.right <= 0 || client.bottom <= 0 || Shared.ClientWidth <= 0) return;
    // Single precision throughout, as the zoom has always been worked out.
    const float aspect = static_cast<float>(client.right) / static_cast<float>(client.bottom);
    float w = static_cast<float>(width);
    float h = static_cast<float>(height);
    if (h * aspect > w)
        w = h * aspect;
    else
        h = w / aspect;
    const float previousWidth = static_cast<float>(Shared.ClientWidth);
    Shared.ClientWidth = Truncated(w);
    Shared.ClientHeight = Truncated(h);
    Shared.ScrollX = std::min(from.x, to.x);
    Shared.ScrollY = std::min(from.y, to.y);
    Shared.Zoom = Shared.Zoom / (previousWidth / w);
}
