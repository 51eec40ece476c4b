// How walls paint in the three wall display modes: outlines, hatching and filled bodies, on the view
// (through TObject::Paint) and in the bitmap export (through PaintObjectScaled).
#include "model/drawing_objects.h"
#include "model/object_painting.h"
#include "model/shared_state.h"
#include "platform/device_context.h"
#include "platform/pixel_buffer.h"
#include "platform/raster_surface.h"
#include "platform/recording_surface.h"
#include "platform/text_renderer.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <initializer_list>
#include <memory>
#include <string_view>
#include <vector>

using namespace platform;

namespace {

constexpr ColourRef Red = Rgb(255, 0, 0);

// One straight stroke as drawn: a move, then a line, with the pen of the line.
struct Segment {
    Point from;
    Point to;
    Pen pen;
};

class WallDrawing : public testing::Test {
  protected:
    void SetUp() override {
        ResetSharedState();
        Shared.Scale = 5;
        Shared.PenWidthFactor = 5;
        Shared.OverlayColour = Rgb(0, 200, 200);
    }
    void TearDown() override { ResetSharedState(); }

    void Paint(TObject& wall, int displayMode, int overlay = 0) {
        Shared.DisplayMode = displayMode;
        wall.Paint(dc, Rect{0, 0, 640, 480}, overlay);
    }
    void Export(TObject& wall, int displayMode) {
        Shared.DisplayMode = displayMode;
        PaintObjectScaled(wall, dc, 0, 25, 0, 0);
    }

    std::vector<Segment> Segments() const {
        std::vector<Segment> out;
        Point at;
        for (const DrawCall& call : surface.Calls()) {
            if (call.name == "MoveTo") at = {call.args[0], call.args[1]};
            if (call.name == "LineTo") out.push_back({at, {call.args[0], call.args[1]}, call.pen});
        }
        return out;
    }
    // The segments drawn with the hatch pen: everything after the faces.
    std::vector<Segment> Strokes(std::size_t faces) const {
        const std::vector<Segment> all = Segments();
        return std::vector<Segment>(all.begin() + static_cast<std::ptrdiff_t>(std::min(faces, all.size())),
                                    all.end());
    }

    // A horizontal internal wall, 1000 logical units long and `thickness` drawing units thick, its
    // second face above the first.
    static TIntwallobj Horizontal(int thickness) {
        TIntwallobj wall;
        wall.colour = static_cast<int>(Red);
        wall.x1 = 0, wall.y1 = 1000, wall.x2 = 5000, wall.y2 = 1000;
        wall.fx1 = 0, wall.fy1 = 1000 + thickness, wall.fx2 = 5000, wall.fy2 = 1000 + thickness;
        wall.iwall1 = thickness;
        wall.iwall6 = 900;
        return wall;
    }

    // The top side of a house drawn left to right (or right to left): outer face at y 5000, the leaves
    // 100, 50 and 100 thick inwards (downwards).
    static TExtwallobj TopWall(bool leftToRight, int cavity = 50) {
        TExtwallobj wall;
        wall.colour = static_cast<int>(Red);
        const int a = leftToRight ? 1000 : 6000;
        const int b = leftToRight ? 6000 : 1000;
        const int in = leftToRight ? 1 : -1; // the mitred faces step in from both ends
        wall.x1 = a, wall.y1 = 5000, wall.x2 = b, wall.y2 = 5000;
        wall.ewall1 = 100, wall.ewall2 = cavity, wall.ewall3 = 100;
        wall.ewall6 = leftToRight ? 900 : 2700;
        wall.f1x1 = a + in * 100, wall.f1y1 = 4900, wall.f1x2 = b - in * 100, wall.f1y2 = 4900;
        wall.f2x1 = a + in * 150, wall.f2y1 = 4850, wall.f2x2 = b - in * 150, wall.f2y2 = 4850;
        wall.f3x1 = a + in * 250, wall.f3y1 = 4750, wall.f3x2 = b - in * 250, wall.f3y2 = 4750;
        if (cavity == 0) {
            wall.f1x1 = a + in * 200, wall.f1y1 = 4800, wall.f1x2 = b - in * 200, wall.f1y2 = 4800;
            wall.f2x1 = wall.f2y1 = wall.f2x2 = wall.f2y2 = 0;
            wall.f3x1 = wall.f3y1 = wall.f3x2 = wall.f3y2 = 0;
        }
        return wall;
    }

