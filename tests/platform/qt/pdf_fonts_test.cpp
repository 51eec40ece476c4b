// The PDF writer's texts look as Qt's own PDF engine prints them, in every reader: poppler (pdftoppm),
// MuPDF (mutool draw) and Ghostscript read the writer's fonts without a complaint and render its page
// and the page of a QPrinter in PDF format from the same printout alike, but for the grey of the
// glyphs' edges. The faces are a damaged TrueType face, a semi-bold CFF face at more than 64 pixels
// and Type 1 faces, made bold by Qt's engine where they have no bold of their own. A face of bitmaps,
// which Qt's engine prints blank, is held to what the view paints.
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_text_renderer.h"

#include <QByteArray>
#include <QFile>
#include <QFontDatabase>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <regex>
#include <string>
#include <vector>

using namespace platform;

namespace {

// Texts in `face` at `weight`, in the top left of the page, one under another, each `cell` pixels high
// (or as high as `cells` makes it) and two of its cells above the next.
class OneText : public Printout {
  public:
    OneText(std::string face, int cell, int weight, std::vector<std::string> texts = {"Kitchen 4.20 m"})
        : face_(std::move(face)), cells_(texts.size(), cell), weight_(weight), texts_(std::move(texts)) {}
    OneText(std::string face, std::vector<int> cells, const std::string& text)
        : face_(std::move(face)), cells_(std::move(cells)), weight_(400), texts_(cells_.size(), text) {}
    PageRange GetDialogInfo() override { return {1, 1, 1, 1}; }
    bool HasPage(int page) override { return page <= 1; }
    void PrintPage(int, DeviceContext& dc, Size, int) override {
        dc.SetBkMode(BackgroundMode::Transparent);
        Font font;
        font.face = face_;
        font.weight = weight_;
        for (std::size_t i = 0, y = 100; i < texts_.size(); y += 2 * cells_[i], ++i) {
            font.height = cells_[i];
            dc.SelectFont(font);
            dc.TextOut(100, static_cast<int>(y), texts_[i]);
        }
    }

  private:
    std::string face_;
    std::vector<int> cells_;
    int weight_;
    std::vector<std::string> texts_;
};

// A page rendered in grey at 300 pixels per inch, one byte a pixel.
struct GreyPage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;
};

bool ReadPgm(const std::string& file, GreyPage& page) {
    std::ifstream in(file, std::ios::binary);
    std::string magic;
    in >> magic;
    // Ghostscript writes a comment after the magic number.
    while (in >> std::ws && in.peek() == '#')
        in.ignore(1 << 20, '\n');
    int depth = 0;
    in >> page.width >> page.height >> depth;
    in.get();
    page.pixels.resize(static_cast<std::size_t>(page.width) * page.height);
    in.read(reinterpret_cast<char*>(page.pixels.data()), static_cast<std::streamsize>(page.pixels.size()));
    return magic == "P5" && depth == 255 && in.good();
}

// The readers, each rendering a PDF file's first page into a PGM file.
const char* const Readers[] = {
    "pdftoppm -gray -r 300 -singlefile '%1' '%2' && mv '%2.pgm' '%2'",
    "mutool draw -q -r 300 -c gray -o '%2' '%1' 1",
    ("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=pgmraw -r300 -dTextAlphaBits=4 -dGraphicsAlphaBits=4 "
     "-dFirstPage=1 -dLastPage=1 -sOutputFile='%2' '%1'"),
};

// Renders `pdf` with `reader` into `image`; what the reader complained of, its lines that speak of an
// error (a font it could not read and replaced by one of the system's), goes into `errors`.
bool Render(const char* reader, const std::string& pdf, const std::string& image, GreyPage& page,
            std::string& errors) {
    std::string command = std::string("(") + reader + ") 2> '%2.log'";
    for (std::size_t at = command.find("%1"); at != std::string::npos; at = command.find("%1"))
        command.replace(at, 2, pdf);
    for (std::size_t at = command.find("%2"); at != std::string::npos; at = command.find("%2"))
        command.replace(at, 2, image);
    const bool rendered = std::system(command.c_str()) == 0 && ReadPgm(image, page);
    std::ifstream log(image + ".log");
    for (std::string line; std::getline(log, line);)
        if (line.find("rror") != std::string::npos) errors += line + '\n';
    return rendered;
}

// How two renderings of a page differ: the pixels inked in either (darker than mid-grey), and of them
// those darker than mid-grey in one but lighter than a quarter grey in the other, which no shade of an
// edge explains.
struct Difference {
    int inked = 0;
    int contrary = 0;
};

