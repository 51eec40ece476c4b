#include "resources/toolbar_glyphs.h"

#include "resources/figure_drawing.h"

#include <map>

using figure::ArrowHead;
using figure::Filled;
using figure::Hollow;
using figure::Line;
using figure::Use;
using platform::DeviceContext;
using platform::Pen;
using platform::PenStyle;
using platform::Rgb;

namespace {

constexpr platform::ColourRef Ink = Rgb(32, 32, 32);
constexpr platform::ColourRef Wall = Rgb(96, 96, 96);
constexpr platform::ColourRef Accent = Rgb(200, 40, 40);
constexpr platform::ColourRef Blue = Rgb(40, 90, 200);
constexpr platform::ColourRef Room = Rgb(250, 220, 140);

const std::map<int, figure::Painter>& Painters() {
    static const std::map<int, figure::Painter> painters = {
        {1, // the program: a house plan
         [](DeviceContext& dc) {
             Use(dc, Wall, 3);
             Filled(dc, Room);
             dc.Rectangle(5, 12, 27, 28);
             Use(dc, Accent, 3);
             Line(dc, 3, 14, 16, 3);
             Line(dc, 16, 3, 29, 14);
             Use(dc, Ink, 2);
             Line(dc, 16, 12, 16, 28);
             Line(dc, 5, 20, 16, 20);
         }},
        {1001, // undo: a curved arrow back
         [](DeviceContext& dc) {
             Use(dc, Blue, 3);
             dc.Arc(6, 8, 28, 30, 28, 19, 6, 19);
             ArrowHead(dc, 7, 19, 0, 1);
         }},
        {1002, // datum: a reference mark
         [](DeviceContext& dc) {
             Use(dc, Accent, 2);
             Hollow(dc);
             dc.Ellipse(8, 8, 25, 25);
             Use(dc, Ink, 2);
             Line(dc, 16, 3, 16, 30);
             Line(dc, 3, 16, 30, 16);
         }},
        {1003, // centre of a line
         [](DeviceContext& dc) {
             Use(dc, Ink, 2);
             Line(dc, 3, 26, 29, 6);
             Use(dc, Accent, 2);
             Hollow(dc);
             dc.Ellipse(12, 12, 21, 21);
         }},
        {1004, // centre of a rectangle
         [](DeviceContext& dc) {
             Use(dc, Ink, 2);
             Hollow(dc);
             dc.Rectangle(4, 7, 29, 26);
             Use(dc, Accent, 2);
             Line(dc, 12, 16, 21, 16);
             Line(dc, 16, 12, 16, 21);
         }},
        {1005, // erase
         [](DeviceContext& dc) {
             Use(dc, Accent, 4);
             Line(dc, 6, 6, 26, 26);
             Line(dc, 26, 6, 6, 26);
         }},
        {1006, // display mode: a hatched wall
         [](DeviceContext& dc) {
             Use(dc, Ink, 2);
             Hollow(dc);
             dc.Rectangle(3, 10, 30, 22);
             Use(dc, Wall, 1);
             for (int x = 5; x < 30; x += 4)
                 Line(dc, x, 21, x + 6, 11);
         }},
        {1010, // overlays: floors one over the other
         [](DeviceContext& dc) {
             Use(dc, Blue, 2);
             Hollow(dc);
             dc.Rectangle(3, 3, 21, 21);
             Use(dc, Ink, 2);
             dc.Rectangle(11, 11, 29, 29);
         }},
        {1012, // text
         [](DeviceContext& dc) {
             Use(dc, Ink, 3);
             Line(dc, 6, 28, 16, 4);
             Line(dc, 16, 4, 26, 28);
             Line(dc, 10, 19, 22, 19);
         }},
        {1014, // multilines
         [](DeviceContext& dc) {
             Use(dc, Ink, 2);
             Line(dc, 4, 8, 28, 8);
             Line(dc, 4, 16, 28, 16);
             Line(dc, 4, 24, 28, 24);
         }},
        {1015, // a window in an external wall
         [](DeviceContext& dc) {
             Use(dc, Wall, 2);
             Line(dc, 2, 10, 9, 10);
             Line(dc, 2, 22, 9, 22);
             Line(dc, 23, 10, 30, 10);
             Line(dc, 23, 22, 30, 22);
             Use(dc, Blue, 2);
             Hollow(dc);
             dc.Rectangle(9, 10, 24, 23);
             Line(dc, 9, 16, 23, 16);
         }},
        {1016, // internal single door: a leaf and its swing
         [](DeviceContext& dc) {
             Use(dc, Wall, 2);
             Line(dc, 2, 27, 8, 27);
             Line(dc, 26, 27, 30, 27);
             Use(dc, Ink, 2);
             Line(dc, 8, 27, 8, 9);
             Use(dc, Blue, 1);
             dc.Arc(-10, 9, 26, 45, 26, 27, 8, 9);
         }},
        {1017, // internal wall: two faces
         [](DeviceContext& dc) {
             Use(dc, Ink, 2);
             Line(dc, 3, 12, 29, 12);
             Line(dc, 3, 20, 29, 20);
             Line(dc, 3, 12, 3, 20);
         }},
        {1018, // other internal doors: a pair of leaves
         [](DeviceContext& dc) {
             Use(dc, Wall, 2);
             Line(dc, 1, 27, 4, 27);
             Line(dc, 28, 27, 31, 27);
             Use(dc, Ink, 2);
             Line(dc, 4, 27, 4, 15);
             Line(dc, 28, 27, 28, 15);
             Use(dc, Blue, 1);
             dc.Arc(-8, 15, 16, 39, 16, 27, 4, 15);
             dc.Arc(16, 15, 40, 39, 28, 15, 16, 27);
         }},
        {1019, // an opening cut in an internal wall
         [](DeviceContext& dc) {
             Use(dc, Ink, 2);
             Line(dc, 2, 12, 11, 12);
             Line(dc, 2, 20, 11, 20);
             Line(dc, 11, 12, 11, 20);
             Line(dc, 21, 12, 30, 12);
             Line(dc, 21, 20, 30, 20);
             Line(dc, 21, 12, 21, 20);
             Use(dc, Accent, 1);
             ArrowHead(dc, 12, 16, -1, 0);
             ArrowHead(dc, 20, 16, 1, 0);
         }},
        {1020, // a complete room with its walls
         [](DeviceContext& dc) {
             Use(dc, Ink, 2);
             Hollow(dc);
             dc.Rectangle(3, 3, 29, 29);
             dc.Rectangle(7, 7, 25, 25);
             Use(dc, Accent, 2);
             Line(dc, 11, 16, 21, 16);
         }},
        {1027, // marking external wall corners
         [](DeviceContext& dc) {
             Use(dc, Ink, 3);
             Line(dc, 4, 12, 4, 4);
             Line(dc, 4, 4, 12, 4);
             Line(dc, 28, 20, 28, 28);
             Line(dc, 28, 28, 20, 28);
             Use(dc, Accent, 1);
             dc.SelectPen(Pen{Accent, 1, PenStyle::Dot});
             Line(dc, 12, 4, 28, 4);
             Line(dc, 28, 4, 28, 20);
         }},
        {1028, // a new design room
         [](DeviceContext& dc) {
             Use(dc, Ink, 2);
             Filled(dc, Room);
             dc.Rectangle(3, 8, 25, 28);
             Use(dc, Accent, 3);
             Line(dc, 24, 2, 24, 14);
             Line(dc, 18, 8, 30, 8);
         }},
        {1029, // the largest design room that fits
         [](DeviceContext& dc) {
             Use(dc, Ink, 2);
             Filled(dc, Room);
             dc.Rectangle(9, 9, 24, 24);
             Use(dc, Accent, 2);
             Line(dc, 2, 16, 8, 16);
             ArrowHead(dc, 2, 16, -1, 0);
             Line(dc, 25, 16, 30, 16);
             ArrowHead(dc, 30, 16, 1, 0);
         }},
        {1011, // the layout grid
         [](DeviceContext& dc) {
             Use(dc, Wall, 1);
             for (int v = 4; v <= 28; v += 8) {
                 Line(dc, v, 3, v, 30);
                 Line(dc, 3, v, 30, v);
             }
         }},
    };
    return painters;
}

} // namespace

platform::PixelBuffer ToolbarGlyph(int id, int size) {
    auto it = Painters().find(id);
    if (it == Painters().end() || size <= 0) return {};
    return figure::DrawOnGrid(size, size, 32, 32, GlyphTransparent, it->second);
}
