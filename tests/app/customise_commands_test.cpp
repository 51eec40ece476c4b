// The Customise and Tools commands and the defaults runner on the whole program: the order in which
// the user meets messages, prompts and dialogs, the help context at each, the repaints of the view and
// the files written. The single commands' stories are scenarios under tests/scenarios/app.
#include "app/defaults_runner.h"
#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "platform/dialog.h"
#include "program_fixture.h"
#include "resources/command_ids.h"
#include "view/child.h"

#include <filesystem>

namespace {

// The scripted desktop, keeping one log of what the user met, in order, with the help context in
// force at each step. A message box moves the mouse cursor, as a user's click on OK does.
class RecordingDesktop : public platform::ScriptedDesktop {
  public:
    int MessageBox(std::string_view text, std::string_view caption, unsigned style) override {
        log.push_back("message " + std::string(caption));
        SetCursorPos({7, 7});
        return ScriptedDesktop::MessageBox(text, caption, style);
    }
    void SetStatusText(std::string_view text) override {
        log.push_back("prompt " + std::string(text) + " @" + std::to_string(Shared.HelpContext));
        ScriptedDesktop::SetStatusText(text);
    }
    bool ChooseColour(platform::ColourRef& colour, platform::CustomColours& custom) override {
        log.push_back("colour @" + std::to_string(Shared.HelpContext));
        offered.push_back(custom);
        // The user mixes a custom colour of their own in every dialog.
        custom[offered.size()] = platform::Rgb(1, 2, static_cast<int>(offered.size()));
        leftBehind.push_back(custom);
        return ScriptedDesktop::ChooseColour(colour, custom);
    }
    bool ChooseFont(platform::FontChoice& font) override {
        log.push_back("font " + std::string(std::filesystem::exists(drawingFile) ? "after save" : "unsaved"));
        return ScriptedDesktop::ChooseFont(font);
    }
    bool InputBox(std::string_view title, std::string_view prompt, std::string& text,
                  int maxLength) override {
        log.push_back("input " + std::string(title) + " " + std::to_string(maxLength));
        return ScriptedDesktop::InputBox(title, prompt, text, maxLength);
    }
    int RunDialog(platform::Dialog& dialog) override {
        log.push_back("dialog " + std::to_string(dialog.ResourceId()));
        return ScriptedDesktop::RunDialog(dialog);
    }

    std::vector<std::string> log;
    std::vector<platform::CustomColours> offered;
    std::vector<platform::CustomColours> leftBehind;
    std::filesystem::path drawingFile;
};

class CustomiseCommands : public ProgramTest {
  protected:
    // A metric drawing open in a view whose paints have all run; from here on the recording desktop
    // answers.
    TChild& OpenDrawing() {
        platform::InstallDesktop(&desktop);
        NewDrawing();
        frame->RunPendingPaints();
        recorder.drawingFile = folder.Path() / "DWGS/HOUSE.DB0";
        platform::InstallDesktop(&recorder);
        TChild* view = Client().ActiveView();
        EXPECT_NE(view, nullptr);
        return *view;
    }
    platform::ScriptedView& Window(TChild& view) {
        return *static_cast<platform::ScriptedView*>(view.Window());
    }
    std::string Cfg(const char* name) { return test_support::ReadFile(folder.Path() / "CFG" / name); }
    void WriteCfg(const char* name, const std::string& bytes) {
        test_support::WriteFile(folder.Path() / "CFG" / name, bytes);
    }
    void TearDown() override {
        platform::InstallDesktop(&desktop);
        ProgramTest::TearDown();
    }

