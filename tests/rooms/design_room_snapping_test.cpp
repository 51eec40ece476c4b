// Where a dropped design room lands: the pull of nearby rooms and wall faces after a left-button drag
// (merge distance D 100, partition P 100), and of the box round the other rooms after a right-button
// drag. Only the place changes, never the size or the labels.
#include "rooms/design_room_snapping.h"
#include "rooms/design_room_tool.h"
#include "rooms/room_test_support.h"

#include <filesystem>

using namespace platform;
using room_test::RoomTest;

namespace {

class DesignRoomSnapping : public RoomTest {
  protected:
    // The room at `index` dropped where it is, as the tool's release hands it over.
    std::string DropOnRooms(int index) {
        TDRoomobjtool tool;
        tool.PickedRoomIndex = index;
        OnView(tool, [&](DeviceContext& dc) { AlignDesignRoomToRooms(tool, dc, client, 300, 200); });
        EXPECT_EQ(tool.X1, Room(index).x1);
        EXPECT_EQ(tool.Y2, Room(index).y2);
        EXPECT_EQ(tool.LastMouseX, 7500);
        return Place(Room(index));
    }
    std::string DropOnBox(int index) {
        TDRoomobjtool tool;
        tool.PickedRoomIndex = index;
        OnView(tool, [&](DeviceContext& dc) { AlignDesignRoomToBoundary(tool, dc, client, 300, 200); });
        return Place(Room(index));
    }
};

TEST_F(DesignRoomSnapping, ARoomBesideAnotherKeepsThePartitionBetweenThem) {
    AddRoom(0, 4000, 3000, 4000);
    // 30 right of its right edge, 20 below its top.
    const int moved = AddRoom(3030, 3980, 2000, 2000);
    EXPECT_EQ(DropOnRooms(moved), "3100,4000 5100,2000");
    EXPECT_EQ(Room(moved).width, 2000);
    EXPECT_STREQ(Room(moved).label1, "2000");

    // Aligned edges meet with no gap: right edge 40 short of the other's right, bottom 60 above its
    // bottom.
    DrawingList.Flush();
    AddRoom(0, 4000, 3000, 4000);
    const int inside = AddRoom(960, 2060, 2000, 2000);
    EXPECT_EQ(DropOnRooms(inside), "1000,2000 3000,0");
}

TEST_F(DesignRoomSnapping, ARoomNearOnOneAxisOnlyStays) {
    AddRoom(0, 4000, 3000, 4000);
    const int moved = AddRoom(3030, 9000, 2000, 2000); // near in x, far in y
    EXPECT_EQ(DropOnRooms(moved), "3030,9000 5030,7000");
    // Nothing else in the view, or only rooms of another floor.
    DrawingList.Flush();
    AddRoom(0, 4000, 3000, 4000, 41);
    const int alone = AddRoom(3030, 3980, 2000, 2000);
    EXPECT_EQ(DropOnRooms(alone), "3030,3980 5030,1980");
}

TEST_F(DesignRoomSnapping, WallFacesPullTheEdgesBesideThem) {
    // A vertical internal wall with faces at x 2900 and 3000, from y 0 to 6000.
    AddInternalWall(2900, 6000, 2900, 0, 3000, 6000, 3000, 0);
    const int moved = AddRoom(3040, 5000, 2000, 2000);
    EXPECT_EQ(DropOnRooms(moved), "3000,5000 5000,3000");
    // A left edge exactly on a face is not matched, and does not stop a face further off but within
    // D from pulling the right edge.
    Room(moved).x1 = 3000, Room(moved).x2 = 5000;
    EXPECT_EQ(DropOnRooms(moved), "3000,5000 5000,3000");
    AddInternalWall(5040, 6000, 5040, 0, 5140, 6000, 5140, 0);
    EXPECT_EQ(DropOnRooms(moved), "3040,5000 5040,3000");
}

TEST_F(DesignRoomSnapping, AnExternalWallNearerThanEveryRoomTakesTheLeftEdge) {
    AddRoom(0, 4000, 3000, 4000);
    // Its inner face at x 3050; the room's left edge 10 from it and 70 from the other room.
    AddExternalWall(2940, 8000, 2940, -2000, 3050, 7890, 3050, -1890);
    const int moved = AddRoom(3060, 3980, 2000, 2000);
    EXPECT_EQ(DropOnRooms(moved), "3050,4000 5050,2000");
    // A sloping wall offers nothing.
    DrawingList.Flush();
    AddExternalWall(2940, 8000, 3940, -2000, 3050, 7890, 3050, -1890);
    const int sloped = AddRoom(3060, 3980, 2000, 2000);
    EXPECT_EQ(DropOnRooms(sloped), "3060,3980 5060,1980");
}

TEST_F(DesignRoomSnapping, MixedPullsTakeTheRoomInXAndTheWallInY) {
    // A wall nearer than the room in x, the room nearer than the wall in y, all within D: the rules
    // end with the left edge on the room and the top edge on the wall.
    AddRoom(0, 4000, 3000, 4000);
    AddInternalWall(2930, 3950, 2930, -5000, 3030, 3950, 3030, -5000);
    const int moved = AddRoom(3050, 3990, 2000, 2000);
    EXPECT_EQ(DropOnRooms(moved), "3100,3950 5100,1950");
}

TEST_F(DesignRoomSnapping, AMissingMergeFileSnapsWithTheShippedDistance) {
    std::filesystem::remove(folder.Path() / "CFG" / "MERGEM.CFG");
    std::filesystem::remove(folder.Path() / "CFG" / "RMPTNM.CFG");
    AddRoom(0, 4000, 3000, 4000);
    const int moved = AddRoom(3250, 3800, 2000, 2000); // 250 and 200 away: within the shipped 300
    EXPECT_EQ(DropOnRooms(moved), "3100,4000 5100,2000");
}

TEST_F(DesignRoomSnapping, ARightDropLinesUpWithTheBoxOfTheOtherRooms) {
    // The only room of its view stays.
    const int only = AddRoom(30, 4030, 1000, 1000);
    AddRoom(0, 4000, 3000, 4000, 50);
    EXPECT_EQ(DropOnBox(only), "30,4030 1030,3030");

    // With two rooms the box is the other one, wherever it stands in the list.
    DrawingList.Flush();
    const int first = AddRoom(1980, 4050, 1000, 1000);
    AddRoom(0, 4000, 3000, 4000);
    EXPECT_EQ(DropOnBox(first), "2000,4000 3000,3000");

    // Equally far from both box edges: the left edge is the one tried. Exactly D away: no pull.
    DrawingList.Flush();
    AddRoom(0, 4000, 3000, 4000);
    const int wide = AddRoom(-50, 4020, 3100, 1000);
    EXPECT_EQ(DropOnBox(wide), "0,4000 3100,3000");
    Room(wide).x1 = 0, Room(wide).x2 = 3100, Room(wide).y1 = 4100, Room(wide).y2 = 3100;
    EXPECT_EQ(DropOnBox(wide), "0,4100 3100,3100");
}

} // namespace
