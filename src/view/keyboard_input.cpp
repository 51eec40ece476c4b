// The keys of a drawing view: context help, the layout grid, the datum, the plain keys of the tools
// (arrows step the cursor, Enter is the click of the current step) and typed characters for a text.
#include "view/keyboard_input.h"

#include "model/drawing_list.h"
#include "model/drawing_objects.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "platform/desktop.h"
#include "platform/input.h"
#include "resources/help_contexts.h"
#include "tools/drawing_tool.h"
#include "tools/editing_operations.h"
#include "tools/status_texts.h"
#include "tools/tool_kinds.h"
#include "tools/view_support.h"
#include "view/child.h"
#include "view/datum.h"
#include "view/view_owner.h"
#include "walls/extwall_tool.h"

using platform::DeviceContext;
using platform::Point;
using platform::Rect;
namespace VirtualKey = platform::VirtualKey;

namespace {

void ToolKey(TChild& view, KeyPress& press, int value) {
    CallTool(view, [&](TDrawingtool& tool, DeviceContext& dc, const Rect& client) {
        tool.KeyDown(dc, client, press.key, press.cursor, value);
    });
}

// An arrow of the floor-plan resize chooses the side to move: the direction (1 up, 2 right, 3 down,
// 4 left) and whether the line across it is horizontal (1) or vertical (2). Enter then asks the length.
void ChooseResizeDirection(TChild& view, int key) {
    TDrawingtool& tool = view.Owner().Tool();
    switch (key) {
    case VirtualKey::Left:
        tool.Aux2() = 4;
        tool.Counter() = 1;
        break;
    case VirtualKey::Up:
        tool.Aux2() = 1;
        tool.Counter() = 2;
        break;
    case VirtualKey::Right:
        tool.Aux2() = 2;
        tool.Counter() = 1;
        break;
    default:
        tool.Aux2() = 3;
        tool.Counter() = 2;
        break;
    }
    tool.KeyMode() = 1;
    tool.Dragging = 1;
    if (tool.State == TExtwallobjtool::Enlarge)
        ShowPrompt("move cursor,press ENTER when line is at position to expand from");
    else if (tool.State == TExtwallobjtool::Shrink)
        ShowPrompt("move cursor,press ENTER when line is at position to shrink from");
}

// Keys while the tool takes no lengths: Enter, the arrows and the rotation keys of the move tool.
void PlainKey(TChild& view, KeyPress& press) {
    Shared.DrawingState = 3;
    TDrawingtool& tool = view.Owner().Tool();
    if (press.key == VirtualKey::Return) {
        EnterKey(view, press);
    } else if (VirtualKey::IsArrow(press.key)) {
        if (press.kind == tool_kind::Move && tool.State == TMoveobjtool::MovingSelection) {
            MoveCursorByKey(view, press.key);
            ToolKey(view, press, 0);
        } else if (press.kind == tool_kind::FloorPlanResize) {
            ChooseResizeDirection(view, press.key);
        } else {
            MoveCursorByKey(view, press.key);
        }
    } else if (press.key == VirtualKey::Add && press.kind == tool_kind::InternalWall) {
        // Before a run has started '+' caps the floor's last internal wall all the same.
        tool.KeyMode() = 1;
        KeyEntryModeKey(view, press);
    } else if (press.key == VirtualKey::Add || press.key == VirtualKey::Subtract) {
        if (press.kind != tool_kind::Move || tool.State != TMoveobjtool::MovingSelection) return;
        if (view.Owner().Editing().CheckRotationLimits(view) == 1) return;
        ToolKey(view, press, 1);
    }
}

// The start of the next line of a typed text, one line spacing beyond the line just stored (below
// it, or beside it for a text that reads downwards); the mouse cursor goes there.
void StartNextTextLine(TChild& view) {
    if (DrawingList.count == 0) return;
    const auto* line = dynamic_cast<const TTextobj*>(DrawingList[DrawingList.count - 1]);
    if (!line) return;
    TDrawingtool& tool = view.Owner().Tool();
    tool.Aux2() = line->escapement;
    tool.Aux1() = line->alignment;
    if (tool.Aux2() == 0) {
        tool.X1 = line->x1;
        tool.Y1 = line->y1 - tool.Amount();
    } else {
        tool.X1 = line->x1 + tool.Amount();
        tool.Y1 = line->y1;
    }
    view.PutCursorOn(LogicalToClient(view, {tool.X1 / Shared.Scale, tool.Y1 / Shared.Scale}));
}

} // namespace

