// The internal-door tool on the window tests' stage (pixel (px, py) is the drawing point (25 px,
// 25 (400 - py)), a 90-degree door of the thick leaf in INTERN.CFG): the wall search, the gap, the
// leaves of each door kind, the outline, and the placement step's widths.
#include "partitions/door_gap.h"
#include "partitions/door_placement.h"
#include "partitions/door_tool.h"
#include "partitions/door_wall_search.h"
#include "tools/tool_support.h"
#include "window_test_support.h"

#include <cmath>

namespace {

using platform::DeviceContext;
using platform::DialogAnswer;
using Fill = DialogAnswer::Fill;

class DoorTool : public window_test::WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        WriteCfg("INTERN.CFG", "90 2 1.000000 0.000001");
    }

    // An internal wall of the ground floor with its first face (x1, y1)-(x2, y2) and its second face.
    static TIntwallobj& AddInternalWall(int x1, int y1, int x2, int y2, int fx1, int fy1, int fx2, int fy2,
                                        int thickness, int angle, int view = 50) {
        auto wall = std::make_unique<TIntwallobj>();
        wall->view = view;
        wall->aux = wall->number = 10001;
        wall->iwall7 = 1;
        wall->x1 = x1, wall->y1 = y1, wall->x2 = x2, wall->y2 = y2;
        wall->fx1 = fx1, wall->fy1 = fy1, wall->fx2 = fx2, wall->fy2 = fy2;
        wall->iwall1 = thickness;
        wall->iwall6 = angle;
        TIntwallobj& kept = *wall;
        DrawingList.Add(std::move(wall));
        return kept;
    }
    // W: faces y 5000 and 5100 from x 2000 to 8000; V: faces x 1000 and 1100 from y 1000 to 3000.
    static void AddStraightWalls() {
        AddInternalWall(2000, 5000, 8000, 5000, 2000, 5100, 8000, 5100, 100, 900);
        AddInternalWall(1000, 1000, 1000, 3000, 1100, 1000, 1100, 3000, 100, 0);
    }
    // A wall at 45 degrees from (2000, 2000), its second face below right.
    static void AddAngledInternalWall(int thickness = 100) {
        const int step = static_cast<int>(std::lround(thickness / std::sqrt(2.0)));
        AddInternalWall(2000, 2000, 6000, 6000, 2000 + step, 2000 - step, 6000 + step, 6000 - step, thickness,
                        450);
    }

    // The door tool as the placement step leaves it.
    TDoorobjtool& ReadyDoor(int kind, int type, int width, int side = 0, int slidesIntoWall = 0) {
        auto made = std::make_unique<TDoorobjtool>();
        door = made.get();
        tool = std::move(made);
        door->Kind = kind;
        door->SideInUse() = slidesIntoWall;
        if (kind == 64) door->DragActive() = 1;
        OnView(*door, [&](DeviceContext& dc) { door->AddDimension(dc, client, type, width, side, 'b'); });
        return *door;
    }
    // Enter as the view passes it for the tool's kind.
    void EnterDoor(int x, int y) {
        const int code = door->Kind == 60 ? 4 : door->Kind == 62 ? 5 : door->Kind == 65 ? 6 : 0;
        countBefore = DrawingList.count;
        Key(*door, 13, x, y, code);
    }
    // The wall search alone at a point.
    void Search(int x, int y) {
        door->X1 = x;
        door->Y1 = y;
        FindDoorWall(*door);
    }

    TDoorobjtool* door = nullptr;
};

