#include "view/child.h"

#include "model/drawing_file.h"
#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "model/view_mapping.h"
#include "platform/desktop.h"
#include "rooms/room_operations.h"
#include "settings/cfg_files.h"
#include "tools/drawing_tool.h"
#include "tools/status_texts.h"
#include "tools/tool_kinds.h"
#include "tools/tool_support.h"
#include "tools/view_support.h"
#include "view/view_owner.h"
#include "view/whole_view_painting.h"
#include "walls/wall_operations.h"

#include <algorithm>
#include <cstdint>
#include <optional>

using platform::Rect;
using platform::ScrollBar;
using platform::ScrollCode;

namespace {

// Truncation toward zero of a single-precision result, as every stored scroll value is formed.
int Truncate(float value) {
    return static_cast<int>(value);
}

// The scroll units as the sheet arithmetic uses them: pixels per unit times logical units per pixel.
float UnitSpan(int unit) {
    return static_cast<float>(unit) * Shared.Zoom;
}

// The thumb of a position; a range of 0 or less leaves nothing to show.
int ThumbOf(int position, float divisor) {
    if (divisor <= 0.0f) return 0;
    return Truncate(static_cast<float>(position) / divisor);
}

int ScrollXOf(const TChild& view) {
    return Truncate(static_cast<float>(view.scroller.XPos) * Shared.Zoom *
                    static_cast<float>(view.scroller.XUnit));
}

int ScrollYOf(const TChild& view) {
    return Truncate(static_cast<float>(view.ScrollRangeY - view.scroller.YPos) * Shared.Zoom *
                    static_cast<float>(view.scroller.YUnit));
}

// The scroller's positions and thumbs from the window origin, then the origin snapped back to whole
// scroll units. Where a range leaves nothing to scroll, thumb and position are 0.
void PlaceScrollerAtOrigin(TChild& view) {
    Scroller& s = view.scroller;
    float xSpan = UnitSpan(s.XUnit);
    float ySpan = UnitSpan(s.YUnit);
    s.XPos = xSpan > 0 ? Truncate(static_cast<float>(Shared.ScrollX) / xSpan) : 0;
    s.YPos =
        ySpan > 0
            ? Truncate(static_cast<float>(view.ScrollRangeY) - static_cast<float>(Shared.ScrollY) / ySpan)
            : 0;
    if (view.ThumbDivisorX <= 0.0f) s.XPos = 0;
    if (view.ThumbDivisorY <= 0.0f) s.YPos = 0;
    ShowScrollPositions(view);
}

} // namespace

namespace {

// The thumb's length in the bars' 0 to 100: a page against the range, 0 when there is nothing to scroll.
int ThumbSizeOf(int page, int range) {
    if (range <= 0) return 0;
    return static_cast<int>(std::min<std::int64_t>(std::int64_t{page} * 100 / range, 1000000));
}

} // namespace

void ShowScrollPositions(TChild& view) {
    if (platform::ViewWindow* window = view.Window()) {
        const Scroller& s = view.scroller;
        window->SetThumb(ScrollBar::Horizontal, ThumbOf(s.XPos, view.ThumbDivisorX));
        window->SetThumb(ScrollBar::Vertical, ThumbOf(s.YPos, view.ThumbDivisorY));
        window->SetThumbSize(ScrollBar::Horizontal, ThumbSizeOf(s.XPage, s.XRange));
        window->SetThumbSize(ScrollBar::Vertical, ThumbSizeOf(s.YPage, s.YRange));
    }
    Shared.ScrollX = ScrollXOf(view);
    Shared.ScrollY = ScrollYOf(view);
}

TChild::TChild(ViewOwner& owner, const std::string& title) : owner_(owner) {
    SetTitle(title);
    scroller.SetUnits(0, 0, 0, 0);
    scroller.SetRange(0, 0);
    LoadViewColours(*this);
    if (Shared.DrawingState > 0) {
        // Read against the sheet the window's set-up takes from the sheet file (which it fitted to the
        // window's shape the last time): for a window of that shape the first paint can show what this
        // read found without reading the drawing again.
        const SheetSize sheet = ReadSheetSize(Shared.Units);
        Shared.SheetWidth = sheet.width;
        Shared.SheetHeight = sheet.height;
        DrawingList.ReadDrawing();
    }
    heldCentre_ = SheetCentreInForce();
}

TChild::~TChild() = default;

void TChild::SetTitle(const std::string& title) {
    DrawingList.ViewTitle = title.substr(0, TList::ViewTitleLimit);
    if (window_) window_->SetTitle(DrawingList.ViewTitle);
}

