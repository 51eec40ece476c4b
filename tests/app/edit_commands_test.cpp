// The Edit commands as the user gives them: what each installs, shows and needs, and the move and copy
// tools rebuilt from their kinds as their commands install them.
#include "program_fixture.h"

#include "app/client.h"
#include "tools/drawing_tool.h"
#include "view/child.h"

namespace {

class EditCommands : public ProgramTest {};

constexpr const char* MovePrompt = "DRAG LB completely over item - click LB on a ref.pt, then use LB(MOVE) "
                                   "or RB(ROTATE) press ENTER to lock";

TEST_F(EditCommands, EachInstallsItsToolWithItsCaptionAndPrompt) {
    // With no drawing open nothing happens.
    const int startKind = Client().Tool().Kind;
    for (int command : {310, 311, 312, 313, 317, 430})
        frame->Choose(command);
    EXPECT_EQ(Client().Tool().Kind, startKind);
    EXPECT_TRUE(desktop.Messages().empty());

    NewDrawing();
    TChild* view = Client().ActiveView();
    ASSERT_NE(view, nullptr);
    const std::string caption = desktop.ToolCaption();
    frame->Choose(310);
    EXPECT_NE(dynamic_cast<TCopyobjtool*>(&Client().Tool()), nullptr);
    EXPECT_EQ(desktop.ToolCaption(), caption);
    EXPECT_EQ(desktop.StatusText(),
              "press LEFT Button and DRAG over objects to COPY - use PASTE to insert the copy");
    EXPECT_EQ(Shared.HelpContext, 230);

    view->DatumState = 1;
    frame->Choose(312);
    EXPECT_NE(dynamic_cast<TMoveobjtool*>(&Client().Tool()), nullptr);
    EXPECT_EQ(Client().Tool().Kind, 14);
    EXPECT_EQ(Client().Tool().Dragging, 50); // the view it works on
    EXPECT_EQ(view->DatumState, 3);
    EXPECT_EQ(desktop.ToolCaption(), "Move");
    EXPECT_EQ(desktop.StatusText(), MovePrompt);

    view->DatumState = 1;
    frame->Choose(313);
    EXPECT_NE(dynamic_cast<TEraseobjtool*>(&Client().Tool()), nullptr);
    EXPECT_EQ(view->DatumState, 3);
    EXPECT_EQ(desktop.ToolCaption(), "Delete");

    frame->Choose(317);
    EXPECT_NE(dynamic_cast<TTextobjtool*>(&Client().Tool()), nullptr);
    EXPECT_EQ(Client().Tool().Kind, 25);
    EXPECT_EQ(desktop.ToolCaption(), "Change text");
    EXPECT_EQ(desktop.StatusText(), "click LB on the centre of the number or text to replace");

    frame->Choose(430);
    EXPECT_EQ(Client().Tool().Kind, 21);
    EXPECT_EQ(Shared.HelpContext, 500); // the pick tool's, installed on the way
}

TEST_F(EditCommands, RefusalsWithoutAViewOrObjects) {
    NewDrawing();
    frame->Choose(270);
    frame->ActiveView()->Close();
    ASSERT_EQ(Client().ActiveView(), nullptr);
    // Move shows its caption and prompt but keeps the tool in use; so does Erase.
    frame->Choose(312);
    EXPECT_EQ(desktop.ToolCaption(), "Move");
    EXPECT_EQ(desktop.StatusText(), MovePrompt);
    EXPECT_EQ(Client().Tool().Kind, 1);
    frame->Choose(313);
    EXPECT_EQ(desktop.ToolCaption(), "Delete");
    EXPECT_EQ(Client().Tool().Kind, 1);
    // Paste installs a move tool and pastes nothing.
    frame->Choose(311);
    EXPECT_EQ(Client().Tool().Kind, 14);

    // Erase on an empty drawing does nothing at all, not even the prompt.
    NewDrawing("EMPTY");
    DrawingList.Flush();
    frame->Choose(270);
    desktop.SetStatusText("before");
    frame->Choose(313);
    EXPECT_EQ(desktop.StatusText(), "before");
    EXPECT_EQ(Client().Tool().Kind, 1);
}

TEST_F(EditCommands, PasteLeavesTheMoveToolWaitingForTheReferencePoint) {
    NewDrawing();
    test_support::WriteFile(folder.Path() / "LIBS" / "PASTE.CFG",
                            "1 0 0 0 1 2\n7\n7 50 0 0 -1000 0 1000 0 -1000 2000 0 1 0\n");
    frame->Choose(311);
    TDrawingtool& tool = Client().Tool();
    ASSERT_NE(dynamic_cast<TMoveobjtool*>(&tool), nullptr);
    EXPECT_EQ(tool.Kind, 14);
    EXPECT_EQ(tool.State, TMoveobjtool::PlaceSelection);
    EXPECT_EQ(tool.Dragging, 50);
    EXPECT_EQ(static_cast<TMoveobjtool&>(tool).SelectionCount, 1);
    EXPECT_EQ(static_cast<TMoveobjtool&>(tool).FillMode(), 0); // a pasted polygon blanks as an outline
    EXPECT_EQ(DrawingList.count, 5);
}

TEST_F(EditCommands, MoveAndCopyComeBackFromTheirKindsAsTheirCommandsInstallThem) {
    NewDrawing();
    Client().RestoreTool(14);
    EXPECT_NE(dynamic_cast<TMoveobjtool*>(&Client().Tool()), nullptr);
    EXPECT_EQ(Client().Tool().Dragging, 50);
    EXPECT_EQ(desktop.ToolCaption(), "Move");
    Client().RestoreTool(15);
    EXPECT_NE(dynamic_cast<TCopyobjtool*>(&Client().Tool()), nullptr);
    EXPECT_EQ(desktop.StatusText(),
              "press LEFT Button and DRAG over objects to COPY - use PASTE to insert the copy");
}

} // namespace
