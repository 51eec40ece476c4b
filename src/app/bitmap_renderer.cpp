#include "app/bitmap_renderer.h"

#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/object_painting.h"
#include "model/shared_state.h"
#include "platform/device_context.h"
#include "platform/pixel_buffer.h"
#include "platform/surface.h"
#include "platform/window.h"
#include "view/whole_view_painting.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <memory>

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
        const TObject* o = list[i];
        if (o->view != view || o->type >= type_code::FirstInformation || leaveOut(o->type)) continue;
        PaintObjectScaled(*o, dc, 0, at.divisor, at.height, at.offset);
    }
}

void PaintDottedOutlines(const TList& list, platform::DeviceContext& dc, const BitmapPlacement& at) {
    for (int i = 0; i < list.count; ++i) {
        const TObject* o = list[i];
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

namespace {

// Lights no pixel and clips nothing: gathers a box of device pixels that holds every pixel the
// primitives handed to it can light, wherever they lie. Texts are measured with the fonts of `fonts`.
class PaintReachSurface final : public platform::Surface {
  public:
    explicit PaintReachSurface(platform::Surface& fonts) : fonts_(fonts) {}

    bool Empty() const { return right < left; }
    // Inclusive, in device pixels; wider than an int where a damaged drawing reaches past its range.
    long long left = LLONG_MAX;
    long long top = LLONG_MAX;
    long long right = LLONG_MIN;
    long long bottom = LLONG_MIN;

    platform::Size PixelSize() const override { return fonts_.PixelSize(); }
    bool ClipsToPixels() const override { return false; }
    void DrawLine(platform::Point from, platform::Point to,
                  const platform::DrawAttributes& attributes) override {
        Include(from, PenReach(attributes));
        Include(to, PenReach(attributes));
    }
    void DrawPolygon(const std::vector<platform::Point>& points,
                     const platform::DrawAttributes& attributes) override {
        for (platform::Point point : points)
            Include(point, PenReach(attributes));
    }
    void DrawRectangle(platform::Rect box, const platform::DrawAttributes& attributes) override {
        Include(box, PenReach(attributes));
    }
    void DrawRoundRect(platform::Rect box, platform::Size /*corner*/,
                       const platform::DrawAttributes& attributes) override {
        Include(box, PenReach(attributes));
    }
    void DrawEllipse(platform::Rect box, const platform::DrawAttributes& attributes) override {
        Include(box, PenReach(attributes));
    }
    // Any part of the ellipse lies in the whole ellipse's box.
    void DrawArc(platform::Rect box, platform::Point /*start*/, platform::Point /*end*/,
                 const platform::DrawAttributes& attributes) override {
        Include(box, PenReach(attributes));
    }
    // An alignment moves the start of the baseline by at most the advance along it and a cell across;
    // from there no glyph lights a pixel further than the advance and a cell in any direction.
    void DrawText(platform::Point reference, unsigned /*align*/, std::string_view text,
                  const platform::DeviceFont& font, const platform::DrawAttributes& /*attributes*/) override {
        const long long cell = std::max(font.cellHeight, 1);
        Include(reference, 2 * (static_cast<long long>(fonts_.MeasureText(font, text).cx) + 2 * cell));
    }
    void FillRect(platform::Rect box, platform::ColourRef /*colour*/) override { Include(box, 0); }
    platform::TextMetrics MeasureFont(const platform::DeviceFont& font) override {
        return fonts_.MeasureFont(font);
    }
    platform::Size MeasureText(const platform::DeviceFont& font, std::string_view text) override {
        return fonts_.MeasureText(font, text);
    }

  private:
    // Half a wide pen lies beyond the figure's points, and a pixel more for rounding.
    static long long PenReach(const platform::DrawAttributes& attributes) {
        return std::max(attributes.penWidth, 1) / 2 + 1;
    }
    void Include(platform::Point point, long long reach) {
        left = std::min(left, point.x - reach);
        top = std::min(top, point.y - reach);
        right = std::max(right, point.x + reach);
        bottom = std::max(bottom, point.y + reach);
    }
    void Include(platform::Rect box, long long reach) {
        Include(platform::Point{box.left, box.top}, reach);
        Include(platform::Point{box.right, box.bottom}, reach);
    }

    platform::Surface& fonts_;
};

// The box of the pixels that differ from `background`; the whole image when none does.
platform::Rect ShownBox(const platform::PixelBuffer& image, std::uint32_t background) {
    platform::Rect shown{image.Width(), image.Height(), 0, 0};
    for (int y = 0; y < image.Height(); ++y) {
        const std::uint32_t* row = image.Row(y);
        for (int x = 0; x < image.Width(); ++x)
            if (row[x] != background) {
                shown.left = std::min(shown.left, x);
                shown.right = std::max(shown.right, x + 1);
                shown.top = std::min(shown.top, y);
                shown.bottom = y + 1;
            }
    }
    return shown.IsEmpty() ? platform::Rect{0, 0, image.Width(), image.Height()} : shown;
}

} // namespace

BitmapPicture MakeBitmapPicture(const TList& list, platform::ViewWindow& window, int margin, int largestSide,
                                platform::PixelBuffer& picture) {
    // First where the paint reaches, nothing clipped, so a part lying beyond the drawing's extents
    // (a text above its anchor, a room, an internal wall) is not lost.
    platform::PixelBuffer fontsOnly(1, 1);
    const std::unique_ptr<platform::DeviceContext> fonts = window.MemoryDC(fontsOnly);
    PaintReachSurface reach(fonts->GetSurface());
    {
        platform::DeviceContext dc(reach);
        PaintToBitmap(list, dc);
    }
    if (reach.Empty()) return BitmapPicture::NothingShows;
    const long long width = reach.right - reach.left + 1;
    const long long height = reach.bottom - reach.top + 1;
    if (width > largestSide || height > largestSide || reach.left <= INT_MIN || reach.top <= INT_MIN ||
        reach.left > INT_MAX || reach.top > INT_MAX)
        return BitmapPicture::TooLarge;

    // Then all of it, moved into an image of that reach, and the picture cut from what shows there.
    const std::uint32_t background = platform::PixelFromColour(Shared.BackgroundColour);
    platform::PixelBuffer whole(static_cast<int>(width), static_cast<int>(height), background);
    {
        const std::unique_ptr<platform::DeviceContext> dc = window.MemoryDC(whole);
        dc->SetViewportOrg(static_cast<int>(-reach.left), static_cast<int>(-reach.top));
        PaintToBitmap(list, *dc);
    }
    const platform::Rect shown = ShownBox(whole, background);
    if (shown.Width() + 2 * margin > largestSide || shown.Height() + 2 * margin > largestSide)
        return BitmapPicture::TooLarge;
    picture = platform::PixelBuffer(shown.Width() + 2 * margin, shown.Height() + 2 * margin, background);
    for (int y = shown.top; y < shown.bottom; ++y)
        std::copy(whole.Row(y) + shown.left, whole.Row(y) + shown.right,
                  picture.Row(y - shown.top + margin) + margin);
    return BitmapPicture::Made;
}
