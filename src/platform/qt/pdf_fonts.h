#pragma once
// The fonts of a PDF file: each face the pages show, embedded with the glyphs they use. A TrueType face
// becomes a CID font (two-byte codes, a TrueType subset of its own outlines); a face of other outlines
// (PostScript, CFF) a Type 3 font whose glyphs are its outlines as paths. Both carry a map back to the
// characters, so the text can be selected and searched.

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

    // Where a glyph is shown from: the resource name of its font and its code there.
    struct Glyph {
        int resource = 0; // an index into Resources()
        unsigned code = 0;
        bool twoBytes = true;
    };
    // The face of `font` (any of its sizes), added on first use.
    int FaceOf(const QRawFont& font);
    // Glyph `index` of face `face`, added on first use.
    Glyph Show(int face, quint32 index);
    // Characters that face `face` shows, for the map back from glyphs to characters.
    void NoteCharacters(int face, const QString& text);
    // Whether Qt's font engine makes face `face` bold itself, at `weight` (1 to 1000) and `pixelSize`:
    // a face of less weight and no bold style, not of fixed pitch, below 64 pixels.
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
    int NewResource();
    void WriteCidFont(Face& face);
    void WriteType3Fonts(Face& face);

    PdfFile& file_;
    std::vector<std::unique_ptr<Face>> faces_;
    std::vector<Resource> resources_;
};

} // namespace platform::qt
