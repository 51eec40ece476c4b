#include "platform/qt/pdf_document.h"

#include "platform/qt/page_geometry.h"
#include "platform/qt/pdf_fonts.h"
#include "platform/qt/pdf_syntax.h"
#include "platform/qt/qt_text_renderer.h"
#include "platform/qt/text_encoding.h"

#include <QDateTime>
#include <QGlyphRun>
#include <QImage>
#include <QPageLayout>
#include <QPainterPath>
#include <QTextLayout>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <unordered_map>

namespace platform::qt {

namespace {

constexpr std::size_t MaxShapedTexts = 16384;

// PDF line caps and joins.
constexpr int RoundCap = 1;
constexpr int SquareCap = 2;
constexpr int RoundJoin = 1;
constexpr int BevelJoin = 2;

// Each channel of a colour as Qt's engine wrote it: its 16-bit value as a float fraction.
const std::string& Channel(unsigned value) {
    static const std::array<std::string, 256> channels = [] {
        std::array<std::string, 256> texts;
        for (unsigned c = 0; c < 256; ++c)
            AppendReal(texts[c], static_cast<double>(static_cast<float>(c * 257u) / 65535.0f));
        return texts;
    }();
    return channels[value & 0xFF];
}

void AppendColour(std::string& out, ColourRef colour) {
    out += Channel(RedOf(colour));
    out += Channel(GreenOf(colour));
    out += Channel(BlueOf(colour));
}

void AppendMatrixValues(std::string& out, const QTransform& m) {
    for (double value : {m.m11(), m.m12(), m.m21(), m.m22(), m.dx(), m.dy()})
        AppendReal(out, value);
}

void AppendMatrix(std::string& out, const QTransform& m) {
    AppendMatrixValues(out, m);
    out += "cm\n";
}

// The dashes of a pen style, in pen widths, as Qt's pens have them.
std::vector<int> DashesOf(PenStyle style) {
    switch (style) {
    case PenStyle::Dash:
        return {4, 2};
    case PenStyle::Dot:
        return {1, 2};
    case PenStyle::DashDot:
        return {4, 2, 1, 2};
    case PenStyle::DashDotDot:
        return {4, 2, 1, 2, 1, 2};
    default:
        return {};
    }
}

// The six hatches as tiles of 8 by 8 device pixels, one pixel wide, as Qt's engine drew them, in the
// order of the Hatch values (a forward diagonal hatch rises to the right).
constexpr std::array<const char*, 6> HatchTiles = {
    "1 w\n0 4 m\n8 4 l\nS\n",
    "1 w\n4 0 m\n4 8 l\nS\n",
    "1 w\n-1 5 m\n5 -1 l\n3 9 m\n9 3 l\nS\n",
    "1 w\n-1 3 m\n5 9 l\n3 -1 m\n9 5 l\nS\n",
    "1 w\n4 0 m\n4 8 l\n0 4 m\n8 4 l\nS\n",
    "1 w\n-1 3 m\n5 9 l\n3 -1 m\n9 5 l\n-1 5 m\n5 -1 l\n3 9 m\n9 3 l\nS\n",
};

int HatchIndex(const Brush& brush) {
    return std::clamp(static_cast<int>(brush.hatch), 0, 5);
}

// A text laid out once: its runs of glyphs, each run in one font, at pixel offsets from the start of the
// baseline.
struct ShapedText {
    struct Glyph {
        PdfFonts::Glyph shown;
        double x = 0;
        double y = 0;
    };
    struct Run {
        double pixelSize = 0;
        // A face Qt's engine makes bold itself is shown twice, the second time moved back by half the
        // face's line thickness; 0 for a face shown once.
        double bolden = 0;
        std::vector<Glyph> glyphs;
    };
    std::vector<Run> runs;
};

// What the pages of one document share: the file, its fonts, its hatch patterns and the texts laid out.
struct DocumentParts {
    PdfFile file;
    PdfFonts fonts{file};
    QtTextRenderer text;
    QTransform pageMatrix;
    // A device at the printer's resolution, for texts laid out as on the printer's page: a tab goes on
    // to a stop of 80 pixels at the screen's resolution, so further in pixels of a finer device.
    QImage device{1, 1, QImage::Format_Mono};
    std::array<int, 6> hatches{}; // the pattern object of each hatch, once used
    std::unordered_map<std::string, ShapedText> shaped;

