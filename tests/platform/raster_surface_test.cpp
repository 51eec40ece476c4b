#include "platform/device_context.h"
#include "platform/pixel_buffer.h"
#include "platform/qt/text_renderer_factory.h"
#include "platform/raster_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <utility>
#include <vector>

using namespace platform;

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kBlack = 0xFF000000u;

TextRenderer& Text() {
    static std::unique_ptr<TextRenderer> renderer = qt::MakeTextRenderer();
    return *renderer;
}

// A white image of the given size with a raster surface over it.
struct Canvas {
    explicit Canvas(int width = 200, int height = 150, std::uint32_t fill = kWhite)
        : buffer(width, height, fill), surface(buffer, Text()) {}
    PixelBuffer buffer;
    RasterSurface surface;
};

struct Box {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN; // inclusive
    int count = 0;
    void Add(int x, int y) {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x);
        bottom = std::max(bottom, y);
        ++count;
    }
};

// The pixels where two images differ.
Box Changed(const PixelBuffer& before, const PixelBuffer& after) {
    Box box;
    for (int y = 0; y < after.Height(); ++y)
        for (int x = 0; x < after.Width(); ++x)
            if (before.Pixel(x, y) != after.Pixel(x, y)) box.Add(x, y);
    return box;
}

Box PixelsOf(const PixelBuffer& image, std::uint32_t pixel) {
    Box box;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (image.Pixel(x, y) == pixel) box.Add(x, y);
    return box;
}

// Draws through a fresh device context, as every paint and input call makes its own.
void WithContext(RasterSurface& surface, const std::function<void(DeviceContext&)>& draw) {
    DeviceContext dc(surface);
    draw(dc);
}

// The y-up mapping a drawing view uses: k logical units per pixel, origin at the lower-left corner.
void ViewMapping(DeviceContext& dc, int width, int height, int k) {
    dc.SetMapMode(MapMode::Isotropic);
    dc.SetWindowExt(width * k, height * k);
    dc.SetViewportExt(width, -height);
    dc.SetViewportOrg(0, height);
}

Pen MakePen(ColourRef colour, int width = 1, PenStyle style = PenStyle::Solid) {
    return Pen{colour, width, style};
}

} // namespace

TEST(PixelBuffer, ConvertsColourReferencesAndKeepsPixelsOnResize) {
    EXPECT_EQ(PixelFromColour(Rgb(0x12, 0x34, 0x56)), 0xFF123456u);
    EXPECT_EQ(ColourFromPixel(0xFF123456u), Rgb(0x12, 0x34, 0x56));
    PixelBuffer buffer(4, 3, kBlack);
    buffer.SetPixel(1, 2, 0xFFABCDEFu);
    buffer.SetPixel(9, 9, 0xFFABCDEFu); // outside: ignored
    EXPECT_EQ(buffer.Pixel(1, 2), 0xFFABCDEFu);
    EXPECT_EQ(buffer.Pixel(-1, 0), 0u);
    buffer.Resize(2, 5, kWhite);
    EXPECT_EQ(buffer.Width(), 2);
    EXPECT_EQ(buffer.Pixel(1, 2), 0xFFABCDEFu);
    EXPECT_EQ(buffer.Pixel(0, 0), kBlack);
    EXPECT_EQ(buffer.Pixel(1, 4), kWhite);
}

TEST(RasterSurface, AppliesEveryBinaryRasterOperationBitByBit) {
    const std::uint32_t d = 0xFF5A0FC3u; // destination
    const ColourRef penColour = Rgb(0x33, 0xF0, 0x96);
    const std::uint32_t p = PixelFromColour(penColour);
    const std::uint32_t expected[17] = {0,      0,     ~(d | p), d & ~p, ~p,         p & ~d,
                                        ~d,     d ^ p, ~(d & p), d & p,  ~(d ^ p),   d,
                                        d | ~p, p,     p | ~d,   d | p,  0xFFFFFFFFu};
    for (int op = 1; op <= 16; ++op) {
        Canvas canvas(4, 1, d);
        DrawAttributes attributes;
        attributes.penColour = penColour;
        attributes.rop = static_cast<RasterOp>(op);
        canvas.surface.DrawLine({0, 0}, {3, 0}, attributes);
        EXPECT_EQ(canvas.buffer.Pixel(0, 0), (expected[op] & 0x00FFFFFFu) | 0xFF000000u)
            << "operation " << op;
        EXPECT_EQ(canvas.buffer.Pixel(3, 0), d) << "the end pixel stays untouched, operation " << op;
    }
}

