// Finishing design rooms: the walls stood outside a room's edges wherever none stands, the faces found
// along them (external walls pulling an edge onto themselves), the join lines, the name and size
// texts with their arrows, and which rooms the driver takes and removes.
#include "partitions/intwall_tool.h"
#include "rooms/design_room_finishing.h"
#include "rooms/room_test_support.h"

#include <string>
#include <vector>

using room_test::RoomTest;

namespace {

class DesignRoomFinishing : public RoomTest {
  protected:
    void SetUp() override {
        RoomTest::SetUp();
        OnGroundFloor();
    }
    // The test's room, L 2000, R 5000, T 7000, B 3000, on the current view.
    static int AddTestRoom(const char* name = "Hall", int labelMode = 0) {
        const int index = AddRoom(2000, 7000, 3000, 4000, Shared.CurrentView, name);
        Room(index).roomA = labelMode;
        return index;
    }
    // FINISH Design Rooms as the command runs it.
    TIntwallobjtool& Finish(int code = 1) {
        tool_.State = TIntwallobjtool::FinishingDesignRooms;
        tool_.PenWidth() = 1;
        tool_.Step(0, 0, code);
        return tool_;
    }
    // The internal walls of the list: "angle number outer x1,y1 x2,y2 inner x1,y1 x2,y2".
    static std::vector<std::string> Walls() {
        std::vector<std::string> walls;
        for (int i = 0; i < DrawingList.count; ++i) {
            if (DrawingList[i]->type != 1500) continue;
            const auto& w = dynamic_cast<const TIntwallobj&>(*DrawingList[i]);
            walls.push_back(std::to_string(w.iwall6) + " " + std::to_string(w.number) + " outer " + Place(w) +
                            " inner " + std::to_string(w.fx1) + "," + std::to_string(w.fy1) + " " +
                            std::to_string(w.fx2) + "," + std::to_string(w.fy2));
        }
        return walls;
    }
    // The join lines, each after the wall it follows: "x1,y1 x2,y2" in the background colour.
    static std::vector<std::string> JoinLines() {
        std::vector<std::string> lines;
        for (int i = 0; i < DrawingList.count; ++i) {
            const TObject& line = *DrawingList[i];
            if (line.type != 1) continue;
            EXPECT_EQ(line.colour, 0x00FFFFFF);
            EXPECT_EQ(line.number, DrawingList[i - 1]->number);
            lines.push_back(Place(line));
        }
        return lines;
    }
    // The texts and arrows in list order: "type x,y x2 y2 text" and "arrow side-tip x,y".
    static std::vector<std::string> Labels() {
        std::vector<std::string> labels;
        for (int i = 0; i < DrawingList.count; ++i) {
            const TObject& o = *DrawingList[i];
            if (o.type == 35 || o.type == 36) {
                const auto& t = dynamic_cast<const TTextobj&>(o);
                labels.push_back(std::to_string(t.type) + " " + std::to_string(t.x1) + "," +
                                 std::to_string(t.y1) + " " + std::to_string(t.x2) + " " +
                                 std::to_string(t.y2) + " " + std::to_string(t.escapement) + " " + t.text);
            } else if (o.type == 26000) {
                labels.push_back("arrow " + std::to_string(o.x1) + "," + std::to_string(o.y1));
            }
        }
        return labels;
    }
    static int CountOfType(int type) {
        int n = 0;
        for (int i = 0; i < DrawingList.count; ++i)
            n += DrawingList[i]->type == type;
        return n;
    }

