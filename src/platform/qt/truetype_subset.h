#pragma once
// A TrueType font cut down to the glyphs a document shows, for embedding in a PDF file: the glyphs'
// own outlines copied from the font, renumbered in the order the document asks for them, without the
// hinting programs (a PDF renderer draws them unhinted). Plain C++ over the font's tables.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform::qt {

// The tables of a TrueType font that a subset is made from, as the font holds them.
struct TrueTypeTables {
    std::string_view head, hhea, maxp, hmtx, loca, glyf;
    std::string_view name, os2, post; // for the font's name and its descriptor; may be empty
};

// What a PDF font descriptor says of a font, in thousandths of its em.
struct TrueTypeDescription {
    std::string postScriptName;
    int unitsPerEm = 1000;
    int xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    int ascent = 0;
    int descent = 0;
    int capHeight = 0;
    double italicAngle = 0;
};

// The font's name and measures; false when its tables cannot make a subset.
bool DescribeTrueType(const TrueTypeTables& tables, TrueTypeDescription& description);

// The subset font: its glyph i is glyph glyphs[i] of the font (glyphs[0] should be 0, the .notdef
// glyph), and the parts of its composite glyphs follow them. `advances` receives the advance of each of
// `glyphs` in font units. Empty when the tables are damaged.
std::string SubsetTrueType(const TrueTypeTables& tables, const std::vector<std::uint16_t>& glyphs,
                           std::vector<int>& advances);

} // namespace platform::qt
