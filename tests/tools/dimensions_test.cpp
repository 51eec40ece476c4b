// Dimensions as the drawing keeps them: the automatic ones of a floor's external walls (each wall's and
// the overall ones of a stepped outline), a manual dimension between two snapped points with its length
// confirmed or typed, and the records and texts each leaves in the drawing file.
#include "tools/dimensions.h"

#include "model/drawing_file.h"
#include "settings/cfg_files.h"
#include "tool_test_support.h"

#include <functional>
#include <sstream>
#include <vector>

using platform::DialogAnswer;
using tool_test::TestView;
using tool_test::ToolTest;

namespace {

class Dimensions : public ToolTest {
  protected:
    void SetUp() override {
        ToolTest::SetUp();
        Shared.ObjectSerial = 40;
        WriteCfg("MOFFSET.CFG", "500 600 1500 0 9 9 10");
    }

    void WriteCfg(const std::string& name, const std::string& bytes) const {
        test_support::WriteFile(folder.Path() / "CFG" / name, bytes);
    }
    // An external wall of the ground floor with its reference line, bearing and length; its inner
    // face runs `inset` units to its right.
    TExtwallobj& AddWall(int x1, int y1, int x2, int y2, int bearing, int length, int view = 50) {
        auto wall = std::make_unique<TExtwallobj>();
        wall->view = view;
        wall->number = length;
        wall->x1 = x1, wall->y1 = y1, wall->x2 = x2, wall->y2 = y2;
        wall->ewall1 = 110, wall->ewall2 = 55, wall->ewall3 = 110;
        wall->ewall6 = bearing;
        TExtwallobj& kept = *wall;
        DrawingList.Add(std::move(wall));
        return kept;
    }
    // Fixture R: the four 110/55/110 walls round (9725..20275) x (11725..20275), clockwise, their
    // inner faces 275 inside.
    void AddRectangle() {
        InnerFace(AddWall(9725, 20275, 20275, 20275, 900, 10550), 10000, 20000, 20000, 20000);
        InnerFace(AddWall(20275, 20275, 20275, 11725, 1800, 8550), 20000, 20000, 20000, 12000);
        InnerFace(AddWall(20275, 11725, 9725, 11725, 2700, 10550), 20000, 12000, 10000, 12000);
        InnerFace(AddWall(9725, 11725, 9725, 20275, 0, 8550), 10000, 12000, 10000, 20000);
    }
    static void InnerFace(TExtwallobj& wall, int x1, int y1, int x2, int y2) {
        wall.f3x1 = x1, wall.f3y1 = y1, wall.f3x2 = x2, wall.f3y2 = y2;
    }
    template <class Object> void AddObject(int type, int view, int x1 = 1000) {
        auto object = std::make_unique<Object>();
        object->type = type;
        object->view = view;
        object->x1 = x1;
        DrawingList.Add(std::move(object));
    }

    void Dimension(TLineobjtool& tool) {
        OnView(tool, [&](platform::DeviceContext& dc) { tool.AddDimension(dc, client, 0, 0, 0, 'o'); });
    }
    std::vector<const TObject*> OfType(int type) const {
        std::vector<const TObject*> found;
        for (int i = 0; i < DrawingList.count; ++i)
            if (DrawingList[i]->type == type) found.push_back(DrawingList[i]);
        return found;
    }
    const TTextobj& Text(int index) const { return *dynamic_cast<const TTextobj*>(OfType(34).at(index)); }
    static std::string TipOf(const TObject* arrow) {
        return std::to_string(arrow->x1) + "," + std::to_string(arrow->y1);
    }
    // The stored lines of the drawing file that start with `start`.
    std::vector<std::string> StoredLines(const std::string& start) const {
        std::istringstream file(DrawingFile());
        std::vector<std::string> found;
        for (std::string line; std::getline(file, line);)
            if (line.rfind(start, 0) == 0) found.push_back(line);
        return found;
    }
    static std::string Placed(const TTextobj& text) {
        return std::string(ObjectString(text.text)) + " at " + std::to_string(text.x1) + "," +
               std::to_string(text.y1) + " x2 " + std::to_string(text.x2) + " code " +
               std::to_string(text.alignment) + " turned " + std::to_string(text.escapement);
    }

