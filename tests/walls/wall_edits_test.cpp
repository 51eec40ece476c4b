// The external-wall edits on the rectangular house of fixture R (walls 0 north, 1 east, 2 south,
// 3 west, mitred at every corner) and the enlarging and shrinking of the floor plan: which end
// moves, what the neighbours keep, the edits refused, and the repaint of the edit's area.
#include "model/drawing_list.h"
#include "walls/extwall_tool.h"
#include "walls/wall_edits.h"
#include "walls/wall_geometry.h"
#include "walls_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using walls_test::RecordingView;

class WallEdits : public walls_test::WallTest {
  protected:
    void SetUp() override {
        WallTest::SetUp();
        AddHouse();
    }
    // The step of the wall tool the view rebuilds on the wall picked.
    TExtwallobjtool& Edit(int state, int index, int a, int b, int c) {
        toolMade = std::make_unique<TExtwallobjtool>();
        TExtwallobjtool& tool = *toolMade;
        tool.State = state;
        tool.Aux = index;
        tool.Step(a, b, c);
        return tool;
    }
    std::vector<std::vector<int>> House() const {
        std::vector<std::vector<int>> walls;
        for (const TExtwallobj* wall : WallsOf(50))
            walls.push_back(Geometry(*wall));
        return walls;
    }
    std::unique_ptr<TExtwallobjtool> toolMade = std::make_unique<TExtwallobjtool>();
    // The tool of the last edit or resize.
    TExtwallobjtool& Tool() { return *toolMade; }
};

TEST_F(WallEdits, TheEndNearerTheCursorMovesAndATieGoesToTheUpperOrLeftEnd) {
    // Midway along the north wall: its west end (the start) goes 100 further west.
    Edit(wall_edit::Lengthen, 0, 100, 15000, 20275);
    EXPECT_EQ(WallAt(0).x1, 9625);
    EXPECT_EQ(WallAt(0).x2, 20275);
    EXPECT_EQ(WallAt(0).number, 10650);
    // The east wall runs south, the west wall north: either way the upper end moves.
    Edit(wall_edit::Lengthen, 1, 100, 20275, 16000);
    EXPECT_EQ(WallAt(1).y1, 20375);
    EXPECT_EQ(WallAt(1).y2, 11725);
    Edit(wall_edit::Lengthen, 3, 100, 9725, 16000);
    EXPECT_EQ(WallAt(3).y1, 11725);
    EXPECT_EQ(WallAt(3).y2, 20375);
    EXPECT_EQ(WallAt(3).number, 8650);
    // A cursor nearer the lower end moves that one.
    Edit(wall_edit::Lengthen, 3, 100, 9725, 15000);
    EXPECT_EQ(WallAt(3).y1, 11625);
    EXPECT_TRUE(DrawingFileExists());
}

TEST_F(WallEdits, LengthenSquaresTheMovedEndAndLeavesTheCornerItLeft) {
    Edit(wall_edit::Lengthen, 0, 1000, 19000, 20275);
    EXPECT_EQ(Geometry(WallAt(0)),
              std::vector<int>({9725, 20275, 21275, 20275, 9835, 20165, 21275, 20165, 9890, 20110, 21275,
                                20110, 10000, 20000, 21275, 20000, 900, 11550}));
    EXPECT_EQ(WallAt(1).f1x1, 20165);
    EXPECT_EQ(WallAt(1).f1y1, 20165);
    // The tool holds the new line for the repaint, the edit box the old extent.
    EXPECT_EQ(std::vector<int>({Tool().X1, Tool().Y1, Tool().X2, Tool().Y2}),
              std::vector<int>({9725, 20275, 21275, 20275}));
    EXPECT_EQ(
        std::vector<int>({Tool().EditLeft(), Tool().EditRight(), Tool().EditTop(), Tool().EditBottom()}),
        std::vector<int>({9725, 20000, 20275, 20000}));
}

