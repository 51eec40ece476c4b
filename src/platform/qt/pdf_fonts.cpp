#include "platform/qt/pdf_fonts.h"

#include "platform/qt/font_table_reader.h"

#include <QtGui/private/qfontengine_p.h>
#include <QtGui/private/qrawfont_p.h>

#include <QFile>

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
#include <set>
#include <unordered_map>
#include <utility>

namespace platform::qt {

namespace {

struct HarfBuzzRelease {
    void operator()(hb_blob_t* blob) const { hb_blob_destroy(blob); }
    void operator()(hb_face_t* face) const { hb_face_destroy(face); }
    void operator()(hb_font_t* font) const { hb_font_destroy(font); }
    void operator()(hb_subset_input_t* input) const { hb_subset_input_destroy(input); }
};
template <typename T> using HarfBuzz = std::unique_ptr<T, HarfBuzzRelease>;

constexpr hb_tag_t GlyfTable = HB_TAG('g', 'l', 'y', 'f');
constexpr hb_tag_t CffTable = HB_TAG('C', 'F', 'F', ' ');

std::string_view BytesOf(hb_blob_t* blob) {
    unsigned length = 0;
    const char* data = hb_blob_get_data(blob, &length);
    return {data, length};
}

bool HasTable(hb_face_t* face, hb_tag_t tag) {
    const HarfBuzz<hb_blob_t> table(hb_face_reference_table(face, tag));
    return hb_blob_get_length(table.get()) > 0;
}

// The face cut down to `glyphs`, each keeping its number, without hinting programs, layout tables or
// the map from characters to glyphs: a PDF renderer draws glyphs unhinted, placed and chosen by the
// page (Ghostscript draws the glyphs of a font with a character map a shade bolder). Null where the
// subsetter refuses the face.
HarfBuzz<hb_face_t> Subset(hb_face_t* face, const std::set<quint32>& glyphs) {
    const HarfBuzz<hb_subset_input_t> input(hb_subset_input_create_or_fail());
    if (!input) return nullptr;
    hb_set_t* kept = hb_subset_input_glyph_set(input.get());
    for (quint32 glyph : glyphs)
        hb_set_add(kept, glyph);
    hb_subset_input_set_flags(input.get(), HB_SUBSET_FLAGS_RETAIN_GIDS | HB_SUBSET_FLAGS_NO_HINTING);
    hb_set_t* dropped = hb_subset_input_set(input.get(), HB_SUBSET_SETS_DROP_TABLE_TAG);
    for (hb_tag_t tag : {HB_TAG('G', 'S', 'U', 'B'), HB_TAG('G', 'P', 'O', 'S'), HB_TAG('G', 'D', 'E', 'F'),
                         HB_TAG('c', 'm', 'a', 'p')})
        hb_set_add(dropped, tag);
    const HarfBuzz<hb_face_t> subset(hb_subset_or_fail(face, input.get()));
    if (!subset) return nullptr;
    // Read back from its font file, it lists its tables as a face of a file does.
    const HarfBuzz<hb_blob_t> file(hb_face_reference_blob(subset.get()));
    return HarfBuzz<hb_face_t>(hb_face_create(file.get(), 0));
}

// A font file of the face's tables as they are, but for the box of its head table where `box` gives
// one (its least x and y, then its greatest).
HarfBuzz<hb_blob_t> FontFile(hb_face_t* face, const std::array<int, 4>* box) {
    constexpr hb_tag_t HeadTable = HB_TAG('h', 'e', 'a', 'd');
    constexpr std::size_t BoxAt = 36;
    const HarfBuzz<hb_face_t> builder(hb_face_builder_create());
    std::array<hb_tag_t, 64> tags{};
    for (unsigned start = 0, count = tags.size(); count == tags.size(); start += count) {
        count = tags.size();
        hb_face_get_table_tags(face, start, &count, tags.data());
        for (unsigned i = 0; i < count; ++i) {
            HarfBuzz<hb_blob_t> table(hb_face_reference_table(face, tags[i]));
            if (tags[i] == HeadTable && box != nullptr && hb_blob_get_length(table.get()) >= BoxAt + 8) {
                std::string head(BytesOf(table.get()));
                for (std::size_t k = 0; k < box->size(); ++k) {
                    head[BoxAt + 2 * k] = static_cast<char>(((*box)[k] >> 8) & 0xFF);
                    head[BoxAt + 2 * k + 1] = static_cast<char>((*box)[k] & 0xFF);
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
// the glyph; a glyph no such character gives (a ligature) takes the lowest character that does.
std::map<unsigned, char16_t> GlyphCharacters(const QRawFont& font, const std::vector<bool>& seen,
                                             const std::set<quint32>& glyphs) {
    std::map<unsigned, char16_t> characters;
    const auto take = [&](char16_t c, quint32 glyph) {
        if (glyph != 0 && glyphs.count(glyph) != 0) characters.emplace(glyph, c);
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
        // four bytes hexadecimal digits), up to the 512 zeros before cleartomark.
        std::size_t start = data.find("eexec");
        std::size_t zeros = data.rfind("cleartomark");
        if (start == std::string_view::npos || zeros == std::string_view::npos || zeros < start) return {};
        start += 5;
        if (data.substr(start, 2) == "\r\n")
            start += 2;
        else if (start < zeros && std::isspace(static_cast<unsigned char>(data[start])))
            ++start;
        for (int count = 0; count < 512 && zeros > start; --zeros)
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

} // namespace

struct PdfFonts::FreeType {
    std::unique_ptr<FT_LibraryRec_, FreeTypeRelease> library;
};

struct PdfFonts::Face {
    enum class Outlines { None, TrueType, Cff, Type1 };
    QByteArray file;
    QByteArray uuid;
    int index = 0;
    Outlines outlines = Outlines::None;
    HarfBuzz<hb_face_t> face;       // of TrueType and CFF outlines
    FreeTypeFace type1;             // of Type 1 outlines, and of CFF ones for their keys
    QRawFont font;                  // the first size met, for the map back to characters
    std::set<quint32> glyphs = {0}; // every glyph shown, and the .notdef glyph
    int resource = -1;              // the CID font of TrueType and CFF outlines
    // The fonts of a Type 1 face, each a resource and its glyphs in code order, and each glyph's code.
    std::vector<std::pair<int, std::vector<quint32>>> fonts;
    std::unordered_map<quint32, Glyph> codes;
    std::vector<bool> characters = std::vector<bool>(0x10000, false);
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
    const QFontEngine* engine = EngineOf(font);
    const QFontEngine::FaceId id = engine != nullptr ? engine->faceId() : QFontEngine::FaceId();
    for (std::size_t i = 0; i < faces_.size(); ++i) {
        const Face& face = *faces_[i];
        if (face.file == id.filename && face.uuid == id.uuid && face.index == id.index)
            return static_cast<int>(i);
    }
    auto face = std::make_unique<Face>();
    face->file = id.filename;
    face->uuid = id.uuid;
    face->index = id.index;
    face->font = font;
    // The face's own file: HarfBuzz reads TrueType and CFF outlines, FreeType a Type 1 font's names.
    if (!id.filename.isEmpty() && id.index >= 0) {
        const HarfBuzz<hb_blob_t> blob(hb_blob_create_from_file_or_fail(id.filename.constData()));
        if (blob) face->face.reset(hb_face_create(blob.get(), static_cast<unsigned>(id.index)));
        if (face->face && hb_face_get_glyph_count(face->face.get()) > 0) {
            if (HasTable(face->face.get(), GlyfTable))
                face->outlines = Face::Outlines::TrueType;
            else if (HasTable(face->face.get(), CffTable))
                face->outlines = Face::Outlines::Cff;
        }
        if (face->outlines != Face::Outlines::TrueType) {
            if (!freeType_) {
                freeType_ = std::make_unique<FreeType>();
                FT_Library library = nullptr;
                if (FT_Init_FreeType(&library) == 0) freeType_->library.reset(library);
            }
            FT_Face opened = nullptr;
            if (freeType_->library &&
                FT_New_Face(freeType_->library.get(), id.filename.constData(), id.index, &opened) == 0)
                face->type1.reset(opened);
        }
        FT_Bool cidKeyed = 0;
        if (face->outlines == Face::Outlines::Cff &&
            (!face->type1 || FT_Get_CID_Is_Internally_CID_Keyed(face->type1.get(), &cidKeyed) != 0 ||
             cidKeyed)) {
            // A CID-keyed CFF font takes codes as its own CIDs, which need not be its glyphs' numbers.
            face->outlines = Face::Outlines::None;
        } else if (face->outlines == Face::Outlines::None && face->type1) {
            const char* format = FT_Get_Font_Format(face->type1.get());
            if (format != nullptr && std::string_view(format) == "Type 1" &&
                FT_HAS_GLYPH_NAMES(face->type1.get()))
                face->outlines = Face::Outlines::Type1;
        }
    }
    if (face->outlines == Face::Outlines::TrueType || face->outlines == Face::Outlines::Cff)
        face->resource = AddResource();
    faces_.push_back(std::move(face));
    return static_cast<int>(faces_.size() - 1);
}

bool PdfFonts::Embeds(int face) const {
    return faces_[static_cast<std::size_t>(face)]->outlines != Face::Outlines::None;
}

PdfFonts::Glyph PdfFonts::Show(int faceIndex, quint32 index) {
    Face& face = *faces_[static_cast<std::size_t>(faceIndex)];
    if (face.outlines != Face::Outlines::Type1) {
        face.glyphs.insert(index);
        return {face.resource, index, 2};
    }
    const auto found = face.codes.find(index);
    if (found != face.codes.end()) return found->second;
    if (face.fonts.empty() || face.fonts.back().second.size() == 256)
        face.fonts.push_back({AddResource(), {}});
    std::vector<quint32>& glyphs = face.fonts.back().second;
    const Glyph glyph{face.fonts.back().first, static_cast<unsigned>(glyphs.size()), 1};
    glyphs.push_back(index);
    face.glyphs.insert(index);
    face.codes.emplace(index, glyph);
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
        if (face->outlines == Face::Outlines::Type1)
            WriteType1(*face);
        else if (face->resource >= 0)
            WriteFont(*face);
    }
}

void PdfFonts::WriteFont(Face& face) {
    const bool cff = face.outlines == Face::Outlines::Cff;
    // A face the subsetter refuses (a damaged table) goes whole: readers cope with what they do not use.
    const HarfBuzz<hb_face_t> subset = Subset(face.face.get(), face.glyphs);
    const HarfBuzz<hb_font_t> font(hb_font_create(face.face.get()));
    // A subset's box is the box of its own glyphs and the origin, which a renderer sizes its glyph
    // images by: poppler places glyphs at fractions of a pixel only where they are small enough, as
    // they are in the fonts Qt's engine writes.
    std::array<int, 4> box{};
    for (quint32 glyph : face.glyphs) {
        hb_glyph_extents_t extents{};
        if (!hb_font_get_glyph_extents(font.get(), glyph, &extents)) continue;
        box = {std::min(box[0], extents.x_bearing), std::min(box[1], extents.y_bearing + extents.height),
               std::max(box[2], extents.x_bearing + extents.width), std::max(box[3], extents.y_bearing)};
    }
    const HarfBuzz<hb_blob_t> program(
        cff      ? hb_face_reference_table(subset ? subset.get() : face.face.get(), CffTable)
        : subset ? FontFile(subset.get(), &box).release()
                 : FontFile(face.face.get(), nullptr).release());
    const std::string_view bytes = BytesOf(program.get());
    const Description d = Describe(face.face.get(), font.get());
    const int type0 = resources_[static_cast<std::size_t>(face.resource)].object;
    const int cidFont = file_.Reserve();
    const int descriptor = file_.Reserve();
    const int fontFile = bytes.empty() ? 0 : file_.Reserve();
    const int toUnicode = file_.Reserve();
    // Six capitals before the name mark a subset; the object number keeps them apart.
    std::string name;
    for (int n = type0, i = 0; i < 6; ++i, n /= 26)
        name += static_cast<char>('A' + n % 26);
    name += '+' + d.postScriptName;

    std::string& type0Text = file_.Begin(type0);
    type0Text +=
        "<< /Type /Font /Subtype /Type0 /BaseFont /" + name + " /Encoding /Identity-H /DescendantFonts [";
    AppendReference(type0Text, cidFont);
    type0Text += "] /ToUnicode ";
    AppendReference(type0Text, toUnicode);
    type0Text += " >>";
    file_.End();

    // A CID font of CFF outlines takes each code as its glyph's number as it is; one of TrueType
    // outlines is told so.
    std::string& cid = file_.Begin(cidFont);
    cid += cff ? "<< /Type /Font /Subtype /CIDFontType0 /BaseFont /"
               : "<< /Type /Font /Subtype /CIDFontType2 /BaseFont /";
    cid +=
        name + " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >> /FontDescriptor ";
    AppendReference(cid, descriptor);
    cid += cff ? " /W [" : " /CIDToGIDMap /Identity /W [";
    // The widths of each run of glyphs numbered one after another.
    for (auto glyph = face.glyphs.begin(); glyph != face.glyphs.end();) {
        AppendInt(cid, *glyph);
        cid += '[';
        quint32 next = *glyph;
        for (; glyph != face.glyphs.end() && *glyph == next; ++glyph, ++next)
            AppendInt(cid, std::lround(d.Thousandths(hb_font_get_glyph_h_advance(font.get(), *glyph))));
        cid += ']';
    }
    cid += "] >>";
    file_.End();

    WriteDescriptor(file_, descriptor, name, d, cff ? "/FontFile3" : "/FontFile2", fontFile);
    if (fontFile != 0)
        file_.Stream(fontFile, cff ? " /Subtype /CIDFontType0C" : " /Length1 " + std::to_string(bytes.size()),
                     bytes, true);
    file_.Stream(toUnicode, "", ToUnicodeMap(GlyphCharacters(face.font, face.characters, face.glyphs), 2),
                 true);
}

void PdfFonts::WriteType1(Face& face) {
    FT_Face type1 = face.type1.get();
    QFile file(QFile::decodeName(face.file));
    const Type1Program program = file.open(QIODevice::ReadOnly) ? ReadType1(file.readAll()) : Type1Program();
    const Description d = DescribeType1(type1);
    const int descriptor = file_.Reserve();
    const int fontFile = program.bytes.empty() ? 0 : file_.Reserve();
    const std::map<unsigned, char16_t> characters = GlyphCharacters(face.font, face.characters, face.glyphs);
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
    if (fontFile != 0)
        file_.Stream(fontFile,
                     " /Length1 " + std::to_string(program.clear) + " /Length2 " +
                         std::to_string(program.encrypted) + " /Length3 " + std::to_string(program.trailer),
                     program.bytes, true);
}

} // namespace platform::qt