TEST(RasterSurface, ExclusiveOrFiguresDrawnTwiceRestoreEveryPixel) {
    Canvas canvas(160, 120);
    // A background with structure, so a restored pixel cannot pass by luck.
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 160; ++x)
            canvas.buffer.SetPixel(x, y, 0xFF000000u | ((x * 7919u + y * 104729u) & 0xFFFFFFu));
    const PixelBuffer original = canvas.buffer;
    struct Case {
        const char* name;
        std::function<void(DeviceContext&)> draw;
    };
    const std::vector<Case> cases = {
        {"line",
         [](DeviceContext& dc) {
             dc.MoveTo(3, 7);
             dc.LineTo(150, 90);
         }},
        {"dotted rectangle",
         [](DeviceContext& dc) {
             dc.SelectPen(MakePen(Rgb(255, 0, 0), 1, PenStyle::Dot));
             dc.SelectBrush(Brush::NullBrush());
             dc.Rectangle(10, 12, 131, 97);
         }},
        {"ellipse",
         [](DeviceContext& dc) {
             dc.SelectBrush(Brush::SolidBrush(Rgb(0, 128, 255)));
             dc.Ellipse(5, 5, 150, 110);
         }},
        {"wide dashed ellipse",
         [](DeviceContext& dc) {
             dc.SelectPen(MakePen(Rgb(0, 200, 0), 4, PenStyle::Dash));
             dc.SelectBrush(Brush{BrushStyle::Hatched, Rgb(9, 9, 9), Hatch::DiagonalCross});
             dc.Ellipse(20, 15, 140, 100);
         }},
        {"arc", [](DeviceContext& dc) { dc.Arc(10, 10, 140, 110, 140, 60, 10, 10); }},
        {"polygon",
         [](DeviceContext& dc) {
             dc.SelectBrush(Brush{BrushStyle::Hatched, Rgb(200, 0, 0), Hatch::Cross});
             dc.Polygon({{80, 5}, {150, 100}, {10, 40}, {150, 40}, {10, 100}});
         }},
        {"wide polygon",
         [](DeviceContext& dc) {
             dc.SelectPen(MakePen(Rgb(0, 0, 0), 5));
             dc.Polygon({{20, 20}, {140, 25}, {30, 30}, {90, 100}});
         }},
        {"rounded rectangle", [](DeviceContext& dc) { dc.RoundRect(12, 8, 140, 100, 40, 30); }},
        {"wide polyline",
         [](DeviceContext& dc) {
             dc.SelectPen(MakePen(Rgb(0, 0, 0), 7, PenStyle::DashDot));
             dc.Polyline({{-30, 10}, {100, 60}, {40, 115}});
         }},
    };
    for (const Case& c : cases) {
        for (int pass = 0; pass < 2; ++pass)
            WithContext(canvas.surface, [&](DeviceContext& dc) {
                dc.SetROP2(RasterOp::XorPen);
                dc.SelectPen(MakePen(Rgb(255, 255, 255)));
                c.draw(dc);
                if (pass == 0) {
                    EXPECT_GT(Changed(original, canvas.buffer).count, 0) << c.name;
                }
            });
        EXPECT_TRUE(canvas.buffer == original)
            << c.name << " left " << Changed(original, canvas.buffer).count << " pixels changed";
    }
}

TEST(RasterSurface, AnyFigureDrawnTwiceInExclusiveOrRestoresEvenAtExtremeCoordinates) {
    std::mt19937 random(3);
    auto coordinate = [&]() {
        switch (random() % 4) {
        case 0:
            return static_cast<int>(random() % 2 ? INT_MAX - random() % 3 : INT_MIN + random() % 3);
        case 1:
            return static_cast<int>(random() % 200001) - 100000;
        default:
            return static_cast<int>(random() % 140) - 20;
        }
    };
    auto point = [&]() { return Point{coordinate(), coordinate()}; };
    const PenStyle styles[] = {PenStyle::Solid,   PenStyle::Dash,       PenStyle::Dot,
                               PenStyle::DashDot, PenStyle::DashDotDot, PenStyle::Null};
    Canvas canvas(100, 80, 0xFF336699u);
    const PixelBuffer original = canvas.buffer;
    int visible = 0;
    for (int round = 0; round < 400; ++round) {
        DrawAttributes attributes;
        attributes.rop = RasterOp::XorPen;
        attributes.penColour = Rgb(255, 255, 255);
        attributes.penStyle = styles[random() % 6];
        attributes.penWidth = random() % 3 == 0 ? 1 + static_cast<int>(random() % 12) : 1;
        attributes.backgroundMode = random() % 2 ? BackgroundMode::Opaque : BackgroundMode::Transparent;
        attributes.backgroundColour = Rgb(0, 255, 0);
        attributes.brush =
            Brush{static_cast<BrushStyle>(random() % 3), Rgb(255, 0, 0), static_cast<Hatch>(random() % 6)};
        const Point a = point(), b = point(), c = point(), d = point();
        const int kind = round % 6;
        for (int pass = 0; pass < 2; ++pass) {
            if (pass == 1 && !(canvas.buffer == original)) ++visible;
            switch (kind) {
            case 0:
                canvas.surface.DrawLine(a, b, attributes);
                break;
            case 1:
                canvas.surface.DrawPolygon({a, b, c, d}, attributes);
                break;
            case 2:
                canvas.surface.DrawRectangle(Rect{a.x, a.y, b.x, b.y}.Normalized(), attributes);
                break;
            case 3:
                canvas.surface.DrawEllipse(Rect{a.x, a.y, b.x, b.y}.Normalized(), attributes);
                break;
            case 4:
                canvas.surface.DrawArc(Rect{a.x, a.y, b.x, b.y}.Normalized(), c, d, attributes);
                break;
            default:
                canvas.surface.DrawRoundRect(Rect{a.x, a.y, b.x, b.y}.Normalized(),
                                             {std::abs(c.x % 90), std::abs(c.y % 90)}, attributes);
            }
        }
        ASSERT_TRUE(canvas.buffer == original) << "figure " << kind << " round " << round;
    }
    EXPECT_GT(visible, 120) << "most figures cross the image";
}

