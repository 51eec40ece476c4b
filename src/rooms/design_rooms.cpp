#include "rooms/design_rooms.h"

#include "model/drawing_list.h"
#include "model/drawing_objects.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "partitions/intwall_geometry.h"
#include "platform/desktop.h"
#include "rooms/design_room_tool.h"
#include "rooms/room_layout.h"
#include "settings/cfg_files.h"
#include "settings/length_format.h"
#include "settings/max_design_room_dialog.h"
#include "settings/max_design_room_imperial_dialog.h"
#include "settings/new_design_room_dialog.h"
#include "settings/new_design_room_imperial_dialog.h"
#include "settings/room_partition_dialog.h"
#include "settings/room_partition_imperial_dialog.h"
#include "tools/drawing_tool.h"
#include "tools/drawing_view.h"
#include "tools/status_texts.h"
#include "tools/tool_support.h"
#include "tools/view_support.h"

#include <algorithm>
#include <optional>
#include <string>

using platform::Point;
using platform::Rect;

namespace {

// The room the new-room dialog describes, sizes in drawing units.
struct NewRoomAnswer {
    std::string name;
    int width = 0;
    int height = 0;
};

int TypedFeetAndInches(const FeetInchesTexts& typed) {
    return FeetInchesToUnits(ParseDecimal(typed.feet), ParseDecimal(typed.inches),
                             ParseDecimal(typed.numerator), ParseDecimal(typed.denominator),
                             FractionRule::Proper);
}

// The answer of a new-room dialog of either units; nothing when cancelled.
std::optional<NewRoomAnswer> Asked(TTroomdlg& dialog) {
    if (dialog.Execute() != platform::IdOk) return std::nullopt;
    return NewRoomAnswer{dialog.roomName, ParseDecimal(dialog.horizontal), ParseDecimal(dialog.vertical)};
}
std::optional<NewRoomAnswer> Asked(TTroomimpdlg& dialog) {
    if (dialog.Execute() != platform::IdOk) return std::nullopt;
    return NewRoomAnswer{dialog.roomName, TypedFeetAndInches(dialog.horizontal),
                         TypedFeetAndInches(dialog.vertical)};
}

// The new-room dialog of the drawing's units; nothing when cancelled.
std::optional<NewRoomAnswer> AskNewRoom() {
    if (Shared.Units == 1) {
        TTroomdlg dialog;
        return Asked(dialog);
    }
    TTroomimpdlg dialog;
    return Asked(dialog);
}

// Where nothing has bounded the measure yet, and the largest size a design room may take.
constexpr long long NoLeft = 0;
constexpr long long NoRight = 300000;
constexpr long long NoBelow = 0;
constexpr long long NoAbove = 300000;
constexpr long long LargestRoom = 30000;

// The partition thickness the maximum room leaves to the design rooms round it: the floor's value
// of RMPTNM.CFG / RMPTNI.CFG on the layout and the three floors, none elsewhere.
int MaxRoomPartition(int view) {
    switch (view) {
    case view_code::RoomLayout:
    case view_code::GroundFloor:
    case view_code::RoomLayout + 1:
    case view_code::FirstFloor:
    case view_code::RoomLayout + 2:
    case view_code::SecondFloor:
        return DesignRoomPartition(view);
    default:
        return 0;
    }
}

// A segment's box: the smaller and larger of its x and y values.
struct SegmentBox {
    long long loX = 0;
    long long hiX = 0;
    long long loY = 0;
    long long hiY = 0;
    bool Holds(long long x, long long y) const { return loX <= x && x <= hiX && loY <= y && y <= hiY; }
};
SegmentBox BoxOfSegment(long long x1, long long y1, long long x2, long long y2) {
    return {std::min(x1, x2), std::max(x1, x2), std::min(y1, y2), std::max(y1, y2)};
}

SegmentBox ExternalSegment(const TExtwallobj& wall) {
    const FaceLine face = InnerFace(wall);
    return BoxOfSegment(face.x1, face.y1, face.x2, face.y2);
}

// The measure of the free space round a click, drawing units.
class MaxRoomMeasure {
  public:
    MaxRoomMeasure(long long x, long long y, int view) : x_(x), y_(y), view_(view) {}

