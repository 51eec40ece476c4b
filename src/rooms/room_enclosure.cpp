#include "rooms/room_enclosure.h"

#include "model/drawing_list.h"
#include "model/drawing_objects.h"
#include "model/object_codes.h"
#include "model/object_numbers.h"
#include "model/shared_state.h"
#include "model/symbol_file.h"
#include "partitions/intwall_tool.h"
#include "settings/cfg_files.h"
#include "tools/tool_support.h"

#include <algorithm>
#include <memory>

using tool_support::Clamped;

namespace {

// The side codes.
constexpr int Covered = 0;
constexpr int Whole = 1;
constexpr int PastUpperEnd = 2;
constexpr int PastUpperEndExternal = 22;
constexpr int PastLowerEnd = 3;
constexpr int PastLowerEndExternal = 33;
constexpr int PastBothVertical = 12;
constexpr int PastLeftEnd = 4;
constexpr int PastLeftEndExternal = 44;
constexpr int PastRightEnd = 5;
constexpr int PastRightEndExternal = 55;
constexpr int PastBothHorizontal = 14;

bool IsVertical(int side) {
    return side == room_side::Left || side == room_side::Right;
}

bool OneOf(int code, int a, int b, int c) {
    return code == a || code == b || code == c;
}

// Whether the side next to an end of a new wall on side `wall` already holds the room's corner there,
// so the wall stops flush on it: `adjacent` is the code of that side.
bool CornerHeld(int wall, int adjacent) {
    switch (wall) {
    case room_side::Left:
        return OneOf(adjacent, Covered, PastRightEnd, PastRightEndExternal);
    case room_side::Right:
        return OneOf(adjacent, Covered, PastLeftEnd, PastLeftEndExternal);
    case room_side::Top:
        return OneOf(adjacent, Covered, PastLowerEnd, PastLowerEndExternal);
    default:
        return OneOf(adjacent, Covered, PastUpperEnd, PastUpperEndExternal);
    }
}

// The sides a wall's first end (upper, or left) and second end (lower, or right) meet.
int FirstAdjacent(int side) {
    return IsVertical(side) ? room_side::Top : room_side::Left;
}
int SecondAdjacent(int side) {
    return IsVertical(side) ? room_side::Bottom : room_side::Right;
}

// The stored angles of each side's pieces a, b, c, tenths of a degree: stored files depend on them,
// uneven as they are.
int PieceAngle(int side, char piece) {
    switch (side) {
    case room_side::Left:
        return piece == 'b' ? 0 : 1800;
    case room_side::Right:
        return piece == 'a' ? 1800 : 0;
    case room_side::Top:
        return 900;
    default:
        return piece == 'c' ? 2700 : 900;
    }
}

// One end of a wall piece along its side: where its outer and its inner face end.
struct PieceEnd {
    long long outer = 0;
    long long inner = 0;
};

class EnclosureBuilder {
  public:
    EnclosureBuilder(TIntwallobjtool& tool, const RoomEnclosure& room, RoomWalls walls, int z, int u)
        : tool_(tool), room_(room), walls_(walls), z_(z), u_(u), base_(RoomNumberBase(Shared.CurrentView)) {
        for (int side = 0; side < 4; ++side)
            codes_[side] = RoomSideCode(room, side);
    }

    void Build() {
        for (int side = 0; side < 4; ++side)
            BuildSide(side);
    }

