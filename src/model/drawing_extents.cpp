#include "model/drawing_extents.h"

#include "model/shared_state.h"

#include <algorithm>

namespace {

void IncludeX(DrawingExtents& extents, int x) {
    extents.leastX = std::min(extents.leastX, x);
    extents.greatestX = std::max(extents.greatestX, x);
}

void IncludeY(DrawingExtents& extents, int y) {
    extents.leastY = std::min(extents.leastY, y);
    extents.greatestY = std::max(extents.greatestY, y);
}

void IncludePair(DrawingExtents& extents, int xa, int ya, int xb, int yb) {
    IncludeX(extents, xa);
    IncludeX(extents, xb);
    IncludeY(extents, ya);
    IncludeY(extents, yb);
}

} // namespace

void DrawingExtents::Include(const TObject& object, ObjectClass objectClass) {
    switch (objectClass) {
    case ObjectClass::Line:
    case ObjectClass::ExternalWall:
    case ObjectClass::Arrow:
    case ObjectClass::Ellipse:
    case ObjectClass::Circle:
    case ObjectClass::Rectangle:
    case ObjectClass::RoundedRectangle:
        IncludePair(*this, object.x1, object.y1, object.x2, object.y2);
        break;
    case ObjectClass::Arc: {
        IncludePair(*this, object.x1, object.y1, object.x2, object.y2);
        const auto& arc = static_cast<const TArcobj&>(object);
        IncludePair(*this, arc.startX, arc.startY, arc.endX, arc.endY);
        break;
    }
    case ObjectClass::Text:
        IncludeX(*this, object.x1);
        IncludeY(*this, object.y1);
        break;
    case ObjectClass::Polygon: {
        const auto& polygon = static_cast<const TPolyobj&>(object);
        for (int i = 0; i < polygon.count && i < TPolyobj::MaxPoints; ++i) {
            IncludeX(*this, polygon.x[i]);
            IncludeY(*this, polygon.y[i]);
        }
        break;
    }
    case ObjectClass::None:
    case ObjectClass::InternalWall:
    case ObjectClass::Opening:
    case ObjectClass::Room:
    case ObjectClass::Info:
        break;
    }
}

void SetBitmapExtents(const DrawingExtents& extents, int units) {
    const int pixel = units == 0 ? 24 : 25;
    Shared.BitmapLeft = extents.leastX / pixel - 10;
    Shared.BitmapRight = extents.greatestX / pixel + 10;
    Shared.BitmapHeight =
        static_cast<int>((static_cast<long long>(extents.greatestY) - extents.leastY) / pixel) + 10;
    Shared.BitmapLeastY = extents.leastY;
    Shared.BitmapGreatestY = extents.greatestY;
}