Difference Compare(const GreyPage& a, const GreyPage& b) {
    Difference d;
    if (a.width != b.width || a.height != b.height) return {0, -1};
    for (std::size_t i = 0; i < a.pixels.size(); ++i) {
        const int p = a.pixels[i], q = b.pixels[i];
        if (p < 128 || q < 128) ++d.inked;
        if ((p < 128 && q > 192) || (q < 128 && p > 192)) ++d.contrary;
    }
    return d;
}

// The ink of a rendered page (pixels darker than mid-grey), or of its rows from `top` to `bottom`, and
// the box that holds it.
struct Ink {
    int pixels = 0;
    int left = 0, top = 0, right = -1, bottom = -1;
    int Width() const { return right - left + 1; }
    int Height() const { return bottom - top + 1; }
};

Ink InkOf(const GreyPage& page, int top = 0, int bottom = 1 << 30) {
    Ink ink;
    ink.left = page.width;
    ink.top = page.height;
    for (int y = top; y < std::min(bottom, page.height); ++y)
        for (int x = 0; x < page.width; ++x)
            if (page.pixels[static_cast<std::size_t>(y) * page.width + x] < 128) {
                ++ink.pixels;
                ink.left = std::min(ink.left, x), ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y), ink.bottom = std::max(ink.bottom, y);
            }
    return ink;
}

// How the rows from `top`, `height` high, differ from those `shift` rows below them.
Difference CompareBands(const GreyPage& page, int top, int height, int shift) {
    Difference d;
    if (top + height + shift > page.height) return {0, -1};
    for (int y = top; y < top + height; ++y)
        for (int x = 0; x < page.width; ++x) {
            const int p = page.pixels[static_cast<std::size_t>(y) * page.width + x];
            const int q = page.pixels[static_cast<std::size_t>(y + shift) * page.width + x];
            if (p < 128 || q < 128) ++d.inked;
            if ((p < 128 && q > 192) || (q < 128 && p > 192)) ++d.contrary;
        }
    return d;
}

// Every reader showed the two pages alike: at least `inked` pixels of ink, and fewer than 3 in 100 of
// them ink in one and paper in the other. A glyph missing, another face in its place or a stem the
// width of a bold one's shift apart makes 6 to 100 in 100 of them so.
void ExpectAlike(const std::vector<Difference>& seen, int inked) {
    for (std::size_t reader = 0; reader < seen.size(); ++reader) {
        EXPECT_GT(seen[reader].inked, inked) << Readers[reader];
        EXPECT_GE(seen[reader].contrary, 0) << Readers[reader];
        EXPECT_LT(seen[reader].contrary * 100, seen[reader].inked * 3)
            << Readers[reader] << ": " << seen[reader].contrary << " of " << seen[reader].inked;
    }
}

class PdfFonts : public testing::Test {
  protected:
    // The file the program's PDF writer makes of the printout.
    std::string PrintThroughWriter(Printout& printout) {
        std::string error;
        std::unique_ptr<PrintDocument> document = qt::OpenPdfDocument(
            {"", (folder.path() + "/WRITER.PDF").toStdString(), Paper::A4, Orientation::Portrait, 300},
            "TEXT.DB0", error);
        Printout* printouts[] = {&printout};
        return RunPrintJob(*document, printouts).bytes;
    }

    // The printout printed through the program's PDF writer, as every reader renders it.
    std::vector<GreyPage> WriterPages(Printout& printout) {
        const std::string writer = (folder.path() + "/WRITER.PDF").toStdString();
        std::ofstream(writer, std::ios::binary) << PrintThroughWriter(printout);
        std::vector<GreyPage> pages;
        for (const char* reader : Readers) {
            GreyPage page;
            std::string errors;
            EXPECT_TRUE(Render(reader, writer, (folder.path() + "/page.pgm").toStdString(), page, errors))
                << reader;
            EXPECT_EQ(errors, "") << reader;
            pages.push_back(std::move(page));
        }
        return pages;
    }

