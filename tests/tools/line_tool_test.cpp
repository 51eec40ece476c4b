// The line tool as the user drives it: dragging a line with its rubber band, keyboard runs with Enter
// and the arrows, wall-run snapping and bearings, multilines, the cross-hair and the two centre finders.
#include "settings/length_format.h"
#include "tool_test_support.h"
#include "view/whole_view_painting.h"

#include <algorithm>

using namespace platform;
using tool_test::ToolTest;

namespace {

class LineTool : public ToolTest {
  protected:
    // The line tool as the Line command leaves it.
    TLineobjtool& NewLineTool() {
        tool = std::make_unique<TLineobjtool>();
        tool->LineWidth() = Shared.PenWidth;
        return *tool;
    }
    const TObject& Object(int index) const { return *DrawingList[index]; }
    static std::string Ends(const TObject& o) {
        return std::to_string(o.x1) + "," + std::to_string(o.y1) + " " + std::to_string(o.x2) + "," +
               std::to_string(o.y2);
    }
    void AddLine(int x1, int y1, int x2, int y2) {
        auto line = std::make_unique<TLineobj>();
        line->view = 50;
        line->x1 = x1, line->y1 = y1, line->x2 = x2, line->y2 = y2;
        DrawingList.Add(std::move(line));
    }
    // The image a repaint of the view shows: the background, then the drawing file read back.
    PixelBuffer FreshPaint() {
        PixelBuffer fresh(600, 400);
        RasterSurface raster(fresh, *text);
        DeviceContext dc(raster);
        DrawingList.Flush();
        DrawingList.ReadDrawing();
        PaintAll(DrawingList, dc, client);
        return fresh;
    }
    static int InkIn(const PixelBuffer& image, int y, int x0, int x1) {
        int ink = 0;
        for (int x = x0; x < x1; ++x)
            if (image.Pixel(x, y) != 0xFFFFFFFFu) ++ink;
        return ink;
    }

    std::unique_ptr<TLineobjtool> tool;
};

TEST_F(LineTool, DragMakesTheLineAndItsRecordEndsTheDrawingFile) {
    TLineobjtool& line = NewLineTool();
    Press(line, 40, 340);
    Move(line, 80, 340);
    Release(line, 120, 340);

    ASSERT_EQ(DrawingList.count, 1);
    ASSERT_NE(dynamic_cast<const TLineobj*>(DrawingList[0]), nullptr);
    EXPECT_EQ(Ends(Object(0)), "1000,1500 3000,1500");
    const std::string record = "1\n1 50 0 0 -20000 0 -18000 0 -13350 -13350 0 0 0 1 0\n";
    const std::string file = DrawingFile();
    ASSERT_GE(file.size(), record.size());
    EXPECT_EQ(file.substr(file.size() - record.size()), record);
    EXPECT_EQ(line.Dragging, 0);
    EXPECT_EQ(line.Pending, 1); // a keyboard run may follow

    // The band is exclusive-or with a one-pixel dotted pen, taken away with exactly the pen it was
    // drawn with; the line itself is painted once in copy mode.
    std::vector<DrawCall> bands;
    std::vector<DrawCall> lines;
    for (const DrawCall& call : surface.CallsNamed("LineTo"))
        (call.rop == RasterOp::XorPen ? bands : lines).push_back(call);
    ASSERT_EQ(bands.size(), 3u); // an empty band at the press point, the band, its removal
    EXPECT_EQ(bands[1].device, (std::vector<Point>{{40, 340}, {80, 340}}));
    EXPECT_EQ(bands[2].device, bands[1].device);
    EXPECT_EQ(bands[2].pen, bands[1].pen);
    EXPECT_EQ(bands[1].pen, (Pen{Rgb(0, 0, 0), 1, PenStyle::Dot}));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].device, (std::vector<Point>{{40, 340}, {120, 340}}));
}

TEST_F(LineTool, BandShowsDuringTheDragAndLeavesNoTrace) {
    TLineobjtool& line = NewLineTool();
    OnImage(line, [&](DeviceContext& dc) { line.LButtonDown(dc, client, 40, 340); });
    OnImage(line, [&](DeviceContext& dc) { line.MouseMove(dc, client, 80, 340); });
    // A black band on the white view must show, which plain exclusive-or with black would not.
    EXPECT_GT(InkIn(image, 340, 40, 80), 10);
    OnImage(line, [&](DeviceContext& dc) { line.MouseMove(dc, client, 100, 300); });
    OnImage(line, [&](DeviceContext& dc) { line.MouseMove(dc, client, 40, 340); }); // back on the start
    OnImage(line, [&](DeviceContext& dc) { line.MouseMove(dc, client, 90, 360); });
    Point release{120, 340};
    OnImage(line, [&](DeviceContext& dc) { line.LButtonUp(dc, client, release); });

    ASSERT_EQ(DrawingList.count, 1);
    EXPECT_TRUE(image == FreshPaint());
}