TEST(RasterSurface, ExclusiveOrPolylineChangesEachPixelOfItsPathOnce) {
    const std::vector<Point> path = {{10, 10}, {50, 10}, {50, 40}, {20, 45},
                                     {25, 70}, {90, 60}, {60, 20}, {95, 5}};
    Canvas once;
    Canvas copied;
    WithContext(once.surface, [&](DeviceContext& dc) {
        dc.SetROP2(RasterOp::XorPen);
        dc.SelectPen(MakePen(Rgb(255, 255, 255)));
        dc.MoveTo(path[0].x, path[0].y);
        for (std::size_t i = 1; i < path.size(); ++i)
            dc.LineTo(path[i].x, path[i].y);
    });
    WithContext(copied.surface, [&](DeviceContext& dc) {
        dc.SelectPen(MakePen(Rgb(0, 0, 0)));
        dc.Polyline(path);
    });
    // A pixel touched twice would be white again in the first image, black in the second.
    EXPECT_TRUE(once.buffer == copied.buffer)
        << Changed(once.buffer, copied.buffer).count << " pixels differ";
    EXPECT_EQ(once.buffer.Pixel(10, 10), kBlack);
    EXPECT_EQ(once.buffer.Pixel(95, 5), kWhite) << "the last point is not drawn";
    EXPECT_EQ(PixelsOf(once.buffer, kBlack).count, 40 + 30 + 30 + 25 + 65 + 40 + 35);
}

TEST(RasterSurface, ExclusiveOrOutlineShowsOverTheViewBackground) {
    Canvas canvas;
    const PixelBuffer original = canvas.buffer;
    for (int pass = 0; pass < 2; ++pass)
        WithContext(canvas.surface, [](DeviceContext& dc) {
            dc.SetROP2(RasterOp::XorPen);
            dc.SetXorBackground(Rgb(255, 255, 255));
            dc.SelectPen(MakePen(Rgb(0, 0, 0)));
            dc.SelectBrush(Brush::NullBrush());
            dc.Rectangle(20, 20, 120, 90);
        });
    EXPECT_TRUE(canvas.buffer == original);
    WithContext(canvas.surface, [](DeviceContext& dc) {
        dc.SetROP2(RasterOp::XorPen);
        dc.SetXorBackground(Rgb(255, 255, 255));
        dc.SelectPen(MakePen(Rgb(0, 0, 0)));
        dc.SelectBrush(Brush::NullBrush());
        dc.Rectangle(20, 20, 120, 90);
    });
    Box black = PixelsOf(canvas.buffer, kBlack);
    EXPECT_EQ(black.count, 2 * 99 + 2 * 69);
    EXPECT_EQ(Changed(original, canvas.buffer).count, black.count);
}

TEST(RasterSurface, BoxFiguresLeaveOutTheRightColumnAndBottomRow) {
    for (bool ellipse : {false, true}) {
        Canvas canvas;
        WithContext(canvas.surface, [&](DeviceContext& dc) {
            dc.SelectPen(MakePen(Rgb(0, 0, 0)));
            dc.SelectBrush(Brush::SolidBrush(Rgb(255, 0, 0)));
            if (ellipse)
                dc.Ellipse(10, 20, 60, 51);
            else
                dc.Rectangle(60, 51, 10, 20); // given backwards: the box is normalised
        });
        Box drawn = Changed(PixelBuffer(200, 150, kWhite), canvas.buffer);
        EXPECT_EQ(drawn.left, 10);
        EXPECT_EQ(drawn.top, 20);
        EXPECT_EQ(drawn.right, 59);
        EXPECT_EQ(drawn.bottom, 50);
        EXPECT_EQ(canvas.buffer.Pixel(35, 35), PixelFromColour(Rgb(255, 0, 0))) << "solid brush fills";
        EXPECT_EQ(canvas.buffer.Pixel(35, 20), kBlack) << "outline on the top row";
        EXPECT_EQ(canvas.buffer.Pixel(35, 50), kBlack) << "outline on the bottom row";
        EXPECT_EQ(canvas.buffer.Pixel(59, 35), kBlack) << "outline in the right column";
        if (ellipse) {
            EXPECT_EQ(canvas.buffer.Pixel(10, 20), kWhite) << "the ellipse misses the box's corners";
            EXPECT_EQ(canvas.buffer.Pixel(10, 35), kBlack);
        }
    }
}

TEST(RasterSurface, HollowBrushLeavesTheInsideAndWidePensStayInsideTheBox) {
    Canvas canvas;
    canvas.buffer.SetPixel(40, 40, 0xFF123456u);
    WithContext(canvas.surface, [](DeviceContext& dc) {
        dc.SelectPen(MakePen(Rgb(0, 0, 0), 4));
        dc.SelectBrush(Brush::NullBrush());
        dc.Rectangle(20, 20, 70, 60);
        dc.Ellipse(100, 20, 150, 70);
    });
    EXPECT_EQ(canvas.buffer.Pixel(40, 40), 0xFF123456u);
    Box drawn = Changed(PixelBuffer(200, 150, kWhite), canvas.buffer);
    EXPECT_EQ(drawn.left, 20);
    EXPECT_EQ(drawn.right, 149);
    EXPECT_EQ(drawn.bottom, 69);
    // The rectangle's border is 4 pixels thick on every side.
    for (int x = 20; x < 24; ++x)
        EXPECT_EQ(canvas.buffer.Pixel(x, 40), kBlack);
    EXPECT_EQ(canvas.buffer.Pixel(24, 40), kWhite);
    for (int y = 56; y < 60; ++y)
        EXPECT_EQ(canvas.buffer.Pixel(40, y), kBlack);
    EXPECT_EQ(canvas.buffer.Pixel(40, 55), kWhite);
    EXPECT_EQ(canvas.buffer.Pixel(40, 60), kWhite);
}