TEST_F(WallEdits, ShorteningByNothingSquaresTheChosenEndAndTheNeighboursThere) {
    Edit(wall_edit::Shorten, 0, 0, 19000, 20275);
    EXPECT_EQ(Geometry(WallAt(0)),
              std::vector<int>({9725, 20275, 20275, 20275, 9835, 20165, 20275, 20165, 9890, 20110, 20275,
                                20110, 10000, 20000, 20275, 20000, 900, 10550}));
    // The east wall's start faces square to it: P0 (20165, 20275), P2 (20110, 20275), P4 (20000,
    // 20275); its end at the south corner keeps its mitre.
    EXPECT_EQ(Geometry(WallAt(1)),
              std::vector<int>({20275, 20275, 20275, 11725, 20165, 20275, 20165, 11835, 20110, 20275, 20110,
                                11890, 20000, 20275, 20000, 12000, 1800, 8550}));
    // The west wall at the other end is untouched.
    EXPECT_EQ(WallAt(3).f1y2, 20165);
}

TEST_F(WallEdits, ANegativeAmountReversesTheEdit) {
    Edit(wall_edit::Lengthen, 0, -1000, 19000, 20275);
    const auto lengthenedBack = Geometry(WallAt(0));
    DrawingList.Flush();
    AddHouse();
    Edit(wall_edit::Shorten, 0, 1000, 19000, 20275);
    EXPECT_EQ(Geometry(WallAt(0)), lengthenedBack);
    EXPECT_EQ(WallAt(0).x2, 19275);
    Edit(wall_edit::Shorten, 0, -1000, 19000, 20275);
    EXPECT_EQ(WallAt(0).x2, 20275);
    EXPECT_EQ(WallAt(0).number, 10550);
}

TEST_F(WallEdits, ShorteningThenLengtheningBackMitresTheCornerAgain) {
    const auto house = House();
    Edit(wall_edit::Shorten, 0, 1000, 19000, 20275);
    Edit(wall_edit::Lengthen, 0, 1000, 19000, 20275);
    // The wall met at the new end is mitred with it, as it was before.
    EXPECT_EQ(House(), house);
    EXPECT_EQ(Tool().NextWall, 1);
}

TEST_F(WallEdits, AnEditThatWouldFoldTheWallBackIsRefused) {
    const auto house = House();
    Edit(wall_edit::Shorten, 0, 10550, 19000, 20275);
    Edit(wall_edit::Shorten, 0, 20000, 19000, 20275);
    Edit(wall_edit::Lengthen, 0, -10550, 19000, 20275);
    EXPECT_EQ(House(), house);
    EXPECT_FALSE(DrawingFileExists());
    // The repaint still has the wall's line.
    EXPECT_EQ(std::vector<int>({Tool().X1, Tool().Y1, Tool().X2, Tool().Y2}),
              std::vector<int>({9725, 20275, 20275, 20275}));
    // One unit is left standing.
    Edit(wall_edit::Shorten, 0, 10549, 19000, 20275);
    EXPECT_EQ(WallAt(0).number, 1);
    EXPECT_EQ(WallAt(0).x2, 9726);
}

TEST_F(WallEdits, AngledWallsAndWallsOfNoLengthAreNotAltered) {
    DrawingList.Add(Wall(50, 1000, 1000, 3000, 3000, 450, 2828, {}));
    DrawingList.Add(Wall(50, 5000, 5000, 5000, 5000, 900, 0, {}));
    const auto before = Geometry(WallAt(4));
    for (int state : {wall_edit::Lengthen, wall_edit::Shorten}) {
        Edit(state, 4, 500, 2900, 2900);
        EXPECT_EQ(Tool().Dragging, TExtwallobjtool::AngledWallRefused);
        EXPECT_EQ(Geometry(WallAt(4)), before);
        Edit(state, 5, 500, 5000, 5000);
        EXPECT_EQ(Tool().Dragging, 0);
        EXPECT_EQ(WallAt(5).x2, 5000);
    }
    // Nor split.
    Edit(wall_edit::Split, 4, 0, 2000, 2000);
    EXPECT_EQ(Geometry(WallAt(4)), before);
    EXPECT_EQ(DrawingList.count, 6);
    EXPECT_FALSE(DrawingFileExists());
}

