#include "settings/cfg_state_files.h"

#include "platform/dialog.h"
#include "resources/dialog_resources.h"

#include <algorithm>
#include <climits>
#include <optional>

namespace {

constexpr int AnyLow = INT_MIN;
constexpr int AnyHigh = INT_MAX;

} // namespace

SheetSize ReadSheetSize(int units, CfgReport* report) {
    CfgFieldReader f(TwinName(units, "DWGSIZEM.CFG", "DWGSIZEI.CFG"), "%ld %ld", report);
    // The sheet times Scale (at most 6) must stay a 32-bit number of drawing units. A size of 0 or
    // below is no sheet at all (its height would come out 0 and the view scroll off it): the shipped
    // size stands in for it.
    SheetSize s;
    s.width = f.IntOrShipped(1, 300000);
    s.height = f.IntOrShipped(1, 300000);
    return s;
}

bool WriteSheetSize(int units, const SheetSize& s) {
    return WriteCfgText(TwinName(units, "DWGSIZEM.CFG", "DWGSIZEI.CFG"),
                        FormatCfg("%ld %ld", {s.width, s.height}));
}

ScrollUnits ReadScrollUnits(CfgReport* report) {
    CfgFieldReader f("SCROLL.CFG", "%d %d", report);
    // The scroll ranges divide by these: a unit below 1 is taken as 10 pixels.
    ScrollUnits s;
    s.horizontal = f.Int(AnyLow, 1000);
    s.vertical = f.Int(AnyLow, 1000);
    if (s.horizontal < 1) s.horizontal = 10;
    if (s.vertical < 1) s.vertical = 10;
    return s;
}

bool WriteScrollUnits(const ScrollUnits& s) {
    return WriteCfgText("SCROLL.CFG", FormatCfg("%d %d", {s.horizontal, s.vertical}));
}

ClientSize ReadClientSize(CfgReport* report) {
    CfgFieldReader f("ZOOM.CFG", "%d %d", report);
    // The sheet's aspect is taken by dividing by the client width.
    ClientSize s;
    s.width = f.Int(1, 1000000);
    s.height = f.Int(1, 1000000);
    return s;
}

bool WriteClientSize(const ClientSize& s) {
    return WriteCfgText("ZOOM.CFG", FormatCfg("%d %d", {s.width, s.height}));
}

DrawnExtents ReadDrawnExtents(CfgReport* report) {
    CfgFieldReader f("EXTENTS.CFG", "%ld %ld %ld %ld", report);
    DrawnExtents e;
    e.minX = f.Int(AnyLow, AnyHigh);
    e.maxX = f.Int(AnyLow, AnyHigh);
    e.maxY = f.Int(AnyLow, AnyHigh);
    e.minY = f.Int(AnyLow, AnyHigh);
    return e;
}

bool WriteDrawnExtents(const DrawnExtents& e) {
    return WriteCfgText("EXTENTS.CFG", FormatCfg("%ld %ld %ld %ld", {e.minX, e.maxX, e.maxY, e.minY}));
}

LayoutBounds ReadLayoutBounds(CfgReport* report) {
    CfgFieldReader f("BOUNDS.CFG", "%ld %ld %ld %ld", report);
    LayoutBounds b;
    b.left = f.Int(AnyLow, AnyHigh);
    b.top = f.Int(AnyLow, AnyHigh);
    b.right = f.Int(AnyLow, AnyHigh);
    b.bottom = f.Int(AnyLow, AnyHigh);
    return b;
}

bool WriteLayoutBounds(const LayoutBounds& b) {
    return WriteCfgText("BOUNDS.CFG", FormatCfg("%ld %ld %ld %ld\n", {b.left, b.top, b.right, b.bottom}));
}

LayoutRectangle ReadLayoutRectangle(CfgReport* report) {
    // The area is read whole: a house above 2147 square metres goes beyond 32 bits.
    CfgFieldReader f("RECT.CFG", "%ld %ld %lld", report);
    LayoutRectangle r;
    r.width = f.Int(AnyLow, AnyHigh);
    r.length = f.Int(AnyLow, AnyHigh);
    r.area = f.Long(LLONG_MIN, LLONG_MAX);
    return r;
}