TEST_F(LineTool, BandStaysWhileThePointerRestsOnTheStart) {
    TLineobjtool& line = NewLineTool();
    Press(line, 40, 340);
    Move(line, 80, 340);
    surface.Clear();
    Move(line, 40, 340);
    EXPECT_TRUE(surface.CallsNamed("LineTo").empty());
    EXPECT_EQ(line.X2, 2000);
}

TEST_F(LineTool, DragEndingWhereItBeganMakesNothing) {
    TLineobjtool& line = NewLineTool();
    Press(line, 40, 340);
    Release(line, 40, 340);
    EXPECT_EQ(DrawingList.count, 0);
    EXPECT_FALSE(DrawingFileExists());

    // A release without a press, and a press of a kind that does not drag, do nothing either.
    Release(line, 120, 340);
    TRectangleobjtool rectangle;
    Press(rectangle, 40, 340);
    Release(rectangle, 120, 340);
    EXPECT_EQ(DrawingList.count, 0);
    EXPECT_EQ(rectangle.Dragging, 0);
}

TEST_F(LineTool, LineWithTextMarksADragTooShortForAText) {
    TLineobjtool& line = NewLineTool();
    line.State = 50;
    line.Y1 = 125000;
    Press(line, 40, 340);
    EXPECT_EQ(line.State, 51);
    Release(line, 40, 340);
    EXPECT_EQ(line.Y1, 125000);

    Press(line, 40, 340);
    Release(line, 120, 340);
    EXPECT_EQ(DrawingList.count, 1);
    EXPECT_LT(line.Y1, 125000);
}

TEST_F(LineTool, KeyboardRunDrawsSegmentsFromEnterAndArrows) {
    TLineobjtool& line = NewLineTool();
    Key(line, VirtualKey::Return, 1000, 2000);
    EXPECT_EQ(DrawingList.count, 0);
    Key(line, VirtualKey::Right, 1000, 2000, 3000);
    ASSERT_EQ(DrawingList.count, 1);
    EXPECT_EQ(Ends(Object(0)), "1000,2000 4000,2000");
    EXPECT_EQ(Object(0).number, 3000); // a keyboard segment keeps its length
    EXPECT_EQ(CursorInDrawingUnits(), (Point{4000, 2000}));

    // The view leaves keyboard entry after each segment; the next Enter, on the cursor the tool left
    // at the end, starts the next segment there.
    line.KeyMode() = 0;
    KeyAtCursor(line, VirtualKey::Return);
    KeyAtCursor(line, VirtualKey::Up, 1000);
    ASSERT_EQ(DrawingList.count, 2);
    EXPECT_EQ(Ends(Object(1)), "4000,2000 4000,3000");
    EXPECT_EQ(CursorInDrawingUnits(), (Point{4000, 3000}));

    // The longest length the view lets through draws in full.
    line.KeyMode() = 0;
    KeyAtCursor(line, VirtualKey::Return);
    KeyAtCursor(line, VirtualKey::Down, MaxTypedLength);
    ASSERT_EQ(DrawingList.count, 3);
    EXPECT_EQ(Ends(Object(2)), "4000,3000 4000," + std::to_string(3000 - 32766));
}

TEST_F(LineTool, EnterOnTheEndDrawsToTheCursor) {
    TLineobjtool& line = NewLineTool();
    Key(line, VirtualKey::Return, 1000, 2000);
    Key(line, VirtualKey::Return, 2500, 3000);
    ASSERT_EQ(DrawingList.count, 1);
    EXPECT_EQ(Ends(Object(0)), "1000,2000 2500,3000");
    EXPECT_EQ(static_cast<const TLineobj&>(Object(0)).lineB,
              3000 / 5); // the end's y in logical units rides along
}

TEST_F(LineTool, FeetAndInchesSegmentTakesTheTypedLength) {
    Shared.Units = 0;
    Shared.Scale = 6;
    Shared.ClientWidth = 3600;
    Shared.ClientHeight = 2400;
    const int length = FeetInchesToUnits(10, 6, 3, 8, FractionRule::AnyPositive);
    EXPECT_EQ(length, 3033);
    TLineobjtool& line = NewLineTool();
    Key(line, VirtualKey::Return, 3600, 7200);
    Key(line, VirtualKey::Left, 3600, 7200, length);
    ASSERT_EQ(DrawingList.count, 1);
    EXPECT_EQ(Ends(Object(0)), "3600,7200 567,7200");
}

