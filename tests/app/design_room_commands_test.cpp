// The design-room commands in the whole program: the tool each installs and its mode, the dialogs of
// New DESIGN Room, FINISH Design Rooms handing over to the internal-wall tool, and what the user sees
// after a drag and a paint of the layout with its grid.
#include "app/command_test_support.h"
#include "model/object_codes.h"
#include "platform/scripted_windows.h"
#include "resources/command_ids.h"
#include "rooms/design_room_tool.h"

#include <deque>

using platform::InputEvent;
using platform::InputKind;
using platform::InputWait;
using platform::Point;

namespace {

class DesignRoomCommands : public CommandTest {
  protected:
    void SetUp() override {
        CommandTest::SetUp();
        frame->inputSource = [this](InputEvent& event) {
            if (pending_.empty()) return InputWait::Closed;
            event = pending_.front();
            pending_.pop_front();
            desktop.SetCursorPos(frame->ActiveScriptedView()->ClientToScreen(event.point));
            return InputWait::Input;
        };
        WriteCfg("MERGEM.CFG", "100\n");
        WriteCfg("LYTGRIDM.CFG", "1000 255\n");
    }
    // A design room of `view` as the new-room step leaves it.
    static void AddRoom(int view, int left, int top, int width, int height) {
        auto room = std::make_unique<TRoomobj>();
        room->view = view;
        room->x1 = left, room->y1 = top, room->x2 = left + width, room->y2 = top - height;
        room->width = width, room->length = height;
        room->fillColour = 0x00E6D8AD;
        SetObjectString(room->name, room->nameLength, "ROOM");
        SetObjectString(room->label1, room->label1Length, std::to_string(width));
        SetObjectString(room->label2, room->label2Length, std::to_string(height));
        DrawingList.Add(std::move(room));
    }
    // A left-button drag through the view's routing: the press, the moves, the release.
    void Drag(Point from, std::initializer_list<Point> moves) {
        Point last = from;
        for (Point at : moves) {
            pending_.push_back({InputKind::MouseMove, at, 0, 0, platform::MouseFlag::Left});
            last = at;
        }
        pending_.push_back({InputKind::LeftUp, last, 0, 0, 0});
        desktop.SetCursorPos(frame->ActiveScriptedView()->ClientToScreen(from));
        View().OnInput({InputKind::LeftDown, from, 0, 0, platform::MouseFlag::Left});
        frame->RunPendingPaints();
    }
    // The view's image once its pending paint ran, and as a paint of the whole view makes it.
    void ExpectImageOfAFreshPaint() {
        frame->RunPendingPaints();
        platform::ScriptedView& window = *frame->ActiveScriptedView();
        const platform::PixelBuffer shown = window.Image();
        window.Invalidate(nullptr, true);
        frame->RunPendingPaints();
        EXPECT_TRUE(shown == window.Image());
    }

