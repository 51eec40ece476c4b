// The program's one printer on real Qt dialogs: what the page set-up dialog chooses is what the next
// print job prints on, and the printouts of one command into a PDF file are the pages of one file. The
// pages hold whole device pixels, each pixel's centre where the screen draws it.
#include "platform/qt/qt_printer.h"

#include <QApplication>
#include <QByteArray>
#include <QDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <vector>

using namespace platform;

namespace {

// A printout of blank pages that notes the page it was given.
class PageSizes : public Printout {
  public:
    PageRange GetDialogInfo() override { return {1, 1, 1, 1}; }
    bool HasPage(int page) override { return page <= 1; }
    void PrintPage(int, DeviceContext&, Size pageSize, int pixelsPerInch) override {
        size = pageSize;
        resolution = pixelsPerInch;
    }
    Size size;
    int resolution = 0;
};

QRadioButton* FindRadio(QWidget* dialog, const QString& name, const QString& text) {
    for (QRadioButton* radio : dialog->findChildren<QRadioButton*>())
        if (radio->objectName() == name || radio->text().remove('&') == text) return radio;
    return nullptr;
}

} // namespace

TEST(QtPrinter, TheOrientationChosenInPageSetupIsThePrintJobsAndOneCommandMakesOneFile) {
    QTemporaryDir folder;
    const std::string pdf = (folder.path() + "/PLAN.PDF").toStdString();
    qt::ProgramPrinter printer;
    printer.Printer().setOutputFormat(QPrinter::PdfFormat);
    printer.Printer().setOutputFileName(QString::fromStdString(pdf));
    printer.Printer().setResolution(300);
    printer.Printer().setPageSize(QPageSize(QPageSize::A4));
    printer.Printer().setPageOrientation(QPageLayout::Portrait);

    PageSizes portrait;
    Printout* first[] = {&portrait};
    ASSERT_TRUE(printer.Print("PLAN.DB0", first).error.empty());
    EXPECT_LT(portrait.size.cx, portrait.size.cy);
    EXPECT_EQ(portrait.resolution, 300);

    bool clicked = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        if (QRadioButton* landscape = FindRadio(dialog, "landscape", "Landscape")) {
            landscape->click();
            clicked = true;
        }
        dialog->accept();
    });
    ASSERT_TRUE(printer.SetupDialog(nullptr));
    ASSERT_TRUE(clicked);

    // Two floors of one command: two pages of the one file chosen, which the caller writes whole.
    PageSizes ground, upper;
    Printout* floors[] = {&ground, &upper};
    const PrintResult result = printer.Print("PLAN.DB0", floors);
    EXPECT_TRUE(result.error.empty()) << result.error;
    EXPECT_EQ(result.pages, 2);
    EXPECT_EQ(result.file, pdf);
    EXPECT_EQ(result.bytes.substr(0, 5), "%PDF-");
    EXPECT_EQ(upper.size.cx, portrait.size.cy);
    EXPECT_EQ(upper.size.cy, portrait.size.cx);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_FALSE(std::filesystem::exists(folder.path().toStdString() + "/PLAN-2.PDF"));
}

namespace {

// A line four pixels wide down column 100 from row 100 to row 200, and a box of 40 x 30 pixels.
class PixelLines : public Printout {
  public:
    PageRange GetDialogInfo() override { return {1, 1, 1, 1}; }
    bool HasPage(int page) override { return page <= 1; }
    void PrintPage(int, DeviceContext& dc, Size, int) override {
        dc.SelectPen(Pen{Rgb(0, 0, 0), 4, PenStyle::Solid});
        dc.MoveTo(100, 100);
        dc.LineTo(100, 200);
        dc.SelectBrush(Brush::NullBrush());
        dc.Rectangle(300, 100, 340, 130);
    }
};

// The page streams of a PDF file, inflated.
std::string PageStreams(const std::string& pdf) {
    std::string streams;
    for (std::size_t at = pdf.find("stream\n"); at != std::string::npos; at = pdf.find("stream\n", at)) {
        at += 7;
        const std::size_t end = pdf.find("endstream", at);
        if (pdf[at] != 'x') continue; // not deflated: a font or an image
        // qUncompress wants the expected size in front; it grows its buffer when that is short.
        QByteArray packed("\0\0\x10\0", 4);
        packed.append(pdf.data() + at, static_cast<qsizetype>(end - at));
        const QByteArray inflated = qUncompress(packed);
        streams.append(inflated.constData(), static_cast<std::size_t>(inflated.size()));
        at = end;
    }
    return streams;
}

// The first page of a PDF file rendered by pdftoppm in grey at 300 pixels per inch, one byte a pixel.
struct GrayPage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;
    int At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Renders `pdf` through the image file `image` (without its extension); false when pdftoppm fails.
bool RenderGray(const std::string& pdf, const std::string& image, GrayPage& page) {
    if (std::system(("pdftoppm -gray -r 300 -singlefile '" + pdf + "' '" + image + "'").c_str()) != 0)
        return false;
    std::ifstream file(image + ".pgm", std::ios::binary);
    std::string magic;
    int depth = 0;
    file >> magic >> page.width >> page.height >> depth;
    file.get();
    page.pixels.resize(static_cast<std::size_t>(page.width) * page.height);
    file.read(reinterpret_cast<char*>(page.pixels.data()), static_cast<std::streamsize>(page.pixels.size()));
    return true;
}

} // namespace

