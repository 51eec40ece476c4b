// Enter in plain mode: the click of the tool's current step at the mouse cursor. The view first asks
// the values some tools need (arc height, radius), checks door placements afterwards, and then puts
// the tool into keyboard entry, moves the datum, or returns to the pick tool.
#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "partitions/door_tool.h"
#include "partitions/intwall_tool.h"
#include "platform/desktop.h"
#include "platform/input.h"
#include "tools/drawing_tool.h"
#include "tools/editing_operations.h"
#include "tools/status_texts.h"
#include "tools/tool_kinds.h"
#include "tools/view_support.h"
#include "view/child.h"
#include "view/keyboard_input.h"
#include "view/typed_length.h"
#include "view/view_owner.h"
#include "walls/wall_edits.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

using platform::DeviceContext;
using platform::Point;
using platform::Rect;

namespace {

constexpr unsigned WarningBox = platform::MessageBoxStyle::Ok | platform::MessageBoxStyle::IconExclamation;

void ToolEnter(TChild& view, KeyPress& press, int value) {
    CallTool(view, [&](TDrawingtool& tool, DeviceContext& dc, const Rect& client) {
        tool.KeyDown(dc, client, platform::VirtualKey::Return, press.cursor, value);
    });
}

// A size asked in the input dialog, in drawing units: typed in inches (× 24) in a feet-and-inches
// drawing, in millimetres otherwise. Nothing when cancelled or above the limit of the units.
std::optional<int> AskSize(const char* title, const char* imperialPrompt, const char* imperialText,
                           const char* metricPrompt, const char* metricText, int limit) {
    const bool imperial = Shared.Units == 0;
    TypedLength typed = AskMetricLength(title, imperial ? imperialPrompt : metricPrompt,
                                        imperial ? imperialText : metricText, limit);
    if (typed.cancelled) return std::nullopt;
    if (typed.units > (imperial ? 1400 : 32000)) return std::nullopt;
    if (!imperial) return typed.units;
    // Heights below the end points are negative and have no lower limit.
    return static_cast<int>(std::max<long long>(std::numeric_limits<int>::min(), typed.units * 24LL));
}

// The values the arc, circle and rounded-rectangle tools need before the click; false ends the key.
bool AskValuesBeforeClick(TChild& view, KeyPress& press) {
    TDrawingtool& tool = view.Owner().Tool();
    switch (press.kind) {
    case tool_kind::Arc: {
        if (tool.X1 <= 0) return true; // the first Enter sets the start
        const Point logical = ClientToLogical(view, press.cursor);
        int endX = logical.x * Shared.Scale;
        int endY = logical.y * Shared.Scale;
        // An end within 75 units of the start's line snaps to it.
        if (std::abs(static_cast<long long>(endX) - tool.X1) < 75) endX = tool.X1;
        if (std::abs(static_cast<long long>(endY) - tool.Y1) < 75) endY = tool.Y1;
        if (endX != tool.X1 && endY != tool.Y1) {
            ViewMessageBox("Endpoint not horizontal or vertical", "NO ARC DRAWN", WarningBox);
            return false;
        }
        const char* prompt = "Use minus number for Arcs Below or Right of Endpts.";
        std::optional<int> height =
            AskSize(Shared.Units == 0 ? "ARC HEIGHT, INCHES" : "ARC HEIGHT", prompt, "24", prompt, "600", 7);
        if (!height) return false;
        press.value = *height;
        return true;
    }
    case tool_kind::Circle: {
        std::optional<int> radius = AskSize("RADIUS", "in inches", "4", "in millimetres", "100", 9);
        if (!radius) return false;
        view.Owner().Tool().Amount() = *radius;
        return true;
    }
    case tool_kind::Rectangle:
        ShowPrompt("Now use arrow direction keys for horizontal & vertical inputs");
        return true;
    case tool_kind::RoundedRectangle: {
        std::optional<int> radius = AskSize("RADIUS", "in inches", "2", "", "50", 9);
        if (!radius) return false;
        view.Owner().Tool().Amount() = *radius;
        ShowPrompt("Now use arrow direction keys for input");
        return true;
    }
    default:
        return true;
    }
}

// An internal door placed by Enter: when nothing was added, or the tool refused the position, the
// user is told and may try again with the same tool; otherwise the pick tool follows.
void PlaceDoor(TChild& view, KeyPress& press, int value, const char* text, const char* caption) {
    press.value = value;
    ToolEnter(view, press, press.value);
    ViewOwner& owner = view.Owner();
    owner.Tool().KeyMode() = 0;
    if (DrawingList.count == press.countAtEntry || owner.Tool().Y1 == TDoorobjtool::Refused) {
        ViewMessageBox(text, caption, platform::MessageBoxStyle::Ok);
        owner.Tool().Dragging = 1;
    } else {
        owner.SelectPickTool();
    }
}

// DELETE Wall: the internal-wall tool in its delete mode removes the wall under the cursor with what
// belongs to it, and the pick tool follows; a miss is told and the tool stays for another try.
void DeleteInternalWall(TChild& view, KeyPress& press) {
    ToolEnter(view, press, 6);
    ViewOwner& owner = view.Owner();
    TDrawingtool& tool = owner.Tool();
    tool.KeyMode() = 0;
    if (tool.Y1 == TIntwallobjtool::NoWallHit) {
        ViewMessageBox("No valid object selected - please restart", "NO SELECTION",
                       platform::MessageBoxStyle::Ok);
        return;
    }
    // The box the wall and its openings covered, already widened by the tool.
    const Point from = LogicalToClient(view, {tool.X1 / Shared.Scale, tool.Y1 / Shared.Scale});
    const Point to = LogicalToClient(view, {tool.X2 / Shared.Scale, tool.Y2 / Shared.Scale});
    InvalidateViewArea(view, Rect{from.x, from.y, to.x, to.y});
    owner.SelectPickTool();
}

bool DeletesInternalWalls(TDrawingtool& tool) {
    return tool.Kind == TIntwallobjtool::DeleteMode && dynamic_cast<TIntwallobjtool*>(&tool) != nullptr;
}

// Splitting an external wall at the cursor.
void SplitWallAtCursor(TChild& view, KeyPress& press) {
    ViewOwner& owner = view.Owner();
    const int state = owner.Tool().State;
    const Point logical = ClientToLogical(view, press.cursor);
    const int index = DrawingList.FindTextNear(1, logical.x, logical.y);
    if (index == NoObjectIndex) {
        ViewMessageBox("No valid object selected - please restart", "NO SELECTION",
                       platform::MessageBoxStyle::Ok);
        return;
    }
    const int type = DrawingList[index]->type;
    owner.RestoreTool(type);
    owner.Tool().Aux2() = index;
    owner.Tool().State = state;
    if (type != type_code::CornerMark && type != type_code::ExternalWall) {
        owner.SelectPickTool();
        return;
    }
    CallingTool(view).Step(0, logical.x * Shared.Scale, logical.y * Shared.Scale);
    if (!TellAngledWallRefused(owner.Tool())) {
        CallTool(view, [](TDrawingtool& tool, DeviceContext& dc, const Rect& client) {
            tool.AddDimension(dc, client, 0, 0, 0, 'o');
        });
        InvalidateWholeView(view);
    }
    owner.SelectPickTool();
    ShowPrompt("Pick Tool");
}

// Whether the current floor holds an object of this type.
bool FloorHolds(int type) {
    for (int i = 0; i < DrawingList.count; ++i)
        if (DrawingList[i]->type == type && DrawingList[i]->view == Shared.CurrentView) return true;
    return false;
}

// After the generic click the tool takes lengths from the keyboard; some kinds do more.
void FollowUpClick(TChild& view, KeyPress& press) {
    ViewOwner& owner = view.Owner();
    TDrawingtool& tool = owner.Tool();
    tool.KeyMode() = 1;
    switch (press.kind) {
    case tool_kind::Arc:
    case tool_kind::ThickSmallCircle:
        tool.KeyMode() = 0;
        break;
    case tool_kind::Line:
        if (tool.State == TLineobjtool::MultilineRun) {
            view.DatumX = tool.X1;
            view.DatumY = tool.Y1;
            view.DatumState = 4;
        }
        break;
    case tool_kind::ExternalWall:
    case tool_kind::CornerMarks:
        // The first point of a run on an empty floor is the run's start.
        if (!FloorHolds(press.kind)) {
            view.DatumX = tool.X1;
            view.DatumY = tool.Y1;
            view.DatumState = 4;
            view.StartX = view.DatumX;
            view.StartY = view.DatumY;
        }
        break;
    case tool_kind::InternalWall:
        view.DatumX = tool.X1;
        view.DatumY = tool.Y1;
        view.DatumState = 4;
        tool.Dragging = 1;
        break;
    case tool_kind::WallOpening:
        owner.SelectPickTool();
        break;
    case tool_kind::Stairs:
        // The stairs leave the floor above current, with their stairwell: the view shows that floor
        // and takes its name.
        view.SetTitle(DrawingList.DrawingName + ViewTitleSuffix(Shared.CurrentView));
        InvalidateWholeView(view);
        break;
    default:
        break;
    }
}

} // namespace

