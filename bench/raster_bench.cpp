// Painting throughput of the raster surface through a device context with the drawing view's mapping
// (isotropic, 5 logical units a pixel, y up) into a 1920 x 1080 image. Goal: a plan of 10 000 mixed
// primitives (short lines and repeated labels) paints in well under 10 ms, so a full repaint fits a
// 16 ms frame; the counters report the time per primitive. The small curves of a plan zoomed to fit
// cost no more than a microsecond each.

#include "platform/device_context.h"
#include "platform/qt/text_renderer_factory.h"
#include "platform/raster_surface.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

using namespace platform;

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kUnitsPerPixel = 5;

struct Line {
    Point from;
    Point to;
    int penWidth;
};

struct Label {
    Point at;
    int text;
    int escapement;
};

// Short lines of 5 to 40 pixels over the whole sheet, in logical units; one in five drawn wide.
std::vector<Line> MakeLines(int count, bool wide) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> x(0, kWidth * kUnitsPerPixel);
    std::uniform_int_distribution<int> y(0, kHeight * kUnitsPerPixel);
    std::uniform_int_distribution<int> step(-40 * kUnitsPerPixel, 40 * kUnitsPerPixel);
    std::vector<Line> lines;
    for (int i = 0; i < count; ++i) {
        Point from{x(random), y(random)};
        lines.push_back({from, {from.x + step(random), from.y + step(random)}, wide && i % 5 == 0 ? 15 : 5});
    }
    return lines;
}

// Room names and dimensions, as a plan repeats them: 40 different texts, a few of them turned.
std::vector<Label> MakeLabels(int count) {
    std::mt19937 random(12);
    std::uniform_int_distribution<int> x(0, kWidth * kUnitsPerPixel);
    std::uniform_int_distribution<int> y(0, kHeight * kUnitsPerPixel);
    std::vector<Label> labels;
    for (int i = 0; i < count; ++i)
        labels.push_back({{x(random), y(random)}, i % 40, i % 10 == 0 ? 900 : 0});
    return labels;
}

const std::vector<std::string>& Texts() {
    static const std::vector<std::string> texts = [] {
        const char* rooms[] = {"Kitchen", "Living room", "Bedroom", "Bath", "Hall", "Study", "WC", "Store"};
        std::vector<std::string> out;
        for (int i = 0; i < 40; ++i)
            out.push_back(i < 8 ? rooms[i]
                                : std::to_string(900 + 37 * i) + " x " + std::to_string(1200 + 53 * i));
        return out;
    }();
    return texts;
}

void ViewMapping(DeviceContext& dc) {
    dc.SetMapMode(MapMode::Isotropic);
    dc.SetWindowExt(kWidth * kUnitsPerPixel, kHeight * kUnitsPerPixel);
    dc.SetViewportExt(kWidth, -kHeight);
    dc.SetViewportOrg(0, kHeight);
}

struct Scene {
    Scene() : text(qt::MakeTextRenderer()), buffer(kWidth, kHeight), surface(buffer, *text) {}
    std::unique_ptr<TextRenderer> text;
    PixelBuffer buffer;
    RasterSurface surface;
};

void DrawLines(DeviceContext& dc, const std::vector<Line>& lines) {
    for (const Line& line : lines) {
        if (dc.CurrentPen().width != line.penWidth)
            dc.SelectPen(Pen{Rgb(0, 0, 0), line.penWidth, PenStyle::Solid});
        dc.MoveTo(line.from.x, line.from.y);
        dc.LineTo(line.to.x, line.to.y);
    }
}

void DrawLabels(DeviceContext& dc, const std::vector<Label>& labels) {
    Font font;
    font.face = "Arial";
    font.height = 14 * kUnitsPerPixel;
    dc.SetBkMode(BackgroundMode::Transparent);
    dc.SetTextAlign(TextAlign::Center | TextAlign::Baseline);
    for (const Label& label : labels) {
        if (font.escapement != label.escapement) {
            font.escapement = label.escapement;
            dc.SelectFont(font);
        } else if (dc.CurrentFont() != font) {
            dc.SelectFont(font);
        }
        dc.TextOut(label.at.x, label.at.y, Texts()[static_cast<std::size_t>(label.text)]);
    }
}

struct Figure {
    Point corner;
    int size;
    int kind; // 0 a quarter arc (a door's swing), 1 a dotted half arc (a canopy), 2 an ellipse
};

