// The other mouse messages of a drawing view: the left-button release (which normally arrives inside
// the press's drag), the right button, mouse moves with the cursor readout, and key releases.
#include "model/drawing_file.h"
#include "model/drawing_list.h"
#include "model/drawing_objects.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "platform/desktop.h"
#include "rooms/design_room_tool.h"
#include "rooms/room_operations.h"
#include "settings/length_format.h"
#include "tools/drawing_tool.h"
#include "tools/editing_operations.h"
#include "tools/status_texts.h"
#include "tools/tool_kinds.h"
#include "tools/view_support.h"
#include "view/child.h"
#include "view/datum.h"
#include "view/view_owner.h"
#include "view/zoom.h"
#include "view/zoom_operations.h"
#include "walls/wall_operations.h"

#include <algorithm>
#include <string>

using platform::DeviceContext;
using platform::Point;
using platform::Rect;

namespace {

void ToolRelease(TChild& view, Point point) {
    CallTool(view, [&](TDrawingtool& tool, DeviceContext& dc, const Rect& client) {
        Point at = point;
        tool.LButtonUp(dc, client, at);
    });
}

// The end of a design-room drag on the release of either button.
void EndDesignRoomDrag(TChild& view, Point point) {
    ToolRelease(view, point);
    DrawingList.WriteDrawing();
    if (Shared.CurrentView < view_code::GroundFloor) {
        InvalidateWholeView(view);
        view.Owner().Tool().State = 0;
        view.Owner().Walls().ShowHouseRectangleSize(view, 0);
    } else {
        view.Owner().Rooms().InvalidateDesignRoomArea(view, view.ClientRect());
        view.Owner().Tool().State = 0;
    }
}

// The change-text tool: the text nearest the release is edited in an input dialog. The dialog holds
// at most 24 characters, so a longer text shows its first 24.
void ChangeTextAt(TChild& view, Point point) {
    const Point logical = ClientToLogical(view, point);
    const int index = DrawingList.FindTextNear(4, logical.x, logical.y);
    if (index >= 30000 || index < 0) return;
    const auto* found = dynamic_cast<const TTextobj*>(DrawingList[index]);
    if (!found) return;
    // The view may repaint while the box is open, reading the drawing back into new objects: the text
    // is kept as a copy and found again when the box closes.
    const TTextobj shown = *found;
    const RecordOrigin readAt = SheetCentreInForce();
    constexpr int EditLimit = 24;
    std::string buffer(shown.text, static_cast<std::size_t>(std::clamp(shown.textLength, 0, EditLimit)));
    buffer = buffer.c_str(); // a NUL inside the field ends the text
    ShowPrompt("maximum of 24 letters/numbers/spaces");
    if (platform::TheDesktop().InputBox("", "", buffer, EditLimit) && !buffer.empty()) {
        const int again = DrawingList.FindSameObject(shown, readAt, index);
        if (again != NoObjectIndex)
            if (auto* text = dynamic_cast<TTextobj*>(DrawingList.Edit(again)))
                SetObjectString(text->text, text->textLength, buffer);
    }
    DrawingList.WriteDrawing();
    // The text is repainted when its surroundings lie wholly inside the view; otherwise with the next
    // paint.
    const Point at = LogicalToClient(view, {shown.x1 / Shared.Scale, shown.y1 / Shared.Scale});
    const Rect client = view.ClientRect();
    if (client.left < at.x - 100 && at.x + 100 < client.right && client.top < at.y - 100 &&
        at.y + 100 < client.bottom)
        InvalidateViewArea(view, Rect{at.x - 100, at.y - 100, at.x + 100, at.y + 100});
}

// The release that ends a rectangle drag: a zoom, a library capture, a copy or an erase.
void EndRectangleDrag(TChild& view, Point point, int kind, int state) {
    ViewOwner& owner = view.Owner();
    view.DatumState = 1;
    ShowReadout("0");
    ToolRelease(view, point);
    TDrawingtool& tool = owner.Tool();
    if (kind == tool_kind::Move && state == TMoveobjtool::ZoomRectangleDone) {
        owner.RestoreTool(view.SavedKind);
        view.Owner().Zooming().ZoomView(view, 1);
    } else if (kind == tool_kind::Copy && tool.Amount() == 1) {
        view.Owner().Editing().RunLibraryCaptureDialog(view);
        owner.SelectPickTool();
        InvalidateWholeView(view);
    } else if (tool.Kind == tool_kind::Copy) {
        ShowPrompt("press F1 key for help");
        ShowCaption("Pick Tool");
    } else if (tool.Kind == tool_kind::Erase) {
        // The erased area: least x, greatest x, least y, greatest y in drawing units.
        const int* box = tool.PrevBox();
        const Point from = LogicalToClient(view, {box[0] / Shared.Scale, box[2] / Shared.Scale});
        const Point to = LogicalToClient(view, {box[1] / Shared.Scale, box[3] / Shared.Scale});
        owner.SelectPickTool();
        InvalidateViewArea(view, Rect{from.x, to.y, to.x, from.y});
    }
}

// A line with a text beside it: the line, then the text asked and placed.
void EndLineWithText(TChild& view, Point point) {
    if (!view.Window()) return;
    ViewOwner& owner = view.Owner();
    TDrawingtool& tool = CallingTool(view);
    ToolCallDC dc(view);
    const Rect client = view.ClientRect();
    Point at = point;
    tool.LButtonUp(*dc, client, at);
    if (owner.Tool().Y1 >= TLineobjtool::NoLineText) return; // no line was made
    view.Owner().Editing().RunViewDialog(view, 8);
    if (owner.Tool().Y1 == TLineobjtool::NoLineText) {
        owner.SelectPickTool();
        return;
    }
    CallingTool(view).AddLineText(*dc, client, 0, 0);
    owner.SelectPickTool();
    DrawingList.WriteDrawing();
}

bool IsRotationAngle(int degrees) {
    return degrees == 90 || degrees == 180 || degrees == 270;
}

// The move tool's right press rotates the selection: by 90 degrees for a selection just pasted from
// a library, otherwise by the angle the user gives.
void RotateSelection(TChild& view, Point point) {
    ViewOwner& owner = view.Owner();
    auto pressTool = [&] {
        CallTool(view, [&](TDrawingtool& tool, DeviceContext& dc, const Rect& client) {
            Point at = point;
            tool.RButtonDown(dc, client, at);
        });
    };
    if (DrawingList.count > 0 && DrawingList[DrawingList.count - 1]->type == type_code::PastedLine) {
        owner.Tool().X2 = 90;
        pressTool();
        return;
    }
    ShowPrompt("input degrees to rotate,then if needed, use + - keys to finetune. press Enter to Lock");
    // The pivot is the press; the tool holds it while the angle is asked.
    const PointTakenForStep pivot(view, point);
    std::string buffer = "90";
    int degrees = 0;
    if (platform::TheDesktop().InputBox("ROTATE", "clockwise", buffer, 8)) {
        degrees = ParseDecimal(buffer);
        if (degrees < 0 || degrees > 360) return;
        if (!IsRotationAngle(degrees) && view.Owner().Editing().CheckRotationLimits(view) == 1) return;
    }
    owner.Tool().X2 = degrees;
    owner.Tool().State = TMoveobjtool::MovingSelection;
    pressTool();
}

} // namespace

