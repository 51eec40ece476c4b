// The painting entry points: which pen an object gets on the view, on paper and in the bitmap, which of
// its drawing operations runs, and what PaintMapped prepares on the device context.
#include "model/drawing_objects.h"
#include "model/object_painting.h"
#include "model/shared_state.h"
#include "platform/device_context.h"
#include "platform/recording_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <optional>
#include <string>
#include <vector>

using namespace platform;

namespace {

constexpr ColourRef Own = Rgb(10, 20, 30);
constexpr ColourRef Overlay = Rgb(200, 0, 200);
constexpr ColourRef Before = Rgb(1, 1, 1); // the pen the device context holds before the paint

// Notes which operation ran and with which pen; every slot is overridden so any type code can be
// dispatched through it.
class SlotProbe : public TObject {
  public:
    void Draw(DeviceContext& dc) const override { Note("Draw", dc); }
    void DrawFilledWall(DeviceContext& dc) const override { Note("DrawFilledWall", dc); }
    void DrawPatternWall(DeviceContext& dc, int overlay) const override {
        Note("DrawPatternWall " + std::to_string(overlay), dc);
    }
    void DrawScaled(DeviceContext& dc, int d, int h, int offset) const override {
        NoteScaled("DrawScaled", dc, d, h, offset);
    }
    void DrawScaledFilledWall(DeviceContext& dc, int d, int h, int offset) const override {
        NoteScaled("DrawScaledFilledWall", dc, d, h, offset);
    }
    void DrawScaledPatternWall(DeviceContext& dc, int overlay, int d, int h, int offset) const override {
        NoteScaled("DrawScaledPatternWall " + std::to_string(overlay), dc, d, h, offset);
    }

    // What the last operation saw; the operations draw, so they are const.
    mutable std::string slot = "none";
    mutable Pen pen;

  private:
    void Note(const std::string& name, DeviceContext& dc) const {
        slot = name;
        pen = dc.CurrentPen();
    }
    void NoteScaled(const std::string& name, DeviceContext& dc, int d, int h, int offset) const {
        // The bitmap's mapping values reach the operation unchanged.
        EXPECT_EQ(d, 25);
        EXPECT_EQ(h, 14850);
        EXPECT_EQ(offset, 150);
        Note(name, dc);
    }
};

enum class Target { View, Printer, Bitmap };

struct PenCase {
    const char* what;
    int type;
    int penWidth;
    int penStyle;
    int overlay;
    int displayMode;
    Target target;
    const char* slot;
    std::optional<Pen> pen; // none: the operation runs with the pen the context held, none selected
};

Pen P(ColourRef colour, int width, PenStyle style) {
    return Pen{colour, width, style};
}

class PenDispatch : public testing::TestWithParam<PenCase> {
  protected:
    void SetUp() override {
        ResetSharedState();
        Shared.PenWidthFactor = 5;
        Shared.Scale = 5;
        Shared.OverlayColour = Overlay;
    }
    void TearDown() override { ResetSharedState(); }
};

} // namespace

TEST_P(PenDispatch, ChoosesPenAndOperationAndRestoresThePreviousPen) {
    const PenCase& c = GetParam();
    Shared.DisplayMode = c.displayMode;
    if (c.target == Target::Printer) Shared.PenWidthFactor = 6; // the print line weight
    SlotProbe probe;
    probe.type = c.type;
    probe.penWidth = c.penWidth;
    probe.penStyle = c.penStyle;
    probe.colour = static_cast<int>(Own);

    RecordingSurface surface;
    DeviceContext dc(surface);
    dc.SelectPen(P(Before, 1, PenStyle::Solid));
    surface.Clear();
    switch (c.target) {
    case Target::View:
        probe.Paint(dc, Rect{0, 0, 640, 480}, c.overlay);
        break;
    case Target::Printer:
        PrintObject(probe, dc);
        break;
    case Target::Bitmap:
        PaintObjectScaled(probe, dc, 77, 25, 14850, 150);
        break;
    }

    EXPECT_EQ(probe.slot, c.slot);
    const auto selections = surface.CallsNamed("SelectPen");
    if (c.pen) {
        EXPECT_EQ(probe.pen, *c.pen);
        ASSERT_EQ(selections.size(), 2u) << "the pen, then the previous one back";
    } else {
        EXPECT_TRUE(selections.empty());
        if (std::string(c.slot) != "none") {
            EXPECT_EQ(probe.pen, P(Before, 1, PenStyle::Solid));
        }
    }
    EXPECT_EQ(dc.CurrentPen(), P(Before, 1, PenStyle::Solid));
    EXPECT_EQ(probe.penWidth, c.penWidth) << "the object keeps its width";
}