void MoveCursorByKey(TChild& /*view*/, int key) {
    platform::Desktop& desktop = platform::TheDesktop();
    Point cursor = desktop.GetCursorPos();
    switch (key) {
    case VirtualKey::Left:
        --cursor.x;
        break;
    case VirtualKey::Up:
        --cursor.y;
        break;
    case VirtualKey::Right:
        ++cursor.x;
        break;
    case VirtualKey::Down:
        ++cursor.y;
        break;
    default:
        return;
    }
    desktop.SetCursorPos(cursor);
}

void TChild::EvKeyDown(int key) {
    if (!Window()) return;
    ViewOwner& owner = Owner();
    KeyPress press;
    press.key = key;
    press.kind = owner.Tool().Kind;
    press.client = ClientRect();
    switch (key) {
    case VirtualKey::F1:
        if ((press.kind == tool_kind::TextAtRest || press.kind == tool_kind::Pick) &&
            Shared.CurrentView == view_code::GroundFloor)
            Shared.HelpContext = help_context::Display;
        platform::TheDesktop().ShowHelp(platform::Desktop::HelpCommand::Context, Shared.HelpContext);
        return;
    case VirtualKey::Insert:
        // Switching the grid on needs no repaint now: the next paint draws it.
        if (Shared.LayoutGridOn == 1) {
            Shared.LayoutGridOn = 0;
            InvalidateWholeView(*this);
        } else {
            Shared.LayoutGridOn = 1;
        }
        return;
    case VirtualKey::Tab:
        if (Shared.DrawingState <= 0) return;
        Shared.HelpContext = help_context::CentreAndDatum;
        ToggleDatumPlacement(*this);
        return;
    default:
        break;
    }
    // The text tool at rest takes keys only while the datum is being placed or read.
    if (press.kind == tool_kind::TextAtRest && DatumState < 2) return;
    switch (press.kind) {
    case tool_kind::Line:
    case tool_kind::Rectangle:
    case tool_kind::RoundedRectangle:
    case tool_kind::CornerMarks:
    case tool_kind::Move:
    case tool_kind::ExternalWall:
    case tool_kind::InternalWall:
        break;
    default:
        ShowPrompt("Press F1 for context help");
        break;
    }
    press.cursor = CursorInClient();
    TDrawingtool& tool = CallingTool(*this);
    if (press.kind == tool_kind::KeysPlain) tool.KeyMode() = 0;
    press.countAtEntry = DrawingList.count;
    const int mode = tool.KeyMode();
    if (mode == 0)
        PlainKey(*this, press);
    else if (mode == 1 || mode == 4)
        KeyEntryModeKey(*this, press);
}

void TChild::EvChar(char character) {
    if (!Window()) return;
    ViewOwner& owner = Owner();
    if (owner.Tool().Kind != tool_kind::TypedText) return;
    ShowPrompt("press ENTER once for newline - T W I C E to FINISH");
    const bool enter = character == '\r';
    if (enter && SavedKind == TypedEnter) {
        // A second Enter in a row ends the text; the text tool rests and the cross cursor is back.
        Window()->DestroyCaret();
        Window()->SetCursorShape(platform::CursorShape::Cross);
        owner.Tool().Kind = tool_kind::TextAtRest;
        ShowCaption("None");
        ShowPrompt("select tool or function");
        SavedKind = 0;
        return;
    }
    SavedKind = 0;
    CallTool(*this, [&](TDrawingtool& tool, DeviceContext& dc, const Rect& client) {
        tool.CharTyped(dc, client, character);
    });
    if (!enter) return;
    SavedKind = TypedEnter;
    StartNextTextLine(*this);
}
