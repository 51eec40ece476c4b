// The move family on a 600 x 400 view at normal size, where client pixel (px, py) is the drawing point
// (25 px, 25 (400 - py)): which objects a rectangle selects, its rubber band, the zoom window, moving
// and turning the selection, and the copy and erase tools.
#include "model/object_codes.h"
#include "model/symbol_file.h"
#include "model/view_mapping.h"
#include "settings/selection_files.h"
#include "tool_test_support.h"
#include "tools/drawing_view.h"
#include "tools/editing.h"
#include "tools/selection.h"

#include <filesystem>

using namespace platform;
using tool_test::ToolTest;

namespace {

class Selection : public ToolTest {
  protected:
    template <typename Object> Object& Add(int type, int x1, int y1, int x2, int y2, int view = 50) {
        auto object = std::make_unique<Object>();
        object->type = type;
        object->view = view;
        object->x1 = x1, object->y1 = y1, object->x2 = x2, object->y2 = y2;
        Object& added = *object;
        DrawingList.Add(std::move(object));
        return added;
    }
    TPolyobj& AddPolygon(int type, std::vector<Point> points, int view = 50) {
        TPolyobj& polygon = type == type_code::Opening ? Add<TOpeningobj>(type, 0, 0, 0, 0, view)
                                                       : Add<TPolyobj>(type, 0, 0, 0, 0, view);
        polygon.count = static_cast<int>(points.size());
        for (std::size_t k = 0; k < points.size(); ++k)
            polygon.x[k] = points[k].x, polygon.y[k] = points[k].y;
        return polygon;
    }
    TTextobj& AddText(int x1, int y1, const char* characters) {
        TTextobj& text = Add<TTextobj>(4, x1, y1, 0, 0);
        SetObjectString(text.text, text.textLength, characters);
        SetObjectString(text.fontName, text.fontNameLength, "Arial");
        text.alignment = 1;
        text.size = 10;
        text.weight = 400;
        return text;
    }
    // A drag from one drawing point to another, as the view hands it to the tool.
    void Drag(TMoveobjtool& tool, Point from, Point to) {
        const Point a = PixelOf(from.x, from.y);
        const Point b = PixelOf(to.x, to.y);
        Press(tool, a.x, a.y);
        Move(tool, (a.x + b.x) / 2, (a.y + b.y) / 2);
        Release(tool, b.x, b.y);
    }
    std::string Cfg(const char* name) const { return test_support::ReadFile(folder.Path() / "CFG" / name); }
    std::string PasteBuffer() const { return test_support::ReadFile(folder.Path() / "LIBS" / "PASTE.CFG"); }
    void WriteCfg(const char* name, const std::string& text) {
        test_support::WriteFile(folder.Path() / "CFG" / name, text);
    }
    // A selection made by hand, in the selection files.
    void Select(std::vector<int> indices) {
        std::vector<SelectionLine> lines;
        for (int index : indices)
            lines.push_back({index, 0, 0});
        WriteSelection(lines);
    }
    // The move tool holding a selection, its reference point at a drawing point.
    TMoveobjtool& MovingTool(Point reference) {
        move = std::make_unique<TMoveobjtool>();
        move->State = TMoveobjtool::MovingSelection;
        move->RefX = reference.x;
        move->RefY = reference.y;
        return *move;
    }

    std::unique_ptr<TMoveobjtool> move;
};

// A drawing view for the editing operations: the tool it holds, the areas it was asked to repaint.
class EditingView : public DrawingView {
  public:
    explicit EditingView(ViewWindow* window) : window_(window) { SelectPickTool(); }
    ViewWindow* Window() const override { return window_; }
    Rect ClientRect() const override { return {0, 0, 600, 400}; }
    void Invalidate(const Rect* area, bool) override { repainted.push_back(area ? *area : Rect{}); }
    Point CursorInClient() const override { return {}; }
    void PutCursorOn(Point) override {}
    TDrawingtool& Tool() override { return *tool; }
    void SelectPickTool() override {
        tool = std::make_unique<TLineobjtool>();
        tool->Kind = 21;
    }
    void RestoreTool(int) override { tool = std::make_unique<TMoveobjtool>(); }

