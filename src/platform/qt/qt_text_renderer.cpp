#include "platform/qt/qt_text_renderer.h"

#include "platform/qt/layout_tables.h"
#include "platform/qt/text_encoding.h"
#include "platform/qt/text_renderer_factory.h"

#include <QtGui/private/qfontengine_ft_p.h>
#include <QtGui/private/qrawfont_p.h>

#include <QColor>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace platform::qt {

namespace {

// Fonts are sized from their proportions at this pixel size, where rounding does not matter.
constexpr int kReferencePixelSize = 256;
constexpr std::size_t kMaxFonts = 256;
constexpr std::size_t kMaxAdvances = 16384;
// A mask larger than this (text thousands of pixels high at an extreme zoom) is not painted.
constexpr long long kMaxMaskPixels = 32LL << 20;
// Room around the measured ink, as some glyphs reach past the font's own bounding box.
constexpr int kMargin = 2;
// Upright texts of cells up to this height are put together from the glyphs' own ink; taller ones,
// and turned ones, are painted whole.
constexpr int kLargestComposedCell = 512;
constexpr double kPi = 3.14159265358979323846;

void Combine(std::size_t& seed, std::size_t value) {
    seed ^= value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
}

int NormalisedAngle(int tenths) {
    tenths %= 3600;
    return tenths < 0 ? tenths + 3600 : tenths;
}

// The FreeType face of the engine Qt draws `font` with; null for an engine of another kind.
FT_Face FreeTypeFaceOf(const QRawFont& font) {
    const QRawFontPrivate* raw = QRawFontPrivate::get(font);
    QFontEngine* engine = raw != nullptr ? raw->fontEngine : nullptr;
    if (engine == nullptr || engine->type() != QFontEngine::Freetype) return nullptr;
    return static_cast<QFontEngineFT*>(engine)->non_locked_face();
}

bool BitmapsAlone(FT_Face face) {
    return face != nullptr && !FT_IS_SCALABLE(face) && !FT_HAS_COLOR(face) && face->num_fixed_sizes > 0;
}

// Where `font` is a face of bitmaps alone, as FreeType finds it (a PCF face, or an OpenType one of
// bitmaps such as Terminus's), its strike nearest `cell` pixels, at the strike's own size; else an
// invalid font. Qt's font database picks the nearest of a family's files (a PCF face is a file a
// strike), and FreeType's the nearest strike of a file, as Qt's engine does. Colour pictures are left
// to Qt's engine, which enlarges them itself.
QRawFont NearestStrike(QFont font, int cell) {
    if (!BitmapsAlone(FreeTypeFaceOf(QRawFont::fromFont(font)))) return {};
    // Qt's font database gives a font of boxes for a size beyond 65535 pixels, which no strike nears.
    font.setPixelSize(std::min(cell, 0xFFFF));
    QRawFont strike = QRawFont::fromFont(font);
    const FT_Face face = FreeTypeFaceOf(strike);
    if (!BitmapsAlone(face)) return {};
    const auto distance = [&](int i) { return std::abs(cell * 64L - face->available_sizes[i].y_ppem); };
    int nearest = 0;
    for (int i = 1; i < face->num_fixed_sizes; ++i)
        if (distance(i) < distance(nearest)) nearest = i;
    // Asked for at the strike's own size, Qt's engine draws that strike.
    strike.setPixelSize(face->available_sizes[nearest].y_ppem / 64.0);
    return strike;
}

// Where `x`, in pixels of a strike, lands among the pixels of the strike made `scale` times as large:
// the first pixel whose centre lies at or past it, as a pixel of the strike becomes the pixels whose
// centres fall in it.
int Scaled(double scale, double x) {
    return static_cast<int>(std::clamp(std::ceil(scale * x - 0.5), -static_cast<double>(kMaxMaskPixels),
                                       static_cast<double>(kMaxMaskPixels)));
}

// Where a text's box [left, right) x [top, bottom), along the baseline and below it, lands turned by
// `angle` tenths of a degree: the image that holds it, with the start of the baseline at origin.
struct TurnedBox {
    int originX = 0, originY = 0, width = 0, height = 0;
};

TurnedBox Turned(double left, double right, double top, double bottom, int angle) {
    // A point u along the baseline and v below it lands at (u c + v s, v c - u s) as seen.
    const double c = std::cos(angle * kPi / 1800.0);
    const double s = std::sin(angle * kPi / 1800.0);
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    bool first = true;
    for (double u : {left, right})
        for (double v : {top, bottom}) {
            double x = u * c + v * s;
            double y = v * c - u * s;
            minX = first ? x : std::min(minX, x);
            maxX = first ? x : std::max(maxX, x);
            minY = first ? y : std::min(minY, y);
            maxY = first ? y : std::max(maxY, y);
            first = false;
        }
    TurnedBox box;
    box.originX = -static_cast<int>(std::floor(minX));
    box.originY = -static_cast<int>(std::floor(minY));
    box.width = static_cast<int>(std::ceil(maxX)) + box.originX + 1;
    box.height = static_cast<int>(std::ceil(maxY)) + box.originY + 1;
    return box;
}

// The box of the ink of glyphs put together; a box too large for one mask is painted whole instead.
struct InkBox {
    bool any = false;
    int left = 0, top = 0, right = 0, bottom = 0;
    void Add(int x, int y, int width, int height) {
        if (!any) {
            left = x, top = y, right = x + width, bottom = y + height;
            any = true;
        } else {
            left = std::min(left, x), top = std::min(top, y);
            right = std::max(right, x + width), bottom = std::max(bottom, y + height);
        }
    }
    bool TooLarge() const {
        return static_cast<long long>(right - left) * (bottom - top) > kMaxMaskPixels / 2;
    }
};

} // namespace

