// The plan-level dialogs: the external-wall type of a new floor plan and the wall-type file it keeps,
// the window and external-door choice handed to the window tool, the display mode, and the new type of
// a picked wall.
#include "platform/dialog.h"
#include "walls/extwall_tool.h"
#include "walls/plan_dialogs.h"
#include "walls_test_support.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using platform::DialogAnswer;
using walls_test::RecordingView;

// The scripted desktop that also notes the status text as each dialog opens, and lets a test act for a
// dialog once it has closed.
class WatchingDesktop : public platform::ScriptedDesktop {
  public:
    int RunDialog(platform::Dialog& dialog) override {
        statusAtOpening.push_back(StatusText());
        const int result = ScriptedDesktop::RunDialog(dialog);
        if (afterDialog) afterDialog(dialog.ResourceId());
        return result;
    }
    std::vector<std::string> statusAtOpening;
    std::function<void(int)> afterDialog;
};

using Steps = std::vector<std::vector<int>>;

// A tool that notes the steps it is given, in a log that outlives it.
class SteppedTool : public TLineobjtool {
  public:
    SteppedTool(int kind, Steps& steps) : steps(steps) { Kind = kind; }
    void Step(int a, int b, int c) override { steps.push_back({a, b, c}); }
    Steps& steps;
};

class PlanDialogs : public walls_test::WallTest {
  protected:
    void SetUp() override {
        WallTest::SetUp();
        platform::InstallDesktop(&watching);
    }
    void TearDown() override {
        platform::InstallDesktop(nullptr);
        WallTest::TearDown();
    }
    void Answer(int resource, std::vector<DialogAnswer::Fill> fills,
                DialogAnswer::Button button = DialogAnswer::Button::Ok) {
        DialogAnswer answer;
        answer.resourceId = resource;
        answer.button = button;
        answer.fills = std::move(fills);
        watching.QueueDialog(answer);
    }
    static DialogAnswer::Fill On(int control) { return {control, DialogAnswer::Fill::Kind::Check, "", 0}; }
    static DialogAnswer::Fill Text(int control, const std::string& text) {
        return {control, DialogAnswer::Fill::Kind::Text, text, 0};
    }
    RecordingView& ViewWith(std::unique_ptr<TDrawingtool> tool) {
        view = std::make_unique<RecordingView>(window, std::move(tool));
        return *view;
    }
    TDrawingtool& Tool() { return view->Tool(); }
    static void AddFloorRecord(int view, int type) {
        auto record = std::make_unique<TInfoobj>();
        record->view = view;
        record->type = type;
        DrawingList.Add(std::move(record));
    }

    WatchingDesktop watching;
    Steps steps;
    std::unique_ptr<RecordingView> view;
};

TEST_F(PlanDialogs, ANewGroundFloorKeepsItsWallTypeAndHeights) {
    WriteCfg("EXTWALLM.CFG", "110 55 110 0 0 2300 2200 3 4 255");
    AddFloorRecord(50, 32000);
    auto walls = std::make_unique<TExtwallobjtool>();
    walls->State = 1;
    RecordingView& v = ViewWith(std::move(walls));
    Answer(2480, {On(2482)});
    Answer(4200, {On(4202)});
    RunPlanDialog(v, 4);
    EXPECT_EQ(Cfg("EXTWALLM.CFG"), "230 0 0 25 2550 2300 2200 3 4 255");
    EXPECT_EQ(Tool().Aux, 3); // layers above the drawn line
    EXPECT_EQ(Tool().State, 0);
    EXPECT_EQ(DrawingList[0]->z1, 25);
    EXPECT_EQ(DrawingList[0]->z2, 2550);
    EXPECT_TRUE(DrawingFileExists());
    EXPECT_EQ(
        watching.statusAtOpening,
        (std::vector<std::string>{"HINT for ANGLED walls, press 'a' key then arrow keys to finetune cursor, "
                                  "'a' again for normal input)",
                                  "HINT for ANGLED walls, press 'a' key then arrow keys to finetune cursor, "
                                  "'a' again for normal input)"}));
    ASSERT_GE(watching.Prompts().size(), 2u);
    EXPECT_EQ(watching.Prompts()[0], "Complete the Dialogue Box");
    // The type dialog repaints the view erased, the side dialog not.
    ASSERT_EQ(v.repaints.size(), 2u);
    EXPECT_TRUE(v.repaints[0].erase);
    EXPECT_FALSE(v.repaints[1].erase);
}

