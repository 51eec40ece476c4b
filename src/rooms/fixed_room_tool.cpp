#include "rooms/fixed_room_tool.h"

#include "model/drawing_list.h"
#include "model/drawing_objects.h"
#include "model/object_codes.h"
#include "model/object_numbers.h"
#include "model/shared_state.h"
#include "partitions/intwall_geometry.h"
#include "rooms/room_enclosure.h"
#include "settings/cfg_files.h"
#include "settings/length_format.h"
#include "tools/dimensions.h"
#include "tools/tool_kinds.h"
#include "tools/tool_support.h"

#include <algorithm>
#include <optional>

using platform::DeviceContext;
using platform::Point;
using platform::Rect;
using tool_support::Clamped;

namespace {

// Where the bounds of the free space start: nothing found yet.
constexpr long long NoLeft = 0;
constexpr long long NoRight = 300000;
constexpr long long NoTop = 300000;
constexpr long long NoBottom = 0;

// A design room bounds the room being built this far off its facing edge, in either unit system.
constexpr long long DesignRoomClearance = 1000;

constexpr int BottomCentre = 6;
constexpr int Horizontal = 900;
constexpr int Turned = 2700;

bool StrictlyBetween(long long v, long long a, long long b) {
    return (a < v && v < b) || (b < v && v < a);
}

// The nearest bound found on each side of the click, with the list index of the object giving it.
class FreeSpace {
  public:
    explicit FreeSpace(Point click) : cx_(click.x), cy_(click.y) {}

    void DesignRoom(const TObject& room, long long grow, int index) {
        const long long l = room.x1 - grow, r = room.x2 + grow, t = room.y1 + grow, b = room.y2 - grow;
        if (b < cy_ && cy_ < t) {
            if (l > cx_)
                RightCandidate(l, index);
            else if (r < cx_)
                LeftCandidate(r, index);
        }
        if (l < cx_ && cx_ < r) {
            if (b > cy_)
                TopCandidate(b, index);
            else if (t < cy_)
                BottomCandidate(t, index);
        }
    }

    // A wall's face line with its wall's stored angle: vertical and horizontal lines bound the side they
    // face; a sloped one only when its angle is stored (above 0), by its end nearer the click.
    void WallFace(long long xa, long long ya, long long xb, long long yb, int angle, int index) {
        if (xa == xb) {
            if (!StrictlyBetween(cy_, ya, yb)) return;
            if (xa > cx_)
                RightCandidate(xa, index);
            else if (xa < cx_)
                LeftCandidate(xa, index);
        } else if (ya == yb) {
            if (!StrictlyBetween(cx_, xa, xb)) return;
            if (ya > cy_)
                TopCandidate(ya, index);
            else if (ya < cy_)
                BottomCandidate(ya, index);
        } else if (angle >= 1) {
            if (StrictlyBetween(cy_, ya, yb)) {
                if (xa < xb && cx_ < xa)
                    RightCandidate(xa, index);
                else if (xb < xa && cx_ < xb)
                    RightCandidate(xb, index);
                else if (xa < xb && xb < cx_)
                    LeftCandidate(xb, index);
                else if (xb < xa && xa < cx_)
                    LeftCandidate(xa, index);
            } else if (StrictlyBetween(cx_, xa, xb)) {
                if (ya < yb && cy_ < ya)
                    TopCandidate(ya, index);
                else if (yb < ya && cy_ < yb)
                    TopCandidate(yb, index);
                else if (ya < yb && yb < cy_)
                    BottomCandidate(yb, index);
                else if (yb < ya && ya < cy_)
                    BottomCandidate(ya, index);
            }
        }
    }

    bool Enclosed() const { return left != NoLeft && right != NoRight && top != NoTop && bottom != NoBottom; }

    long long left = NoLeft;
    long long right = NoRight;
    long long top = NoTop;
    long long bottom = NoBottom;
    int leftIndex = 0;
    int rightIndex = 0;
    int topIndex = 0;
    int bottomIndex = 0;

  private:
    // Of two objects at the same distance the earlier in the list wins.
    void RightCandidate(long long v, int index) {
        if (v < right) right = v, rightIndex = index;
    }
    void LeftCandidate(long long v, int index) {
        if (v > left) left = v, leftIndex = index;
    }
    void TopCandidate(long long v, int index) {
        if (v < top) top = v, topIndex = index;
    }
    void BottomCandidate(long long v, int index) {
        if (v > bottom) bottom = v, bottomIndex = index;
    }