std::size_t QtTextRenderer::KeyHash::operator()(const FontKey& key) const {
    std::size_t seed = std::hash<std::string>{}(key.face);
    Combine(seed, static_cast<std::size_t>(key.cellHeight));
    Combine(seed, static_cast<std::size_t>(key.weight));
    Combine(seed, key.italic ? 1u : 0u);
    return seed;
}

std::size_t QtTextRenderer::KeyHash::operator()(const TextKey& key) const {
    return (*this)(TextKeyView{key.font.face, key.font.cellHeight, key.font.weight, key.font.italic,
                               key.angleTenths, key.text});
}

// A string and its view hash alike, so a key and its view find the same entry.
std::size_t QtTextRenderer::KeyHash::operator()(const TextKeyView& key) const {
    std::size_t seed = std::hash<std::string_view>{}(key.face);
    Combine(seed, static_cast<std::size_t>(key.cellHeight));
    Combine(seed, static_cast<std::size_t>(key.weight));
    Combine(seed, key.italic ? 1u : 0u);
    Combine(seed, static_cast<std::size_t>(key.angleTenths));
    Combine(seed, std::hash<std::string_view>{}(key.text));
    return seed;
}

bool QtTextRenderer::KeyEqual::operator()(const TextKeyView& a, const TextKey& b) const {
    return a.cellHeight == b.font.cellHeight && a.weight == b.font.weight && a.italic == b.font.italic &&
           a.angleTenths == b.angleTenths && a.text == b.text && a.face == b.font.face;
}

QtTextRenderer::QtTextRenderer(std::size_t maskBudgetBytes) : maskBudget_(maskBudgetBytes) {}

QtTextRenderer::~QtTextRenderer() = default;

QFont QtTextRenderer::FontFor(const DeviceFont& font) {
    return Entry(font).font;
}