TEST_F(DoorTool, TheWallSearchTakesTheFaceStrictlyWithinHalfTheThickness) {
    AddStraightWalls();
    ReadyDoor(64, 0, 900);
    // 50 from either face of W is on neither; 49 from a face snaps onto it.
    Search(4000, 5050);
    EXPECT_EQ(door->WallIndex, TDoorobjtool::NoWallFound);
    EXPECT_EQ(door->Y1, 5050);
    Search(4000, 5049);
    EXPECT_EQ(door->WallIndex, 0);
    EXPECT_EQ(door->Y1, 5000);
    EXPECT_EQ(door->Side(), door_face::Lower);
    EXPECT_EQ(door->InsertY, 5000);
    Search(4000, 5051);
    EXPECT_EQ(door->Y1, 5100);
    EXPECT_EQ(door->Side(), door_face::Upper);
    EXPECT_EQ(door->WallAngle(), 900);
    // A point on a wall's end coordinate is not on it.
    Search(2000, 5000);
    EXPECT_EQ(door->WallIndex, TDoorobjtool::NoWallFound);
    Search(1025, 1000);
    EXPECT_EQ(door->WallIndex, TDoorobjtool::NoWallFound);
    Search(1075, 1001);
    EXPECT_EQ(door->WallIndex, 1);
    EXPECT_EQ(door->X1, 1100);
    EXPECT_EQ(door->Side(), door_face::Right);

    // Of two walls under the point the earlier wins.
    AddInternalWall(2000, 5020, 8000, 5020, 2000, 5120, 8000, 5120, 100, 900);
    Search(4000, 5030);
    EXPECT_EQ(door->WallIndex, 0);

    // A door hung on a horizontal wall, marked on a vertical one: found, neither snapped nor given a face.
    ReadyDoor(60, 5, 900);
    door->Side() = 0;
    Search(1025, 2000);
    EXPECT_EQ(door->WallIndex, 1);
    EXPECT_EQ(door->X1, 1025);
    EXPECT_EQ(door->Side(), 0);
}

TEST_F(DoorTool, OnAnAngledWallThePointSnapsOntoTheFaceAndTheFaceCodeFollowsTheGeometry) {
    AddAngledInternalWall();
    ReadyDoor(64, 0, 900);
    // Within 50 of face B's point at the same distance along it, in both coordinates.
    Search(4075, 3925);
    EXPECT_EQ(door->WallIndex, 0);
    EXPECT_EQ(door->X1, 4071);
    EXPECT_EQ(door->Y1, 3929);
    EXPECT_EQ(door->InsertX, 4071);
    EXPECT_EQ(door->WallDirection(), 450);
    // Face B lies below right of face A: it is the lower face, 1, and face A the upper.
    EXPECT_EQ(door->Side(), door_face::Lower);
    Search(4000, 4000);
    EXPECT_EQ(door->Side(), door_face::Upper);
    // Off both faces.
    Search(3800, 4200);
    EXPECT_EQ(door->WallIndex, TDoorobjtool::NoWallFound);
    EXPECT_EQ(door->WallDirection(), 0);
}

TEST_F(DoorTool, AnOpeningIsCutCentredOnThePointBetweenTwoJambs) {
    AddInternalWall(100, 500, 3000, 500, 100, 600, 3000, 600, 100, 900);
    ReadyDoor(64, 0, 900);
    EnterDoor(1000, 500);
    ASSERT_EQ(Added(), (std::vector<std::string>{"polygon (1450,475) (1450,625) (550,625) (550,475)",
                                                 "line 1 (550,500)-(550,600) pen 1",
                                                 "line 1 (1450,500)-(1450,600) pen 1"}));
    const auto& gap = dynamic_cast<const TPolyobj&>(*DrawingList[countBefore]);
    EXPECT_EQ(gap.colour, window_test::FillColour);
    EXPECT_EQ(gap.fillColour, window_test::FillColour);
    EXPECT_EQ(gap.z[0], 0);
    EXPECT_EQ(DrawingList[countBefore + 1]->colour, window_test::PenColour);
    EXPECT_EQ(gap.number, 10005);
    EXPECT_EQ(gap.aux, 10005);
    EXPECT_NE(Records().find("\n1\n1 50 10005 10005 "), std::string::npos);
}

