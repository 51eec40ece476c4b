#include "platform/qt/pdf_fonts.h"

#include "platform/qt/font_table_reader.h"

#include <QtGui/private/qfontengine_p.h>
#include <QtGui/private/qrawfont_p.h>
#include <QtGui/private/qtextengine_p.h>

#include <QFile>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_FONT_FORMATS_H
#include FT_TYPE1_TABLES_H
#include FT_CID_H
#include <hb-ot.h>
#include <hb-subset.h>
#include <hb.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <map>
#include <utility>

namespace platform::qt {

namespace {

struct HarfBuzzRelease {
    void operator()(hb_blob_t* blob) const { hb_blob_destroy(blob); }
    void operator()(hb_face_t* face) const { hb_face_destroy(face); }
    void operator()(hb_font_t* font) const { hb_font_destroy(font); }
    void operator()(hb_subset_input_t* input) const { hb_subset_input_destroy(input); }
    void operator()(hb_subset_plan_t* plan) const { hb_subset_plan_destroy(plan); }
};
template <typename T> using HarfBuzz = std::unique_ptr<T, HarfBuzzRelease>;

constexpr hb_tag_t GlyfTable = HB_TAG('g', 'l', 'y', 'f');
constexpr hb_tag_t CffTable = HB_TAG('C', 'F', 'F', ' ');

// The em of the largest picture made of a glyph of a face of colour pictures without strikes of
// bitmaps, pixels: 43 mm at 300 pixels an inch.
constexpr double ScalablePictureEm = 512;

std::string_view BytesOf(hb_blob_t* blob) {
    unsigned length = 0;
    const char* data = hb_blob_get_data(blob, &length);
    return {data, length};
}

bool HasTable(hb_face_t* face, hb_tag_t tag) {
    const HarfBuzz<hb_blob_t> table(hb_face_reference_table(face, tag));
    return hb_blob_get_length(table.get()) > 0;
}

// The face cut down to `glyphs` without hinting programs, layout tables or the map from characters to
// glyphs: a PDF renderer draws glyphs unhinted, placed and chosen by the page (Ghostscript draws the
// glyphs of a font with a character map a shade bolder). Each glyph keeps its number where
// `keepNumbers`; otherwise the kept glyphs are numbered anew (a CID-keyed face's charset still gives
// each its CID) and `glyphs` become their new numbers. A named instance (counted from 1; 0 for none)
// has its axes pinned where the instance puts them; the default instance of a variable face goes
// without the tables of its variations, as its outlines are those of the face's own tables. Null
// where the subsetter refuses the face.
HarfBuzz<hb_face_t> Subset(hb_face_t* face, std::vector<quint32>& glyphs, unsigned instance,
                           bool keepNumbers) {
    const HarfBuzz<hb_subset_input_t> input(hb_subset_input_create_or_fail());
    if (!input) return nullptr;
    hb_set_t* kept = hb_subset_input_glyph_set(input.get());
    for (quint32 glyph : glyphs)
        hb_set_add(kept, glyph);
    hb_subset_input_set_flags(input.get(),
                              HB_SUBSET_FLAGS_NO_HINTING |
                                  (keepNumbers ? HB_SUBSET_FLAGS_RETAIN_GIDS : HB_SUBSET_FLAGS_DEFAULT));
    hb_set_t* dropped = hb_subset_input_set(input.get(), HB_SUBSET_SETS_DROP_TABLE_TAG);
    for (hb_tag_t tag : {HB_TAG('G', 'S', 'U', 'B'), HB_TAG('G', 'P', 'O', 'S'), HB_TAG('G', 'D', 'E', 'F'),
                         HB_TAG('c', 'm', 'a', 'p')})
        hb_set_add(dropped, tag);
    if (instance > 0) {
        std::array<hb_ot_var_axis_info_t, 16> axes{};
        std::array<float, 16> coordinates{};
        unsigned axisCount = axes.size();
        hb_ot_var_get_axis_infos(face, 0, &axisCount, axes.data());
        unsigned coordinateCount = coordinates.size();
        if (hb_ot_var_named_instance_get_design_coords(face, instance - 1, &coordinateCount,
                                                       coordinates.data()) == 0)
            return nullptr;
        for (unsigned i = 0; i < std::min(axisCount, coordinateCount); ++i)
            if (!hb_subset_input_pin_axis_location(input.get(), face, axes[i].tag, coordinates[i]))
                return nullptr;
    } else {
        for (hb_tag_t tag :
             {HB_TAG('f', 'v', 'a', 'r'), HB_TAG('g', 'v', 'a', 'r'), HB_TAG('a', 'v', 'a', 'r'),
              HB_TAG('c', 'v', 'a', 'r'), HB_TAG('H', 'V', 'A', 'R'), HB_TAG('V', 'V', 'A', 'R'),
              HB_TAG('M', 'V', 'A', 'R'), HB_TAG('S', 'T', 'A', 'T')})
            hb_set_add(dropped, tag);
    }
    const HarfBuzz<hb_subset_plan_t> plan(hb_subset_plan_create_or_fail(face, input.get()));
    if (!plan) return nullptr;
    const hb_map_t* numbers = hb_subset_plan_old_to_new_glyph_mapping(plan.get());
    for (quint32& glyph : glyphs) {
        const hb_codepoint_t number = hb_map_get(numbers, glyph);
        if (number == HB_MAP_VALUE_INVALID) return nullptr;
        glyph = number;
    }
    const HarfBuzz<hb_face_t> subset(hb_subset_plan_execute_or_fail(plan.get()));
    if (!subset) return nullptr;
    // Read back from its font file, it lists its tables as a face of a file does.
    const HarfBuzz<hb_blob_t> file(hb_face_reference_blob(subset.get()));
    return HarfBuzz<hb_face_t>(hb_face_create(file.get(), 0));
}

// A font file of the face's tables as they are, but for the box of its head table: `box`, its least x
// and y, then its greatest.
HarfBuzz<hb_blob_t> FontFile(hb_face_t* face, const std::array<int, 4>& box) {
    constexpr hb_tag_t HeadTable = HB_TAG('h', 'e', 'a', 'd');
    constexpr std::size_t BoxAt = 36;
    const HarfBuzz<hb_face_t> builder(hb_face_builder_create());
    std::array<hb_tag_t, 64> tags{};
    for (unsigned start = 0, count = tags.size(); count == tags.size(); start += count) {
        count = tags.size();
        hb_face_get_table_tags(face, start, &count, tags.data());
        for (unsigned i = 0; i < count; ++i) {
            HarfBuzz<hb_blob_t> table(hb_face_reference_table(face, tags[i]));
            if (tags[i] == HeadTable && hb_blob_get_length(table.get()) >= BoxAt + 8) {
                std::string head(BytesOf(table.get()));
                for (std::size_t k = 0; k < box.size(); ++k) {
                    head[BoxAt + 2 * k] = static_cast<char>((box[k] >> 8) & 0xFF);
                    head[BoxAt + 2 * k + 1] = static_cast<char>(box[k] & 0xFF);
                }
                table.reset(hb_blob_create(head.data(), static_cast<unsigned>(head.size()),
                                           HB_MEMORY_MODE_DUPLICATE, nullptr, nullptr));
            }
            hb_face_builder_add_table(builder.get(), tags[i], table.get());
        }
    }
    return HarfBuzz<hb_blob_t>(hb_face_reference_blob(builder.get()));
}

// The map from codes of `bytes` bytes back to characters, in blocks of at most a hundred as readers
// expect.
std::string ToUnicodeMap(const std::map<unsigned, char16_t>& characters, int bytes) {
    std::string map = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                      "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                      "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n1 begincodespacerange\n";
    map += bytes == 1 ? "<00> <FF>" : "<0000> <FFFF>";
    map += "\nendcodespacerange\n";
    auto next = characters.begin();
    for (std::size_t start = 0; start < characters.size(); start += 100) {
        const std::size_t end = std::min(characters.size(), start + 100);
        AppendInt(map, static_cast<long long>(end - start));
        map += "beginbfchar\n";
        for (std::size_t i = start; i < end; ++i, ++next) {
            AppendHexCode(map, next->first, bytes);
            map += ' ';
            AppendHexCode(map, next->second);
            map += '\n';
        }
        map += "endbfchar\n";
    }
    map += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
    return map;
}

// Each glyph's character: of the characters the face was asked to show, the lowest its map turns into
// the glyph; a glyph no such character gives (a ligature) takes the lowest character that does, and
// one no character of the map gives (an alternate that shaping puts in a character's place within a
// text) the lowest shown character from whose glyph the substitutions of `face` (when given) reach it.
std::map<unsigned, char16_t> GlyphCharacters(const QRawFont& font, const std::vector<bool>& seen,
                                             const std::vector<quint32>& glyphs, hb_face_t* face) {
    std::map<unsigned, char16_t> characters;
    std::vector<bool> shown;
    for (quint32 glyph : glyphs) {
        if (glyph >= shown.size()) shown.resize(glyph + 1, false);
        shown[glyph] = true;
    }
    const auto take = [&](char16_t c, quint32 glyph) {
        if (glyph != 0 && glyph < shown.size() && shown[glyph]) characters.emplace(glyph, c);
    };
    for (unsigned c = 1; c < seen.size(); ++c) {
        if (!seen[c]) continue;
        const QChar character(static_cast<char16_t>(c));
        quint32 glyph = 0;
        int count = 1;
        if (font.glyphIndexesForChars(&character, 1, &glyph, &count) && count == 1)
            take(character.unicode(), glyph);
    }
    if (characters.size() + 1 < glyphs.size()) {
        std::vector<QChar> all;
        for (unsigned c = 1; c < 0x10000; ++c)
            if (c < 0xD800 || c > 0xDFFF) all.emplace_back(static_cast<char16_t>(c));
        std::vector<quint32> indexes(all.size(), 0);
        int count = static_cast<int>(indexes.size());
        if (font.glyphIndexesForChars(all.data(), static_cast<int>(all.size()), indexes.data(), &count))
            for (int i = 0; i < count; ++i)
                take(all[static_cast<std::size_t>(i)].unicode(), indexes[static_cast<std::size_t>(i)]);
    }
    if (characters.size() + 1 < glyphs.size() && face != nullptr) {
        const HarfBuzz<hb_font_t> shaper(hb_font_create(face));
        hb_set_t* lookups = hb_set_create();
        hb_ot_layout_collect_lookups(face, HB_OT_TAG_GSUB, nullptr, nullptr, nullptr, lookups);
        hb_set_t* reached = hb_set_create();
        for (unsigned c = 1; c < seen.size() && characters.size() + 1 < glyphs.size(); ++c) {
            hb_codepoint_t glyph = 0;
            if (!seen[c] || !hb_font_get_nominal_glyph(shaper.get(), c, &glyph)) continue;
            hb_set_clear(reached);
            hb_set_add(reached, glyph);
            hb_ot_layout_lookups_substitute_closure(face, lookups, reached);
            for (hb_codepoint_t g = HB_SET_VALUE_INVALID; hb_set_next(reached, &g);)
                take(static_cast<char16_t>(c), g);
        }
        hb_set_destroy(reached);
        hb_set_destroy(lookups);
    }
    return characters;
}

// What a PDF font descriptor says of a face, in its units: its name, box, ascent, descent, the height
// of its capitals and its slant.
struct Description {
    std::string postScriptName;
    unsigned unitsPerEm = 1000;
    int xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    int ascent = 0;
    int descent = 0; // below the baseline: negative
    int capHeight = 0;
    double italicAngle = 0;
    double Thousandths(double units) const { return units * 1000.0 / unitsPerEm; }
};

// `text` with only the characters a PDF name may hold as they are; "Font" for none.
std::string PdfName(const char* text) {
    std::string name;
    for (const char* c = text; c != nullptr && *c != '\0'; ++c)
        if (*c > ' ' && *c < 127 && std::string_view("()<>[]{}/%#").find(*c) == std::string_view::npos)
            name += *c;
    return name.empty() ? "Font" : name;
}

// The descriptor of font `name`, in thousandths of the em (a reader lays extracted text out by them),
// with its program, object `fontFile` (none when 0), under `key`.
void WriteDescriptor(PdfFile& file, int object, const std::string& name, const Description& d,
                     const char* key, int fontFile) {
    std::string& text = file.Begin(object);
    text += "<< /Type /FontDescriptor /FontName /" + name + " /Flags 4 /FontBBox [";
    for (int value : {d.xMin, d.yMin, d.xMax, d.yMax})
        AppendReal(text, d.Thousandths(value));
    text += "] /ItalicAngle ";
    AppendReal(text, d.italicAngle);
    text += "/Ascent ";
    AppendReal(text, d.Thousandths(d.ascent));
    text += "/Descent ";
    AppendReal(text, d.Thousandths(d.descent));
    text += "/CapHeight ";
    AppendReal(text, d.Thousandths(d.capHeight));
    text += "/StemV 80 ";
    if (fontFile != 0) {
        text += key;
        text += ' ';
        AppendReference(text, fontFile);
        text += " ";
    }
    text += ">>";
    file.End();
}

Description Describe(hb_face_t* face, hb_font_t* font) {
    Description d;
    d.unitsPerEm = std::max(1u, hb_face_get_upem(face));
    const HarfBuzz<hb_blob_t> headTable(hb_face_reference_table(face, HB_TAG('h', 'e', 'a', 'd')));
    TableReader head{BytesOf(headTable.get())};
    d.xMin = head.S16(36);
    d.yMin = head.S16(38);
    d.xMax = head.S16(40);
    d.yMax = head.S16(42);
    hb_font_extents_t extents{};
    hb_font_get_h_extents(font, &extents);
    d.ascent = extents.ascender;
    d.descent = extents.descender;
    // The OS/2 table's measure, or else the top of the face's capital H.
    hb_position_t cap = 0;
    hb_codepoint_t h = 0;
    hb_glyph_extents_t glyph{};
    if (hb_ot_metrics_get_position(font, HB_OT_METRICS_TAG_CAP_HEIGHT, &cap) && cap > 0)
        d.capHeight = cap;
    else if (hb_font_get_nominal_glyph(font, 'H', &h) && hb_font_get_glyph_extents(font, h, &glyph))
        d.capHeight = glyph.y_bearing;
    else
        d.capHeight = d.ascent;
    d.italicAngle = hb_style_get_value(font, HB_STYLE_TAG_SLANT_ANGLE);
    char name[128] = {};
    unsigned size = sizeof name;
    hb_ot_name_get_utf8(face, HB_OT_NAME_ID_POSTSCRIPT_NAME, HB_LANGUAGE_INVALID, &size, name);
    d.postScriptName = PdfName(name);
    return d;
}

struct FreeTypeRelease {
    void operator()(FT_Library library) const { FT_Done_FreeType(library); }
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using FreeTypeFace = std::unique_ptr<FT_FaceRec_, FreeTypeRelease>;

// A Type 1 face's name and measures, the top of its capital H for the height of its capitals.
Description DescribeType1(FT_Face face) {
    Description d;
    d.postScriptName = PdfName(FT_Get_Postscript_Name(face));
    d.unitsPerEm = std::max<unsigned>(1, face->units_per_EM);
    d.xMin = static_cast<int>(face->bbox.xMin);
    d.yMin = static_cast<int>(face->bbox.yMin);
    d.xMax = static_cast<int>(face->bbox.xMax);
    d.yMax = static_cast<int>(face->bbox.yMax);
    d.ascent = face->ascender;
    d.descent = face->descender;
    const FT_UInt capital = FT_Get_Char_Index(face, 'H');
    d.capHeight = capital != 0 && FT_Load_Glyph(face, capital, FT_LOAD_NO_SCALE) == 0
                      ? static_cast<int>(face->glyph->metrics.horiBearingY)
                      : d.ascent;
    PS_FontInfoRec info{};
    if (FT_Get_PS_Font_Info(face, &info) == 0) d.italicAngle = info.italic_angle;
    return d;
}

// A Type 1 font program as a PDF file holds it: its clear text, its encrypted part in binary, and
// what follows (the zeros before cleartomark); empty when the file is neither of the two forms.
struct Type1Program {
    std::string bytes;
    std::size_t clear = 0, encrypted = 0, trailer = 0;
};

Type1Program ReadType1(const QByteArray& file) {
    Type1Program program;
    const std::string_view data(file.constData(), static_cast<std::size_t>(file.size()));
    if (data.size() > 6 && static_cast<unsigned char>(data[0]) == 0x80) {
        // Segments: 0x80, a kind (1 text, 2 binary, 3 the end) and a length of four bytes, lowest first.
        std::string parts[3];
        bool binary = false;
        for (std::size_t at = 0; at + 6 <= data.size() && static_cast<unsigned char>(data[at]) == 0x80;) {
            const int kind = data[at + 1];
            std::size_t length = 0;
            for (int i = 3; i >= 0; --i)
                length = length << 8 | static_cast<unsigned char>(data[at + 2 + static_cast<std::size_t>(i)]);
            if (kind == 3 || at + 6 + length > data.size()) break;
            binary = binary || kind == 2;
            parts[kind == 2 ? 1 : binary ? 2 : 0].append(data.substr(at + 6, length));
            at += 6 + length;
        }
        program.clear = parts[0].size();
        program.encrypted = parts[1].size();
        program.trailer = parts[2].size();
        program.bytes = parts[0] + parts[1] + parts[2];
    } else if (data.substr(0, 2) == "%!") {
        // The encrypted part after "eexec" and one line end, in binary or in hexadecimal (its first
        // four bytes hexadecimal digits), up to the 512 zeros before cleartomark, or to the end of a
        // file without them (a reader adds them where the program has none).
        std::size_t start = data.find("eexec");
        if (start == std::string_view::npos) return {};
        std::size_t zeros = data.rfind("cleartomark");
        const bool ended = zeros != std::string_view::npos && zeros > start;
        if (!ended) zeros = data.size();
        start += 5;
        if (data.substr(start, 2) == "\r\n")
            start += 2;
        else if (start < zeros && std::isspace(static_cast<unsigned char>(data[start])))
            ++start;
        for (int count = 0; ended && count < 512 && zeros > start; --zeros)
            if (data[zeros - 1] == '0') ++count;
        const std::string_view encrypted = data.substr(start, zeros - start);
        const bool hexadecimal =
            encrypted.size() >= 4 && std::all_of(encrypted.begin(), encrypted.begin() + 4, [](char c) {
                return std::isxdigit(static_cast<unsigned char>(c)) != 0;
            });
        program.bytes = data.substr(0, start);
        program.clear = start;
        program.bytes +=
            hexadecimal
                ? QByteArray::fromHex(QByteArray(encrypted.data(), static_cast<qsizetype>(encrypted.size())))
                      .toStdString()
                : std::string(encrypted);
        program.encrypted = program.bytes.size() - program.clear;
        program.bytes.append(data.substr(zeros));
        program.trailer = data.size() - zeros;
    }
    if (program.clear == 0 || program.encrypted == 0) return {};
    return program;
}

QFontEngine* EngineOf(const QRawFont& font) {
    const QRawFontPrivate* raw = QRawFontPrivate::get(font);
    return raw != nullptr ? raw->fontEngine : nullptr;
}

// A glyph as Qt's engine gives it in the face's own units, without the boldening the engine may add:
// its outline (y downwards) and its advance.
struct QtGlyph {
    QPainterPath outline;
    double advance = 0;
};

QtGlyph QtGlyphOf(QFontEngine& engine, quint32 glyph) {
    QtGlyph result;
    glyph_metrics_t metrics;
    engine.getUnscaledGlyph(glyph, &result.outline, &metrics);
    result.advance = metrics.xoff.toReal();
    return result;
}

// Whether a face the subsetter cut holds the glyphs Qt draws (`glyphs` of the face `original`, which are
// `cut` there): its outline table is there, each glyph has the advance Qt's engine gives and ink where
// Qt's has ink, and, but for a hundredth of the em, the box it has in the original face. Boxes are
// compared as HarfBuzz reads both faces, as Qt's engine gives a TrueType glyph's outline hinted at the
// size of the em, which moves its points by more than that in some faces. Glyphs of a face Qt draws at
// another instance, or that HarfBuzz cannot read, differ.
bool HoldsGlyphs(hb_face_t* subset, hb_tag_t outlines, hb_font_t* original,
                 const std::vector<quint32>& glyphs, const std::vector<quint32>& cut,
                 const std::vector<QtGlyph>& drawn, unsigned unitsPerEm) {
    const HarfBuzz<hb_blob_t> table(hb_face_reference_table(subset, outlines));
    if (hb_blob_get_length(table.get()) == 0 || hb_face_get_upem(subset) != unitsPerEm) return false;
    const HarfBuzz<hb_font_t> font(hb_font_create(subset));
    const double slack = std::max(2.0, unitsPerEm / 100.0);
    const unsigned count = hb_face_get_glyph_count(subset);
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        if (cut[i] >= count) return false;
        // The subsetter empties the .notdef glyph, which no text shows but in want of a glyph.
        if (glyphs[i] == 0) continue;
        if (std::abs(hb_font_get_glyph_h_advance(font.get(), cut[i]) - drawn[i].advance) > slack)
            return false;
        hb_glyph_extents_t extents{};
        const bool inked = hb_font_get_glyph_extents(font.get(), cut[i], &extents) && extents.width != 0;
        if (inked == drawn[i].outline.boundingRect().isEmpty()) return false;
        if (!inked) continue;
        hb_glyph_extents_t own{};
        if (!hb_font_get_glyph_extents(original, glyphs[i], &own)) return false;
        for (const auto& [edge, ownEdge] :
             {std::pair(extents.x_bearing, own.x_bearing), std::pair(extents.y_bearing, own.y_bearing),
              std::pair(extents.x_bearing + extents.width, own.x_bearing + own.width),
              std::pair(extents.y_bearing + extents.height, own.y_bearing + own.height)})
            if (std::abs(edge - ownEdge) > slack) return false;
    }
    return true;
}

// The pieces of a CFF font.
void AppendCard16(std::string& out, unsigned value) {
    out += static_cast<char>(value >> 8 & 0xFF);
    out += static_cast<char>(value & 0xFF);
}

void AppendCard32(std::string& out, std::size_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>(value >> shift & 0xFF);
}

// An INDEX of `items`, with offsets of four bytes.
std::string CffIndex(const std::vector<std::string>& items) {
    std::string index;
    AppendCard16(index, static_cast<unsigned>(items.size()));
    if (items.empty()) return index;
    index += '\x04';
    std::size_t offset = 1;
    AppendCard32(index, offset);
    for (const std::string& item : items)
        AppendCard32(index, offset += item.size());
    for (const std::string& item : items)
        index += item;
    return index;
}

// An operand of a DICT as five bytes whatever its value, so that offsets can be written before they are
// known.
void AppendDictInt(std::string& out, std::size_t value) {
    out += '\x1D';
    AppendCard32(out, value);
}

// A charstring operand: small whole numbers in one or two bytes, others as 16.16 fixed.
void AppendCharstringNumber(std::string& out, double value) {
    const double whole = std::round(value);
    if (whole == value && std::abs(whole) <= 1131) {
        const int v = static_cast<int>(whole);
        if (v >= -107 && v <= 107) {
            out += static_cast<char>(v + 139);
        } else if (v > 0) {
            out += static_cast<char>((v - 108) / 256 + 247);
            out += static_cast<char>((v - 108) % 256);
        } else {
            out += static_cast<char>((-v - 108) / 256 + 251);
            out += static_cast<char>((-v - 108) % 256);
        }
        return;
    }
    out += '\xFF';
    AppendCard32(out, static_cast<std::size_t>(static_cast<std::int32_t>(std::lround(value * 65536.0))));
}

// A Type 2 charstring of a glyph's outline (y downwards) at `scale`, led by its advance; its points
// keep sixteenths of a unit.
std::string Charstring(const QtGlyph& glyph, double scale) {
    std::string out;
    AppendCharstringNumber(out, std::round(glyph.advance * scale));
    double lastX = 0, lastY = 0;
    const auto point = [&](double x, double y) {
        const double px = std::round(x * scale * 16) / 16, py = std::round(-y * scale * 16) / 16;
        AppendCharstringNumber(out, px - lastX);
        AppendCharstringNumber(out, py - lastY);
        lastX = px;
        lastY = py;
    };
    const QPainterPath& path = glyph.outline;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.type == QPainterPath::MoveToElement) {
            point(e.x, e.y);
            out += '\x15'; // rmoveto
        } else if (e.type == QPainterPath::LineToElement) {
            point(e.x, e.y);
            out += '\x05'; // rlineto
        } else if (e.type == QPainterPath::CurveToElement && i + 2 < path.elementCount()) {
            for (int k = 0; k < 3; ++k)
                point(path.elementAt(i + k).x, path.elementAt(i + k).y);
            out += '\x08'; // rrcurveto
            i += 2;
        }
    }
    out += '\x0E'; // endchar
    return out;
}

