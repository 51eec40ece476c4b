#include "platform/raster_surface.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <memory>
#include <optional>

namespace platform {

// Where a text lies: its measures and ink (valid until the renderer's next call), the directions
// along its baseline and across it towards the descent in device pixels (y down), and the start of its
// baseline on whole pixels.
struct TextPlacement {
    TextMetrics metrics;
    const TextInk* ink = nullptr;
    double alongX = 1.0;
    double alongY = -0.0;
    double downX = 0.0;
    double downY = 1.0;
    double originX = 0;
    double originY = 0;
};

namespace {

using Span = RasterSurface::Span;
using Spans = std::vector<Span>;
// Wide enough for products of two differences of ints, which clipping needs exactly.
using Wide = __int128;

constexpr double kPi = 3.14159265358979323846;
// Figures made of edges sample a pixel's centre a hair right of and below the pixel's point, so an edge
// lying exactly on a row or column of pixels keeps it inside on the left or top and outside on the right
// or bottom.
constexpr double kSampleBias = 1.0 / 256.0;

// A raster operation with its colour folded in: every binary operation on one bit of a fixed colour
// leaves the destination bit, clears it, sets it or inverts it, so pixel = (pixel & keep) ^ flip.
struct PixelOp {
    std::uint32_t keep = 0;
    std::uint32_t flip = 0xFF000000u;

    // A copying operation keeps nothing of the pixel, and then does not read it: the pixels of a figure
    // are mostly not in the cache, and a store need not wait for them.
    void Apply(std::uint32_t& pixel) const { pixel = keep == 0 ? flip : (pixel & keep) ^ flip; }
    void ApplyRun(std::uint32_t* row, int x0, int x1) const {
        // Runs are mostly a few pixels long (the rows of a wide line), where a plain loop beats a call.
        // The operation is copied first: the compiler cannot tell that the stores leave it alone, and
        // would read it again for every pixel instead of writing several pixels a store.
        const std::uint32_t keepBits = keep;
        const std::uint32_t flipBits = flip;
        if (keepBits == 0) {
            // A run of a wide line's row is two or three pixels: stored one by one, without the set-up
            // of the loop's wide stores.
            if (x1 - x0 <= 3) {
                if (x0 < x1) row[x0] = flipBits;
                if (x0 + 1 < x1) row[x0 + 1] = flipBits;
                if (x0 + 2 < x1) row[x0 + 2] = flipBits;
                return;
            }
            for (int x = x0; x < x1; ++x)
                row[x] = flipBits;
            return;
        }
        for (int x = x0; x < x1; ++x)
            row[x] = (row[x] & keepBits) ^ flipBits;
    }
};

PixelOp MakeOp(RasterOp op, ColourRef colour) {
    const std::uint32_t pen = PixelFromColour(colour) & 0x00FFFFFFu;
    const std::uint32_t notPen = ~pen & 0x00FFFFFFu;
    // Operation n gives, for pen bit p and destination bit d, bit (2p + d) of n - 1.
    const unsigned table = (static_cast<unsigned>(op) - 1u) & 15u;
    auto every = [](unsigned bit) { return (bit & 1u) != 0 ? 0x00FFFFFFu : 0u; };
    PixelOp result;
    result.keep = (pen & every((table >> 3) ^ (table >> 2))) | (notPen & every((table >> 1) ^ table));
    result.flip = (pen & every(table >> 2)) | (notPen & every(table)) | 0xFF000000u;
    return result;
}

// On/off patterns of the styled pens in units of the pen's width; every pattern repeats after 24 units.
constexpr int kPatternLength = 24;

struct Dash {
    int from = 0;
    int to = 0;
};

struct StylePattern {
    std::array<Dash, 4> dashes{};
    int count = 0;
    std::array<bool, kPatternLength> on{};
};

constexpr StylePattern MakePattern(std::initializer_list<Dash> dashes) {
    StylePattern pattern;
    for (const Dash& dash : dashes) {
        pattern.dashes[static_cast<std::size_t>(pattern.count++)] = dash;
        for (int i = dash.from; i < dash.to; ++i)
            pattern.on[static_cast<std::size_t>(i)] = true;
    }
    return pattern;
}

constexpr StylePattern kDash = MakePattern({{0, 18}});
constexpr StylePattern kDot = MakePattern({{0, 3}, {6, 9}, {12, 15}, {18, 21}});
constexpr StylePattern kDashDot = MakePattern({{0, 9}, {15, 18}});
constexpr StylePattern kDashDotDot = MakePattern({{0, 9}, {12, 15}, {18, 21}});

const StylePattern* PatternOf(PenStyle style) {
    switch (style) {
    case PenStyle::Dash:
        return &kDash;
    case PenStyle::Dot:
        return &kDot;
    case PenStyle::DashDot:
        return &kDashDot;
    case PenStyle::DashDotDot:
        return &kDashDotDot;
    default:
        return nullptr;
    }
}

// How a pen paints: its dashes, and for a styled pen in opaque mode the gaps between them.
struct PenPaint {
    PixelOp ink;
    PixelOp gap;
    const StylePattern* pattern = nullptr; // null for a solid pen
    bool paintGaps = false;
    int width = 1;

    // Whether the pixel `position` pixels along the pen's path is on a dash.
    bool On(std::int64_t position) const {
        if (!pattern) return true;
        // Most styled pens are one pixel wide; a division per pixel is worth saving.
        const std::int64_t unit = width == 1 ? position : position / width;
        return pattern->on[static_cast<std::size_t>(unit % kPatternLength)];
    }
    // A position along a curve, rounded to the nearest whole pixel step (by hand: the library's
    // rounding is a call on the baseline instruction set, and this runs for every outline pixel).
    bool On(double position) const {
        return On(position > 0 ? static_cast<std::int64_t>(position + 0.5) : std::int64_t{0});
    }
    void Paint(std::uint32_t& pixel, bool on) const {
        if (on)
            ink.Apply(pixel);
        else if (paintGaps)
            gap.Apply(pixel);
    }
};

PenPaint MakePenPaintFresh(const DrawAttributes& attributes) {
    PenPaint pen;
    pen.ink = MakeOp(attributes.rop, attributes.penColour);
    pen.pattern = PatternOf(attributes.penStyle);
    pen.paintGaps = pen.pattern && attributes.backgroundMode == BackgroundMode::Opaque;
    if (pen.paintGaps) pen.gap = MakeOp(attributes.rop, attributes.backgroundColour);
    pen.width = std::max(attributes.penWidth, 1);
    return pen;
}

// The pen of the last primitive, kept: a paint draws runs of many lines with one pen (a wall's hatch
// is thousands), and comparing the few fields a pen depends on costs less than working it out again.
// Painting runs on the window's thread only; the cache is per thread all the same.
struct KeptPen {
    struct Key {
        ColourRef colour = 0;
        int width = 0;
        PenStyle style = PenStyle::Null;
        RasterOp rop = RasterOp::CopyPen;
        BackgroundMode mode = BackgroundMode::Opaque;
        ColourRef background = 0;
        bool operator==(const Key&) const = default;
    };
    Key last;
    PenPaint pen;
    bool made = false;
    std::uint64_t serial = 0; // of the attributes it was last asked for
};
thread_local KeptPen keptPen;

[[gnu::noinline]] const PenPaint& MakePenPaintAnew(const DrawAttributes& attributes) {
    KeptPen& kept = keptPen;
    kept.serial = attributes.serial;
    const KeptPen::Key key{attributes.penColour, attributes.penWidth,       attributes.penStyle,
                           attributes.rop,       attributes.backgroundMode, attributes.backgroundColour};
    if (!kept.made || !(key == kept.last)) {
        kept.pen = MakePenPaintFresh(attributes);
        kept.last = key;
        kept.made = true;
    }
    return kept.pen;
}

// The same attributes as the last time (the device context's own set, unchanged since) need no
// comparing at all.
[[gnu::always_inline]] inline const PenPaint& MakePenPaint(const DrawAttributes& attributes) {
    const KeptPen& kept = keptPen;
    if (kept.made && attributes.serial != 0 && attributes.serial == kept.serial) return kept.pen;
    return MakePenPaintAnew(attributes);
}

// The 8 x 8 hatch patterns, aligned with the device's origin.
bool HatchInk(Hatch hatch, int x, int y) {
    const bool horizontal = (y & 7) == 0;
    const bool vertical = (x & 7) == 0;
    const bool forward = ((x - y) & 7) == 0;  // runs down to the right
    const bool backward = ((x + y) & 7) == 0; // runs up to the right
    switch (hatch) {
    case Hatch::Horizontal:
        return horizontal;
    case Hatch::Vertical:
        return vertical;
    case Hatch::ForwardDiagonal:
        return forward;
    case Hatch::BackwardDiagonal:
        return backward;
    case Hatch::Cross:
        return horizontal || vertical;
    case Hatch::DiagonalCross:
        return forward || backward;
    }
    return false;
}

// How a brush paints: solid, hatched (spaces in the background colour when opaque) or not at all.
struct BrushPaint {
    bool none = true;
    bool hatched = false;
    bool paintBackground = false;
    Hatch hatch = Hatch::Horizontal;
    PixelOp ink;
    PixelOp background;

