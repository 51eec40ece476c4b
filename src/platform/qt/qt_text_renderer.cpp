#include "platform/qt/qt_text_renderer.h"

#include "platform/qt/text_encoding.h"
#include "platform/qt/text_renderer_factory.h"

#include <QColor>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QString>

#include <algorithm>
#include <cmath>
#include <functional>

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
constexpr double kPi = 3.14159265358979323846;

void Combine(std::size_t& seed, std::size_t value) {
    seed ^= value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
}

int NormalisedAngle(int tenths) {
    tenths %= 3600;
    return tenths < 0 ? tenths + 3600 : tenths;
}

} // namespace

std::size_t QtTextRenderer::KeyHash::operator()(const FontKey& key) const {
    std::size_t seed = std::hash<std::string>{}(key.face);
    Combine(seed, static_cast<std::size_t>(key.cellHeight));
    Combine(seed, static_cast<std::size_t>(key.weight));
    Combine(seed, key.italic ? 1u : 0u);
    return seed;
}

std::size_t QtTextRenderer::KeyHash::operator()(const TextKey& key) const {
    std::size_t seed = (*this)(key.font);
    Combine(seed, static_cast<std::size_t>(key.angleTenths));
    Combine(seed, std::hash<std::string>{}(key.text));
    return seed;
}

QtTextRenderer::QtTextRenderer(std::size_t maskBudgetBytes) : maskBudget_(maskBudgetBytes) {}

QtTextRenderer::~QtTextRenderer() = default;

QFont QtTextRenderer::FontFor(const DeviceFont& font) {
    return Entry(font).font;
}

QtTextRenderer::FontEntry& QtTextRenderer::Entry(const DeviceFont& device) {
    const int cell = std::max(device.cellHeight, 1);
    FontKey key{device.face, cell, device.weight, device.italic};
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return *found->second;
    if (fonts_.size() >= kMaxFonts) fonts_.clear();

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
    const double referenceCell = std::max(reference.ascent() + reference.descent(), 1.0);
    // The cell (ascent + descent) is what the caller asks for; the em is what is left of it.
    const int pixelSize =
        std::max(1, static_cast<int>(std::lround(cell * kReferencePixelSize / referenceCell)));
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

    auto entry = std::make_unique<FontEntry>(FontEntry{font, qtMetrics, metrics});
    FontEntry& result = *entry;
    fonts_.emplace(std::move(key), std::move(entry));
    return result;
}

TextMetrics QtTextRenderer::Metrics(const DeviceFont& font) {
    return Entry(font).metrics;
}

int QtTextRenderer::Advance(const DeviceFont& font, std::string_view text) {
    TextKey key{{font.face, std::max(font.cellHeight, 1), font.weight, font.italic}, 0, std::string(text)};
    auto found = advances_.find(key);
    if (found != advances_.end()) return found->second;
    const int advance = Entry(font).qtMetrics.horizontalAdvance(ToQString(text));
    if (advances_.size() >= kMaxAdvances) advances_.clear();
    advances_.emplace(std::move(key), advance);
    return advance;
}

std::shared_ptr<const TextMask> QtTextRenderer::Render(const DeviceFont& font, std::string_view text) {
    TextKey key{{font.face, std::max(font.cellHeight, 1), font.weight, font.italic},
                NormalisedAngle(font.angleTenths),
                std::string(text)};
    auto found = masks_.find(key);
    if (found != masks_.end()) {
        maskOrder_.splice(maskOrder_.begin(), maskOrder_, found->second);
        return found->second->mask;
    }
    std::shared_ptr<const TextMask> mask = Paint(Entry(font), font, text);
    const std::size_t bytes =
        mask->coverage.size() + mask->runs.size() * sizeof(TextMask::Run) + 2 * key.text.size() + 128;
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

// Paints the text white on black with the baseline's start at a whole pixel, turned about that point,
// and keeps the lit pixels, cropped to the ink.
std::shared_ptr<TextMask> QtTextRenderer::Paint(const FontEntry& entry, const DeviceFont& font,
                                                std::string_view text) {
    auto mask = std::make_shared<TextMask>();
    const QString string = ToQString(text);
    mask->advance = entry.qtMetrics.horizontalAdvance(string);
    const QRect ink = entry.qtMetrics.boundingRect(string);
    const double left = std::min(0, ink.left()) - kMargin;
    const double right = std::max(mask->advance, ink.right() + 1) + kMargin;
    const double top = std::min(-entry.metrics.ascent, ink.top()) - kMargin;
    const double bottom = std::max(entry.metrics.descent, ink.bottom() + 1) + kMargin;

    // A point u along the baseline and v below it lands at (u c + v s, v c - u s) as seen.
    const int angle = NormalisedAngle(font.angleTenths);
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
    const int originX = -static_cast<int>(std::floor(minX));
    const int originY = -static_cast<int>(std::floor(minY));
    const int width = static_cast<int>(std::ceil(maxX)) + originX + 1;
    const int height = static_cast<int>(std::ceil(maxY)) + originY + 1;
    if (string.trimmed().isEmpty() || static_cast<long long>(width) * height > kMaxMaskPixels) return mask;

    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 0));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(entry.font);
        painter.setPen(QColor(255, 255, 255));
        painter.translate(originX, originY);
        // Qt turns clockwise on a device whose y grows downwards.
        if (angle != 0) painter.rotate(-angle / 10.0);
        painter.drawText(QPointF(0, 0), string);
    }

    int inkLeft = width, inkRight = -1, inkTop = height, inkBottom = -1;
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x)
            if (((row[x] >> 8) & 0xFFu) >= 128) {
                inkLeft = std::min(inkLeft, x);
                inkRight = std::max(inkRight, x);
                inkTop = std::min(inkTop, y);
                inkBottom = std::max(inkBottom, y);
            }
    }
    if (inkRight < 0) return mask;
    mask->width = inkRight - inkLeft + 1;
    mask->height = inkBottom - inkTop + 1;
    mask->originX = originX - inkLeft;
    mask->originY = originY - inkTop;
    mask->coverage.assign(static_cast<std::size_t>(mask->width) * mask->height, 0);
    for (int y = 0; y < mask->height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y + inkTop));
        std::uint8_t* out = mask->coverage.data() + static_cast<std::size_t>(y) * mask->width;
        for (int x = 0; x < mask->width; ++x)
            out[x] = ((row[x + inkLeft] >> 8) & 0xFFu) >= 128 ? 1 : 0;
    }
    mask->BuildRuns();
    return mask;
}

std::unique_ptr<TextRenderer> MakeTextRenderer() {
    return std::make_unique<QtTextRenderer>();
}

} // namespace platform::qt