// A CID-keyed CFF font named `name` of Qt's glyphs `drawn` (the face's units, `unitsPerEm` to the em),
// each under the CID `cids` gives, the first CID 0: in thousandths of the em, the units a CFF font is
// read in without a matrix.
std::string CffOfOutlines(const std::string& name, const std::vector<unsigned>& cids,
                          const std::vector<QtGlyph>& drawn, double unitsPerEm) {
    const double scale = 1000.0 / unitsPerEm;
    std::vector<std::string> charstrings;
    charstrings.reserve(drawn.size());
    for (const QtGlyph& glyph : drawn)
        charstrings.push_back(Charstring(glyph, scale));
    // Registry and ordering, the font's first strings after the 391 standard ones.
    const std::string strings = CffIndex({"Adobe", "Identity"});
    const std::string names = CffIndex({name});
    std::string charset(1, '\0');
    for (std::size_t i = 1; i < cids.size(); ++i)
        AppendCard16(charset, cids[i]);
    std::string fdSelect("\x03", 1);
    AppendCard16(fdSelect, 1);
    AppendCard16(fdSelect, 0);
    fdSelect += '\0';
    AppendCard16(fdSelect, static_cast<unsigned>(cids.size()));
    const std::string glyphs = CffIndex(charstrings);
    // Neither default nor nominal width: each charstring gives its own.
    const std::string privateDict = "\x8B\x14\x8B\x15";

    // Top DICT and Font DICT with offsets of fixed size, their places known once their sizes are.
    const auto topDict = [&](std::size_t charsetAt, std::size_t charstringsAt, std::size_t fdArrayAt,
                             std::size_t fdSelectAt) {
        std::string dict;
        AppendDictInt(dict, 391);
        AppendDictInt(dict, 392);
        AppendDictInt(dict, 0);
        dict += "\x0C\x1E"; // ROS
        AppendDictInt(dict, cids.back() + 1);
        dict += "\x0C\x22"; // CIDCount
        AppendDictInt(dict, charsetAt);
        dict += '\x0F';
        AppendDictInt(dict, charstringsAt);
        dict += '\x11';
        AppendDictInt(dict, fdArrayAt);
        dict += "\x0C\x24";
        AppendDictInt(dict, fdSelectAt);
        dict += "\x0C\x25";
        return dict;
    };
    const std::size_t topSize = CffIndex({topDict(0, 0, 0, 0)}).size();
    const std::size_t charsetAt = 4 + names.size() + topSize + strings.size() + 2;
    const std::size_t fdSelectAt = charsetAt + charset.size();
    const std::size_t charstringsAt = fdSelectAt + fdSelect.size();
    const std::size_t fdArrayAt = charstringsAt + glyphs.size();
    std::string fontDict;
    AppendDictInt(fontDict, privateDict.size());
    AppendDictInt(fontDict, 0);
    fontDict += '\x12'; // Private
    const std::size_t privateAt = fdArrayAt + CffIndex({fontDict}).size();
    fontDict.clear();
    AppendDictInt(fontDict, privateDict.size());
    AppendDictInt(fontDict, privateAt);
    fontDict += '\x12';

    std::string cff("\x01\x00\x04\x04", 4);
    cff += names;
    cff += CffIndex({topDict(charsetAt, charstringsAt, fdArrayAt, fdSelectAt)});
    cff += strings;
    cff += std::string(2, '\0'); // no global subroutines
    cff += charset;
    cff += fdSelect;
    cff += glyphs;
    cff += CffIndex({fontDict});
    cff += privateDict;
    return cff;
}