TEST_F(DoorTool, DoorsThatDoNotSuitTheWallAreRefusedAndAddNothing) {
    AddStraightWalls();
    DrawingList.WriteDrawing();
    const std::string before = DrawingFile();
    // Double hinged doors opening to the right, on a horizontal wall.
    ReadyDoor(62, 11, 1800, 2);
    EnterDoor(5000, 5000);
    EXPECT_EQ(door->Y1, TDoorobjtool::Refused);
    EXPECT_TRUE(Added().empty());
    // Far from every wall.
    ReadyDoor(60, 1, 900);
    EnterDoor(5000, 7000);
    EXPECT_EQ(door->Y1, TDoorobjtool::Refused);
    EXPECT_TRUE(Added().empty());
    // A door tool rebuilt after a zoom has no width: on a wall it is not placed either.
    tool = std::make_unique<TDoorobjtool>();
    door = static_cast<TDoorobjtool*>(tool.get());
    door->Kind = 60;
    EnterDoor(1000, 2000);
    EXPECT_EQ(door->Y1, TDoorobjtool::Refused);
    EXPECT_TRUE(Added().empty());
    EXPECT_EQ(DrawingFile(), before);
    // The refusal after the wall was found took a number, the others none.
    EXPECT_EQ(Shared.ObjectSerial, 5);
    // Offsets ready for the outline of the next try.
    ReadyDoor(60, 5, 900);
    EnterDoor(1000, 2000);
    EXPECT_EQ(door->InsertX, 900);
    EXPECT_EQ(door->InsertY, 0);
    EXPECT_EQ(door->X1, 0);
}

TEST_F(DoorTool, EachTryOfADoubleDoorStartsFromTheSideChosen) {
    AddStraightWalls();
    AddAngledInternalWall();
    // Opening to the right: on face A of the angled wall the side reads as that face, and is refused.
    ReadyDoor(62, 11, 1800, 2);
    EnterDoor(4000, 4000);
    EXPECT_EQ(door->Y1, TDoorobjtool::Refused);
    // Tried again on the horizontal wall, it still opens to the right, which that wall refuses too.
    EnterDoor(5000, 5100);
    EXPECT_EQ(door->Y1, TDoorobjtool::Refused);
    EXPECT_TRUE(Added().empty());
    EXPECT_EQ(door->Handing(), 2);
}

TEST_F(DoorTool, HingedDoorsOnAVerticalWallRunDownOrUpFromTheHinge) {
    AddStraightWalls();
    ReadyDoor(60, 1, 900);
    EnterDoor(1000, 2000);
    EXPECT_EQ(Added(), (std::vector<std::string>{
                           "polygon (1125,1100) (1125,2000) (975,2000) (975,1100)",
                           "line 1 (1000,2000)-(1100,2000) pen 1", "line 1 (1000,1100)-(1100,1100) pen 1",
                           "line 11 (1000,2000)-(100,2000) pen 2",
                           "arc (100,2900)-(1900,1100) from (100,2000) to (1000,1100)"}));
    ReadyDoor(60, 2, 900);
    EnterDoor(1000, 2000);
    EXPECT_EQ(Added(), (std::vector<std::string>{
                           "polygon (1125,2000) (1125,2900) (975,2900) (975,2000)",
                           "line 1 (1000,2000)-(1100,2000) pen 1", "line 1 (1000,2900)-(1100,2900) pen 1",
                           "line 11 (1000,2000)-(100,2000) pen 2",
                           "arc (100,2900)-(1900,1100) from (1000,2900) to (100,2000)"}));
    // Two doors, two numbers in a row.
    EXPECT_EQ(DrawingList[countBefore]->number, 10006);
    EXPECT_EQ(DrawingList[countBefore - 1]->number, 10005);
}