    TLineobjtool pick;
};

TEST_F(Dimensions, EachWallOfARectangleIsDimensionedOutsideIt) {
    AddRectangle();
    Dimension(pick);

    EXPECT_EQ(pick.Kind, 31);
    ASSERT_EQ(OfType(25000).size(), 8u);
    ASSERT_EQ(OfType(34).size(), 4u);
    EXPECT_EQ(TipOf(OfType(25000)[0]), "9725,20875");
    EXPECT_EQ(TipOf(OfType(25000)[1]), "20275,20875");
    EXPECT_EQ(Placed(Text(0)), "10550 at 15000,20875 x2 900 code 6 turned 0");
    EXPECT_EQ(Placed(Text(1)), "8550 at 20875,16000 x2 1800 code 6 turned 0");
    EXPECT_EQ(Placed(Text(2)), "10550 at 15000,11125 x2 2700 code 4 turned 0");
    EXPECT_EQ(Placed(Text(3)), "8550 at 9125,16000 x2 0 code 6 turned 0");

    // Saved: each wall's arrows and text share one number, 41 to 44 in list order, no floor base.
    const std::vector<std::string> arrows = StoredLines("25000 ");
    ASSERT_EQ(arrows.size(), 8u);
    EXPECT_EQ(arrows[0],
              "25000 50 0 41 -11275 6025 -11075 6025 -11175 6050 -11175 6000 -11275 6125 -11275 5925 0");
    EXPECT_EQ(arrows[7].substr(0, 14), "25000 50 0 44 ");
    const std::vector<std::string> texts = StoredLines("34 ");
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0], "34 50 0 41 -6000 6025 900 0 0 0 5 0 6 5 9 400 Arial10550");
    EXPECT_EQ(texts[3], "34 50 0 44 -11875 1150 0 0 0 0 4 0 6 5 9 400 Arial8550");
    EXPECT_EQ(Shared.ObjectSerial, 44);
}

TEST_F(Dimensions, AFreshRunReplacesOnlyThisFloorsAutomaticDimensions) {
    AddRectangle();
    AddObject<TArrowobj>(25000, 51);
    AddObject<TTextobj>(34, 51);
    AddObject<TArrowobj>(26000, 50);
    AddObject<TTextobj>(35, 50);
    Dimension(pick);
    std::vector<std::string> first;
    for (const TObject* arrow : OfType(25000))
        first.push_back(TipOf(arrow));

    Dimension(pick);
    // The same dimensions with new numbers; the first floor's and the manual ones stay.
    std::vector<std::string> second;
    for (const TObject* arrow : OfType(25000))
        second.push_back(TipOf(arrow));
    EXPECT_EQ(second, first);
    ASSERT_EQ(OfType(34).size(), 5u);
    EXPECT_EQ(OfType(34)[0]->view, 51);
    EXPECT_EQ(OfType(34)[1]->number, 45);
    EXPECT_EQ(OfType(26000).size(), 1u);
    EXPECT_EQ(OfType(35).size(), 1u);
    EXPECT_EQ(StoredLines("34 ").size(), 5u);

    // A floor without external walls only loses its automatic dimensions, and is still saved.
    Shared.CurrentView = 51;
    Dimension(pick);
    EXPECT_EQ(OfType(34).size(), 4u);
    EXPECT_EQ(StoredLines("34 51").size(), 0u);
}

TEST_F(Dimensions, VerticalWallTextsTurnWithTheTextOrientation) {
    WriteCfg("MOFFSET.CFG", "500 600 1500 2700 9 9 10");
    AddRectangle();
    Dimension(pick);
    EXPECT_EQ(Placed(Text(1)), "8550 at 20875,16000 x2 1800 code 4 turned 2700");
    EXPECT_EQ(Placed(Text(3)), "8550 at 9125,16000 x2 0 code 6 turned 2700");
    EXPECT_EQ(Placed(Text(0)), "10550 at 15000,20875 x2 900 code 6 turned 0");
}