    RecordingDesktop recorder;
};

using Log = std::vector<std::string>;

TEST_F(CustomiseCommands, DefaultColoursNameEachColourBeforeItsDialog) {
    platform::InstallDesktop(&recorder);
    frame->Choose(command_id::DefaultColours);
    EXPECT_EQ(recorder.log, (Log{"message BACKGROUND COLOUR", "prompt Select BACKGROUND COLOUR @310",
                                 "colour @310", "prompt Press FILE/NEW or FILE/OPEN @310",
                                 "message DRAWING COLOUR", "prompt Select DRAWING COLOUR @310", "colour @310",
                                 "prompt Press FILE/NEW or FILE/OPEN @310", "message OVERLAY COLOUR",
                                 "prompt Select OVERLAY COLOUR @310", "colour @310",
                                 "prompt Press FILE/NEW or FILE/OPEN @310"}));
}

TEST_F(CustomiseCommands, ColoursWithADrawingOpenPutTheCursorBackAfterEachMessage) {
    TChild& view = OpenDrawing();
    recorder.SetCursorPos({321, 123});
    frame->Choose(command_id::DefaultColours);
    ASSERT_EQ(recorder.Messages().size(), 3u);
    EXPECT_EQ(recorder.GetCursorPos(), (platform::Point{321, 123}));
    EXPECT_EQ(recorder.ColourDialogs().size(), 3u);
    EXPECT_FALSE(Window(view).HasPendingPaint());
    EXPECT_EQ(recorder.StatusText(), "press F1 for context help");
}

TEST_F(CustomiseCommands, ChangeColourWithADrawingOpenKeepsTheTextContextUntilItsDialog) {
    TChild& view = OpenDrawing();
    recorder.QueueColour(platform::Rgb(255, 0, 0));
    frame->Choose(command_id::ChangeColour);
    EXPECT_EQ(recorder.log,
              (Log{"prompt Select PEN COLOUR @242", "colour @310", "prompt press F1 for context help @310"}));
    EXPECT_EQ(Shared.DrawingColour, platform::Rgb(255, 0, 0));
    EXPECT_EQ(Window(view).PendingArea(), view.ClientRect());
    EXPECT_FALSE(Window(view).PendingErase());
}

TEST_F(CustomiseCommands, TheColourDialogsKeepTheUsersCustomColoursForTheProgramsLife) {
    platform::InstallDesktop(&recorder);
    frame->Choose(command_id::ChangeColour);
    frame->Choose(command_id::DesignRoomColours);
    OpenDrawing();
    frame->Choose(command_id::DefaultColours);
    ASSERT_EQ(recorder.offered.size(), 7u);
    EXPECT_EQ(recorder.offered[0], platform::CustomColours{}); // black at first
    // Each dialog offers what the user left in the one before, the Customise commands' and the
    // defaults runner's alike.
    for (std::size_t i = 1; i < recorder.offered.size(); ++i)
        EXPECT_EQ(recorder.offered[i], recorder.leftBehind[i - 1]) << "dialog " << i;
    EXPECT_EQ(Client().CustomColours, recorder.leftBehind.back());
}

TEST_F(CustomiseCommands, DefaultDoorsAndOffsetsWithADrawingOpenRepaintTheView) {
    TChild& view = OpenDrawing();
    recorder.QueueDialog({5400, platform::DialogAnswer::Button::Cancel, {}});
    frame->Choose(command_id::DefaultDoors);
    EXPECT_EQ(Window(view).PendingArea(), view.ClientRect());
    EXPECT_FALSE(Window(view).PendingErase());
    frame->RunPendingPaints();
    frame->Choose(command_id::DefDimensions);
    EXPECT_EQ(recorder.log, (Log{"dialog 5400", "dialog 5500"}));
    EXPECT_EQ(Window(view).PendingArea(), view.ClientRect());
}

TEST_F(CustomiseCommands, DefaultFontWithADrawingOpenSavesItFirstAndRepaintsWithErase) {
    TChild& view = OpenDrawing();
    std::filesystem::remove(recorder.drawingFile);
    ASSERT_GT(DrawingList.count, 0);
    recorder.QueueFont(platform::FontChoice{"DejaVu Sans", 115, 700, 0});
    frame->Choose(command_id::DefaultFont);
    EXPECT_EQ(recorder.log, (Log{"font after save"}));
    EXPECT_EQ(Cfg("TEXT.CFG"), "11 700 11DejaVu Sans");
    EXPECT_EQ(Client().FontData.pointSize, 115);
    EXPECT_TRUE(Window(view).PendingErase());
    EXPECT_EQ(Window(view).PendingArea(), view.ClientRect());

    // Cancelled: the font stays, and the dialog's size goes back to what it was before it opened.
    frame->Choose(command_id::Textsize);
    EXPECT_EQ(Client().FontData.pointSize, 115);
    EXPECT_EQ(Shared.TextSize, 11);
    EXPECT_EQ(Cfg("TEXT.CFG"), "11 700 11DejaVu Sans");
}

TEST_F(CustomiseCommands, LayoutGridAndMergeWithADrawingOpenSaveTheDrawingFirst) {
    OpenDrawing();
    for (int command :
         {command_id::DefaultLayoutGrid, command_id::DesignRoomMerge, command_id::DesignRoomColours}) {
        std::filesystem::remove(recorder.drawingFile);
        frame->Choose(command);
        EXPECT_TRUE(std::filesystem::exists(recorder.drawingFile)) << command;
    }
}

TEST_F(CustomiseCommands, RunnerGridKeepsWholeInchesAndRefusesTooWide) {
    TChild& view = OpenDrawing();
    Shared.Units = 0;
    WriteCfg("GRIDI.CFG", "288 255\n");
    WriteCfg("LYTGRIDI.CFG", "864 65280\n");
    recorder.QueueInput("5");
    recorder.QueueColour(platform::Rgb(0, 0, 255));
    RunDefaultsDialog(Client(), view, defaults_kind::Grid);
    EXPECT_EQ(Cfg("GRIDI.CFG"), "240 255\n");
    // The colour step colours the room-layout grid.
    EXPECT_EQ(Cfg("LYTGRIDI.CFG"), "864 16711680\n");
    EXPECT_EQ(recorder.Inputs().back().text, "12");
    EXPECT_EQ(recorder.Prompts()[recorder.Prompts().size() - 2], "now select Grid line colour");
    EXPECT_FALSE(Window(view).HasPendingPaint()); // the grid is hidden

    WriteCfg("GRIDI.CFG", "288 255\n");
    Shared.LayoutGridOn = 1;
    recorder.QueueInput(std::nullopt);
    RunDefaultsDialog(Client(), view, defaults_kind::Grid);
    EXPECT_EQ(Cfg("GRIDI.CFG"), "288 255\n");
    EXPECT_TRUE(Window(view).PendingErase());
    frame->RunPendingPaints();
    Shared.Units = 0; // the paint read the metric drawing back

    // Above 1400 inches the command ends: nothing written, no colour asked, no repaint.
    std::filesystem::remove(folder.Path() / "CFG/GRIDI.CFG");
    recorder.log.clear();
    recorder.QueueInput("1401");
    RunDefaultsDialog(Client(), view, defaults_kind::Grid);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "CFG/GRIDI.CFG"));
    EXPECT_EQ(recorder.log, (Log{"prompt Select Grid line spacing @310", "input Grid Spacing 8"}));
    EXPECT_FALSE(Window(view).HasPendingPaint());

    Shared.Units = 1;
    std::filesystem::remove(folder.Path() / "CFG/GRIDM.CFG");
    recorder.QueueInput("32001");
    recorder.QueueInput("100");
    RunDefaultsDialog(Client(), view, defaults_kind::Grid);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "CFG/GRIDM.CFG"));
    RunDefaultsDialog(Client(), view, defaults_kind::Grid);
    EXPECT_EQ(Cfg("GRIDM.CFG"), "250 12632256\n");
}

