// The internal-wall tool's keys as the view hands them over: Enter walls at any angle, the free distance
// an arrow proposes, '+' capping the run, the rubber band, the press that leaves a run alone, the
// delete mode, and the wall made without a test.
#include "intwall_test_support.h"
#include "model/object_codes.h"
#include "platform/input.h"

#include <algorithm>

using intwall_test::InternalWallTest;
using platform::DeviceContext;
using platform::DrawCall;
using platform::Point;
using platform::RasterOp;
namespace VirtualKey = platform::VirtualKey;

namespace {

class WallKeys : public InternalWallTest {
  protected:
    void Enter(TIntwallobjtool& tool, int x, int y) { Key(tool, VirtualKey::Return, x, y); }
    void Measure(TIntwallobjtool& tool, int direction) { tool.Step(direction, 0, 0); }
    // A wall of the floor added as a drawing file holds it: faces, thickness, angle and number.
    static void AddWall(int x1, int y1, int x2, int y2, int fx1, int fy1, int fx2, int fy2, int angle,
                        int number = 10900) {
        auto wall = std::make_unique<TIntwallobj>();
        wall->view = 50;
        wall->number = wall->aux = number;
        wall->x1 = x1, wall->y1 = y1, wall->x2 = x2, wall->y2 = y2;
        wall->fx1 = fx1, wall->fy1 = fy1, wall->fx2 = fx2, wall->fy2 = fy2;
        wall->iwall1 = 100;
        wall->iwall6 = angle;
        DrawingList.Add(std::move(wall));
    }
    static std::vector<int> Ends(const TObject& o) { return {o.x1, o.y1, o.x2, o.y2}; }
    // The exclusive-or lines drawn on the recording surface.
    std::vector<DrawCall> Bands() const {
        std::vector<DrawCall> bands;
        for (const DrawCall& call : surface.CallsNamed("LineTo"))
            if (call.rop == RasterOp::XorPen) bands.push_back(call);
        return bands;
    }
};

TEST_F(WallKeys, EnterWallsTakeTheirBearing) {
    auto tool = NewTool(1);
    tool->Started() = 0;
    Enter(*tool, 1000, 1000);
    EXPECT_EQ(tool->Started(), 1);
    EXPECT_EQ((Point{tool->X1, tool->Y1}), (Point{1000, 1000}));
    // 40 right and 30 up of the start (in pixels' worth): atan(40 / 30) is 53.13 degrees.
    tool->X1 = 2000, tool->Y1 = 2250;
    Enter(*tool, 3000, 3000);
    ASSERT_EQ(Walls(), 1);
    EXPECT_EQ(Wall(0).iwall6, 531);
    EXPECT_EQ(Wall(0).number, 10001);
    EXPECT_EQ(Wall(0).aux, 10001);
    // The next wall starts where this one ended.
    EXPECT_EQ((Point{tool->X1, tool->Y1}), (Point{3000, 3000}));
    // Right and down at 45 degrees: 1350.
    tool->X1 = 1000, tool->Y1 = 2000;
    Enter(*tool, 2000, 1000);
    ASSERT_EQ(Walls(), 2);
    EXPECT_EQ(Wall(1).iwall6, 1350);
    EXPECT_EQ(Wall(1).number, 10002);
}

TEST_F(WallKeys, EnterTooNearTheStartMakesNothing) {
    // At Zoom 5 the box is 25 units each way, open: 20 off on both axes is inside it, 25 off on one
    // axis is not.
    auto tool = NewTool(2);
    tool->X1 = 1020, tool->Y1 = 1020;
    Enter(*tool, 1000, 1000);
    EXPECT_EQ(Walls(), 0);
    EXPECT_EQ(Shared.ObjectSerial, 0);
    tool->X1 = 1000, tool->Y1 = 1025;
    Enter(*tool, 1000, 1000);
    EXPECT_EQ(Walls(), 1);
}

TEST_F(WallKeys, FeetAndInchesTakeTheirOwnThicknessBoxAndInch) {
    Shared.Units = 0;
    Shared.Scale = 6;
    Shared.Zoom = 6.0f;
    WriteInternalWallSettings(0, {96}); // 4 inches
    // The Enter box is six pixels' worth at zoom 6: 36 units, open.
    auto tool = NewTool(2);
    tool->X1 = 3035, tool->Y1 = 3000;
    Enter(*tool, 3000, 3000);
    EXPECT_EQ(Walls(), 0);
    tool->X1 = 3000, tool->Y1 = 3036;
    Enter(*tool, 3000, 3000);
    ASSERT_EQ(Walls(), 1);
    EXPECT_EQ(Wall(0).iwall1, 96);
    EXPECT_EQ(Wall(0).fx1, 3096);
    // An opening stands one inch (24 units) inside each face.
    DrawingList.Flush();
    auto across = NewTool(3);
    Draw(*across, 1200, 6000, 4800, 6000, 900); // its second face at y 5904
    auto down = NewTool(2);
    down->X1 = 3000, down->Y1 = 5904;
    Key(*down, VirtualKey::Down, 0, 0, 1800);
    ASSERT_EQ(DrawingList.count, 3);
    EXPECT_EQ(Ends(*DrawingList[2]), (std::vector<int>{3024, 5904, 3072, 5904}));
}

TEST_F(WallKeys, TheFreeDistanceRunsToTheNearestFaceBeyondTheMargin) {
    // A horizontal wall whose nearer face lies at y 6000.
    AddWall(1000, 6100, 4000, 6100, 1000, 6000, 4000, 6000, 900);
    auto tool = NewTool(2);
    tool->LastWallSide() = 2; // not the first wall of the run
    tool->X1 = 2000, tool->Y1 = 2000;
    Measure(*tool, 1);
    EXPECT_EQ(tool->FreeDistance(), 4000);
    EXPECT_EQ(tool->DragActive(), 0);
    // A start within 30 units of a face is measured from the face: 29 off x = 1000 of a vertical wall.
    AddWall(1000, 1000, 1000, 3000, 1100, 1000, 1100, 3000, 0);
    tool->X1 = 1029, tool->Y1 = 2000;
    Measure(*tool, 2);
    EXPECT_EQ(tool->FreeDistance(), 100); // from x 1000 to the face at 1100
    // A face 2 x Scale or less ahead is passed; one further on stops the probe.
    for (int ahead : {10, 11}) {
        DrawingList.Flush();
        AddWall(1000, 1000, 1000, 3000, 1100, 1000, 1100, 3000, 0);
        AddWall(1000 + ahead, 1000, 1000 + ahead, 3000, 1200, 1000, 1200, 3000, 0);
        tool->X1 = 1000, tool->Y1 = 2000;
        Measure(*tool, 2);
        EXPECT_EQ(tool->FreeDistance(), ahead == 10 ? 100 : 11);
    }
    // Down to nothing: measured to the zero line. Up to nothing: the proposal stays.
    tool->X1 = 7000, tool->Y1 = 2500;
    Measure(*tool, 3);
    EXPECT_EQ(tool->FreeDistance(), 2500);
    Measure(*tool, 1);
    EXPECT_EQ(tool->FreeDistance(), 2500);
}

TEST_F(WallKeys, TheFirstWallMayNotRunAlongItsSecondLine) {
    auto tool = NewTool(1);
    tool->X1 = 2000, tool->Y1 = 2000;
    for (int direction : {1, 3}) {
        tool->Y1 = 2000;
        Measure(*tool, direction);
        EXPECT_EQ(tool->Y1, TIntwallobjtool::DirectionRefused) << direction;
    }
    for (int direction : {2, 4}) {
        tool->Y1 = 2000;
        Measure(*tool, direction);
        EXPECT_EQ(tool->Y1, 2000) << direction;
    }
    // After a wall every direction goes.
    tool->Y1 = 2000;
    Key(*tool, VirtualKey::Right, 0, 0, 1000);
    ASSERT_EQ(Walls(), 1);
    Measure(*tool, 1);
    EXPECT_NE(tool->Y1, TIntwallobjtool::DirectionRefused);
}

TEST_F(WallKeys, PlusCapsTheLastWallsEndAndEndsTheRun) {
    auto tool = NewTool(2);
    tool->X1 = 2000, tool->Y1 = 2000;
    Key(*tool, VirtualKey::Up, 0, 0, 3000);
    Key(*tool, VirtualKey::Right, 0, 0, 2000);
    Key(*tool, VirtualKey::Down, 0, 0, 3000);
    ASSERT_EQ(DrawingList.count, 3);
    Key(*tool, VirtualKey::Add, 0, 0);
    ASSERT_EQ(DrawingList.count, 4);
    const TObject& cap = *DrawingList[3];
    EXPECT_EQ(cap.type, 1);
    EXPECT_EQ((std::vector<int>{cap.x1, cap.y1, cap.x2, cap.y2}), (std::vector<int>{4000, 2000, 3900, 2000}));
    EXPECT_EQ(cap.aux, 10003);
    EXPECT_EQ(cap.number, 0);
    EXPECT_EQ(tool->FreeDistance(), TIntwallobjtool::RunClosed);
    // The box to repaint: 15 x PenWidthFactor (5) around the cap.
    EXPECT_EQ((std::vector<int>{tool->Extra1, tool->Extra2, tool->Extra3, tool->Extra4}),
              (std::vector<int>{3825, 4075, 2075, 1925}));
}

TEST_F(WallKeys, PlusCapsOnlyAWallOfThisFloor) {
    AddWall(1000, 1000, 1000, 3000, 1100, 1000, 1100, 3000, 0);
    DrawingList.Edit(0)->view = 51;
    auto tool = NewTool(2);
    Key(*tool, VirtualKey::Add, 0, 0);
    EXPECT_EQ(DrawingList.count, 1);
    EXPECT_EQ(tool->FreeDistance(), TIntwallobjtool::RunClosed);
}

TEST_F(WallKeys, EveryBandDrawnIsTakenAwayWithTheSamePen) {
    auto tool = NewTool(2);
    tool->Started() = 0;
    Enter(*tool, 2000, 2000);
    tool->DragActive() = 1; // as the view leaves it after the first Enter
    Move(*tool, 120, 300);
    Move(*tool, 120, 300); // no move, no drawing
    Move(*tool, 160, 300);
    // Enter makes the wall to the cursor: the band goes first.
    Enter(*tool, 6000, 2500);
    tool->DragActive() = 1;
    Move(*tool, 200, 200);
    // An arrow's length: the band goes although Step stopped the band following the pointer.
    tool->Step(2, 0, 0);
    Key(*tool, VirtualKey::Right, 0, 0, 1000);
    tool->DragActive() = 1;
    Move(*tool, 260, 200);
    Key(*tool, VirtualKey::Add, 0, 0);
    ASSERT_EQ(Walls(), 2);
    std::vector<DrawCall> bands = Bands();
    ASSERT_EQ(bands.size(), 8u);
    // Drawn, then taken away by the next call with the same points and pen.
    for (std::size_t i = 0; i < bands.size(); i += 2) {
        EXPECT_EQ(bands[i].device, bands[i + 1].device) << i;
        EXPECT_EQ(bands[i].pen, bands[i + 1].pen) << i;
        EXPECT_EQ(bands[i].pen, (platform::Pen{platform::Rgb(0, 0, 0), 1, platform::PenStyle::Dot})) << i;
    }
    EXPECT_EQ(bands[0].device, (std::vector<Point>{{80, 320}, {120, 300}}));
    EXPECT_EQ(tool->OutlineShown, 0);
}

TEST_F(WallKeys, APressLeavesTheRunAlone) {
    auto tool = NewTool(2);
    tool->X1 = 2000, tool->Y1 = 2000;
    tool->DragActive() = 1;
    Press(*tool, 300, 200);
    EXPECT_EQ((Point{tool->X1, tool->Y1}), (Point{2000, 2000}));
    EXPECT_EQ(tool->DragActive(), 1);
    Key(*tool, VirtualKey::Up, 0, 0, 1000);
    EXPECT_EQ(Walls(), 1);
}

TEST_F(WallKeys, TheDeleteModeRemovesTheWallUnderTheCursorAndWhatBelongsToIt) {
    AddWall(2000, 2000, 2000, 5000, 2100, 2000, 2100, 4900, 0, 10005);
    AddWall(6000, 2000, 6000, 5000, 6100, 2000, 6100, 5000, 0, 10006);
    auto opening = std::make_unique<TLineobj>();
    opening->view = 50, opening->number = 10005, opening->x1 = 2025, opening->y1 = 4900, opening->x2 = 2075,
    opening->y2 = 4900;
    DrawingList.Add(std::move(opening));
    // An external wall keeps its length in its number field; it may hold the same value.
    auto outer = std::make_unique<TExtwallobj>();
    outer->view = 50, outer->number = 10005, outer->x1 = 0, outer->y1 = 8000, outer->x2 = 10005,
    outer->y2 = 8000;
    DrawingList.Add(std::move(outer));
    auto tool = NewTool(0);
    tool->Kind = TIntwallobjtool::DeleteMode;
    // Away from every internal wall (on the external wall): nothing goes.
    Key(*tool, VirtualKey::Return, 5000, 8000, 6);
    EXPECT_EQ(tool->Y1, TIntwallobjtool::NoWallHit);
    EXPECT_EQ(DrawingList.count, 4);
    // On the first wall's second face.
    Key(*tool, VirtualKey::Return, 2100, 3500, 6);
    ASSERT_EQ(DrawingList.count, 2);
    EXPECT_EQ(DrawingList[0]->number, 10006);
    EXPECT_EQ(DrawingList[1]->type, type_code::ExternalWall);
    // The box of its faces and opening, widened by 3 x Scale.
    EXPECT_EQ((std::vector<int>{tool->X1, tool->X2, tool->Y1, tool->Y2}),
              (std::vector<int>{1985, 2115, 5015, 1985}));
    EXPECT_EQ(Records().find("1500 50 10005"), std::string::npos);
    EXPECT_NE(Records().find("1500 50 10006"), std::string::npos);
}

TEST_F(WallKeys, ATypedThreeDrawsAWallOfThree) {
    auto tool = NewTool(2);
    tool->X1 = 2000, tool->Y1 = 2000;
    Key(*tool, VirtualKey::Up, 0, 0, 3);
    ASSERT_EQ(Walls(), 1);
    EXPECT_EQ(Wall(0).y2, 2003);
}

TEST_F(WallKeys, FinishingDesignRoomsMeasuresNothing) {
    AddWall(1000, 6100, 4000, 6100, 1000, 6000, 4000, 6000, 900);
    auto tool = NewTool(2);
    tool->State = TIntwallobjtool::FinishingDesignRooms;
    tool->X1 = 2000, tool->Y1 = 2000;
    tool->FreeDistance() = 77;
    tool->DragActive() = 1;
    tool->Step(0, 0, 1);
    EXPECT_EQ(tool->FreeDistance(), 77);
    EXPECT_EQ(tool->DragActive(), 0);
}

TEST_F(WallKeys, SlopingWallsStoredWithAnAxisAngleGiveNoFreeDistance) {
    // Stored at 3600 (a full turn): the up probe's divisor is 0 and the wall is no hit.
    AddWall(1000, 5000, 3000, 7000, 900, 5100, 2900, 7100, 3600);
    auto tool = NewTool(2);
    tool->LastWallSide() = 2;
    tool->X1 = 950, tool->Y1 = 2000;
    tool->FreeDistance() = 55;
    Measure(*tool, 1);
    EXPECT_EQ(tool->FreeDistance(), 55);
}

TEST_F(WallKeys, MakeIntwallObjectCopiesTheToolWithoutATest) {
    auto tool = NewTool(2);
    tool->WallThickness = 100;
    tool->BX1 = 1100;
    tool->BY1 = 1000;
    tool->WallColour1 = 7;
    tool->RunNumber() = 12001;
    tool->ObjectNumber() = 99;
    tool->X1 = 0, tool->Y1 = 1000, tool->X2 = 3000, tool->Y2 = 1000;
    MakeIntwallObject(*tool);
    ASSERT_EQ(DrawingList.count, 1);
    EXPECT_EQ(Wall(0).number, 99);
    EXPECT_EQ(Wall(0).aux, 12001);
    EXPECT_EQ(Wall(0).iwall7, 1);
    EXPECT_EQ(Wall(0).iwall1, 100);
    EXPECT_EQ(Wall(0).fx1, 1100);
    EXPECT_EQ(Wall(0).iwall12, 7);
    EXPECT_TRUE(surface.Calls().empty());
    EXPECT_EQ(DrawingFile().substr(0, 2), "1 ");
}

} // namespace