TEST_F(DoorTool, InAnAngledWallTheJambsAreLinesOfTheDoorsKind) {
    AddAngledInternalWall();
    ReadyDoor(60, 1, 900);
    // On face A (code 3 there), where a door of type 1 hangs.
    EnterDoor(4000, 4000);
    const std::vector<std::string> added = Added();
    ASSERT_EQ(added.size(), 4u);
    EXPECT_EQ(added[1].rfind("line 60 ", 0), 0u) << added[1];
    EXPECT_EQ(added[2].rfind("line 60 ", 0), 0u) << added[2];
    EXPECT_EQ(added[3].rfind("line 11 (4000,4000)-", 0), 0u) << added[3];
    // The gap runs 900 back down the wall from the point and across to face B.
    EXPECT_EQ(added[0], "polygon (4000,4000) (3364,3364) (3435,3293) (4071,3929)");
    // Type 3 hangs on face B: refused on face A.
    ReadyDoor(60, 3, 900);
    EnterDoor(4000, 4000);
    EXPECT_EQ(door->Y1, TDoorobjtool::Refused);
    EXPECT_TRUE(Added().empty());
}

TEST_F(DoorTool, DoubleHingedDoorsHangFromBothEndsOfTheGap) {
    AddStraightWalls();
    ReadyDoor(62, 11, 1801, 1);
    EnterDoor(5000, 5100);
    EXPECT_EQ(Added(), (std::vector<std::string>{
                           "polygon (5901,4975) (5901,5125) (4100,5125) (4100,4975)",
                           "line 1 (4100,5100)-(4100,5000) pen 1", "line 1 (5901,5100)-(5901,5000) pen 1",
                           "line 11 (4100,5100)-(4100,6000) pen 2",
                           "arc (3200,6000)-(5000,4200) from (5000,5100) to (4100,6000)",
                           "line 11 (5901,5100)-(5901,6000) pen 2",
                           "arc (5001,6000)-(6801,4200) from (5901,6000) to (5001,5100)"}));
    // The width halved for the leaves and doubled back loses its odd unit.
    EXPECT_EQ(door->OpeningWidth, 1800);
    EXPECT_EQ(door->Kind, 62);
}

TEST_F(DoorTool, SlidingSetsLieInTheGapTheirLeafThicknessApart) {
    AddStraightWalls();
    ReadyDoor(62, 12, 1600, 1);
    EnterDoor(5000, 5100);
    std::vector<std::string> added = Added();
    ASSERT_EQ(added.size(), 5u);
    EXPECT_EQ(added[3], "line 62 (4400,5050)-(5200,5050) pen 2");
    EXPECT_EQ(added[4], "line 62 (4800,5000)-(5600,5000) pen 2");
    // Four doors on the right side of the vertical wall; the width becomes a multiple of 8.
    ReadyDoor(62, 13, 805, 2);
    EnterDoor(1100, 2000);
    added = Added();
    ASSERT_EQ(added.size(), 7u);
    EXPECT_EQ(added[3], "line 62 (1075,2302)-(1075,2102) pen 2");
    EXPECT_EQ(added[5], "line 62 (1025,2202)-(1025,2002) pen 2");
    EXPECT_EQ(door->OpeningWidth, 800);
}

TEST_F(DoorTool, InAThinAngledWallSlidingLeavesTakeTheThinnestPen) {
    AddAngledInternalWall(80);
    ReadyDoor(62, 12, 1600, 4);
    EnterDoor(4000, 4000);
    const std::vector<std::string> added = Added();
    ASSERT_EQ(added.size(), 5u);
    const auto& first = *DrawingList[countBefore + 3];
    const auto& second = *DrawingList[countBefore + 4];
    EXPECT_EQ(first.penWidth, 1);
    EXPECT_EQ(second.penWidth, 1);
    EXPECT_EQ(first.type, 62);
    // Both run along the wall, the second shifted one unit of 25 across it.
    const double along = std::hypot(first.x2 - first.x1, first.y2 - first.y1);
    EXPECT_NEAR(along, 800, 2);
    const double across =
        ((second.x1 - first.x1) * (first.y2 - first.y1) - (second.y1 - first.y1) * (first.x2 - first.x1)) /
        along;
    EXPECT_NEAR(std::abs(across), 25, 1.5);
}

