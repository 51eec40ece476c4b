#pragma once
// The record codec: the one reader and writer of the object records that drawing files, symbol
// libraries, the paste buffer and rotate/mirror all share. A file is a header line of six numbers,
// then per object a line with its type code followed by the record of its class: numbers separated
// by one blank, one or more lines, with the strings of texts and rooms written back to back after
// their lengths.
//
// Each use measures stored coordinates from its own origin (the drawing file from the sheet centre,
// a symbol from its reference point): the reader adds the origin to every stored-relative x and y, the
// writer subtracts it. z values, sizes, angles, colours, a text's direction and every other number are
// stored as they are. A use that transforms objects in other ways (rotate, mirror) reads with the
// origin {0, 0} to get the stored values and transforms the objects itself.

#include "model/drawing_objects.h"
#include "model/object_class.h"

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

// The point stored coordinates are measured from, in absolute drawing units.
struct RecordOrigin {
    int x = 0;
    int y = 0;
    friend bool operator==(const RecordOrigin&, const RecordOrigin&) = default;
};

// The six numbers of a header line. Drawing file: object count, three reserved zeros, Units,
// ObjectSerial.
using RecordHeader = std::array<int, 6>;

// A stored string length above this is taken as damage, not as a string to skip.
constexpr int MaxStoredStringLength = 4096;

// Moves the stored-relative coordinates of an object read against the origin `from` to where a read
// against `to` would have put them, to the unit: a drawing read on one sheet and shown on another is
// not read again. False, with the object left alone, when it is not of its type code's class (it was
// not made by a read).
bool MoveRecordOrigin(TObject& object, RecordOrigin from, RecordOrigin to);

// Reads records from file text held whole in memory (LF or CR LF line ends). A UTF-8 byte-order mark
// before the header is skipped.
class RecordReader {
  public:
    explicit RecordReader(std::string_view text);

    // Reads the next signed decimal 32-bit number, skipping white space before it. False at the end of
    // the text or where the characters do not form such a number; the reading position is then
    // unspecified.
    bool ReadNumber(int& value);
    // Reads the six numbers of a header line. The sixth, ObjectSerial in every file of records, is held
    // to the serials the program can count on from (object_numbers.h: StoredObjectSerial).
    bool ReadHeader(RecordHeader& header);

    enum class Outcome {
        Object, // a whole record was read into `object`
        // The type code has no class (only its line was read), or the one in its record has none (the
        // record was read): no object is made.
        NoClass,
        Stop, // the end of the text or a field that does not convert: nothing more can be read
    };
    struct Entry {
        Outcome outcome = Outcome::Stop;
        int typeCode = 0;
        ObjectClass objectClass = ObjectClass::None;
        std::unique_ptr<TObject> object;
        // False when the object may not give back what its entry held: the type code in its record
        // differs from the one on its line (it is written back under its own, with the record of that
        // code's class), or a string or a point list was longer than its field.
        bool whole = true;
    };
    // Reads one entry: the type-code line, then the record of the code's class into a new object with
    // its class's defaults, adding `origin` to the stored-relative coordinates. A string length that
    // is negative or above MaxStoredStringLength, or a negative point count, stops the reading; a
    // string longer than its field keeps what fits, and points beyond a polygon's capacity are read
    // and dropped, so the text stays in step (the entry is then not `whole`).
    Entry ReadEntry(RecordOrigin origin);
    // Reads `count` entries in turn, handing each object read to `take(std::unique_ptr<TObject>,
    // ObjectClass)` and passing over entries whose type code has no class. False when the text ends,
    // or a field does not convert, before the last entry.
    template <class Take> bool ReadEntries(int count, RecordOrigin origin, Take&& take) {
        for (int i = 0; i < count; ++i) {
            Entry entry = ReadEntry(origin);
            if (entry.outcome == Outcome::Stop) return false;
            if (entry.outcome == Outcome::Object) take(std::move(entry.object), entry.objectClass);
        }
        return true;
    }

    // The pieces the entries are built from.
    // Consumes one blank or tab if one comes next: the separator between a record's numbers and its
    // strings, which may themselves begin with a blank.
    void SkipOneBlank();
    // The next `count` characters, whatever they are; false when fewer remain.
    bool ReadCharacters(int count, std::string_view& characters);
    // True when nothing but white space remains.
    bool AtEnd() const;

  private:
    const char* pos_;
    const char* end_;
};

// Builds the text of a file of records, in the exact form the reader reads.
class RecordWriter {
  public:
    // `expectedBytes`: room to reserve at once, when the size is roughly known.
    explicit RecordWriter(std::size_t expectedBytes = 0);
    // Writes into `memory` given back by an earlier writer (Recycle): a drawing is written after every
    // edit, and memory that stays spares asking for it, and the system clearing it, each time.
    RecordWriter(std::string memory, std::size_t expectedBytes);

    void WriteHeader(const RecordHeader& header);
    // Writes the type-code line of the object, then the record of the class its type code names,
    // subtracting `origin` from the stored-relative coordinates. A code with no class gets its line
    // and no record. A string is written with the length of the characters actually stored, so the
    // record always reads back in step.
    void WriteEntry(const TObject& object, RecordOrigin origin);

    // The pieces the entries are built from.
    void WriteNumber(int value);
    void WriteCharacters(std::string_view characters);

    std::string_view Text() const { return std::string_view(text_.data(), used_); }
    // The text written, leaving the writer empty.
    std::string Take();
    // The memory written in, text and all, for a later writer; leaves the writer empty.
    std::string Recycle();

  private:
    // Room for `bytes` more characters at text_.data() + used_.
    char* Reserve(std::size_t bytes);

    // Characters 0 to used_ - 1 are written; the rest is room reserved ahead, so that a whole entry
    // is formatted without a capacity check per character.
    std::string text_;
    std::size_t used_ = 0;
};
