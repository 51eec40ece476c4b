#include "platform/qt/pdf_fonts.h"

#include "platform/qt/truetype_subset.h"

#include <QByteArray>
#include <QFont>
#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include <algorithm>
#include <array>
#include <cmath>
#include <unordered_map>
#include <utility>

namespace platform::qt {

namespace {

// A Type 3 font shows at most this many glyphs, one byte each; a face showing more takes more fonts.
constexpr unsigned Type3Codes = 256;

void AppendHex(std::string& out, unsigned value, int digits) {
    static constexpr char hex[] = "0123456789ABCDEF";
    out += '<';
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        out += hex[(value >> shift) & 0xF];
    out += '>';
}

// The map from codes back to characters, in blocks of at most a hundred as readers expect.
std::string ToUnicodeMap(const std::vector<std::pair<unsigned, char16_t>>& characters, bool twoBytes) {
    const int digits = twoBytes ? 4 : 2;
    std::string map = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                      "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                      "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n1 begincodespacerange\n";
    AppendHex(map, 0, digits);
    map += ' ';
    AppendHex(map, twoBytes ? 0xFFFF : 0xFF, digits);
    map += "\nendcodespacerange\n";
    for (std::size_t start = 0; start < characters.size(); start += 100) {
        const std::size_t end = std::min(characters.size(), start + 100);
        AppendInt(map, static_cast<long long>(end - start));
        map += "beginbfchar\n";
        for (std::size_t i = start; i < end; ++i) {
            AppendHex(map, characters[i].first, digits);
            map += ' ';
            AppendHex(map, characters[i].second, 4);
            map += '\n';
        }
        map += "endbfchar\n";
    }
    map += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
    return map;
}

} // namespace

struct PdfFonts::Face {
    std::vector<QRawFont> sizes; // every size met; the first serves for tables and outlines
    QString family;
    QString style;
    int weight = 0;
    QByteArray head, hhea, maxp, hmtx, loca, glyf, name, os2, post;
    TrueTypeDescription description;
    bool trueType = false;
    std::vector<quint32> glyphs; // in code order; a TrueType face's code 0 is glyph 0
    std::unordered_map<quint32, unsigned> codes;
    std::vector<int> resources; // a CID font has one; a Type 3 face one per 256 glyphs
    std::vector<bool> characters = std::vector<bool>(0x10000, false);