QtTextRenderer::FontEntry& QtTextRenderer::Entry(const DeviceFont& device) {
    const int cell = std::max(device.cellHeight, 1);
    if (lastEntry_ && lastKey_.cellHeight == cell && lastKey_.weight == device.weight &&
        lastKey_.italic == device.italic && lastKey_.face == device.face)
        return *lastEntry_;
    FontKey key{device.face, cell, device.weight, device.italic};
    auto found = fonts_.find(key);
    if (found != fonts_.end()) {
        lastEntry_ = found->second.get();
        lastKey_ = std::move(key);
        return *lastEntry_;
    }
    if (fonts_.size() >= kMaxFonts) {
        fonts_.clear();
        lastEntry_ = nullptr;
    }

    QFont font(ToQString(device.face));
    font.setStyleHint(QFont::SansSerif, QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    // The platform's text output places glyphs by their own advances, without pair kerning.
    font.setKerning(false);
    const int weight = device.weight <= 0 ? 400 : std::clamp(device.weight, 1, 1000);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(device.italic);
    font.setPixelSize(kReferencePixelSize);
    const QFontMetricsF reference(font);
    // Qt's engine draws a face of bitmaps alone at the size of one of its strikes, whatever the size
    // asked: it is drawn from the strike nearest the cell instead, enlarged to fill it.
    const QRawFont strike = NearestStrike(font, cell);
    const double referenceCell = std::max(reference.ascent() + reference.descent(), 1.0);
    // The cell (ascent + descent) is what the caller asks for; the em is what is left of it.
    const int pixelSize =
        strike.isValid()
            ? cell
            : std::max(1, static_cast<int>(std::lround(cell * kReferencePixelSize / referenceCell)));
    font.setPixelSize(pixelSize);

    TextMetrics metrics;
    metrics.height = cell;
    metrics.ascent =
        std::clamp(static_cast<int>(std::lround(reference.ascent() * cell / referenceCell)), 0, cell);
    metrics.descent = cell - metrics.ascent;
    metrics.internalLeading = std::max(0, cell - pixelSize);
    metrics.externalLeading =
        std::max(0, static_cast<int>(std::lround(reference.leading() * cell / referenceCell)));
    const QFontMetrics qtMetrics(font);
    metrics.aveCharWidth = std::max(1, qtMetrics.averageCharWidth());
    metrics.maxCharWidth = std::max(metrics.aveCharWidth, qtMetrics.maxWidth());
    metrics.weight = weight;

    const QRawFont raw = strike.isValid() ? strike : QRawFont::fromFont(font);
    double scale = 1;
    if (strike.isValid()) {
        scale = cell / std::max(1.0, strike.ascent() + strike.descent());
        const auto scaled = [scale](double pixels) { return static_cast<int>(std::lround(pixels * scale)); };
        metrics.ascent = std::clamp(scaled(strike.ascent()), 0, cell);
        metrics.descent = cell - metrics.ascent;
        metrics.internalLeading = std::max(0, cell - scaled(strike.pixelSize()));
        metrics.externalLeading = std::max(0, scaled(strike.leading()));
        // Qt's engine gives an OpenType strike's average width in the face's units: the width of x is
        // the platform's own measure of it, and no character is wider than the widest.
        const QList<quint32> x = strike.glyphIndexesForString(QStringLiteral("x"));
        const QList<QPointF> xAdvance = strike.advancesForGlyphIndexes(x);
        const double average = xAdvance.size() == 1 && x.front() != 0
                                   ? xAdvance.front().x()
                                   : std::min(strike.averageCharWidth(), strike.maxCharWidth());
        metrics.aveCharWidth = std::max(1, scaled(average));
        metrics.maxCharWidth = std::max(metrics.aveCharWidth, scaled(strike.maxCharWidth()));
    }
    const bool composable = raw.isValid() && cell <= kLargestComposedCell;
    auto entry = std::make_unique<FontEntry>(
        FontEntry{font, qtMetrics, metrics, raw, composable, strike.isValid(), scale, {}, {}, false, {}});
    FontEntry& result = *entry;
    lastEntry_ = &result;
    lastKey_ = key;
    fonts_.emplace(std::move(key), std::move(entry));
    return result;
}

TextMetrics QtTextRenderer::Metrics(const DeviceFont& font) {
    return Entry(font).metrics;
}

int QtTextRenderer::Advance(const DeviceFont& font, std::string_view text) {
    const TextKeyView view{font.face, std::max(font.cellHeight, 1), font.weight, font.italic, 0, text};
    auto found = advances_.find(view);
    if (found != advances_.end()) return found->second;
    TextKey key{{font.face, view.cellHeight, font.weight, font.italic}, 0, std::string(text)};
    FontEntry& entry = Entry(font);
    int advance = 0;
    if (entry.strike) {
        std::vector<PlacedGlyph> glyphs;
        StrikeLayout(entry, text, glyphs, advance);
    } else {
        advance = entry.qtMetrics.horizontalAdvance(ToQString(text));
    }
    if (advances_.size() >= kMaxAdvances) advances_.clear();
    advances_.emplace(std::move(key), advance);
    return advance;
}

std::shared_ptr<const TextMask> QtTextRenderer::Render(const DeviceFont& font, std::string_view text) {
    const TextKeyView view{font.face,   std::max(font.cellHeight, 1),      font.weight,
                           font.italic, NormalisedAngle(font.angleTenths), text};
    auto found = masks_.find(view);
    if (found != masks_.end()) {
        maskOrder_.splice(maskOrder_.begin(), maskOrder_, found->second);
        return found->second->mask;
    }
    TextKey key{{font.face, view.cellHeight, font.weight, font.italic}, view.angleTenths, std::string(text)};
    std::shared_ptr<const TextMask> mask = Paint(Entry(font), font, text);
    const std::size_t bytes = mask->runs.capacity() * sizeof(TextMask::Run) + 2 * key.text.size() + 128;
    maskOrder_.push_front({key, mask, bytes});
    masks_.emplace(std::move(key), maskOrder_.begin());
    maskBytes_ += bytes;
    while (maskBytes_ > maskBudget_ && maskOrder_.size() > 1) {
        maskBytes_ -= maskOrder_.back().bytes;
        masks_.erase(maskOrder_.back().key);
        maskOrder_.pop_back();
    }
    return mask;
}

namespace {

// The lit pixels of one image painted white on black, cropped to the ink, as runs: false when nothing
// is lit. Sets the box's size and moves (originX, originY) from the image's corner to the box's.
template <typename Ink> bool CropInk(const QImage& image, Ink& ink, int originX, int originY) {
    const int width = image.width();
    const int height = image.height();
    auto lit = [](std::uint32_t pixel) { return ((pixel >> 8) & 0xFFu) >= 128; };
    int inkLeft = width, inkRight = -1, inkTop = height, inkBottom = -1;
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x)
            if (lit(row[x])) {
                inkLeft = std::min(inkLeft, x);
                inkRight = std::max(inkRight, x);
                inkTop = std::min(inkTop, y);
                inkBottom = std::max(inkBottom, y);
            }
    }
    if (inkRight < 0) return false;
    ink.width = inkRight - inkLeft + 1;
    ink.height = inkBottom - inkTop + 1;
    ink.originX = originX - inkLeft;
    ink.originY = originY - inkTop;
    ink.runs.clear();
    for (int y = 0; y < ink.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y + inkTop)) + inkLeft;
        for (int x = 0; x < ink.width;) {
            while (x < ink.width && !lit(row[x]))
                ++x;
            const int start = x;
            while (x < ink.width && lit(row[x]))
                ++x;
            if (x > start) ink.runs.push_back({y, start, x});
        }
    }
    return true;
}

