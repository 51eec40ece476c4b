// The room layout's bounds files and grid: the box round the layout's design rooms in RECT.CFG and
// BOUNDS.CFG, and the grid lines the paint gets for one frame.
#include "rooms/room_layout.h"
#include "rooms/room_test_support.h"
#include "settings/cfg_files.h"

#include <filesystem>

using room_test::RoomTest;

namespace {

class RoomLayout : public RoomTest {
  protected:
    void SetUp() override {
        RoomTest::SetUp();
        WriteCfg("RECT.CFG", "1 2 3\n");
        WriteCfg("BOUNDS.CFG", "4 5 6 7\n");
        WriteCfg("LYTGRIDM.CFG", "1000 255\n");
    }
    // The two rooms of the acceptance layout: 3000 x 4000 and 3100 x 4000 side by side, top 4000.
    static void TwoRooms() {
        AddRoom(0, 4000, 3000, 4000);
        AddRoom(3100, 4000, 3100, 4000);
    }
    // The lines of the list, "x1,y1 x2,y2" with a leading "-" for solid ones.
    static std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        for (int i = 0; i < DrawingList.count; ++i) {
            const TObject& line = *DrawingList[i];
            if (line.type != 1) continue;
            EXPECT_EQ(line.colour, 255);
            EXPECT_EQ(line.view, Shared.CurrentView);
            EXPECT_EQ(line.number, 0);
            lines.push_back((line.penStyle == 0 ? "-" : "") + Place(line));
        }
        return lines;
    }
};

TEST_F(RoomLayout, BoundsOfTwoRoomsGoToBothFiles) {
    TwoRooms();
    EXPECT_EQ(WritePlanBounds(DrawingList), 2);
    EXPECT_EQ(Cfg("RECT.CFG"), "6200 4000 24800000\n");
    EXPECT_EQ(Cfg("BOUNDS.CFG"), "0 4000 6200 0\n");
    // While the corners are marked the layout's rooms count.
    WriteCfg("BOUNDS.CFG", "4 5 6 7\n");
    Shared.CurrentView = 45;
    EXPECT_EQ(WritePlanBounds(DrawingList), 2);
    EXPECT_EQ(Cfg("BOUNDS.CFG"), "0 4000 6200 0\n");
}

TEST_F(RoomLayout, FewerThanTwoRoomsLeaveTheFilesAlone) {
    AddRoom(0, 4000, 3000, 4000);
    AddRoom(3100, 4000, 3100, 4000, 41); // another floor's
    EXPECT_EQ(WritePlanBounds(DrawingList), 1);
    EXPECT_EQ(Cfg("RECT.CFG"), "1 2 3\n");
    EXPECT_EQ(Cfg("BOUNDS.CFG"), "4 5 6 7\n");
}

TEST_F(RoomLayout, ALastRoomStillWhereNewRoomsGoIsNotCounted) {
    AddRoom(3100, 4000, 3100, 4000);
    AddRoom(50, 1050, 2000, 1000); // two scale steps inside the view's lower-left corner
    EXPECT_EQ(WritePlanBounds(DrawingList), 1);
    EXPECT_EQ(Cfg("RECT.CFG"), "3100 4000 12400000\n");
    EXPECT_EQ(Cfg("BOUNDS.CFG"), "3100 4000 6200 0\n");
}

TEST_F(RoomLayout, AFloorPlanWritesOnlyTheEmptyBox) {
    AddRoom(0, 4000, 3000, 4000, 50);
    AddRoom(3100, 4000, 3100, 4000, 50);
    Shared.CurrentView = 50;
    EXPECT_EQ(WritePlanBounds(DrawingList), 2);
    EXPECT_EQ(Cfg("RECT.CFG"), "1 2 3\n");
    EXPECT_EQ(Cfg("BOUNDS.CFG"), "200000 0 0 200000\n");
}

TEST_F(RoomLayout, EveryRoomCountsAndLargeAreasKeepTheirSize) {
    for (int i = 0; i < 25; ++i)
        AddRoom(i * 1000, 4000, 1000, 1000 + i * 100);
    EXPECT_EQ(WritePlanBounds(DrawingList), 25);
    EXPECT_EQ(Cfg("BOUNDS.CFG"), "0 4000 25000 600\n");
    // 60 m by 50 m: three thousand million square millimetres, beyond 32 bits.
    DrawingList.Flush();
    AddRoom(0, 50000, 30000, 25000);
    AddRoom(30000, 25000, 30000, 25000);
    EXPECT_EQ(WritePlanBounds(DrawingList), 2);
    EXPECT_EQ(Cfg("RECT.CFG"), "60000 50000 3000000000\n");
    EXPECT_EQ(ReadLayoutRectangle().area, 3000000000LL);
}

