#include "partitions/intwall_faces.h"

#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "partitions/intwall_geometry.h"
#include "partitions/intwall_tool.h"
#include "tools/tool_support.h"

#include <cmath>

using tool_support::Clamped;

namespace {

struct Offset {
    int x = 0;
    int y = 0;
};

// The second face as the first face moved by `offset`, at the ends `code` names (0 both, 1 the start,
// 2 the end).
void MoveFirstFace(TIntwallobjtool& tool, int code, Offset offset) {
    if (code == 0 || code == 1)
        tool.SetSecondFaceStart(Clamped(static_cast<long long>(tool.X1) + offset.x),
                                Clamped(static_cast<long long>(tool.Y1) + offset.y));
    if (code == 0 || code == 2)
        tool.SetSecondFaceEnd(Clamped(static_cast<long long>(tool.X2) + offset.x),
                              Clamped(static_cast<long long>(tool.Y2) + offset.y));
}

// Index into the tables of straight angles: 0 for 0, 1 for 900, 2 for 1800, 3 for 2700.
int AxisIndex(int angle) {
    return angle / 900;
}

// Index into the tables of angled walls by the quarter the angle lies in: below 900, 900 to 1799,
// 1800 to 2699, 2700 and above.
int Quarter(int angle) {
    if (angle < 900) return 0;
    if (angle < 1800) return 1;
    if (angle < 2700) return 2;
    return 3;
}

// The free-wall side code of a second face on the left or right of a straight wall's first face, 1 or
// 3 otherwise: neighbours hand their side on in these two codes.
int SideOfStraightNeighbour(const TIntwallobj& n) {
    if (n.iwall6 == 0 || n.iwall6 == 1800) return n.fx2 < n.x2 ? 1 : 3;
    return n.y2 > n.fy2 ? 3 : 1;
}

// Which side of a wall's first face line a point lies on: positive on the left of its direction of
// drawing, negative on the right, 0 on the line.
double SideOfLine(double x, double y, const TIntwallobj& wall) {
    const double dx = static_cast<double>(wall.x2) - wall.x1;
    const double dy = static_cast<double>(wall.y2) - wall.y1;
    return dx * (y - wall.y1) - dy * (x - wall.x1);
}

} // namespace

bool IsStraightAngle(int angle) {
    return angle == 0 || angle == 900 || angle == 1800 || angle == 2700;
}

void IntwallFacesStraight(TIntwallobjtool& tool, int code, int neighbour) {
    const int t = tool.WallThickness;
    const int angle = tool.WallAngle();
    if (!IsStraightAngle(angle)) return;
    if (neighbour == TIntwallobjtool::NoWall) {
        const int side = tool.SideInUse();
        const bool vertical = angle == 0 || angle == 1800;
        if (vertical && side == 2) MoveFirstFace(tool, code, {t, 0});
        if (vertical && side == 4) MoveFirstFace(tool, code, {-t, 0});
        if (!vertical && side == 1) MoveFirstFace(tool, code, {0, t});
        if (!vertical && side == 3) MoveFirstFace(tool, code, {0, -t});
        return;
    }
    const TIntwallobj* n = InternalWallAt(neighbour);
    if (!n || !IsStraightAngle(n->iwall6)) return;
    tool.SideInUse() = SideOfStraightNeighbour(*n);
    const int s = tool.SideInUse() == 3 ? -t : t;
    // By the neighbour's angle (rows) and the new wall's (columns): the second face stays on the hand
    // of the direction of drawing that the neighbour's is on. A wall drawn straight back along its
    // neighbour has none.
    struct Entry {
        bool set;
        Offset offset;
    };
    const Entry table[4][4] = {
        {{true, {-s, 0}}, {true, {0, s}}, {false, {}}, {true, {0, -s}}},
        {{true, {-s, 0}}, {true, {0, s}}, {true, {s, 0}}, {false, {}}},
        {{false, {}}, {true, {0, -s}}, {true, {-s, 0}}, {true, {0, s}}},
        {{true, {s, 0}}, {false, {}}, {true, {-s, 0}}, {true, {0, s}}},
    };
    const Entry& entry = table[AxisIndex(n->iwall6)][AxisIndex(angle)];
    if (entry.set) MoveFirstFace(tool, code, entry.offset);
}