INSTANTIATE_TEST_SUITE_P(
    Pens, PenDispatch,
    testing::Values(
        // Rooms: a styled room gets a solid pen of its own width on the view; pen style 0 the factor.
        PenCase{"room_styled_view", 29000, 2, 1, 0, 0, Target::View, "Draw", P(Own, 2, PenStyle::Solid)},
        PenCase{"room_solid_view", 29000, 2, 0, 0, 0, Target::View, "Draw", P(Own, 10, PenStyle::Solid)},
        PenCase{"room_styled_paper", 29000, 2, 1, 0, 0, Target::Printer, "Draw", P(Own, 12, PenStyle::Dash)},
        // A dotted arc is one unit wide and dotted everywhere.
        PenCase{"dotted_arc_view", 3, 3, 2, 0, 0, Target::View, "Draw", P(Own, 1, PenStyle::Dot)},
        PenCase{"dotted_arc_paper", 3, 3, 2, 0, 0, Target::Printer, "Draw", P(Own, 1, PenStyle::Dot)},
        PenCase{"dotted_arc_bitmap", 3, 3, 2, 0, 0, Target::Bitmap, "DrawScaled", P(Own, 1, PenStyle::Dot)},
        PenCase{"dashed_arc_view", 3, 2, 1, 0, 0, Target::View, "Draw", P(Own, 10, PenStyle::Dash)},
        // Overlays: lines take the overlay colour on the view only; texts keep their own and get no pen.
        PenCase{"overlay_line_view", 1, 1, 0, 1, 0, Target::View, "Draw", P(Overlay, 5, PenStyle::Solid)},
        PenCase{"own_line_view", 1, 1, 0, 0, 0, Target::View, "Draw", P(Own, 5, PenStyle::Solid)},
        PenCase{"overlay_text_view", 37, 1, 0, 1, 0, Target::View, "Draw", std::nullopt},
        PenCase{"text_bitmap", 4, 1, 0, 0, 0, Target::Bitmap, "DrawScaled", std::nullopt},
        // Dotted outline codes are dotted unless their style says otherwise.
        PenCase{"outline_140_view", 140, 1, 0, 0, 0, Target::View, "Draw", P(Own, 5, PenStyle::Dot)},
        PenCase{"outline_140_dashed", 140, 1, 1, 0, 0, Target::View, "Draw", P(Own, 5, PenStyle::Dash)},
        PenCase{"outline_500_paper", 500, 1, 0, 0, 0, Target::Printer, "Draw", P(Own, 6, PenStyle::Dot)},
        PenCase{"outline_140_bitmap", 140, 1, 0, 0, 0, Target::Bitmap, "DrawScaled",
                P(Own, 1, PenStyle::Dot)},
        // Paper: thick is 2, anything else 1, times the print weight.
        PenCase{"paper_width_3", 1, 3, 0, 0, 0, Target::Printer, "Draw", P(Own, 6, PenStyle::Solid)},
        PenCase{"paper_width_2", 1, 2, 0, 1, 0, Target::Printer, "Draw", P(Own, 12, PenStyle::Solid)},
        // Bitmap: the object's width, divided by Scale above 2.
        PenCase{"bitmap_width_2", 1, 2, 0, 0, 0, Target::Bitmap, "DrawScaled", P(Own, 2, PenStyle::Solid)},
        PenCase{"bitmap_width_12", 1, 12, 0, 0, 0, Target::Bitmap, "DrawScaled", P(Own, 2, PenStyle::Solid)},
        // Walls follow the display mode's tens digit.
        PenCase{"wall_outline", 1000, 1, 0, 0, 5, Target::View, "Draw", P(Own, 5, PenStyle::Solid)},
        PenCase{"wall_pattern_view", 1500, 1, 0, 1, 12, Target::View, "DrawPatternWall 1", std::nullopt},
        PenCase{"wall_pattern_paper", 1500, 1, 0, 0, 12, Target::Printer, "DrawPatternWall 0", std::nullopt},
        PenCase{"wall_pattern_bitmap", 1000, 1, 0, 0, 12, Target::Bitmap, "DrawScaledPatternWall 0",
                std::nullopt},
        PenCase{"wall_filled_view", 1000, 1, 0, 1, 22, Target::View, "DrawFilledWall",
                P(Overlay, 5, PenStyle::Solid)},
        PenCase{"wall_filled_bitmap", 1500, 2, 0, 0, 22, Target::Bitmap, "DrawScaledFilledWall",
                P(Own, 2, PenStyle::Solid)},
        PenCase{"wall_hidden_view", 1000, 1, 0, 0, 35, Target::View, "none", std::nullopt},
        PenCase{"wall_hidden_paper", 1500, 1, 0, 0, 35, Target::Printer, "none", std::nullopt},
        PenCase{"wall_hidden_bitmap", 1000, 1, 0, 0, 35, Target::Bitmap, "none", std::nullopt},
        // A width times the factor past the int range (a damaged drawing) is held at the range's end.
        PenCase{"huge_width_view", 1, 1 << 30, 0, 0, 0, Target::View, "Draw",
                P(Own, INT_MAX, PenStyle::Solid)},
        PenCase{"huge_negative_width_view", 1, -(1 << 30), 1, 0, 0, Target::View, "Draw",
                P(Own, INT_MIN, PenStyle::Dash)},
        PenCase{"huge_width_filled_wall", 1500, INT_MAX, 0, 0, 22, Target::View, "DrawFilledWall",
                P(Own, INT_MAX, PenStyle::Solid)},
        // A style no pen exists for keeps the pen in force.
        PenCase{"unknown_style", 1, 1, 9, 0, 0, Target::View, "Draw", std::nullopt}),
    [](const testing::TestParamInfo<PenCase>& info) { return std::string(info.param.what); });

