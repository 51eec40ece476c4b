// The joinery the window tool adds to its openings, placed with Enter in the walls of the stage's
// house: single external doors with their jambs, leaves and swings, French doors, main entries, the
// size labels of windows, and the leaf of a hinged internal door in an angled wall.
#include "partitions/door_swings.h"
#include "partitions/door_tool.h"
#include "window_test_support.h"

using namespace platform;
using window_test::WindowTest;

namespace {

class DoorJoinery : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        AddHouse();
    }
    const TObject& Object(int index) const { return *DrawingList[index]; }
    // The painted pixels of the image in a box of pixels, right and bottom excluded.
    static int InkIn(const PixelBuffer& image, int left, int top, int right, int bottom) {
        int ink = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (image.Pixel(x, y) != 0xFFFFFFFFu) ++ink;
        return ink;
    }
};

TEST_F(DoorJoinery, ASingleDoorGetsJambsALeafAndItsSwing) {
    // Handing 6 on the top wall (towards +x, 300 thick): the door extends towards +x from the hinge at
    // (5000, 9000) and opens into the house, hung on the inner face.
    WriteCfg("INTERN.CFG", "90 2 1.000000 0.000001");
    Ready(6, 900, 2100, 6);
    Enter(5000, 9000);
    EXPECT_EQ(Added(), (std::vector<std::string>{
                           "polygon (5000,9000) (5900,9000) (5900,8700) (5000,8700)",
                           "line 11 (5000,9000)-(5000,8700) pen 1",
                           "line 11 (5900,9000)-(5900,8700) pen 1",
                           "line 11 (5000,8700)-(5000,7800) pen 2",
                           "arc (4100,9600)-(5900,7800) from (5000,7800) to (5900,8700)",
                       }));
    // The lines carry the wall's angle and 0; the swing is dotted and thin; one number and group.
    for (int i = countBefore; i < DrawingList.count; ++i) {
        const TObject& o = Object(i);
        EXPECT_EQ(o.number, 10005);
        EXPECT_EQ(o.aux, 7);
        EXPECT_EQ(o.colour, window_test::PenColour);
        if (const auto* line = dynamic_cast<const TLineobj*>(&o)) {
            EXPECT_EQ(line->lineA, 900);
            EXPECT_EQ(line->lineB, 0);
        }
    }
    EXPECT_EQ(Object(DrawingList.count - 1).penStyle, 2);
    EXPECT_EQ(Object(DrawingList.count - 1).penWidth, 1);
    // The last save holds every piece.
    EXPECT_NE(Records().find("\n3\n3 50 7 10005 -16900 0 -5250 -15100 0 -7050 -16000 -7050 -15100 -6150 "),
              std::string::npos);

    // Painted, the swing covers only the quarter between the leaf and the closed position: around the
    // hinge at pixel (200, 52), radius 36 pixels, the lower right.
    PixelBuffer painted(600, 400);
    {
        RasterSurface raster(painted, *text);
        DeviceContext dc(raster);
        DrawingList[DrawingList.count - 1]->PaintMapped(dc, client, 0);
    }
    EXPECT_GT(InkIn(painted, 201, 53, 240, 92), 10);
    EXPECT_EQ(InkIn(painted, 160, 53, 200, 92), 0);
    EXPECT_EQ(InkIn(painted, 160, 12, 200, 52), 0);
    EXPECT_EQ(InkIn(painted, 201, 12, 240, 52), 0);
}

