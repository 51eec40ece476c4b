// The external-wall tool's actions: the ground floor built from the corner marks, an upper floor copied
// from the floor below, the free distances the view offers as lengths, and its step.
#include "walls/corner_marks.h"
#include "walls/extwall_tool.h"
#include "walls_test_support.h"

#include <gtest/gtest.h>

namespace {

class ExtwallTool : public walls_test::WallTest {
  protected:
    void SetUp() override {
        WallTest::SetUp();
        WriteCfg("RMPTNM.CFG", "100 100 100");
        Shared.CurrentView = 45;
    }
    // The four marks of a clockwise rectangle round (10000..20000) x (12000..20000).
    static void AddRectangleMarks() {
        DrawingList.Add(Mark(10000, 20000, 20000, 20000, 900));
        DrawingList.Add(Mark(20000, 20000, 20000, 12000, 1800));
        DrawingList.Add(Mark(20000, 12000, 10000, 12000, 2700));
        DrawingList.Add(Mark(10000, 12000, 10000, 20000, 0));
    }
    TExtwallobjtool tool;
};

TEST_F(ExtwallTool, CornerMarksBecomeTheGroundFloorsWallsOutsideThem) {
    DrawingList.Add(Room(10000, 20000, 20000, 12000)); // a design room of the layout stays
    AddRectangleMarks();
    tool.Action(7);
    EXPECT_EQ(Shared.CurrentView, 50);
    EXPECT_EQ(tool.Kind, 1000);
    EXPECT_EQ(CountOfType(11), 0);
    EXPECT_EQ(CountOfType(29000), 1);
    const std::vector<TExtwallobj*> walls = WallsOf(50);
    ASSERT_EQ(walls.size(), 4u);
    AddHouse(51); // the same walls written by hand
    const std::vector<TExtwallobj*> expected = WallsOf(51);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(Geometry(*walls[i]), Geometry(*expected[i])) << "wall " << i;
        // Marks on the layout give walls of no height (the layout's wall type has none).
        EXPECT_EQ(walls[i]->z1, 0);
        EXPECT_EQ(walls[i]->z2, 0);
    }
    // Saved at once: the file holds the room and the walls.
    DrawingList.Flush();
    DrawingList.ReadDrawing();
    EXPECT_EQ(WallsOf(50).size(), 4u);
    EXPECT_EQ(CountOfType(11), 0);
}

TEST_F(ExtwallTool, OnlyTheMarksOfTheMarkingViewAreTaken) {
    // Without marks nothing happens, not even the switch to the ground floor.
    DrawingList.Add(Mark(10000, 20000, 20000, 20000, 900, 50)); // a window's line on the plan
    tool.Action(7);
    EXPECT_EQ(Shared.CurrentView, 45);
    EXPECT_EQ(DrawingList.count, 1);
    EXPECT_FALSE(DrawingFileExists());
    // The plan's line stays and builds nothing; every mark goes, the list's last object among them.
    AddRectangleMarks();
    tool.Action(7);
    EXPECT_EQ(WallsOf(50).size(), 4u);
    EXPECT_EQ(CountOfType(11), 1);
    EXPECT_EQ(DrawingList[0]->view, 50);
}

TEST_F(ExtwallTool, TheCornerMovesOutAlongItsBisector) {
    TExtwallobj wall;
    wall.ewall1 = 110;
    wall.ewall2 = 55;
    wall.ewall3 = 110;
    const auto mark = Mark(10000, 20000, 20000, 20000, 900);
    TrimExternalWallEnd(wall, *mark, 1800, 900, 2);
    EXPECT_EQ(std::vector<int>({wall.x2, wall.y2}), std::vector<int>({20275, 20275}));
    // Going straight back has no bisector: the end stays on the mark.
    TrimExternalWallEnd(wall, *mark, 2700, 900, 2);
    EXPECT_EQ(std::vector<int>({wall.x2, wall.y2}), std::vector<int>({20000, 20000}));
}

TEST_F(ExtwallTool, AnEndNearlyInLineWithTheStartIsStraightened) {
    TExtwallobj wall;
    wall.ewall1 = 275;
    wall.x1 = 9725;
    wall.y1 = 11725;
    // Running on north past a corner that does not turn, 5 units off the start's x: the end moves
    // out by the thickness to x 9730, within 13 of 9725, and is put on it. (The factor 0.001745 leaves
    // the cosine of a right angle a little above 0, which rounds to one unit down.)
    const auto mark = Mark(10000, 12000, 10005, 20000, 0);
    TrimExternalWallEnd(wall, *mark, 0, 0, 2);
    EXPECT_EQ(std::vector<int>({wall.x2, wall.y2}), std::vector<int>({9725, 19999}));
    EXPECT_EQ(wall.number, 8274);
    // 13 units off it stays.
    const auto apart = Mark(10000, 12000, 10013, 20000, 0);
    TrimExternalWallEnd(wall, *apart, 0, 0, 2);
    EXPECT_EQ(wall.x2, 9738);
    EXPECT_EQ(wall.number, 8274); // the square root of 13 x 13 + 8274 x 8274, cut
}

