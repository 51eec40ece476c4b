// Placing an internal wall: before the wall of the gesture is made, its ends snap onto the ends of the
// internal walls of the floor, it is turned so that a joined end is its start where it can be, and it
// takes its colours, thickness, second face, joins and the walls it runs into.
#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "partitions/intwall_faces.h"
#include "partitions/intwall_geometry.h"
#include "partitions/intwall_tool.h"
#include "partitions/intwall_trim.h"
#include "settings/cfg_command_files.h"
#include "settings/cfg_dialog_files.h"
#include "tools/tool_support.h"

#include <algorithm>
#include <optional>
#include <utility>

using tool_support::Clamped;

namespace {

// The second face of a neighbour as it was before the joins, put back when the wall is not made.
struct KeptFace {
    int index = TIntwallobjtool::NoWall;
    int fx1 = 0, fy1 = 0, fx2 = 0, fy2 = 0;
};

KeptFace Keep(int index) {
    const TIntwallobj* wall = InternalWallAt(index);
    if (!wall) return {};
    return {index, wall->fx1, wall->fy1, wall->fx2, wall->fy2};
}

void PutBack(const KeptFace& kept) {
    TIntwallobj* wall = InternalWallAt(kept.index);
    if (!wall) return;
    wall->fx1 = kept.fx1, wall->fy1 = kept.fy1, wall->fx2 = kept.fx2, wall->fy2 = kept.fy2;
}

void MoveLine(TIntwallobjtool& tool, long long dx, long long dy) {
    tool.X1 = Clamped(tool.X1 + dx);
    tool.Y1 = Clamped(tool.Y1 + dy);
    tool.X2 = Clamped(tool.X2 + dx);
    tool.Y2 = Clamped(tool.Y2 + dy);
}

// The line turned end for end.
void Reverse(TIntwallobjtool& tool) {
    std::swap(tool.X1, tool.X2);
    std::swap(tool.Y1, tool.Y2);
    tool.WallAngle() += tool.WallAngle() >= 1800 ? -1800 : 1800;
}

// The line moved so that an end within r of another internal wall's end lies on it; every match moves
// the line again and the walk goes on. The second match is `second`, any other the `first`.
void SnapToWallEnds(TIntwallobjtool& tool, int& first, int& second) {
    const long long r = 3LL * Shared.Scale;
    auto near = [r](long long x, long long y, long long ox, long long oy) {
        return ox - r < x && x < ox + r && oy - r < y && y < oy + r;
    };
    int matches = 0;
    for (int i = 0; i < DrawingList.count; ++i) {
        const TObject* o = DrawingList[i];
        if (o->type != type_code::InternalWall || o->view != Shared.CurrentView) continue;
        if (near(tool.X1, tool.Y1, o->x1, o->y1))
            MoveLine(tool, static_cast<long long>(o->x1) - tool.X1, static_cast<long long>(o->y1) - tool.Y1);
        else if (near(tool.X1, tool.Y1, o->x2, o->y2))
            MoveLine(tool, static_cast<long long>(o->x2) - tool.X1, static_cast<long long>(o->y2) - tool.Y1);
        else if (near(tool.X2, tool.Y2, o->x1, o->y1))
            MoveLine(tool, static_cast<long long>(o->x1) - tool.X2, static_cast<long long>(o->y1) - tool.Y2);
        else if (near(tool.X2, tool.Y2, o->x2, o->y2))
            MoveLine(tool, static_cast<long long>(o->x2) - tool.X2, static_cast<long long>(o->y2) - tool.Y2);
        else
            continue;
        ++matches;
        (matches == 2 ? second : first) = i;
    }
}

// Turns the line so that the neighbour met at its start is `first` where it can.
void Orient(TIntwallobjtool& tool, int& first, int& second) {
    if (first == TIntwallobjtool::NoWall) return;
    if (second == TIntwallobjtool::NoWall) {
        const TObject* f = DrawingList[first];
        if (f->x1 == tool.X1 && f->y1 == tool.Y1) {
            Reverse(tool);
            second = first;
            first = TIntwallobjtool::NoWall;
        }
        return;
    }
    const TObject* s = DrawingList[second];
    if (s->x2 == tool.X1 && s->y2 == tool.Y1) {
        std::swap(first, second);
    } else if (s->x1 == tool.X1 && s->y1 == tool.Y1) {
        Reverse(tool);
        std::swap(first, second);
    }
}

// The second face at the ends the face and join steps left unset, as a free wall on the side chosen
// in the width dialog. False when that side gives a free wall no second face.
bool CompleteSecondFace(TIntwallobjtool& tool) {
    if (tool.SecondFaceStartSet && tool.SecondFaceEndSet) return true;
    const int code = !tool.SecondFaceStartSet && !tool.SecondFaceEndSet ? 0 : tool.SecondFaceStartSet ? 2 : 1;
    const int sideInUse = tool.SideInUse();
    tool.SideInUse() = tool.SecondLineSide();
    if (IsStraightAngle(tool.WallAngle()))
        IntwallFacesStraight(tool, code, TIntwallobjtool::NoWall);
    else
        IntwallFacesAngled(tool, code, TIntwallobjtool::NoWall);
    tool.SideInUse() = sideInUse;
    return tool.SecondFaceStartSet && tool.SecondFaceEndSet;
}

} // namespace

void TIntwallobjtool::PlaceInternalWall(int snap) {
    WallRefused = false;
    const WallColourSettings colours = ReadWallColours();
    WallColour1 = colours.first;
    WallColour2 = colours.second;
    int first = NoWall;
    int second = NoWall;
    if (snap > 0) {
        SnapToWallEnds(*this, first, second);
        Orient(*this, first, second);
    }
    WallThickness = ReadInternalWallSettings(Shared.Units).width;
    std::fill(std::begin(AfterThickness), std::end(AfterThickness), 0);
    BZ = 0;
    Z2 = 0;
    Z1 = 0;
    SavedState = Shared.CurrentView;
    const KeptFace keptFirst = Keep(first);
    const KeptFace keptSecond = Keep(second);
    SecondFaceStartSet = false;
    SecondFaceEndSet = false;
    JoinInternalWallEnds(*this, first, second);
    const bool made = X1 != 0 && Y1 != 0 && tool_support::StartDiffersFromEnd(*this);
    if (made && !CompleteSecondFace(*this)) WallRefused = true;
    if (!made || WallRefused) {
        // Nothing is made, so nothing else changes either.
        PutBack(keptSecond);
        PutBack(keptFirst);
        return;
    }
    TrimCrossedWalls(*this);
}