    void PaintRun(std::uint32_t* row, int y, int x0, int x1) const {
        if (none || x0 >= x1) return;
        if (!hatched) {
            ink.ApplyRun(row, x0, x1);
            return;
        }
        for (int x = x0; x < x1; ++x) {
            if (HatchInk(hatch, x, y))
                ink.Apply(row[x]);
            else if (paintBackground)
                background.Apply(row[x]);
        }
    }
};

BrushPaint MakeBrushPaint(const DrawAttributes& attributes) {
    BrushPaint brush;
    brush.none = attributes.brush.style == BrushStyle::Null;
    brush.hatched = attributes.brush.style == BrushStyle::Hatched;
    brush.hatch = attributes.brush.hatch;
    brush.paintBackground = attributes.backgroundMode == BackgroundMode::Opaque;
    brush.ink = MakeOp(attributes.rop, attributes.brush.colour);
    brush.background = MakeOp(attributes.rop, attributes.backgroundColour);
    return brush;
}

// floor(value) and ceil(value) clamped to [low, high]; NaN gives low. Library rounding is a call on
// the baseline instruction set, and these run for every row of every figure.
[[gnu::always_inline]] inline int FloorClamped(double value, int low, int high) {
    if (!(value > low)) return low;
    if (value >= high) return high;
    const int whole = static_cast<int>(value);
    return whole - (whole > value ? 1 : 0);
}
[[gnu::always_inline]] inline int CeilClamped(double value, int low, int high) {
    if (!(value > low)) return low;
    if (value >= high) return high;
    const int whole = static_cast<int>(value);
    return whole + (whole < value ? 1 : 0);
}

// Pixels x with x + bias inside [low, high], clipped to [0, width): the half-open run [x0, x1).
[[gnu::always_inline]] inline bool PixelRun(double low, double high, int width, int& x0, int& x1) {
    x0 = CeilClamped(low - kSampleBias, 0, width);
    x1 = FloorClamped(high - kSampleBias, -1, width - 1) + 1;
    return x0 < x1;
}

// The text renderer runs the toolkit's own vector code, which may leave the upper halves of the
// processor's wide vector registers in use. On processors that then charge every plain vector
// instruction for keeping them (the floating-point work of every later figure, and the maths library),
// everything painted after a text would run at up to half speed. Clearing them after each call into
// the renderer keeps the cost of a paint independent of what was painted before it.
#if defined(__x86_64__) || defined(__i386__)
[[gnu::target("avx")]] void ZeroUpperHalves() {
    __builtin_ia32_vzeroupper();
}
void ClearWideVectorState() {
    static const bool hasWideVectors = __builtin_cpu_supports("avx");
    if (hasWideVectors) ZeroUpperHalves();
}
#else
void ClearWideVectorState() {}
#endif

// --- Span lists -------------------------------------------------------------------------------------

// Sorts spans by row and then by column: by counting the spans of each row where the rows are few for
// the spans (the outline of a figure, a few spans a row from each of its sides), else by comparing.
void SortSpans(Spans& spans) {
    auto before = [](const Span& a, const Span& b) { return a.y != b.y ? a.y < b.y : a.x0 < b.x0; };
    const auto [low, high] = std::minmax_element(spans.begin(), spans.end(),
                                                 [](const Span& a, const Span& b) { return a.y < b.y; });
    const std::int64_t rows = std::int64_t{high->y} - low->y + 1;
    if (rows > 4 * static_cast<std::int64_t>(spans.size())) {
        std::sort(spans.begin(), spans.end(), before);
        return;
    }
    // Painting runs on the window's thread; the lists are kept from one figure to the next.
    static thread_local std::vector<std::uint32_t> starts;
    static thread_local Spans sorted;
    const int first = low->y;
    starts.assign(static_cast<std::size_t>(rows) + 1, 0);
    for (const Span& s : spans)
        ++starts[static_cast<std::size_t>(s.y - first) + 1];
    for (std::size_t row = 1; row < starts.size(); ++row)
        starts[row] += starts[row - 1];
    sorted.resize(spans.size());
    for (const Span& s : spans)
        sorted[starts[static_cast<std::size_t>(s.y - first)]++] = s;
    // Each row's few spans by column; starts[row] now ends the row.
    std::size_t rowStart = 0;
    for (std::size_t row = 0; row + 1 < starts.size(); ++row) {
        const std::size_t rowEnd = starts[row];
        for (std::size_t i = rowStart + 1; i < rowEnd; ++i)
            for (std::size_t j = i; j > rowStart && sorted[j].x0 < sorted[j - 1].x0; --j)
                std::swap(sorted[j], sorted[j - 1]);
        rowStart = rowEnd;
    }
    spans.swap(sorted);
}

// Sorts spans by row and column and joins the ones that overlap or touch.
void Normalise(Spans& spans) {
    if (spans.size() < 2) return;
    auto before = [](const Span& a, const Span& b) { return a.y != b.y ? a.y < b.y : a.x0 < b.x0; };
    // A fill comes row by row from the top, each row left to right: already in order.
    if (!std::is_sorted(spans.begin(), spans.end(), before)) SortSpans(spans);
    std::size_t kept = 0;
    for (std::size_t i = 1; i < spans.size(); ++i) {
        Span& last = spans[kept];
        if (spans[i].y == last.y && spans[i].x0 <= last.x1)
            last.x1 = std::max(last.x1, spans[i].x1);
        else
            spans[++kept] = spans[i];
    }
    spans.resize(kept + 1);
}

// out = from without the pixels of remove; both inputs normalised, and so is out.
void Subtract(const Spans& from, const Spans& remove, Spans& out) {
    out.clear();
    std::size_t j = 0;
    for (const Span& s : from) {
        int x = s.x0;
        while (j < remove.size() && (remove[j].y < s.y || (remove[j].y == s.y && remove[j].x1 <= x)))
            ++j;
        for (std::size_t k = j; k < remove.size() && remove[k].y == s.y && remove[k].x0 < s.x1; ++k) {
            if (remove[k].x0 > x) out.push_back({s.y, x, remove[k].x0});
            x = std::max(x, remove[k].x1);
        }
        if (x < s.x1) out.push_back({s.y, x, s.x1});
    }
}

void PaintSpans(PixelBuffer& buffer, const Spans& spans, const PixelOp& op) {
    for (const Span& s : spans)
        op.ApplyRun(buffer.Row(s.y), s.x0, s.x1);
}

// --- Thin lines -------------------------------------------------------------------------------------

Wide CeilDiv(Wide numerator, Wide denominator) { // denominator > 0
    Wide quotient = numerator / denominator;
    if (numerator % denominator != 0 && numerator > 0) ++quotient;
    return quotient;
}

// The part of a thin line inside an image. The line from a to b steps one pixel per step of its longer
// (major) axis and leaves out its end pixel; pixel i lies round(i * minor / major) pixels along the
// shorter axis, halves rounding away from a. Pixels outside the image are skipped by arithmetic, so a line
// far outside costs nothing whatever its coordinates.
struct LineRun {
    std::int64_t length = 0; // pixels of the whole line
    std::int64_t first = 0;  // index of the first pixel inside
    std::int64_t count = 0;  // pixels inside, consecutive from `first`
    int x = 0;               // the pixel `first`
    int y = 0;
    bool xMajor = true;
    int majorStep = 1;
    int minorStep = 1;
    std::int64_t error = 0; // Bresenham error of pixel `first`, in [0, twoMajor)
    std::int64_t twoMajor = 0;
    std::int64_t twoMinor = 0;
};

[[gnu::always_inline]] inline LineRun ClipLine(Point a, Point b, int width, int height) {
    LineRun run;
    const std::int64_t dx = std::int64_t{b.x} - a.x;
    const std::int64_t dy = std::int64_t{b.y} - a.y;
    const std::int64_t adx = dx < 0 ? -dx : dx;
    const std::int64_t ady = dy < 0 ? -dy : dy;
    run.xMajor = adx >= ady;
    const std::int64_t major = run.xMajor ? adx : ady;
    const std::int64_t minor = run.xMajor ? ady : adx;
    run.length = major;
    run.twoMajor = 2 * major;
    run.twoMinor = 2 * minor;
    run.majorStep = (run.xMajor ? dx : dy) < 0 ? -1 : 1;
    run.minorStep = (run.xMajor ? dy : dx) < 0 ? -1 : 1;
    if (major == 0 || width <= 0 || height <= 0) return run;
    // Each coordinate in [0, size) by one unsigned comparison (a negative one turns huge).
    auto within = [](int v, int size) { return static_cast<unsigned>(v) < static_cast<unsigned>(size); };
    const bool inside =
        within(a.x, width) && within(a.y, height) && within(b.x, width) && within(b.y, height);
    if (inside) {
        run.count = major;
        run.x = a.x;
        run.y = a.y;
        run.error = major;
        return run;
    }
    const std::int64_t majorStart = run.xMajor ? a.x : a.y;
    const std::int64_t minorStart = run.xMajor ? a.y : a.x;
    const std::int64_t majorLimit = run.xMajor ? width : height;
    const std::int64_t minorLimit = run.xMajor ? height : width;
    Wide first = 0;
    Wide last = major - 1;
    if (run.majorStep > 0) {
        first = std::max<Wide>(first, -majorStart);
        last = std::min<Wide>(last, majorLimit - 1 - majorStart);
    } else {
        first = std::max<Wide>(first, majorStart - (majorLimit - 1));
        last = std::min<Wide>(last, majorStart);
    }
    // The minor offset k(i) = floor((2 i minor + major) / (2 major)) must stay inside the image.
    const Wide kLow = run.minorStep > 0 ? -minorStart : minorStart - (minorLimit - 1);
    const Wide kHigh = run.minorStep > 0 ? minorLimit - 1 - minorStart : minorStart;
    if (minor == 0) {
        if (kLow > 0 || kHigh < 0) return run;
    } else {
        first = std::max(first, CeilDiv(2 * Wide{major} * kLow - major, 2 * Wide{minor}));
        last = std::min(last, CeilDiv(2 * Wide{major} * kHigh + major, 2 * Wide{minor}) - 1);
    }
    if (first > last) return run;
    const Wide numerator = 2 * first * minor + major;
    const Wide k = numerator / run.twoMajor;
    run.first = static_cast<std::int64_t>(first);
    run.count = static_cast<std::int64_t>(last - first) + 1;
    run.error = static_cast<std::int64_t>(numerator - k * run.twoMajor);
    const auto along = static_cast<int>(majorStart + run.majorStep * run.first);
    const auto across = static_cast<int>(minorStart + run.minorStep * static_cast<std::int64_t>(k));
    run.x = run.xMajor ? along : across;
    run.y = run.xMajor ? across : along;
    return run;
}

// Calls visit(x, y, i) for the pixels of the thin line a-b inside the image, i counting pixels from a.
// Returns the number of pixels of the whole line.
template <class Visit> std::int64_t TraceLine(Point a, Point b, int width, int height, Visit&& visit) {
    const LineRun run = ClipLine(a, b, width, height);
    int along = run.xMajor ? run.x : run.y;
    int across = run.xMajor ? run.y : run.x;
    std::int64_t error = run.error;
    for (std::int64_t i = run.first, end = run.first + run.count; i < end; ++i) {
        if (run.xMajor)
            visit(along, across, i);
        else
            visit(across, along, i);
        along += run.majorStep;
        error += run.twoMinor;
        if (error >= run.twoMajor) {
            error -= run.twoMajor;
            across += run.minorStep;
        }
    }
    return run.length;
}

// The solid thin line straight into the pixels: the hot path of every drawing.
void PaintThinLine(PixelBuffer& buffer, Point a, Point b, PixelOp op) {
    const int width = buffer.Width();
    const LineRun run = ClipLine(a, b, width, buffer.Height());
    if (run.count == 0) return;
    if (run.twoMinor == 0 && run.xMajor) {
        // Level: one run of the row, whichever way the line goes. Most lines of a plan are level or
        // upright.
        const auto count = static_cast<int>(run.count);
        const int x0 = run.majorStep > 0 ? run.x : run.x - count + 1;
        op.ApplyRun(buffer.Row(run.y), x0, x0 + count);
        return;
    }
    std::uint32_t* pixel = buffer.Row(run.y) + run.x;
    if (run.twoMinor == 0) {
        const std::ptrdiff_t down = std::ptrdiff_t{run.majorStep} * width;
        const std::uint32_t keep = op.keep;
        const std::uint32_t flip = op.flip;
        for (std::int64_t n = run.count; n > 0; --n, pixel += down)
            *pixel = keep == 0 ? flip : (*pixel & keep) ^ flip;
        return;
    }
    const std::ptrdiff_t majorDelta = run.xMajor ? run.majorStep : std::ptrdiff_t{run.majorStep} * width;
    const std::ptrdiff_t minorDelta = run.xMajor ? std::ptrdiff_t{run.minorStep} * width : run.minorStep;
    const std::uint32_t keep = op.keep;
    const std::uint32_t flip = op.flip;
    auto step = [&](auto paint) {
        std::int64_t error = run.error;
        for (std::int64_t n = run.count; n > 0; --n) {
            paint(*pixel);
            pixel += majorDelta;
            error += run.twoMinor;
            if (error >= run.twoMajor) {
                error -= run.twoMajor;
                pixel += minorDelta;
            }
        }
    };
    // Plain stores need not wait for the pixels they replace, which are rarely in the cache.
    if (keep == 0)
        step([flip](std::uint32_t& p) { p = flip; });
    else
        step([keep, flip](std::uint32_t& p) { p = (p & keep) ^ flip; });
}

// --- Wide lines ---------------------------------------------------------------------------------------

// Narrows [t0, t1] to the part of a + t v inside the box; false when nothing is left.
bool ClipParameter(double ax, double ay, double vx, double vy, double xMin, double yMin, double xMax,
                   double yMax, double& t0, double& t1) {
    auto edge = [&](double p, double q) { // keeps p t <= q
        if (p == 0) return q >= 0;
        double t = q / p;
        if (p < 0) {
            if (t > t1) return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
        return true;
    };
    return edge(-vx, ax - xMin) && edge(vx, xMax - ax) && edge(-vy, ay - yMin) && edge(vy, yMax - ay);
}

// Calls emit(y, x0, x1) with the pixels of every image row covered by the band of half-width r around
// the segment a-b with round ends; one run per row, as the shape is convex.
template <class Emit>
void CapsuleSpans(double ax, double ay, double bx, double by, double r, int width, int height, Emit&& emit) {
    const int yFirst = CeilClamped(std::min(ay, by) - r - kSampleBias, 0, height);
    const int yEnd = FloorClamped(std::max(ay, by) + r - kSampleBias, -1, height - 1) + 1;
    const double vx = bx - ax;
    const double vy = by - ay;
    const double length = std::sqrt(vx * vx + vy * vy);
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    // The band between the ends: 0 <= (p - a).u <= length along the unit direction u, and
    // |(p - a) x u| <= r across it. On a row each condition bounds x linearly in the row's offset.
    const double ux = length > 0 ? vx / length : 0.0;
    const double uy = length > 0 ? vy / length : 0.0;
    const double alongPerRow = ux != 0 ? -uy / ux : 0.0;
    const double alongFrom = ux != 0 ? ax + std::min(0.0, length / ux) : 0.0;
    const double alongTo = ux != 0 ? ax + std::max(0.0, length / ux) : 0.0;
    const double acrossPerRow = uy != 0 ? ux / uy : 0.0;
    const double acrossHalf = uy != 0 ? r / std::fabs(uy) : 0.0;
    const double r2 = r * r;
    // Row by row: the band's part of the row, then the round ends'.
    auto rows = [&](auto band) {
        for (int y = yFirst; y < yEnd; ++y) {
            const double yc = y + kSampleBias;
            const double dy = yc - ay;
            double low = kInfinity;
            double high = -kInfinity;
            band(dy, low, high);
            if (dy * dy <= r2) {
                const double half = std::sqrt(r2 - dy * dy);
                low = std::min(low, ax - half);
                high = std::max(high, ax + half);
            }
            const double dyEnd = yc - by;
            if (dyEnd * dyEnd <= r2) {
                const double half = std::sqrt(r2 - dyEnd * dyEnd);
                low = std::min(low, bx - half);
                high = std::max(high, bx + half);
            }
            int x0 = 0;
            int x1 = 0;
            if (low <= high && PixelRun(low, high, width, x0, x1)) emit(y, x0, x1);
        }
    };
    if (length > 0 && ux != 0 && uy != 0) {
        // A line neither level nor upright, nearly every one: each bound without the tests of the others.
        rows([&](double dy, double& low, double& high) {
            const double centre = ax + dy * acrossPerRow;
            const double bandLow = std::max(alongFrom + dy * alongPerRow, centre - acrossHalf);
            const double bandHigh = std::min(alongTo + dy * alongPerRow, centre + acrossHalf);
            if (bandLow <= bandHigh) {
                low = bandLow;
                high = bandHigh;
            }
        });
        return;
    }
    rows([&](double dy, double& low, double& high) {
        if (!(length > 0)) return;
        double bandLow = -kInfinity;
        double bandHigh = kInfinity;
        if (ux != 0) {
            bandLow = alongFrom + dy * alongPerRow;
            bandHigh = alongTo + dy * alongPerRow;
        } else if (dy * uy < 0 || dy * uy > length) {
            bandLow = kInfinity;
        }
        if (uy != 0) {
            const double centre = ax + dy * acrossPerRow;
            bandLow = std::max(bandLow, centre - acrossHalf);
            bandHigh = std::min(bandHigh, centre + acrossHalf);
        } else if (std::fabs(dy) > r) {
            bandLow = kInfinity;
        }
        if (bandLow <= bandHigh) {
            low = bandLow;
            high = bandHigh;
        }
    });
}

// Adds the wide pen's dashes along a-b to dashes, the pattern starting `phase` pixels in, and the whole
// band to band when given. Returns the segment's length for a styled pen, and 0 for a solid one.
double AddWideSegment(Point a, Point b, double phase, const PenPaint& pen, int width, int height,
                      Spans& dashes, Spans* band) {
    const double ax = a.x;
    const double ay = a.y;
    const double vx = static_cast<double>(b.x) - a.x;
    const double vy = static_cast<double>(b.y) - a.y;
    // A segment of no length draws nothing; a solid pen's needs no length else, its pattern no phase.
    if (vx == 0 && vy == 0) return 0;
    const double r = pen.width / 2.0;
    auto into = [](Spans& spans) {
        return [&spans](int y, int x0, int x1) { spans.push_back({y, x0, x1}); };
    };
    if (!pen.pattern) {
        CapsuleSpans(ax, ay, b.x, b.y, r, width, height, into(dashes));
        return 0;
    }
    const double length = std::hypot(vx, vy);
    if (band) CapsuleSpans(ax, ay, b.x, b.y, r, width, height, into(*band));
    // Only the dashes near the image matter; a long line far away must not be walked dash by dash.
    double t0 = 0;
    double t1 = 1;
    if (!ClipParameter(ax, ay, vx, vy, -r - 1, -r - 1, width + r + 1, height + r + 1, t0, t1)) return length;
    const double unit = pen.width;
    const double period = kPatternLength * unit;
    const double visibleFrom = phase + t0 * length;
    const double visibleTo = phase + t1 * length;
    for (double start = std::floor(visibleFrom / period) * period; start <= visibleTo; start += period) {
        for (int d = 0; d < pen.pattern->count; ++d) {
            const Dash& dash = pen.pattern->dashes[static_cast<std::size_t>(d)];
            double from = std::max(start + dash.from * unit - phase, 0.0);
            double to = std::min(start + dash.to * unit - phase, length);
            if (from >= to) continue;
            CapsuleSpans(ax + vx * from / length, ay + vy * from / length, ax + vx * to / length,
                         ay + vy * to / length, r, width, height, into(dashes));
        }
    }
    return length;
}

// --- Filled polygons ----------------------------------------------------------------------------------

struct PointF {
    double x = 0;
    double y = 0;
};

// Adds the runs of pixels inside the polygon by the alternate (even-odd) rule.
void PolygonFillSpans(const std::vector<PointF>& points, int width, int height, Spans& out) {
    struct Edge {
        double top = 0;
        double bottom = 0;
        double x = 0; // x at y == top
        double slope = 0;
    };
    // Kept from one polygon to the next, as a paint fills thousands: painting runs on one thread.
    static thread_local std::vector<Edge> edges;
    static thread_local std::vector<const Edge*> active;
    static thread_local std::vector<double> crossings;
    edges.clear();
    active.clear();
    for (std::size_t i = 0; i < points.size(); ++i) {
        PointF a = points[i];
        PointF b = points[(i + 1) % points.size()];
        if (a.y == b.y) continue;
        if (a.y > b.y) std::swap(a, b);
        edges.push_back({a.y, b.y, a.x, (b.x - a.x) / (b.y - a.y)});
    }
    if (edges.empty()) return;
    std::sort(edges.begin(), edges.end(), [](const Edge& e, const Edge& f) { return e.top < f.top; });
    double low = edges.front().top;
    double high = low;
    for (const Edge& e : edges)
        high = std::max(high, e.bottom);
    const int yFirst = CeilClamped(low - kSampleBias, 0, height);
    const int yEnd = FloorClamped(high - kSampleBias, -1, height - 1) + 1;
    std::size_t next = 0;
    for (int y = yFirst; y < yEnd; ++y) {
        const double yc = y + kSampleBias;
        while (next < edges.size() && edges[next].top <= yc)
            active.push_back(&edges[next++]);
        std::erase_if(active, [yc](const Edge* e) { return e->bottom <= yc; });
        crossings.clear();
        for (const Edge* e : active)
            crossings.push_back(e->x + (yc - e->top) * e->slope);
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            int x0 = 0;
            int x1 = 0;
            if (PixelRun(crossings[i], crossings[i + 1], width, x0, x1)) out.push_back({y, x0, x1});
        }
    }
}

// The same for a polygon of whole pixels.
void PolygonFillSpans(std::span<const Point> points, int width, int height, Spans& out) {
    // Kept from one polygon to the next, as a paint fills thousands.
    static thread_local std::vector<PointF> corners;
    corners.clear();
    for (const Point& p : points)
        corners.push_back({static_cast<double>(p.x), static_cast<double>(p.y)});
    PolygonFillSpans(corners, width, height, out);
}

// --- Box figures --------------------------------------------------------------------------------------

// Floor and ceiling of a value within the int64 range, inlined: figures take them twice a row, and the
// library's are calls on the baseline instruction set.
std::int64_t FloorOf(double value) {
    const auto truncated = static_cast<std::int64_t>(value);
    return static_cast<double>(truncated) > value ? truncated - 1 : truncated;
}
std::int64_t CeilOf(double value) {
    const auto truncated = static_cast<std::int64_t>(value);
    return static_cast<double>(truncated) < value ? truncated + 1 : truncated;
}

// A box with quarter-ellipse corners: an ellipse when the corners meet, a rectangle without corners.
// The edges lie half a pixel outside the outermost pixel centres, so a figure in the box [l, r) covers
// columns l to r - 1 and touches both.
struct RoundedBox {
    RoundedBox(double left, double top, double right, double bottom, double rx, double ry)
        : left(left), top(top), right(right), bottom(bottom), rx(rx), ry(ry) {
        // Without rounded corners every row holds the same pixels, worked out once: a rectangle asks
        // for each of its rows three times.
        square_ = rx == 0 && ry <= 0;
        if (square_) {
            squareX0_ = CeilOf(left);
            squareX1_ = FloorOf(right);
        }
    }

    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    double rx = 0;
    double ry = 0;

