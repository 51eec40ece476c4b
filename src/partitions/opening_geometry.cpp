#include "partitions/opening_geometry.h"

#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "tools/drawing_tool.h"
#include "tools/object_creation.h"
#include "tools/tool_support.h"

#include <cmath>

using platform::DeviceContext;
using platform::Rect;
using tool_support::Clamped;

WallQuadrant QuadrantOf(int angle) {
    WallQuadrant q;
    if (angle < 900) {
        q.quadrant = 1;
        q.residue = angle;
    } else if (angle < 1800) {
        q.quadrant = 2;
        q.residue = angle - 900;
    } else if (angle < 2700) {
        q.quadrant = 3;
        q.residue = angle - 1800;
    } else {
        q.quadrant = 4;
        q.residue = Clamped(static_cast<long long>(angle) - 2700);
    }
    q.radians = q.residue * RadiansPerTenth;
    return q;
}

long long WallLayers(const TObject& wall) {
    const auto* external = dynamic_cast<const TExtwallobj*>(&wall);
    if (!external) return 0;
    return static_cast<long long>(external->ewall1) + external->ewall2 + external->ewall3;
}

int WallAngleOf(const TObject& wall) {
    const auto* external = dynamic_cast<const TExtwallobj*>(&wall);
    return external ? external->ewall6 : 0;
}

AngledOpening AngledOpeningOf(int angle, int halfWidth, int thickness) {
    AngledOpening g;
    g.quadrant = QuadrantOf(angle);
    const double sine = std::sin(g.quadrant.radians);
    const double cosine = std::cos(g.quadrant.radians);
    const double h = halfWidth;
    const double t = thickness;
    const bool oddQuadrant = g.quadrant.quadrant == 1 || g.quadrant.quadrant == 3;
    g.hu = RoundToLong(h * (oddQuadrant ? sine : cosine));
    g.hv = RoundToLong(h * (oddQuadrant ? cosine : sine));
    g.a = RoundToLong(t * (oddQuadrant ? cosine : sine));
    g.b = RoundToLong(t * (oddQuadrant ? sine : cosine));
    // The inside lies to the right of the wall's direction of travel.
    switch (g.quadrant.quadrant) {
    case 1:
        g.stepX = g.a, g.stepY = -g.b;
        break;
    case 2:
        g.stepX = -g.a, g.stepY = -g.b;
        break;
    case 3:
        g.stepX = -g.a, g.stepY = g.b;
        break;
    default:
        g.stepX = g.a, g.stepY = g.b;
        break;
    }
    return g;
}

OpeningEnds CentredEnds(const AngledOpening& g, long long px, long long py) {
    if (g.quadrant.quadrant == 1 || g.quadrant.quadrant == 3)
        return {px - g.hu, py - g.hv, px + g.hu, py + g.hv};
    return {px - g.hu, py + g.hv, px + g.hu, py - g.hv};
}

void MakeToolLine(TDrawingtool& tool, DeviceContext& dc, const Rect& client, long long x1, long long y1,
                  long long x2, long long y2) {
    tool.X1 = Clamped(x1);
    tool.Y1 = Clamped(y1);
    tool.X2 = Clamped(x2);
    tool.Y2 = Clamped(y2);
    tool.CreateObject(dc, client);
}

void SetOpeningPartFields(TObject& object, const TDrawingtool& tool, int type) {
    object.view = Shared.CurrentView;
    object.aux = tool.Group;
    object.number = tool.Number;
    object.type = type;
    object.penWidth = 1;
    object.penStyle = 0;
    object.colour = static_cast<int>(Shared.DrawingColour);
}

void ShowAndAppend(std::unique_ptr<TObject> object, DeviceContext& dc, const Rect& client) {
    object->PaintMapped(dc, client, 0);
    DrawingList.Add(std::move(object));
}

std::unique_ptr<TArcobj> SwingArc(const TDrawingtool& tool, long long left, long long top, long long right,
                                  long long bottom, long long startX, long long startY, long long endX,
                                  long long endY) {
    auto arc = std::make_unique<TArcobj>();
    SetOpeningPartFields(*arc, tool, type_code::Arc);
    arc->penStyle = 2;
    arc->x1 = Clamped(left);
    arc->y1 = Clamped(top);
    arc->x2 = Clamped(right);
    arc->y2 = Clamped(bottom);
    arc->startX = Clamped(startX);
    arc->startY = Clamped(startY);
    arc->endX = Clamped(endX);
    arc->endY = Clamped(endY);
    return arc;
}
