// The external-wall edits and the floor-plan resize as their commands install them, and File/New's
// first tool for a floor plan.
#include "app/wall_commands.h"
#include "program_fixture.h"
#include "walls/extwall_tool.h"

#include <gtest/gtest.h>

namespace {

class WallCommands : public ProgramTest {
  protected:
    TDrawingtool& Tool() { return Client().Tool(); }
};

TEST_F(WallCommands, EachEditInstallsItsToolOnAFloorPlan) {
    NewDrawing();
    struct Expected {
        void (*command)(TClient&);
        bool wallTool;
        int kind, state, help;
        const char* caption;
        const char* prompt;
    };
    const Expected commands[] = {
        {CmLengthenWall, false, 999, 2, 250, "Lengthen",
         "click LB on line of object nearer to end to lengthen"},
        {CmAlterBase, false, 999, 3, 250, "Alter Base",
         "click LB on line of object nearer to end to shorten"},
        {CmChangeWallType, false, 999, 6, 250, "Alter Wall",
         "click Left Button on external wall to change wall type"},
        {CmSplitWall, false, 999, 5, 250, "Alter Walls",
         "press ENTER on external wall  at point to split wall to two"},
        {CmDeleteExternalWall, false, 999, 4, 320, "DELETE Wall",
         "click LB on line of EXTERNAL wall to DELETE"},
        {CmExpandFloorplan, true, 1100, 8, 252, "Enlarge Floor Plan",
         "press ARROW key of direction to expand floor plan"},
        {CmShrinkFloorplan, true, 1100, 9, 252, "Shrink Floor Plan",
         "WARNING press F1 first if unsure -press ARROW key of direction to shrink floor plan"},
    };
    for (const Expected& e : commands) {
        Tool().KeyMode() = 1;
        e.command(Client());
        EXPECT_EQ(dynamic_cast<TExtwallobjtool*>(&Tool()) != nullptr, e.wallTool) << e.caption;
        EXPECT_EQ(Tool().Kind, e.kind) << e.caption;
        EXPECT_EQ(Tool().State, e.state) << e.caption;
        EXPECT_EQ(Tool().KeyMode(), 0) << e.caption;
        EXPECT_EQ(Shared.HelpContext, e.help) << e.caption;
        EXPECT_EQ(desktop.ToolCaption(), e.caption);
        EXPECT_EQ(desktop.StatusText(), e.prompt);
    }
    for (int id : {416, 417, 418, 419, 420, 422, 426})
        EXPECT_TRUE(Client().IsCommandEnabled(id)) << id;
}

TEST_F(WallCommands, OffAFloorPlanTheyChangeNothing) {
    NewDrawing();
    Shared.CurrentView = 40;
    Shared.HelpContext = 260;
    desktop.SetToolCaption("Design Room");
    TDrawingtool* before = &Tool();
    for (auto command : {CmLengthenWall, CmAlterBase, CmChangeWallType, CmSplitWall, CmDeleteExternalWall,
                         CmExpandFloorplan, CmShrinkFloorplan}) {
        command(Client());
        EXPECT_EQ(&Tool(), before);
        EXPECT_EQ(Shared.HelpContext, 260);
        EXPECT_EQ(desktop.ToolCaption(), "Design Room");
    }
    // Nor without an open drawing.
    Shared.CurrentView = 50;
    Shared.DrawingState = 1;
    CmDeleteExternalWall(Client());
    EXPECT_EQ(&Tool(), before);
}

TEST_F(WallCommands, ANewFloorPlanStartsWithTheExternalWallToolOnTheChosenSide) {
    platform::DialogAnswer type;
    type.resourceId = 2480;
    type.fills = {{2481, platform::DialogAnswer::Fill::Kind::Check, "", 0}};
    desktop.QueueDialog(type);
    platform::DialogAnswer side;
    side.resourceId = 4200;
    side.fills = {{4203, platform::DialogAnswer::Fill::Kind::Check, "", 0}};
    desktop.QueueDialog(side);
    Shared.DrawingColour = 0x123456;
    NewDrawing();
    auto* walls = dynamic_cast<TExtwallobjtool*>(&Tool());
    ASSERT_NE(walls, nullptr);
    EXPECT_EQ(walls->Kind, 1000);
    EXPECT_EQ(walls->Aux, 2); // left of the drawn line
    EXPECT_EQ(walls->State, 0);
    EXPECT_EQ(walls->KeyMode(), 0);
    EXPECT_EQ(walls->Colour, 0x123456u);
    EXPECT_EQ(Shared.HelpContext, 250);
    EXPECT_EQ(desktop.DialogsRun(), (std::vector<int>{2024, 2480, 4200}));
}

TEST_F(WallCommands, ANewFloorPlanWhoseWallTypeIsCancelledHasThePickTool) {
    NewDrawing();
    EXPECT_EQ(dynamic_cast<TExtwallobjtool*>(&Tool()), nullptr);
    EXPECT_EQ(Tool().Kind, 21);
    EXPECT_EQ(Shared.HelpContext, 250);
    EXPECT_EQ(desktop.StatusText(),
              "Draw outer line of EXTERNAL walls, press ENTER on start point then use arrow keys for input");
}

} // namespace
