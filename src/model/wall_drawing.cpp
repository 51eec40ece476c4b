// The drawing operations of the two wall classes: the outline, the filled black body and the hatched
// body, each for the view and the printer (coordinates divided by Scale) and for the bitmap export.
// The outline and the filled body draw with the pen the painting entry point selected; the hatch makes
// its own face and stroke pens.
//
// Hatching is done in logical units: strokes come in pairs 15 apart, a pair every 140, across each
// leaf of the wall; a sloping internal wall gets single strokes every 125 along x. The bitmap scales
// the spacing down by Scale. Angles are bearings in tenths of a degree (0 up, 900 right).
//
// The stroke arithmetic is done in 64 bits, as a damaged drawing may hold any coordinates, and only
// the strokes that can reach the target's visible area are generated: a wall off the screen costs its
// faces only, and a wall kilometres long costs what shows of it.
#include "model/drawing_objects.h"
#include "model/paint_mapping.h"
#include "model/shared_state.h"
#include "platform/device_context.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <span>
#include <vector>

using paint_mapping::BitmapMap;
using paint_mapping::ViewMap;
using platform::DeviceContext;
using platform::Pen;
using platform::PenStyle;
using platform::Point;

namespace {

// Tenths of a degree to radians, with the factor every stored hatch was drawn with.
constexpr double RadiansPerTenth = 0.001745;

// The spacing of the strokes in the target's units.
struct Spacing {
    int pair = 140;   // from one pair to the next, as counted
    int single = 125; // from the second stroke of a pair to the first of the next
    int second = 15;  // from the first stroke of a pair to the second
};

Spacing ViewSpacing() {
    return {};
}

// The bitmap's spacing: the view's divided by Scale (28, 25, 3 metric; 23, 20, 2 imperial).
Spacing BitmapSpacing() {
    const int scale = paint_mapping::UsableDivisor(Shared.Scale);
    return {paint_mapping::UsableDivisor(140 / scale), 125 / scale, 15 / scale};
}

// A floating-point result converted as the stored drawings were: truncated toward zero, held inside
// the int range.
int Truncate(double value) {
    if (!(value == value)) return 0;
    if (value >= 2147483647.0) return 2147483647;
    if (value <= -2147483648.0) return -2147483647 - 1;
    return static_cast<int>(value);
}

using Wide = long long;

// The part of the target's coordinates a stroke must reach to show: the visible area widened by the
// hatch pen, or everything when the target keeps every primitive.
struct Visible {
    Wide left = INT_MIN;
    Wide bottom = INT_MIN; // the least y
    Wide right = INT_MAX;
    Wide top = INT_MAX; // the greatest y

    bool Meets(Wide xa, Wide ya, Wide xb, Wide yb) const {
        return std::max(xa, xb) >= left && std::min(xa, xb) <= right && std::max(ya, yb) >= bottom &&
               std::min(ya, yb) <= top;
    }
};

// What the device context with its hatch pen selected shows.
Visible VisibleArea(const DeviceContext& dc) {
    platform::Rect box;
    // The pen reaches half its width past a stroke's ends; a pixel more covers the rounding.
    if (!dc.LogicalClipBox(dc.DevicePenWidth() / 2 + 2, box)) return {};
    return {box.left, box.top, box.right, box.bottom};
}

// Draws strokes given in the frame the hatch is worked out in, leaving out those that cannot show.
// The view's frame is its logical units; the bitmap works out sloping walls with y negated (upwards,
// as on the view) and negates it back here. The strokes go to the device context a batch at a time,
// in order, the last when the hatch is done.
class Strokes {
    DeviceContext& dc_;

  public:
    Strokes(DeviceContext& dc, Visible visible, int ySign)
        : dc_(dc), visible(visible), ySign_(ySign), batch_(Batch()) {}
    Strokes(const Strokes&) = delete;
    Strokes& operator=(const Strokes&) = delete;
    ~Strokes() { Flush(); }