    // The pixels of row y inside the figure, [x0, x1]; false when there are none.
    bool Row(std::int64_t y, std::int64_t& x0, std::int64_t& x1) const {
        const auto yc = static_cast<double>(y);
        if (yc < top || yc > bottom || left > right) return false;
        if (square_) {
            x0 = squareX0_;
            x1 = squareX1_;
            return x0 <= x1;
        }
        double dx = rx;
        if (ry > 0) {
            double dy = 0;
            if (yc < top + ry)
                dy = top + ry - yc;
            else if (yc > bottom - ry)
                dy = yc - (bottom - ry);
            if (dy > 0) {
                double q = dy / ry;
                dx = q >= 1 ? 0.0 : rx * std::sqrt(1 - q * q);
            }
        }
        // Box coordinates come from ints, so both ends lie well inside the int64 range.
        x0 = CeilOf(left + rx - dx);
        x1 = FloorOf(right - rx + dx);
        return x0 <= x1;
    }

    RoundedBox Inset(double by) const {
        return {left + by, top + by, right - by, bottom - by, std::max(rx - by, 0.0), std::max(ry - by, 0.0)};
    }
    double CentreX() const { return (left + right) / 2; }
    double CentreY() const { return (top + bottom) / 2; }

  private:
    bool square_ = false;
    std::int64_t squareX0_ = 0;
    std::int64_t squareX1_ = 0;
};

// Positions along a rounded box's outline, counted counter-clockwise as seen from its right middle in
// pixel steps, as a styled pen steps along any line: one step a row where the outline runs steeper
// than 45 degrees, one a column where it runs flatter. Worked out per point, so a figure needs no
// table and no trigonometry.
class OutlineWalk {
  public:
    explicit OutlineWalk(const RoundedBox& box)
        : box_(box), cx_(box.CentreX()), cy_(box.CentreY()), rx_(box.rx), ry_(box.ry) {
        // Where the corner's quarter ellipse turns from steep to flat: its slope is 1 there.
        const double diagonal = std::sqrt(rx_ * rx_ + ry_ * ry_);
        flatRun_ = diagonal > 0 ? rx_ * rx_ / diagonal : 0.0;
        steepRun_ = diagonal > 0 ? ry_ * ry_ / diagonal : 0.0;
        quarter_ = flatRun_ + steepRun_;
        side_ = std::max(cy_ - (box.top + ry_), 0.0);
        across_ = std::max(box.right - rx_ - (box.left + rx_), 0.0);
        total_ = 4 * side_ + 2 * across_ + 4 * quarter_;
    }

