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

std::string NumberedFileName(const std::string& path, int job) {
    if (job < 2) return path;
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    const bool extension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    // Built by appending: GCC 12 at -O3 warns falsely about "-" + std::to_string.
    std::string suffix = "-";
    suffix += std::to_string(job);
    return extension ? path.substr(0, dot) + suffix + path.substr(dot) : path + suffix;
}

PrintResult RunPrintJob(PrintDocument& document, Printout& printout, PageObserver* observer) {
    PrintResult result;
    result.started = true;
    const Size pageSize = document.PageSize();
    for (int page = 1; printout.HasPage(page); ++page) {
        Surface* surface = document.StartPage();
        if (!surface) {
            result.error = "The printer stopped before the page could be printed";
            document.End();
            return result;
        }
        {
            Surface& drawn = observer ? observer->PageStarted(*surface, pageSize) : *surface;
            DeviceContext dc(drawn);
            printout.PrintPage(page, dc, pageSize, document.PixelsPerInch());
        }
        if (observer) observer->PageEnded();
        document.EndPage();
        ++result.pages;
    }
    if (!document.End() && result.error.empty()) result.error = "The printer could not finish the document";
    return result;
}

} // namespace platform