    // Whether the click lies in free space within the extents of the view's walls and design rooms;
    // the extents are gathered on the way.
    bool ClickIsFree() {
        for (int i = 0; i < DrawingList.count; ++i) {
            const TObject& object = *DrawingList[i];
            if (object.view != view_) continue;
            if (object.type == type_code::DesignRoom) {
                if (object.x1 <= x_ && x_ <= object.x2 && object.y2 <= y_ && y_ <= object.y1) return false;
                Widen(object.x1, object.x2, object.y1, object.y2);
            } else if (object.type == type_code::ExternalWall) {
                const SegmentBox s = ExternalSegment(static_cast<const TExtwallobj&>(object));
                if (s.Holds(x_, y_)) return false;
                if (s.loX == s.hiX)
                    Widen(s.loX, s.hiX, maxY_, minY_);
                else if (s.loY == s.hiY)
                    Widen(minX_, maxX_, s.hiY, s.loY);
            } else if (object.type == type_code::InternalWall) {
                const auto& wall = static_cast<const TIntwallobj&>(object);
                for (const SegmentBox& s : {BoxOfSegment(wall.x1, wall.y1, wall.x2, wall.y2),
                                            BoxOfSegment(wall.fx1, wall.fy1, wall.fx2, wall.fy2)}) {
                    if (s.Holds(x_, y_)) return false;
                    Widen(s.loX, s.hiX, s.hiY, s.loY);
                }
            }
        }
        return !(x_ < minX_ || x_ > maxX_ || y_ > maxY_ || y_ < minY_);
    }

    // The nearest bound on each side, the partition `t` kept off design rooms; a side with nothing
    // falls back on the extents, `t` further out.
    MaxRoomSize Measure(long long t) {
        for (int i = 0; i < DrawingList.count; ++i) {
            const TObject& object = *DrawingList[i];
            if (object.view != view_) continue;
            if (object.type == type_code::DesignRoom)
                DesignRoomBound(object, t);
            else if (object.type == type_code::ExternalWall)
                ExternalBound(ExternalSegment(static_cast<const TExtwallobj&>(object)));
            else if (object.type == type_code::InternalWall)
                InternalBound(static_cast<const TIntwallobj&>(object));
        }
        if (left_ == NoLeft) left_ = minX_ - t;
        if (right_ == NoRight) right_ = maxX_ + t;
        if (below_ == NoBelow) below_ = minY_ - t;
        if (above_ == NoAbove) above_ = maxY_ + t;
        const long long width = std::min(right_ - left_, LargestRoom);
        const long long height = std::min(above_ - below_, LargestRoom);
        return {tool_support::Clamped(width), tool_support::Clamped(height)};
    }

  private:
    void Widen(long long lowX, long long highX, long long highY, long long lowY) {
        minX_ = std::min(minX_, lowX);
        maxX_ = std::max(maxX_, highX);
        maxY_ = std::max(maxY_, highY);
        minY_ = std::min(minY_, lowY);
    }

    void DesignRoomBound(const TObject& room, long long t) {
        if (room.y2 < y_ && y_ < room.y1) {
            if (x_ < room.x1)
                right_ = std::min(right_, room.x1 - t);
            else if (x_ > room.x2)
                left_ = std::max(left_, room.x2 + t);
        } else if (y_ > room.y1 && room.x1 <= x_ && x_ < room.x2) {
            below_ = std::max(below_, room.y1 + t);
        } else if (y_ < room.y2 && room.x1 <= x_ && x_ < room.x2) {
            above_ = std::min(above_, room.y2 - t);
        }
    }

    void ExternalBound(const SegmentBox& s) {
        if (s.loX < x_ && x_ < s.hiX) {
            if (y_ > s.hiY)
                below_ = std::max(below_, s.hiY);
            else if (y_ < s.loY)
                above_ = std::min(above_, s.loY);
        } else if (s.loY < y_ && y_ < s.hiY) {
            if (x_ < s.loX)
                right_ = std::min(right_, s.loX);
            else if (x_ > s.hiX)
                left_ = std::max(left_, s.hiX);
        }
    }

