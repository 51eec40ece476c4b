#include "tools/line_tool.h"

#include "tools/tool_kinds.h"

#include "model/drawing_list.h"
#include "model/object_class.h"
#include "model/shared_state.h"
#include "model/view_mapping.h"
#include "platform/input.h"
#include "tools/plan_finishing.h"
#include "tools/tool_support.h"

#include <cmath>
#include <cstdlib>

using platform::DeviceContext;
using platform::Point;
using platform::Rect;
using tool_support::Clamped;
using tool_support::ScaleDivisor;
using tool_support::SlantBearing;
namespace VirtualKey = platform::VirtualKey;

namespace {

// The keyboard kinds of the external walls and their corner marks, whose segments snap to the axes
// and carry a bearing.
bool IsWallRun(int kind) {
    return kind == tool_kind::CornerMarks || kind == tool_kind::ExternalWall;
}

long long Distance(int a, int b) {
    return std::llabs(static_cast<long long>(a) - b);
}

} // namespace

TLinetool::TLinetool() {
    Kind = tool_kind::Line;
    Width = 1;
    Style = 0;
    Dragging = 0;
    CursorX = 0;
    CursorY = 0;
    Angle = 0;
}

void TLinetool::LButtonDown(DeviceContext& dc, const Rect& client, int x, int y) {
    if (State == LineWithText) State = LineWithTextDrawn;
    if (State < FindingLineCentre) X1 = Y1 = X2 = Y2 = 0;
    Dragging = 0;
    if (State == FindingLineCentre || State == LineCentreFound) {
        FindLineCentre(dc, client, x, y);
        return;
    }
    if (State >= FindingRectCentre && State <= RectCentreFound) {
        FindRectCentre(dc, client, x, y);
        return;
    }
    // Only the line and the ellipse are dragged; the other shapes start from the keyboard.
    if (Kind != tool_kind::Line && Kind != tool_kind::Ellipse) return;
    Dragging = 1;
    Width = Shared.PenWidth;
    Colour = Shared.DrawingColour;
    const Point press = tool_support::ToDrawingUnits(dc, client, x, y);
    X1 = X2 = press.x;
    Y1 = Y2 = press.y;
}

void TLinetool::LButtonUp(DeviceContext& dc, const Rect& client, Point& point) {
    if (Dragging != 1) return;
    Dragging = 0;
    const Point release = tool_support::ToDrawingUnits(dc, client, point.x, point.y);
    {
        // The last band goes with exactly the pen it was drawn with.
        tool_support::ExclusiveOrPen band(dc, Colour);
        DrawShape(dc, 1);
    }
    X2 = release.x;
    Y2 = release.y;
    dc.SetROP2(platform::RasterOp::CopyPen);
    CreateObject(dc, client);
    if (State == LineWithTextDrawn) {
        // NoLineText tells the view that the drag was too short to carry a text.
        const long long most = 2LL * ScaleDivisor();
        Y1 = Distance(X2, X1) <= most && Distance(Y2, Y1) <= most ? NoLineText : 0;
    }
}

void TLinetool::MouseMove(DeviceContext& dc, const Rect& client, int x, int y) {
    if (Dragging != 1) return;
    if ((Kind == tool_kind::FloorPlanResize && State > 0) || Kind == tool_kind::CornerMarks) {
        TrackCrossHair(dc, client, x, y);
        return;
    }
    const Point pointer = tool_support::ToDrawingUnits(dc, client, x, y);
    if (pointer.x != X1 || pointer.y != Y1) {
        tool_support::ExclusiveOrPen band(dc, Colour);
        DrawShape(dc, 1);
        X2 = pointer.x;
        Y2 = pointer.y;
        DrawShape(dc, 1);
    }
    KeyboardStep = State == MultilineRun ? 2 : 1;
}

