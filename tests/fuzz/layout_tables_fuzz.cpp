// Fuzzes the reader of a face's layout tables. Any bytes, as either table, must read without harm:
// every offset a table holds is checked against its end before it is followed.
#include "platform/qt/layout_tables.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

using platform::qt::GlyphsLayoutActsOn;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<bool> glyphs;
    // The first half as the substitution table and the rest as the positioning table, then each whole.
    GlyphsLayoutActsOn(bytes.substr(0, size / 2), bytes.substr(size / 2), glyphs);
    GlyphsLayoutActsOn(bytes, {}, glyphs);
    GlyphsLayoutActsOn({}, bytes, glyphs);
    return 0;
}
