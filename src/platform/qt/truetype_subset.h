#pragma once
// A TrueType font cut down to the glyphs a document shows, for embedding in a PDF file: the glyphs'
// own outlines copied from the font, renumbered in the order the document asks for them, without the
// hinting programs (a PDF renderer draws them unhinted); or, for a face of other outlines, a TrueType
// font made from its glyphs' outlines. Plain C++ over the font's tables.

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

// What a PDF font descriptor says of a font: its name, and its box, ascent and descent in font units.
struct TrueTypeDescription {
    std::string postScriptName;
    int unitsPerEm = 1000;
    int xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    int ascent = 0;
    int descent = 0; // below the baseline: negative
    double italicAngle = 0;
};

// The PostScript name a font's name table gives, keeping only what a PDF name may hold; empty when it
// gives none.
std::string PostScriptNameOf(std::string_view nameTable);

// The face's name and measures from its head, hhea, post and name tables, whatever its outlines; false
// without the first two.
bool DescribeFace(const TrueTypeTables& tables, TrueTypeDescription& description);

// The font's name and measures; false when its tables cannot make a subset.
bool DescribeTrueType(const TrueTypeTables& tables, TrueTypeDescription& description);

// What a subset holds besides its outlines: the advance of each glyph asked for and the box of them
// all with the origin, in font units.
struct TrueTypeSubsetMeasures {
    std::vector<int> advances;
    int xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};

// The subset font: its glyph i is glyph glyphs[i] of the font (glyphs[0] should be 0, the .notdef
// glyph), and the parts of its composite glyphs follow them. Its box is the box of its own glyphs,
// which a renderer sizes its glyph images by (and, at least in poppler, decides by it whether to place
// glyphs at fractions of a pixel). Empty when the tables are damaged.
std::string SubsetTrueType(const TrueTypeTables& tables, const std::vector<std::uint16_t>& glyphs,
                           TrueTypeSubsetMeasures& measures);

// A glyph of a font made from outlines: contours of points in font units, y upwards; a point off the
// curve is the control point of the quadratic curve between the points on it either side.
struct OutlinePoint {
    int x = 0;
    int y = 0;
    bool onCurve = true;
};
struct OutlineGlyph {
    int advance = 0;
    std::vector<std::vector<OutlinePoint>> contours;
};

// A TrueType font of `glyphs`, glyph i the i-th, for a face whose outlines are not TrueType's: the
// same tables a subset has, made from the outlines and the face's em, ascent and descent (font units).
std::string TrueTypeFromOutlines(int unitsPerEm, int ascent, int descent,
                                 const std::vector<OutlineGlyph>& glyphs, TrueTypeSubsetMeasures& measures);

} // namespace platform::qt