// A Type 3 glyph's picture: the glyph as Qt's engine paints it with `font`, as an image's samples and
// its coverage, and where it lies from the glyph's origin, in pixels of `font` upwards.
struct Picture {
    int width = 0, height = 0;
    double left = 0, bottom = 0;
    std::string colours; // red, green and blue, a byte each
    std::string coverage;
};

Picture PictureOf(const QRawFont& font, quint32 glyph, double advance) {
    const QRectF cell(0, -font.ascent(), advance, font.ascent() + font.descent());
    const QRect box = cell.united(font.boundingRect(glyph)).toAlignedRect();
    Picture picture;
    if (box.isEmpty()) return picture;
    QImage image(box.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        QGlyphRun run;
        run.setRawFont(font);
        run.setGlyphIndexes({glyph});
        run.setPositions({QPointF(-box.left(), -box.top())});
        painter.drawGlyphRun(QPointF(0, 0), run);
    }
    image = image.convertToFormat(QImage::Format_ARGB32);
    picture.width = box.width();
    picture.height = box.height();
    picture.left = box.left();
    picture.bottom = -box.bottom() - 1;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            picture.colours += static_cast<char>(qRed(line[x]));
            picture.colours += static_cast<char>(qGreen(line[x]));
            picture.colours += static_cast<char>(qBlue(line[x]));
            picture.coverage += static_cast<char>(qAlpha(line[x]));
        }
    }
    return picture;
}

