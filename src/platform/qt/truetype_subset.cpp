#include "platform/qt/truetype_subset.h"

#include "platform/qt/font_table_reader.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace platform::qt {

namespace {

void Put16(std::string& out, unsigned value) {
    out += static_cast<char>((value >> 8) & 0xFF);
    out += static_cast<char>(value & 0xFF);
}

void Put32(std::string& out, std::uint32_t value) {
    Put16(out, value >> 16);
    Put16(out, value & 0xFFFF);
}

void Set16(std::string& data, std::size_t at, unsigned value) {
    data[at] = static_cast<char>((value >> 8) & 0xFF);
    data[at + 1] = static_cast<char>(value & 0xFF);
}

void Set32(std::string& data, std::size_t at, std::uint32_t value) {
    Set16(data, at, value >> 16);
    Set16(data, at + 2, value & 0xFFFF);
}

std::uint32_t Checksum(std::string_view table) {
    std::uint32_t sum = 0;
    for (std::size_t at = 0; at < table.size(); at += 4) {
        std::uint32_t word = 0;
        for (std::size_t i = 0; i < 4; ++i)
            word = (word << 8) | (at + i < table.size() ? static_cast<unsigned char>(table[at + i]) : 0u);
        sum += word;
    }
    return sum;
}

constexpr std::size_t HeadSize = 54;
constexpr std::size_t HheaSize = 36;
constexpr std::size_t MaxpSize = 6; // the glyph count is all a subset needs of it

// Composite glyph component flags.
constexpr unsigned ArgumentsAreWords = 0x0001;
constexpr unsigned HasScale = 0x0008;
constexpr unsigned MoreComponents = 0x0020;
constexpr unsigned HasXYScale = 0x0040;
constexpr unsigned HasTwoByTwo = 0x0080;
constexpr unsigned HasInstructions = 0x0100;

// Where each glyph's outline lies in the glyf table.
bool GlyphOffsets(const TrueTypeTables& tables, std::vector<std::uint32_t>& offsets) {
    TableReader head{tables.head}, maxp{tables.maxp}, loca{tables.loca};
    const unsigned glyphs = maxp.U16(4);
    const int format = head.S16(50);
    if (!head.ok || !maxp.ok || glyphs == 0 || (format != 0 && format != 1)) return false;
    offsets.resize(glyphs + 1u);
    for (unsigned g = 0; g <= glyphs; ++g)
        offsets[g] = format == 0 ? 2u * loca.U16(2u * g) : loca.U32(4u * g);
    if (!loca.ok) return false;
    for (unsigned g = 0; g < glyphs; ++g)
        if (offsets[g] > offsets[g + 1] || offsets[g + 1] > tables.glyf.size()) return false;
    return true;
}

// A glyph's outline without its hinting instructions, its parts renumbered by `number` (which may add
// glyphs to the subset). False when the outline runs past its end.
template <typename Renumber> bool CopyOutline(std::string_view glyph, std::string& out, Renumber&& number) {
    if (glyph.empty()) return true;
    TableReader in{glyph};
    const int contours = in.S16(0);
    if (!in.ok || glyph.size() < 10) return false;
    if (contours >= 0) {
        const std::size_t ends = 10 + 2 * static_cast<std::size_t>(contours);
        const std::size_t instructions = in.U16(ends);
        const std::size_t rest = ends + 2 + instructions;
        if (!in.ok || rest > glyph.size()) return false;
        out.append(glyph.substr(0, ends));
        Put16(out, 0);
        out.append(glyph.substr(rest));
        return true;
    }
    out.append(glyph.substr(0, 10));
    std::size_t at = 10;
    unsigned flags = 0;
    do {
        flags = in.U16(at);
        const unsigned part = in.U16(at + 2);
        std::size_t size = 4 + ((flags & ArgumentsAreWords) ? 4 : 2);
        if (flags & HasScale)
            size += 2;
        else if (flags & HasXYScale)
            size += 4;
        else if (flags & HasTwoByTwo)
            size += 8;
        if (!in.ok || at + size > glyph.size()) return false;
        int renumbered = number(part);
        if (renumbered < 0) return false;
        Put16(out, flags & ~HasInstructions);
        Put16(out, static_cast<unsigned>(renumbered));
        out.append(glyph.substr(at + 4, size - 4));
        at += size;
    } while (flags & MoreComponents);
    return true;
}

// The font of its tables: the glyph count, the advances given and the box of the glyphs set in them,
// the table directory with the tables' checksums, the whole font's checksum in head.
std::string Assemble(std::string& head, std::string& hhea, std::string& maxp, const std::string& hmtx,
                     const std::string& loca, const std::string& glyf, const TrueTypeSubsetMeasures& measures,
                     std::size_t glyphCount) {
    Set32(head, 8, 0);
    Set16(head, 36, static_cast<unsigned>(measures.xMin) & 0xFFFF);
    Set16(head, 38, static_cast<unsigned>(measures.yMin) & 0xFFFF);
    Set16(head, 40, static_cast<unsigned>(measures.xMax) & 0xFFFF);
    Set16(head, 42, static_cast<unsigned>(measures.yMax) & 0xFFFF);
    Set16(head, 50, 1); // long glyph offsets
    Set16(hhea, 34, static_cast<unsigned>(glyphCount));
    Set16(maxp, 4, static_cast<unsigned>(glyphCount));
    const std::array<std::pair<const char*, const std::string*>, 6> parts = {{{"glyf", &glyf},
                                                                              {"head", &head},
                                                                              {"hhea", &hhea},
                                                                              {"hmtx", &hmtx},
                                                                              {"loca", &loca},
                                                                              {"maxp", &maxp}}};
    std::string font;
    Put32(font, 0x00010000);
    Put16(font, parts.size());
    Put16(font, 64); // searchRange: 16 times the largest power of two not above the table count (4)
    Put16(font, 2);
    Put16(font, parts.size() * 16 - 64);
    std::size_t at = 12 + 16 * parts.size();
    std::size_t headAt = 0;
    for (const auto& [tag, table] : parts) {
        font.append(tag, 4);
        Put32(font, Checksum(*table));
        Put32(font, static_cast<std::uint32_t>(at));
        Put32(font, static_cast<std::uint32_t>(table->size()));
        if (std::string_view(tag) == "head") headAt = at;
        at += (table->size() + 3) / 4 * 4;
    }
    for (const auto& part : parts) {
        font += *part.second;
        while (font.size() % 4 != 0)
            font += '\0';
    }
    Set32(font, headAt + 8, 0xB1B0AFBAu - Checksum(font));
    return font;
}

// A simple glyph of quadratic contours: its box, each contour's last point, no instructions, then
// each point's flags and its coordinates as offsets from the point before, in a byte where they fit.
std::string EncodeOutline(const OutlineGlyph& glyph, int& xMin, int& yMin, int& xMax, int& yMax,
                          int& points) {
    points = 0;
    xMin = yMin = xMax = yMax = 0;
    bool first = true;
    for (const auto& contour : glyph.contours)
        for (const OutlinePoint& p : contour) {
            xMin = first ? p.x : std::min(xMin, p.x);
            yMin = first ? p.y : std::min(yMin, p.y);
            xMax = first ? p.x : std::max(xMax, p.x);
            yMax = first ? p.y : std::max(yMax, p.y);
            first = false;
            ++points;
        }
    std::string out;
    if (points == 0) return out;
    Put16(out, static_cast<unsigned>(glyph.contours.size()));
    for (int value : {xMin, yMin, xMax, yMax})
        Put16(out, static_cast<unsigned>(value) & 0xFFFF);
    int last = -1;
    for (const auto& contour : glyph.contours) {
        last += static_cast<int>(contour.size());
        Put16(out, static_cast<unsigned>(last));
    }
    Put16(out, 0);
    std::string flags, xs, ys;
    int x = 0, y = 0;
    const auto coordinate = [](int delta, unsigned shortBit, unsigned sameOrPositiveBit, unsigned& flag,
                               std::string& bytes) {
        if (delta == 0) {
            flag |= sameOrPositiveBit;
        } else if (delta > -256 && delta < 256) {
            flag |= shortBit | (delta > 0 ? sameOrPositiveBit : 0u);
            bytes += static_cast<char>(delta > 0 ? delta : -delta);
        } else {
            Put16(bytes, static_cast<unsigned>(delta) & 0xFFFF);
        }
    };
    for (const auto& contour : glyph.contours)
        for (const OutlinePoint& p : contour) {
            unsigned flag = p.onCurve ? 1u : 0u;
            coordinate(p.x - x, 0x02, 0x10, flag, xs);
            coordinate(p.y - y, 0x04, 0x20, flag, ys);
            flags += static_cast<char>(flag);
            x = p.x;
            y = p.y;
        }
    return out + flags + xs + ys;
}

} // namespace