    double Total() const { return total_; }

    // The position of a pixel on (or, for a wide pen, near) the outline.
    double At(double x, double y) const {
        const double rightCorner = box_.right - rx_;
        const double leftCorner = box_.left + rx_;
        const double topCorner = box_.top + ry_;
        const double bottomCorner = box_.bottom - ry_;
        const bool upper = y < cy_;
        if (y >= topCorner && y <= bottomCorner) { // the straight sides
            if (x >= cx_) return y <= cy_ ? cy_ - y : total_ - (y - cy_);
            return side_ + 2 * quarter_ + across_ + (y - topCorner);
        }
        const double topStart = side_ + quarter_;
        const double bottomStart = side_ + 3 * quarter_ + across_ + 2 * side_;
        if (x <= rightCorner && x >= leftCorner) // the straight top and bottom
            return upper ? topStart + (rightCorner - x) : bottomStart + (x - leftCorner);
        // The corners, each walked from its steep end or its flat end.
        const double u = x >= cx_ ? x - rightCorner : leftCorner - x;
        const double v = upper ? topCorner - y : y - bottomCorner;
        if (upper && x >= cx_) return side_ + FromSteepEnd(u, v);
        if (upper) return topStart + across_ + quarter_ - FromSteepEnd(u, v);
        if (x < cx_) return side_ + 2 * quarter_ + across_ + 2 * side_ + FromSteepEnd(u, v);
        return bottomStart + across_ + quarter_ - FromSteepEnd(u, v);
    }

    // The position where the ray from the centre along (dx, dy) meets the outline of an ellipse (a box
    // whose corners meet).
    double AtDirection(double dx, double dy) const {
        if (dx == 0 && dy == 0) dx = 1; // the centre itself counts as lying to the right
        const double a = std::max(rx_, 1e-9);
        const double b = std::max(ry_, 1e-9);
        const double k = 1 / std::sqrt(dx * dx / (a * a) + dy * dy / (b * b));
        return At(cx_ + k * dx, cy_ + k * dy);
    }

  private:
    // Steps into a corner from the end where it meets the vertical side: rows first, then columns.
    double FromSteepEnd(double u, double v) const {
        if (v <= steepRun_) return std::max(v, 0.0);
        return steepRun_ + std::clamp(flatRun_ - u, 0.0, flatRun_);
    }

    RoundedBox box_;
    double cx_;
    double cy_;
    double rx_;
    double ry_;
    double flatRun_ = 0;  // columns of a corner's flat part
    double steepRun_ = 0; // rows of a corner's steep part
    double quarter_ = 0;
    double side_ = 0;   // half a vertical side's straight part
    double across_ = 0; // a horizontal side's straight part
    double total_ = 0;
};

// The directions an arc covers: from the ray through start counter-clockwise (as seen) to the ray
// through end; the same ray twice means the whole ellipse. Directions are offsets from the centre,
// doubled so they stay whole, with y upwards; they are compared by the signs of cross products, which
// is exact for any coordinates in an integer of twice their width, and in 64 bits for the coordinates
// of nearly every figure.
template <typename Integer> class ArcDirections {
  public:
    ArcDirections() = default;
    ArcDirections(Rect box, Point start, Point end)
        : cx2_(Integer{box.left} + box.right), cy2_(Integer{box.top} + box.bottom), whole_(false) {
        Offset(start, sx_, sy_);
        Offset(end, ex_, ey_);
        whole_ = sx_ * ey_ - sy_ * ex_ == 0 && sx_ * ex_ + sy_ * ey_ > 0;
        // A ray from the centre through the centre itself points along +x.
        if (sx_ == 0 && sy_ == 0) sx_ = 1;
        if (ex_ == 0 && ey_ == 0) ex_ = 1;
        endHalf_ = Half(ex_, ey_);
    }

    bool Whole() const { return whole_; }
    bool Contains(int x, int y) const {
        Integer px = 0;
        Integer py = 0;
        Offset({x, y}, px, py);
        if (px == 0 && py == 0) px = 1;
        // p lies inside when it comes before the end going round from the start: in an earlier half
        // turn, or in the same half turn with the end still counter-clockwise of it.
        const int half = Half(px, py);
        if (half != endHalf_) return half < endHalf_;
        return px * ey_ - py * ex_ > 0;
    }

    // Whether the pixels of row y from x0 to x1 lie each on the same side of the start's ray as the
    // others, and of the end's: each test is linear along the row, so it keeps its sign between two ends
    // where it is not zero, and Contains answers them all alike.
    bool Alike(int x0, int x1, int y) const {
        Integer ax = 0, ay = 0, bx = 0, by = 0;
        Offset({x0, y}, ax, ay);
        Offset({x1, y}, bx, by);
        auto sameSign = [](Integer a, Integer b) { return (a > 0 && b > 0) || (a < 0 && b < 0); };
        return sameSign(sx_ * ay - sy_ * ax, sx_ * by - sy_ * bx) &&
               sameSign(ax * ey_ - ay * ex_, bx * ey_ - by * ex_);
    }

    // The start's direction, y downwards as on the device.
    double StartX() const { return static_cast<double>(sx_); }
    double StartY() const { return -static_cast<double>(sy_); }

  private:
    void Offset(Point p, Integer& dx, Integer& dy) const {
        dx = 2 * Integer{p.x} - cx2_;
        dy = cy2_ - 2 * Integer{p.y};
    }
    // 0 for directions from the start's (included) to the opposite one (excluded), 1 for the rest.
    int Half(Integer dx, Integer dy) const {
        const Integer cross = sx_ * dy - sy_ * dx;
        return cross > 0 || (cross == 0 && sx_ * dx + sy_ * dy > 0) ? 0 : 1;
    }

    Integer cx2_ = 0;
    Integer cy2_ = 0;
    Integer sx_ = 1;
    Integer sy_ = 0;
    Integer ex_ = 1;
    Integer ey_ = 0;
    int endHalf_ = 0;
    bool whole_ = true;
};

class ArcRange {
  public:
    ArcRange() = default;
    // `pixels` bounds the points asked about.
    ArcRange(Rect box, Point start, Point end, Size pixels) : wide_(box, start, end), whole_(wide_.Whole()) {
        // Offsets of coordinates within 2^28 are within 2^30, and sums of two of their products within
        // 2^61.
        constexpr int kNear = 1 << 28;
        auto near = [](int v) { return v >= -kNear && v <= kNear; };
        narrow_ = near(box.left) && near(box.right) && near(box.top) && near(box.bottom) && near(start.x) &&
                  near(start.y) && near(end.x) && near(end.y) && near(pixels.cx) && near(pixels.cy);
        if (narrow_) near_ = ArcDirections<std::int64_t>(box, start, end);
    }

    bool Contains(int x, int y) const {
        if (whole_) return true;
        return narrow_ ? near_.Contains(x, y) : wide_.Contains(x, y);
    }
    // Whether Contains answers alike for the pixels of row y from x0 to x1.
    bool Alike(int x0, int x1, int y) const {
        if (whole_) return true;
        return narrow_ ? near_.Alike(x0, x1, y) : wide_.Alike(x0, x1, y);
    }
    double StartX() const { return wide_.StartX(); }
    double StartY() const { return wide_.StartY(); }

