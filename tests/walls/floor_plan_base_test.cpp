// The floor plan as a whole: the area its external walls enclose, the plan centred on the sheet, and
// the size of the design rooms' rectangle shown while they are arranged.
#include "walls/floor_plan_base.h"
#include "walls_test_support.h"

#include <gtest/gtest.h>

namespace {

using walls_test::RecordingView;

class FloorPlan : public walls_test::WallTest {
  protected:
    // A plain wall of view 50 with its line only.
    static void AddLine(int x1, int y1, int x2, int y2, int view = 50) {
        DrawingList.Add(Wall(view, x1, y1, x2, y2, 0, 0, {}));
    }
    static void AddRectangle(int left, int bottom, int right, int top, bool clockwise) {
        if (clockwise) {
            AddLine(left, top, right, top);
            AddLine(right, top, right, bottom);
            AddLine(right, bottom, left, bottom);
            AddLine(left, bottom, left, top);
        } else {
            AddLine(left, top, left, bottom);
            AddLine(left, bottom, right, bottom);
            AddLine(right, bottom, right, top);
            AddLine(right, top, left, top);
        }
    }
    static int Area() {
        DrawingList.SetArea(-12345);
        ComputeFloorArea();
        return DrawingList.GetArea();
    }
};

TEST_F(FloorPlan, TheAreaIsWhatTheOutlineEncloses) {
    AddHouse();
    EXPECT_EQ(Area(), 90);
    DrawingList.Flush();
    AddRectangle(1000, 1000, 11000, 9000, true);
    EXPECT_EQ(Area(), 80);
    DrawingList.Flush();
    AddRectangle(1000, 1000, 11000, 9000, false);
    EXPECT_EQ(Area(), -80);
    // A sloping wall counts with half its rise.
    DrawingList.Flush();
    AddLine(0, 10000, 10000, 10000);
    AddLine(10000, 10000, 10000, 0);
    AddLine(10000, 0, 0, 2000);
    AddLine(0, 2000, 0, 10000);
    EXPECT_EQ(Area(), 90);
}

TEST_F(FloorPlan, TheAreaCountsEveryWallOfTheFloorOnly) {
    // Eight walls going east along a saw-tooth top, eight going back west along the bottom, each
    // 1000 long: 8000 x 5000, plus walls on other floors that do not count.
    for (int i = 0; i < 8; ++i) {
        AddLine(1000 + i * 1000, 6000, 2000 + i * 1000, 6000);
        AddLine(9000 - i * 1000, 1000, 8000 - i * 1000, 1000);
    }
    AddLine(1000, 90000, 90000, 90000, 51);
    EXPECT_EQ(Area(), 40);
    // Feet and inches: one foot square is 1, anything less 0.
    Shared.Units = 0;
    DrawingList.Flush();
    AddRectangle(288, 288, 576, 576, true);
    EXPECT_EQ(Area(), 1);
    DrawingList.Flush();
    AddRectangle(288, 288, 575, 576, true);
    EXPECT_EQ(Area(), 0);
}

TEST_F(FloorPlan, AFloorOfHugeWallsKeepsItsAreaIn64Bits) {
    // 100 km x 10 km: the sum of the strips is far beyond 32 bits.
    AddRectangle(1, 1, 100000001, 10000001, true);
    EXPECT_EQ(Area(), 1000000000);
    // Beyond the int range the area is held at its end.
    DrawingList.Flush();
    AddRectangle(1, 1, 1000000001, 1000000001, true);
    EXPECT_EQ(Area(), 2147483647);
}

TEST_F(FloorPlan, AListOfFewerThanFourObjectsKeepsTheArea) {
    AddLine(1000, 9000, 11000, 9000);
    AddLine(11000, 9000, 11000, 1000);
    AddLine(11000, 1000, 1000, 1000);
    EXPECT_EQ(Area(), -12345);
}

TEST_F(FloorPlan, CentringMovesEveryObjectOfTheFloorByWholeStepsOfTheSheetGrid) {
    AddHouse();
    auto arrow = std::make_unique<TArrowobj>();
    arrow->view = 50;
    arrow->x1 = 1000, arrow->y1 = 2000, arrow->x2 = 3000, arrow->y2 = 4000;
    arrow->ax1 = 10, arrow->ay1 = 20, arrow->ax4 = 40, arrow->ay4 = 80;
    DrawingList.Add(std::move(arrow));
    auto text = std::make_unique<TTextobj>();
    text->type = 34;
    text->view = 50;
    text->x1 = 5000, text->y1 = 6000, text->x2 = 900, text->y2 = 7;
    DrawingList.Add(std::move(text));
    auto typed = std::make_unique<TTextobj>();
    typed->type = 24;
    typed->view = 50;
    typed->x1 = 5000, typed->y1 = 6000;
    DrawingList.Add(std::move(typed));
    auto polygon = std::make_unique<TPolyobj>();
    polygon->view = 50;
    polygon->count = 2;
    polygon->x[0] = 100, polygon->y[0] = 200, polygon->x[2] = 999;
    DrawingList.Add(std::move(polygon));
    AddHouse(51);

    CentrePlanOnSheet();

    // The box (9725..20275) x (11725..20275) has its centre at (15000, 16000); the sheet's is at
    // (21000, 14850).
    const TExtwallobj& north = WallAt(0);
    EXPECT_EQ(std::vector<int>({north.x1, north.y1, north.x2, north.y2}),
              std::vector<int>({15725, 19125, 26275, 19125}));
    EXPECT_EQ(std::vector<int>({north.f1x1, north.f1y1, north.f3x2, north.f3y2}),
              std::vector<int>({15835, 19015, 26000, 18850}));
    const auto& movedArrow = dynamic_cast<const TArrowobj&>(*DrawingList[4]);
    EXPECT_EQ(std::vector<int>({movedArrow.x1, movedArrow.y1, movedArrow.x2, movedArrow.y2, movedArrow.ax1,
                                movedArrow.ay1, movedArrow.ax4, movedArrow.ay4}),
              std::vector<int>({7000, 850, 9000, 2850, 6010, -1130, 6040, -1070}));
    // A text's anchor moves; its direction and its y2 are no coordinates.
    const TObject& movedText = *DrawingList[5];
    EXPECT_EQ(std::vector<int>({movedText.x1, movedText.y1, movedText.x2, movedText.y2}),
              std::vector<int>({11000, 4850, 900, 7}));
    // A typed text stays where it was.
    EXPECT_EQ(std::vector<int>({DrawingList[6]->x1, DrawingList[6]->y1}), std::vector<int>({5000, 6000}));
    // A polygon moves the points it has.
    const auto& movedPolygon = dynamic_cast<const TPolyobj&>(*DrawingList[7]);
    EXPECT_EQ(std::vector<int>({movedPolygon.x[0], movedPolygon.y[0], movedPolygon.x[2]}),
              std::vector<int>({6100, -950, 999}));
    // The first floor does not move.
    EXPECT_EQ(WallsOf(51)[0]->x1, 9725);
    // Saved.
    DrawingList.Flush();
    DrawingList.ReadDrawing();
    EXPECT_EQ(WallAt(0).x1, 15725);
}

TEST_F(FloorPlan, CentringCutsTheShiftTowardsZero) {
    Shared.SheetHeight = 5945; // centre y 14862: -1138 becomes -1125
    AddHouse();
    CentrePlanOnSheet();
    EXPECT_EQ(std::vector<int>({WallAt(0).x1, WallAt(0).y1}), std::vector<int>({15725, 19150}));
    // A centre 12 units off gives no shift; feet and inches step by whole inches.
    DrawingList.Flush();
    Shared.Units = 0;
    Shared.Scale = 6;
    Shared.SheetWidth = 5000;
    Shared.SheetHeight = 4000;
    AddRectangle(10000, 10000, 20024, 14023, true); // centre (15012, 12011), the sheet's (15000, 12000)
    CentrePlanOnSheet();
    EXPECT_EQ(std::vector<int>({WallAt(0).x1, WallAt(0).y1}), std::vector<int>({10000, 14023}));
}

TEST_F(FloorPlan, AFloorWithNoExternalWallMovesNothingAndIsSaved) {
    auto line = std::make_unique<TLineobj>();
    line->view = 50;
    line->x1 = 1000, line->y1 = 1000, line->x2 = 2000, line->y2 = 2000;
    DrawingList.Add(std::move(line));
    AddHouse(51);
    CentrePlanOnSheet();
    EXPECT_EQ(DrawingList[0]->x1, 1000);
    EXPECT_EQ(WallAt(1).x1, 9725);
    EXPECT_TRUE(DrawingFileExists());
}

// The rooms' rectangle, with a stand-in for the layout's bounds that reports a number of rooms.
class HouseRectangle : public FloorPlan {
  protected:
    void SetUp() override {
        FloorPlan::SetUp();
        Shared.CurrentView = 40;
        rooms = 2;
        WriteCfg("RECT.CFG", "5000 4000 20000000\n");
        WriteCfg("BOUNDS.CFG", "11000 19000 16000 15000\n");
        WriteCfg("SIZE.CFG", "0 0");
        view.DatumX = 1;
        view.DatumY = 2;
        view.DatumState = 1;
    }
    static int Rooms(TList&) { return rooms; }
    void Show(int mode) { ShowHouseRectangleSize(view, mode, &HouseRectangle::Rooms); }