TEST_F(DoorTool, ASlidingDoorHangsOutsideTheFaceOrSlidesIntoTheWall) {
    AddStraightWalls();
    ReadyDoor(65, 1, 900);
    EnterDoor(1000, 2000);
    std::vector<std::string> added = Added();
    ASSERT_EQ(added.size(), 4u);
    EXPECT_EQ(added[3], "line 65 (975,1550)-(975,2450) pen 2");
    ReadyDoor(65, 1, 900, 0, 1);
    EnterDoor(1000, 2000);
    added = Added();
    ASSERT_EQ(added.size(), 5u);
    EXPECT_EQ(added[3], "line 65 (1050,2000)-(1050,1550) pen 2");
    EXPECT_EQ(added[4], "line 65 (1050,2000)-(1050,2450) pen 1");
    EXPECT_EQ(DrawingList[DrawingList.count - 1]->penStyle, 2);
    EXPECT_EQ(door->PenWidth(), 1);
    EXPECT_EQ(door->PenStyle(), 0);
    // In an angled wall 80 thick the leaf is thin whatever INTERN.CFG says.
    DrawingList.Flush();
    AddAngledInternalWall(80);
    ReadyDoor(65, 2, 900);
    EnterDoor(4000, 4000);
    ASSERT_EQ(Added().size(), 4u);
    EXPECT_EQ(DrawingList[DrawingList.count - 1]->type, 65);
    EXPECT_EQ(DrawingList[DrawingList.count - 1]->penWidth, 1);
}

TEST_F(DoorTool, AnOpeningOnTheFirstFloorIsNumberedFromItsBase) {
    Shared.CurrentView = 51;
    AddInternalWall(100, 500, 3000, 500, 100, 600, 3000, 600, 100, 900, 51);
    ReadyDoor(64, 0, 900);
    EnterDoor(1000, 500);
    ASSERT_EQ(Added().size(), 3u);
    EXPECT_EQ(DrawingList[countBefore]->number, 11005);
}

TEST_F(DoorTool, StepStandsTheDoor2000AboveItsFloor) {
    AddFloorRecord(50, 2550);
    Shared.CurrentView = 51;
    TDoorobjtool stepped;
    stepped.Step(1, 900, 2100);
    EXPECT_EQ(stepped.Elevation, 2000 + 510);
    EXPECT_EQ(stepped.OpeningType, 1);
    EXPECT_EQ(stepped.DragActive(), 1);
    EXPECT_EQ(stepped.InsertX, 900);
}

TEST_F(DoorTool, TheOutlineIsTheLeafForAHingedDoorAndACircleForTheOthers) {
    ReadyDoor(60, 1, 900);
    Move(*door, 40, 320); // (1000, 2000)
    auto lines = surface.CallsNamed("LineTo");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].logical, (std::vector<platform::Point>{{200, 400}, {20, 400}}));
    EXPECT_EQ(surface.CallsNamed("Ellipse").size(), 0u);
    for (int kind : {62, 64, 65}) {
        surface.Clear();
        ReadyDoor(kind, kind == 62 ? 11 : kind == 64 ? 0 : 1, 900, 1);
        Move(*door, 40, 320);
        const auto ellipses = surface.CallsNamed("Ellipse");
        ASSERT_EQ(ellipses.size(), 1u) << kind;
        EXPECT_EQ(ellipses[0].args, (std::vector<int>{110, 490, 290, 310}));
        EXPECT_EQ(ellipses[0].brush.style, platform::BrushStyle::Null);
        EXPECT_TRUE(surface.CallsNamed("LineTo").empty());
    }
}

