// What the shapes, texts, polygons, dimensions and rooms put on a device context, on the view (Draw)
// and in the bitmap export (DrawScaled), as the recording surface logs it.
#include "model/drawing_list.h"
#include "model/drawing_objects.h"
#include "model/shared_state.h"
#include "platform/device_context.h"
#include "platform/recording_surface.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

using namespace platform;

namespace {

class ShapeDrawing : public testing::Test {
  protected:
    void SetUp() override {
        ResetSharedState();
        Shared.Scale = 5;
        Shared.PenWidthFactor = 5;
        surface.Clear();
    }
    void TearDown() override {
        DrawingList.FontName.clear();
        ResetSharedState();
    }

    // The calls, one "Name args" each, leaving out the state they drew with.
    std::vector<std::string> Names() const {
        std::vector<std::string> out;
        for (const DrawCall& call : surface.Calls()) {
            std::string line = call.name;
            for (int a : call.args)
                line += " " + std::to_string(a);
            if (!call.text.empty()) line += " \"" + call.text + "\"";
            out.push_back(line);
        }
        return out;
    }

    static std::unique_ptr<TTextobj> Text(const char* words, int escapement, int alignment,
                                          int weight = 400) {
        auto text = std::make_unique<TTextobj>();
        text->type = 4;
        text->x1 = 1000, text->y1 = 2000;
        text->escapement = escapement;
        text->alignment = alignment;
        text->weight = weight;
        text->size = 10;
        text->colour = static_cast<int>(Rgb(0, 128, 0));
        SetObjectString(text->text, text->textLength, words);
        SetObjectString(text->fontName, text->fontNameLength, "Liberation Sans");
        return text;
    }

    static std::unique_ptr<TRoomobj> Room(const char* name, int width) {
        auto room = std::make_unique<TRoomobj>();
        room->x1 = 1000, room->y1 = 5000, room->x2 = 1000 + width, room->y2 = 2000;
        room->width = width;
        room->length = 3000;
        room->textSize = 10;
        room->fillColour = static_cast<int>(Rgb(255, 255, 200));
        SetObjectString(room->name, room->nameLength, name);
        SetObjectString(room->label1, room->label1Length, "3000 x 3000");
        SetObjectString(room->label2, room->label2Length, "9.0 m2");
        return room;
    }

    RecordingSurface surface;
    DeviceContext dc{surface};
};

} // namespace

TEST_F(ShapeDrawing, OutlinesKeepWhatLiesInsideVisible) {
    TEllipseobj ellipse;
    ellipse.x1 = 100, ellipse.y1 = 900, ellipse.x2 = 600, ellipse.y2 = 400;
    ellipse.Draw(dc);
    TCircleobj circle;
    circle.x1 = 0, circle.y1 = 500, circle.x2 = 500, circle.y2 = 0;
    circle.Draw(dc);
    TRectangleobj rectangle;
    rectangle.x1 = 10, rectangle.y1 = 20, rectangle.x2 = 30, rectangle.y2 = 40;
    rectangle.Draw(dc);
    EXPECT_EQ(Names(),
              (std::vector<std::string>{"SelectBrush 1 0 0", "Ellipse 20 180 120 80", "SelectBrush 1 0 0",
                                        "Ellipse 0 100 100 0", "SelectBrush 1 0 0", "Rectangle 2 4 6 8"}));
    for (const char* figure : {"Ellipse", "Rectangle"})
        for (const DrawCall& call : surface.CallsNamed(figure))
            EXPECT_EQ(call.brush.style, BrushStyle::Null);
}

TEST_F(ShapeDrawing, RoundedCornersAreTwiceTheRadiusDividedAfterDoubling) {
    TRndrectobj shape;
    shape.x1 = 1000, shape.y1 = 2000, shape.x2 = 3000, shape.y2 = 500;
    shape.corner = 7;
    shape.Draw(dc);
    shape.DrawScaled(dc, 25, 0, 0);
    const auto rounds = surface.CallsNamed("RoundRect");
    ASSERT_EQ(rounds.size(), 2u);
    EXPECT_EQ(rounds[0].args, (std::vector<int>{200, 400, 600, 100, 2, 2}));
    EXPECT_EQ(rounds[1].args[4], 0) << "(2 x 7) / 25";
    EXPECT_EQ(rounds[1].args[5], 0);
}