// The picture's coverage as an image mask, a bit a pixel and each row whole bytes: 1 where the glyph
// covers the pixel at least half.
std::string MaskOf(const Picture& picture) {
    const std::size_t rowBytes = (static_cast<std::size_t>(picture.width) + 7) / 8;
    std::string mask(rowBytes * static_cast<std::size_t>(picture.height), '\0');
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            if (static_cast<unsigned char>(
                    picture.coverage[static_cast<std::size_t>(y) * picture.width + x]) >= 128)
                mask[static_cast<std::size_t>(y) * rowBytes + x / 8] |= static_cast<char>(0x80 >> (x % 8));
    return mask;
}

// Whether Qt's engine paints glyph `index` of `font` from a bitmap alone: it has no outline there, yet
// ink (a face of outlines for some glyphs and of bitmaps alone for others).
bool BitmapAlone(const QRawFont& font, quint32 index) {
    if (!font.pathForGlyph(index).isEmpty()) return false;
    const Picture picture = PictureOf(font, index, 0);
    return std::any_of(picture.coverage.begin(), picture.coverage.end(), [](char c) { return c != 0; });
}

} // namespace

struct PdfFonts::FreeType {
    std::unique_ptr<FT_LibraryRec_, FreeTypeRelease> library;
};

struct PdfFonts::Face {
    // How the face is embedded: its own outlines (TrueType, CFF, CID-keyed CFF, Type 1), those Qt
    // gives for it, or the pictures Qt draws of its glyphs. A face of outlines with bitmaps beside
    // them shows a glyph of a bitmap alone as a picture.
    enum class Form { TrueType, Cff, CidKeyedCff, Type1, QtOutlines, Pictures };
    QByteArray file;
    QByteArray uuid;
    int index = 0;
    Form form = Form::QtOutlines;
    unsigned instance = 0;    // the named instance of a variable face, from 1; 0 for none
    bool bitmaps = false;     // it has strikes of bitmaps
    bool colours = false;     // its pictures have colours of their own; others take the text's
    double largestStrike = 0; // the size of its largest strike of bitmaps, pixels; 0 for none
    HarfBuzz<hb_face_t> face; // of TrueType and CFF outlines
    FreeTypeFace freeType;    // of the faces HarfBuzz does not read, and of CFF ones for their CIDs
    Type1Program program;     // of a Type 1 face
    QRawFont font;            // the largest size met, for the map back to characters and the pictures
    // Each glyph's code by its number (a glyph not shown yet has no resource), and the glyphs shown in
    // the order of their first showing.
    std::vector<Glyph> codes;
    std::vector<quint32> glyphs;
    int resource = -1; // the CID font of a face of two-byte codes
    // The fonts of single-byte codes (of a Type 1 face, or of pictures), each a resource and its glyphs
    // in code order.
    std::vector<std::pair<int, std::vector<quint32>>> fonts;
    std::vector<bool> characters = std::vector<bool>(0x10000, false);

