#include "platform/qt/layout_tables.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

using platform::qt::GlyphsLayoutActsOn;

namespace {

// A layout table written field by field, big-endian, offsets patched in once their targets are known.
class TableBytes {
  public:
    std::size_t U16(std::uint32_t value) {
        const std::size_t at = bytes_.size();
        bytes_.push_back(static_cast<char>(value >> 8));
        bytes_.push_back(static_cast<char>(value & 0xFF));
        return at;
    }
    void Tag(const char* tag) { bytes_.append(tag, 4); }
    // Points the 16-bit field at `field` to here, counted from `base`.
    void Target(std::size_t field, std::size_t base) {
        const std::size_t offset = bytes_.size() - base;
        bytes_[field] = static_cast<char>(offset >> 8);
        bytes_[field + 1] = static_cast<char>(offset & 0xFF);
    }
    std::size_t Size() const { return bytes_.size(); }
    const std::string& Bytes() const { return bytes_; }

  private:
    std::string bytes_;
};

struct Lookup {
    std::uint32_t type;
    std::vector<std::uint32_t> glyphs; // of its one subtable's coverage (format 1)
};

// A table with one script, whose default language uses every feature, and features of one lookup each.
std::string LayoutTable(const std::vector<std::pair<const char*, Lookup>>& features) {
    TableBytes t;
    t.U16(1), t.U16(0);
    const std::size_t scriptListField = t.U16(0);
    const std::size_t featureListField = t.U16(0);
    const std::size_t lookupListField = t.U16(0);

    t.Target(scriptListField, 0);
    const std::size_t scriptList = t.U16(1);
    t.Tag("DFLT");
    const std::size_t scriptField = t.U16(0);
    t.Target(scriptField, scriptList);
    t.U16(4); // the default language right after the script's header
    t.U16(0);
    t.U16(0), t.U16(0xFFFF), t.U16(static_cast<std::uint32_t>(features.size()));
    for (std::size_t i = 0; i < features.size(); ++i)
        t.U16(static_cast<std::uint32_t>(i));

    t.Target(featureListField, 0);
    const std::size_t featureList = t.U16(static_cast<std::uint32_t>(features.size()));
    std::vector<std::size_t> featureFields;
    for (const auto& feature : features) {
        t.Tag(feature.first);
        featureFields.push_back(t.U16(0));
    }
    for (std::size_t i = 0; i < features.size(); ++i) {
        t.Target(featureFields[i], featureList);
        t.U16(0), t.U16(1), t.U16(static_cast<std::uint32_t>(i));
    }

    t.Target(lookupListField, 0);
    const std::size_t lookupList = t.U16(static_cast<std::uint32_t>(features.size()));
    std::vector<std::size_t> lookupFields;
    for (std::size_t i = 0; i < features.size(); ++i)
        lookupFields.push_back(t.U16(0));
    for (std::size_t i = 0; i < features.size(); ++i) {
        const Lookup& lookup = features[i].second;
        t.Target(lookupFields[i], lookupList);
        const std::size_t start = t.U16(lookup.type);
        t.U16(0), t.U16(1);
        const std::size_t subtableField = t.U16(0);
        t.Target(subtableField, start);
        const std::size_t subtable = t.U16(1);
        const std::size_t coverageField = t.U16(0);
        t.U16(0);
        t.Target(coverageField, subtable);
        t.U16(1), t.U16(static_cast<std::uint32_t>(lookup.glyphs.size()));
        for (std::uint32_t glyph : lookup.glyphs)
            t.U16(glyph);
    }
    return t.Bytes();
}

std::vector<std::uint32_t> Marked(const std::vector<bool>& glyphs) {
    std::vector<std::uint32_t> marked;
    for (std::uint32_t glyph = 0; glyph < glyphs.size(); ++glyph)
        if (glyphs[glyph]) marked.push_back(glyph);
    return marked;
}

} // namespace

// Shaping with kerning off applies the ligatures and marks of a face by itself, never its fractions or
// its kerning: only the glyphs those start from can come out other than by their own advances.
TEST(LayoutTables, GlyphsOfTheLookupsShapingAppliesByItself) {
    std::vector<bool> glyphs;
    ASSERT_TRUE(GlyphsLayoutActsOn({}, {}, glyphs)) << "a face without tables";
    EXPECT_EQ(glyphs.size(), 65536u);
    EXPECT_TRUE(Marked(glyphs).empty());

    const std::string substitution = LayoutTable({{"frac", {1, {10, 11, 12}}}, {"liga", {4, {5, 6}}}});
    const std::string positioning = LayoutTable({{"kern", {2, {7}}}, {"mark", {4, {9, 65535}}}});
    ASSERT_TRUE(GlyphsLayoutActsOn(substitution, positioning, glyphs));
    EXPECT_EQ(Marked(glyphs), (std::vector<std::uint32_t>{5, 6, 9, 65535}));

    // A table cut short anywhere before the lookups applied cannot be read through: any glyph may then be
    // acted on.
    for (std::size_t length = 1; length < substitution.size(); ++length)
        EXPECT_FALSE(GlyphsLayoutActsOn(substitution.substr(0, length), positioning, glyphs)) << length;
    // Nor can a lookup of a kind not known here.
    EXPECT_FALSE(GlyphsLayoutActsOn(LayoutTable({{"liga", {9, {5}}}}), {}, glyphs));
}
