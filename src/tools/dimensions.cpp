// The automatic dimensions of a floor, the arrows every dimension is drawn with, and the texts they show.
#include "tools/dimensions.h"

#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/object_numbers.h"
#include "model/shared_state.h"
#include "model/view_mapping.h"
#include "settings/length_format.h"
#include "tools/line_tool.h"
#include "tools/tool_kinds.h"
#include "tools/tool_support.h"

#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

using dimension_geometry::RadiansPerTenth;
using platform::DeviceContext;
using platform::Point;
using platform::Rect;
using tool_support::Clamped;

namespace {

// A product of a length and a direction component, cut toward zero before it is added.
long long Cut(double value) {
    return static_cast<long long>(value);
}

// The arrow of a dimension with the tool's number and the drawing colour; the tool keeps its shaft.
void AddArrow(TDrawingtool& tool, int type, long long tipX, long long tipY, long long endX, long long endY,
              const long long (&points)[8]) {
    auto arrow = std::make_unique<TArrowobj>();
    arrow->type = type;
    arrow->view = Shared.CurrentView;
    arrow->aux = 0;
    arrow->number = tool.Number;
    arrow->penWidth = 1;
    arrow->penStyle = 0;
    arrow->colour = static_cast<int>(Shared.DrawingColour);
    arrow->x1 = Clamped(tipX);
    arrow->y1 = Clamped(tipY);
    arrow->x2 = Clamped(endX);
    arrow->y2 = Clamped(endY);
    int* const fields[8] = {&arrow->ax1, &arrow->ay1, &arrow->ax2, &arrow->ay2,
                            &arrow->ax3, &arrow->ay3, &arrow->ax4, &arrow->ay4};
    for (int i = 0; i < 8; ++i)
        *fields[i] = Clamped(points[i]);
    tool.X1 = arrow->x1;
    tool.Y1 = arrow->y1;
    tool.X2 = arrow->x2;
    tool.Y2 = arrow->y2;
    tool.LineStyle() = 0;
    DrawingList.Add(std::move(arrow));
}

void AddAutomaticText(const TDrawingtool& tool, long long x, long long y, int direction, int alignment,
                      int orientation, const std::string& text, int size) {
    DrawingList.Add(MakeDimensionText(type_code::DimensionText, tool.Number, {Clamped(x), Clamped(y)},
                                      direction, alignment, orientation, text, size));
}

// The next dimension's number, kept in the tool for its arrows.
void TakeNextNumber(TDrawingtool& tool) {
    tool.Number = NewObjectSerial();
}

// One external wall along a side: the stretch of the side's axis it covers and the length it adds.
struct ChainStep {
    long long low;
    long long high;
    long long length;
};

// The walls of one side of the house whose stretches join end to end, from the outermost in.
struct Chain {
    long long low = 300000;
    long long high = 0;
    int count = 0;
    long long sum = 0;

