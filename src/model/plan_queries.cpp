// Searches over the drawing list that the plan commands share: the corner of a floor plan, whether a
// floor has its title, and the text or wall under the cursor.
#include "model/drawing_list.h"
#include "model/shared_state.h"

#include <algorithm>

namespace {

// The start of the corner search: further right than any drawing reaches.
constexpr int NoCornerX = 300000;

// Widens the corner by the external walls of `view`: a wall replaces the best so far only when it lies
// at least as far left and reaches at least as high.
void SearchCorner(const TList& list, int view, int& bestX, int& bestY) {
    for (int i = 0; i < list.count; ++i) {
        const TObject* o = list[i];
        if (o == nullptr || o->type != 1000 || o->view != view) continue;
        const int left = std::min(o->x1, o->x2);
        const int high = std::max(o->y1, o->y2);
        if (left <= bestX && high >= bestY) {
            bestX = left;
            bestY = high;
        }
    }
}

// The point lies strictly inside the box of the line (xa, ya)-(xb, yb) widened by `tolerance`.
bool NearLine(long long x, long long y, int xa, int ya, int xb, int yb, int tolerance) {
    const long long left = std::min(xa, xb) - static_cast<long long>(tolerance);
    const long long right = std::max(xa, xb) + static_cast<long long>(tolerance);
    const long long bottom = std::min(ya, yb) - static_cast<long long>(tolerance);
    const long long top = std::max(ya, yb) + static_cast<long long>(tolerance);
    return left < x && x < right && bottom < y && y < top;
}

bool IsFindableText(int type) {
    return type == 4 || type == 24 || (type >= 33 && type <= 37);
}

} // namespace

int TList::GetPlanCorner(int* cornerX, int* cornerY) const {
    *cornerX = 0;
    *cornerY = 0;
    int bestX = NoCornerX;
    int bestY = 0;
    SearchCorner(*this, Shared.CurrentView, bestX, bestY);
    // An upper floor not drawn yet lines up with the floor below.
    if (bestX == NoCornerX) SearchCorner(*this, Shared.CurrentView - 1, bestX, bestY);
    if (bestX >= NoCornerX || bestY < 1) return 0;
    const int scale = Shared.Scale > 0 ? Shared.Scale : 1;
    *cornerX = bestX / scale * scale;
    *cornerY = bestY / scale * scale;
    return 1;
}

int TList::HasTitleText(int view) const {
    for (int i = 0; i < count; ++i) {
        const TObject* o = (*this)[i];
        if (o != nullptr && o->view == view && o->type == 37) return 1;
    }
    return 0;
}

int TList::FindTextNear(int mode, int x, int y) const {
    if (mode != 1 && mode != 2 && mode != 4) return NoObjectIndex;
    const long long pointX = static_cast<long long>(x) * Shared.Scale;
    const long long pointY = static_cast<long long>(y) * Shared.Scale;
    const long long reach = 50LL * Shared.Scale;
    for (int i = 0; i < count; ++i) {
        const TObject* o = (*this)[i];
        if (o == nullptr || o->view != Shared.CurrentView) continue;
        if (mode == 4) {
            if (IsFindableText(o->type) && pointX - reach < o->x1 && o->x1 < pointX + reach &&
                pointY - reach < o->y1 && o->y1 < pointY + reach)
                return i;
            continue;
        }
        if (const auto* wall = dynamic_cast<const TIntwallobj*>(o); wall != nullptr && o->type == 1500) {
            const int tolerance = wall->iwall1 / 2 + Shared.Scale;
            if (NearLine(pointX, pointY, wall->x1, wall->y1, wall->x2, wall->y2, tolerance) ||
                NearLine(pointX, pointY, wall->fx1, wall->fy1, wall->fx2, wall->fy2, tolerance))
                return i;
        } else if (const auto* outer = dynamic_cast<const TExtwallobj*>(o);
                   mode == 1 && outer != nullptr && o->type == 1000) {
            const int tolerance =
                static_cast<int>((static_cast<long long>(outer->ewall1) + outer->ewall2 + outer->ewall3) /
                                 2) +
                Shared.Scale;
            // The inner face is the first further face of a solid wall and the third of a cavity wall.
            const bool solid = outer->ewall2 == 0;
            if (NearLine(pointX, pointY, outer->x1, outer->y1, outer->x2, outer->y2, tolerance) ||
                NearLine(pointX, pointY, solid ? outer->f1x1 : outer->f3x1, solid ? outer->f1y1 : outer->f3y1,
                         solid ? outer->f1x2 : outer->f3x2, solid ? outer->f1y2 : outer->f3y2, tolerance))
                return i;
        }
    }
    return NoObjectIndex;
}
