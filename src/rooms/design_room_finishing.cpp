#include "rooms/design_room_finishing.h"

#include "model/drawing_list.h"
#include "model/drawing_objects.h"
#include "model/object_codes.h"
#include "model/object_numbers.h"
#include "model/shared_state.h"
#include "partitions/intwall_geometry.h"
#include "partitions/intwall_tool.h"
#include "rooms/room_enclosure.h"
#include "tools/dimensions.h"
#include "tools/tool_support.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

using tool_support::Clamped;

namespace {

// The step codes of the internal-wall tool that finish design rooms.
constexpr int CurrentViewRooms = 1;
constexpr int LayoutRooms = 2;

// Where the searches and CapBox start: no object lies this far out.
constexpr int FarOut = 300000;

// Texts of a finished room: the name and the sizes below it are room names (36), the dimensioned
// sizes size texts (35); all are centred on the bottom of their position.
constexpr int BottomCentre = 6;
constexpr int Horizontal = 900;
constexpr int Turned = 2700;

std::string RoomString(const char* field, std::size_t capacity) {
    return std::string(field, strnlen(field, capacity));
}

// The rooms named so are left out: the user's way to keep an open area. The test is exact.
bool IsSpace(const TRoomobj& room) {
    const std::string name = RoomString(room.name, TRoomobj::NameCapacity);
    return name == "space" || name == "SPACE";
}

bool IsDesignRoomOf(const TObject& object, int view) {
    return object.type == type_code::DesignRoom && object.view == view;
}

// A face line with its ends in order along its run.
struct Face {
    int at = 0;   // x of a vertical face, y of a horizontal one
    int low = 0;  // lower y, or left x
    int high = 0; // upper y, or right x
};

Face VerticalFace(int x, int ya, int yb) {
    return {x, std::min(ya, yb), std::max(ya, yb)};
}
Face HorizontalFace(int y, int xa, int xb) {
    return {y, std::min(xa, xb), std::max(xa, xb)};
}

// The nearest face found on one side of the room and the wall it belongs to.
struct Nearest {
    long long at = 0;
    int wall = -1;
};

// The first step of finishing a room, the search: the nearest wall face on each side, with the edges
// moved onto external walls' inner faces within the snap tolerance.
class WallSearch {
  public:
    WallSearch(long long left, long long top, long long right, long long bottom)
        : left_(left), right_(right), top_(top), bottom_(bottom) {
        nearest_[room_side::Left].at = 0;
        nearest_[room_side::Right].at = FarOut;
        nearest_[room_side::Top].at = FarOut;
        nearest_[room_side::Bottom].at = 0;
        // A few pixels of the view either way: 5 mm or 6 / 24 inch a pixel at zoom 1.
        tolerance_ = static_cast<long long>(std::trunc((Shared.Units == 0 ? 6.0 : 5.0) * Shared.Zoom + 1.0));
    }

    void Run() {
        for (int i = 0; i < DrawingList.count; ++i) {
            const TObject& object = *DrawingList[i];
            if (object.view != Shared.CurrentView) continue;
            if (object.type == type_code::InternalWall)
                InternalWall(static_cast<const TIntwallobj&>(object), i);
            else if (object.type == type_code::ExternalWall)
                ExternalWall(static_cast<const TExtwallobj&>(object), i);
        }
    }

    // What lies on each edge after the search, for the enclosure.
    RoomEnclosure Enclosure(int thickness) const {
        RoomEnclosure room;
        room.left = Clamped(left_);
        room.right = Clamped(right_);
        room.top = Clamped(top_);
        room.bottom = Clamped(bottom_);
        room.thickness = thickness;
        const long long edges[4] = {left_, right_, top_, bottom_};
        for (int side = 0; side < 4; ++side) {
            const Nearest& found = nearest_[side];
            if (found.wall < 0 || found.at != edges[side]) continue;
            const TObject& wall = *DrawingList[found.wall];
            const Face face = FaceNearerTheRoom(wall, side);
            room.faces[static_cast<std::size_t>(side)] = {true, face.low, face.high,
                                                          wall.type == type_code::ExternalWall};
        }
        return room;
    }

  private:
    void InternalWall(const TIntwallobj& wall, int index) {
        if (wall.x1 == wall.x2) {
            Vertical(VerticalFace(wall.x1, wall.y1, wall.y2), index);
            Vertical(VerticalFace(wall.fx1, wall.fy1, wall.fy2), index);
        } else if (wall.y1 == wall.y2) {
            Horizontal(HorizontalFace(wall.y1, wall.x1, wall.x2), index);
            Horizontal(HorizontalFace(wall.fy1, wall.fx1, wall.fx2), index);
        }
        // An angled wall bounds no side.
    }