    RecordingSurface surface;
    DeviceContext dc{surface};
};

} // namespace

TEST_F(WallDrawing, HatchedInternalWallGetsPairsOfStrokes) {
    TIntwallobj wall = Horizontal(10); // 2 logical units
    Paint(wall, 12);
    const std::vector<Segment> all = Segments();
    ASSERT_EQ(all.size(), 2u + 16u) << "two faces and (1000 - 4) / 140 + 1 = 8 pairs";
    EXPECT_EQ(all[0].pen, (Pen{Red, 5, PenStyle::Solid}));
    EXPECT_EQ(all[0].from, (Point{0, 200}));
    EXPECT_EQ(all[1].to, (Point{1000, 202}));
    for (int pair = 0; pair < 8; ++pair) {
        for (int second = 0; second < 2; ++second) {
            const Segment& s = all[static_cast<std::size_t>(2 + 2 * pair + second)];
            const int x = 2 + 140 * pair + 15 * second;
            EXPECT_EQ(s.from, (Point{x, 202})) << pair;
            EXPECT_EQ(s.to, (Point{x + 2, 200})) << pair;
            EXPECT_EQ(s.pen, (Pen{Red, 2, PenStyle::Solid})) << "width x (PenWidthFactor / 2)";
        }
    }
    EXPECT_EQ(dc.CurrentPen(), Pen{}) << "the pens go back";
}

TEST_F(WallDrawing, HatchedVerticalInternalWallRunsDownFromTheTop) {
    TIntwallobj wall;
    wall.x1 = 1000, wall.y1 = 0, wall.x2 = 1000, wall.y2 = 2000;
    wall.fx1 = 1100, wall.fy1 = 0, wall.fx2 = 1100, wall.fy2 = 2000;
    wall.iwall1 = 100;
    Paint(wall, 12);
    const std::vector<Segment> strokes = Strokes(2);
    // (400 - 20 - 0 - 20) / 140 + 1 = 3 pairs, from 400 - 20 downwards.
    ASSERT_EQ(strokes.size(), 6u);
    EXPECT_EQ(strokes[0].from, (Point{200, 380}));
    EXPECT_EQ(strokes[0].to, (Point{220, 360}));
    EXPECT_EQ(strokes[1].from, (Point{200, 365}));
    EXPECT_EQ(strokes[2].from, (Point{200, 240}));
}

TEST_F(WallDrawing, SlopingInternalWallGetsSingleStrokes) {
    TIntwallobj wall;
    wall.x1 = 0, wall.y1 = 0, wall.x2 = 5000, wall.y2 = 5000;
    wall.fx1 = 71, wall.fy1 = -71, wall.fx2 = 5071, wall.fy2 = 4929;
    wall.iwall1 = 100; // T = 20
    wall.iwall6 = 450;
    Paint(wall, 12);
    const std::vector<Segment> strokes = Strokes(2);
    const double phi = 450 * 0.001745;
    const int length = static_cast<int>(20 / std::sin(phi));
    ASSERT_EQ(strokes.size(), 8u) << "1000 / 125";
    for (std::size_t i = 0; i < strokes.size(); ++i) {
        EXPECT_EQ(strokes[i].from.x, 125 * static_cast<int>(i + 1));
        EXPECT_EQ(strokes[i].to.x, strokes[i].from.x);
        EXPECT_EQ(strokes[i].from.y - strokes[i].to.y, length);
    }
    // Each stroke hangs from the first face, rising with it.
    EXPECT_EQ(strokes[0].from.y, static_cast<int>(125 * std::cos(phi) / std::sin(phi)));
    EXPECT_GT(strokes[7].from.y, strokes[6].from.y);
}

