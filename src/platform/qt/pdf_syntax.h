#pragma once
// The pieces of PDF syntax the program's PDF files are made of: numbers, text strings, compressed
// streams, and a file of numbered objects with its cross-reference table.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform::qt {

// Writes `value` and a blank from `at`, which has room for 21 characters; returns where they end.
char* WriteInt(char* at, long long value);

// Appends `value` and a blank.
void AppendInt(std::string& out, long long value);

// Appends `value` and a blank as Qt's PDF engine wrote reals: nine significant digits, the rest cut
// off rather than rounded, trailing zeros left out. A page keeps the very coordinates that engine gave
// it, so a renderer lands every edge on the same pixel.
void AppendReal(std::string& out, double value);

// Appends a reference to object `number`, as "12 0 R".
void AppendReference(std::string& out, int number);

// Appends a code of `bytes` bytes (1 or 2) in hexadecimal, as "<00A1>".
void AppendHexCode(std::string& out, unsigned code, int bytes = 2);

// Appends a text string: UTF-16 big-endian after a byte-order mark, as a literal.
void AppendTextString(std::string& out, std::u16string_view text);

// The zlib stream of `data` at compression `level` (1 to 9).
std::string Deflate(std::string_view data, int level);

// The compression level of every stream, chosen by measure: the page of 100 000 lines (2.5 MB of
// whole numbers) deflates at level 1 in 36 ms to 1 067 KB, at level 4 in 53 ms to 954 KB (level 3 takes
// longer for the same size), at level 5 in 122 ms to 913 KB and at level 6 in 227 ms to 893 KB: from
// level 5 up zlib follows long chains of the short matches digits make, doubling the time at each step
// for 2 to 4 % of the size.
constexpr int StreamCompression = 4;

// A PDF file built object by object in memory.
class PdfFile {
  public:
    PdfFile();
    // A number for an object to be written later.
    int Reserve();
    // Starts object `number` (from Reserve) at the end of the file; its text follows in Out().
    std::string& Begin(int number);
    void End();
    // Object `number` as a stream: `entries` are the dictionary's own keys besides /Length and
    // /Filter; the data is compressed when `compress`.
    void Stream(int number, std::string_view entries, std::string_view data, bool compress);
    // The cross-reference table and the trailer with the file's identifier: the file is complete.
    std::string Finish(int catalog, int info);

  private:
    std::string out_;
    std::vector<std::size_t> offsets_; // by object number; 0 is the free list's head
};

} // namespace platform::qt