void TChild::EvLButtonUp(Point point) {
    if (!Window()) return;
    ViewOwner& owner = Owner();
    TDrawingtool& entry = CallingTool(*this);
    const int kind = entry.Kind;
    const int state = entry.State;
    if (Shared.CurrentView < view_code::LastLayout &&
        (Shared.ScrollX != PressScrollX || Shared.ScrollY != PressScrollY)) {
        // The view scrolled during the drag.
        InvalidateWholeView(*this);
        Window()->UpdateNow();
        owner.Tool().WallDirection() = 1;
    }
    if (kind == tool_kind::DesignRoom) {
        if (state == TDRoomobjtool::DragAligned || state == TDRoomobjtool::DragUnaligned) {
            EndDesignRoomDrag(*this, point);
        } else if (state == TDRoomobjtool::MaximumSize) {
            Owner().Rooms().NewMaxDesignRoom(*this);
            owner.Tool().State = 0;
        }
        return;
    }
    if (kind > tool_kind::ChangeText ||
        (kind == tool_kind::CornerMarks && Shared.CurrentView == view_code::MarkingCorners))
        return;
    if (kind == tool_kind::ChangeText) {
        ChangeTextAt(*this, point);
        return;
    }
    if ((state >= TLineobjtool::FirstMultilineState && state <= TLineobjtool::MultilineCopies) ||
        kind == tool_kind::Text || kind == tool_kind::TypedText)
        return;
    if (kind == tool_kind::TextAtRest || kind == tool_kind::Pick) {
        if (state == 0) ShowCaption("Pick Tool");
        return;
    }
    if (state <= 0) {
        ToolRelease(*this, point);
    } else if (state == TMoveobjtool::RectangleDone || state == TMoveobjtool::ZoomRectangleDone) {
        EndRectangleDrag(*this, point, kind, state);
    } else if (state == TDrawingtool::RebuiltOnRelease) {
        InvalidateWholeView(*this);
        owner.RestoreTool(owner.Tool().Kind);
    } else if (state == TLineobjtool::LineWithText || state == TLineobjtool::LineWithTextDrawn) {
        EndLineWithText(*this, point);
    } else if (state == TDrawingtool::RebuiltSaved || state == TDrawingtool::RebuiltSavedToo) {
        owner.RestoreTool(SavedKind);
    }
}