TEST_F(ShapeDrawing, ArcsAndLinesMapEveryPoint) {
    TArcobj arc;
    arc.x1 = 0, arc.y1 = 1000, arc.x2 = 1000, arc.y2 = 0, arc.startX = 1000, arc.startY = 500, arc.endX = 500,
    arc.endY = 1000;
    arc.Draw(dc);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Arc 0 200 200 0 200 100 100 200"}));

    // The bitmap: x / d - BitmapLeft, (H - y) / d + offset.
    surface.Clear();
    Shared.BitmapLeft = 30;
    TLineobj line;
    line.x1 = 1000, line.y1 = 2000, line.x2 = 3499, line.y2 = -1000;
    line.DrawScaled(dc, 25, 5000, 40);
    EXPECT_EQ(Names(), (std::vector<std::string>{"MoveTo 10 160", "LineTo 109 280"}));
}

TEST_F(ShapeDrawing, TextWeightFontAndColourComeFromTheText) {
    Text("Hall", 0, 1, 499)->Draw(dc);
    Text("Hall", 0, 1, 500)->Draw(dc);
    const auto fonts = surface.CallsNamed("SelectFont");
    ASSERT_EQ(fonts.size(), 4u) << "each text selects its font and then the earlier one back";
    EXPECT_EQ(fonts[0].args, (std::vector<int>{50, 0, 400})) << "height 10 x Scale";
    EXPECT_EQ(fonts[2].args[2], 700);
    const auto texts = surface.CallsNamed("TextOut");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].font.face, "Liberation Sans");
    EXPECT_EQ(texts[0].font.pitchAndFamily, VariablePitch);
    EXPECT_EQ(texts[0].font.quality, ProofQuality);
    EXPECT_EQ(texts[0].textColour, Rgb(0, 128, 0));
    EXPECT_EQ(texts[0].backgroundMode, BackgroundMode::Transparent);
    EXPECT_EQ(texts[0].args, (std::vector<int>{200, 400, 4}));
    EXPECT_EQ(dc.CurrentFont(), Font{}) << "the context's own font is back";
}

TEST_F(ShapeDrawing, AlignmentFollowsTheCodeAndEscapement) {
    struct Case {
        int code;
        int escapement;
        unsigned align;
    };
    const unsigned keep = 99; // no alignment set: the context keeps what it had
    for (Case c :
         {Case{1, 0, TextAlign::Bottom | TextAlign::Center},
          Case{1, 2700, TextAlign::Bottom | TextAlign::Left}, Case{1, 900, keep},
          Case{2, 0, TextAlign::Bottom | TextAlign::Left}, Case{3, 2700, TextAlign::Bottom | TextAlign::Left},
          Case{4, 0, TextAlign::Top | TextAlign::Center}, Case{5, 0, TextAlign::Top | TextAlign::Left},
          Case{6, 2700, TextAlign::Bottom | TextAlign::Center}, Case{0, 0, keep}, Case{7, 0, keep}}) {
        dc.SetTextAlign(keep);
        surface.Clear();
        Text("Bath", c.escapement, c.code)->Draw(dc);
        const auto texts = surface.CallsNamed("TextOut");
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].textAlign, c.align) << "code " << c.code << " escapement " << c.escapement;
    }
}

TEST_F(ShapeDrawing, TextWithoutAlignmentKeepsThatOfTheTextBefore) {
    Text("Store", 0, 4)->Draw(dc);
    Text("WC", 0, 8)->Draw(dc);
    const auto texts = surface.CallsNamed("TextOut");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1].textAlign, TextAlign::Top | TextAlign::Center);
}

TEST_F(ShapeDrawing, TextShowsExactlyItsStoredLength) {
    auto text = Text("Kitchen and dining", 0, 1);
    text->textLength = 7;
    text->Draw(dc);
    text->textLength = 500; // a damaged length never reads past the field
    text->Draw(dc);
    const auto texts = surface.CallsNamed("TextOut");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "Kitchen");
    EXPECT_EQ(texts[1].text, "Kitchen and dining");
}