TEST(PaintMapped, PreparesTheViewMappingAndCopyPenBeforeDrawing) {
    ResetSharedState();
    Shared.ClientWidth = 3000;
    Shared.ClientHeight = 2000;
    Shared.ScrollX = 100;
    Shared.ScrollY = 40;
    Shared.BackgroundColour = Rgb(0, 0, 128);
    RecordingSurface surface;
    DeviceContext dc(surface);
    dc.SetROP2(RasterOp::XorPen); // a tool was drawing its outline
    surface.Clear();
    TLineobj line;
    line.x1 = 500, line.y1 = 500, line.x2 = 900, line.y2 = 500;
    line.PaintMapped(dc, Rect{0, 0, 600, 400}, 0);

    std::vector<std::string> names;
    for (const DrawCall& call : surface.Calls())
        names.push_back(call.name);
    EXPECT_EQ(names, (std::vector<std::string>{"SetMapMode", "SetWindowExt", "SetViewportExt", "SetWindowOrg",
                                               "SetViewportOrg", "SetBkMode", "SetBkColor", "SetROP2",
                                               "SelectPen", "MoveTo", "LineTo", "SelectPen"}));
    const auto& calls = surface.Calls();
    EXPECT_EQ(calls[0].args, (std::vector<int>{static_cast<int>(MapMode::Isotropic)}));
    EXPECT_EQ(calls[1].args, (std::vector<int>{3000, 2000}));
    EXPECT_EQ(calls[2].args, (std::vector<int>{600, -400}));
    EXPECT_EQ(calls[3].args, (std::vector<int>{100, 40}));
    EXPECT_EQ(calls[4].args, (std::vector<int>{0, 400}));
    EXPECT_EQ(calls[5].args, (std::vector<int>{static_cast<int>(BackgroundMode::Transparent)}));
    EXPECT_EQ(calls[6].args, (std::vector<int>{static_cast<int>(Rgb(0, 0, 128))}));
    EXPECT_EQ(calls[7].args, (std::vector<int>{static_cast<int>(RasterOp::CopyPen)}));
    EXPECT_EQ(calls[10].rop, RasterOp::CopyPen);
    // 5 logical units a pixel, y up from the bottom edge.
    EXPECT_EQ(calls[10].device, (std::vector<Point>{{80, 308}, {160, 308}}));
    ResetSharedState();
}

TEST(PointCopies, CopyPointsClearsTheRestAndNeverWritesPastSixteen) {
    int source[20];
    for (int i = 0; i < 20; ++i)
        source[i] = i + 1;
    int destination[TPolyobj::MaxPoints];
    std::fill(std::begin(destination), std::end(destination), -1);
    CopyPoints(nullptr, source, 3, destination);
    EXPECT_EQ(destination[0], 1);
    EXPECT_EQ(destination[2], 3);
    EXPECT_EQ(destination[3], 0);
    EXPECT_EQ(destination[15], 0);
    CopyPoints(nullptr, source, 20, destination);
    EXPECT_EQ(destination[15], 16);

    const int quad[4] = {5, 6, 7, 8};
    int out[5] = {0, 0, 0, 0, 99};
    CopyQuad(nullptr, quad, out);
    EXPECT_EQ(out[0], 5);
    EXPECT_EQ(out[3], 8);
    EXPECT_EQ(out[4], 99);
}