TEST_F(WallDrawing, WallOnABearingWithoutSlopeGetsFacesAndNoStrokes) {
    // Coordinates that slope while the stored bearing says straight up, down or nothing at all.
    for (int bearing : {0, 1800, -900, 3600, 40000}) {
        TIntwallobj inner;
        inner.x1 = 0, inner.y1 = 0, inner.x2 = 5000, inner.y2 = 5000;
        inner.fx1 = 71, inner.fy1 = -71, inner.fx2 = 5071, inner.fy2 = 4929;
        inner.iwall1 = 100;
        inner.iwall6 = bearing;
        surface.Clear();
        Paint(inner, 12);
        EXPECT_EQ(Segments().size(), 2u) << bearing;

        TExtwallobj outer = TopWall(true);
        outer.y2 = 9000, outer.f1y2 = 8900, outer.f2y2 = 8850, outer.f3y2 = 8750;
        outer.ewall6 = bearing;
        surface.Clear();
        Paint(outer, 12);
        EXPECT_EQ(Segments().size(), 4u) << bearing;
    }
}

TEST_F(WallDrawing, FilledWallIsBlackWithItsOwnBorder) {
    TExtwallobj wall = TopWall(true);
    Paint(wall, 22);
    std::vector<std::string> names;
    for (const DrawCall& call : surface.Calls())
        names.push_back(call.name);
    EXPECT_EQ(names, (std::vector<std::string>{"SelectPen", "SelectBrush", "MoveTo", "LineTo", "MoveTo",
                                               "LineTo", "Polygon", "SelectPen"}));
    const DrawCall polygon = surface.CallsNamed("Polygon")[0];
    EXPECT_EQ(polygon.brush, Brush::SolidBrush(Rgb(0, 0, 0)));
    EXPECT_EQ(polygon.pen, (Pen{Red, 5, PenStyle::Solid}));
    // Outer face, then the inner face (the third of a cavity wall) back to its start.
    EXPECT_EQ(polygon.logical, (std::vector<Point>{{200, 1000}, {1200, 1000}, {1150, 950}, {250, 950}}));

    surface.Clear();
    TIntwallobj inner = Horizontal(100);
    Paint(inner, 22);
    EXPECT_EQ(surface.CallsNamed("Polygon")[0].logical,
              (std::vector<Point>{{0, 200}, {1000, 200}, {1000, 220}, {0, 220}}));
}

TEST_F(WallDrawing, CavityWallHatchesBothLeavesTheirOwnWay) {
    TExtwallobj wall = TopWall(true);
    Paint(wall, 12);
    const std::vector<Segment> all = Segments();
    // Four faces, 7 pairs on the outer leaf, 7 on the inner.
    ASSERT_EQ(all.size(), 4u + 14u + 14u);
    EXPECT_EQ(all[3].from, (Point{250, 950}));
    EXPECT_EQ(all[4].from, (Point{220, 1000}));
    EXPECT_EQ(all[4].to, (Point{240, 980}));
    EXPECT_EQ(all[5].from, (Point{235, 1000}));
    EXPECT_EQ(all[6].from, (Point{360, 1000}));
    // The inner leaf slants back.
    EXPECT_EQ(all[18].from, (Point{270, 950}));
    EXPECT_EQ(all[18].to, (Point{250, 970}));
    EXPECT_EQ(all[19].from, (Point{285, 950}));
}

