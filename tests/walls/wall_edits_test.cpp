// The repaint after a wall edit: the box the wall took before the edit, with its line now after a
// lengthen, shorten or type change, widened by 10 logical units and held inside the view.
#include "walls/extwall_tool.h"
#include "walls/wall_edits.h"
#include "walls_test_support.h"

#include <gtest/gtest.h>

namespace {

using walls_test::RecordingView;

class WallEditRepaint : public walls_test::WallTest {
  protected:
    void SetUp() override {
        WallTest::SetUp();
        auto wall = std::make_unique<TExtwallobjtool>();
        wall->EditLeft() = 5000;
        wall->EditRight() = 8000;
        wall->EditTop() = 7000;
        wall->EditBottom() = 6725;
        // The wall's line after it was lengthened to the east.
        wall->X1 = 5000, wall->Y1 = 7000, wall->X2 = 9000, wall->Y2 = 7000;
        view = std::make_unique<RecordingView>(window, std::move(wall));
    }
    std::unique_ptr<RecordingView> view;
};

TEST_F(WallEditRepaint, RepaintsTheWallsOldBoxAndItsNewLine) {
    InvalidateWallEditArea(*view, view->ClientRect(), 1);
    InvalidateWallEditArea(*view, view->ClientRect(), 2);
    InvalidateWallEditArea(*view, view->ClientRect(), 3);
    ASSERT_EQ(view->repaints.size(), 2u);
    // Logical (950, 1450) to (1850, 1295) at 5 logical units a pixel, y down from 400.
    EXPECT_EQ(view->repaints[0].area, (platform::Rect{190, 110, 370, 141}));
    EXPECT_TRUE(view->repaints[0].erase);
    EXPECT_EQ(view->repaints[1].area, (platform::Rect{190, 110, 330, 141}));
}

TEST_F(WallEditRepaint, TheAreaStaysInsideTheView) {
    view->Tool().X1 = -50000;
    view->Tool().Y2 = 90000;
    InvalidateWallEditArea(*view, view->ClientRect(), 1);
    ASSERT_EQ(view->repaints.size(), 1u);
    EXPECT_EQ(view->repaints[0].area, (platform::Rect{0, 0, 370, 141}));
}

} // namespace
