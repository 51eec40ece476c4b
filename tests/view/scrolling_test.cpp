// The view's scroll bars: the thumbs show the position as a percentage of the range, a thumb dragged
// scrolls by that percentage, the thumb's length is the page the view shows, and the wheel's line steps.
#include "input_test_support.h"

#include <filesystem>

using input_test::InputView;
using platform::ScrollBar;
using platform::ScrollCode;

namespace {

class Scrolling : public InputView {
  protected:
    // A view of `width` pixels over the sheet of 8400 logical units that SCROLL.CFG's 10-pixel units
    // and the metric scale of 5 divide into (8400 - 5 * width) / 50 scroll units.
    void OpenWide(int width, int height) { frame->ActiveScriptedView()->Resize({width, height}); }
};

} // namespace

TEST_F(Scrolling, AThumbDraggedScrollsByItsPercentageOfTheRange) {
    OpenWide(1000, 500); // horizontal range (8400 - 5000) / 50 = 68 units
    ASSERT_EQ(view->scroller.XRange, 68);
    view->OnScroll(ScrollBar::Horizontal, ScrollCode::ThumbTrack, 50);
    EXPECT_EQ(view->scroller.XPos, 34);
    EXPECT_EQ(Shared.ScrollX, 34 * 10 * 5);
    EXPECT_EQ(Window().Thumb(ScrollBar::Horizontal), 50);
    view->OnScroll(ScrollBar::Horizontal, ScrollCode::ThumbPosition, 100);
    EXPECT_EQ(view->scroller.XPos, 68);
    EXPECT_EQ(Window().Thumb(ScrollBar::Horizontal), 100);
    // A line step moves one unit and the thumb by the unit's share of the bar.
    view->OnScroll(ScrollBar::Horizontal, ScrollCode::LineUp, 0);
    EXPECT_EQ(view->scroller.XPos, 67);
    EXPECT_EQ(Window().Thumb(ScrollBar::Horizontal), 98);
}

TEST_F(Scrolling, TheThumbIsAsLongAsThePageAndGreyWhenNothingScrolls) {
    OpenWide(1000, 500);
    // Pages of (1000 + 1) / 10 - 1 = 99 and 49 units against the ranges.
    EXPECT_EQ(Window().ThumbSize(ScrollBar::Horizontal), 99 * 100 / 68);
    EXPECT_EQ(Window().ThumbSize(ScrollBar::Vertical), 49 * 100 / view->scroller.YRange);
    // Nearly as wide as the sheet: one unit to scroll, and the thumb fills almost the whole bar.
    OpenWide(1670, 500);
    ASSERT_EQ(view->scroller.XRange, 1);
    EXPECT_EQ(Window().ThumbSize(ScrollBar::Horizontal), 166 * 100);
    EXPECT_EQ(Window().ThumbSize(ScrollBar::Vertical), 0);
    // Wider than the sheet: nothing to scroll on either bar, and the bars do nothing.
    OpenWide(1700, 500);
    EXPECT_EQ(Window().ThumbSize(ScrollBar::Horizontal), 0);
    EXPECT_EQ(Window().ThumbSize(ScrollBar::Vertical), 0);
    const int origin = Shared.ScrollX;
    view->OnScroll(ScrollBar::Horizontal, ScrollCode::LineDown, 0);
    EXPECT_EQ(Shared.ScrollX, origin);
    EXPECT_EQ(Window().Thumb(ScrollBar::Horizontal), 0);
}

TEST_F(Scrolling, ScrolledLinesShowWhatAWholePaintShowsInEveryWallMode) {
    // One object of every class, walls hatched in 10 and filled in 20, in a view smaller than they
    // spread, so the rows and columns each line uncovers cut through them.
    test_support::WriteFile(
        folder.Path() / "DWGS/HOUSE.DB0",
        test_support::ReadFile(std::filesystem::path(KORVANE_FIXTURES_DIR) / "model/every_class.DB0"));
    OpenWide(160, 100);
    auto expectWholePaint = [&](const char* after) {
        frame->RunPendingPaints();
        const platform::PixelBuffer shown = Window().Image();
        Window().Invalidate(nullptr, true);
        frame->RunPendingPaints();
        EXPECT_TRUE(shown == Window().Image()) << after << " in display mode " << Shared.DisplayMode;
    };
    for (int mode : {0, 10, 20}) {
        Shared.DisplayMode = mode;
        view->OnScroll(ScrollBar::Horizontal, ScrollCode::ThumbTrack, 50);
        view->OnScroll(ScrollBar::Vertical, ScrollCode::ThumbTrack, 50);
        Window().Invalidate(nullptr, true);
        for (int step = 0; step < 16; ++step) {
            view->OnScroll(ScrollBar::Vertical, step < 8 ? ScrollCode::LineDown : ScrollCode::LineUp, 0);
            expectWholePaint("a line up or down");
            view->OnScroll(ScrollBar::Horizontal, step < 8 ? ScrollCode::LineUp : ScrollCode::LineDown, 0);
            expectWholePaint("a line left or right");
        }
    }
}
