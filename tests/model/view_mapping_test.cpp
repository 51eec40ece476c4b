#include "model/view_mapping.h"

#include "model/shared_state.h"
#include "platform/recording_surface.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

class ViewMapping : public testing::Test {
protected:
    void SetUp() override { ResetSharedState(); }
    void TearDown() override { ResetSharedState(); }

    Point ToLogical(const Rect& client, int x, int y) {
        RecordingSurface surface;
        DeviceContext dc(surface); // fresh, as the view makes one per input message
        Point out;
        DeviceToLogical(dc, client, x, y, out.x, out.y);
        return out;
    }
    Point ToDevice(const Rect& client, int x, int y) {
        RecordingSurface surface;
        DeviceContext dc(surface);
        Point out;
        LogicalToDevice(dc, client, x, y, out.x, out.y);
        return out;
    }
};

} // namespace

TEST_F(ViewMapping, ConvertsPixelsAndLogicalUnitsBothWays) {
    Shared.ClientWidth = 3000;
    Shared.ClientHeight = 2000;
    Shared.ScrollX = 100;
    Shared.ScrollY = 50;
    Rect client{0, 0, 600, 400};
    EXPECT_EQ(ToLogical(client, 100, 400), (Point{600, 50}));
    EXPECT_EQ(ToLogical(client, 100, 0), (Point{600, 2050}));
    EXPECT_EQ(ToDevice(client, 600, 2050), (Point{100, 0}));
}

TEST_F(ViewMapping, UnequalRatiosUseTheLargerOnBothAxes) {
    Shared.ClientWidth = 3000;
    Shared.ClientHeight = 3000;
    Rect client{0, 0, 600, 400};
    // k = max(3000 / 600, 3000 / 400) = 7.5 on both axes.
    EXPECT_EQ(ToLogical(client, 100, 400), (Point{750, 0}));
    EXPECT_EQ(ToLogical(client, 0, 0), (Point{0, 3000}));
    EXPECT_EQ(ToDevice(client, 750, 750), (Point{100, 300}));
}

TEST_F(ViewMapping, AClickHigherUpNeverGivesASmallerY) {
    Shared.ClientWidth = 3000;
    Shared.ClientHeight = 2000;
    Rect client{0, 0, 600, 400};
    EXPECT_EQ(ToLogical(client, 0, 400), (Point{0, 0}));
    int previous = ToLogical(client, 0, 400).y;
    for (int y = 399; y >= 0; --y) {
        int current = ToLogical(client, 0, y).y;
        EXPECT_GT(current, previous) << "pixel row " << y;
        previous = current;
    }
}

TEST_F(ViewMapping, NormalSizeClickHundredPixelsRight) {
    Shared.Units = 1;
    SetScreenScale();
    Shared.ClientWidth = 5 * 600;
    Shared.ClientHeight = 5 * 400;
    Shared.ScrollX = 1000;
    Rect client{0, 0, 600, 400};
    Point logical = ToLogical(client, 100, 400);
    EXPECT_EQ(logical.x, 1500);
    EXPECT_EQ(logical.x * Shared.Scale, 7500);
}

TEST_F(ViewMapping, DrawingUnitsTruncateTowardZero) {
    Shared.Scale = 5;
    EXPECT_EQ(-7 / Shared.Scale, -1);
    EXPECT_EQ(12 / Shared.Scale * Shared.Scale, 10);
}

TEST_F(ViewMapping, ZeroSizedClientNeverDividesByZero) {
    Shared.ClientWidth = 3000;
    Shared.ClientHeight = 2000;
    for (Rect client : {Rect{0, 0, 0, 400}, Rect{0, 0, 600, 0}, Rect{0, 0, 0, 0}}) {
        Point logical{-99, -99};
        RecordingSurface surface;
        DeviceContext dc(surface);
        DeviceToLogical(dc, client, 10, 20, logical.x, logical.y);
        EXPECT_NE(logical, (Point{-99, -99})); // written whatever the conversion gave
        Point device{-99, -99};
        LogicalToDevice(dc, client, 10, 20, device.x, device.y);
        EXPECT_NE(device, (Point{-99, -99}));
    }
}

TEST_F(ViewMapping, ScreenScaleFollowsTheUnits) {
    Shared.Units = 1;
    SetScreenScale();
    EXPECT_EQ(Shared.Scale, 5);
    EXPECT_EQ(Shared.Zoom, 5.0f);
    EXPECT_EQ(Shared.PenWidthFactor, 5);
    Shared.Units = 0;
    SetScreenScale();
    EXPECT_EQ(Shared.Scale, 6);
    EXPECT_EQ(Shared.Zoom, 6.0f);
    EXPECT_EQ(Shared.PenWidthFactor, 4);
}

TEST_F(ViewMapping, MappingIsRecordedInOrder) {
    Shared.ClientWidth = 3000;
    Shared.ClientHeight = 2000;
    Shared.ScrollX = 7;
    Shared.ScrollY = 9;
    RecordingSurface surface;
    DeviceContext dc(surface);
    SetViewMapping(dc, Rect{0, 0, 600, 400});
    std::vector<std::string> names;
    for (const DrawCall& call : surface.Calls()) names.push_back(call.name);
    EXPECT_EQ(names, (std::vector<std::string>{"SetMapMode", "SetWindowExt", "SetViewportExt", "SetWindowOrg",
                                               "SetViewportOrg"}));
    EXPECT_EQ(surface.Calls()[2].args, (std::vector<int>{600, -400}));
    EXPECT_EQ(surface.Calls()[4].args, (std::vector<int>{0, 400}));
}
