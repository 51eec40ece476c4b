#include "platform/device_context.h"
#include "platform/recording_surface.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(DeviceContext, IsotropicMappingEqualisesToTheLargerRatio) {
    RecordingSurface surface;
    DeviceContext dc(surface);
    dc.SetMapMode(MapMode::Isotropic);
    dc.SetWindowExt(3000, 3000);
    dc.SetViewportExt(600, -400);
    Point p{100, 400};
    dc.SetViewportOrg(0, 400);
    ASSERT_TRUE(dc.DPtoLP(p));
    EXPECT_EQ(p, (Point{750, 0}));
}