    long long cx_;
    long long cy_;
};

bool IsBound(const TObject* object) {
    return object && (object->type == type_code::ExternalWall || object->type == type_code::InternalWall ||
                      object->type == type_code::DesignRoom);
}

// One side's bound as its object gives it, and the face on it with the face's extent along the side.
struct Bound {
    long long at = 0;
    FaceOnEdge face; // present when the object has a face there
};

// The bound an object gives the side `side` of the room: an external wall its inner face, an internal
// wall its face on the room's side, a design room a line kept DesignRoomClearance off its facing edge
// (no face).
Bound BoundOf(const TObject& object, int side) {
    const bool vertical = side == room_side::Left || side == room_side::Right;
    Bound bound;
    auto faceFrom = [&](int a, int b, bool external) {
        bound.face = {true, std::min(a, b), std::max(a, b), external};
    };
    if (object.type == type_code::ExternalWall) {
        const ::FaceLine inner = InnerFace(static_cast<const TExtwallobj&>(object));
        bound.at = vertical ? inner.x2 : inner.y2;
        if (vertical)
            faceFrom(inner.y1, inner.y2, true);
        else
            faceFrom(inner.x1, inner.x2, true);
    } else if (object.type == type_code::InternalWall) {
        const auto& wall = static_cast<const TIntwallobj&>(object);
        bool first = true;
        switch (side) {
        case room_side::Left:
            first = wall.x1 >= wall.fx1;
            bound.at = std::max(wall.x1, wall.fx1);
            break;
        case room_side::Right:
            first = wall.x1 <= wall.fx1;
            bound.at = std::min(wall.x1, wall.fx1);
            break;
        case room_side::Top:
            first = wall.y1 <= wall.fy1;
            bound.at = std::min(wall.y1, wall.fy1);
            break;
        default:
            first = wall.y1 >= wall.fy1;
            bound.at = std::max(wall.y1, wall.fy1);
            break;
        }
        if (vertical)
            faceFrom(first ? wall.y1 : wall.fy1, first ? wall.y2 : wall.fy2, false);
        else
            faceFrom(first ? wall.x1 : wall.fx1, first ? wall.x2 : wall.fx2, false);
    } else {
        switch (side) {
        case room_side::Left:
            bound.at = object.x2 + DesignRoomClearance;
            break;
        case room_side::Right:
            bound.at = object.x1 - DesignRoomClearance;
            break;
        case room_side::Top:
            bound.at = object.y2 - DesignRoomClearance;
            break;
        default:
            bound.at = object.y1 + DesignRoomClearance;
            break;
        }
    }
    return bound;
}

void AddRoomText(TRoomobjtool& tool, int type, long long x, long long y, int direction, int below,
                 int orientation, const std::string& text, int size) {
    auto object = MakeDimensionText(type, tool.ObjectNumber(), {Clamped(x), Clamped(y)}, direction,
                                    BottomCentre, orientation, text, size);
    object->aux = tool.RunNumber();
    object->z1 = tool.Z1;
    object->y2 = below;
    DrawingList.Add(std::move(object));
}

} // namespace

TRoomobjtool::TRoomobjtool() {
    Kind = tool_kind::FixedRoom;
}

void TRoomobjtool::LButtonDown(DeviceContext& dc, const Rect& client, int x, int y) {
    if (Kind != tool_kind::FixedRoom) return;
    const int grow = RoomWallThickness(Shared.CurrentView);
    LeftSide = RightSide = TopSide = BottomSide = 0;
    const Point click = tool_support::ToDrawingUnits(dc, client, x, y);
    FreeSpace space(click);
    for (int i = 0; i < DrawingList.count; ++i) {
        const TObject& object = *DrawingList[i];
        if (object.view != Shared.CurrentView) continue;
        if (object.type == type_code::DesignRoom) {
            space.DesignRoom(object, grow, i);
        } else if (object.type == type_code::InternalWall) {
            const auto& wall = static_cast<const TIntwallobj&>(object);
            space.WallFace(wall.x1, wall.y1, wall.x2, wall.y2, wall.iwall6, i);
            space.WallFace(wall.fx1, wall.fy1, wall.fx2, wall.fy2, wall.iwall6, i);
        } else if (object.type == type_code::ExternalWall) {
            const auto& wall = static_cast<const TExtwallobj&>(object);
            const ::FaceLine inner = InnerFace(wall);
            space.WallFace(inner.x1, inner.y1, inner.x2, inner.y2, wall.ewall6, i);
        }
    }
    if (!space.Enclosed()) {
        Started() = 1;
        return;
    }
    LeftSide = space.leftIndex;
    RightSide = space.rightIndex;
    TopSide = space.topIndex;
    BottomSide = space.bottomIndex;
    const long long cx = click.x, cy = click.y;
    if (cx - space.left < space.right - cx)
        NearSideX = NearStart;
    else if (space.right - cx < cx - space.left)
        NearSideX = NearEnd;
    if (space.top - cy < cy - space.bottom)
        NearSideY = NearStart;
    else if (cy - space.bottom < space.top - cy)
        NearSideY = NearEnd;
    Started() = 0;
    WriteFreeRoomSize({Clamped(space.right - space.left), Clamped(space.top - space.bottom)});
}

void TRoomobjtool::KeyDown(DeviceContext&, const Rect&, int, Point, int) {}

