#include "settings/symbol_library.h"

#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "model/symbol_file.h"
#include "platform/desktop.h"
#include "settings/cfg_files.h"
#include "settings/library_list_dialog.h"
#include "settings/replace_question.h"
#include "settings/selection_files.h"

#include <algorithm>
#include <cctype>
#include <climits>

namespace {

bool ReportUnsaved(const std::string& file) {
    platform::TheDesktop().MessageBox("The library index could not be saved to " + CfgPath(file), "SAVE",
                                      platform::MessageBoxStyle::Ok);
    return false;
}

bool SameName(const std::string& a, const std::string& b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::toupper(x) == std::toupper(y); });
}

// Whether the index of library `kind` in `units` holds `name` already, in any record of the file;
// symbol files are found whatever the case of their names, so the names are compared the same way.
bool Listed(int units, int kind, const std::string& name) {
    const std::vector<std::string> names = ReadLibraryIndex(units, kind, INT_MAX);
    return std::ranges::any_of(names, [&](const std::string& listed) { return SameName(listed, name); });
}

} // namespace

bool UpdateLibraryIndex(int kind, const std::string& name) {
    if (kind < 1 || kind > 4) return false;
    const int units = Shared.Units;
    LibraryCounts counts = ReadLibraryCounts(units);
    int& count = counts.counts[static_cast<std::size_t>(kind - 1)];
    if (count < INT_MAX) ++count;
    if (!WriteLibraryCounts(units, counts)) return ReportUnsaved(LibraryCountsName(units));
    if (!AppendLibraryIndex(units, kind, name)) return ReportUnsaved(LibraryIndexName(units, kind));
    return true;
}

bool SaveToLibrary(TList& list, int kind, const std::string& name) {
    if (kind < 1 || kind > 4 || !IsLibraryName(name)) {
        platform::TheDesktop().MessageBox(
            "A library item needs a name of 1 to 24 letters, digits, commas or blanks - nothing was saved",
            "SAVE", platform::MessageBoxStyle::Ok);
        return false;
    }
    const std::string fileName = LibraryFileName(Shared.Units, kind, name);
    if (!MayReplaceFile(list.LibraryFilePath(fileName), "SAVE")) return false;
    if (!list.WriteSymbol(SymbolHeader(Shared.ObjectSerial), fileName, ReadSelection(list))) return false;
    // A replaced symbol keeps its one place in the list.
    if (Listed(Shared.Units, kind, name)) return true;
    return UpdateLibraryIndex(kind, name);
}