TEST_F(DoorTool, OnTheViewNoOutlineIsLeftBehindAfterARefusedOrAPlacedDoor) {
    AddAngledInternalWall();
    DrawingList.WriteDrawing();
    image = FreshPaint();
    // Type 3 does not suit face A of the angled wall: refused, then tried again on face B.
    ReadyDoor(60, 3, 900);
    auto move = [&](int x, int y) {
        OnImage(*door, [&](DeviceContext& dc) { door->MouseMove(dc, client, x, y); });
    };
    move(150, 200);
    move(160, 240); // (4000, 4000)
    OnImage(*door, [&](DeviceContext& dc) { door->KeyDown(dc, client, 13, {160, 240}, 4); });
    ASSERT_EQ(door->Y1, TDoorobjtool::Refused);
    door->DragActive() = 1; // as the view sets it for another try
    move(170, 250);
    move(163, 243); // (4075, 3925), by face B
    OnImage(*door, [&](DeviceContext& dc) { door->KeyDown(dc, client, 13, {163, 243}, 4); });
    ASSERT_NE(door->Y1, TDoorobjtool::Refused);
    EXPECT_TRUE(image == FreshPaint());
}

// The placement step on a view of the stage, its door tool built as the command builds it.
class DoorPlacement : public DoorTool {
  protected:
    void SetUp() override {
        DoorTool::SetUp();
        view.window = window;
        view.tool = std::make_unique<TDoorobjtool>();
    }
    int PlacedWidth() {
        auto* placed = dynamic_cast<TDoorobjtool*>(&view.Tool());
        return placed ? placed->OpeningWidth : -1;
    }
    void QueueFeet(const char* feet, const char* inches, const char* numerator, const char* denominator) {
        DialogAnswer answer;
        answer.resourceId = 9500;
        answer.fills = {{9501, Fill::Kind::Text, feet, 0},
                        {9502, Fill::Kind::Text, inches, 0},
                        {9503, Fill::Kind::Text, numerator, 0},
                        {9504, Fill::Kind::Text, denominator, 0}};
        desktop.QueueDialog(answer);
    }
    tool_test::TestView view;
};

TEST_F(DoorPlacement, FeetAndInchesOpeningsAreTakenFromOneUnitUp) {
    Shared.Units = 0;
    Shared.Scale = 6;
    QueueFeet("1", "2", "3", "8");
    PlaceDoorOrOpening(view, 3);
    EXPECT_EQ(view.Tool().Kind, 64);
    EXPECT_EQ(PlacedWidth(), 345);
    EXPECT_EQ(view.DatumState, 3);
    // A fraction over no denominator adds nothing.
    view.tool = std::make_unique<TDoorobjtool>();
    QueueFeet("1", "0", "3", "0");
    PlaceDoorOrOpening(view, 3);
    EXPECT_EQ(PlacedWidth(), 288);
    EXPECT_TRUE(view.log.empty());
    // Nothing to cut: refused like a cancel.
    view.tool = std::make_unique<TDoorobjtool>();
    QueueFeet("0", "0", "0", "0");
    PlaceDoorOrOpening(view, 3);
    EXPECT_EQ(view.log, (std::vector<std::string>{"repaint whole erased", "pick tool"}));
    EXPECT_EQ(view.Tool().Kind, 21);
}

TEST_F(DoorPlacement, OutsideAFloorPlanNothingIsAsked) {
    Shared.CurrentView = 40;
    PlaceDoorOrOpening(view, 1);
    ASSERT_EQ(desktop.Messages().size(), 1u);
    EXPECT_EQ(desktop.Messages()[0].text, "Wrong View - select  View then your floor plan");
    EXPECT_EQ(desktop.Messages()[0].caption, "");
    EXPECT_EQ(view.Tool().Kind, 3000);
    EXPECT_TRUE(view.log.empty());
}

} // namespace