    TrueTypeTables Tables() const {
        const auto view = [](const QByteArray& bytes) {
            return std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        };
        return {view(head), view(hhea), view(maxp), view(hmtx), view(loca),
                view(glyf), view(name), view(os2),  view(post)};
    }
};

PdfFonts::PdfFonts(PdfFile& file) : file_(file) {}

PdfFonts::~PdfFonts() = default;

int PdfFonts::NewResource() {
    Resource resource;
    resource.name = 'F';
    resource.name += std::to_string(resources_.size() + 1);
    resource.object = file_.Reserve();
    resources_.push_back(std::move(resource));
    return static_cast<int>(resources_.size() - 1);
}

int PdfFonts::FaceOf(const QRawFont& font) {
    for (std::size_t i = 0; i < faces_.size(); ++i)
        for (const QRawFont& size : faces_[i]->sizes)
            if (size == font) return static_cast<int>(i);
    // Another size of a face met before: the same tables.
    const QByteArray head = font.fontTable("head");
    for (std::size_t i = 0; i < faces_.size(); ++i) {
        Face& face = *faces_[i];
        if (face.family == font.familyName() && face.style == font.styleName() &&
            face.weight == font.weight() && face.head == head) {
            face.sizes.push_back(font);
            return static_cast<int>(i);
        }
    }
    auto face = std::make_unique<Face>();
    face->sizes.push_back(font);
    face->family = font.familyName();
    face->style = font.styleName();
    face->weight = font.weight();
    face->head = head;
    face->hhea = font.fontTable("hhea");
    face->maxp = font.fontTable("maxp");
    face->hmtx = font.fontTable("hmtx");
    face->loca = font.fontTable("loca");
    face->glyf = font.fontTable("glyf");
    face->name = font.fontTable("name");
    face->os2 = font.fontTable("OS/2");
    face->post = font.fontTable("post");
    face->trueType = DescribeTrueType(face->Tables(), face->description);
    if (face->trueType) {
        face->glyphs.push_back(0);
        face->codes.emplace(0, 0);
        face->resources.push_back(NewResource());
    } else {
        // Outlines alone are needed: the tables go.
        face->head = face->hhea = face->maxp = face->hmtx = face->loca = face->glyf = QByteArray();
    }
    faces_.push_back(std::move(face));
    return static_cast<int>(faces_.size() - 1);
}

PdfFonts::Glyph PdfFonts::Show(int faceIndex, quint32 index) {
    Face& face = *faces_[static_cast<std::size_t>(faceIndex)];
    auto found = face.codes.find(index);
    unsigned code = 0;
    if (found != face.codes.end()) {
        code = found->second;
    } else {
        code = static_cast<unsigned>(face.glyphs.size());
        face.glyphs.push_back(index);
        face.codes.emplace(index, code);
        if (!face.trueType && code % Type3Codes == 0) face.resources.push_back(NewResource());
    }
    if (face.trueType) return {face.resources.front(), code, true};
    return {face.resources[code / Type3Codes], code % Type3Codes, false};
}

void PdfFonts::NoteCharacters(int face, const QString& text) {
    std::vector<bool>& characters = faces_[static_cast<std::size_t>(face)]->characters;
    for (QChar c : text)
        characters[c.unicode()] = true;
}

bool PdfFonts::SynthesizesBold(int faceIndex, int weight, double pixelSize) const {
    const Face& face = *faces_[static_cast<std::size_t>(faceIndex)];
    if (weight < 700) return false;
    // A face of medium weight or less is made bold by the font configuration; one of less than bold
    // weight by Qt itself, unless its style says bold, its pitch is fixed or its size is large. The
    // weight class and the bold style bit are in a face's OS/2 table, its fixed pitch in its post
    // table; a face without them (PostScript) says its weight in its style's name.
    if (face.os2.size() < 64) {
        const QString style = face.style.toLower();
        for (const char* heavy : {"bold", "black", "heavy", "demi", "semi", "extra", "ultra"})
            if (style.contains(QLatin1String(heavy))) return false;
        return true;
    }
    const auto u16 = [](const QByteArray& table, int at) {
        return static_cast<unsigned>(static_cast<unsigned char>(table[at])) << 8 |
               static_cast<unsigned char>(table[at + 1]);
    };
    const unsigned weightClass = u16(face.os2, 4);
    if (weightClass <= 500) return true;
    const bool fixedPitch = face.post.size() >= 16 && (u16(face.post, 12) != 0 || u16(face.post, 14) != 0);
    return pixelSize < 64 && weightClass < 700 && (u16(face.os2, 62) & 0x20) == 0 && !fixedPitch;
}

void PdfFonts::Write() {
    for (const std::unique_ptr<Face>& face : faces_) {
        if (face->glyphs.empty()) continue;
        if (face->trueType)
            WriteCidFont(*face);
        else
            WriteType3Fonts(*face);
    }
}

namespace {

// Each code's character: of the characters the face was asked to show, the lowest that its map turns
// into the code's glyph.
std::vector<std::pair<unsigned, char16_t>> CodeCharacters(const QRawFont& font, const std::vector<bool>& seen,
                                                          const std::unordered_map<quint32, unsigned>& codes,
                                                          const std::vector<quint32>& glyphs, unsigned first,
                                                          unsigned last) {
    std::vector<std::pair<unsigned, char16_t>> characters;
    std::vector<bool> mapped(last - first, false);
    for (unsigned c = 1; c < seen.size(); ++c) {
        if (!seen[c]) continue;
        const QChar character(static_cast<char16_t>(c));
        quint32 glyph = 0;
        int count = 1;
        if (!font.glyphIndexesForChars(&character, 1, &glyph, &count) || count != 1 || glyph == 0) continue;
        const auto code = codes.find(glyph);
        if (code == codes.end() || code->second < first || code->second >= last) continue;
        if (mapped[code->second - first]) continue;
        mapped[code->second - first] = true;
        characters.emplace_back(code->second - first, static_cast<char16_t>(c));
    }
    // A glyph no character of the texts maps to (a ligature) takes the lowest character that does.
    bool unmapped = false;
    for (unsigned code = first; code < last; ++code)
        unmapped = unmapped || (glyphs[code] != 0 && !mapped[code - first]);
    if (unmapped) {
        std::vector<QChar> all;
        for (unsigned c = 1; c < 0x10000; ++c)
            if (c < 0xD800 || c > 0xDFFF) all.emplace_back(static_cast<char16_t>(c));
        std::vector<quint32> indexes(all.size(), 0);
        int count = static_cast<int>(indexes.size());
        if (font.glyphIndexesForChars(all.data(), static_cast<int>(all.size()), indexes.data(), &count))
            for (int i = 0; i < count; ++i) {
                const quint32 glyph = indexes[static_cast<std::size_t>(i)];
                const auto code = glyph == 0 ? codes.end() : codes.find(glyph);
                if (code == codes.end() || code->second < first || code->second >= last ||
                    mapped[code->second - first])
                    continue;
                mapped[code->second - first] = true;
                characters.emplace_back(code->second - first, all[static_cast<std::size_t>(i)].unicode());
            }
    }
    std::sort(characters.begin(), characters.end());
    return characters;
}

} // namespace

void PdfFonts::WriteCidFont(Face& face) {
    TrueTypeDescription d = face.description;
    std::vector<std::uint16_t> glyphs(face.glyphs.begin(), face.glyphs.end());
    TrueTypeSubsetMeasures measures;
    const std::string subset = SubsetTrueType(face.Tables(), glyphs, measures);
    std::vector<int>& advances = measures.advances;
    if (subset.empty()) {
        // A damaged face: the widths as the font engine gives them, and no outlines.
        const QRawFont& font = face.sizes.front();
        const QList<QPointF> scaled = font.advancesForGlyphIndexes(
            QList<quint32>(face.glyphs.begin(), face.glyphs.end()), QRawFont::SeparateAdvances);
        advances.clear();
        for (const QPointF& advance : scaled)
            advances.push_back(static_cast<int>(std::lround(advance.x() * d.unitsPerEm / font.pixelSize())));
        advances.resize(glyphs.size(), 0);
    } else {
        const auto thousandths = [&](int units) { return units * 1000 / d.unitsPerEm; };
        d.xMin = thousandths(measures.xMin);
        d.yMin = thousandths(measures.yMin);
        d.xMax = thousandths(measures.xMax);
        d.yMax = thousandths(measures.yMax);
    }

    const int type0 = resources_[static_cast<std::size_t>(face.resources.front())].object;
    const int cidFont = file_.Reserve();
    const int descriptor = file_.Reserve();
    const int fontFile = subset.empty() ? 0 : file_.Reserve();
    const int toUnicode = file_.Reserve();
    // Six capitals before the name mark a subset; the object number keeps them apart.
    std::string name;
    for (int n = type0, i = 0; i < 6; ++i, n /= 26)
        name += static_cast<char>('A' + n % 26);
    name += '+' + d.postScriptName;

    std::string& type0Text = file_.Begin(type0);
    type0Text +=
        "<< /Type /Font /Subtype /Type0 /BaseFont /" + name + " /Encoding /Identity-H /DescendantFonts [";
    AppendInt(type0Text, cidFont);
    type0Text += "0 R] /ToUnicode ";
    AppendInt(type0Text, toUnicode);
    type0Text += "0 R >>";
    file_.End();

    std::string& cid = file_.Begin(cidFont);
    cid += "<< /Type /Font /Subtype /CIDFontType2 /BaseFont /" + name +
           " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >> /FontDescriptor ";
    AppendInt(cid, descriptor);
    cid += "0 R /CIDToGIDMap /Identity /W [0 [";
    for (int advance : advances)
        AppendInt(cid, static_cast<long long>(std::lround(advance * 1000.0 / d.unitsPerEm)));
    cid += "]] >>";
    file_.End();

    std::string& text = file_.Begin(descriptor);
    text += "<< /Type /FontDescriptor /FontName /" + name + " /Flags 4 /FontBBox [";
    for (int value : {d.xMin, d.yMin, d.xMax, d.yMax})
        AppendInt(text, value);
    text += "] /ItalicAngle ";
    AppendReal(text, d.italicAngle);
    text += "/Ascent ";
    AppendInt(text, d.ascent);
    text += "/Descent ";
    AppendInt(text, d.descent);
    text += "/CapHeight ";
    AppendInt(text, d.capHeight);
    text += "/StemV 80 ";
    if (fontFile != 0) {
        text += "/FontFile2 ";
        AppendInt(text, fontFile);
        text += "0 R ";
    }
    text += ">>";
    file_.End();

    if (fontFile != 0) file_.Stream(fontFile, " /Length1 " + std::to_string(subset.size()), subset, true);
    const unsigned count = static_cast<unsigned>(face.glyphs.size());
    file_.Stream(
        toUnicode, "",
        ToUnicodeMap(CodeCharacters(face.sizes.front(), face.characters, face.codes, face.glyphs, 0, count),
                     true),
        true);
}

void PdfFonts::WriteType3Fonts(Face& face) {
    // The outlines in units of the em, which the glyph descriptions scale to thousandths.
    // A face Qt's engine makes bold gives thickened outlines: they come from the face asked for by its
    // style's name instead, which it shows as it is.
    const QRawFont& shown = face.sizes.front();
    const double unitsPerEm = std::max(1.0, shown.unitsPerEm());
    QFont plain(shown.familyName());
    plain.setStyleName(shown.styleName());
    plain.setPixelSize(static_cast<int>(unitsPerEm));
    QRawFont em = QRawFont::fromFont(plain);
    if (!em.isValid() || em.familyName() != shown.familyName() || em.styleName() != shown.styleName()) {
        em = shown;
        em.setPixelSize(unitsPerEm);
    }
    const double scale = 1000.0 / unitsPerEm;
    const auto glyphCount = static_cast<unsigned>(face.glyphs.size());
    for (std::size_t slice = 0; slice < face.resources.size(); ++slice) {
        const unsigned first = static_cast<unsigned>(slice) * Type3Codes;
        const unsigned last = std::min(glyphCount, first + Type3Codes);
        const QList<quint32> indexes(face.glyphs.begin() + first, face.glyphs.begin() + last);
        const QList<QPointF> advances = em.advancesForGlyphIndexes(indexes, QRawFont::SeparateAdvances);
        std::vector<int> procedures;
        std::vector<long long> widths;
        // The font's box holds every glyph's box whole, or a renderer declines to keep the glyphs' images.
        std::array<long long, 4> box = {0, 0, 0, 0};
        for (qsizetype i = 0; i < indexes.size(); ++i) {
            const QPainterPath path = em.pathForGlyph(indexes[i]);
            const QRectF bounds = path.boundingRect();
            const long long width = std::lround((i < advances.size() ? advances[i].x() : 0) * scale);
            widths.push_back(width);
            std::string glyph;
            AppendInt(glyph, width);
            glyph += "0 ";
            const std::array<long long, 4> glyphBox = {std::lround(std::floor(bounds.left() * scale)),
                                                       std::lround(std::floor(-bounds.bottom() * scale)),
                                                       std::lround(std::ceil(bounds.right() * scale)),
                                                       std::lround(std::ceil(-bounds.top() * scale))};
            for (std::size_t k = 0; k < 4; ++k) {
                AppendInt(glyph, glyphBox[k]);
                box[k] = k < 2 ? std::min(box[k], glyphBox[k]) : std::max(box[k], glyphBox[k]);
            }
            glyph += "d1\n";
            for (int e = 0; e < path.elementCount(); ++e) {
                const QPainterPath::Element element = path.elementAt(e);
                AppendReal(glyph, element.x * scale);
                AppendReal(glyph, -element.y * scale);
                if (element.type == QPainterPath::MoveToElement) {
                    glyph += "m\n";
                } else if (element.type == QPainterPath::LineToElement) {
                    glyph += "l\n";
                } else if (element.type == QPainterPath::CurveToElement && e + 2 < path.elementCount()) {
                    for (int k = 1; k <= 2; ++k) {
                        AppendReal(glyph, path.elementAt(e + k).x * scale);
                        AppendReal(glyph, -path.elementAt(e + k).y * scale);
                    }
                    glyph += "c\n";
                    e += 2;
                }
            }
            glyph += "f\n";
            const int procedure = file_.Reserve();
            file_.Stream(procedure, "", glyph, glyph.size() > 256);
            procedures.push_back(procedure);
        }
        const int toUnicode = file_.Reserve();
        std::string& font = file_.Begin(resources_[static_cast<std::size_t>(face.resources[slice])].object);
        font += "<< /Type /Font /Subtype /Type3 /FontBBox [";
        for (long long value : box)
            AppendInt(font, value);
        font += "] /FontMatrix [0.001 0 0 0.001 0 0] /Resources << >> /CharProcs <<";
        for (std::size_t i = 0; i < procedures.size(); ++i) {
            font += " /g" + std::to_string(i) + ' ';
            AppendInt(font, procedures[i]);
            font += "0 R";
        }
        font += " >> /Encoding << /Type /Encoding /Differences [0";
        for (std::size_t i = 0; i < procedures.size(); ++i)
            font += " /g" + std::to_string(i);
        font += "] >> /FirstChar 0 /LastChar ";
        AppendInt(font, static_cast<long long>(procedures.size() - 1));
        font += "/Widths [";
        for (long long width : widths)
            AppendInt(font, width);
        font += "] /ToUnicode ";
        AppendInt(font, toUnicode);
        font += "0 R >>";
        file_.End();
        file_.Stream(toUnicode, "",
                     ToUnicodeMap(CodeCharacters(face.sizes.front(), face.characters, face.codes, face.glyphs,
                                                 first, last),
                                  false),
                     true);
    }
}

} // namespace platform::qt
