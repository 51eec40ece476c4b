// The zoom: how much of the sheet the view shows (the window extent ClientWidth x ClientHeight, the
// zoom factor and the origin), brought into line with the scroll bars, repainted, and the tool of the
// zoom command put back.
#include "view/zoom.h"

#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "rooms/room_operations.h"
#include "settings/cfg_files.h"
#include "settings/extents_file.h"
#include "tools/tool_kinds.h"
#include "tools/view_support.h"
#include "view/child.h"
#include "view/view_owner.h"
#include "view/whole_view_painting.h"

#include <cmath>
#include <optional>

using platform::Rect;

namespace {

// The fits leave the drawn box a margin, in logical units per unit of Scale: above the floor plan's
// box 30 in all; round the layout's rooms 25 at the left and top, 50 at the right and bottom.
constexpr int FloorHeightMargin = 30;
constexpr int FloorWidthMarginPerAspect = 10;
constexpr int LayoutNearMargin = 25;
constexpr int LayoutFarMargin = 50;
// A view code no object carries: the layout grid is painted under it, so that paint draws nothing.
constexpr int NoObjectsView = 10;
// A window extent beyond this is no zoom the mapping can take (logical units).
constexpr double LargestExtent = 1.0e9;

// The window extent and zoom a zoom arrives at, applied only once it is known to be sound.
struct Zooming {
    int clientWidth = 0;
    int clientHeight = 0;
    float zoom = 0.0f;
};

bool Sound(const Zooming& z) {
    return z.clientWidth > 0 && z.clientHeight > 0 && std::isfinite(z.zoom) && z.zoom > 0.0f;
}

// The client area's width over its height.
float AspectOf(const Rect& client) {
    return static_cast<float>(client.Width()) / static_cast<float>(client.Height());
}

// Widens the extent on one axis to the client area's aspect.
void FitToAspect(float aspect, float& width, float& height) {
    if (height * aspect <= width)
        height = width / aspect;
    else
        width = height * aspect;
}

// The client area at normal size, in logical units.
ClientSize ClientAtNormalSize(const Rect& client) {
    return ClientSize{client.Width() * Shared.Scale, client.Height() * Shared.Scale};
}

// The normal window extent that New or Open left in ZOOM.CFG. A file missing or cut short gives the
// client area at normal size; one holding a width or height it cannot (0 or less) gives none.
std::optional<ClientSize> NormalExtent(const Rect& client) {
    CfgReport report;
    const ClientSize size = ReadClientSize(&report);
    if (report.fileMissing || report.missingFields > 0) return ClientAtNormalSize(client);
    if (report.clampedFields > 0) return std::nullopt;
    return size;
}

// The fitted extent of `width` x `height` logical units, with the zoom that shows it: the zoom of
// normal size times the normal width over the fitted one.
std::optional<Zooming> Fitted(const Rect& client, double width, double height) {
    const std::optional<ClientSize> normal = NormalExtent(client);
    if (!normal || !(width > 0 && height > 0 && width < LargestExtent && height < LargestExtent))
        return std::nullopt;
    float w = static_cast<float>(width);
    float h = static_cast<float>(height);
    FitToAspect(AspectOf(client), w, h);
    if (!(w < LargestExtent && h < LargestExtent)) return std::nullopt;
    Zooming z;
    z.clientWidth = static_cast<int>(w);
    z.clientHeight = static_cast<int>(h);
    z.zoom = static_cast<float>(Shared.Scale) / (static_cast<float>(normal->width) / w);
    if (!Sound(z)) return std::nullopt;
    return z;
}

void Apply(const Zooming& z) {
    Shared.ClientWidth = z.clientWidth;
    Shared.ClientHeight = z.clientHeight;
    Shared.Zoom = z.zoom;
}

// Back to the normal extent of ZOOM.CFG at the zoom of the drawing's units, centred on the sheet.
void ZoomToNormal(TChild& view, const Rect& client) {
    Shared.Scale = Shared.Units == 1 ? 5 : 6;
    Shared.Zoom = static_cast<float>(Shared.Scale);
    const ClientSize normal = NormalExtent(client).value_or(ClientAtNormalSize(client));
    Shared.ClientWidth = normal.width;
    Shared.ClientHeight = normal.height;
    CentreOriginOnSheet(view);
}

// One and a half times the extent, centred on the sheet; refused once the extent is wider than the
// sheet.
bool ShrinkByHalf(TChild& view) {
    if (Shared.ClientWidth > Shared.SheetWidth) return false;
    Shared.ClientWidth += Shared.ClientWidth / 2;
    Shared.ClientHeight += Shared.ClientHeight / 2;
    Shared.Zoom = Shared.Zoom * 0.5f + Shared.Zoom;
    CentreOriginOnSheet(view);
    return true;
}

// The floor plan's drawn box (EXTENTS.CFG) fitted to the view, which stays centred on the sheet rather
// than on the box. Nothing drawn, or a box that is inverted on an axis (a lone wall drawn right to left
// gives one), repaints the view unchanged.
bool FitFloor(TChild& view, const Rect& client) {
    CfgReport report;
    const bool measured = WriteExtents(DrawingList);
    const DrawnExtents box = ReadDrawnExtents(&report);
    if (!measured || !report.Complete() || box.minX == DrawnExtents::NothingDrawn ||
        box.minY == DrawnExtents::NothingDrawn || box.maxX == 0 || box.maxY == 0 || box.minX > box.maxX ||
        box.minY > box.maxY) {
        InvalidateWholeView(view);
        return false;
    }
    const long long scale = Shared.Scale;
    const long long width = static_cast<long long>(box.maxX / scale) - box.minX / scale;
    const long long height = static_cast<long long>(box.maxY / scale) - box.minY / scale;
    const long long aspectUnits = static_cast<long long>(AspectOf(client));
    const std::optional<Zooming> z =
        Fitted(client, static_cast<double>(aspectUnits * scale * FloorWidthMarginPerAspect + width),
               static_cast<double>(height + FloorHeightMargin * scale));
    if (!z) {
        InvalidateWholeView(view);
        return false;
    }
    Apply(*z);
    CentreOriginOnSheet(view);
    return true;
}

// The room layout's design rooms (BOUNDS.CFG) fitted to the view with margins, the view centred on
// them. Fewer than two rooms do nothing visible; a box that cannot be fitted repaints the view.
bool FitLayout(TChild& view, const Rect& client) {
    if (view.Owner().Rooms().WritePlanBounds(DrawingList) < 2) return false;
    CfgReport report;
    const LayoutBounds b = ReadLayoutBounds(&report);
    if (!report.Complete() || b.left == DrawnExtents::NothingDrawn ||
        b.bottom == DrawnExtents::NothingDrawn || b.right == 0 || b.top == 0 || b.left > b.right ||
        b.bottom > b.top) {
        InvalidateWholeView(view);
        return false;
    }
    const long long scale = Shared.Scale;
    const long long left = b.left / scale - LayoutNearMargin * scale;
    const long long top = b.top / scale + LayoutNearMargin * scale;
    const long long right = b.right / scale + LayoutFarMargin * scale;
    const long long bottom = b.bottom / scale - LayoutFarMargin * scale;
    const std::optional<Zooming> z =
        Fitted(client, static_cast<double>(right - left), static_cast<double>(top - bottom));
    if (!z) {
        InvalidateWholeView(view);
        return false;
    }
    Apply(*z);
    Shared.ScrollX = static_cast<int>((right - left) / 2 - z->clientWidth / 2 + left);
    Shared.ScrollY = static_cast<int>((top - bottom) / 2 - z->clientHeight / 2 + bottom);
    view.DatumState = 1;
    return true;
}

} // namespace