TEST_F(DoorJoinery, HandingsChooseTheHingeFaceAndTheWayTheLeafOpens) {
    struct Case {
        int handing;
        int x;
        int y;
        std::vector<std::string> swing; // the leaf and the arc
    };
    const Case cases[] = {
        // 5 opens out of the house: the hinge stays on the outer face.
        {5,
         5000,
         9000,
         {"line 11 (5000,9000)-(5000,9900) pen 1",
          "arc (4100,9900)-(5900,8100) from (5900,9000) to (5000,9900)"}},
        // 8 extends towards -x and opens in.
        {8,
         5000,
         9000,
         {"line 11 (5000,8700)-(5000,7800) pen 1",
          "arc (4100,9600)-(5900,7800) from (4100,8700) to (5000,7800)"}},
        // On the bottom wall (towards -x) 7 opens in, towards +y.
        {7,
         5000,
         1000,
         {"line 11 (5000,1300)-(5000,2200) pen 1",
          "arc (4100,2200)-(5900,400) from (5000,2200) to (4100,1300)"}},
        // On the right wall (towards -y) 1 extends towards -y and opens in, towards -x.
        {1,
         11000,
         5000,
         {"line 11 (10700,5000)-(9800,5000) pen 1",
          "arc (9800,5900)-(11600,4100) from (9800,5000) to (10700,4100)"}},
        // On the left wall (towards +y) 4 extends towards +y and opens in, towards +x.
        {4,
         1000,
         5000,
         {"line 11 (1300,5000)-(2200,5000) pen 1",
          "arc (400,5900)-(2200,4100) from (2200,5000) to (1300,5900)"}},
    };
    for (const Case& c : cases) {
        Ready(6, 900, 2100, c.handing);
        Enter(c.x, c.y);
        const std::vector<std::string> added = Added();
        ASSERT_EQ(added.size(), 5u) << c.handing;
        EXPECT_EQ(std::vector<std::string>(added.end() - 2, added.end()), c.swing) << c.handing;
    }
}

TEST_F(DoorJoinery, PolarEndPointTruncatesItsComponents) {
    TWindowobjtool polar;
    polar.X1 = 1000;
    polar.Y1 = 1000;
    struct Case {
        int angle;
        int distance;
        int x2;
        int y2;
    };
    // 3700 turns once to 100; 900 x 0.001745 falls just short of a right angle.
    for (const Case& c :
         {Case{3700, 1000, 1173, 1984}, Case{900, 1000, 1999, 1000}, Case{0, 1000, 1000, 2000},
          Case{2250, 1000, 293, 293}, Case{-450, 900, 364, 1636}}) {
        PolarEndPoint(polar, c.angle, c.distance);
        EXPECT_EQ(polar.X2, c.x2) << c.angle;
        EXPECT_EQ(polar.Y2, c.y2) << c.angle;
    }
}

TEST_F(DoorJoinery, DoorsInAngledWallsGetJambsAndLeavesWithoutArcs) {
    AddAngledWall();
    // A single door hinged at (4000, 4000), handing 5: jambs across the 300 wall (212 each way at
    // 45 degrees), the second 900 along it, the leaf opening out at 450 - 900.
    Ready(6, 900, 2100, 5);
    Enter(4000, 4000);
    EXPECT_EQ(Added(), (std::vector<std::string>{
                           "polygon (4000,4000) (4636,4636) (4848,4424) (4212,3788)",
                           "line 11 (4000,4000)-(4212,3788) pen 1",
                           "line 11 (4636,4636)-(4848,4424) pen 1",
                           "line 11 (4000,4000)-(3364,4636) pen 1",
                       }));
    // French doors 1600 wide opening out: a jamb at each end of the opening, then the leaf at its
    // second end and the leaf at its first, from the wall line.
    Ready(8, 1600, 2100);
    Enter(4000, 4000);
    EXPECT_EQ(Added(), (std::vector<std::string>{
                           "polygon (3434,3434) (4566,4566) (4778,4354) (3646,3222)",
                           "line 11 (3434,3434)-(3646,3222) pen 1",
                           "line 11 (4566,4566)-(4778,4354) pen 1",
                           "line 11 (4566,4566)-(4001,5131) pen 1",
                           "line 11 (3434,3434)-(2869,3999) pen 1",
                       }));
}

TEST_F(DoorJoinery, AHingedInternalDoorInAnAngledWallGetsItsLeafOrIsRefused) {
    // The internal-door tool's wall search leaves the hinge, the wall and the face it found.
    auto door = std::make_unique<TDoorobjtool>();
    door->Kind = 60;
    door->OpeningWidth = 900;
    door->WallAngle() = 450;
    door->WallDirection() = 450;
    door->InsertX = 4000;
    door->InsertY = 4000;
    door->Colour = Shared.DrawingColour;
    door->ObjectNumber() = 10009;
    const int before = DrawingList.count;
    struct Case {
        int side;
        int handing;
        std::string leaf; // empty when refused
    };
    const Case cases[] = {
        {1, 1, ""},
        {3, 6, ""},
        {3, 1, "line 11 (4000,4000)-(3364,4636) pen 1"},
        {1, 4, "line 11 (4000,4000)-(4636,3364) pen 1"},
    };
    for (const Case& c : cases) {
        door->Side() = c.side;
        door->OutlineHanding = c.handing;
        door->Y1 = 0;
        OnView(*door, [&](DeviceContext& dc) { AddDoorSwing(*door, dc, client); });
        if (c.leaf.empty()) {
            EXPECT_EQ(door->Y1, DoorLeafRefused) << c.side << " " << c.handing;
            EXPECT_EQ(DrawingList.count, before);
        } else {
            ASSERT_EQ(DrawingList.count, before + 1) << c.side << " " << c.handing;
            EXPECT_EQ(Summary(*DrawingList[before]), c.leaf);
            EXPECT_EQ(DrawingList[before]->number, 10009);
            EXPECT_EQ(door->Kind, 60);
            DrawingList.TruncateTo(before);
        }
    }
}