    int Hatch(int index) {
        int& object = hatches[static_cast<std::size_t>(index)];
        if (object == 0) object = file.Reserve();
        return object;
    }
    const ShapedText& Shape(const DeviceFont& font, std::string_view text);
};

const ShapedText& DocumentParts::Shape(const DeviceFont& font, std::string_view text) {
    std::string key = font.face;
    key += '\0';
    key += std::to_string(font.cellHeight) + ' ' + std::to_string(font.weight) + (font.italic ? " i" : " r");
    key += '\0';
    key += text;
    auto found = shaped.find(key);
    if (found != shaped.end()) return found->second;
    // A drawing repeats its few texts; one of countless different texts starts the cache again.
    if (shaped.size() >= MaxShapedTexts) shaped.clear();
    ShapedText& result = shaped[key];
    const QString string = ToQString(text);
    // A face of bitmaps alone shows the glyphs of its strike where the view puts them, enlarged as the
    // view enlarges them.
    QtTextRenderer::StrikeText strike;
    if (this->text.LayOutInStrike(font, text, strike)) {
        const int face = fonts.FaceOf(strike.strike);
        fonts.NoteCharacters(face, string);
        ShapedText::Run placed;
        placed.pixelSize = strike.scale * strike.strike.pixelSize();
        placed.glyphs.reserve(strike.glyphs.size());
        for (const QtTextRenderer::StrikeGlyph& glyph : strike.glyphs)
            placed.glyphs.push_back({fonts.Show(face, glyph.index), static_cast<double>(glyph.x), 0});
        result.runs.push_back(std::move(placed));
        return result;
    }
    QTextLayout layout(string, this->text.FontFor(font), &device);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid()) return result;
    const double baseline = line.ascent();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const int face = fonts.FaceOf(run.rawFont());
        fonts.NoteCharacters(face, string);
        ShapedText::Run placed;
        const QRawFont raw = run.rawFont();
        placed.pixelSize = raw.pixelSize();
        if (PdfFonts::SynthesizesBold(raw)) placed.bolden = 0.5 * raw.lineThickness();
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        placed.glyphs.reserve(static_cast<std::size_t>(indexes.size()));
        for (qsizetype i = 0; i < indexes.size() && i < positions.size(); ++i)
            placed.glyphs.push_back(
                {fonts.Show(face, indexes[i]), positions[i].x(), positions[i].y() - baseline});
        result.runs.push_back(std::move(placed));
    }
    return result;
}

// A page: the primitives as PDF operators, in whole device pixels.
class PageSurface : public Surface {
  public:
    PageSurface(DocumentParts& parts, Size size) : parts_(parts), size_(size) {
        content_.reserve(1 << 20);
        content_ += "/GSa gs\n";
        AppendMatrix(content_, parts_.pageMatrix);
    }

    std::string TakeContent() {
        ToPage();
        return std::move(content_);
    }

    Size PixelSize() const override { return size_; }

    void DrawLine(Point from, Point to, const DrawAttributes& a) override {
        if (a.penStyle == PenStyle::Null) return;
        const int width = std::max(1, a.penWidth);
        ToPixels();
        // Gaps of an opaque dashed pen show the background: a solid stroke beneath.
        if (GapsShowBackground(a, false)) {
            SetStroke(a.backgroundColour, width, SquareCap, BevelJoin, PenStyle::Solid);
            AppendLine(from, to);
        }
        SetStroke(a.penColour, width, RoundCap, RoundJoin, a.penStyle);
        AppendLine(from, to);
    }

    void DrawPolygon(const std::vector<Point>& points, const DrawAttributes& a) override {
        if (points.empty()) return;
        QPainterPath path;
        path.moveTo(points.front().x, points.front().y);
        for (std::size_t i = 1; i < points.size(); ++i)
            path.lineTo(points[i].x, points[i].y);
        path.closeSubpath();
        DrawShape(path, a, true);
    }

    void DrawRectangle(Rect box, const DrawAttributes& a) override { DrawBox(FigureBox(box), a); }

    void DrawRoundRect(Rect box, Size corner, const DrawAttributes& a) override {
        const QRectF r = FigureBox(box);
        const double rx = corner.cx / 2.0;
        const double ry = corner.cy / 2.0;
        if (rx <= 0 || ry <= 0) {
            DrawBox(r, a);
            return;
        }
        QPainterPath path;
        path.addRoundedRect(r, rx, ry, Qt::AbsoluteSize);
        DrawShape(path, a, true);
    }

    void DrawEllipse(Rect box, const DrawAttributes& a) override {
        QPainterPath path;
        path.addEllipse(FigureBox(box));
        DrawShape(path, a, true);
    }

