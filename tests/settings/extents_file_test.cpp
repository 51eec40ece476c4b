// The drawn extents of the current floor in EXTENTS.CFG, byte for byte.
#include "settings/extents_file.h"

#include "settings_test_support.h"

namespace {

class ExtentsFile : public SettingsTest {
  protected:
    ExtentsFile() { Shared.CurrentView = 50; }
    ~ExtentsFile() override { DrawingList.Flush(); }

    static void Add(int type, int view, int x1, int y1, int x2, int y2) {
        std::unique_ptr<TObject> object = type == 1000
                                              ? std::unique_ptr<TObject>(std::make_unique<TExtwallobj>())
                                              : std::make_unique<TArrowobj>();
        object->type = type, object->view = view;
        object->x1 = x1, object->y1 = y1, object->x2 = x2, object->y2 = y2;
        DrawingList.Add(std::move(object));
    }
    // Four external walls drawn clockwise round x 15000..25000, y 9000..17000.
    static void AddOutline(int view) {
        Add(1000, view, 15000, 17000, 25000, 17000);
        Add(1000, view, 25000, 17000, 25000, 9000);
        Add(1000, view, 25000, 9000, 15000, 9000);
        Add(1000, view, 15000, 9000, 15000, 17000);
    }
};

TEST_F(ExtentsFile, WallsWhileDimensionsAreHiddenArrowsOtherwise) {
    AddOutline(50);
    Add(1000, 51, 0, 40000, 90000, 40000); // another floor's wall
    Shared.DisplayMode = 1;
    ASSERT_TRUE(WriteExtents(DrawingList));
    EXPECT_EQ(ReadCfg("EXTENTS.CFG"), "15000 25000 17000 9000");
    Shared.DisplayMode = 13;
    WriteExtents(DrawingList);
    EXPECT_EQ(ReadCfg("EXTENTS.CFG"), "15000 25000 17000 9000");

    // Dimensions shown, none generated: the start values, which mean nothing is drawn.
    Shared.DisplayMode = 0;
    WriteExtents(DrawingList);
    EXPECT_EQ(ReadCfg("EXTENTS.CFG"), "200000 0 0 200000");

    Add(25000, 50, 14000, 18000, 26000, 18000);
    Add(25000, 50, 26000, 18000, 26000, 8000);
    WriteExtents(DrawingList);
    EXPECT_EQ(ReadCfg("EXTENTS.CFG"), "14000 26000 18000 8000");
    // 21 hides dimensions but still takes the arrows.
    Shared.DisplayMode = 21;
    WriteExtents(DrawingList);
    EXPECT_EQ(ReadCfg("EXTENTS.CFG"), "14000 26000 18000 8000");
}

TEST_F(ExtentsFile, ALoneWallDrawnRightToLeftGivesAnInvertedBox) {
    Shared.DisplayMode = 1;
    Add(1000, 50, 20000, 15000, 10000, 15000);
    WriteExtents(DrawingList);
    EXPECT_EQ(ReadCfg("EXTENTS.CFG"), "20000 10000 15000 15000");
}

TEST_F(ExtentsFile, WhilePrintingThePrintedFloorIsMeasured) {
    Shared.DisplayMode = 11;
    AddOutline(51);
    Shared.CurrentView = 1051;
    WriteExtents(DrawingList);
    EXPECT_EQ(ReadCfg("EXTENTS.CFG"), "15000 25000 17000 9000");
    Shared.CurrentView = 100; // between pages
    WriteExtents(DrawingList);
    EXPECT_EQ(ReadCfg("EXTENTS.CFG"), "200000 0 0 200000");
}

TEST_F(ExtentsFile, AnEmptyListIsFilledFromTheDrawingFileFirst) {
    std::filesystem::create_directories(folder_.Path() / "DWGS");
    DrawingList.DrawingName = "HOUSE";
    Shared.Scale = 5, Shared.SheetWidth = 2000, Shared.SheetHeight = 1600; // centre (5000, 4000)
    test_support::WriteFile(
        folder_.Path() / "DWGS" / "HOUSE.DB0",
        "1 0 0 0 1 4\n1000\n1000 50 4 10000 0 15000 0 11000 5000 0 11000 0 0 0 0 0 0 0 0\n"
        "0 0 0 0 110 50 110 0 0 900\n0 0 0\n0\n0\n0\n0\n");
    Shared.DisplayMode = 1;
    WriteExtents(DrawingList);
    EXPECT_EQ(DrawingList.count, 1);
    EXPECT_EQ(ReadCfg("EXTENTS.CFG"), "20000 10000 15000 15000");
}

} // namespace