    // The printout printed through the program's PDF writer and through a QPrinter, then each file
    // rendered by every reader: what each reader shows of the two.
    std::vector<Difference> PrintBothWays(Printout& printout) {
        const std::string writer = (folder.path() + "/WRITER.PDF").toStdString();
        std::ofstream(writer, std::ios::binary) << PrintThroughWriter(printout);
        std::string error;
        Printout* printouts[] = {&printout};
        std::unique_ptr<PrintDocument> document;

        const QString qt = folder.path() + "/QT.PDF";
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(qt);
        printer.setResolution(300);
        printer.setPageSize(QPageSize(QPageSize::A4));
        document = qt::OpenPrintDocument(printer, "TEXT.DB0", error);
        RunPrintJob(*document, printouts);
        document.reset();

        // Every font of the writer's is embedded, as pdffonts lists them.
        const std::string fonts = (folder.path() + "/fonts.txt").toStdString();
        EXPECT_EQ(std::system(("pdffonts '" + writer + "' > '" + fonts + "'").c_str()), 0);
        std::ifstream listed(fonts);
        int embedded = 0;
        const std::regex columns(R"( (yes|no) +(yes|no) +(yes|no) +[0-9]+ +[0-9]+ *$)");
        for (std::string line; std::getline(listed, line);) {
            std::smatch match;
            if (!std::regex_search(line, match, columns)) continue;
            EXPECT_EQ(match[1], "yes") << line;
            ++embedded;
        }
        EXPECT_GT(embedded, 0);

        std::vector<Difference> differences;
        for (const char* reader : Readers) {
            GreyPage ours, theirs;
            const std::string image = (folder.path() + "/page").toStdString();
            std::string errors, theirErrors;
            const bool rendered = Render(reader, writer, image + "-writer.pgm", ours, errors) &&
                                  Render(reader, qt.toStdString(), image + "-qt.pgm", theirs, theirErrors);
            EXPECT_EQ(errors, "") << reader;
            if (!rendered) {
                ADD_FAILURE() << "the reader failed: " << reader;
                differences.push_back({0, -1});
                writerPages.emplace_back();
                continue;
            }
            differences.push_back(Compare(ours, theirs));
            writerPages.push_back(std::move(ours));
        }
        return differences;
    }

    // A copy of font file `from`, its name `name` made `renamed` (as many letters) wherever it is
    // written, in single bytes or in UTF-16, and registered with the application under that name.
    QByteArray RenamedFace(const QString& from, const QByteArray& name, const QByteArray& renamed) {
        QFile file(from);
        if (!file.open(QIODevice::ReadOnly)) return {};
        return Renamed(file.readAll(), name, renamed);
    }
    static QByteArray Renamed(QByteArray bytes, const QByteArray& name, const QByteArray& renamed) {
        bytes.replace(name, renamed);
        QByteArray wide, renamedWide;
        for (char c : name)
            wide.append('\0').append(c);
        for (char c : renamed)
            renamedWide.append('\0').append(c);
        bytes.replace(wide, renamedWide);
        return bytes;
    }
    bool Register(const QByteArray& bytes, const QString& fileName) {
        QFile file(folder.path() + '/' + fileName);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && (file.close(), true) &&
               QFontDatabase::addApplicationFont(file.fileName()) >= 0;
    }

