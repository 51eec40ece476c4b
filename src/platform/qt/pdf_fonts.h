#pragma once
// The fonts of a PDF file: each face the pages show, embedded in a font of its own, with a map back to
// the characters so the text can be selected and searched. A TrueType face is cut down to the glyphs
// shown by HarfBuzz's subsetter, as is a CFF-based one (its CFF font alone) and a named instance of a
// variable face (its axes pinned there), each a CID font of two-byte codes: the glyphs' own numbers,
// or the CIDs of a CID-keyed face. Where the cut face lacks its outlines or holds other glyphs than
// Qt draws, and for a face of no such file, the CID font is a CFF font made from the outlines Qt gives
// for the face. A Type 1 face, which the subsetter cannot read, goes whole as fonts of single-byte
// codes naming its glyphs, 256 a font; a face of pictures alone (colour emoji) or of bitmaps alone,
// and a glyph Qt paints from a bitmap alone, as Type 3 fonts of single-byte codes whose glyphs are the
// pictures Qt draws.

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
    // The face of `font` (any of its sizes, but for a face of bitmaps alone, whose every size is a face
    // of its own), added on first use.
    int FaceOf(const QRawFont& font);
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
    Glyph FirstShow(Face& face, quint32 index);
    void WriteFont(Face& face);
    void WriteType1(Face& face);
    void WritePictures(Face& face);
    int AddResource();

    struct FreeType;
    PdfFile& file_;
    std::unique_ptr<FreeType> freeType_; // for faces other than TrueType ones, made when the first is met
    std::vector<std::unique_ptr<Face>> faces_;
    std::vector<Resource> resources_;
};

} // namespace platform::qt
