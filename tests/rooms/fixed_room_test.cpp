// Fixed rooms: the click's free-space search (ROOM.CFG and the side to work from), the room built
// against the bounds nearest the click with walls only where none stands, its name and size labels,
// and the click that finds no enclosure.
#include "rooms/fixed_room_tool.h"
#include "rooms/fixed_rooms.h"
#include "rooms/room_test_support.h"

#include <filesystem>
#include <string>
#include <vector>

using room_test::RoomTest;

namespace {

class FixedRoom : public RoomTest {
  protected:
    void SetUp() override {
        RoomTest::SetUp();
        OnGroundFloor();
        WriteCfg("PTNM.CFG", "100");
        WriteCfg("INTWALL.CFG", "1 55 3 4 5 6 7 8 255");
        WriteCfg("WLCLR.CFG", "111 222\n");
        view_.window = window;
        view_.tool = std::make_unique<TRoomobjtool>();
    }
    // Four internal walls whose inner faces make the box (2000, 3000)-(6000, 7000).
    static void Box() {
        AddInternalWall(1900, 2900, 1900, 7100, 2000, 2900, 2000, 7100);
        AddInternalWall(6000, 2900, 6000, 7100, 6100, 2900, 6100, 7100);
        AddInternalWall(1900, 7000, 6100, 7000, 1900, 7100, 6100, 7100);
        AddInternalWall(1900, 3000, 6100, 3000, 1900, 2900, 6100, 2900);
    }
    TRoomobjtool& Tool() { return dynamic_cast<TRoomobjtool&>(*view_.tool); }
    // A click at a drawing point as the view makes it: the press, then NewFixedRoom.
    void Click(int x, int y) {
        const platform::Point at = PixelOf(x, y);
        Press(Tool(), at.x, at.y);
        NewFixedRoom(view_);
    }
    static platform::DialogAnswer Answer(const std::string& name, const char* width, const char* length,
                                         int modeButton) {
        platform::DialogAnswer answer;
        answer.resourceId = 8000;
        using Fill = platform::DialogAnswer::Fill;
        answer.fills = {{8001, Fill::Kind::Text, name, 0}, {modeButton, Fill::Kind::Check, "", 0}};
        if (width) answer.fills.push_back({8002, Fill::Kind::Text, width, 0});
        if (length) answer.fills.push_back({8003, Fill::Kind::Text, length, 0});
        return answer;
    }
    // The objects after the fixture's first `from`: walls "angle outer ... inner ...", lines
    // "line x1,y1 x2,y2", texts "type x,y text", arrows "arrow x,y".
    static std::vector<std::string> Made(int from) {
        std::vector<std::string> made;
        for (int i = from; i < DrawingList.count; ++i) {
            const TObject& o = *DrawingList[i];
            if (o.type == 1500) {
                const auto& w = dynamic_cast<const TIntwallobj&>(o);
                made.push_back(std::to_string(w.iwall6) + " outer " + Place(w) + " inner " +
                               std::to_string(w.fx1) + "," + std::to_string(w.fy1) + " " +
                               std::to_string(w.fx2) + "," + std::to_string(w.fy2));
            } else if (o.type == 1) {
                made.push_back("line " + Place(o));
            } else if (o.type == 35 || o.type == 36) {
                const auto& t = dynamic_cast<const TTextobj&>(o);
                made.push_back(std::to_string(t.type) + " " + std::to_string(t.x1) + "," +
                               std::to_string(t.y1) + " " + t.text);
            } else if (o.type == 26000) {
                made.push_back("arrow " + std::to_string(o.x1) + "," + std::to_string(o.y1));
            }
        }
        return made;
    }

    tool_test::TestView view_;
};

TEST_F(FixedRoom, TheProposedSizeFillsTheBoxWithNoNewWall) {
    Box();
    desktop.QueueDialog(Answer("Study", nullptr, nullptr, 8005));
    Click(3000, 4000);
    EXPECT_EQ(Cfg("ROOM.CFG"), "4000 4000");
    const auto* shown = desktop.ControlsAtOpening(8000);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->at(8002), "4000");
    EXPECT_EQ(shown->at(8003), "4000");
    // Worked from the left and the bottom; the name at the centre, the size 250 below it.
    EXPECT_EQ(Made(4), (std::vector<std::string>{"36 4000,5000 Study", "36 4000,4750 4000 x 4000"}));
    const auto& name = dynamic_cast<const TTextobj&>(*DrawingList[4]);
    EXPECT_EQ(name.z1, 55);
    EXPECT_EQ(name.size, 10);
    EXPECT_EQ(name.aux, name.number);
    EXPECT_EQ(name.number, 10001);
    const auto& size = dynamic_cast<const TTextobj&>(*DrawingList[5]);
    EXPECT_EQ(size.y2, 250);
    EXPECT_EQ(size.size, 9);
    EXPECT_EQ(size.z1, 55);
    // Saved, the room's area repainted, the pick tool in place.
    EXPECT_NE(Records().find("4000 x 4000"), std::string::npos);
    EXPECT_EQ(view_.log, (std::vector<std::string>{"repaint area erased", "pick tool"}));
    EXPECT_EQ(desktop.StatusText(), "Pick Tool");
}

