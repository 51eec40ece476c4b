#include "platform/pixel_buffer.h"
#include "platform/qt/text_renderer_factory.h"
#include "platform/raster_surface.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

using namespace platform;

namespace {

TextRenderer& Fonts() {
    static std::unique_ptr<TextRenderer> renderer = qt::MakeTextRenderer();
    return *renderer;
}

// One primitive of a scene, painted on any surface.
struct Primitive {
    enum Kind { Line, Lines, Polygon, Rectangle, RoundRect, Ellipse, Arc, Text, Fill } kind = Line;
    std::vector<Point> points;
    Rect box;
    ColourRef colour = 0;
    std::string text;
    DeviceFont font;
    unsigned align = 0;
    DrawAttributes attributes;

    void PaintOn(Surface& surface) const {
        switch (kind) {
        case Line:
            surface.DrawLine(points[0], points[1], attributes);
            return;
        case Lines: {
            std::vector<DeviceLine> lines;
            for (std::size_t i = 0; i + 1 < points.size(); i += 2)
                lines.push_back({points[i], points[i + 1]});
            surface.DrawLines(lines, attributes);
            return;
        }
        case Polygon:
            surface.DrawPolygon(points, attributes);
            return;
        case Rectangle:
            surface.DrawRectangle(box, attributes);
            return;
        case RoundRect:
            surface.DrawRoundRect(box, {points[0].x, points[0].y}, attributes);
            return;
        case Ellipse:
            surface.DrawEllipse(box, attributes);
            return;
        case Arc:
            surface.DrawArc(box, points[0], points[1], attributes);
            return;
        case Text:
            surface.DrawText(points[0], align, text, font, attributes);
            return;
        case Fill:
            surface.FillRect(box, colour);
            return;
        }
    }
};

// A scene of crowded figures over a 160 x 120 image, some reaching past its edges: every kind of
// primitive with solid, styled, wide and missing pens, solid, hatched and missing brushes, copying
// and combining raster operations, and texts upright and turned, opaque and transparent.
std::vector<Primitive> RandomScene(std::mt19937& random) {
    auto number = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    auto point = [&] { return Point{number(-20, 180), number(-20, 140)}; };
    auto box = [&] {
        const Point a = point();
        return Rect{a.x, a.y, a.x + number(-60, 90), a.y + number(-50, 70)};
    };
    const ColourRef colours[] = {Rgb(0, 0, 0), Rgb(255, 255, 255), Rgb(200, 30, 30), Rgb(20, 90, 220)};
    const RasterOp operations[] = {RasterOp::CopyPen, RasterOp::CopyPen, RasterOp::CopyPen,
                                   RasterOp::CopyPen, RasterOp::XorPen,  RasterOp::NotCopyPen,
                                   RasterOp::Not,     RasterOp::MergePen};
    const char* texts[] = {"Bedroom 2", "LIVING ROOM", "3600 x 4200", "W", "15.1 sq m"};
    std::vector<Primitive> scene;
    std::uint64_t serial = 0;
    for (int i = number(10, 60); i > 0; --i) {
        Primitive p;
        p.kind = static_cast<Primitive::Kind>(number(0, 8));
        DrawAttributes& a = p.attributes;
        a.penColour = colours[number(0, 3)];
        a.penWidth = number(0, 3) == 0 ? number(2, 6) : 1;
        a.penStyle = static_cast<PenStyle>(number(0, 7) < 5 ? 0 : number(0, 5));
        a.brush = number(0, 3) < 3 ? Brush::SolidBrush(colours[number(0, 3)])
                                   : (number(0, 1) ? Brush::NullBrush()
                                                   : Brush{BrushStyle::Hatched, colours[number(0, 3)],
                                                           static_cast<Hatch>(number(0, 5))});
        a.rop = operations[number(0, 7)];
        a.backgroundMode = number(0, 1) ? BackgroundMode::Opaque : BackgroundMode::Transparent;
        a.backgroundColour = colours[number(0, 3)];
        a.textColour = colours[number(0, 3)];
        // Runs of primitives share one set of attributes, as a device context's paint does.
        if (!scene.empty() && number(0, 2) == 0)
            a = scene.back().attributes;
        else
            a.serial = ++serial;
        p.box = box();
        p.colour = colours[number(0, 3)];
        switch (p.kind) {
        case Primitive::Line:
        case Primitive::Arc:
            p.points = {point(), point()};
            break;
        case Primitive::Lines:
            for (int k = number(1, 20); k > 0; --k) {
                const Point from = point();
                p.points.push_back(from);
                p.points.push_back({from.x + number(-2, 2), from.y + number(-2, 2)});
            }
            break;
        case Primitive::Polygon:
            if (number(0, 2) == 0) {
                // An upright box, as window and door frames come.
                const Rect r = box();
                p.points = {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
            } else {
                for (int k = number(3, 7); k > 0; --k)
                    p.points.push_back(point());
            }
            break;
        case Primitive::RoundRect:
            p.points = {{number(0, 40), number(0, 40)}};
            break;
        case Primitive::Text:
            p.points = {point()};
            p.text = texts[number(0, 4)];
            p.font.face = "DejaVu Sans";
            p.font.cellHeight = number(8, 24);
            p.font.angleTenths = number(0, 3) == 0 ? number(0, 3) * 450 : 0;
            p.align =
                static_cast<unsigned>(number(0, 2) * TextAlign::Center | number(0, 1) * TextAlign::Baseline);
            break;
        default:
            break;
        }
        scene.push_back(p);
    }
    return scene;
}

// A paint whose fills cover its image several times over, after which a surface holds the next
// paint's primitives.
void PaintCrowded(RasterSurface& surface) {
    const HeldPrimitives held(surface);
    for (int i = 0; i < 4; ++i)
        surface.FillRect({0, 0, surface.PixelSize().cx, surface.PixelSize().cy}, Rgb(255, 255, 255));
}

TEST(HeldPrimitives, ACrowdedPaintShowsWhatPaintingEveryPrimitiveShows) {
    std::mt19937 random(20261207);
    std::size_t leftOut = 0;
    for (int scene = 0; scene < 400; ++scene) {
        const std::vector<Primitive> primitives = RandomScene(random);
        PixelBuffer direct(160, 120, 0xFF808080u);
        RasterSurface directSurface(direct, Fonts());
        for (const Primitive& p : primitives)
            p.PaintOn(directSurface);

        PixelBuffer held(160, 120, 0xFF808080u);
        RasterSurface heldSurface(held, Fonts());
        PaintCrowded(heldSurface);
        held.Fill(0xFF808080u);
        {
            const HeldPrimitives hold(heldSurface);
            for (const Primitive& p : primitives)
                p.PaintOn(heldSurface);
        }
        ASSERT_EQ(held, direct) << "scene " << scene;
        leftOut += heldSurface.LeftOut();
    }
    // The scenes are crowded enough that much is left out.
    EXPECT_GT(leftOut, 400u);
}

TEST(HeldPrimitives, OnlyAPaintAfterACrowdedOneLeavesOutWhatALaterFillCovers) {
    PixelBuffer image(160, 120);
    RasterSurface surface(image, Fonts());
    DrawAttributes solid;
    solid.brush = Brush::SolidBrush(Rgb(0, 0, 0));
    DeviceFont font;
    font.face = "DejaVu Sans";
    font.cellHeight = 14;
    auto paint = [&] {
        const HeldPrimitives hold(surface);
        surface.DrawText({40, 40}, 0, "Hidden", font, solid);
        surface.DrawLine({30, 30}, {130, 90}, solid);
        surface.DrawRectangle({20, 20, 140, 100}, solid);
        surface.DrawText({40, 40}, 0, "Shown", font, solid);
    };
    // Under the room box drawn after them, the first label and the line cannot show.
    PaintCrowded(surface);
    paint();
    EXPECT_EQ(surface.LeftOut(), 2u);
    // That paint filled little of the image: the next is painted as it comes.
    paint();
    EXPECT_EQ(surface.LeftOut(), 0u);
}

TEST(HeldPrimitives, TheHeldListsGiveBackTheirMemoryAfterAPaintNotCrowdedOrFarSmaller) {
    PixelBuffer image(160, 120);
    RasterSurface surface(image, Fonts());
    DrawAttributes pen;
    // A crowded paint of a large drawing: many lines and polygons, the room fills over them.
    auto paintLarge = [&] {
        const HeldPrimitives hold(surface);
        for (int i = 0; i < 100000; ++i) {
            surface.DrawLine({i % 160, 0}, {i % 160, 119}, pen);
            if (i % 10 == 0) surface.DrawPolygon({{0, 0}, {i % 160, 50}, {20, 100}, {5, 60}}, pen);
        }
        for (int i = 0; i < 4; ++i)
            surface.FillRect({0, 0, 160, 120}, Rgb(255, 255, 255));
    };
    PaintCrowded(surface);
    paintLarge();
    const std::size_t large = RasterSurface::KeptBytes();
    EXPECT_GT(large, 100000 * sizeof(Point));
    // Painted again, the lists keep their room rather than taking it anew.
    paintLarge();
    EXPECT_EQ(RasterSurface::KeptBytes(), large);
    // A small drawing, crowded too, replaces the large one.
    PaintCrowded(surface);
    EXPECT_LT(RasterSurface::KeptBytes(), std::size_t{1} << 20);
    // After a large paint, one that is not crowded gives it all back: the paint after it is not held.
    paintLarge();
    {
        const HeldPrimitives hold(surface);
        surface.DrawLine({0, 0}, {100, 100}, pen);
    }
    EXPECT_EQ(RasterSurface::KeptBytes(), 0u);
}

} // namespace