// Ink of a strike made `scale` times as large about its pen position, pixel for pixel: each pixel of the
// strike becomes the pixels whose centres fall in it, and at least one, so that no row or column of
// ink is lost where the strike is shrunk.
template <typename Ink> void Enlarge(Ink& ink, double scale) {
    const auto at = [scale](int pixel) { return Scaled(scale, pixel); };
    const int left = at(-ink.originX);
    const int top = at(-ink.originY);
    QImage image(at(ink.width - ink.originX) - left + 1, at(ink.height - ink.originY) - top + 1,
                 QImage::Format_RGB32);
    image.fill(QColor(0, 0, 0));
    for (const TextMask::Run& run : ink.runs) {
        const int x0 = at(run.x0 - ink.originX) - left;
        const int x1 = std::max(at(run.x1 - ink.originX) - left, x0 + 1);
        const int y0 = at(run.y - ink.originY) - top;
        const int y1 = std::max(at(run.y + 1 - ink.originY) - top, y0 + 1);
        for (int y = y0; y < y1; ++y)
            std::fill_n(reinterpret_cast<std::uint32_t*>(image.scanLine(y)) + x0, x1 - x0, 0xFFFFFFFFu);
    }
    CropInk(image, ink, -left, -top);
}

} // namespace

// One glyph painted as a text's glyphs are painted, kept for every text that uses it. The box is made
// larger until no ink touches its edge, as hinting may move ink past the glyph's outline box.
const QtTextRenderer::GlyphInk& QtTextRenderer::Glyph(FontEntry& entry, quint32 index) {
    auto found = entry.glyphs.find(index);
    if (found != entry.glyphs.end()) return found->second;
    GlyphInk& ink = entry.glyphs[index];
    const QRectF outline = entry.raw.boundingRect(index);
    QGlyphRun run;
    run.setRawFont(entry.raw);
    run.setGlyphIndexes({index});
    run.setPositions({QPointF(0, 0)});
    for (int pad = kMargin + 2 + entry.metrics.height / 8;; pad *= 2) {
        const int left = static_cast<int>(std::floor(outline.left())) - pad;
        const int top = static_cast<int>(std::floor(outline.top())) - pad;
        const int width = static_cast<int>(std::ceil(outline.right())) + pad - left;
        const int height = static_cast<int>(std::ceil(outline.bottom())) + pad - top;
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(QColor(0, 0, 0));
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setRenderHint(QPainter::TextAntialiasing, false);
            painter.setPen(QColor(255, 255, 255));
            painter.drawGlyphRun(QPointF(-left, -top), run);
        }
        ink = GlyphInk{};
        if (!CropInk(image, ink, -left, -top)) return ink;
        const bool touches = ink.originX == -left || ink.originY == -top ||
                             ink.width - ink.originX == width + left ||
                             ink.height - ink.originY == height + top;
        if (!touches || pad > 4 * kLargestComposedCell) {
            if (entry.scale != 1) Enlarge(ink, entry.scale);
            return ink;
        }
    }
}