TEST_F(WallDrawing, SolidWallHasTwoFacesAndNoInnerLeaf) {
    TExtwallobj wall = TopWall(true, 0);
    Paint(wall, 12);
    const std::vector<Segment> all = Segments();
    ASSERT_EQ(all.size(), 2u + 14u);
    EXPECT_EQ(all[1].from, (Point{240, 960}));
    for (std::size_t i = 2; i < all.size(); ++i)
        EXPECT_EQ(all[i].from.y, 1000) << "outer leaf strokes only";

    surface.Clear();
    Paint(wall, 2);
    EXPECT_EQ(Segments().size(), 2u) << "the outline of a solid wall";
}

TEST_F(WallDrawing, WallDrawnRightToLeftHatchesFromItsFirstEndLeftward) {
    TExtwallobj wall = TopWall(false);
    Paint(wall, 12);
    const std::vector<Segment> strokes = Strokes(4);
    ASSERT_EQ(strokes.size(), 28u);
    EXPECT_EQ(strokes[0].from, (Point{1180, 1000}));
    EXPECT_EQ(strokes[0].to, (Point{1160, 980}));
    EXPECT_EQ(strokes[1].from, (Point{1165, 1000}));
    EXPECT_EQ(strokes[2].from, (Point{1040, 1000}));
}

TEST_F(WallDrawing, VerticalExternalWallsHatchBothLeaves) {
    // The right side of a house, drawn downwards: the leaves lie to the left.
    TExtwallobj wall;
    wall.x1 = 6000, wall.y1 = 5000, wall.x2 = 6000, wall.y2 = 1000;
    wall.ewall1 = 100, wall.ewall2 = 50, wall.ewall3 = 100, wall.ewall6 = 1800;
    wall.f1x1 = 5900, wall.f1y1 = 4900, wall.f1x2 = 5900, wall.f1y2 = 1100;
    wall.f2x1 = 5850, wall.f2y1 = 4850, wall.f2x2 = 5850, wall.f2y2 = 1150;
    wall.f3x1 = 5750, wall.f3y1 = 4750, wall.f3x2 = 5750, wall.f3y2 = 1250;
    Paint(wall, 12);
    const std::vector<Segment> strokes = Strokes(4);
    // Outer: from y2 + 20 upwards, (1000 - 220 - 20) / 140 + 1 = 6 pairs. Inner: from 220 + 20 + 10
    // upwards, (950 - 250 - 20) / 140 + 1 = 5 pairs.
    ASSERT_EQ(strokes.size(), 12u + 10u);
    EXPECT_EQ(strokes[0].from, (Point{1200, 220}));
    EXPECT_EQ(strokes[0].to, (Point{1180, 240}));
    EXPECT_EQ(strokes[1].from, (Point{1200, 235}));
    EXPECT_EQ(strokes[12].from, (Point{1170, 250}));
    EXPECT_EQ(strokes[12].to, (Point{1150, 270}));
}

TEST_F(WallDrawing, SlopingExternalLeafGetsPairsAlongX) {
    TExtwallobj wall;
    wall.x1 = 0, wall.y1 = 0, wall.x2 = 7000, wall.y2 = 7000; // bearing 450
    wall.ewall1 = 100, wall.ewall2 = 0, wall.ewall3 = 100, wall.ewall6 = 450;
    wall.f1x1 = 141, wall.f1y1 = 0, wall.f1x2 = 7141, wall.f1y2 = 7000;
    Paint(wall, 12);
    const std::vector<Segment> strokes = Strokes(2);
    ASSERT_EQ(strokes.size(), 20u) << "1400 / 140 pairs";
    const int length = static_cast<int>(20 / std::sin(450 * 0.001745));
    for (std::size_t i = 0; i < strokes.size(); i += 2) {
        const int pair = static_cast<int>(i / 2);
        EXPECT_EQ(strokes[i].from.x, 125 + 140 * pair);
        EXPECT_EQ(strokes[i + 1].from.x, 140 + 140 * pair);
        EXPECT_EQ(strokes[i].from.y - strokes[i].to.y, length) << "downwards";
        // The second stroke starts 14 or 15 higher, as the floating-point evaluation gives it.
        const int shift = strokes[i + 1].from.y - strokes[i].from.y;
        EXPECT_TRUE(shift == 14 || shift == 15) << shift;
    }
}