TEST_F(Dimensions, SidesThatStepGetAnOverallDimension) {
    AddWall(10000, 20000, 16000, 20000, 900, 6000);
    AddWall(16000, 20000, 16000, 16000, 1800, 4000);
    AddWall(16000, 16000, 20000, 16000, 900, 4000);
    AddWall(20000, 16000, 20000, 12000, 1800, 4000);
    AddWall(20000, 12000, 10000, 12000, 2700, 10000);
    AddWall(10000, 12000, 10000, 20000, 0, 8000);
    Dimension(pick);

    // After the six walls' own dimensions: the top one, then the right one; no bottom or left one.
    ASSERT_EQ(OfType(34).size(), 8u);
    ASSERT_EQ(OfType(25000).size(), 16u);
    EXPECT_EQ(Placed(Text(6)), "10000 at 15000,21500 x2 900 code 6 turned 0");
    EXPECT_EQ(Text(6).number, 47);
    EXPECT_EQ(TipOf(OfType(25000)[12]), "10000,21500");
    EXPECT_EQ(TipOf(OfType(25000)[13]), "20000,21500");
    EXPECT_EQ(Placed(Text(7)), "8000 at 21500,16000 x2 1800 code 6 turned 0");
    EXPECT_EQ(Text(7).number, 48);
    EXPECT_EQ(TipOf(OfType(25000)[14]), "21500,20000");
    EXPECT_EQ(TipOf(OfType(25000)[15]), "21500,12000");

    // Only an orientation of exactly 2700 turns the right-hand text; 900 turns the walls' own.
    WriteCfg("MOFFSET.CFG", "500 600 1500 900 9 9 10");
    Dimension(pick);
    EXPECT_EQ(Placed(Text(7)), "8000 at 21500,16000 x2 1800 code 6 turned 0");
    EXPECT_EQ(Text(1).escapement, 2700);
    WriteCfg("MOFFSET.CFG", "500 600 1500 2700 9 9 10");
    Dimension(pick);
    EXPECT_EQ(Placed(Text(7)), "8000 at 21500,16000 x2 1800 code 4 turned 2700");
}

TEST_F(Dimensions, FeetAndInchesTextsEndAsWallAndOverallTextsDo) {
    Shared.Units = 0;
    Shared.Scale = 6;
    WriteCfg("IOFFSET.CFG", "576 864 1152 0 9 9 10");
    AddWall(2880, 8640, 4608, 8640, 900, 1728);
    AddWall(4608, 8640, 4608, 7200, 1800, 1440);
    AddWall(4608, 7200, 4896, 7200, 900, 288);
    AddWall(4896, 7200, 4896, 5760, 1800, 1440);
    AddWall(4896, 5760, 2880, 5760, 2700, 2016);
    AddWall(2880, 5760, 2880, 8640, 0, 2880);
    Dimension(pick);
    EXPECT_EQ(std::string(ObjectString(Text(2).text)), "1' 0'' ");
    EXPECT_EQ(std::string(ObjectString(Text(0).text)), "6' 0'' ");
    EXPECT_EQ(std::string(ObjectString(Text(6).text)), "7' 0''"); // the top chain: 1728 + 288
}

TEST_F(Dimensions, ASlantingWallIsDimensionedAlongItsLeftSide) {
    AddWall(10000, 10000, 13000, 13000, 450, 4242);
    Dimension(pick);
    ASSERT_EQ(OfType(34).size(), 1u);
    EXPECT_EQ(Placed(Text(0)), "4242 at 11076,11924 x2 450 code 6 turned 3150");
    const auto& first = *dynamic_cast<const TArrowobj*>(OfType(25000).at(0));
    EXPECT_EQ(TipOf(&first), "9576,10424");
    EXPECT_EQ(std::vector<int>({first.x2, first.y2, first.ax1, first.ay1, first.ax2, first.ay2, first.ax3,
                                first.ay3, first.ax4, first.ay4}),
              std::vector<int>({9717, 10565, 9629, 10511, 9663, 10477, 9506, 10494, 9646, 10354}));
    const auto& second = *dynamic_cast<const TArrowobj*>(OfType(25000).at(1));
    EXPECT_EQ(TipOf(&second), "12576,13424");
    EXPECT_EQ(second.x2, 12435);
    EXPECT_EQ(second.y2, 13283);
}

TEST_F(Dimensions, SlantingTextsReadFromBelowOrFromTheLeft) {
    // Bearings 1350, 2250 and 3150 (down-right, down-left, up-left).
    AddWall(10000, 13000, 13000, 10000, 1350, 4242);
    AddWall(13000, 13000, 10000, 10000, 2250, 4242);
    AddWall(13000, 10000, 10000, 13000, 3150, 4242);
    Dimension(pick);
    ASSERT_EQ(OfType(34).size(), 3u);
    EXPECT_EQ(Text(0).escapement, 450);
    EXPECT_EQ(Text(1).escapement, 3150);
    EXPECT_EQ(Text(1).alignment, 4);
    EXPECT_EQ(Text(2).escapement, 450);
}