TEST_F(ExtwallTool, WallsRoundAnAngledMarkShareTheirCornersWithIt) {
    DrawingList.Add(Mark(10000, 20000, 20000, 20000, 900));
    DrawingList.Add(Mark(20000, 20000, 20000, 12000, 1800));
    DrawingList.Add(Mark(20000, 12000, 14000, 12000, 2700));
    DrawingList.Add(Mark(14000, 12000, 10000, 16000, 3150));
    DrawingList.Add(Mark(10000, 16000, 10000, 20000, 0));
    tool.Action(7);
    const std::vector<TExtwallobj*> walls = WallsOf(50);
    ASSERT_EQ(walls.size(), 5u);
    const TExtwallobj& south = *walls[2];
    const TExtwallobj& angled = *walls[3];
    const TExtwallobj& west = *walls[4];
    EXPECT_EQ(std::vector<int>({south.x2, south.y2}), std::vector<int>({angled.x1, angled.y1}));
    EXPECT_EQ(std::vector<int>({angled.x2, angled.y2}), std::vector<int>({west.x1, west.y1}));
    // The angled wall's third face lies on its mark: 275 out along the bisectors, at 22.5 degrees off
    // the axes, the corners move by 275 x tan 22.5 = 114 along the sides.
    EXPECT_EQ(std::vector<int>({south.x2, south.y2}), std::vector<int>({13886, 11725}));
    EXPECT_EQ(std::vector<int>({west.x1, west.y1}), std::vector<int>({9725, 15886}));
    EXPECT_EQ(angled.number, 5884); // 4161 x the square root of 2, cut
    // Every face meets its neighbour's at the shared corners.
    EXPECT_EQ(std::vector<int>({south.f3x2, south.f3y2}), std::vector<int>({angled.f3x1, angled.f3y1}));
    EXPECT_EQ(std::vector<int>({angled.f1x2, angled.f1y2}), std::vector<int>({west.f1x1, west.f1y1}));
}

TEST_F(ExtwallTool, MarksAlongDesignRoomsTakeTheRoomsExactLength) {
    DrawingList.Add(Room(10000, 13000, 20000, 15000));
    DrawingList.Add(Room(13100, 17100, 20000, 15000));
    DrawingList.Add(Mark(10000, 20000, 17110, 20000, 900));
    DrawingList.Add(Mark(17110, 20000, 17110, 12000, 1800));
    DrawingList.Add(Mark(17110, 12000, 10000, 12000, 2700));
    DrawingList.Add(Mark(10000, 12000, 10000, 20000, 0));
    SnapMarksToDesignRooms();
    const TObject& north = *DrawingList[2];
    EXPECT_EQ(std::vector<int>({north.x1, north.y1, north.x2, north.y2}),
              std::vector<int>({10000, 20000, 17100, 20000}));
    EXPECT_EQ(north.number, 7100);
    const TObject& east = *DrawingList[3];
    EXPECT_EQ(std::vector<int>({east.x1, east.y1, east.x2, east.y2}),
              std::vector<int>({17100, 20000, 17100, 12000}));
    // The south mark runs back over the same span and takes the same length from its start; the
    // chain then joins it to the west mark.
    const TObject& south = *DrawingList[4];
    EXPECT_EQ(std::vector<int>({south.x1, south.x2}), std::vector<int>({17100, 10000}));
    // A mark 30 units off the rooms' length is not within 5 x Zoom: it stays.
    DrawingList.Flush();
    DrawingList.Add(Room(10000, 13000, 20000, 15000));
    DrawingList.Add(Room(13100, 17100, 20000, 15000));
    DrawingList.Add(Mark(10000, 20000, 17130, 20000, 900));
    SnapMarksToDesignRooms();
    EXPECT_EQ(DrawingList[2]->x2, 17130);
}

TEST_F(ExtwallTool, EveryDesignRoomAlongAMarkCounts) {
    for (int i = 0; i < 25; ++i)
        DrawingList.Add(Room(10000 + i * 400, 10300 + i * 400, 20000, 18000));
    DrawingList.Add(Mark(10000, 20000, 19910, 20000, 900));
    SnapMarksToDesignRooms();
    // 25 rooms of 300 and 24 room walls of 100.
    EXPECT_EQ(DrawingList[25]->x2, 19900);
}