std::string ViewTitleSuffix(int view) {
    switch (view) {
    case view_code::FirstFloor:
        return ".PL1";
    case view_code::SecondFloor:
        return ".PL2";
    default:
        return view < view_code::GroundFloor ? ".LYT" : ".PLN";
    }
}

void LoadColourSettings() {
    const ColourSettings colours = ReadColours();
    Shared.BackgroundColour = colours.background;
    Shared.DrawingColour = colours.drawing;
    Shared.OverlayColour = colours.overlay;
}

void LoadViewColours(TChild& view) {
    LoadColourSettings();
    view.TempDC = nullptr;
    view.DatumState = 1;
    view.SavedKind = 0;
    view.StartX = 0;
    view.StartY = 0;
    DrawingList.Flush();
    SetScreenScale();
}

void TChild::Create(platform::FrameWindow& frame) {
    window_ = frame.CreateView(*this, DrawingList.ViewTitle);
    window_->SetBackground(Shared.BackgroundColour);
    window_->SetCursorShape(platform::CursorShape::Cross);
    SetupWindow();
    // A maximised window learns its size once it exists, as EvSize would take it, but paints only when
    // it is shown: a paint of a window not yet on the screen (and, while a drawing is opened, of a view
    // that shows nothing) would read the whole drawing for nothing the user sees.
    SetScrollRanges(*this);
    window_->Invalidate(nullptr, true);
}

Rect TChild::ClientRect() const {
    return window_ ? window_->ClientRect() : Rect{};
}

void TChild::Invalidate(const Rect* area, bool erase) {
    if (window_) window_->Invalidate(area, erase);
}

platform::Point TChild::CursorInClient() const {
    const platform::Point screen = platform::TheDesktop().GetCursorPos();
    return window_ ? window_->ScreenToClient(screen) : screen;
}

void TChild::PutCursorOn(platform::Point client) {
    if (window_) platform::TheDesktop().SetCursorPos(window_->ClientToScreen(client));
}

TDrawingtool& TChild::Tool() {
    return owner_.Tool();
}

void TChild::SelectPickTool() {
    owner_.SelectPickTool();
}

void TChild::RestoreTool(int kind) {
    owner_.RestoreTool(kind);
}

void TChild::FollowSheetCentre() {
    const RecordOrigin centre = SheetCentreInForce();
    owner_.Tool().FollowSheetCentre(centre);
    if (centre == heldCentre_) return;
    const long long dx = static_cast<long long>(centre.x) - heldCentre_.x;
    const long long dy = static_cast<long long>(centre.y) - heldCentre_.y;
    heldCentre_ = centre;
    tool_support::MoveCoordinate(DatumX, dx);
    tool_support::MoveCoordinate(DatumY, dy);
    // Only a wall run keeps its start here; the internal walls keep a mark of angled entry in StartX.
    const int kind = owner_.Tool().Kind;
    if (kind == tool_kind::ExternalWall || kind == tool_kind::CornerMarks) {
        tool_support::MoveCoordinate(StartX, dx);
        tool_support::MoveCoordinate(StartY, dy);
    }
}

void TChild::SetupWindow() {
    SetScrollRanges(*this);
    UpdateScrollOrigin(*this, 0);
}

void TChild::OnPaint(platform::DeviceContext& dc, const Rect& area) {
    Paint(dc, true, area);
}

void TChild::Paint(platform::DeviceContext& dc, bool /*erase*/, const Rect& /*area*/) {
    Rect client = ClientRect();
    if (client.Width() == 0) return;
    if (Shared.CurrentView == view_code::Printing || Shared.CurrentView >= view_code::PrintingFloorBase)
        return;
    if (Shared.DrawingState < 2) return;
    Shared.ScrollX = ScrollXOf(*this);
    Shared.ScrollY = ScrollYOf(*this);
    const bool asRead = listAsRead_;
    listAsRead_ = false;
    if (Shared.CurrentView >= view_code::GroundFloor && Shared.CurrentView <= view_code::LastFloor) {
        // The list File/Open read for this view is shown as it is; read on another sheet (the window
        // fitted the sheet to its shape since), it is moved to this one rather than read again.
        if (!asRead || !DrawingList.MoveAsReadTo(SheetCentreInForce())) {
            DrawingList.Flush();
            DrawingList.ReadDrawing();
        }
        FollowSheetCentre();
        PaintAll(DrawingList, dc, client);
        DrawingList.GetPlanCorner(&DatumX, &DatumY);
        TDrawingtool& tool = owner_.Tool();
        if (tool.Kind != tool_kind::ExternalWall) {
            DatumState = 3;
        } else if (tool.X2 > 0 && tool.Y2 > 0) {
            DatumState = 4;
            DatumX = tool.X2;
            DatumY = tool.Y2;
        } else {
            DatumState = 1;
        }
    } else if (Shared.CurrentView <= view_code::LastLayout) {
        DrawingList.Flush();
        DrawingList.ReadDrawing();
        FollowSheetCentre();
        if (Shared.CurrentView == view_code::RoomLayout && DatumState < 4)
            Owner().Walls().ShowHouseRectangleSize(*this, 0);
        PaintAll(DrawingList, dc, client);
        if (Shared.LayoutGridOn == 1 && Shared.CurrentView < view_code::LastLayout) {
            Owner().Rooms().MakeLayoutGrid(DrawingList);
            PaintAll(DrawingList, dc, client);
            DrawingList.Flush();
            DrawingList.ReadDrawing();
        }
    }
}