TEST_F(DoorJoinery, FrenchDoorsHangAtBothEndsAndSwingToTheCentre) {
    Ready(8, 1600, 2100);
    Enter(5000, 9000);
    EXPECT_EQ(Added(), (std::vector<std::string>{
                           "polygon (5800,9000) (4200,9000) (4200,8700) (5800,8700)",
                           "line 11 (4200,9000)-(4200,9800) pen 1",
                           "line 11 (5800,9000)-(5800,9800) pen 1",
                           "arc (3400,9800)-(5000,8200) from (5000,9000) to (4200,9800)",
                           "arc (5000,9800)-(6600,8200) from (5800,9800) to (5000,9000)",
                       }));
    // Opening in: hinged one thickness in, the leaves towards -y.
    Ready(7, 1600, 2100);
    Enter(5000, 9000);
    EXPECT_EQ(Added(), (std::vector<std::string>{
                           "polygon (5800,9000) (4200,9000) (4200,8700) (5800,8700)",
                           "line 11 (4200,8700)-(4200,7900) pen 1",
                           "line 11 (5800,8700)-(5800,7900) pen 1",
                           "arc (3400,9500)-(5000,7900) from (4200,7900) to (5000,8700)",
                           "arc (5000,9500)-(6600,7900) from (5000,8700) to (5800,7900)",
                       }));
    // On the left wall (towards +y), opening out towards -x.
    Ready(8, 1600, 2100);
    Enter(1000, 5000);
    const std::vector<std::string> added = Added();
    ASSERT_EQ(added.size(), 5u);
    EXPECT_EQ(added[1], "line 11 (1000,5800)-(200,5800) pen 1");
    EXPECT_EQ(added[2], "line 11 (1000,4200)-(200,4200) pen 1");
}

