// A sample ground-floor plan holding every kind of drawing object, painted as the view paints it
// (PaintAll into a raster surface with the view's mapping) and compared with the approved
// picture in tests/fixtures/paint. Run with KORVANE_APPROVE_PAINT=1 to write a new approved picture
// after a deliberate change, and look at it before committing it.
#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "platform/device_context.h"
#include "platform/pixel_buffer.h"
#include "platform/qt/image_io.h"
#include "platform/qt/text_renderer_factory.h"
#include "platform/raster_surface.h"
#include "test_support.h"
#include "view/whole_view_painting.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <utility>

using namespace platform;

namespace {

constexpr int Width = 800;
constexpr int Height = 600;
constexpr ColourRef Black = Rgb(0, 0, 0);
constexpr ColourRef White = Rgb(255, 255, 255);
constexpr ColourRef DimensionBlue = Rgb(0, 0, 160);
constexpr const char* Face = "Liberation Sans"; // installed with the build's fonts, so the text repeats

template <typename T> T& Place(TList& list, int type, ColourRef colour = Black) {
    auto object = std::make_unique<T>();
    object->view = 50;
    object->number = 10000 + list.count;
    object->type = type;
    object->colour = static_cast<int>(colour);
    T& placed = *object;
    list.Add(std::move(object));
    return placed;
}

void Room(TList& list, const char* name, const char* size, const char* area, int left, int top, int right,
          int bottom, ColourRef fill) {
    auto& room = Place<TRoomobj>(list, 29000);
    room.x1 = left, room.y1 = top, room.x2 = right, room.y2 = bottom;
    room.width = right - left;
    room.length = top - bottom;
    room.textSize = 9;
    room.fillColour = static_cast<int>(fill);
    SetObjectString(room.name, room.nameLength, name);
    SetObjectString(room.label1, room.label1Length, size);
    SetObjectString(room.label2, room.label2Length, area);
}

// One side of a clockwise cavity-wall outline: the outer face from a to b, the further faces on the
// inner rectangles 102, 152 and 252 in from the outer one.
void ExternalWall(TList& list, int side, int left, int bottom, int right, int top) {
    static const int bearings[4] = {0, 900, 1800, 2700};
    auto corner = [&](int which, int inset) {
        const int x = (which == 0 || which == 1) ? left + inset : right - inset;
        const int y = (which == 1 || which == 2) ? top - inset : bottom + inset;
        return Point{x, y};
    };
    auto& wall = Place<TExtwallobj>(list, 1000);
    const Point a = corner(side, 0), b = corner((side + 1) % 4, 0);
    wall.x1 = a.x, wall.y1 = a.y, wall.x2 = b.x, wall.y2 = b.y;
    wall.ewall1 = 102, wall.ewall2 = 50, wall.ewall3 = 100, wall.ewall6 = bearings[side];
    const Point f1a = corner(side, 102), f1b = corner((side + 1) % 4, 102);
    const Point f2a = corner(side, 152), f2b = corner((side + 1) % 4, 152);
    const Point f3a = corner(side, 252), f3b = corner((side + 1) % 4, 252);
    wall.f1x1 = f1a.x, wall.f1y1 = f1a.y, wall.f1x2 = f1b.x, wall.f1y2 = f1b.y;
    wall.f2x1 = f2a.x, wall.f2y1 = f2a.y, wall.f2x2 = f2b.x, wall.f2y2 = f2b.y;
    wall.f3x1 = f3a.x, wall.f3y1 = f3a.y, wall.f3x2 = f3b.x, wall.f3y2 = f3b.y;
}

void InternalWall(TList& list, Point a, Point b, Point c, Point d, int bearing) {
    auto& wall = Place<TIntwallobj>(list, 1500, Rgb(70, 70, 70));
    wall.x1 = a.x, wall.y1 = a.y, wall.x2 = b.x, wall.y2 = b.y;
    wall.fx1 = c.x, wall.fy1 = c.y, wall.fx2 = d.x, wall.fy2 = d.y;
    wall.iwall1 = 100;
    wall.iwall6 = bearing;
}

void Line(TList& list, int x1, int y1, int x2, int y2, int style = 0, ColourRef colour = Black) {
    auto& line = Place<TLineobj>(list, 1, colour);
    line.x1 = x1, line.y1 = y1, line.x2 = x2, line.y2 = y2;
    line.penStyle = style;
}

void Polygon(TList& list, int type, std::initializer_list<Point> points, ColourRef fill,
             ColourRef colour = Black) {
    auto& polygon = Place<TPolyobj>(list, type, colour);
    for (const Point& p : points) {
        polygon.x[polygon.count] = p.x;
        polygon.y[polygon.count] = p.y;
        ++polygon.count;
    }
    polygon.fillColour = static_cast<int>(fill);
}

void Text(TList& list, int type, const char* words, int x, int y, int escapement, int alignment, int size,
          int weight = 400, ColourRef colour = Black) {
    auto& text = Place<TTextobj>(list, type, colour);
    text.x1 = x, text.y1 = y;
    text.escapement = escapement;
    text.alignment = alignment;
    text.size = size;
    text.weight = weight;
    SetObjectString(text.text, text.textLength, words);
    SetObjectString(text.fontName, text.fontNameLength, Face);
}

// A dimension from tip to tail with its barbs and the bar across the tip, drawn along x or y.
void Dimension(TList& list, Point tip, Point tail) {
    auto& arrow = Place<TArrowobj>(list, 25000, DimensionBlue);
    arrow.x1 = tip.x, arrow.y1 = tip.y, arrow.x2 = tail.x, arrow.y2 = tail.y;
    const int dx = tail.x > tip.x ? 150 : (tail.x < tip.x ? -150 : 0);
    const int dy = tail.y > tip.y ? 150 : (tail.y < tip.y ? -150 : 0);
    arrow.ax1 = tip.x + dx + dy / 3, arrow.ay1 = tip.y + dy + dx / 3;
    arrow.ax2 = tip.x + dx - dy / 3, arrow.ay2 = tip.y + dy - dx / 3;
    arrow.ax3 = tip.x - dy, arrow.ay3 = tip.y - dx;
    arrow.ax4 = tip.x + dy, arrow.ay4 = tip.y + dx;
}

// A house of 12 x 7 metres with three rooms, a door, windows, furniture, dimensions and its title.
void MakeSamplePlan(TList& list) {
    const int left = 2000, bottom = 3000, right = 14000, top = 10000;
    Room(list, "LIVING ROOM", "4.75 x 6.50 m", "30.9 sq m", 2252, 9748, 7000, 3252, Rgb(255, 248, 220));
    Room(list, "KITCHEN", "6.65 x 3.15 m", "20.9 sq m", 7100, 9748, 13748, 6600, Rgb(225, 242, 255));
    Room(list, "BEDROOM", "6.65 x 3.25 m", "21.6 sq m", 7100, 6500, 13748, 3252, Rgb(232, 250, 228));
    for (int side = 0; side < 4; ++side)
        ExternalWall(list, side, left, bottom, right, top);
    InternalWall(list, {7000, 3252}, {7000, 9748}, {7100, 3252}, {7100, 9748}, 0);
    InternalWall(list, {7100, 6500}, {13748, 6500}, {7100, 6600}, {13748, 6600}, 900);
    InternalWall(list, {2252, 5500}, {4252, 3500}, {2323, 5571}, {4323, 3571}, 1350); // a corner cupboard

    // Windows: the wall blanked, a frame and the glass line.
    Polygon(list, 100, {{9500, 10000}, {11500, 10000}, {11500, 9748}, {9500, 9748}}, White);
    Line(list, 9500, 9874, 11500, 9874);
    Polygon(list, 100, {{3500, 10000}, {5800, 10000}, {5800, 9748}, {3500, 9748}}, White);
    Line(list, 3500, 9874, 5800, 9874);
    Polygon(list, 100, {{14000, 4200}, {14000, 5800}, {13748, 5800}, {13748, 4200}}, White);
    Line(list, 13874, 4200, 13874, 5800);
    // The door from the living room to the kitchen: gap, leaf and swing.
    Polygon(list, 100, {{7000, 8000}, {7100, 8000}, {7100, 8800}, {7000, 8800}}, White, White);
    Line(list, 7100, 8000, 7900, 8000);
    auto& swing = Place<TArcobj>(list, 3);
    swing.x1 = 6300, swing.y1 = 8800, swing.x2 = 7900, swing.y2 = 7200;
    swing.startX = 7900, swing.startY = 8000, swing.endX = 7100, swing.endY = 8800;
    auto& opening = Place<TOpeningobj>(list, 28000); // kept for the commands; draws nothing
    opening.count = 2;
    opening.x[1] = 900;

    // Furniture.
    Polygon(list, 100,
            {{7300, 9700}, {13700, 9700}, {13700, 7300}, {13100, 7300}, {13100, 9100}, {7300, 9100}},
            Rgb(215, 215, 215));
    auto& sink = Place<TRndrectobj>(list, 8, Rgb(0, 90, 140));
    sink.x1 = 11700, sink.y1 = 9650, sink.x2 = 12900, sink.y2 = 9150, sink.corner = 150;
    auto& basin = Place<TEllipseobj>(list, 5, Rgb(0, 90, 140));
    basin.x1 = 11850, basin.y1 = 9580, basin.x2 = 12750, basin.y2 = 9220;
    auto& table = Place<TCircleobj>(list, 6, Rgb(120, 70, 20));
    table.x1 = 8400, table.y1 = 8700, table.x2 = 9600, table.y2 = 7500;
    auto& bed = Place<TRectangleobj>(list, 7, Rgb(40, 40, 160));
    bed.x1 = 11200, bed.y1 = 5800, bed.x2 = 13400, bed.y2 = 3700;
    bed.penWidth = 2;
    auto& sofa = Place<TRectangleobj>(list, 7, Rgb(120, 70, 20));
    sofa.x1 = 4700, sofa.y1 = 5900, sofa.x2 = 6700, sofa.y2 = 5100;
    Polygon(list, 140, {{3300, 9000}, {6200, 9000}, {6200, 7100}, {3300, 7100}}, White,
            Rgb(160, 0, 0)); // rug

    // The porch in front: a dotted canopy and a dashed step.
    auto& canopy = Place<TArcobj>(list, 3, Rgb(90, 90, 90));
    canopy.x1 = 3200, canopy.y1 = 3800, canopy.x2 = 4800, canopy.y2 = 2200;
    canopy.startX = 3200, canopy.startY = 3000, canopy.endX = 4800, canopy.endY = 3000;
    canopy.penStyle = 2;
    canopy.penWidth = 2;
    Line(list, 3000, 2100, 5000, 2100, 1, Rgb(90, 90, 90));
    Text(list, 4, "Porch", 4000, 2500, 0, 6, 8);

    // Dimensions with their texts, the floor area record and the title.
    Dimension(list, {left, 10700}, {right, 10700});
    Dimension(list, {right, 10700}, {left, 10700});
    Text(list, 34, "12000", 8000, 10760, 0, 1, 9, 400, DimensionBlue);
    Dimension(list, {1300, bottom}, {1300, top});
    Dimension(list, {1300, top}, {1300, bottom});
    Text(list, 34, "7000", 1240, 6500, 2700, 1, 9, 400, DimensionBlue);
    auto& area = Place<TInfoobj>(list, 32000);
    area.value = 84;
    Text(list, 37, "GROUND FLOOR PLAN", 8000, 1500, 0, 1, 12, 700);
}

// Paints the sample plan as the view does on a repaint: cleared to the background, then PaintAll.
PixelBuffer PaintSamplePlan() {
    ResetSharedState();
    Shared.Units = 1;
    Shared.Scale = 5;
    Shared.PenWidthFactor = 5;
    Shared.Zoom = 4.0f;
    Shared.ClientWidth = Width * 4;
    Shared.ClientHeight = Height * 4;
    Shared.CurrentView = 50;
    Shared.DisplayMode = 10;
    Shared.TextSize = 10;
    const std::string savedFont = DrawingList.FontName;
    DrawingList.FontName = Face;

    TList list;
    MakeSamplePlan(list);
    std::unique_ptr<TextRenderer> text = qt::MakeTextRenderer();
    PixelBuffer buffer(Width, Height, PixelFromColour(Shared.BackgroundColour));
    RasterSurface surface(buffer, *text);
    DeviceContext dc(surface);
    PaintAll(list, dc, Rect{0, 0, Width, Height});

    DrawingList.FontName = savedFont;
    ResetSharedState();
    return buffer;
}

} // namespace

