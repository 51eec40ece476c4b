// The floor title: placed below the lowest external wall, worded from the title settings, replaced
// rather than repeated, and saved with the drawing.
#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "platform/desktop.h"
#include "platform/scripted_desktop.h"
#include "test_support.h"
#include "view/title_block.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

class TitleBlock : public testing::Test {
  protected:
    void SetUp() override {
        ResetSharedState();
        platform::InstallDesktop(&desktop_);
        saved_ = DrawingList.ProgramDir;
        DrawingList.Flush();
        DrawingList.ProgramDir = folder_.Path().string() + "/";
        DrawingList.DrawingName = "HOUSE";
        DrawingList.FontName = "Liberation Sans";
        std::filesystem::create_directories(folder_.Path() / "DWGS");
        Cfg("MOFFSET.CFG", "600 800 1200 2700 9 9 10");
        Cfg("IOFFSET.CFG", "576 864 1152 2700 9 9 10");
        Cfg("TITLE2D.CFG", "17 16 17 GROUND FLOOR PLANFIRST FLOOR PLANSECOND FLOOR PLAN");
        Shared.Scale = 5;
        Shared.SheetWidth = 8400;
        Shared.TextSize = 12;
        Shared.FontWeight = 700;
        Shared.DrawingColour = platform::Rgb(0, 0, 128);
        Shared.CurrentView = 50;
    }
    void TearDown() override {
        DrawingList.Flush();
        DrawingList.ProgramDir = saved_;
        DrawingList.DrawingName.clear();
        DrawingList.FontName.clear();
        platform::InstallDesktop(nullptr);
        ResetSharedState();
    }

    void Cfg(const std::string& name, const std::string& text) {
        test_support::WriteFile(folder_.Path() / "CFG" / name, text);
    }
    void Wall(int view, int y) {
        auto wall = std::make_unique<TExtwallobj>();
        wall->view = view;
        wall->x1 = 5000, wall->y1 = y, wall->x2 = 15000, wall->y2 = y;
        DrawingList.Add(std::move(wall));
    }
    std::vector<const TTextobj*> Titles() const {
        std::vector<const TTextobj*> out;
        for (int i = 0; i < DrawingList.count; ++i)
            if (DrawingList[i]->type == 37) out.push_back(static_cast<const TTextobj*>(DrawingList[i]));
        return out;
    }
    std::filesystem::path DrawingFile() const { return folder_.Path() / "DWGS" / "HOUSE.DB0"; }

    test_support::TempFolder folder_;
    platform::ScriptedDesktop desktop_;

  private:
    std::string saved_;
};

} // namespace

TEST_F(TitleBlock, TitleIsCentredBelowTheLowestWallAndSaved) {
    Wall(50, 9000);
    Wall(50, 3000);
    Wall(51, 1000); // another floor's walls do not count
    MakeTitleBlock(DrawingList);
    const auto titles = Titles();
    ASSERT_EQ(titles.size(), 1u);
    const TTextobj& title = *titles[0];
    EXPECT_EQ(ObjectString(title.text), "GROUND FLOOR PLAN");
    EXPECT_EQ(title.textLength, 17);
    EXPECT_EQ(title.view, 50);
    EXPECT_EQ(title.x1, 8400 * 5 / 2);
    EXPECT_EQ(title.y1, 3000 - (2 * 800 + 1200));
    EXPECT_EQ(title.x2, 900);
    EXPECT_EQ(title.y2, 0);
    EXPECT_EQ(title.number, 0);
    EXPECT_EQ(title.aux, 0);
    EXPECT_EQ(title.alignment, 1);
    EXPECT_EQ(title.escapement, 0);
    EXPECT_EQ(title.size, 12);
    EXPECT_EQ(title.weight, 700);
    EXPECT_EQ(title.colour, static_cast<int>(platform::Rgb(0, 0, 128)));
    EXPECT_EQ(ObjectString(title.fontName), "Liberation Sans");
    ASSERT_TRUE(std::filesystem::exists(DrawingFile()));
    EXPECT_NE(test_support::ReadFile(DrawingFile()).find("Liberation SansGROUND FLOOR PLAN\n"),
              std::string::npos);
}

TEST_F(TitleBlock, MakingItTwiceLeavesOneTitle) {
    Wall(51, 4000);
    Shared.CurrentView = 51;
    MakeTitleBlock(DrawingList);
    MakeTitleBlock(DrawingList);
    const auto titles = Titles();
    ASSERT_EQ(titles.size(), 1u);
    EXPECT_EQ(ObjectString(titles[0]->text), "FIRST FLOOR PLAN");
    EXPECT_EQ(DrawingList.count, 2);
}

TEST_F(TitleBlock, ARewordedTitleStaysBesideTheNewOne) {
    Wall(50, 4000);
    MakeTitleBlock(DrawingList);
    TTextobj* first = const_cast<TTextobj*>(Titles()[0]);
    SetObjectString(first->text, first->textLength, "GROUND FLOOR");
    MakeTitleBlock(DrawingList);
    EXPECT_EQ(Titles().size(), 2u);
}

TEST_F(TitleBlock, FeetAndInchesTakeTheirOwnOffsets) {
    Shared.Units = 0;
    Shared.Scale = 6;
    Wall(52, 6000);
    Shared.CurrentView = 52;
    MakeTitleBlock(DrawingList);
    const auto titles = Titles();
    ASSERT_EQ(titles.size(), 1u);
    EXPECT_EQ(ObjectString(titles[0]->text), "SECOND FLOOR PLAN");
    EXPECT_EQ(titles[0]->y1, 6000 - (2 * 864 + 1152));
    EXPECT_EQ(titles[0]->x1, 8400 * 6 / 2);
}

TEST_F(TitleBlock, NoTitleWithoutWallsTitleOrSettings) {
    MakeTitleBlock(DrawingList);
    EXPECT_TRUE(Titles().empty());
    EXPECT_FALSE(std::filesystem::exists(DrawingFile())) << "nothing to save";

    Wall(53, 4000);
    Shared.CurrentView = 53; // the fourth plan has no title of its own
    MakeTitleBlock(DrawingList);
    EXPECT_TRUE(Titles().empty());

    Wall(50, 4000);
    Shared.CurrentView = 1050; // printing
    MakeTitleBlock(DrawingList);
    EXPECT_TRUE(Titles().empty());

    Shared.CurrentView = 50;
    std::filesystem::remove(folder_.Path() / "CFG" / "TITLE2D.CFG");
    MakeTitleBlock(DrawingList);
    EXPECT_TRUE(Titles().empty());

    Cfg("TITLE2D.CFG", "17 16 17 GROUND FLOOR PLANFIRST FLOOR PLANSECOND FLOOR PLAN");
    std::filesystem::remove(folder_.Path() / "CFG" / "MOFFSET.CFG");
    MakeTitleBlock(DrawingList);
    EXPECT_TRUE(Titles().empty());
    EXPECT_FALSE(std::filesystem::exists(DrawingFile()));
}
