#pragma once
// What every CFG reader and writer shares: the path of a file in the program's CFG folder, the pick of
// a metric or feet-and-inches twin, whole-file reads and writes, the shipped default of each file, and
// the field reader that completes a short or missing file from that default and clamps each number to
// the range its setting allows. Only the readers and writers of cfg_files.h use this, but for
// ReadShippedInPlaceOf, which the program calls as it starts.

#include "settings/cfg_text.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// What a reader found wanting. Fields it reports as missing hold the shipped default.
struct CfgReport {
    std::string file;         // the file's name, e.g. "DOORSZE.CFG"
    bool fileMissing = false; // the file could not be read at all
    int missingFields = 0;    // fields the file did not hold (every field when it is missing)
    int clampedFields = 0;    // numbers outside their range, brought to the nearest end of it
    int fieldsBelowRange = 0; // of those, the numbers below their range
    bool Complete() const { return !fileMissing && missingFields == 0; }
};

// ProgramDir + "CFG/" + name.
std::string CfgPath(std::string_view name);

// Feet and inches is Units 0; every other value is metric.
inline bool IsImperialUnits(int units) {
    return units == 0;
}
inline std::string_view TwinName(int units, std::string_view metric, std::string_view imperial) {
    return IsImperialUnits(units) ? imperial : metric;
}

// The bytes of the default file shipped for `name`; empty when none is shipped.
std::string_view ShippedCfgText(std::string_view name);

// The whole file; false when it cannot be read. A file named to ReadShippedInPlaceOf reads as its
// shipped default while it is missing.
bool ReadCfgText(std::string_view name, std::string& text);
// The files ("WIND.CFG") that the program could not lay in as it started (a folder that cannot be
// written): each reads as its shipped default until a file stands in its place, as it would have read
// had it been laid in. Each start names its own; none by default.
void ReadShippedInPlaceOf(std::vector<std::string> names);
// What a CFG file keeps, in the words a failed write of it is told in.
enum class CfgContents { Settings, Selection, LibraryIndex };
// Replaces the file whole, so a reader never sees half of it; false when it cannot be written. A file
// that cannot be written is told once per user action for each kind of contents, naming the file, and
// a settings file once while the program runs: a read-only folder makes every command that keeps
// settings fail to, and the user should hear of it once, not after every write.
bool WriteCfgText(std::string_view name, std::string_view bytes,
                  CfgContents contents = CfgContents::Settings);
// Adds to the end of the file, creating it when missing; the file is replaced whole as WriteCfgText
// replaces it. Something that stands under the name and cannot be read (a folder, a named pipe) is
// not replaced: that is told as a failed write.
bool AppendCfgText(std::string_view name, std::string_view bytes,
                   CfgContents contents = CfgContents::Settings);

// Turns a file's text into its fields in order, as many as the text holds.
using CfgParser = std::function<std::vector<CfgValue>(std::string_view text)>;

// Reads a file's fields, then hands them out one by one in order: each from the file where it held
// it, else from the shipped default, numbers clamped to their range. Everything found wanting goes
// into the report (when one is given).
class CfgFieldReader {
  public:
    // A file of one formatted line.
    CfgFieldReader(std::string_view name, std::string_view format, CfgReport* report);
    // A file with its own parser, used for the file and its default alike.
    CfgFieldReader(std::string_view name, const CfgParser& parser, CfgReport* report);
    CfgFieldReader(const CfgFieldReader&) = delete;
    CfgFieldReader& operator=(const CfgFieldReader&) = delete;

    int Int(long long min, long long max);
    // As Int, for a number that may go beyond 32 bits.
    long long Long(long long min, long long max);
    // As Int, except that a value below `min` is taken as no setting at all: the shipped value
    // stands in for it.
    int IntOrShipped(long long min, long long max);
    double Real(double min, double max);
    // A character of `allowed`; any other becomes the first allowed one.
    char Char(std::string_view allowed);
    std::string Text();
    // Whether the next field comes from the file itself, not from the default.
    bool NextFromFile() const { return next_ < file_.size(); }

  private:
    const CfgValue* Next();

    std::vector<CfgValue> file_;
    std::vector<CfgValue> shipped_;
    std::size_t next_ = 0;
    CfgReport local_;
    CfgReport* report_;
};