TEST_F(PlanDialogs, AnUpperFloorSetsItsOwnHeightAboveABaseOfNothing) {
    WriteCfg("EXTWALLM.CFG", "230 0 0 25 2550 2300 2200 3 4 255");
    Shared.CurrentView = 51;
    auto copying = std::make_unique<TExtwallobjtool>();
    copying->Kind = tool_kind::UpperFloorWalls; // no side to choose
    RecordingView& v = ViewWith(std::move(copying));
    Answer(2480, {On(2481)});
    RunPlanDialog(v, 4);
    EXPECT_EQ(Cfg("EXTWALLM.CFG"), "110 55 110 0 2550 2400 2200 3 4 255");
    Shared.CurrentView = 52;
    Answer(2480, {On(2483)});
    RunPlanDialog(v, 4);
    EXPECT_EQ(Cfg("EXTWALLM.CFG"), "110 55 75 0 2550 2400 2400 3 4 255");
    EXPECT_EQ(watching.DialogsRun(), (std::vector<int>{2480, 2480}));
    // No floor record: the drawing is saved all the same.
    EXPECT_TRUE(DrawingFileExists());
}

TEST_F(PlanDialogs, MarkingCornersOnTheLayoutKeepsNoHeightsAndEmptiesTheList) {
    WriteCfg("EXTWALLM.CFG", "230 0 0 25 2550 2300 2200 3 4 255");
    Shared.CurrentView = 45;
    DrawingList.Add(Room(1000, 2000, 3000, 1000));
    auto marking = std::make_unique<TLineobjtool>();
    marking->Kind = tool_kind::CornerMarks;
    RecordingView& v = ViewWith(std::move(marking));
    Answer(2480, {On(2481)});
    RunPlanDialog(v, 4);
    EXPECT_EQ(Cfg("EXTWALLM.CFG"), "110 55 110 0 0 2300 2200 3 4 255");
    EXPECT_EQ(DrawingList.count, 0);
    DrawingList.ReadDrawing();
    EXPECT_EQ(CountOfType(29000), 1);
    EXPECT_EQ(watching.statusAtOpening,
              (std::vector<std::string>{
                  "press ENTER on each house internal corner CLOCKWISE, back at start pt. press ENTER "}));
}

TEST_F(PlanDialogs, CancellingAnyWallDialogWritesNothingAndLeavesThePickTool) {
    WriteCfg("EXTWALLM.CFG", "110 55 110 0 0 2300 2200 3 4 255");
    for (int cancelled : {2480, 5300, 4200}) {
        RecordingView& v = ViewWith(std::make_unique<TExtwallobjtool>());
        if (cancelled != 2480) Answer(2480, {On(cancelled == 5300 ? 2487 : 2481)});
        RunPlanDialog(v, 4);
        EXPECT_EQ(Cfg("EXTWALLM.CFG"), "110 55 110 0 0 2300 2200 3 4 255") << cancelled;
        EXPECT_EQ(Tool().Kind, 21) << cancelled;
        EXPECT_EQ(v.pickTools, 1) << cancelled;
        EXPECT_FALSE(DrawingFileExists()) << cancelled;
    }
    EXPECT_TRUE(watching.UnusedAnswers().empty());
}

TEST_F(PlanDialogs, TheCustomWallGivesItsOwnLayers) {
    WriteCfg("CUST.CFG", "4 300 100 50");
    RecordingView& v = ViewWith(std::make_unique<TExtwallobjtool>());
    Answer(2480, {On(2487)});
    Answer(5300, {});
    Answer(4200, {});
    RunPlanDialog(v, 4);
    EXPECT_EQ(Cfg("EXTWALLM.CFG"), "100 50 150 25 2550 2400 2400 0 0 0");
}

TEST_F(PlanDialogs, AMainEntryGivesTheWindowToolItsWidthAndKeepsTheEntrysDoor) {
    AddHouse();
    WriteCfg("ENTRY.CFG", "870 0 0 1 7 r n n");
    // The entry dialog leaves the file as an earlier entry left it.
    watching.afterDialog = [this](int resource) {
        if (resource == 6000) WriteCfg("ENTRY.CFG", "870 0 0 1 7 r n n");
    };
    RecordingView& v = ViewWith(std::make_unique<SteppedTool>(tool_kind::Window, steps));
    Answer(6500, {On(6510), Text(6501, "1200")});
    Answer(6000, {Text(6001, "900"), On(6002)});
    Answer(10500, {On(10507)});
    RunPlanDialog(v, 6);
    EXPECT_EQ(Cfg("ENTRY.CFG"), "900 7 7 1 7 r n n");
    EXPECT_EQ(steps, (Steps{{1200, 0, 0}}));
    EXPECT_EQ(Tool().State, 3); // the door type
    EXPECT_EQ(std::vector<int>({v.DatumX, v.DatumY, v.DatumState}), std::vector<int>({9725, 20275, 3}));
    EXPECT_EQ(watching.StatusText(), "cursor distance is from DATUM at top left external wall corner");
    EXPECT_EQ(watching.ControlsAtOpening(10500)->at(10501), "900");
}

TEST_F(PlanDialogs, ADoubleEntryLeavesItsFileAsTheEntryDialogWroteIt) {
    WriteCfg("ENTRY.CFG", "870 0 0 1 7 r n n");
    RecordingView& v = ViewWith(std::make_unique<SteppedTool>(tool_kind::Window, steps));
    Answer(6500, {On(6510), Text(6501, "1200")});
    Answer(6000, {Text(6001, "900"), On(6003), On(6006)});
    RunPlanDialog(v, 6);
    EXPECT_EQ(Cfg("ENTRY.CFG"), "900 0 0 2 0 b n n");
    EXPECT_EQ(steps, (Steps{{1200, 0, 0}}));
}