std::string PostScriptNameOf(std::string_view table) {
    // Name 6, Windows' Unicode one first, else the Macintosh one.
    TableReader name{table};
    const unsigned count = name.U16(2);
    const std::size_t strings = name.U16(4);
    std::string found;
    for (unsigned i = 0; name.ok && i < count && found.empty(); ++i) {
        const std::size_t record = 6 + 12 * static_cast<std::size_t>(i);
        const unsigned platform = name.U16(record);
        const unsigned nameId = name.U16(record + 6);
        const std::size_t length = name.U16(record + 8);
        const std::size_t offset = strings + name.U16(record + 10);
        if (!name.ok || nameId != 6 || offset + length > table.size()) continue;
        const std::size_t step = platform == 3 || platform == 0 ? 2 : 1;
        for (std::size_t at = offset + step - 1; at < offset + length; at += step)
            found += table[at];
    }
    // Only the characters a PDF name may hold as they are.
    std::string result;
    for (char c : found)
        if (c > ' ' && c < 127 && std::string_view("()<>[]{}/%#").find(c) == std::string_view::npos)
            result += c;
    return result;
}

bool DescribeFace(const TrueTypeTables& tables, TrueTypeDescription& description) {
    TableReader head{tables.head}, hhea{tables.hhea};
    if (tables.head.size() < HeadSize || tables.hhea.size() < HheaSize) return false;
    const int unitsPerEm = static_cast<int>(head.U16(18));
    if (unitsPerEm < 16 || unitsPerEm > 16384) return false;
    description.unitsPerEm = unitsPerEm;
    description.xMin = head.S16(36);
    description.yMin = head.S16(38);
    description.xMax = head.S16(40);
    description.yMax = head.S16(42);
    description.ascent = hhea.S16(4);
    description.descent = hhea.S16(6);
    TableReader post{tables.post};
    if (tables.post.size() >= 8) description.italicAngle = static_cast<std::int32_t>(post.U32(4)) / 65536.0;
    description.postScriptName = PostScriptNameOf(tables.name);
    return head.ok && hhea.ok;
}

