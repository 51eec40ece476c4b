// Rotate/Mirror Drawings (233) as a user gives it: the question, the dialog, turning in place or into a
// drawing of a new name. Coordinates are the stored ones, relative to the sheet centre.
#include "program_fixture.h"
#include "tools/drawing_tool.h"

#include <sstream>

using platform::DialogAnswer;
using test_support::ReadFile;
using test_support::WriteFile;

namespace {

using Fill = DialogAnswer::Fill;

const std::string Header = "6 0 0 0 1 30\n";
const std::string Floors =
    "32000\n32000 50 0 0 0 0 0 0 0 0 0 0 1 0\n32001\n32001 51 0 0 0 0 0 0 0 0 0 0 1 0\n";
const std::string Line = "1\n1 50 0 10001 1000 0 0 0 0 1000 0 0 0 1 0\n";
const std::string Room = "29000\n29000 40 0 0 -1000 500 1000 -500 2000 1000 0 0 10 7 4 4 KITCHEN20001000\n";
// An external wall of the second floor from (-2000, 1000) to (2000, 1000), and the floor's title.
const std::string Wall =
    "1000\n1000 52 7 12001 1 -2000 0 1000 2000 0 1000 -2000 1000 2000 1000 -2000 1000 2000 1000\n"
    "-2000 1000 2000 1000 0 0 110 50 110 0\n0 0 0\n0\n0\n0\n0\n";
const std::string Title = "37\n37 52 0 0 0 -3000 900 0 0 0 17 0 1 5 10 400 ArialSECOND FLOOR PLAN\n";
const std::string House = Header + Floors + Line + Room + Wall + Title;

class RotateMirror : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        WriteFile(folder.Path() / "CFG/DWGSIZEM.CFG", "9000 6000");
        WriteFile(folder.Path() / "DWGS/HOUSE.DB0", House);
        desktop.QueueFile("HOUSE.DB0");
        frame->Choose(231);
        frame->RunPendingPaints();
    }
    std::string File(const char* name = "HOUSE") const {
        return ReadFile(folder.Path() / "DWGS" / (std::string(name) + ".DB0"));
    }
    // Rotate/Mirror answered Yes, then the dialog with the name and the operation's button.
    void Turn(const char* name, int button) {
        desktop.QueueMessageAnswer(platform::IdYes);
        DialogAnswer answer;
        answer.resourceId = 19000;
        answer.fills = {{19001, Fill::Kind::Text, name, 0}, {button, Fill::Kind::Check, "", 0}};
        desktop.QueueDialog(answer);
        frame->Choose(233);
        frame->RunPendingPaints();
    }
    static std::vector<std::string> RecordsOf(const std::string& text, const std::string& type) {
        std::vector<std::string> out;
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);)
            if (line.rfind(type + " ", 0) == 0) out.push_back(line);
        return out;
    }
};

TEST_F(RotateMirror, AskedFirstAndRefusedWithoutADrawingOrOnTheLayout) {
    desktop.QueueMessageAnswer(platform::IdNo);
    frame->Choose(233);
    ASSERT_EQ(desktop.Messages().size(), 1u);
    EXPECT_EQ(desktop.Messages()[0].text,
              "All your floors must be completely finished before using this function\n"
              "Do you wish to continue ?");
    EXPECT_EQ(desktop.Messages()[0].caption, "DRAWINGS COMPLETED ?");
    EXPECT_EQ(desktop.Messages()[0].style & platform::MessageBoxStyle::ButtonsMask,
              platform::MessageBoxStyle::YesNo);
    EXPECT_EQ(File(), House); // saved, as it was
    EXPECT_EQ(Shared.HelpContext, 200);

    Shared.CurrentView = 40;
    frame->Choose(233);
    EXPECT_EQ(desktop.Messages().size(), 1u);

    frame->CloseAllViews();
    DrawingList.Flush();
    frame->Choose(233);
    ASSERT_EQ(desktop.Messages().size(), 2u);
    EXPECT_EQ(desktop.Messages()[1].text, "There is no drawing loaded - use File/Open");
    EXPECT_EQ(desktop.Messages()[1].caption, "ROTATE/MIRROR");
    EXPECT_TRUE(desktop.UnusedAnswers().empty());
}

TEST_F(RotateMirror, AQuarterTurnInPlaceTurnsRoomsAndMakesTheTitlesAgainUnderTheTurnedPlan) {
    Turn("HOUSE", 19002);
    const std::string turned = File();
    EXPECT_EQ(RecordsOf(turned, "1"), std::vector<std::string>{"1 50 0 10001 0 0 1000 0 -1000 0 0 0 0 1 0"});
    // The room keeps its first point upper left; width and length change places with their labels.
    EXPECT_EQ(
        RecordsOf(turned, "29000"),
        std::vector<std::string>{"29000 40 0 0 -500 1000 500 -1000 1000 2000 0 0 10 7 4 4 KITCHEN10002000"});
    // The second floor's wall now runs from (1000, 2000) to (1000, -2000): its title, the only one,
    // lies two external dimension offsets and the overall one (2 x 800 + 1200) below y 2000.
    const auto titles = RecordsOf(turned, "37");
    ASSERT_EQ(titles.size(), 1u);
    EXPECT_EQ(titles[0].rfind("37 52 0 0 0 -800 900 0 0 0 17 ", 0), 0u) << titles[0];
    EXPECT_EQ(titles[0].substr(titles[0].size() - 17), "SECOND FLOOR PLAN");
    EXPECT_EQ(Shared.CurrentView, 50);
    EXPECT_EQ(Client().Tool().Kind, 21);
    ASSERT_NE(frame->ActiveScriptedView(), nullptr);
    EXPECT_EQ(frame->ActiveScriptedView()->Title(), "HOUSE.PLN");
}

TEST_F(RotateMirror, MirroringTwiceGivesTheDrawingBackByteForByte) {
    Turn("HOUSE", 19005);
    const std::string mirrored = File();
    EXPECT_EQ(RecordsOf(mirrored, "1"),
              std::vector<std::string>{"1 50 0 10001 0 0 -1000 0 1000 0 0 0 0 1 0"});
    EXPECT_EQ(RecordsOf(mirrored, "37").size(), 1u); // a mirror keeps the titles
    Turn("HOUSE", 19005);
    EXPECT_EQ(File(), House);
}

TEST_F(RotateMirror, ANewNameTakesTheTurnedDrawingAndLeavesTheOldOneAsSaved) {
    Turn("HOUSE2", 19004);
    EXPECT_EQ(File(), House);
    EXPECT_EQ(RecordsOf(File("HOUSE2"), "1"),
              std::vector<std::string>{"1 50 0 10001 0 0 -1000 0 1000 0 0 0 0 1 0"});
    EXPECT_EQ(DrawingList.DrawingName, "HOUSE2");
    ASSERT_NE(frame->ActiveScriptedView(), nullptr);
    EXPECT_EQ(frame->ActiveScriptedView()->Title(), "HOUSE2.PLN");
    EXPECT_EQ(Client().Tool().Kind, 21);

    // A name of two characters only repaints.
    Turn("AB", 19003);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "DWGS/AB.DB0"));
    EXPECT_EQ(DrawingList.DrawingName, "HOUSE2");
    EXPECT_EQ(RecordsOf(File("HOUSE2"), "1"),
              std::vector<std::string>{"1 50 0 10001 0 0 -1000 0 1000 0 0 0 0 1 0"});
    EXPECT_TRUE(desktop.UnusedAnswers().empty());
}

} // namespace