TEST_F(DoorJoinery, MainEntriesSetTheirDoorsBesideAPanel) {
    // 1800 wide with one 900 door on the right seen from outside: a panel at mid-wall from px + 900
    // to px, a mullion across the wall at px.
    WriteCfg("ENTRY.CFG", "900 0 0 1 0 l n n");
    Ready(10, 1800, 2100, 8);
    Enter(5000, 9000);
    EXPECT_EQ(Added(), (std::vector<std::string>{
                           "polygon (5900,9000) (4100,9000) (4100,8700) (5900,8700)",
                           "line 11 (5900,8850)-(5000,8850) pen 1",
                           "line 11 (5000,9000)-(5000,8700) pen 1",
                           "line 11 (5000,8700)-(5000,7800) pen 1",
                           "arc (4100,9600)-(5900,7800) from (4100,8700) to (5000,7800)",
                       }));
    EXPECT_EQ(tool->InsertX, 5000);
    EXPECT_EQ(tool->InsertY, 9000);
    EXPECT_EQ(tool->OpeningWidth, 1800);
    EXPECT_EQ(tool->Handing(), 8);

    // Handing 6 hangs the door at the far end of the opening.
    Ready(10, 1800, 2100, 6);
    Enter(5000, 9000);
    std::vector<std::string> added = Added();
    ASSERT_EQ(added.size(), 5u);
    EXPECT_EQ(added[3], "line 11 (4100,8700)-(4100,7800) pen 1");
    EXPECT_EQ(added[4], "arc (3200,9600)-(5000,7800) from (4100,7800) to (5000,8700)");

    // Two doors of 1000 in 1800: two 900 leaves from the ends meeting at the centre; no panel, a
    // mullion at the doors' end of the opening.
    WriteCfg("ENTRY.CFG", "1000 0 0 2 0 l n n");
    Ready(10, 1800, 2100, 0);
    Enter(5000, 9000);
    EXPECT_EQ(Added(), (std::vector<std::string>{
                           "polygon (5900,9000) (4100,9000) (4100,8700) (5900,8700)",
                           "line 11 (5900,9000)-(5900,8700) pen 1",
                           "line 11 (4100,8700)-(4100,7800) pen 1",
                           "arc (3200,9600)-(5000,7800) from (4100,7800) to (5000,8700)",
                           "line 11 (5900,8700)-(5900,7800) pen 1",
                           "arc (5000,9600)-(6800,7800) from (5000,8700) to (5900,7800)",
                       }));
    EXPECT_EQ(tool->Handing(), 0);
    EXPECT_EQ(tool->OpeningWidth, 1800);

    // Doors on the left seen from outside, on the bottom wall (towards -x): the panel at the +x end.
    WriteCfg("ENTRY.CFG", "900 0 0 1 0 r n n");
    Ready(10, 1800, 2100, 7);
    Enter(5000, 1000);
    added = Added();
    ASSERT_EQ(added.size(), 5u);
    EXPECT_EQ(added[1], "line 11 (5900,1150)-(5000,1150) pen 1");
    EXPECT_EQ(added[2], "line 11 (5000,1000)-(5000,1300) pen 1");
    EXPECT_EQ(added[3], "line 11 (5000,1300)-(5000,2200) pen 1");

    // Central doors with a panel at each end.
    WriteCfg("ENTRY.CFG", "800 0 0 1 0 b n n");
    Ready(10, 1800, 2100, 6);
    Enter(5000, 9000);
    added = Added();
    ASSERT_EQ(added.size(), 7u);
    EXPECT_EQ(std::vector<std::string>(added.begin() + 1, added.begin() + 5),
              (std::vector<std::string>{
                  "line 11 (4100,8850)-(4600,8850) pen 1", "line 11 (5900,8850)-(5400,8850) pen 1",
                  "line 11 (4600,9000)-(4600,8700) pen 1", "line 11 (5400,9000)-(5400,8700) pen 1"}));
    EXPECT_EQ(added[5], "line 11 (4600,8700)-(4600,7900) pen 1");
}

TEST_F(DoorJoinery, WindowsAreLabelledWithTheirSizesOutsideTheWall) {
    struct Case {
        int x;
        int y;
        int cill;
        int labelX;
        int labelY;
        int escapement;
        int alignment;
        int wallCode;
    };
    const Case cases[] = {
        {5000, 9000, 0, 5000, 9050, 0, 6, 900}, {5000, 9000, 1, 5000, 9100, 0, 6, 900},
        {1000, 5000, 0, 950, 5000, 2700, 6, 0}, {11000, 5000, 0, 11050, 5000, 2700, 4, 1800},
        {5000, 1000, 0, 5000, 950, 0, 4, 2700},
    };
    for (const Case& c : cases) {
        Ready(1, 1200, 1050, 0, 1, c.cill, 9);
        Enter(c.x, c.y);
        ASSERT_EQ(Added().size(), 3u) << c.x << "," << c.y;
        const auto& label = dynamic_cast<const TTextobj&>(*DrawingList[DrawingList.count - 1]);
        EXPECT_EQ(Summary(label), "text \"1200 w x 1050 h\" at " + Point(c.labelX, c.labelY));
        EXPECT_EQ(label.type, 35);
        EXPECT_EQ(label.escapement, c.escapement);
        EXPECT_EQ(label.alignment, c.alignment);
        EXPECT_EQ(label.x2, c.wallCode);
        EXPECT_EQ(label.size, 9);
        EXPECT_EQ(label.aux, 0);
        EXPECT_EQ(label.number, DrawingList[countBefore]->number); // the opening's
        EXPECT_EQ(ObjectString(label.fontName), "Arial");
        EXPECT_EQ(tool->WallAngle(), c.wallCode);
    }
    // A wall opening gets none.
    Ready(5, 1200, 1050, 0, 1);
    Enter(5000, 9000);
    EXPECT_EQ(Added().size(), 1u);

    // Feet and inches: 36 by 48 inches, 2 inches outside the wall.
    Shared.Units = 0;
    Shared.Scale = 6;
    Ready(1, 864, 1152, 0, 1);
    Enter(4980, 9000);
    ASSERT_EQ(Added().size(), 3u);
    EXPECT_EQ(Added()[2], "text \"3' 0'' x 4' 0''\" at (4980,9048)");
}

} // namespace
