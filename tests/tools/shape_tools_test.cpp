// The arc, ellipse, circle and rectangle tools: what each gesture makes, where the cursor goes, and
// that their exclusive-or outlines leave nothing behind.
#include "tool_test_support.h"
#include "view/whole_view_painting.h"

using namespace platform;
using tool_test::ToolTest;

namespace {

class ShapeTools : public ToolTest {
  protected:
    void SetUp() override {
        ToolTest::SetUp();
        // Zoomed in to 1 logical unit a pixel: 5 drawing units a pixel.
        Shared.ClientWidth = 600;
        Shared.ClientHeight = 400;
    }
    template <typename Object> const Object& Made(int index) {
        const auto* made = dynamic_cast<const Object*>(DrawingList[index]);
        EXPECT_NE(made, nullptr);
        return *made;
    }
    static std::string Box(const TObject& o) {
        return std::to_string(o.x1) + "," + std::to_string(o.y1) + " " + std::to_string(o.x2) + "," +
               std::to_string(o.y2);
    }
    static std::string Box(const TDrawingtool& t) {
        return std::to_string(t.X1) + "," + std::to_string(t.Y1) + " " + std::to_string(t.X2) + "," +
               std::to_string(t.Y2);
    }
    PixelBuffer FreshPaint() {
        PixelBuffer fresh(600, 400);
        RasterSurface raster(fresh, *text);
        DeviceContext dc(raster);
        DrawingList.Flush();
        DrawingList.ReadDrawing();
        PaintAll(DrawingList, dc, client);
        return fresh;
    }
    // Ink above and below a pixel row.
    std::pair<int, int> InkAboveAndBelow(const PixelBuffer& picture, int row) {
        std::pair<int, int> ink{0, 0};
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x)
                if (picture.Pixel(x, y) != 0xFFFFFFFFu && y != row) (y < row ? ink.first : ink.second) += 1;
        return ink;
    }
    void Arc(TArcobjtool& arc, Point first, Point second, int height) {
        Key(arc, VirtualKey::Return, first.x, first.y);
        Key(arc, VirtualKey::Return, second.x, second.y, height);
    }
};

TEST_F(ShapeTools, ArcHeightSignChoosesTheSideWhicheverEndComesFirst) {
    TArcobjtool arc;
    Arc(arc, {1000, 1000}, {2000, 1000}, 300);
    Arc(arc, {2000, 1000}, {1000, 1000}, 300);
    ASSERT_EQ(DrawingList.count, 2);
    for (int i = 0; i < 2; ++i) {
        const TArcobj& made = Made<TArcobj>(i);
        EXPECT_EQ(Box(made), "1000,700 2000,1300");
        EXPECT_EQ(made.startX, 2000);
        EXPECT_EQ(made.startY, 1000);
        EXPECT_EQ(made.endX, 1000);
        EXPECT_EQ(made.endY, 1000);
        EXPECT_EQ(made.type, 3);
    }
    EXPECT_EQ(arc.ArcStep, 0);
    EXPECT_EQ(arc.X1, 0);

    // On the image: a positive height bows above a level chord, a negative one below; left and right
    // of a plumb chord.
    const int chordRow = PixelOf(0, 1000).y;
    std::pair<int, int> ink[2];
    for (int i = 0; i < 2; ++i) {
        image = PixelBuffer(600, 400);
        TArcobjtool level;
        OnImage(level, [&](DeviceContext& dc) { level.KeyDown(dc, client, 13, PixelOf(1000, 1000), 0); });
        OnImage(level, [&](DeviceContext& dc) {
            level.KeyDown(dc, client, 13, PixelOf(2000, 1000), i == 0 ? 300 : -300);
        });
        ink[i] = InkAboveAndBelow(image, chordRow);
    }
    EXPECT_GT(ink[0].first, 100);
    EXPECT_EQ(ink[0].second, 0);
    EXPECT_EQ(ink[1].first, 0);
    EXPECT_GT(ink[1].second, 100);

    DrawingList.Flush();
    Arc(arc, {1000, 1000}, {1000, 3000}, 400);
    Arc(arc, {1000, 3000}, {1000, 1000}, -400);
    ASSERT_EQ(DrawingList.count, 2);
    EXPECT_EQ(Box(Made<TArcobj>(0)), "600,1000 1400,3000");
    EXPECT_EQ(Made<TArcobj>(0).startY, 3000);
    EXPECT_EQ(Box(Made<TArcobj>(1)), "1400,3000 600,1000");
    EXPECT_EQ(Made<TArcobj>(1).startY, 1000);
}