    std::unique_ptr<TDrawingtool> tool;
    std::vector<Rect> repainted;

  private:
    ViewWindow* window_;
};

TEST_F(Selection, TheRectangleTakesWhatLiesWhollyInsideItByTheRulesOfEachClass) {
    // The rectangle (1000,1000)-(5000,5000), dragged from its upper-right corner.
    Add<TLineobj>(1, 1000, 2000, 3000, 2000);                // 0 one end on the edge
    Add<TLineobj>(1, 1100, 2000, 3000, 2000);                // 1 inside
    AddText(2000, 3000, "a long text running out").x2 = 900; // 2 by its anchor
    AddText(6000, 3000, "T");                                // 3
    TArcobj& arc = Add<TArcobj>(3, 0, 0, 6000, 6000);        // 4 by its two ends
    arc.startX = 2000, arc.startY = 2000, arc.endX = 4000, arc.endY = 2000;
    AddPolygon(100, {{2000, 2000}, {3000, 2000}, {3000, 3000}});        // 5 every point inside
    AddPolygon(100, {{2000, 2000}, {3000, 2000}, {3000, 5000}});        // 6 one on the edge
    AddPolygon(100, {});                                                // 7 no points
    Add<TExtwallobj>(1000, 2000, 2000, 3000, 2000);                     // 8 never
    Add<TRoomobj>(29000, 2000, 3000, 3000, 2000);                       // 9 never
    Add<TInfoobj>(32000, 2000, 2000, 3000, 2000);                       // 10 never
    TIntwallobj& wall = Add<TIntwallobj>(1500, 2000, 2000, 3000, 2000); // 11 erase only
    wall.fx1 = 2000, wall.fy1 = 2100, wall.fx2 = 3000, wall.fy2 = 2100;
    TIntwallobj& open = Add<TIntwallobj>(1500, 2000, 2000, 3000, 2000); // 12 its other face outside
    open.fx1 = 900, open.fy1 = 2100, open.fx2 = 3000, open.fy2 = 2100;
    AddPolygon(28000, {{2000, 2000}, {3000, 2000}}, 51); // 13 an opening of another floor
    Add<TLineobj>(1, 1100, 2000, 3000, 2000, 51);        // 14 a line of another floor
    Add<TEllipseobj>(5, 1100, 1100, 4900, 4900);         // 15

    TMoveobjtool tool;
    Drag(tool, {5000, 5000}, {1000, 1000});
    EXPECT_EQ(Cfg("COPY.CFG"), "1 1000 1000\n2 1000 1000\n4 1000 1000\n5 1000 1000\n7 1000 1000\n"
                               "13 1000 1000\n15 1000 1000\n");
    EXPECT_EQ(Cfg("TEMP.CFG"), "7\n");
    EXPECT_EQ(tool.SelectionCount, 7);
    EXPECT_EQ(tool.State, TMoveobjtool::PlaceSelection);
    EXPECT_EQ(tool.FillMode(), 1);
    EXPECT_EQ((std::vector<int>{tool.SelLeft(), tool.SelRight(), tool.SelBottom(), tool.SelTop()}),
              (std::vector<int>{1000, 5000, 1000, 5000}));

    // The erase tool takes the internal wall whose two lower-left corners are inside, and rewrites the
    // selection from its first line.
    TEraseobjtool erase;
    erase.Amount() = 0;
    Press(erase, 40, 360);
    Release(erase, 200, 200);
    EXPECT_EQ(Cfg("TEMP.CFG"), "8\n");
    ASSERT_EQ(DrawingList.count, 16 - 8);
    for (int i = 0; i < DrawingList.count; ++i)
        EXPECT_NE(DrawingList[i]->type, 5) << i;
    EXPECT_EQ(DrawingList[6]->type, 1500); // the wall with a face outside stays
}

TEST_F(Selection, TheRubberBandShowsAndLeavesNothingBehind) {
    Add<TLineobj>(1, 500, 500, 9000, 9000);
    Shared.DrawingColour = Rgb(0, 0, 0);
    image.Fill(0xFFFFFFFFu);
    const PixelBuffer before = image;
    TMoveobjtool tool;
    OnImage(tool, [&](DeviceContext& dc) { tool.LButtonDown(dc, client, 40, 360); });
    OnImage(tool, [&](DeviceContext& dc) { tool.MouseMove(dc, client, 120, 300); });
    OnImage(tool, [&](DeviceContext& dc) { tool.MouseMove(dc, client, 160, 250); });
    // The band shows, black on white.
    int ink = 0;
    for (int y = 250; y <= 360; ++y)
        ink += image.Pixel(40, y) == 0xFF000000u ? 1 : 0;
    EXPECT_GT(ink, 20);
    // Released elsewhere than the last move: the band last drawn goes all the same.
    Point release{200, 200};
    OnImage(tool, [&](DeviceContext& dc) { tool.LButtonUp(dc, client, release); });
    EXPECT_EQ(image, before);

    TMoveobjtool recorded;
    Press(recorded, 40, 360);
    Move(recorded, 120, 300);
    Release(recorded, 200, 200);
    const std::vector<DrawCall> bands = surface.CallsNamed("Rectangle");
    ASSERT_EQ(bands.size(), 2u);
    EXPECT_EQ(bands[1].device, bands[0].device);
    for (const DrawCall& band : bands) {
        EXPECT_EQ(band.rop, RasterOp::XorPen);
        EXPECT_EQ(band.pen, (Pen{Rgb(0, 0, 0), 0, PenStyle::Dot}));
        EXPECT_EQ(band.brush.style, BrushStyle::Null);
    }
}

TEST_F(Selection, TheZoomRectangleBecomesTheWindow) {
    // Dragged either way, the rectangle is widened to the client's shape.
    for (const auto& [from, to] :
         {std::pair{Point{200, 300}, Point{800, 500}}, {Point{800, 500}, Point{200, 300}}}) {
        Shared.ClientWidth = 3000, Shared.ClientHeight = 2000, Shared.Zoom = 5.0f;
        SetZoomWindow(from, to, client);
        EXPECT_EQ(Shared.ClientWidth, 600);
        EXPECT_EQ(Shared.ClientHeight, 400);
        EXPECT_EQ(Shared.ScrollX, 200);
        EXPECT_EQ(Shared.ScrollY, 300);
        EXPECT_FLOAT_EQ(Shared.Zoom, 1.0f);
    }
    Shared.ClientWidth = 3000, Shared.ClientHeight = 2000, Shared.Zoom = 5.0f;
    SetZoomWindow({800, 900}, {200, 300}, client);
    EXPECT_EQ(Shared.ClientWidth, 900);
    EXPECT_EQ(Shared.ClientHeight, 600);
    EXPECT_EQ(Shared.ScrollX, 200);
    EXPECT_EQ(Shared.ScrollY, 300);
    EXPECT_FLOAT_EQ(Shared.Zoom, 1.5f);

    // A click, a drag along one axis, or a view of no height leaves the window alone.
    Shared.ClientWidth = 3000, Shared.ClientHeight = 2000, Shared.ScrollX = 7, Shared.ScrollY = 8;
    Shared.Zoom = 5.0f;
    SetZoomWindow({200, 300}, {200, 300}, client);
    SetZoomWindow({200, 300}, {800, 300}, client);
    SetZoomWindow({200, 300}, {200, 900}, client);
    SetZoomWindow({200, 300}, {800, 900}, Rect{0, 0, 600, 0});
    EXPECT_EQ(Shared.ClientWidth, 3000);
    EXPECT_EQ(Shared.ClientHeight, 2000);
    EXPECT_EQ(Shared.ScrollX, 7);
    EXPECT_EQ(Shared.ScrollY, 8);
    EXPECT_FLOAT_EQ(Shared.Zoom, 5.0f);

    // The move tool in its zoom state sets the window on the release, and selects nothing.
    Shared.ScrollX = 0, Shared.ScrollY = 0;
    TMoveobjtool tool;
    tool.State = TMoveobjtool::ZoomRectangle;
    Press(tool, 40, 340);
    Move(tool, 100, 300);
    Release(tool, 160, 300);
    EXPECT_EQ(tool.State, TMoveobjtool::ZoomRectangleDone);
    EXPECT_EQ(Shared.ClientWidth, 600);
    EXPECT_EQ(Shared.ClientHeight, 400);
    EXPECT_EQ(Shared.ScrollX, 200);
    EXPECT_EQ(Shared.ScrollY, 300);
}

TEST_F(Selection, PointsTurnClockwiseWithTheShortPi) {
    const Point pivot{5000, 7000};
    const auto turned = [&](int x, int y, int degrees) {
        const Point p = TurnPoint({pivot.x + x, pivot.y + y}, pivot, degrees);
        return Point{p.x - pivot.x, p.y - pivot.y};
    };
    EXPECT_EQ(turned(1000, 0, 90), (Point{0, -999}));
    EXPECT_EQ(turned(1000, 0, 45), (Point{707, -707}));
    EXPECT_EQ(turned(1000, 1000, 45), (Point{1414, 0}));
    EXPECT_EQ(turned(1000, 0, 5), (Point{996, -87}));
    EXPECT_EQ(turned(1000, 0, -5), (Point{996, 87}));
    EXPECT_EQ(turned(1000, 0, 0), (Point{999, 0}));
    EXPECT_EQ(turned(1000, 1000, 0), (Point{1000, 999}));
    EXPECT_EQ(turned(1000, 1000, 360), (Point{1000, 1000}));

    EXPECT_EQ(TurnedTextOrientation(0, 90), 900);
    EXPECT_EQ(TurnedTextOrientation(0, 180), 0);
    EXPECT_EQ(TurnedTextOrientation(0, 270), 900);
    EXPECT_EQ(TurnedTextOrientation(0, -5), -50); // brought back into a turn once only
    EXPECT_EQ(TurnedTextOrientation(3000, 5), 3050);
    EXPECT_EQ(TurnedTextDirection(0, 90), 900);
    EXPECT_EQ(TurnedTextDirection(3600, 0), 0);
}

TEST_F(Selection, ATurnedTextTurnsAboutItsStartAndItsAngles) {
    TTextobj& text = AddText(2000, 3000, "ABCD");
    text.x2 = 0;
    TTextobj& kept = AddText(4000, 3000, "EF");
    kept.alignment = 3, kept.escapement = 1000, kept.x2 = 1200;
    Select({0, 1});
    TMoveobjtool& tool = MovingTool({1000, 1000});
    tool.RotationStep() = 90;
    Point at = PixelOf(1000, 1000);
    int width = 0;
    OnView(tool, [&](DeviceContext& dc) {
        SetViewMapping(dc, client);
        width = dc.GetTextExtent("ABCD").cx;
        tool.RButtonDown(dc, client, at);
    });
    ASSERT_GT(width, 0);
    EXPECT_EQ(text.alignment, 3);
    EXPECT_EQ(text.escapement, 900);
    EXPECT_EQ(text.x2, 900);
    EXPECT_EQ((Point{text.x1, text.y1}), TurnPoint({2000 - width / 2, 3000}, {1000, 1000}, 90));

    EXPECT_EQ(kept.alignment, 3);
    EXPECT_EQ((std::vector<int>{kept.escapement, kept.x2}),
              (std::vector<int>{1000 - 2700 + 3600, 1200 + 900}));

    // A step of 356 to 360 degrees turns positions but not a text's angles, and stays 0 after.
    const std::vector<int> angles{kept.escapement, kept.x2};
    const Point anchor{kept.x1, kept.y1};
    tool.RotationStep() = 358;
    OnView(tool, [&](DeviceContext& dc) { RotateSelection(tool, dc, client, 0, 0); });
    EXPECT_EQ(tool.RotationStep(), 0);
    EXPECT_EQ((std::vector<int>{kept.escapement, kept.x2}), angles);
    EXPECT_NE((Point{kept.x1, kept.y1}), anchor);
}

TEST_F(Selection, ArrowsAndClicksMoveEveryPointOfTheSelectionAlike) {
    TArcobj& arc = Add<TArcobj>(3, 1000, 1000, 2000, 2000);
    arc.startX = 2000, arc.startY = 1500, arc.endX = 1000, arc.endY = 1500;
    TArrowobj& arrow = Add<TArrowobj>(26000, 3000, 1000, 4000, 1000);
    arrow.ax1 = 3100, arrow.ay1 = 1030, arrow.ax2 = 3100, arrow.ay2 = 970;
    arrow.ax3 = 3000, arrow.ay3 = 1100, arrow.ax4 = 3000, arrow.ay4 = 900;
    TTextobj& text = AddText(5000, 1000, "X");
    text.x2 = 900, text.y2 = 7;
    Add<TLineobj>(1, 1000, 3000, 2000, 3000); // 3, listed after an index that has gone
    Select({0, 1, 2, 9, 3});

    // The nudge starts from the cursor, here on the reference point: one pixel is 25 units.
    TMoveobjtool& tool = MovingTool({1000, 1000});
    Key(tool, VirtualKey::Right, 1000, 1000);
    const int dx = 25;
    EXPECT_EQ((std::vector<int>{arc.x1, arc.x2, arc.startX, arc.endX}),
              (std::vector<int>{1000 + dx, 2000 + dx, 2000 + dx, 1000 + dx}));
    EXPECT_EQ((std::vector<int>{arc.y1, arc.y2, arc.startY, arc.endY}),
              (std::vector<int>{1000, 2000, 1500, 1500}));
    EXPECT_EQ((std::vector<int>{arrow.x1, arrow.x2, arrow.ax1, arrow.ax2, arrow.ax3, arrow.ax4}),
              (std::vector<int>{3025, 4025, 3125, 3125, 3025, 3025}));
    EXPECT_EQ(arrow.ay4, 900);
    // A text's direction and number stay: only its anchor moves.
    EXPECT_EQ((std::vector<int>{text.x1, text.y1, text.x2, text.y2}), (std::vector<int>{5025, 1000, 900, 7}));
    // The selection read stops at the index that has gone.
    EXPECT_EQ(DrawingList[3]->x1, 1000);

    // A click moves by the distance from the reference point, and the cursor goes to the click.
    Key(tool, 0, 0, 0); // another key does nothing
    Press(tool, 200, 200);
    EXPECT_EQ(CursorInDrawingUnits(), (Point{5000, 5000}));
    EXPECT_EQ(tool.RefX, 5000);
    EXPECT_EQ((Point{arc.x1, arc.y1}), (Point{5000, 5000}));
    EXPECT_EQ((Point{arrow.ax4, arrow.ay4}), (Point{3000 + 4000, 900 + 4000}));
}

TEST_F(Selection, ARectangleAloneTurnsOnlyByRightAngles) {
    EditingView view(window);
    // Without a selection file nothing is known to turn: refused without a word.
    std::filesystem::remove(folder.Path() / "CFG" / "COPY.CFG");
    EXPECT_EQ(CheckRotationLimits(view), 1);
    EXPECT_TRUE(desktop.Messages().empty());

    Add<TEllipseobj>(5, 1000, 1000, 2000, 2000);
    Add<TArcobj>(3, 1000, 1000, 2000, 2000);
    Select({0});
    EXPECT_EQ(CheckRotationLimits(view), 0);
    // Lines past one that names no object are not read: the arc listed there does not count.
    WriteCfg("COPY.CFG", "0 0 0\n5 0 0\n1 0 0\n");
    WriteCfg("TEMP.CFG", "3\n");
    EXPECT_EQ(CheckRotationLimits(view), 0);
    Select({0, 1});
    desktop.SetCursorPos({123, 45});
    EXPECT_EQ(CheckRotationLimits(view), 1);
    ASSERT_EQ(desktop.Messages().size(), 1u);
    EXPECT_EQ(desktop.Messages()[0].text,
              "ARC, RECT and RNDRECT objects only rotate in 90, 180 and 270 degree increments");
    EXPECT_EQ(desktop.Messages()[0].caption, "ROTATE");
    EXPECT_EQ(desktop.GetCursorPos(), (Point{123, 45}));
}

TEST_F(Selection, SelectedObjectsAreDrawnWithTheirOwnPenTimesScale) {
    Add<TLineobj>(1, 1000, 1000, 2000, 1000).penWidth = 2;
    TTextobj& text = AddText(1000, 2000, "B");
    text.weight = 500, text.escapement = 2700;
    AddPolygon(100, {{1000, 1000}, {2000, 1000}, {2000, 2000}}).fillColour = static_cast<int>(Rgb(0, 0, 255));
    AddPolygon(28000, {{1000, 1000}, {2000, 1000}});
    TMoveobjtool tool;
    tool.FillMode() = 1;
    OnView(tool, [&](DeviceContext& dc) {
        SetViewMapping(dc, client);
        for (int i = 0; i < 4; ++i)
            DrawSelectedObject(tool, dc, i, Rgb(255, 0, 0), 1);
        tool.FillMode() = 0;
        DrawSelectedObject(tool, dc, 2, Rgb(255, 0, 0), 1);
    });
    const std::vector<DrawCall> lines = surface.CallsNamed("LineTo");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].pen, (Pen{Rgb(255, 0, 0), 10, PenStyle::Dash}));
    const std::vector<DrawCall> texts = surface.CallsNamed("TextOut");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].font.weight, 700);
    EXPECT_EQ(texts[0].textAlign, TextAlign::Left | TextAlign::Bottom);
    EXPECT_EQ(texts[0].textColour, Rgb(255, 0, 0));
    // Polygons by FillMode: the background's brush, then none; the opening is not drawn.
    const std::vector<DrawCall> polygons = surface.CallsNamed("Polygon");
    ASSERT_EQ(polygons.size(), 2u);
    EXPECT_EQ(polygons[0].brush, Brush::SolidBrush(Shared.BackgroundColour));
    EXPECT_EQ(polygons[0].pen.width, 5);
    EXPECT_EQ(polygons[1].brush.style, BrushStyle::Null);
}