    // The two faces put in order by the swaps the measure has always made (kept as they are: they
    // decide which face bounds which side).
    void InternalBound(const TIntwallobj& wall) {
        long long ax1 = wall.x1, ay1 = wall.y1, ax2 = wall.x2, ay2 = wall.y2;
        long long bx1 = wall.fx1, by1 = wall.fy1, bx2 = wall.fx2, by2 = wall.fy2;
        if (ax1 > bx1) std::swap(ax1, bx1), std::swap(ax2, bx2);
        if (by1 > ay1) std::swap(ay1, by1), std::swap(ay2, by2);
        if (ax1 > ax2) std::swap(ax1, ax2), std::swap(bx1, bx2);
        if (ay2 > ay1) std::swap(ay1, ay2), std::swap(by1, by2);
        if (ay2 < y_ && y_ < ay1) {
            if (x_ < ax1)
                right_ = std::min(right_, ax1);
            else if (x_ > bx2)
                left_ = std::max(left_, bx2);
        } else if (y_ > ay1 && ax1 <= x_ && x_ < ax2) {
            below_ = std::max(below_, ay1);
        } else if (y_ < by2 && ax1 <= x_ && x_ < ax2) {
            above_ = std::min(above_, by2);
        }
    }

    long long x_;
    long long y_;
    int view_;
    long long minX_ = 300000;
    long long maxX_ = 0;
    long long maxY_ = 0;
    long long minY_ = 300000;
    long long left_ = NoLeft;
    long long right_ = NoRight;
    long long below_ = NoBelow;
    long long above_ = NoAbove;
};

// The partition thickness of the current floor's design rooms, asked in the drawing's units; the
// dialog writes it itself.
void AskRoomPartition() {
    if (Shared.Units == 1) {
        TRmpttndlg dialog;
        dialog.Execute();
    } else {
        TRmpttnimpdlg dialog;
        dialog.Execute();
    }
}

bool HasDesignRoom(int view) {
    for (int i = 0; i < DrawingList.count; ++i)
        if (DrawingList[i]->type == type_code::DesignRoom && DrawingList[i]->view == view) return true;
    return false;
}

// A box in logical units (top the larger y) widened by a margin, mapped to client pixels and clipped
// to the client rectangle.
Rect ClippedClientArea(DrawingView& view, const Rect& client, long long left, long long top, long long right,
                       long long bottom, long long margin) {
    auto logical = [](long long v) { return tool_support::Clamped(v); };
    const Point from = LogicalToClient(view, {logical(left - margin), logical(top + margin)});
    const Point to = LogicalToClient(view, {logical(right + margin), logical(bottom - margin)});
    Rect area{std::max(from.x, client.left), std::max(from.y, client.top), std::min(to.x, client.right),
              std::min(to.y, client.bottom)};
    if (area.right <= area.left || area.bottom <= area.top) return Rect{};
    return area;
}

void InvalidateArea(DrawingView& view, const Rect& area) {
    if (area.right <= area.left || area.bottom <= area.top) return;
    view.Invalidate(&area, true);
}

} // namespace

void NewDesignRoom(DrawingView& view) {
    ShowPrompt("press HELP button if unsure");
    const Rect client = view.ClientRect();
    if (!HasDesignRoom(Shared.CurrentView)) {
        AskRoomPartition();
        view.Invalidate(nullptr, false);
    }
    std::optional<NewRoomAnswer> answer = AskNewRoom();
    if (answer && answer->name.size() > TList::RoomNameLimit) return;
    if (answer) DrawingList.RoomName = answer->name.size() == 1 ? "none" : answer->name;
    view.Invalidate(nullptr, false);
    if (answer) {
        view.Tool().Step(answer->width, answer->height, 0);
        ShowPrompt(Shared.Units == 1
                       ? "place cursor in room, move with LB down (align to Room)"
                       : "place cursor in room, move with LB down (align to Room), RB (align Boundary)");
        Shared.DrawingState = 2;
        if (view.DatumState > 1) SetDatum(view, 1);
        InvalidateNewDesignRoomArea(view, client);
    }
    if (Shared.CurrentView >= view_code::RoomLayout && Shared.CurrentView <= view_code::LastLayout)
        Shared.LayoutGridOn = 1;
}