bool DescribeTrueType(const TrueTypeTables& tables, TrueTypeDescription& description) {
    if (tables.maxp.size() < MaxpSize || tables.glyf.empty() || tables.loca.empty() || tables.hmtx.empty() ||
        !DescribeFace(tables, description))
        return false;
    if (description.postScriptName.empty()) description.postScriptName = "Font";
    return true;
}

std::string SubsetTrueType(const TrueTypeTables& tables, const std::vector<std::uint16_t>& glyphs,
                           TrueTypeSubsetMeasures& measures) {
    std::vector<std::uint32_t> offsets;
    if (tables.head.size() < HeadSize || tables.hhea.size() < HheaSize || tables.maxp.size() < MaxpSize ||
        !GlyphOffsets(tables, offsets))
        return {};
    const auto fontGlyphs = static_cast<unsigned>(offsets.size() - 1);
    TableReader hhea{tables.hhea}, hmtx{tables.hmtx};
    const unsigned metrics = hhea.U16(34);
    if (metrics == 0 || metrics > fontGlyphs) return {};

    // The kept glyphs in their new order; parts of composite glyphs join at the end as they are met.
    std::vector<std::uint16_t> order;
    std::vector<int> numbers(fontGlyphs, -1);
    const auto number = [&](unsigned glyph) -> int {
        if (glyph >= fontGlyphs) return -1;
        if (numbers[glyph] < 0) {
            if (order.size() >= 0xFFFF) return -1;
            numbers[glyph] = static_cast<int>(order.size());
            order.push_back(static_cast<std::uint16_t>(glyph));
        }
        return numbers[glyph];
    };
    for (std::uint16_t glyph : glyphs)
        if (glyph >= fontGlyphs) return {};
    for (std::uint16_t glyph : glyphs)
        if (numbers[glyph] < 0) {
            numbers[glyph] = static_cast<int>(order.size());
            order.push_back(glyph);
        } else {
            // A glyph asked for twice keeps one place; the caller numbers each glyph once.
            return {};
        }

    std::string glyf, loca, hmtxOut;
    Put32(loca, 0);
    measures = {};
    for (std::size_t i = 0; i < order.size(); ++i) {
        const unsigned glyph = order[i];
        const std::string_view outline =
            tables.glyf.substr(offsets[glyph], offsets[glyph + 1] - offsets[glyph]);
        if (!CopyOutline(outline, glyf, number)) return {};
        if (!outline.empty()) {
            TableReader box{outline};
            measures.xMin = std::min(measures.xMin, box.S16(2));
            measures.yMin = std::min(measures.yMin, box.S16(4));
            measures.xMax = std::max(measures.xMax, box.S16(6));
            measures.yMax = std::max(measures.yMax, box.S16(8));
        }
        while (glyf.size() % 4 != 0)
            glyf += '\0';
        Put32(loca, static_cast<std::uint32_t>(glyf.size()));
        const unsigned advance = hmtx.U16(4u * std::min(glyph, metrics - 1));
        const int sideBearing =
            glyph < metrics ? hmtx.S16(4u * glyph + 2) : hmtx.S16(4u * metrics + 2u * (glyph - metrics));
        Put16(hmtxOut, advance);
        Put16(hmtxOut, static_cast<unsigned>(sideBearing) & 0xFFFF);
        // The glyphs asked for come first; the parts of composite glyphs after them.
        if (i < glyphs.size()) measures.advances.push_back(static_cast<int>(advance));
    }
    if (!hmtx.ok) return {};

    std::string head(tables.head.substr(0, HeadSize));
    std::string hheaOut(tables.hhea.substr(0, HheaSize));
    std::string maxp(tables.maxp);
    return Assemble(head, hheaOut, maxp, hmtxOut, loca, glyf, measures, order.size());
}