    void DrawArc(Rect box, Point start, Point end, const DrawAttributes& a) override {
        const QRectF r = FigureBox(box);
        const ArcAngles arc = ArcOf(r, start, end);
        // As a painter makes an arc's path from its angles.
        const double startAngle = arc.start / 16.0;
        const double spanAngle = arc.span / 16.0;
        QPainterPath path;
        path.arcMoveTo(r, startAngle);
        path.arcTo(r, startAngle, spanAngle);
        DrawShape(path, a, false);
    }

    void DrawText(Point reference, unsigned align, std::string_view text, const DeviceFont& font,
                  const DrawAttributes& a) override {
        const TextMetrics metrics = parts_.text.Metrics(font);
        const int advance = parts_.text.Advance(font, text);
        const QPointF start = TextStart(align, advance, metrics);
        const double u = start.x();
        const double v = start.y();
        // Texts stand on the pixel's corner, as the screen draws them, turned about it: its whole
        // coordinates, outside the move of half a pixel.
        QTransform matrix;
        matrix.translate(reference.x, reference.y);
        if (font.angleTenths != 0) matrix.rotate(-font.angleTenths / 10.0);
        const ShapedText& shaped = parts_.Shape(font, text);

        ToPage();
        const State outside = state_;
        content_ += "q\n";
        AppendMatrix(content_, matrix);
        if (a.backgroundMode == BackgroundMode::Opaque) {
            SetFill(a.backgroundColour);
            for (double value :
                 {u, v - metrics.ascent, static_cast<double>(advance), static_cast<double>(metrics.height)})
                AppendReal(content_, value);
            content_ += "re\nf\n";
        }
        SetFill(a.textColour);
        for (const ShapedText::Run& run : shaped.runs) {
            if (run.glyphs.empty()) continue;
            content_ += "BT\n";
            AppendGlyphs(run, u, v, 0);
            // The second showing stays out of the text a reader extracts.
            if (run.bolden != 0) {
                content_ += "/Span << /ActualText () >> BDC\n";
                AppendGlyphs(run, u, v, run.bolden);
                content_ += "EMC\n";
            }
            content_ += "ET\n";
        }
        content_ += "Q\n";
        state_ = outside;
    }

    void FillRect(Rect box, ColourRef colour) override {
        const QRectF r = FilledBox(box);
        ToPixels();
        SetFill(colour);
        for (double value : {r.x(), r.y(), r.width(), r.height()})
            AppendReal(content_, value);
        content_ += "re\nf\n";
    }

    TextMetrics MeasureFont(const DeviceFont& font) override { return parts_.text.Metrics(font); }
    Size MeasureText(const DeviceFont& font, std::string_view text) override {
        return {parts_.text.Advance(font, text), parts_.text.Metrics(font).height};
    }

  private:
    // The graphics state the page's operators have set, so that each is written only when it changes.
    struct State {
        ColourRef stroke = 0;
        int width = 1;
        int cap = 0;
        int join = 0;
        PenStyle dashes = PenStyle::Solid;
        int dashWidth = 0; // the pen width the dashes were scaled by
        ColourRef fill = 0;
        int fillHatch = -1; // the hatch pattern filling, or -1 for the colour alone
    };

    // Strokes and boxes are drawn under the move of half a pixel, inside a saved state.
    void ToPixels() {
        if (inPixels_) return;
        content_ += "q\n1 0 0 1 0.5 0.5 cm\n";
        outsidePixels_ = state_;
        inPixels_ = true;
    }
    void ToPage() {
        if (!inPixels_) return;
        content_ += "Q\n";
        state_ = outsidePixels_;
        inPixels_ = false;
    }

    void SetStroke(ColourRef colour, int width, int cap, int join, PenStyle dashes) {
        if (colour != state_.stroke) {
            AppendColour(content_, colour);
            content_ += "RG\n";
            state_.stroke = colour;
        }
        SetNumber(state_.width, width, "w\n");
        SetNumber(state_.cap, cap, "J\n");
        SetNumber(state_.join, join, "j\n");
        if (dashes != state_.dashes || (dashes != PenStyle::Solid && width != state_.dashWidth)) {
            content_ += '[';
            for (int dash : DashesOf(dashes))
                AppendInt(content_, static_cast<long long>(dash) * width);
            content_ += "] 0 d\n";
            state_.dashes = dashes;
            state_.dashWidth = width;
        }
    }

