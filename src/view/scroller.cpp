#include "view/scroller.h"

#include <algorithm>
#include <cstdlib>

using platform::ScrollBar;
using platform::ScrollCode;

void Scroller::SetUnits(int xUnit, int yUnit, int width, int height) {
    XUnit = xUnit;
    YUnit = yUnit;
    XPage = XUnit > 0 ? std::max(1, (width + 1) / XUnit - 1) : 1;
    YPage = YUnit > 0 ? std::max(1, (height + 1) / YUnit - 1) : 1;
}

void Scroller::SetRange(int xRange, int yRange) {
    XRange = std::max(0, xRange);
    YRange = std::max(0, yRange);
    XPos = std::clamp(XPos, 0, XRange);
    YPos = std::clamp(YPos, 0, YRange);
}

void Scroller::ScrollTo(platform::ViewWindow& window, int x, int y) {
    int newX = std::clamp(x, 0, XRange);
    int newY = std::clamp(y, 0, YRange);
    int dx = newX - XPos;
    int dy = newY - YPos;
    if (dx == 0 && dy == 0) return;
    XPos = newX;
    YPos = newY;
    if (std::abs(dx) < XPage && std::abs(dy) < YPage)
        window.ScrollPixels(-dx * XUnit, -dy * YUnit);
    else
        window.Invalidate(nullptr, true);
    window.UpdateNow();
}

int Scroller::Target(ScrollBar bar, ScrollCode code, int thumb) const {
    bool vertical = bar == ScrollBar::Vertical;
    int position = vertical ? YPos : XPos;
    int page = vertical ? YPage : XPage;
    int range = vertical ? YRange : XRange;
    switch (code) {
    case ScrollCode::LineUp:
        return position - 1;
    case ScrollCode::LineDown:
        return position + 1;
    case ScrollCode::PageUp:
        return position - page;
    case ScrollCode::PageDown:
        return position + page;
    case ScrollCode::ThumbPosition:
    case ScrollCode::ThumbTrack:
        // The bars show the position as a percentage of the range: a thumb dragged to the middle of
        // the bar scrolls to the middle of the range, whatever the range.
        return (thumb * range + 50) / 100;
    case ScrollCode::Top:
        return 0;
    case ScrollCode::Bottom:
        return range;
    case ScrollCode::EndScroll:
        return position;
    }
    return position;
}
