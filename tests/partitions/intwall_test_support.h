#pragma once
// The stage of the internal-wall tests: the tool stage (a metric drawing on the ground floor of a
// 600 x 400 view, Scale 5) with walls made as the tool's keys make them.
#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "partitions/intwall_tool.h"
#include "settings/cfg_dialog_files.h"
#include "tools/tool_test_support.h"

#include <cmath>
#include <memory>

namespace intwall_test {

class InternalWallTest : public tool_test::ToolTest {
  protected:
    void SetUp() override {
        ToolTest::SetUp();
        Shared.ObjectSerial = 0;
        Thickness(100);
    }
    static void Thickness(int width) { WriteInternalWallSettings(1, {width}); }

    // The internal-wall tool as Draw Internal Wall leaves it with the second line on `side`.
    std::unique_ptr<TIntwallobjtool> NewTool(int side) {
        auto tool = std::make_unique<TIntwallobjtool>();
        tool->SecondLineSide() = side;
        tool->Started() = 1;
        return tool;
    }
    // A wall made as a key makes it: a fresh number, the side of the dialog in use, then CreateObject.
    void Draw(TIntwallobjtool& tool, long long x1, long long y1, long long x2, long long y2, int angle) {
        tool.X1 = static_cast<int>(x1), tool.Y1 = static_cast<int>(y1);
        tool.X2 = static_cast<int>(x2), tool.Y2 = static_cast<int>(y2);
        tool.WallAngle() = angle;
        tool.SideInUse() = tool.SecondLineSide();
        ++Shared.ObjectSerial;
        tool.RunNumber() = tool.ObjectNumber() = 10000 + Shared.ObjectSerial;
        OnView(tool, [&](platform::DeviceContext& dc) { tool.CreateObject(dc, client); });
    }
    // The same from a start, a bearing (tenths of a degree clockwise from +y) and a length.
    void DrawAt(TIntwallobjtool& tool, long long x, long long y, int angle, double length) {
        const double rad = angle * 3.14159265358979 / 1800.0;
        Draw(tool, x, y, x + std::llround(length * std::sin(rad)), y + std::llround(length * std::cos(rad)),
             angle);
    }
    static TIntwallobj& Wall(int index) { return dynamic_cast<TIntwallobj&>(*DrawingList.Edit(index)); }
    static int Walls() {
        int n = 0;
        for (int i = 0; i < DrawingList.count; ++i)
            if (DrawingList[i]->type == 1500) ++n;
        return n;
    }
};

// The signed distance of a point from the line through two points (positive on its left).
inline double SideDistance(double px, double py, double x1, double y1, double x2, double y2) {
    const double dx = x2 - x1, dy = y2 - y1;
    return (dx * (py - y1) - dy * (px - x1)) / std::hypot(dx, dy);
}

} // namespace intwall_test
