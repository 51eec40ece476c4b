#pragma once
// The box round a floor's plan, which zoom-to-fit, the page printer and the floor-plan enlarge and
// shrink work from (they find it in EXTENTS.CFG, whose one writer is WriteExtents). Which objects
// count depends on the display mode: the external walls while dimensions are hidden, otherwise the
// automatic dimension arrows, which stand outside the walls.

class TList;

// Absolute drawing units. A box still at the start values means nothing of the chosen kind is drawn.
struct DrawnExtents {
    static constexpr int NothingDrawn = 200000;
    int minX = NothingDrawn;
    int maxX = 0;
    int maxY = 0;
    int minY = NothingDrawn;
};

// The floor whose plan is measured: the current view, or while a page prints (CurrentView 1050 to
// 1052) the floor being printed, as the print renderer takes it.
int ExtentsView(int currentView);

// The box of the objects of `view` that count in `displayMode`: external walls (1000) in the modes
// that hide dimensions (1, 3, 11, 13), automatic dimension arrows (25000) in every other mode, 21 and
// 23 included. Each end is taken by a two-way test in which the second comparison is made only when
// the first fails, so a lone wall drawn right to left gives a box inverted on x; the starting values
// also mean that nothing at negative coordinates widens the box. Stored files and the readers of
// EXTENTS.CFG expect exactly this box, so both oddities stay.
DrawnExtents MeasureDrawnExtents(const TList& list, int view, int displayMode);
