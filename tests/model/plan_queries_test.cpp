// The plan queries: the floor plan's corner, floor titles, and the text or wall under the cursor.
#include "model/drawing_list.h"
#include "model/shared_state.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class PlanQueries : public testing::Test {
  protected:
    void SetUp() override {
        ResetSharedState();
        Shared.Scale = 5;
        Shared.CurrentView = 50;
    }
    void TearDown() override { ResetSharedState(); }

    void Wall(int view, int x1, int y1, int x2, int y2) {
        auto wall = std::make_unique<TExtwallobj>();
        wall->view = view;
        wall->x1 = x1, wall->y1 = y1, wall->x2 = x2, wall->y2 = y2;
        list.Add(std::move(wall));
    }
    // The four sides of a house, clockwise from the lower-left corner.
    void House(int view, int left, int bottom, int right, int top) {
        Wall(view, left, bottom, left, top);
        Wall(view, left, top, right, top);
        Wall(view, right, top, right, bottom);
        Wall(view, right, bottom, left, bottom);
    }
    void Text(int view, int type, int x, int y) {
        auto text = std::make_unique<TTextobj>();
        text->view = view;
        text->type = type;
        text->x1 = x, text->y1 = y;
        list.Add(std::move(text));
    }
    struct Corner {
        int result;
        int x;
        int y;
    };
    Corner PlanCorner() const {
        Corner c{0, -1, -1};
        c.result = list.GetPlanCorner(&c.x, &c.y);
        return c;
    }

    TList list;
};

} // namespace

TEST_F(PlanQueries, PlanCornerIsTheUpperLeftOfTheWallsCutToScale) {
    House(50, 1000, 2000, 9000, 8000);
    Corner c = PlanCorner();
    EXPECT_NE(c.result, 0);
    EXPECT_EQ(c.x, 1000);
    EXPECT_EQ(c.y, 8000);

    list.Flush();
    House(50, 1003, 2000, 9000, 8003);
    c = PlanCorner();
    EXPECT_EQ(c.x, 1000);
    EXPECT_EQ(c.y, 8000);
    Shared.Scale = 6;
    c = PlanCorner();
    EXPECT_EQ(c.x, 1002);
    EXPECT_EQ(c.y, 7998);
}

TEST_F(PlanQueries, UpperFloorWithoutWallsTakesTheCornerOfTheFloorBelow) {
    House(50, 1000, 2000, 9000, 8000);
    Shared.CurrentView = 51;
    Corner c = PlanCorner();
    EXPECT_NE(c.result, 0);
    EXPECT_EQ(c.x, 1000);
    EXPECT_EQ(c.y, 8000);
    House(51, 2000, 3000, 7000, 6000);
    c = PlanCorner();
    EXPECT_EQ(c.x, 2000);
    EXPECT_EQ(c.y, 6000);
}

TEST_F(PlanQueries, AWallFurtherLeftButLowerDoesNotReplaceTheBest) {
    Wall(50, 2000, 8000, 6000, 8000);
    Wall(50, 1000, 3000, 1000, 5000);
    const Corner c = PlanCorner();
    EXPECT_EQ(c.x, 2000);
    EXPECT_EQ(c.y, 8000);
}

TEST_F(PlanQueries, NoWallsGiveNoCorner) {
    EXPECT_EQ(PlanCorner().result, 0);
    Wall(52, 1000, 2000, 3000, 2000); // two floors up does not count
    Text(50, 4, 1000, 9000);
    const Corner c = PlanCorner();
    EXPECT_EQ(c.result, 0);
    EXPECT_EQ(c.x, 0);
    EXPECT_EQ(c.y, 0);
    // Walls wholly below the sheet's origin line give no corner either.
    Wall(50, 1000, -2000, 3000, -2000);
    EXPECT_EQ(PlanCorner().result, 0);
}

TEST_F(PlanQueries, TitlePresenceIsPerView) {
    Text(51, 37, 0, 0);
    Text(50, 4, 0, 0);
    EXPECT_EQ(list.HasTitleText(51), 1);
    EXPECT_EQ(list.HasTitleText(50), 0);
    EXPECT_EQ(list.HasTitleText(52), 0);
}

TEST_F(PlanQueries, TextIsFoundStrictlyWithinFiftyUnitsOfThePoint) {
    // The point (200, 300) in view units is (1000, 1500) in drawing units.
    Text(50, 4, 1000 + 49 * 5, 1500 - 49 * 5);
    EXPECT_EQ(list.FindTextNear(4, 200, 300), 0);
    list.Flush();
    Text(50, 4, 1000 + 50 * 5, 1500);
    Text(50, 4, 1000, 1500 - 50 * 5);
    Text(51, 4, 1000, 1500);  // another floor
    Text(50, 38, 1000, 1500); // not a text code
    Text(50, 1, 1000, 1500);
    EXPECT_EQ(list.FindTextNear(4, 200, 300), NoObjectIndex);
    Text(50, 33, 1010, 1490);
    Text(50, 37, 1000, 1500);
    EXPECT_EQ(list.FindTextNear(4, 200, 300), 5) << "the first in list order";
    EXPECT_EQ(list.FindTextNear(2, 200, 300), NoObjectIndex) << "an unknown mode";
}

TEST_F(PlanQueries, WallIsFoundNearEitherOfItsFaces) {
    auto inner = std::make_unique<TIntwallobj>();
    inner->view = 50;
    inner->type = 1500;
    inner->x1 = 1000, inner->y1 = 1000, inner->x2 = 5000, inner->y2 = 1000;
    inner->fx1 = 1000, inner->fy1 = 1100, inner->fx2 = 5000, inner->fy2 = 1100;
    inner->iwall1 = 100; // tolerance 50 + 5
    list.Add(std::move(inner));
    EXPECT_EQ(list.FindTextNear(1, 600, 230), 0) << "(3000, 1150) inside the second face's band";
    EXPECT_EQ(list.FindTextNear(1, 600, 231), NoObjectIndex) << "1155 lies on its edge";
    EXPECT_EQ(list.FindTextNear(1, 600, 190), 0);
    EXPECT_EQ(list.FindTextNear(1, 600, 189), NoObjectIndex);

    // An external wall's inner face is its first further face when solid, its third with a cavity.
    auto outer = std::make_unique<TExtwallobj>();
    outer->view = 50;
    outer->x1 = 0, outer->y1 = 10000, outer->x2 = 5000, outer->y2 = 10000;
    outer->ewall1 = 100, outer->ewall2 = 0, outer->ewall3 = 100; // tolerance 100 + 5
    outer->f1x1 = 0, outer->f1y1 = 9000, outer->f1x2 = 5000, outer->f1y2 = 9000;
    outer->f3x1 = 0, outer->f3y1 = 8000, outer->f3x2 = 5000, outer->f3y2 = 8000;
    list.Add(std::move(outer));
    EXPECT_EQ(list.FindTextNear(1, 500, 1800), 1);
    EXPECT_EQ(list.FindTextNear(1, 500, 1600), NoObjectIndex);
    static_cast<TExtwallobj*>(list.Edit(1))->ewall2 = 50;
    EXPECT_EQ(list.FindTextNear(1, 500, 1800), NoObjectIndex);
    EXPECT_EQ(list.FindTextNear(1, 500, 1600), 1);
    EXPECT_EQ(list.FindTextNear(1, 500, 2000), 1) << "the outer face";
}