    void SetNumber(int& known, int value, const char* op) {
        if (value == known) return;
        AppendInt(content_, value);
        content_ += op;
        known = value;
    }

    void SetFill(ColourRef colour) {
        if (state_.fillHatch < 0 && colour == state_.fill) return;
        AppendColour(content_, colour);
        content_ += "rg\n";
        state_.fill = colour;
        state_.fillHatch = -1;
    }

    void SetFill(const Brush& brush) {
        if (brush.style != BrushStyle::Hatched) {
            SetFill(brush.colour);
            return;
        }
        const int hatch = HatchIndex(brush);
        if (state_.fillHatch == hatch && state_.fill == brush.colour) return;
        content_ += "/PCSp cs ";
        AppendColour(content_, brush.colour);
        content_ += "/H";
        AppendInt(content_, hatch);
        content_ += "scn\n";
        parts_.Hatch(hatch);
        state_.fill = brush.colour;
        state_.fillHatch = hatch;
    }

    // A run's glyphs from the start of the text's baseline at (u, v) of the text's own space, each placed
    // from the one before, all moved back by `back`.
    void AppendGlyphs(const ShapedText::Run& run, double u, double v, double back) {
        int resource = -1;
        double lastX = back;
        double lastY = 0;
        for (const ShapedText::Glyph& glyph : run.glyphs) {
            if (glyph.shown.resource != resource) {
                content_ += '/';
                content_ += parts_.fonts.Resources()[static_cast<std::size_t>(glyph.shown.resource)].name;
                content_ += ' ';
                AppendReal(content_, run.pixelSize);
                content_ += resource < 0 ? "Tf 1 0 0 -1 0 0 Tm\n" : "Tf\n";
                resource = glyph.shown.resource;
            }
            const double x = u + glyph.x;
            const double y = v + glyph.y;
            AppendReal(content_, x - lastX);
            AppendReal(content_, lastY - y);
            content_ += "Td ";
            AppendHexCode(content_, glyph.shown.code, glyph.shown.bytes);
            content_ += " Tj\n";
            lastX = x;
            lastY = y;
        }
    }

    // A line as a path of its own: a line to its own start is a closed point.
    void AppendLine(Point from, Point to) {
        char buffer[64];
        char* p = buffer;
        p = WriteInt(p, from.x);
        p = WriteInt(p, from.y);
        *p++ = 'm';
        *p++ = '\n';
        if (from == to) {
            *p++ = 'h';
        } else {
            p = WriteInt(p, to.x);
            p = WriteInt(p, to.y);
            *p++ = 'l';
        }
        *p++ = '\n';
        *p++ = 'S';
        *p++ = '\n';
        content_.append(buffer, static_cast<std::size_t>(p - buffer));
    }

    // A path's operators, its points moved by half a pixel when `moved`; a subpath that ends at its
    // start is closed.
    void AppendPath(const QPainterPath& path, bool moved, const char* paint) {
        const double shift = moved ? HalfPixel : 0.0;
        int start = -1;
        const int count = path.elementCount();
        const auto closes = [&](int last) {
            return start >= 0 && path.elementAt(start).x == path.elementAt(last).x &&
                   path.elementAt(start).y == path.elementAt(last).y;
        };
        for (int i = 0; i < count; ++i) {
            const QPainterPath::Element e = path.elementAt(i);
            switch (e.type) {
            case QPainterPath::MoveToElement:
                if (closes(i - 1)) content_ += "h\n";
                AppendReal(content_, e.x + shift);
                AppendReal(content_, e.y + shift);
                content_ += "m\n";
                start = i;
                break;
            case QPainterPath::LineToElement:
                AppendReal(content_, e.x + shift);
                AppendReal(content_, e.y + shift);
                content_ += "l\n";
                break;
            case QPainterPath::CurveToElement:
                for (int k = 0; k < 3 && i + k < count; ++k) {
                    AppendReal(content_, path.elementAt(i + k).x + shift);
                    AppendReal(content_, path.elementAt(i + k).y + shift);
                }
                content_ += "c\n";
                i += 2;
                break;
            default:
                break;
            }
        }
        if (closes(count - 1)) content_ += "h\n";
        content_ += paint;
    }

    // Whether an opaque background shows in the gaps of a dashed pen, or of a hatch when `filled`.
    static bool GapsShowBackground(const DrawAttributes& a, bool filled) {
        return a.backgroundMode == BackgroundMode::Opaque &&
               ((a.penStyle != PenStyle::Null && a.penStyle != PenStyle::Solid) ||
                (filled && a.brush.style == BrushStyle::Hatched));
    }