TEST_F(LineTool, ArrowSegmentStartsOnTheLastEndNearbyOnceFiveObjectsAreDrawn) {
    for (int i = 0; i < 4; ++i)
        AddLine(100, 100, 200, 200);
    AddLine(1000, 1000, 3003, 2002);
    TLineobjtool& line = NewLineTool();
    Key(line, VirtualKey::Return, 3000, 2000);
    Key(line, VirtualKey::Right, 3000, 2000, 1000);
    EXPECT_EQ(Ends(Object(5)), "3003,2002 4003,2002");

    // With four objects the start stays where Enter put it.
    DrawingList.RemoveAt(0);
    DrawingList.RemoveAt(4);
    line.KeyMode() = 0;
    Key(line, VirtualKey::Return, 3000, 2000);
    Key(line, VirtualKey::Right, 3000, 2000, 1000);
    EXPECT_EQ(Ends(Object(4)), "3000,2000 4000,2000");
}

TEST_F(LineTool, CornerMarksSnapToTheAxesAndCarryTheirBearing) {
    TLineobjtool& marks = NewLineTool();
    marks.Kind = 11;
    Shared.PenWidth = 2;
    Key(marks, VirtualKey::Return, 1000, 1000);
    EXPECT_EQ(Shared.PenWidth, 1); // wall runs draw thin
    Key(marks, VirtualKey::Return, 4000, 1050);
    ASSERT_EQ(DrawingList.count, 1);
    EXPECT_EQ(Ends(Object(0)), "1000,1000 4000,1000");
    EXPECT_EQ(static_cast<const TLineobj&>(Object(0)).lineA, 900);
    EXPECT_EQ(Object(0).number, 3000);

    // x is tested before y: an end 50 off both lines becomes plumb.
    Key(marks, VirtualKey::Return, 4050, 1050);
    EXPECT_EQ(Ends(Object(1)), "4000,1000 4000,1050");
    EXPECT_EQ(static_cast<const TLineobj&>(Object(1)).lineA, 0);
}

TEST_F(LineTool, SlantingWallSegmentsGetTheirBearingAndLengthWithoutOverflow) {
    struct Case {
        int x, y, bearing, length;
    };
    // From (10000, 10000): up-right, down-right, down-left, up-left; then a 56 m wall.
    const Case cases[] = {{11000, 11000, 450, 1414},
                          {11000, 9000, 1350, 1414},
                          {9000, 9000, 2250, 1414},
                          {9000, 11000, 3150, 1414},
                          {50000, 50000, 450, 56568}};
    for (const Case& c : cases) {
        TLineobjtool& marks = NewLineTool();
        marks.Kind = 11;
        Key(marks, VirtualKey::Return, 10000, 10000);
        Key(marks, VirtualKey::Return, c.x, c.y);
        const TObject& made = Object(DrawingList.count - 1);
        EXPECT_EQ(static_cast<const TLineobj&>(made).lineA, c.bearing) << c.x << "," << c.y;
        EXPECT_EQ(made.number, c.length) << c.x << "," << c.y;
    }
}

TEST_F(LineTool, MultilinesCopyTheFirstLineTowardsTheCursor) {
    TLineobjtool& line = NewLineTool();
    line.State = 40;
    line.Count = 3;
    Key(line, VirtualKey::Return, 1000, 1000);
    EXPECT_EQ(line.State, 41);
    EXPECT_EQ(line.Dragging, 1);
    Key(line, VirtualKey::Right, 1000, 1000, 4000);
    EXPECT_EQ(line.State, 42);
    EXPECT_EQ(line.Pending, 0);
    Key(line, VirtualKey::Return, 1200, 3000);
    EXPECT_EQ(line.State, 0);

    ASSERT_EQ(DrawingList.count, 3);
    EXPECT_EQ(Ends(Object(0)), "1000,1000 5000,1000");
    EXPECT_EQ(Ends(Object(1)), "1000,3000 5000,3000");
    EXPECT_EQ(Ends(Object(2)), "1000,2000 5000,2000");
    EXPECT_EQ(DrawingFile().substr(0, 2), "3 ");
}

TEST_F(LineTool, MultilinesWithTheCursorDiagonalCopySideways) {
    TLineobjtool& line = NewLineTool();
    line.State = 40;
    line.Count = 3;
    Key(line, VirtualKey::Return, 1000, 1000);
    Key(line, VirtualKey::Up, 1000, 1000, 4000);
    Key(line, VirtualKey::Return, 3000, 3000);
    ASSERT_EQ(DrawingList.count, 3);
    EXPECT_EQ(Ends(Object(1)), "3000,1000 3000,5000");
    EXPECT_EQ(Ends(Object(2)), "2000,1000 2000,5000");
}

