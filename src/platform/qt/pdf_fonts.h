#pragma once
// The fonts of a PDF file: each face the pages show, embedded as a CID font of two-byte codes with the
// glyphs they use, as a TrueType subset: of the face's own outlines for a TrueType face, or made from
// its outlines for a face of others (PostScript, CFF). Each carries a map back to the characters, so
// the text can be selected and searched.

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

    // Where a glyph is shown from: its face's font (an index into Resources()) and its code there.
    struct Glyph {
        int resource = 0;
        unsigned code = 0;
    };
    // The face of `font` (any of its sizes), added on first use.
    int FaceOf(const QRawFont& font);
    // Glyph `index` of face `face`, added on first use.
    Glyph Show(int face, quint32 index);
    // Characters that face `face` shows, for the map back from glyphs to characters.
    void NoteCharacters(int face, const QString& text);
    // Whether Qt's font engine makes face `face` bold itself, at `weight` (1 to 1000) and `pixelSize`.
    bool SynthesizesBold(int face, int weight, double pixelSize) const;

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

    PdfFile& file_;
    std::vector<std::unique_ptr<Face>> faces_;
    std::vector<Resource> resources_;
};

} // namespace platform::qt
