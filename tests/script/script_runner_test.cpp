#include "script/script.h"
#include "script/script_runner.h"

#include "model/shared_state.h"
#include "platform/qt/text_renderer_factory.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <sstream>

using script::ParseScript;
using script::ScriptRunner;

namespace {

struct ScriptResult {
    int code = 0;
    std::string out;
    std::string err;
};

ScriptResult RunScript(const test_support::TempFolder& folder, const std::string& text) {
    std::ostringstream out;
    std::ostringstream err;
    ScriptResult run;
    {
        static std::unique_ptr<platform::TextRenderer> renderer = platform::qt::MakeTextRenderer();
        script::ScriptServices services;
        services.text = renderer.get();
        ScriptRunner runner(folder.Path().string(), folder.Path().string(), out, err, services);
        run.code = runner.Run(text);
    }
    run.out = out.str();
    run.err = err.str();
    ResetSharedState();
    return run;
}

} // namespace

TEST(ScriptFormat, SplitsWordsQuotesEscapesAndComments) {
    std::vector<script::Word> words;
    std::string error;
    ASSERT_TRUE(script::SplitWords(R"(dialog 2024 ok 2027="my house" 2208=on # a comment)", words, error));
    ASSERT_EQ(words.size(), 5u);
    EXPECT_EQ(words[3].text, "2027=my house");
    EXPECT_TRUE(words[3].quoted);
    EXPECT_EQ(words[4].text, "2208=on");
    EXPECT_FALSE(words[4].quoted);

    ASSERT_TRUE(script::SplitWords(R"(expect file A "a \"b\"\n#c")", words, error));
    ASSERT_EQ(words.size(), 4u);
    EXPECT_EQ(words[3].text, "a \"b\"\n#c");

    EXPECT_FALSE(script::SplitWords(R"(expect status "open)", words, error));
}

TEST(ScriptFormat, EveryStepOfTheFormatParses) {
    const char* text = R"(
client 600 400
set Units 0
command 230
dialog 2024 ok 2027="HOUSE" 2026=on 2208=off 5000=#2
dialog 2024 cancel
dialog 2024 help
input ok "12"
input cancel
message yes
file "HOUSE.DB0"
file cancel
colour ok 255 0 0
colour cancel
font ok "Arial" 12 700
font cancel
print ok
print cancel
press left 40 340
move 80 340
release left 120 340
press right 1 2
key 13
key 39 down
key 39 up
char "A b"
expect message "text" "CAPTION"
expect nomessage
expect status "Press FILE/NEW or FILE/OPEN"
expect caption "Pick Tool"
expect readout "cursor distance"
expect title "HOUSE.PLN"
expect global Scale 5
expect file DWGS/HOUSE.DB0 "4 0 0 0 1 1\n"
expect file DWGS/HOUSE.DB0 same fixtures/house.DB0
expect file DWGS/HOUSE.DB0 line 2 "32000"
expect nofile DWGS/COPY1.DB0
show file CFG/ZOOM.CFG
show messages
show paint
png out/view.png
scroll h lineup
scroll v thumb 12
)";
    script::ParseResult parsed = ParseScript(text);
    EXPECT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.steps.size(), 42u);
}

TEST(ScriptFormat, MalformedStepsNameTheirLine) {
    EXPECT_NE(ParseScript("client 600\n").error.find("line 1"), std::string::npos);
    EXPECT_NE(ParseScript("\n\nkey down\n").error.find("line 3"), std::string::npos);
    EXPECT_NE(ParseScript("dialog 12 maybe\n").error, "");
    EXPECT_NE(ParseScript("frobnicate\n").error, "");
    EXPECT_NE(ParseScript("expect file A line x \"t\"\n").error, "");
}

TEST(ScriptRunner, StartsFromTheStartUpGlobalsOverAPreparedFolder) {
    test_support::TempFolder folder;
    ScriptResult run =
        RunScript(folder, "expect global Units 1\nexpect global CurrentView 8\nexpect global Zoom 1.0\n"
                          "set Units 0\nexpect global Units 0\n");
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "CFG"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "DWGS"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "LIBS"));
}

TEST(ScriptRunner, AFailedExpectationStopsTheRunAndSaysWhatWasSeen) {
    test_support::TempFolder folder;
    ScriptResult run = RunScript(folder, "expect global Scale 5\nset Scale 6\n");
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("line 1: expect global Scale 5"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("saw Scale 1"), std::string::npos) << run.err;
}

TEST(ScriptRunner, FileExpectationsCompareExactBytesAndLines) {
    test_support::TempFolder folder;
    test_support::WriteFile(folder.Path() / "DWGS/A.DB0", "4 0 0 0 1 1\r\n32000\n");
    test_support::WriteFile(folder.Path() / "copy.txt", "4 0 0 0 1 1\r\n32000\n");
    EXPECT_EQ(RunScript(folder, "expect file DWGS/A.DB0 line 1 \"4 0 0 0 1 1\"\n"
                                "expect file DWGS/A.DB0 line 2 \"32000\"\n"
                                "expect file DWGS/A.DB0 same copy.txt\n"
                                "expect nofile DWGS/B.DB0\n")
                  .code,
              0);
    ScriptResult wrong = RunScript(folder, "expect file DWGS/A.DB0 \"4 0 0 0 1 1\\n32000\\n\"\n");
    EXPECT_EQ(wrong.code, 1);
    EXPECT_NE(wrong.err.find("\\r\\n"), std::string::npos) << wrong.err;
    EXPECT_EQ(RunScript(folder, "expect file DWGS/A.DB0 line 3 \"x\"\n").code, 1);
    EXPECT_EQ(RunScript(folder, "expect nofile DWGS/A.DB0\n").code, 1);
}