const QtTextRenderer::CharacterReach& QtTextRenderer::ReachOf(FontEntry& entry, unsigned char byte) {
    CharacterReach& reach = entry.reaches[byte];
    if (reach.measured) return reach;
    reach.measured = true;
    const char character = static_cast<char>(byte);
    QList<quint32> indexes = entry.raw.glyphIndexesForString(ToQString(std::string_view(&character, 1)));
    // A face of bitmaps alone shows a control as its own glyph, and its default glyph for a character it
    // lacks, as the platform's raster fonts do.
    if ((byte < 0x20 || byte == 0x7F) && !entry.strike) {
        // A tab goes on to the next tab stop, 80 pixels at most; other controls take less.
        reach.inFace = true;
        reach.advance = std::max(80, 3 * entry.metrics.height);
        return reach;
    }
    if (indexes.size() != 1 || indexes.front() == 0) {
        if (!entry.strike) return reach;
        indexes = {0};
    }
    const QList<QPointF> advances = entry.raw.advancesForGlyphIndexes(indexes);
    if (advances.size() != 1) return reach;
    reach.inFace = true;
    reach.glyph = indexes.front();
    reach.strikeAdvance = advances.front().x();
    const double advance = reach.strikeAdvance * entry.scale;
    reach.advance = std::max(0, static_cast<int>(std::ceil(advance)));
    reach.wholeAdvance = advance >= 0 && advance == std::floor(advance);
    // Too large to be put together, a text is painted whole.
    if (!entry.composable) return reach;
    const GlyphInk& ink = Glyph(entry, indexes.front());
    reach.ink = &ink;
    if (ink.width > 0) {
        reach.overhang = std::max({0, ink.originX, ink.width - ink.originX - reach.advance});
        reach.across = std::max(ink.originY, ink.height - ink.originY);
    }
    return reach;
}

// The sum of the characters' advances, the largest overhang and the largest height above or below the
// baseline bound the ink of the text as laid out, at any angle; two cells more allow for what the
// layout may change (a ligature in place of two glyphs). Characters the face lacks leave the default
// reach.
int QtTextRenderer::Reach(const DeviceFont& font, std::string_view text) {
    FontEntry& entry = Entry(font);
    if (!entry.composable) return TextRenderer::Reach(font, text);
    long long along = 0;
    int overhang = 0;
    int across = 0;
    for (char character : text) {
        const auto byte = static_cast<unsigned char>(character);
        // Measured once per face and size: every text after the first reads the table.
        const CharacterReach& reach =
            entry.reaches[byte].measured ? entry.reaches[byte] : ReachOf(entry, byte);
        if (!reach.inFace) return TextRenderer::Reach(font, text);
        along += reach.advance;
        overhang = std::max(overhang, reach.overhang);
        across = std::max(across, reach.across);
    }
    return static_cast<int>(std::min<long long>(along + overhang + across + 2LL * entry.metrics.height,
                                                std::numeric_limits<int>::max()));
}

