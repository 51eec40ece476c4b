// The walls as the external-wall tool places them: faces at the three depths of the layers, square at
// a free end and mitred where walls meet, snapping onto the walls of the floor, heights by floor, and
// the corners no mitre can serve.
#include "walls/extwall_tool.h"
#include "walls/wall_geometry.h"
#include "walls_test_support.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

class WallGeometry : public walls_test::WallTest {
  protected:
    // Draws one wall with the tool as the keys do and gives the wall made (null when none was).
    TExtwallobj* Draw(int x1, int y1, int x2, int y2, int bearing) {
        tool.X1 = x1;
        tool.Y1 = y1;
        tool.X2 = x2;
        tool.Y2 = y2;
        tool.Angle = bearing;
        const int before = DrawingList.count;
        OnView(tool, [&](platform::DeviceContext& dc) { tool.CreateObject(dc, client); });
        if (DrawingList.count == before) return nullptr;
        return &WallAt(DrawingList.count - 1);
    }
    static std::vector<int> Faces(const TExtwallobj& w) {
        return {w.f1x1, w.f1y1, w.f1x2, w.f1y2, w.f2x1, w.f2y1,
                w.f2x2, w.f2y2, w.f3x1, w.f3y1, w.f3x2, w.f3y2};
    }

    TExtwallobjtool tool;
};

TEST_F(WallGeometry, AFreeWallHasItsFacesSquareAtTheDepthsOfItsLayers) {
    const TExtwallobj* east = Draw(1000, 5000, 6000, 5000, 900);
    ASSERT_NE(east, nullptr);
    EXPECT_EQ(Faces(*east),
              (std::vector<int>{1000, 4890, 6000, 4890, 1000, 4835, 6000, 4835, 1000, 4725, 6000, 4725}));
    EXPECT_EQ(east->type, 1000);
    EXPECT_EQ(east->view, 50);
    EXPECT_EQ(east->aux, 2); // the serial drawn for it
    EXPECT_EQ(east->number, 0);
    EXPECT_EQ(east->ewall7, 1);
    EXPECT_EQ(east->ewall8, 7);
    EXPECT_EQ(east->ewall9, 8);
    EXPECT_EQ(tool.Pending, 1); // the run goes on
    // Saved at once, and read back alike.
    DrawingList.Flush();
    DrawingList.ReadDrawing();
    ASSERT_EQ(DrawingList.count, 1);
    EXPECT_EQ(Faces(WallAt(0)),
              (std::vector<int>{1000, 4890, 6000, 4890, 1000, 4835, 6000, 4835, 1000, 4725, 6000, 4725}));
}

TEST_F(WallGeometry, AClockwiseCornerMitresTheNewWallAndTheOneBeforeIt) {
    Draw(1000, 5000, 6000, 5000, 900);
    const TExtwallobj* south = Draw(6000, 5000, 6000, 1000, 1800);
    ASSERT_NE(south, nullptr);
    EXPECT_EQ(south->f1x1, 5890);
    EXPECT_EQ(south->f1y1, 4890);
    EXPECT_EQ(Faces(*south),
              (std::vector<int>{5890, 4890, 5890, 1000, 5835, 4835, 5835, 1000, 5725, 4725, 5725, 1000}));
    const TExtwallobj& east = WallAt(0);
    EXPECT_EQ(Faces(east),
              (std::vector<int>{1000, 4890, 5890, 4890, 1000, 4835, 5835, 4835, 1000, 4725, 5725, 4725}));
}