  private:
    void BuildSide(int side) {
        const int code = codes_[side];
        if (code == Covered) return;
        NextNumber();
        const FaceOnEdge& face = room_.faces[static_cast<std::size_t>(side)];
        const bool vertical = IsVertical(side);
        // Along a vertical side the pieces run from the upper end down; the face's near end is its
        // upper one. Along a horizontal side they run from the left; the near end is the left one.
        const PieceEnd faceNear{vertical ? face.high : face.low, vertical ? face.high : face.low};
        const PieceEnd faceFar{vertical ? face.low : face.high, vertical ? face.low : face.high};
        if (code == Whole) {
            Piece(side, 'a', CornerEnd(side, 0), CornerEnd(side, 1), true, true);
            return;
        }
        const bool pieceB = vertical ? OneOf(code, PastUpperEnd, PastBothVertical, PastUpperEndExternal)
                                     : OneOf(code, PastLeftEnd, PastBothHorizontal, PastLeftEndExternal);
        const bool pieceC = vertical ? OneOf(code, PastLowerEnd, PastBothVertical, PastLowerEndExternal)
                                     : OneOf(code, PastRightEnd, PastBothHorizontal, PastRightEndExternal);
        // External walls take no join line where a piece meets them.
        const bool joinAtFace =
            !OneOf(code, PastUpperEndExternal, PastLowerEndExternal, PastLeftEndExternal) &&
            code != PastRightEndExternal;
        if (pieceB) Piece(side, 'b', CornerEnd(side, 0), faceNear, true, joinAtFace);
        if (pieceC) {
            if (pieceB) NextNumber();
            Piece(side, 'c', faceFar, CornerEnd(side, 1), joinAtFace, true);
        }
    }

    void NextNumber() { tool_.RunNumber() = tool_.ObjectNumber() = NewObjectNumber(base_); }

    // The end of a side's wall at a room corner (0 the first, 1 the second): flush on the corner when
    // the adjacent side holds it, else the outer face runs on to the outer corner.
    PieceEnd CornerEnd(int side, int end) const {
        const long long th = room_.thickness;
        const int adjacent = end == 0 ? FirstAdjacent(side) : SecondAdjacent(side);
        const bool held = CornerHeld(side, codes_[adjacent]);
        long long corner = 0;
        long long outward = 0;
        if (IsVertical(side)) {
            corner = end == 0 ? room_.top : room_.bottom;
            outward = end == 0 ? th : -th;
        } else {
            corner = end == 0 ? room_.left : room_.right;
            outward = end == 0 ? -th : th;
        }
        return {held ? corner : corner + outward, corner};
    }

    // Stages one wall piece in the tool from its two ends, makes it, then lays the join lines asked
    // for at its ends: `firstOnCorner` / `secondOnCorner` say whether an end lies on a room corner
    // (else on the found face), `joinFirst` / `joinSecond` whether an end on the face is joined.
    void Piece(int side, char piece, PieceEnd first, PieceEnd second, bool joinFirst, bool joinSecond) {
        const long long th = room_.thickness;
        const bool firstOnCorner = piece != 'c';
        const bool secondOnCorner = piece != 'b';
        tool_.Z1 = tool_.Z2 = tool_.BZ = z_;
        if (IsVertical(side)) {
            const long long inner = side == room_side::Left ? room_.left : room_.right;
            const long long outer = side == room_side::Left ? inner - th : inner + th;
            tool_.X1 = tool_.X2 = Clamped(outer);
            tool_.Y1 = Clamped(first.outer);
            tool_.Y2 = Clamped(second.outer);
            tool_.BX1 = tool_.BX2 = Clamped(inner);
            tool_.BY1 = Clamped(first.inner);
            tool_.BY2 = Clamped(second.inner);
        } else {
            const long long inner = side == room_side::Top ? room_.top : room_.bottom;
            const long long outer = side == room_side::Top ? inner + th : inner - th;
            tool_.Y1 = tool_.Y2 = Clamped(outer);
            tool_.X1 = Clamped(first.outer);
            tool_.X2 = Clamped(second.outer);
            tool_.BY1 = tool_.BY2 = Clamped(inner);
            tool_.BX1 = Clamped(first.inner);
            tool_.BX2 = Clamped(second.inner);
        }
        tool_.WallAngle() = PieceAngle(side, piece);
        if (walls_ == RoomWalls::DesignRoom) {
            std::fill(std::begin(tool_.AfterSecondFace), std::end(tool_.AfterSecondFace), 0);
            tool_.PenWidth() = 1;
            tool_.PenStyle() = 0;
        }
        MakeIntwallObject(tool_);
        if (firstOnCorner ? CornerJoined(FirstAdjacent(side)) : joinFirst) JoinLine(side, first.inner);
        if (secondOnCorner ? CornerJoined(SecondAdjacent(side)) : joinSecond) JoinLine(side, second.inner);
    }