TEST_F(WallEdits, DeletingAWallSquaresTheWallsItMet) {
    Edit(wall_edit::Delete, 2, 0, 0, 0);
    ASSERT_EQ(WallsOf(50).size(), 3u);
    EXPECT_EQ(WallAt(2).ewall6, 0); // the west wall moved down one place
    EXPECT_EQ(std::vector<int>({WallAt(1).f1x2, WallAt(1).f1y2, WallAt(1).f2x2, WallAt(1).f2y2,
                                WallAt(1).f3x2, WallAt(1).f3y2}),
              std::vector<int>({20165, 11725, 20110, 11725, 20000, 11725}));
    EXPECT_EQ(std::vector<int>({WallAt(2).f1x1, WallAt(2).f1y1, WallAt(2).f2x1, WallAt(2).f2y1,
                                WallAt(2).f3x1, WallAt(2).f3y1}),
              std::vector<int>({9835, 11725, 9890, 11725, 10000, 11725}));
    EXPECT_TRUE(DrawingFileExists());
}

TEST_F(WallEdits, ASplitCutsOnlyStrictlyBetweenTheEnds) {
    const auto house = House();
    Edit(wall_edit::Split, 0, 0, 9725, 20275);
    Edit(wall_edit::Split, 0, 0, 20275, 20275);
    Edit(wall_edit::Split, 0, 0, 20300, 20275);
    EXPECT_EQ(House(), house);
    EXPECT_FALSE(DrawingFileExists());
    // The east wall runs south: it keeps its lower piece and the new wall takes the upper one from
    // the old start, whose mitre it keeps.
    Shared.ObjectSerial = 40;
    Edit(wall_edit::Split, 1, 0, 20275, 15000);
    EXPECT_EQ(Geometry(WallAt(1)),
              std::vector<int>({20275, 15000, 20275, 11725, 20165, 15000, 20165, 11835, 20110, 15000, 20110,
                                11890, 20000, 15000, 20000, 12000, 1800, 3275}));
    const TExtwallobj& added = WallAt(4);
    EXPECT_EQ(Geometry(added),
              std::vector<int>({20275, 20275, 20275, 15000, 20165, 20165, 20165, 15000, 20110, 20110, 20110,
                                15000, 20000, 20000, 20000, 15000, 1800, 5275}));
    EXPECT_EQ(added.aux, 41);
    EXPECT_EQ(Shared.ObjectSerial, 41);
    EXPECT_EQ(std::vector<int>({added.view, added.z1, added.z2, added.ewall8, added.ewall9}),
              std::vector<int>({50, WallAt(1).z1, WallAt(1).z2, WallAt(1).ewall8, WallAt(1).ewall9}));
}

TEST_F(WallEdits, ASplitLeavesTheUnusedFacesOfAWallWithoutCavityAlone) {
    DrawingList.Flush();
    auto wall =
        Wall(50, 1000, 5000, 6000, 5000, 900, 5000, {1000, 4770, 6000, 4770, 7, 8, 9, 10, 11, 12, 13, 14});
    wall->ewall1 = 230;
    wall->ewall2 = 0;
    wall->ewall3 = 0;
    DrawingList.Add(std::move(wall));
    Edit(wall_edit::Split, 0, 0, 2000, 5000);
    EXPECT_EQ(Geometry(WallAt(0)), std::vector<int>({1000, 5000, 2000, 5000, 1000, 4770, 2000, 4770, 7, 8, 9,
                                                     10, 11, 12, 13, 14, 900, 1000}));
    EXPECT_EQ(Geometry(WallAt(1)), std::vector<int>({2000, 5000, 6000, 5000, 2000, 4770, 6000, 4770, 7, 8, 9,
                                                     10, 11, 12, 13, 14, 900, 4000}));
}