TEST_F(Dimensions, AShortSlantingWallHasItsTextTwiceAsFarOut) {
    AddWall(10000, 10000, 10030, 10030, 450, 42);
    Dimension(pick);
    // The midpoint (10015, 10015) moved twice by 424 along the left normal.
    EXPECT_EQ(Text(0).x1, 10015 - 848);
    EXPECT_EQ(Text(0).y1, 10015 + 848);
}

TEST_F(Dimensions, ASlantingWallStoredWithAnAxisBearingTakesItsQuarterFromItsEnds) {
    // Running down and to the right, but stored with the bearing of a wall running east.
    AddWall(10000, 13000, 13000, 10000, 900, 4242);
    AddWall(10000, 10000, 13000, 13000, 3600 + 450, 4242); // an unreduced bearing
    Dimension(pick);
    ASSERT_EQ(OfType(34).size(), 2u);
    ASSERT_EQ(OfType(25000).size(), 4u);
    // Down and to the right: its text and arrows stand off its left side, above the line.
    EXPECT_EQ(Placed(Text(0)), "4242 at 11500,12099 x2 900 code 6 turned 0");
    EXPECT_EQ(TipOf(OfType(25000)[0]), "10000,13599");
    EXPECT_EQ(TipOf(OfType(25000)[1]), "13000,10599");
    EXPECT_EQ(Placed(Text(1)), "4242 at 11076,11924 x2 450 code 6 turned 3150");
}

TEST_F(Dimensions, ArrowsForTheRoomCodeTakeTheirTypeAndLeaveTheShaftInTheTool) {
    pick.Number = 77;
    pick.LineStyle() = 2;
    AddDimensionArrow(pick, 26000, 5000, 6000, 'b');
    AddDimensionArrow(pick, 26000, 5000, 6000, 'x'); // no such side: nothing
    ASSERT_EQ(DrawingList.count, 1);
    const auto& arrow = *dynamic_cast<const TArrowobj*>(DrawingList[0]);
    EXPECT_EQ(arrow.type, 26000);
    EXPECT_EQ(arrow.number, 77);
    EXPECT_EQ(std::vector<int>({arrow.x2, arrow.y2, arrow.ax1, arrow.ay1, arrow.ax2, arrow.ay2, arrow.ax3,
                                arrow.ay3, arrow.ax4, arrow.ay4}),
              std::vector<int>({5000, 6200, 4975, 6100, 5025, 6100, 4900, 6000, 5100, 6000}));
    EXPECT_EQ(std::vector<int>({pick.X1, pick.Y1, pick.X2, pick.Y2, pick.LineStyle()}),
              std::vector<int>({5000, 6000, 5000, 6200, 0}));
    EXPECT_FALSE(DrawingFileExists());
}

class ManualDimensions : public Dimensions {
  protected:
    // A manual dimension's points at drawing points, one call each, as the Enter key gives them.
    void MarkAt(int x, int y) {
        OnView(tool, [&](platform::DeviceContext& dc) {
            const platform::Point at = PixelOf(x, y);
            tool.AddDimension(dc, client, at.x, at.y, 1, 'z');
        });
        tool.State += 1;
    }
    platform::Point Snapped(int x, int y) const {
        int sx = 300000, sy = 300000;
        NearestWallPoint(x, y, sx, sy);
        return {sx, sy};
    }

    TLineobjtool tool;
};

TEST_F(ManualDimensions, PointsSnapToTheFirstFaceWithin30Units) {
    AddRectangle();
    // The west wall's outer face at x 9725 and its inner face at x 10000.
    EXPECT_EQ(Snapped(9745, 16000), (platform::Point{9725, 300000}));
    EXPECT_EQ(Snapped(9755, 16000), (platform::Point{300000, 300000}));
    EXPECT_EQ(Snapped(10020, 16000), (platform::Point{10000, 300000}));
    // Near both the north wall and the west wall: the north wall comes first in the list.
    EXPECT_EQ(Snapped(9740, 20260), (platform::Point{300000, 20275}));
    // Other floors' walls do not count.
    Shared.CurrentView = 51;
    EXPECT_EQ(Snapped(9745, 16000), (platform::Point{300000, 300000}));

    // Rooms snap by their stored edges: sides first, then top and bottom; internal walls by either face.
    Shared.CurrentView = 50;
    DrawingList.Flush();
    auto room = std::make_unique<TRoomobj>();
    room->view = 50;
    room->x1 = 2000, room->y1 = 6000, room->x2 = 5000, room->y2 = 3000;
    DrawingList.Add(std::move(room));
    EXPECT_EQ(Snapped(4990, 4000), (platform::Point{5000, 300000}));
    EXPECT_EQ(Snapped(3000, 3020), (platform::Point{300000, 3000}));
    auto wall = std::make_unique<TIntwallobj>();
    wall->view = 50;
    wall->x1 = 8000, wall->y1 = 1000, wall->x2 = 8000, wall->y2 = 4000;
    wall->fx1 = 8100, wall->fy1 = 1000, wall->fx2 = 8100, wall->fy2 = 4000;
    DrawingList.Add(std::move(wall));
    EXPECT_EQ(Snapped(8120, 2000), (platform::Point{8100, 300000}));
}

