// Keyboard entry of lengths and directions: once a start point is fixed the arrow keys give the
// direction and the view asks the length, in millimetres or in feet, inches and eighths; the tool draws
// the segment. The view keeps the distance readout from the run's start, finishes the floor plan when
// an outline closes, and runs the floor-plan resize.
#include "model/drawing_list.h"
#include "model/drawing_objects.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "partitions/intwall_tool.h"
#include "platform/desktop.h"
#include "platform/input.h"
#include "rooms/design_room_tool.h"
#include "rooms/room_operations.h"
#include "settings/length_format.h"
#include "tools/drawing_tool.h"
#include "tools/editing_operations.h"
#include "tools/status_texts.h"
#include "tools/tool_kinds.h"
#include "tools/view_support.h"
#include "view/child.h"
#include "view/keyboard_input.h"
#include "view/title_block.h"
#include "view/typed_length.h"
#include "view/view_owner.h"
#include "view/zoom.h"
#include "walls/extwall_tool.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

using platform::DeviceContext;
using platform::Point;
using platform::Rect;
namespace VirtualKey = platform::VirtualKey;

namespace {

constexpr int AngledInternalWallMarker = 50;

// Direction codes shared with the tools: up 1, right 2, down 3, left 4.
int DirectionOf(int key) {
    switch (key) {
    case VirtualKey::Up:
        return 1;
    case VirtualKey::Right:
        return 2;
    case VirtualKey::Down:
        return 3;
    default:
        return 4;
    }
}

const char* DirectionPrompt(int key) {
    switch (key) {
    case VirtualKey::Up:
        return "UP:";
    case VirtualKey::Right:
        return "RIGHT:";
    case VirtualKey::Down:
        return "DOWN:";
    default:
        return "LEFT:";
    }
}

// What the length dialog says it measures.
std::string LengthTitle(TDrawingtool& tool, int kind) {
    switch (kind) {
    case tool_kind::Rectangle:
        return "RECTANGLE";
    case tool_kind::RoundedRectangle:
        return "ROUNDED RECTANGLE";
    case tool_kind::FloorPlanResize:
        if (tool.State == TExtwallobjtool::Enlarge) return "EXPAND BASE BY";
        if (tool.State == TExtwallobjtool::Shrink) return "SHRINK BASE BY";
        return "LINE";
    case tool_kind::DesignRoom:
        // Every state of the design-room tool adjusts the selected room.
        return "ADJUST ROOM";
    case tool_kind::InternalWall:
        return tool.KeyMode() == 4 ? "OPEN UP" : "WALL TO";
    default:
        return "LINE";
    }
}

// The length of one keyboard step, asked in the drawing's units; nothing when cancelled or outside
// 1 to 32766 drawing units.
std::optional<int> AskStepLength(const std::string& title, const std::string& prompt, const std::string& text,
                                 int initial) {
    TypedLength typed =
        Shared.Units == 1 ? AskMetricLength(title, prompt, text, 9) : AskFeetInchesLength(initial);
    if (typed.cancelled || !typed.valid || !IsTypedLength(typed.units)) return std::nullopt;
    return typed.units;
}

// One of a class of objects of the current floor, counted for the tests of a run.
bool IsOfFloor(const TObject& object, int type) {
    return object.type == type && object.view == Shared.CurrentView;
}

// The distance of the run's end from its start, shown in the status bar once the end is more than 100
// units away on an axis.
void ShowDistanceFromStart(TChild& view) {
    if (view.DatumState != 4) return;
    const TDrawingtool& tool = view.Owner().Tool();
    const long long dx = static_cast<long long>(tool.X2) - view.StartX;
    const long long dy = static_cast<long long>(tool.Y2) - view.StartY;
    if (dx <= 100 && dx >= -100 && dy <= 100 && dy >= -100) return;
    char text[160];
    if (Shared.Units == 1) {
        std::snprintf(text, sizeof text, "Distance from START POINT h %d: v %d", static_cast<int>(dx),
                      static_cast<int>(dy));
        ShowPrompt(text);
        return;
    }
    struct Axis {
        int feet, inches, numerator, denominator;
        bool eighth;
    };
    auto split = [](long long d) {
        const long long q = d / 24;
        const int r = static_cast<int>(std::llabs(d % 24));
        Axis axis{static_cast<int>(q / 12), static_cast<int>(std::llabs(q % 12)), 0, 0, false};
        static const int numerators[] = {1, 1, 3, 1, 5, 3, 7};
        static const int denominators[] = {8, 4, 8, 2, 8, 4, 8};
        if (r % 3 == 0 && r >= 3 && r <= 21) {
            axis.numerator = numerators[r / 3 - 1];
            axis.denominator = denominators[r / 3 - 1];
            axis.eighth = true;
        }
        return axis;
    };
    const Axis x = split(dx);
    const Axis y = split(dy);
    if (!x.eighth && !y.eighth)
        std::snprintf(text, sizeof text, "Distance from START POINT h %d' %d: v %d' %d", x.feet, x.inches,
                      y.feet, y.inches);
    else if (!y.eighth)
        std::snprintf(text, sizeof text, "Distance from START POINT %d' %d %d/%d'' x %d' %d''", x.feet,
                      x.inches, x.numerator, x.denominator, y.feet, y.inches);
    else if (!x.eighth)
        std::snprintf(text, sizeof text, "Distance from START POINT %d' %d'' x %d' %d %d/%d''", x.feet,
                      x.inches, y.feet, y.inches, y.numerator, y.denominator);
    else
        std::snprintf(text, sizeof text, "Distance from START POINT %d' %d %d/%d'' x %d' %d %d/%d''", x.feet,
                      x.inches, x.numerator, x.denominator, y.feet, y.inches, y.numerator, y.denominator);
    ShowPrompt(text);
}

void AddOutlineDimensions(TChild& view) {
    CallTool(view, [](TDrawingtool& tool, DeviceContext& dc, const Rect& client) {
        tool.AddDimension(dc, client, 0, 0, 0, 'o');
    });
}

// When the last segment of a corner-mark or external-wall run ends where the run began, the floor plan
// is finished.
void FinishClosedOutline(TChild& view, int kind) {
    const int type = kind == tool_kind::CornerMarks ? type_code::CornerMark : type_code::ExternalWall;
    int count = 0;
    int first = -1;
    for (int i = 0; i < DrawingList.count; ++i) {
        if (!IsOfFloor(*DrawingList[i], type)) continue;
        if (first < 0) first = i;
        ++count;
    }
    if (count <= 2) return;
    const TObject& start = *DrawingList[first];
    const TObject& last = *DrawingList[DrawingList.count - 1];
    auto near = [](long long a, long long b) { return std::llabs(a - b) < Shared.Scale; };
    const bool closed = (near(last.x2, start.x1) && near(last.y2, start.y1)) ||
                        (near(last.x1, start.x2) && near(last.y1, start.y2));
    if (!closed) return;
    ViewOwner& owner = view.Owner();
    if (kind == tool_kind::CornerMarks) {
        // The marks become external walls, the layout's design rooms internal walls.
        owner.Tool().KeyMode() = 0;
        view.DatumState = 1;
        ShowReadout("0");
        owner.RestoreTool(tool_kind::ExternalWall);
        CallingTool(view).Action(7);
        AddOutlineDimensions(view);
        view.DatumState = 1;
        ShowReadout("0");
        owner.RestoreTool(tool_kind::InternalWall);
        owner.Tool().State = TIntwallobjtool::FinishingDesignRooms;
        CallingTool(view).Step(0, 0, 2);
        owner.SelectPickTool();
        CallingTool(view).Action(1);
        MakeTitleBlock(DrawingList);
        if (Shared.CurrentView == view_code::GroundFloor) UpdateScrollOrigin(view, 0);
        InvalidateWholeView(view);
        view.Owner().Editing().ReportFloorArea(view, 2);
        ShowPrompt("Pick Tool");
        Shared.DisplayMode = 0;
    } else {
        owner.Tool().KeyMode() = 0;
        CallingTool(view).Action(5);
        AddOutlineDimensions(view);
        view.Owner().Editing().ReportFloorArea(view, 2);
        view.DatumState = 1;
        ShowReadout("0");
        owner.SelectPickTool();
        MakeTitleBlock(DrawingList);
        Shared.DisplayMode = 0;
        if (Shared.CurrentView == view_code::GroundFloor) UpdateScrollOrigin(view, 0);
        InvalidateWholeView(view);
    }
}

// The newest internal wall among the last three objects of the list; null when none of them is one.
const TIntwallobj* NewestInternalWall() {
    for (int i = DrawingList.count - 1; i >= 0 && i >= DrawingList.count - 3; --i)
        if (DrawingList[i]->type == type_code::InternalWall)
            return dynamic_cast<const TIntwallobj*>(DrawingList[i]);
    return nullptr;
}

// After a segment of an internal-wall run: the datum at the segment's start, the drawing saved, and the
// run either ended (closed back to its start, or against a wall) or ready for the next segment.
void FollowInternalWallRun(TChild& view, KeyPress& press) {
    ViewOwner& owner = view.Owner();
    TDrawingtool& tool = owner.Tool();
    view.DatumX = tool.X1;
    view.DatumY = tool.Y1;
    view.DatumState = 4;
    const int mode = tool.KeyMode();
    if (mode == 1 || mode == 3 || press.key == VirtualKey::Return) DrawingList.WriteDrawing();
    if (mode != 1) return;
    const Point middle{press.client.right / 2, press.client.bottom / 2};
    auto endRun = [&] {
        owner.SelectPickTool();
        ShowCaption("Pick Tool");
        view.DatumState = 1;
        view.StartX = 0;
        ShowReadout("0");
    };
    if (tool.Amount() == TIntwallobjtool::RunClosed) {
        // Closed back to its start: the last segment's box is repainted.
        const int* box = tool.PrevBox();
        Point from = LogicalToClient(view, {box[0] / Shared.Scale, box[2] / Shared.Scale});
        Point to = LogicalToClient(view, {box[1] / Shared.Scale, box[3] / Shared.Scale});
        from.x = std::max(from.x, 0);
        from.y = std::max(from.y, 0);
        to.x = std::min(to.x, press.client.right);
        to.y = std::min(to.y, press.client.bottom);
        view.PutCursorOn(middle);
        InvalidateViewArea(view, Rect{from.x, from.y, to.x, to.y});
        endRun();
        return;
    }
    if (const TIntwallobj* wall = NewestInternalWall()) {
        const Point at = LogicalToClient(view, {wall->x1 / Shared.Scale, wall->y1 / Shared.Scale});
        const int half = wall->iwall1 / 2;
        InvalidateViewArea(view, Rect{at.x - half, at.y - half, at.x + half, at.y + half});
    }
    if (tool.Amount() == TIntwallobjtool::RunEndedAtWall) {
        endRun();
        view.PutCursorOn(middle);
        return;
    }
    view.PutCursorOn(LogicalToClient(view, {tool.X1 / Shared.Scale, tool.Y1 / Shared.Scale}));
    tool.Dragging = 1;
}

// The mouse capture of one keyboard step, released on every way out.
class StepCapture {
  public:
    explicit StepCapture(TChild& view) : view_(view) {
        if (view_.Window()) view_.Window()->SetCapture(true);
    }
    ~StepCapture() { Release(); }
    StepCapture(const StepCapture&) = delete;
    StepCapture& operator=(const StepCapture&) = delete;
    void Release() {
        if (held_ && view_.Window()) view_.Window()->SetCapture(false);
        held_ = false;
    }

