#include "partitions/wall_opening.h"

#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/object_numbers.h"
#include "model/shared_state.h"
#include "model/symbol_file.h"
#include "partitions/door_swings.h"
#include "partitions/french_doors.h"
#include "partitions/main_entry.h"
#include "partitions/opening_geometry.h"
#include "partitions/opening_label.h"
#include "partitions/window_tool.h"
#include "tools/tool_support.h"

#include <memory>

using platform::DeviceContext;
using platform::Rect;
using tool_support::Clamped;

namespace {

// The opening on the wall line from (x1, y1) to (x2, y2) and the step across the wall to its inner
// face.
struct Opening {
    OpeningEnds ends;
    long long stepX = 0;
    long long stepY = 0;
};

// A door's hinge end first along a wall along x for handings 5 and 6, along y for 1 and 3.
bool HingeEndFirst(int direction, int handing) {
    if (direction == TWindowobjtool::RunsRight || direction == TWindowobjtool::RunsLeft)
        return handing == 5 || handing == 6;
    return handing == 1 || handing == 3;
}

Opening OpeningInAxisWall(TWindowobjtool& tool, int type) {
    const long long px = tool.InsertX;
    const long long py = tool.InsertY;
    const long long w = tool.OpeningWidth;
    const long long half = tool.OpeningWidth / 2;
    const long long t = tool.WallThickness();
    const bool door = type == TWindowobjtool::ExternalDoorType;
    const bool hingeFirst = door && HingeEndFirst(tool.WallDirection(), tool.Handing());
    Opening o;
    switch (tool.WallDirection()) {
    case TWindowobjtool::RunsRight:
        o.stepY = -t;
        o.ends = hingeFirst ? OpeningEnds{px, py, px + w, py}
                 : door     ? OpeningEnds{px - w, py, px, py}
                            : OpeningEnds{px + half, py, px - half, py};
        break;
    case TWindowobjtool::RunsLeft:
        o.stepY = t;
        o.ends = hingeFirst ? OpeningEnds{px + w, py, px, py}
                 : door     ? OpeningEnds{px, py, px - w, py}
                            : OpeningEnds{px + half, py, px - half, py};
        break;
    case TWindowobjtool::RunsDown:
        o.stepX = -t;
        o.ends = hingeFirst ? OpeningEnds{px, py, px, py - w}
                 : door     ? OpeningEnds{px, py + w, px, py}
                            : OpeningEnds{px, py - half, px, py + half};
        break;
    default: // RunsUp
        o.stepX = t;
        o.ends = hingeFirst ? OpeningEnds{px, py - w, px, py}
                 : door     ? OpeningEnds{px, py, px, py + w}
                            : OpeningEnds{px, py + half, px, py - half};
        break;
    }
    return o;
}

bool IsOneOf(int value, std::initializer_list<int> values) {
    for (int v : values)
        if (v == value) return true;
    return false;
}

// In an angled wall a door runs from its hinge at the insertion point to a second end one width along
// the wall; which way, and which end the polygon starts from, follow the handing by quadrant.
Opening OpeningInAngledWall(TWindowobjtool& tool, int type) {
    const AngledOpening g =
        AngledOpeningOf(tool.WallDirection(), tool.OpeningWidth / 2, tool.WallThickness());
    const long long px = tool.InsertX;
    const long long py = tool.InsertY;
    Opening o;
    o.stepX = g.stepX;
    o.stepY = g.stepY;
    if (type != TWindowobjtool::ExternalDoorType) {
        o.ends = CentredEnds(g, px, py);
        return o;
    }
    const int handing = tool.Handing();
    const int quadrant = g.quadrant.quadrant;
    long long sx = 0;
    long long sy = 0;
    bool secondFirst = false;
    if (quadrant == 1 || quadrant == 3) {
        const bool back = IsOneOf(handing, {1, 3, 7, 8});
        sx = back ? px - 2 * g.hu : px + 2 * g.hu;
        sy = back ? py - 2 * g.hv : py + 2 * g.hv;
        secondFirst = quadrant == 1 ? back : !back;
    } else {
        const bool named = IsOneOf(handing, {1, 3, 5, 6});
        sx = named ? px + 2 * g.hu : px - 2 * g.hu;
        sy = named ? py - 2 * g.hv : py + 2 * g.hv;
        secondFirst = !named;
    }
    o.ends = secondFirst ? OpeningEnds{sx, sy, px, py} : OpeningEnds{px, py, sx, sy};
    return o;
}

void AddPolygon(const TWindowobjtool& tool, const Opening& o, bool cill, DeviceContext& dc,
                const Rect& client) {
    auto polygon = std::make_unique<TPolyobj>();
    // The fill hides the wall's layers; the outline is the drawing's colour. Painted after the wall, the
    // polygon keeps the background colour it was made with.
    SetOpeningPartFields(*polygon, tool, type_code::Polygon);
    polygon->fillColour = static_cast<int>(Shared.BackgroundColour);
    const long long xs[4] = {o.ends.x1, o.ends.x2, o.ends.x2 + o.stepX, o.ends.x1 + o.stepX};
    const long long ys[4] = {o.ends.y1, o.ends.y2, o.ends.y2 + o.stepY, o.ends.y1 + o.stepY};
    // A cill stands a quarter of the step outside the wall.
    const long long cillX = cill ? -(o.stepX / 4) : 0;
    const long long cillY = cill ? -(o.stepY / 4) : 0;
    const int z = Clamped(static_cast<long long>(tool.Elevation) - tool.Height);
    polygon->count = 4;
    for (int i = 0; i < 4; ++i) {
        polygon->x[i] = Clamped(xs[i] + (i < 2 ? cillX : 0));
        polygon->y[i] = Clamped(ys[i] + (i < 2 ? cillY : 0));
        polygon->z[i] = z;
    }
    ShowAndAppend(std::move(polygon), dc, client);
}

// The glazing line of a window, or the line of a garage door, across the opening `divisor` of the
// step into the wall.
void AddOpeningLine(const TWindowobjtool& tool, const Opening& o, int divisor, DeviceContext& dc,
                    const Rect& client) {
    auto line = std::make_unique<TLineobj>();
    SetOpeningPartFields(*line, tool, type_code::OpeningLine);
    const long long dx = o.stepX / divisor;
    const long long dy = o.stepY / divisor;
    line->x1 = Clamped(o.ends.x1 + dx);
    line->y1 = Clamped(o.ends.y1 + dy);
    line->x2 = Clamped(o.ends.x2 + dx);
    line->y2 = Clamped(o.ends.y2 + dy);
    line->z1 = line->z2 = tool.Elevation;
    line->lineA = line->lineB = 0;
    ShowAndAppend(std::move(line), dc, client);
}

} // namespace

