#include "platform/qt/layout_tables.h"

#include "platform/qt/font_table_reader.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace platform::qt {

namespace {

enum class Kind { Substitution, Positioning };

constexpr std::size_t GlyphIds = 65536;

// Big-endian fields of a table; a read past its end fails. Offsets may point anywhere, over and over:
// the work a table may ask for is bounded, far above what any face needs.
class Table {
  public:
    explicit Table(std::string_view bytes) : bytes_(bytes) {}
    bool Spend(std::size_t work) const {
        if (work > budget_) return false;
        budget_ -= work;
        return true;
    }
    bool U16(std::size_t at, std::uint32_t& value) const {
        TableReader reader{bytes_};
        value = reader.U16(at);
        return reader.ok;
    }
    bool U32(std::size_t at, std::uint32_t& value) const {
        TableReader reader{bytes_};
        value = reader.U32(at);
        return reader.ok;
    }

  private:
    std::string_view bytes_;
    mutable std::size_t budget_ = std::size_t{1} << 22;
};

// Marks the glyphs of the coverage table at `at`.
bool MarkCoverage(const Table& table, std::size_t at, std::vector<bool>& glyphs) {
    std::uint32_t format = 0;
    std::uint32_t count = 0;
    if (!table.U16(at, format) || !table.U16(at + 2, count) || !table.Spend(std::size_t{count} + 1))
        return false;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (format == 1) {
            std::uint32_t glyph = 0;
            if (!table.U16(at + 4 + 2 * std::size_t{i}, glyph)) return false;
            glyphs[glyph] = true;
        } else if (format == 2) {
            std::uint32_t first = 0;
            std::uint32_t last = 0;
            if (!table.U16(at + 4 + 6 * std::size_t{i}, first) ||
                !table.U16(at + 6 + 6 * std::size_t{i}, last))
                return false;
            if (first <= last) std::fill(glyphs.begin() + first, glyphs.begin() + last + 1, true);
        } else {
            return false;
        }
    }
    return true;
}

// Marks the coverage whose offset, from the subtable at `subtable`, is the field at `field`.
bool MarkCoverageAt(const Table& table, std::size_t subtable, std::size_t field, std::vector<bool>& glyphs) {
    std::uint32_t offset = 0;
    return table.U16(subtable + field, offset) && offset != 0 &&
           MarkCoverage(table, subtable + offset, glyphs);
}

// Marks the glyphs a lookup subtable of `type` starts from: the first glyph of what it substitutes or
// positions, and for a context every glyph of the input sequence its rules match.
bool MarkSubtable(const Table& table, Kind kind, std::uint32_t type, std::size_t at,
                  std::vector<bool>& glyphs, bool inExtension) {
    const bool substitution = kind == Kind::Substitution;
    std::uint32_t format = 0;
    if (!table.U16(at, format)) return false;
    if (type == (substitution ? 7u : 9u)) { // an extension: the real subtable lies further on
        std::uint32_t realType = 0;
        std::uint32_t offset = 0;
        if (inExtension || format != 1 || !table.U16(at + 2, realType) || !table.U32(at + 4, offset))
            return false;
        return MarkSubtable(table, kind, realType, at + offset, glyphs, true);
    }
    const bool context = type == (substitution ? 5u : 7u);
    const bool chained = type == (substitution ? 6u : 8u);
    if (context || chained) {
        if (format == 1 || format == 2) return MarkCoverageAt(table, at, 2, glyphs);
        if (format != 3) return false;
        std::size_t inputs = at + 2; // the input count; a chained context's backtrack comes first
        if (chained) {
            std::uint32_t backtrack = 0;
            if (!table.U16(at + 2, backtrack)) return false;
            inputs = at + 4 + 2 * std::size_t{backtrack};
        }
        std::uint32_t count = 0;
        if (!table.U16(inputs, count)) return false;
        const std::size_t offsets = inputs + (chained ? 2 : 4); // a context's lookup count comes between
        for (std::uint32_t i = 0; i < count; ++i)
            if (!MarkCoverageAt(table, at, offsets - at + 2 * std::size_t{i}, glyphs)) return false;
        return true;
    }
    const bool known = substitution ? (type >= 1 && type <= 4) || type == 8 : type >= 1 && type <= 6;
    return known && MarkCoverageAt(table, at, 2, glyphs);
}

constexpr std::uint32_t Tag(const char (&name)[5]) {
    return (std::uint32_t{static_cast<unsigned char>(name[0])} << 24) |
           (std::uint32_t{static_cast<unsigned char>(name[1])} << 16) |
           (std::uint32_t{static_cast<unsigned char>(name[2])} << 8) |
           std::uint32_t{static_cast<unsigned char>(name[3])};
}

