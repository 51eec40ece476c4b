// The line tool's edits of a line already drawn: lengthening or shortening it, and the text beside it.
#include "tools/line_tool.h"

#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/object_painting.h"
#include "model/shared_state.h"
#include "model/view_mapping.h"
#include "tools/dimensions.h"
#include "tools/object_creation.h"
#include "tools/tool_support.h"

#include <cmath>
#include <cstdlib>

using dimension_geometry::RadiansPerTenth;
using platform::DeviceContext;
using platform::Rect;
using tool_support::Clamped;

namespace {

// Where a line text goes and how it reads: its anchor before it is moved off the line, the line's
// direction (kept in the text's x2) and the text's escapement, tenths of a degree.
struct LinePlacement {
    long long x = 0;
    long long y = 0;
    int direction = 0;
    int orientation = 0;
};

long long Middle(long long a, long long b) {
    return std::min(a, b) + (std::max(a, b) - std::min(a, b)) / 2;
}

LinePlacement PlaceOnLine(const TObject& line) {
    const long long x1 = line.x1, y1 = line.y1, x2 = line.x2, y2 = line.y2;
    LinePlacement at{Middle(x1, x2), Middle(y1, y2), 0, 0};
    if (y1 == y2) {
        at.y = y1;
        at.direction = x1 < x2 ? 900 : 2700;
    } else if (x1 == x2) {
        at.x = x1;
        at.orientation = 2700;
        at.direction = y1 < y2 ? 1800 : 0;
    } else {
        const double slope =
            static_cast<double>(std::llabs(x2 - x1)) / static_cast<double>(std::llabs(y2 - y1));
        const int a = RoundToLong(std::atan(slope) * 572.9578);
        if (x1 < x2)
            at.direction = y1 < y2 ? a : 1800 - a;
        else
            at.direction = y1 > y2 ? a + 1800 : 3600 - a;
        const int d = at.direction;
        at.orientation = (d >= 0 && d <= 900) || (d >= 1801 && d <= 2700) ? a + 2700 : 900 - a;
    }
    return at;
}

// The anchor moved q drawing units off the line: above or left of it for side 1 (the text's bottom centre
// on the anchor, position code 6), else below or right (top centre, code 4).
int MoveOffLine(const TObject& line, LinePlacement& at, int side, long long q) {
    const bool first = side == 1;
    if (line.y1 == line.y2) {
        at.y += first ? q : -q;
    } else if (line.x1 == line.x2) {
        at.x += first ? -q : q;
    } else {
        const int d = at.direction;
        const int t = d < 900 ? 900 - d : d < 1800 ? d - 900 : d < 2700 ? 2700 - d : d - 2700;
        const long long s = static_cast<long long>(q * std::sin(t * RadiansPerTenth));
        const long long c = static_cast<long long>(q * std::cos(t * RadiansPerTenth));
        const bool leftward = d < 900 || (d >= 1801 && d <= 2699);
        if (first) {
            at.x += leftward ? -s : s;
            at.y += c;
        } else {
            at.x += leftward ? s : -s;
            at.y -= c;
        }
    }
    return first ? 6 : 4;
}

// Of the two ends a and b of a line along one axis, the one nearer the cursor (the lower on a tie)
// moves `away` units further from the other; a negative amount moves it towards it.
void MoveNearerEnd(int& a, int& b, long long cursor, long long away) {
    int& low = a < b ? a : b;
    int& high = a < b ? b : a;
    if (cursor - low <= high - cursor)
        low = Clamped(low - away);
    else
        high = Clamped(high + away);
}

} // namespace

void TLineobjtool::Step(int amount, int x, int y) {
    if (State != LengthenLine && State != ShortenLine) return;
    const int index = Aux2();
    if (index < 0 || index >= DrawingList.count) return;
    TObject& line = *DrawingList.Edit(index);
    if (line.x1 == line.x2 && line.y1 == line.y2) return;
    // The end nearer the cursor moves, a tie going to the lower or left end: away from the other end
    // when lengthening, towards it when shortening.
    const long long away = State == LengthenLine ? amount : -static_cast<long long>(amount);
    if (line.x1 == line.x2)
        MoveNearerEnd(line.y1, line.y2, y, away);
    else if (line.y1 == line.y2)
        MoveNearerEnd(line.x1, line.x2, x, away);
}

void TLineobjtool::AddLineText(DeviceContext& dc, const Rect& client, int /*firstIndex*/, int /*unused*/) {
    const DimensionSettings offsets = ReadDimensionOffsets();
    if (DrawingList.count == 0) return;
    const TObject& line = *DrawingList[DrawingList.count - 1];
    if (line.type != type_code::Line) return;
    LinePlacement at = PlaceOnLine(line);
    Angle = at.direction;
    const LineTextSettings settings = ReadLineText();
    if (settings.text.empty()) {
        State = LineWithText;
        return;
    }
    // The text stands a quarter of its line height off the line.
    SetViewMapping(dc, client);
    const int scale = tool_support::ScaleDivisor();
    const int weight = Shared.FontWeight < 500 ? 400 : 700;
    const platform::Font previous = dc.SelectFont(
        TextFont(DrawingList.FontName, Clamped(static_cast<long long>(offsets.roomDimensionTextSize) * scale),
                 at.orientation, weight));
    const platform::TextMetrics metrics = dc.GetTextMetrics();
    dc.SelectFont(previous);
    const long long q = (static_cast<long long>(metrics.height) + metrics.externalLeading) * scale / 4;
    const int alignment = MoveOffLine(line, at, settings.side, q);

    DrawingList.Add(MakeDimensionText(type_code::SizeText, 0, {Clamped(at.x), Clamped(at.y)}, at.direction,
                                      alignment, at.orientation, settings.text,
                                      offsets.roomDimensionTextSize));
    DrawingList[DrawingList.count - 1]->PaintMapped(dc, client, 0);
    State = LineWithText;
}
