#include "platform/qt/pdf_fonts.h"

#include "platform/qt/font_table_reader.h"
#include "platform/qt/truetype_subset.h"

#include <QByteArray>
#include <QFont>
#include <QList>
#include <QPainterPath>
#include <QPointF>

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <utility>

namespace platform::qt {

namespace {

// The map from codes back to characters, in blocks of at most a hundred as readers expect.
std::string ToUnicodeMap(const std::vector<std::pair<unsigned, char16_t>>& characters) {
    std::string map = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                      "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                      "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n1 begincodespacerange\n"
                      "<0000> <FFFF>\nendcodespacerange\n";
    for (std::size_t start = 0; start < characters.size(); start += 100) {
        const std::size_t end = std::min(characters.size(), start + 100);
        AppendInt(map, static_cast<long long>(end - start));
        map += "beginbfchar\n";
        for (std::size_t i = start; i < end; ++i) {
            AppendHexCode(map, characters[i].first);
            map += ' ';
            AppendHexCode(map, characters[i].second);
            map += '\n';
        }
        map += "endbfchar\n";
    }
    map += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
    return map;
}

// Each code's character: of the characters the face was asked to show, the lowest its map turns into
// the code's glyph; a glyph no such character gives (a ligature) takes the lowest character that does.
std::vector<std::pair<unsigned, char16_t>> CodeCharacters(const QRawFont& font, const std::vector<bool>& seen,
                                                          const std::unordered_map<quint32, unsigned>& codes,
                                                          const std::vector<quint32>& glyphs) {
    std::vector<std::pair<unsigned, char16_t>> characters;
    std::vector<bool> mapped(glyphs.size(), false);
    const auto take = [&](char16_t c, quint32 glyph) {
        const auto code = glyph == 0 ? codes.end() : codes.find(glyph);
        if (code == codes.end() || mapped[code->second]) return;
        mapped[code->second] = true;
        characters.emplace_back(code->second, c);
    };
    for (unsigned c = 1; c < seen.size(); ++c) {
        if (!seen[c]) continue;
        const QChar character(static_cast<char16_t>(c));
        quint32 glyph = 0;
        int count = 1;
        if (font.glyphIndexesForChars(&character, 1, &glyph, &count) && count == 1)
            take(character.unicode(), glyph);
    }
    bool unmapped = false;
    for (std::size_t code = 1; code < glyphs.size(); ++code)
        unmapped = unmapped || (glyphs[code] != 0 && !mapped[code]);
    if (unmapped) {
        std::vector<QChar> all;
        for (unsigned c = 1; c < 0x10000; ++c)
            if (c < 0xD800 || c > 0xDFFF) all.emplace_back(static_cast<char16_t>(c));
        std::vector<quint32> indexes(all.size(), 0);
        int count = static_cast<int>(indexes.size());
        if (font.glyphIndexesForChars(all.data(), static_cast<int>(all.size()), indexes.data(), &count))
            for (int i = 0; i < count; ++i)
                take(all[static_cast<std::size_t>(i)].unicode(), indexes[static_cast<std::size_t>(i)]);
    }
    std::sort(characters.begin(), characters.end());
    return characters;
}

// A cubic curve from `from` as quadratic ones, each within half a font unit of it: halved until the
// one quadratic that meets both ends' tangents halfway stays that close.
void AppendCubic(std::vector<QPointF>& controls, std::vector<QPointF>& ends, QPointF from, QPointF c1,
                 QPointF c2, QPointF to, int depth = 0) {
    const QPointF third = to - 3 * c2 + 3 * c1 - from;
    const double error = std::sqrt(third.x() * third.x() + third.y() * third.y()) * std::sqrt(3.0) / 36.0;
    if (error <= 0.5 || depth >= 8) {
        controls.push_back((3 * (c1 + c2) - from - to) / 4);
        ends.push_back(to);
        return;
    }
    const QPointF a = (from + c1) / 2, b = (c1 + c2) / 2, c = (c2 + to) / 2;
    const QPointF ab = (a + b) / 2, bc = (b + c) / 2, middle = (ab + bc) / 2;
    AppendCubic(controls, ends, from, a, ab, middle, depth + 1);
    AppendCubic(controls, ends, middle, bc, c, to, depth + 1);
}

// A glyph's outline in font units, y upwards, from its path in pixels of an em-sized face, y downwards.
OutlineGlyph OutlineOf(const QPainterPath& path, int advance) {
    OutlineGlyph glyph;
    glyph.advance = advance;
    const auto point = [](QPointF p, bool onCurve) {
        return OutlinePoint{static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(-p.y())),
                            onCurve};
    };
    QPointF current;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.type == QPainterPath::MoveToElement) {
            glyph.contours.emplace_back();
            glyph.contours.back().push_back(point(e, true));
        } else if (glyph.contours.empty()) {
            continue;
        } else if (e.type == QPainterPath::LineToElement) {
            glyph.contours.back().push_back(point(e, true));
        } else if (e.type == QPainterPath::CurveToElement && i + 2 < path.elementCount()) {
            std::vector<QPointF> controls, ends;
            AppendCubic(controls, ends, current, e, path.elementAt(i + 1), path.elementAt(i + 2));
            for (std::size_t k = 0; k < controls.size(); ++k) {
                glyph.contours.back().push_back(point(controls[k], false));
                glyph.contours.back().push_back(point(ends[k], true));
            }
            i += 2;
        }
        current = path.elementAt(i);
    }
    // A contour closes by itself: a last point on its first goes.
    for (auto& contour : glyph.contours)
        if (contour.size() > 1 && contour.back().onCurve && contour.back().x == contour.front().x &&
            contour.back().y == contour.front().y)
            contour.pop_back();
    return glyph;
}

} // namespace