// The features shaping turns on by itself for left-to-right text of the Latin script, kerning aside
// (the toolkit turns kerning off); other features act only when a text asks for them.
bool OnByDefault(std::uint32_t tag) {
    for (std::uint32_t on : {Tag("abvm"), Tag("blwm"), Tag("ccmp"), Tag("locl"), Tag("mark"), Tag("mkmk"),
                             Tag("rlig"), Tag("calt"), Tag("clig"), Tag("curs"), Tag("dist"), Tag("liga"),
                             Tag("rclt"), Tag("rvrn"), Tag("ltra"), Tag("ltrm")})
        if (tag == on) return true;
    return false;
}

// Marks in `applied` the lookups of feature `index` of the feature list at `featureList`.
bool MarkFeature(const Table& table, std::size_t featureList, std::uint32_t index,
                 std::vector<bool>& applied) {
    std::uint32_t offset = 0;
    std::uint32_t count = 0;
    if (!table.U16(featureList + 2 + 6 * std::size_t{index} + 4, offset) ||
        !table.U16(featureList + offset + 2, count) || !table.Spend(std::size_t{count} + 1))
        return false;
    for (std::uint32_t k = 0; k < count; ++k) {
        std::uint32_t lookup = 0;
        if (!table.U16(featureList + offset + 4 + 2 * std::size_t{k}, lookup)) return false;
        if (lookup < applied.size()) applied[lookup] = true;
    }
    return true;
}

// The lookups shaping applies by itself: those of the features on by default, and each language's
// required feature. A lookup that only another lookup calls acts only where its caller matched.
bool AppliedLookups(const Table& table, std::size_t scriptList, std::size_t featureList,
                    std::vector<bool>& applied) {
    std::uint32_t features = 0;
    if (!table.U16(featureList, features)) return false;
    for (std::uint32_t f = 0; f < features; ++f) {
        std::uint32_t tag = 0;
        if (!table.U32(featureList + 2 + 6 * std::size_t{f}, tag)) return false;
        if (OnByDefault(tag) && !MarkFeature(table, featureList, f, applied)) return false;
    }
    // Each language system's required feature, the default one's included.
    auto required = [&](std::size_t langSys) {
        std::uint32_t index = 0;
        if (!table.U16(langSys + 2, index) || !table.Spend(1)) return false;
        return index == 0xFFFF || (index < features && MarkFeature(table, featureList, index, applied));
    };
    std::uint32_t scripts = 0;
    if (!table.U16(scriptList, scripts)) return false;
    for (std::uint32_t s = 0; s < scripts; ++s) {
        std::uint32_t offset = 0, defaultLangSys = 0, languages = 0;
        if (!table.U16(scriptList + 2 + 6 * std::size_t{s} + 4, offset)) return false;
        const std::size_t script = scriptList + offset;
        if (!table.U16(script, defaultLangSys) || !table.U16(script + 2, languages)) return false;
        if (defaultLangSys != 0 && !required(script + defaultLangSys)) return false;
        for (std::uint32_t l = 0; l < languages; ++l) {
            std::uint32_t langSys = 0;
            if (!table.U16(script + 4 + 6 * std::size_t{l} + 4, langSys) || !required(script + langSys))
                return false;
        }
    }
    return true;
}

bool MarkTable(std::string_view bytes, Kind kind, std::vector<bool>& glyphs) {
    if (bytes.empty()) return true;
    const Table table(bytes);
    std::uint32_t major = 0, minor = 0, scriptList = 0, featureList = 0, lookupList = 0, lookups = 0;
    if (!table.U16(0, major) || !table.U16(2, minor) || !table.U16(4, scriptList) ||
        !table.U16(6, featureList) || !table.U16(8, lookupList) || major != 1 ||
        !table.U16(lookupList, lookups))
        return false;
    // Feature variations may swap in other lookups for a feature: then every lookup counts.
    std::uint32_t variations = 0;
    if (minor >= 1 && !table.U32(10, variations)) return false;
    std::vector<bool> applied(lookups, variations != 0);
    if (variations == 0 && !AppliedLookups(table, scriptList, featureList, applied)) return false;
    for (std::uint32_t i = 0; i < lookups; ++i) {
        if (!applied[i]) continue;
        std::uint32_t offset = 0, type = 0, subtables = 0;
        if (!table.U16(lookupList + 2 + 2 * std::size_t{i}, offset)) return false;
        const std::size_t lookup = lookupList + offset;
        if (!table.U16(lookup, type) || !table.U16(lookup + 4, subtables)) return false;
        for (std::uint32_t s = 0; s < subtables; ++s) {
            std::uint32_t subtable = 0;
            if (!table.U16(lookup + 6 + 2 * std::size_t{s}, subtable) ||
                !MarkSubtable(table, kind, type, lookup + subtable, glyphs, false))
                return false;
        }
    }
    return true;
}

} // namespace

bool GlyphsLayoutActsOn(std::string_view substitution, std::string_view positioning,
                        std::vector<bool>& glyphs) {
    glyphs.assign(GlyphIds, false);
    return MarkTable(substitution, Kind::Substitution, glyphs) &&
           MarkTable(positioning, Kind::Positioning, glyphs);
}

} // namespace platform::qt
