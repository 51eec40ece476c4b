#include "app/printout.h"

#include "app/print_renderer.h"
#include "model/drawing_list.h"
#include "model/drawn_extents.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "settings/cfg_files.h"
#include "settings/extents_file.h"

#include <memory>

namespace {

// Viewports wider than this in device pixels are past the printer's coordinate range; from the lower
// bound on only the drawn area is printed.
constexpr long long WidestViewport = 65000;
constexpr long long WidestWholeSheet = 32000;
// Drawing units round the drawn area, on each side.
constexpr int DrawnAreaMargin = 25;

// Device pixels of a length in logical units printed at 1:scale: drawing units (times Scale) to
// millimetres or 1/24 inch on paper, to inches, to pixels, corrected by the calibration. The
// millimetre is taken as 1/25.3994 inch, as every calibrated printer was measured with it; the integer
// divisions come before the pixels, so a sheet that does not divide exactly prints a little small.
long long ViewportExtent(long long logical, int scale, int pixelsPerInch, double factor) {
    const long long onPaper = ((logical * Shared.Scale) / scale) * pixelsPerInch;
    const double perInch = Shared.Units == 1 ? 25.3994 : 24.0;
    return static_cast<long long>(static_cast<double>(onPaper) * factor / perInch);
}

// The mapping of a device context, kept to be given back after the page.
struct SavedMapping {
    explicit SavedMapping(platform::DeviceContext& dc)
        : mode(dc.GetMapMode()), windowExt(dc.GetWindowExt()), viewportExt(dc.GetViewportExt()),
          windowOrg(dc.GetWindowOrg()), viewportOrg(dc.GetViewportOrg()) {}
    void Restore(platform::DeviceContext& dc) const {
        dc.SetMapMode(mode);
        dc.SetWindowExt(windowExt.cx, windowExt.cy);
        dc.SetViewportExt(viewportExt.cx, viewportExt.cy);
        dc.SetWindowOrg(windowOrg.x, windowOrg.y);
        dc.SetViewportOrg(viewportOrg.x, viewportOrg.y);
    }
    platform::MapMode mode;
    platform::Size windowExt;
    platform::Size viewportExt;
    platform::Point windowOrg;
    platform::Point viewportOrg;
};

} // namespace

THDPrintout::THDPrintout(int printViewCode, int scaleDenominator, int copies, int showScale, int lineWeight,
                         PrintNotices& notices)
    : Copies(copies), ScaleDenominator(scaleDenominator), PrintViewCode(printViewCode), ShowScale(showScale),
      LineWeight(lineWeight), notices_(notices) {}

platform::Printout::PageRange THDPrintout::GetDialogInfo() {
    return {1, Copies, 1, 1};
}

bool THDPrintout::HasPage(int page) {
    return page <= Copies;
}

void THDPrintout::PrintPage(int /*page*/, platform::DeviceContext& dc, platform::Size pageSize,
                            int pixelsPerInch) {
    DrawingList.Flush();
    Shared.CurrentView = PrintViewCode;
    const int unitsInForce = Shared.Units;
    const int screenScale = Shared.Scale;
    const float screenZoom = Shared.Zoom;
    // The page prints with the Scale of the other system: 6 drawing units to the logical unit when
    // metric, 5 in feet and inches.
    Shared.Scale = Shared.Units == 0 ? 5 : 6;
    Shared.Zoom = static_cast<float>(Shared.Scale);
    const int sheetWidth = Shared.SheetWidth;
    const int sheetHeight = Shared.SheetHeight;
    const auto finish = [&] {
        Shared.SheetWidth = sheetWidth;
        Shared.SheetHeight = sheetHeight;
        Shared.CurrentView = view_code::Printing;
        Shared.PenWidthFactor = Shared.Units == 1 ? Shared.Scale : 4;
    };

    // Once a page found the drawing in other units, no copy of the command reads it again.
    if (!notices_.unitsDiffer) DrawingList.ReadDrawing();
    if (notices_.unitsDiffer || (Shared.Units == 0) != (unitsInForce == 0)) {
        // The drawing's lengths mean something else in these units: nothing prints, and the units, scale
        // and zoom in force stay as they were.
        notices_.unitsDiffer = true;
        DrawingList.Flush();
        Shared.Units = unitsInForce;
        Shared.Scale = screenScale;
        Shared.Zoom = screenZoom;
        Shared.SheetWidth = sheetWidth;
        Shared.SheetHeight = sheetHeight;
        Shared.CurrentView = view_code::Printing;
        return;
    }
    if (DrawingList.count == 0) {
        finish();
        return;
    }

    const std::unique_ptr<TTextobj> caption = PrintScaleCaption(DrawingList, ScaleDenominator, ShowScale);
    Shared.PenWidthFactor = LineWeight == 1 ? 4 : (LineWeight == 3 ? 10 : 6);
    const double factor = ReadPrintCalibration(Shared.Units).correction;
    const int scale = ScaleDenominator > 0 ? ScaleDenominator : 1;

    long long windowWidth = Shared.SheetWidth;
    long long windowHeight = Shared.SheetHeight;
    platform::Point windowOrigin{0, 0};
    long long vx = ViewportExtent(windowWidth, scale, pixelsPerInch, factor);
    long long vy = ViewportExtent(windowHeight, scale, pixelsPerInch, factor);
    if (vx > WidestViewport) {
        notices_.tooLarge = true;
        finish();
        return;
    }
    if (vx > WidestWholeSheet) {
        // Only the drawn area, with a margin, in logical units.
        WriteExtents(DrawingList);
        const DrawnExtents box = ReadDrawnExtents();
        if (box.minX == DrawnExtents::NothingDrawn || box.minY == DrawnExtents::NothingDrawn ||
            box.maxX == 0 || box.maxY == 0 || box.minX > box.maxX || box.minY > box.maxY) {
            finish();
            return;
        }
        const long long minX = static_cast<long long>(box.minX) - DrawnAreaMargin;
        const long long minY = static_cast<long long>(box.minY) - DrawnAreaMargin;
        windowOrigin = {static_cast<int>(minX / Shared.Scale), static_cast<int>(minY / Shared.Scale)};
        windowWidth = (static_cast<long long>(box.maxX) - box.minX + 2 * DrawnAreaMargin) / Shared.Scale;
        windowHeight = (static_cast<long long>(box.maxY) - box.minY + 2 * DrawnAreaMargin) / Shared.Scale;
        vx = ViewportExtent(windowWidth, scale, pixelsPerInch, factor);
        vy = ViewportExtent(windowHeight, scale, pixelsPerInch, factor);
        if (vx > WidestViewport || vy > WidestViewport) {
            notices_.tooLarge = true;
            finish();
            return;
        }
    }
    if (windowWidth <= 0 || windowHeight <= 0 || vx <= 0 || vy <= 0) {
        finish();
        return;
    }

    const SavedMapping saved(dc);
    dc.SetMapMode(platform::MapMode::Isotropic);
    dc.SetWindowExt(static_cast<int>(windowWidth), static_cast<int>(windowHeight));
    dc.SetViewportExt(static_cast<int>(vx), static_cast<int>(-vy));
    dc.SetWindowOrg(windowOrigin.x, windowOrigin.y);
    // The sheet centred on the page; y grows upwards.
    dc.SetViewportOrg(static_cast<int>((pageSize.cx - vx) / 2), static_cast<int>((pageSize.cy + vy) / 2));
    PrintAll(DrawingList, dc);
    if (caption) PrintUnderDisplayMode(*caption, dc);
    saved.Restore(dc);
    finish();
}