TEST_F(WallEdits, ANewTypeIsMitredAtEveryCornerAndSquaredAtAFreeEnd) {
    Edit(wall_edit::ChangeType, 0, 230, 0, 0);
    EXPECT_EQ(std::vector<int>({WallAt(0).ewall1, WallAt(0).ewall2, WallAt(0).ewall3}),
              std::vector<int>({230, 0, 0}));
    EXPECT_EQ(std::vector<int>({WallAt(0).f1x1, WallAt(0).f1y1, WallAt(0).f1x2, WallAt(0).f1y2}),
              std::vector<int>({9835, 20045, 20165, 20045}));
    EXPECT_EQ(std::vector<int>({WallAt(3).f1x2, WallAt(3).f1y2, WallAt(3).f3y2}),
              std::vector<int>({9835, 20045, 20045}));
    EXPECT_EQ(std::vector<int>({WallAt(1).f1x1, WallAt(1).f1y1, WallAt(1).f3y1}),
              std::vector<int>({20165, 20045, 20045}));
    // A wall with a free end: that end is square at the new depths.
    DrawingList.Flush();
    DrawingList.Add(Wall(50, 1000, 5000, 6000, 5000, 900, 5000, {}));
    Edit(wall_edit::ChangeType, 0, 100, 50, 200);
    EXPECT_EQ(Geometry(WallAt(0)), std::vector<int>({1000, 5000, 6000, 5000, 1000, 4900, 6000, 4900, 1000,
                                                     4850, 6000, 4850, 1000, 4650, 6000, 4650, 900, 5000}));
}

TEST_F(WallEdits, TheSameTypeAgainRebuildsAnAngledCornerAsItWas) {
    DrawingList.Flush();
    // Two walls placed by the tool: east along y 18000, then down and to the right at 1350.
    TExtwallobjtool placing;
    placing.X1 = 13000, placing.Y1 = 18000, placing.X2 = 15000, placing.Y2 = 18000, placing.Angle = 900;
    placing.Number = 2000;
    placing.SavedState = 50;
    WorkingWall first = placing.Working();
    PlaceExternalWall(first, 0, 1);
    placing.TakeWorking(first);
    placing.AddWallObject();
    placing.X1 = 15000, placing.Y1 = 18000, placing.X2 = 17000, placing.Y2 = 16000, placing.Angle = 1350;
    WorkingWall second = placing.Working();
    PlaceExternalWall(second, 0, 1);
    placing.TakeWorking(second);
    placing.AddWallObject();
    const auto before = House();
    ASSERT_NE(WallAt(0).f1x2, 15000); // mitred with the angled wall
    Edit(wall_edit::ChangeType, 0, 110, 55, 110);
    EXPECT_EQ(House(), before);
    Edit(wall_edit::ChangeType, 1, 110, 55, 110);
    EXPECT_EQ(House(), before);
}

TEST_F(WallEdits, TheRepaintCoversTheOldBoxAndTheNewLine) {
    Shared.ScrollX = 1500;
    Shared.ScrollY = 2500;
    auto edit = std::make_unique<TExtwallobjtool>();
    edit->State = wall_edit::Lengthen;
    edit->Aux = 0;
    edit->Step(1000, 19000, 20275);
    RecordingView view(window, std::move(edit));
    InvalidateWallEditArea(view, view.ClientRect(), 1);
    ASSERT_EQ(view.repaints.size(), 1u);
    EXPECT_EQ(view.repaints[0].area, (platform::Rect{79, 79, 561, 110}));
    EXPECT_TRUE(view.repaints[0].erase);
    // The box alone after a delete; other codes repaint nothing.
    InvalidateWallEditArea(view, view.ClientRect(), 2);
    InvalidateWallEditArea(view, view.ClientRect(), 3);
    ASSERT_EQ(view.repaints.size(), 2u);
    EXPECT_EQ(view.repaints[1].area, (platform::Rect{79, 79, 510, 110}));
}