void TChild::EvSize(int /*width*/, int /*height*/) {
    if (!window_) return;
    SetScrollRanges(*this);
    window_->Invalidate(nullptr, true);
    window_->UpdateNow();
}

void TChild::OnSize(int width, int height) {
    EvSize(width, height);
}

void TChild::EvHScroll(ScrollCode code, int thumb) {
    Scroll(ScrollBar::Horizontal, code, thumb);
}
void TChild::EvVScroll(ScrollCode code, int thumb) {
    Scroll(ScrollBar::Vertical, code, thumb);
}

void TChild::OnScroll(ScrollBar bar, ScrollCode code, int thumb) {
    Scroll(bar, code, thumb);
}

void TChild::Scroll(ScrollBar bar, ScrollCode code, int thumb) {
    if (!window_) return;
    // Scrolling switches the layout grid off.
    if (Shared.LayoutGridOn == 1) {
        Shared.LayoutGridOn = 0;
        window_->Invalidate(nullptr, true);
    }
    int target = scroller.Target(bar, code, thumb);
    if (bar == ScrollBar::Horizontal) {
        scroller.ScrollTo(*window_, target, scroller.YPos);
        window_->SetThumb(bar, ThumbOf(scroller.XPos, ThumbDivisorX));
        Shared.ScrollX = ScrollXOf(*this);
    } else {
        scroller.ScrollTo(*window_, scroller.XPos, target);
        window_->SetThumb(bar, ThumbOf(scroller.YPos, ThumbDivisorY));
        Shared.ScrollY = ScrollYOf(*this);
    }
}

void TChild::OnInput(const platform::InputEvent& event) {
    if (!window_) return;
    // Each input is an action of the user whose failed saves are told and whose saves are written
    // once, as it ends; a drag is one action.
    std::optional<UserAction> action;
    if (inputDepth_ == 0) action.emplace(DrawingList);
    struct Running {
        int& depth;
        explicit Running(int& d) : depth(d) { ++depth; }
        ~Running() { --depth; }
        Running(const Running&) = delete;
        Running& operator=(const Running&) = delete;
    } running(inputDepth_);
    switch (event.kind) {
    case platform::InputKind::LeftDown:
        EvLButtonDown(event.point);
        break;
    case platform::InputKind::LeftUp:
        EvLButtonUp(event.point);
        break;
    case platform::InputKind::RightDown:
        EvRButtonDown(event.point);
        break;
    case platform::InputKind::RightUp:
        EvRButtonUp(event.point);
        break;
    case platform::InputKind::MouseMove:
        EvMouseMove(event.point);
        break;
    case platform::InputKind::KeyDown:
        EvKeyDown(event.key);
        break;
    case platform::InputKind::KeyUp:
        EvKeyUp(event.key);
        break;
    case platform::InputKind::Char:
        EvChar(event.character);
        break;
    }
}

void TChild::OnDestroyed() {
    window_ = nullptr;
    gone_ = true;
    owner_.ViewClosed(*this);
}

void SyncScrollerToOrigin(TChild& view) {
    Scroller& s = view.scroller;
    float xSpan = UnitSpan(s.XUnit);
    float ySpan = UnitSpan(s.YUnit);
    int xRange = xSpan > 0 ? Truncate(static_cast<float>(Shared.SheetWidth - Shared.ClientWidth) / xSpan) : 0;
    view.ScrollRangeY =
        ySpan > 0 ? Truncate(static_cast<float>(Shared.SheetHeight - Shared.ClientHeight) / ySpan) : 0;
    view.ThumbDivisorX = static_cast<float>(xRange * 0.01);
    view.ThumbDivisorY = static_cast<float>(view.ScrollRangeY * 0.01);
    s.SetRange(xRange, view.ScrollRangeY);
    // The positions come from the origin directly: the window is not scrolled here.
    PlaceScrollerAtOrigin(view);
}