    bool SingleBytes() const { return form == Form::Type1 || form == Form::Pictures; }
};

PdfFonts::PdfFonts(PdfFile& file) : file_(file) {}

PdfFonts::~PdfFonts() = default;

int PdfFonts::AddResource() {
    Resource resource;
    resource.name = 'F';
    resource.name += std::to_string(resources_.size() + 1);
    resource.object = file_.Reserve();
    resources_.push_back(std::move(resource));
    return static_cast<int>(resources_.size() - 1);
}

int PdfFonts::FaceOf(const QRawFont& font) {
    QFontEngine* engine = EngineOf(font);
    const QFontEngine::FaceId id = engine != nullptr ? engine->faceId() : QFontEngine::FaceId();
    for (std::size_t i = 0; i < faces_.size(); ++i) {
        Face& face = *faces_[i];
        if (face.file == id.filename && face.uuid == id.uuid && face.index == id.index) {
            // Each strike of a face of bitmaps alone is a face of its own, its pictures the strike's.
            const bool bitmaps = face.form == Face::Form::Pictures && !face.colours;
            if (bitmaps && font.pixelSize() != face.font.pixelSize()) continue;
            if (font.pixelSize() > face.font.pixelSize()) face.font = font;
            return static_cast<int>(i);
        }
    }
    auto face = std::make_unique<Face>();
    face->file = id.filename;
    face->uuid = id.uuid;
    face->index = id.index;
    face->font = font;
    // The index's upper half counts a variable face's named instances from 1, as FreeType takes it.
    face->instance = static_cast<unsigned>(id.index) >> 16;
    // The face's own file: HarfBuzz reads TrueType and CFF outlines, FreeType a Type 1 font's names and
    // a CFF font's CIDs.
    bool outlines = false;
    bool outlineTable = false;
    if (!id.filename.isEmpty() && id.index >= 0) {
        const HarfBuzz<hb_blob_t> blob(hb_blob_create_from_file_or_fail(id.filename.constData()));
        if (blob) face->face.reset(hb_face_create(blob.get(), static_cast<unsigned>(id.index) & 0xFFFF));
        if (face->face && hb_face_get_glyph_count(face->face.get()) > 0) {
            hb_face_t* own = face->face.get();
            if (HasTable(own, GlyfTable))
                face->form = Face::Form::TrueType, outlines = true;
            else if (HasTable(own, CffTable))
                face->form = Face::Form::Cff, outlines = true;
            outlineTable = outlines || HasTable(own, HB_TAG('C', 'F', 'F', '2'));
            face->bitmaps = HasTable(own, HB_TAG('E', 'B', 'L', 'C')) ||
                            HasTable(own, HB_TAG('C', 'B', 'L', 'C')) ||
                            HasTable(own, HB_TAG('s', 'b', 'i', 'x'));
        }
        if (face->form != Face::Form::TrueType || face->bitmaps) {
            if (!freeType_) {
                freeType_ = std::make_unique<FreeType>();
                FT_Library library = nullptr;
                if (FT_Init_FreeType(&library) == 0) freeType_->library.reset(library);
            }
            FT_Face opened = nullptr;
            if (freeType_->library &&
                FT_New_Face(freeType_->library.get(), id.filename.constData(), id.index, &opened) == 0)
                face->freeType.reset(opened);
        }
        FT_Bool cidKeyed = 0;
        if (face->form == Face::Form::Cff && !face->freeType) {
            // Without FreeType's word, its codes might be taken as CIDs the font does not have.
            face->form = Face::Form::QtOutlines;
        } else if (face->form == Face::Form::Cff &&
                   FT_Get_CID_Is_Internally_CID_Keyed(face->freeType.get(), &cidKeyed) == 0 && cidKeyed) {
            face->form = Face::Form::CidKeyedCff;
        } else if (!outlines && face->freeType) {
            const char* format = FT_Get_Font_Format(face->freeType.get());
            QFile file(QFile::decodeName(id.filename));
            if (format != nullptr && std::string_view(format) == "Type 1" &&
                FT_HAS_GLYPH_NAMES(face->freeType.get()) && file.open(QIODevice::ReadOnly)) {
                face->program = ReadType1(file.readAll());
                if (!face->program.bytes.empty()) face->form = Face::Form::Type1, outlines = true;
            }
        }
        if (FT_Face own = face->freeType.get()) {
            face->bitmaps = face->bitmaps || FT_HAS_FIXED_SIZES(own);
            face->colours = FT_HAS_COLOR(own);
            // Qt's engine enlarges colour bitmaps from the height of their strike.
            for (FT_Int i = 0; i < own->num_fixed_sizes; ++i)
                face->largestStrike = std::max({face->largestStrike, own->available_sizes[i].y_ppem / 64.0,
                                                static_cast<double>(own->available_sizes[i].height)});
            // A face of bitmaps alone, as FreeType finds it: a PCF face, or one whose glyph table holds
            // no outlines.
            if (!FT_IS_SCALABLE(own)) outlines = false;
        } else if (face->bitmaps && !outlineTable) {
            outlines = false;
        }
    }
    // Qt's engine has no outline of a face of bitmaps alone, nor of one of pictures alone (colour
    // emoji), and asking it for one spoils what it paints and measures of the face afterwards.
    if (engine != nullptr && engine->hasUnreliableGlyphOutline()) face->colours = true;
    if (!outlines && (face->bitmaps || face->colours)) face->form = Face::Form::Pictures;
    if (!face->SingleBytes()) face->resource = AddResource();
    faces_.push_back(std::move(face));
    return static_cast<int>(faces_.size() - 1);
}