TEST_F(FixedRoom, ASmallerRoomGetsWallsOnItsFreeSidesJoinedToTheBox) {
    Box();
    desktop.QueueDialog(Answer("Study", "3000", "2000", 8006));
    Click(2500, 6500);
    EXPECT_EQ(Made(4), (std::vector<std::string>{
                           "1800 outer 5100,7000 5100,4900 inner 5000,7000 5000,5000",
                           "line 5025,7000 5075,7000",
                           "900 outer 2000,4900 5100,4900 inner 2000,5000 5000,5000",
                           "line 2000,4925 2000,4975",
                           "36 3500,6000 Study",
                       }));
    for (int i : {4, 6}) {
        const auto& wall = dynamic_cast<const TIntwallobj&>(*DrawingList[i]);
        EXPECT_EQ(wall.z1, 55);
        EXPECT_EQ(wall.z2, 55);
        EXPECT_EQ(wall.fz1, 55);
        EXPECT_EQ((std::vector<int>{wall.iwall1, wall.iwall2, wall.iwall3, wall.iwall4, wall.iwall5}),
                  (std::vector<int>{100, 5, 6, 7, 8}));
        EXPECT_EQ(wall.iwall12, 222);
        EXPECT_EQ(wall.iwall13, 222);
    }
    EXPECT_EQ(DrawingList[4]->number + 1, DrawingList[6]->number);
}

TEST_F(FixedRoom, WorkedFromTheRightTheRightEdgeLiesOnTheBound) {
    Box();
    desktop.QueueDialog(Answer("Den", "3001", "4000", 8007));
    Click(5500, 4000);
    // Only a left wall is needed, 3001 left of the right face, flush with the box at both ends and
    // joined to it. The name lies R - W / 2 from the right; of the dimensions the vertical one comes
    // first, each text after its arrows.
    EXPECT_EQ(Made(4), (std::vector<std::string>{
                           "1800 outer 2899,7000 2899,3000 inner 2999,7000 2999,3000",
                           "line 2924,7000 2974,7000",
                           "line 2924,3000 2974,3000",
                           "36 4500,5000 Den",
                           "arrow 3299,7000",
                           "arrow 3299,3000",
                           "35 3299,5000 4000",
                           "arrow 2999,6700",
                           "arrow 6000,6700",
                           "35 4499,6700 3001",
                       }));
}

TEST_F(FixedRoom, AClickWithNoEnclosureBuildsNothingAndKeepsTheTool) {
    AddInternalWall(1900, 2900, 1900, 7100, 2000, 2900, 2000, 7100);
    WriteCfg("ROOM.CFG", "1 1");
    Click(3000, 4000);
    EXPECT_EQ(Cfg("ROOM.CFG"), "1 1");
    ASSERT_EQ(desktop.Messages().size(), 1u);
    EXPECT_EQ(desktop.Messages()[0].text, "No selection was made - start ROOM again");
    EXPECT_EQ(desktop.Messages()[0].caption, "");
    EXPECT_EQ(Tool().Started(), 0);
    EXPECT_EQ(DrawingList.count, 1);
    EXPECT_TRUE(desktop.DialogsRun().empty());
    // Enter changes nothing.
    Key(Tool(), 13, 3000, 4000);
    EXPECT_EQ(DrawingList.count, 1);
}

TEST_F(FixedRoom, DesignRoomsAndFacesUnderTheClickBoundTheSearchAsTheyShould) {
    Box();
    // A design room left of the click: the search stops at its right edge grown by the floor's room
    // wall thickness (RMPTNM.CFG), the room is built 1000 off it.
    AddRoom(2100, 6000, 400, 2000, 50);
    // A sloped wall stored with angle 0 is ignored; a face through the click's own x bounds nothing.
    AddInternalWall(3000, 3500, 3500, 6800, 3000, 3600, 3500, 6900);
    AddInternalWall(4300, 4500, 4300, 5500, 4300, 4500, 4300, 5500);
    desktop.QueueDialog(Answer("Bed", "2000", "2000", 8006));
    Click(4300, 5000);
    EXPECT_EQ(Cfg("ROOM.CFG"), "3400 4000"); // 2600 to 6000, 3000 to 7000
    // Exactly midway on both axes, in a fresh tool: worked from the left and the top.
    const std::vector<std::string> made = Made(7);
    ASSERT_EQ(made.size(), 6u);
    EXPECT_EQ(made[0], "1800 outer 3400,7000 3400,4900 inner 3500,7000 3500,5000");
    EXPECT_EQ(made[1], "line 3425,7000 3475,7000");
    EXPECT_EQ(made[5], "36 4500,6000 Bed");
}

TEST_F(FixedRoom, SizeLabelsInFeetAndInchesAndNoneAtAll) {
    Shared.Units = 0;
    Shared.Scale = 6;
    WriteCfg("IOFFSET.CFG", "240 600 900 2700 9 9 10");
    TRoomobjtool& tool = Tool();
    tool.LeftSide = 2400, tool.RightSide = 2400 + 876, tool.TopSide = 7000, tool.BottomSide = 7000 - 2880;
    OnView(tool, [&](platform::DeviceContext& dc) { tool.AddDimension(dc, client, 1, 876, 2880, 'o'); });
    EXPECT_EQ(Made(0), (std::vector<std::string>{"36 2838,5260 3' 0 1/2'' x 10' 0''"}));
    // Turned: the vertical size reads down the page with IOFFSET's orientation.
    OnView(tool, [&](platform::DeviceContext& dc) { tool.AddDimension(dc, client, 4, 876, 2880, 'o'); });
    ASSERT_EQ(DrawingList.count, 4);
    EXPECT_EQ(dynamic_cast<const TTextobj&>(*DrawingList[3]).escapement, 2700);
    EXPECT_EQ(DrawingList[3]->x2, 2700);
    // Mode 0 adds nothing but still saves.
    std::filesystem::remove(folder.Path() / "DWGS" / "HOUSE.DB0");
    OnView(tool, [&](platform::DeviceContext& dc) { tool.AddDimension(dc, client, 0, 876, 2880, 'o'); });
    EXPECT_EQ(DrawingList.count, 4);
    EXPECT_TRUE(DrawingFileExists());
    EXPECT_EQ(tool.Kind, 71);
}

} // namespace