TEST(QtPrinter, APageHoldsWholeDevicePixelsAndDrawsThroughThePixelsCentres) {
    QTemporaryDir folder;
    const std::string pdf = (folder.path() + "/LINES.PDF").toStdString();
    std::string error;
    std::unique_ptr<PrintDocument> document =
        qt::OpenPdfDocument({"", pdf, Paper::A4, Orientation::Portrait, 300}, "LINES.DB0", error);
    ASSERT_NE(document, nullptr) << error;
    PixelLines lines;
    Printout* printouts[] = {&lines};
    const PrintResult result = RunPrintJob(*document, printouts);
    ASSERT_EQ(result.file, pdf);

    // The path operators of the page carry whole numbers only.
    const std::string streams = PageStreams(result.bytes);
    const std::regex path(R"(^[-0-9. ]+ (m|l|re)$)");
    const std::regex whole(R"(^[-0-9 ]+ (m|l|re)$)");
    int operators = 0;
    std::istringstream in(streams);
    for (std::string line; std::getline(in, line);)
        if (std::regex_match(line, path)) {
            ++operators;
            EXPECT_TRUE(std::regex_match(line, whole)) << line;
        }
    EXPECT_GE(operators, 3);

    // Rendered at the printer's resolution the pen of four pixels lies round the centre of pixel 100,
    // (100.5): columns 99 to 102.
    std::ofstream(pdf, std::ios::binary) << result.bytes;
    GrayPage page;
    ASSERT_TRUE(RenderGray(pdf, (folder.path() + "/page").toStdString(), page));
    for (int y = 110; y < 190; y += 20) {
        EXPECT_EQ(page.At(98, y), 255) << y;
        EXPECT_EQ(page.At(99, y), 0) << y;
        EXPECT_EQ(page.At(102, y), 0) << y;
        EXPECT_EQ(page.At(103, y), 255) << y;
    }
}

namespace {

// A dashed line drawn on an opaque background, then a text in transparent mode across a line of its own.
class TextOverALine : public Printout {
  public:
    PageRange GetDialogInfo() override { return {1, 1, 1, 1}; }
    bool HasPage(int page) override { return page <= 1; }
    void PrintPage(int, DeviceContext& dc, Size, int) override {
        dc.SetBkMode(BackgroundMode::Opaque);
        dc.SetBkColor(Rgb(255, 255, 255));
        dc.SelectPen(Pen{Rgb(0, 0, 0), 1, PenStyle::Dash});
        dc.MoveTo(100, 50);
        dc.LineTo(600, 50);
        dc.SelectPen(Pen{Rgb(0, 0, 0), 4, PenStyle::Solid});
        dc.MoveTo(100, 300);
        dc.LineTo(900, 300);
        dc.SetBkMode(BackgroundMode::Transparent);
        Font font;
        font.face = "Liberation Sans";
        font.height = 80;
        dc.SelectFont(font);
        dc.TextOut(200, 260, "Bedroom");
    }
};

} // namespace

TEST(QtPrinter, ATransparentTextOnAPrinterHidesNothingUnderIt) {
    QTemporaryDir folder;
    const QString pdf = folder.path() + "/PRINTER.PDF";
    // A printer that is not a file of the program's own: Qt's printer writes it through its painter.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setResolution(300);
    std::string error;
    std::unique_ptr<PrintDocument> document = qt::OpenPrintDocument(printer, "TEXT.DB0", error);
    ASSERT_NE(document, nullptr) << error;
    TextOverALine page;
    Printout* printouts[] = {&page};
    ASSERT_TRUE(RunPrintJob(*document, printouts).error.empty());
    document.reset();

    GrayPage image;
    ASSERT_TRUE(RenderGray(pdf.toStdString(), (folder.path() + "/page").toStdString(), image));
    // The line under the text is whole: its middle row dark from end to end.
    for (int x = 110; x < 890; ++x)
        ASSERT_LT(image.At(x, 300), 128) << x;
}