PdfFonts::Glyph PdfFonts::Show(int faceIndex, quint32 index) {
    Face& face = *faces_[static_cast<std::size_t>(faceIndex)];
    if (index < face.codes.size() && face.codes[index].resource >= 0) return face.codes[index];
    return FirstShow(face, index);
}

PdfFonts::Glyph PdfFonts::FirstShow(Face& face, quint32 index) {
    if (face.codes.size() <= index) face.codes.resize(index + 1, Glyph{-1, 0, 2});
    if (!face.SingleBytes() && !(face.bitmaps && index != 0 && BitmapAlone(face.font, index))) {
        // A CID font of two-byte codes always holds the .notdef glyph, code 0.
        if (face.glyphs.empty() && index != 0) FirstShow(face, 0);
        Glyph& glyph = face.codes[index];
        glyph = {face.resource, index, 2};
        FT_UInt cid = 0;
        if (face.form == Face::Form::CidKeyedCff &&
            FT_Get_CID_From_Glyph_Index(face.freeType.get(), index, &cid) == 0)
            glyph.code = cid;
        face.glyphs.push_back(index);
        return glyph;
    }
    if (face.fonts.empty() || face.fonts.back().second.size() == 256)
        face.fonts.push_back({AddResource(), {}});
    std::vector<quint32>& glyphs = face.fonts.back().second;
    Glyph& glyph = face.codes[index];
    glyph = {face.fonts.back().first, static_cast<unsigned>(glyphs.size()), 1};
    glyphs.push_back(index);
    if (face.SingleBytes()) face.glyphs.push_back(index);
    return glyph;
}

void PdfFonts::NoteCharacters(int face, const QString& text) {
    std::vector<bool>& characters = faces_[static_cast<std::size_t>(face)]->characters;
    for (QChar c : text)
        characters[c.unicode()] = true;
}

bool PdfFonts::SynthesizesBold(const QRawFont& font) {
    const QFontEngine* engine = EngineOf(font);
    return engine != nullptr && (engine->synthesized() & QFontEngine::SynthesizedBold) != 0;
}

void PdfFonts::Write() {
    for (const std::unique_ptr<Face>& face : faces_) {
        if (face->form == Face::Form::Type1) {
            WriteType1(*face);
            continue;
        }
        if (!face->fonts.empty()) WritePictures(*face);
        if (face->resource >= 0) WriteFont(*face);
    }
}

