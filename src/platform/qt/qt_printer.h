#pragma once
// Printing through Qt: a print document over a QPrinter in full-page mode, drawn through a surface that
// hands every primitive to a QPainter in the printer's device pixels, so the program's own mapping
// decides where things land; a PDF file is written by the program's own PDF writer (pdf_document.h).
// The client's one printer object keeps the printer, paper and orientation the print and set-up
// dialogs chose, from one command to the next.

#include "platform/printing.h"

#include <memory>
#include <string>
#include <string_view>

class QPrinter;
class QWidget;

namespace platform::qt {

// Opens a job titled `title` on `printer` (which must outlive the document); null with the reason in
// `error` when the printer cannot start it.
std::unique_ptr<PrintDocument> OpenPrintDocument(QPrinter& printer, std::string_view title,
                                                 std::string& error);

// Opens a job making the PDF file of `choice` in memory, on the paper, orientation and resolution it
// names; the job's result brings the file's bytes for the caller to write. It always opens (`error`
// stays empty): the file is written by the caller.
std::unique_ptr<PrintDocument> OpenPdfDocument(const PrinterChoice& choice, std::string_view title,
                                               std::string& error);

// The program's one printer and its dialogs.
class ProgramPrinter {
  public:
    ProgramPrinter();
    ~ProgramPrinter();
    ProgramPrinter(const ProgramPrinter&) = delete;
    ProgramPrinter& operator=(const ProgramPrinter&) = delete;

    QPrinter& Printer() { return *printer_; }
    // The print dialog: false when cancelled. Copies and page range come back as one copy of all pages.
    bool PrintDialog(QWidget* owner);
    // The page set-up dialog (paper and orientation); false when cancelled.
    bool SetupDialog(QWidget* owner);
    // The printouts of one command: a job each on a printer, the pages of one document into a PDF file
    // (made in memory, its bytes in the result for the caller to write).
    PrintResult Print(std::string_view title, std::span<Printout* const> printouts);

  private:
    std::unique_ptr<QPrinter> printer_;
};

} // namespace platform::qt