    // A wall ending on a corner that an internal wall covers is joined to it.
    bool CornerJoined(int adjacent) const {
        const FaceOnEdge& face = room_.faces[static_cast<std::size_t>(adjacent)];
        return codes_[adjacent] == Covered && !face.external;
    }

    // A line in the background colour across the wall's end at `at` (y on a vertical side, x on a
    // horizontal one), kept `u` off each face, with the numbers of the wall just made.
    void JoinLine(int side, long long at) {
        const long long th = room_.thickness;
        long long x1 = at, x2 = at, y1 = at, y2 = at;
        switch (side) {
        case room_side::Left:
            x1 = room_.left - th + u_, x2 = room_.left - u_;
            break;
        case room_side::Right:
            x1 = room_.right + u_, x2 = room_.right + th - u_;
            break;
        case room_side::Top:
            y1 = room_.top + u_, y2 = room_.top + th - u_;
            break;
        default:
            y1 = room_.bottom - th + u_, y2 = room_.bottom - u_;
            break;
        }
        auto line = std::make_unique<TLineobj>();
        line->view = Shared.CurrentView;
        line->aux = tool_.RunNumber();
        line->number = tool_.ObjectNumber();
        line->type = type_code::Line;
        line->penWidth = 1;
        line->penStyle = 0;
        line->x1 = Clamped(x1);
        line->y1 = Clamped(y1);
        line->x2 = Clamped(x2);
        line->y2 = Clamped(y2);
        line->colour = static_cast<int>(Shared.BackgroundColour);
        DrawingList.Add(std::move(line));
    }

    TIntwallobjtool& tool_;
    const RoomEnclosure& room_;
    RoomWalls walls_;
    int z_;
    int u_;
    int base_;
    int codes_[4] = {};
};

} // namespace

int RoomSideCode(const RoomEnclosure& room, int side) {
    const FaceOnEdge& face = room.faces[static_cast<std::size_t>(side)];
    if (!face.present) return Whole;
    if (IsVertical(side)) {
        const int wb = face.low;
        const int wt = face.high;
        if (room.top <= wt && room.bottom >= wb) return Covered;
        if (room.top > wt && room.bottom < wb) return PastBothVertical;
        if (room.top > wt && room.bottom < wt) return face.external ? PastUpperEndExternal : PastUpperEnd;
        if (room.bottom < wb && room.top > wb) return face.external ? PastLowerEndExternal : PastLowerEnd;
        return Whole;
    }
    const int wl = face.low;
    const int wr = face.high;
    if (room.left >= wl && room.right <= wr) return Covered;
    if (room.left < wl && room.right > wr) return PastBothHorizontal;
    if (room.left < wl && room.right > wl) return face.external ? PastLeftEndExternal : PastLeftEnd;
    if (room.right > wr && room.left < wr) return face.external ? PastRightEndExternal : PastRightEnd;
    return Whole;
}

void BuildRoomEnclosure(TIntwallobjtool& tool, const RoomEnclosure& room, RoomWalls walls, int z, int u) {
    EnclosureBuilder(tool, room, walls, z, u).Build();
}

int RoomNumberBase(int view) {
    return view > view_code::SecondFloor && view <= view_code::LastPlan
               ? FloorNumberBase(view_code::FourthPlan)
               : FloorNumberBase(view);
}

int RoomWallThickness(int view) {
    const RoomPartitionSettings partitions = ReadRoomPartitions(Shared.Units == 1 ? 1 : 0);
    const std::size_t field = view > view_code::SecondFloor && view <= view_code::LastPlan
                                  ? 2
                                  : static_cast<std::size_t>(RoomPartitionFieldShown(view));
    return partitions.thickness[field];
}