TEST_F(ShapeDrawing, BitmapTurnsTheEscapementForTheDrawingOnly) {
    Shared.BitmapLeft = 10;
    auto text = Text("LANDING", 2700, 1);
    text->DrawScaled(dc, 25, 5000, 100);
    const auto fonts = surface.CallsNamed("SelectFont");
    ASSERT_FALSE(fonts.empty());
    EXPECT_EQ(fonts[0].args, (std::vector<int>{10, 900, 400})) << "the stored size, turned to 900";
    EXPECT_EQ(text->escapement, 2700);
    const auto texts = surface.CallsNamed("TextOut");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].args, (std::vector<int>{30, 220, 7}));
    // Anchored as on the view, where it reads the same way.
    EXPECT_EQ(texts[0].textAlign, TextAlign::Bottom | TextAlign::Left);

    surface.Clear();
    for (int stored : {0, 450, 900, 2699, 3150}) {
        auto turned = Text("x", stored, 2);
        turned->DrawScaled(dc, 25, 0, 0);
    }
    std::vector<int> drawn;
    for (const DrawCall& call : surface.CallsNamed("TextOut"))
        drawn.push_back(call.font.escapement);
    EXPECT_EQ(drawn, (std::vector<int>{0, 3150, 900, 2699, 450}));
}

TEST_F(ShapeDrawing, PolygonsByTypeCode) {
    TPolyobj polygon;
    polygon.count = 3;
    polygon.x[0] = 0, polygon.y[0] = 0, polygon.x[1] = 500, polygon.y[1] = 0, polygon.x[2] = 500,
    polygon.y[2] = 500;
    polygon.fillColour = static_cast<int>(Rgb(0, 0, 255));

    polygon.type = 120;
    polygon.Draw(dc);
    EXPECT_TRUE(surface.Calls().empty());
    TOpeningobj opening;
    opening.count = 3;
    opening.Draw(dc);
    EXPECT_TRUE(surface.Calls().empty());

    polygon.type = 100;
    polygon.Draw(dc);
    EXPECT_EQ(Names(), (std::vector<std::string>{"SelectBrush 0 " + std::to_string(Rgb(0, 0, 255)) + " 0",
                                                 "Polygon 3", "SelectBrush 0 16777215 0"}));
    EXPECT_EQ(surface.CallsNamed("Polygon")[0].logical, (std::vector<Point>{{0, 0}, {100, 0}, {100, 100}}));

    surface.Clear();
    polygon.type = 140;
    polygon.Draw(dc);
    EXPECT_EQ(Names(), (std::vector<std::string>{"MoveTo 0 0", "LineTo 100 0", "MoveTo 100 0",
                                                 "LineTo 100 100", "MoveTo 100 100", "LineTo 0 0"}));
}

TEST_F(ShapeDrawing, ArrowDrawsShaftBarbsAndBarInOrder) {
    TArrowobj arrow;
    arrow.x1 = 1000, arrow.y1 = 1000, arrow.x2 = 5000, arrow.y2 = 1000;
    arrow.ax1 = 1100, arrow.ay1 = 1050, arrow.ax2 = 1100, arrow.ay2 = 950;
    arrow.ax3 = 1000, arrow.ay3 = 900, arrow.ax4 = 1000, arrow.ay4 = 1100;
    arrow.Draw(dc);
    EXPECT_EQ(Names(), (std::vector<std::string>{"MoveTo 200 200", "LineTo 1000 200", "MoveTo 200 200",
                                                 "LineTo 220 210", "MoveTo 200 200", "LineTo 220 190",
                                                 "MoveTo 200 180", "LineTo 200 220"}));
}