// Lays a text out by its glyphs' own advances, as shaping lays out a text that the face's layout
// tables leave alone: every character the face's own glyph, none of them one a table acts on, and
// every advance whole. False otherwise, or for controls and the soft hyphen, which shaping hides.
bool QtTextRenderer::PlainLayout(FontEntry& entry, std::string_view text, std::vector<PlacedGlyph>& glyphs,
                                 int& advance) {
    if (entry.strike) {
        StrikeLayout(entry, text, glyphs, advance);
        return true;
    }
    if (!entry.layoutRead) {
        entry.layoutRead = true;
        const QByteArray substitution = entry.raw.fontTable("GSUB");
        const QByteArray positioning = entry.raw.fontTable("GPOS");
        const bool other = !entry.raw.fontTable("morx").isEmpty() || !entry.raw.fontTable("mort").isEmpty();
        if (other ||
            !GlyphsLayoutActsOn(std::string_view(substitution.constData(), substitution.size()),
                                std::string_view(positioning.constData(), positioning.size()), entry.actedOn))
            entry.actedOn.clear();
    }
    if (entry.actedOn.empty()) return false;
    long long x = 0;
    for (char character : text) {
        const auto byte = static_cast<unsigned char>(character);
        if (byte < 0x20 || byte == 0x7F || byte == 0xAD) return false;
        const CharacterReach& reach =
            entry.reaches[byte].measured ? entry.reaches[byte] : ReachOf(entry, byte);
        if (!reach.inFace || !reach.wholeAdvance || entry.actedOn[reach.glyph]) return false;
        glyphs.push_back({reach.glyph, static_cast<int>(x), 0, reach.ink});
        x += reach.advance;
        if (x > kMaxMaskPixels) return false;
    }
    advance = static_cast<int>(x);
    return true;
}

// Lays a text out in a face of bitmaps alone, unshaped as the platform's raster fonts are: each
// character its glyph of the strike, placed by the strike's advances enlarged to the text's size.
void QtTextRenderer::StrikeLayout(FontEntry& entry, std::string_view text, std::vector<PlacedGlyph>& glyphs,
                                  int& advance) {
    double x = 0;
    for (char character : text) {
        const auto byte = static_cast<unsigned char>(character);
        const CharacterReach& reach =
            entry.reaches[byte].measured ? entry.reaches[byte] : ReachOf(entry, byte);
        glyphs.push_back({reach.glyph, Scaled(entry.scale, x), 0, reach.ink});
        x += reach.strikeAdvance;
    }
    advance = Scaled(entry.scale, x);
}

bool QtTextRenderer::LayOutInStrike(const DeviceFont& font, std::string_view text, StrikeText& laid) {
    FontEntry& entry = Entry(font);
    if (!entry.strike) return false;
    std::vector<PlacedGlyph> glyphs;
    int advance = 0;
    StrikeLayout(entry, text, glyphs, advance);
    laid.strike = entry.raw;
    laid.scale = entry.scale;
    laid.glyphs.clear();
    for (const PlacedGlyph& glyph : glyphs)
        laid.glyphs.push_back({glyph.index, glyph.x});
    return true;
}

// Lays a text out as Qt shapes it. False where the glyphs come from a fallback face or lie off whole
// pixels.
bool QtTextRenderer::ShapedLayout(FontEntry& entry, const QString& string, std::vector<PlacedGlyph>& glyphs,
                                  int& advance) {
    QTextLayout layout(string, entry.font);
    // The glyphs shaped for the line are the ones asked for next, not shaped a second time.
    layout.setCacheEnabled(true);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid()) return false;
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.size() > 1 || (runs.size() == 1 && runs.front().rawFont() != entry.raw)) return false;
    advance = qRound(line.horizontalAdvance());
    if (runs.empty()) return true;
    const QList<quint32> indexes = runs.front().glyphIndexes();
    const QList<QPointF> positions = runs.front().positions();
    const double baseline = line.ascent();
    for (qsizetype i = 0; i < indexes.size() && i < positions.size(); ++i) {
        const double x = positions[i].x();
        const double y = positions[i].y() - baseline;
        if (x != std::floor(x) || y != std::floor(y)) return false;
        glyphs.push_back({indexes[i], static_cast<int>(x), static_cast<int>(y)});
    }
    return true;
}

