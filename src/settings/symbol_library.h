#pragma once
// Keeping a selection as a named symbol of one of the four libraries (1 plumbing, 2 electrical,
// 3 furniture, 4 miscellaneous), each with a metric and a feet-and-inches twin: the symbol file in the
// LIBS folder (model/symbol_file.h), then the count file (LIM.CFG, LII.CFG) and the library's name
// index (PLBM.CFG ... MISI.CFG) that the library list shows.

#include <string>

class TList;

// The four libraries, by the group number their files and indexes are kept under.
namespace library_group {
constexpr int Plumbing = 1;
constexpr int Electrical = 2;
constexpr int Furniture = 3;
constexpr int Miscellaneous = 4;
} // namespace library_group

// Registers symbol `name` in library `kind` of the units in force: that library's count goes up by
// one and the name is appended to its index. False, after a box naming the file that could not be
// written (caption "SAVE"), when either write fails; the count is written first, so the list reader,
// which stops at the end of the index, never shows a name twice.
bool UpdateLibraryIndex(int kind, const std::string& name);

// Saves the current selection of `list` as symbol `name` of library `kind`, in the units in force:
// the symbol file first, whole or not at all, and the index only when the file was written, so the
// library never lists a symbol that has no file. Saving under the name of a symbol file that exists
// asks first (caption "SAVE"): No saves nothing; Yes replaces the file, and a name the list holds
// already is not listed twice. A name that is not 1 to 24 letters, digits, commas and blanks is
// refused with a message and nothing is written. True when the symbol was saved and indexed.
bool SaveToLibrary(TList& list, int kind, const std::string& name);