// Door swings, canopies and basins as a plan zoomed to fit shows them: 4 to 40 pixels across.
std::vector<Figure> MakeFigures(int count) {
    std::mt19937 random(13);
    std::uniform_int_distribution<int> x(0, kWidth * kUnitsPerPixel);
    std::uniform_int_distribution<int> y(0, kHeight * kUnitsPerPixel);
    std::uniform_int_distribution<int> size(4 * kUnitsPerPixel, 40 * kUnitsPerPixel);
    std::vector<Figure> figures;
    for (int i = 0; i < count; ++i)
        figures.push_back({{x(random), y(random)}, size(random), i % 3});
    return figures;
}

void DrawFigures(DeviceContext& dc, const std::vector<Figure>& figures) {
    const Pen solid{Rgb(0, 0, 0), 1, PenStyle::Solid};
    const Pen dotted{Rgb(90, 90, 90), 1, PenStyle::Dot};
    dc.SelectBrush(Brush::NullBrush());
    for (const Figure& f : figures) {
        const int l = f.corner.x, b = f.corner.y, r = l + f.size, t = b + f.size;
        const int cx = l + f.size / 2, cy = b + f.size / 2;
        switch (f.kind) {
        case 0:
            dc.SelectPen(solid);
            dc.Arc(l, t, r, b, r, cy, cx, t);
            break;
        case 1:
            dc.SelectPen(dotted);
            dc.Arc(l, t, r, b, l, cy, r, cy);
            break;
        default:
            dc.SelectPen(solid);
            dc.Ellipse(l, t, r, b);
            break;
        }
    }
}

void PerPrimitive(benchmark::State& state, int primitives) {
    state.counters["per_primitive"] = benchmark::Counter(
        primitives, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_ThinLines(benchmark::State& state) {
    Scene scene;
    const std::vector<Line> lines = MakeLines(10000, false);
    for (auto _ : state) {
        DeviceContext dc(scene.surface);
        ViewMapping(dc);
        DrawLines(dc, lines);
    }
    PerPrimitive(state, 10000);
}
BENCHMARK(BM_ThinLines)->Unit(benchmark::kMillisecond);

void BM_LinesOneInFiveWide(benchmark::State& state) {
    Scene scene;
    const std::vector<Line> lines = MakeLines(10000, true);
    for (auto _ : state) {
        DeviceContext dc(scene.surface);
        ViewMapping(dc);
        DrawLines(dc, lines);
    }
    PerPrimitive(state, 10000);
}
BENCHMARK(BM_LinesOneInFiveWide)->Unit(benchmark::kMillisecond);

void BM_ExclusiveOrLines(benchmark::State& state) {
    Scene scene;
    const std::vector<Line> lines = MakeLines(10000, false);
    for (auto _ : state) {
        DeviceContext dc(scene.surface);
        ViewMapping(dc);
        dc.SetROP2(RasterOp::XorPen);
        DrawLines(dc, lines);
    }
    PerPrimitive(state, 10000);
}
BENCHMARK(BM_ExclusiveOrLines)->Unit(benchmark::kMillisecond);

void BM_Labels(benchmark::State& state) {
    Scene scene;
    const std::vector<Label> labels = MakeLabels(1000);
    for (auto _ : state) {
        DeviceContext dc(scene.surface);
        ViewMapping(dc);
        DrawLabels(dc, labels);
    }
    PerPrimitive(state, 1000);
}
BENCHMARK(BM_Labels)->Unit(benchmark::kMillisecond);

// Curves as a plan zoomed to fit draws them: which pixels an arc covers and where a dotted one's dots
// fall take no trigonometry per pixel.
void BM_SmallArcsAndEllipses(benchmark::State& state) {
    Scene scene;
    const std::vector<Figure> figures = MakeFigures(3000);
    for (auto _ : state) {
        DeviceContext dc(scene.surface);
        ViewMapping(dc);
        DrawFigures(dc, figures);
    }
    PerPrimitive(state, 3000);
}
BENCHMARK(BM_SmallArcsAndEllipses)->Unit(benchmark::kMillisecond);

// The goal: 10 000 lines and 1 000 labels, the whole sheet cleared first as a paint does.
void BM_PlanOf11000Primitives(benchmark::State& state) {
    Scene scene;
    const std::vector<Line> lines = MakeLines(10000, true);
    const std::vector<Label> labels = MakeLabels(1000);
    for (auto _ : state) {
        DeviceContext dc(scene.surface);
        dc.FillDeviceRect({0, 0, kWidth, kHeight}, Rgb(255, 255, 255));
        ViewMapping(dc);
        DrawLines(dc, lines);
        DrawLabels(dc, labels);
    }
    PerPrimitive(state, 11000);
}
BENCHMARK(BM_PlanOf11000Primitives)->Unit(benchmark::kMillisecond);

} // namespace
