#include "partitions/opening_label.h"

#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "partitions/opening_geometry.h"
#include "partitions/wall_opening.h"
#include "partitions/window_tool.h"
#include "settings/cfg_files.h"
#include "settings/length_format.h"
#include "tools/object_creation.h"
#include "tools/tool_support.h"

#include <cmath>
#include <memory>

using platform::DeviceContext;
using platform::Rect;
using tool_support::Clamped;

namespace {

// Where the label goes and how it reads.
struct LabelPlace {
    long long dx = 0; // from the insertion point
    long long dy = 0;
    int escapement = 0;
    int alignment = 6;
    int wallCode = 0;
};

LabelPlace AxisLabelPlace(int direction, long long d) {
    switch (direction) {
    case TWindowobjtool::RunsRight:
        return {0, d, 0, 6, 900};
    case TWindowobjtool::RunsLeft:
        return {0, -d, 0, 4, 2700};
    case TWindowobjtool::RunsDown:
        return {d, 0, 2700, 4, 1800};
    default:
        return {-d, 0, 2700, 6, 0};
    }
}

// Outside an angled wall of `angle`, the text along the wall and upright.
LabelPlace AngledLabelPlace(int angle, long long d) {
    const WallQuadrant q = QuadrantOf(angle);
    const double sine = std::sin(q.radians);
    const double cosine = std::cos(q.radians);
    const double distance = static_cast<double>(d);
    LabelPlace place;
    place.wallCode = angle;
    switch (q.quadrant) {
    case 1:
        place.dx = -RoundToLong(distance * cosine), place.dy = RoundToLong(distance * sine);
        place.alignment = 6;
        break;
    case 2:
        place.dx = RoundToLong(distance * sine), place.dy = RoundToLong(distance * cosine);
        place.alignment = 6;
        break;
    case 3:
        place.dx = RoundToLong(distance * cosine), place.dy = -RoundToLong(distance * sine);
        place.alignment = 4;
        break;
    default:
        place.dx = -RoundToLong(distance * sine), place.dy = -RoundToLong(distance * cosine);
        place.alignment = 4;
        break;
    }
    if (angle >= 1 && angle <= 899)
        place.escapement = angle + 2700;
    else if (angle >= 901 && angle <= 1799)
        place.escapement = angle - 900;
    else if (angle >= 1801 && angle <= 2699)
        place.escapement = angle + 900;
    else if (angle >= 2701 && angle <= 3599)
        place.escapement = angle - 2700;
    return place;
}

} // namespace

void AddOpeningSizeLabel(TWindowobjtool& tool, DeviceContext& dc, const Rect& client) {
    const WindowSettings settings = ReadWindowSettings(Shared.Units);
    // Two inches, or 50 mm; a cill takes the first of it.
    long long d = Shared.Units == 0 ? 48 : 50;
    if (tool.ShowCill == 1) d *= 2;
    const int direction = tool.WallDirection();
    const LabelPlace place = direction > 0 ? AngledLabelPlace(direction, d) : AxisLabelPlace(direction, d);
    tool.WallAngle() = place.wallCode;
    // Openings carry no label, only windows.
    if (BuildingType(tool.OpeningType) != TWindowobjtool::WindowType || tool.ShowSizes != 1) return;

    auto label = std::make_unique<TTextobj>();
    SetOpeningPartFields(*label, tool, type_code::SizeText);
    label->aux = 0;
    label->x1 = Clamped(tool.InsertX + place.dx);
    label->y1 = Clamped(tool.InsertY + place.dy);
    label->x2 = place.wallCode;
    label->y2 = 0;
    label->z1 = 0;
    SetObjectString(label->text, label->textLength,
                    OpeningSizeText(tool.OpeningWidth, tool.Height, Shared.Units));
    SetObjectString(label->fontName, label->fontNameLength, DrawingList.FontName);
    label->weight = Shared.FontWeight;
    label->size = settings.textSize;
    label->escapement = place.escapement;
    label->alignment = place.alignment;
    ShowAndAppend(std::move(label), dc, client);
}