    void operator()(Wide xa, Wide ya, Wide xb, Wide yb) const {
        ya *= ySign_;
        yb *= ySign_;
        if (!visible.Meets(xa, ya, xb, yb)) return;
        // Only a stroke of a damaged wall, thicker than the coordinates reach, can pass the ends.
        batch_[count_++] = {paint_mapping::Saturate(xa), paint_mapping::Saturate(ya),
                            paint_mapping::Saturate(xb), paint_mapping::Saturate(yb)};
        if (count_ == BatchSize) Flush();
    }

    const Visible visible;

  private:
    static constexpr std::size_t BatchSize = 256;
    // One batch for every hatch: painting runs on one thread, and one hatch is drawn at a time. It is
    // looked up once a hatch and filled by place, as a hatch seen whole has thousands of strokes.
    static std::vector<DeviceContext::LogicalLine>& Batch() {
        static thread_local std::vector<DeviceContext::LogicalLine> batch(BatchSize);
        return batch;
    }
    void Flush() const {
        dc_.Strokes(std::span<const DeviceContext::LogicalLine>(batch_.data(), count_));
        count_ = 0;
    }

    int ySign_;
    std::vector<DeviceContext::LogicalLine>& batch_;
    mutable std::size_t count_ = 0;
};

// Floor and ceiling of a / b for b > 0.
Wide FloorDiv(Wide a, Wide b) {
    return a / b - (a % b != 0 && a < 0 ? 1 : 0);
}
Wide CeilDiv(Wide a, Wide b) {
    return a / b + (a % b != 0 && a > 0 ? 1 : 0);
}

// The strokes (or pairs) 0 to count - 1 of a run lie at start + i * step along one axis and reach
// `reach` either side of that. Returns the indices [first, end) of those that may lie inside [low,
// high]. A run that does not move draws one stroke over and over: the raster operations give after n
// drawings what they give after one or two of the same parity, so the last one or two are kept.
struct Run {
    Wide first = 0;
    Wide end = 0;

