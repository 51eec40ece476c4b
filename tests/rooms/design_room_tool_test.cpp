// The design-room tool as the view drives it: picking the room under a press, the outline that
// follows a drag (and what it leaves on the screen), the arrow keys of the room commands, rotation,
// and picks that an edit of the drawing has made stale. The user stories of tests/scenarios/rooms
// drive the same through the view.
#include "rooms/design_room_picking.h"
#include "rooms/design_room_tool.h"
#include "rooms/room_test_support.h"

using namespace platform;
using room_test::RoomTest;

namespace {

constexpr int Left = 37, Up = 38, Right = 39, Down = 40;

class DesignRoomTool : public RoomTest {
  protected:
    void RightPress(TDRoomobjtool& tool, int x, int y) {
        Point at{x, y};
        OnView(tool, [&](DeviceContext& dc) { tool.RButtonDown(dc, client, at); });
    }
    // An arrow key as the view passes it in KeyDrag: twice, then the outline drawn once more.
    void ViewKeyDrag(TDRoomobjtool& tool, int key) {
        OnView(tool, [&](DeviceContext& dc) {
            tool.KeyDown(dc, client, key, {0, 0}, 0);
            tool.KeyDown(dc, client, key, {0, 0}, 0);
            tool.DrawShape(dc, 1);
        });
    }
    int XorLines() const {
        int n = 0;
        for (const DrawCall& call : surface.CallsNamed("LineTo"))
            if (call.rop == RasterOp::XorPen && call.pen.style == PenStyle::Dot) ++n;
        return n;
    }
};

TEST_F(DesignRoomTool, PicksTheFirstRoomStrictlyContainingThePress) {
    // A: 500..3500 across, 4500 down to 500; B overlaps its right part, later in the list.
    const int a = AddRoom(500, 4500, 3000, 4000);
    AddRoom(3000, 5000, 3000, 4000);
    struct Case {
        Point pixel;
        int picked;
        int state;
    };
    const Case cases[] = {
        {{20, 300}, TDRoomobjtool::NoRoom, 0},        // (500, 2500): on A's left edge
        {{130, 240}, a, TDRoomobjtool::DragAligned},  // (3250, 4000): in both, A is earlier
        {{83, 300}, a, TDRoomobjtool::DragUnaligned}, // (2075, 2500): 75 from A's centre (2000, 2500)
        {{84, 300}, a, TDRoomobjtool::DragAligned},   // (2100, 2500): exactly 20 x Scale off
        {{83, 280}, a, TDRoomobjtool::DragAligned},   // near the centre on one axis only
        {{400, 100}, TDRoomobjtool::NoRoom, 0},       // no room
    };
    for (const Case& c : cases) {
        TDRoomobjtool tool;
        Press(tool, c.pixel.x, c.pixel.y);
        EXPECT_EQ(tool.PickedRoomIndex, c.picked) << c.pixel.x << "," << c.pixel.y;
        EXPECT_EQ(tool.State, c.state) << c.pixel.x << "," << c.pixel.y;
        EXPECT_EQ(tool.DragFlag(), c.picked == a ? 1 : 0);
        if (c.picked != a) continue;
        EXPECT_EQ(tool.X1, 500);
        EXPECT_EQ(tool.Y2, 500);
        EXPECT_EQ(tool.PreviousRect()[1], 3500);
        EXPECT_EQ(tool.RoomWidth, 3000);
    }
    // A room command keeps its mode and starts no drag; Move Room arms the keys.
    TDRoomobjtool expand;
    expand.State = TDRoomobjtool::Expand;
    Press(expand, 130, 240);
    EXPECT_EQ(expand.PickedRoomIndex, a);
    EXPECT_EQ(expand.State, TDRoomobjtool::Expand);
    EXPECT_EQ(expand.DragFlag(), 0);
    EXPECT_EQ(expand.KeyboardFlag(), 1);
    TDRoomobjtool move;
    move.State = TDRoomobjtool::Move;
    Press(move, 400, 100);
    EXPECT_EQ(move.State, TDRoomobjtool::Adjusting);
    EXPECT_EQ(move.KeyboardFlag(), 1);
    // A right press drags aligned even from the centre.
    TDRoomobjtool right;
    RightPress(right, 83, 300);
    EXPECT_EQ(right.State, TDRoomobjtool::DragAligned);
}

TEST_F(DesignRoomTool, DragDrawsTwoOutlinesPerMoveAndSavesOnlyOnRelease) {
    const int a = AddRoom(500, 4500, 3000, 4000);
    TDRoomobjtool tool;
    Press(tool, 40, 300); // (1000, 2500)
    surface.Clear();
    Move(tool, 41, 300);
    // The first move lifts the room: it is painted over with the background where it was and outlined
    // where the cursor's travel from the press takes it.
    const std::vector<DrawCall> covers = surface.CallsNamed("Rectangle");
    ASSERT_EQ(covers.size(), 1u);
    EXPECT_EQ(covers[0].rop, RasterOp::CopyPen);
    EXPECT_EQ(covers[0].brush.colour, Shared.BackgroundColour);
    EXPECT_EQ(covers[0].args,
              (std::vector<int>{100, 900, 700 + Shared.PenWidthFactor, 100 - Shared.PenWidthFactor}));
    EXPECT_EQ(XorLines(), 4);
    EXPECT_EQ(tool.X1, 525);
    EXPECT_EQ(Place(Room(a)), "500,4500 3500,500");
    surface.Clear();
    Move(tool, 61, 280); // 500 right, 500 up
    EXPECT_EQ(XorLines(), 8);
    EXPECT_TRUE(surface.CallsNamed("Rectangle").empty());
    for (const DrawCall& line : surface.CallsNamed("LineTo"))
        EXPECT_EQ(line.pen.colour, Shared.DrawingColour);
    EXPECT_EQ(tool.X1, 1025);
    EXPECT_EQ(tool.Y1, 5000);
    EXPECT_FALSE(DrawingFileExists());
    Release(tool, 61, 280);
    EXPECT_EQ(Place(Room(a)), "1025,5000 4025,1000");
    EXPECT_EQ(Room(a).width, 3000);
    EXPECT_TRUE(DrawingFileExists());
    EXPECT_EQ(tool.DragFlag(), 0);
    EXPECT_EQ(tool.State, TDRoomobjtool::PlaceNew);
}

TEST_F(DesignRoomTool, DragOutsideTheViewKeepsTheCursorsTravel) {
    const int a = AddRoom(500, 4500, 3000, 4000);
    TDRoomobjtool out;
    Press(out, 40, 300);
    Move(out, 41, 300);
    Move(out, 300, 100); // the room to (7000, 9500)-(10000, 5500)
    Move(out, 700, 300); // beyond the right edge: it is painted over there and waits
    Move(out, 650, -20);
    Move(out, 61, 300); // back: 21 pixels right of the press
    Release(out, 61, 300);
    EXPECT_EQ(Place(Room(a)), "1025,4500 4025,500");
    // The repaint after the release takes in where the room was painted over on the way.
    EXPECT_EQ(out.PreviousRect()[1], 10000);
    EXPECT_EQ(out.PreviousRect()[2], 9500);
    EXPECT_EQ(out.PreviousRect()[0], 500);

    // The first move already outside: the travel counts from there.
    TDRoomobjtool first;
    Press(first, 60, 300);
    Move(first, 700, 300);
    Move(first, 720, 300);
    Move(first, 40, 300);
    Release(first, 40, 300);
    EXPECT_EQ(Place(Room(a)), "-15475,4500 -12475,500");
}

TEST_F(DesignRoomTool, ArrowKeysExpandShrinkAndMoveThePickedRoom) {
    struct Case {
        int mode;
        int key;
        int amount;
        const char* place;
        int width;
        int height;
        const char* labels;
    };
    // The room: 1000..4000 across, 5000 down to 1000, labels "W" and "H" to see which is rewritten.
    const Case cases[] = {
        {TDRoomobjtool::Expand, Up, 300, "1000,5300 4000,1000", 3000, 4300, "W 4300"},
        {TDRoomobjtool::Expand, Left, 300, "700,5000 4000,1000", 3300, 4000, "3300 H"},
        {TDRoomobjtool::Expand, Right, 300, "1000,5000 4300,1000", 3300, 4000, "3300 H"},
        {TDRoomobjtool::Expand, Down, 300, "1000,5000 4000,700", 3000, 4300, "W 4300"},
        {TDRoomobjtool::Shrink, Left, 300, "1300,5000 4000,1000", 2700, 4000, "2700 H"},
        {TDRoomobjtool::Shrink, Up, 300, "1000,4700 4000,1000", 3000, 3700, "W 3700"},
        {TDRoomobjtool::Shrink, Right, 2999, "1000,5000 1001,1000", 1, 4000, "1 H"},
        {TDRoomobjtool::Shrink, Down, 300, "1000,5000 4000,1300", 3000, 3700, "W 3700"},
        // A shrink to nothing or less leaves the room as it was.
        {TDRoomobjtool::Shrink, Right, 3000, "1000,5000 4000,1000", 3000, 4000, "W H"},
        {TDRoomobjtool::Shrink, Down, 32766, "1000,5000 4000,1000", 3000, 4000, "W H"},
        {TDRoomobjtool::Adjusting, Left, 500, "500,5000 3500,1000", 3000, 4000, "W H"},
        {TDRoomobjtool::Adjusting, Down, 500, "1000,4500 4000,500", 3000, 4000, "W H"},
        // After the step, or with Enter, nothing changes.
        {TDRoomobjtool::PlaceNew, Left, 500, "1000,5000 4000,1000", 3000, 4000, "W H"},
        {TDRoomobjtool::Expand, 13, 500, "1000,5000 4000,1000", 3000, 4000, "W H"},
    };
    for (const Case& c : cases) {
        DrawingList.Flush();
        const int index = AddRoom(1000, 5000, 3000, 4000);
        SetObjectString(Room(index).label1, Room(index).label1Length, "W");
        SetObjectString(Room(index).label2, Room(index).label2Length, "H");
        TDRoomobjtool tool;
        tool.State = c.mode == TDRoomobjtool::Adjusting ? TDRoomobjtool::Move : c.mode;
        Press(tool, 100, 220);
        ASSERT_EQ(tool.PickedRoomIndex, index);
        if (c.mode == TDRoomobjtool::PlaceNew) tool.State = TDRoomobjtool::PlaceNew;
        Key(tool, c.key, 0, 0, c.amount);
        const TRoomobj& room = Room(index);
        const std::string labels = std::string(room.label1) + " " + room.label2;
        EXPECT_EQ(Place(room), c.place) << c.mode << " " << c.key << " " << c.amount;
        EXPECT_EQ(room.width, c.width) << c.mode << " " << c.key;
        EXPECT_EQ(room.length, c.height) << c.mode << " " << c.key;
        EXPECT_EQ(labels, c.labels) << c.mode << " " << c.key;
        EXPECT_EQ(room.label1Length + room.label2Length + 1, static_cast<int>(labels.size()));
        // The current rectangle follows the room, for the repaint.
        EXPECT_EQ(tool.X2, room.x2);
        EXPECT_EQ(tool.Y2, room.y2);
    }
}

TEST_F(DesignRoomTool, FinetuneMovesOneUnitPerArrowKey) {
    const int a = AddRoom(1000, 5000, 3000, 4000);
    TDRoomobjtool tool;
    tool.State = TDRoomobjtool::Move;
    RightPress(tool, 100, 220);
    EXPECT_EQ(tool.State, TDRoomobjtool::KeyDrag);
    EXPECT_EQ(tool.KeyboardFlag(), 1);
    surface.Clear();
    ViewKeyDrag(tool, Right);
    EXPECT_EQ(Place(Room(a)), "1025,5000 4025,1000");
    // The room was painted over where it stood, and its outline is on the screen at its new place.
    EXPECT_EQ(surface.CallsNamed("Rectangle").size(), 1u);
    EXPECT_EQ(XorLines() % 8, 4);
    ViewKeyDrag(tool, Up);
    ViewKeyDrag(tool, Up);
    EXPECT_EQ(Place(Room(a)), "1025,5050 4025,1050");
    // One inch in feet and inches.
    Shared.Units = 0;
    ViewKeyDrag(tool, Left);
    EXPECT_EQ(Place(Room(a)), "1001,5050 4001,1050");
    // Right pressed on no room: the keys have nothing to move.
    TDRoomobjtool empty;
    empty.State = TDRoomobjtool::Move;
    RightPress(empty, 500, 50);
    EXPECT_EQ(empty.State, TDRoomobjtool::KeyDrag);
    ViewKeyDrag(empty, Left);
    EXPECT_EQ(Place(Room(a)), "1001,5050 4001,1050");
}

TEST_F(DesignRoomTool, APickMadeStaleByAnEditChangesNothing) {
    auto line = std::make_unique<TLineobj>();
    line->view = 40;
    DrawingList.Add(std::move(line));
    AddRoom(0, 4000, 1000, 1000);
    const int picked = AddRoom(1000, 5000, 3000, 4000);
    TDRoomobjtool tool;
    tool.State = TDRoomobjtool::Expand;
    Press(tool, 100, 220);
    ASSERT_EQ(tool.PickedRoomIndex, picked);
    // An undo took the line away: the index now lies past the end.
    DrawingList.RemoveAt(0);
    Key(tool, Up, 0, 0, 300);
    EXPECT_EQ(Place(Room(picked - 1)), "1000,5000 4000,1000");
    // Another room of another floor now stands at the index.
    AddRoom(0, 9000, 500, 500, 50);
    Key(tool, Up, 0, 0, 300);
    RotateDesignRoom(tool);
    DeleteDesignRoom(tool);
    EXPECT_EQ(DrawingList.count, 3);
    EXPECT_EQ(Place(Room(2)), "0,9000 500,8500");
    EXPECT_EQ(Place(Room(1)), "1000,5000 4000,1000");
}

TEST_F(DesignRoomTool, RotationTurnsTheRoomAboutItsCentre) {
    // Odd sizes: the halvings truncate, so the turned outline spans one unit less. The repaint covers
    // the old outline and the new one.
    const int odd = AddRoom(0, 3001, 2001, 3001);
    TDRoomobjtool turn;
    turn.State = TDRoomobjtool::Rotate;
    Press(turn, 20, 300);
    EXPECT_EQ(Place(Room(odd)), "-500,2501 2500,501");
    EXPECT_EQ(Room(odd).width, 3001);
    EXPECT_EQ(Room(odd).length, 2001);
    EXPECT_EQ(turn.PreviousRect()[2], 3001);
    EXPECT_EQ(turn.Y1, 2501);

    // Feet and inches: 8' 6 1/2'' is 2460 units; a size that is no whole eighth shows the eighth below.
    Shared.Units = 0;
    Shared.Scale = 6;
    DrawingList.Flush();
    const int imperial = AddRoom(0, 6000, 2460, 2461);
    TDRoomobjtool feet;
    feet.State = TDRoomobjtool::Rotate;
    feet.PickedRoomIndex = imperial;
    RotateDesignRoom(feet);
    EXPECT_STREQ(Room(imperial).label1, "8' 6 1/2''");
    EXPECT_STREQ(Room(imperial).label2, "8' 6 1/2''");
    EXPECT_EQ(Room(imperial).label1Length, 10);
}

} // namespace