TEST_F(WallEdits, TheRepaintStaysInsideTheView) {
    auto edit = std::make_unique<TExtwallobjtool>();
    edit->EditLeft() = 5000, edit->EditRight() = 8000, edit->EditTop() = 7000, edit->EditBottom() = 6725;
    edit->X1 = -50000, edit->Y1 = 7000, edit->X2 = 9000, edit->Y2 = 90000;
    RecordingView view(window, std::move(edit));
    InvalidateWallEditArea(view, view.ClientRect(), 1);
    ASSERT_EQ(view.repaints.size(), 1u);
    EXPECT_EQ(view.repaints[0].area, (platform::Rect{0, 0, 370, 141}));
}

class FloorPlanResize : public WallEdits {
  protected:
    void Resize(int state, int direction, int amount, int x, int y) {
        toolMade = std::make_unique<TExtwallobjtool>();
        toolMade->State = state;
        toolMade->Aux = direction;
        ResizeFloorPlan(*toolMade, amount, x, y);
    }
    [[maybe_unused]] static constexpr int Up = 1, Right = 2, Down = 3, Left = 4;
};

TEST_F(FloorPlanResize, EnlargingMovesEverythingBeyondTheLineAndStretchesTheWallsAcrossIt) {
    DrawingList.Add(Room(16000, 18000, 19000, 13000, 50)); // beyond the line
    DrawingList.Add(Room(14000, 16000, 19000, 13000, 50)); // cut by it
    auto line = std::make_unique<TLineobj>();
    line->view = 50, line->x1 = 12000, line->y1 = 15000, line->x2 = 17000, line->y2 = 15000;
    DrawingList.Add(std::move(line));
    auto text = std::make_unique<TTextobj>();
    text->type = 34, text->view = 50, text->x1 = 16000, text->y1 = 21075, text->x2 = 900, text->y2 = 7;
    DrawingList.Add(std::move(text));
    auto arrow = std::make_unique<TArrowobj>();
    arrow->view = 50, arrow->x1 = 20275, arrow->x2 = 20075, arrow->ax1 = 20175;
    DrawingList.Add(std::move(arrow));
    DrawingList.Add(Wall(51, 16000, 3000, 18000, 3000, 900, 2000, {}));
    auto opening = std::make_unique<TOpeningobj>(); // cut into the east wall
    opening->view = 50, opening->count = 2;
    opening->x[0] = 20000, opening->y[0] = 17000, opening->x[1] = 20275, opening->y[1] = 18000;
    DrawingList.Add(std::move(opening));
    Resize(TExtwallobjtool::Enlarge, Right, 1000, 15000, 16000);

    // The north and south walls keep their west ends and grow; the east wall moves; the west stays.
    EXPECT_EQ(Geometry(WallAt(0)),
              std::vector<int>({9725, 20275, 21275, 20275, 9835, 20165, 21165, 20165, 9890, 20110, 21110,
                                20110, 10000, 20000, 21000, 20000, 900, 11550}));
    EXPECT_EQ(
        std::vector<int>({WallAt(1).x1, WallAt(1).x2, WallAt(1).f1x1, WallAt(1).f3x2, WallAt(1).number}),
        std::vector<int>({21275, 21275, 21165, 21000, 8550}));
    EXPECT_EQ(WallAt(2).number, 11550);
    EXPECT_EQ(WallAt(2).x1, 21275);
    EXPECT_EQ(WallAt(2).x2, 9725);
    EXPECT_EQ(WallAt(3).x1, 9725);
    EXPECT_EQ(DrawingList[4]->x1, 17000); // the room beyond
    EXPECT_EQ(DrawingList[5]->x1, 14000); // the room cut
    EXPECT_EQ(DrawingList[5]->x2, 16000);
    EXPECT_EQ(DrawingList[6]->x1, 12000); // the line's near end stays, its far end moves
    EXPECT_EQ(DrawingList[6]->x2, 18000);
    EXPECT_EQ(DrawingList[7]->x1, 17000); // a text's anchor moves, its direction does not
    EXPECT_EQ(DrawingList[7]->x2, 900);
    EXPECT_EQ(DrawingList[8]->x1, 20275);                                   // automatic dimensions stay
    EXPECT_EQ(DrawingList[9]->x1, 16000);                                   // other floors stay
    const auto& moved = dynamic_cast<const TOpeningobj&>(*DrawingList[10]); // with the wall it is in
    EXPECT_EQ(std::vector<int>({moved.x[0], moved.y[0], moved.x[1], moved.y[1]}),
              std::vector<int>({21000, 17000, 21275, 18000}));
    // Nothing is saved: the centring that follows saves.
    EXPECT_FALSE(DrawingFileExists());
}

