// A TrueType subset keeps the glyphs asked for, renumbered, with the parts of composite glyphs and
// without hinting instructions; damaged tables give no subset rather than being read past their end.
#include "platform/qt/truetype_subset.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using platform::qt::SubsetTrueType;
using platform::qt::TrueTypeSubsetMeasures;
using platform::qt::TrueTypeTables;

namespace {

void Put16(std::string& out, unsigned value) {
    out += static_cast<char>((value >> 8) & 0xFF);
    out += static_cast<char>(value & 0xFF);
}

// A font of three glyphs, written by hand from the table formats (short glyph offsets): 0 empty, 1 a
// one-point outline at (10, 20) with two bytes of hinting instructions, in 20 bytes; 2 a composite of
// glyph 1 moved by (10, 20), in 18 bytes.
struct SmallFont {
    std::string head = std::string(54, '\0');
    std::string hhea = std::string(36, '\0');
    std::string maxp = std::string(6, '\0');
    std::string hmtx, loca, glyf;
    SmallFont() {
        Set16(head, 18, 1000); // units per em
        Set16(hhea, 34, 3);    // advances given
        Set16(maxp, 4, 3);     // glyphs
        for (unsigned advance : {500u, 501u, 502u}) {
            Put16(hmtx, advance);
            Put16(hmtx, 0);
        }
        Put16(glyf, 1); // contours
        for (unsigned v : {10u, 20u, 10u, 20u})
            Put16(glyf, v);
        Put16(glyf, 0);         // the contour's last point
        Put16(glyf, 2);         // instructions
        glyf += "\xb0\x01";     // PUSHB 1
        glyf += "\x37\x0a\x14"; // the point: on the curve, offsets of one positive byte each
        glyf += '\0';
        Put16(glyf, 0xFFFF); // a composite
        for (unsigned v : {20u, 40u, 20u, 40u})
            Put16(glyf, v);
        Put16(glyf, 0x0003); // its part's offsets are words, and offsets
        Put16(glyf, 1);
        Put16(glyf, 10);
        Put16(glyf, 20);
        for (unsigned half : {0u, 0u, 10u, 19u})
            Put16(loca, half);
    }
    static void Set16(std::string& table, std::size_t at, unsigned value) {
        table[at] = static_cast<char>(value >> 8);
        table[at + 1] = static_cast<char>(value & 0xFF);
    }
    TrueTypeTables Tables() const { return {head, hhea, maxp, hmtx, loca, glyf, {}, {}, {}}; }
};

unsigned U16(const std::string& s, std::size_t at) {
    return static_cast<unsigned>(static_cast<unsigned char>(s[at])) << 8 |
           static_cast<unsigned char>(s[at + 1]);
}

// The table `tag` of a font file.
std::string Table(const std::string& font, const char* tag) {
    for (unsigned i = 0; i < U16(font, 4); ++i) {
        const std::size_t record = 12 + 16 * static_cast<std::size_t>(i);
        if (font.compare(record, 4, tag) != 0) continue;
        const std::size_t at = U16(font, record + 8) << 16 | U16(font, record + 10);
        const std::size_t length = U16(font, record + 12) << 16 | U16(font, record + 14);
        return font.substr(at, length);
    }
    return {};
}

} // namespace

TEST(TrueTypeSubset, KeepsTheGlyphsAskedForWithTheirPartsAndRefusesDamagedTables) {
    SmallFont font;
    TrueTypeSubsetMeasures measures;
    // The composite alone asked for: its part follows it, numbered 2, without its instructions.
    const std::string subset = SubsetTrueType(font.Tables(), {0, 2}, measures);
    ASSERT_FALSE(subset.empty());
    EXPECT_EQ(U16(Table(subset, "maxp"), 4), 3u);
    EXPECT_EQ(measures.advances, (std::vector<int>{500, 502}));
    EXPECT_EQ(measures.xMax, 20);
    EXPECT_EQ(measures.yMax, 40);
    const std::string glyf = Table(subset, "glyf");
    ASSERT_EQ(glyf.size(), 40u);
    EXPECT_EQ(U16(glyf, 12), 2u) << "the composite's part, renumbered";
    EXPECT_EQ(U16(glyf, 20 + 12), 0u) << "the part's instructions go";
    EXPECT_EQ(glyf.substr(20 + 14, 3), "\x37\x0a\x14");

    // A glyph past the end of glyf, a part the font has not, instructions running past their glyph:
    // no subset, and nothing read beyond the tables.
    SmallFont pastEnd;
    pastEnd.loca.replace(6, 2, std::string("\x7f\x00", 2));
    EXPECT_TRUE(SubsetTrueType(pastEnd.Tables(), {0, 2}, measures).empty());
    SmallFont missingPart;
    missingPart.glyf[20 + 13] = '\x09';
    EXPECT_TRUE(SubsetTrueType(missingPart.Tables(), {0, 2}, measures).empty());
    SmallFont longInstructions;
    longInstructions.glyf[13] = '\x40';
    EXPECT_TRUE(SubsetTrueType(longInstructions.Tables(), {0, 1}, measures).empty());
}