void TChild::EvRButtonDown(Point point) {
    if (!Window()) return;
    ViewOwner& owner = Owner();
    const Point logical = ClientToLogical(*this, point);
    if (FindRoomAt(DrawingList, logical.x, logical.y)) {
        // A press on a room belongs to a fresh design-room tool, but for Move Room's own: its right
        // press picks the room to move by keys.
        const TDrawingtool& active = owner.Tool();
        if (active.Kind != tool_kind::DesignRoom || active.State != TDRoomobjtool::Move)
            owner.RestoreTool(tool_kind::DesignRoom);
        SetDatum(*this, 1);
    }
    TDrawingtool& tool = owner.Tool();
    if (tool.Kind == tool_kind::DesignRoom) {
        if (tool.State == TDRoomobjtool::Adjusting || tool.State == TDRoomobjtool::KeyDrag) {
            tool.State = 0;
        } else if (tool.State == TDRoomobjtool::PlaceNew || tool.State == TDRoomobjtool::Move) {
            CallTool(*this, [&](TDrawingtool& t, DeviceContext& dc, const Rect& client) {
                Point at = point;
                t.RButtonDown(dc, client, at);
            });
            if (owner.Tool().State == TDRoomobjtool::OutsideWalls) owner.Tool().State = 0;
        }
    } else if (tool.Kind == tool_kind::Move) {
        RotateSelection(*this, point);
    }
}

void TChild::EvRButtonUp(Point point) {
    if (!Window()) return;
    ViewOwner& owner = Owner();
    const int state = owner.Tool().State;
    if (state != TDRoomobjtool::DragAligned && state != TDRoomobjtool::DragUnaligned) return;
    CallTool(*this, [&](TDrawingtool& tool, DeviceContext& dc, const Rect& client) {
        tool.RButtonUp(dc, client, point.x, point.y);
    });
    DrawingList.WriteDrawing();
    InvalidateWholeView(*this);
    owner.Tool().State = 0;
    Owner().Walls().ShowHouseRectangleSize(*this, 0);
}

void TChild::EvMouseMove(Point point) {
    if (!Window()) return;
    if (DatumState < 1) return;
    TDrawingtool& tool = CallingTool(*this);
    // The window and stairs tools follow the mouse only while they are being placed.
    const bool placing = tool.Kind == tool_kind::Window || tool.Kind == tool_kind::Stairs;
    if (!placing || tool.Dragging == 1) {
        CallTool(*this, [&](TDrawingtool& t, DeviceContext& dc, const Rect& client) {
            t.MouseMove(dc, client, point.x, point.y);
        });
    }
    if (DatumState > 1) ShowCursorReadout(*this, point);
}

void TChild::EvKeyUp(int /*key*/) {
    if (!Window()) return;
    TDrawingtool& tool = Owner().Tool();
    if (tool.Kind != tool_kind::DesignRoom || tool.State != TDRoomobjtool::KeyDrag) return;
    // The end of a design room moved by keys.
    DrawingList.WriteDrawing();
    Owner().Rooms().InvalidateDesignRoomArea(*this, ClientRect());
    RepaintLayoutAfterRoomKeys(*this);
    Owner().Tool().Aux1() = 0;
}