    static inline int rooms = 2;
    RecordingView view{window, std::make_unique<TLineobjtool>()};
};

TEST_F(HouseRectangle, TheStatusBarShowsTheRoomsRectangleAndTheDatumGoesToItsCorner) {
    desktop.SetStatusText("before");
    Show(0);
    EXPECT_EQ(desktop.StatusText(),
              "width 5000 ,length 4000 mm, Internal House area (Rectangle) 20 sq.m, click "
              "Extwall icon when ready");
    EXPECT_EQ(Shared.HelpContext, 20085);
    EXPECT_EQ(std::vector<int>({view.DatumX, view.DatumY, view.DatumState}),
              std::vector<int>({11000, 19000, 4}));
    EXPECT_TRUE(desktop.Messages().empty());
}

TEST_F(HouseRectangle, ModeOneShowsItInAMessageBox) {
    Show(1);
    ASSERT_EQ(desktop.Messages().size(), 1u);
    EXPECT_EQ(desktop.Messages()[0].text,
              "\n width is 5000 mm\n length is 4000 mm\n Internal House Area (Rectangle) 20 sq.metres");
    EXPECT_EQ(desktop.Messages()[0].caption, "EXTERNAL RECTANGLE SIZE");
    EXPECT_EQ(desktop.Messages()[0].style, 0u);
}

TEST_F(HouseRectangle, FeetAndInchesShowWholeInches) {
    Shared.Units = 0;
    WriteCfg("RECT.CFG", "3000 2000 6000000\n");
    Show(0);
    EXPECT_EQ(desktop.StatusText(), "width 10 ft 5 inches,length 6 ft 11 inches, Internal House Area "
                                    "(Rectangle)72 sq.ft, click Extwall icon when ready");
    Show(1);
    ASSERT_EQ(desktop.Messages().size(), 1u);
    EXPECT_EQ(
        desktop.Messages()[0].text,
        " \n 10 ft 5 inches wide\n length is 6 ft 11 inches\n Internal House Area (Rectangle) 72 sq.ft");
}

TEST_F(HouseRectangle, AHouseOfFiftyKilometresKeepsItsArea) {
    WriteCfg("RECT.CFG", "50000000 50000000 0\n");
    Show(0);
    EXPECT_EQ(desktop.StatusText(), "width 50000000 ,length 50000000 mm, Internal House area (Rectangle) "
                                    "2500000000 sq.m, click Extwall icon when ready");
}

TEST_F(HouseRectangle, OneRoomShowsNothing) {
    rooms = 1;
    desktop.SetStatusText("before");
    Show(0);
    EXPECT_EQ(desktop.StatusText(), "before");
    EXPECT_EQ(std::vector<int>({view.DatumX, view.DatumY, view.DatumState}), std::vector<int>({1, 2, 1}));
    EXPECT_EQ(Shared.HelpContext, 20085);
}

TEST_F(HouseRectangle, TheSizeFileCanTurnTheDisplayOff) {
    WriteCfg("SIZE.CFG", "0 1");
    desktop.SetStatusText("before");
    Show(0);
    Show(1);
    EXPECT_EQ(desktop.StatusText(), "before");
    EXPECT_TRUE(desktop.Messages().empty());
    EXPECT_EQ(std::vector<int>({view.DatumX, view.DatumY, view.DatumState}),
              std::vector<int>({11000, 19000, 4}));
}

} // namespace