// An upright text put together from its glyphs' ink, placed where the text's layout puts them: the
// pixels the painter gives the whole text, at a fraction of the cost, as a drawing repeats the same
// glyphs in thousands of different texts. Null where the text needs the painter's own way.
std::shared_ptr<TextMask> QtTextRenderer::ComposeUpright(FontEntry& entry, std::string_view text,
                                                         const QString& string) {
    if (!entry.composable) return nullptr;
    if (!entry.strike)
        for (QChar c : string)
            if (c.unicode() < 0x20 || c.unicode() == 0x7F) return nullptr;
    std::vector<PlacedGlyph> layout;
    layout.reserve(text.size());
    int advance = 0;
    if (!PlainLayout(entry, text, layout, advance)) {
        layout.clear();
        if (!ShapedLayout(entry, string, layout, advance)) return nullptr;
    }

    auto mask = std::make_shared<TextMask>();
    mask->advance = advance;
    struct Placed {
        const GlyphInk* ink;
        int x;
        int y;
    };
    std::vector<Placed> placed;
    placed.reserve(layout.size());
    InkBox box;
    for (const PlacedGlyph& glyph : layout) {
        const GlyphInk& ink = glyph.ink ? *glyph.ink : Glyph(entry, glyph.index);
        if (ink.width == 0) continue;
        const Placed at{&ink, glyph.x - ink.originX, glyph.y - ink.originY};
        box.Add(at.x, at.y, ink.width, ink.height);
        placed.push_back(at);
    }
    if (placed.empty()) return mask;
    if (box.TooLarge()) return nullptr;
    const int left = box.left, top = box.top;
    mask->width = box.right - left;
    mask->height = box.bottom - top;
    mask->originX = -left;
    mask->originY = -top;
    // Row by row, each glyph's runs of the row moved to where the glyph stands; glyphs that overlap,
    // or lie out of order, give runs to be sorted and joined.
    std::vector<std::size_t> next(placed.size(), 0); // each glyph's first run not yet taken
    std::vector<TextMask::Run>& runs = mask->runs;
    std::size_t most = 0;
    for (const Placed& glyph : placed)
        most += glyph.ink->runs.size();
    runs.reserve(most);
    for (int y = 0; y < mask->height; ++y) {
        const std::size_t rowStart = runs.size();
        bool ordered = true;
        for (std::size_t g = 0; g < placed.size(); ++g) {
            const Placed& glyph = placed[g];
            const std::vector<TextMask::Run>& own = glyph.ink->runs;
            const int shiftX = glyph.x - left;
            const int ownY = y - (glyph.y - top);
            for (std::size_t& r = next[g]; r < own.size() && own[r].y == ownY; ++r) {
                const TextMask::Run run{y, own[r].x0 + shiftX, own[r].x1 + shiftX};
                if (runs.size() > rowStart && run.x0 < runs.back().x1) ordered = false;
                runs.push_back(run);
            }
        }
        if (!ordered)
            std::sort(runs.begin() + static_cast<std::ptrdiff_t>(rowStart), runs.end(),
                      [](const TextMask::Run& a, const TextMask::Run& b) { return a.x0 < b.x0; });
        // Runs that overlap or touch are one run.
        std::size_t kept = rowStart;
        for (std::size_t r = rowStart; r < runs.size(); ++r) {
            if (kept > rowStart && runs[r].x0 <= runs[kept - 1].x1)
                runs[kept - 1].x1 = std::max(runs[kept - 1].x1, runs[r].x1);
            else
                runs[kept++] = runs[r];
        }
        runs.resize(kept);
    }
    return mask;
}

// The glyphs' own runs where the plain layout puts them: the runs ComposeUpright joins into one mask,
// apart. Any other text is the mask of Render, whole.
const TextInk& QtTextRenderer::Ink(const DeviceFont& font, std::string_view text) {
    if (NormalisedAngle(font.angleTenths) != 0) return TextRenderer::Ink(font, text);
    FontEntry& entry = Entry(font);
    layout_.clear();
    int advance = 0;
    if (!entry.composable || !PlainLayout(entry, text, layout_, advance))
        return TextRenderer::Ink(font, text);
    TextInk& ink = ink_;
    ink.mask.reset();
    ink.pieces.clear();
    ink.advance = advance;
    InkBox box;
    for (const PlacedGlyph& glyph : layout_) {
        const GlyphInk& own = *glyph.ink;
        if (own.width == 0) continue;
        const int x = glyph.x - own.originX;
        const int y = glyph.y - own.originY;
        box.Add(x, y, own.width, own.height);
        ink.pieces.push_back({own.runs.data(), own.runs.size(), x, y});
    }
    // A mask this large is painted whole by the painter, as ComposeUpright leaves it.
    if (box.TooLarge()) return TextRenderer::Ink(font, text);
    ink.left = box.left, ink.top = box.top, ink.right = box.right, ink.bottom = box.bottom;
    return ink;
}