    // An external wall's inner face may first pull the nearer edge onto itself, wherever along the
    // edge's line it lies.
    void ExternalWall(const TExtwallobj& wall, int index) {
        const FaceLine inner = InnerFace(wall);
        if (inner.x1 == inner.x2) {
            const long long x = inner.x1;
            if (Near(x, left_))
                left_ = x;
            else if (Near(x, right_))
                right_ = x;
            Vertical(VerticalFace(inner.x1, inner.y1, inner.y2), index);
        } else if (inner.y1 == inner.y2) {
            const long long y = inner.y1;
            if (Near(y, top_))
                top_ = y;
            else if (Near(y, bottom_))
                bottom_ = y;
            Horizontal(HorizontalFace(inner.y1, inner.x1, inner.x2), index);
        }
    }

    bool Near(long long face, long long edge) const {
        return face - tolerance_ < edge && edge < face + tolerance_;
    }

    // A vertical face counts when it overlaps the room's height.
    void Vertical(const Face& face, int index) {
        if (!((face.high >= top_ && face.low < top_) || (face.high <= top_ && face.high > bottom_))) return;
        if (face.at <= left_ && face.at > nearest_[room_side::Left].at)
            nearest_[room_side::Left] = {face.at, index};
        else if (face.at >= right_ && face.at < nearest_[room_side::Right].at)
            nearest_[room_side::Right] = {face.at, index};
    }

    // A horizontal face counts when it overlaps the room's width.
    void Horizontal(const Face& face, int index) {
        if (!((face.low <= left_ && face.high > left_) || (face.low >= left_ && face.low < right_))) return;
        if (face.at >= top_ && face.at < nearest_[room_side::Top].at)
            nearest_[room_side::Top] = {face.at, index};
        else if (face.at <= bottom_ && face.at > nearest_[room_side::Bottom].at)
            nearest_[room_side::Bottom] = {face.at, index};
    }

    // The extent along the side of the found wall's face nearer the room: an external wall's inner face;
    // of an internal wall's two faces the one further in.
    static Face FaceNearerTheRoom(const TObject& object, int side) {
        const bool vertical = side == room_side::Left || side == room_side::Right;
        if (object.type == type_code::ExternalWall) {
            const FaceLine inner = InnerFace(static_cast<const TExtwallobj&>(object));
            return vertical ? VerticalFace(inner.x1, inner.y1, inner.y2)
                            : HorizontalFace(inner.y1, inner.x1, inner.x2);
        }
        const auto& wall = static_cast<const TIntwallobj&>(object);
        const Face first =
            vertical ? VerticalFace(wall.x1, wall.y1, wall.y2) : HorizontalFace(wall.y1, wall.x1, wall.x2);
        const Face second = vertical ? VerticalFace(wall.fx1, wall.fy1, wall.fy2)
                                     : HorizontalFace(wall.fy1, wall.fx1, wall.fx2);
        switch (side) {
        case room_side::Left:
        case room_side::Bottom:
            return second.at > first.at ? second : first;
        default:
            return second.at < first.at ? second : first;
        }
    }