TEST_F(RoomLayout, TheLayoutGridFramesTheRoomsForOnePaint) {
    TwoRooms();
    MakeLayoutGrid(DrawingList);
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(DrawingList.count, 16);
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[0], "-0,4000 0,0");
    EXPECT_EQ(lines[1], "-0,4000 6200,4000");
    EXPECT_EQ(lines[2], "-6200,4000 6200,0");
    EXPECT_EQ(lines[3], "-0,0 6200,0");
    // Seven dotted lines across, from the left edge every 1000; five down, from the top.
    EXPECT_EQ(lines[4], "0,0 0,4000");
    EXPECT_EQ(lines[10], "6000,0 6000,4000");
    EXPECT_EQ(lines[11], "0,4000 6200,4000");
    EXPECT_EQ(lines[15], "0,0 6200,0");
    // The rooms were saved before the list was emptied; the grid is never saved.
    EXPECT_NE(DrawingFile().find("29000"), std::string::npos);
    EXPECT_EQ(DrawingFile().find("\n1\n"), std::string::npos);
}

TEST_F(RoomLayout, ABoxNarrowerThanTheSpacingGetsOneLineOnItsLeftEdge) {
    AddRoom(0, 4000, 400, 4000);
    AddRoom(400, 4000, 400, 4000);
    MakeLayoutGrid(DrawingList);
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 4u + 1u + 5u);
    EXPECT_EQ(lines[4], "0,0 0,4000");
}

TEST_F(RoomLayout, NoGridWithoutUsableSettingsOrRooms) {
    // A spacing of 0 or below, a missing settings file, a single room, or a view other than the
    // layout's: the list keeps the drawing.
    for (const char* settings : {"0 255\n", "-1000 255\n", ""}) {
        DrawingList.Flush();
        TwoRooms();
        if (*settings)
            WriteCfg("LYTGRIDM.CFG", settings);
        else
            std::filesystem::remove(folder.Path() / "CFG" / "LYTGRIDM.CFG");
        MakeLayoutGrid(DrawingList);
        EXPECT_EQ(DrawingList.count, 2) << settings;
    }
    WriteCfg("LYTGRIDM.CFG", "1000 255\n");
    DrawingList.Flush();
    AddRoom(0, 4000, 3000, 4000);
    MakeLayoutGrid(DrawingList);
    EXPECT_EQ(DrawingList.count, 1);
    TwoRooms();
    Shared.CurrentView = 50;
    MakeLayoutGrid(DrawingList);
    EXPECT_EQ(DrawingList.count, 3);
}

TEST_F(RoomLayout, WhileCornersAreMarkedTheGridCoversTheViewFromTheRoomsCorner) {
    // The view shows 0..15000 across and 0..10000 up; the rooms' box starts at (1000, 4000).
    Shared.CurrentView = 45;
    WriteCfg("BOUNDS.CFG", "1000 4000 7000 0\n");
    AddRoom(1000, 4000, 6000, 4000, 40);
    MakeLayoutGrid(DrawingList);
    ASSERT_EQ(DrawingList.count, 1 + 31);
    EXPECT_EQ(DrawingList[0]->type, 29000);
    const std::vector<std::string> lines = Lines();
    EXPECT_EQ(lines[0], "1000,10000 1000,0");
    EXPECT_EQ(lines[1], "0,4000 15000,4000");
    EXPECT_EQ(lines[2], "0,10000 0,0");
    EXPECT_EQ(lines[3], "-1000,10000 -1000,0");
    EXPECT_EQ(lines[4], "2000,10000 2000,0");
    EXPECT_EQ(lines[18], "16000,10000 16000,0");
    EXPECT_EQ(lines[19], "0,3000 15000,3000");
    EXPECT_EQ(lines[23], "0,-1000 15000,-1000");
    EXPECT_EQ(lines[30], "0,11000 15000,11000");
    // Scrolled, the lines move with the view but keep their anchor.
    DrawingList.Flush();
    Shared.ScrollX = 300;
    MakeLayoutGrid(DrawingList);
    EXPECT_EQ(Place(*DrawingList[0]), "1000,10000 1000,0");
    EXPECT_EQ(Place(*DrawingList[1]), "1500,4000 16500,4000");
    // No bounds, no grid.
    DrawingList.Flush();
    std::filesystem::remove(folder.Path() / "CFG" / "BOUNDS.CFG");
    MakeLayoutGrid(DrawingList);
    EXPECT_EQ(DrawingList.count, 0);
}

TEST_F(RoomLayout, RoomsFarOutsideTheViewMakeNoEndlessGrid) {
    // A damaged drawing: a room two thousand million units away at the smallest spacing.
    WriteCfg("LYTGRIDM.CFG", "250 255\n");
    AddRoom(0, 4000, 3000, 4000);
    AddRoom(2000000000, 4000, 3000, 4000);
    MakeLayoutGrid(DrawingList);
    EXPECT_GT(DrawingList.count, 4);
    EXPECT_LT(DrawingList.count, 5000);
}

} // namespace