  private:
    ArcDirections<Wide> wide_;
    ArcDirections<std::int64_t> near_;
    bool whole_ = true;
    bool narrow_ = false;
};

// The distance along a rectangle's outline of width w, clockwise as seen from its top-left corner.
std::int64_t RectangleWalk(const Rect& box, int w, int x, int y) {
    const std::int64_t across = std::int64_t{box.right} - 1 - box.left;
    const std::int64_t down = std::int64_t{box.bottom} - 1 - box.top;
    if (y < std::int64_t{box.top} + w) return std::int64_t{x} - box.left;
    if (y >= std::int64_t{box.bottom} - w) return across + down + (std::int64_t{box.right} - 1 - x);
    if (x >= std::int64_t{box.right} - w) return across + (std::int64_t{y} - box.top);
    return 2 * across + down + (std::int64_t{box.bottom} - 1 - y);
}

// A rectangle without a pen pattern, the rooms and furniture of every plan: its rows are of three
// kinds (the border's top and bottom rows, and rows of border, inside and border), worked out once.
// `border` is the pen's width in pixels, 0 without a pen. The pixels are those the general figure
// below gives a box without rounded corners.
void PaintPlainRectangle(PixelBuffer& buffer, Rect box, int border, const PixelOp& ink,
                         const BrushPaint& brush) {
    const int width = buffer.Width();
    const int height = buffer.Height();
    // Columns left to right and rows top to bottom, all inclusive; wide, as a box may reach the int
    // range's ends.
    const std::int64_t left = box.left;
    const std::int64_t right = std::int64_t{box.right} - 1;
    const std::int64_t top = box.top;
    const std::int64_t bottom = std::int64_t{box.bottom} - 1;
    const std::int64_t insideLeft = left + border;
    const std::int64_t insideRight = right - border;
    const std::int64_t insideTop = top + border;
    const std::int64_t insideBottom = bottom - border;
    auto column = [width](std::int64_t x) { return static_cast<int>(std::clamp<std::int64_t>(x, 0, width)); };
    const int rowX0 = column(left);
    const int rowX1 = column(right + 1);
    const bool hasInside = insideLeft <= insideRight;
    const int fillX0 = column(insideLeft);
    const int fillX1 = column(insideRight + 1);
    const int yFirst = static_cast<int>(std::max<std::int64_t>(top, 0));
    const int yLast = static_cast<int>(std::min<std::int64_t>(bottom, height - 1));
    for (int y = yFirst; y <= yLast; ++y) {
        std::uint32_t* row = buffer.Row(y);
        if (hasInside && y >= insideTop && y <= insideBottom) {
            brush.PaintRun(row, y, fillX0, fillX1);
            if (border == 1) {
                // A pixel each side, where a run's loop would cost more than the pixel.
                if (rowX0 < fillX0) ink.Apply(row[rowX0]);
                if (fillX1 < rowX1) ink.Apply(row[fillX1]);
            } else if (border > 0) {
                ink.ApplyRun(row, rowX0, fillX0);
                ink.ApplyRun(row, fillX1, rowX1);
            }
        } else if (border > 0) {
            ink.ApplyRun(row, rowX0, rowX1);
        }
    }
}

// The box of four corners that go round an upright rectangle of some width and height, either way
// round; nothing for any other polygon. Window and door frames are mostly such boxes.
std::optional<Rect> UprightBox(std::span<const Point> points) {
    if (points.size() != 4) return std::nullopt;
    const Point& a = points[0];
    const Point& b = points[1];
    const Point& c = points[2];
    const Point& d = points[3];
    const bool acrossFirst = a.y == b.y && b.x == c.x && c.y == d.y && d.x == a.x;
    const bool downFirst = a.x == b.x && b.y == c.y && c.x == d.x && d.y == a.y;
    if (!(acrossFirst || downFirst) || a.x == c.x || a.y == c.y) return std::nullopt;
    // The border reaches one past the greatest corner, which must stay an int.
    constexpr int kLast = std::numeric_limits<int>::max();
    if (a.x == kLast || a.y == kLast || c.x == kLast || c.y == kLast) return std::nullopt;
    return Rect{std::min(a.x, c.x), std::min(a.y, c.y), std::max(a.x, c.x), std::max(a.y, c.y)};
}

// Whether a line lies wholly beyond one edge of the image, `reach` pixels (its pen's half width and a
// margin) included, where it paints nothing.
[[gnu::always_inline]] inline bool LineBeyondImage(Point a, Point b, std::int64_t reach, Size image) {
    auto beyond = [reach](std::int64_t p, std::int64_t q, int size) {
        return (p < -reach && q < -reach) || (p >= size + reach && q >= size + reach);
    };
    return beyond(a.x, b.x, image.cx) || beyond(a.y, b.y, image.cy);
}

// Whether a box figure's box is empty or wholly outside the image, where it paints nothing.
bool BeyondImage(const Rect& box, Size image) {
    const Rect normal = box.Normalized();
    return normal.IsEmpty() || normal.right <= 0 || normal.bottom <= 0 || normal.left >= image.cx ||
           normal.top >= image.cy;
}

// --- Texts --------------------------------------------------------------------------------------------

// Whether a text's reference point lies further outside the image than the text can reach, so it need
// not be measured or rendered at all: the ink lies within the renderer's reach of the baseline's start,
// which an alignment moves by at most the advance (within the reach) and a cell.
bool TextBeyondReach(TextRenderer& renderer, Point reference, std::string_view text, const DeviceFont& font,
                     Size image) {
    // A reference point on the image, as nearly every one of a paint is, needs no measuring.
    if (reference.x >= 0 && reference.y >= 0 && reference.x < image.cx && reference.y < image.cy)
        return false;
    const std::int64_t cell = std::max(font.cellHeight, 1);
    const std::int64_t reach = 2 * static_cast<std::int64_t>(renderer.Reach(font, text)) + 2 * cell;
    return reference.x + reach < 0 || reference.y + reach < 0 || reference.x - reach >= image.cx ||
           reference.y - reach >= image.cy;
}

// A text's measures, ink and directions, with the start of its baseline still to be placed.
TextPlacement MeasureTextInk(TextRenderer& renderer, std::string_view text, const DeviceFont& font) {
    TextPlacement place;
    place.metrics = renderer.Metrics(font);
    place.ink = &renderer.Ink(font, text);
    ClearWideVectorState();
    // Nearly every text is upright, where the cosine and sine are exactly 1 and 0.
    if (font.angleTenths != 0) {
        const double angle = font.angleTenths * kPi / 1800.0;
        place.alongX = std::cos(angle);
        place.alongY = -std::sin(angle);
        place.downX = std::sin(angle);
        place.downY = std::cos(angle);
    }
    return place;
}

TextPlacement PlaceText(TextRenderer& renderer, Point reference, unsigned align, std::string_view text,
                        const DeviceFont& font) {
    TextPlacement place = MeasureTextInk(renderer, text, font);
    double along = 0;
    if ((align & TextAlign::HorizontalMask) == TextAlign::Center)
        along = place.ink->advance / 2.0;
    else if ((align & TextAlign::HorizontalMask) == TextAlign::Right)
        along = place.ink->advance;
    double down = place.metrics.ascent;
    if ((align & TextAlign::VerticalMask) == TextAlign::Baseline)
        down = 0;
    else if ((align & TextAlign::VerticalMask) == TextAlign::Bottom)
        down = -place.metrics.descent;
    place.originX = std::floor(reference.x - place.alongX * along + place.downX * down + 0.5);
    place.originY = std::floor(reference.y - place.alongY * along + place.downY * down + 0.5);
    return place;
}

// The pixels [x0, x1) x [y0, y1) of an upright text's character cell within the image; false when none.
bool UprightCell(const TextPlacement& place, Size image, int& x0, int& y0, int& x1, int& y1) {
    return PixelRun(place.originX, place.originX + place.ink->advance, image.cx, x0, x1) &&
           PixelRun(place.originY - place.metrics.ascent, place.originY + place.metrics.descent, image.cy, y0,
                    y1);
}

// The corners of a text's character cell along the whole text.
std::array<PointF, 4> CellCorners(const TextPlacement& place) {
    const double advance = place.ink->advance;
    const double ascent = place.metrics.ascent;
    const double descent = place.metrics.descent;
    std::array<PointF, 4> corners;
    std::size_t i = 0;
    for (auto [s, t] : {std::pair{0.0, -ascent}, std::pair{advance, -ascent}, std::pair{advance, descent},
                        std::pair{0.0, descent}})
        corners[i++] = {place.originX + place.alongX * s + place.downX * t,
                        place.originY + place.alongY * s + place.downY * t};
    return corners;
}

} // namespace

RasterSurface::RasterSurface(PixelBuffer& target, TextRenderer& text) : buffer_(&target), text_(&text) {}

RasterSurface::~RasterSurface() {
    // A paint cut short leaves its primitives unpainted, and the lists free for the next.
    if (pool_) pool_->inUse = false;
}

Size RasterSurface::PixelSize() const {
    return buffer_->PixelSize();
}

void RasterSurface::DrawLine(Point from, Point to, const DrawAttributes& attributes) {
    if (attributes.penStyle == PenStyle::Null) return;
    const int width = buffer_->Width();
    const int height = buffer_->Height();
    auto within = [](int v, int size) { return static_cast<unsigned>(v) < static_cast<unsigned>(size); };
    if (!(within(from.x, width) && within(from.y, height) && within(to.x, width) && within(to.y, height))) {
        // The lines of a large drawing mostly lie off the view, and cost only this test.
        if (LineBeyondImage(from, to, std::int64_t{attributes.penWidth} / 2 + 2, buffer_->PixelSize()))
            return;
    }
    if (holding_) {
        Hold(Held::Kind::Line, attributes).box = {from.x, from.y, to.x, to.y};
        return;
    }
    // The surface's kept pen: a styled wide line below asks for it again with the same attributes,
    // which leaves it as it is. Lines come by the thousand with one device context's attributes.
    const PenPaint& pen = MakePenPaint(attributes);
    if (pen.width <= 1) {
        if (!pen.pattern) {
            PaintThinLine(*buffer_, from, to, pen.ink);
            return;
        }
        TraceLine(from, to, width, height,
                  [&](int x, int y, std::int64_t i) { pen.Paint(buffer_->Row(y)[x], pen.On(i)); });
        return;
    }
    if (!pen.pattern) {
        // One convex band: every pixel once, straight to the buffer.
        CapsuleSpans(from.x, from.y, to.x, to.y, pen.width / 2.0, width, height,
                     [&](int y, int x0, int x1) { pen.ink.ApplyRun(buffer_->Row(y), x0, x1); });
        return;
    }
    CollectOutline({from, to}, false, attributes);
    PaintSpans(*buffer_, pen_, pen.ink);
    if (pen.paintGaps) PaintSpans(*buffer_, gap_, pen.gap);
}

void RasterSurface::DrawLines(std::span<const DeviceLine> lines, const DrawAttributes& attributes) {
    if (attributes.penStyle == PenStyle::Null || lines.empty()) return;
    if (holding_) {
        // Lines that cannot reach the image paint nothing, and are not kept; the box of those kept is.
        const std::int64_t reach = std::int64_t{attributes.penWidth} / 2 + 2;
        const Size image = buffer_->PixelSize();
        const std::size_t first = pool_->lines.size();
        Rect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
        for (const DeviceLine& line : lines) {
            if (LineBeyondImage(line.from, line.to, reach, image)) continue;
            pool_->lines.push_back(line);
            box = {std::min({box.left, line.from.x, line.to.x}), std::min({box.top, line.from.y, line.to.y}),
                   std::max({box.right, line.from.x, line.to.x}),
                   std::max({box.bottom, line.from.y, line.to.y})};
        }
        if (pool_->lines.size() == first) return;
        Held& held = Hold(Held::Kind::Lines, attributes);
        held.first = static_cast<std::uint32_t>(first);
        held.count = static_cast<std::uint32_t>(pool_->lines.size() - first);
        held.box = box;
        return;
    }
    const PenPaint& pen = MakePenPaint(attributes);
    if (pen.width > 1 || pen.pattern) {
        for (const DeviceLine& line : lines)
            DrawLine(line.from, line.to, attributes);
        return;
    }
    // A thin solid pen, the hatch's: each line straight into the pixels, those that cannot reach the
    // image and those of no length (no pixel, the end being left out) passed over at once.
    const int width = buffer_->Width();
    const int height = buffer_->Height();
    const PixelOp ink = pen.ink;
    auto within = [](int v, int size) { return static_cast<unsigned>(v) < static_cast<unsigned>(size); };
    for (const DeviceLine& line : lines) {
        if (line.from == line.to) continue;
        // A line one step long has one pixel, its start, painted when it lies in the image: the strokes
        // of a hatch seen from afar are nearly all so.
        const std::int64_t dx = std::int64_t{line.to.x} - line.from.x;
        const std::int64_t dy = std::int64_t{line.to.y} - line.from.y;
        if (dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1) {
            if (within(line.from.x, width) && within(line.from.y, height))
                ink.Apply(buffer_->Row(line.from.y)[line.from.x]);
            continue;
        }
        if (LineBeyondImage(line.from, line.to, 2, {width, height})) continue;
        PaintThinLine(*buffer_, line.from, line.to, ink);
    }
}

// Collects the pen's pixels along the points into pen_ and, for a styled pen in opaque mode, the gaps
// into gap_; both end normalised and disjoint, so every pixel is painted once.
void RasterSurface::CollectOutline(const std::vector<Point>& points, bool closed,
                                   const DrawAttributes& attributes) {
    pen_.clear();
    gap_.clear();
    if (attributes.penStyle == PenStyle::Null || points.size() < 2) return;
    const PenPaint pen = MakePenPaint(attributes);
    const int width = buffer_->Width();
    const int height = buffer_->Height();
    const std::size_t segments = closed ? points.size() : points.size() - 1;
    if (pen.width <= 1) {
        // A pixel beside the last one of its row joins that run: a level edge makes one run, not one a
        // pixel, and the runs to sort are fewer; the pixels are the same.
        auto add = [](Spans& spans, int x, int y) {
            if (!spans.empty()) {
                Span& last = spans.back();
                if (last.y == y && last.x1 == x) {
                    last.x1 = x + 1;
                    return;
                }
                if (last.y == y && last.x0 == x + 1) {
                    last.x0 = x;
                    return;
                }
            }
            spans.push_back({y, x, x + 1});
        };
        std::int64_t phase = 0;
        for (std::size_t i = 0; i < segments; ++i) {
            phase += TraceLine(points[i], points[(i + 1) % points.size()], width, height,
                               [&](int x, int y, std::int64_t step) {
                                   if (pen.On(phase + step))
                                       add(pen_, x, y);
                                   else if (pen.paintGaps)
                                       add(gap_, x, y);
                               });
        }
    } else {
        double phase = 0;
        for (std::size_t i = 0; i < segments; ++i)
            phase += AddWideSegment(points[i], points[(i + 1) % points.size()], phase, pen, width, height,
                                    pen_, pen.paintGaps ? &gap_ : nullptr);
    }
    Normalise(pen_);
    if (pen.paintGaps) {
        Normalise(gap_);
        Subtract(gap_, pen_, merged_);
        gap_.swap(merged_);
    }
}

void RasterSurface::DrawPolygon(const std::vector<Point>& points, const DrawAttributes& attributes) {
    if (points.size() < 2) return;
    // A polygon wholly outside the image, its pen included, paints nothing: most of a large drawing
    // lies off the view, and its polygons cost only this test.
    const auto [minX, maxX] = std::minmax_element(points.begin(), points.end(),
                                                  [](const Point& a, const Point& b) { return a.x < b.x; });
    const auto [minY, maxY] = std::minmax_element(points.begin(), points.end(),
                                                  [](const Point& a, const Point& b) { return a.y < b.y; });
    const Rect around{minX->x, minY->y, maxX->x, maxY->y}; // the corners' box, both ends included
    if (holdDepth_ > 0 && attributes.brush.style == BrushStyle::Solid) CountFill(around);
    const std::int64_t reach = std::int64_t{attributes.penWidth} + 2;
    if (std::int64_t{around.right} + reach < 0 || std::int64_t{around.bottom} + reach < 0 ||
        std::int64_t{around.left} - reach >= buffer_->Width() ||
        std::int64_t{around.top} - reach >= buffer_->Height())
        return;
    if (holding_) {
        Held& held = Hold(Held::Kind::Polygon, attributes);
        held.first = static_cast<std::uint32_t>(pool_->points.size());
        held.count = static_cast<std::uint32_t>(points.size());
        held.box = around;
        pool_->points.insert(pool_->points.end(), points.begin(), points.end());
        return;
    }
    const PenPaint pen = MakePenPaint(attributes);
    const BrushPaint brush = MakeBrushPaint(attributes);
    if (const std::optional<Rect> box = UprightBox(points);
        box && !pen.pattern && (pen.width <= 1 || attributes.penStyle == PenStyle::Null)) {
        // The border of an upright box traced edge by edge, each without its end pixel, rings the
        // columns and rows from its least to its greatest corner, both included; the inside's pixel
        // centres lie within the corners, left and top included: the box one pixel larger, as a
        // rectangle paints it. Without a pen the inside alone, the box as given.
        if (attributes.penStyle == PenStyle::Null)
            PaintPlainRectangle(*buffer_, *box, 0, pen.ink, brush);
        else
            PaintPlainRectangle(*buffer_, {box->left, box->top, box->right + 1, box->bottom + 1}, 1, pen.ink,
                                brush);
        return;
    }
    fill_.clear();
    if (!brush.none) {
        PolygonFillSpans(std::span<const Point>(points), buffer_->Width(), buffer_->Height(), fill_);
    }
    // An operation that copies its colour gives a pixel painted twice what it gives it painted once.
    // Where the pen and the brush both copy, as in every view's paint, the inside is painted as it
    // comes and the border over it segment by segment: the pixels are those of the inside without the
    // border and the border painted once each, without sorting the parts into them.
    const bool copies =
        !pen.pattern && pen.ink.keep == 0 &&
        (brush.none ||
         (brush.ink.keep == 0 && (!brush.hatched || !brush.paintBackground || brush.background.keep == 0)));
    if (copies) {
        for (const Span& s : fill_)
            brush.PaintRun(buffer_->Row(s.y), s.y, s.x0, s.x1);
        if (attributes.penStyle == PenStyle::Null) return;
        const int width = buffer_->Width();
        const int height = buffer_->Height();
        for (std::size_t i = 0; i < points.size(); ++i) {
            const Point a = points[i];
            const Point b = points[(i + 1) % points.size()];
            if (pen.width <= 1)
                PaintThinLine(*buffer_, a, b, pen.ink);
            else if (a != b) // a wide segment of no length draws nothing
                CapsuleSpans(a.x, a.y, b.x, b.y, pen.width / 2.0, width, height,
                             [&](int y, int x0, int x1) { pen.ink.ApplyRun(buffer_->Row(y), x0, x1); });
        }
        return;
    }
    Normalise(fill_);
    CollectOutline(points, true, attributes);
    // The border is painted over the inside, so the inside leaves out the border's pixels; gaps of a
    // transparent styled pen show the fill.
    if (!fill_.empty() && !pen_.empty()) {
        Subtract(fill_, pen_, merged_);
        fill_.swap(merged_);
    }
    if (!fill_.empty() && !gap_.empty()) {
        Subtract(fill_, gap_, merged_);
        fill_.swap(merged_);
    }
    for (const Span& s : fill_)
        brush.PaintRun(buffer_->Row(s.y), s.y, s.x0, s.x1);
    PaintSpans(*buffer_, gap_, pen.gap);
    PaintSpans(*buffer_, pen_, pen.ink);
}

void RasterSurface::DrawRectangle(Rect box, const DrawAttributes& attributes) {
    if (holdDepth_ > 0 && attributes.brush.style == BrushStyle::Solid) CountFill(box);
    if (holding_ && !BeyondImage(box, buffer_->PixelSize())) {
        Hold(Held::Kind::Rectangle, attributes).box = box;
        return;
    }
    PaintBoxFigure(box, 0, 0, Figure::Rectangle, {}, {}, attributes);
}

void RasterSurface::DrawRoundRect(Rect box, Size corner, const DrawAttributes& attributes) {
    if (holding_ && !BeyondImage(box, buffer_->PixelSize())) {
        Held& held = Hold(Held::Kind::RoundRect, attributes);
        held.box = box;
        held.a = {corner.cx, corner.cy};
        return;
    }
    PaintBoxFigure(box, std::abs(corner.cx), std::abs(corner.cy), Figure::Rounded, {}, {}, attributes);
}

void RasterSurface::DrawEllipse(Rect box, const DrawAttributes& attributes) {
    if (holding_ && !BeyondImage(box, buffer_->PixelSize())) {
        Hold(Held::Kind::Ellipse, attributes).box = box;
        return;
    }
    box = box.Normalized();
    PaintBoxFigure(box, static_cast<double>(box.right) - box.left, static_cast<double>(box.bottom) - box.top,
                   Figure::Rounded, {}, {}, attributes);
}

void RasterSurface::DrawArc(Rect box, Point start, Point end, const DrawAttributes& attributes) {
    if (holding_ && !BeyondImage(box, buffer_->PixelSize())) {
        Held& held = Hold(Held::Kind::Arc, attributes);
        held.box = box;
        held.a = start;
        held.b = end;
        return;
    }
    box = box.Normalized();
    PaintBoxFigure(box, static_cast<double>(box.right) - box.left, static_cast<double>(box.bottom) - box.top,
                   Figure::Arc, start, end, attributes);
}

// Paints a rectangle, rounded rectangle, ellipse or elliptic arc row by row: each row splits into the
// outline's pixels and the inside's, so every pixel is painted once. A thin outline is the figure's
// pixels with a neighbour outside it; a wider one the figure without the figure shrunk by the width.
void RasterSurface::PaintBoxFigure(Rect box, double cornerWidth, double cornerHeight, Figure figure,
                                   Point start, Point end, const DrawAttributes& attributes) {
    if (BeyondImage(box, buffer_->PixelSize())) return;
    box = box.Normalized();
    const int width = buffer_->Width();
    const int height = buffer_->Height();
    const bool hasPen = attributes.penStyle != PenStyle::Null;
    const PenPaint pen = MakePenPaint(attributes);
    BrushPaint brush = MakeBrushPaint(attributes);
    if (figure == Figure::Arc) {
        if (!hasPen) return;
        brush.none = true;
    }
    if (figure == Figure::Rectangle && !pen.pattern) {
        PaintPlainRectangle(*buffer_, box, hasPen ? pen.width : 0, pen.ink, brush);
        return;
    }
    const double boxWidth = static_cast<double>(box.right) - box.left;
    const double boxHeight = static_cast<double>(box.bottom) - box.top;
    const RoundedBox outer{box.left - 0.5,
                           box.top - 0.5,
                           box.right - 0.5,
                           box.bottom - 0.5,
                           std::min(cornerWidth, boxWidth) / 2,
                           std::min(cornerHeight, boxHeight) / 2};
    const bool thin = pen.width <= 1;
    const RoundedBox inner = outer.Inset(pen.width);
    const bool perPixel = figure == Figure::Arc || pen.pattern;
    const ArcRange range =
        figure == Figure::Arc ? ArcRange(box, start, end, buffer_->PixelSize()) : ArcRange();
    std::optional<OutlineWalk> walk;
    double startPosition = 0;
    if (pen.pattern && figure != Figure::Rectangle) {
        walk.emplace(outer);
        if (figure == Figure::Arc) startPosition = walk->AtDirection(range.StartX(), range.StartY());
    }

    // Inlined: it runs twice a row, and a call would cost more than the few pixels most rows have.
    auto paintOutline = [&](std::uint32_t * row, int y, std::int64_t from,
                            std::int64_t to) __attribute__((always_inline)) { // [from, to]
        const int x0 = static_cast<int>(std::max<std::int64_t>(from, 0));
        const int x1 = static_cast<int>(std::min<std::int64_t>(to + 1, width));
        if (x0 >= x1) return;
        if (!perPixel) {
            pen.ink.ApplyRun(row, x0, x1);
            return;
        }
        // A solid arc's run on one side of both rays is covered or not as a whole.
        if (!pen.pattern && range.Alike(x0, x1 - 1, y)) {
            if (range.Contains(x0, y)) pen.ink.ApplyRun(row, x0, x1);
            return;
        }
        for (int x = x0; x < x1; ++x) {
            if (!range.Contains(x, y)) continue;
            bool on = true;
            if (figure == Figure::Rectangle)
                on = pen.On(RectangleWalk(box, pen.width, x, y));
            else if (walk) {
                // The start is where the ray meets the curve, between pixels: the pixel nearest it
                // starts the pattern; one further back lies past the walk's origin.
                double along = walk->At(x, y) - startPosition;
                if (along < 0) along = along > -0.5 ? 0 : along + walk->Total();
                on = pen.On(along);
            }
            pen.Paint(row[x], on);
        }
    };

    const int yFirst = std::max(box.top, 0);
    const int yLast = static_cast<int>(std::min<std::int64_t>(std::int64_t{box.bottom} - 1, height - 1));
    // A thin outline asks for the rows above and below each row: each row is worked out once, as the
    // rows move down past it.
    struct FigureRow {
        bool any = false;
        std::int64_t x0 = 0;
        std::int64_t x1 = 0;
    };
    auto rowAt = [&outer](std::int64_t y) {
        FigureRow row;
        row.any = outer.Row(y, row.x0, row.x1);
        return row;
    };
    const bool neighbours = hasPen && thin;
    // Row y's outline [x0, x1] and inside [inside0, inside1] (empty when inside0 > inside1) painted.
    auto paintRow = [&](int y, std::int64_t x0, std::int64_t x1, std::int64_t inside0, std::int64_t inside1) {
        std::uint32_t* row = buffer_->Row(y);
        if (inside0 <= inside1) {
            brush.PaintRun(row, y, static_cast<int>(std::max<std::int64_t>(inside0, 0)),
                           static_cast<int>(std::min<std::int64_t>(inside1 + 1, width)));
            if (hasPen) {
                paintOutline(row, y, x0, inside0 - 1);
                paintOutline(row, y, inside1 + 1, x1);
            }
        } else if (hasPen) {
            paintOutline(row, y, x0, x1);
        }
    };
    // Rows y and mirrorSum - y lie as far from the figure's middle, and every sum that gives their pixels
    // is exact (its terms are whole numbers and halves), so the two hold the same pixels, and a thin
    // outline's rows above and below the one change places. The rows [from, to] are worked out and
    // painted, and with `mirrored` their mirrors below `to` as well: the square roots and divisions of
    // a figure are halved. The pixels of one figure are painted once each, so the order of its rows does
    // not matter.
    const std::int64_t mirrorSum = std::int64_t{box.top} + box.bottom - 1;
    auto paintRows = [&](std::int64_t from, std::int64_t to, bool mirrored) {
        if (from > to) return;
        FigureRow above;
        FigureRow here = rowAt(from);
        if (neighbours) above = rowAt(from - 1);
        for (auto y = static_cast<int>(from); y <= to; ++y) {
            FigureRow below;
            if (neighbours)
                below = rowAt(std::int64_t{y} + 1);
            else if (y > from)
                here = rowAt(y);
            const FigureRow previous = above;
            const FigureRow current = here;
            if (neighbours) {
                above = here;
                here = below;
            }
            if (!current.any) continue;
            const std::int64_t x0 = current.x0;
            const std::int64_t x1 = current.x1;
            std::int64_t inside0 = x0;
            std::int64_t inside1 = x1;
            if (hasPen) {
                if (thin) {
                    if (previous.any && below.any) {
                        inside0 = std::max({x0 + 1, previous.x0, below.x0});
                        inside1 = std::min({x1 - 1, previous.x1, below.x1});
                    } else {
                        inside0 = 1;
                        inside1 = 0;
                    }
                } else if (!inner.Row(y, inside0, inside1)) {
                    inside0 = 1;
                    inside1 = 0;
                }
            }
            paintRow(y, x0, x1, inside0, inside1);
            const std::int64_t mirror = mirrorSum - y;
            if (mirrored && mirror > y && mirror <= yLast)
                paintRow(static_cast<int>(mirror), x0, x1, inside0, inside1);
        }
    };
    // The rows above the middle with their mirrors; then the middle row, and the rows whose mirrors lie
    // above the image.
    const std::int64_t upperEnd = std::min<std::int64_t>(yLast, (mirrorSum - 1) >> 1);
    if (upperEnd >= yFirst) {
        paintRows(yFirst, upperEnd, true);
        paintRows(upperEnd + 1, std::min<std::int64_t>(yLast, mirrorSum - upperEnd - 1), false);
        paintRows(std::max(upperEnd + 1, mirrorSum - yFirst + 1), yLast, false);
    } else {
        paintRows(yFirst, yLast, false);
    }
}

void RasterSurface::DrawText(Point reference, unsigned align, std::string_view text, const DeviceFont& font,
                             const DrawAttributes& attributes) {
    if (text.empty() || TextBeyondReach(*text_, reference, text, font, buffer_->PixelSize())) return;
    if (holding_) {
        Held& held = Hold(Held::Kind::Text, attributes);
        if (pool_->fonts.empty() || !(pool_->fonts.back() == font)) pool_->fonts.push_back(font);
        held.first = static_cast<std::uint32_t>(pool_->text.size());
        held.count = static_cast<std::uint32_t>(text.size());
        pool_->text.append(text);
        held.box.left = static_cast<int>(pool_->fonts.size() - 1);
        held.box.top = static_cast<int>(align);
        held.a = reference;
        return;
    }
    PaintText(PlaceText(*text_, reference, align, text, font), font.angleTenths == 0, attributes);
}

void RasterSurface::PaintText(const TextPlacement& place, bool upright, const DrawAttributes& attributes) {
    const TextInk& ink = *place.ink;
    const double originX = place.originX;
    const double originY = place.originY;
    const int width = buffer_->Width();
    const int height = buffer_->Height();

    if (attributes.backgroundMode == BackgroundMode::Opaque && upright) {
        // Upright, the character cell is a box on whole pixels: the rows and columns the polygon fill
        // below gives it, without building the polygon.
        const std::uint32_t background = PixelFromColour(attributes.backgroundColour);
        int x0 = 0, x1 = 0, y0 = 0, y1 = 0;
        if (UprightCell(place, buffer_->PixelSize(), x0, y0, x1, y1))
            for (int y = y0; y < y1; ++y)
                std::fill(buffer_->Row(y) + x0, buffer_->Row(y) + x1, background);
    } else if (attributes.backgroundMode == BackgroundMode::Opaque) {
        // The character cell along the whole text, in the background colour.
        const std::array<PointF, 4> corners = CellCorners(place);
        static thread_local std::vector<PointF> cell;
        cell.assign(corners.begin(), corners.end());
        fill_.clear();
        PolygonFillSpans(cell, width, height, fill_);
        const std::uint32_t background = PixelFromColour(attributes.backgroundColour);
        for (const Span& s : fill_)
            std::fill(buffer_->Row(s.y) + s.x0, buffer_->Row(s.y) + s.x1, background);
    }

    if (originX + ink.left > width || originY + ink.top > height || originX + ink.right < 0 ||
        originY + ink.bottom < 0)
        return;
    // Both whole numbers, within reach of the image.
    const int startX = static_cast<int>(originX);
    const int startY = static_cast<int>(originY);
    const std::uint32_t colour = PixelFromColour(attributes.textColour);
    // Every ink pixel is copied in the one colour, so pieces that overlap light their pixels alike.
    for (const TextInk::Piece& piece : ink.pieces) {
        const int pieceX = startX + piece.x;
        const int pieceY = startY + piece.y;
        for (std::size_t r = 0; r < piece.count; ++r) {
            const TextMask::Run& run = piece.runs[r];
            const int y = pieceY + run.y;
            if (y < 0 || y >= height) continue;
            const int x0 = std::max(pieceX + run.x0, 0);
            const int x1 = std::min(pieceX + run.x1, width);
            if (x0 < x1) std::fill(buffer_->Row(y) + x0, buffer_->Row(y) + x1, colour);
        }
    }
}

void RasterSurface::FillRect(Rect box, ColourRef colour) {
    if (holdDepth_ > 0) CountFill(box);
    if (holding_ && !BeyondImage(box, buffer_->PixelSize())) {
        Held& held = pool_->held.emplace_back();
        held.kind = Held::Kind::Fill;
        held.attributes = colour;
        held.box = box;
        return;
    }
    box = box.Normalized();
    const int x0 = std::max(box.left, 0);
    const int x1 = std::min(box.right, buffer_->Width());
    const int y0 = std::max(box.top, 0);
    const int y1 = std::min(box.bottom, buffer_->Height());
    if (x0 >= x1) return;
    const std::uint32_t pixel = PixelFromColour(colour);
    for (int y = y0; y < y1; ++y)
        std::fill(buffer_->Row(y) + x0, buffer_->Row(y) + x1, pixel);
}

TextMetrics RasterSurface::MeasureFont(const DeviceFont& font) {
    const TextMetrics metrics = text_->Metrics(font);
    ClearWideVectorState();
    return metrics;
}

Size RasterSurface::MeasureText(const DeviceFont& font, std::string_view text) {
    const Size size{text_->Advance(font, text), text_->Metrics(font).height};
    ClearWideVectorState();
    return size;
}

// --- Held primitives ----------------------------------------------------------------------------------

namespace {

// Whether the last paint on this thread filled its image several times over: only then do the fills
// hide enough of what lies under them to repay holding the next paint's primitives. A paint made
// anew is mostly the one before it again (every scroll, zoom or edit repaints the whole drawing).
// Painting runs on the window's thread only; the record is per thread all the same.
thread_local bool lastPaintCrowded = false;
// Fills covering this many times the image's area make a crowded paint.
constexpr double kCrowdedFills = 3.0;

} // namespace

void RasterSurface::CountFill(const Rect& box) {
    const Rect normal = box.Normalized();
    const double width =
        std::clamp(normal.right, 0, buffer_->Width()) - std::clamp(normal.left, 0, buffer_->Width());
    const double height =
        std::clamp(normal.bottom, 0, buffer_->Height()) - std::clamp(normal.top, 0, buffer_->Height());
    filledArea_ += width * height;
}

RasterSurface::HeldPool& RasterSurface::ThreadPool() {
    static thread_local HeldPool pool;
    return pool;
}

std::size_t RasterSurface::KeptBytes() {
    return ThreadPool().Bytes();
}

namespace {

// The room a list has taken beyond that of an empty one (a string keeps a few characters in itself).
template <typename List> std::size_t ListBytes(const List& list) {
    return (list.capacity() - List().capacity()) * sizeof(typename List::value_type);
}

// A list gives its memory back when all is asked, or when it has room for more than four times what
// the paint used and 64 KiB or more of it; one grown by doubling to a like paint's size keeps it.
template <typename List> void GiveBackList(List& list, bool all) {
    if (all || (ListBytes(list) >= (std::size_t{64} << 10) && list.capacity() / 4 > list.size()))
        List().swap(list);
}

} // namespace

void RasterSurface::HeldPool::GiveBack(bool all) {
    GiveBackList(held, all);
    GiveBackList(attributes, all);
    GiveBackList(fonts, all);
    GiveBackList(lines, all);
    GiveBackList(points, all);
    GiveBackList(text, all);
    GiveBackList(replay, all);
    if (all) cover = CoverMask();
}

std::size_t RasterSurface::HeldPool::Bytes() const {
    return ListBytes(held) + ListBytes(attributes) + ListBytes(fonts) + ListBytes(lines) + ListBytes(points) +
           ListBytes(text) + ListBytes(replay) + cover.Bytes();
}

void RasterSurface::HoldPrimitives() {
    if (holdDepth_++ > 0) return;
    filledArea_ = 0;
    leftOut_ = 0;
    HeldPool& pool = ThreadPool();
    holding_ = lastPaintCrowded && !pool.inUse;
    if (!holding_) return;
    pool_ = &pool;
    pool_->inUse = true;
    pool_->held.clear();
    pool_->attributes.clear();
    pool_->fonts.clear();
    pool_->lines.clear();
    pool_->points.clear();
    pool_->text.clear();
}

RasterSurface::Held& RasterSurface::Hold(Held::Kind kind, const DrawAttributes& attributes) {
    // A paint draws long runs with one set of the device context's attributes: each set is kept once.
    if (pool_->attributes.empty() || attributes.serial == 0 ||
        pool_->attributes.back().serial != attributes.serial)
        pool_->attributes.push_back(attributes);
    Held& held = pool_->held.emplace_back();
    held.kind = kind;
    held.attributes = static_cast<std::uint32_t>(pool_->attributes.size() - 1);
    return held;
}

void RasterSurface::PaintHeldPrimitives() {
    if (holdDepth_ == 0 || --holdDepth_ > 0) return;
    lastPaintCrowded = filledArea_ >= kCrowdedFills * buffer_->Width() * buffer_->Height();
    const bool wasHolding = holding_;
    if (holding_) {
        holding_ = false;
        // From the last primitive back: each is seen against the pixels those after it set whatever
        // lies under them.
        pool_->cover.Reset(buffer_->Width(), buffer_->Height());
        for (std::size_t i = pool_->held.size(); i-- > 0;)
            pool_->held[i].hidden = !Shows(pool_->held[i]);
        for (const Held& held : pool_->held) {
            if (!held.hidden)
                PaintHeld(held);
            else
                ++leftOut_;
        }
        pool_->inUse = false;
        pool_ = nullptr;
    }
    HeldPool& pool = ThreadPool();
    if (pool.inUse) return; // held by another surface's paint now
    if (!lastPaintCrowded || wasHolding) pool.GiveBack(!lastPaintCrowded);
}

namespace {

// A box of pixels [x0, x1) x [y0, y1), wide enough for a figure's box widened by its pen.
struct WideBox {
    std::int64_t x0 = 0;
    std::int64_t y0 = 0;
    std::int64_t x1 = 0;
    std::int64_t y1 = 0;