    void Take(const ChainStep& wall) {
        if (wall.low <= low && wall.high >= high) {
            low = wall.low;
            high = wall.high;
            count = 1;
            sum = wall.length;
        } else if (wall.low <= low && wall.high <= high) {
            low = wall.low;
            ++count;
            sum += wall.length;
        } else if (wall.high >= high && wall.low >= low) {
            high = wall.high;
            ++count;
            sum += wall.length;
        }
    }
};

// The quarter of the compass of a slanting wall: 1 up-right, 2 down-right, 3 down-left, 4 up-left. A
// bearing on a boundary while both coordinates differ (a wall whose bearing was stored unreduced or
// rounded onto an axis) takes its quarter from the wall's own run and rise.
int QuadrantOf(int bearing, const TObject& wall) {
    if (bearing > 0 && bearing < 900) return 1;
    if (bearing > 900 && bearing < 1800) return 2;
    if (bearing > 1800 && bearing < 2700) return 3;
    if (bearing > 2700) return 4;
    const bool right = wall.x2 > wall.x1;
    const bool up = wall.y2 > wall.y1;
    if (right) return up ? 1 : 2;
    return up ? 4 : 3;
}

int ReducedBearing(int bearing) {
    const int reduced = bearing % 3600;
    return reduced < 0 ? reduced + 3600 : reduced;
}

// A slanting wall's dimension: an arrow at each end and the length at its middle, all moved out to the
// left of the wall (its outside), the text turned with the wall.
void DimensionSlantingWall(TDrawingtool& tool, const TExtwallobj& wall, const DimensionSettings& offsets,
                           const std::string& text) {
    const int bearing = ReducedBearing(wall.ewall6);
    const int quadrant = QuadrantOf(bearing, wall);
    const int e = offsets.externalOffset;
    AddAngledDimensionArrow(tool, wall.x1, wall.y1, bearing, quadrant, 1, e);
    AddAngledDimensionArrow(tool, wall.x2, wall.y2, bearing, quadrant, 2, e);

    const long long dx = std::llabs(static_cast<long long>(wall.x2) - wall.x1);
    const long long dy = std::llabs(static_cast<long long>(wall.y2) - wall.y1);
    const double length = std::sqrt(static_cast<double>(dx) * static_cast<double>(dx) +
                                    static_cast<double>(dy) * static_cast<double>(dy));
    // The wall's angle off the axis that bounds its quarter, on the text's side.
    static constexpr int Bounds[] = {0, 0, 1800, 1800, 3600};
    const double theta = std::abs(Bounds[quadrant] - bearing) * RadiansPerTenth;
    long long along = Cut(e * std::cos(theta));
    long long across = Cut(e * std::sin(theta));
    // A short wall's text would sit on its arrows: it goes out twice as far.
    if (10.0 * tool_support::ScaleDivisor() > length) {
        along *= 2;
        across *= 2;
    }
    const long long x1 = wall.x1;
    const long long y1 = wall.y1;
    long long x = 0;
    long long y = 0;
    int alignment = 6;
    int turn = 0;
    switch (quadrant) {
    case 1:
        x = x1 + dx / 2 - along, y = y1 + dy / 2 + across, turn = bearing + 2700;
        break;
    case 2:
        x = x1 + dx / 2 + along, y = y1 - dy / 2 + across, turn = bearing - 900;
        break;
    case 3:
        x = x1 - dx / 2 + along, y = y1 - dy / 2 - across, alignment = 4, turn = bearing + 900;
        break;
    default:
        x = x1 - dx / 2 - along, y = y1 + dy / 2 - across, alignment = 4, turn = bearing - 2700;
        break;
    }
    // Texts of walls running steeply down-right or up-left would read upside down: they turn over.
    int orientation = 0;
    if (turn > 1)
        orientation =
            (bearing > 1350 && bearing < 1800) || (bearing > 3150 && bearing < 3600) ? turn + 1800 : turn;
    AddAutomaticText(tool, x, y, bearing, alignment, orientation % 3600, text, offsets.dimensionTextSize);
}

// One wall's dimension: two arrows on the wall's outside at the external offset and its length between
// them.
void DimensionWall(TDrawingtool& tool, const TExtwallobj& wall, const DimensionSettings& offsets) {
    const std::string text = LengthText(wall.number, Shared.Units, WholeInchEnding::Blank);
    const long long x1 = wall.x1, y1 = wall.y1, x2 = wall.x2, y2 = wall.y2;
    const long long e = offsets.externalOffset;
    const int size = offsets.dimensionTextSize;
    // Vertical walls' texts turn with the wall whenever the text orientation is set at all.
    const bool turned = offsets.textDirection > 0;
    if (y1 == y2 && x1 < x2) {
        AddDimensionArrow(tool, type_code::AutomaticDimension, Clamped(x1), Clamped(y1 + e),
                          arrow_side::Left);
        AddDimensionArrow(tool, type_code::AutomaticDimension, Clamped(x2), Clamped(y2 + e),
                          arrow_side::Right);
        AddAutomaticText(tool, x1 + (x2 - x1) / 2, y1 + e, 900, 6, 0, text, size);
    } else if (y1 == y2 && x1 > x2) {
        AddDimensionArrow(tool, type_code::AutomaticDimension, Clamped(x2), Clamped(y2 - e),
                          arrow_side::Left);
        AddDimensionArrow(tool, type_code::AutomaticDimension, Clamped(x1), Clamped(y1 - e),
                          arrow_side::Right);
        AddAutomaticText(tool, x2 + (x1 - x2) / 2, y1 - e, 2700, 4, 0, text, size);
    } else if (x1 == x2 && y2 > y1) {
        AddDimensionArrow(tool, type_code::AutomaticDimension, Clamped(x2 - e), Clamped(y2), arrow_side::Top);
        AddDimensionArrow(tool, type_code::AutomaticDimension, Clamped(x1 - e), Clamped(y1),
                          arrow_side::Bottom);
        AddAutomaticText(tool, x1 - e, y1 + (y2 - y1) / 2, 0, 6, turned ? 2700 : 0, text, size);
    } else if (x1 == x2 && y1 > y2) {
        AddDimensionArrow(tool, type_code::AutomaticDimension, Clamped(x2 + e), Clamped(y2),
                          arrow_side::Bottom);
        AddDimensionArrow(tool, type_code::AutomaticDimension, Clamped(x1 + e), Clamped(y1), arrow_side::Top);
        AddAutomaticText(tool, x1 + e, y2 + (y1 - y2) / 2, 1800, turned ? 4 : 6, turned ? 2700 : 0, text,
                         size);
    } else if (x1 != x2 && y1 != y2) {
        DimensionSlantingWall(tool, wall, offsets, text);
    }
}

bool IsFloorWall(const TObject& object) {
    return object.type == type_code::ExternalWall && object.view == Shared.CurrentView;
}

// Throws away the floor's automatic dimensions and makes them again from its external walls, then saves.
void DimensionFloor(TDrawingtool& tool, DeviceContext& dc, const Rect& client,
                    const DimensionSettings& offsets) {
    DeleteAutoDimensions();
    tool.Kind = tool_kind::AutoDimensioned;
    // The dimensions are appended as the walls are met; only the walls there at the start are visited.
    const int walls = DrawingList.count;
    int counted = 0;
    for (int i = 0; i < walls; ++i) {
        const TObject& object = *DrawingList[i];
        if (!IsFloorWall(object)) continue;
        ++counted;
        TakeNextNumber(tool);
        DimensionWall(tool, static_cast<const TExtwallobj&>(object), offsets);
    }
    // Four walls make a rectangle, whose sides each wall's own dimension already gives.
    if (counted > 4)
        AddExtWallDimensionTexts(tool, dc, client, offsets.overallOffset, offsets.textDirection,
                                 offsets.dimensionTextSize);
    DrawingList.WriteDrawing();
}

} // namespace

