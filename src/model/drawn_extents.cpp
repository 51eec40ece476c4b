#include "model/drawn_extents.h"

#include "model/drawing_list.h"

namespace {

// The first point of a pair tries the least value first, the second point the greatest first.
void TakeFirst(int value, int& least, int& greatest) {
    if (value < least)
        least = value;
    else if (value > greatest)
        greatest = value;
}

void TakeSecond(int value, int& least, int& greatest) {
    if (value > greatest)
        greatest = value;
    else if (value < least)
        least = value;
}

bool HidesDimensions(int displayMode) {
    return displayMode == 1 || displayMode == 3 || displayMode == 11 || displayMode == 13;
}

} // namespace

int ExtentsView(int currentView) {
    return currentView >= 1050 && currentView <= 1052 ? currentView - 1000 : currentView;
}

DrawnExtents MeasureDrawnExtents(const TList& list, int view, int displayMode) {
    const int countedType = HidesDimensions(displayMode) ? 1000 : 25000;
    DrawnExtents box;
    for (int i = 0; i < list.count; ++i) {
        const TObject* object = list[i];
        if (!object || object->type != countedType || object->view != view) continue;
        TakeFirst(object->x1, box.minX, box.maxX);
        TakeSecond(object->x2, box.minX, box.maxX);
        TakeFirst(object->y1, box.minY, box.maxY);
        TakeSecond(object->y2, box.minY, box.maxY);
    }
    return box;
}