void NewMaxDesignRoom(DrawingView& view) {
    const Rect client = view.ClientRect();
    if (!HasDesignRoom(Shared.CurrentView)) {
        AskRoomPartition();
        view.Invalidate(nullptr, false);
    }
    const MaxRoomSize measured = ReadMaxRoomSize();
    std::optional<NewRoomAnswer> answer;
    if (Shared.Units == 1) {
        // Sizes of a centimetre or less are no room.
        if (measured.width <= 10 || measured.height <= 10) return;
        TMaxroomdlg dialog(TMaxroomdlg::Resource, measured.width, measured.height);
        answer = Asked(dialog);
        view.Invalidate(nullptr, false);
    } else {
        if (measured.width <= 1 || measured.height <= 1) return;
        TMaxroomimpdlg dialog(TMaxroomimpdlg::Resource, measured.width, measured.height);
        answer = Asked(dialog);
    }
    if (!answer || answer->name.size() > TList::RoomNameLimit) return;
    DrawingList.RoomName = answer->name.size() == 1 ? "none" : answer->name;
    TDrawingtool& tool = view.Tool();
    tool.State = TDRoomobjtool::PlaceNew;
    tool.Step(answer->width, answer->height, 0);
    Shared.DrawingState = 2;
    ShowPrompt("place cursor in room, move with LB down (align to Room), RB (align Boundary)");
    SetDatum(view, 1);
    view.DatumState = 1;
    InvalidateNewDesignRoomArea(view, client);
}

void MeasureMaxRoom(TDRoomobjtool& tool, platform::DeviceContext& dc, const Rect& client, int x, int y) {
    const Point click = tool_support::ToDrawingUnits(dc, client, x, y);
    tool.LastMouseX = click.x;
    tool.LastMouseY = click.y;
    // A drawing of one object has nothing to measure against.
    if (DrawingList.count == 1) {
        tool.State = TDRoomobjtool::OutsideWalls;
        return;
    }
    MaxRoomMeasure measure(click.x, click.y, Shared.CurrentView);
    if (!measure.ClickIsFree()) {
        tool.State = TDRoomobjtool::OutsideWalls;
        return;
    }
    WriteMaxRoomSize(measure.Measure(MaxRoomPartition(Shared.CurrentView)));
}

void InvalidateNewDesignRoomArea(DrawingView& view, const Rect& client) {
    const TDrawingtool& tool = view.Tool();
    const int scale = tool_support::ScaleDivisor();
    const long long margin = 2LL * Shared.PenWidthFactor;
    InvalidateArea(view, ClippedClientArea(view, client, tool.X1 / scale, tool.Y1 / scale, tool.X2 / scale,
                                           tool.Y2 / scale, margin));
}

Rect ChangedDesignRoomArea(DrawingView& view, const Rect& client, int mergeDistance) {
    TDrawingtool& tool = view.Tool();
    const int scale = tool_support::ScaleDivisor();
    const int* previous = tool.PrevBox(); // left, right, top, bottom
    const long long left = std::min(tool.X1 / scale, previous[0] / scale);
    const long long right = std::max(tool.X2 / scale, previous[1] / scale);
    const long long top = std::max(tool.Y1 / scale, previous[2] / scale);
    const long long bottom = std::min(tool.Y2 / scale, previous[3] / scale);
    const long long margin = 10LL * Shared.Scale + mergeDistance / scale;
    return ClippedClientArea(view, client, left, top, right, bottom, margin);
}

void InvalidateDesignRoomArea(DrawingView& view, const Rect& client) {
    InvalidateArea(view, ChangedDesignRoomArea(view, client, ReadMergeDistance(Shared.Units).distance));
}