TEST(RasterSurface, HatchedBrushDrawsItsPatternWithTheBackgroundByMode) {
    for (BackgroundMode mode : {BackgroundMode::Opaque, BackgroundMode::Transparent}) {
        Canvas canvas(64, 64, kBlack);
        WithContext(canvas.surface, [&](DeviceContext& dc) {
            dc.SetBkMode(mode);
            dc.SetBkColor(Rgb(0, 0, 255));
            dc.SelectPen(Pen{0, 1, PenStyle::Null});
            dc.SelectBrush(Brush{BrushStyle::Hatched, Rgb(255, 0, 0), Hatch::Cross});
            dc.Rectangle(0, 0, 64, 64);
        });
        const std::uint32_t red = PixelFromColour(Rgb(255, 0, 0));
        const std::uint32_t space = mode == BackgroundMode::Opaque ? PixelFromColour(Rgb(0, 0, 255)) : kBlack;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                ASSERT_EQ(canvas.buffer.Pixel(x, y), (x % 8 == 0 || y % 8 == 0) ? red : space)
                    << x << "," << y;
    }
}

TEST(RasterSurface, StyledPensRepeatTheirPatternAndFillGapsWhenOpaque) {
    for (BackgroundMode mode : {BackgroundMode::Opaque, BackgroundMode::Transparent}) {
        Canvas canvas(100, 3);
        WithContext(canvas.surface, [&](DeviceContext& dc) {
            dc.SetBkMode(mode);
            dc.SetBkColor(Rgb(0, 255, 0));
            dc.SelectPen(MakePen(Rgb(0, 0, 0), 1, PenStyle::Dot));
            dc.MoveTo(0, 1);
            dc.LineTo(99, 1);
            dc.SelectPen(MakePen(Rgb(0, 0, 0), 1, PenStyle::Dash));
            dc.MoveTo(0, 2);
            dc.LineTo(99, 2);
        });
        const std::uint32_t gap = mode == BackgroundMode::Opaque ? PixelFromColour(Rgb(0, 255, 0)) : kWhite;
        for (int x = 0; x < 99; ++x) {
            EXPECT_EQ(canvas.buffer.Pixel(x, 1), x % 6 < 3 ? kBlack : gap) << x;
            EXPECT_EQ(canvas.buffer.Pixel(x, 2), x % 24 < 18 ? kBlack : gap) << x;
        }
    }
}

TEST(RasterSurface, PenWidthScalesWithTheMapping) {
    for (int logicalWidth : {1, 5, 10, 15}) {
        Canvas canvas;
        WithContext(canvas.surface, [&](DeviceContext& dc) {
            ViewMapping(dc, 200, 150, 5);
            dc.SelectPen(MakePen(Rgb(0, 0, 0), logicalWidth));
            dc.MoveTo(100, 375);
            dc.LineTo(900, 375);
        });
        Box drawn = PixelsOf(canvas.buffer, kBlack);
        EXPECT_EQ(drawn.bottom - drawn.top + 1, std::max(logicalWidth / 5, 1)) << "width " << logicalWidth;
        // Wide pens have round ends that reach past the end points.
        EXPECT_EQ(drawn.left, logicalWidth <= 5 ? 20 : 20 - logicalWidth / 10);
    }
}

TEST(RasterSurface, WideLinesAreBandsWithRoundEnds) {
    Canvas canvas;
    WithContext(canvas.surface, [](DeviceContext& dc) {
        dc.SelectPen(MakePen(Rgb(0, 0, 0), 9));
        dc.MoveTo(30, 30);
        dc.LineTo(130, 110);
    });
    // Across the middle the band is 9 pixels wide, measured at right angles to the line.
    const double length = std::hypot(100.0, 80.0);
    int across = 0;
    for (int t = -8; t <= 8; ++t) {
        int x = static_cast<int>(std::lround(80 - t * 80.0 / length));
        int y = static_cast<int>(std::lround(70 + t * 100.0 / length));
        if (canvas.buffer.Pixel(x, y) == kBlack) ++across;
    }
    EXPECT_NEAR(across, 9, 1);
    // Round ends: the end points' neighbourhoods are covered, the box's corners are not.
    EXPECT_EQ(canvas.buffer.Pixel(130, 114), kBlack);
    EXPECT_EQ(canvas.buffer.Pixel(133, 112), kBlack);
    EXPECT_EQ(canvas.buffer.Pixel(134, 114), kWhite);
    EXPECT_EQ(canvas.buffer.Pixel(131, 116), kWhite);
    EXPECT_EQ(canvas.buffer.Pixel(26, 26), kWhite);
}

TEST(RasterSurface, ClippedLinesKeepThePixelsOfTheWholeLine) {
    // The same lines in a large image and, shifted, in a small window onto it must agree pixel for pixel.
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(-150, 350);
    for (int round = 0; round < 300; ++round) {
        Point a{coordinate(random), coordinate(random)};
        Point b{coordinate(random), coordinate(random)};
        const PenStyle style = round % 3 == 0 ? PenStyle::DashDot : PenStyle::Solid;
        const int width = round % 4 == 1 ? 3 : 1;
        Canvas whole(500, 500);
        Canvas window(60, 45);
        DrawAttributes attributes;
        attributes.penStyle = style;
        attributes.penWidth = width;
        whole.surface.DrawLine({a.x + 150, a.y + 150}, {b.x + 150, b.y + 150}, attributes);
        window.surface.DrawLine({a.x - 70, a.y - 80}, {b.x - 70, b.y - 80}, attributes);
        for (int y = 0; y < 45; ++y)
            for (int x = 0; x < 60; ++x)
                ASSERT_EQ(window.buffer.Pixel(x, y), whole.buffer.Pixel(x + 220, y + 230))
                    << "line " << a.x << "," << a.y << " - " << b.x << "," << b.y << " at " << x << "," << y;
    }
}