bool WriteLayoutRectangle(const LayoutRectangle& r) {
    return WriteCfgText("RECT.CFG", FormatCfg("%ld %ld %lld\n", {r.width, r.length, r.area}));
}

namespace {

// Reads whole lines of `format` until one does not scan or `make` refuses one (returns no line); the
// report counts a line cut short or refused as missing fields. A missing file is reported and reads
// as no lines.
template <typename Line, typename Make>
std::vector<Line> ReadLines(std::string_view name, std::string_view format, int fieldsPerLine,
                            long long limit, CfgReport* report, Make make) {
    CfgReport local;
    CfgReport& r = report ? *report : local;
    r = CfgReport{};
    r.file = std::string(name);
    std::vector<Line> lines;
    std::string text;
    if (!ReadCfgText(name, text)) {
        r.fileMissing = true;
        return lines;
    }
    CfgScanner scanner(text);
    while (static_cast<long long>(lines.size()) < limit) {
        std::vector<CfgValue> values;
        int got = scanner.Scan(format, values);
        std::optional<Line> line;
        if (got == fieldsPerLine) {
            line = make(values, r);
            if (!line) got = 0; // a refused line is owed whole
        }
        if (!line) {
            // A file of any length ends cleanly at a line boundary; one that owes lines owes them whole.
            if (limit != LLONG_MAX)
                r.missingFields = static_cast<int>(std::min<long long>(
                    INT_MAX, (limit - static_cast<long long>(lines.size())) * fieldsPerLine - got));
            else if (got > 0)
                r.missingFields += fieldsPerLine - got;
            break;
        }
        lines.push_back(*line);
    }
    return lines;
}

int Clamped(const CfgValue& value, int min, int max, CfgReport& report) {
    long long v = std::get<long long>(value);
    if (v < min || v > max) {
        ++report.clampedFields;
        v = v < min ? min : max;
    }
    return static_cast<int>(v);
}

} // namespace

std::vector<PrintListEntry> ReadPrintList(CfgReport* report) {
    return ReadLines<PrintListEntry>(
        "PRNTLST.CFG", "%d %d %d", 3, LLONG_MAX, report, [](const std::vector<CfgValue>& v, CfgReport& r) {
            // The scale is a divisor of the printed size.
            return PrintListEntry{Clamped(v[0], 0, 9999, r), Clamped(v[1], 1, 9999, r),
                                  Clamped(v[2], 1050, 1052, r)};
        });
}

bool WritePrintList(const std::vector<PrintListEntry>& entries) {
    std::string text;
    for (const PrintListEntry& e : entries)
        text += FormatCfg("%d %d %d\n", {e.copies, e.scale, e.view});
    return WriteCfgText("PRNTLST.CFG", text);
}

FreeRoomSize ReadFreeRoomSize(int units, CfgReport* report) {
    CfgFieldReader f("ROOM.CFG", "%ld %ld", report);
    const bool imperial = IsImperialUnits(units);
    // Feet and inches: 1 to 61 feet, 0 to 11 inches and up to 7/8 inch (21 of 1/24).
    const int low = imperial ? 288 : 400;
    const int high = imperial ? (61 * 12 + 11) * 24 + 21 : 30001;
    FreeRoomSize s;
    s.horizontal = f.Int(low, high);
    s.vertical = f.Int(low, high);
    return s;
}

bool WriteFreeRoomSize(const FreeRoomSize& s) {
    return WriteCfgText("ROOM.CFG", FormatCfg("%ld %ld", {s.horizontal, s.vertical}));
}

MaxRoomSize ReadMaxRoomSize(CfgReport* report) {
    CfgFieldReader f("MAX.CFG", "%d %d", report);
    MaxRoomSize s;
    s.width = f.Int(0, AnyHigh);
    s.height = f.Int(0, AnyHigh);
    return s;
}

bool WriteMaxRoomSize(const MaxRoomSize& s) {
    return WriteCfgText("MAX.CFG", FormatCfg("%d %d", {s.width, s.height}));
}

int ReadSelectionCount(CfgReport* report) {
    CfgFieldReader f("TEMP.CFG", "%d", report);
    return f.Int(0, AnyHigh);
}

bool WriteSelectionCount(int count) {
    return WriteCfgText("TEMP.CFG", FormatCfg("%d\n", {count}), CfgContents::Selection);
}