TEST_F(WallDrawing, OverlayWallTakesTheOverlayColourThroughout) {
    TIntwallobj wall = Horizontal(10);
    Paint(wall, 12, 1);
    for (const Segment& s : Segments())
        EXPECT_EQ(s.pen.colour, Rgb(0, 200, 200));
    surface.Clear();
    TExtwallobj outer = TopWall(true);
    Paint(outer, 12, 1);
    for (const Segment& s : Segments())
        EXPECT_EQ(s.pen.colour, Rgb(0, 200, 200));
}

TEST_F(WallDrawing, StyledInternalWallKeepsItsStyleOnTheFacesOnly) {
    TIntwallobj wall = Horizontal(10);
    wall.penStyle = 1;
    Paint(wall, 12);
    const std::vector<Segment> all = Segments();
    ASSERT_GT(all.size(), 2u);
    EXPECT_EQ(all[0].pen.style, PenStyle::Dash);
    EXPECT_EQ(all[2].pen.style, PenStyle::Solid);
}

TEST_F(WallDrawing, BitmapHatchUsesSpacingDividedByScale) {
    Shared.BitmapLeft = 0;
    TIntwallobj wall = Horizontal(100); // 4 bitmap pixels thick
    wall.penWidth = 2;
    Export(wall, 12);
    const std::vector<Segment> all = Segments();
    // 5000 / 25 = 200 pixels long: (200 - 8) / 28 + 1 = 7 pairs, 3 apart, every 28.
    ASSERT_EQ(all.size(), 2u + 14u);
    EXPECT_EQ(all[0].pen, (Pen{Red, 2, PenStyle::Solid})) << "no width factor in the bitmap";
    EXPECT_EQ(all[2].from, (Point{4, -40}));
    EXPECT_EQ(all[2].to, (Point{8, -44}));
    EXPECT_EQ(all[3].from.x, 7);
    EXPECT_EQ(all[4].from.x, 32);
    EXPECT_EQ(all[2].pen, (Pen{Red, 2, PenStyle::Solid}));

    // A sloping wall is worked out upwards and drawn in the bitmap's downward y.
    surface.Clear();
    TIntwallobj sloping;
    sloping.x1 = 0, sloping.y1 = 0, sloping.x2 = 5000, sloping.y2 = 5000;
    sloping.fx1 = 71, sloping.fy1 = -71, sloping.fx2 = 5071, sloping.fy2 = 4929;
    sloping.iwall1 = 250; // 10 pixels
    sloping.iwall6 = 450;
    Export(sloping, 12);
    const std::vector<Segment> strokes = Strokes(2);
    ASSERT_EQ(strokes.size(), 8u) << "200 / 25";
    const int length = static_cast<int>(10 / std::sin(450 * 0.001745));
    for (std::size_t i = 0; i < strokes.size(); ++i) {
        EXPECT_EQ(strokes[i].from.x, 25 * static_cast<int>(i + 1));
        EXPECT_EQ(strokes[i].to.y - strokes[i].from.y, length) << "down the image";
    }
    EXPECT_LT(strokes[7].from.y, strokes[6].from.y) << "rising with the wall";
}

TEST_F(WallDrawing, BitmapFilledAndOutlineWalls) {
    Shared.BitmapLeft = 10;
    TExtwallobj wall = TopWall(true);
    Export(wall, 22);
    const auto polygons = surface.CallsNamed("Polygon");
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].logical, (std::vector<Point>{{30, -200}, {230, -200}, {220, -190}, {40, -190}}));
    surface.Clear();
    Export(wall, 0);
    EXPECT_EQ(Segments().size(), 4u);
    surface.Clear();
    Export(wall, 30);
    EXPECT_TRUE(surface.Calls().empty());
}