TEST(RasterSurface, FiguresFarOutsideCostNothingAndHugeCoordinatesAreSafe) {
    Canvas canvas;
    const auto started = std::chrono::steady_clock::now();
    DrawAttributes attributes;
    DrawAttributes wide = attributes;
    wide.penWidth = 25;
    wide.penStyle = PenStyle::Dot;
    const int big = 1 << 30;
    for (int i = 0; i < 200; ++i) {
        canvas.surface.DrawLine({-big, -big + i}, {big, -big / 2}, attributes);
        canvas.surface.DrawLine({INT_MIN, 500 + i}, {INT_MAX, 300}, wide);
        canvas.surface.DrawEllipse({-big, -big, big, -big + 10}, wide);
        canvas.surface.DrawPolygon({{-big, 300}, {big, 400}, {0, big}}, wide);
    }
    EXPECT_EQ(Changed(PixelBuffer(200, 150, kWhite), canvas.buffer).count, 0);
    // Lines from far away that cross the image draw exactly their crossing part.
    canvas.surface.DrawLine({-big, -big}, {big, big}, attributes);
    canvas.surface.DrawLine({INT_MIN, 140}, {INT_MAX, 140}, attributes);
    DrawAttributes hollow = attributes;
    hollow.brush = Brush::NullBrush();
    canvas.surface.DrawEllipse({-big, -big, big, big}, hollow);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_LT(seconds, 1.0);
    EXPECT_EQ(PixelsOf(canvas.buffer, kBlack).count, 150 + 200 - 1);
    for (int i = 0; i < 150; ++i)
        EXPECT_EQ(canvas.buffer.Pixel(i, i), kBlack);
}

TEST(RasterSurface, PointsMappedPastTheDeviceRangeKeepTheirSide) {
    // Zoomed in a thousandfold, the end of this line lies billions of pixels to the right: the line must
    // still run rightwards across the image.
    Canvas canvas;
    WithContext(canvas.surface, [](DeviceContext& dc) {
        dc.SetMapMode(MapMode::Anisotropic);
        dc.SetWindowExt(1, 1);
        dc.SetViewportExt(1000, 1000);
        dc.SetViewportOrg(0, 10);
        dc.SelectPen(MakePen(Rgb(0, 0, 0), 0)); // a pixel wide at any scale
        dc.MoveTo(0, 0);
        dc.LineTo(3000000, 0);
        dc.MoveTo(0, 0);
        dc.LineTo(-3000000, 1);
    });
    Box drawn = PixelsOf(canvas.buffer, kBlack);
    EXPECT_EQ(drawn.count, 200);
    EXPECT_EQ(drawn.top, 10);
    EXPECT_EQ(drawn.bottom, 10);
}

TEST(RasterSurface, PolygonsFillByAlternateRuleAndPaintTheirBorderOnce) {
    // A five-pointed star: its middle is crossed twice, so it stays empty.
    const std::vector<Point> star = {{100, 10}, {153, 128}, {15, 55}, {185, 55}, {47, 128}};
    Canvas canvas;
    WithContext(canvas.surface, [&](DeviceContext& dc) {
        dc.SelectPen(Pen{0, 1, PenStyle::Null});
        dc.SelectBrush(Brush::SolidBrush(Rgb(0, 0, 0)));
        dc.Polygon(star);
    });
    EXPECT_EQ(canvas.buffer.Pixel(100, 75), kWhite);
    EXPECT_EQ(canvas.buffer.Pixel(100, 30), kBlack);
    EXPECT_EQ(canvas.buffer.Pixel(40, 60), kBlack);

    // Border once: exclusive-or with white marks a pixel black once, white again if painted twice.
    Canvas xored;
    Canvas copied;
    for (auto [target, op] : {std::pair{&xored, RasterOp::XorPen}, std::pair{&copied, RasterOp::CopyPen}})
        WithContext(target->surface, [&, op = op](DeviceContext& dc) {
            dc.SetROP2(op);
            dc.SelectPen(MakePen(op == RasterOp::XorPen ? Rgb(255, 255, 255) : Rgb(0, 0, 0)));
            dc.SelectBrush(Brush::NullBrush());
            dc.Polygon({{20, 20}, {180, 24}, {30, 30}, {170, 120}, {20, 20}});
        });
    EXPECT_TRUE(xored.buffer == copied.buffer)
        << Changed(xored.buffer, copied.buffer).count << " pixels differ";
    EXPECT_EQ(copied.buffer.Pixel(20, 20), kBlack);
}

TEST(RasterSurface, ArcRunsCounterClockwiseAsSeenInAViewMapping) {
    Canvas canvas(200, 200);
    WithContext(canvas.surface, [](DeviceContext& dc) {
        ViewMapping(dc, 200, 200, 5);
        // The box (100, 100)-(900, 900) is pixels (20, 20)-(180, 180); from its right point to its top.
        dc.Arc(100, 900, 900, 100, 900, 500, 500, 900);
    });
    Box drawn = PixelsOf(canvas.buffer, kBlack);
    EXPECT_GE(drawn.left, 99);
    EXPECT_LE(drawn.bottom, 100);
    EXPECT_EQ(drawn.right, 179);
    EXPECT_EQ(drawn.top, 20);
    EXPECT_GT(drawn.count, 100);
    // The same rays twice draw the whole ellipse.
    Canvas whole(200, 200);
    WithContext(whole.surface, [](DeviceContext& dc) {
        ViewMapping(dc, 200, 200, 5);
        dc.Arc(100, 900, 900, 100, 900, 500, 1000, 500);
    });
    Box ellipse = PixelsOf(whole.buffer, kBlack);
    EXPECT_EQ(ellipse.left, 20);
    EXPECT_EQ(ellipse.bottom, 179);
    EXPECT_GT(ellipse.count, 4 * drawn.count - 8);
}