TEST_F(CustomiseCommands, RunnerCustomStairsAndCalibrationRunTheDialogsOfTheUnits) {
    TChild& view = OpenDrawing();
    RunDefaultsDialog(Client(), view, defaults_kind::CustomStairs);
    Shared.Units = 0;
    RunDefaultsDialog(Client(), view, defaults_kind::CustomStairs);
    Shared.Units = 1;
    recorder.QueueDialog({3200,
                          platform::DialogAnswer::Button::Ok,
                          {{3201, platform::DialogAnswer::Fill::Kind::Text, "14700", 0}}});
    RunDefaultsDialog(Client(), view, defaults_kind::PrinterCalibration);
    // No units dialog and no prompt on the way.
    EXPECT_EQ(recorder.log, (Log{"dialog 3800", "dialog 3900", "dialog 3200"}));
    EXPECT_EQ(Cfg("PRNTCALM.CFG"), "14700 1.020000");
    EXPECT_FALSE(Window(view).HasPendingPaint());
}

TEST_F(CustomiseCommands, RunnerKindsWithoutADialogDoNothing) {
    TChild& view = OpenDrawing();
    const auto before = std::distance(std::filesystem::directory_iterator(folder.Path() / "CFG"),
                                      std::filesystem::directory_iterator());
    const SharedState shared = Shared;
    for (int kind : {0, 7, 8, 9, 10, 15, 99, -1})
        RunDefaultsDialog(Client(), view, kind);
    EXPECT_TRUE(recorder.log.empty());
    EXPECT_FALSE(Window(view).HasPendingPaint());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path() / "CFG"),
                            std::filesystem::directory_iterator()),
              before);
    EXPECT_EQ(Shared.HelpContext, shared.HelpContext);
    EXPECT_EQ(Shared.DrawingColour, shared.DrawingColour);
}

TEST_F(CustomiseCommands, CentreDrawingDoesNothingInEitherState) {
    platform::InstallDesktop(&recorder);
    EXPECT_TRUE(Client().IsCommandEnabled(command_id::CentreDrawing));
    frame->Choose(command_id::CentreDrawing);
    TChild& view = OpenDrawing();
    const int help = Shared.HelpContext;
    frame->Choose(command_id::CentreDrawing);
    EXPECT_TRUE(recorder.log.empty());
    EXPECT_EQ(Shared.HelpContext, help);
    EXPECT_FALSE(Window(view).HasPendingPaint());
}

} // namespace
