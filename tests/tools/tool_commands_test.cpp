// The tool commands as the user gives them on an open drawing: the tool each installs and its state,
// and the multiline command's questions.
#include "program_fixture.h"
#include "tools/drawing_tool.h"

#include <gtest/gtest.h>

namespace {

class ToolCommands : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        NewDrawing();
    }
    TDrawingtool& Tool() { return program->Client().Tool(); }

    // Every member of the tool but those named, which the caller checks.
    static std::vector<std::string> NonZeroMembers(TDrawingtool& t) {
        const std::pair<const char*, long long> members[] = {
            {"ViewWindow", t.ViewWindow != nullptr},
            {"Colour", t.Colour},
            {"Pending", t.Pending},
            {"CursorX", t.CursorX},
            {"Aux", t.Aux},
            {"State", t.State},
            {"SavedState", t.SavedState},
            {"Dragging", t.Dragging},
            {"Count", t.Count},
            {"Angle", t.Angle},
            {"CursorY", t.CursorY},
            {"CrossMode", t.CrossMode},
            {"Group", t.Group},
            {"Number", t.Number},
            {"CrossShown", t.CrossShown},
            {"X1", t.X1},
            {"Z1", t.Z1},
            {"X2", t.X2},
            {"Z2", t.Z2},
            {"Y1", t.Y1},
            {"Y2", t.Y2},
            {"Extra1", t.Extra1},
            {"Extra2", t.Extra2},
            {"Extra3", t.Extra3},
            {"Extra4", t.Extra4},
        };
        std::vector<std::string> set;
        for (const auto& [name, value] : members)
            if (value != 0) set.push_back(name);
        return set;
    }
};

TEST_F(ToolCommands, LineAfterADashToolKeepsTheDashAndTakesThePenWidth) {
    Tool().LineStyle() = 1;
    Shared.PenWidth = 2;
    frame->Choose(270);
    TDrawingtool& line = Tool();
    ASSERT_NE(dynamic_cast<TLineobjtool*>(&line), nullptr);
    EXPECT_EQ(line.Kind, 1);
    EXPECT_EQ(line.Width, 2);
    EXPECT_EQ(line.Style, 1);
    EXPECT_EQ(line.KeyboardStep, 1); // the first Enter sets a start
    EXPECT_EQ(NonZeroMembers(line), std::vector<std::string>{});
    EXPECT_EQ(desktop.ToolCaption(), "2,LINE dash");
    EXPECT_EQ(desktop.StatusText(),
              "ENTER start of line, then arrow key direction, OR press LeftButton & DRAG");
    EXPECT_EQ(Shared.HelpContext, 240);
}

TEST_F(ToolCommands, MultilinesAskTheNumberOfLines) {
    Shared.PenWidth = 2;
    desktop.QueueInput("3");
    frame->Choose(272);
    TDrawingtool& multiline = Tool();
    ASSERT_NE(dynamic_cast<TLineobjtool*>(&multiline), nullptr);
    EXPECT_EQ(multiline.Kind, 1);
    EXPECT_EQ(multiline.State, 40);
    EXPECT_EQ(multiline.Width, 2);
    EXPECT_EQ(multiline.Count, 3);
    EXPECT_EQ(desktop.ToolCaption(), "2,Multiline");
    EXPECT_EQ(desktop.InputPrompts().back(), "Number of Lines|");
    EXPECT_EQ(desktop.StatusText(), "press Enter then arrow key or movecursor,press Enter on line end, press "
                                    "Enter on final line FIRST endpt");
    EXPECT_EQ(Shared.HelpContext, 240);

    // Centre finding is refused while the multiline waits for its first point.
    frame->Choose(300);
    ASSERT_FALSE(desktop.Messages().empty());
    EXPECT_EQ(desktop.Messages().back().text, "Centre is not available to this function");
    EXPECT_EQ(desktop.Messages().back().caption, "CENTRE");
    EXPECT_EQ(multiline.State, 40);
}

TEST_F(ToolCommands, MultilinesCancelledGiveThePickTool) {
    desktop.QueueInput(std::nullopt);
    frame->Choose(272);
    EXPECT_EQ(Tool().Kind, 21);
    EXPECT_EQ(desktop.ToolCaption(), "Pick Tool");

    // More than a hundred lines: the command stops where it is.
    desktop.QueueInput("101");
    frame->Choose(272);
    EXPECT_EQ(Tool().Kind, 1);
    EXPECT_EQ(Tool().State, 40);
    EXPECT_EQ(Tool().Count, 0);
}

TEST_F(ToolCommands, MultilinesWaitForADrawing) {
    frame->Choose(270);
    Shared.DrawingState = 1;
    frame->Choose(272);
    EXPECT_EQ(Tool().State, 0);
    EXPECT_TRUE(desktop.InputPrompts().empty());
}

} // namespace