namespace {

// Walls draw no text.
class NoText : public TextRenderer {
  public:
    TextMetrics Metrics(const DeviceFont&) override { return {}; }
    int Advance(const DeviceFont&, std::string_view) override { return 0; }
    std::shared_ptr<const TextMask> Render(const DeviceFont&, std::string_view) override {
        return std::make_shared<TextMask>();
    }
};

// Paints into a raster surface but keeps primitives wherever they lie, as a surface without an edge
// would: the hatch then generates every stroke.
class EveryStroke : public Surface {
  public:
    explicit EveryStroke(RasterSurface& raster) : raster_(raster) {}
    bool ClipsToPixels() const override { return false; }
    Size PixelSize() const override { return raster_.PixelSize(); }
    void DrawLine(Point from, Point to, const DrawAttributes& a) override { raster_.DrawLine(from, to, a); }
    void DrawPolygon(const std::vector<Point>& points, const DrawAttributes& a) override {
        raster_.DrawPolygon(points, a);
    }
    void DrawRectangle(Rect box, const DrawAttributes& a) override { raster_.DrawRectangle(box, a); }
    void DrawRoundRect(Rect box, Size corner, const DrawAttributes& a) override {
        raster_.DrawRoundRect(box, corner, a);
    }
    void DrawEllipse(Rect box, const DrawAttributes& a) override { raster_.DrawEllipse(box, a); }
    void DrawArc(Rect box, Point start, Point end, const DrawAttributes& a) override {
        raster_.DrawArc(box, start, end, a);
    }
    void DrawText(Point at, unsigned align, std::string_view text, const DeviceFont& font,
                  const DrawAttributes& a) override {
        raster_.DrawText(at, align, text, font, a);
    }
    void FillRect(Rect box, ColourRef colour) override { raster_.FillRect(box, colour); }
    TextMetrics MeasureFont(const DeviceFont& font) override { return raster_.MeasureFont(font); }
    Size MeasureText(const DeviceFont& font, std::string_view text) override {
        return raster_.MeasureText(font, text);
    }

  private:
    RasterSurface& raster_;
};

constexpr int ViewWidth = 200;
constexpr int ViewHeight = 100;

// A view of 200 x 100 pixels at 5 logical units a pixel, y up, its lower-left corner at logical (x, y).
void ViewAt(DeviceContext& dc, int x, int y) {
    dc.SetMapMode(MapMode::Isotropic);
    dc.SetWindowExt(ViewWidth * 5, ViewHeight * 5);
    dc.SetViewportExt(ViewWidth, -ViewHeight);
    dc.SetWindowOrg(x, y);
    dc.SetViewportOrg(0, ViewHeight);
}

// An external wall along the bearing 450, 1350, 2250 or 3150 from (x, y), 5000 drawing units across,
// its leaves 100, 50 and 100 thick.
TExtwallobj SlopingExternal(int bearing, int x, int y) {
    const int dx = bearing < 1800 ? 5000 : -5000;
    const int dy = bearing < 900 || bearing > 2700 ? 5000 : -5000;
    TExtwallobj wall;
    wall.colour = static_cast<int>(Red);
    wall.x1 = x, wall.y1 = y, wall.x2 = x + dx, wall.y2 = y + dy;
    wall.ewall1 = 100, wall.ewall2 = 50, wall.ewall3 = 100, wall.ewall6 = bearing;
    wall.f1x1 = x + 141, wall.f1y1 = y, wall.f1x2 = x + dx + 141, wall.f1y2 = y + dy;
    wall.f2x1 = x + 212, wall.f2y1 = y, wall.f2x2 = x + dx + 212, wall.f2y2 = y + dy;
    wall.f3x1 = x + 353, wall.f3y1 = y, wall.f3x2 = x + dx + 353, wall.f3y2 = y + dy;
    return wall;
}

} // namespace