    TIntwallobjtool tool_;
};

TEST_F(DesignRoomFinishing, AnIsolatedRoomGetsFourMitredWallsAndItsName) {
    AddTestRoom("Hall", 0);
    const TIntwallobjtool& tool = Finish();
    EXPECT_EQ(Walls(), (std::vector<std::string>{
                           "1800 10001 outer 1900,7100 1900,2900 inner 2000,7000 2000,3000",
                           "1800 10002 outer 5100,7100 5100,2900 inner 5000,7000 5000,3000",
                           "900 10003 outer 1900,7100 5100,7100 inner 2000,7000 5000,7000",
                           "900 10004 outer 1900,2900 5100,2900 inner 2000,3000 5000,3000",
                       }));
    EXPECT_TRUE(JoinLines().empty());
    EXPECT_EQ(Labels(), (std::vector<std::string>{"36 3500,5000 900 0 0 Hall"}));
    EXPECT_EQ(CountOfType(29000), 0);
    const auto& wall = dynamic_cast<const TIntwallobj&>(*DrawingList[0]);
    EXPECT_EQ(wall.iwall1, 100);
    EXPECT_EQ(wall.iwall7, 1);
    EXPECT_EQ(wall.iwall12, 0);
    EXPECT_EQ(wall.iwall13, 0);
    EXPECT_EQ(wall.colour, 0x00000080);
    // The repaint area: the room grown by 2 x Scale x the thickness.
    EXPECT_EQ(tool.Extra1, 1000);
    EXPECT_EQ(tool.Extra2, 6000);
    EXPECT_EQ(tool.Extra3, 8000);
    EXPECT_EQ(tool.Extra4, 2000);
    EXPECT_EQ(tool.Y1, 0);
    EXPECT_EQ(tool.WallThickness, 100);
    // Everything reached the file: the texts with the final save.
    EXPECT_NE(Records().find("Hall"), std::string::npos);
}

TEST_F(DesignRoomFinishing, LabelModesWriteTheSizesAsOneTextOrAsDimensions) {
    AddTestRoom("Hall", 1);
    Finish();
    EXPECT_EQ(Labels(),
              (std::vector<std::string>{"36 3500,5000 900 0 0 Hall", "36 3500,4750 900 250 0 3000 x 4000"}));
    DrawingList.Flush();
    AddTestRoom("Hall", 2);
    Finish();
    EXPECT_EQ(Labels(), (std::vector<std::string>{
                            "36 3500,5000 900 0 0 Hall",
                            "35 3500,6700 2700 0 0 3000",
                            "arrow 2000,6700",
                            "arrow 5000,6700",
                            "35 2300,5000 900 0 0 4000",
                            "arrow 2300,7000",
                            "arrow 2300,3000",
                        }));
    // "none" gets no name, an empty name an empty one; the vertical size turns with the offsets.
    WriteCfg("MOFFSET.CFG", "300 600 900 2700 9 9 10");
    DrawingList.Flush();
    AddTestRoom("none", 4);
    Finish();
    EXPECT_EQ(Labels(), (std::vector<std::string>{"35 2300,5000 900 0 2700 4000", "arrow 2300,7000",
                                                  "arrow 2300,3000"}));
    DrawingList.Flush();
    AddTestRoom("", 0);
    Finish();
    EXPECT_EQ(Labels(), (std::vector<std::string>{"36 3500,5000 900 0 0 "}));
}

TEST_F(DesignRoomFinishing, OnlyRoomsNamedExactlySpaceAreLeftOpen) {
    AddRoom(2000, 7000, 3000, 4000, 50, "space");
    AddRoom(10000, 7000, 3000, 4000, 50, "Space");
    AddRoom(20000, 7000, 3000, 4000, 40, "Layout");
    Finish();
    EXPECT_EQ(Walls().size(), 4u); // the Space room's only
    EXPECT_EQ(Labels(), (std::vector<std::string>{"36 11500,5000 900 0 0 Space"}));
    // Both rooms of the plan are gone; the layout's stays.
    ASSERT_EQ(CountOfType(29000), 1);
    EXPECT_EQ(DrawingList[0]->view, 40);

    // With no room to finish nothing is removed and the repaint area stays empty.
    DrawingList.Flush();
    DrawingList.TakeAsDrawing();
    AddRoom(2000, 7000, 3000, 4000, 50, "SPACE");
    const TIntwallobjtool& tool = Finish();
    EXPECT_EQ(CountOfType(29000), 1);
    EXPECT_EQ(DrawingList.count, 1);
    EXPECT_EQ(tool.Extra1, 300000);
    EXPECT_EQ(tool.Extra2, 0);
    EXPECT_EQ(tool.Extra3, 0);
    EXPECT_EQ(tool.Extra4, 300000);
    EXPECT_NE(Records().find("SPACE"), std::string::npos);
}

TEST_F(DesignRoomFinishing, TheClosedOutlineFinishesTheLayoutsRoomsOnTheFloorAndKeepsThem) {
    AddRoom(2000, 7000, 3000, 4000, 40, "Hall");
    AddRoom(5100, 7000, 2000, 4000, 40, "Bath");
    Finish(2);
    EXPECT_EQ(CountOfType(29000), 2);
    for (int i = 0; i < DrawingList.count; ++i)
        if (DrawingList[i]->type != 29000) {
            EXPECT_EQ(DrawingList[i]->view, 50);
        }
    // The two rooms share the wall in the 100 gap, built with the first.
    EXPECT_EQ(Walls().size(), 7u);
    EXPECT_EQ(Labels(), (std::vector<std::string>{"36 3500,5000 900 0 0 Hall", "36 6100,5000 900 0 0 Bath"}));
    // A later step of the tool (an arrow key) finishes nothing.
    const int count = DrawingList.count;
    tool_.Step(0, 0, 0);
    EXPECT_EQ(DrawingList.count, count);
}

TEST_F(DesignRoomFinishing, AnEdgeOnALongerInternalWallGetsNoWallAndJoinLinesAcrossTheEnds) {
    // A wall whose lower face is the room's top edge, running past it both ways.
    AddInternalWall(1000, 7000, 6000, 7000, 1000, 7100, 6000, 7100);
    AddTestRoom();
    Finish();
    EXPECT_EQ(Walls(), (std::vector<std::string>{
                           "0 0 outer 1000,7000 6000,7000 inner 1000,7100 6000,7100",
                           "1800 10001 outer 1900,7000 1900,2900 inner 2000,7000 2000,3000",
                           "1800 10002 outer 5100,7000 5100,2900 inner 5000,7000 5000,3000",
                           "900 10003 outer 1900,2900 5100,2900 inner 2000,3000 5000,3000",
                       }));
    EXPECT_EQ(JoinLines(), (std::vector<std::string>{"1925,7000 1975,7000", "5025,7000 5075,7000"}));
}

TEST_F(DesignRoomFinishing, PartlyCoveredSidesGetPiecesPastTheFacesEnds) {
    // Left: an external wall's inner face covers the lower half; no join line where the piece meets it.
    AddExternalWall(1890, 5000, 1890, 1000, 2000, 5000, 2000, 1000);
    // Right: an internal wall covers the middle only: two pieces, each joined where it meets the face.
    AddInternalWall(5000, 6000, 5000, 4000, 5100, 6000, 5100, 4000);
    // Top: an internal wall face ends exactly at the room's corners: covered.
    AddInternalWall(2000, 7000, 5000, 7000, 2000, 7100, 5000, 7100);
    AddTestRoom();
    Finish();
    EXPECT_EQ(Walls(), (std::vector<std::string>{
                           "0 0 outer 5000,6000 5000,4000 inner 5100,6000 5100,4000",
                           "0 0 outer 2000,7000 5000,7000 inner 2000,7100 5000,7100",
                           "0 10001 outer 1900,7000 1900,5000 inner 2000,7000 2000,5000",
                           "0 10002 outer 5100,7000 5100,6000 inner 5000,7000 5000,6000",
                           "0 10003 outer 5100,4000 5100,2900 inner 5000,4000 5000,3000",
                           // Flush at the left: the external face holds the lower-left corner.
                           "900 10004 outer 2000,2900 5100,2900 inner 2000,3000 5000,3000",
                       }));
    // Covered top: the left piece joins it at the corner; the right pieces join it and the face.
    EXPECT_EQ(JoinLines(), (std::vector<std::string>{"1925,7000 1975,7000", "5025,7000 5075,7000",
                                                     "5025,6000 5075,6000", "5025,4000 5075,4000"}));
}

TEST_F(DesignRoomFinishing, ExternalFacesPullNearEdgesOnlyInternalOnesNever) {
    Shared.Zoom = 5.0f; // tolerance trunc(5 x 5 + 1) = 26
    // An external inner face 25 left of the left edge pulls it; one 26 above the top does not.
    AddExternalWall(1865, 9000, 1865, 1000, 1975, 9000, 1975, 1000);
    AddExternalWall(1000, 7136, 9000, 7136, 1000, 7026, 9000, 7026);
    // An internal face 1 unit right of the right edge: a full wall of its own beside it.
    AddInternalWall(5001, 8000, 5001, 2000, 5101, 8000, 5101, 2000);
    // A wall further out on the same side does not count.
    AddInternalWall(5900, 8000, 5900, 2000, 6000, 8000, 6000, 2000);
    // An angled wall along the bottom is ignored.
    AddInternalWall(1000, 3000, 9000, 3010, 1000, 2900, 9000, 2910);
    AddTestRoom("Hall", 1);
    Finish();
    // No left wall: the edge now lies on the external face, where the top and bottom walls stop flush
    // (with no join line: the face is an external wall's). The right wall stands over the internal one.
    EXPECT_EQ(Walls(), (std::vector<std::string>{
                           "0 0 outer 5001,8000 5001,2000 inner 5101,8000 5101,2000",
                           "0 0 outer 5900,8000 5900,2000 inner 6000,8000 6000,2000",
                           "0 0 outer 1000,3000 9000,3010 inner 1000,2900 9000,2910",
                           "1800 10001 outer 5100,7100 5100,2900 inner 5000,7000 5000,3000",
                           "900 10002 outer 1975,7100 5100,7100 inner 1975,7000 5000,7000",
                           "900 10003 outer 1975,2900 5100,2900 inner 1975,3000 5000,3000",
                       }));
    EXPECT_TRUE(JoinLines().empty());
    // The texts centre on the moved edges; the sizes stay as the room's labels give them.
    EXPECT_EQ(Labels(),
              (std::vector<std::string>{"36 3487,5000 900 0 0 Hall", "36 3487,4750 900 250 0 3000 x 4000"}));
    // The five walls there, the three new ones and the two texts: the room itself is gone.
    EXPECT_EQ(DrawingList.count, 10);
}

} // namespace