TEST(RasterSurface, AnArcAndItsComplementShareOutTheirEllipseExactly) {
    // The arc from ray s to ray e and the arc from e to s together cover every outline pixel of their
    // ellipse once: drawn in exclusive-or they leave what the ellipse leaves. Rays through pixel
    // centres, through the box's centre and through far-off points put pixels right on the boundary.
    std::mt19937 random(5);
    std::uniform_int_distribution<int> corner(-30, 230), step(-4, 4), far(-2000000000, 2000000000);
    int compared = 0;
    for (int i = 0; i < 400; ++i) {
        const int left = corner(random), top = corner(random), right = corner(random),
                  bottom = corner(random);
        // The centre in doubled units, as the rays leave it.
        const long long cx2 = static_cast<long long>(left) + right,
                        cy2 = static_cast<long long>(top) + bottom;
        auto ray = [&](int kind) {
            const int cx = static_cast<int>(cx2 / 2), cy = static_cast<int>(cy2 / 2);
            switch (kind) {
            case 0:
                return Point{cx + step(random) * 7, cy + step(random) * 5}; // through pixel centres
            case 1:
                return Point{cx, cy};
            case 2:
                return Point{far(random), far(random)};
            default:
                return Point{corner(random), corner(random)};
            }
        };
        std::uniform_int_distribution<int> kind(0, 3);
        const Point s = ray(kind(random)), e = ray(kind(random));
        // The same direction twice is the whole ellipse both ways round; a point on the centre counts
        // as the direction +x.
        auto direction = [&](Point p) {
            long long dx = 2LL * p.x - cx2, dy = cy2 - 2LL * p.y;
            if (dx == 0 && dy == 0) dx = 1;
            return std::pair{static_cast<__int128>(dx), static_cast<__int128>(dy)};
        };
        const auto [sx, sy] = direction(s);
        const auto [ex, ey] = direction(e);
        if (sx * ey - sy * ex == 0 && sx * ex + sy * ey > 0) continue;

        Canvas arcs(200, 150, kBlack), ellipse(200, 150, kBlack);
        WithContext(arcs.surface, [&](DeviceContext& dc) {
            dc.SetROP2(RasterOp::XorPen);
            dc.SelectPen(MakePen(Rgb(255, 255, 255)));
            dc.Arc(left, top, right, bottom, s.x, s.y, e.x, e.y);
            dc.Arc(left, top, right, bottom, e.x, e.y, s.x, s.y);
        });
        WithContext(ellipse.surface, [&](DeviceContext& dc) {
            dc.SetROP2(RasterOp::XorPen);
            dc.SelectPen(MakePen(Rgb(255, 255, 255)));
            dc.SelectBrush(Brush::NullBrush());
            dc.Ellipse(left, top, right, bottom);
        });
        ASSERT_TRUE(arcs.buffer == ellipse.buffer)
            << Changed(arcs.buffer, ellipse.buffer).count << " pixels differ for the box (" << left << ", "
            << top << ")-(" << right << ", " << bottom << ") and rays through (" << s.x << ", " << s.y
            << ") and (" << e.x << ", " << e.y << ")";
        ++compared;
    }
    EXPECT_GT(compared, 300);
}

TEST(RasterSurface, StyledCurvesStepTheirPatternPixelByPixel) {
    // Walking round a dotted circle pixel by pixel, dots and gaps are three pixels each, as along a
    // line; in opaque mode the gaps take the background colour, so every outline pixel shows which.
    constexpr std::uint32_t kRed = 0xFFFF0000u;
    auto runs = [](const PixelBuffer& image, double cx, double cy) {
        std::vector<std::pair<double, bool>> outline; // angle counter-clockwise from the right, dot or gap
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x)
                if (image.Pixel(x, y) != kWhite) {
                    double angle = std::atan2(cy - y, x - cx);
                    outline.push_back(
                        {angle < 0 ? angle + 2 * 3.14159265358979 : angle, image.Pixel(x, y) == kBlack});
                }
        std::sort(outline.begin(), outline.end());
        std::vector<std::pair<int, bool>> lengths;
        for (const auto& [angle, dot] : outline) {
            if (lengths.empty() || lengths.back().second != dot) lengths.push_back({0, dot});
            ++lengths.back().first;
        }
        return lengths;
    };
    // Ellipses wider than high and higher than wide, of odd and even sizes, so the steep and flat
    // parts and the half-pixel centres all come round.
    for (const Rect box : {Rect{20, 30, 181, 171}, Rect{10, 10, 190, 60}, Rect{50, 5, 81, 196},
                           Rect{0, 0, 200, 200}, Rect{33, 47, 168, 152}}) {
        Canvas ellipse(200, 200);
        WithContext(ellipse.surface, [&](DeviceContext& dc) {
            dc.SelectPen(MakePen(Rgb(0, 0, 0), 1, PenStyle::Dot));
            dc.SetBkMode(BackgroundMode::Opaque);
            dc.SetBkColor(Rgb(255, 0, 0));
            dc.SelectBrush(Brush::NullBrush());
            dc.Ellipse(box.left, box.top, box.right, box.bottom);
        });
        const auto lengths =
            runs(ellipse.buffer, (box.left + box.right - 1) / 2.0, (box.top + box.bottom - 1) / 2.0);
        ASSERT_GT(lengths.size(), 20u);
        EXPECT_TRUE(lengths.front().second) << "the pattern starts with a dot at the right";
        // Where the outline turns from steep to flat (eight places) and where the walk comes round to
        // its start, a run may come out a pixel longer or shorter; everywhere else it is three.
        int uneven = 0;
        for (std::size_t i = 0; i < lengths.size(); ++i) {
            EXPECT_GE(lengths[i].first, 2) << "run " << i;
            EXPECT_LE(lengths[i].first, 4) << "run " << i;
            uneven += lengths[i].first != 3;
        }
        EXPECT_LE(uneven, 9) << "of " << lengths.size() << " runs round the ellipse in " << box.left << ", "
                             << box.top << ", " << box.right << ", " << box.bottom;
    }

    // An arc starts its pattern with a dot where it starts: here at the top, running left and down.
    Canvas arc(200, 200);
    WithContext(arc.surface, [](DeviceContext& dc) {
        dc.SelectPen(MakePen(Rgb(0, 0, 0), 1, PenStyle::Dot));
        dc.SetBkMode(BackgroundMode::Opaque);
        dc.SetBkColor(Rgb(255, 0, 0));
        dc.Arc(20, 30, 181, 171, 100, 0, 0, 100);
    });
    const auto arcLengths = runs(arc.buffer, 100, 100);
    ASSERT_GT(arcLengths.size(), 10u);
    EXPECT_TRUE(arcLengths.front().second);
    EXPECT_EQ(arcLengths.front().first, 3) << "a whole dot at the start";
    int uneven = 0;
    for (const auto& run : arcLengths)
        uneven += run.first != 3;
    EXPECT_LE(uneven, 3) << "of " << arcLengths.size() << " runs of the quarter arc";
    EXPECT_EQ(PixelsOf(arc.buffer, kRed).count + PixelsOf(arc.buffer, kBlack).count,
              Changed(Canvas(200, 200).buffer, arc.buffer).count);
}