    long long left_;
    long long right_;
    long long top_;
    long long bottom_;
    long long tolerance_ = 1;
    Nearest nearest_[4];
};

void AddText(TIntwallobjtool& tool, int type, long long x, long long y, int direction, int below,
             int orientation, const std::string& text, int size) {
    auto object = MakeDimensionText(type, tool.ObjectNumber(), {Clamped(x), Clamped(y)}, direction,
                                    BottomCentre, orientation, text, size);
    object->y2 = below;
    DrawingList.Add(std::move(object));
}

// The room's name at its centre and its sizes as its label mode asks, all with one new number.
void AddRoomLabels(TIntwallobjtool& tool, const RoomEnclosure& room, const std::string& name,
                   const std::string& widthLabel, const std::string& heightLabel, int labelMode) {
    const DimensionSettings offsets = ReadDimensionOffsets();
    tool.RunNumber() = tool.ObjectNumber() = NewObjectNumber(RoomNumberBase(Shared.CurrentView));
    const long long left = room.left, right = room.right, top = room.top, bottom = room.bottom;
    const long long cx = left + (right - left) / 2;
    const long long cy = top - (top - bottom) / 2;
    const long long o1 = offsets.internalOffset;
    const int size = offsets.roomDimensionTextSize;
    if (name != "none") AddText(tool, type_code::RoomName, cx, cy, Horizontal, 0, 0, name, size);
    const int below = Clamped(50LL * Shared.Scale);
    if (labelMode == 1)
        AddText(tool, type_code::RoomName, cx, cy - below, Horizontal, below, 0,
                widthLabel + " x " + heightLabel, size);
    if (labelMode == 2 || labelMode == 3) {
        AddText(tool, type_code::SizeText, cx, top - o1, Turned, 0, 0, widthLabel, size);
        AddDimensionArrow(tool, type_code::ManualDimension, room.left, Clamped(top - o1), arrow_side::Left);
        AddDimensionArrow(tool, type_code::ManualDimension, room.right, Clamped(top - o1), arrow_side::Right);
    }
    if (labelMode == 2 || labelMode == 4) {
        AddText(tool, type_code::SizeText, left + o1, cy, Horizontal, 0, offsets.textDirection, heightLabel,
                size);
        AddDimensionArrow(tool, type_code::ManualDimension, Clamped(left + o1), room.top, arrow_side::Top);
        AddDimensionArrow(tool, type_code::ManualDimension, Clamped(left + o1), room.bottom,
                          arrow_side::Bottom);
    }
}

} // namespace

void FinishDesignRoom(TIntwallobjtool& tool, int roomIndex) {
    if (roomIndex < 0 || roomIndex >= DrawingList.count ||
        DrawingList[roomIndex]->type != type_code::DesignRoom)
        return;
    const auto& design = static_cast<const TRoomobj&>(*DrawingList[roomIndex]);
    const std::string name = RoomString(design.name, TRoomobj::NameCapacity);
    const std::string widthLabel = RoomString(design.label1, TRoomobj::LabelCapacity);
    const std::string heightLabel = RoomString(design.label2, TRoomobj::LabelCapacity);
    const int labelMode = design.roomA;

    tool.WallThickness = RoomWallThickness(Shared.CurrentView);
    tool.ObjectNumber() = 0;
    tool.Colour = Shared.DrawingColour;
    tool.PenStyle() = 0;
    tool.PenWidth() = 1;

    WallSearch search(tool.X1, tool.Y1, tool.X2, tool.Y2);
    search.Run();
    const RoomEnclosure room = search.Enclosure(tool.WallThickness);
    BuildRoomEnclosure(tool, room, RoomWalls::DesignRoom, 0, Shared.Units == 0 ? 24 : 25);
    AddRoomLabels(tool, room, name, widthLabel, heightLabel, labelMode);
    tool.Y1 = 0;
}

void FinishDesignRooms(TIntwallobjtool& tool, int code) {
    if (code != CurrentViewRooms && code != LayoutRooms) return;
    const int view =
        code == CurrentViewRooms ? Shared.CurrentView : Shared.CurrentView - view_code::DesignRoomOffset;
    int* box = tool.CapBox(); // left, right, top, bottom
    box[0] = FarOut, box[1] = 0, box[2] = 0, box[3] = FarOut;
    int finished = 0;
    // The list grows as rooms are finished; nothing appended is a design room.
    for (int i = 0; i < DrawingList.count; ++i) {
        const TObject& object = *DrawingList[i];
        if (!IsDesignRoomOf(object, view) || IsSpace(static_cast<const TRoomobj&>(object))) continue;
        tool.X1 = object.x1, tool.Y1 = object.y1, tool.X2 = object.x2, tool.Y2 = object.y2;
        box[0] = std::min(box[0], object.x1);
        box[1] = std::max(box[1], object.x2);
        box[2] = std::max(box[2], object.y1);
        box[3] = std::min(box[3], object.y2);
        FinishDesignRoom(tool, i);
        ++finished;
    }
    if (code == CurrentViewRooms && finished > 0) {
        std::vector<bool> rooms(static_cast<std::size_t>(DrawingList.count), false);
        for (int i = 0; i < DrawingList.count; ++i)
            rooms[static_cast<std::size_t>(i)] = IsDesignRoomOf(*DrawingList[i], view);
        DrawingList.RemoveMarked(rooms);
    }
    DrawingList.WriteDrawing();
    if (box[0] < FarOut && box[3] < FarOut) {
        const long long grow = 2LL * Shared.Scale * tool.WallThickness;
        box[0] = Clamped(box[0] - grow);
        box[1] = Clamped(box[1] + grow);
        box[2] = Clamped(box[2] + grow);
        box[3] = Clamped(box[3] - grow);
    }
}
