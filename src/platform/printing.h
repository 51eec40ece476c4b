#pragma once
// Printing: a printout is what the program prints, one page at a time; a print document is the
// printer's side of one job (a printer of the system or a PDF file); RunPrintJob is the print loop that
// joins them. The page is drawn through an ordinary device context whose surface is the printer's page,
// in device pixels at the printer's resolution, with the origin at the paper's corner (full page).

#include "platform/device_context.h"
#include "platform/geometry.h"
#include "platform/surface.h"

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace platform {

enum class Paper { A4, A3, Letter };
enum class Orientation { Portrait, Landscape };

// The printer a print dialog chose: a system printer by name, or a PDF file when `pdfFile` is set.
struct PrinterChoice {
    std::string printerName;
    std::string pdfFile; // a full path
    Paper paper = Paper::A4;
    Orientation orientation = Orientation::Portrait;
    int dotsPerInch = 300;
};

// The paper's size in device pixels at the choice's resolution and orientation (A4 at 300 dots per
// inch lying landscape: 3508 x 2480).
Size PaperPixels(const PrinterChoice& choice);

// What the program prints. The print loop asks for pages from 1 while HasPage says there is one.
class Printout {
  public:
    virtual ~Printout() = default;
    // The page range a print dialog would offer: lowest, highest, first and last selected.
    struct PageRange {
        int minPage = 1;
        int maxPage = 1;
        int fromPage = 1;
        int toPage = 1;
    };
    virtual PageRange GetDialogInfo() = 0;
    virtual bool HasPage(int page) = 0;
    // Prints one page on the printer's device context; `pageSize` in device pixels.
    virtual void PrintPage(int page, DeviceContext& dc, Size pageSize, int pixelsPerInch) = 0;
};

// One job on a printer, opened with its title: pages are started, drawn on and ended, then the document
// is ended. A document that could not be opened is never made (the maker says why instead).
class PrintDocument {
  public:
    virtual ~PrintDocument() = default;
    virtual Size PageSize() const = 0; // device pixels
    virtual int PixelsPerInch() const = 0;
    // The surface of a new page; null when the printer failed.
    virtual Surface* StartPage() = 0;
    virtual void EndPage() = 0;
    // Finishes the job; false when the printer failed.
    virtual bool End() = 0;
    // A document made in memory for a file (a PDF file): the file's full path; empty for a printer.
    virtual std::string File() const { return {}; }
    // The bytes of the file, once the document has ended.
    virtual std::string TakeBytes() { return {}; }
};

// What became of a print job: the pages it printed, and the printer's own words when it failed. A job
// into a file brings the file's bytes back for the caller to write whole (so that a failed write never
// leaves half a file); `file` is empty when the pages went to a printer.
struct PrintResult {
    bool started = false;
    int pages = 0;
    std::string error;
    std::string file;
    std::string bytes;
};

// Sees each page of a print job as it is drawn: a test's recording of the pages.
class PageObserver {
  public:
    virtual ~PageObserver() = default;
    // The surface the page is drawn on instead of `page`; it must pass every call on to `page`, and
    // live until PageEnded.
    virtual Surface& PageStarted(Surface& page, Size pageSize) = 0;
    virtual void PageEnded() = 0;
};

// The print loop: for each printout in turn, for each page while it has one, starts the page, lets the
// printout draw it on a device context of the page and ends it; then ends the document and, for a file,
// takes its bytes.
PrintResult RunPrintJob(PrintDocument& document, std::span<Printout* const> printouts,
                        PageObserver* observer = nullptr);

} // namespace platform
