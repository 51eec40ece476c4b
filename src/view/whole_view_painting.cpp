// PaintAll: which objects of the drawing list a view shows, in which order and whether as an
// overlay. Each object then paints itself (TObject::Paint chooses pens, colours and wall rendering).
#include "view/whole_view_painting.h"

#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/object_painting.h"
#include "model/shared_state.h"
#include "model/view_mapping.h"
#include "platform/device_context.h"
#include "settings/cfg_files.h"

#include <array>

using platform::DeviceContext;
using platform::Rect;

namespace {

// Objects from this type code up are information records, never painted.
constexpr int FirstInfoType = type_code::FirstInformation;

// The floors the overlay settings can show, in the order they are painted: a later floor paints over
// an earlier one.
struct OverlayFloor {
    int view;
    bool shown;
};

std::array<OverlayFloor, 4> OverlayFloors(const OverlaySettings& flags) {
    return {{{view_code::FourthPlan, flags.fourthFloor == 1},
             {view_code::GroundFloor, flags.groundFloor == 1},
             {view_code::FirstFloor, flags.firstFloor == 1},
             {view_code::SecondFloor, flags.secondFloor == 1}}};
}

// One pass over the list: every object of `view` below the information records that `leaveOut` does
// not reject, with the overlay flag.
template <typename LeaveOut>
void PaintFloor(const TList& list, DeviceContext& dc, const Rect& client, int view, int overlay,
                LeaveOut leaveOut) {
    for (int i = 0; i < list.count; ++i) {
        list.FetchAhead(i);
        const TObject* o = list[i];
        if (o->view != view || o->type >= FirstInfoType || leaveOut(o->type)) continue;
        o->Paint(dc, client, overlay);
    }
}

// The dotted outline objects of every view, in their own pass after the floors.
void PaintDottedOutlines(const TList& list, DeviceContext& dc, const Rect& client) {
    const int overlay = Shared.CurrentView == view_code::LastPlan ? 0 : 1;
    for (int i = 0; i < list.count; ++i) {
        const TObject* o = list[i];
        if (IsDottedOutlineType(o->type)) o->Paint(dc, client, overlay);
    }
}

// Display modes 2, 12, 22, 4, 14 and 24: the flagged floors, the others than the current one as
// overlays; in 2 and 12 those overlays leave out their texts and dimensions.
void PaintOverlaysWithDimensions(const TList& list, DeviceContext& dc, const Rect& client) {
    const OverlaySettings flags = ReadOverlayFlags();
    const int mode = Shared.DisplayMode;
    if (mode == 2 || mode == 12 || mode == 22) MakeHighestFlaggedFloorCurrent(flags);
    if (list.count == 0) return;
    const bool filtering = mode == 2 || mode == 12;
    for (const OverlayFloor& floor : OverlayFloors(flags)) {
        if (!floor.shown) continue;
        const int overlay = Shared.CurrentView != floor.view ? 1 : 0;
        // The fourth plan code is filtered when it is the current view, the reverse of the floors.
        const bool filtered =
            filtering && (floor.view == view_code::FourthPlan ? overlay == 0 : overlay == 1);
        PaintFloor(list, dc, client, floor.view, overlay,
                   [filtered](int type) { return filtered && IsDimensionOrTextType(type); });
    }
    if (flags.outlines == 1) PaintDottedOutlines(list, dc, client);
}

// Display modes 3, 13 and 23: the flagged floors without texts and dimensions, but the current floor
// keeps its title.
void PaintOverlaysWithoutDimensions(const TList& list, DeviceContext& dc, const Rect& client) {
    const OverlaySettings flags = ReadOverlayFlags();
    if (Shared.DisplayMode == 3) MakeHighestFlaggedFloorCurrent(flags);
    if (list.count == 0) return;
    for (const OverlayFloor& floor : OverlayFloors(flags)) {
        if (!floor.shown) continue;
        const int overlay = Shared.CurrentView != floor.view ? 1 : 0;
        const int lastTextLeftOut =
            Shared.CurrentView == floor.view ? type_code::RoomName : type_code::FloorTitle;
        PaintFloor(list, dc, client, floor.view, overlay, [lastTextLeftOut](int type) {
            return type == type_code::Text || type == type_code::TypedText ||
                   type == type_code::AutomaticDimension || type == type_code::ManualDimension ||
                   (type >= type_code::DimensionText && type <= lastTextLeftOut);
        });
    }
    if (flags.outlines == 1) PaintDottedOutlines(list, dc, client);
}

void PaintFloorPlan(const TList& list, DeviceContext& dc, const Rect& client) {
    const int view = Shared.CurrentView;
    switch (Shared.DisplayMode) {
    case 0:
    case 10:
    case 20:
        PaintFloor(list, dc, client, view, 0, [](int) { return false; });
        return;
    case 1:
    case 11:
    case 21:
        // No dimensions: their texts and arrows are left out; titles and plain texts stay.
        PaintFloor(list, dc, client, view, 0, [](int type) {
            return type == type_code::DimensionText || type == type_code::SizeText ||
                   type == type_code::AutomaticDimension || type == type_code::ManualDimension;
        });
        return;
    case 2:
    case 12:
    case 22:
    case 4:
    case 14:
    case 24:
        PaintOverlaysWithDimensions(list, dc, client);
        return;
    case 3:
    case 13:
    case 23:
        PaintOverlaysWithoutDimensions(list, dc, client);
        return;
    default:
        return;
    }
}

} // namespace

OverlaySettings ReadOverlayFlags() {
    CfgReport report;
    OverlaySettings flags = ReadOverlaySettings(&report);
    if (report.fileMissing) flags = OverlaySettings{0, 0, 0, 0, 0};
    return flags;
}

void MakeHighestFlaggedFloorCurrent(const OverlaySettings& flags) {
    if (flags.secondFloor == 1)
        Shared.CurrentView = view_code::SecondFloor;
    else if (flags.firstFloor == 1)
        Shared.CurrentView = view_code::FirstFloor;
    else if (flags.groundFloor == 1)
        Shared.CurrentView = view_code::GroundFloor;
    else if (flags.fourthFloor == 1)
        Shared.CurrentView = view_code::FourthPlan;
}

void PaintAll(const TList& list, DeviceContext& dc, const Rect& client) {
    SetViewMapping(dc, client);
    dc.SetBkMode(platform::BackgroundMode::Transparent);
    dc.SetBkColor(Shared.BackgroundColour);
    dc.SetROP2(platform::RasterOp::CopyPen);
    // The objects of a crowded plan paint over one another many times: held, only what shows is painted.
    const platform::HeldPrimitives held(dc.GetSurface());

    const int view = Shared.CurrentView;
    if (view >= 1 && view <= view_code::LastLayout) {
        // The room layout; while the external corners are marked (45) the layout's own objects (40)
        // show with the marks.
        for (int i = 0; i < list.count; ++i) {
            list.FetchAhead(i);
            const TObject* o = list[i];
            if (o->type < FirstInfoType && (o->view == view || o->view == view - 5)) o->Paint(dc, client, 0);
        }
    } else if (view >= view_code::GroundFloor && view <= view_code::LastFloor) {
        PaintFloorPlan(list, dc, client);
    }
    // Any other view code (printing, nothing open) shows nothing.
}