TEST(RasterSurface, FillRectIgnoresTheRasterOperation) {
    Canvas canvas;
    DeviceContext dc(canvas.surface);
    dc.SetROP2(RasterOp::XorPen);
    dc.FillDeviceRect({-5, 140, 300, 160}, Rgb(1, 2, 3));
    dc.FillDeviceRect({-5, 140, 300, 160}, Rgb(1, 2, 3));
    Box filled = PixelsOf(canvas.buffer, PixelFromColour(Rgb(1, 2, 3)));
    EXPECT_EQ(filled.count, 200 * 10);
}

// --- Text -------------------------------------------------------------------------------------------

namespace {

// The text's ink as a bitmap cropped to its bounding box.
struct Ink {
    Box box;
    std::vector<bool> bits;
    int Width() const { return box.right - box.left + 1; }
    int Height() const { return box.bottom - box.top + 1; }
    bool At(int x, int y) const { return bits[static_cast<std::size_t>(y) * Width() + x]; }
};

Ink InkOf(const PixelBuffer& image, std::uint32_t pixel) {
    Ink ink;
    ink.box = PixelsOf(image, pixel);
    if (ink.box.count == 0) return ink;
    ink.bits.resize(static_cast<std::size_t>(ink.Width()) * ink.Height());
    for (int y = 0; y < ink.Height(); ++y)
        for (int x = 0; x < ink.Width(); ++x)
            ink.bits[static_cast<std::size_t>(y) * ink.Width() + x] =
                image.Pixel(x + ink.box.left, y + ink.box.top) == pixel;
    return ink;
}

// How much of two bitmaps' ink coincides (intersection over union), with `a` read through `map`.
double Overlap(const Ink& a, const Ink& b, const std::function<Point(int, int)>& map) {
    int both = 0, either = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            Point p = map(x, y);
            bool inA = p.x >= 0 && p.y >= 0 && p.x < a.Width() && p.y < a.Height() && a.At(p.x, p.y);
            bool inB = b.At(x, y);
            both += inA && inB;
            either += inA || inB;
        }
    return either ? static_cast<double>(both) / either : 0.0;
}

Ink Draw(int mapping, int escapement, const char* text, unsigned align = TextAlign::Baseline, int x = 150,
         int y = 150) {
    Canvas canvas(300, 300);
    WithContext(canvas.surface, [&](DeviceContext& dc) {
        if (mapping != 0) ViewMapping(dc, 300, 300, 1);
        dc.SetBkMode(BackgroundMode::Transparent);
        dc.SetTextAlign(align);
        Font font;
        font.face = "Arial";
        font.height = 40;
        font.escapement = escapement;
        dc.SelectFont(font);
        dc.TextOut(x, mapping != 0 ? 300 - y : y, text);
    });
    return InkOf(canvas.buffer, kBlack);
}

} // namespace

TEST(RasterSurfaceText, EscapementTurnsTheTextWithoutMirroringIt) {
    const Ink upright = Draw(0, 0, "F");
    ASSERT_GT(upright.box.count, 50);
    // Text mode: 900 reads from bottom to top, the glyph turned a quarter counter-clockwise.
    const Ink up = Draw(0, 900, "F");
    ASSERT_EQ(up.Width(), upright.Height());
    ASSERT_EQ(up.Height(), upright.Width());
    auto turned = [&](int x, int y) { return Point{upright.Width() - 1 - y, x}; };
    auto mirrored = [&](int x, int y) { return Point{y, x}; };
    EXPECT_GT(Overlap(upright, up, turned), 0.8);
    EXPECT_LT(Overlap(upright, up, mirrored), 0.6);

    // View mapping (y up): 2700 reads from bottom to top on screen, again turned, not mirrored.
    const Ink viewUp = Draw(1, 2700, "F");
    EXPECT_GT(Overlap(upright, viewUp, turned), 0.8);
    EXPECT_LT(Overlap(upright, viewUp, mirrored), 0.6);
    const Ink viewUpright = Draw(1, 0, "F");
    EXPECT_GT(Overlap(upright, viewUpright, [](int x, int y) { return Point{x, y}; }), 0.95);

    // Text from the reference point upwards.
    const Ink word = Draw(1, 2700, "Floor plan", TextAlign::Left | TextAlign::Baseline);
    EXPECT_LT(word.box.bottom, 152);
    EXPECT_LT(word.box.top, 150 - 100);
    EXPECT_GT(word.Height(), 3 * word.Width());
}

