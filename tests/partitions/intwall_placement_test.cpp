// Placing an internal wall as a key makes it: its ends snapped onto other walls' ends, turned towards
// the wall it joins, its colours and thickness, a wall refused when its second face cannot be had, and
// the walls it meets at a T opened across its mouth.
#include "intwall_test_support.h"
#include "partitions/intwall_faces.h"
#include "settings/cfg_command_files.h"

#include <string>

using intwall_test::InternalWallTest;
using intwall_test::SideDistance;
using platform::MessageBoxStyle::IconExclamation;

namespace {

class Placing : public InternalWallTest {
  protected:
    static std::vector<int> FirstFace(const TObject& o) { return {o.x1, o.y1, o.x2, o.y2}; }
    static std::vector<int> SecondFace(const TIntwallobj& w) { return {w.fx1, w.fy1, w.fx2, w.fy2}; }
    // An external wall on the floor: its outer face, one 250 layer, its inner face 250 inside.
    static void AddExternalWall(int x1, int y1, int x2, int y2, int angle, int innerDx, int innerDy,
                                int number) {
        auto wall = std::make_unique<TExtwallobj>();
        wall->view = 50;
        wall->number = number;
        wall->x1 = x1, wall->y1 = y1, wall->x2 = x2, wall->y2 = y2;
        wall->ewall1 = 250;
        wall->ewall6 = angle;
        wall->f1x1 = x1 + innerDx, wall->f1y1 = y1 + innerDy, wall->f1x2 = x2 + innerDx,
        wall->f1y2 = y2 + innerDy;
        DrawingList.Add(std::move(wall));
    }
    // The lines after the walls: the openings, in order.
    static std::vector<std::vector<int>> Openings() {
        std::vector<std::vector<int>> lines;
        for (int i = 0; i < DrawingList.count; ++i)
            if (DrawingList[i]->type == 1) lines.push_back(FirstFace(*DrawingList[i]));
        return lines;
    }
    // A key that makes a wall of `length` in `key`'s direction from the tool's start.
    void Arrow(TIntwallobjtool& tool, int key, int length) {
        OnView(tool, [&](platform::DeviceContext& dc) { tool.KeyDown(dc, client, key, {0, 0}, length); });
    }
};

TEST_F(Placing, StartsSnapOntoWallEndsWithinThreeScaleUnits) {
    auto tool = NewTool(2);
    Draw(*tool, 2000, 2000, 2000, 5000, 0);
    // 14 units off the first wall's end in both axes: moved onto it, length and direction kept.
    Draw(*tool, 2014, 5014, 4014, 5014, 900);
    EXPECT_EQ(FirstFace(Wall(1)), (std::vector<int>{2000, 5000, 4000, 5000}));
    // 15 units off: left where it was (and free, its second line above).
    DrawingList.Flush();
    Draw(*tool, 2000, 2000, 2000, 5000, 0);
    tool->SecondLineSide() = 1;
    Draw(*tool, 2015, 5015, 4015, 5015, 900);
    EXPECT_EQ(FirstFace(Wall(1)), (std::vector<int>{2015, 5015, 4015, 5015}));
    EXPECT_EQ(SecondFace(Wall(0)), (std::vector<int>{2100, 2000, 2100, 5000}));
    // Walls of another floor are never snapped to.
    DrawingList.Flush();
    tool->SecondLineSide() = 2;
    Draw(*tool, 2000, 2000, 2000, 5000, 0);
    Wall(0).view = 51;
    tool->SecondLineSide() = 1;
    Draw(*tool, 2010, 5010, 4010, 5010, 900);
    EXPECT_EQ(FirstFace(Wall(1)), (std::vector<int>{2010, 5010, 4010, 5010}));
}

TEST_F(Placing, AWallDrawnFromAnotherWallsStartIsTurnedToEndThere) {
    auto tool = NewTool(2);
    Draw(*tool, 2000, 2000, 2000, 5000, 0);
    // Drawn down from near the first wall's start: it ends there instead, drawn up (1800 - 1800).
    Draw(*tool, 2010, 1990, 2010, -1010, 1800);
    EXPECT_EQ(FirstFace(Wall(1)), (std::vector<int>{2000, -1000, 2000, 2000}));
    EXPECT_EQ(Wall(1).iwall6, 0);
    // Drawn left from it: ends there too, drawn right (2700 - 1800).
    DrawingList.Flush();
    Draw(*tool, 2000, 2000, 2000, 5000, 0);
    Draw(*tool, 2000, 2000, 500, 2000, 2700);
    EXPECT_EQ(FirstFace(Wall(1)), (std::vector<int>{500, 2000, 2000, 2000}));
    EXPECT_EQ(Wall(1).iwall6, 900);
}

TEST_F(Placing, OfThreeWallEndsMetTheThirdIsJoinedAtTheStart) {
    // Three walls ending at (5000, 5000): from the left, from below and from above (each snapped onto
    // the first one's end, none joined there: they end where it ends).
    auto across = NewTool(3);
    Draw(*across, 2000, 5000, 5000, 5000, 900);
    auto up = NewTool(2);
    Draw(*up, 5000, 2000, 5000, 4990, 0);
    Draw(*up, 5000, 8000, 5000, 5005, 1800);
    ASSERT_EQ(Walls(), 3);
    const std::vector<int> left = SecondFace(Wall(0));
    const std::vector<int> below = SecondFace(Wall(1));
    const std::vector<int> above = SecondFace(Wall(2));
    // A wall to the right from there meets all three ends: the third is recorded as met first, so the
    // walls it is joined to are the second and the third, and the first is left alone.
    auto right = NewTool(3);
    Draw(*right, 5000, 5000, 8000, 5000, 900);
    ASSERT_EQ(Walls(), 4);
    EXPECT_EQ(SecondFace(Wall(0)), left);
    EXPECT_NE(SecondFace(Wall(1)), below);
    EXPECT_NE(SecondFace(Wall(2)), above);
    EXPECT_EQ(right->JoinedAtStart, 2);
}

TEST_F(Placing, TwoWallsInOnePlaceAreBothKept) {
    auto tool = NewTool(2);
    Draw(*tool, 2000, 2000, 2000, 5000, 0);
    // The second snaps onto the first one's start, which turns it to end there.
    Draw(*tool, 2005, 2005, 2005, 5005, 0);
    ASSERT_EQ(Walls(), 2);
    EXPECT_EQ(FirstFace(Wall(1)), (std::vector<int>{2000, 5000, 2000, 2000}));
    EXPECT_EQ(SecondFace(Wall(1)), (std::vector<int>{2100, 5000, 2100, 2000}));
}

TEST_F(Placing, WallsTakeTheColoursAndThicknessOfTheirFiles) {
    WriteWallColours({platform::Rgb(10, 20, 30), platform::Rgb(40, 50, 60)});
    Thickness(125);
    auto tool = NewTool(2);
    Draw(*tool, 2000, 2000, 2000, 5000, 0);
    EXPECT_EQ(Wall(0).iwall12, static_cast<int>(platform::Rgb(10, 20, 30)));
    EXPECT_EQ(Wall(0).iwall13, static_cast<int>(platform::Rgb(40, 50, 60)));
    EXPECT_EQ(Wall(0).iwall1, 125);
    EXPECT_EQ(Wall(0).fx1, 2125);
}

TEST_F(Placing, AnEndNoStepComputesTakesTheFreeWallsFace) {
    // Up, then straight back down along it with the second line to the right: the join has nothing for
    // that turn, so the free wall's face on the right is used.
    auto tool = NewTool(2);
    Draw(*tool, 2000, 2000, 2000, 5000, 0);
    Draw(*tool, 2000, 5000, 2000, 3000, 1800);
    ASSERT_EQ(Walls(), 2);
    EXPECT_EQ(SecondFace(Wall(1)), (std::vector<int>{2100, 5000, 2100, 3000}));
    EXPECT_TRUE(desktop.Messages().empty());
}

TEST_F(Placing, AWallWithoutASecondFaceIsRefusedAndChangesNothing) {
    auto tool = NewTool(2);
    Draw(*tool, 2000, 2000, 2000, 5000, 0);
    const std::string saved = DrawingFile();
    const std::vector<int> neighbour = SecondFace(Wall(0));
    // Straight back down with the second line above: no second face at all.
    tool->SecondLineSide() = 1;
    desktop.SetCursorPos({123, 45});
    Draw(*tool, 2000, 5000, 2000, 3000, 1800);
    EXPECT_EQ(Walls(), 1);
    EXPECT_EQ(SecondFace(Wall(0)), neighbour);
    EXPECT_EQ(DrawingFile(), saved);
    ASSERT_EQ(desktop.Messages().size(), 1u);
    EXPECT_EQ(desktop.Messages()[0].text,
              "Not possible, you selected above or below for the second line position "
              "- click the Partition icon again");
    EXPECT_EQ(desktop.Messages()[0].caption, "INTERNAL WALLS");
    EXPECT_EQ(desktop.Messages()[0].style & IconExclamation, IconExclamation);
    EXPECT_EQ(desktop.GetCursorPos(), (platform::Point{123, 45}));
    EXPECT_EQ(tool->FreeDistance(), TIntwallobjtool::RunEndedAtWall);
    EXPECT_EQ(tool->State, 0);

    // No side at all (the width dialog cancelled): the other text.
    DrawingList.Flush();
    auto unset = NewTool(0);
    Draw(*unset, 2000, 2000, 4000, 2000, 900);
    EXPECT_EQ(Walls(), 0);
    ASSERT_EQ(desktop.Messages().size(), 2u);
    EXPECT_EQ(desktop.Messages()[1].text,
              "Not possible, you selected left or right for the second line position - "
              "click the Partition icon again");
}

TEST_F(Placing, AWallStartingOnAWallsFaceOpensIt) {
    auto tool = NewTool(3);
    Draw(*tool, 1000, 5000, 4000, 5000, 900); // second face at y 4900
    // Down 1500 from (2500, 4900), on the lower face: one line in the background colour across the
    // new wall's mouth, one unit inside each face, after the new wall.
    Shared.BackgroundColour = platform::Rgb(200, 210, 220);
    auto next = NewTool(2);
    next->X1 = 2500, next->Y1 = 4900;
    Arrow(*next, platform::VirtualKey::Down, 1500);
    ASSERT_EQ(DrawingList.count, 3);
    EXPECT_EQ(DrawingList[1]->type, 1500);
    EXPECT_EQ(FirstFace(*DrawingList[2]), (std::vector<int>{2525, 4900, 2575, 4900}));
    EXPECT_EQ(DrawingList[2]->colour, static_cast<int>(platform::Rgb(200, 210, 220)));
    EXPECT_EQ(DrawingList[2]->number, DrawingList[1]->number);
    EXPECT_EQ(next->State, 0);
    EXPECT_NE(next->FreeDistance(), TIntwallobjtool::RunEndedAtWall);
    EXPECT_EQ((platform::Point{next->X1, next->Y1}), (platform::Point{2500, 3400}));
}

TEST_F(Placing, AWallFromOneWallToAnotherOpensBothAndEndsTheRun) {
    auto tool = NewTool(3);
    Draw(*tool, 1000, 5000, 4000, 5000, 900); // faces y 5000 and 4900
    Draw(*tool, 1000, 2000, 4000, 2000, 900); // faces y 2000 and 1900
    auto next = NewTool(2);
    next->X1 = 2500, next->Y1 = 4900;
    Arrow(*next, platform::VirtualKey::Down, 2900);
    EXPECT_EQ(Openings(),
              (std::vector<std::vector<int>>{{2525, 4900, 2575, 4900}, {2525, 2000, 2575, 2000}}));
    EXPECT_EQ(next->FreeDistance(), TIntwallobjtool::RunEndedAtWall);
}

TEST_F(Placing, AWallEndingOnAnExternalWallEndsTheRunWithoutAnOpening) {
    AddExternalWall(0, 1750, 6000, 1750, 900, 0, 250, 6000); // inner face y 2000
    auto tool = NewTool(2);
    tool->X1 = 2500, tool->Y1 = 4900;
    Arrow(*tool, platform::VirtualKey::Down, 2900);
    EXPECT_EQ(Walls(), 1);
    EXPECT_TRUE(Openings().empty());
    EXPECT_EQ(tool->FreeDistance(), TIntwallobjtool::RunEndedAtWall);
}

TEST_F(Placing, AFaceIsMetWithinThreeScaleUnits) {
    for (int off : {14, 15}) {
        DrawingList.Flush();
        auto tool = NewTool(3);
        Draw(*tool, 1000, 5000, 4000, 5000, 900);
        auto next = NewTool(2);
        next->X1 = 2500, next->Y1 = 4900 - off;
        Arrow(*next, platform::VirtualKey::Down, 1500);
        EXPECT_EQ(Openings().size(), off == 14 ? 1u : 0u) << off;
    }
}

TEST_F(Placing, TheWallARunContinuesFromIsNeverMet) {
    // A wall opened at its start, whose opening line is last in the list: the next wall of the run
    // starts at its end, on its face line, and still meets nothing.
    auto tool = NewTool(3);
    Draw(*tool, 1000, 5000, 4000, 5000, 900);
    auto run = NewTool(2);
    run->X1 = 2500, run->Y1 = 4900;
    Arrow(*run, platform::VirtualKey::Down, 1500);
    ASSERT_EQ(Openings().size(), 1u);
    Arrow(*run, platform::VirtualKey::Right, 1000);
    EXPECT_EQ(Walls(), 3);
    EXPECT_EQ(Openings().size(), 1u);
    EXPECT_NE(run->FreeDistance(), TIntwallobjtool::RunEndedAtWall);
}

// A wall ending exactly on an angled wall's face line gets its second face's end on that line too, and a
// straight wall ending on an angled one likewise.
TEST_F(Placing, ASecondFaceEndingOnAnAngledFaceLiesOnIt) {
    int checked = 0;
    for (int met : {300, 450, 600, 1200, 1350, 2100, 3000}) {
        for (int ours = 0; ours < 3600; ours += 150) {
            int crossing = std::abs(ours - met) % 1800;
            if (crossing > 900) crossing = 1800 - crossing;
            if (crossing < 300) continue;
            for (int side = 1; side <= 4; ++side) {
                if ((ours == 0 || ours == 1800) && side % 2 == 1) continue;
                if ((ours == 900 || ours == 2700) && side % 2 == 0) continue;
                DrawingList.Flush();
                const double m = met * 3.14159265358979 / 1800.0;
                const double o = ours * 3.14159265358979 / 1800.0;
                auto angled = NewTool(1);
                Draw(*angled, std::llround(10000 - 4000 * std::sin(m)),
                     std::llround(10000 - 4000 * std::cos(m)), std::llround(10000 + 4000 * std::sin(m)),
                     std::llround(10000 + 4000 * std::cos(m)), met);
                auto tool = NewTool(side);
                const long long sx = std::llround(10000 - 2000 * std::sin(o));
                const long long sy = std::llround(10000 - 2000 * std::cos(o));
                Draw(*tool, sx, sy, 10000, 10000, ours);
                const std::string what =
                    std::to_string(met) + "/" + std::to_string(ours) + " side " + std::to_string(side);
                ASSERT_EQ(Walls(), 2) << what;
                const TIntwallobj& line = Wall(0);
                const TIntwallobj& made = Wall(1);
                EXPECT_NEAR(SideDistance(made.fx2, made.fy2, line.x1, line.y1, line.x2, line.y2), 0, 2)
                    << what;
                // Still on its own second face (as truncated as the face itself).
                EXPECT_NEAR(std::fabs(SideDistance(made.fx2, made.fy2, made.x1, made.y1, made.x2, made.y2)),
                            100, 3)
                    << what;
                EXPECT_EQ(tool->FreeDistance(), TIntwallobjtool::RunEndedAtWall) << what;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 200);
}

TEST_F(Placing, ASlopingWallStoredWithAVerticalAngleIsNotMet) {
    auto tool = NewTool(1);
    Draw(*tool, 5000, 5000, 8000, 8000, 450);
    Wall(0).iwall6 = 0; // its angle gives no height along x
    auto next = NewTool(2);
    Draw(*next, 6500, 3000, 6500, 6500, 0);
    EXPECT_EQ(Walls(), 2);
    EXPECT_NE(next->FreeDistance(), TIntwallobjtool::RunEndedAtWall);
}

} // namespace
