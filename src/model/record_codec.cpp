#include "model/record_codec.h"

#include "model/object_numbers.h"
#include "model/whole_file.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <typeinfo>

namespace {

// Blank, tab, newline, vertical tab, form feed, carriage return.
bool IsWhiteSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsDigit(char c) {
    return static_cast<unsigned char>(c - '0') < 10;
}

// Stored coordinates may be any 32-bit value; moving them by the origin wraps instead of overflowing.
int Moved(int value, int by) {
    return static_cast<int>(static_cast<std::uint32_t>(value) + static_cast<std::uint32_t>(by));
}

// Reads a signed decimal 32-bit number at `pos`, white space before it skipped, and moves `pos` past
// it; false, with `pos` anywhere, where no such number starts. A drawing holds millions of numbers and
// is read back before every paint, so this one pass over the characters is inlined where each field
// is read. Any number of leading zeros is accepted; a magnitude beyond 32 bits is not.
[[gnu::always_inline]] inline bool ParseNumber(const char*& pos, const char* end, int& value) {
    const char* p = pos;
    // The usual form, as the writer writes it: one separator, perhaps a minus, one to nine digits; with
    // sixteen characters left no character read needs a check against the end.
    if (end - p >= 16) [[likely]] {
        if (IsWhiteSpace(*p)) ++p;
        const bool negative = *p == '-';
        p += negative;
        unsigned digit = static_cast<unsigned char>(*p) - '0';
        if (digit < 10) {
            std::uint32_t magnitude = digit;
            const char* const limit = p + 9;
            while (++p < limit && (digit = static_cast<unsigned char>(*p) - '0') < 10)
                magnitude = magnitude * 10 + digit;
            if (p < limit || !IsDigit(*p)) {
                value = static_cast<int>(negative ? 0U - magnitude : magnitude);
                pos = p;
                return true;
            }
        }
        p = pos;
    }
    // Every other form, and the last characters of the text.
    while (p < end && IsWhiteSpace(*p))
        ++p;
    pos = p;
    if (p == end) return false;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    const char* const first = p;
    std::uint64_t magnitude = 0;
    for (; p < end && IsDigit(*p); ++p) {
        magnitude = magnitude * 10 + static_cast<unsigned>(*p - '0');
        if (magnitude > 2147483648ULL) return false;
    }
    if (p == first || magnitude > 2147483647ULL + (negative ? 1 : 0)) return false;
    value = static_cast<int>(negative ? 0U - static_cast<std::uint32_t>(magnitude)
                                      : static_cast<std::uint32_t>(magnitude));
    pos = p;
    return true;
}

// Consumes one blank or tab if one comes next.
void SkipBlank(const char*& pos, const char* end) {
    if (pos < end && (*pos == ' ' || *pos == '\t')) ++pos;
}

// The next `count` characters, whatever they are; false when fewer remain.
bool TakeCharacters(const char*& pos, const char* end, int count, std::string_view& characters) {
    if (count < 0 || end - pos < count) return false;
    characters = std::string_view(pos, static_cast<std::size_t>(count));
    pos += count;
    return true;
}

// Reads the fields of one record in the order the record lists them, from `pos` on. A field that does
// not convert marks the record failed and every later field is left alone.
class FieldReader {
  public:
    FieldReader(const char* pos, const char* end, RecordOrigin origin)
        : pos_(pos), end_(end), origin_(origin) {}

    bool Ok() const { return ok_; }
    // False once a string or point list held more than its field keeps.
    bool Whole() const { return whole_; }
    // Where the fields read so far end.
    const char* Position() const { return pos_; }

