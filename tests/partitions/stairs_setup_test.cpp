// The set-up of the Stairs Internal and Draw Multilines commands on an open drawing: what the stairs
// dialog's answers become, the repaints the set-up asks for, the refusals, and the multiline count.
#include "partitions/stairs_setup.h"
#include "partitions/stairs_tool.h"
#include "program_fixture.h"
#include "view/child.h"

namespace {

using platform::DialogAnswer;
using Fill = DialogAnswer::Fill;

// A stairs tool handed a riser and tread of its own, as no defaults file can give them.
class StairsWithSteps : public TStepobjtool {
  public:
    StairsWithSteps(int riser, int tread) : steps_{riser, tread} {}

  protected:
    StairSettings ReadSteps() const override { return steps_; }

  private:
    StairSettings steps_;
};

class StairsSetup : public ProgramTest {
  protected:
    // A new drawing in the units asked for, with a line on the first floor.
    void NewTwoFloorDrawing(bool metric = true) {
        DialogAnswer answer;
        answer.resourceId = 2024;
        answer.fills = {{2027, Fill::Kind::Text, "HOUSE", 0},
                        {metric ? 2026 : 2025, Fill::Kind::Check, "", 0},
                        {2209, Fill::Kind::Check, "", 0}};
        desktop.QueueDialog(answer);
        frame->Choose(230);
        auto line = std::make_unique<TLineobj>();
        line->view = 51;
        line->x1 = 1000, line->y1 = 1000, line->x2 = 2000, line->y2 = 1000;
        DrawingList.Add(std::move(line));
        DrawingList.WriteDrawing();
        frame->RunPendingPaints();
    }
    void QueueDialog(int resource, std::vector<Fill> fills, bool ok = true) {
        DialogAnswer answer;
        answer.resourceId = resource;
        answer.fills = std::move(fills);
        answer.button = ok ? DialogAnswer::Button::Ok : DialogAnswer::Button::Cancel;
        desktop.QueueDialog(answer);
    }
    static Fill Text(int id, const char* text) { return {id, Fill::Kind::Text, text, 0}; }
    static Fill Tick(int id) { return {id, Fill::Kind::Check, "", 0}; }
    TDrawingtool& Tool() { return *Client().CurrentTool; }
    TStepobjtool& Stairs() {
        auto* stairs = dynamic_cast<TStepobjtool*>(&Tool());
        EXPECT_NE(stairs, nullptr);
        return *stairs;
    }
    platform::ScriptedView& Window() {
        return *static_cast<platform::ScriptedView*>(Client().ActiveView()->Window());
    }
};

TEST_F(StairsSetup, MetricStairsAreSizedAndRepaintedWithoutErasing) {
    NewTwoFloorDrawing();
    QueueDialog(2550, {Tick(2553), Tick(2554), Text(2551, "1000"), Text(2559, "0"), Text(2560, "2550")});
    frame->Choose(382);
    TStepobjtool& stairs = Stairs();
    EXPECT_EQ(stairs.StairWidth, 1000);
    EXPECT_EQ(stairs.StoreyHeight(), 2550);
    EXPECT_EQ(stairs.StairStyle(), 2);
    EXPECT_EQ(stairs.TopTreadSide(), 1);
    EXPECT_EQ(stairs.TreadCount, 13); // the shipped riser 175: 14 risers
    EXPECT_EQ(stairs.RunLength, 13 * 250);
    EXPECT_EQ(stairs.DragActive(), 1);
    // The outline is drawn over what the view shows.
    EXPECT_TRUE(Window().HasPendingPaint());
    EXPECT_FALSE(Window().PendingErase());
}

TEST_F(StairsSetup, TheViewPlacesTheStairsOnEnterOnly) {
    NewTwoFloorDrawing();
    QueueDialog(2550, {Tick(2553), Tick(2554)});
    frame->Choose(382);
    frame->RunPendingPaints();
    TChild& view = *Client().ActiveView();
    const int objects = DrawingList.count;
    view.EvMouseMove({200, 100});
    const platform::Point first{Stairs().X1, Stairs().Y1};

    // A click reaches no stairs operation: the outline goes on following the mouse.
    view.EvLButtonDown({200, 100});
    view.EvLButtonUp({200, 100});
    view.EvMouseMove({300, 150});
    EXPECT_EQ(Stairs().DragActive(), 1);
    EXPECT_NE((platform::Point{Stairs().X1, Stairs().Y1}), first);
    EXPECT_EQ(DrawingList.count, objects);

    desktop.SetCursorPos(view.Window()->ClientToScreen({300, 150}));
    view.EvKeyDown(13);
    EXPECT_EQ(Stairs().Started(), 1);
    EXPECT_EQ(Stairs().DragActive(), 0);
    EXPECT_EQ(Shared.CurrentView, 51);
    EXPECT_EQ(Window().Title(), "HOUSE.PL1");
    EXPECT_TRUE(Window().PendingErase());
    EXPECT_EQ(Window().PendingArea(), (platform::Rect{0, 0, 600, 400}));
    const int placed = DrawingList.count;
    EXPECT_GT(placed, objects);

    // The Enter after it no longer reaches the stairs.
    view.EvKeyDown(13);
    EXPECT_EQ(DrawingList.count, placed);
    EXPECT_EQ(Shared.CurrentView, 51);
}

TEST_F(StairsSetup, FeetAndInchesBecomeDrawingUnits) {
    NewTwoFloorDrawing(false);
    // 36 inches wide, a storey of 8' 0'' and a stairwell of 7' 0'': inches of 0 add nothing.
    QueueDialog(3080, {Tick(3085), Tick(3086), Text(3081, "36"), Text(3082, "7"), Text(3083, "0"),
                       Text(3091, "8"), Text(3092, "0")});
    frame->Choose(382);
    EXPECT_EQ(Stairs().StairWidth, 864);
    EXPECT_EQ(Stairs().StoreyHeight(), 2304);
    EXPECT_EQ(Stairs().StairwellLength(), 2016);
    EXPECT_EQ(Stairs().TreadCount, 12); // the shipped riser of 7 inches (168): 13 risers
    EXPECT_EQ(Stairs().RunLength, 12 * 264);

    QueueDialog(3080, {Text(3091, "8"), Text(3092, "6")});
    frame->Choose(382);
    EXPECT_EQ(Stairs().StoreyHeight(), 2448);
    EXPECT_EQ(Stairs().StairStyle(), 1); // the dialog's first choices: halfway landing, top tread left
    EXPECT_EQ(Stairs().TopTreadSide(), 4);
}

TEST_F(StairsSetup, CancelRepaintsWithErasingAndLeavesThePickTool) {
    NewTwoFloorDrawing();
    QueueDialog(2550, {}, false);
    frame->Choose(382);
    EXPECT_EQ(Tool().Kind, 21);
    EXPECT_EQ(desktop.ToolCaption(), "Pick Tool");
    EXPECT_TRUE(Window().HasPendingPaint());
    EXPECT_TRUE(Window().PendingErase());
    EXPECT_EQ(Window().PendingArea(), (platform::Rect{0, 0, 600, 400}));
}

TEST_F(StairsSetup, RiserOrTreadBelowOneRefusesTheStairs) {
    NewTwoFloorDrawing();
    for (auto [riser, tread] : {std::pair{0, 250}, std::pair{170, 0}}) {
        Client().InstallTool(std::make_unique<StairsWithSteps>(riser, tread));
        QueueDialog(2550, {Tick(2553)});
        SetupMultilineOrStairs(*Client().ActiveView(), 10);
        ASSERT_FALSE(desktop.Messages().empty());
        EXPECT_EQ(desktop.Messages().back().text,
                  "Stair riser and tread must be above 0 - check the custom stair details");
        EXPECT_EQ(desktop.Messages().back().caption, "STAIRS");
        EXPECT_EQ(Tool().Kind, 21);
    }
    EXPECT_EQ(desktop.Messages().size(), 2u);
}

TEST_F(StairsSetup, StairsNeedAnOpenView) {
    NewTwoFloorDrawing();
    Client().ActiveView()->Window()->Close();
    Client().ReleaseClosedViews();
    ASSERT_EQ(Client().ActiveView(), nullptr);
    frame->Choose(382);
    ASSERT_EQ(desktop.Messages().size(), 1u);
    EXPECT_EQ(desktop.Messages()[0].text, "Select VIEW then the correct floor PLAN first");
    EXPECT_EQ(desktop.Messages()[0].caption, "");
    EXPECT_EQ(Tool().Kind, 21);
}

TEST_F(StairsSetup, MultilineCountRepaintsAsTheAnswerAsks) {
    NewTwoFloorDrawing();
    desktop.QueueInput("3");
    frame->Choose(272);
    EXPECT_EQ(Tool().Count, 3);
    EXPECT_TRUE(Window().HasPendingPaint());
    EXPECT_FALSE(Window().PendingErase());
    frame->RunPendingPaints();

    // The box's text left as it came reads as no lines at all.
    desktop.QueueInput("Number of Lines");
    frame->Choose(272);
    EXPECT_EQ(Tool().State, 40);
    EXPECT_EQ(Tool().Count, 0);
    frame->RunPendingPaints();

    // More than a hundred: the set-up stops at once, with no repaint.
    desktop.QueueInput("101");
    frame->Choose(272);
    EXPECT_FALSE(Window().HasPendingPaint());

    desktop.QueueInput(std::nullopt);
    frame->Choose(272);
    EXPECT_EQ(Tool().Kind, 21);
    EXPECT_TRUE(Window().PendingErase());
}

} // namespace
