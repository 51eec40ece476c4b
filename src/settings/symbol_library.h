#pragma once
// Keeping a selection as a named symbol of one of the four libraries (1 plumbing, 2 electrical,
// 3 furniture, 4 miscellaneous), each with a metric and a feet-and-inches twin: the symbol file in the
// LIBS folder (model/symbol_file.h), then the count file (LIM.CFG, LII.CFG) and the library's name
// index (PLBM.CFG ... MISI.CFG) that the library list shows.

#include <string>
#include <vector>

class TList;

// The four libraries, by the group number their files and indexes are kept under.
namespace library_group {
constexpr int Plumbing = 1;
constexpr int Electrical = 2;
constexpr int Furniture = 3;
constexpr int Miscellaneous = 4;
} // namespace library_group

// Lists symbol `name` in the index of library `kind` of the units in force, the index replaced
// whole. False when it could not be written (the CFG writer has told the user).
bool UpdateLibraryIndex(int kind, const std::string& name);

// Saves the current selection of `list` as symbol `name` of library `kind`, in the units in force, so
// that an interruption at any point leaves either the old library or the new one: the symbol file is
// written beside its place first, then the index names it (UpdateLibraryIndex), and only then does
// the file take its place; the count file follows. Until the file is in place the index names a
// symbol without a file, which the library list leaves out (ListedSymbols); the count is the number of
// names the index holds, and is not read back (a count an interruption or a failed write left wrong is
// put right by the next save). Saving under the name of a symbol file that exists asks first
// (caption "SAVE"): No saves nothing; Yes replaces the file, and a name the index holds already is not
// listed twice. A name that is not 1 to 24 letters, digits, commas and blanks is refused with a message
// and nothing is written; a selection that could not be kept gives no symbol. True when the symbol was
// saved and indexed.
bool SaveToLibrary(TList& list, int kind, const std::string& name);

// The symbols library `kind` of `units` offers, in index order: the names its index holds, however
// many its count file says, whose symbol files exist.
std::vector<std::string> ListedSymbols(int units, int kind);