std::string TrueTypeFromOutlines(int unitsPerEm, int ascent, int descent,
                                 const std::vector<OutlineGlyph>& glyphs, TrueTypeSubsetMeasures& measures) {
    measures = {};
    std::string glyf, loca, hmtx;
    Put32(loca, 0);
    int mostPoints = 0;
    std::size_t mostContours = 0;
    int widest = 0;
    for (const OutlineGlyph& glyph : glyphs) {
        int xMin = 0, yMin = 0, xMax = 0, yMax = 0, points = 0;
        glyf += EncodeOutline(glyph, xMin, yMin, xMax, yMax, points);
        while (glyf.size() % 4 != 0)
            glyf += '\0';
        Put32(loca, static_cast<std::uint32_t>(glyf.size()));
        Put16(hmtx, static_cast<unsigned>(std::max(0, glyph.advance)) & 0xFFFF);
        Put16(hmtx, static_cast<unsigned>(xMin) & 0xFFFF);
        measures.advances.push_back(glyph.advance);
        measures.xMin = std::min(measures.xMin, xMin);
        measures.yMin = std::min(measures.yMin, yMin);
        measures.xMax = std::max(measures.xMax, xMax);
        measures.yMax = std::max(measures.yMax, yMax);
        mostPoints = std::max(mostPoints, points);
        mostContours = std::max(mostContours, glyph.contours.size());
        widest = std::max(widest, glyph.advance);
    }
    std::string head(HeadSize, '\0');
    Set32(head, 0, 0x00010000);
    Set32(head, 12, 0x5F0F3CF5);
    Set16(head, 16, 0x0003); // baseline at y = 0, left side bearing at x = 0
    Set16(head, 18, static_cast<unsigned>(unitsPerEm));
    Set16(head, 46, 8); // smallest readable size
    Set16(head, 48, 2); // left to right
    std::string hhea(HheaSize, '\0');
    Set32(hhea, 0, 0x00010000);
    Set16(hhea, 4, static_cast<unsigned>(ascent) & 0xFFFF);
    Set16(hhea, 6, static_cast<unsigned>(descent) & 0xFFFF);
    Set16(hhea, 10, static_cast<unsigned>(widest));
    Set16(hhea, 18, 1); // caret upright
    std::string maxp(32, '\0');
    Set32(maxp, 0, 0x00010000);
    Set16(maxp, 6, static_cast<unsigned>(mostPoints));
    Set16(maxp, 8, static_cast<unsigned>(mostContours));
    Set16(maxp, 14, 1); // no twilight zone
    return Assemble(head, hhea, maxp, hmtx, loca, glyf, measures, glyphs.size());
}

} // namespace platform::qt