TEST_F(ShapeTools, ArcEndSnapsOntoTheFirstEndsLineWithinTheViewsDistance) {
    TArcobjtool arc;
    // 45 units off (9 times Scale) counts as level; 70 off as plumb, as the view accepted it.
    Arc(arc, {1000, 2000}, {3000, 2045}, 300);
    Arc(arc, {1000, 2000}, {1070, 4000}, 300);
    ASSERT_EQ(DrawingList.count, 2);
    EXPECT_EQ(Made<TArcobj>(0).startY, 2000);
    EXPECT_EQ(Box(Made<TArcobj>(0)), "1000,1700 3000,2300");
    EXPECT_EQ(Made<TArcobj>(1).startX, 1000);

    // Neither level nor plumb: nothing is made and the next Enter starts a new arc.
    Arc(arc, {1000, 2000}, {1075, 2075}, 300);
    EXPECT_EQ(DrawingList.count, 2);
    EXPECT_EQ(arc.ArcStep, 0);
    EXPECT_EQ(arc.X1, 0);
    EXPECT_EQ(arc.FirstX, 0);
    Arc(arc, {1000, 2000}, {3000, 2000}, 0); // no height: no arc
    EXPECT_EQ(DrawingList.count, 2);
}

TEST_F(ShapeTools, EllipseIsDraggedAndItsBandLeavesNoTrace) {
    TEllipseobjtool ellipse;
    OnImage(ellipse, [&](DeviceContext& dc) { ellipse.LButtonDown(dc, client, 100, 300); });
    OnImage(ellipse, [&](DeviceContext& dc) { ellipse.MouseMove(dc, client, 250, 100); });
    OnImage(ellipse, [&](DeviceContext& dc) { ellipse.MouseMove(dc, client, 300, 150); });
    Point release{300, 150};
    OnImage(ellipse, [&](DeviceContext& dc) { ellipse.LButtonUp(dc, client, release); });
    ASSERT_EQ(DrawingList.count, 1);
    EXPECT_EQ(Box(Made<TEllipseobj>(0)), "500,500 1500,1250");
    EXPECT_EQ(ellipse.Pending, 0);
    EXPECT_TRUE(image == FreshPaint());
}

TEST_F(ShapeTools, CircleDragTakesItsRadiusFromTheSidewaysDistanceOnly) {
    TCircleobjtool circle;
    OnImage(circle, [&](DeviceContext& dc) { circle.LButtonDown(dc, client, 300, 200); });
    OnImage(circle, [&](DeviceContext& dc) { circle.MouseMove(dc, client, 300, 100); }); // straight up
    EXPECT_EQ(Box(circle), "1500,1000 1500,1000");
    OnImage(circle, [&](DeviceContext& dc) { circle.MouseMove(dc, client, 380, 100); });
    // Released away from the last band: the band goes all the same.
    Point release{200, 260};
    OnImage(circle, [&](DeviceContext& dc) { circle.LButtonUp(dc, client, release); });
    ASSERT_EQ(DrawingList.count, 1);
    const TCircleobj& left = Made<TCircleobj>(0);
    EXPECT_EQ(Box(left), "2000,1500 1000,500");
    EXPECT_EQ(circle.CentreX, 0);
    EXPECT_EQ(circle.Pending, 0);
    const PixelBuffer leftImage = image;
    EXPECT_TRUE(leftImage == FreshPaint());

    // The same distance to the right gives the same circle.
    DrawingList.Flush();
    image = PixelBuffer(600, 400);
    OnImage(circle, [&](DeviceContext& dc) { circle.LButtonDown(dc, client, 300, 200); });
    Point right{400, 10};
    OnImage(circle, [&](DeviceContext& dc) { circle.LButtonUp(dc, client, right); });
    EXPECT_EQ(Box(*DrawingList[DrawingList.count - 1]), "1000,500 2000,1500");
    EXPECT_TRUE(image == leftImage);
}

