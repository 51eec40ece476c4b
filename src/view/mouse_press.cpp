// The left-button press of a drawing view: what the view does around the tool's press for each tool
// kind and state, and the drag that follows inside the handler until the button is released.
#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "platform/desktop.h"
#include "rooms/design_room_tool.h"
#include "rooms/room_operations.h"
#include "tools/drawing_tool.h"
#include "tools/status_texts.h"
#include "tools/tool_kinds.h"
#include "tools/tool_support.h"
#include "tools/view_support.h"
#include "view/child.h"
#include "view/datum.h"
#include "view/typed_length.h"
#include "view/view_owner.h"
#include "view/zoom_operations.h"
#include "walls/wall_operations.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>

using platform::DeviceContext;
using platform::Point;
using platform::Rect;

namespace {

// Whether the press goes on to the drag or ends the handler at once.
enum class AfterRouting { Drag, Stop };

bool IsOneOf(int value, std::initializer_list<int> values) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

void ToolPress(TChild& view, Point point) {
    CallTool(view, [&](TDrawingtool& tool, DeviceContext& dc, const Rect& client) {
        tool.LButtonDown(dc, client, point.x, point.y);
    });
}

// The design-room tool takes its own presses; the view reports the tool's refusals and finishes the
// steps that save or repaint.
void DesignRoomPress(TChild& view, Point point, int state) {
    ViewOwner& owner = view.Owner();
    SetDatum(view, 1);
    if (owner.Tool().KeyMode() > 0) owner.Tool().KeyMode() = 0;
    if (state < TDRoomobjtool::DragAligned ||
        IsOneOf(state, {TDRoomobjtool::Expand, TDRoomobjtool::Shrink, TDRoomobjtool::Rotate,
                        TDRoomobjtool::Delete, TDRoomobjtool::Move, TDRoomobjtool::MaximumSize})) {
        ToolPress(view, point);
        int result = owner.Tool().State;
        if (result == TDRoomobjtool::OutsideWalls || result == TDRoomobjtool::AngledWall) {
            ViewMessageBox(result == TDRoomobjtool::OutsideWalls
                               ? "the click was probably outside the external walls"
                               : "one of the measuring walls was angled",
                           "NO SELECTION", platform::MessageBoxStyle::Ok);
            owner.Tool().State = 0;
        }
    }
    if (state == TDRoomobjtool::Adjusting || state == TDRoomobjtool::KeyDrag) owner.Tool().State = 0;
    if (state == TDRoomobjtool::Rotate || state == TDRoomobjtool::Delete) {
        DrawingList.WriteDrawing();
        owner.Tool().State = 0;
        view.Owner().Rooms().InvalidateDesignRoomArea(view, view.ClientRect());
    }
}

// The amount to lengthen or shorten an external wall by, asked in the drawing's units. Nothing when
// the edit ends here; the view has then been repainted and the pick tool installed where the
// user cancelled or gave a length out of range.
std::optional<int> AskWallEditAmount(TChild& view, int state) {
    ViewOwner& owner = view.Owner();
    const bool lengthen = state == wall_edit::Lengthen;
    ShowPrompt(lengthen ? "input amount to lengthen" : "input amount to shorten");
    auto abandon = [&]() -> std::optional<int> {
        InvalidateWholeView(view);
        owner.SelectPickTool();
        return std::nullopt;
    };
    if (Shared.Units == 0) {
        TypedLength typed = AskFeetInchesLength(0);
        if (typed.cancelled) return abandon();
        if (!typed.valid || !IsTypedLength(typed.units)) return abandon();
        return typed.units;
    }
    std::string buffer = lengthen ? "lengthen" : "shorten";
    if (!platform::TheDesktop().InputBox("", "", buffer, 9)) return abandon();
    int amount = ParseDecimal(buffer);
    // Text that is no number reads as 0 and goes to the tool as 0; a negative amount goes too and
    // reverses the edit (the step refuses one that would fold the wall back).
    if (amount > 32767) return std::nullopt;
    return amount;
}

// The external-wall edits: the wall under the press is picked and the edit chosen by the command (the
// entry state) is applied to it.
AfterRouting EditPickedWall(TChild& view, Point point, Point logical, int state) {
    ViewOwner& owner = view.Owner();
    const Rect client = view.ClientRect();
    const int wx = logical.x * Shared.Scale;
    const int wy = logical.y * Shared.Scale;
    const int index = DrawingList.FindTextNear(1, logical.x, logical.y);
    if (index == NoObjectIndex) {
        platform::TheDesktop().MessageBox("No valid object selected - please restart", "NO SELECTION",
                                          platform::MessageBoxStyle::Ok);
        view.PutCursorOn(point);
        return AfterRouting::Stop;
    }
    const int type = DrawingList[index]->type;
    owner.RestoreTool(type);
    owner.Tool().Aux2() = index;
    owner.Tool().State = state;
    if (type != type_code::ExternalWall) {
        owner.SelectPickTool();
        return AfterRouting::Stop;
    }
    switch (state) {
    case wall_edit::Lengthen:
    case wall_edit::Shorten: {
        // The end nearer the press moves: the tool holds the press while the amount is asked.
        const PointTakenForStep taken(view, point);
        std::optional<int> amount = AskWallEditAmount(view, state);
        if (!amount) return AfterRouting::Stop;
        const Point at = taken.Now();
        CallingTool(view).Step(*amount, at.x, at.y);
        if (TellAngledWallRefused(owner.Tool())) return AfterRouting::Stop;
        view.Owner().Walls().InvalidateWallEditArea(view, client, 1);
        break;
    }
    case wall_edit::Delete:
        CallingTool(view).Step(0, 0, 0);
        view.Owner().Walls().InvalidateWallEditArea(view, client, 2);
        owner.SelectPickTool();
        ShowPrompt("Pick Tool");
        view.PutCursorOn(point);
        break;
    case wall_edit::Split:
        CallingTool(view).Step(0, wx, wy);
        if (TellAngledWallRefused(owner.Tool())) return AfterRouting::Stop;
        CallTool(view, [](TDrawingtool& tool, DeviceContext& dc, const Rect& r) {
            tool.AddDimension(dc, r, 0, 0, 0, 'o');
        });
        InvalidateWholeView(view);
        break;
    case wall_edit::ChangeType:
        ShowPrompt("select new wall type");
        view.Owner().Walls().ChooseExternalWallType(view);
        view.Owner().Walls().InvalidateWallEditArea(view, client, 1);
        owner.SelectPickTool();
        ShowPrompt("Pick Tool");
        break;
    default:
        break;
    }
    return AfterRouting::Drag;
}

// Presses that reach no tool: the placing tools before their own steps, stairs, and the states that
// wait for something other than a press.
bool IgnoredPress(int kind, int state) {
    if (IsOneOf(kind, {tool_kind::TextAtRest, tool_kind::Pick, tool_kind::LineType41, tool_kind::HingedDoor,
                       tool_kind::DoorPair, tool_kind::WallOpening}) &&
        state < TDrawingtool::FindingLineCentre)
        return true;
    if (kind == tool_kind::Stairs) return true;
    if (state >= TLineobjtool::FirstMultilineState && state <= TLineobjtool::MultilineCopies) return true;
    if (kind == tool_kind::Erase && state == TDrawingtool::RebuiltAsLine) return true;
    return state == TLineobjtool::ManualDimension || state == TLineobjtool::ManualDimensionSecond;
}

// A text placed at the press: the text asked in an input dialog.
void PlaceTypedText(TChild& view, Point point) {
    DrawingList.WriteDrawing();
    // The text goes at the press, which the tool holds while the text is asked.
    const PointTakenForStep taken(view, point);
    ShowPrompt("maximum of 24 letters/numbers/spaces");
    std::string buffer = "text";
    if (!platform::TheDesktop().InputBox("Text", "Enter text", buffer, 29)) return;
    CallTool(view, [&](TDrawingtool& tool, DeviceContext& dc, const Rect& client) {
        Point at = point;
        tool.PlaceText(dc, client, at, buffer);
    });
    DrawingList.WriteDrawing();
}

// Every tool but the design-room tool, the wall edits and the floor-plan resize.
void OtherToolPress(TChild& view, Point point, int kind, int state) {
    ViewOwner& owner = view.Owner();
    if (kind == tool_kind::TypedText && owner.Tool().KeyMode() == 0) {
        // The first press of a typed text: the view stops showing the caret until the tool places it,
        // and the mouse shows the text cursor from now on.
        view.Window()->DestroyCaret();
        view.Window()->SetCursorShape(platform::CursorShape::IBeam);
        owner.Tool().KeyMode() = 1;
    }
    if (IgnoredPress(kind, state)) return;
    if (kind == tool_kind::Text) {
        PlaceTypedText(view, point);
    } else if ((view.SavedKind == TChild::TypedEnter && kind == tool_kind::TypedText) ||
               kind == tool_kind::CornerMarks) {
        // A typed text just ended with Enter, or the corner marks, which take Enter only.
    } else {
        if (kind == tool_kind::Move || kind == tool_kind::Erase) {
            view.DatumState = 3;
            DrawingList.GetPlanCorner(&view.DatumX, &view.DatumY);
        }
        ToolPress(view, point);
    }
    if (state == TDrawingtool::Selected)
        ShowPrompt("Selected");
    else if (state == TDrawingtool::RebuiltAsLine)
        owner.RestoreTool(Shared.PenWidth);
    if (state == TDrawingtool::LineCentreFound || state == TDrawingtool::RectCentreFound)
        ShowPrompt("Cursor centred");
    if (kind == tool_kind::FixedRoom) view.Owner().Rooms().NewFixedRoom(view);
}

AfterRouting RoutePress(TChild& view, Point point, int kind, int state) {
    ViewOwner& owner = view.Owner();
    // While the external corners are marked on the layout the press only drags.
    if (Shared.CurrentView == view_code::MarkingCorners) return AfterRouting::Drag;
    if (kind == tool_kind::DesignRoom) {
        DesignRoomPress(view, point, state);
        return AfterRouting::Drag;
    }
    const Point logical = ClientToLogical(view, point);
    if (FindRoomAt(DrawingList, logical.x, logical.y)) {
        // A press inside a room belongs to the design-room tool.
        owner.RestoreTool(tool_kind::DesignRoom);
        SetDatum(view, 1);
        ToolPress(view, point);
        return AfterRouting::Drag;
    }
    if (state >= TDrawingtool::FindingLineCentre && state <= TDrawingtool::LastRectCentreState) {
        CallTool(view, [&](TDrawingtool& tool, DeviceContext& dc, const Rect& client) {
            if (state < TDrawingtool::FindingRectCentre)
                tool.FindLineCentre(dc, client, point.x, point.y);
            else
                tool.FindRectCentre(dc, client, point.x, point.y);
        });
        return AfterRouting::Drag;
    }
    if (view.DatumState == 2) {
        // As the tools take a point: held inside the int range on a view zoomed far out.
        view.DatumX = tool_support::Clamped(static_cast<long long>(logical.x) * Shared.Scale);
        view.DatumY = tool_support::Clamped(static_cast<long long>(logical.y) * Shared.Scale);
        return AfterRouting::Drag;
    }
    if (kind == tool_kind::WallEdit) return EditPickedWall(view, point, logical, state);
    if (kind == tool_kind::FloorPlanResize) return AfterRouting::Drag;
    OtherToolPress(view, point, kind, state);
    return AfterRouting::Drag;
}

// The mouse capture of a drag, released on every way out.
class DragCapture {
  public:
    explicit DragCapture(TChild& view) : view_(view) {
        if (view_.Window()) view_.Window()->SetCapture(true);
    }
    ~DragCapture() {
        if (view_.Window()) view_.Window()->SetCapture(false);
    }
    DragCapture(const DragCapture&) = delete;
    DragCapture& operator=(const DragCapture&) = delete;

