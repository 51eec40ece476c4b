#pragma once
// What a font's own layout tables may do to a text. A face's glyph substitution table (ligatures,
// contextual forms) and glyph positioning table (marks, cursive joins, kerning) act only on texts
// holding the glyphs their lookups start from; a text of other glyphs is laid out by the glyphs' own
// advances alone, exactly as the toolkit's shaping lays it out with kerning off.

#include <string_view>
#include <vector>

namespace platform::qt {

// Marks in `glyphs` (one entry a glyph id, 65536 entries) every glyph a lookup of the "GSUB" or "GPOS"
// table may start from, of the lookups shaping applies to left-to-right text by itself with kerning
// off. The tables are their bytes as the font holds them (empty when the font has none). False when a
// table cannot be read through, or holds a lookup of a kind not known here: then any glyph may be
// acted on.
bool GlyphsLayoutActsOn(std::string_view substitution, std::string_view positioning,
                        std::vector<bool>& glyphs);

} // namespace platform::qt