TEST_F(Selection, CopyWritesTheSelectionToThePasteBufferAboutTheRectanglesCentre) {
    Shared.ObjectSerial = 42;
    Add<TRectangleobj>(7, 1000, 2000, 3000, 5000);
    TCopyobjtool copy;
    Drag(copy, {900, 900}, {3100, 5100});
    const std::string golden = "1 0 0 0 1 42\n7\n7 50 0 0 -1000 0 1000 0 -1000 2000 0 1 0\n";
    EXPECT_EQ(PasteBuffer(), golden);
    EXPECT_EQ(DrawingFileExists(), false); // the drawing is not touched

    // The golden file, written by hand, reads back to the same rectangle about the insertion point.
    const TObject original = *DrawingList[0];
    test_support::WriteFile(folder.Path() / "LIBS" / "PASTE.CFG", golden);
    DrawingList.Flush();
    Shared.ScrollX = 25, Shared.ScrollY = 267; // the insertion point (2000, 3000)
    DrawingList.ReadSymbol("PASTE.CFG");
    ASSERT_EQ(DrawingList.count, 1);
    const TObject& back = *DrawingList[0];
    EXPECT_EQ((std::vector<int>{back.type, back.view, back.x1, back.y1, back.x2, back.y2, back.penWidth}),
              (std::vector<int>{original.type, original.view, original.x1, original.y1, original.x2,
                                original.y2, original.penWidth}));
    Shared.ScrollX = Shared.ScrollY = 0;

    // Line, polygon, line, line: four records in that order; a text with its font name and its
    // characters back to back, its direction and number as they are.
    DrawingList.Flush();
    Add<TLineobj>(1, 1000, 1000, 2000, 1000);
    AddPolygon(100, {{1000, 1500}, {2000, 1500}, {2000, 1800}});
    Add<TLineobj>(1, 1000, 2000, 2000, 2000);
    Add<TLineobj>(1, 1000, 2500, 2000, 2500);
    TTextobj& text = AddText(2000, 3000, "AB");
    text.x2 = 900, text.y2 = 7, text.z1 = 3;
    Drag(copy, {900, 900}, {3100, 5100});
    const std::string buffer = PasteBuffer();
    EXPECT_EQ(buffer.substr(0, buffer.find('\n')), "5 0 0 0 1 42");
    EXPECT_NE(buffer.find("\n4\n4 50 0 0 0 0 900 7 3 0 2 0 1 5 10 400 ArialAB\n"), std::string::npos);
    TList readBack;
    int serial = 0;
    ParseSymbol(buffer, {}, 50, serial, readBack);
    ASSERT_EQ(readBack.count, 5);
    EXPECT_EQ((std::vector<int>{readBack[0]->type, readBack[1]->type, readBack[2]->type, readBack[3]->type}),
              (std::vector<int>{1, 100, 1, 1}));

    // A drag over nothing empties the buffer; in library mode the buffer is left alone.
    Drag(copy, {7000, 7000}, {7100, 7100});
    EXPECT_EQ(PasteBuffer(), "0 0 0 0 1 42\n");
    copy.Amount() = 1;
    Drag(copy, {900, 900}, {3100, 5100});
    EXPECT_EQ(PasteBuffer(), "0 0 0 0 1 42\n");
    EXPECT_EQ(Cfg("TEMP.CFG"), "5\n");

    // Without a selection file there is nothing to copy: the buffer is left empty, not even a header.
    copy.Amount() = 0;
    std::filesystem::remove(folder.Path() / "CFG" / "COPY.CFG");
    OnView(copy, [&](DeviceContext& dc) { copy.ApplyToSelection(dc, client, 0, 0); });
    EXPECT_EQ(PasteBuffer(), "");
}

