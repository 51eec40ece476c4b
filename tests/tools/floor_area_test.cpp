// The floor area as a finished plan reports it: kept in the floor's record, saved and shown in the
// "External Area" message, and the floor-area dialog of the plan views.
#include "tools/floor_area.h"

#include "tool_test_support.h"

#include <vector>

using tool_test::TestView;
using tool_test::ToolTest;

namespace {

using Log = std::vector<std::string>;

// The line tool with its finishing action and dimensioning written down as the view calls them.
class FinishingTool : public TLineobjtool {
  public:
    explicit FinishingTool(Log& log) : log_(log) {}
    void Action(int code) override { log_.push_back("Action(" + std::to_string(code) + ")"); }
    void AddDimension(platform::DeviceContext& dc, const platform::Rect& client, int x, int y, int code,
                      int side) override {
        log_.push_back("AddDimension(" + std::to_string(x) + "," + std::to_string(y) + "," +
                       std::to_string(code) + "," + static_cast<char>(side) + ")");
        TLineobjtool::AddDimension(dc, client, x, y, code, side);
    }

  private:
    Log& log_;
};

class FloorArea : public ToolTest {
  protected:
    void SetUp() override {
        ToolTest::SetUp();
        view.tool = std::make_unique<FinishingTool>(log);
        view.window = window;
        desktop.onMessage = [this](const platform::ShownMessage& shown) {
            log.push_back(shown.caption + ": " + shown.text + " [" + desktop.StatusText() + "]");
        };
        for (int view : {50, 51, 52, 53}) {
            auto record = std::make_unique<TInfoobj>();
            record->type = 31950 + view;
            record->view = view;
            DrawingList.Add(std::move(record));
        }
    }
    int RecordValue(int type) const {
        return dynamic_cast<const TInfoobj&>(*DrawingList[DrawingList.FindType(type)]).value;
    }

    TestView view;
    Log& log = view.log;
};

TEST_F(FloorArea, TheReportKeepsTheAreaInTheFloorsRecordAndShowsIt) {
    Shared.CurrentView = 51;
    DrawingList.SetArea(120);
    ReportFloorArea(view, 2);
    EXPECT_EQ(RecordValue(32001), 120);
    EXPECT_EQ(RecordValue(32000), 0);
    EXPECT_NE(DrawingFile().find("\n32001 51 0 0 -21000 0 -14850 -21000 0 -14850 120 "), std::string::npos);
    EXPECT_EQ(log, (Log{"External Area: Area and Dimensions should be checked manually\n"
                        "Total Building Area this floor: 120 sq. metres [HELP - press button if showing or "
                        "press F1 key]"}));
    EXPECT_EQ(desktop.StatusText(), "Pick drawingtool");
    EXPECT_EQ(view.tool->Kind, 20);

    // Feet and inches show the same number, unconverted.
    Shared.Units = 0;
    ReportFloorArea(view, 2);
    EXPECT_EQ(desktop.Messages().back().text,
              "Area and Dimensions should be checked manually\nTotal Building Area this floor: 120 sq. feet");
}

TEST_F(FloorArea, WithoutARecordTheAreaIsStillShownAndTheDrawingSaved) {
    DrawingList.Flush();
    DrawingList.SetArea(64);
    ReportFloorArea(view, 2);
    EXPECT_TRUE(DrawingFileExists());
    ASSERT_EQ(desktop.Messages().size(), 1u);
    EXPECT_EQ(desktop.Messages()[0].caption, "External Area");

    // Units that are neither metric nor feet and inches: stored and saved, but no message.
    std::filesystem::remove(folder.Path() / "DWGS" / "HOUSE.DB0");
    Shared.Units = 2;
    ReportFloorArea(view, 2);
    EXPECT_TRUE(DrawingFileExists());
    EXPECT_EQ(desktop.Messages().size(), 1u);
    EXPECT_EQ(view.tool->Kind, 20);
}

TEST_F(FloorArea, CompletingAFloorFinishesDimensionsRecordsAndRepaints) {
    test_support::WriteFile(folder.Path() / "CFG" / "MOFFSET.CFG", "500 600 1500 0 9 9 10");
    for (auto [x1, y1, x2, y2, bearing] :
         {std::array{10000, 16000, 14000, 16000, 900}, std::array{14000, 16000, 14000, 13000, 1800},
          std::array{14000, 13000, 10000, 13000, 2700}, std::array{10000, 13000, 10000, 16000, 0}}) {
        auto wall = std::make_unique<TExtwallobj>();
        wall->view = 50;
        wall->x1 = x1, wall->y1 = y1, wall->x2 = x2, wall->y2 = y2, wall->ewall6 = bearing;
        wall->number = x1 == x2 ? 3000 : 4000;
        DrawingList.Add(std::move(wall));
    }
    DrawingList.SetArea(12);
    CompleteFloorPlan(view, 8);
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[0], "Action(1)");
    EXPECT_EQ(log[1], "AddDimension(0,0,0,o)");
    EXPECT_EQ(log[2].substr(log[2].find("this floor")), "this floor: 12 sq. metres []");
    EXPECT_EQ(log[3], "repaint whole erased");
    EXPECT_EQ(RecordValue(32000), 12);
    const std::string file = DrawingFile();
    EXPECT_NE(file.find("\n32000 50 0 0 -21000 0 -14850 -21000 0 -14850 12 "), std::string::npos);
    EXPECT_NE(file.find(" Arial4000\n"), std::string::npos); // the north wall's dimension, saved
    EXPECT_EQ(view.tool->Kind, 31);
}

TEST_F(FloorArea, TheDialogShowsOnPlanViewsOnly) {
    desktop.QueueDialog({17000, platform::DialogAnswer::Button::Ok, {}});
    dynamic_cast<TInfoobj&>(*DrawingList.Edit(0)).value = 15;
    FloorAreaDialog(view);
    ASSERT_EQ(desktop.DialogsRun(), (std::vector<int>{17000}));
    EXPECT_EQ(desktop.ControlsAtOpening(17000)->at(17002), "15 sq. metres");
    for (int other : {40, 45, 55}) {
        Shared.CurrentView = other;
        FloorAreaDialog(view);
    }
    Shared.CurrentView = 54;
    FloorAreaDialog(view);
    EXPECT_EQ(desktop.DialogsRun(), (std::vector<int>{17000, 17000}));
}

} // namespace
