#include "platform/printing.h"

#include <cmath>

namespace platform {

Size PaperPixels(const PrinterChoice& choice) {
    // Millimetres: A4 210 x 297, A3 297 x 420, Letter 8.5 x 11 inches.
    double width = 210.0;
    double height = 297.0;
    if (choice.paper == Paper::A3) {
        width = 297.0;
        height = 420.0;
    } else if (choice.paper == Paper::Letter) {
        width = 8.5 * 25.4;
        height = 11.0 * 25.4;
    }
    const auto pixels = [&](double mm) {
        return static_cast<int>(std::lround(mm * choice.dotsPerInch / 25.4));
    };
    Size size{pixels(width), pixels(height)};
    if (choice.orientation == Orientation::Landscape) std::swap(size.cx, size.cy);
    return size;
}

PrintResult RunPrintJob(PrintDocument& document, std::span<Printout* const> printouts,
                        PageObserver* observer) {
    PrintResult result;
    result.started = true;
    const Size pageSize = document.PageSize();
    for (Printout* printout : printouts) {
        for (int page = 1; printout->HasPage(page); ++page) {
            Surface* surface = document.StartPage();
            if (!surface) {
                result.error = "The printer stopped before the page could be printed";
                document.End();
                return result;
            }
            {
                Surface& drawn = observer ? observer->PageStarted(*surface, pageSize) : *surface;
                DeviceContext dc(drawn);
                printout->PrintPage(page, dc, pageSize, document.PixelsPerInch());
            }
            if (observer) observer->PageEnded();
            document.EndPage();
            ++result.pages;
        }
    }
    if (!document.End()) {
        result.error = "The printer could not finish the document";
        return result;
    }
    result.file = document.File();
    if (!result.file.empty()) result.bytes = document.TakeBytes();
    return result;
}

} // namespace platform