    // Every how many strokes or pairs one is drawn. No wall of a building shows more than this many
    // pairs at once (2 048 pairs span over a kilometre); a damaged one that would, a thickness or a
    // length far past any building crossing the view with millions of strokes, is drawn with as many
    // spread along it, so a paint costs what the view can show whatever the file holds.
    Wide Stride() const {
        constexpr Wide MostDrawn = 2048;
        return std::max<Wide>((end - first + MostDrawn - 1) / MostDrawn, 1);
    }
};

Run VisibleRun(Wide start, Wide step, Wide count, Wide reach, Wide low, Wide high) {
    if (count <= 0) return {};
    low -= reach;
    high += reach;
    if (step == 0) {
        if (start < low || start > high) return {};
        return {count - (count % 2 == 1 ? 1 : 2), count};
    }
    Wide first = 0;
    Wide last = 0;
    if (step > 0) {
        first = CeilDiv(low - start, step);
        last = FloorDiv(high - start, step);
    } else {
        first = CeilDiv(start - high, -step);
        last = FloorDiv(start - low, -step);
    }
    first = std::max<Wide>(first, 0);
    last = std::min(last, count - 1);
    return first <= last ? Run{first, last + 1} : Run{};
}

// The points of a wall in the target's coordinates: p[1], p[2] the first face (an external wall's
// outer face), p[3] to p[8] the further face lines in field order. p[0] is unused.
using WallPoints = std::array<Point, 9>;

WallPoints UpwardFrame(const WallPoints& points) {
    WallPoints upward = points;
    // The lowest int has no negative; a point held there by the mapping goes to the other end.
    for (Point& p : upward)
        p.y = p.y == INT_MIN ? INT_MAX : -p.y;
    return upward;
}

void DrawFace(DeviceContext& dc, const Point& from, const Point& to) {
    dc.Stroke(from.x, from.y, to.x, to.y);
}

// A bearing that leaves no slope to hatch along: 0 and 1800 run straight up and down, and values
// outside a turn are not bearings at all. Hatching them would divide by a zero sine.
bool HatchableBearing(int angle) {
    return angle > 0 && angle < 3600 && angle != 1800;
}

// The bearing reduced to its angle from the vertical, in radians.
double ReducedAngle(int angle) {
    int reduced = angle;
    if (angle < 900)
        reduced = angle;
    else if (angle < 1800)
        reduced = 1800 - angle;
    else if (angle < 2700)
        reduced = angle - 1800;
    else
        reduced = 3600 - angle;
    return reduced * RadiansPerTenth;
}

// The running y of a sloping hatch: `first` strokes or pairs on from `y`, moving by `change` each. The
// stored drawings were hatched by adding `change` once per stroke; that sum is kept for any wall a
// drawing can hold, and only past this many strokes (walls tens of kilometres long, i.e. damage) is
// the position multiplied out instead of walked to.
constexpr Wide MostStrokesWalked = 1 << 16;

double AdvancedY(double y, double change, Wide first) {
    if (first > MostStrokesWalked) return y + static_cast<double>(first) * change;
    for (Wide i = 0; i < first; ++i)
        y += change;
    return y;
}

// Single strokes every `single` along x across a sloping internal wall, each spanning its thickness
// measured vertically. The points are in an upward frame.
void HatchSlopingInternalWall(const Strokes& stroke, const WallPoints& p, int angle, int thickness,
                              const Spacing& spacing) {
    if (!HatchableBearing(angle) || angle == 2700) return;
    const double phi = ReducedAngle(angle);
    const Wide length = Truncate(thickness / std::sin(phi));
    const double rise = spacing.single * std::cos(phi) / std::sin(phi);
    const Point& first = p[1];
    const Point& third = p[3];
    const Wide single = paint_mapping::UsableDivisor(spacing.single);
    // The strokes start from the first face's start or the second face's, whichever lies on the side
    // the strokes hang from.
    auto start = [&](bool takeThird) { return takeThird ? third : first; };
    Point from;
    Wide count = 0;
    Wide step = 0;
    double y = 0;
    double change = 0;
    if (angle < 900) {
        from = start(first.x > third.x || first.y < third.y);
        count = (Wide{p[2].x} - from.x) / single;
        step = spacing.single;
        y = from.y + rise;
        change = rise;
    } else if (angle < 1800) {
        from = start(first.x < third.x || first.y < third.y);
        count = (Wide{p[2].x} - from.x) / single;
        if (from.y - Wide{Truncate(count * rise)} < length) --count;
        step = spacing.single;
        y = from.y - rise;
        change = -rise;
    } else if (angle < 2700) {
        from = start(first.x > third.x || first.y < third.y);
        count = (Wide{from.x} - p[2].x) / single;
        if (from.y - Wide{Truncate(count * rise)} < length) --count;
        step = -spacing.single;
        y = from.y - rise;
        change = -rise;
    } else {
        from = start(first.x < third.x || first.y < third.y);
        count = (Wide{from.x} - p[2].x) / single;
        step = -spacing.single;
        y = from.y + rise;
        change = rise;
    }
    // Stroke i stands at from.x + (i + 1) * step.
    const Run run = VisibleRun(from.x + step, step, count, 0, stroke.visible.left, stroke.visible.right);
    const Wide stride = run.Stride();
    const double startY = y;
    y = AdvancedY(y, change, run.first);
    for (Wide i = run.first; i < run.end; i += stride) {
        const Wide x = from.x + (i + 1) * step;
        const Wide top = Truncate(stride == 1 ? y : startY + static_cast<double>(i) * change);
        stroke(x, top, x, top - length);
        y += change;
    }
}

// Pairs of strokes across one leaf of a sloping external wall, from `from` towards `endX`; the points
// are in an upward frame.
void HatchSlopingLeaf(const Strokes& stroke, int angle, Point from, int endX, int thickness,
                      const Spacing& spacing) {
    if (!HatchableBearing(angle)) return;
    const double phi = ReducedAngle(angle);
    const double sine = std::sin(phi);
    const Wide length = Truncate(thickness / sine);
    // Mathematically the second stroke's shift; evaluated this way it may come out one less.
    const Wide shift = Truncate(sine * (spacing.second / sine));
    const double rise = spacing.pair * std::cos(phi) / sine;
    Wide count = std::abs(Wide{endX} - from.x) / spacing.pair;
    bool shorten = false;
    int direction = 1;   // along x
    int strokeDown = -1; // a stroke's run in y
    int secondShift = 1; // the second stroke's start relative to the first
    double y = 0;
    double change = 0;
    if (angle < 900) {
        y = from.y + rise - shift;
        change = rise;
    } else if (angle < 1800) {
        shorten = true;
        y = from.y - rise + shift;
        secondShift = -1;
        change = -rise;
    } else if (angle < 2700) {
        y = from.y - rise + shift;
        direction = -1;
        strokeDown = 1;
        secondShift = -1;
        change = -rise;
    } else {
        shorten = true;
        y = from.y + rise + shift;
        direction = -1;
        change = rise;
    }
    if (shorten && from.y - Wide{Truncate(count * rise)} < length) --count;
    // Pair i's first stroke stands at from.x + direction * (single + i * (single + second)), its second
    // `second` further on.
    const Wide step = direction * (Wide{spacing.single} + spacing.second);
    const Wide firstX = from.x + direction * Wide{spacing.single};
    const Run run =
        VisibleRun(firstX, step, count, std::abs(spacing.second), stroke.visible.left, stroke.visible.right);
    const Wide stride = run.Stride();
    const double startY = y;
    y = AdvancedY(y, change, run.first);
    for (Wide i = run.first; i < run.end; i += stride) {
        const Wide top = Truncate(stride == 1 ? y : startY + static_cast<double>(i) * change);
        const Wide x = firstX + i * step;
        stroke(x, top, x, top + strokeDown * length);
        const Wide secondX = x + direction * spacing.second;
        const Wide secondTop = top + secondShift * shift;
        stroke(secondX, secondTop, secondX, secondTop + strokeDown * length);
        y += change;
    }
}

// How a wall lies: along x, along y, or neither.
enum class Lie { Horizontal, Vertical, Sloping };

Lie LieOf(int xa, int ya, int xb, int yb) {
    if (ya == yb) return Lie::Horizontal;
    if (xa == xb) return Lie::Vertical;
    return Lie::Sloping;
}

// Everything an internal wall's hatch needs, in the target's coordinates.
struct InternalHatch {
    WallPoints points;
    Lie lie = Lie::Sloping;
    int thickness = 0;
    int angle = 0;
    Spacing spacing;
    bool bitmap = false;
};

// Pairs of strokes at start + i * step along one axis (i from 0 to count - 1), each pair drawn by
// `draw` from its position; only the pairs that may show within [low, high] are drawn. A pair reaches
// `reach` either side of its position.
template <typename DrawPair>
void PairsAlong(Wide start, Wide step, Wide count, Wide reach, Wide low, Wide high, DrawPair draw) {
    const Run run = VisibleRun(start, step, count, reach, low, high);
    const Wide stride = run.Stride();
    for (Wide i = run.first; i < run.end; i += stride)
        draw(start + i * step);
}

// The pair spacing of the straight walls' hatch: the count divides by the pair's repeat, the
// position moves by the second stroke's distance plus the gap to the next pair.
struct PairSteps {
    Wide repeat;
    Wide advance;
    Wide second;
    Wide reach; // how far a pair's strokes lie from its position along the run
};

PairSteps StepsOf(const Spacing& s, Wide thickness) {
    return {s.pair, Wide{s.second} + s.single, s.second, std::abs(thickness) + std::abs(Wide{s.second})};
}

void HatchInternalWall(DeviceContext& dc, const InternalHatch& h) {
    const WallPoints& p = h.points;
    const Wide t = h.thickness;
    const PairSteps s = StepsOf(h.spacing, t);
    const Strokes stroke(dc, VisibleArea(dc), 1);
    const Visible& v = stroke.visible;
    if (h.lie == Lie::Horizontal) {
        const Wide xa = std::min(p[1].x, p[2].x);
        const Wide xb = std::max(p[1].x, p[2].x);
        const Wide ya = std::max(p[1].y, p[4].y);
        const Wide yb = std::min(p[1].y, p[4].y);
        const Wide count = (xb - (xa + t) - t) / s.repeat + 1;
        PairsAlong(xa + t, s.advance, count, s.reach, v.left, v.right, [&](Wide u) {
            stroke(u, ya, u + t, yb);
            stroke(u + s.second, ya, u + s.second + t, yb);
        });
    } else if (h.lie == Lie::Vertical) {
        const Wide ya = std::max(p[1].y, p[2].y);
        const Wide yb = std::min(p[1].y, p[2].y);
        const Wide xa = std::min(p[1].x, p[4].x);
        const Wide xb = std::max(p[1].x, p[4].x);
        const Wide count = ((ya - t) - yb - t) / s.repeat + 1;
        PairsAlong(ya - t, -s.advance, count, s.reach, v.bottom, v.top, [&](Wide w) {
            stroke(xa, w, xb, w - t);
            stroke(xa, w - s.second, xb, w - s.second - t);
        });
    } else if (h.bitmap) {
        HatchSlopingInternalWall(Strokes(dc, stroke.visible, -1), UpwardFrame(p), h.angle, h.thickness,
                                 h.spacing);
    } else {
        HatchSlopingInternalWall(stroke, p, h.angle, h.thickness, h.spacing);
    }
}

// Everything an external wall's hatch needs, in the target's coordinates: the three layer thicknesses
// (outer leaf, cavity, inner leaf).
struct ExternalHatch {
    WallPoints points;
    Lie lie = Lie::Sloping;
    int outer = 0;
    int cavity = 0;
    int inner = 0;
    int storedCavity = 0; // drawing units: decides whether the inner leaf is hatched at all
    int angle = 0;
    Spacing spacing;
    bool bitmap = false;
};

void HatchOuterLeaf(DeviceContext& dc, const ExternalHatch& h) {
    const WallPoints& p = h.points;
    const Wide t = h.outer;
    const PairSteps s = StepsOf(h.spacing, t);
    const Strokes stroke(dc, VisibleArea(dc), 1);
    const Visible& v = stroke.visible;
    const Wide x1 = p[1].x, y1 = p[1].y, x2 = p[2].x, y2 = p[2].y, x4 = p[4].x, y4 = p[4].y;
    if (h.lie == Lie::Horizontal) {
        if (x1 < x2) {
            const Wide count = (x2 - (x1 + t) - t) / s.repeat + 1;
            PairsAlong(x1 + t, s.advance, count, s.reach, v.left, v.right, [&](Wide u) {
                stroke(u, y1, u + t, y4);
                stroke(u + s.second, y1, u + s.second + t, y4);
            });
        } else if (x1 > x2) {
            const Wide count = ((x1 - t) - x2 - t) / s.repeat + 1;
            PairsAlong(x1 - t, -s.advance, count, s.reach, v.left, v.right, [&](Wide u) {
                stroke(u, y1, u - t, y4);
                stroke(u - s.second, y1, u - s.second - t, y4);
            });
        }
    } else if (h.lie == Lie::Vertical) {
        if (y1 < y2) {
            const Wide count = ((y2 - t) - y1 - t) / s.repeat + 1;
            PairsAlong(y2 - t, -s.advance, count, s.reach, v.bottom, v.top, [&](Wide w) {
                stroke(x1, w, x4, w - t);
                stroke(x1, w - s.second, x4, w - s.second - t);
            });
        } else if (y1 > y2) {
            const Wide count = (y1 - (y2 + t) - t) / s.repeat + 1;
            PairsAlong(y2 + t, s.advance, count, s.reach, v.bottom, v.top, [&](Wide w) {
                stroke(x1, w, x4, w + t);
                stroke(x1, w + s.second, x4, w + s.second + t);
            });
        }
    } else if (h.bitmap) {
        const WallPoints up = UpwardFrame(p);
        HatchSlopingLeaf(Strokes(dc, stroke.visible, -1), h.angle, up[1], up[2].x, h.outer, h.spacing);
    } else {
        HatchSlopingLeaf(stroke, h.angle, p[1], p[2].x, h.outer, h.spacing);
    }
}

// The inner leaf's strokes slant the other way from the outer leaf's.
void HatchInnerLeaf(DeviceContext& dc, const ExternalHatch& h) {
    const WallPoints& p = h.points;
    const Wide t = h.inner;
    const PairSteps s = StepsOf(h.spacing, t);
    const Strokes stroke(dc, VisibleArea(dc), 1);
    const Visible& v = stroke.visible;
    const Wide y1 = p[1].y, y2 = p[2].y, y4 = p[4].y, y6 = p[6].y, y7 = p[7].y;
    const Wide x6 = p[6].x, x7 = p[7].x, x8 = p[8].x, y8 = p[8].y;
    if (h.lie == Lie::Horizontal) {
        if (x7 < x8) {
            const Wide count = (x8 - (x7 + t) - t) / s.repeat + 1;
            PairsAlong(x7 + t, s.advance, count, s.reach, v.left, v.right, [&](Wide u) {
                stroke(u, y8, u - t, y6);
                stroke(u + s.second, y8, u + s.second - t, y6);
            });
        } else if (x7 > x8) {
            const Wide count = ((x7 - t) - x8 - t) / s.repeat + 1;
            PairsAlong(x7 - t, -s.advance, count, s.reach, v.left, v.right, [&](Wide u) {
                stroke(u, y8, u + t, y6);
                stroke(u - s.second, y8, u - s.second + t, y6);
            });
        }
    } else if (h.lie == Lie::Vertical) {
        if (y1 > y2) {
            const Wide start = y4 + h.outer + h.cavity;
            const Wide count = (y7 - start - t) / s.repeat + 1;
            PairsAlong(start, s.advance, count, s.reach, v.bottom, v.top, [&](Wide w) {
                stroke(x6, w, x8, w + t);
                stroke(x6, w + s.second, x8, w + s.second + t);
            });
        } else if (y1 < y2) {
            const Wide start = y4 - h.outer - h.cavity;
            const Wide count = (start - y7 - t) / s.repeat + 1;
            PairsAlong(start, -s.advance, count, s.reach, v.bottom, v.top, [&](Wide w) {
                stroke(x6, w, x8, w - t);
                stroke(x6, w - s.second, x8, w - s.second - t);
            });
        }
    } else if (h.bitmap) {
        const WallPoints up = UpwardFrame(p);
        HatchSlopingLeaf(Strokes(dc, stroke.visible, -1), h.angle, up[5], up[6].x, h.inner, h.spacing);
    } else {
        HatchSlopingLeaf(stroke, h.angle, p[5], p[6].x, h.inner, h.spacing);
    }
}

// The pen of a wall's stored style; false for a code no pen exists for (the pen in force is kept).
bool StyledPen(int code, PenStyle& style) {
    if (code < 0 || code > 6) return false;
    style = code == 6 ? PenStyle::Solid : static_cast<PenStyle>(code);
    return true;
}

// Faces then hatch of a wall, each with its own pen; the pens the context held are selected back.
template <typename DrawFaces, typename DrawHatch>
void PatternWall(DeviceContext& dc, const Pen& face, bool haveFacePen, const Pen& hatch, DrawFaces faces,
                 DrawHatch strokes) {
    if (haveFacePen) {
        const Pen previous = dc.SelectPen(face);
        faces();
        dc.SelectPen(previous);
    } else {
        faces();
    }
    const Pen previous = dc.SelectPen(hatch);
    strokes();
    dc.SelectPen(previous);
}

platform::ColourRef FaceColour(const TObject& wall, int overlay) {
    return overlay <= 0 ? static_cast<platform::ColourRef>(wall.colour) : Shared.OverlayColour;
}

platform::ColourRef HatchColour(const TObject& wall, int overlay) {
    return overlay == 0 ? static_cast<platform::ColourRef>(wall.colour) : Shared.OverlayColour;
}

template <typename Map> WallPoints InternalPoints(const TIntwallobj& w, const Map& map) {
    WallPoints p{};
    p[1] = {map.X(w.x1), map.Y(w.y1)};
    p[2] = {map.X(w.x2), map.Y(w.y2)};
    p[3] = {map.X(w.fx1), map.Y(w.fy1)};
    p[4] = {map.X(w.fx2), map.Y(w.fy2)};
    return p;
}

template <typename Map> WallPoints ExternalPoints(const TExtwallobj& w, const Map& map) {
    WallPoints p{};
    p[1] = {map.X(w.x1), map.Y(w.y1)};
    p[2] = {map.X(w.x2), map.Y(w.y2)};
    p[3] = {map.X(w.f1x1), map.Y(w.f1y1)};
    p[4] = {map.X(w.f1x2), map.Y(w.f1y2)};
    p[5] = {map.X(w.f2x1), map.Y(w.f2y1)};
    p[6] = {map.X(w.f2x2), map.Y(w.f2y2)};
    p[7] = {map.X(w.f3x1), map.Y(w.f3y1)};
    p[8] = {map.X(w.f3x2), map.Y(w.f3y2)};
    return p;
}

void InternalOutline(DeviceContext& dc, const WallPoints& p) {
    DrawFace(dc, p[1], p[2]);
    DrawFace(dc, p[3], p[4]);
}

// A solid wall has two faces; a cavity wall four.
void ExternalOutline(DeviceContext& dc, const WallPoints& p, int cavity) {
    DrawFace(dc, p[1], p[2]);
    DrawFace(dc, p[3], p[4]);
    if (cavity > 0) {
        DrawFace(dc, p[5], p[6]);
        DrawFace(dc, p[7], p[8]);
    }
}

// The body between the two outermost faces in black; its border takes the pen in force.
void FilledBody(DeviceContext& dc, const Point& a, const Point& b, const Point& innerStart,
                const Point& innerEnd) {
    static thread_local std::vector<Point> corners(4);
    dc.SelectBrush(platform::Brush::SolidBrush(platform::Rgb(0, 0, 0)));
    DrawFace(dc, a, b);
    DrawFace(dc, innerStart, innerEnd);
    corners.assign({a, b, innerEnd, innerStart});
    dc.Polygon(corners);
}

void ExternalFilled(DeviceContext& dc, const WallPoints& p, int cavity) {
    if (cavity < 1)
        FilledBody(dc, p[1], p[2], p[3], p[4]);
    else
        FilledBody(dc, p[1], p[2], p[7], p[8]);
}

template <typename Map> InternalHatch MakeInternalHatch(const TIntwallobj& w, const Map& map, bool bitmap) {
    InternalHatch h;
    h.points = InternalPoints(w, map);
    h.thickness = map.Length(w.iwall1);
    h.angle = w.iwall6;
    h.spacing = bitmap ? BitmapSpacing() : ViewSpacing();
    h.bitmap = bitmap;
    // The view tells a straight wall by its stored coordinates, the bitmap by where its ends land.
    h.lie = bitmap ? LieOf(h.points[1].x, h.points[1].y, h.points[2].x, h.points[2].y)
                   : LieOf(w.x1, w.y1, w.x2, w.y2);
    return h;
}

template <typename Map> ExternalHatch MakeExternalHatch(const TExtwallobj& w, const Map& map, bool bitmap) {
    ExternalHatch h;
    h.points = ExternalPoints(w, map);
    h.outer = map.Length(w.ewall1);
    h.cavity = map.Length(w.ewall2);
    h.inner = map.Length(w.ewall3);
    h.storedCavity = w.ewall2;
    h.angle = w.ewall6;
    h.spacing = bitmap ? BitmapSpacing() : ViewSpacing();
    h.bitmap = bitmap;
    h.lie = bitmap ? LieOf(h.points[1].x, h.points[1].y, h.points[2].x, h.points[2].y)
                   : LieOf(w.x1, w.y1, w.x2, w.y2);
    return h;
}

void HatchExternalWall(DeviceContext& dc, const ExternalHatch& h) {
    HatchOuterLeaf(dc, h);
    // A cavity of up to two drawing units is taken for none: only a real cavity has an inner leaf.
    if (h.storedCavity > 2) HatchInnerLeaf(dc, h);
}

} // namespace