TEST(ScriptRunner, ChoiceDialogExpectationsTakeTheOldestAndSayWhatWasSeen) {
    test_support::TempFolder folder;
    const char* held = "colour ok 255 0 0\ncommand 281\ncommand 281\n"
                       "expect colourdialog 0 0 0 \"Select PEN COLOUR\"\n"
                       "expect colourdialog 255 0 0 \"Select PEN COLOUR\"\n"
                       "font cancel\ncommand 404\nexpect fontdialog \"Arial\" 10 400\n";
    ScriptResult run = RunScript(folder, held);
    EXPECT_EQ(run.code, 0) << run.err;

    ScriptResult colour =
        RunScript(folder, "command 281\nexpect colourdialog 0 0 0 \"Select DRAWING COLOUR\"\n");
    EXPECT_EQ(colour.code, 1);
    EXPECT_NE(colour.err.find("saw a colour dialog on 0 0 0 beside the prompt \"Select PEN COLOUR\""),
              std::string::npos)
        << colour.err;
    ScriptResult font = RunScript(folder, "command 404\nexpect fontdialog \"Arial\" 12 400\n");
    EXPECT_EQ(font.code, 1);
    EXPECT_NE(font.err.find("saw a font dialog on \"Arial\" 100 tenths 400"), std::string::npos) << font.err;
    ScriptResult none = RunScript(folder, "expect input \"Grid Spacing\" \"Spacing in inches\" \"36\"\n");
    EXPECT_EQ(none.code, 1);
    EXPECT_NE(none.err.find("no input dialog was shown"), std::string::npos) << none.err;
}

TEST(ScriptRunner, AnAnswerLeftQueuedFailsTheRun) {
    test_support::TempFolder folder;
    ScriptResult run = RunScript(folder, "message yes\ninput ok \"3\"\n");
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("message, input"), std::string::npos) << run.err;
}

TEST(ScriptRunner, ShowFilePrintsItAndUnknownGlobalsFail) {
    test_support::TempFolder folder;
    test_support::WriteFile(folder.Path() / "CFG/X.CFG", "1 2 3");
    ScriptResult run = RunScript(folder, "show file CFG/X.CFG\n");
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, "1 2 3\n");
    EXPECT_EQ(RunScript(folder, "set NoSuchThing 3\n").code, 1);
    EXPECT_EQ(RunScript(folder, "set Units lots\n").code, 1);
}

TEST(ScriptRunner, ShowPaintPrintsThePrimitivesOfAPaintThatCameBeforeIt) {
    // The paint that File/Open runs is shown by a later step: a run records its paints when any step
    // of the script looks at them.
    test_support::TempFolder folder;
    test_support::WriteFile(
        folder.Path() / "DWGS/PLAN.DB0",
        test_support::ReadFile(KORVANE_SOURCE_DIR "/tests/scenarios/app/fixtures/PLAN.DB0"));
    ScriptResult run = RunScript(folder, "client 300 200\nfile \"PLAN.DB0\"\ncommand 231\n"
                                         "expect title \"PLAN.PLN\"\nshow paint\n");
    EXPECT_EQ(run.code, 0) << run.err;
    // The drawing's two lines: a thick red dashed one and a black one.
    EXPECT_NE(
        run.out.find("LineTo 3600 2266 | (3200,2266) (3600,2266) | (-10,187) (70,187) | pen 0000FF w10 dash"),
        std::string::npos)
        << run.out;
    EXPECT_NE(
        run.out.find("LineTo 3400 2866 | (3400,2866) (3400,2866) | (30,67) (30,67) | pen 000000 w5 solid"),
        std::string::npos)
        << run.out;
}

TEST(ScriptRunner, StepsAfterExitAndInputWithNoViewFailNamingTheStep) {
    // After File/Exit only the steps that look at what the program left run: input to the closed
    // program would save a drawing over the one it left. Exit in the middle of a drag ends the drag.
    const std::string lineDrawn = "client 600 400\ndialog 2024 ok 2027=\"HOUSE\" 2026=on 2209=on\n"
                                  "command 230\ncommand 270\npress left 40 340\nmove 80 340\n";
    test_support::TempFolder folder;
    ScriptResult after = RunScript(folder, lineDrawn + "release left 120 340\ncommand 24310\n"
                                                       "expect file DWGS/HOUSE.DB0 line 1 \"5 0 0 0 1 1\"\n"
                                                       "expect nomessage\nshow messages\n"
                                                       "press left 40 340\nrelease left 120 340\n");
    EXPECT_EQ(after.code, 1);
    EXPECT_NE(after.err.find("line 12: press left 40 340\n  the program has exited: the step was not run"),
              std::string::npos)
        << after.err;
    EXPECT_EQ(test_support::ReadFile(folder.Path() / "DWGS/HOUSE.DB0").substr(0, 12), "5 0 0 0 1 1\n");

    test_support::TempFolder midDrag;
    ScriptResult exited = RunScript(midDrag, lineDrawn + "command 24310\nrelease left 120 340\n");
    EXPECT_EQ(exited.code, 1);
    EXPECT_NE(exited.err.find("line 8: release left 120 340\n  the program has exited"), std::string::npos)
        << exited.err;
    EXPECT_EQ(test_support::ReadFile(midDrag.Path() / "DWGS/HOUSE.DB0").substr(0, 12), "4 0 0 0 1 1\n");

    // A New cancelled in the middle of a drag closes the view that holds it.
    test_support::TempFolder closed;
    ScriptResult noView = RunScript(
        closed, lineDrawn + "dialog 2024 cancel\ncommand 230\nmove 100 340\nrelease left 120 340\n");
    EXPECT_EQ(noView.code, 1);
    EXPECT_NE(noView.err.find("line 9: move 100 340\n  no view is open"), std::string::npos) << noView.err;
}