TEST_F(FloorPlanResize, ShrinkingMovesTheLineOntoTheNearestWallLessTheAmount) {
    Shared.DisplayMode = 1; // dimensions hidden: the walls give the extents
    Resize(TExtwallobjtool::Shrink, Up, 800, 15000, 19775);
    EXPECT_EQ(WallAt(0).y1, 19475);
    EXPECT_EQ(WallAt(0).f3y2, 19200);
    EXPECT_EQ(std::vector<int>({WallAt(1).y1, WallAt(1).f1y1, WallAt(1).f3y1, WallAt(1).number}),
              std::vector<int>({19475, 19365, 19200, 7750}));
    EXPECT_EQ(WallAt(3).y2, 19475);
    EXPECT_EQ(WallAt(3).number, 7750);
    // With room to spare the line stays where the cursor put it.
    DrawingList.Flush();
    AddHouse();
    Resize(TExtwallobjtool::Shrink, Up, 300, 15000, 19775);
    EXPECT_EQ(WallAt(0).y1, 19975);
    EXPECT_EQ(WallAt(1).number, 8250);
}

TEST_F(FloorPlanResize, OfTwoWallsAheadTheNearerDecidesWhateverTheirOrder) {
    Shared.DisplayMode = 1;
    for (bool inFront : {false, true}) {
        DrawingList.Flush();
        if (inFront) DrawingList.Add(Wall(50, 18000, 19000, 18000, 13000, 1800, 6000, {}));
        AddHouse();
        if (!inFront) DrawingList.Add(Wall(50, 18000, 19000, 18000, 13000, 1800, 6000, {}));
        Resize(TExtwallobjtool::Shrink, Right, 4000, 15000, 16000);
        // The line moved to 18000 - 4000; everything right of it moves 4000 back.
        const int first = inFront ? 1 : 0;
        EXPECT_EQ(WallsOf(50)[first + 1]->x1, 16275) << inFront; // the east wall
        EXPECT_EQ(WallsOf(50)[first]->x2, 16275) << inFront;     // the north wall's east end
        EXPECT_EQ(WallsOf(50)[inFront ? 0 : 4]->x1, 14000) << inFront;
    }
}

TEST_F(FloorPlanResize, AShrinkThatCannotBeMeasuredIsRefused) {
    const auto house = House();
    // Dimensions shown but none drawn: the extents say nothing is drawn.
    Shared.DisplayMode = 0;
    Resize(TExtwallobjtool::Shrink, Up, 300, 15000, 19775);
    EXPECT_EQ(Cfg("EXTENTS.CFG"), "200000 0 0 200000");
    EXPECT_EQ(House(), house);
    Shared.DisplayMode = 1;
    // More than the house is high.
    Resize(TExtwallobjtool::Shrink, Up, 8551, 15000, 16000);
    // No wall below the cursor, or one exactly on the cursor's x (on no side).
    Resize(TExtwallobjtool::Shrink, Up, 300, 15000, 11000);
    Resize(TExtwallobjtool::Shrink, Left, 300, 9725, 16000);
    EXPECT_EQ(House(), house);
    // The extents cannot be written and read back.
    std::filesystem::remove(folder.Path() / "CFG" / "EXTENTS.CFG");
    std::filesystem::create_directory(folder.Path() / "CFG" / "EXTENTS.CFG");
    Resize(TExtwallobjtool::Shrink, Up, 300, 15000, 19775);
    EXPECT_EQ(House(), house);
    // An arrow never chosen moves nothing either.
    Resize(TExtwallobjtool::Enlarge, 0, 300, 15000, 19775);
    EXPECT_EQ(House(), house);
}

} // namespace