TEST_F(ShapeTools, CircleByEnterTakesTheRadiusTheViewAsked) {
    TCircleobjtool circle;
    circle.Amount() = 500;
    Key(circle, VirtualKey::Return, 2000, 2000);
    ASSERT_EQ(DrawingList.count, 1);
    EXPECT_EQ(Box(Made<TCircleobj>(0)), "1500,1500 2500,2500");
    EXPECT_EQ(circle.Count, 0);

    // A radius of 0 makes nothing.
    Key(circle, VirtualKey::Return, 2000, 2000);
    EXPECT_EQ(DrawingList.count, 1);

    // The small circle: radius 10, thick, stored as an ordinary circle.
    circle.Kind = 18;
    Key(circle, VirtualKey::Return, 2000, 2000);
    ASSERT_EQ(DrawingList.count, 2);
    EXPECT_EQ(Box(Made<TCircleobj>(1)), "1990,1990 2010,2010");
    EXPECT_EQ(DrawingList[1]->type, 6);
    EXPECT_EQ(DrawingList[1]->penWidth, 2);
    EXPECT_EQ(circle.Kind, 18);
}

TEST_F(ShapeTools, RectangleFromACornerAndTwoSides) {
    for (bool acrossFirst : {true, false}) {
        DrawingList.Flush();
        TRectangleobjtool rectangle;
        Key(rectangle, VirtualKey::Return, 1000, 1000);
        EXPECT_EQ(CursorInDrawingUnits(), (Point{1000, 1000}));
        if (acrossFirst) {
            Key(rectangle, VirtualKey::Right, 1000, 1000, 1000);
            EXPECT_EQ(CursorInDrawingUnits(), (Point{2000, 1000})); // the corner reached so far
            EXPECT_EQ(DrawingList.count, 0);
            Key(rectangle, VirtualKey::Up, 2000, 1000, 500);
        } else {
            Key(rectangle, VirtualKey::Up, 1000, 1000, 500);
            EXPECT_EQ(CursorInDrawingUnits(), (Point{1000, 1500}));
            Key(rectangle, VirtualKey::Right, 1000, 1500, 1000);
        }
        ASSERT_EQ(DrawingList.count, 1);
        EXPECT_EQ(Box(Made<TRectangleobj>(0)), "1000,1000 2000,1500");
        EXPECT_EQ(Box(rectangle), "0,0 0,0");
        EXPECT_EQ(rectangle.Pending, 0);
    }
}

TEST_F(ShapeTools, RoundedRectangleKeepsItsCorner) {
    TRndrectobjtool rounded;
    rounded.Amount() = 200;
    Key(rounded, VirtualKey::Return, 1000, 1000);
    Key(rounded, VirtualKey::Left, 1000, 1000, 600);
    Key(rounded, VirtualKey::Down, 400, 1000, 300);
    ASSERT_EQ(DrawingList.count, 1);
    const TRndrectobj& made = Made<TRndrectobj>(0);
    EXPECT_EQ(Box(made), "1000,1000 400,700");
    EXPECT_EQ(made.corner, 200);

    // Its outline rounds the corners with an ellipse twice the radius (logical units).
    surface.Clear();
    rounded.X1 = 1000, rounded.Y1 = 1000, rounded.X2 = 400, rounded.Y2 = 700;
    OnView(rounded, [&](DeviceContext& dc) { rounded.DrawShape(dc, 1); });
    ASSERT_EQ(surface.CallsNamed("RoundRect").size(), 1u);
    EXPECT_EQ(surface.CallsNamed("RoundRect")[0].args, (std::vector<int>{200, 200, 80, 140, 80, 80}));
    EXPECT_EQ(surface.CallsNamed("RoundRect")[0].brush.style, BrushStyle::Null);
}

} // namespace
