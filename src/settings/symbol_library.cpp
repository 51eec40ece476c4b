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
#include <filesystem>
#include <system_error>

namespace {

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

// The number of names the index of each library of `units` holds: a reader takes that many names from
// the index, so a name whose symbol file has gone still counts.
LibraryCounts CountedSymbols(int units) {
    LibraryCounts counts;
    for (int group = 1; group <= 4; ++group)
        counts.counts[static_cast<std::size_t>(group - 1)] =
            static_cast<int>(std::min<std::size_t>(ReadLibraryIndex(units, group, INT_MAX).size(), INT_MAX));
    return counts;
}

} // namespace

bool UpdateLibraryIndex(int kind, const std::string& name) {
    return kind >= 1 && kind <= 4 && AppendLibraryIndex(Shared.Units, kind, name);
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
    CfgReport report;
    const std::vector<SelectionLine> selection = ReadSelection(list, &report);
    // No selection to take the symbol from: the selection could not be kept, as the user was told.
    if (report.fileMissing) return false;
    // A replaced symbol keeps its one place in the list.
    const bool listed = Listed(Shared.Units, kind, name);
    if (!list.WriteSymbol(SymbolHeader(Shared.ObjectSerial), fileName, selection,
                          [&] { return listed || UpdateLibraryIndex(kind, name); }))
        return false;
    // A count that cannot be written is told and does no harm: the list reads the index, not the count.
    WriteLibraryCounts(Shared.Units, CountedSymbols(Shared.Units));
    return true;
}

std::vector<std::string> ListedSymbols(int units, int kind) {
    std::vector<std::string> names = ReadLibraryIndex(units, kind, INT_MAX);
    std::erase_if(names, [&](const std::string& name) {
        std::error_code error;
        return !std::filesystem::exists(DrawingList.LibraryFilePath(LibraryFileName(units, kind, name)),
                                        error);
    });
    return names;
}