void IntwallFacesAngled(TIntwallobjtool& tool, int code, int neighbour) {
    const int angle = tool.WallAngle();
    const double thickness = tool.WallThickness;
    int dx = static_cast<int>(Clamped(
                 static_cast<long long>(10 * thickness * std::cos(ReducedAngle(angle) * RadiansPerTenth)))) /
             10;
    int dy = static_cast<int>(Clamped(
                 static_cast<long long>(10 * thickness * std::sin(ReducedAngle(angle) * RadiansPerTenth)))) /
             10;
    const int quarter = Quarter(angle);
    if (neighbour == TIntwallobjtool::NoWall) {
        // By the side chosen (rows, 1 above to 4 left) and the quarter of the wall's angle.
        const Offset table[4][4] = {
            {{-dx, dy}, {dx, dy}, {-dx, dy}, {dx, dy}},
            {{dx, -dy}, {dx, dy}, {dx, -dy}, {dx, dy}},
            {{dx, -dy}, {-dx, -dy}, {dx, -dy}, {-dx, -dy}},
            {{-dx, dy}, {-dx, -dy}, {-dx, dy}, {-dx, -dy}},
        };
        const int side = tool.SideInUse();
        if (side >= 1 && side <= 4) MoveFirstFace(tool, code, table[side - 1][quarter]);
        return;
    }
    const TIntwallobj* n = InternalWallAt(neighbour);
    if (!n) return;
    const int c = n->iwall6;
    const bool byX = c < 900 || (c >= 1800 && c < 2700);
    const bool onLeftOrAbove = byX ? n->fx2 <= n->x2 : n->fy2 >= n->y2;
    tool.SideInUse() = onLeftOrAbove ? 1 : 3;
    if (tool.SideInUse() == 3) {
        dx = -dx;
        dy = -dy;
    }
    // Rows: neighbours below 1800 and from 1800; the second face follows the neighbour's hand.
    const Offset table[2][4] = {
        {{-dx, dy}, {dx, dy}, {dx, -dy}, {-dx, -dy}},
        {{dx, -dy}, {-dx, -dy}, {-dx, dy}, {dx, dy}},
    };
    MoveFirstFace(tool, code, table[c < 1800 ? 0 : 1][quarter]);
}

void JoinIntwallStraight(TIntwallobjtool& tool, int neighbour, int end) {
    TIntwallobj* n = InternalWallAt(neighbour);
    if (!n) return;
    const long long t =
        tool.SideInUse() == 3 ? -static_cast<long long>(tool.WallThickness) : tool.WallThickness;
    const long long tn = tool.SideInUse() == 3 ? -static_cast<long long>(n->iwall1) : n->iwall1;
    const long long x = end == 1 ? tool.X1 : tool.X2;
    const long long y = end == 1 ? tool.Y1 : tool.Y2;
    // The neighbour's second-face point at the joined end: its end when the new wall starts there, its
    // start when the new wall ends there.
    int& nx = end == 1 ? n->fx2 : n->fx1;
    int& ny = end == 1 ? n->fy2 : n->fy1;
    long long px = 0;
    long long py = 0;
    long long nxNew = nx;
    long long nyNew = ny;
    const int c = n->iwall6;
    const int w = tool.WallAngle();
    auto pair = [&](int a, int b) { return c == a && w == b; };
    if (pair(0, 0) || pair(1800, 1800)) {
        px = x - t, py = y;
    } else if (pair(0, 900) || pair(1800, 2700)) {
        px = x - tn, py = y + t, nyNew = ny + t;
    } else if (pair(0, 2700) || pair(1800, 900)) {
        px = x - tn, py = y - t, nyNew = ny - t;
    } else if (pair(900, 0) || pair(2700, 1800)) {
        px = x - t, py = y + tn, nxNew = nx - t;
    } else if (pair(900, 900) || pair(2700, 2700)) {
        px = x, py = y + t;
    } else if (pair(900, 1800) || pair(2700, 0)) {
        px = x + t, py = y + tn, nxNew = nx + t;
    } else {
        return; // drawn back along its neighbour
    }
    if (end == 1)
        tool.SetSecondFaceStart(Clamped(px), Clamped(py));
    else
        tool.SetSecondFaceEnd(Clamped(px), Clamped(py));
    nx = Clamped(nxNew);
    ny = Clamped(nyNew);
}

