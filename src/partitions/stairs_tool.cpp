#include "partitions/stairs_tool.h"

#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/object_numbers.h"
#include "model/shared_state.h"
#include "platform/input.h"
#include "tools/tool_kinds.h"
#include "tools/tool_support.h"

using platform::DeviceContext;
using platform::Point;
using platform::Rect;
using tool_support::Clamped;

namespace {

// The information record that must exist before stairs go up from a floor: the first floor's under
// the ground floor, the second floor's under the first (and the second) floor. Other views have none.
int RecordNeededOn(int view) {
    switch (view) {
    case view_code::GroundFloor:
        return type_code::FloorRecordBase + view_code::FirstFloor;
    case view_code::FirstFloor:
    case view_code::SecondFloor:
        return type_code::FloorRecordBase + view_code::SecondFloor;
    default:
        return 0;
    }
}

} // namespace

TStepobjtool::TStepobjtool() {
    Kind = tool_kind::Stairs;
}

StairSettings TStepobjtool::ReadSteps() const {
    return ReadStairSettings(Shared.Units);
}

void TStepobjtool::Step(int width, int stairwellLength, int style) {
    const StairSettings steps = ReadSteps();
    Riser = steps.riser;
    Tread = steps.tread;
    // Both divide below; the caller refuses the stairs.
    if (!HasUsableSteps()) return;
    const int record = RecordNeededOn(Shared.CurrentView);
    if (record != 0 && DrawingList.FindType(record) == NoObjectIndex) return;

    const int height = StoreyHeight();
    StairWidth = width;
    StairwellLength() = stairwellLength;
    StairStyle() = style;
    TreadCount = height / Riser;
    if (style == HalfwayLanding) {
        // Half the storey to the landing, truncated before the division.
        TreadCount = height / 2 / Riser - 1;
        // The flight and a landing as deep as the stairs are wide.
        RunLength = Clamped(static_cast<long long>(TreadCount) * Tread + StairWidth);
    } else if (style == StraightFlight) {
        TreadCount = height / Riser - 1;
        RunLength = Clamped(static_cast<long long>(TreadCount) * Tread);
    }
    OutlineShown = 0;
    X1 = 0;
    Y1 = 0;
}

void TStepobjtool::MouseMove(DeviceContext& dc, const Rect& client, int x, int y) {
    if (DragActive() != 1) return;
    const Point at = tool_support::ToDrawingUnits(dc, client, x, y);
    if (at.x == X1 && at.y == Y1) return;
    if (OutlineShown > 0) DrawShape(dc, 1);
    X1 = at.x;
    Y1 = at.y;
    DrawShape(dc, 1);
    OutlineShown = 1;
}

void TStepobjtool::DrawShape(DeviceContext& dc, int /*code*/) {
    const long long x = X1;
    const long long y = Y1;
    const long long run = RunLength;
    // Two flights side by side are twice the width across; one flight is centred on the cursor.
    const bool twoFlights = StairStyle() == HalfwayLanding;
    const long long across = twoFlights ? StairWidth : StairWidth / 2;
    // Two opposite corners, (ax, ay) and (bx, by).
    long long ax = 0;
    long long ay = 0;
    long long bx = 0;
    long long by = 0;
    switch (TopTreadSide()) {
    case TopOfScreen:
        ax = x - across, ay = y, bx = x + across, by = y - run;
        break;
    case RightOfScreen:
        if (twoFlights)
            ax = x, ay = y + across, bx = x - run, by = y - across;
        else
            ax = x - run, ay = y + across, bx = x, by = y - across;
        break;
    case BottomOfScreen:
        ax = x - across, ay = y + run, bx = x + across, by = y;
        break;
    case LeftOfScreen:
        ax = x, ay = y + across, bx = x + run, by = y - across;
        break;
    default:
        return;
    }
    const int scale = tool_support::ScaleDivisor();
    tool_support::ExclusiveOrPen outline(dc, Shared.DrawingColour);
    const platform::Brush previous = dc.SelectBrush(platform::Brush::NullBrush());
    dc.Rectangle(Clamped(ax / scale), Clamped(ay / scale), Clamped(bx / scale), Clamped(by / scale));
    dc.SelectBrush(previous);
}

void TStepobjtool::KeyDown(DeviceContext& dc, const Rect& client, int key, Point cursor, int /*value*/) {
    // The view passes a further Enter once the stairs are placed: it must not place them again, one
    // floor higher.
    if (key != platform::VirtualKey::Return || Started() != 0) return;
    DragActive() = 0;
    PenWidth() = 1;
    Colour = Shared.DrawingColour;
    PenStyle() = 0;
    Kind = tool_kind::Line;          // the stairs are plain lines
    RunNumber() = NewObjectSerial(); // one group for both floors
    const Point at = tool_support::ToDrawingUnits(dc, client, cursor.x, cursor.y);

    const int style = StairStyle();
    if (style == HalfwayLanding || style == StraightFlight) {
        if (style == StraightFlight && StairwellLength() == 0) StairwellLength() = RunLength;
        for (int pass = 0; pass < 2; ++pass) {
            if (pass == 1) ++Shared.CurrentView;
            if (style == HalfwayLanding)
                PlaceHalfwayLanding(at.x, at.y);
            else
                PlaceStraightFlight(at.x, at.y, pass == 0 ? RunLength : StairwellLength());
            DrawingList.WriteDrawing();
        }
    }
    Kind = tool_kind::Stairs;
}