TEST_F(WallDrawing, WallsOffTheViewGetTheirFacesButNoStrokes) {
    PixelBuffer pixels(ViewWidth, ViewHeight);
    NoText text;
    RasterSurface raster(pixels, text);
    RecordingSurface view({ViewWidth, ViewHeight}, &raster);
    DeviceContext viewDc(view);
    TExtwallobj wall = TopWall(true); // logical x 200 to 1200, y 950 to 1000
    Shared.DisplayMode = 12;
    const Rect client{0, 0, ViewWidth, ViewHeight};

    ViewAt(viewDc, 0, 0); // y 0 to 500: the wall lies above the view
    wall.Paint(viewDc, client, 0);
    EXPECT_EQ(view.CallsNamed("LineTo").size(), 4u) << "the four faces and no stroke";

    view.Clear();
    ViewAt(viewDc, 0, 800); // x 0 to 1000: all of the wall but its right end
    wall.Paint(viewDc, client, 0);
    const std::size_t shown = view.CallsNamed("LineTo").size();
    EXPECT_GT(shown, 4u + 20u);
    EXPECT_LT(shown, 4u + 28u) << "the pairs at the right end lie off the view";
}

TEST_F(WallDrawing, LeavingOutTheStrokesThatCannotShowChangesNoPixel) {
    std::vector<TObject*> walls;
    TExtwallobj top = TopWall(true), back = TopWall(false), solid = TopWall(true, 0);
    walls.insert(walls.end(), {&top, &back, &solid});
    TExtwallobj right;
    right.x1 = 6000, right.y1 = 5000, right.x2 = 6000, right.y2 = 1000;
    right.ewall1 = 100, right.ewall2 = 50, right.ewall3 = 100, right.ewall6 = 1800;
    right.f1x1 = 5900, right.f1y1 = 4900, right.f1x2 = 5900, right.f1y2 = 1100;
    right.f2x1 = 5850, right.f2y1 = 4850, right.f2x2 = 5850, right.f2y2 = 1150;
    right.f3x1 = 5750, right.f3y1 = 4750, right.f3x2 = 5750, right.f3y2 = 1250;
    walls.push_back(&right);
    TExtwallobj sloping[4] = {SlopingExternal(450, 0, 0), SlopingExternal(1350, 0, 5000),
                              SlopingExternal(2250, 5000, 5000), SlopingExternal(3150, 5000, 0)};
    for (TExtwallobj& wall : sloping)
        walls.push_back(&wall);
    TIntwallobj horizontal = Horizontal(100);
    TIntwallobj up;
    up.x1 = 1000, up.y1 = 0, up.x2 = 1000, up.y2 = 5000;
    up.fx1 = 1100, up.fy1 = 0, up.fx2 = 1100, up.fy2 = 5000;
    up.iwall1 = 100;
    TIntwallobj rising, falling;
    rising.x1 = 0, rising.y1 = 0, rising.x2 = 5000, rising.y2 = 5000;
    rising.fx1 = 71, rising.fy1 = -71, rising.fx2 = 5071, rising.fy2 = 4929;
    rising.iwall1 = 100, rising.iwall6 = 450;
    falling = rising;
    falling.y1 = 5000, falling.y2 = 0, falling.fy1 = 5071, falling.fy2 = 71, falling.iwall6 = 1350;
    walls.insert(walls.end(), {&horizontal, &up, &rising, &falling});

    NoText text;
    const Rect client{0, 0, ViewWidth, ViewHeight};
    // Views whose edges cut through the walls at many places, and the bitmap export's mapping.
    for (TObject* wall : walls) {
        for (int x = -900; x <= 1200; x += 350) {
            for (int y = -300; y <= 1100; y += 350) {
                PixelBuffer clipped(ViewWidth, ViewHeight), every(ViewWidth, ViewHeight);
                RasterSurface clippedRaster(clipped, text), everyRaster(every, text);
                EveryStroke unclipped(everyRaster);
                DeviceContext clippedDc(clippedRaster), everyDc(unclipped);
                ViewAt(clippedDc, x, y);
                ViewAt(everyDc, x, y);
                Shared.DisplayMode = 12;
                wall->Paint(clippedDc, client, 0);
                wall->Paint(everyDc, client, 0);
                ASSERT_TRUE(clipped == every)
                    << "wall type " << wall->type << " viewed from " << x << ", " << y;
            }
            PixelBuffer clipped(ViewWidth, ViewHeight), every(ViewWidth, ViewHeight);
            RasterSurface clippedRaster(clipped, text), everyRaster(every, text);
            EveryStroke unclipped(everyRaster);
            DeviceContext clippedDc(clippedRaster), everyDc(unclipped);
            Shared.BitmapLeft = x / 25;
            PaintObjectScaled(*wall, clippedDc, 0, 25, 300, 0);
            PaintObjectScaled(*wall, everyDc, 0, 25, 300, 0);
            ASSERT_TRUE(clipped == every) << "wall type " << wall->type << " exported from " << x;
        }
    }
}

