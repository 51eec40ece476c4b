// The window tool as the view drives it after the plan dialogs: what Step takes from WIND.CFG and the
// floor records, the outline that follows the mouse, the wall search with its snapping and refusals,
// and the opening Enter builds and saves.
#include "partitions/door_tool.h"
#include "window_test_support.h"

#include <algorithm>

using namespace platform;
using window_test::FillColour;
using window_test::PenColour;
using window_test::WindowTest;

namespace {

class WindowTool : public WindowTest {};

TEST_F(WindowTool, StepTakesTheOpeningAndTheStoreyHeightsBelow) {
    // A single external door takes the door dialog's width and writes it back, ending the line.
    WriteCfg("WIND.CFG", "6 1000 2100 0 0 7 0 0");
    tool = std::make_unique<TWindowobjtool>();
    tool->Handing() = 6;
    tool->Step(820, 0, 0);
    EXPECT_EQ(Cfg("WIND.CFG"), "6 820 2100 0 0 7 0 0\n");
    EXPECT_EQ(tool->OpeningWidth, 820);
    EXPECT_EQ(tool->Height, 2100);
    EXPECT_EQ(tool->OutlineHanding, 6);
    // The outline's leaf offsets: 820 x sine and 820 x cosine of INTERN.CFG's 90 degrees.
    EXPECT_EQ(tool->InsertX, 820);
    EXPECT_EQ(tool->InsertY, 0);
    EXPECT_EQ(tool->DragActive(), 1);

    // A window leaves the file as the dialog wrote it and ignores the width handed in.
    Ready(1, 1000, 1200);
    EXPECT_EQ(Cfg("WIND.CFG"), "1 1000 1200 0 0 7 0 0");
    EXPECT_EQ(tool->OpeningWidth, 1000);
    EXPECT_EQ(tool->OutlineHanding, 0);

    // The storey heights of the floors below, divided by Scale, from records found by type wherever
    // they stand; a floor without one counts nothing.
    AddHouse();
    AddFloorRecord(51, 2400);
    AddFloorRecord(50, 2550);
    struct Case {
        int view;
        int elevation;
    };
    for (const Case& c : {Case{50, 0}, Case{51, 510}, Case{52, 990}, Case{53, 990}}) {
        Shared.CurrentView = c.view;
        Ready(1, 1000, 1200);
        EXPECT_EQ(tool->Elevation, c.elevation) << c.view;
    }
    // A type the dialog never writes reads as a window; a file without the type, as the shipped one.
    Shared.CurrentView = 50;
    for (const char* type : {"3", "11", "0", "-6"}) {
        WriteCfg("WIND.CFG", std::string(type) + " 1000 1200 0 0 7 0 0");
        tool->Step(0, 0, 0);
        EXPECT_EQ(tool->OpeningType, 1) << type;
    }
    WriteCfg("WIND.CFG", "");
    tool->Step(0, 0, 0);
    EXPECT_EQ(tool->OpeningType, 1);
    EXPECT_EQ(tool->OpeningWidth, 1200);
}

TEST_F(WindowTool, WindowOpensTheWallWithABackgroundPolygonAndGlazingSavedAtOnce) {
    AddWall(1000, 0, 11000, 0, 900);
    Ready(1, 1000, 1200);
    Enter(5000, 25); // one pixel above the wall line, snapped onto it
    EXPECT_EQ(Added(), (std::vector<std::string>{"polygon (5500,0) (4500,0) (4500,-300) (5500,-300)",
                                                 "line 11 (5500,-150)-(4500,-150) pen 1"}));
    // Both under one new number with the wall's group; the polygon filled with the background colour
    // and outlined in the drawing colour, its points at the elevation less the height. The file holds
    // them (stored x less 21000, y less 14850).
    const std::string records = Records();
    const std::string expected = "100\n100 50 7 10005 0 0 0 0 4 0 " + std::to_string(FillColour) + " " +
                                 std::to_string(PenColour) +
                                 "\n-15500 -1200 -14850\n-16500 -1200 -14850\n-16500 -1200 -15150\n"
                                 "-15500 -1200 -15150\n0\n0\n0\n0\n"
                                 "11\n11 50 7 10005 -15500 0 -16500 0 -15000 -15000 0 0 " +
                                 std::to_string(PenColour) + " 1 0\n";
    ASSERT_GE(records.size(), expected.size());
    EXPECT_EQ(records.substr(records.size() - expected.size()), expected);
    EXPECT_EQ(Shared.ObjectSerial, 5);
    EXPECT_EQ(tool->Kind, 2000);
    EXPECT_NE(tool->Y1, TWindowobjtool::UnsuitedPosition);
    EXPECT_TRUE(desktop.Messages().empty());
}

TEST_F(WindowTool, CillGarageDoorAndWallOpeningShapeTheOpening) {
    struct Case {
        int type;
        int cill;
        std::vector<std::string> added;
    };
    const Case cases[] = {
        // The cill stands a quarter of the wall's thickness outside it.
        {1,
         1,
         {"polygon (5500,75) (4500,75) (4500,-300) (5500,-300)", "line 11 (5500,-150)-(4500,-150) pen 1"}},
        // A garage door's line a third into the wall; it has no cill.
        {9,
         1,
         {"polygon (5500,0) (4500,0) (4500,-300) (5500,-300)", "line 11 (5500,-100)-(4500,-100) pen 1"}},
        // A wall opening is the polygon alone.
        {5, 0, {"polygon (5500,0) (4500,0) (4500,-300) (5500,-300)"}},
    };
    for (const Case& c : cases) {
        DrawingList.Flush();
        AddWall(1000, 0, 11000, 0, 900);
        Ready(c.type, 1000, 1200, 0, 0, c.cill);
        Enter(5000, 25);
        EXPECT_EQ(Added(), c.added) << c.type;
    }
}

TEST_F(WindowTool, OnTheFirstFloorTheZValuesStandOnTheGroundFloorsStorey) {
    // Other objects come first: the record is found by its type.
    AddHouse(51);
    AddFloorRecord(50, 2550);
    Shared.CurrentView = 51;
    Ready(1, 1000, 1200);
    Enter(5000, 9000);
    ASSERT_EQ(Added().size(), 2u);
    const auto& polygon = dynamic_cast<const TPolyobj&>(*DrawingList[countBefore]);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(polygon.z[i], 510 - 1200);
    const TObject& glazing = *DrawingList[countBefore + 1];
    EXPECT_EQ(glazing.z1, 510);
    EXPECT_EQ(glazing.z2, 510);
    EXPECT_EQ(polygon.number, 11005);
    EXPECT_EQ(polygon.view, 51);
}

TEST_F(WindowTool, PointsNearTheWallSnapOntoItAndTheEndsFollowTheirOwnRules) {
    AddHouse();
    struct Case {
        int x;
        int y;
        std::string polygon; // empty when refused
    };
    const std::string top = "polygon (5500,9000) (4500,9000) (4500,8700) (5500,8700)";
    const Case cases[] = {
        // Within the thickness plus 10 x Scale (350) of the line, on either side; not at 350.
        {5000, 9325, top},
        {5000, 8675, top},
        {5000, 9350, ""},
        // Half the width from the end of a wall along x is inside; along y it is not.
        {1500, 9000, "polygon (2000,9000) (1000,9000) (1000,8700) (2000,8700)"},
        {11000, 1500, ""},
        {11000, 1525, "polygon (11000,1025) (11000,2025) (10700,2025) (10700,1025)"},
        // Beyond the end.
        {1475, 9000, ""},
    };
    for (const Case& c : cases) {
        Ready(1, 1000, 1200);
        Enter(c.x, c.y);
        const std::vector<std::string> added = Added();
        EXPECT_EQ(added.empty() ? "" : added.front(), c.polygon) << c.x << "," << c.y;
    }
}

TEST_F(WindowTool, RefusalsAddNothingAndSayWhy) {
    AddHouse();
    AddAngledWall();
    struct Case {
        int type;
        int width;
        int handing;
        int x;
        int y;
        std::vector<std::string> boxes;
        bool marked; // the view adds its own box
    };
    const Case cases[] = {
        // A window wider than its wall, though the cursor is on it.
        {1, 8500, 0, 11000, 5000, {"No wall marked|Marking Error - Please Retry"}, true},
        // A single door hung as on a wall along y, on a wall along x.
        {6,
         900,
         2,
         5000,
         9000,
         {"Unsuitable door type for this wall, or door was not marked on an external wall |Door / Wall "
          "Error"},
         false},
        // A main entry whose door suits a wall running towards -x only.
        {10,
         1800,
         5,
         5000,
         9000,
         {"Unsuitable entry door type for this wall|Entry Door Selection Error"},
         true},
        // Far from every wall.
        {1, 1000, 0, 7500, 5000, {"No wall marked|Marking Error - Please Retry"}, true},
    };
    for (const Case& c : cases) {
        Ready(c.type, c.width, 1200, c.handing);
        Enter(c.x, c.y);
        EXPECT_TRUE(Added().empty()) << c.type;
        EXPECT_EQ(Boxes(), c.boxes) << c.type;
        EXPECT_EQ(tool->Y1 == TWindowobjtool::UnsuitedPosition, c.marked) << c.type;
        EXPECT_EQ(Shared.ObjectSerial, 4);
        EXPECT_FALSE(DrawingFileExists());
    }
    // After "No wall marked" the outline's leaf offsets are back for another try.
    Ready(1, 8500, 1200);
    Enter(11000, 5000);
    EXPECT_EQ(tool->InsertX, 8500);
    EXPECT_EQ(tool->InsertY, 0);

    // A tool rebuilt from its kind after a zoom has no opening: nothing, and only the view's box.
    tool = std::make_unique<TWindowobjtool>();
    Enter(5000, 9000);
    EXPECT_TRUE(Added().empty());
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(tool->Y1, TWindowobjtool::UnsuitedPosition);
    EXPECT_FALSE(DrawingFileExists());
}

TEST_F(WindowTool, AngledWallsTakeThePointOntoTheirLine) {
    AddHouse();
    AddAngledWall();
    // Off the wall inside its box: moved to the foot of the perpendicular.
    Ready(1, 1800, 1200);
    tool->InsertX = 4500;
    tool->InsertY = 3500;
    tool->SnapToAngledExtWall();
    EXPECT_EQ(tool->WallDirection(), 450);
    EXPECT_EQ(tool->WallIndex, 4);
    EXPECT_EQ(tool->InsertX, 3999);
    EXPECT_EQ(tool->InsertY, 4000);
    // Outside every angled wall's box.
    tool->InsertX = 7000;
    tool->InsertY = 3000;
    tool->SnapToAngledExtWall();
    EXPECT_EQ(tool->WallDirection(), 0);

    // A main entry without a door is the opening alone there: the half width 900 and the thickness
    // 300 turned to 450 (636 and 212 each way).
    Ready(10, 1800, 1200, 0);
    Enter(4000, 4000);
    EXPECT_EQ(Added(), (std::vector<std::string>{"polygon (3364,3364) (4636,4636) (4848,4424) (3576,3152)"}));
    EXPECT_TRUE(desktop.Messages().empty());
}

TEST_F(WindowTool, AWallWithoutThicknessStillKeepsItsOpening) {
    AddWall(1000, 9000, 11000, 9000, 900, {0, 0, 0});
    Ready(5, 1000, 1200);
    Enter(5000, 9000);
    ASSERT_EQ(Added().size(), 1u);
    EXPECT_EQ(tool->Kind, 2000);
    EXPECT_NE(Records().find("\n100\n100 50 7 10005 "), std::string::npos);
}

TEST_F(WindowTool, OutlineFollowsTheMouseOnlyOnceSetUpAndIsErasedAsDrawn) {
    AddHouse();
    // Before Step nothing follows the mouse, and a press places nothing later.
    tool = std::make_unique<TWindowobjtool>();
    Move(*tool, 200, 40);
    EXPECT_TRUE(surface.Calls().empty());

    Ready(1, 1000, 1200);
    Move(*tool, 200, 60);
    Move(*tool, 200, 60);
    Press(*tool, 220, 44);
    Move(*tool, 200, 44);
    EXPECT_EQ(tool->DragActive(), 1);
    Enter(5000, 9000); // the pixel of the last move
    ASSERT_EQ(Added().size(), 2u);

    // Two outlines were drawn and each went with the same figure and pen: a circle the window wide,
    // its four ticks and its cross, dotted in exclusive-or.
    std::vector<std::string> figures;
    for (const DrawCall& call : surface.Calls()) {
        if (call.rop != RasterOp::XorPen || (call.name != "Ellipse" && call.name != "LineTo")) continue;
        EXPECT_EQ(call.pen, (platform::Pen{Shared.DrawingColour, 1, PenStyle::Dot})) << call.ToString();
        figures.push_back(call.name + " " + [&] {
            std::string points;
            for (const platform::Point& p : call.logical)
                points += std::to_string(p.x) + "," + std::to_string(p.y) + " ";
            return points;
        }());
    }
    const auto circles = std::count_if(figures.begin(), figures.end(),
                                       [](const std::string& f) { return f.rfind("Ellipse", 0) == 0; });
    EXPECT_EQ(circles, 4);
    for (const std::string& figure : figures)
        EXPECT_EQ(std::count(figures.begin(), figures.end(), figure) % 2, 0) << figure;
    const auto ellipses = surface.CallsNamed("Ellipse");
    ASSERT_FALSE(ellipses.empty());
    EXPECT_EQ(ellipses[0].args, (std::vector<int>{900, 1800, 1100, 1600}));
    EXPECT_EQ(ellipses[0].brush.style, BrushStyle::Null);
}

TEST_F(WindowTool, ADoorsOutlineShowsItsLeafAndClosingJamb) {
    Ready(6, 900, 2100, 6);
    Move(*tool, 200, 40); // (5000, 9000)
    const auto lines = surface.CallsNamed("LineTo");
    ASSERT_EQ(lines.size(), 2u);
    // The leaf from the hinge straight down 900, and a tick across x 5900.
    EXPECT_EQ(lines[0].logical, (std::vector<platform::Point>{{1000, 1800}, {1000, 1620}}));
    EXPECT_EQ(lines[1].logical, (std::vector<platform::Point>{{1180, 1750}, {1180, 1850}}));
}

TEST_F(WindowTool, OnTheViewEveryOutlineLeavesNoTraceAndTheOpeningShowsAsARepaintWould) {
    AddHouse();
    DrawingList.WriteDrawing();
    image = FreshPaint();
    Ready(6, 900, 2100, 6);
    for (const platform::Point p : {platform::Point{150, 100}, platform::Point{260, 40},
                                    platform::Point{180, 45}, platform::Point{200, 40}})
        OnImage(*tool, [&](DeviceContext& dc) { tool->MouseMove(dc, client, p.x, p.y); });
    OnImage(*tool, [&](DeviceContext& dc) { tool->KeyDown(dc, client, 13, PixelOf(5000, 9000), 0); });
    ASSERT_EQ(DrawingList.count, 4 + 5);
    EXPECT_TRUE(image == FreshPaint());
}

} // namespace
