#include "tools/tool_framework.h"

#include "model/drawing_file.h"
#include "model/shared_state.h"
#include "tools/tool_kinds.h"
#include "tools/tool_support.h"

#include <algorithm>

using platform::DeviceContext;
using platform::Point;
using platform::Rect;
using tool_support::Clamped;

TDrawingtool::TDrawingtool() : heldCentre_(SheetCentreInForce()) {}

void TDrawingtool::LButtonDown(DeviceContext&, const Rect&, int, int) {}
void TDrawingtool::LButtonUp(DeviceContext&, const Rect&, Point&) {}
void TDrawingtool::RButtonDown(DeviceContext&, const Rect&, Point&) {}
void TDrawingtool::RButtonUp(DeviceContext&, const Rect&, int, int) {}
void TDrawingtool::MouseMove(DeviceContext&, const Rect&, int, int) {}
void TDrawingtool::DrawShape(DeviceContext&, int) {}
void TDrawingtool::Execute(DeviceContext&, const Rect&) {}
void TDrawingtool::KeyDown(DeviceContext&, const Rect&, int, Point, int) {}
void TDrawingtool::PlaceText(DeviceContext&, const Rect&, Point&, const std::string&) {}
void TDrawingtool::CharTyped(DeviceContext&, const Rect&, char) {}
void TDrawingtool::CreateObject(DeviceContext&, const Rect&) {}
void TDrawingtool::AddDimension(DeviceContext&, const Rect&, int, int, int, int) {}
void TDrawingtool::AddLineText(DeviceContext&, const Rect&, int, int) {}
void TDrawingtool::Action(int) {}
void TDrawingtool::Step(int, int, int) {}

void TDrawingtool::FollowSheetCentre(RecordOrigin centre) {
    if (centre == heldCentre_) return;
    const int dx = Clamped(static_cast<long long>(centre.x) - heldCentre_.x);
    const int dy = Clamped(static_cast<long long>(centre.y) - heldCentre_.y);
    heldCentre_ = centre;
    tool_support::MoveCoordinate(TakenPoint.x, dx);
    tool_support::MoveCoordinate(TakenPoint.y, dy);
    MoveHeldPoints(dx, dy);
}

void TDrawingtool::MoveHeldPoints(int dx, int dy) {
    using tool_support::MoveCoordinate;
    MoveCoordinate(X1, dx);
    MoveCoordinate(Y1, dy);
    MoveCoordinate(X2, dx);
    MoveCoordinate(Y2, dy);
}

Point TDrawingtool::StepPoint(DeviceContext& dc, const Rect& client, Point pixel) const {
    if (TakenPoint.x != 0 || TakenPoint.y != 0) return TakenPoint;
    return tool_support::ToDrawingUnits(dc, client, pixel.x, pixel.y);
}

namespace {

// The tools that carry an outline with them (openings, doors, windows): it is taken off while the
// centre is found and put back at the centre.
bool CarriesOutline(int kind) {
    return std::find(tool_kind::CarryOutline.begin(), tool_kind::CarryOutline.end(), kind) !=
           tool_kind::CarryOutline.end();
}

// The tools that show their outline at the centre and stay in the centre step.
bool ShowsOutlineAtCentre(int kind) {
    return std::find(tool_kind::OutlineAtCentre.begin(), tool_kind::OutlineAtCentre.end(), kind) !=
           tool_kind::OutlineAtCentre.end();
}

bool NearLeftOrTopEdge(const Rect& client, int x, int y) {
    return x - client.left < 3 || y - client.top < 3;
}

// The smaller value plus half the distance to the larger.
int Midway(int a, int b) {
    const long long low = a < b ? a : b;
    const long long high = a < b ? b : a;
    return Clamped(low + (high - low) / 2);
}

// One axis of the three-corner centre: the first two corners a and b when they lie apart on this
// axis, else the second and the third; 0 when all three lie within the tolerance.
int CornerCentre(long long a, long long b, long long c, long long tolerance) {
    if (a + tolerance < b) return Clamped(a + (b - a) / 2);
    if (b + tolerance < a) return Clamped(b + (a - b) / 2);
    if (c > b + tolerance) return Clamped(b + (c - b) / 2);
    if (c + tolerance < b) return Clamped(c + (b - c) / 2);
    return 0;
}

} // namespace

void TDrawingtool::FindLineCentre(DeviceContext& dc, const Rect& client, int x, int y) {
    if (NearLeftOrTopEdge(client, x, y)) return;
    Pending = 0;
    const Point click = tool_support::ToDrawingUnits(dc, client, x, y);
    if (State == FindingLineCentre) {
        X2 = click.x;
        Y2 = click.y;
        State = LineCentreFound;
        if (CarriesOutline(Kind)) Dragging = 1;
        return;
    }
    if (State != LineCentreFound) return;
    if (CarriesOutline(Kind)) {
        DrawShape(dc, 1);
        Dragging = 0;
    }
    // The first end was kept in the end point.
    X1 = Midway(X2, click.x);
    Y1 = Midway(Y2, click.y);
    tool_support::PutCursorOn(*this, dc, client, X1, Y1);
    if (CarriesOutline(Kind)) {
        DrawShape(dc, 1);
        Dragging = 1;
        State = 0;
    } else if (ShowsOutlineAtCentre(Kind)) {
        DrawShape(dc, 1);
    } else {
        State = SavedState;
    }
}

void TDrawingtool::FindRectCentre(DeviceContext& dc, const Rect& client, int x, int y) {
    if (NearLeftOrTopEdge(client, x, y)) return;
    Pending = 0;
    const Point click = tool_support::ToDrawingUnits(dc, client, x, y);
    const long long tolerance = 20LL * tool_support::ScaleDivisor();
    switch (State) {
    case FindingRectCentre:
        X1 = click.x;
        Y1 = click.y;
        State = RectCentreSecond;
        break;
    case RectCentreSecond:
        X2 = click.x;
        Y2 = click.y;
        State = RectCentreFound;
        break;
    case RectCentreFound:
        X1 = CornerCentre(X1, X2, click.x, tolerance);
        Y1 = CornerCentre(Y1, Y2, click.y, tolerance);
        tool_support::PutCursorOn(*this, dc, client, X1, Y1);
        State = SavedState;
        break;
    default:
        break;
    }
}
