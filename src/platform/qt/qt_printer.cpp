#include "platform/qt/qt_printer.h"

#include "platform/qt/page_geometry.h"
#include "platform/qt/pdf_document.h"
#include "platform/qt/qt_text_renderer.h"
#include "platform/qt/text_encoding.h"

#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

namespace platform::qt {

namespace {

QColor ColourOf(ColourRef colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

QPen PenOf(const DrawAttributes& a) {
    if (a.penStyle == PenStyle::Null) return QPen(Qt::NoPen);
    QPen pen(ColourOf(a.penColour));
    pen.setWidth(std::max(1, a.penWidth));
    switch (a.penStyle) {
    case PenStyle::Dash:
        pen.setStyle(Qt::DashLine);
        break;
    case PenStyle::Dot:
        pen.setStyle(Qt::DotLine);
        break;
    case PenStyle::DashDot:
        pen.setStyle(Qt::DashDotLine);
        break;
    case PenStyle::DashDotDot:
        pen.setStyle(Qt::DashDotDotLine);
        break;
    default:
        pen.setStyle(Qt::SolidLine);
        break;
    }
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QBrush BrushOf(const DrawAttributes& a) {
    switch (a.brush.style) {
    case BrushStyle::Null:
        return QBrush(Qt::NoBrush);
    case BrushStyle::Hatched: {
        static constexpr Qt::BrushStyle patterns[] = {Qt::HorPattern,   Qt::VerPattern,
                                                      Qt::BDiagPattern, Qt::FDiagPattern,
                                                      Qt::CrossPattern, Qt::DiagCrossPattern};
        const int hatch = std::clamp(static_cast<int>(a.brush.hatch), 0, 5);
        return QBrush(ColourOf(a.brush.colour), patterns[hatch]);
    }
    case BrushStyle::Solid:
        break;
    }
    return QBrush(ColourOf(a.brush.colour));
}

// The painter is moved by half a pixel once for the whole page, so the pixel's centre is its whole
// coordinates (the PDF writer draws the same way).
QPointF Centre(Point p) {
    return QPointF(p.x, p.y);
}

// The page of a printer: every primitive goes to a QPainter in device pixels.
class PainterSurface : public Surface {
  public:
    PainterSurface(QPainter& painter, Size size) : painter_(painter), size_(size) {}

    Size PixelSize() const override { return size_; }

    void DrawLine(Point from, Point to, const DrawAttributes& a) override {
        Set(a, false);
        // The painter would make a new path of every line; one path is reused instead (same output).
        line_.clear();
        line_.moveTo(Centre(from));
        line_.lineTo(Centre(to));
        painter_.drawPath(line_);
    }
    void DrawPolygon(const std::vector<Point>& points, const DrawAttributes& a) override {
        Set(a, true);
        QPolygonF polygon;
        for (const Point& p : points)
            polygon << Centre(p);
        painter_.drawPolygon(polygon, Qt::OddEvenFill);
    }
    void DrawRectangle(Rect box, const DrawAttributes& a) override {
        Set(a, true);
        painter_.drawRect(FigureBox(box));
    }
    void DrawRoundRect(Rect box, Size corner, const DrawAttributes& a) override {
        Set(a, true);
        painter_.drawRoundedRect(FigureBox(box), corner.cx / 2.0, corner.cy / 2.0, Qt::AbsoluteSize);
    }
    void DrawEllipse(Rect box, const DrawAttributes& a) override {
        Set(a, true);
        painter_.drawEllipse(FigureBox(box));
    }
    void DrawArc(Rect box, Point start, Point end, const DrawAttributes& a) override {
        Set(a, false);
        const QRectF r = FigureBox(box);
        const ArcAngles arc = ArcOf(r, start, end);
        painter_.drawArc(r, arc.start, arc.span);
    }
    void DrawText(Point reference, unsigned align, std::string_view text, const DeviceFont& font,
                  const DrawAttributes& a) override {
        const TextMetrics metrics = text_.Metrics(font);
        const int advance = text_.Advance(font, text);
        const QPointF start = TextStart(align, advance, metrics);
        const double u = start.x();
        const double v = start.y();
        painter_.save();
        // The box behind an opaque text is filled below; the painter's own background mode, left by the
        // last figure, would fill another behind every text and hide the lines under a transparent one.
        painter_.setBackgroundMode(Qt::TransparentMode);
        // Texts stand on the pixel's corner, as the screen draws them.
        painter_.translate(reference.x - HalfPixel, reference.y - HalfPixel);
        if (font.angleTenths != 0) painter_.rotate(-font.angleTenths / 10.0);
        if (a.backgroundMode == BackgroundMode::Opaque)
            painter_.fillRect(QRectF(u, v - metrics.ascent, advance, metrics.height),
                              ColourOf(a.backgroundColour));
        painter_.setFont(text_.FontFor(font));
        painter_.setPen(ColourOf(a.textColour));
        painter_.drawText(QPointF(u, v), ToQString(text));
        painter_.restore();
    }
    void FillRect(Rect box, ColourRef colour) override {
        painter_.fillRect(FilledBox(box), ColourOf(colour));
    }
    TextMetrics MeasureFont(const DeviceFont& font) override { return text_.Metrics(font); }
    Size MeasureText(const DeviceFont& font, std::string_view text) override {
        return {text_.Advance(font, text), text_.Metrics(font).height};
    }

  private:
    // A plan is mostly lines of one pen: the painter's pen, brush and background are made again only
    // when they change.
    void Set(const DrawAttributes& a, bool filled) {
        const Brush brush = filled ? a.brush : Brush::NullBrush();
        if (set_ && a.penColour == last_.penColour && a.penWidth == last_.penWidth &&
            a.penStyle == last_.penStyle && brush == last_.brush &&
            a.backgroundMode == last_.backgroundMode && a.backgroundColour == last_.backgroundColour)
            return;
        set_ = true;
        last_ = a;
        last_.brush = brush;
        painter_.setPen(PenOf(a));
        painter_.setBrush(filled ? BrushOf(a) : QBrush(Qt::NoBrush));
        painter_.setBackgroundMode(a.backgroundMode == BackgroundMode::Opaque ? Qt::OpaqueMode
                                                                              : Qt::TransparentMode);
        painter_.setBackground(QBrush(ColourOf(a.backgroundColour)));
    }

    QPainter& painter_;
    Size size_;
    QtTextRenderer text_;
    bool set_ = false;
    DrawAttributes last_;
    QPainterPath line_;
};

// A job on a printer at `resolution` pixels per inch.
class PainterDocument : public PrintDocument {
  public:
    PainterDocument(QPagedPaintDevice& device, int resolution) : device_(device), resolution_(resolution) {}
    bool Begin() {
        if (!painter_.begin(&device_)) return false;
        painter_.setRenderHint(QPainter::Antialiasing, true);
        painter_.translate(HalfPixel, HalfPixel);
        // Hatch patterns keep their place on the page.
        painter_.setBrushOrigin(-HalfPixel, -HalfPixel);
        const QRect full = device_.pageLayout().fullRectPixels(resolution_);
        size_ = {full.width(), full.height()};
        surface_ = std::make_unique<PainterSurface>(painter_, size_);
        return true;
    }
    Size PageSize() const override { return size_; }
    int PixelsPerInch() const override { return resolution_; }
    Surface* StartPage() override {
        if (pages_++ > 0 && !device_.newPage()) return nullptr;
        return surface_.get();
    }
    void EndPage() override {}
    bool End() override { return painter_.end(); }

  private:
    QPagedPaintDevice& device_;
    int resolution_;
    QPainter painter_;
    Size size_;
    std::unique_ptr<PainterSurface> surface_;
    int pages_ = 0;
};

QPageSize::PageSizeId PageSizeOf(Paper paper) {
    switch (paper) {
    case Paper::A3:
        return QPageSize::A3;
    case Paper::Letter:
        return QPageSize::Letter;
    case Paper::A4:
        break;
    }
    return QPageSize::A4;
}

// The copies and page range of a dialog do not count: the program prints its own copies as pages.
void OneCopyOfEveryPage(QPrinter& printer) {
    printer.setCopyCount(1);
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFullPage(true);
}

} // namespace

std::unique_ptr<PrintDocument> OpenPrintDocument(QPrinter& printer, std::string_view title,
                                                 std::string& error) {
    printer.setDocName(ToQString(title));
    OneCopyOfEveryPage(printer);
    auto document = std::make_unique<PainterDocument>(printer, printer.resolution());
    if (!document->Begin()) {
        error = "The printer " + FromQString(printer.printerName()) + " could not start the print job";
        return nullptr;
    }
    return document;
}

std::unique_ptr<PrintDocument> OpenPdfDocument(const PrinterChoice& choice, std::string_view title,
                                               std::string& error) {
    const QPageLayout layout(QPageSize(PageSizeOf(choice.paper)),
                             choice.orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                          : QPageLayout::Portrait,
                             QMarginsF());
    error.clear();
    return MakePdfDocument(layout, choice.dotsPerInch, title, choice.pdfFile);
}

ProgramPrinter::ProgramPrinter() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    OneCopyOfEveryPage(*printer_);
}

ProgramPrinter::~ProgramPrinter() = default;

bool ProgramPrinter::PrintDialog(QWidget* owner) {
    QPrintDialog dialog(printer_.get(), owner);
    const bool ok = dialog.exec() == QDialog::Accepted;
    OneCopyOfEveryPage(*printer_);
    return ok;
}

bool ProgramPrinter::SetupDialog(QWidget* owner) {
    QPageSetupDialog dialog(printer_.get(), owner);
    const bool ok = dialog.exec() == QDialog::Accepted;
    OneCopyOfEveryPage(*printer_);
    return ok;
}

PrintResult ProgramPrinter::Print(std::string_view title, std::span<Printout* const> printouts) {
    PrintResult result;
    const QString file = printer_->outputFileName();
    if (printer_->outputFormat() == QPrinter::PdfFormat && !file.isEmpty()) {
        OneCopyOfEveryPage(*printer_);
        std::unique_ptr<PrintDocument> document =
            MakePdfDocument(printer_->pageLayout(), printer_->resolution(), title, FromQString(file));
        return RunPrintJob(*document, printouts);
    }
    for (Printout* printout : printouts) {
        std::unique_ptr<PrintDocument> document = OpenPrintDocument(*printer_, title, result.error);
        if (!document) return result;
        const PrintResult job = RunPrintJob(*document, std::span<Printout* const>(&printout, 1));
        result.started = true;
        result.pages += job.pages;
        if (!job.error.empty()) {
            result.error = job.error;
            return result;
        }
    }
    return result;
}

} // namespace platform::qt