void EnterKey(TChild& view, KeyPress& press) {
    ViewOwner& owner = view.Owner();
    // The floor-plan resize waits for an arrow to choose its side.
    if (press.kind == tool_kind::FloorPlanResize && owner.Tool().Aux2() == 0) return;
    // The arc's height or a radius is asked before the click: the tool holds the point of the key.
    const PointTakenForStep taken(view, press.cursor);
    if (!AskValuesBeforeClick(view, press)) return;
    const int state = owner.Tool().State;
    if (press.kind == tool_kind::Window) {
        ToolEnter(view, press, press.value);
        if (owner.Tool().Y1 == TWindowobjtool::UnsuitedPosition)
            ViewMessageBox("Incorrect door for that positionl", "WRONG DOOR POSITION",
                           platform::MessageBoxStyle::Ok);
        owner.SelectPickTool();
        return;
    }
    if ((press.kind == tool_kind::Line && state == TLineobjtool::ManualDimension) ||
        state == TLineobjtool::ManualDimensionSecond) {
        // A manual dimension's points.
        owner.Tool().KeyMode() = 0;
        view.Owner().Editing().EnterMeasurement(view, press.cursor.x, press.cursor.y);
        owner.Tool().State += 1;
        return;
    }
    if (press.kind == tool_kind::Line && state == TLineobjtool::MultilineCopies) {
        ToolEnter(view, press, press.value);
        owner.SelectPickTool();
        return;
    }
    switch (press.kind) {
    case tool_kind::Move:
        ToolEnter(view, press, 0);
        owner.SelectPickTool();
        DrawingList.WriteDrawing();
        return;
    case tool_kind::HingedDoor:
        PlaceDoor(view, press, 4,
                  "  No INTERNAL door drawn, try again\n"
                  "place the cursor cross on hanging side of an internal wall",
                  "INTERNAL DOOR");
        return;
    case tool_kind::DoorPair:
        PlaceDoor(view, press, 5,
                  "No doors drawn, try again - place the cross on correct side of a partition",
                  "MISCELLANEOUS DOORS");
        return;
    case tool_kind::SlidingDoor:
        if (DeletesInternalWalls(owner.Tool())) {
            DeleteInternalWall(view, press);
            return;
        }
        PlaceDoor(view, press, 6,
                  "  No door drawn, try again\n"
                  "place the cursor cross on jamb of sliding side of partition",
                  "SLIDING DOOR");
        return;
    case tool_kind::AreaStep:
        ToolEnter(view, press, press.value);
        if (owner.Tool().State == 2) {
            owner.Tool().State = 3;
            owner.RestoreTool(tool_kind::AfterAreaStep);
            view.Owner().Editing().ReportFloorArea(view, 2);
        }
        return;
    default:
        break;
    }
    if (press.kind == tool_kind::WallEdit && state == wall_edit::Split) {
        SplitWallAtCursor(view, press);
        return;
    }
    ToolEnter(view, press, press.value);
    FollowUpClick(view, press);
}