TEST_F(Selection, EraseSparesExternalWallsAndRecordsAndStopsAtAGoneObject) {
    Add<TLineobj>(1, 1000, 1000, 2000, 1000);             // 0
    Add<TExtwallobj>(1000, 1000, 1500, 2000, 1500);       // 1
    Add<TInfoobj>(32000, 0, 0, 0, 0);                     // 2
    Add<TLineobj>(1, 1000, 2000, 2000, 2000);             // 3
    Add<TLineobj>(1, 1000, 2500, 2000, 2500).aux = 30001; // 4
    Add<TLineobj>(1, 1000, 3000, 2000, 3000);             // 5
    TEraseobjtool erase;
    // A listed index beyond the list: nothing is erased and nothing stored.
    WriteCfg("COPY.CFG", "0 0 0\n6 0 0\n");
    WriteCfg("TEMP.CFG", "2\n");
    OnView(erase, [&](DeviceContext& dc) { erase.ApplyToSelection(dc, client, 0, 0); });
    EXPECT_EQ(DrawingList.count, 6);
    EXPECT_FALSE(DrawingFileExists());

    // Listed walls and records stay, an unlisted object that holds 30001 stays, the rest keep their
    // order; the drawing is stored.
    WriteCfg("COPY.CFG", "0 0 0\n1 0 0\n2 0 0\n5 0 0\n");
    WriteCfg("TEMP.CFG", "4\n");
    OnView(erase, [&](DeviceContext& dc) { erase.ApplyToSelection(dc, client, 0, 0); });
    ASSERT_EQ(DrawingList.count, 4);
    EXPECT_EQ((std::vector<int>{DrawingList[0]->type, DrawingList[1]->type, DrawingList[2]->y1,
                                DrawingList[3]->y1}),
              (std::vector<int>{1000, 32000, 2000, 2500}));
    EXPECT_EQ(erase.State, TMoveobjtool::Erased);
    EXPECT_TRUE(DrawingFileExists());

    // An empty selection still stores the drawing.
    std::filesystem::remove(folder.Path() / "DWGS" / "HOUSE.DB0");
    WriteCfg("TEMP.CFG", "0\n");
    OnView(erase, [&](DeviceContext& dc) { erase.ApplyToSelection(dc, client, 0, 0); });
    EXPECT_EQ(DrawingList.count, 4);
    EXPECT_TRUE(DrawingFileExists());
}

TEST_F(Selection, UndoRepaintsTheBoxOfWhatItTookBack) {
    EditingView view(window);
    Add<TLineobj>(1, 1000, 1500, 3000, 1500);
    UndoLastObject(view);
    EXPECT_EQ(DrawingList.count, 0);
    ASSERT_EQ(view.repainted.size(), 1u);
    EXPECT_EQ(view.repainted[0], (Rect{25, 325, 135, 355}));

    // Every vertex of a polygon counts for both ends of the box, also one that lowers the minimum.
    AddPolygon(100, {{3000, 3000}, {1000, 1000}}).number = 10005;
    UndoLastObject(view);
    ASSERT_EQ(view.repainted.size(), 2u);
    EXPECT_EQ(view.repainted[1], (Rect{25, 265, 135, 375}));
    EXPECT_EQ(view.Tool().Counter(), 2);
}

} // namespace