TEST_F(ShapeDrawing, RoomFillsThenLabelsBelowTheNameWhenItFits) {
    DrawingList.FontName = "Liberation Sans";
    Shared.DrawingColour = Rgb(0, 0, 90);
    Shared.CurrentView = 50;
    Room("HALL", 3000)->Draw(dc);
    const auto rectangles = surface.CallsNamed("Rectangle");
    ASSERT_EQ(rectangles.size(), 1u);
    EXPECT_EQ(rectangles[0].args, (std::vector<int>{200, 1000, 800 + 5, 400 - 5}));
    EXPECT_EQ(rectangles[0].brush, Brush::SolidBrush(Rgb(255, 255, 200)));
    // Fixed metrics: a cell of 50 logical units, characters 25 wide; 4 x 25 fits in 3000.
    const auto texts = surface.CallsNamed("TextOut");
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].args, (std::vector<int>{500, 700, 4}));
    EXPECT_EQ(texts[1].args, (std::vector<int>{500, 650, 11}));
    EXPECT_EQ(texts[2].args, (std::vector<int>{500, 600, 6}));
    for (const DrawCall& text : texts) {
        EXPECT_EQ(text.font.weight, 700);
        EXPECT_EQ(text.font.escapement, 0);
        EXPECT_EQ(text.backgroundMode, BackgroundMode::Opaque);
        EXPECT_EQ(text.textColour, Rgb(0, 0, 90));
        EXPECT_EQ(text.textAlign, TextAlign::Bottom | TextAlign::Center);
    }
    EXPECT_EQ(dc.GetBkMode(), BackgroundMode::Transparent);
    EXPECT_EQ(dc.CurrentFont(), Font{});
}

TEST_F(ShapeDrawing, RoomWithTooWideANameTurnsItsLabels) {
    DrawingList.FontName = "Liberation Sans";
    // 25 x 11 characters is more than the room's 200 drawing units.
    Room("LIVING ROOM", 200)->Draw(dc);
    const auto fonts = surface.CallsNamed("SelectFont");
    ASSERT_EQ(fonts.size(), 3u);
    EXPECT_EQ(fonts[0].args, (std::vector<int>{50, 0, 700}));
    EXPECT_EQ(fonts[1].args, (std::vector<int>{50, 2700, 700}));
    const auto texts = surface.CallsNamed("TextOut");
    ASSERT_EQ(texts.size(), 3u);
    // Centre (1000 + 100, 5000 - 1500) / 5; the labels (50 / 3) x 2 to either side.
    EXPECT_EQ(texts[0].args[0], 220);
    EXPECT_EQ(texts[0].args[1], 700);
    EXPECT_EQ(texts[1].args[0], 220 + 32);
    EXPECT_EQ(texts[2].args[0], 220 - 32);
    EXPECT_EQ(texts[2].args[1], 700);
    EXPECT_EQ(texts[1].font.escapement, 2700);
}

TEST_F(ShapeDrawing, RoomsAreBlankedWhileCornersAreMarked) {
    Shared.BackgroundColour = Rgb(20, 20, 20);
    for (int view : {44, 45, 49, 50}) {
        Shared.CurrentView = view;
        surface.Clear();
        Room("BED", 3000)->Draw(dc);
        const ColourRef expected = view >= 45 && view <= 49 ? Rgb(20, 20, 20) : Rgb(255, 255, 200);
        EXPECT_EQ(surface.CallsNamed("Rectangle")[0].brush.colour, expected) << "view " << view;
    }
}

TEST_F(ShapeDrawing, BitmapRoomOutlinesFillsAndLabelsDownwards) {
    DrawingList.FontName = "Liberation Sans";
    Shared.BitmapLeft = 20;
    Shared.TextSize = 9;
    Shared.PenWidthFactor = 2;
    Shared.CurrentView = 45; // the export shows the room's own colour whatever the view
    Room("HALL", 3000)->DrawScaled(dc, 25, 7500, 50);
    // (40 - 20, (7500 - 5000) / 25 + 50) with a box of 120 x 120.
    const std::vector<std::string> expected{"MoveTo 20 150",  "LineTo 140 150", "MoveTo 140 150",
                                            "LineTo 140 270", "MoveTo 140 270", "LineTo 20 270",
                                            "MoveTo 20 270",  "LineTo 20 150"};
    const auto names = Names();
    ASSERT_GE(names.size(), 9u);
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 8), expected);
    const auto rectangles = surface.CallsNamed("Rectangle");
    ASSERT_EQ(rectangles.size(), 1u);
    EXPECT_EQ(rectangles[0].args, (std::vector<int>{20, 150, 141, 271}));
    EXPECT_EQ(rectangles[0].brush.colour, Rgb(255, 255, 200));
    const auto texts = surface.CallsNamed("TextOut");
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].font.height, 18) << "TextSize x PenWidthFactor";
    EXPECT_EQ(texts[0].args, (std::vector<int>{80, 210, 4}));
    EXPECT_EQ(texts[1].args, (std::vector<int>{80, 228, 11}));
    EXPECT_EQ(texts[2].args, (std::vector<int>{80, 246, 6}));
}