DimensionSettings ReadDimensionOffsets() {
    return ReadDimensionSettings(Shared.Units == 1 ? 1 : 0);
}

std::unique_ptr<TTextobj> MakeDimensionText(int type, int number, Point anchor, int direction, int alignment,
                                            int orientation, std::string_view text, int size) {
    auto object = std::make_unique<TTextobj>();
    object->type = type;
    object->view = Shared.CurrentView;
    object->aux = 0;
    object->number = number;
    object->penWidth = 1;
    object->penStyle = 0;
    object->x1 = anchor.x;
    object->y1 = anchor.y;
    object->x2 = direction;
    object->colour = static_cast<int>(Shared.DrawingColour);
    SetObjectString(object->text, object->textLength, text);
    SetObjectString(object->fontName, object->fontNameLength, DrawingList.FontName);
    object->escapement = orientation;
    object->alignment = alignment;
    object->weight = Shared.FontWeight;
    object->size = size;
    return object;
}

void AddDimensionArrow(TDrawingtool& tool, int type, int x, int y, int side) {
    const long long s = tool_support::ScaleDivisor();
    const long long tx = x;
    const long long ty = y;
    switch (side) {
    case arrow_side::Left:
        AddArrow(tool, type, tx, ty, tx + 40 * s, ty,
                 {tx + 20 * s, ty + 5 * s, tx + 20 * s, ty - 5 * s, tx, ty + 20 * s, tx, ty - 20 * s});
        break;
    case arrow_side::Right:
        AddArrow(tool, type, tx, ty, tx - 40 * s, ty,
                 {tx - 20 * s, ty + 5 * s, tx - 20 * s, ty - 5 * s, tx, ty + 20 * s, tx, ty - 20 * s});
        break;
    case arrow_side::Top:
        AddArrow(tool, type, tx, ty, tx, ty - 40 * s,
                 {tx - 5 * s, ty - 20 * s, tx + 5 * s, ty - 20 * s, tx - 20 * s, ty, tx + 20 * s, ty});
        break;
    case arrow_side::Bottom:
        AddArrow(tool, type, tx, ty, tx, ty + 40 * s,
                 {tx - 5 * s, ty + 20 * s, tx + 5 * s, ty + 20 * s, tx - 20 * s, ty, tx + 20 * s, ty});
        break;
    default:
        break;
    }
}

