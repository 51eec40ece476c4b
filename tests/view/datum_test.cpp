// The datum of a view and the cursor readout in the toolbar.
#include "input_test_support.h"

#include "platform/input.h"
#include "tools/view_support.h"
#include "view/datum.h"

using input_test::InputView;
using platform::Point;

namespace {

TEST(DatumReadout, MetricOffsetsAndBearing) {
    EXPECT_EQ(DatumReadoutText(1, 3, 300, 400, 36.8699f), "h 300: v 400 m.m DATUM");
    EXPECT_EQ(DatumReadoutText(1, 2, 300, 400, 0.0f), "h 300: v 400 m.m DATUM");
    EXPECT_EQ(DatumReadoutText(1, 4, 300, 400, 36.8699f), "h 300: v 400 angle 36.87 DATUM");
    EXPECT_EQ(DatumReadoutText(1, 5, 300, 400, 0.0f), "");
    EXPECT_EQ(DatumReadoutText(1, 1, 300, 400, 0.0f), "");
}

TEST(DatumReadout, FeetAndInchesTruncateTowardZero) {
    EXPECT_EQ(DatumReadoutText(0, 3, 300, -30, 0.0f), "h 1' 0: v 0' -1 DATUM");
    // Less than an inch either way shows as nothing.
    EXPECT_EQ(DatumReadoutText(0, 3, -23, 23, 0.0f), "h 0' 0: v 0' 0 DATUM");
    EXPECT_EQ(DatumReadoutText(0, 2, -24 * 14, 24 * 25, 0.0f), "h -1' -2: v 2' 1 DATUM");
    EXPECT_EQ(DatumReadoutText(0, 4, 300, -30, 90.5f), "1' 0: 0' -1, angle 90.50 DATUM");
}

class Datum : public InputView {
  protected:
    // A client pixel of a drawing point on this view (25 drawing units a pixel, origin at the sheet's
    // lower-left corner).
    static Point PixelOf(int x, int y) { return {x / 25, 400 - y / 25}; }
    std::string ReadoutAt(int x, int y) {
        view->EvMouseMove(PixelOf(x, y));
        return desktop.ReadoutText();
    }
};

TEST_F(Datum, BearingIsClockwiseFromStraightUp) {
    view->DatumX = 1000;
    view->DatumY = 2000;
    EXPECT_FLOAT_EQ(DatumBearing(*view, 1000 + 23, 2000 - 23), 0.0f);
    EXPECT_FLOAT_EQ(DatumBearing(*view, 1000 + 24, 2000), 90.0f);
    EXPECT_FLOAT_EQ(DatumBearing(*view, 1000, 2000 - 25), 180.0f);
    EXPECT_FLOAT_EQ(DatumBearing(*view, 1000 - 25, 2000), 270.0f);
    EXPECT_FLOAT_EQ(DatumBearing(*view, 1000, 2000 + 25), 0.0f);
    EXPECT_NEAR(DatumBearing(*view, 500, 2500), 315.0f, 1e-4);
    EXPECT_NEAR(DatumBearing(*view, 500, 1500), 225.0f, 1e-4);
}

TEST_F(Datum, MouseMovesShowTheOffsetsFromTheDatum) {
    view->DatumX = 1000;
    view->DatumY = 2000;
    view->DatumState = 3;
    EXPECT_EQ(ReadoutAt(1300, 2400), "h 300: v 400 m.m DATUM");
    view->DatumState = 4;
    EXPECT_EQ(ReadoutAt(1300, 2400), "h 300: v 400 angle 36.87 DATUM");
    EXPECT_EQ(ReadoutAt(1500, 1200), "h 500: v -800 angle 147.99 DATUM");
}

TEST_F(Datum, AViewZoomedFarOutReadsDistancesPastTheIntRange) {
    // A zoom rectangle dragged well past the view, time after time, leaves a million logical units a pixel.
    Shared.ClientWidth = 600000000;
    Shared.ClientHeight = 400000000;
    view->DatumState = 4;
    view->EvMouseMove({500, 400});
    EXPECT_EQ(desktop.ReadoutText(), "h 2500000000: v 0 angle 90.00 DATUM");
    view->DatumState = 3;
    view->EvMouseMove({0, 0});
    EXPECT_EQ(desktop.ReadoutText(), "h 0: v 2000000000 m.m DATUM");
    view->EvMouseMove({600, 0});
    EXPECT_EQ(desktop.ReadoutText(), "h 3000000000: v 2000000000 m.m DATUM");
    // A datum clicked out there stays at the edge of the range on that side, as the tools' points do.
    view->DatumState = 2;
    view->EvLButtonDown({500, 400});
    view->EvMouseMove({600, 0});
    EXPECT_EQ(desktop.ReadoutText(), "h 852516353: v 2000000000 m.m DATUM");
}

TEST_F(Datum, TheDatumSnapsToACursorWithinHalfAPixel) {
    view->DatumX = 1010;
    view->DatumY = 2000;
    view->DatumState = 3;
    EXPECT_EQ(ReadoutAt(1000, 2400), "h 0: v 400 m.m DATUM");
    EXPECT_EQ(view->DatumX, 1000);
    // 13 units away no longer snaps.
    view->DatumX = 1013;
    EXPECT_EQ(ReadoutAt(1000, 2400), "h -13: v 400 m.m DATUM");
}

TEST_F(Datum, StatesBelowTwoAndAboveFourShowNothing) {
    desktop.SetReadoutText("kept");
    view->DatumState = 1;
    EXPECT_EQ(ReadoutAt(1300, 2400), "kept");
    view->DatumState = 5;
    view->DatumX = 1005;
    EXPECT_EQ(ReadoutAt(1000, 2400), "kept");
    EXPECT_EQ(view->DatumX, 1000); // it snaps all the same
}

TEST_F(Datum, FeetAndInchesReadoutThroughTheView) {
    Open(0);
    view->DatumX = 0;
    view->DatumY = 0;
    view->DatumState = 3;
    // 36 units a pixel: (10, 390) is (360, 360), 15 inches each way.
    view->EvMouseMove({10, 390});
    EXPECT_EQ(desktop.ReadoutText(), "h 1' 3: v 1' 3 DATUM");
}

TEST_F(Datum, SetDatumActsOnFloorViewsOnly) {
    AddExternalWall(1000, 3000, 5000, 3000);
    desktop.SetReadoutText("kept");
    Shared.CurrentView = 40;
    view->DatumState = 3;
    view->DatumX = 7;
    SetDatum(*view, 1);
    SetDatum(*view, 4);
    EXPECT_EQ(view->DatumState, 3);
    EXPECT_EQ(view->DatumX, 7);
    EXPECT_EQ(desktop.ReadoutText(), "kept");

    Shared.CurrentView = 50;
    SetDatum(*view, 1);
    EXPECT_EQ((Point{view->DatumX, view->DatumY}), (Point{0, 0}));
    EXPECT_EQ(view->DatumState, 1);
    EXPECT_EQ(desktop.ReadoutText(), "0");
    SetDatum(*view, 4);
    EXPECT_EQ((Point{view->DatumX, view->DatumY}), (Point{1000, 3000}));
    EXPECT_EQ(view->DatumState, 4);

    // With no external walls the plan corner is the origin.
    Shared.CurrentView = 51;
    DrawingList.Flush();
    SetDatum(*view, 4);
    EXPECT_EQ((Point{view->DatumX, view->DatumY}), (Point{0, 0}));
    EXPECT_EQ(view->DatumState, 4);
}

TEST_F(Datum, TabArmsTheDatumAndTheNextTabPutsItAtThePlanCorner) {
    Tool().KeyMode() = 1;
    view->DatumX = 500;
    Key(platform::VirtualKey::Tab);
    EXPECT_EQ(Prompt(),
              "DATUM ON - click reference point with Left Btn, click ICON or use TAB key to turn off");
    EXPECT_EQ(view->DatumState, 2);
    EXPECT_EQ(view->DatumX, 0);
    EXPECT_EQ(Tool().KeyMode(), 0);
    EXPECT_EQ(Shared.HelpContext, 350);
    // Armed, the readout is relative to the origin until the user clicks.
    EXPECT_EQ(ReadoutAt(1300, 2400), "h 1300: v 2400 m.m DATUM");

    AddExternalWall(1000, 3000, 5000, 3000);
    Key(platform::VirtualKey::Tab);
    EXPECT_EQ(Prompt(), "press F1 for help");
    EXPECT_EQ(view->DatumState, 4);
    EXPECT_EQ((Point{view->DatumX, view->DatumY}), (Point{1000, 3000}));
}

TEST_F(Datum, TabWithNoDrawingOpenDoesNothing) {
    Shared.DrawingState = 0;
    desktop.SetStatusText("before");
    Key(platform::VirtualKey::Tab);
    EXPECT_EQ(Prompt(), "before");
    EXPECT_NE(view->DatumState, 2);
    EXPECT_NE(Shared.HelpContext, 350);
}

} // namespace