TEST_F(LineTool, MultilinesOfFewerThanTwoLinesMakeNoCopies) {
    for (int lines : {1, 0, -3}) {
        DrawingList.Flush();
        TLineobjtool& line = NewLineTool();
        line.State = 40;
        line.Count = lines;
        Key(line, VirtualKey::Return, 1000, 1000);
        Key(line, VirtualKey::Right, 1000, 1000, 4000);
        Key(line, VirtualKey::Return, 1200, 3000);
        EXPECT_EQ(DrawingList.count, 1) << lines;
        EXPECT_EQ(line.State, 0);
    }
}

TEST_F(LineTool, MultilineBandGoesWhenTheFirstLineEnds) {
    TLineobjtool& line = NewLineTool();
    line.State = 40;
    line.Count = 2;
    OnImage(line, [&](DeviceContext& dc) { line.KeyDown(dc, client, 13, PixelOf(1000, 1000), 0); });
    OnImage(line, [&](DeviceContext& dc) { line.MouseMove(dc, client, 90, 300); });
    OnImage(line, [&](DeviceContext& dc) { line.MouseMove(dc, client, 160, 350); });
    EXPECT_EQ(line.KeyboardStep, 2);
    OnImage(line, [&](DeviceContext& dc) { line.KeyDown(dc, client, 13, PixelOf(5000, 1000), 0); });
    ASSERT_EQ(DrawingList.count, 1);
    EXPECT_EQ(Ends(Object(0)), "1000,1000 5000,1000");
    EXPECT_TRUE(image == FreshPaint());
}

TEST_F(LineTool, CrossHairFollowsThePointerAndLeavesNoTrace) {
    TLineobjtool& marks = NewLineTool();
    marks.Kind = 11;
    marks.Dragging = 1;
    marks.CrossMode = 3;
    OnImage(marks, [&](DeviceContext& dc) { marks.MouseMove(dc, client, 300, 200); });
    EXPECT_EQ(marks.CrossShown, 2);
    EXPECT_EQ(marks.CursorX, 1500);
    EXPECT_EQ(marks.CursorY, 1000);
    // The guide lines cross the view but leave a gap of 100 logical units (20 pixels) round the cursor.
    EXPECT_GT(InkIn(image, 200, 0, 270), 200);
    EXPECT_EQ(InkIn(image, 200, 285, 315), 0);
    OnImage(marks, [&](DeviceContext& dc) { marks.MouseMove(dc, client, 320, 150); });
    EXPECT_EQ(InkIn(image, 200, 0, 600), 1); // only the new vertical line crosses the old row
    // Near the edge the lines go.
    OnImage(marks, [&](DeviceContext& dc) { marks.MouseMove(dc, client, 5, 150); });
    EXPECT_EQ(marks.CrossShown, 0);
    EXPECT_TRUE(image == PixelBuffer(600, 400));
}

TEST_F(LineTool, LineCentrePutsTheCursorHalfwayAndReturnsToTheSavedState) {
    TLineobjtool& line = NewLineTool();
    line.SavedState = 0;
    line.State = 30;
    Press(line, 2, 200); // too near the left edge
    EXPECT_EQ(line.State, 30);
    Press(line, 40, 340);
    EXPECT_EQ(line.State, 31);
    Press(line, 120, 300);
    EXPECT_EQ(line.State, 0);
    EXPECT_EQ(line.X1, 2000);
    EXPECT_EQ(line.Y1, 2000);
    EXPECT_EQ(CursorInDrawingUnits(), (Point{2000, 2000}));
    EXPECT_EQ(DrawingList.count, 0);
}

TEST_F(LineTool, RectangleCentreFromThreeCorners) {
    TLineobjtool& line = NewLineTool();
    const auto centreOf = [&](Point a, Point b, Point c) {
        line.SavedState = 51;
        line.State = 35;
        for (Point p : {a, b, c}) {
            const Point pixel = PixelOf(p.x, p.y);
            Press(line, pixel.x, pixel.y);
        }
        EXPECT_EQ(line.State, 51);
        return Point{line.X1, line.Y1};
    };
    EXPECT_EQ(centreOf({1000, 1000}, {1000, 3000}, {5000, 3000}), (Point{3000, 2000}));
    EXPECT_EQ(CursorInDrawingUnits(), (Point{3000, 2000}));
    EXPECT_EQ(centreOf({5000, 3000}, {1000, 3000}, {1000, 1000}), (Point{3000, 2000}));
    // Three clicks on one plumb line leave no x to find.
    EXPECT_EQ(centreOf({1000, 1000}, {1000, 2000}, {1000, 3000}), (Point{0, 1500}));
}

} // namespace