void AddAngledDimensionArrow(TDrawingtool& tool, int x, int y, int bearing, int quadrant, int end,
                             int offset) {
    // n is the wall's left normal, u its direction of travel; each quarter of the compass takes them
    // from the angle that lies within it.
    double nx = 0.0, ny = 0.0, ux = 0.0, uy = 0.0;
    int barbSide = 1;
    int tickSide = 1;
    switch (quadrant) {
    case 1: {
        const double phi = (900 - bearing) * RadiansPerTenth, theta = bearing * RadiansPerTenth;
        nx = -std::sin(phi), ny = std::cos(phi), ux = std::sin(theta), uy = std::cos(theta);
        break;
    }
    case 2: {
        const double phi = (1800 - bearing) * RadiansPerTenth, theta = (bearing - 900) * RadiansPerTenth;
        nx = std::cos(phi), ny = std::sin(phi), ux = std::cos(theta), uy = -std::sin(theta);
        tickSide = -1;
        break;
    }
    case 3: {
        const double phi = (2700 - bearing) * RadiansPerTenth, theta = (bearing - 1800) * RadiansPerTenth;
        nx = std::sin(phi), ny = -std::cos(phi), ux = -std::sin(theta), uy = -std::cos(theta);
        barbSide = -1;
        tickSide = -1;
        break;
    }
    default: {
        const double phi = (3600 - bearing) * RadiansPerTenth, theta = (bearing - 2700) * RadiansPerTenth;
        nx = -std::cos(phi), ny = -std::sin(phi), ux = -std::cos(theta), uy = std::sin(theta);
        barbSide = -1;
        break;
    }
    }
    const double s = tool_support::ScaleDivisor();
    const long long tipX = x + Cut(offset * nx);
    const long long tipY = y + Cut(offset * ny);
    // The shaft and the barbs' base run along the wall from the tip, inwards from either end.
    const long long along = end == 1 ? 1 : -1;
    const long long endX = tipX + along * Cut(40 * s * ux);
    const long long endY = tipY + along * Cut(40 * s * uy);
    const long long baseX = tipX + along * Cut(20 * s * ux);
    const long long baseY = tipY + along * Cut(20 * s * uy);
    const long long barbX = barbSide * Cut(5 * s * nx);
    const long long barbY = barbSide * Cut(5 * s * ny);
    const long long tickX = tickSide * Cut(20 * s * nx);
    const long long tickY = tickSide * Cut(20 * s * ny);
    AddArrow(tool, type_code::AutomaticDimension, tipX, tipY, endX, endY,
             {baseX + barbX, baseY + barbY, baseX - barbX, baseY - barbY, tipX + tickX, tipY + tickY,
              tipX - tickX, tipY - tickY});
}

void DeleteAutoDimensions() {
    std::vector<bool> automatic(static_cast<std::size_t>(DrawingList.count), false);
    bool any = false;
    for (int i = 0; i < DrawingList.count; ++i) {
        const TObject& object = *DrawingList[i];
        if (object.view == Shared.CurrentView &&
            (object.type == type_code::AutomaticDimension || object.type == type_code::DimensionText)) {
            automatic[static_cast<std::size_t>(i)] = true;
            any = true;
        }
    }
    if (any) DrawingList.RemoveMarked(automatic);
}

