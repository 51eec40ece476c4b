#include "app/bitmap_renderer.h"

#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/object_painting.h"
#include "model/shared_state.h"
#include "view/whole_view_painting.h"

#include <array>

namespace {

// The divisor, height reference and offset of PaintObjectScaled.
struct BitmapPlacement {
    int divisor;
    int height;
    int offset;
};

template <typename LeaveOut>
void PaintFloor(const TList& list, platform::DeviceContext& dc, const BitmapPlacement& at, int view,
                LeaveOut leaveOut) {
    for (int i = 0; i < list.count; ++i) {
        TObject* o = list[i];
        if (o->view != view || o->type >= type_code::FirstInformation || leaveOut(o->type)) continue;
        PaintObjectScaled(*o, dc, 0, at.divisor, at.height, at.offset);
    }
}

void PaintDottedOutlines(const TList& list, platform::DeviceContext& dc, const BitmapPlacement& at) {
    for (int i = 0; i < list.count; ++i) {
        TObject* o = list[i];
        if (IsDottedOutlineType(o->type)) PaintObjectScaled(*o, dc, 0, at.divisor, at.height, at.offset);
    }
}

// The flagged floors in the order they are drawn: a later floor paints over an earlier one.
std::array<std::pair<int, bool>, 4> FlaggedFloors(const OverlaySettings& flags) {
    return {{{view_code::FourthPlan, flags.fourthFloor == 1},
             {view_code::GroundFloor, flags.groundFloor == 1},
             {view_code::FirstFloor, flags.firstFloor == 1},
             {view_code::SecondFloor, flags.secondFloor == 1}}};
}

void PaintOverlaysWithDimensions(const TList& list, platform::DeviceContext& dc, const BitmapPlacement& at) {
    const OverlaySettings flags = ReadOverlayFlags();
    const int mode = Shared.DisplayMode;
    if (mode == 2 || mode == 12 || mode == 22) MakeHighestFlaggedFloorCurrent(flags);
    const bool filtering = mode == 2 || mode == 12;
    for (const auto& [view, shown] : FlaggedFloors(flags)) {
        if (!shown) continue;
        const bool current = Shared.CurrentView == view;
        // The fourth plan code is filtered when it is the current view, the reverse of the floors.
        const bool filtered = filtering && (view == view_code::FourthPlan ? current : !current);
        PaintFloor(list, dc, at, view,
                   [filtered](int type) { return filtered && IsDimensionOrTextType(type); });
    }
    if (flags.outlines == 1) PaintDottedOutlines(list, dc, at);
}

void PaintOverlaysWithoutDimensions(const TList& list, platform::DeviceContext& dc,
                                    const BitmapPlacement& at) {
    const OverlaySettings flags = ReadOverlayFlags();
    if (Shared.DisplayMode == 3) MakeHighestFlaggedFloorCurrent(flags);
    for (const auto& [view, shown] : FlaggedFloors(flags)) {
        if (!shown) continue;
        // Only the current floor keeps its title.
        const int lastTextLeftOut = Shared.CurrentView == view ? type_code::RoomName : type_code::FloorTitle;
        PaintFloor(list, dc, at, view, [lastTextLeftOut](int type) {
            return type == type_code::Text || type == type_code::TypedText ||
                   type == type_code::AutomaticDimension || type == type_code::ManualDimension ||
                   (type >= type_code::DimensionText && type <= lastTextLeftOut);
        });
    }
    if (flags.outlines == 1) PaintDottedOutlines(list, dc, at);
}

} // namespace

void PaintToBitmap(const TList& list, platform::DeviceContext& dc) {
    if (Shared.CurrentView >= view_code::Printing) return;
    // The drawing's own vertical middle lands on the bitmap's middle row, whatever the sheet.
    const BitmapPlacement at{
        Shared.Units == 0 ? 24 : 25,
        static_cast<int>((static_cast<long long>(Shared.BitmapLeastY) + Shared.BitmapGreatestY) / 2),
        Shared.BitmapHeight / 2};
    const int view = Shared.CurrentView;
    switch (Shared.DisplayMode) {
    case 0:
    case 10:
    case 20:
        PaintFloor(list, dc, at, view, [](int) { return false; });
        return;
    case 1:
    case 11:
    case 21:
        // No dimensions at all: automatic and manual texts and arrows are left out.
        PaintFloor(list, dc, at, view, [](int type) {
            return type == type_code::DimensionText || type == type_code::SizeText ||
                   type == type_code::AutomaticDimension || type == type_code::ManualDimension;
        });
        return;
    case 2:
    case 4:
    case 12:
    case 14:
    case 22:
    case 24:
        PaintOverlaysWithDimensions(list, dc, at);
        return;
    case 3:
    case 13:
    case 23:
        PaintOverlaysWithoutDimensions(list, dc, at);
        return;
    default:
        return;
    }
}
