#pragma once
// Text pixels and measures from the system's fonts through Qt, without antialiasing. Fonts are sized
// so that ascent plus descent fills the requested character cell; faces the system lacks fall back as
// fontconfig decides ("Arial" becomes Liberation Sans), and to a sans-serif font at worst.
// Measures and masks are cached, as a drawing repeats the same few texts many times over. Upright
// texts are laid out by Qt and put together from each glyph's ink, kept per font, which lights the
// pixels Qt's painter lights for the whole text (tests/platform/qt holds the two side by side); turned
// texts are painted whole. A face of bitmaps alone, which Qt paints at the size of one of its strikes
// whatever the size asked, is drawn from its strike nearest the size, enlarged pixel for pixel.

#include "platform/text_renderer.h"

#include <QFont>
#include <QFontMetrics>
#include <QRawFont>

#include <array>
#include <cstddef>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace platform::qt {

class QtTextRenderer : public TextRenderer {
  public:
    // maskBudgetBytes bounds the memory of cached masks; the least recently drawn go first.
    explicit QtTextRenderer(std::size_t maskBudgetBytes = 16u << 20);
    ~QtTextRenderer() override;

    TextMetrics Metrics(const DeviceFont& font) override;
    int Advance(const DeviceFont& font, std::string_view text) override;
    std::shared_ptr<const TextMask> Render(const DeviceFont& font, std::string_view text) override;
    int Reach(const DeviceFont& font, std::string_view text) override;
    // An upright text laid out glyph by glyph is the ink of its glyphs where the layout puts them,
    // without a mask of its own.
    const TextInk& Ink(const DeviceFont& font, std::string_view text) override;

    // The Qt font that renders a device font (its angle aside).
    QFont FontFor(const DeviceFont& font);
    // A text in a face of bitmaps alone as the renderer draws it: the face's strike nearest the
    // font's size (a font at the strike's own size), the pixels a pixel of the strike takes along
    // each axis, and each glyph of the strike with its pen position along the baseline, in pixels.
    struct StrikeGlyph {
        quint32 index = 0;
        int x = 0;
    };
    struct StrikeText {
        QRawFont strike;
        double scale = 1;
        std::vector<StrikeGlyph> glyphs;
    };
    // False, and `laid` left as it was, for a face of outlines.
    bool LayOutInStrike(const DeviceFont& font, std::string_view text, StrikeText& laid);
    std::size_t CachedMasks() const { return masks_.size(); }

  private:
    struct FontKey {
        std::string face;
        int cellHeight = 0;
        int weight = 0;
        bool italic = false;
        friend bool operator==(const FontKey&, const FontKey&) = default;
    };
    struct TextKey {
        FontKey font;
        int angleTenths = 0;
        std::string text;
        friend bool operator==(const TextKey&, const TextKey&) = default;
    };
    // A text key's parts borrowed from the caller: a look-up that finds its text builds no strings.
    struct TextKeyView {
        std::string_view face;
        int cellHeight = 0;
        int weight = 0;
        bool italic = false;
        int angleTenths = 0;
        std::string_view text;
    };
    struct KeyHash {
        using is_transparent = void;
        std::size_t operator()(const FontKey& key) const;
        std::size_t operator()(const TextKey& key) const;
        std::size_t operator()(const TextKeyView& key) const;
    };
    struct KeyEqual {
        using is_transparent = void;
        bool operator()(const TextKey& a, const TextKey& b) const { return a == b; }
        bool operator()(const TextKeyView& a, const TextKey& b) const;
        bool operator()(const TextKey& a, const TextKeyView& b) const { return (*this)(b, a); }
    };
    // One glyph's ink, with its pen position on the baseline at (originX, originY) of the box.
    struct GlyphInk {
        int width = 0;
        int height = 0;
        int originX = 0;
        int originY = 0;
        std::vector<TextMask::Run> runs; // as a text's mask keeps them
    };
    // How far one character of the code page can take a text: its advance, its ink past the pen's
    // span along the baseline, and its ink above or below the baseline, in pixels.
    struct CharacterReach {
        bool measured = false;
        bool inFace = false; // the face has its glyph (others come from a fallback face)
        int advance = 0;
        int overhang = 0;
        int across = 0;
        quint32 glyph = 0;
        const GlyphInk* ink = nullptr; // the glyph's, kept in the font's entry
        bool wholeAdvance = false;     // the advance is a whole number of pixels, as hinting makes it
        double strikeAdvance = 0;      // in a face of bitmaps alone, the advance in pixels of the strike
    };
    struct FontEntry {
        QFont font;
        QFontMetrics qtMetrics;
        TextMetrics metrics;
        QRawFont raw;
        bool composable = false; // upright texts are put together from the glyphs of `raw`
        // A face of bitmaps alone is drawn from `raw`, its strike nearest the cell, each pixel of the
        // strike `scale` pixels.
        bool strike = false;
        double scale = 1;
        std::unordered_map<quint32, GlyphInk> glyphs;
        std::array<CharacterReach, 256> reaches{};
        // The glyphs the face's own layout tables may act on, once read; empty when any may be.
        bool layoutRead = false;
        std::vector<bool> actedOn;
    };
    // A glyph of a text and where its pen position lies from the start of the baseline, in pixels.
    struct PlacedGlyph {
        quint32 index = 0;
        int x = 0;
        int y = 0;
        const GlyphInk* ink = nullptr; // when the layout knows it already
    };
    struct MaskEntry {
        TextKey key;
        std::shared_ptr<const TextMask> mask;
        std::size_t bytes = 0;
    };

    FontEntry& Entry(const DeviceFont& font);
    std::shared_ptr<TextMask> Paint(FontEntry& entry, const DeviceFont& font, std::string_view text);
    std::shared_ptr<TextMask> ComposeUpright(FontEntry& entry, std::string_view text, const QString& string);
    bool PlainLayout(FontEntry& entry, std::string_view text, std::vector<PlacedGlyph>& glyphs, int& advance);
    bool ShapedLayout(FontEntry& entry, const QString& string, std::vector<PlacedGlyph>& glyphs,
                      int& advance);
    void StrikeLayout(FontEntry& entry, std::string_view text, std::vector<PlacedGlyph>& glyphs,
                      int& advance);
    void PaintStrike(FontEntry& entry, std::string_view text, int angle, TextMask& mask);
    const GlyphInk& Glyph(FontEntry& entry, quint32 index);
    const CharacterReach& ReachOf(FontEntry& entry, unsigned char byte);

    std::unordered_map<FontKey, std::unique_ptr<FontEntry>, KeyHash> fonts_;
    // The entry asked for last: a drawing asks for the same font many times in a row.
    FontEntry* lastEntry_ = nullptr;
    FontKey lastKey_;
    std::unordered_map<TextKey, int, KeyHash, KeyEqual> advances_;
    // Masks, most recently used first, and an index into that list.
    std::list<MaskEntry> maskOrder_;
    std::unordered_map<TextKey, std::list<MaskEntry>::iterator, KeyHash, KeyEqual> masks_;
    std::size_t maskBytes_ = 0;
    std::size_t maskBudget_;
    std::vector<PlacedGlyph> layout_; // the layout Ink works on, kept between calls
};

} // namespace platform::qt