// Paints the text white on black with the baseline's start at a whole pixel, turned about that point,
// and keeps the lit pixels, cropped to the ink.
std::shared_ptr<TextMask> QtTextRenderer::Paint(FontEntry& entry, const DeviceFont& font,
                                                std::string_view text) {
    const QString string = ToQString(text);
    const int angle = NormalisedAngle(font.angleTenths);
    if (angle == 0)
        if (std::shared_ptr<TextMask> composed = ComposeUpright(entry, text, string)) return composed;
    auto mask = std::make_shared<TextMask>();
    if (entry.strike) {
        PaintStrike(entry, text, angle, *mask);
        return mask;
    }
    mask->advance = entry.qtMetrics.horizontalAdvance(string);
    const QRect ink = entry.qtMetrics.boundingRect(string);
    const double left = std::min(0, ink.left()) - kMargin;
    const double right = std::max(mask->advance, ink.right() + 1) + kMargin;
    const double top = std::min(-entry.metrics.ascent, ink.top()) - kMargin;
    const double bottom = std::max(entry.metrics.descent, ink.bottom() + 1) + kMargin;
    const TurnedBox box = Turned(left, right, top, bottom, angle);
    if (string.trimmed().isEmpty() || static_cast<long long>(box.width) * box.height > kMaxMaskPixels)
        return mask;

    QImage image(box.width, box.height, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 0));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(entry.font);
        painter.setPen(QColor(255, 255, 255));
        painter.translate(box.originX, box.originY);
        // Qt turns clockwise on a device whose y grows downwards.
        if (angle != 0) painter.rotate(-angle / 10.0);
        painter.drawText(QPointF(0, 0), string);
    }

    CropInk(image, *mask, box.originX, box.originY);
    return mask;
}

// A text in a face of bitmaps alone that is turned, or too large to be put together: the strike's
// glyphs painted at the strike's own size where its layout puts them, then enlarged and turned by the
// painter pixel for pixel.
void QtTextRenderer::PaintStrike(FontEntry& entry, std::string_view text, int angle, TextMask& mask) {
    QList<quint32> indexes;
    QList<QPointF> positions;
    QRectF ink;
    double x = 0;
    for (char character : text) {
        const auto byte = static_cast<unsigned char>(character);
        const CharacterReach& reach =
            entry.reaches[byte].measured ? entry.reaches[byte] : ReachOf(entry, byte);
        indexes.push_back(reach.glyph);
        positions.push_back(QPointF(x, 0));
        ink |= entry.raw.boundingRect(reach.glyph).translated(x, 0);
        x += reach.strikeAdvance;
    }
    mask.advance = Scaled(entry.scale, x);
    if (ink.isEmpty()) return;
    const QRect own = ink.toAlignedRect().adjusted(-kMargin, -kMargin, kMargin, kMargin);
    const double scale = entry.scale;
    const TurnedBox box = Turned(own.left() * scale, (own.right() + 1) * scale, own.top() * scale,
                                 (own.bottom() + 1) * scale, angle);
    if (static_cast<long long>(box.width) * box.height > kMaxMaskPixels) return;

    QImage strike(own.size(), QImage::Format_RGB32);
    strike.fill(QColor(0, 0, 0));
    {
        QPainter painter(&strike);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setPen(QColor(255, 255, 255));
        QGlyphRun run;
        run.setRawFont(entry.raw);
        run.setGlyphIndexes(indexes);
        run.setPositions(positions);
        painter.drawGlyphRun(QPointF(-own.left(), -own.top()), run);
    }
    QImage image(box.width, box.height, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 0));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.translate(box.originX, box.originY);
        if (angle != 0) painter.rotate(-angle / 10.0);
        painter.scale(scale, scale);
        painter.drawImage(QPointF(own.left(), own.top()), strike);
    }
    CropInk(image, mask, box.originX, box.originY);
}

std::unique_ptr<TextRenderer> MakeTextRenderer() {
    return std::make_unique<QtTextRenderer>();
}

} // namespace platform::qt