  private:
    TChild& view_;
    bool held_ = true;
};

// The step every key of keyboard entry ends in: the key and its length go to the tool (unless `done`),
// then the view follows up by tool kind.
void CommonStep(TChild& view, KeyPress& press, bool done) {
    ViewOwner& owner = view.Owner();
    StepCapture capture(view);
    if (done) return;
    if (view.Window()) {
        const Point logical = ClientToLogical(view, press.cursor);
        if (press.kind != tool_kind::FloorPlanResize && press.kind != tool_kind::DesignRoom) {
            const int scrollX = Shared.ScrollX;
            const int scrollY = Shared.ScrollY;
            ScrollCursorIntoView(view, press.value, press.key, logical.x, logical.y);
            if (Shared.ScrollX != scrollX || Shared.ScrollY != scrollY) InvalidateWholeView(view);
        }
        CallTool(view, [&](TDrawingtool& tool, DeviceContext& dc, const Rect& client) {
            tool.KeyDown(dc, client, press.key, press.cursor, press.value);
        });
    }
    TDrawingtool& tool = owner.Tool();
    switch (press.kind) {
    case tool_kind::CornerMarks:
    case tool_kind::ExternalWall:
        view.DatumX = tool.X2;
        view.DatumY = tool.Y2;
        InvalidateWholeView(view);
        view.DatumState = 4;
        ShowPrompt("Continue - if same details use arrow keys or Enter endpoint - click Extwall icon if "
                   "changing detail");
        break;
    case tool_kind::Line:
        if (tool.State == TLineobjtool::MultilineCopies) {
            view.DatumState = 1;
            ShowReadout("0");
        } else {
            ShowPrompt("ENTER start of line, then arrow key direction, OR press LeftButton & DRAG");
            tool.KeyMode() = 0; // one segment per Enter
        }
        break;
    case tool_kind::DesignRoom:
        DrawingList.WriteDrawing();
        if (tool.State == TDRoomobjtool::KeyDrag) {
            CallTool(view, [](TDrawingtool& t, DeviceContext& dc, const Rect&) { t.DrawShape(dc, 1); });
        } else {
            tool.State = 0;
            view.Owner().Rooms().InvalidateDesignRoomArea(view, press.client);
            RepaintLayoutAfterRoomKeys(view);
        }
        break;
    case tool_kind::InternalWall:
        FollowInternalWallRun(view, press);
        break;
    default:
        break;
    }
    TDrawingtool& after = owner.Tool();
    if (press.kind == tool_kind::Line && after.State == TLineobjtool::LineWithTextDrawn &&
        after.Y1 < TLineobjtool::NoLineText) {
        // A line with a text beside it.
        view.Owner().Editing().RunViewDialog(view, 8);
        if (owner.Tool().Y1 == TLineobjtool::NoLineText) {
            owner.SelectPickTool();
            return;
        }
        CallTool(view, [](TDrawingtool& t, DeviceContext& dc, const Rect& client) {
            t.AddLineText(dc, client, 0, 0);
        });
        owner.SelectPickTool();
        DrawingList.WriteDrawing();
    }
    capture.Release();
    if (press.kind == tool_kind::CornerMarks || press.kind == tool_kind::ExternalWall) {
        ShowDistanceFromStart(view);
        FinishClosedOutline(view, press.kind);
    }
}

// An arrow key: the direction of the next segment, and its length asked.
void ArrowKey(TChild& view, KeyPress& press) {
    ViewOwner& owner = view.Owner();
    TDrawingtool& tool = owner.Tool();
    // In angled entry the arrows aim the cursor pixel by pixel; Enter sets the point.
    if ((press.kind == tool_kind::ExternalWall && tool.State == TExtwallobjtool::AngledEntry) ||
        (press.kind == tool_kind::InternalWall && view.StartX == AngledInternalWallMarker) ||
        press.kind == tool_kind::CornerMarks) {
        MoveCursorByKey(view, press.key);
        return;
    }
    if (press.kind == tool_kind::DesignRoom && tool.State == TDRoomobjtool::KeyDrag) {
        // The room moved by keys takes the key without a length, and once more in the common step.
        CallTool(view, [&](TDrawingtool& t, DeviceContext& dc, const Rect& client) {
            t.KeyDown(dc, client, press.key, press.cursor, 0);
        });
        CommonStep(view, press, false);
        return;
    }
    const int direction = DirectionOf(press.key);
    std::string text = "0";
    if (press.kind == tool_kind::ExternalWall) {
        tool.WallDirection() = direction;
        CallingTool(view).Action(2); // the free distance to the next wall
        if (view.Window()) view.Window()->SetCursorShape(platform::CursorShape::Cross);
        text = std::to_string(owner.Tool().Amount());
    } else if (press.kind == tool_kind::InternalWall && tool.KeyMode() == 1) {
        view.StartX = 0;
        CallingTool(view).Step(direction, 0, 0);
        if (owner.Tool().Y1 == TIntwallobjtool::DirectionRefused) {
            static const char* const texts[] = {
                "Wrong Arrow key for second line position - re select internal wall icon and try again",
                "Wrong Arrow key for second line position - re select Internal Wall icon and try again",
                "Wrong Arrow key for second line position - re select internal wall icon and try again",
                "Wrong Arrow key for second line position - re select internal wall icon and try again"};
            const int index = direction - 1; // up, right, down, left
            ViewMessageBox(texts[index], press.key == VirtualKey::Down ? "INTERNAL WALLS" : "INTERNAL WALL",
                           platform::MessageBoxStyle::Ok);
            owner.SelectPickTool();
            return;
        }
        text = std::to_string(owner.Tool().Amount());
    }
    std::optional<int> length = AskStepLength(LengthTitle(owner.Tool(), press.kind),
                                              DirectionPrompt(press.key), text, owner.Tool().Amount());
    if (!length) return;
    press.value = *length;
    CommonStep(view, press, false);
}

// Enter with the floor-plan resize: the chosen side moves by the length asked, and the plan's
// dimensions, area and title follow.
void ResizeFloorPlan(TChild& view, KeyPress& press) {
    ViewOwner& owner = view.Owner();
    const Point logical = ClientToLogical(view, press.cursor);
    // The side moves at the cursor of the key, which the tool holds while the length is asked.
    const PointTakenForStep taken(view, press.cursor);
    int room = 0;
    if (owner.Tool().State == TExtwallobjtool::Shrink) {
        // Shrinking: the room there is to shrink into is offered.
        owner.Tool().Amount() = logical.x;
        owner.Tool().Amount2() = logical.y;
        CallingTool(view).Action(1);
        room = owner.Tool().Amount();
    }
    TypedLength typed = Shared.Units == 1 ? AskMetricLength(LengthTitle(owner.Tool(), press.kind), "",
                                                            std::to_string(room), 9)
                                          : AskFeetInchesLength(room);
    if (typed.cancelled) return;
    if (!typed.valid || !IsTypedLength(typed.units)) {
        owner.SelectPickTool();
        InvalidateWholeView(view);
        return;
    }
    press.value = typed.units;
    const Point at = taken.Now();
    CallingTool(view).Step(press.value, at.x, at.y);
    CallingTool(view).Action(5);
    AddOutlineDimensions(view);
    const int area = DrawingList.GetArea();
    const int info = DrawingList.FindType(Shared.CurrentView + type_code::FloorRecordBase);
    if (info != NoObjectIndex)
        if (auto* record = dynamic_cast<TInfoobj*>(DrawingList.Edit(info))) record->value = area;
    MakeTitleBlock(DrawingList);
    InvalidateWholeView(view);
    CommonStep(view, press, true);
}

// 'A' or numpad 1 switches angled entry on and off for the wall tools.
void ToggleAngledEntry(TChild& view, KeyPress& press) {
    TDrawingtool& tool = view.Owner().Tool();
    if (press.kind == tool_kind::ExternalWall &&
        (tool.State == TExtwallobjtool::OrthogonalEntry || tool.State == TExtwallobjtool::AngledEntry)) {
        tool.State = tool.State == TExtwallobjtool::OrthogonalEntry ? TExtwallobjtool::AngledEntry
                                                                    : TExtwallobjtool::OrthogonalEntry;
        CommonStep(view, press, true);
    } else if (press.kind == tool_kind::InternalWall &&
               (view.StartX == 0 || view.StartX == AngledInternalWallMarker)) {
        view.StartX = view.StartX == 0 ? AngledInternalWallMarker : 0;
        CommonStep(view, press, true);
    } else {
        CommonStep(view, press, false);
    }
}

} // namespace

void KeyEntryModeKey(TChild& view, KeyPress& press) {
    constexpr int LetterA = 65;
    constexpr int NumpadOne = 97;
    switch (press.key) {
    case VirtualKey::Left:
    case VirtualKey::Up:
    case VirtualKey::Right:
    case VirtualKey::Down:
        ArrowKey(view, press);
        break;
    case VirtualKey::Return:
        if (press.kind == tool_kind::FloorPlanResize)
            ResizeFloorPlan(view, press);
        else
            CommonStep(view, press, false);
        break;
    case LetterA:
    case NumpadOne:
        if (press.kind == tool_kind::ExternalWall || press.kind == tool_kind::InternalWall)
            ToggleAngledEntry(view, press);
        else
            CommonStep(view, press, false);
        break;
    case VirtualKey::Add:
        if (press.kind == tool_kind::InternalWall) CommonStep(view, press, false);
        break;
    default:
        break;
    }
}