TEST_F(ManualDimensions, TheLongerRunDecidesTheDirectionAndATieGoesHorizontal) {
    tool.State = 20;
    MarkAt(6000, 8000);
    MarkAt(4000, 10000); // |dx| = |dy|, second point left of the first
    EXPECT_EQ(tool.Extra1, 2000);
    EXPECT_EQ(tool.Angle, 2700);
    EXPECT_EQ(tool.CrossMode, 0);
    ASSERT_EQ(OfType(26000).size(), 2u);
    EXPECT_EQ(TipOf(OfType(26000)[0]), "4000,8000"); // 'l' at the smaller x, at the first point's height
    EXPECT_EQ(TipOf(OfType(26000)[1]), "6000,8000");
    EXPECT_EQ(OfType(26000)[0]->number, 41);
    EXPECT_FALSE(DrawingFileExists()); // the arrows are saved only with the text
    // Both arrows were painted at once.
    EXPECT_EQ(surface.CallsNamed("LineTo").size(), 8u);

    // State 22: the text at the middle, horizontal even with the orientation 2700.
    WriteCfg("MOFFSET.CFG", "500 600 1500 2700 9 10 10");
    Dimensions::OnView(tool,
                       [&](platform::DeviceContext& dc) { tool.AddDimension(dc, client, 0, 0, 0, 'z'); });
    const std::vector<std::string> texts = StoredLines("35 ");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], "35 50 0 41 -16000 -6850 2700 0 0 0 4 0 6 5 10 400 Arial2000");
    EXPECT_EQ(StoredLines("26000 ").size(), 2u);
}

TEST_F(ManualDimensions, AVerticalTextTurnsOnlyWithOrientation2700) {
    WriteCfg("MOFFSET.CFG", "500 600 1500 2700 9 9 10");
    tool.State = 20;
    MarkAt(6000, 8000);
    MarkAt(6100, 5000);
    EXPECT_EQ(tool.Angle, 1800);
    EXPECT_EQ(tool.CrossMode, 1);
    EXPECT_EQ(TipOf(OfType(26000)[0]), "6000,8000"); // 't' at the top
    EXPECT_EQ(TipOf(OfType(26000)[1]), "6000,5000");
    Dimensions::OnView(tool,
                       [&](platform::DeviceContext& dc) { tool.AddDimension(dc, client, 0, 0, 0, 'z'); });
    EXPECT_EQ(StoredLines("35 ").at(0), "35 50 0 41 -15000 -8350 1800 0 0 0 4 2700 6 5 9 400 Arial3000");
}

TEST_F(ManualDimensions, MeasurementIsConfirmedOrTypedBeforeTheText) {
    TestView view;
    view.window = window;
    view.tool->State = 20;
    EnterMeasurement(view, PixelOf(6000, 8000).x, PixelOf(6000, 8000).y);
    EXPECT_TRUE(desktop.Inputs().empty()); // the first point asks nothing
    view.tool->State = 21;
    desktop.QueueInput(std::string("2400"));
    EnterMeasurement(view, PixelOf(9000, 8000).x, PixelOf(9000, 8000).y);
    ASSERT_EQ(desktop.Inputs().size(), 1u);
    EXPECT_EQ(desktop.Inputs()[0].title, "Measurement");
    EXPECT_EQ(desktop.Inputs()[0].text, "3000");
    EXPECT_EQ(StoredLines("35 ").at(0).substr(StoredLines("35 ").at(0).size() - 4), "2400");
    EXPECT_EQ(view.tool->Kind, 21);

    // Text that is no number is passed on as 0.
    view.tool = std::make_unique<TLineobjtool>();
    view.tool->State = 21;
    view.tool->X1 = 6000, view.tool->Y1 = 5000;
    desktop.QueueInput(std::string("abc"));
    EnterMeasurement(view, PixelOf(9000, 5000).x, PixelOf(9000, 5000).y);
    EXPECT_EQ(StoredLines("35 ").at(1).substr(StoredLines("35 ").at(1).size() - 1), "0");
}