    std::deque<InputEvent> pending_;
};

TEST_F(DesignRoomCommands, EachCommandPutsTheDesignRoomToolInItsMode) {
    NewLayout();
    const std::string caption = desktop.ToolCaption();
    struct Case {
        int command;
        int mode;
        const char* prompt;
    };
    const Case cases[] = {
        {command_id::MaxDesignRoomSize, 1000, "click LEFT BUTTON in the area you want the sizes of"},
        {command_id::DeleteRoom, 40, "select DESIGN Room to DELETE with Left Button"},
        {command_id::ExpandRoom, 20,
         "select Room with Left Button then press arrow key in direction of wall to change"},
        {command_id::MoveRoom, 50,
         "click on DESIGN Room to move - LB if input, RB if finetune, press arrow key direction to move"},
        {command_id::RotateRoom, 30, "select the DESIGN Room to ROTATE with Left Button"},
        {command_id::ShrinkRoom, 21,
         "select DESIGN Room with Left Button then press arrow key in direction of wall to change"},
    };
    for (const Case& c : cases) {
        for (int view : {40, 52}) {
            Shared.CurrentView = view;
            Shared.HelpContext = 500;
            ASSERT_TRUE(frame->Choose(c.command));
            auto* tool = dynamic_cast<TDRoomobjtool*>(&Client().Tool());
            ASSERT_NE(tool, nullptr) << c.command;
            EXPECT_EQ(tool->State, c.mode) << c.command;
            EXPECT_EQ(tool->PickedRoomIndex, TDRoomobjtool::NoRoom);
            EXPECT_EQ(tool->RoomColour, Shared.BackgroundColour);
            EXPECT_EQ(desktop.StatusText(), c.prompt) << c.command;
            EXPECT_EQ(Shared.HelpContext, 260);
            EXPECT_EQ(desktop.ToolCaption(), caption);
        }
    }
    EXPECT_TRUE(desktop.Messages().empty());
}

TEST_F(DesignRoomCommands, ToggleLayoutGridGoesOnMarkingTheCorners) {
    NewLayout();
    // The marking starts once the wall type is chosen.
    platform::DialogAnswer wallType;
    wallType.resourceId = 2480;
    wallType.fills = {{2481, platform::DialogAnswer::Fill::Kind::Check, "", 0}};
    desktop.QueueDialog(wallType);
    frame->Choose(command_id::MarkExternalWalls);
    ASSERT_EQ(Shared.CurrentView, 45);
    TDrawingtool& marks = Client().Tool();
    ASSERT_EQ(marks.Kind, 11);
    marks.Dragging = 0, marks.Counter() = 0, marks.WallDirection() = 0;
    desktop.SetCursorPos(frame->ActiveScriptedView()->ClientToScreen({300, 300}));
    frame->Choose(command_id::ToggleLayoutGrid);
    EXPECT_EQ(Shared.LayoutGridOn, 1);
    EXPECT_EQ(Shared.HelpContext, 260);
    EXPECT_EQ(&Client().Tool(), &marks);
    EXPECT_EQ(marks.Dragging, 1);
    EXPECT_EQ(marks.Counter(), 3);
    EXPECT_EQ(marks.WallDirection(), 1);
    EXPECT_EQ(frame->ActiveScriptedView()->ScreenToClient(desktop.GetCursorPos()), (Point{25, 25}));
    frame->Choose(command_id::ToggleLayoutGrid);
    EXPECT_EQ(Shared.LayoutGridOn, 0);
}

TEST_F(DesignRoomCommands, OnlyTheFirstRoomOfAViewAsksThePartition) {
    NewLayout();
    // File/New on the layout starts the first room at once: both dialogs, here cancelled.
    EXPECT_EQ(desktop.DialogsRun(), (std::vector<int>{2024, 21000, 22000}));
    EXPECT_EQ(Shared.LayoutGridOn, 1);
    platform::DialogAnswer room;
    room.resourceId = 22000;
    room.fills = {{22001, platform::DialogAnswer::Fill::Kind::Text, "Kitchen", 0}};
    desktop.QueueDialog(room);
    frame->Choose(command_id::NewDesignRoom);
    EXPECT_EQ(desktop.DialogsRun(), (std::vector<int>{2024, 21000, 22000, 21000, 22000}));
    ASSERT_EQ(DrawingList.FindType(type_code::DesignRoom), 4);
    desktop.QueueDialog(room);
    frame->Choose(command_id::NewDesignRoom);
    EXPECT_EQ(desktop.DialogsRun().size(), 6u);
    EXPECT_EQ(desktop.DialogsRun().back(), 22000);
    EXPECT_EQ(DrawingList.count, 6);
    // On a floor plan the partition is asked again: the floor has no design room yet.
    Shared.CurrentView = 51;
    frame->Choose(command_id::NewDesignRoom);
    EXPECT_EQ(desktop.DialogsRun().size(), 8u);
}

TEST_F(DesignRoomCommands, FinishDesignRoomsHandsTheFloorsRoomsToTheInternalWallTool) {
    NewDrawing();
    Client().toolMaker = [this](int kind) {
        return std::make_unique<input_test::RecordingTool>(log, noView, kind);
    };
    AddRoom(40, 0, 4000, 3000, 4000);
    frame->Choose(command_id::FinishDesignRooms);
    EXPECT_EQ(LastMessage(), "There are no design rooms to lock in and finish drawing|LOCK DESIGN ROOMS IN");
    EXPECT_TRUE(log.empty());
    AddRoom(50, 15000, 12000, 3000, 4000);
    View().DatumState = 3;
    frame->Choose(command_id::FinishDesignRooms);
    EXPECT_EQ(log, (input_test::Log{"1500:Step(0,0,1)"}));
    EXPECT_EQ(Client().Tool().Kind, 1500);
    EXPECT_EQ(Client().Tool().State, 1500);
    EXPECT_EQ(Client().Tool().LineWidth(), 1);
    EXPECT_EQ(View().DatumState, 1);
    EXPECT_EQ(desktop.ReadoutText(), "0");
    EXPECT_EQ(Shared.HelpContext, 260);
}

TEST_F(DesignRoomCommands, AfterADragOnAPlanOnlyTheRoomsAreaIsRepaintedAndNothingIsLeftBehind) {
    NewDrawing();
    // The view shows drawing x 12500..27500 and y 8500..18500: pixel (px, py) is
    // (12500 + 25 px, 8500 + 25 (400 - py)).
    AddRoom(40, 20000, 12000, 1000, 1000);
    AddRoom(50, 15000, 14000, 3000, 4000);
    AddRoom(50, 18500, 14000, 2000, 2000);
    Save();
    View().Invalidate(nullptr, true);
    frame->RunPendingPaints();
    // Picked at (16000, 12500) and dropped 25 left of the other room, with the partition at 100: it
    // snaps to 100 from it. Only the area round its old and new place is repainted.
    Drag({140, 240}, {{141, 240}, {300, 100}, {160, 240}});
    EXPECT_EQ(DrawingList[5]->x1, 15400);
    EXPECT_EQ(DrawingList[5]->y1, 14000);
    ExpectImageOfAFreshPaint();
    // Moved far, out of the view (which scrolls after the pointer) and back: where the room was painted
    // over on the way is repainted too.
    Drag({140, 240}, {{141, 240}, {400, 100}, {650, 50}, {-20, 450}, {100, 200}});
    ExpectImageOfAFreshPaint();
}

TEST_F(DesignRoomCommands, TheLayoutGridIsPaintedButNeverSaved) {
    NewLayout();
    AddRoom(40, 15000, 13000, 3000, 4000);
    AddRoom(40, 18100, 13000, 3100, 4000);
    Save();
    const std::string saved = DrawingFile();
    ASSERT_EQ(Shared.LayoutGridOn, 1);
    View().Invalidate(nullptr, true);
    frame->RunPendingPaints();
    EXPECT_EQ(DrawingFile(), saved);
    EXPECT_EQ(DrawingList.count, 6);
    // Four frame lines and 7 + 5 dotted ones in the grid's colour.
    int dotted = 0;
    const std::string paint = frame->ActiveScriptedView()->LastPaint();
    for (std::size_t at = paint.find("LineTo"); at != std::string::npos; at = paint.find("LineTo", at + 1)) {
        const std::string line = paint.substr(at, paint.find('\n', at) - at);
        if (line.find("pen 0000FF") != std::string::npos && line.find(" dot ") != std::string::npos) ++dotted;
    }
    EXPECT_EQ(dotted, 12);
    // A drag ends with the whole layout repainted: the same image as a fresh paint.
    Drag({150, 290}, {{151, 290}, {170, 260}});
    EXPECT_EQ(DrawingList[4]->x1, 15500);
    ExpectImageOfAFreshPaint();
    // So does a room expanded by a typed amount: the grid's frame follows the rooms' box.
    frame->Choose(command_id::ExpandRoom);
    Drag({170, 260}, {});
    desktop.QueueInput("1000");
    View().OnInput({InputKind::KeyDown, {}, 38, 0, 0});
    View().OnInput({InputKind::KeyUp, {}, 38, 0, 0});
    EXPECT_EQ(DrawingList[4]->y1, 14750);
    EXPECT_EQ(frame->ActiveScriptedView()->PendingArea(), (platform::Rect{0, 0, 600, 400}));
    ExpectImageOfAFreshPaint();
}

} // namespace
