// Which objects a view paints, in which order and whether as overlays, by view and display mode.
#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "platform/device_context.h"
#include "platform/recording_surface.h"
#include "settings/cfg_files.h"
#include "test_support.h"
#include "view/whole_view_painting.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace platform;

namespace {

constexpr ColourRef Overlay = Rgb(255, 0, 255);

class WholeViewPainting : public testing::Test {
  protected:
    void SetUp() override {
        ResetSharedState();
        Shared.OverlayColour = Overlay;
        savedProgramDir_ = DrawingList.ProgramDir;
        DrawingList.ProgramDir = folder_.Path().string() + "/";
        std::filesystem::create_directories(folder_.Path() / "CFG");
    }
    void TearDown() override {
        DrawingList.ProgramDir = savedProgramDir_;
        ResetSharedState();
    }

    // Every object is drawn as a short line starting at x = its id, so the painted ids can be read off
    // the moves; the line's pen tells an overlay (texts draw without a pen of their own).
    void Add(int view, int type, int id) {
        auto line = std::make_unique<TLineobj>();
        line->view = view;
        line->type = type;
        line->x1 = id, line->y1 = 0, line->x2 = id, line->y2 = 10;
        line->colour = static_cast<int>(Rgb(0, 0, 0));
        list.Add(std::move(line));
    }
    void Flags(int f1, int f2, int f3, int f4, int f5) {
        test_support::WriteFile(folder_.Path() / "CFG" / "OVERLAY.CFG",
                                std::to_string(f1) + " " + std::to_string(f2) + " " + std::to_string(f3) +
                                    " " + std::to_string(f4) + " " + std::to_string(f5));
    }

    // The ids painted, in order, an overlay marked "o".
    std::vector<std::string> Paint(int view, int displayMode) {
        Shared.CurrentView = view;
        Shared.DisplayMode = displayMode;
        surface.Clear();
        DeviceContext dc(surface);
        PaintAll(list, dc, Rect{0, 0, 640, 480});
        std::vector<std::string> painted;
        for (const DrawCall& call : surface.CallsNamed("LineTo"))
            painted.push_back(std::to_string(call.args[0]) + (call.pen.colour == Overlay ? "o" : ""));
        return painted;
    }
    using Ids = std::vector<std::string>;

    // Three floors, each with a line, an automatic dimension text, its title and an automatic
    // dimension arrow: ids are view * 10 + a digit.
    void ThreeFloors() {
        for (int view : {50, 51, 52}) {
            Add(view, 1, view * 10 + 1);
            Add(view, 34, view * 10 + 4);
            Add(view, 37, view * 10 + 7);
            Add(view, 25000, view * 10 + 9);
        }
    }

    test_support::TempFolder folder_;
    TList list;
    RecordingSurface surface;

  private:
    std::string savedProgramDir_;
};

} // namespace

TEST_F(WholeViewPainting, PreparesTheViewBeforeAnyObject) {
    Shared.ClientWidth = 3200;
    Shared.ClientHeight = 2400;
    Shared.ScrollX = 10;
    Shared.ScrollY = 20;
    Shared.BackgroundColour = Rgb(1, 2, 3);
    Add(50, 1, 100);
    Paint(50, 0);
    std::vector<std::string> names;
    for (const DrawCall& call : surface.Calls())
        names.push_back(call.name);
    ASSERT_GE(names.size(), 8u);
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 8),
              (std::vector<std::string>{"SetMapMode", "SetWindowExt", "SetViewportExt", "SetWindowOrg",
                                        "SetViewportOrg", "SetBkMode", "SetBkColor", "SetROP2"}));
    const auto& calls = surface.Calls();
    EXPECT_EQ(calls[1].args, (std::vector<int>{3200, 2400}));
    EXPECT_EQ(calls[2].args, (std::vector<int>{640, -480}));
    EXPECT_EQ(calls[3].args, (std::vector<int>{10, 20}));
    EXPECT_EQ(calls[4].args, (std::vector<int>{0, 480}));
    EXPECT_EQ(calls[6].args, (std::vector<int>{static_cast<int>(Rgb(1, 2, 3))}));
    EXPECT_EQ(calls[7].args, (std::vector<int>{static_cast<int>(RasterOp::CopyPen)}));
}

TEST_F(WholeViewPainting, LayoutViewsPaintTheirOwnAndTheMarkedLayoutsObjects) {
    Add(40, 29000, 1);
    Add(45, 11, 2);
    Add(50, 1, 3);
    Add(40, 32000, 4); // information records never paint
    Add(45, 1, 5);
    EXPECT_EQ(Paint(45, 0), (Ids{"1", "2", "5"}));
    EXPECT_EQ(Paint(40, 0), (Ids{"1"}));
    EXPECT_EQ(Paint(45, 35), (Ids{"1", "2", "5"})) << "the display mode does not choose here";
}

TEST_F(WholeViewPainting, ViewsOutsideTheLayoutAndFloorsPaintNothing) {
    Add(0, 1, 1);
    Add(100, 1, 2);
    Add(50, 1, 3);
    Add(1050, 1, 4);
    for (int view : {0, 100, 1000, 1050}) {
        EXPECT_TRUE(Paint(view, 0).empty()) << view;
        EXPECT_FALSE(surface.Calls().empty()) << "the context is still prepared";
    }
}

