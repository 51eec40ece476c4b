// The text tools: typed text line by line, the limits of a text, Backspace, and placing a ready text.
#include "tool_test_support.h"

using namespace platform;
using tool_test::ToolTest;

namespace {

class TextTool : public ToolTest {
  protected:
    // The text tool as the text set-up leaves it for typing to the right of the cursor.
    TTextobjtool& TypingTool() {
        tool = std::make_unique<TTextobjtool>();
        tool->Kind = 24;
        tool->Aux1() = 2;
        tool->Aux2() = 0;
        return *tool;
    }
    const TTextobj& Text(int index) const { return dynamic_cast<const TTextobj&>(*DrawingList[index]); }
    std::vector<std::string> TextsOut() const {
        std::vector<std::string> texts;
        for (const DrawCall& call : surface.CallsNamed("TextOut"))
            texts.push_back(call.text);
        return texts;
    }

    std::unique_ptr<TTextobjtool> tool;
};

TEST_F(TextTool, TypedLinesBecomeTextObjectsOneUnderTheOther) {
    TTextobjtool& typing = TypingTool();
    Press(typing, 40, 340);
    Type(typing, "A");
    Type(typing, "\r");
    ASSERT_EQ(DrawingList.count, 1);
    EXPECT_GT(typing.Amount(), 0); // the line height the view starts the next line with
    // What the view does after the first Enter: the next line starts one line height lower.
    typing.X1 = Text(0).x1;
    typing.Y1 = Text(0).y1 - typing.Amount();
    Type(typing, "B\r");

    ASSERT_EQ(DrawingList.count, 2);
    EXPECT_EQ(std::string(ObjectString(Text(0).text)), "A");
    EXPECT_EQ(std::string(ObjectString(Text(1).text)), "B");
    EXPECT_EQ(Text(1).x1, 1000);
    EXPECT_EQ(Text(1).y1, 1500 - typing.Amount());
    EXPECT_EQ(typing.Pending, 0);
    EXPECT_EQ(typing.Typed, 0);
    // Type 24, view 50, anchored at (1000, 1500) less the sheet centre; colour, length 1, upright,
    // position code 2, the font name's length, size 10, weight 400, then the font name and the text.
    const std::string records = Records();
    EXPECT_EQ(records.substr(0, records.find("24\n24", 1)),
              "24\n24 50 0 0 -20000 -13350 0 0 0 0 1 0 2 5 10 400 ArialA\n");
}

TEST_F(TextTool, TypingDrawsTheGrowingTextAndTheCaretFollowsIt) {
    TTextobjtool& typing = TypingTool();
    Press(typing, 40, 340);
    Type(typing, "AB");
    EXPECT_EQ(TextsOut(), (std::vector<std::string>{"A", "AB"}));
    const DrawCall drawn = surface.CallsNamed("TextOut").back();
    EXPECT_EQ(drawn.device, (std::vector<Point>{{40, 340}}));
    EXPECT_EQ(drawn.textAlign, TextAlign::Bottom | TextAlign::Left);
    EXPECT_EQ(drawn.font.face, "Arial");
    EXPECT_EQ(drawn.font.height, 50); // size 10 times Scale, logical units
    const auto& caret = static_cast<ScriptedView*>(window)->CaretState();
    EXPECT_TRUE(caret.exists);
    EXPECT_TRUE(caret.shown);
    EXPECT_GT(caret.position.x, 40);
    EXPECT_LT(caret.position.y, 340);
}

TEST_F(TextTool, BackspaceTakesBackTheLastCharacterInTheBackgroundColour) {
    Shared.BackgroundColour = Rgb(0, 0, 64);
    Shared.DrawingColour = Rgb(255, 255, 0);
    TTextobjtool& typing = TypingTool();
    Press(typing, 40, 340);
    // Nothing typed yet: nothing to take back.
    Type(typing, "\b");
    EXPECT_TRUE(surface.CallsNamed("TextOut").empty());
    Type(typing, "AB\b");
    const std::vector<DrawCall> calls = surface.CallsNamed("TextOut");
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[2].text, "AB");
    EXPECT_EQ(calls[2].textColour, Rgb(0, 0, 64));
    EXPECT_EQ(calls[3].text, "A");
    EXPECT_EQ(calls[3].textColour, Rgb(255, 255, 0));
    EXPECT_EQ(typing.Text, "A");

    // After an Enter the line is stored; Backspace has nothing to take back.
    Type(typing, "\r");
    surface.Clear();
    Type(typing, "\b");
    EXPECT_TRUE(surface.CallsNamed("TextOut").empty());
    EXPECT_EQ(typing.Text, "A");
}

TEST_F(TextTool, EnterWithNothingTypedPlacesTheSameTextAgain) {
    TTextobjtool& typing = TypingTool();
    Press(typing, 40, 340);
    Type(typing, "Hall\r\r");
    ASSERT_EQ(DrawingList.count, 2);
    EXPECT_EQ(std::string(ObjectString(Text(1).text)), "Hall");
    EXPECT_EQ(Text(1).x1, Text(0).x1);
    EXPECT_EQ(Text(1).y1, Text(0).y1);
    // The next character starts a new text of its own.
    Type(typing, "K\r");
    EXPECT_EQ(std::string(ObjectString(Text(2).text)), "K");
}

TEST_F(TextTool, AnEmptyTextMakesNothing) {
    TTextobjtool& typing = TypingTool();
    typing.KeyMode() = 1;
    Press(typing, 40, 340);
    Type(typing, "\r");
    EXPECT_EQ(DrawingList.count, 0);
    EXPECT_EQ(typing.KeyMode(), 0);
    EXPECT_FALSE(DrawingFileExists());
}

TEST_F(TextTool, TextsHoldAtMostSeventyNineCharacters) {
    TTextobjtool& typing = TypingTool();
    Press(typing, 40, 340);
    Type(typing, std::string(79, 'x'));
    surface.Clear();
    Type(typing, "yz");
    EXPECT_TRUE(surface.CallsNamed("TextOut").empty());
    Type(typing, "\r");
    ASSERT_EQ(DrawingList.count, 1);
    EXPECT_EQ(std::string(ObjectString(Text(0).text)), std::string(79, 'x'));
    EXPECT_EQ(Text(0).textLength, 79);

    // A ready text is cut the same way.
    TTextobjtool placing;
    placing.CursorX = 1;
    Shared.ObjectSerial = 41;
    Point at{40, 340};
    OnView(placing, [&](DeviceContext& dc) { placing.PlaceText(dc, client, at, std::string(100, 'p')); });
    ASSERT_EQ(DrawingList.count, 2);
    EXPECT_EQ(std::string(ObjectString(Text(1).text)), std::string(79, 'p'));
    EXPECT_EQ(Text(1).type, 4);
    EXPECT_EQ(Text(1).number, 42);
    EXPECT_EQ(Shared.ObjectSerial, 42);
    EXPECT_EQ(Text(1).alignment, 1);
}

TEST_F(TextTool, TextToolPressFindsCentresOnlyInTheCentreSteps) {
    TTextobjtool placing;
    Press(placing, 40, 340);
    EXPECT_EQ(placing.X1, 0);
    placing.State = 30;
    Press(placing, 40, 340);
    Press(placing, 120, 340);
    EXPECT_EQ(placing.X1, 2000);
    EXPECT_EQ(placing.State, 0);
}

} // namespace