void PdfFonts::WriteFont(Face& face) {
    // The glyphs in code order, for the widths' runs and the font's CIDs.
    std::vector<quint32>& glyphs = face.glyphs;
    std::sort(glyphs.begin(), glyphs.end(),
              [&](quint32 a, quint32 b) { return face.codes[a].code < face.codes[b].code; });
    QFontEngine* engine = EngineOf(face.font);
    const double unitsPerEm = face.face           ? std::max(1u, hb_face_get_upem(face.face.get()))
                              : engine != nullptr ? std::max(1.0, engine->properties().emSquare.toReal())
                                                  : 1000.0;
    std::vector<QtGlyph> drawn;
    drawn.reserve(glyphs.size());
    for (quint32 glyph : glyphs)
        drawn.push_back(engine != nullptr ? QtGlyphOf(*engine, glyph) : QtGlyph());

    const HarfBuzz<hb_font_t> font(face.face ? hb_font_create(face.face.get()) : nullptr);
    if (font && face.instance > 0) hb_font_set_var_named_instance(font.get(), face.instance - 1);
    const bool ownOutlines = face.form == Face::Form::TrueType || face.form == Face::Form::Cff ||
                             face.form == Face::Form::CidKeyedCff;
    const bool trueType = face.form == Face::Form::TrueType;
    // A CID-keyed face's glyphs are shown by their CIDs, which its charset keeps when the glyphs are
    // numbered anew: the cut face holds the glyphs shown alone.
    const bool cidKeyed = face.form == Face::Form::CidKeyedCff;
    std::vector<quint32> cut = glyphs;
    HarfBuzz<hb_face_t> subset =
        ownOutlines ? Subset(face.face.get(), cut, face.instance, !cidKeyed) : HarfBuzz<hb_face_t>();
    if (subset && !HoldsGlyphs(subset.get(), trueType ? GlyfTable : CffTable, font.get(), glyphs, cut, drawn,
                               static_cast<unsigned>(unitsPerEm)))
        subset.reset();
    if (subset && cidKeyed) {
        // The cut face keeps each glyph's CID, by which the page shows it.
        const HarfBuzz<hb_blob_t> file(hb_face_reference_blob(subset.get()));
        FT_Face opened = nullptr;
        const std::string_view bytes = BytesOf(file.get());
        if (FT_New_Memory_Face(freeType_->library.get(), reinterpret_cast<const FT_Byte*>(bytes.data()),
                               static_cast<FT_Long>(bytes.size()), 0, &opened) != 0)
            subset.reset();
        const FreeTypeFace openedCut(opened);
        for (std::size_t i = 0; i < glyphs.size(); ++i) {
            FT_UInt cid = 0;
            if (!subset || FT_Get_CID_From_Glyph_Index(openedCut.get(), cut[i], &cid) != 0 ||
                cid != face.codes[glyphs[i]].code) {
                subset.reset();
                break;
            }
        }
    }

    Description d;
    if (font) {
        d = Describe(face.face.get(), font.get());
    } else if (engine != nullptr) {
        const QFontEngine::Properties p = engine->properties();
        d.postScriptName = PdfName(p.postscriptName.constData());
        d.unitsPerEm = static_cast<unsigned>(unitsPerEm);
        d.xMin = static_cast<int>(p.boundingBox.left());
        d.yMin = static_cast<int>(-p.boundingBox.bottom());
        d.xMax = static_cast<int>(p.boundingBox.right());
        d.yMax = static_cast<int>(-p.boundingBox.top());
        d.ascent = p.ascent.round().toInt();
        d.descent = -p.descent.round().toInt();
        d.capHeight = p.capHeight.round().toInt();
        d.italicAngle = p.italicAngle.toReal();
    }
    // Six capitals before the name mark a subset; the object number keeps them apart.
    const int type0 = resources_[static_cast<std::size_t>(face.resource)].object;
    std::string name;
    for (int n = type0, i = 0; i < 6; ++i, n /= 26)
        name += static_cast<char>('A' + n % 26);
    name += '+' + d.postScriptName;

    std::string program;
    if (subset && trueType) {
        // A subset's box is the box of its own glyphs and the origin, which a renderer sizes its glyph
        // images by: poppler places glyphs at fractions of a pixel only where they are small enough, as
        // they are in the fonts Qt's engine writes.
        const HarfBuzz<hb_font_t> cutFont(hb_font_create(subset.get()));
        std::array<int, 4> box{};
        for (quint32 glyph : cut) {
            hb_glyph_extents_t extents{};
            if (!hb_font_get_glyph_extents(cutFont.get(), glyph, &extents)) continue;
            box = {std::min(box[0], extents.x_bearing), std::min(box[1], extents.y_bearing + extents.height),
                   std::max(box[2], extents.x_bearing + extents.width), std::max(box[3], extents.y_bearing)};
        }
        program = BytesOf(FontFile(subset.get(), box).get());
    } else if (subset) {
        program = BytesOf(HarfBuzz<hb_blob_t>(hb_face_reference_table(subset.get(), CffTable)).get());
    } else {
        std::vector<unsigned> cids;
        cids.reserve(glyphs.size());
        for (quint32 glyph : glyphs)
            cids.push_back(face.codes[glyph].code);
        program = CffOfOutlines(name, cids, drawn, unitsPerEm);
    }
    const bool cff = !(subset && trueType);
    const int cidFont = file_.Reserve();
    const int descriptor = file_.Reserve();
    const int fontFile = file_.Reserve();
    const int toUnicode = file_.Reserve();

    std::string& type0Text = file_.Begin(type0);
    type0Text +=
        "<< /Type /Font /Subtype /Type0 /BaseFont /" + name + " /Encoding /Identity-H /DescendantFonts [";
    AppendReference(type0Text, cidFont);
    type0Text += "] /ToUnicode ";
    AppendReference(type0Text, toUnicode);
    type0Text += " >>";
    file_.End();

    // A CID font of CFF outlines takes each code as the CID its charset maps to a glyph (a font that
    // is not CID-keyed, as the glyph's number); one of TrueType outlines is told so.
    std::string& cid = file_.Begin(cidFont);
    cid += cff ? "<< /Type /Font /Subtype /CIDFontType0 /BaseFont /"
               : "<< /Type /Font /Subtype /CIDFontType2 /BaseFont /";
    cid +=
        name + " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >> /FontDescriptor ";
    AppendReference(cid, descriptor);
    cid += cff ? " /W [" : " /CIDToGIDMap /Identity /W [";
    // The widths of each run of codes one after another: a font made from Qt's outlines has Qt's
    // advances.
    for (std::size_t i = 0; i < glyphs.size();) {
        const unsigned first = face.codes[glyphs[i]].code;
        AppendInt(cid, first);
        cid += '[';
        for (unsigned next = first; i < glyphs.size() && face.codes[glyphs[i]].code == next; ++i, ++next) {
            const double advance =
                subset ? hb_font_get_glyph_h_advance(font.get(), glyphs[i]) : drawn[i].advance;
            AppendInt(cid, std::lround(d.Thousandths(advance)));
        }
        cid += ']';
    }
    cid += "] >>";
    file_.End();

    WriteDescriptor(file_, descriptor, name, d, cff ? "/FontFile3" : "/FontFile2", fontFile);
    file_.Stream(fontFile, cff ? " /Subtype /CIDFontType0C" : " /Length1 " + std::to_string(program.size()),
                 program, true);
    std::map<unsigned, char16_t> characters;
    for (const auto& [glyph, character] :
         GlyphCharacters(face.font, face.characters, glyphs, face.face.get()))
        characters.emplace(face.codes[glyph].code, character);
    file_.Stream(toUnicode, "", ToUnicodeMap(characters, 2), true);
}

