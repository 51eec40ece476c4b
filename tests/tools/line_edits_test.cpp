// The line tool's edits of the line just drawn: its text placed beside it as the line-text settings say,
// and the lengthen and shorten steps of a horizontal or vertical line.
#include "tool_test_support.h"

#include <vector>

using tool_test::ToolTest;

namespace {

class LineEdits : public ToolTest {
  protected:
    void SetUp() override {
        ToolTest::SetUp();
        WriteCfg("MOFFSET.CFG", "500 600 1500 0 9 9 10");
        WriteCfg("LTEXT.CFG", "1 3/nABC");
    }
    void WriteCfg(const std::string& name, const std::string& bytes) const {
        test_support::WriteFile(folder.Path() / "CFG" / name, bytes);
    }
    void AddLine(int x1, int y1, int x2, int y2, int type = 1) {
        auto line = std::make_unique<TLineobj>();
        line->type = type;
        line->view = 50;
        line->x1 = x1, line->y1 = y1, line->x2 = x2, line->y2 = y2;
        DrawingList.Add(std::move(line));
    }
    // The text added beside the last line, or null when none was.
    const TTextobj* TextFor(int x1, int y1, int x2, int y2) {
        DrawingList.Flush();
        AddLine(x1, y1, x2, y2);
        tool.State = TLineobjtool::LineWithTextDrawn;
        OnView(tool, [&](platform::DeviceContext& dc) { tool.AddLineText(dc, client, 0, 0); });
        return dynamic_cast<const TTextobj*>(DrawingList[DrawingList.count - 1]);
    }
    static std::string Placed(const TTextobj& text) {
        return std::string(ObjectString(text.text)) + " at " + std::to_string(text.x1) + "," +
               std::to_string(text.y1) + " x2 " + std::to_string(text.x2) + " code " +
               std::to_string(text.alignment) + " turned " + std::to_string(text.escapement);
    }
    int Step(int state, int amount, int x, int y) {
        tool.State = state;
        tool.Aux2() = 0;
        tool.Step(amount, x, y);
        return 0;
    }
    std::vector<int> Ends() const {
        const TObject& line = *DrawingList[0];
        return {line.x1, line.y1, line.x2, line.y2};
    }

    TLineobjtool tool;
};

// A 9-point text at this view's scale is 45 logical units high on the recording surface, so the text
// stands q = 45 x 5 / 4 = 56 drawing units off its line.
TEST_F(LineEdits, TheTextStandsAQuarterLineOffTheMiddleOnTheSideChosen) {
    const TTextobj* text = TextFor(1000, 1000, 3000, 1000);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(Placed(*text), "ABC at 2000,1056 x2 900 code 6 turned 0");
    EXPECT_EQ(text->type, 35);
    EXPECT_EQ(text->number, 0);
    EXPECT_EQ(text->aux, 0);
    EXPECT_EQ(text->size, 9);
    EXPECT_EQ(tool.State, 50);
    EXPECT_EQ(tool.Angle, 900);
    // Painted at once, not saved.
    ASSERT_EQ(surface.CallsNamed("TextOut").size(), 1u);
    EXPECT_EQ(surface.CallsNamed("TextOut")[0].text, "ABC");
    EXPECT_FALSE(DrawingFileExists());

    EXPECT_EQ(Placed(*TextFor(3000, 1000, 1000, 1000)), "ABC at 2000,1056 x2 2700 code 6 turned 0");
    WriteCfg("LTEXT.CFG", "2 3/nABC");
    EXPECT_EQ(Placed(*TextFor(1000, 1000, 3000, 1000)), "ABC at 2000,944 x2 900 code 4 turned 0");
    EXPECT_EQ(Placed(*TextFor(1000, 1000, 1000, 3000)), "ABC at 1056,2000 x2 1800 code 4 turned 2700");
    WriteCfg("LTEXT.CFG", "1 3/nABC");
    EXPECT_EQ(Placed(*TextFor(1000, 1000, 1000, 3000)), "ABC at 944,2000 x2 1800 code 6 turned 2700");
    // At 45 degrees the quarter line splits into 39 across and 39 up.
    EXPECT_EQ(Placed(*TextFor(1000, 1000, 2000, 2000)), "ABC at 1461,1539 x2 450 code 6 turned 3150");
}

TEST_F(LineEdits, NoTextWithoutAPlainLineOrAText) {
    AddLine(1000, 1000, 3000, 1000, 11);
    tool.State = 51;
    OnView(tool, [&](platform::DeviceContext& dc) { tool.AddLineText(dc, client, 0, 0); });
    EXPECT_EQ(DrawingList.count, 1);
    EXPECT_EQ(tool.State, 51);

    // An empty text, a damaged file and a missing one (whose shipped default has no text) make none,
    // but the state is set.
    for (const char* file : {"1 0/n", "1 x/nABC", ""}) {
        if (*file)
            WriteCfg("LTEXT.CFG", file);
        else
            std::filesystem::remove(folder.Path() / "CFG" / "LTEXT.CFG");
        EXPECT_EQ(TextFor(1000, 1000, 3000, 1000), nullptr) << file;
        EXPECT_EQ(tool.State, 50);
        EXPECT_EQ(DrawingList.count, 1);
    }

    // A text longer than the dialog takes is cut to its 21 characters.
    WriteCfg("LTEXT.CFG", "1 26/nABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(std::string(ObjectString(TextFor(1000, 1000, 3000, 1000)->text)), "ABCDEFGHIJKLMNOPQRSTU");
}

TEST_F(LineEdits, StepsMoveTheEndNearerTheCursor) {
    AddLine(1000, 1000, 3000, 1000);
    Step(2, 500, 2500, 1000);
    EXPECT_EQ(Ends(), (std::vector<int>{1000, 1000, 3500, 1000}));
    Step(2, 500, 2250, 1000); // exactly between the ends: the left one
    EXPECT_EQ(Ends(), (std::vector<int>{500, 1000, 3500, 1000}));
    Step(3, 500, 3000, 1000);
    EXPECT_EQ(Ends(), (std::vector<int>{500, 1000, 3000, 1000}));

    DrawingList.Flush();
    AddLine(1000, 3000, 1000, 1000);
    Step(3, 500, 1000, 1200);
    EXPECT_EQ(Ends(), (std::vector<int>{1000, 3000, 1000, 1500}));
    Step(2, 500, 1000, 2900);
    EXPECT_EQ(Ends(), (std::vector<int>{1000, 3500, 1000, 1500}));

    // A sloped line, any other state and an index past the list change nothing.
    DrawingList.Flush();
    AddLine(1000, 1000, 2000, 2000);
    Step(2, 500, 1000, 1000);
    Step(4, 500, 1000, 1000);
    tool.Aux2() = 5;
    tool.Step(500, 1000, 1000);
    EXPECT_EQ(Ends(), (std::vector<int>{1000, 1000, 2000, 2000}));
    EXPECT_FALSE(DrawingFileExists());
}

} // namespace