void TLinetool::TrackCrossHair(DeviceContext& dc, const Rect& client, int x, int y) {
    const Point pointer = tool_support::ToLogical(dc, client, x, y);
    if (pointer.x == CursorX && pointer.y == CursorY) return;
    // Corner marks show the guide lines only well inside the window.
    const bool shown = Kind != tool_kind::CornerMarks || (x > client.left + 10 && x < client.right - 10 &&
                                                          y > client.top + 10 && y < client.bottom - 10);
    if (CrossShown == 2) CrossHair(dc, CrossMode);
    CursorX = pointer.x;
    CursorY = pointer.y;
    if (shown) {
        CrossHair(dc, CrossMode);
        CrossShown = 2;
    } else {
        CrossShown = 0;
    }
}

void TLinetool::CrossHair(DeviceContext& dc, int mode) {
    dc.SetROP2(platform::RasterOp::NotXorPen);
    const platform::Pen previous =
        dc.SelectPen(platform::Pen{Shared.DrawingColour, 1, platform::PenStyle::Solid});
    const long long cx = CursorX;
    const long long cy = CursorY;
    // A gap of 100 logical units is left around the cursor itself.
    if (mode == 1 || mode == 3) {
        dc.MoveTo(CursorX, 0);
        dc.LineTo(CursorX, Clamped(cy - 100));
        dc.MoveTo(CursorX, Clamped(cy + 100));
        dc.LineTo(CursorX, 20000);
    }
    if (mode == 2 || mode == 3) {
        dc.MoveTo(0, CursorY);
        dc.LineTo(Clamped(cx - 100), CursorY);
        dc.MoveTo(Clamped(cx + 100), CursorY);
        dc.LineTo(30000, CursorY);
    }
    dc.SelectPen(previous);
}

void TLinetool::DrawShape(DeviceContext& dc, int) {
    const int scale = ScaleDivisor();
    dc.MoveTo(X1 / scale, Y1 / scale);
    dc.LineTo(X2 / scale, Y2 / scale);
}

void TLinetool::KeepWallEnd(int, int) {}

Point TLinetool::KeptWallEnd() const {
    return {X2, Y2};
}

void TLinetool::EraseBand(DeviceContext& dc, const Rect& client) {
    SetViewMapping(dc, client);
    tool_support::ExclusiveOrPen band(dc, Colour);
    DrawShape(dc, 1);
}

