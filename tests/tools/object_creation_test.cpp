// Making objects from a finished gesture: what is made and what is refused, and the rounding helper.
#include "tool_test_support.h"
#include "tools/object_creation.h"

#include <climits>

using namespace platform;
using tool_test::ToolTest;

namespace {

class ObjectCreation : public ToolTest {
  protected:
    template <typename Tool> void Create(Tool& tool, int x1, int y1, int x2, int y2) {
        tool.X1 = x1, tool.Y1 = y1, tool.X2 = x2, tool.Y2 = y2;
        OnView(tool, [&](DeviceContext& dc) { tool.CreateObject(dc, client); });
    }
};

TEST(RoundToLong, RoundsHalvesUpAndNeverRaisesNegatives) {
    EXPECT_EQ(RoundToLong(2.345), 2);
    EXPECT_EQ(RoundToLong(2.5), 3);
    EXPECT_EQ(RoundToLong(-2.7), -2);
    EXPECT_EQ(RoundToLong(1e30), INT_MAX);
    EXPECT_EQ(RoundToLong(-1e30), INT_MIN);
}

TEST_F(ObjectCreation, LinesTouchingAnAxisOrWithoutLengthAreNotMade) {
    TLineobjtool line;
    Create(line, 0, 1000, 2000, 1000);
    Create(line, 1000, 1000, 2000, 0);
    Create(line, 1000, 1000, 1000, 1000);
    EXPECT_EQ(DrawingList.count, 0);
    EXPECT_EQ(line.Pending, 1);
    line.Kind = 62; // the lines of a door pair
    Create(line, 1000, 1000, 2000, 1000);
    EXPECT_EQ(DrawingList.count, 1);
    EXPECT_EQ(line.Pending, 0);
}

TEST_F(ObjectCreation, FlatShapesAreMadeAndRepeatsMakeTwins) {
    TArcobjtool arc;
    TEllipseobjtool ellipse;
    TCircleobjtool circle;
    TRectangleobjtool rectangle;
    TRndrectobjtool rounded;
    Create(arc, 1000, 1000, 3000, 1000);
    Create(ellipse, 1000, 1000, 3000, 1000);
    Create(circle, 1000, 1000, 1000, 3000);
    Create(rectangle, 1000, 1000, 3000, 1000);
    Create(rounded, 1000, 1000, 1000, 3000);
    ASSERT_EQ(DrawingList.count, 5);
    EXPECT_EQ(DrawingList[0]->type, 3);
    EXPECT_EQ(DrawingList[1]->type, 5);
    EXPECT_EQ(DrawingList[2]->type, 6);
    EXPECT_EQ(DrawingList[3]->type, 7);
    EXPECT_EQ(DrawingList[4]->type, 8);
    // Shapes with no size at all are not.
    Create(ellipse, 2000, 2000, 2000, 2000);
    EXPECT_EQ(DrawingList.count, 5);

    // The same gesture made twice gives two identical objects.
    DrawingList.Flush();
    DrawingList.TakeAsDrawing();
    Create(rectangle, 1000, 1000, 3000, 1000);
    const std::string once = Records();
    Create(rectangle, 1000, 1000, 3000, 1000);
    EXPECT_EQ(Records(), once + once);
}

TEST_F(ObjectCreation, ObjectsTakeTheToolsFieldsAndTheViewCode) {
    Shared.CurrentView = 51;
    TRectangleobjtool rectangle;
    rectangle.Group = 7;
    rectangle.Number = 11005;
    rectangle.Width = 2;
    rectangle.Style = 3;
    rectangle.Z1 = 2400;
    rectangle.Z2 = 2700;
    rectangle.Colour = Rgb(1, 2, 3);
    Create(rectangle, 1000, 1000, 3000, 2000);
    ASSERT_EQ(DrawingList.count, 1);
    const TObject& made = *DrawingList[0];
    EXPECT_EQ(made.view, 51);
    EXPECT_EQ(made.aux, 7);
    EXPECT_EQ(made.number, 11005);
    EXPECT_EQ(made.penWidth, 2);
    EXPECT_EQ(made.penStyle, 3);
    EXPECT_EQ(made.z1, 2400);
    EXPECT_EQ(made.z2, 2700);
    EXPECT_EQ(made.colour, static_cast<int>(Rgb(1, 2, 3)));
    // Shown at once, in copy mode, with the view's mapping.
    ASSERT_EQ(surface.CallsNamed("Rectangle").size(), 1u);
    EXPECT_EQ(surface.CallsNamed("Rectangle")[0].rop, RasterOp::CopyPen);
    EXPECT_EQ(surface.CallsNamed("Rectangle")[0].device, (std::vector<Point>{{40, 360}, {120, 320}}));
}

} // namespace