void ZoomView(TChild& view, int mode) {
    const Rect client = view.ClientRect();
    // A minimised view has no aspect to fit to.
    if (client.Width() <= 0 || client.Height() <= 0) {
        Shared.DrawingState = 2;
        return;
    }
    bool zoomed = true;
    switch (mode) {
    case 1:
        // The zoom rectangle set the extent and origin; one that leaves no sound mapping (a rectangle
        // of no width) goes back to normal size instead.
        if (!Sound(Zooming{Shared.ClientWidth, Shared.ClientHeight, Shared.Zoom})) ZoomToNormal(view, client);
        break;
    case 2:
        ZoomToNormal(view, client);
        break;
    case 3:
        zoomed = ShrinkByHalf(view);
        break;
    case 4:
        zoomed =
            Shared.CurrentView >= view_code::GroundFloor ? FitFloor(view, client) : FitLayout(view, client);
        break;
    default:
        break;
    }
    // A refused zoom leaves the extent and the tool alone; painting and commands resume.
    if (!zoomed) {
        Shared.DrawingState = 2;
        return;
    }
    SyncScrollerToOrigin(view);
    Shared.DrawingState = 2;
    InvalidateWholeView(view);
    // The zoom's rectangle was dragged with the move tool, which the user did not choose.
    if (view.SavedKind == tool_kind::Move) view.SavedKind = tool_kind::Pick;
    view.RestoreTool(view.SavedKind);
}

void RedrawLayoutGrid(TChild& view) {
    if (Shared.CurrentView >= view_code::GroundFloor) return;
    if (Shared.LayoutGridOn != 1) {
        InvalidateWholeView(view);
        return;
    }
    // Written at once, not held back: the grid lines join the list for this picture only.
    DrawingList.WriteDrawingNow();
    view.Owner().Rooms().MakeLayoutGrid(DrawingList);
    if (platform::ViewWindow* window = view.Window()) {
        auto dc = window->ClientDC();
        const int layoutView = Shared.CurrentView;
        Shared.CurrentView = NoObjectsView;
        PaintAll(DrawingList, *dc, view.ClientRect());
        Shared.CurrentView = layoutView;
    }
    // The grid lines go again: only the drawing file's objects stay in the list.
    DrawingList.Flush();
    DrawingList.ReadDrawing();
}

void RepaintLayoutAfterRoomKeys(TChild& view) {
    if (Shared.CurrentView < view_code::RoomLayout || Shared.CurrentView > view_code::LastLayout) return;
    if (Shared.LayoutGridOn == 1) InvalidateWholeView(view);
}