void TIntwallobj::Draw(DeviceContext& dc) const {
    InternalOutline(dc, InternalPoints(*this, ViewMap{}));
}

void TIntwallobj::DrawScaled(DeviceContext& dc, int divisor, int height, int offset) const {
    InternalOutline(dc, InternalPoints(*this, BitmapMap(divisor, height, offset)));
}

void TIntwallobj::DrawFilledWall(DeviceContext& dc) const {
    const WallPoints p = InternalPoints(*this, ViewMap{});
    FilledBody(dc, p[1], p[2], p[3], p[4]);
}

void TIntwallobj::DrawScaledFilledWall(DeviceContext& dc, int divisor, int height, int offset) const {
    const WallPoints p = InternalPoints(*this, BitmapMap(divisor, height, offset));
    FilledBody(dc, p[1], p[2], p[3], p[4]);
}

void TIntwallobj::DrawPatternWall(DeviceContext& dc, int overlay) const {
    const InternalHatch h = MakeInternalHatch(*this, ViewMap{}, false);
    Pen face{FaceColour(*this, overlay), paint_mapping::Product(penWidth, Shared.PenWidthFactor),
             PenStyle::Solid};
    const bool haveFacePen = StyledPen(penStyle, face.style);
    const Pen hatch{HatchColour(*this, overlay), paint_mapping::Product(penWidth, Shared.PenWidthFactor / 2),
                    PenStyle::Solid};
    PatternWall(
        dc, face, haveFacePen, hatch, [&] { InternalOutline(dc, h.points); },
        [&] { HatchInternalWall(dc, h); });
}