TEST_F(ManualDimensions, AWindowResizedBehindTheLengthBoxLeavesTheDimensionWhereItWasMarked) {
    AddRectangle();
    DrawingList.WriteDrawingNow();
    // Between the north and south walls' inner faces, its length confirmed: once as it is, once with
    // the window made taller behind the box, which fits the sheet anew (its centre 2500 higher) and
    // reads the drawing back against it; the view's paint then moves what the tool holds with it.
    const auto measure = [&](const std::function<void(TDrawingtool&)>& behindTheBox) {
        TestView view;
        view.window = window;
        view.tool->State = 20;
        EnterMeasurement(view, PixelOf(15000, 19990).x, PixelOf(15000, 19990).y);
        view.tool->State = 21;
        desktop.QueueInput(std::string("8000"));
        if (behindTheBox) desktop.whileModal = [&] { behindTheBox(*view.tool); };
        EnterMeasurement(view, PixelOf(15000, 12010).x, PixelOf(15000, 12010).y);
        desktop.whileModal = {};
        std::vector<std::string> stored = StoredLines("26000 ");
        for (const std::string& text : StoredLines("35 "))
            stored.push_back(text);
        return stored;
    };
    const std::vector<std::string> still = measure({});
    ASSERT_EQ(still.size(), 3u);
    ASSERT_EQ(still[2].substr(still[2].size() - 4), "8000");
    DrawingList.Flush();
    AddRectangle();
    DrawingList.TakeAsDrawing();
    DrawingList.WriteDrawingNow();
    Shared.ObjectSerial = 40;
    const std::vector<std::string> resized = measure([](TDrawingtool& tool) {
        Shared.SheetHeight += 1000;
        DrawingList.Flush();
        DrawingList.ReadDrawing();
        tool.FollowSheetCentre(SheetCentreInForce());
    });
    EXPECT_EQ(resized, still);
}

TEST_F(ManualDimensions, FeetAndInchesAreAskedInTheMeasurementDialog) {
    Shared.Units = 0;
    Shared.Scale = 6;
    WriteCfg("IOFFSET.CFG", "576 864 1152 0 9 9 10");
    TestView view;
    view.window = window;
    const auto answer = [&](const char* feet, const char* inches, const char* numerator,
                            const char* denominator) {
        desktop.QueueDialog({9500,
                             DialogAnswer::Button::Ok,
                             {{9501, DialogAnswer::Fill::Kind::Text, feet, 0},
                              {9502, DialogAnswer::Fill::Kind::Text, inches, 0},
                              {9503, DialogAnswer::Fill::Kind::Text, numerator, 0},
                              {9504, DialogAnswer::Fill::Kind::Text, denominator, 0}}});
    };
    const auto measure = [&] {
        view.tool = std::make_unique<TLineobjtool>();
        view.tool->State = 21;
        view.tool->X1 = 6000, view.tool->Y1 = 6000;
        EnterMeasurement(view, PixelOf(7200, 6000).x, PixelOf(7200, 6000).y);
    };
    answer("5", "3", "1", "2");
    measure();
    // The dialog opened on the measured 1200 units, 4' 2''.
    EXPECT_EQ(desktop.ControlsAtOpening(9500)->at(9501), "4");
    EXPECT_EQ(desktop.ControlsAtOpening(9500)->at(9502), "2");
    EXPECT_EQ(std::string(ObjectString(dynamic_cast<const TTextobj&>(*OfType(35).at(0)).text)), "5' 3 1/2''");
    answer("2", "0", "1", "3"); // a third is ignored
    measure();
    EXPECT_EQ(std::string(ObjectString(dynamic_cast<const TTextobj&>(*OfType(35).at(1)).text)), "2' 0''");
    // All zero counts as a cancel: the pick tool, no text, and a repaint that takes the arrows away.
    answer("0", "0", "0", "0");
    view.log.clear();
    measure();
    EXPECT_EQ(OfType(35).size(), 2u);
    EXPECT_EQ(view.tool->Kind, 21);
    EXPECT_EQ(view.log, (std::vector<std::string>{"pick tool", "repaint whole erased"}));
    EXPECT_EQ(StoredLines("26000 ").size(), 4u);
}

} // namespace