bool TRoomobjtool::Execute(DeviceContext& /*dc*/, const Rect& /*client*/, int width, int length) {
    const TObject* bounding[4] = {nullptr, nullptr, nullptr, nullptr};
    const int indices[4] = {LeftSide, RightSide, TopSide, BottomSide};
    for (int side = 0; side < 4; ++side) {
        const int index = indices[side];
        if (index >= 0 && index < DrawingList.count) bounding[side] = DrawingList[index];
        // The bounds were found by the click on this very list; a list changed since builds nothing.
        if (!IsBound(bounding[side]) || bounding[side]->view != Shared.CurrentView) return false;
    }

    std::fill(std::begin(AfterSecondFace), std::end(AfterSecondFace), 0);
    const FixedRoomWallSettings walls = ReadFixedRoomWalls();
    Z1 = Z2 = BZ = walls.z;
    std::copy(walls.reserved.begin(), walls.reserved.end(), std::begin(AfterThickness));
    WallThickness = ReadInternalWallSettings(Shared.Units == 1 ? 1 : 0).width;
    const WallColourSettings colours = ReadWallColours();
    WallColour1 = WallColour2 = colours.second;
    const int base = RoomNumberBase(Shared.CurrentView);
    ObjectNumber() = 0;
    Kind = tool_kind::InternalWall;
    Colour = Shared.DrawingColour;
    PenStyle() = 0;
    PenWidth() = 1;
    WallAngle() = 0;

    Bound bounds[4];
    for (int side = 0; side < 4; ++side)
        bounds[side] = BoundOf(*bounding[side], side);

    // A click exactly midway leaves no side chosen: the room is then worked from the left or the top.
    const long long w = width, h = length;
    const long long left =
        NearSideX == NearEnd ? bounds[room_side::Right].at - w : bounds[room_side::Left].at;
    const long long top = NearSideY == NearEnd ? bounds[room_side::Bottom].at + h : bounds[room_side::Top].at;
    const long long right = left + w;
    const long long bottom = top - h;

    RoomEnclosure room;
    room.left = Clamped(left);
    room.right = Clamped(right);
    room.top = Clamped(top);
    room.bottom = Clamped(bottom);
    room.thickness = WallThickness;
    const long long edges[4] = {left, right, top, bottom};
    for (int side = 0; side < 4; ++side)
        if (edges[side] == bounds[side].at) room.faces[static_cast<std::size_t>(side)] = bounds[side].face;
    BuildRoomEnclosure(*this, room, RoomWalls::FixedRoom, walls.z, Shared.Units == 0 ? 24 : 25);

    const DimensionSettings offsets = ReadDimensionOffsets();
    const long long x = NearSideX == NearEnd ? right - w / 2 : left + w / 2;
    const long long y = NearSideY == NearEnd ? bottom + h / 2 : top - h / 2;
    X1 = Clamped(x);
    Y1 = Clamped(y);
    RunNumber() = ObjectNumber() = NewObjectNumber(base);
    AddRoomText(*this, type_code::RoomName, x, y, Horizontal, 0, 0, DrawingList.RoomName,
                offsets.roomNameTextSize);

    const long long th = WallThickness;
    const long long margin = 5LL * Shared.Scale;
    int* box = CapBox();
    box[0] = Clamped(left - th - margin);
    box[1] = Clamped(right + th + margin);
    box[2] = Clamped(top + th + margin);
    box[3] = Clamped(bottom - th - margin);
    LeftSide = room.left;
    RightSide = room.right;
    TopSide = room.top;
    BottomSide = room.bottom;
    Kind = tool_kind::FixedRoom;
    return true;
}

void TRoomobjtool::AddDimension(DeviceContext& /*dc*/, const Rect& /*client*/, int mode, int width,
                                int length, int /*side*/) {
    const std::string widthText = LengthText(width, Shared.Units);
    const std::string lengthText = LengthText(length, Shared.Units);
    const DimensionSettings offsets = ReadDimensionOffsets();
    PenWidth() = 1;
    const long long left = LeftSide, right = RightSide, top = TopSide, bottom = BottomSide;
    const long long o = offsets.internalOffset;
    const int size = offsets.roomDimensionTextSize;
    if (mode == 1) {
        const int below = Clamped(50LL * Shared.Scale);
        AddRoomText(*this, type_code::RoomName, left + (right - left) / 2, top - (top - bottom) / 2 - below,
                    Horizontal, below, 0, widthText + " x " + lengthText, size);
    }
    if (mode == 2 || mode == 4) {
        AddDimensionArrow(*this, type_code::ManualDimension, Clamped(left + o), TopSide, arrow_side::Top);
        AddDimensionArrow(*this, type_code::ManualDimension, Clamped(left + o), BottomSide,
                          arrow_side::Bottom);
        AddRoomText(*this, type_code::SizeText, left + o, top - length / 2, Turned, 0,
                    offsets.textDirection == Turned ? Turned : 0, lengthText, size);
    }
    if (mode == 2 || mode == 3) {
        AddDimensionArrow(*this, type_code::ManualDimension, LeftSide, Clamped(top - o), arrow_side::Left);
        AddDimensionArrow(*this, type_code::ManualDimension, RightSide, Clamped(top - o), arrow_side::Right);
        AddRoomText(*this, type_code::SizeText, left + width / 2, top - o, Horizontal, 0, 0, widthText, size);
    }
    DrawingList.WriteDrawing();
    Kind = tool_kind::FixedRoom;
}