void TIntwallobj::DrawScaledPatternWall(DeviceContext& dc, int overlay, int divisor, int height,
                                        int offset) const {
    const InternalHatch h = MakeInternalHatch(*this, BitmapMap(divisor, height, offset), true);
    Pen face{FaceColour(*this, overlay), penWidth, PenStyle::Solid};
    const bool haveFacePen = StyledPen(penStyle, face.style);
    const Pen hatch{HatchColour(*this, overlay), penWidth, PenStyle::Solid};
    PatternWall(
        dc, face, haveFacePen, hatch, [&] { InternalOutline(dc, h.points); },
        [&] { HatchInternalWall(dc, h); });
}

void TExtwallobj::Draw(DeviceContext& dc) const {
    ExternalOutline(dc, ExternalPoints(*this, ViewMap{}), ewall2);
}

void TExtwallobj::DrawScaled(DeviceContext& dc, int divisor, int height, int offset) const {
    ExternalOutline(dc, ExternalPoints(*this, BitmapMap(divisor, height, offset)), ewall2);
}

void TExtwallobj::DrawFilledWall(DeviceContext& dc) const {
    ExternalFilled(dc, ExternalPoints(*this, ViewMap{}), ewall2);
}

void TExtwallobj::DrawScaledFilledWall(DeviceContext& dc, int divisor, int height, int offset) const {
    ExternalFilled(dc, ExternalPoints(*this, BitmapMap(divisor, height, offset)), ewall2);
}

void TExtwallobj::DrawPatternWall(DeviceContext& dc, int overlay) const {
    const ExternalHatch h = MakeExternalHatch(*this, ViewMap{}, false);
    const Pen face{FaceColour(*this, overlay), paint_mapping::Product(penWidth, Shared.PenWidthFactor),
                   PenStyle::Solid};
    const Pen hatch{HatchColour(*this, overlay), paint_mapping::Product(penWidth, Shared.PenWidthFactor / 2),
                    PenStyle::Solid};
    PatternWall(
        dc, face, true, hatch, [&] { ExternalOutline(dc, h.points, ewall2); },
        [&] { HatchExternalWall(dc, h); });
}

void TExtwallobj::DrawScaledPatternWall(DeviceContext& dc, int overlay, int divisor, int height,
                                        int offset) const {
    const ExternalHatch h = MakeExternalHatch(*this, BitmapMap(divisor, height, offset), true);
    const Pen face{FaceColour(*this, overlay), penWidth, PenStyle::Solid};
    const Pen hatch{HatchColour(*this, overlay), penWidth, PenStyle::Solid};
    PatternWall(
        dc, face, true, hatch, [&] { ExternalOutline(dc, h.points, ewall2); },
        [&] { HatchExternalWall(dc, h); });
}
