// The areas repainted round a design room just placed or changed: the tool's rectangles mapped to the
// layout view (its window origin at logical (2500, 1700), five logical units a pixel), widened by
// their margin and clipped to the client area.
#include "app/command_test_support.h"
#include "platform/scripted_windows.h"
#include "rooms/design_rooms.h"

namespace {

class DesignRoomRepaint : public CommandTest {
  protected:
    void SetUp() override {
        CommandTest::SetUp();
        WriteCfg("MERGEM.CFG", "100\n");
        NewLayout();
        ASSERT_EQ(Shared.ScrollX, 2500);
        ASSERT_EQ(Shared.ScrollY, 1700);
        frame->RunPendingPaints();
    }
    // The tool's current and previous rectangles, drawing units (left, top, right, bottom).
    void Rectangles(platform::Rect current, platform::Rect previous) {
        TDrawingtool& tool = Client().Tool();
        tool.X1 = current.left, tool.Y1 = current.top, tool.X2 = current.right, tool.Y2 = current.bottom;
        int* box = tool.PrevBox();
        box[0] = previous.left, box[1] = previous.right, box[2] = previous.top, box[3] = previous.bottom;
    }
    std::optional<platform::Rect> Pending() const { return frame->ActiveScriptedView()->PendingArea(); }

    const platform::Rect client{0, 0, 600, 400};
};

TEST_F(DesignRoomRepaint, AChangedRoomRepaintsBothOutlinesWithTheMergeMargin) {
    const platform::Rect room{15000, 12000, 17500, 10000};
    Rectangles(room, room);
    // With no merge distance the margin is 10 x Scale logical units: ten pixels.
    EXPECT_EQ(ChangedDesignRoomArea(View(), client, 0), (platform::Rect{90, 250, 210, 350}));
    // MERGEM.CFG's 100 adds 20 logical units.
    InvalidateDesignRoomArea(View(), client);
    EXPECT_EQ(Pending(), (platform::Rect{86, 246, 214, 354}));
    EXPECT_TRUE(frame->ActiveScriptedView()->PendingErase());
    // A turned room: the old outline and the new one together.
    Rectangles({15500, 12500, 17000, 9500}, room);
    EXPECT_EQ(ChangedDesignRoomArea(View(), client, 0), (platform::Rect{90, 230, 210, 370}));
}

TEST_F(DesignRoomRepaint, TheAreaStaysInsideTheClientArea) {
    const platform::Rect corner{11000, 20000, 13000, 18000};
    Rectangles(corner, corner);
    EXPECT_EQ(ChangedDesignRoomArea(View(), client, 0), (platform::Rect{0, 0, 30, 30}));
    const platform::Rect far{26000, 9000, 30000, 8000};
    Rectangles(far, far);
    EXPECT_EQ(ChangedDesignRoomArea(View(), client, 0), (platform::Rect{530, 370, 600, 400}));
    // Wholly outside: nothing to repaint.
    const platform::Rect away{40000, 9000, 42000, 8000};
    Rectangles(away, away);
    InvalidateDesignRoomArea(View(), client);
    EXPECT_FALSE(Pending());
}

TEST_F(DesignRoomRepaint, ANewRoomRepaintsItsOutlineAndTwoPenWidths) {
    Rectangles({15000, 12000, 17500, 10000}, {});
    InvalidateNewDesignRoomArea(View(), client);
    EXPECT_EQ(Pending(), (platform::Rect{98, 258, 202, 342}));
}

} // namespace
