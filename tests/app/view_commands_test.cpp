// The floor, view and overlay commands where a script cannot look: the services of later work they
// call (recorded, in order), the tools they leave, the datum of the corner marks, and when the drawing
// in hand is saved.
#include "app/design_room_commands.h"
#include "app/tool_of_kind.h"
#include "app/view_commands.h"

#include "command_test_support.h"
#include "rooms/design_room_tool.h"
#include "tools/line_tool.h"
#include "tools/move_tool.h"
#include "walls/extwall_tool.h"

namespace {

using ViewCommands = CommandTest;

TEST_F(ViewCommands, ASecondFloorLikeTheFirstIsCopiedDimensionedAndTitled) {
    NewDrawing();
    AddOutline(50);
    AddTitle(50);
    AddOutline(51);
    AddTitle(51);
    Save();
    UseRecorders();
    // The external-wall tool records its actions; the walls it would copy are put on the new floor.
    Client().toolMaker = [this](int kind) -> std::unique_ptr<TDrawingtool> {
        if (kind != 1000) return ToolOfKind(kind);
        auto tool = std::make_unique<input_test::RecordingTool>(log, noView, kind);
        tool->after = [](input_test::RecordingTool&, const std::string& operation) {
            if (operation != "Action") return;
            DrawingList.Flush();
            DrawingList.ReadDrawing();
            AddOutline(52);
            Save();
        };
        return tool;
    };
    walls.planDialog = [this](DrawingView&, int) {
        log.push_back("at the dialog: view " + std::to_string(Shared.CurrentView) + ", display mode " +
                      std::to_string(Shared.DisplayMode) + ", kind " + std::to_string(Client().Tool().Kind));
    };
    editing.floorPlanCompleted = [this] {
        log.push_back("titled " + std::to_string(DrawingList.HasTitleText(52)) + ", tool " +
                      std::to_string(Client().Tool().Kind) + " " + desktop.ToolCaption());
    };
    Shared.DisplayMode = 12;
    desktop.QueueMessageAnswer(platform::IdYes);
    frame->Choose(332);

    EXPECT_EQ(LastMessage(), "Will the outside dimensions be the same as the first floor?|WALL DIMENSIONS");
    EXPECT_EQ(log,
              (input_test::Log{"RunPlanDialog(4)", "at the dialog: view 52, display mode 0, kind 1001",
                               "1000:Action(3)", "CompleteFloorPlan(8)", "titled 0, tool 21 Pick tool"}));
    // The title block came last.
    EXPECT_EQ(DrawingList.HasTitleText(52), 1);
    EXPECT_NE(DrawingFile().find("\n37 52 "), std::string::npos);
    EXPECT_EQ(Shared.CurrentView, 52);
    EXPECT_EQ(View().Window()->Title(), "HOUSE.PL2");
    EXPECT_EQ(Client().Tool().Kind, 21);
    EXPECT_EQ(desktop.ToolCaption(), "Pick Tool");
    EXPECT_EQ(desktop.StatusText(), "Select a function or drawing tool");
    EXPECT_EQ(Shared.HelpContext, 500);
}

TEST_F(ViewCommands, AFirstFloorOfItsOwnOutlineIsDrawnOverTheGroundFloor) {
    NewDrawing();
    AddOutline(50);
    AddTitle(50);
    Save();
    UseRecorders();
    walls.planDialog = [this](DrawingView& view, int) { log.push_back("in " + view.Window()->Title()); };
    desktop.QueueMessageAnswer(platform::IdNo);
    frame->Choose(331);
    EXPECT_EQ(LastMessage(), "Will the outside dimensions be the same as the ground floor?|WALL DIMENSIONS");
    EXPECT_EQ(log, (input_test::Log{"RunPlanDialog(4)", "in HOUSE.PL1"}));
    auto* tool = dynamic_cast<TExtwallobjtool*>(&Client().Tool());
    ASSERT_NE(tool, nullptr);
    EXPECT_EQ(tool->Kind, 1000);
    EXPECT_EQ(tool->KeyMode(), 0);
    EXPECT_EQ(Cfg("OVERLAY.CFG"), "0 1 1 0 0");
    EXPECT_EQ(Shared.DisplayMode, 4);
    EXPECT_EQ(Shared.CurrentView, 51);
}

TEST_F(ViewCommands, FloorChangesSaveOnlyADrawingInHand) {
    NewDrawing();
    AddTitle(50);
    Save();
    const std::string saved = DrawingFile();
    // A move not locked with Enter is dropped with the move tool.
    Client().InstallTool(std::make_unique<TMoveobjtool>());
    AddTitle(51);
    frame->Choose(330);
    EXPECT_EQ(DrawingFile(), saved);
    frame->RunPendingPaints();
    EXPECT_EQ(DrawingList.HasTitleText(51), 0);

    // A list not read back is no drawing to save: it would empty the file.
    DrawingList.Flush();
    frame->Choose(331);
    EXPECT_EQ(DrawingFile(), saved);
    EXPECT_EQ(LastMessage(), "You should draw the ground floor, then the first floor|FLOOR PLANS");
    DrawingList.Flush();
    frame->Choose(330);
    EXPECT_EQ(DrawingFile(), saved);
    EXPECT_EQ(Shared.CurrentView, 50);
}

TEST_F(ViewCommands, RoomLayoutOpensWithTheDesignRoomTool) {
    NewDrawing();
    AddDesignRoom(40, 10000, 20000, 14000, 16000);
    Save();
    WriteCfg("CLR.CFG", "65535 16711680 12632256"); // background, drawing and overlay colours
    frame->Choose(344);
    EXPECT_EQ(Shared.HelpContext, 260);
    EXPECT_EQ(Shared.CurrentView, 40);
    EXPECT_EQ(Shared.LayoutGridOn, 1);
    auto* tool = dynamic_cast<TDRoomobjtool*>(&Client().Tool());
    ASSERT_NE(tool, nullptr);
    EXPECT_EQ(tool->Kind, 29000);
    EXPECT_EQ(tool->Colour, 16711680u);
    EXPECT_EQ(tool->RoomColour, 65535u);
}

TEST_F(ViewCommands, MarkingTheCornersStartsFromTheRoomsBounds) {
    NewLayout();
    AddDesignRoom(40, 10000, 20000, 14000, 16000);
    AddDesignRoom(40, 14000, 20000, 20000, 12000);
    Save();
    UseRecorders();
    rooms.planBounds = [](TList&) {
        test_support::WriteFile(DrawingList.ProgramDir + "CFG/BOUNDS.CFG", "10000 20000 20000 12000\n");
        return 2;
    };
    frame->Choose(413);
    EXPECT_EQ(log, (input_test::Log{"WritePlanBounds", "RunPlanDialog(4)"}));
    const TDrawingtool& tool = Client().Tool();
    EXPECT_NE(dynamic_cast<const TLineobjtool*>(&tool), nullptr);
    EXPECT_EQ(tool.Kind, 11);
    EXPECT_EQ(tool.Dragging, 1);
    EXPECT_EQ(tool.CrossMode, 3);
    EXPECT_EQ(tool.CrossShown, 1);
    EXPECT_EQ(tool.Pending, 0);
    EXPECT_EQ(View().DatumX, 10000);
    EXPECT_EQ(View().DatumY, 20000);
    EXPECT_EQ(View().DatumState, 4);
    EXPECT_EQ(Shared.CurrentView, 45);

    // Again from the marking view, with no rooms reported: the datum stays where it was.
    View().DatumX = 123;
    View().DatumY = 456;
    View().DatumState = 1;
    rooms.planBounds = [](TList&) { return 0; };
    frame->Choose(413);
    EXPECT_EQ(View().DatumX, 123);
    EXPECT_EQ(View().DatumY, 456);
    EXPECT_EQ(View().DatumState, 1);
    EXPECT_EQ(Shared.CurrentView, 45);
    EXPECT_EQ(Client().Tool().Kind, 11);
}

TEST_F(ViewCommands, CornerMarksOfAFeetAndInchesDrawingStartAt24Pixels) {
    test_support::WriteFile(folder.Path() / "CFG/DWGSIZEI.CFG", "8000 6000");
    NewLayout(0);
    AddDesignRoom(40, 10000, 20000, 14000, 16000);
    Save();
    frame->Choose(413);
    const platform::Point cursor = frame->ActiveScriptedView()->ScreenToClient(desktop.GetCursorPos());
    EXPECT_EQ(cursor.x, 24);
    EXPECT_EQ(cursor.y, 24);
}

TEST_F(ViewCommands, CommandsForAnotherViewAreRefused) {
    NewLayout();
    UseRecorders();
    CmFloorArea(Client());
    EXPECT_EQ(LastMessage(), "You must be in a PLAN VIEW to use this function|AREA");
    DimensionNewFloor(Client());
    EXPECT_EQ(LastMessage(), "click View/Plan of floor first|AUTO DIMENSIONS");
    EXPECT_TRUE(log.empty());

    NewDrawing();
    frame->Choose(413);
    EXPECT_EQ(LastMessage(), "You must be in a LAYOUT VIEW to use this function, to mark the external wall "
                             "corners|EXTERNAL WALLS");
    const std::size_t messages = desktop.Messages().size();
    CmFloorArea(Client());
    CmDisplayMode(Client());
    EXPECT_EQ(Shared.HelpContext, 210);
    EXPECT_EQ(log, (input_test::Log{"FloorAreaDialog", "RunPlanDialog(11)"}));
    EXPECT_EQ(desktop.Messages().size(), messages);
}

} // namespace
