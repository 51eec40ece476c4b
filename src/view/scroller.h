#pragma once
// The scroll state of a view: positions, ranges, units and page sizes in scroll units. The view's mapping
// alone places the drawing; the scroller supplies positions, line and page steps and decides between
// moving the view's pixels and repainting it whole.

#include "platform/window.h"

struct Scroller {
    int XUnit = 0; // pixels per scroll unit
    int YUnit = 0;
    int XPos = 0; // position in scroll units; YPos counts from the top of the sheet
    int YPos = 0;
    int XRange = 0;
    int YRange = 0;
    int XPage = 1;
    int YPage = 1;
    bool AutoOrg = false;

    // Units, with the page sizes recomputed for a client area of width x height pixels.
    void SetUnits(int xUnit, int yUnit, int width, int height);
    // Ranges; the positions are clamped into them.
    void SetRange(int xRange, int yRange);
    // Moves to a position (clamped): a move smaller than a page on both axes shifts the view's pixels,
    // a larger one repaints it whole; the view is then updated at once.
    void ScrollTo(platform::ViewWindow& window, int x, int y);
    // The position a scroll-bar action leads to on one axis; a thumb is a percentage of the range.
    int Target(platform::ScrollBar bar, platform::ScrollCode code, int thumb) const;
};