void TLinetool::KeyDown(DeviceContext& dc, const Rect& client, int key, Point cursor, int value) {
    if (key != VirtualKey::Return && !VirtualKey::IsArrow(key)) return;
    if (State == LineWithText) State = LineWithTextDrawn;
    if (State == MultilineCopies) {
        MakeParallelCopies(dc, client, cursor);
        State = 0;
        return;
    }
    // The band of a multiline's first line goes before the key fixes its end.
    if (State == MultilineRun && Dragging == 1) EraseBand(dc, client);

    Width = Shared.PenWidth;
    Colour = Shared.DrawingColour;
    if (IsWallRun(Kind)) {
        Shared.PenWidth = 1;
        Width = 1;
        if (Pending == 0) {
            KeyboardStep = 1;
            Pending = 1;
        } else if (Pending == 1) {
            KeyboardStep = 2;
        }
    }

    const int scale = ScaleDivisor();
    if (VirtualKey::IsArrow(key)) {
        // A segment that starts next to the end of the last object starts exactly there.
        if (DrawingList.count > 4) {
            const TObject& last = *DrawingList[DrawingList.count - 1];
            if (Distance(last.x2, X1) < scale) X1 = last.x2;
            if (Distance(last.y2, Y1) < scale) Y1 = last.y2;
        }
        Number = value;
        X2 = X1;
        Y2 = Y1;
        switch (key) {
        case VirtualKey::Up:
            Y2 = Clamped(static_cast<long long>(Y1) + value);
            break;
        case VirtualKey::Right:
            X2 = Clamped(static_cast<long long>(X1) + value);
            break;
        case VirtualKey::Down:
            Y2 = Clamped(static_cast<long long>(Y1) - value);
            break;
        default:
            X2 = Clamped(static_cast<long long>(X1) - value);
            break;
        }
        CursorX = X2 / scale;
        CursorY = Y2 / scale;
        if (Kind == tool_kind::ExternalWall) {
            KeepWallEnd(X2, Y2);
            Angle = key == VirtualKey::Up      ? 0
                    : key == VirtualKey::Right ? 900
                    : key == VirtualKey::Down  ? 1800
                                               : 2700;
        }
        CreateObject(dc, client);
        KeyboardStep = 2;
    } else if (KeyboardStep == 1) {
        X1 = Y1 = 0;
        Width = Shared.PenWidth;
        Colour = Shared.DrawingColour;
        const Point start = tool_support::ToDrawingUnits(dc, client, cursor.x, cursor.y);
        X1 = start.x;
        Y1 = start.y;
        if (Kind == tool_kind::SegmentAtEnter) {
            DrawShape(dc, 1);
            CreateObject(dc, client);
        }
    } else if (KeyboardStep == 2) {
        EndKeyboardSegment(dc, client, tool_support::ToDrawingUnits(dc, client, cursor.x, cursor.y));
    }

    if (KeyboardStep == 1) {
        if (IsWallRun(Kind)) {
            CursorX = X1 / scale;
            CursorY = Y1 / scale;
        }
        KeyboardStep = 2;
    } else {
        const Point end = Kind == tool_kind::ExternalWall ? KeptWallEnd() : Point{X2, Y2};
        tool_support::PutCursorOn(*this, dc, client, end.x, end.y);
        if (IsWallRun(Kind)) {
            KeyboardStep = 2;
            CrossShown = 1;
            X1 = X2;
            Y1 = Y2;
        } else if (State == LineWithTextDrawn) {
            X1 = X2;
            Y1 = Y2;
            KeyboardStep = 1;
        } else {
            KeyboardStep = 1;
        }
    }

    if (State == Multilines) {
        State = MultilineRun;
        Dragging = 1;
        X2 = X1;
        Y2 = Y1;
    } else if (State == MultilineRun) {
        State = MultilineCopies;
        Dragging = 0;
        Pending = 0;
    }
}

// Enter on the end of a segment: wall runs snap to the axes and measure length and bearing; every
// kind then makes the segment, and its end becomes the next start.
void TLinetool::EndKeyboardSegment(DeviceContext& dc, const Rect& client, Point end) {
    X2 = end.x;
    Y2 = end.y;
    const int scale = ScaleDivisor();
    if (IsWallRun(Kind)) {
        Angle = 0;
        const long long tolerance = 10LL * scale;
        if (X2 > X1 && Distance(X2, X1) <= tolerance)
            X2 = X1;
        else if (X2 < X1 && Distance(X2, X1) <= tolerance)
            X2 = X1;
        else if (Y2 > Y1 && Distance(Y2, Y1) <= tolerance)
            Y2 = Y1;
        else if (Y2 < Y1 && Distance(Y2, Y1) <= tolerance)
            Y2 = Y1;

        if (X2 == X1 || Y2 == Y1) {
            if (X2 > X1) {
                Angle = 900;
                Number = Clamped(static_cast<long long>(X2) - X1);
            } else if (X2 < X1) {
                Angle = 2700;
                Number = Clamped(static_cast<long long>(X1) - X2);
            } else if (Y2 < Y1) {
                Angle = 1800;
                Number = Clamped(static_cast<long long>(Y1) - Y2);
            } else {
                Angle = 0;
                Number = Clamped(static_cast<long long>(Y2) - Y1);
            }
        } else {
            // The squares are formed in floating point: a slanting wall longer than 46 m would
            // overflow 32 bits.
            const long long dx = Distance(X2, X1);
            const long long dy = Distance(Y2, Y1);
            const double length = std::sqrt(static_cast<double>(dx) * static_cast<double>(dx) +
                                            static_cast<double>(dy) * static_cast<double>(dy));
            Number = Clamped(static_cast<long long>(length));
            const int bearing = SlantBearing(dx, dy);
            if (X2 > X1 && Y2 > Y1)
                Angle = bearing;
            else if (X2 > X1)
                Angle = 1800 - bearing;
            else if (Y2 <= Y1)
                Angle = 1800 + bearing;
            else
                Angle = 3600 - bearing;
        }
        KeepWallEnd(X2, Y2);
    }
    CursorX = X2 / scale;
    CursorY = Y2 / scale;
    CreateObject(dc, client);
    X1 = X2;
    Y1 = Y2;
    Angle = 0;
}

