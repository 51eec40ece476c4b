// The stairs tool as the view drives it: the sizes Step works out from the storey height and the
// custom riser and tread, the dotted outline that follows the cursor, and the lines Enter draws on the
// floor shown and on the floor above, for both flight styles and every side of the top tread.
#include "partitions/stairs_tool.h"
#include "tools/tool_test_support.h"

#include <algorithm>

using namespace platform;
using tool_test::ToolTest;

namespace {

class StairsTool : public ToolTest {
  protected:
    void SetUp() override {
        ToolTest::SetUp();
        test_support::WriteFile(folder.Path() / "CFG" / "STAIRSM.CFG", "170 250");
        for (int view = 50; view <= 53; ++view)
            AddRecord(31950 + view);
    }
    static void AddRecord(int type) {
        auto record = std::make_unique<TInfoobj>();
        record->type = type;
        record->view = type - 31950;
        DrawingList.Add(std::move(record));
    }
    // The tool as the set-up leaves it after the stairs dialog.
    static void SetUpStairs(TStepobjtool& stairs, int style, int side, int width = 900, int stairwell = 0,
                            int storey = 2550) {
        stairs.TopTreadSide() = side;
        stairs.StoreyHeight() = storey;
        stairs.Step(width, stairwell, style);
        stairs.DragActive() = 1;
    }
    // The stairs lines made, one "x1,y1 x2,y2" a line, of one view.
    static std::vector<std::string> LinesOf(int view) {
        std::vector<std::string> lines;
        for (int i = 0; i < DrawingList.count; ++i) {
            const TObject& o = *DrawingList[i];
            if (o.type != 1 || o.view != view) continue;
            lines.push_back(std::to_string(o.x1) + "," + std::to_string(o.y1) + " " + std::to_string(o.x2) +
                            "," + std::to_string(o.y2));
        }
        return lines;
    }
};

TEST_F(StairsTool, StepCountsTheTreadsOfEachFlight) {
    struct Case {
        int style;
        int storey;
        int treads;
        int run;
    };
    // 15 risers of 170 in 2550: 14 treads; 2500 holds 14 risers, so 13 treads. A halfway landing
    // climbs half the storey per flight (1275: 7 risers, 6 treads) and adds a landing 900 deep; an
    // odd storey height halves to the unit below.
    const Case cases[] = {{2, 2550, 14, 3500}, {2, 2500, 13, 3250}, {1, 2550, 6, 2400}, {1, 2721, 7, 2650}};
    for (const Case& c : cases) {
        TStepobjtool stairs;
        SetUpStairs(stairs, c.style, 4, 900, 0, c.storey);
        EXPECT_EQ(stairs.TreadCount, c.treads) << c.storey;
        EXPECT_EQ(stairs.RunLength, c.run) << c.storey;
        EXPECT_EQ(stairs.StairWidth, 900);
        EXPECT_EQ(stairs.StairStyle(), c.style);
        EXPECT_EQ(stairs.Riser, 170);
        EXPECT_EQ(stairs.Tread, 250);
    }
    // Any other style keeps the whole quotient and no run.
    TStepobjtool other;
    SetUpStairs(other, 3, 1);
    EXPECT_EQ(other.TreadCount, 15);
    EXPECT_EQ(other.RunLength, 0);
}

TEST_F(StairsTool, StepsComeFromTheShippedOrClampedDefaults) {
    // Missing: the shipped 175 and 250, so 14 risers and 13 treads.
    std::filesystem::remove(folder.Path() / "CFG" / "STAIRSM.CFG");
    TStepobjtool shipped;
    SetUpStairs(shipped, 2, 1);
    EXPECT_EQ(shipped.Riser, 175);
    EXPECT_EQ(shipped.TreadCount, 13);
    EXPECT_EQ(shipped.RunLength, 3250);
    // "0 0" divides by nothing: the smallest riser and tread the defaults dialog allows.
    test_support::WriteFile(folder.Path() / "CFG" / "STAIRSM.CFG", "0 0");
    TStepobjtool clamped;
    SetUpStairs(clamped, 2, 1);
    EXPECT_EQ(clamped.Riser, 100);
    EXPECT_EQ(clamped.Tread, 150);
    EXPECT_EQ(clamped.TreadCount, 24);
    EXPECT_TRUE(clamped.HasUsableSteps());
}

TEST_F(StairsTool, WithoutTheRecordOfTheFloorAboveNothingIsPlaced) {
    DrawingList.Flush();
    AddRecord(32000);
    TStepobjtool stairs;
    SetUpStairs(stairs, 2, 1);
    EXPECT_EQ(stairs.StairStyle(), 0);
    EXPECT_EQ(stairs.RunLength, 0);
    EXPECT_EQ(stairs.StairWidth, 0);

    // The outline has no extent, and Enter draws and saves nothing; only the serial moves on.
    Move(stairs, 200, 100);
    const auto outline = surface.CallsNamed("Rectangle");
    ASSERT_EQ(outline.size(), 1u);
    EXPECT_EQ(outline[0].device[0], outline[0].device[1]);
    const int serial = Shared.ObjectSerial;
    Key(stairs, VirtualKey::Return, 5000, 7500);
    EXPECT_EQ(DrawingList.count, 1);
    EXPECT_FALSE(DrawingFileExists());
    EXPECT_EQ(Shared.CurrentView, 50);
    EXPECT_EQ(Shared.ObjectSerial, serial + 1);
    EXPECT_EQ(stairs.Kind, 57);
}

TEST_F(StairsTool, OutlineFollowsTheCursorInDottedExclusiveOr) {
    TStepobjtool stairs;
    SetUpStairs(stairs, 2, 1);
    Move(stairs, 200, 100); // (5000, 7500)
    Move(stairs, 200, 100);
    // Within one pixel of the same drawing point (25 units a pixel at this scale) nothing is drawn.
    Move(stairs, 240, 300); // (6000, 2500)

    const auto outline = surface.CallsNamed("Rectangle");
    ASSERT_EQ(outline.size(), 3u); // drawn, erased at the old place, drawn at the new one
    EXPECT_EQ(outline[0].args, (std::vector<int>{910, 1500, 1090, 800}));
    EXPECT_EQ(outline[1].args, outline[0].args);
    EXPECT_EQ(outline[2].args, (std::vector<int>{1110, 500, 1290, -200}));
    for (const DrawCall& call : outline) {
        EXPECT_EQ(call.rop, RasterOp::XorPen);
        EXPECT_EQ(call.pen, (Pen{Shared.DrawingColour, 1, PenStyle::Dot}));
        EXPECT_EQ(call.brush.style, BrushStyle::Null);
    }
    EXPECT_EQ(stairs.OutlineShown, 1);
    EXPECT_EQ(stairs.X1, 6000);
    EXPECT_EQ(stairs.Y1, 2500);

    // Once placed, or before the set-up armed it, the outline stays where it is.
    surface.Clear();
    stairs.DragActive() = 0;
    Move(stairs, 100, 100);
    EXPECT_TRUE(surface.Calls().empty());
}

TEST_F(StairsTool, OutlineCoversBothStylesOnEverySide) {
    // The corners in logical units with the cursor at (5000, 7500): width 900 (half 450), run 3500
    // straight; two flights 1800 across and a run of 2400 with the landing.
    struct Case {
        int style;
        int side;
        std::vector<int> corners;
    };
    const Case cases[] = {
        {2, 1, {910, 1500, 1090, 800}},   {2, 2, {300, 1590, 1000, 1410}},  {2, 3, {910, 2200, 1090, 1500}},
        {2, 4, {1000, 1590, 1700, 1410}}, {1, 1, {820, 1500, 1180, 1020}},  {1, 2, {1000, 1680, 520, 1320}},
        {1, 3, {820, 1980, 1180, 1500}},  {1, 4, {1000, 1680, 1480, 1320}},
    };
    for (const Case& c : cases) {
        surface.Clear();
        TStepobjtool stairs;
        SetUpStairs(stairs, c.style, c.side);
        Move(stairs, 200, 100);
        const auto outline = surface.CallsNamed("Rectangle");
        ASSERT_EQ(outline.size(), 1u);
        EXPECT_EQ(outline[0].args, c.corners) << "style " << c.style << " side " << c.side;
    }
    // A side outside 1 to 4 draws nothing.
    surface.Clear();
    TStepobjtool sideless;
    SetUpStairs(sideless, 2, 5);
    Move(sideless, 200, 100);
    EXPECT_TRUE(surface.CallsNamed("Rectangle").empty());
}

TEST_F(StairsTool, EnterDrawsTheFlightsOnBothFloors) {
    // Straight flights from (5000, 7500), width 900, run 3500, tread 250; the stairwell 2000 long.
    struct Case {
        int side;
        std::vector<std::string> firstFour; // the closed rectangle on the floor shown
        std::string firstTread;
        std::string lastWellTread; // the 8th tread, on the far edge of the stairwell
    };
    const Case cases[] = {
        {1,
         {"4550,7500 4550,4000", "4550,4000 5450,4000", "5450,4000 5450,7500", "5450,7500 4550,7500"},
         "4550,7250 5450,7250",
         "4550,5500 5450,5500"},
        {2,
         {"5000,7050 5000,7950", "5000,7950 1500,7950", "1500,7950 1500,7050", "1500,7050 5000,7050"},
         "4750,7950 4750,7050",
         "3000,7950 3000,7050"},
        {3,
         {"4550,7500 5450,7500", "5450,7500 5450,11000", "4550,11000 5450,11000", "4550,11000 4550,7500"},
         "4550,7750 5450,7750",
         "4550,9500 5450,9500"},
        {4,
         {"5000,7950 5000,7050", "5000,7050 8500,7050", "8500,7050 8500,7950", "8500,7950 5000,7950"},
         "5250,7950 5250,7050",
         "7000,7950 7000,7050"},
    };
    for (const Case& c : cases) {
        DrawingList.TruncateTo(4);
        Shared.CurrentView = 50;
        TStepobjtool stairs;
        SetUpStairs(stairs, 2, c.side, 900, 2000);
        Key(stairs, VirtualKey::Return, 5000, 7500);
        const auto ground = LinesOf(50);
        const auto first = LinesOf(51);
        ASSERT_EQ(ground.size(), 18u) << c.side;
        ASSERT_EQ(first.size(), 12u) << c.side;
        EXPECT_EQ(std::vector<std::string>(ground.begin(), ground.begin() + 4), c.firstFour) << c.side;
        EXPECT_EQ(ground[4], c.firstTread) << c.side;
        EXPECT_EQ(first[4], c.firstTread) << c.side;
        EXPECT_EQ(first[11], c.lastWellTread) << c.side;
        EXPECT_EQ(Shared.CurrentView, 51);
        EXPECT_EQ(stairs.Kind, 57);
    }
}

TEST_F(StairsTool, EnterDrawsTheHalfwayLandingOnBothFloors) {
    // Two flights of 900 from (5000, 7500): run 2400, the landing 1500 from the top edge.
    struct Case {
        int side;
        std::vector<std::string> lines; // the four edges, the landing, the line between the flights
        std::string lastTread;
    };
    const Case cases[] = {
        {1,
         {"5900,7500 4100,7500", "4100,7500 4100,5100", "4100,5100 5900,5100", "5900,5100 5900,7500",
          "4100,6000 5900,6000", "5000,7500 5000,6000"},
         "4100,6000 5900,6000"},
        {2,
         {"5000,8400 2600,8400", "2600,8400 2600,6600", "2600,6600 5000,6600", "5000,6600 5000,8400",
          "3500,8400 3500,6600", "5000,7500 3500,7500"},
         "3500,8400 3500,6600"},
        {3,
         {"4100,7500 5900,7500", "5900,7500 5900,9900", "5900,9900 4100,9900", "4100,9900 4100,7500",
          "4100,9000 5900,9000", "5000,7500 5000,9000"},
         "4100,9000 5900,9000"},
        {4,
         {"5000,8400 5000,6600", "5000,6600 7400,6600", "7400,6600 7400,8400", "7400,8400 5000,8400",
          "6500,8400 6500,6600", "5000,7500 6500,7500"},
         "6500,8400 6500,6600"},
    };
    for (const Case& c : cases) {
        DrawingList.TruncateTo(4);
        Shared.CurrentView = 50;
        TStepobjtool stairs;
        SetUpStairs(stairs, 1, c.side);
        Key(stairs, VirtualKey::Return, 5000, 7500);
        const auto ground = LinesOf(50);
        ASSERT_EQ(ground.size(), 12u) << c.side;
        EXPECT_EQ(std::vector<std::string>(ground.begin(), ground.begin() + 6), c.lines) << c.side;
        EXPECT_EQ(ground.back(), c.lastTread) << c.side;
        EXPECT_EQ(LinesOf(51), ground) << c.side;
    }
}

TEST_F(StairsTool, ASideOutsideTheFourStillMovesToTheFloorAbove) {
    TStepobjtool stairs;
    SetUpStairs(stairs, 2, 7);
    Key(stairs, VirtualKey::Return, 5000, 7500);
    EXPECT_EQ(DrawingList.count, 4);
    EXPECT_EQ(Shared.CurrentView, 51);
    EXPECT_TRUE(DrawingFileExists());
}

} // namespace
