// The internal-wall tool's objects: a wall of the gesture and the wall in progress, and the wall made
// without a test.
#include "partitions/intwall_tool.h"
#include "tools/tool_test_support.h"

using namespace platform;
using tool_test::ToolTest;

namespace {

class InternalWallTool : public ToolTest {
  protected:
    void Create(TIntwallobjtool& tool, int x1, int y1, int x2, int y2) {
        tool.X1 = x1, tool.Y1 = y1, tool.X2 = x2, tool.Y2 = y2;
        OnView(tool, [&](DeviceContext& dc) { tool.CreateObject(dc, client); });
    }
};

TEST_F(InternalWallTool, WallsCopyTheWallInProgress) {
    TIntwallobjtool walls;
    walls.Wall.iwall1 = 100;
    walls.Wall.fx1 = 1000;
    walls.Wall.fy1 = 1100;
    walls.Group = 12001;
    walls.Number = 99;
    walls.Width = 2;
    Create(walls, 0, 1000, 3000, 1000); // no start
    EXPECT_EQ(DrawingList.count, 0);
    Create(walls, 1000, 1000, 3000, 1000);
    ASSERT_EQ(DrawingList.count, 1);
    const auto& made = dynamic_cast<const TIntwallobj&>(*DrawingList[0]);
    EXPECT_EQ(made.type, 1500);
    EXPECT_EQ(made.number, 12001);
    EXPECT_EQ(made.penWidth, 1);
    EXPECT_EQ(made.iwall7, 1);
    EXPECT_EQ(made.iwall1, 100);
    EXPECT_EQ(made.fy1, 1100);
    EXPECT_EQ(walls.Pending, 1);
    EXPECT_FALSE(surface.Calls().empty());

    // Made without a test or a paint, with the tool's own number.
    surface.Clear();
    walls.X1 = 0;
    MakeIntwallObject(walls);
    ASSERT_EQ(DrawingList.count, 2);
    EXPECT_EQ(DrawingList[1]->number, 99);
    EXPECT_TRUE(surface.Calls().empty());
    EXPECT_EQ(DrawingFile().substr(0, 2), "2 ");
}

} // namespace