TEST_F(ExtwallTool, AnUpperFloorCopiesTheWallsOfTheFloorBelow) {
    Shared.CurrentView = 51;
    WriteCfg("EXTWALLM.CFG", "110 55 110 0 2550 2400 2400 0 0 0");
    AddHouse(50);
    Shared.ObjectSerial = 10;
    tool.Action(3);
    const std::vector<TExtwallobj*> ground = WallsOf(50);
    const std::vector<TExtwallobj*> first = WallsOf(51);
    ASSERT_EQ(first.size(), 4u);
    AddHouse(52);
    const std::vector<TExtwallobj*> expected = WallsOf(52);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(Geometry(*first[i]), Geometry(*expected[i])) << "copy " << i;
        EXPECT_EQ(Geometry(*ground[i]), Geometry(*expected[i])) << "ground wall " << i;
        EXPECT_EQ(first[i]->z1, 2550);
        EXPECT_EQ(first[i]->z2, 4950);
        EXPECT_EQ(first[i]->aux, 11 + static_cast<int>(i));
    }
    EXPECT_EQ(Shared.CurrentView, 51);
}

TEST_F(ExtwallTool, ActionTwoMeasuresFromTheStartToTheNextWallAhead) {
    Shared.CurrentView = 50;
    AddHouse();
    tool.X1 = 9725;
    tool.Y1 = 20275;
    tool.WallDirection() = 2;
    tool.Action(2);
    EXPECT_EQ(tool.Amount(), 10550);
    // Near a wall's start the start snaps onto it first.
    tool.X1 = 20270;
    tool.Y1 = 11730;
    tool.WallDirection() = 4;
    tool.Action(2);
    EXPECT_EQ(std::vector<int>({tool.X1, tool.Y1}), std::vector<int>({20275, 11725}));
    EXPECT_EQ(tool.Amount(), 10550);
    // Nothing ahead.
    tool.X1 = 9725;
    tool.Y1 = 20275;
    tool.WallDirection() = 1;
    tool.Action(2);
    EXPECT_EQ(tool.Amount(), 0);
}

TEST_F(ExtwallTool, ActionOneMeasuresTheRoomLeftForShrinking) {
    Shared.CurrentView = 50;
    AddHouse();
    tool.Amount() = 2400; // the cursor (12000, 16000) in logical units
    tool.Amount2() = 3200;
    tool.Aux2() = 2;
    tool.Action(1);
    EXPECT_EQ(tool.Amount(), 0); // no room
    DrawingList.Add(Room(12000, 18000, 19000, 13000));
    tool.Amount() = 2400;
    tool.Action(1);
    EXPECT_EQ(tool.Amount(), 2000);
    tool.Amount() = 2400;
    tool.Aux2() = 0;
    tool.Action(1);
    EXPECT_EQ(tool.Amount(), 0);
}

TEST_F(ExtwallTool, TheResizeStepsLeaveAWallToolOfTheFloorAndCentreThePlan) {
    Shared.CurrentView = 50;
    AddHouse();
    for (int state : {8, 9}) {
        tool.Kind = 1100;
        tool.State = state;
        tool.Pending = 1;
        tool.Dragging = 1;
        tool.Step(500, 12000, 16000);
        EXPECT_EQ(tool.Kind, 1000);
        EXPECT_EQ(tool.Pending, 0);
        EXPECT_EQ(tool.Dragging, 0);
    }
    EXPECT_EQ(WallAt(0).x1, 9725 + 6000);
    // Other states do nothing.
    for (int state : {0, 1, 7, 10}) {
        tool.State = state;
        tool.Pending = 1;
        tool.Step(500, 12000, 16000);
        EXPECT_EQ(tool.Pending, 1);
    }
    EXPECT_EQ(WallAt(0).x1, 9725 + 6000);
}

TEST_F(ExtwallTool, TheFinishingActionCentresOnlyTheGroundFloor) {
    Shared.CurrentView = 51;
    AddHouse(51);
    TLineobjtool pick;
    pick.Kind = 21;
    pick.Action(1);
    EXPECT_EQ(WallAt(0).x1, 9725);
    EXPECT_EQ(DrawingList.GetArea(), 90);
    EXPECT_FALSE(DrawingFileExists());
    Shared.CurrentView = 50;
    DrawingList.Flush();
    AddHouse(50);
    DrawingList.SetArea(0);
    pick.Action(1);
    EXPECT_EQ(WallAt(0).x1, 15725);
    EXPECT_EQ(DrawingList.GetArea(), 90);
    // The wall tool's action 5 does the same.
    DrawingList.SetArea(0);
    tool.Action(5);
    EXPECT_EQ(WallAt(0).x1, 15725);
    EXPECT_EQ(DrawingList.GetArea(), 90);
}

} // namespace