void AddExtWallDimensionTexts(TDrawingtool& tool, DeviceContext& /*dc*/, const Rect& /*client*/,
                              int overallOffset, int orientation, int textSize) {
    Chain top, bottom, right, left;
    for (int i = 0; i < DrawingList.count; ++i) {
        const TObject& object = *DrawingList[i];
        if (!IsFloorWall(object)) continue;
        const auto& wall = static_cast<const TExtwallobj&>(object);
        const long long x1 = wall.x1, y1 = wall.y1, x2 = wall.x2, y2 = wall.y2;
        // A slanting wall adds what it covers along each axis, whatever bearing it was stored with.
        const bool slanting = x1 != x2 && y1 != y2;
        const long long alongX = slanting ? std::llabs(x2 - x1) : wall.number;
        const long long alongY = slanting ? std::llabs(y2 - y1) : wall.number;
        if (x1 < x2) top.Take({x1, x2, alongX});
        if (x1 > x2) bottom.Take({x2, x1, alongX});
        if (y1 > y2) right.Take({y2, y1, alongY});
        if (y2 > y1) left.Take({y1, y2, alongY});
    }
    const long long o = overallOffset;
    const auto sumText = [](const Chain& chain) { return LengthText(Clamped(chain.sum), Shared.Units); };
    constexpr int Arrow = type_code::AutomaticDimension;
    if (top.count > 1) {
        TakeNextNumber(tool);
        const int y = Clamped(right.high + o);
        AddDimensionArrow(tool, Arrow, Clamped(top.low), y, arrow_side::Left);
        AddDimensionArrow(tool, Arrow, Clamped(top.high), y, arrow_side::Right);
        AddAutomaticText(tool, top.low + (top.high - top.low) / 2, y, 900, 6, 0, sumText(top), textSize);
    }
    // Only a text orientation of exactly 2700 turns the overall side texts.
    const bool turned = orientation == 2700;
    if (right.count > 1) {
        TakeNextNumber(tool);
        const int x = Clamped(top.high + o);
        AddDimensionArrow(tool, Arrow, x, Clamped(right.high), arrow_side::Top);
        AddDimensionArrow(tool, Arrow, x, Clamped(right.low), arrow_side::Bottom);
        AddAutomaticText(tool, x, right.low + (right.high - right.low) / 2, 1800, turned ? 4 : 6,
                         turned ? 2700 : 0, sumText(right), textSize);
    }
    if (bottom.count > 1) {
        TakeNextNumber(tool);
        const int y = Clamped(left.low - o);
        AddDimensionArrow(tool, Arrow, Clamped(bottom.low), y, arrow_side::Left);
        AddDimensionArrow(tool, Arrow, Clamped(bottom.high), y, arrow_side::Right);
        AddAutomaticText(tool, bottom.low + (bottom.high - bottom.low) / 2, y, 2700, 4, 0, sumText(bottom),
                         textSize);
    }
    if (left.count > 1) {
        TakeNextNumber(tool);
        const int x = Clamped(bottom.low - o);
        AddDimensionArrow(tool, Arrow, x, Clamped(left.high), arrow_side::Top);
        AddDimensionArrow(tool, Arrow, x, Clamped(left.low), arrow_side::Bottom);
        AddAutomaticText(tool, x, left.low + (left.high - left.low) / 2, 0, 6, turned ? 2700 : 0,
                         sumText(left), textSize);
    }
}

void TLineobjtool::AddDimension(DeviceContext& dc, const Rect& client, int x, int y, int /*code*/,
                                int /*side*/) {
    const DimensionSettings offsets = ReadDimensionOffsets();
    SetViewMapping(dc, client);
    if (State == ManualDimension || State == ManualDimensionSecond || State == ManualDimensionText) {
        AddManualDimension(*this, dc, client, x, y, offsets.textDirection, offsets.roomDimensionTextSize);
        return;
    }
    DimensionFloor(*this, dc, client, offsets);
}