std::vector<SelectionLine> ReadSelectionLines(int count, int listCount, CfgReport* report) {
    return ReadLines<SelectionLine>(
        "COPY.CFG", "%d %ld %ld", 3, count < 0 ? 0 : count, report,
        [listCount](const std::vector<CfgValue>& v, CfgReport& r) -> std::optional<SelectionLine> {
            const long long index = std::get<long long>(v[0]);
            if (index < 0 || index >= listCount) return std::nullopt;
            return SelectionLine{static_cast<int>(index), Clamped(v[1], AnyLow, AnyHigh, r),
                                 Clamped(v[2], AnyLow, AnyHigh, r)};
        });
}

namespace {

std::string SelectionText(const SelectionLine& line) {
    return FormatCfg("%d %ld %ld\n", {line.index, line.x, line.y});
}

} // namespace

bool WriteSelectionLines(const std::vector<SelectionLine>& lines) {
    std::string text;
    for (const SelectionLine& line : lines)
        text += SelectionText(line);
    return WriteCfgText("COPY.CFG", text, CfgContents::Selection);
}

bool AddSelectionLine(const SelectionLine& line, bool firstLine) {
    return firstLine ? WriteCfgText("COPY.CFG", SelectionText(line), CfgContents::Selection)
                     : AppendCfgText("COPY.CFG", SelectionText(line), CfgContents::Selection);
}

std::string LibraryCountsName(int units) {
    return std::string(TwinName(units, "LIM.CFG", "LII.CFG"));
}

LibraryCounts ReadLibraryCounts(int units, CfgReport* report) {
    CfgFieldReader f(LibraryCountsName(units), "%d %d %d %d", report);
    LibraryCounts c;
    for (int& count : c.counts)
        count = f.Int(0, AnyHigh);
    return c;
}

bool WriteLibraryCounts(int units, const LibraryCounts& c) {
    return WriteCfgText(LibraryCountsName(units),
                        FormatCfg("%d %d %d %d", {c.counts[0], c.counts[1], c.counts[2], c.counts[3]}),
                        CfgContents::LibraryIndex);
}

std::string LibraryIndexName(int units, int group) {
    static constexpr const char* Stems[] = {"PLB", "ELE", "FUR", "MIS"};
    const int g = group < 1 ? 1 : group > 4 ? 4 : group;
    return std::string(Stems[g - 1]) + (IsImperialUnits(units) ? "I" : "M") + ".CFG";
}

bool IsLibraryName(const std::string& name) {
    return !name.empty() && name.size() <= static_cast<std::size_t>(LibraryNameLimit) &&
           platform::Validator::Filter(NameCharacters).IsValid(name);
}

std::vector<std::string> ReadLibraryIndex(int units, int group, int count, CfgReport* report) {
    CfgReport local;
    CfgReport& r = report ? *report : local;
    r = CfgReport{};
    r.file = LibraryIndexName(units, group);
    std::vector<std::string> names;
    std::string text;
    if (!ReadCfgText(r.file, text)) {
        r.fileMissing = true;
        return names;
    }
    CfgScanner scanner(text);
    for (int i = 0; i < count; ++i) {
        // The length, one blank, then the name's characters by its length; the line end before the
        // next record is white space that the next number skips.
        long long length = 0;
        const bool started = scanner.Integer(length) && length >= 0;
        if (started) scanner.Literal(' ');
        std::string name = started ? scanner.Characters(length) : std::string();
        if (!started || name.size() < static_cast<std::size_t>(length)) {
            // The file ends, or is damaged, before this record does.
            r.missingFields += count - i;
            break;
        }
        if (name.size() > static_cast<std::size_t>(LibraryNameLimit)) name.resize(LibraryNameLimit);
        if (IsLibraryName(name)) names.push_back(std::move(name));
    }
    return names;
}

std::string LibraryIndexLine(const std::string& name) {
    return FormatCfg("%d %s\n", {static_cast<long long>(name.size()), name});
}

bool WriteLibraryIndex(int units, int group, const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += LibraryIndexLine(name);
    return WriteCfgText(LibraryIndexName(units, group), text, CfgContents::LibraryIndex);
}

bool AppendLibraryIndex(int units, int group, const std::string& name) {
    return AppendCfgText(LibraryIndexName(units, group), LibraryIndexLine(name), CfgContents::LibraryIndex);
}