    // The box widened by `by` pixels on every side.
    WideBox Widened(std::int64_t by) const { return {x0 - by, y0 - by, x1 + by, y1 + by}; }
    // The part within an image, empty when none.
    WideBox Within(Size image) const {
        return {std::clamp<std::int64_t>(x0, 0, image.cx), std::clamp<std::int64_t>(y0, 0, image.cy),
                std::clamp<std::int64_t>(x1, 0, image.cx), std::clamp<std::int64_t>(y1, 0, image.cy)};
    }
    bool IsEmpty() const { return x0 >= x1 || y0 >= y1; }
};

WideBox BoxOf(const Rect& box) {
    const Rect normal = box.Normalized();
    return {normal.left, normal.top, normal.right, normal.bottom};
}

WideBox BoxAround(Point a, Point b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::int64_t{std::max(a.x, b.x)} + 1,
            std::int64_t{std::max(a.y, b.y)} + 1};
}

// Whether a brush sets every pixel it paints to its colour, whatever the pixel was.
bool BrushCovers(const DrawAttributes& attributes) {
    return attributes.brush.style == BrushStyle::Solid &&
           MakeOp(attributes.rop, attributes.brush.colour).keep == 0;
}

} // namespace

bool RasterSurface::Shows(Held& held) {
    const Size image = buffer_->PixelSize();
    auto hidden = [&](const WideBox& box) {
        const WideBox inside = box.Within(image);
        return inside.IsEmpty() ||
               pool_->cover.Covers(static_cast<int>(inside.x0), static_cast<int>(inside.y0),
                                   static_cast<int>(inside.x1), static_cast<int>(inside.y1));
    };
    auto cover = [&](const WideBox& box) {
        const WideBox inside = box.Within(image);
        if (!inside.IsEmpty())
            pool_->cover.AddBox(static_cast<int>(inside.x0), static_cast<int>(inside.y0),
                                static_cast<int>(inside.x1), static_cast<int>(inside.y1));
    };
    if (held.kind == Held::Kind::Fill) {
        if (hidden(BoxOf(held.box))) return false;
        cover(BoxOf(held.box));
        return true;
    }
    const DrawAttributes& attributes = pool_->attributes[held.attributes];
    // Every pixel a pen reaches lies within this many of the points it is drawn through.
    const std::int64_t reach = std::int64_t{std::max(attributes.penWidth, 1)} + 2;
    const bool hasPen = attributes.penStyle != PenStyle::Null;
    const bool plainPen = PatternOf(attributes.penStyle) == nullptr;

    switch (held.kind) {
    case Held::Kind::Line:
        return !hidden(
            BoxAround({held.box.left, held.box.top}, {held.box.right, held.box.bottom}).Widened(reach));
    case Held::Kind::Lines: {
        // The strokes of a hatch come by the thousand, each a pixel or two: the batch is shown or hidden
        // whole, by the box of its ends.
        return !hidden(
            BoxAround({held.box.left, held.box.top}, {held.box.right, held.box.bottom}).Widened(reach));
    }
    case Held::Kind::Polygon: {
        const WideBox box = BoxAround({held.box.left, held.box.top}, {held.box.right, held.box.bottom});
        if (hidden(box.Widened(reach))) return false;
        // The inside covers where both the brush and the pen copy their colours: then every pixel of the
        // fill is painted with the brush, and the border over it.
        if (!BrushCovers(attributes) || !plainPen || MakeOp(attributes.rop, attributes.penColour).keep != 0)
            return true;
        const std::span<const Point> points(pool_->points.data() + held.first, held.count);
        if (const std::optional<Rect> upright = UprightBox(points);
            upright && (attributes.penWidth <= 1 || !hasPen)) {
            // As the polygon paints an upright box: the box as given without a pen, else its inside
            // one pixel larger within a one-pixel border.
            const WideBox inside = BoxOf(*upright);
            cover(hasPen ? WideBox{inside.x0 + 1, inside.y0 + 1, inside.x1, inside.y1} : inside);
            return true;
        }
        fill_.clear();
        PolygonFillSpans(points, image.cx, image.cy, fill_);
        for (const Span& span : fill_)
            pool_->cover.AddRun(span.y, span.x0, span.x1);
        const WideBox inside = box.Within(image);
        pool_->cover.Settle(static_cast<int>(inside.x0), static_cast<int>(inside.y0),
                            static_cast<int>(inside.x1), static_cast<int>(inside.y1));
        return true;
    }
    case Held::Kind::Rectangle: {
        const WideBox box = BoxOf(held.box);
        if (hidden(box.Widened(reach))) return false;
        // A plain pen's rectangle paints its inside with the brush within a border of the pen's width.
        if (BrushCovers(attributes) && plainPen) {
            const std::int64_t border = hasPen ? std::max(attributes.penWidth, 1) : 0;
            cover(box.Widened(-border));
        }
        return true;
    }
    case Held::Kind::RoundRect:
    case Held::Kind::Ellipse:
    case Held::Kind::Arc:
        return !hidden(BoxOf(held.box).Widened(reach));
    case Held::Kind::Text: {
        const std::string_view text = std::string_view(pool_->text).substr(held.first, held.count);
        const DeviceFont& font = pool_->fonts[static_cast<std::size_t>(held.box.left)];
        const TextPlacement place =
            PlaceText(*text_, held.a, static_cast<unsigned>(held.box.top), text, font);
        const auto x = static_cast<std::int64_t>(place.originX);
        const auto y = static_cast<std::int64_t>(place.originY);
        WideBox box{x + place.ink->left, y + place.ink->top, x + place.ink->right, y + place.ink->bottom};
        const bool opaque = attributes.backgroundMode == BackgroundMode::Opaque;
        if (opaque) {
            for (const PointF& corner : CellCorners(place)) {
                box.x0 = std::min(box.x0, FloorOf(corner.x));
                box.y0 = std::min(box.y0, FloorOf(corner.y));
                box.x1 = std::max(box.x1, CeilOf(corner.x) + 1);
                box.y1 = std::max(box.y1, CeilOf(corner.y) + 1);
            }
        }
        if (hidden(box.Widened(1))) return false;
        int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        if (opaque && font.angleTenths == 0 && UprightCell(place, image, x0, y0, x1, y1))
            pool_->cover.AddBox(x0, y0, x1, y1);
        // The start of the baseline, kept for the paint: the text reaches the image, so it lies near.
        held.b = {static_cast<int>(x), static_cast<int>(y)};
        return true;
    }
    case Held::Kind::Fill:
        break;
    }
    return true;
}