    // A path filled (when `filled`) with the brush and stroked with the pen. Where the background is
    // opaque behind a dashed pen or a hatch, the gaps show the background: the path is filled with it
    // first, and stroked with it solid (square caps and bevelled joins) beneath the pen.
    void DrawShape(const QPainterPath& path, const DrawAttributes& a, bool filled) {
        const bool pen = a.penStyle != PenStyle::Null;
        const bool brush = filled && a.brush.style != BrushStyle::Null;
        const int width = std::max(1, a.penWidth);
        if (GapsShowBackground(a, filled)) {
            if (brush) {
                ToPage();
                SetFill(a.backgroundColour);
                AppendPath(path, true, "f*\n");
                SetFill(a.brush);
                AppendPath(path, true, "f*\n");
            }
            if (pen) {
                ToPixels();
                SetStroke(a.backgroundColour, width, SquareCap, BevelJoin, PenStyle::Solid);
                AppendPath(path, false, "S\n");
                SetStroke(a.penColour, width, RoundCap, RoundJoin, a.penStyle);
                AppendPath(path, false, "S\n");
            }
            return;
        }
        if (pen) {
            ToPixels();
            if (brush) SetFill(a.brush);
            SetStroke(a.penColour, width, RoundCap, RoundJoin, a.penStyle);
            AppendPath(path, false, brush ? "B*\n" : "S\n");
        } else if (brush) {
            ToPage();
            SetFill(a.brush);
            AppendPath(path, true, "f*\n");
        }
    }

    // A rectangle as a box of its own, unless an opaque background shows in gaps of its pen or brush.
    void DrawBox(const QRectF& r, const DrawAttributes& a) {
        const bool pen = a.penStyle != PenStyle::Null;
        const bool brush = a.brush.style != BrushStyle::Null;
        if (GapsShowBackground(a, true)) {
            QPainterPath path;
            path.addRect(r);
            DrawShape(path, a, true);
            return;
        }
        if (!pen && !brush) return;
        ToPixels();
        if (brush) SetFill(a.brush);
        if (pen) SetStroke(a.penColour, std::max(1, a.penWidth), RoundCap, RoundJoin, a.penStyle);
        for (double value : {r.x(), r.y(), r.width(), r.height()})
            AppendReal(content_, value);
        content_ += !pen ? "re\nf\n" : brush ? "re\nB\n" : "re\nS\n";
    }

    DocumentParts& parts_;
    Size size_;
    std::string content_;
    State state_;
    State outsidePixels_;
    bool inPixels_ = false;
};

// The ISO date of now with its offset from UTC, as PDF dates are written.
std::string PdfDate() {
    const QDateTime now = QDateTime::currentDateTime();
    std::string date = "D:" + now.toString("yyyyMMddHHmmss").toStdString();
    const int offset = now.offsetFromUtc();
    if (offset == 0) return date + 'Z';
    char zone[16];
    std::snprintf(zone, sizeof zone, "%c%02d'%02d'", offset < 0 ? '-' : '+', std::abs(offset) / 3600,
                  std::abs(offset) / 60 % 60);
    return date + zone;
}

class PdfFileDocument : public PrintDocument {
  public:
    PdfFileDocument(const QPageLayout& layout, int resolution, std::string_view title, std::string file)
        : file_(std::move(file)), resolution_(resolution), title_(ToQString(title)) {
        const QRect pixels = layout.fullRectPixels(resolution);
        size_ = {pixels.width(), pixels.height()};
        points_ = layout.fullRectPoints().size();
        const double scale = 72.0 / resolution;
        parts_.pageMatrix = QTransform(scale, 0, 0, -scale, 0, points_.height());
        const int dotsPerMetre = static_cast<int>(std::lround(resolution / 0.0254));
        parts_.device.setDotsPerMeterX(dotsPerMetre);
        parts_.device.setDotsPerMeterY(dotsPerMetre);
        catalog_ = parts_.file.Reserve();
        pages_ = parts_.file.Reserve();
        info_ = parts_.file.Reserve();
        graphicsState_ = parts_.file.Reserve();
        patternSpace_ = parts_.file.Reserve();
        resources_ = parts_.file.Reserve();
    }

    Size PageSize() const override { return size_; }
    int PixelsPerInch() const override { return resolution_; }

    Surface* StartPage() override {
        page_ = std::make_unique<PageSurface>(parts_, size_);
        return page_.get();
    }

