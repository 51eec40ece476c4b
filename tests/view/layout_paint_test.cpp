// The paint of the room layout: it asks for the house rectangle and paints the layout grid for one
// paint only, through the rooms' operations.
#include "input_test_support.h"

#include "model/object_codes.h"
#include "tools/view_support.h"

using input_test::InputView;
using input_test::Log;

namespace {

using LayoutPaint = InputView;

TEST_F(LayoutPaint, AsksForTheHouseRectangleAndPaintsAGridItNeverStores) {
    Shared.CurrentView = view_code::RoomLayout;
    AddLine(type_code::Line, 2000, 2000, 4000, 2000, view_code::RoomLayout);
    const std::string stored = test_support::ReadFile(DrawingList.DrawingFilePath());
    RefreshView(*view, 9);
    EXPECT_EQ(log, Log{"ShowHouseRectangleSize(0)"});

    owner.rooms.layoutGrid = [](TList& list) {
        list.WriteDrawing();
        list.Flush();
        auto line = std::make_unique<TLineobj>();
        line->view = Shared.CurrentView;
        line->x1 = 1000;
        line->x2 = 9000;
        list.Add(std::move(line));
    };
    log.clear();
    Shared.LayoutGridOn = 1;
    RefreshView(*view, 9);
    EXPECT_EQ(log, (Log{"ShowHouseRectangleSize(0)", "MakeLayoutGrid"}));
    // The grid line (1000, 0)-(9000, 0), in logical units, painted after the drawing's own lines.
    const std::string paint = Window().LastPaint();
    EXPECT_LT(paint.find("LineTo 800 400 |"), paint.find("LineTo 1800 0 |"));
    EXPECT_NE(paint.find("LineTo 1800 0 |"), std::string::npos);
    EXPECT_EQ(test_support::ReadFile(DrawingList.DrawingFilePath()), stored);
    ASSERT_EQ(DrawingList.count, 1); // the drawing read back, without the grid
    EXPECT_EQ(DrawingList[0]->x1, 2000);

    // Off the room layout's design views there is no grid.
    log.clear();
    Shared.CurrentView = view_code::LastLayout;
    RefreshView(*view, 9);
    EXPECT_EQ(log, Log{});
}

} // namespace