TEST_F(WallDrawing, WallsOfAnyDamagedSizeHatchInBoundedWork) {
    // Lengths and thicknesses across the whole int range: nothing overflows, and even where every
    // stroke would be kept a leaf draws at most 2 048 pairs.
    TExtwallobj wall;
    wall.x1 = INT_MIN + 7, wall.y1 = INT_MAX - 3, wall.x2 = INT_MAX - 5, wall.y2 = INT_MAX - 3;
    wall.f1x1 = INT_MIN, wall.f1y1 = INT_MIN, wall.f1x2 = INT_MAX, wall.f1y2 = INT_MIN;
    wall.f2x1 = INT_MIN, wall.f2y1 = 0, wall.f2x2 = INT_MAX, wall.f2y2 = 0;
    wall.f3x1 = INT_MIN, wall.f3y1 = INT_MIN + 9, wall.f3x2 = INT_MAX, wall.f3y2 = INT_MIN + 9;
    wall.ewall1 = INT_MAX, wall.ewall2 = INT_MAX, wall.ewall3 = INT_MIN, wall.ewall6 = 900;
    wall.penWidth = INT_MAX;
    TExtwallobj sloping = wall;
    sloping.y2 = INT_MIN + 1, sloping.ewall6 = 1350;
    TIntwallobj inner;
    inner.x1 = INT_MAX, inner.y1 = INT_MAX, inner.x2 = INT_MIN, inner.y2 = INT_MIN;
    inner.fx1 = INT_MAX - 100, inner.fy1 = INT_MAX - 100, inner.fx2 = INT_MIN, inner.fy2 = INT_MIN + 100;
    inner.iwall1 = INT_MIN, inner.iwall6 = 3150;
    Shared.Scale = 1;
    for (TObject* damaged : std::initializer_list<TObject*>{&wall, &sloping, &inner}) {
        surface.Clear();
        Paint(*damaged, 12);
        Export(*damaged, 12);
        EXPECT_LE(surface.CallsNamed("LineTo").size(), 2u * (8u + 2u * 2u * 2048u)) << damaged->type;
        EXPECT_GT(surface.CallsNamed("LineTo").size(), 8u) << damaged->type;
    }

    // A sloping wall whose first end the export maps to the lowest int, which has no negative in the
    // upward frame the sloping hatch is worked out in.
    TIntwallobj falling;
    falling.x1 = 0, falling.y1 = 0, falling.x2 = 5000, falling.y2 = -5000;
    falling.fx1 = 71, falling.fy1 = 71, falling.fx2 = 5071, falling.fy2 = -4929;
    falling.iwall1 = 100, falling.iwall6 = 1350;
    surface.Clear();
    Shared.DisplayMode = 12;
    PaintObjectScaled(falling, dc, 0, 1, INT_MIN, 0);
    EXPECT_GT(surface.CallsNamed("LineTo").size(), 2u);
}