void JoinIntwallAngled(TIntwallobjtool& tool, int neighbour, int code) {
    TIntwallobj* n = InternalWallAt(neighbour);
    if (!n) return;
    long long px = 0;
    long long py = 0;
    double thickness = 0;
    switch (code) {
    case 1:
        px = tool.X1, py = tool.Y1, thickness = tool.WallThickness;
        break;
    case 2:
        px = tool.X2, py = tool.Y2, thickness = tool.WallThickness;
        break;
    case 10:
        px = n->x2, py = n->y2, thickness = n->iwall1;
        break;
    case 20:
        px = n->x1, py = n->y1, thickness = n->iwall1;
        break;
    default:
        return;
    }
    const int theirs = WallDirection(*n);
    // The arriving wall A and the leaving wall B at the corner.
    const bool newLeaves = code == 1 || code == 10;
    const int a = newLeaves ? theirs : tool.WallAngle();
    const int b = newLeaves ? tool.WallAngle() : theirs;
    std::optional<CornerOffset> corner = MitreOffset(a, b, thickness, tool.SideInUse());
    if (!corner) return; // no bisector: the end keeps what the face step gave it
    // The table gives the bisector's line; the corner lies on it on the side of the neighbour's
    // second face (its end the join leaves alone), which the table misses where the side code was
    // handed on by a neighbour leaving the corner, or arriving at it upwards.
    const bool keptEnd = code == 1 || code == 10;
    const double reference = SideOfLine(keptEnd ? n->fx1 : n->fx2, keptEnd ? n->fy1 : n->fy2, *n);
    const double candidate =
        SideOfLine(static_cast<double>(px + corner->x), static_cast<double>(py + corner->y), *n);
    if (reference * candidate < 0) corner = CornerOffset{-corner->x, -corner->y};
    const int x = Clamped(px + corner->x);
    const int y = Clamped(py + corner->y);
    switch (code) {
    case 1:
        tool.SetSecondFaceStart(x, y);
        break;
    case 2:
        tool.SetSecondFaceEnd(x, y);
        break;
    case 10:
        n->fx2 = x, n->fy2 = y;
        break;
    default:
        n->fx1 = x, n->fy1 = y;
        break;
    }
}

void JoinInternalWallEnds(TIntwallobjtool& tool, int first, int second) {
    const TIntwallobj* f = InternalWallAt(first);
    const TIntwallobj* s = InternalWallAt(second);
    const bool newStraight = IsStraightAngle(tool.WallAngle());
    auto bothStraight = [&](const TIntwallobj* n) { return newStraight && IsStraightAngle(n->iwall6); };
    auto faces = [&](int code, int neighbour, const TIntwallobj* n) {
        if (bothStraight(n))
            IntwallFacesStraight(tool, code, neighbour);
        else
            IntwallFacesAngled(tool, code, neighbour);
    };
    // The join at the new wall's start (end 1) or end (end 2), with the neighbour's face at that end.
    tool.JoinedAtStart = TIntwallobjtool::NoWall;
    tool.JoinedAtEnd = TIntwallobjtool::NoWall;
    auto join = [&](int neighbour, const TIntwallobj* n, int end) {
        (end == 1 ? tool.JoinedAtStart : tool.JoinedAtEnd) = neighbour;
        if (bothStraight(n)) {
            JoinIntwallStraight(tool, neighbour, end);
        } else {
            JoinIntwallAngled(tool, neighbour, end);
            JoinIntwallAngled(tool, neighbour, end * 10);
        }
    };
    if (!f && !s) {
        if (newStraight)
            IntwallFacesStraight(tool, 0, TIntwallobjtool::NoWall);
        else
            IntwallFacesAngled(tool, 0, TIntwallobjtool::NoWall);
        return;
    }
    // The snapping put a shared point exactly in place. Both coordinates are compared: x alone would
    // join a wall along the axis at its other end, rewriting the neighbour's face there.
    auto at = [](int x, int y, int px, int py) { return x == px && y == py; };
    if (f && !s) {
        if (!at(f->x2, f->y2, tool.X1, tool.Y1)) return;
        faces(2, first, f);
        join(first, f, 1);
        return;
    }
    if (s && !f) {
        if (!at(s->x1, s->y1, tool.X2, tool.Y2)) return;
        faces(1, second, s);
        join(second, s, 2);
        return;
    }
    // Both: no face step first; each end takes the join it meets. Where the neighbours meet it the
    // other way round, a straight new wall joins only a straight neighbour.
    if (at(f->x2, f->y2, tool.X1, tool.Y1)) join(first, f, 1);
    if (at(s->x1, s->y1, tool.X2, tool.Y2)) join(second, s, 2);
    auto joinReversed = [&](int neighbour, const TIntwallobj* n, int end) {
        if (newStraight && !IsStraightAngle(n->iwall6)) return;
        join(neighbour, n, end);
    };
    if (at(s->x2, s->y2, tool.X1, tool.Y1)) joinReversed(second, s, 1);
    if (at(f->x1, f->y1, tool.X2, tool.Y2)) joinReversed(first, f, 2);
}