void RasterSurface::PaintHeld(const Held& held) {
    if (held.kind == Held::Kind::Fill) {
        FillRect(held.box, held.attributes);
        return;
    }
    const DrawAttributes& attributes = pool_->attributes[held.attributes];
    switch (held.kind) {
    case Held::Kind::Line:
        DrawLine({held.box.left, held.box.top}, {held.box.right, held.box.bottom}, attributes);
        return;
    case Held::Kind::Lines:
        DrawLines(std::span<const DeviceLine>(pool_->lines.data() + held.first, held.count), attributes);
        return;
    case Held::Kind::Polygon:
        pool_->replay.assign(pool_->points.data() + held.first,
                             pool_->points.data() + held.first + held.count);
        DrawPolygon(pool_->replay, attributes);
        return;
    case Held::Kind::Rectangle:
        DrawRectangle(held.box, attributes);
        return;
    case Held::Kind::RoundRect:
        DrawRoundRect(held.box, {held.a.x, held.a.y}, attributes);
        return;
    case Held::Kind::Ellipse:
        DrawEllipse(held.box, attributes);
        return;
    case Held::Kind::Arc:
        DrawArc(held.box, held.a, held.b, attributes);
        return;
    case Held::Kind::Text: {
        const DeviceFont& font = pool_->fonts[static_cast<std::size_t>(held.box.left)];
        TextPlacement place =
            MeasureTextInk(*text_, std::string_view(pool_->text).substr(held.first, held.count), font);
        place.originX = held.b.x;
        place.originY = held.b.y;
        PaintText(place, font.angleTenths == 0, attributes);
        return;
    }
    case Held::Kind::Fill:
        return;
    }
}

} // namespace platform