    void Int(int& value) {
        if (!ParseNumber(pos_, end_, value)) Fail();
    }
    void X(int& value) {
        Int(value);
        value = Moved(value, origin_.x);
    }
    void Y(int& value) {
        Int(value);
        value = Moved(value, origin_.y);
    }
    template <std::size_t Capacity> void Length(int& length, const char (&)[Capacity]) { Int(length); }
    void Count(int& count) { Int(count); }
    void EndLine() {}
    void StartStrings() {
        if (ok_) SkipBlank(pos_, end_);
    }
    template <std::size_t Capacity> void String(char (&field)[Capacity], int& length) {
        if (!ok_) return;
        std::string_view characters;
        if (length < 0 || length > MaxStoredStringLength || !TakeCharacters(pos_, end_, length, characters)) {
            Fail();
            return;
        }
        SetObjectString(field, length, characters);
        if (length != static_cast<int>(characters.size())) whole_ = false;
    }
    // The point lines of a polygon whose count was just read.
    void Points(TPolyobj& polygon) {
        if (!ok_) return;
        if (polygon.count < 0) {
            Fail();
            return;
        }
        for (int i = 0; i < polygon.count && ok_; ++i) {
            int x = 0, z = 0, y = 0;
            X(x);
            Int(z);
            Y(y);
            if (i < TPolyobj::MaxPoints) {
                polygon.x[i] = x;
                polygon.z[i] = z;
                polygon.y[i] = y;
            }
        }
        if (polygon.count > TPolyobj::MaxPoints) {
            polygon.count = TPolyobj::MaxPoints;
            whole_ = false;
        }
    }

  private:
    // Ends the text where the failure was found, so every later number fails at once without a check
    // of its own.
    void Fail() {
        ok_ = false;
        end_ = pos_;
    }

