// Window & Extnl Doors as the user meets it: the command's guard, the tool it installs before the plan
// dialogs run, and the view's Enter, which lets the real tool place or refuse one opening and then
// returns to the pick tool. The plan dialogs are recorded; where a test needs them to set the tool up,
// they call its Step as they do once the window dialog is answered.
#include "command_test_support.h"
#include "partitions/window_tool.h"
#include "tools/view_support.h"

namespace {

class WindowCommand : public CommandTest {
  protected:
    // A metric floor plan whose top wall (towards +x, 300 thick) runs through the client pixel (300,
    // 200), and the window dialog answered as WIND.CFG says.
    void SetUp() override {
        CommandTest::SetUp();
        NewDrawing();
        const platform::Point at = ClientToLogical(View(), {300, 200});
        x = at.x * Shared.Scale;
        y = at.y * Shared.Scale;
        auto wall = std::make_unique<TExtwallobj>();
        wall->view = 50;
        wall->aux = 3;
        wall->x1 = x - 5000, wall->y1 = y, wall->x2 = x + 5000, wall->y2 = y;
        wall->ewall1 = 110, wall->ewall2 = 55, wall->ewall3 = 110;
        wall->ewall6 = 900;
        DrawingList.Add(std::move(wall));
        Save();
        WriteCfg("WIND.CFG", "1 1000 1200 0 0 7 0 0");
        UseRecorders();
        walls.planDialog = [this](DrawingView& view, int) {
            log.push_back("at the dialog: " + desktop.ToolCaption() + " " +
                          std::to_string(Client().Tool().Kind) + " " + std::to_string(Shared.HelpContext));
            CallingTool(view).Step(0, 0, 0);
        };
    }
    void Input(platform::InputKind kind, platform::Point point, int key = 0) {
        desktop.SetCursorPos(View().Window()->ClientToScreen(point));
        View().OnInput({kind, point, key, 0});
    }
    void EnterAt(platform::Point point) {
        Input(platform::InputKind::MouseMove, point);
        Input(platform::InputKind::KeyDown, point, 13);
    }
    std::vector<std::string> Boxes() const {
        std::vector<std::string> boxes;
        for (const platform::ShownMessage& m : desktop.Messages())
            boxes.push_back(m.text + "|" + m.caption);
        return boxes;
    }

    int x = 0;
    int y = 0;
};

TEST_F(WindowCommand, OutsideAFloorPlanTheUserIsAskedToChooseOne) {
    NewLayout();
    ASSERT_EQ(Shared.CurrentView, 40);
    log.clear();
    const std::size_t shown = desktop.Messages().size();
    // The layout's own tool (the design-room tool of a new layout) stays in place.
    const TDrawingtool* before = &Client().Tool();
    const int kind = before->Kind;
    frame->Choose(373);
    ASSERT_EQ(desktop.Messages().size(), shown + 1);
    EXPECT_EQ(LastMessage(), "Select VIEW then the correct floor PLAN first|");
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(&Client().Tool(), before);
    EXPECT_EQ(Client().Tool().Kind, kind);
}

TEST_F(WindowCommand, TheToolIsInPlaceWithItsCaptionWhenTheDialogsRun) {
    frame->Choose(373);
    EXPECT_EQ(log, (input_test::Log{"RunPlanDialog(6)", "at the dialog: Window 2000 280"}));
    auto* window = dynamic_cast<TWindowobjtool*>(&Client().Tool());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->OpeningWidth, 1000);
    EXPECT_EQ(window->DragActive(), 1);
}

TEST_F(WindowCommand, EnterPlacesOneWindowAndThePickToolFollows) {
    frame->Choose(373);
    const std::string before = DrawingFile();
    EnterAt({300, 202});
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Client().Tool().Kind, 21);
    // The opening and its glazing came after the wall, snapped onto its line.
    ASSERT_EQ(DrawingList.count, 4 + 1 + 2);
    const auto& polygon = dynamic_cast<const TPolyobj&>(*DrawingList[5]);
    EXPECT_EQ(polygon.x[0], x + 500);
    EXPECT_EQ(polygon.y[0], y);
    EXPECT_EQ(polygon.y[2], y - 275);
    EXPECT_EQ(polygon.aux, 3);
    EXPECT_EQ(DrawingList[6]->y1, y - 137);
    EXPECT_NE(DrawingFile(), before);
    EXPECT_NE(DrawingFile().find("\n11\n11 50 3 "), std::string::npos);
}

TEST_F(WindowCommand, ARefusedWindowIsToldTwiceAndChangesNothing) {
    frame->Choose(373);
    const std::string before = DrawingFile();
    EnterAt({300, 100});
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"No wall marked|Marking Error - Please Retry",
                                                 "Incorrect door for that positionl|WRONG DOOR POSITION"}));
    EXPECT_EQ(DrawingFile(), before);
    EXPECT_EQ(Client().Tool().Kind, 21);
}

TEST_F(WindowCommand, AToolRebuiltWithoutItsSettingsPlacesNothing) {
    frame->Choose(373);
    // A zoom rebuilds the tool from its kind, without the dialogs' settings.
    Client().RestoreTool(2000);
    const std::string before = DrawingFile();
    EnterAt({300, 200});
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"Incorrect door for that positionl|WRONG DOOR POSITION"}));
    EXPECT_EQ(DrawingFile(), before);
    EXPECT_EQ(DrawingList.count, 5);
}

} // namespace
