#include "resources/door_pictures.h"

#include "resources/figure_drawing.h"

#include <algorithm>

using figure::Line;
using figure::Use;
using platform::DeviceContext;
using platform::Point;

namespace {

constexpr int Grid = 48;
constexpr int Centre = Grid / 2;
constexpr int WallThickness = 6;
constexpr int DoorWidth = 24;

using door_picture::Ink;
using door_picture::Paper;
using door_picture::Swing;
using door_picture::WallFill;

// A door drawn in its own frame: `along` runs along the wall in the direction the gap runs from the
// hinge or jamb, `across` away from the face the door is on (the wall lies at across -6 to 0). The
// frame is turned and mirrored onto the picture by the door's type.
struct DoorFrame {
    bool wallRunsUp; // types 1 to 4: the wall runs up the screen
    int alongSign;   // +1: the gap runs down (wall up the screen) or right (wall across)
    int face;        // the face's grid line across the wall
    int acrossSign;  // +1: the door side is right of (or below) the face

    Point At(int along, int across) const {
        const int a = Centre + alongSign * along;
        const int c = face + acrossSign * across;
        return wallRunsUp ? Point{c, a} : Point{a, c};
    }
};

// Grid lines of the face, so that the wall and an open leaf together sit in the middle of the picture:
// the face nearer the left or top edge for a door opening right or down, the farther one otherwise.
constexpr int Margin = (Grid - DoorWidth - WallThickness) / 2;
constexpr int NearFace = Margin + WallThickness;
constexpr int FarFace = Margin + DoorWidth;

bool IsDoorType(int type) {
    return type >= 1 && type <= 8;
}

DoorFrame FrameOf(int type) {
    switch (type) {
    case 1:
        return {true, +1, FarFace, -1};
    case 2:
        return {true, -1, FarFace, -1};
    case 3:
        return {true, +1, NearFace, +1};
    case 4:
        return {true, -1, NearFace, +1};
    case 5:
        return {false, +1, FarFace, -1};
    case 6:
        return {false, +1, NearFace, +1};
    case 7:
        return {false, -1, FarFace, -1};
    default:
        return {false, -1, NearFace, +1};
    }
}

// The wall from `from` to `to` along it, filled, with its outline. A piece that runs off the picture
// is drawn past its edge, so no outline closes it there.
void WallPiece(DeviceContext& dc, const DoorFrame& frame, int from, int to) {
    const Point a = frame.At(from, -WallThickness);
    const Point b = frame.At(to, 0);
    Use(dc, Ink, 1);
    figure::Filled(dc, WallFill);
    dc.Rectangle(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1);
}

void LineIn(DeviceContext& dc, const DoorFrame& frame, int along1, int across1, int along2, int across2) {
    const Point a = frame.At(along1, across1);
    const Point b = frame.At(along2, across2);
    Line(dc, a.x, a.y, b.x, b.y);
}

// A quarter circle about `centre` between two points a radius away from it, whichever way round the
// turn from one to the other is a quarter.
void QuarterArc(DeviceContext& dc, Point centre, Point from, Point to, int radius) {
    // On the screen (y down) a quarter turn against the clock takes (x, y) to (y, -x).
    const Point turned{centre.x + (from.y - centre.y), centre.y - (from.x - centre.x)};
    if (!(turned == to)) std::swap(from, to);
    figure::Hollow(dc);
    dc.Arc(centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius, from.x, from.y, to.x,
           to.y);
}

void DrawHingedDoor(DeviceContext& dc, const DoorFrame& frame) {
    const int hinge = -DoorWidth / 2;
    const int closed = DoorWidth / 2;
    WallPiece(dc, frame, -Centre - 2, hinge);
    WallPiece(dc, frame, closed, Centre + 2);
    Use(dc, Swing, 1, platform::PenStyle::Dot);
    QuarterArc(dc, frame.At(hinge, 0), frame.At(hinge, DoorWidth), frame.At(closed, 0), DoorWidth);
    Use(dc, Ink, 2);
    LineIn(dc, frame, hinge, 0, hinge, DoorWidth);
}

void DrawSlidingDoor(DeviceContext& dc, const DoorFrame& frame) {
    // The gap runs a door's width from the jamb; the leaf, just off the face, covers half of it and
    // half of the wall it slides along.
    const int jamb = -DoorWidth / 3;
    const int gapEnd = jamb + DoorWidth;
    WallPiece(dc, frame, -Centre - 2, jamb);
    WallPiece(dc, frame, gapEnd, Centre + 2);
    Use(dc, Ink, 3);
    LineIn(dc, frame, jamb - DoorWidth / 2, 3, jamb + DoorWidth / 2, 3);
    Use(dc, Swing, 1);
    const int arrowFrom = jamb + DoorWidth / 2 - 2;
    const int arrowTo = jamb - DoorWidth / 2 + 2;
    LineIn(dc, frame, arrowFrom, 9, arrowTo, 9);
    const Point head = frame.At(arrowTo, 9);
    const Point before = frame.At(arrowTo + 1, 9);
    figure::ArrowHead(dc, head.x, head.y, head.x - before.x, head.y - before.y);
}

platform::PixelBuffer DrawDoor(int type, int width, int height,
                               void (*draw)(DeviceContext&, const DoorFrame&)) {
    if (!IsDoorType(type)) return {};
    const DoorFrame frame = FrameOf(type);
    return figure::DrawOnGrid(width, height, Grid, Grid, Paper, [&](DeviceContext& dc) { draw(dc, frame); });
}

} // namespace

platform::PixelBuffer HingedDoorPicture(int type, int width, int height) {
    return DrawDoor(type, width, height, DrawHingedDoor);
}

platform::PixelBuffer SlidingDoorPicture(int type, int width, int height) {
    return DrawDoor(type, width, height, DrawSlidingDoor);
}