    const char* pos_;
    const char* end_;
    RecordOrigin origin_;
    bool ok_ = true;
    bool whole_ = true;
};

// The most characters one entry can take: the polygon's 64 numbers of at most 11 characters and
// their separators, or a text's or room's strings, with room to spare.
constexpr std::size_t MaxEntryBytes = 2048;

// "00" to "99", the two digits of every number below 100.
constexpr std::array<char, 200> DigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
        pairs[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// Writes `value` in decimal at `out`, as std::to_chars does, and returns the end. The number of digits
// comes from the highest bit set, not a chain of comparisons: most numbers of a drawing have two to
// five digits, in no order a branch could learn. Kept out of line, as one copy serves every field
// better than one inlined in each.
[[gnu::noinline]] char* PutNumber(char* out, int value) {
    static constexpr std::uint32_t Powers[] = {0,      10,      100,      1000,      10000,
                                               100000, 1000000, 10000000, 100000000, 1000000000};
    std::uint32_t magnitude = static_cast<std::uint32_t>(value);
    if (value < 0) {
        *out++ = '-';
        magnitude = 0U - magnitude;
    }
    // 1233 / 4096 is a little above log10(2).
    const int guess = ((32 - std::countl_zero(magnitude | 1U)) * 1233) >> 12;
    const int digits = guess + 1 - (magnitude < Powers[guess] ? 1 : 0);
    char* const end = out + digits;
    char* p = end;
    while (magnitude >= 100) {
        const std::uint32_t pair = magnitude % 100;
        magnitude /= 100;
        p -= 2;
        std::memcpy(p, &DigitPairs[2 * pair], 2);
    }
    if (magnitude >= 10)
        std::memcpy(p - 2, &DigitPairs[2 * magnitude], 2);
    else
        p[-1] = static_cast<char>('0' + magnitude);
    return end;
}

// Writes the fields of one record into room reserved for the whole entry: numbers separated by one
// blank, lines ended by a newline. Every number is written with a blank after it, which the end of its
// line turns into the newline, or which separates the numbers from the strings that follow them: a
// drawing holds millions of numbers, written after every edit, and this spares each a test of where it
// stands in its line.
class FieldWriter {
  public:
    FieldWriter(char* out, RecordOrigin origin) : out_(out), origin_(origin) {}

    char* End() const { return out_; }

    [[gnu::always_inline]] void Int(int value) {
        out_ = PutNumber(out_, value);
        *out_++ = ' ';
    }
    [[gnu::always_inline]] void X(int value) { Int(Moved(value, -origin_.x)); }
    [[gnu::always_inline]] void Y(int value) { Int(Moved(value, -origin_.y)); }
    template <std::size_t Capacity> void Length(int, const char (&field)[Capacity]) {
        Int(static_cast<int>(ObjectString(field).size()));
    }
    void Count(int count) { Int(StoredCount(count)); }
    void EndLine() {
        if (strings_)
            *out_++ = '\n';
        else
            out_[-1] = '\n';
        strings_ = false;
    }
    // The blank that ends the numbers is the one the last number wrote; the strings follow it directly.
    void StartStrings() { strings_ = true; }
    template <std::size_t Capacity> void String(const char (&field)[Capacity], int) {
        const std::string_view characters = ObjectString(field);
        out_ = std::copy(characters.begin(), characters.end(), out_);
    }
    void Points(const TPolyobj& polygon) {
        const int count = StoredCount(polygon.count);
        for (int i = 0; i < count; ++i) {
            X(polygon.x[i]);
            Int(polygon.z[i]);
            Y(polygon.y[i]);
            EndLine();
        }
    }

  private:
    static int StoredCount(int count) {
        return count < 0 ? 0 : (count > TPolyobj::MaxPoints ? TPolyobj::MaxPoints : count);
    }

    char* out_;
    RecordOrigin origin_;
    bool strings_ = false;
};

// The records, one function per class, serving both directions: `Io` is a FieldReader filling a new
// object or a FieldWriter storing a const one. X and Y fields are measured from the origin. Stored
// files depend on every order here, odd ones included: lineB before lineA, the two coordinate orders,
// the shuffled polygon header, a text's x2, y2 and z1 stored as plain numbers.

template <class Io, class Object> void Head(Io& io, Object& o) {
    io.Int(o.type);
    io.Int(o.view);
    io.Int(o.aux);
    io.Int(o.number);
}

template <class Io, class Line> void LineRecord(Io& io, Line& o) {
    Head(io, o);
    io.X(o.x1), io.Int(o.z1), io.X(o.x2), io.Int(o.z2), io.Y(o.y1), io.Y(o.y2);
    io.Int(o.lineB), io.Int(o.lineA), io.Int(o.colour), io.Int(o.penWidth), io.Int(o.penStyle);
    io.EndLine();
}

template <class Io, class Wall> void ExternalWallRecord(Io& io, Wall& o) {
    Head(io, o);
    io.Int(o.ewall7);
    io.X(o.x1), io.Int(o.z1), io.Y(o.y1), io.X(o.x2), io.Int(o.z2), io.Y(o.y2);
    io.X(o.f1x1), io.Y(o.f1y1), io.X(o.f1x2), io.Y(o.f1y2);
    io.X(o.f2x1), io.Y(o.f2y1), io.X(o.f2x2), io.Y(o.f2y2);
    io.EndLine();
    io.X(o.f3x1), io.Y(o.f3y1), io.X(o.f3x2), io.Y(o.f3y2);
    io.Int(o.ewall1), io.Int(o.ewall2), io.Int(o.ewall3), io.Int(o.ewall4), io.Int(o.ewall5),
        io.Int(o.ewall6);
    io.EndLine();
    io.Int(o.ewall8), io.Int(o.ewall9), io.Int(o.colour);
    io.EndLine();
    io.Int(o.ewall10), io.EndLine();
    io.Int(o.ewall11), io.EndLine();
    io.Int(o.ewall12), io.EndLine();
    io.Int(o.ewall13), io.EndLine();
}

template <class Io, class Wall> void InternalWallRecord(Io& io, Wall& o) {
    Head(io, o);
    io.Int(o.iwall7);
    io.X(o.x1), io.Int(o.z1), io.Y(o.y1), io.X(o.x2), io.Int(o.z2), io.Y(o.y2);
    io.X(o.fx1), io.Int(o.fz1), io.Y(o.fy1), io.X(o.fx2), io.Y(o.fy2);
    io.Int(o.iwall1), io.Int(o.iwall2), io.Int(o.iwall3), io.Int(o.iwall4), io.Int(o.iwall5),
        io.Int(o.iwall6);
    io.Int(o.iwall12), io.Int(o.iwall13), io.Int(o.colour);
    io.EndLine();
    io.Int(o.iwall8), io.EndLine();
    io.Int(o.iwall9), io.EndLine();
    io.Int(o.iwall10), io.EndLine();
    io.Int(o.iwall11), io.EndLine();
}

template <class Io, class Arrow> void ArrowRecord(Io& io, Arrow& o) {
    Head(io, o);
    io.X(o.x1), io.Y(o.y1), io.X(o.x2), io.Y(o.y2);
    io.X(o.ax1), io.Y(o.ay1), io.X(o.ax2), io.Y(o.ay2), io.X(o.ax3), io.Y(o.ay3), io.X(o.ax4), io.Y(o.ay4);
    io.Int(o.colour);
    io.EndLine();
}

// Polygons and openings share the header line, less the opening's two extra numbers, and the rest.
template <class Io, class Polygon> void PolygonHeader(Io& io, Polygon& o) {
    Head(io, o);
    io.Int(o.polyE), io.Int(o.polyG), io.Int(o.polyH), io.Int(o.polyI), io.Count(o.count), io.Int(o.polyF);
    io.Int(o.fillColour), io.Int(o.colour);
}

template <class Io, class Polygon> void PolygonPoints(Io& io, Polygon& o) {
    io.Points(o);
    io.Int(o.polyA), io.EndLine();
    io.Int(o.polyB), io.EndLine();
    io.Int(o.polyC), io.EndLine();
    io.Int(o.polyD), io.EndLine();
}

template <class Io, class Polygon> void PolygonRecord(Io& io, Polygon& o) {
    PolygonHeader(io, o);
    io.EndLine();
    PolygonPoints(io, o);
}

template <class Io, class Opening> void OpeningRecord(Io& io, Opening& o) {
    PolygonHeader(io, o);
    io.Int(o.openingA), io.Int(o.openingB);
    io.EndLine();
    PolygonPoints(io, o);
}

template <class Io, class Room> void RoomRecord(Io& io, Room& o) {
    Head(io, o);
    io.X(o.x1), io.Y(o.y1), io.X(o.x2), io.Y(o.y2);
    io.Int(o.width), io.Int(o.length), io.Int(o.roomA), io.Int(o.fillColour), io.Int(o.textSize);
    io.Length(o.nameLength, o.name), io.Length(o.label1Length, o.label1), io.Length(o.label2Length, o.label2);
    io.StartStrings();
    io.String(o.name, o.nameLength), io.String(o.label1, o.label1Length), io.String(o.label2, o.label2Length);
    io.EndLine();
}

template <class Io, class Info> void InfoRecord(Io& io, Info& o) {
    Head(io, o);
    io.X(o.x1), io.Int(o.z1), io.Y(o.y1), io.X(o.x2), io.Int(o.z2), io.Y(o.y2);
    io.Int(o.value), io.Int(o.colour), io.Int(o.penWidth), io.Int(o.penStyle);
    io.EndLine();
}

template <class Io, class Text> void TextRecord(Io& io, Text& o) {
    Head(io, o);
    io.X(o.x1), io.Y(o.y1), io.Int(o.x2), io.Int(o.y2), io.Int(o.z1);
    io.Int(o.colour), io.Length(o.textLength, o.text), io.Int(o.escapement), io.Int(o.alignment);
    io.Length(o.fontNameLength, o.fontName), io.Int(o.size), io.Int(o.weight);
    io.StartStrings();
    io.String(o.fontName, o.fontNameLength), io.String(o.text, o.textLength);
    io.EndLine();
}

template <class Io, class Arc> void ArcRecord(Io& io, Arc& o) {
    Head(io, o);
    io.X(o.x1), io.Int(o.z1), io.Y(o.y1), io.X(o.x2), io.Int(o.z2), io.Y(o.y2);
    io.X(o.startX), io.Y(o.startY), io.X(o.endX), io.Y(o.endY);
    io.Int(o.colour), io.Int(o.penWidth), io.Int(o.penStyle);
    io.EndLine();
}

// Ellipses, circles and rectangles hold only the base fields.
template <class Io, class Shape> void ShapeRecord(Io& io, Shape& o) {
    Head(io, o);
    io.X(o.x1), io.Int(o.z1), io.X(o.x2), io.Int(o.z2), io.Y(o.y1), io.Y(o.y2);
    io.Int(o.colour), io.Int(o.penWidth), io.Int(o.penStyle);
    io.EndLine();
}

template <class Io, class RoundedRectangle> void RoundedRectangleRecord(Io& io, RoundedRectangle& o) {
    Head(io, o);
    io.X(o.x1), io.Int(o.z1), io.X(o.x2), io.Int(o.z2), io.Y(o.y1), io.Y(o.y2);
    io.Int(o.corner), io.Int(o.colour), io.Int(o.penWidth), io.Int(o.penStyle);
    io.EndLine();
}

// Moves the X and Y fields of one record by an origin's change, in the sum the reader makes, so that
// moving a read equals reading against the new origin; every other field stays as it is.
class FieldMover {
  public:
    explicit FieldMover(RecordOrigin by) : by_(by) {}

    void Int(int&) {}
    void X(int& value) { value = Moved(value, by_.x); }
    void Y(int& value) { value = Moved(value, by_.y); }
    template <std::size_t Capacity> void Length(int&, const char (&)[Capacity]) {}
    void Count(int&) {}
    void EndLine() {}
    void StartStrings() {}
    template <std::size_t Capacity> void String(char (&)[Capacity], int&) {}
    void Points(TPolyobj& polygon) {
        const int count = std::clamp(polygon.count, 0, TPolyobj::MaxPoints);
        for (int i = 0; i < count; ++i) {
            X(polygon.x[i]);
            Y(polygon.y[i]);
        }
    }

  private:
    RecordOrigin by_;
};

// Runs `record` on the object as the class T when it is of that class exactly, as every object a read
// makes is; false otherwise.
template <class T, class Record> bool AsOwnClass(TObject& object, Record record) {
    if (typeid(object) != typeid(T)) return false;
    record(static_cast<T&>(object));
    return true;
}

// Runs `record` on the object as the class T. An object whose type code was changed to one of
// another class does not have that class's own fields; they are stored with their defaults so the
// file stays in step.
template <class T, class Record> void AsClass(const TObject& object, Record record) {
    // Nearly every object is of its code's class exactly, which is cheaper to ask than the cast.
    if (typeid(object) == typeid(T)) {
        record(static_cast<const T&>(object));
        return;
    }
    if (const T* same = dynamic_cast<const T*>(&object)) {
        record(*same);
        return;
    }
    T standIn;
    static_cast<TObject&>(standIn) = object;
    record(static_cast<const T&>(standIn));
}

} // namespace

bool RecordReader::ReadNumber(int& value) {
    return ParseNumber(pos_, end_, value);
}

bool RecordReader::ReadHeader(RecordHeader& header) {
    for (int& value : header)
        if (!ReadNumber(value)) return false;
    // Every file of records keeps ObjectSerial last, and the program counts on from it.
    header[5] = StoredObjectSerial(header[5]);
    return true;
}

void RecordReader::SkipOneBlank() {
    SkipBlank(pos_, end_);
}

RecordReader::RecordReader(std::string_view text) {
    const std::string_view records = WithoutByteOrderMark(text);
    pos_ = records.data();
    end_ = records.data() + records.size();
}

bool RecordReader::ReadCharacters(int count, std::string_view& characters) {
    return TakeCharacters(pos_, end_, count, characters);
}

bool RecordReader::AtEnd() const {
    for (const char* p = pos_; p < end_; ++p)
        if (!IsWhiteSpace(*p)) return false;
    return true;
}

RecordReader::Entry RecordReader::ReadEntry(RecordOrigin origin) {
    Entry entry;
    if (!ReadNumber(entry.typeCode)) return entry;
    entry.objectClass = ClassOfType(entry.typeCode);
    if (entry.objectClass == ObjectClass::None) {
        entry.outcome = Outcome::NoClass;
        return entry;
    }
    std::unique_ptr<TObject> object = NewObjectOfClass(entry.objectClass);
    FieldReader io(pos_, end_, origin);
    switch (entry.objectClass) {
    case ObjectClass::None:
        break;
    case ObjectClass::Line:
        LineRecord(io, static_cast<TLineobj&>(*object));
        break;
    case ObjectClass::ExternalWall:
        ExternalWallRecord(io, static_cast<TExtwallobj&>(*object));
        break;
    case ObjectClass::InternalWall:
        InternalWallRecord(io, static_cast<TIntwallobj&>(*object));
        break;
    case ObjectClass::Arrow:
        ArrowRecord(io, static_cast<TArrowobj&>(*object));
        break;
    case ObjectClass::Opening:
        OpeningRecord(io, static_cast<TOpeningobj&>(*object));
        break;
    case ObjectClass::Room:
        RoomRecord(io, static_cast<TRoomobj&>(*object));
        break;
    case ObjectClass::Polygon:
        PolygonRecord(io, static_cast<TPolyobj&>(*object));
        break;
    case ObjectClass::Info:
        InfoRecord(io, static_cast<TInfoobj&>(*object));
        break;
    case ObjectClass::Text:
        TextRecord(io, static_cast<TTextobj&>(*object));
        break;
    case ObjectClass::Arc:
        ArcRecord(io, static_cast<TArcobj&>(*object));
        break;
    case ObjectClass::Ellipse:
    case ObjectClass::Circle:
    case ObjectClass::Rectangle:
        ShapeRecord(io, *object);
        break;
    case ObjectClass::RoundedRectangle:
        RoundedRectangleRecord(io, static_cast<TRndrectobj&>(*object));
        break;
    }
    pos_ = io.Position();
    if (!io.Ok()) return entry;
    // Every writer writes one code twice. Two that differ are damage: the record may have been read
    // out of step, and the writer would choose the record by the object's own code.
    if (object->type != entry.typeCode) [[unlikely]] {
        // Written back, it would be its type-code line alone, which the next read passes over.
        if (ClassOfType(object->type) == ObjectClass::None) {
            entry.outcome = Outcome::NoClass;
            return entry;
        }
        entry.whole = false;
    }
    if (!io.Whole()) [[unlikely]]
        entry.whole = false;
    entry.outcome = Outcome::Object;
    entry.object = std::move(object);
    return entry;
}

RecordWriter::RecordWriter(std::size_t expectedBytes) {
    text_.resize(expectedBytes);
}

RecordWriter::RecordWriter(std::string memory, std::size_t expectedBytes) : text_(std::move(memory)) {
    // Memory far larger than needed (a big drawing closed, a small one opened) is given back: swapped
    // with an empty string, as one assigned keeps the memory it had.
    if (text_.capacity() / 4 > expectedBytes) std::string().swap(text_);
    // Only room beyond what the memory already holds is cleared.
    text_.resize(std::max({text_.size(), text_.capacity(), expectedBytes}));
}

char* RecordWriter::Reserve(std::size_t bytes) {
    if (text_.size() - used_ < bytes) text_.resize(std::max(text_.size() * 2, used_ + bytes));
    return text_.data() + used_;
}

std::string RecordWriter::Take() {
    text_.resize(used_);
    used_ = 0;
    return std::move(text_);
}

std::string RecordWriter::Recycle() {
    used_ = 0;
    return std::move(text_);
}

void RecordWriter::WriteNumber(int value) {
    char* out = Reserve(11);
    used_ = static_cast<std::size_t>(PutNumber(out, value) - text_.data());
}

void RecordWriter::WriteCharacters(std::string_view characters) {
    char* out = Reserve(characters.size());
    used_ = static_cast<std::size_t>(std::copy(characters.begin(), characters.end(), out) - text_.data());
}

void RecordWriter::WriteHeader(const RecordHeader& header) {
    FieldWriter io(Reserve(MaxEntryBytes), {});
    for (int value : header)
        io.Int(value);
    io.EndLine();
    used_ = static_cast<std::size_t>(io.End() - text_.data());
}

void RecordWriter::WriteEntry(const TObject& object, RecordOrigin origin) {
    FieldWriter io(Reserve(MaxEntryBytes), origin);
    io.Int(object.type);
    io.EndLine();
    switch (ClassOfType(object.type)) {
    case ObjectClass::None:
        break;
    case ObjectClass::Line:
        AsClass<TLineobj>(object, [&io](const TLineobj& o) { LineRecord(io, o); });
        break;
    case ObjectClass::ExternalWall:
        AsClass<TExtwallobj>(object, [&io](const TExtwallobj& o) { ExternalWallRecord(io, o); });
        break;
    case ObjectClass::InternalWall:
        AsClass<TIntwallobj>(object, [&io](const TIntwallobj& o) { InternalWallRecord(io, o); });
        break;
    case ObjectClass::Arrow:
        AsClass<TArrowobj>(object, [&io](const TArrowobj& o) { ArrowRecord(io, o); });
        break;
    case ObjectClass::Opening:
        AsClass<TOpeningobj>(object, [&io](const TOpeningobj& o) { OpeningRecord(io, o); });
        break;
    case ObjectClass::Room:
        AsClass<TRoomobj>(object, [&io](const TRoomobj& o) { RoomRecord(io, o); });
        break;
    case ObjectClass::Polygon:
        AsClass<TPolyobj>(object, [&io](const TPolyobj& o) { PolygonRecord(io, o); });
        break;
    case ObjectClass::Info:
        AsClass<TInfoobj>(object, [&io](const TInfoobj& o) { InfoRecord(io, o); });
        break;
    case ObjectClass::Text:
        AsClass<TTextobj>(object, [&io](const TTextobj& o) { TextRecord(io, o); });
        break;
    case ObjectClass::Arc:
        AsClass<TArcobj>(object, [&io](const TArcobj& o) { ArcRecord(io, o); });
        break;
    case ObjectClass::Ellipse:
    case ObjectClass::Circle:
    case ObjectClass::Rectangle:
        ShapeRecord(io, object);
        break;
    case ObjectClass::RoundedRectangle:
        AsClass<TRndrectobj>(object, [&io](const TRndrectobj& o) { RoundedRectangleRecord(io, o); });
        break;
    }
    used_ = static_cast<std::size_t>(io.End() - text_.data());
}

bool MoveRecordOrigin(TObject& object, RecordOrigin from, RecordOrigin to) {
    FieldMover io({Moved(to.x, -from.x), Moved(to.y, -from.y)});
    switch (ClassOfType(object.type)) {
    case ObjectClass::None:
        return false;
    case ObjectClass::Line:
        return AsOwnClass<TLineobj>(object, [&io](TLineobj& o) { LineRecord(io, o); });
    case ObjectClass::ExternalWall:
        return AsOwnClass<TExtwallobj>(object, [&io](TExtwallobj& o) { ExternalWallRecord(io, o); });
    case ObjectClass::InternalWall:
        return AsOwnClass<TIntwallobj>(object, [&io](TIntwallobj& o) { InternalWallRecord(io, o); });
    case ObjectClass::Arrow:
        return AsOwnClass<TArrowobj>(object, [&io](TArrowobj& o) { ArrowRecord(io, o); });
    case ObjectClass::Opening:
        return AsOwnClass<TOpeningobj>(object, [&io](TOpeningobj& o) { OpeningRecord(io, o); });
    case ObjectClass::Room:
        return AsOwnClass<TRoomobj>(object, [&io](TRoomobj& o) { RoomRecord(io, o); });
    case ObjectClass::Polygon:
        return AsOwnClass<TPolyobj>(object, [&io](TPolyobj& o) { PolygonRecord(io, o); });
    case ObjectClass::Info:
        return AsOwnClass<TInfoobj>(object, [&io](TInfoobj& o) { InfoRecord(io, o); });
    case ObjectClass::Text:
        return AsOwnClass<TTextobj>(object, [&io](TTextobj& o) { TextRecord(io, o); });
    case ObjectClass::Arc:
        return AsOwnClass<TArcobj>(object, [&io](TArcobj& o) { ArcRecord(io, o); });
    case ObjectClass::Ellipse:
        return AsOwnClass<TEllipseobj>(object, [&io](TEllipseobj& o) { ShapeRecord(io, o); });
    case ObjectClass::Circle:
        return AsOwnClass<TCircleobj>(object, [&io](TCircleobj& o) { ShapeRecord(io, o); });
    case ObjectClass::Rectangle:
        return AsOwnClass<TRectangleobj>(object, [&io](TRectangleobj& o) { ShapeRecord(io, o); });
    case ObjectClass::RoundedRectangle:
        return AsOwnClass<TRndrectobj>(object, [&io](TRndrectobj& o) { RoundedRectangleRecord(io, o); });
    }
    return false;
}