int BuildingType(int openingType) {
    switch (openingType) {
    case 2:
    case 11:
    case 12:
        return TWindowobjtool::WindowType;
    case 16:
    case 17:
    case 18:
    case 19:
        return openingType - 10;
    default:
        return openingType;
    }
}

void PrepareWallOpening(TWindowobjtool& tool, DeviceContext& dc, const Rect& client, int /*mode*/) {
    const TObject& wall = *DrawingList[tool.WallIndex];
    tool.Colour = Shared.DrawingColour;
    tool.PenStyle() = 0;
    tool.WallThickness() = Clamped(WallLayers(wall));
    tool.X1 = tool.InsertX;
    tool.Y1 = tool.InsertY;
    const int kind = tool.Kind;
    tool.Kind = type_code::Line;
    tool.ObjectNumber() = NewObjectNumber(FloorNumberBase(Shared.CurrentView));
    if (BuildingType(tool.OpeningType) == TWindowobjtool::ExternalDoorType)
        tool.LeafHanding() = tool.Handing();
    tool.WallAngle() = WallAngleOf(wall);
    BuildWallOpening(tool, dc, client);
    // Saved even in a wall whose layers add up to nothing, which would otherwise lose the opening at
    // the next repaint.
    DrawingList.WriteDrawing();
    tool.Kind = kind;
}

void BuildWallOpening(TWindowobjtool& tool, DeviceContext& dc, const Rect& client) {
    const int type = BuildingType(tool.OpeningType);
    const Opening opening =
        tool.WallDirection() > 0 ? OpeningInAngledWall(tool, type) : OpeningInAxisWall(tool, type);
    AddPolygon(tool, opening, tool.ShowCill == 1 && type != TWindowobjtool::GarageDoorType, dc, client);
    if (type == TWindowobjtool::WindowType) AddOpeningLine(tool, opening, 2, dc, client);
    if (type == TWindowobjtool::GarageDoorType) AddOpeningLine(tool, opening, 3, dc, client);

    tool.Colour = Shared.DrawingColour;
    tool.PenWidth() = 1;
    tool.Kind = type_code::Line;
    tool.Z1 = tool.Z2 = 0;
    if ((type == TWindowobjtool::WindowType || type == TWindowobjtool::WallOpeningType) &&
        tool.ShowSizes == 1)
        AddOpeningSizeLabel(tool, dc, client);
    switch (type) {
    case TWindowobjtool::FrenchDoorsOutType:
        AddFrenchDoorSwings(tool, dc, client, FrenchDoorsOut);
        break;
    case TWindowobjtool::FrenchDoorsInType:
        AddFrenchDoorSwings(tool, dc, client, FrenchDoorsIn);
        break;
    case TWindowobjtool::MainEntryType:
        // In an angled wall the entry is the opening alone.
        if (tool.WallDirection() < 0) AddMainEntry(tool, dc, client);
        break;
    case TWindowobjtool::ExternalDoorType:
        tool.LeafHanding() = tool.Handing();
        AddJambLines(tool, dc, client);
        AddDoorSwing(tool, dc, client);
        break;
    default:
        break;
    }
}