    void EndPage() override {
        if (!page_) return;
        const int contents = parts_.file.Reserve();
        parts_.file.Stream(contents, "", page_->TakeContent(), true);
        page_.reset();
        const int page = parts_.file.Reserve();
        std::string& out = parts_.file.Begin(page);
        out += "<< /Type /Page /Parent ";
        AppendReference(out, pages_);
        out += " /MediaBox [0 0 ";
        AppendInt(out, points_.width());
        AppendInt(out, points_.height());
        out += "] /Resources ";
        AppendReference(out, resources_);
        out += " /Contents ";
        AppendReference(out, contents);
        out += " >>";
        parts_.file.End();
        pageObjects_.push_back(page);
    }

    bool End() override {
        EndPage();
        // A file of no page is no document to a reader: a job that drew none has one blank page.
        if (pageObjects_.empty()) {
            StartPage();
            EndPage();
        }
        PdfFile& file = parts_.file;
        parts_.fonts.Write();
        for (std::size_t hatch = 0; hatch < parts_.hatches.size(); ++hatch) {
            if (parts_.hatches[hatch] == 0) continue;
            // The tiles lie on the page's own pixels, wherever the shape they fill.
            std::string entries = " /Type /Pattern /PatternType 1 /PaintType 2 /TilingType 1 /BBox [0 0 8 8] "
                                  "/XStep 8 /YStep 8 /Matrix [";
            AppendMatrixValues(entries, parts_.pageMatrix);
            entries += "] /Resources << >>";
            file.Stream(parts_.hatches[hatch], entries, HatchTiles[hatch], false);
        }

        std::string& state = file.Begin(graphicsState_);
        state += "<< /Type /ExtGState /SA true /SM 0.02 /ca 1.0 /CA 1.0 /AIS false /SMask /None >>";
        file.End();
        file.Begin(patternSpace_) += "[/Pattern /DeviceRGB]";
        file.End();

        std::string& resources = file.Begin(resources_);
        resources += "<< /ExtGState << /GSa ";
        AppendReference(resources, graphicsState_);
        resources += " >> /ColorSpace << /PCSp ";
        AppendReference(resources, patternSpace_);
        resources += " >> /Pattern <<";
        for (std::size_t hatch = 0; hatch < parts_.hatches.size(); ++hatch)
            if (parts_.hatches[hatch] != 0) {
                resources += " /H" + std::to_string(hatch) + ' ';
                AppendReference(resources, parts_.hatches[hatch]);
            }
        resources += " >> /Font <<";
        for (const PdfFonts::Resource& font : parts_.fonts.Resources()) {
            resources += " /" + font.name + ' ';
            AppendReference(resources, font.object);
        }
        resources += " >> >>";
        file.End();

        std::string& pages = file.Begin(pages_);
        pages += "<< /Type /Pages /Kids [";
        for (int page : pageObjects_) {
            AppendReference(pages, page);
            pages += " ";
        }
        pages += "] /Count ";
        AppendInt(pages, static_cast<long long>(pageObjects_.size()));
        pages += ">>";
        file.End();

        std::string& catalog = file.Begin(catalog_);
        catalog += "<< /Type /Catalog /Pages ";
        AppendReference(catalog, pages_);
        catalog += " >>";
        file.End();

        std::string& info = file.Begin(info_);
        info += "<< /Title ";
        AppendTextString(info, std::u16string_view(reinterpret_cast<const char16_t*>(title_.utf16()),
                                                   static_cast<std::size_t>(title_.size())));
        info += " /Producer (Korvane) /CreationDate (" + PdfDate() + ") >>";
        file.End();
        bytes_ = file.Finish(catalog_, info_);
        return true;
    }

    std::string File() const override { return file_; }
    std::string TakeBytes() override { return std::move(bytes_); }

  private:
    DocumentParts parts_;
    std::string file_;
    int resolution_;
    QString title_;
    Size size_;
    QSize points_;
    int catalog_ = 0, pages_ = 0, info_ = 0, graphicsState_ = 0, patternSpace_ = 0, resources_ = 0;
    std::unique_ptr<PageSurface> page_;
    std::vector<int> pageObjects_;
    std::string bytes_;
};

} // namespace

std::unique_ptr<PrintDocument> MakePdfDocument(const QPageLayout& layout, int resolution,
                                               std::string_view title, std::string file) {
    return std::make_unique<PdfFileDocument>(layout, resolution, title, std::move(file));
}

} // namespace platform::qt