// The copies of multilines: the last object of the list is the line just drawn. The first copy lies
// at the cursor, moved up or down when the cursor is further from the line's start vertically than
// sideways, else sideways; the others step back towards the first line, Count lines in all.
void TLinetool::MakeParallelCopies(DeviceContext& dc, const Rect& client, Point cursor) {
    const Point at = tool_support::ToDrawingUnits(dc, client, cursor.x, cursor.y);
    Dragging = 0;
    // Fewer than two lines need no copy (and the spacing would divide by zero).
    const int lines = Count;
    if (lines < 2 || DrawingList.count == 0) return;
    const TObject& last = *DrawingList[DrawingList.count - 1];
    const long long a1 = last.x1;
    const long long b1 = last.y1;
    const long long a2 = last.x2;
    const long long b2 = last.y2;
    const long long dx = std::llabs(at.x - a1);
    const long long dy = std::llabs(at.y - b1);
    if (dy > dx) {
        X1 = Clamped(a1);
        Y1 = at.y;
        X2 = Clamped(a2);
        Y2 = Clamped(b2 - b1 + at.y);
        CreateObject(dc, client);
        const long long step = (at.y - b1) / (lines - 1);
        for (int i = 0; i < lines - 2; ++i) {
            Y1 = Clamped(Y1 - step);
            Y2 = Clamped(Y2 - step);
            CreateObject(dc, client);
        }
    } else {
        X1 = at.x;
        Y1 = Clamped(b1);
        X2 = Clamped(a2 - a1 + at.x);
        Y2 = Clamped(b2);
        CreateObject(dc, client);
        const long long step = (at.x - a1) / (lines - 1);
        for (int i = 0; i < lines - 2; ++i) {
            X1 = Clamped(X1 - step);
            X2 = Clamped(X2 - step);
            CreateObject(dc, client);
        }
    }
}

TLineobjtool::TLineobjtool() {
    X1 = Z1 = X2 = Z2 = 0;
    CursorY = 0;
    CrossMode = 0;
    Group = 0;
    Number = 0;
    Angle = 0;
}

void TLineobjtool::CreateObject(DeviceContext& dc, const Rect& client) {
    // 0 is the value of an unset point, so a line touching an axis is never made. The line's type code
    // is the tool's kind, so a command kind (the pick tool, the wall edits) makes none: stored under
    // its code, the line would not come back as a line when the drawing is read again.
    if (X1 != 0 && Y1 != 0 && X2 != 0 && Y2 != 0 && tool_support::StartDiffersFromEnd(*this) &&
        ClassOfType(Kind) == ObjectClass::Line) {
        auto line = std::make_unique<TLineobj>();
        tool_support::FillCommonFields(*line, *this);
        line->lineA = Angle;
        line->lineB = CursorY;
        tool_support::ShowAndKeep(std::move(line), dc, client);
    }
    Pending = Kind == tool_kind::Line || Kind == tool_kind::CornerMarks ? 1 : 0;
}

void TLineobjtool::Action(int code) {
    if (code != 1) return;
    if (Shared.CurrentView == view_code::GroundFloor) CentrePlanOnSheet();
    ComputeFloorArea();
}