TEST(SamplePlanPicture, PaintsAsApproved) {
    const PixelBuffer painted = PaintSamplePlan();
    const std::filesystem::path approvedPath = test_support::Fixture("paint/sample_plan.png");
    if (std::getenv("KORVANE_APPROVE_PAINT") != nullptr) {
        std::filesystem::create_directories(approvedPath.parent_path());
        ASSERT_TRUE(qt::SavePng(painted, approvedPath.string()));
    }
    PixelBuffer approved;
    ASSERT_TRUE(qt::LoadPng(approvedPath.string(), approved)) << approvedPath;
    ASSERT_EQ(approved.PixelSize(), painted.PixelSize());

    int differing = 0;
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            differing += (painted.Pixel(x, y) & 0xFFFFFFu) != (approved.Pixel(x, y) & 0xFFFFFFu);
    // Text may differ by a pixel here and there with the font rasteriser's version; the geometry may not.
    const int allowed = Width * Height / 500;
    if (differing > allowed) {
        const std::filesystem::path seen =
            std::filesystem::temp_directory_path() / "korvane_sample_plan_seen.png";
        qt::SavePng(painted, seen.string());
        FAIL() << differing << " pixels differ from the approved picture (at most " << allowed
               << " may); the picture painted is " << seen;
    }
}