void PdfFonts::WriteType1(Face& face) {
    FT_Face type1 = face.freeType.get();
    const Type1Program& program = face.program;
    const Description d = DescribeType1(type1);
    const int descriptor = file_.Reserve();
    const int fontFile = file_.Reserve();
    const std::map<unsigned, char16_t> characters =
        GlyphCharacters(face.font, face.characters, face.glyphs, nullptr);
    for (const auto& [resource, glyphs] : face.fonts) {
        const int toUnicode = file_.Reserve();
        std::string& text = file_.Begin(resources_[static_cast<std::size_t>(resource)].object);
        text += "<< /Type /Font /Subtype /Type1 /BaseFont /" + d.postScriptName + " /FirstChar 0 /LastChar ";
        AppendInt(text, static_cast<long long>(glyphs.size() - 1));
        text += "/Widths [";
        for (quint32 glyph : glyphs)
            AppendInt(text,
                      FT_Load_Glyph(type1, glyph, FT_LOAD_NO_SCALE) == 0
                          ? std::lround(d.Thousandths(static_cast<double>(type1->glyph->metrics.horiAdvance)))
                          : 0);
        text += "] /Encoding << /Type /Encoding /Differences [0 ";
        std::map<unsigned, char16_t> codes;
        for (std::size_t code = 0; code < glyphs.size(); ++code) {
            char glyphName[64] = {};
            if (FT_Get_Glyph_Name(type1, glyphs[code], glyphName, sizeof glyphName) != 0 ||
                glyphName[0] == '\0')
                std::snprintf(glyphName, sizeof glyphName, ".notdef");
            text += '/';
            text += glyphName;
            text += ' ';
            const auto character = characters.find(glyphs[code]);
            if (character != characters.end()) codes.emplace(static_cast<unsigned>(code), character->second);
        }
        text += "] >> /FontDescriptor ";
        AppendReference(text, descriptor);
        text += " /ToUnicode ";
        AppendReference(text, toUnicode);
        text += " >>";
        file_.End();
        file_.Stream(toUnicode, "", ToUnicodeMap(codes, 1), true);
    }

    WriteDescriptor(file_, descriptor, d.postScriptName, d, "/FontFile", fontFile);
    file_.Stream(fontFile,
                 " /Length1 " + std::to_string(program.clear) + " /Length2 " +
                     std::to_string(program.encrypted) + " /Length3 " + std::to_string(program.trailer),
                 program.bytes, true);
}

void PdfFonts::WritePictures(Face& face) {
    // Glyph space is the pixels of the largest size met, upwards. A picture of colours has no more
    // pixels than the face's largest strike of bitmaps holds (or, for a face without one, than
    // ScalablePictureEm), as Qt's engine only enlarges them beyond it; the glyph's matrix gives it its
    // size. Qt's engine paints other bitmaps at their strike's size whatever the size asked: a face of
    // bitmaps alone comes as its strike at the strike's own size, which the page's font size enlarges.
    const QRawFont& font = face.font;
    const double size = std::max(1.0, font.pixelSize());
    QRawFont painted = font;
    const double largest = face.largestStrike > 0 ? face.largestStrike : ScalablePictureEm;
    if (face.colours && size > largest) painted.setPixelSize(largest);
    const double scale = size / std::max(1.0, painted.pixelSize());
    std::vector<quint32> shown;
    for (const auto& [resource, glyphs] : face.fonts)
        shown.insert(shown.end(), glyphs.begin(), glyphs.end());
    const std::map<unsigned, char16_t> characters =
        GlyphCharacters(font, face.characters, shown, face.face.get());
    for (const auto& [resource, glyphs] : face.fonts) {
        std::string procedures, images, widths;
        std::array<double, 4> box{};
        std::map<unsigned, char16_t> codes;
        const QList<quint32> indexes(glyphs.begin(), glyphs.end());
        const QList<QPointF> advances = font.advancesForGlyphIndexes(indexes);
        const QList<QPointF> paintedAdvances = painted.advancesForGlyphIndexes(indexes);
        for (std::size_t code = 0; code < glyphs.size(); ++code) {
            const auto at = static_cast<qsizetype>(code);
            const double advance = at < advances.size() ? advances[at].x() : 0;
            const Picture picture =
                PictureOf(painted, glyphs[code], at < paintedAdvances.size() ? paintedAdvances[at].x() : 0);
            std::string procedure;
            AppendReal(procedure, advance);
            procedure += "0 d0\n";
            if (picture.width > 0) {
                const int image = file_.Reserve();
                std::string entries = " /Type /XObject /Subtype /Image /Width " +
                                      std::to_string(picture.width) + " /Height " +
                                      std::to_string(picture.height);
                if (scale > 1) entries += " /Interpolate true";
                if (face.colours) {
                    // Colours of its own, its coverage a soft mask.
                    const int coverage = file_.Reserve();
                    entries += " /BitsPerComponent 8 /ColorSpace ";
                    file_.Stream(coverage, entries + "/DeviceGray", picture.coverage, true);
                    entries += "/DeviceRGB /SMask ";
                    AppendReference(entries, coverage);
                    file_.Stream(image, entries, picture.colours, true);
                } else {
                    // The text's colour where the glyph has ink.
                    file_.Stream(image, entries + " /ImageMask true /BitsPerComponent 1 /Decode [1 0]",
                                 MaskOf(picture), true);
                }
                const std::array<double, 4> placed = {picture.left * scale, picture.bottom * scale,
                                                      picture.width * scale, picture.height * scale};
                procedure += "q\n";
                for (double value : {placed[2], 0.0, 0.0, placed[3], placed[0], placed[1]})
                    AppendReal(procedure, value);
                procedure += "cm\n/I" + std::to_string(code) + " Do\nQ\n";
                images += " /I" + std::to_string(code) + ' ';
                AppendReference(images, image);
                box = {std::min(box[0], placed[0]), std::min(box[1], placed[1]),
                       std::max(box[2], placed[0] + placed[2]), std::max(box[3], placed[1] + placed[3])};
            }
            const int object = file_.Reserve();
            file_.Stream(object, "", procedure, true);
            procedures += " /g" + std::to_string(code) + ' ';
            AppendReference(procedures, object);
            AppendReal(widths, advance);
            const auto character = characters.find(glyphs[code]);
            if (character != characters.end()) codes.emplace(static_cast<unsigned>(code), character->second);
        }
        const int toUnicode = file_.Reserve();
        std::string& text = file_.Begin(resources_[static_cast<std::size_t>(resource)].object);
        text += "<< /Type /Font /Subtype /Type3 /FontBBox [";
        for (double value : box)
            AppendReal(text, value);
        text += "] /FontMatrix [";
        for (double value : {1 / size, 0.0, 0.0, 1 / size, 0.0, 0.0})
            AppendReal(text, value);
        text += "] /CharProcs <<" + procedures + ">> /Encoding << /Type /Encoding /Differences [0";
        for (std::size_t code = 0; code < glyphs.size(); ++code)
            text += " /g" + std::to_string(code);
        text += "] >> /FirstChar 0 /LastChar ";
        AppendInt(text, static_cast<long long>(glyphs.size() - 1));
        text += "/Widths [" + widths + "] /Resources << /XObject <<" + images + ">> >> /ToUnicode ";
        AppendReference(text, toUnicode);
        text += " >>";
        file_.End();
        file_.Stream(toUnicode, "", ToUnicodeMap(codes, 1), true);
    }
}

} // namespace platform::qt