void SetScrollRanges(TChild& view) {
    ScrollUnits units = ReadScrollUnits();
    SheetSize sheet = ReadSheetSize(Shared.Units);
    Shared.SheetWidth = sheet.width;
    Shared.SheetHeight = sheet.height;
    view.scroller.AutoOrg = false;
    Rect client = view.ClientRect();
    if (client.Width() == 0) return;
    view.scroller.SetUnits(units.horizontal, units.vertical, client.Width(), client.Height());
    SetScreenScale();
    Shared.ClientWidth = client.Width() * Shared.Scale;
    Shared.ClientHeight = client.Height() * Shared.Scale;
    // The sheet takes the window's aspect ratio.
    if (Shared.ClientWidth > 0)
        Shared.SheetHeight = static_cast<int>(static_cast<std::int64_t>(Shared.SheetWidth) *
                                              Shared.ClientHeight / Shared.ClientWidth);
    Shared.ScrollX = (Shared.SheetWidth - Shared.ClientWidth) / 2;
    Shared.ScrollY = (Shared.SheetHeight - Shared.ClientHeight) / 2;
    SyncScrollerToOrigin(view);
    WriteSheetSize(Shared.Units, SheetSize{Shared.SheetWidth, Shared.SheetHeight});
    view.FollowSheetCentre();
}

void CentreOriginOnSheet(const TChild& view) {
    Shared.ScrollX = Truncate(static_cast<float>((Shared.SheetWidth - Shared.ClientWidth) / 2) +
                              UnitSpan(view.scroller.XUnit));
    Shared.ScrollY = Truncate(static_cast<float>((Shared.SheetHeight - Shared.ClientHeight) / 2) +
                              UnitSpan(view.scroller.YUnit));
}

void UpdateScrollOrigin(TChild& view, int repaint) {
    Scroller& s = view.scroller;
    float ySpan = UnitSpan(s.YUnit);
    view.ScrollRangeY =
        ySpan > 0 ? Truncate(static_cast<float>(Shared.SheetHeight - Shared.ClientHeight) / ySpan) : 0;
    CentreOriginOnSheet(view);
    s.SetRange(s.XRange, view.ScrollRangeY);
    PlaceScrollerAtOrigin(view);
    if (repaint == 1 && view.Window()) view.Window()->Invalidate(nullptr, true);
}

void ScrollCursorIntoView(TChild& view, int step, int key, int x, int y) {
    int d = Shared.Scale != 0 ? step / Shared.Scale : 0;
    int right = Shared.ScrollX + Shared.ClientWidth;
    int top = Shared.ScrollY + Shared.ClientHeight;
    float margin = 3.0f * Shared.Zoom;
    int oldX = Shared.ScrollX;
    int oldY = Shared.ScrollY;
    switch (key) {
    case platform::VirtualKey::Up:
        if (y + d > top)
            Shared.ScrollY =
                Truncate(static_cast<float>(y + d - top) + margin + static_cast<float>(Shared.ScrollY));
        if (Shared.ScrollY + Shared.ClientHeight > Shared.SheetHeight)
            Shared.ScrollY = Shared.SheetHeight - Shared.ClientHeight;
        break;
    case platform::VirtualKey::Down:
        if (y - d < Shared.ScrollY) Shared.ScrollY = Truncate(static_cast<float>(y - d) - margin);
        if (Shared.ScrollY < 0) Shared.ScrollY = 0;
        break;
    case platform::VirtualKey::Right:
        if (x + d > right)
            Shared.ScrollX =
                Truncate(static_cast<float>(x + d - right) + margin + static_cast<float>(Shared.ScrollX));
        if (Shared.ScrollX + Shared.ClientWidth > Shared.SheetWidth)
            Shared.ScrollX = Shared.SheetWidth - Shared.ClientWidth;
        break;
    case platform::VirtualKey::Left:
        if (x - d < Shared.ScrollX) Shared.ScrollX = Truncate(static_cast<float>(x - d) - margin);
        if (Shared.ScrollX < 0) Shared.ScrollX = 0;
        break;
    default:
        return;
    }
    if (Shared.ScrollX == oldX && Shared.ScrollY == oldY) return;
    PlaceScrollerAtOrigin(view);
}

void ShowSelectViewMessage(TChild& /*view*/, int code) {
    if (code == 2)
        ViewMessageBox("Select VIEW then the correct floor PLAN first", "", platform::MessageBoxStyle::Ok);
}