void TStepobjtool::Line(long long x1, long long y1, long long x2, long long y2) {
    X1 = Clamped(x1);
    Y1 = Clamped(y1);
    X2 = Clamped(x2);
    Y2 = Clamped(y2);
    AddStairLine(*this);
}

// The outline of both flights, the landing, the line between the flights, then the treads; the
// landing lies on the last tread. Stored drawings keep this order of lines and of their ends.
void TStepobjtool::PlaceHalfwayLanding(int atX, int atY) {
    const long long x = atX;
    const long long y = atY;
    const long long w = StairWidth;
    const long long l = RunLength;
    const long long t = Tread;
    const int treads = TreadCount;
    switch (TopTreadSide()) {
    case TopOfScreen:
        Line(x + w, y, x - w, y);
        Line(x - w, y, x - w, y - l);
        Line(x - w, y - l, x + w, y - l);
        Line(x + w, y - l, x + w, y);
        Line(x - w, y - l + w, x + w, y - l + w);
        Line(x, y, x, y - l + w);
        for (int k = 1; k <= treads; ++k)
            Line(x - w, y - k * t, x + w, y - k * t);
        break;
    case RightOfScreen:
        Line(x, y + w, x - l, y + w);
        Line(x - l, y + w, x - l, y - w);
        Line(x - l, y - w, x, y - w);
        Line(x, y - w, x, y + w);
        Line(x - l + w, y + w, x - l + w, y - w);
        Line(x, y, x - l + w, y);
        for (int k = 1; k <= treads; ++k)
            Line(x - k * t, y + w, x - k * t, y - w);
        break;
    case BottomOfScreen:
        Line(x - w, y, x + w, y);
        Line(x + w, y, x + w, y + l);
        Line(x + w, y + l, x - w, y + l);
        Line(x - w, y + l, x - w, y);
        Line(x - w, y + l - w, x + w, y + l - w);
        Line(x, y, x, y + l - w);
        for (int k = 1; k <= treads; ++k)
            Line(x - w, y + k * t, x + w, y + k * t);
        break;
    case LeftOfScreen:
        Line(x, y + w, x, y - w);
        Line(x, y - w, x + l, y - w);
        Line(x + l, y - w, x + l, y + w);
        Line(x + l, y + w, x, y + w);
        Line(x + l - w, y + w, x + l - w, y - w);
        Line(x, y, x + l - w, y);
        for (int k = 1; k <= treads; ++k)
            Line(x + k * t, y + w, x + k * t, y - w);
        break;
    default:
        break;
    }
}

// A closed rectangle of the stair width and the run, then a tread every Tread along it.
void TStepobjtool::PlaceStraightFlight(int atX, int atY, int runLength) {
    const long long x = atX;
    const long long y = atY;
    const long long h = StairWidth / 2;
    const long long r = runLength;
    const long long t = Tread;
    const long long treads = Tread > 0 ? r / t : 0;
    switch (TopTreadSide()) {
    case TopOfScreen:
        Line(x - h, y, x - h, y - r);
        Line(x - h, y - r, x + h, y - r);
        Line(x + h, y - r, x + h, y);
        Line(x + h, y, x - h, y);
        for (long long k = 1; k <= treads; ++k)
            Line(x - h, y - k * t, x + h, y - k * t);
        break;
    case RightOfScreen:
        Line(x, y - h, x, y + h);
        Line(x, y + h, x - r, y + h);
        Line(x - r, y + h, x - r, y - h);
        Line(x - r, y - h, x, y - h);
        for (long long k = 1; k <= treads; ++k)
            Line(x - k * t, y + h, x - k * t, y - h);
        break;
    case BottomOfScreen:
        Line(x - h, y, x + h, y);
        Line(x + h, y, x + h, y + r);
        Line(x - h, y + r, x + h, y + r);
        Line(x - h, y + r, x - h, y);
        for (long long k = 1; k <= treads; ++k)
            Line(x - h, y + k * t, x + h, y + k * t);
        break;
    case LeftOfScreen:
        Line(x, y + h, x, y - h);
        Line(x, y - h, x + r, y - h);
        Line(x + r, y - h, x + r, y + h);
        Line(x + r, y + h, x, y + h);
        for (long long k = 1; k <= treads; ++k)
            Line(x + k * t, y + h, x + k * t, y - h);
        break;
    default:
        break;
    }
}

void AddStairLine(TStepobjtool& tool) {
    auto line = std::make_unique<TLineobj>();
    tool_support::FillCommonFields(*line, tool);
    line->number = 0;
    line->lineA = tool.StoreyHeight();
    line->lineB = 0;
    DrawingList.Add(std::move(line));
}