TEST_F(WholeViewPainting, FloorPlanWithOrWithoutDimensions) {
    ThreeFloors();
    Add(51, 4, 515);
    Add(51, 35, 516);
    Add(51, 26000, 518);
    Add(51, 32001, 510);
    for (int mode : {0, 10, 20})
        EXPECT_EQ(Paint(51, mode), (Ids{"511", "514", "517", "519", "515", "516", "518"})) << mode;
    for (int mode : {1, 11, 21})
        EXPECT_EQ(Paint(51, mode), (Ids{"511", "517", "515"})) << mode;
    for (int mode : {5, 9, 30, 31, -1})
        EXPECT_TRUE(Paint(51, mode).empty()) << mode;
}

TEST_F(WholeViewPainting, OverlayMode2MakesTheHighestFlaggedFloorCurrent) {
    ThreeFloors();
    Flags(0, 1, 1, 0, 0);
    // Floor 50 is an overlay without texts and dimensions; floor 51 is painted whole.
    EXPECT_EQ(Paint(50, 2), (Ids{"501o", "511", "514", "517", "519"}));
    EXPECT_EQ(Shared.CurrentView, 51);
    EXPECT_EQ(Paint(50, 12), (Ids{"501o", "511", "514", "517", "519"}));
}

TEST_F(WholeViewPainting, OverlayMode22ChoosesTheFloorButKeepsEveryText) {
    ThreeFloors();
    Flags(0, 1, 0, 1, 0);
    EXPECT_EQ(Paint(50, 22), (Ids{"501o", "504", "507", "509o", "521", "524", "527", "529"}));
    EXPECT_EQ(Shared.CurrentView, 52);
}

TEST_F(WholeViewPainting, OverlayMode4PaintsFlaggedFloorsWholeAndLeavesTheCurrentFloor) {
    ThreeFloors();
    Flags(0, 1, 1, 0, 0);
    for (int mode : {4, 14, 24}) {
        EXPECT_EQ(Paint(50, mode), (Ids{"501", "504", "507", "509", "511o", "514", "517", "519o"})) << mode;
        EXPECT_EQ(Shared.CurrentView, 50);
    }
}

TEST_F(WholeViewPainting, FourthPlanIsFilteredWhenItIsTheCurrentView) {
    Add(53, 1, 531);
    Add(53, 34, 534);
    Add(50, 1, 501);
    Add(50, 34, 504);
    Flags(1, 0, 0, 0, 0);
    EXPECT_EQ(Paint(50, 2), (Ids{"531"})) << "53 becomes current and loses its texts";
    EXPECT_EQ(Shared.CurrentView, 53);
    Flags(1, 1, 0, 0, 0);
    EXPECT_EQ(Paint(53, 4), (Ids{"531", "534", "501o", "504"}));
}

TEST_F(WholeViewPainting, OverlayMode3KeepsOnlyTheCurrentFloorsTitle) {
    ThreeFloors();
    Add(51, 24, 512);
    Add(51, 36, 516);
    Flags(0, 1, 1, 0, 0);
    EXPECT_EQ(Paint(50, 3), (Ids{"501o", "511", "517"}));
    EXPECT_EQ(Shared.CurrentView, 51);
    // 13 and 23 keep the current floor.
    EXPECT_EQ(Paint(50, 13), (Ids{"501", "507", "511o"}));
    EXPECT_EQ(Shared.CurrentView, 50);
    EXPECT_EQ(Paint(51, 23), (Ids{"501o", "511", "517"}));
}

TEST_F(WholeViewPainting, DottedOutlinesOfEveryViewComeLastWithF5) {
    Add(52, 500, 1);
    Add(50, 1, 2);
    Add(40, 140, 3);
    Add(51, 150, 4);
    Flags(0, 1, 0, 0, 1);
    // Outline objects are dotted: the pen's style tells them; the overlay colour tells the flag.
    EXPECT_EQ(Paint(50, 4), (Ids{"2", "1o", "3o"}));
    EXPECT_EQ(Paint(50, 2), (Ids{"2", "1o", "3o"}));
    Flags(0, 1, 0, 0, 0);
    EXPECT_EQ(Paint(50, 4), (Ids{"2"}));
}

TEST_F(WholeViewPainting, OverlayModesWithoutFlagsOrSettingsPaintNothing) {
    ThreeFloors();
    Flags(0, 0, 0, 0, 0);
    for (int mode : {2, 3, 4, 12, 13, 14, 22, 23, 24}) {
        EXPECT_TRUE(Paint(51, mode).empty()) << mode;
        EXPECT_EQ(Shared.CurrentView, 51);
    }
    std::filesystem::remove(folder_.Path() / "CFG" / "OVERLAY.CFG");
    for (int mode : {2, 3, 4})
        EXPECT_TRUE(Paint(50, mode).empty()) << mode;
    // Flags other than 1 do not count.
    Flags(0, 2, -1, 0, 0);
    EXPECT_TRUE(Paint(50, 4).empty());
}

TEST_F(WholeViewPainting, EmptyDrawingStillMovesTheCurrentFloor) {
    Flags(0, 1, 1, 1, 0);
    EXPECT_TRUE(Paint(50, 2).empty());
    EXPECT_EQ(Shared.CurrentView, 52);
    Shared.CurrentView = 50;
    EXPECT_TRUE(Paint(50, 3).empty());
    EXPECT_EQ(Shared.CurrentView, 52);
}