  private:
    TChild& view_;
};

// Scroll units to move when the pointer is `outside` pixels beyond an edge: one per ten pixels, at
// least one and at most a page.
int AutoScrollStep(int outside, int page) {
    return std::clamp(outside / 10, 1, std::max(1, page));
}

// While the button is held, a pointer outside the client area scrolls the view towards it; the thumbs
// and the window origin follow the scroller's positions.
void AutoScroll(TChild& view) {
    platform::ViewWindow* window = view.Window();
    if (!window) return;
    Scroller& scroller = view.scroller;
    const Point cursor = window->ScreenToClient(platform::TheDesktop().GetCursorPos());
    const Rect client = view.ClientRect();
    int dx = 0;
    int dy = 0;
    if (cursor.x < client.left)
        dx = -AutoScrollStep(client.left - cursor.x, scroller.XPage);
    else if (cursor.x > client.right)
        dx = AutoScrollStep(cursor.x - client.right, scroller.XPage);
    if (cursor.y < client.top)
        dy = -AutoScrollStep(client.top - cursor.y, scroller.YPage);
    else if (cursor.y > client.bottom)
        dy = AutoScrollStep(cursor.y - client.bottom, scroller.YPage);
    if (dx != 0 || dy != 0) scroller.ScrollTo(*window, scroller.XPos + dx, scroller.YPos + dy);
    ShowScrollPositions(view);
}

// How long the drag waits for input before it scrolls again while the pointer rests outside the view
// (milliseconds).
constexpr int AutoScrollInterval = 50;

// Whether an input ends the drag: the release, or a move without the left button, which is what the
// drag hears when something else took the release (a dialog the press opened).
bool EndsDrag(const platform::InputEvent& event) {
    return event.kind == platform::InputKind::LeftUp ||
           (event.kind == platform::InputKind::MouseMove && (event.held & platform::MouseFlag::Left) == 0);
}

// The drag: every input of the view is handled here, the one that ends it included, while the mouse is
// captured; between inputs, and while none comes, a pointer outside the view scrolls it. It ends as
// above, or when no more input will come (the view closed).
void RunDrag(TChild& view) {
    if (!view.Window()) return;
    DragCapture capture(view);
    platform::InputEvent event;
    while (platform::ViewWindow* window = view.Window()) {
        // The drag waits for the user here: what its inputs saved is written first.
        DrawingList.WriteHeldDrawing();
        const platform::InputWait wait = window->NextInput(event, AutoScrollInterval);
        if (wait == platform::InputWait::Closed) break;
        const bool ends = wait == platform::InputWait::Input && EndsDrag(event);
        if (wait == platform::InputWait::Input) view.OnInput(event);
        AutoScroll(view);
        if (ends) break;
    }
}

} // namespace

void TChild::EvLButtonDown(Point point) {
    if (!Window()) return;
    TDrawingtool& tool = CallingTool(*this);
    const int kind = tool.Kind;
    const int state = tool.State;
    PressScrollX = Shared.ScrollX;
    PressScrollY = Shared.ScrollY;
    if (RoutePress(*this, point, kind, state) == AfterRouting::Stop) return;
    RunDrag(*this);
    if (state == TDRoomobjtool::Adjusting || state == TDRoomobjtool::KeyDrag) Owner().Tool().State = 0;
    if (Shared.CurrentView >= view_code::RoomLayout && Shared.CurrentView <= view_code::LastLayout &&
        (state == TDRoomobjtool::Rotate || state == TDRoomobjtool::Delete)) {
        DrawingList.WriteDrawing();
        Owner().Tool().State = 0;
        InvalidateWholeView(*this);
        if (Shared.LayoutGridOn == 1) Owner().Zooming().RedrawLayoutGrid(*this);
    }
}