struct PdfFonts::Face {
    std::vector<QRawFont> sizes; // every size met; the first serves for tables and outlines
    QString family;
    QString style;
    QByteArray head, hhea, maxp, hmtx, loca, glyf, name, os2, post;
    TrueTypeDescription description;
    bool trueType = false;       // of TrueType outlines, which the subset copies
    std::vector<quint32> glyphs; // in code order; code 0 is glyph 0
    std::unordered_map<quint32, unsigned> codes;
    int resource = 0;
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

int PdfFonts::FaceOf(const QRawFont& font) {
    for (std::size_t i = 0; i < faces_.size(); ++i)
        for (const QRawFont& size : faces_[i]->sizes)
            if (size == font) return static_cast<int>(i);
    // Another size of a face met before: the same tables.
    const QByteArray head = font.fontTable("head");
    for (std::size_t i = 0; i < faces_.size(); ++i) {
        Face& face = *faces_[i];
        if (face.family == font.familyName() && face.style == font.styleName() && face.head == head) {
            face.sizes.push_back(font);
            return static_cast<int>(i);
        }
    }
    auto face = std::make_unique<Face>();
    face->sizes.push_back(font);
    face->family = font.familyName();
    face->style = font.styleName();
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
    face->glyphs.push_back(0);
    face->codes.emplace(0, 0);
    face->resource = static_cast<int>(resources_.size());
    Resource resource;
    resource.name = 'F';
    resource.name += std::to_string(resources_.size() + 1);
    resource.object = file_.Reserve();
    resources_.push_back(std::move(resource));
    faces_.push_back(std::move(face));
    return static_cast<int>(faces_.size() - 1);
}

PdfFonts::Glyph PdfFonts::Show(int faceIndex, quint32 index) {
    Face& face = *faces_[static_cast<std::size_t>(faceIndex)];
    const auto [found, added] = face.codes.emplace(index, static_cast<unsigned>(face.glyphs.size()));
    if (added) face.glyphs.push_back(index);
    return {face.resource, found->second};
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
    const TrueTypeTables tables = face.Tables();
    TableReader os2{tables.os2}, post{tables.post};
    const unsigned weightClass = os2.U16(4);
    if (weightClass <= 500) return true;
    const bool fixedPitch = tables.post.size() >= 16 && (post.U16(12) != 0 || post.U16(14) != 0);
    return pixelSize < 64 && weightClass < 700 && (os2.U16(62) & 0x20) == 0 && !fixedPitch;
}

void PdfFonts::Write() {
    for (const std::unique_ptr<Face>& face : faces_)
        WriteFont(*face);
}

void PdfFonts::WriteFont(Face& face) {
    TrueTypeDescription d = face.description;
    TrueTypeSubsetMeasures measures;
    std::string program;
    if (face.trueType) {
        program = SubsetTrueType(
            face.Tables(), std::vector<std::uint16_t>(face.glyphs.begin(), face.glyphs.end()), measures);
    } else {
        // Outlines of the face itself, in its units: a face Qt's engine makes bold gives thickened
        // ones, so the face is asked for by its style's name instead, which it shows as it is.
        const QRawFont& shown = face.sizes.front();
        const int unitsPerEm = std::clamp(static_cast<int>(std::lround(shown.unitsPerEm())), 16, 16384);
        QFont plain(shown.familyName());
        plain.setStyleName(shown.styleName());
        plain.setPixelSize(unitsPerEm);
        QRawFont em = QRawFont::fromFont(plain);
        if (!em.isValid() || em.familyName() != shown.familyName() || em.styleName() != shown.styleName()) {
            em = shown;
            em.setPixelSize(unitsPerEm);
        }
        const QList<quint32> indexes(face.glyphs.begin(), face.glyphs.end());
        const QList<QPointF> advances = em.advancesForGlyphIndexes(indexes, QRawFont::SeparateAdvances);
        std::vector<OutlineGlyph> outlines;
        for (qsizetype i = 0; i < indexes.size(); ++i)
            outlines.push_back(
                OutlineOf(em.pathForGlyph(indexes[i]),
                          i < advances.size() ? static_cast<int>(std::lround(advances[i].x())) : 0));
        const int ascent = static_cast<int>(std::lround(em.ascent()));
        const int descent = static_cast<int>(std::lround(em.descent()));
        program = TrueTypeFromOutlines(unitsPerEm, ascent, -descent, outlines, measures);
        // The face's own measures where its tables give them, as Qt's engine read them.
        if (!DescribeFace(face.Tables(), d) || d.unitsPerEm != unitsPerEm) {
            d.unitsPerEm = unitsPerEm;
            d.ascent = ascent;
            d.descent = -descent;
            d.xMin = measures.xMin;
            d.yMin = measures.yMin;
            d.xMax = measures.xMax;
            d.yMax = measures.yMax;
            d.postScriptName.clear();
        }
        if (d.postScriptName.empty()) {
            for (QChar c : shown.familyName() + shown.styleName())
                if (c.isLetterOrNumber() && c.unicode() < 127)
                    d.postScriptName += static_cast<char>(c.unicode());
        }
        if (d.postScriptName.empty()) d.postScriptName = "Font";
    }
    std::vector<int>& advances = measures.advances;
    if (program.empty()) {
        // A damaged face: the widths as the font engine gives them, and no outlines.
        const QRawFont& font = face.sizes.front();
        const QList<QPointF> scaled = font.advancesForGlyphIndexes(
            QList<quint32>(face.glyphs.begin(), face.glyphs.end()), QRawFont::SeparateAdvances);
        advances.clear();
        for (const QPointF& advance : scaled)
            advances.push_back(static_cast<int>(std::lround(advance.x() * d.unitsPerEm / font.pixelSize())));
        advances.resize(face.glyphs.size(), 0);
    }

    const int type0 = resources_[static_cast<std::size_t>(face.resource)].object;
    const int cidFont = file_.Reserve();
    const int descriptor = file_.Reserve();
    const int fontFile = program.empty() ? 0 : file_.Reserve();
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

    std::string& cid = file_.Begin(cidFont);
    cid += "<< /Type /Font /Subtype /CIDFontType2 /BaseFont /" + name +
           " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >> /FontDescriptor ";
    AppendReference(cid, descriptor);
    cid += " /CIDToGIDMap /Identity /W [0 [";
    for (int advance : advances)
        AppendInt(cid, static_cast<long long>(std::lround(advance * 1000.0 / d.unitsPerEm)));
    cid += "]] >>";
    file_.End();

    std::string& text = file_.Begin(descriptor);
    // In thousandths of the em, the face's box and its ascent for the height of its capitals, as Qt's
    // engine gave them: a reader lays extracted text out by them.
    const auto thousandths = [&](int units) { return units * 1000.0 / d.unitsPerEm; };
    text += "<< /Type /FontDescriptor /FontName /" + name + " /Flags 4 /FontBBox [";
    for (int value : {d.xMin, d.yMin, d.xMax, d.yMax})
        AppendReal(text, thousandths(value));
    text += "] /ItalicAngle ";
    AppendReal(text, d.italicAngle);
    text += "/Ascent ";
    AppendReal(text, thousandths(d.ascent));
    text += "/Descent ";
    AppendReal(text, thousandths(d.descent));
    text += "/CapHeight ";
    AppendReal(text, thousandths(d.ascent));
    text += "/StemV 80 ";
    if (fontFile != 0) {
        text += "/FontFile2 ";
        AppendReference(text, fontFile);
        text += " ";
    }
    text += ">>";
    file_.End();

    if (fontFile != 0) file_.Stream(fontFile, " /Length1 " + std::to_string(program.size()), program, true);
    file_.Stream(toUnicode, "",
                 ToUnicodeMap(CodeCharacters(face.sizes.front(), face.characters, face.codes, face.glyphs)),
                 true);
}

} // namespace platform::qt