TEST_F(ShapeDrawing, PlainObjectsAndInformationRecordsDrawNothing) {
    TObject plain;
    TInfoobj info;
    plain.Draw(dc);
    plain.DrawScaled(dc, 25, 0, 0);
    info.Draw(dc);
    info.DrawFilledWall(dc);
    info.DrawPatternWall(dc, 1);
    info.DrawScaled(dc, 25, 0, 0);
    EXPECT_TRUE(surface.Calls().empty());
}

TEST_F(ShapeDrawing, SizesAndPlacesPastTheIntRangeAreHeldAtItsEnds) {
    // A damaged drawing may hold any number: what a size or a place works out to past the int range is
    // held at the range's end, on the view and in the bitmap, and nothing else changes.
    auto text = Text("Big", 0, 5);
    text->size = 1 << 30; // times Scale 5
    text->Draw(dc);
    text->size = -(1 << 30);
    text->Draw(dc);
    auto texts = surface.CallsNamed("TextOut");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].font.height, INT_MAX);
    EXPECT_EQ(texts[1].font.height, INT_MIN);

    surface.Clear();
    TRndrectobj rounded;
    rounded.x1 = 0, rounded.y1 = 0, rounded.x2 = 500, rounded.y2 = 500;
    rounded.corner = INT_MAX;
    rounded.Draw(dc);
    EXPECT_EQ(surface.CallsNamed("RoundRect")[0].args[4], 858993458) << "(2 x 2147483647) / 5, doubled wide";

    // A room at the far end of the coordinates with a font too tall for them, seen zoomed out so far
    // that its lines are taller than the coordinates reach: the centre is worked out wide, the label
    // lines below it are held at the bottom of the range.
    surface.Clear();
    dc.SetMapMode(MapMode::Isotropic);
    dc.SetWindowExt(1 << 20, 1 << 20);
    dc.SetViewportExt(1, -1);
    DrawingList.FontName = "Liberation Sans";
    auto room = Room("X", 0); // short enough a name to stand upright even in that font
    room->width = INT_MAX;
    room->x1 = INT_MAX - 10;
    room->x2 = INT_MAX;
    room->textSize = 1 << 30;
    room->Draw(dc);
    const auto rectangles = surface.CallsNamed("Rectangle");
    ASSERT_EQ(rectangles.size(), 1u);
    EXPECT_EQ(rectangles[0].args[2], INT_MAX / 5 + 5) << "x2 / Scale + PenWidthFactor";
    texts = surface.CallsNamed("TextOut");
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].font.height, INT_MAX);
    EXPECT_EQ(texts[0].args[0], static_cast<int>((INT_MAX - 10LL + INT_MAX / 2) / 5));
    EXPECT_EQ(texts[0].args[1], 700) << "(5000 - 3000 / 2) / 5";
    EXPECT_EQ(texts[1].args[1], 700 - INT_MAX);
    EXPECT_EQ(texts[2].args[1], INT_MIN);

    // The bitmap: the box from the far right edge, the labels in the global text size.
    surface.Clear();
    Shared.BitmapLeft = 0;
    Shared.TextSize = 1 << 30;
    room->DrawScaled(dc, 1, 0, 0);
    EXPECT_EQ(surface.CallsNamed("Rectangle")[0].args[2], INT_MAX);
    texts = surface.CallsNamed("TextOut");
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].font.height, INT_MAX) << "TextSize x PenWidthFactor";
    EXPECT_EQ(texts[0].args[0], INT_MAX) << "the centre of a box reaching past the range";
    EXPECT_EQ(texts[2].args[1], INT_MAX);
}
