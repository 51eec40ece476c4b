// The maximum design room: the free space measured round a click of Max DESIGN Room Size (MAX.CFG),
// the clicks refused, and the design room offered at the measured size.
#include "rooms/design_room_tool.h"
#include "rooms/design_rooms.h"
#include "rooms/room_test_support.h"

using room_test::RoomTest;

namespace {

class MaxDesignRoom : public RoomTest {
  protected:
    // A press of the tool in MaximumSize at a drawing point; the tool's state afterwards.
    int Measure(int x, int y) {
        TDRoomobjtool tool;
        tool.State = TDRoomobjtool::MaximumSize;
        const platform::Point at = PixelOf(x, y);
        Press(tool, at.x, at.y);
        return tool.State;
    }
    // An external wall whose inner face is (x1, y1)-(x2, y2).
    static void Face(int x1, int y1, int x2, int y2) { AddExternalWall(x1, y1, x2, y2, x1, y1, x2, y2); }
};

TEST_F(MaxDesignRoom, DesignRoomsLeaveThePartitionWallsMeasureToTheirFaces) {
    AddRoom(1000, 6000, 2000, 4000);
    AddRoom(7000, 6000, 2000, 4000);
    EXPECT_EQ(Measure(5000, 4000), TDRoomobjtool::MaximumSize);
    // 3100 to 6900 across; nothing above or below: the rooms' extent, t further out.
    EXPECT_EQ(Cfg("MAX.CFG"), "3800 4200");

    DrawingList.Flush();
    Face(1000, 1000, 1000, 7000);
    Face(9000, 7000, 9000, 1000);
    Face(1000, 7000, 9000, 7000);
    Face(9000, 1000, 1000, 1000);
    EXPECT_EQ(Measure(4000, 4000), TDRoomobjtool::MaximumSize);
    EXPECT_EQ(Cfg("MAX.CFG"), "8000 6000");
}

TEST_F(MaxDesignRoom, RoomsBelowCountFromTheirLeftEdgeSizesStopAt30000) {
    AddRoom(0, 8000, 100, 8000);
    AddRoom(31000, 8000, 100, 8000);
    AddRoom(5000, 3000, 1000, 1000); // below the click, its left edge under it
    AddRoom(4000, 7000, 1000, 1000); // above the click, its right edge over it: not counted
    Measure(5000, 4000);
    // 200 to 30900 is more than a room may take; 3100 up to the extent 8000 + 100.
    EXPECT_EQ(Cfg("MAX.CFG"), "30000 5000");
}

TEST_F(MaxDesignRoom, ClicksInARoomOnAWallOrOutsideEverythingAreRefused) {
    WriteCfg("MAX.CFG", "1 2");
    AddRoom(1000, 6000, 2000, 4000);
    EXPECT_EQ(Measure(5000, 4000), TDRoomobjtool::OutsideWalls); // one object only
    AddRoom(7000, 6000, 2000, 4000);
    EXPECT_EQ(Measure(2000, 4000), TDRoomobjtool::OutsideWalls); // in a room
    EXPECT_EQ(Measure(3000, 4000), TDRoomobjtool::OutsideWalls); // on its edge
    EXPECT_EQ(Measure(5000, 7000), TDRoomobjtool::OutsideWalls); // above everything
    AddInternalWall(4000, 5000, 4000, 3000, 4100, 5000, 4100, 3000);
    EXPECT_EQ(Measure(4050, 4000), TDRoomobjtool::MaximumSize); // between the faces' boxes
    EXPECT_EQ(Measure(4000, 4000), TDRoomobjtool::OutsideWalls);
    EXPECT_EQ(Cfg("MAX.CFG"), "3800 4200"); // the wall bounds nothing from between its faces
}

TEST_F(MaxDesignRoom, TheMeasuredRoomIsOfferedAndPlacedAsANewRoom) {
    tool_test::TestView view;
    view.window = window;
    view.tool = std::make_unique<TDRoomobjtool>();
    view.tool->State = TDRoomobjtool::MaximumSize;
    view.DatumState = 3;
    // Sizes of 10 or less are no room: nothing is asked.
    AddRoom(1000, 6000, 2000, 4000);
    WriteCfg("MAX.CFG", "10 4000");
    NewMaxDesignRoom(view);
    EXPECT_TRUE(desktop.DialogsRun().empty());

    WriteCfg("MAX.CFG", "3800 4200");
    platform::DialogAnswer answer;
    answer.resourceId = 23000;
    answer.fills = {{23001, platform::DialogAnswer::Fill::Kind::Text, "Study", 0}};
    desktop.QueueDialog(answer);
    Shared.DrawingState = 1;
    NewMaxDesignRoom(view);
    EXPECT_EQ(desktop.DialogsRun(), (std::vector<int>{23000}));
    const auto* shown = desktop.ControlsAtOpening(23000);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->at(23002), "3800");
    EXPECT_EQ(shown->at(23003), "4200");
    ASSERT_EQ(DrawingList.count, 2);
    const TRoomobj& made = Room(1);
    EXPECT_EQ(made.width, 3800);
    EXPECT_EQ(made.length, 4200);
    EXPECT_STREQ(made.name, "Study");
    EXPECT_EQ(view.tool->State, TDRoomobjtool::PlaceNew);
    EXPECT_EQ(Shared.DrawingState, 2);
    EXPECT_EQ(view.DatumState, 1);
    EXPECT_EQ(desktop.StatusText(),
              "place cursor in room, move with LB down (align to Room), RB (align Boundary)");
    EXPECT_EQ(view.log.back(), "repaint area erased");
}

} // namespace