TEST(RasterSurfaceText, EscapementOf3150RunsUpAndRightInTheViewMapping) {
    const Ink word = Draw(1, 3150, "MMMMMMMM", TextAlign::Left | TextAlign::Baseline, 60, 240);
    ASSERT_GT(word.box.count, 100);
    double sumX = 0, sumY = 0;
    for (int y = 0; y < word.Height(); ++y)
        for (int x = 0; x < word.Width(); ++x)
            if (word.At(x, y)) sumX += x + word.box.left, sumY += y + word.box.top;
    const double dx = sumX / word.box.count - 60;
    const double dy = sumY / word.box.count - 240;
    EXPECT_GT(dx, 40);
    EXPECT_LT(dy, -30);
    EXPECT_NEAR(-dy / dx, 1.0, 0.35);
}

namespace {

// "Pg" in 30-pixel Arial over an opaque green background, right-aligned at the reference point.
struct OpaqueText {
    int cell = 0;
    int advance = 0;
};
OpaqueText PaintOpaqueText(Canvas& canvas, Point reference, unsigned vertical, int escapement) {
    OpaqueText text;
    WithContext(canvas.surface, [&](DeviceContext& dc) {
        dc.SetBkMode(BackgroundMode::Opaque);
        dc.SetBkColor(Rgb(0, 255, 0));
        dc.SetTextAlign(vertical | TextAlign::Right);
        Font font;
        font.face = "Arial";
        font.height = 30;
        font.escapement = escapement;
        dc.SelectFont(font);
        text.cell = dc.GetTextMetrics().height;
        text.advance = dc.GetTextExtent("Pg").cx;
        dc.TextOut(reference.x, reference.y, "Pg");
    });
    return text;
}

} // namespace

TEST(RasterSurfaceText, AlignmentAppliesToTheTurnedCharacterCell) {
    // With an opaque background the cell shows exactly; text mode, 900: the cell's bottom faces right.
    for (unsigned vertical : {TextAlign::Top, TextAlign::Bottom}) {
        Canvas canvas(300, 300);
        const auto [cell, advance] = PaintOpaqueText(canvas, {150, 100}, vertical, 900);
        EXPECT_EQ(cell, 30);
        Box box = Changed(PixelBuffer(300, 300, kWhite), canvas.buffer);
        // Right alignment ends the text at the reference point: the text lies below it on screen.
        EXPECT_EQ(box.top, 100);
        EXPECT_EQ(box.bottom, 100 + advance - 1);
        if (vertical == TextAlign::Top) {
            EXPECT_EQ(box.left, 150);
            EXPECT_EQ(box.right, 150 + cell - 1);
        } else {
            EXPECT_EQ(box.left, 150 - cell);
            EXPECT_EQ(box.right, 149);
        }
        EXPECT_EQ(box.count, cell * advance) << "the cell is one solid box";
        EXPECT_GT(PixelsOf(canvas.buffer, kBlack).count, 20);
    }
}

TEST(RasterSurfaceText, AnUprightOpaqueCellIsOneBoxClippedAtTheEdges) {
    // The cell runs from the reference point back by the advance (right alignment) and down by the
    // cell's height (top alignment); near a corner only what lies inside the image is painted.
    for (const Point reference : {Point{150, 100}, Point{20, -10}, Point{310, 295}}) {
        Canvas canvas(300, 300);
        const auto [cell, advance] = PaintOpaqueText(canvas, reference, TextAlign::Top, 0);
        const int left = std::max(reference.x - advance, 0);
        const int right = std::min(reference.x, 300);
        const int top = std::max(reference.y, 0);
        const int bottom = std::min(reference.y + cell, 300);
        Box box = Changed(PixelBuffer(300, 300, kWhite), canvas.buffer);
        EXPECT_EQ(box.left, left);
        EXPECT_EQ(box.right, right - 1);
        EXPECT_EQ(box.top, top);
        EXPECT_EQ(box.bottom, bottom - 1);
        EXPECT_EQ(box.count, (right - left) * (bottom - top)) << "the cell is one solid box";
    }
}

TEST(RasterSurfaceText, BottomIsTheBottomOfTheCellWithItsDescent) {
    Canvas canvas(300, 300);
    DeviceContext dc(canvas.surface);
    dc.SetBkMode(BackgroundMode::Transparent);
    dc.SetROP2(RasterOp::XorPen); // text is copied whatever the raster operation
    dc.SetTextColor(Rgb(0, 0, 255));
    Font font;
    font.face = "Times New Roman";
    font.height = 40;
    dc.SelectFont(font);
    dc.SetTextAlign(TextAlign::Bottom | TextAlign::Center);
    dc.TextOut(150, 200, "gypsy");
    const Box ink = PixelsOf(canvas.buffer, PixelFromColour(Rgb(0, 0, 255)));
    const TextMetrics metrics = dc.GetTextMetrics();
    ASSERT_GT(ink.count, 100);
    EXPECT_LE(ink.bottom, 199);
    EXPECT_GE(ink.bottom, 199 - 2) << "descenders reach the cell's bottom";
    EXPECT_GE(ink.top, 200 - metrics.height);
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 150, 3);
    EXPECT_EQ(Changed(PixelBuffer(300, 300, kWhite), canvas.buffer).count, ink.count);
}