TEST_F(PlanDialogs, AnExternalDoorTakesTheWidthOfItsDoorDialog) {
    RecordingView& v = ViewWith(std::make_unique<SteppedTool>(tool_kind::Window, steps));
    Answer(6500, {On(6512), Text(6501, "1200")});
    Answer(10500, {Text(10501, "950"), On(10505)});
    RunPlanDialog(v, 6);
    EXPECT_EQ(steps, (Steps{{950, 0, 0}}));
    EXPECT_EQ(Tool().State, 5);
    EXPECT_EQ(watching.ToolCaption(), "external door");
    EXPECT_EQ(watching.ControlsAtOpening(10500)->at(10501), "1200");
    // Feet and inches: the widths are whole inches.
    Shared.Units = 0;
    Answer(6500, {On(6515), Text(6501, "96")});
    RunPlanDialog(v, 6);
    EXPECT_EQ(steps.back(), (std::vector<int>{96 * 24, 0, 0}));
    EXPECT_EQ(watching.ToolCaption(), "garage door");
}

TEST_F(PlanDialogs, CancellingAWindowOrDoorDialogCallsNoStep) {
    RecordingView& v = ViewWith(std::make_unique<SteppedTool>(tool_kind::Window, steps));
    RunPlanDialog(v, 6);
    Answer(6500, {On(6512)});
    RunPlanDialog(v, 6);
    Answer(6500, {On(6510)});
    Answer(6000, {On(6002)});
    RunPlanDialog(v, 6);
    EXPECT_TRUE(steps.empty());
    EXPECT_EQ(Tool().Kind, tool_kind::Window);
    ASSERT_FALSE(v.repaints.empty());
    EXPECT_TRUE(v.repaints.back().erase);
    EXPECT_EQ(v.DatumState, 1);
}

TEST_F(PlanDialogs, TheDisplayModeDialogRepaintsWhateverItReturns) {
    RecordingView& v = ViewWith(std::make_unique<TExtwallobjtool>());
    Shared.DisplayMode = 0;
    Answer(18500, {On(18505)});
    RunPlanDialog(v, 11);
    EXPECT_EQ(Shared.DisplayMode, 20);
    RunPlanDialog(v, 11);
    EXPECT_EQ(Shared.DisplayMode, 20);
    ASSERT_EQ(v.repaints.size(), 2u);
    EXPECT_TRUE(v.repaints[0].erase && v.repaints[1].erase && v.repaints[1].whole);
}

TEST_F(PlanDialogs, ANewWallTypeForAPickedWallGoesToTheToolsStep) {
    WriteCfg("EXTWALLM.CFG", "230 0 0 25 2550 2300 2200 3 4 255");
    Shared.CurrentView = 51;
    RecordingView& v = ViewWith(std::make_unique<SteppedTool>(tool_kind::ExternalWall, steps));
    ChooseExternalWallType(v);
    EXPECT_TRUE(steps.empty());
    EXPECT_EQ(Tool().Kind, 21);
    EXPECT_EQ(Cfg("EXTWALLM.CFG"), "230 0 0 25 2550 2300 2200 3 4 255");

    ViewWith(std::make_unique<SteppedTool>(tool_kind::ExternalWall, steps));
    Answer(2480, {On(2481)});
    ChooseExternalWallType(*view);
    EXPECT_EQ(steps, (Steps{{110, 55, 110}}));
    EXPECT_EQ(Cfg("EXTWALLM.CFG"), "110 55 110 0 2550 2400 2200 3 4 255");
    EXPECT_TRUE(DrawingFileExists());
    // Off the three floors the heights stay as they were.
    Shared.CurrentView = 53;
    Answer(2480, {On(2482)});
    ChooseExternalWallType(*view);
    EXPECT_EQ(Cfg("EXTWALLM.CFG"), "230 0 0 0 2550 2400 2200 3 4 255");
}

TEST_F(PlanDialogs, AMissingWallTypeFileTakesTheShippedValues) {
    std::filesystem::remove(folder.Path() / "CFG" / "EXTWALLM.CFG");
    std::filesystem::remove(folder.Path() / "CFG" / "EXTWALLI.CFG");
    RecordingView& v = ViewWith(std::make_unique<TExtwallobjtool>());
    Answer(2480, {On(2481)});
    Answer(4200, {});
    RunPlanDialog(v, 4);
    EXPECT_EQ(Cfg("EXTWALLM.CFG"), "110 55 110 25 2550 2400 2400 0 0 0");
    Shared.Units = 0;
    Answer(2900, {On(2904)});
    Answer(4200, {});
    RunPlanDialog(v, 4);
    EXPECT_EQ(Cfg("EXTWALLI.CFG"), "108 48 108 24 2328 2304 2304 0 0 0");
}

} // namespace
