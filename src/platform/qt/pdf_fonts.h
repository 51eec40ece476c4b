#pragma once
// The fonts of a PDF file: each face the pages show, embedded in the form PDF has for its outlines,
// with a map back to the characters so the text can be selected and searched. A TrueType face is cut
// down to the glyphs shown by HarfBuzz's subsetter, as is a CFF-based one (its CFF font alone), each
// a CID font whose two-byte codes are the glyphs' own numbers; a face the subsetter refuses goes
// whole. A Type 1 face, which the subsetter cannot read, goes whole as fonts of single-byte codes
// naming its glyphs, 256 a font. A face of none of these (one without a readable file, a CID-keyed
// CFF face) has no font: its glyphs are drawn as their outlines.

#include "platform/qt/pdf_syntax.h"

#include <QRawFont>
#include <QString>

#include <memory>
#include <string>
#include <vector>

namespace platform::qt {

class PdfFonts {
  public:
    explicit PdfFonts(PdfFile& file);
    ~PdfFonts();
    PdfFonts(const PdfFonts&) = delete;
    PdfFonts& operator=(const PdfFonts&) = delete;

    // Where a glyph is shown from: its face's font (an index into Resources()) and its code there, of
    // `bytes` bytes.
    struct Glyph {
        int resource = 0;
        unsigned code = 0;
        int bytes = 2;
    };
    // The face of `font` (any of its sizes), added on first use.
    int FaceOf(const QRawFont& font);
    // Whether face `face` has a font to show its glyphs with; its glyphs are drawn as outlines if not.
    bool Embeds(int face) const;
    // Glyph `index` of face `face`, added on first use.
    Glyph Show(int face, quint32 index);
    // Characters that face `face` shows, for the map back from glyphs to characters.
    void NoteCharacters(int face, const QString& text);
    // Whether Qt's font engine makes `font` bold itself, as its own PDF engine tells it by showing the
    // glyphs twice.
    static bool SynthesizesBold(const QRawFont& font);

    // The fonts' resource names ("F1", ...) with their object numbers, in order.
    struct Resource {
        std::string name;
        int object = 0;
    };
    const std::vector<Resource>& Resources() const { return resources_; }
    // Writes every font into the file.
    void Write();

  private:
    struct Face;
    void WriteFont(Face& face);
    void WriteType1(Face& face);
    int AddResource();

    struct FreeType;
    PdfFile& file_;
    std::unique_ptr<FreeType> freeType_; // for Type 1 faces, made when the first is met
    std::vector<std::unique_ptr<Face>> faces_;
    std::vector<Resource> resources_;
};

} // namespace platform::qt