    // The text pdftotext extracts from the writer's file (or another of the folder's), its lines' ends
    // and blanks as they come.
    std::string WriterText(const std::string& file = "WRITER.PDF") {
        const std::string text = (folder.path() + "/text.txt").toStdString();
        EXPECT_EQ(
            std::system(
                ("pdftotext '" + folder.path().toStdString() + '/' + file + "' '" + text + "'").c_str()),
            0);
        std::ifstream in(text, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    QTemporaryDir folder;
    std::vector<GreyPage> writerPages; // the writer's page as each reader rendered it
};

unsigned Read16(const QByteArray& bytes, qsizetype at) {
    return static_cast<unsigned>(static_cast<unsigned char>(bytes[at])) << 8 |
           static_cast<unsigned char>(bytes[at + 1]);
}

void Write16(QByteArray& bytes, qsizetype at, unsigned value) {
    bytes[at] = static_cast<char>(value >> 8 & 0xFF);
    bytes[at + 1] = static_cast<char>(value & 0xFF);
}

// Where the record of table `tag` lies in a font file's table directory, or -1.
qsizetype RecordOf(const QByteArray& font, const char* tag) {
    for (unsigned i = 0; i < Read16(font, 4); ++i) {
        const qsizetype record = 12 + 16 * static_cast<qsizetype>(i);
        if (font.mid(record, 4) == tag) return record;
    }
    return -1;
}

// Where table `tag` of a font file starts, or -1.
qsizetype TableAt(const QByteArray& font, const char* tag) {
    const qsizetype record = RecordOf(font, tag);
    return record < 0 ? -1 : Read16(font, record + 8) << 16 | Read16(font, record + 10);
}

// Where the tables that lead to a glyph's outline lie in a TrueType font file of long glyph offsets;
// all 0 where one is missing or the offsets are short.
struct GlyphTables {
    qsizetype maxp = 0, loca = 0, glyf = 0;
};

GlyphTables GlyphTablesOf(const QByteArray& font) {
    const qsizetype head = TableAt(font, "head");
    const GlyphTables tables{TableAt(font, "maxp"), TableAt(font, "loca"), TableAt(font, "glyf")};
    if (head <= 0 || tables.maxp <= 0 || tables.loca <= 0 || tables.glyf <= 0 || Read16(font, head + 50) != 1)
        return {};
    return tables;
}

// Where the INDEX of a CFF font starting at `at` ends.
qsizetype IndexEnd(const QByteArray& font, qsizetype at) {
    const unsigned count = Read16(font, at);
    if (count == 0) return at + 2;
    const int size = static_cast<unsigned char>(font[at + 2]);
    qsizetype last = 0;
    for (int i = 0; i < size; ++i)
        last = last << 8 | static_cast<unsigned char>(font[at + 3 + count * size + i]);
    return at + 3 + (count + 1) * size + last - 1;
}

// Where the CharStrings INDEX of the CFF table at `cff` starts: the operand of operator 17 in the
// first Top DICT, or -1.
qsizetype CharStringsAt(const QByteArray& font, qsizetype cff) {
    const qsizetype names = cff + static_cast<unsigned char>(font[cff + 2]);
    const qsizetype top = IndexEnd(font, names);
    const int size = static_cast<unsigned char>(font[top + 2]);
    const qsizetype data = top + 3 + (Read16(font, top) + 1) * size - 1;
    qsizetype at = data + 1, operand = 0;
    while (at < IndexEnd(font, top)) {
        const int b = static_cast<unsigned char>(font[at]);
        if (b == 17) return cff + operand;
        if (b >= 32 && b <= 246)
            operand = b - 139, at += 1;
        else if (b >= 247 && b <= 250)
            operand = (b - 247) * 256 + static_cast<unsigned char>(font[at + 1]) + 108, at += 2;
        else if (b >= 251 && b <= 254)
            operand = -(b - 251) * 256 - static_cast<unsigned char>(font[at + 1]) - 108, at += 2;
        else if (b == 28)
            operand = static_cast<qint16>(Read16(font, at + 1)), at += 3;
        else if (b == 29)
            operand = static_cast<qint32>(Read16(font, at + 1) << 16 | Read16(font, at + 3)), at += 5;
        else if (b == 30) {
            for (++at; (font[at] & 0x0F) != 0x0F && (font[at] & 0xF0) != 0xF0; ++at) {
            }
            ++at;
        } else
            at += b == 12 ? 2 : 1;
    }
    return -1;
}

// The font programs a PDF file embeds (its streams of a TrueType or a CFF font), inflated.
std::vector<QByteArray> FontPrograms(const std::string& pdf) {
    std::vector<QByteArray> programs;
    for (std::size_t at = pdf.find(">>\nstream\n"); at != std::string::npos;
         at = pdf.find(">>\nstream\n", at)) {
        const std::string_view entries(pdf.data() + pdf.rfind("<<", at), pdf.data() + at);
        at += 10;
        const std::size_t end = pdf.find("\nendstream", at);
        if (entries.find("/Length1 ") == std::string_view::npos &&
            entries.find("/Subtype /CIDFontType0C") == std::string_view::npos)
            continue;
        // qUncompress wants the expected size in front; it grows its buffer when that is short.
        QByteArray packed("\0\0\x10\0", 4);
        packed.append(pdf.data() + at, static_cast<qsizetype>(end - at));
        programs.push_back(qUncompress(packed));
    }
    return programs;
}

} // namespace

TEST_F(PdfFonts, ADamagedFacePrintsItsTextInEveryReader) {
    // Liberation Sans under a name of its own, the start of its last glyph (which the text does not
    // use) past the end of its outlines.
    QByteArray face = RenamedFace("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
                                  "Liberation", "Spoiltface");
    ASSERT_FALSE(face.isEmpty()) << "fonts-liberation2 is missing";
    const GlyphTables tables = GlyphTablesOf(face);
    ASSERT_GT(tables.glyf, 0) << "a TrueType face of long glyph offsets";
    const qsizetype last = tables.loca + 4 * (static_cast<qsizetype>(Read16(face, tables.maxp + 4)) - 1);
    face.replace(last, 4, QByteArray("\x7f\xff\xff\xff", 4));
    ASSERT_TRUE(Register(face, "SPOILT.TTF"));

    OneText text("Spoiltface Sans", 80, 400);
    const std::vector<Difference> seen = PrintBothWays(text);
    ExpectAlike(seen, 2000);
}

TEST_F(PdfFonts, ASemiBoldFaceMadeBoldAtMoreThan64PixelsPrintsAsQtPrintsIt) {
    // URW Bookman's semi-bold CFF face alone under a name of its own: asked for bold, Qt's engine
    // shows it twice, whatever its size.
    const QByteArray face =
        RenamedFace("/usr/share/fonts/opentype/urw-base35/URWBookman-Demi.otf", "Bookman", "Bookmix");
    ASSERT_FALSE(face.isEmpty()) << "fonts-urw-base35 is missing";
    ASSERT_TRUE(Register(face, "DEMI.OTF"));
    OneText text("URW Bookmix", 120, 700);
    const std::vector<Difference> seen = PrintBothWays(text);
    ExpectAlike(seen, 5000);
}

TEST_F(PdfFonts, Type1FacesPrintAsQtPrintsThemTheirBoldMadeByQt) {
    // The system's URW Bookman and Nimbus Sans, of Type 1 faces: Bookman's bold is its semi-bold face
    // shown twice (a .pfb file, in segments), Nimbus Sans has one of its own (a .t1 file, of one piece).
    ASSERT_TRUE(QFile::exists("/usr/share/fonts/type1/urw-base35/URWBookman-Demi.t1"))
        << "fonts-urw-base35 is missing";
    for (const char* face : {"URW Bookman", "Nimbus Sans"}) {
        SCOPED_TRACE(face);
        OneText text(face, 60, 700);
        ExpectAlike(PrintBothWays(text), 2000);
    }
}

TEST_F(PdfFonts, AFileGivesTheVersionItUsesItsIdentifierAndTheFacesCapitalHeight) {
    OneText text("Liberation Sans", 80, 400);
    const std::string pdf = PrintThroughWriter(text);
    // Marked content with a replacement text, which keeps the second showing of a face made bold out
    // of the extracted text, came with version 1.5.
    EXPECT_EQ(pdf.substr(0, 9), "%PDF-1.5\n");
    EXPECT_TRUE(std::regex_search(pdf, std::regex("\nxref\n0 [0-9]+\n0000000000 65535 f \n")));
    EXPECT_TRUE(std::regex_search(pdf, std::regex("trailer\n<<[^>]* /ID \\[<([0-9A-F]{32})> <\\1>\\] >>")));
    // Liberation Sans's capitals stand 1409 of its 2048 units high.
    EXPECT_NE(pdf.find("/CapHeight 687.988281 "), std::string::npos);
}

// Whether fontconfig lists the test faces of fixtures/fonts, as it does for ctest's runs.
bool HasFixtureFaces() {
    return QFontDatabase::styles("Fixture Variable").contains("Bold");
}
constexpr const char* NoFixtureFaces =
    "fontconfig lists no test face: FONTCONFIG_FILE=build/tests/fonts.conf";

TEST_F(PdfFonts, ACidKeyedCffFacePrintsAsTextInEveryReader) {
    // Noto Sans CJK's Latin glyphs, whose CIDs are not their glyphs' numbers.
    ASSERT_TRUE(HasFixtureFaces()) << NoFixtureFaces;
    OneText text("Fixture CJK", 80, 400);
    ExpectAlike(PrintBothWays(text), 2000);
    EXPECT_NE(WriterText().find("Kitchen 4.20 m\n"), std::string::npos);
    // Its CFF font holds the 13 glyphs shown and .notdef, without an empty glyph in the place of each
    // glyph of the face up to the last shown (tens of thousands in Noto Sans CJK itself).
    const std::vector<QByteArray> programs = FontPrograms(PrintThroughWriter(text));
    ASSERT_EQ(programs.size(), 1u);
    const qsizetype charStrings = CharStringsAt(programs[0], 0);
    ASSERT_GT(charStrings, 0);
    EXPECT_EQ(Read16(programs[0], charStrings), 14u);
}

TEST_F(PdfFonts, DamagedCffFacesPrintAsTextInEveryReader) {
    // Cantarell with its CFF table's length halved in the table directory, and with the count of its
    // CharStrings INDEX doubled: HarfBuzz's subsetter makes of either a face without glyphs, FreeType
    // reads both. Of the second it reads other glyphs than the face's, without advances, as the screen
    // shows them; the text is then what Qt's engine makes of them.
    QFile fixture(KORVANE_FIXTURES_DIR "/fonts/FixtureCFF-Regular.otf");
    ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
    const QByteArray whole = fixture.readAll();
    const qsizetype record = RecordOf(whole, "CFF ");
    ASSERT_GT(record, 0);
    QByteArray halved = whole;
    const unsigned length = Read16(whole, record + 12) << 16 | Read16(whole, record + 14);
    Write16(halved, record + 12, length / 2 >> 16);
    Write16(halved, record + 14, length / 2 & 0xFFFF);
    QByteArray doubled = whole;
    const qsizetype charStrings = CharStringsAt(whole, TableAt(whole, "CFF "));
    ASSERT_GT(charStrings, 0);
    Write16(doubled, charStrings, 2 * Read16(whole, charStrings));
    ASSERT_TRUE(Register(Renamed(halved, "Fixture", "Halvedc"), "HALVED.OTF") &&
                Register(Renamed(doubled, "Fixture", "Doubled"), "DOUBLED.OTF"));
    for (const char* face : {"Halvedc CFF", "Doubled CFF"}) {
        SCOPED_TRACE(face);
        OneText text(face, 80, 400);
        ExpectAlike(PrintBothWays(text), 2000);
        EXPECT_EQ(WriterText(), WriterText("QT.PDF"));
    }
}

TEST_F(PdfFonts, Type1FacesWithoutTheirTrailerPrintAsTextInEveryReader) {
    // Nimbus Sans's .t1 file without the zeros and cleartomark at its end, and the same as a .pfa file
    // (its encrypted part in hexadecimal): FreeType and Qt read both.
    QFile t1("/usr/share/fonts/type1/urw-base35/NimbusSans-Regular.t1");
    ASSERT_TRUE(t1.open(QIODevice::ReadOnly)) << "fonts-urw-base35 is missing";
    QByteArray binary = t1.readAll();
    qsizetype start = binary.indexOf("eexec");
    ASSERT_GT(start, 0);
    for (start += 5; binary[start] == '\r' || binary[start] == '\n';)
        ++start;
    qsizetype end = binary.lastIndexOf("cleartomark");
    ASSERT_GT(end, start);
    while (end > start && (binary[end - 1] == '0' || binary[end - 1] == '\r' || binary[end - 1] == '\n'))
        --end;
    binary.truncate(end);
    QByteArray hexadecimal = binary.left(start);
    const QByteArray encrypted = binary.mid(start).toHex();
    for (qsizetype at = 0; at < encrypted.size(); at += 64)
        hexadecimal += encrypted.mid(at, 64) + '\n';
    ASSERT_TRUE(Register(Renamed(binary, "Nimbus", "Nimbub"), "CUT.T1") &&
                Register(Renamed(hexadecimal, "Nimbus", "Nimbuh"), "CUT.PFA"));
    for (const char* face : {"Nimbub Sans", "Nimbuh Sans"}) {
        SCOPED_TRACE(face);
        OneText text(face, 80, 400);
        ExpectAlike(PrintBothWays(text), 2000);
        EXPECT_NE(WriterText().find("Kitchen 4.20 m\n"), std::string::npos);
    }
}

TEST_F(PdfFonts, AVariableFacesBoldInstancePrintsAsQtPrintsIt) {
    // Inter's variable face, of which Qt's engine draws the named instance Bold.
    ASSERT_TRUE(HasFixtureFaces()) << NoFixtureFaces;
    OneText text("Fixture Variable", 80, 700);
    ExpectAlike(PrintBothWays(text), 2000);
    EXPECT_NE(WriterText().find("Kitchen 4.20 m\n"), std::string::npos);
}

TEST_F(PdfFonts, AVariableFacesDefaultInstanceGoesInWithoutItsVariations) {
    // Inter's variable face added by the application, under a name of its own, so that Qt's engine
    // draws its default instance: its outlines are those of its glyph table, its variations dead weight.
    QFile fixture(KORVANE_FIXTURES_DIR "/fonts/FixtureVariable.ttf");
    ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
    ASSERT_TRUE(Register(Renamed(fixture.readAll(), "Fixture", "Default"), "DEFAULT.TTF"));
    OneText text("Default Variable", 80, 400);
    ExpectAlike(PrintBothWays(text), 2000);
    const std::vector<QByteArray> programs = FontPrograms(PrintThroughWriter(text));
    ASSERT_EQ(programs.size(), 1u);
    ASSERT_GT(RecordOf(programs[0], "glyf"), 0);
    for (const char* tag : {"fvar", "gvar", "HVAR"})
        EXPECT_LT(RecordOf(programs[0], tag), 0) << tag;
}

TEST_F(PdfFonts, AFaceWhoseGlyphBoxesReachPastTheirOutlinesGoesInAsItsOwnProgram) {
    // Liberation Sans under a name of its own, the box in each glyph's header reaching 50 of its 2048
    // units above the outline: HarfBuzz gives a glyph's box from its header, which holds the control
    // points of its curves (Amiri's braces), Qt's engine from its outline, hinted at the size of the em
    // (Purisa's letters).
    QByteArray face = RenamedFace("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
                                  "Liberation", "Looseboxes");
    ASSERT_FALSE(face.isEmpty()) << "fonts-liberation2 is missing";
    const GlyphTables tables = GlyphTablesOf(face);
    ASSERT_GT(tables.glyf, 0) << "a TrueType face of long glyph offsets";
    const auto offset = [&](unsigned glyph) {
        const qsizetype at = tables.loca + 4 * static_cast<qsizetype>(glyph);
        return static_cast<qsizetype>(Read16(face, at)) << 16 | Read16(face, at + 2);
    };
    for (unsigned glyph = 0; glyph < Read16(face, tables.maxp + 4); ++glyph) {
        const qsizetype top = tables.glyf + offset(glyph) + 8;
        if (offset(glyph + 1) > offset(glyph)) Write16(face, top, Read16(face, top) + 50);
    }
    ASSERT_TRUE(Register(face, "LOOSE.TTF"));

    OneText text("Looseboxes Sans", 80, 400);
    ExpectAlike(PrintBothWays(text), 2000);
    // The face's own TrueType outlines, not a CFF font made of Qt's.
    const std::vector<QByteArray> programs = FontPrograms(PrintThroughWriter(text));
    ASSERT_EQ(programs.size(), 1u);
    EXPECT_EQ(programs[0].left(4), QByteArray("\0\1\0\0", 4));
}

TEST_F(PdfFonts, FacesOfBitmapsPrintWhatTheViewPaintsInEveryReader) {
    // Terminus's bitmaps with an empty glyph table, a face of bitmaps alone to FreeType, and the same
    // bitmaps in a face of outlines for .notdef and x alone, at the size of one of its strikes: Qt's
    // engine has no outline of the text's glyphs, and its own PDF engine prints nothing of them.
    ASSERT_TRUE(HasFixtureFaces()) << NoFixtureFaces;
    for (const char* face : {"Fixture Bitmap", "Fixture Mixed"}) {
        SCOPED_TRACE(face);
        qt::QtTextRenderer view;
        const std::shared_ptr<const TextMask> painted = view.Render({face, 32}, "Kitchen 4.20 m");
        int lit = 0;
        for (const TextMask::Run& run : painted->runs)
            lit += run.x1 - run.x0;
        ASSERT_GT(lit, 100);
        OneText text(face, 32, 400);
        const std::vector<GreyPage> pages = WriterPages(text);
        for (std::size_t reader = 0; reader < pages.size(); ++reader) {
            const Ink ink = InkOf(pages[reader]);
            EXPECT_NEAR(ink.pixels, lit, lit / 50) << Readers[reader];
            EXPECT_NEAR(ink.Width(), painted->width, 1) << Readers[reader];
            EXPECT_NEAR(ink.Height(), painted->height, 1) << Readers[reader];
        }
        EXPECT_NE(WriterText().find("Kitchen 4.20 m\n"), std::string::npos);
    }
}

TEST_F(PdfFonts, AFaceOfBitmapsAlonePrintsAtTheTextsSizeInEveryReader) {
    // Terminus's largest strike is of 32 pixels, its characters 16 wide: a text 60 pixels high is that
    // strike enlarged to 60, 30 pixels a character, as the view draws it, and it is still text. A text
    // 20 pixels high below it is the strike of 20 pixels, as it is alone.
    ASSERT_TRUE(HasFixtureFaces()) << NoFixtureFaces;
    qt::QtTextRenderer view;
    const std::string row = "Kitchen 4.20 m";
    OneText text("Fixture Bitmap", {60, 20}, row);
    const std::vector<GreyPage> pages = WriterPages(text);
    for (const int cell : {60, 20}) {
        SCOPED_TRACE(cell);
        const std::shared_ptr<const TextMask> painted = view.Render({"Fixture Bitmap", cell}, row);
        int lit = 0;
        for (const TextMask::Run& run : painted->runs)
            lit += run.x1 - run.x0;
        for (std::size_t reader = 0; reader < pages.size(); ++reader) {
            // The first text's rows are those above 190, the second's those below.
            const Ink ink = cell == 60 ? InkOf(pages[reader], 0, 190) : InkOf(pages[reader], 190);
            // Half a cell a character, but for the blank columns before the first and after the last.
            EXPECT_NEAR(ink.Width(), 14 * cell / 2, cell / 6) << Readers[reader];
            EXPECT_NEAR(ink.Width(), painted->width, 1) << Readers[reader];
            EXPECT_NEAR(ink.Height(), painted->height, 1) << Readers[reader];
            // A reader enlarges the strike's pixels by its own rounding: an edge may move by a pixel.
            EXPECT_NEAR(ink.pixels, lit, lit / 20) << Readers[reader];
        }
    }
    EXPECT_NE(WriterText().find(row + "\n"), std::string::npos);
}

TEST_F(PdfFonts, AColourFaceAtALargeSizePrintsPicturesOfTheFacesOwnSize) {
    // Noto Color Emoji's pictures are bitmaps of 136 x 128 pixels: a picture of more pixels holds
    // nothing more, and one made at the size shown takes memory and time by its square. At 100 pixels
    // and at 600 every reader shows the same glyphs, the second six times the first.
    ASSERT_TRUE(HasFixtureFaces()) << NoFixtureFaces;
    std::vector<Ink> small;
    for (int cell : {100, 600}) {
        SCOPED_TRACE(cell);
        OneText text("Fixture Emoji", cell, 400, {"\xA9\xAE"});
        const std::vector<GreyPage> pages = WriterPages(text);
        const std::string pdf = PrintThroughWriter(text);
        const std::regex image(R"(/Width ([0-9]+) /Height ([0-9]+))");
        int images = 0;
        for (auto match = std::sregex_iterator(pdf.begin(), pdf.end(), image);
             match != std::sregex_iterator(); ++match, ++images) {
            EXPECT_LE(std::stoi((*match)[1]), 136);
            EXPECT_LE(std::stoi((*match)[2]), 128);
        }
        EXPECT_EQ(images, 4) << "two glyphs, each a picture and its coverage";
        for (std::size_t reader = 0; reader < pages.size(); ++reader) {
            const Ink ink = InkOf(pages[reader]);
            if (cell == 100) {
                small.push_back(ink);
                continue;
            }
            EXPECT_NEAR(ink.Width(), 6 * small[reader].Width(), small[reader].Width() / 10)
                << Readers[reader];
            EXPECT_NEAR(ink.Height(), 6 * small[reader].Height(), small[reader].Height() / 10)
                << Readers[reader];
        }
    }
}

TEST_F(PdfFonts, ABitmapFacePrintsItsSecondTextAsItsFirst) {
    // Noto Color Emoji's digits and signs, pictures without outlines, in two texts one under another:
    // the second its own (its blank at the end), so laid out anew. Qt's engine prints no picture of
    // them, so each reader's page is held to itself: the second text's pixels are the first's.
    ASSERT_TRUE(HasFixtureFaces()) << NoFixtureFaces;
    OneText text("Fixture Emoji", 80, 400, {"\xA9 420 \xAE", "\xA9 420 \xAE "});
    PrintBothWays(text);
    for (std::size_t reader = 0; reader < std::size(Readers); ++reader) {
        const Difference d = CompareBands(writerPages[reader], 60, 160, 160);
        EXPECT_GT(d.inked, 2 * 2500) << Readers[reader];
        EXPECT_LT(d.contrary * 100, d.inked * 3)
            << Readers[reader] << ": " << d.contrary << " of " << d.inked;
    }
    const std::string extracted = WriterText();
    const std::size_t first = extracted.find("\u00A9 420 \u00AE\n");
    EXPECT_NE(first, std::string::npos) << extracted;
    EXPECT_NE(extracted.find("\u00A9 420 \u00AE", first + 1), std::string::npos) << extracted;
}