TEST_F(WallGeometry, ATwoLineWallHasOnlyItsFirstFace) {
    WriteCfg("EXTWALLM.CFG", "230 0 0 0 0 2400 2400 0 0 0");
    Draw(1000, 5000, 6000, 5000, 900);
    const TExtwallobj* south = Draw(6000, 5000, 6000, 1000, 1800);
    ASSERT_NE(south, nullptr);
    EXPECT_EQ(Faces(*south), (std::vector<int>{5770, 4770, 5770, 1000, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Faces(WallAt(0)), (std::vector<int>{1000, 4770, 5770, 4770, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(WallGeometry, AWallStartingNearAnotherWallsEndMovesOntoItWhole) {
    Draw(1000, 5000, 6000, 5000, 900);
    // 2 x Scale away: the whole wall moves by (-10, +10).
    const TExtwallobj* near = Draw(6010, 4990, 6010, 990, 1800);
    ASSERT_NE(near, nullptr);
    EXPECT_EQ(std::vector<int>({near->x1, near->y1, near->x2, near->y2}),
              std::vector<int>({6000, 5000, 6000, 1000}));
    EXPECT_EQ(near->f1x1, 5890);
    // 3 x Scale away: it stays and meets nothing.
    DrawingList.Flush();
    Draw(1000, 5000, 6000, 5000, 900);
    const TExtwallobj* apart = Draw(6015, 5000, 6015, 1000, 1800);
    ASSERT_NE(apart, nullptr);
    EXPECT_EQ(apart->x1, 6015);
    EXPECT_EQ(apart->f1x1, 5905);
    EXPECT_EQ(WallAt(0).f1x2, 6000);
}

TEST_F(WallGeometry, HeightsFollowTheFloorOnTheWallTypeFile) {
    WriteCfg("EXTWALLM.CFG", "110 55 110 25 2550 2400 2300 0 0 0");
    const TExtwallobj* ground = Draw(1000, 5000, 6000, 5000, 900);
    Shared.CurrentView = 51;
    const TExtwallobj* first = Draw(1000, 5000, 6000, 5000, 900);
    Shared.CurrentView = 52;
    const TExtwallobj* second = Draw(1000, 5000, 6000, 5000, 900);
    ASSERT_TRUE(ground && first && second);
    EXPECT_EQ(std::vector<int>({ground->z1, ground->z2}), std::vector<int>({25, 2575}));
    EXPECT_EQ(std::vector<int>({first->z1, first->z2}), std::vector<int>({2575, 4975}));
    EXPECT_EQ(std::vector<int>({second->z1, second->z2}), std::vector<int>({4975, 7275}));
    EXPECT_EQ(first->view, 51);
}

TEST_F(WallGeometry, AnAngledWallHasItsFacesSquareToItsLine) {
    WriteCfg("EXTWALLM.CFG", "300 0 0 0 0 2400 2400 0 0 0");
    const TExtwallobj* wall = Draw(1000, 1000, 3000, 3000, 450);
    ASSERT_NE(wall, nullptr);
    EXPECT_EQ(std::vector<int>({wall->f1x1, wall->f1y1, wall->f1x2, wall->f1y2}),
              std::vector<int>({1212, 788, 3212, 2788}));
}

TEST_F(WallGeometry, AWallNotMadeStillUsesASerial) {
    EXPECT_EQ(Draw(0, 5000, 6000, 5000, 900), nullptr);
    EXPECT_EQ(Draw(1000, 5000, 1000, 5000, 900), nullptr);
    EXPECT_EQ(Shared.ObjectSerial, 3);
    EXPECT_FALSE(DrawingFileExists());
    const TExtwallobj* made = Draw(1000, 5000, 6000, 5000, 900);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->aux, 4);
}

TEST_F(WallGeometry, ALoneWallTakesTheSideChosenForItsLayers) {
    // Layers above a line drawn east: the wall runs west along it.
    tool.Aux = 3;
    const TExtwallobj* above = Draw(1000, 5000, 6000, 5000, 900);
    ASSERT_NE(above, nullptr);
    EXPECT_EQ(std::vector<int>({above->x1, above->x2, above->ewall6}), std::vector<int>({6000, 1000, 2700}));
    EXPECT_EQ(above->f1y1, 5110);
    // Layers on the right of a line drawn down: it runs north.
    tool.Aux = 4;
    DrawingList.Flush();
    const TExtwallobj* right = Draw(8000, 9000, 8000, 7000, 1800);
    ASSERT_NE(right, nullptr);
    EXPECT_EQ(std::vector<int>({right->y1, right->y2, right->ewall6, right->f1x1}),
              std::vector<int>({7000, 9000, 0, 8110}));
}

TEST_F(WallGeometry, AWallMeetingItsNeighbourAtTheWrongEndHasSquareFacesThere) {
    Draw(1000, 5000, 6000, 5000, 900);
    // This wall ends where the first one starts, so that wall is taken for the one before it, and no
    // corner can be built: its faces are square at both ends, none left from the wall drawn before.
    const TExtwallobj* wall = Draw(1000, 9000, 1000, 5000, 1800);
    ASSERT_NE(wall, nullptr);
    EXPECT_EQ(Faces(*wall),
              (std::vector<int>{890, 9000, 890, 5000, 835, 9000, 835, 5000, 725, 9000, 725, 5000}));
    EXPECT_EQ(Faces(WallAt(0)),
              (std::vector<int>{1000, 4890, 6000, 4890, 1000, 4835, 6000, 4835, 1000, 4725, 6000, 4725}));
}

TEST_F(WallGeometry, AWallTurningStraightBackGetsAFreeEndAndNoHugePoints) {
    Draw(1000, 5000, 6000, 5000, 900);
    // Straight back along an axis-parallel wall.
    const TExtwallobj* back = Draw(6000, 5000, 3000, 5000, 2700);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(std::vector<int>({back->f1x1, back->f1y1, back->f1x2, back->f1y2}),
              std::vector<int>({6000, 5110, 3000, 5110}));
    // Straight back along an angled wall: the half-angle's cosine is 0 there.
    DrawingList.Flush();
    Draw(1000, 1000, 3000, 3000, 450);
    const TExtwallobj before = WallAt(0);
    const TExtwallobj* angled = Draw(3000, 3000, 2000, 2000, 2250);
    ASSERT_NE(angled, nullptr);
    for (int value : Faces(*angled)) {
        EXPECT_GT(value, 1000);
        EXPECT_LT(value, 4000);
    }
    EXPECT_EQ(angled->f1x1, 3000 - 77);
    EXPECT_EQ(angled->f1y1, 3000 + 77);
    EXPECT_EQ(Faces(WallAt(0)), Faces(before));
}

TEST_F(WallGeometry, WallsMeetingAnAngledWallShareItsCornerPoints) {
    Draw(1000, 5000, 5000, 5000, 900);
    Draw(5000, 5000, 7000, 3000, 1350);
    const TExtwallobj* south = Draw(7000, 3000, 7000, 1000, 1800);
    ASSERT_NE(south, nullptr);
    const TExtwallobj& east = WallAt(0);
    const TExtwallobj& angled = WallAt(1);
    EXPECT_EQ(
        std::vector<int>({east.f1x2, east.f1y2, east.f2x2, east.f2y2, east.f3x2, east.f3y2}),
        std::vector<int>({angled.f1x1, angled.f1y1, angled.f2x1, angled.f2y1, angled.f3x1, angled.f3y1}));
    EXPECT_EQ(
        std::vector<int>({angled.f1x2, angled.f1y2, angled.f2x2, angled.f2y2, angled.f3x2, angled.f3y2}),
        std::vector<int>({south->f1x1, south->f1y1, south->f2x1, south->f2y1, south->f3x1, south->f3y1}));
    // The east wall's first face meets the angled one 110 below the line, short of the corner by
    // 110 x tan 22.5 degrees.
    EXPECT_EQ(east.f1y2, 4890);
    EXPECT_EQ(east.f1x2, 4954);
    // The walls along the axes keep their faces straight, the south wall's at its full depths.
    EXPECT_EQ(east.f3y1, east.f3y2);
    EXPECT_EQ(
        std::vector<int>({south->f1x1, south->f1x2, south->f2x1, south->f2x2, south->f3x1, south->f3x2}),
        std::vector<int>({6890, 6890, 6835, 6835, 6725, 6725}));
}

TEST_F(WallGeometry, FindsTheWallsMetAtBothEndsOfAWall) {
    AddHouse();
    WorkingWall working;
    FindAdjacentExternalWalls(working, 1);
    EXPECT_EQ(working.previous, 0);
    EXPECT_EQ(working.next, 2);
    FindAdjacentExternalWalls(working, 30001);
    EXPECT_EQ(working.previous, 30001);
    EXPECT_EQ(working.next, 30001);
}

TEST_F(WallGeometry, FacesOfAWallAtTheEdgeOfTheRangeStayInsideIt) {
    WriteCfg("EXTWALLM.CFG", "32766 32766 32766 0 0 2400 2400 0 0 0");
    // A wall running north whose layers would lie beyond the largest coordinate.
    const TExtwallobj* wall = Draw(INT_MAX - 5, 1000, INT_MAX - 5, INT_MAX - 5, 0);
    ASSERT_NE(wall, nullptr);
    EXPECT_EQ(Faces(*wall), (std::vector<int>{INT_MAX, 1000, INT_MAX, INT_MAX - 5, INT_MAX, 1000, INT_MAX,
                                              INT_MAX - 5, INT_MAX, 1000, INT_MAX, INT_MAX - 5}));
    const TExtwallobj* next = Draw(INT_MAX - 5, INT_MAX - 5, INT_MIN + 5, INT_MAX - 5, 2700);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->f3y2, INT_MAX);
    EXPECT_EQ(next->f3x1, INT_MAX);
}

} // namespace
