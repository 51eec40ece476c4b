#pragma once
// Readers and writers of the installed view files and of the state handed from one command to the
// next: sheet and client sizes, scroll units, extents, room-layout bounds, the print list, measured
// room sizes, the selection and the symbol-library index. Same rules as cfg_dialog_files.h.

#include "model/drawn_extents.h"
#include "model/selection_line.h"
#include "settings/cfg_file.h"

#include <array>
#include <string>
#include <vector>

// DWGSIZEM.CFG / DWGSIZEI.CFG "%ld %ld": the drawing sheet in logical units.
struct SheetSize {
    int width = 0;
    int height = 0;
};
SheetSize ReadSheetSize(int units, CfgReport* report = nullptr);
bool WriteSheetSize(int units, const SheetSize& sheet);

// SCROLL.CFG "%d %d": device pixels per scroll unit. Installed.
struct ScrollUnits {
    int horizontal = 0;
    int vertical = 0;
};
ScrollUnits ReadScrollUnits(CfgReport* report = nullptr);
bool WriteScrollUnits(const ScrollUnits& scroll);

// ZOOM.CFG "%d %d": ClientWidth and ClientHeight.
struct ClientSize {
    int width = 0;
    int height = 0;
};
ClientSize ReadClientSize(CfgReport* report = nullptr);
bool WriteClientSize(const ClientSize& size);

// EXTENTS.CFG "%ld %ld %ld %ld": the extents of the drawn objects (model/drawn_extents.h); the minima
// are NothingDrawn when nothing is drawn.
DrawnExtents ReadDrawnExtents(CfgReport* report = nullptr);
bool WriteDrawnExtents(const DrawnExtents& extents);

// BOUNDS.CFG "%ld %ld %ld %ld\n": the box around the room layout's design rooms.
struct LayoutBounds {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
LayoutBounds ReadLayoutBounds(CfgReport* report = nullptr);
bool WriteLayoutBounds(const LayoutBounds& bounds);

// RECT.CFG "%ld %ld %ld\n": the size of that box.
struct LayoutRectangle {
    int width = 0;
    int length = 0;
    int area = 0;
};
LayoutRectangle ReadLayoutRectangle(CfgReport* report = nullptr);
bool WriteLayoutRectangle(const LayoutRectangle& rectangle);

// PRNTLST.CFG: one line "%d %d %d\n" per floor to print, in floor order.
struct PrintListEntry {
    int copies = 0;
    int scale = 0; // the N of N:1
    int view = 0;  // 1050 ground, 1051 first, 1052 second floor
};
// The whole lines the file holds; reading stops at the first line that does not scan.
std::vector<PrintListEntry> ReadPrintList(CfgReport* report = nullptr);
bool WritePrintList(const std::vector<PrintListEntry>& entries);

// ROOM.CFG "%ld %ld": the free size the fixed-room tool measured, in the units of the drawing it
// measured. The file has no twin: the reader clamps to the sizes the fixed-room dialog of `units`
// accepts (400 to 30001 mm; 1' 0'' to 61' 11 7/8'').
struct FreeRoomSize {
    int horizontal = 0;
    int vertical = 0;
};
FreeRoomSize ReadFreeRoomSize(int units, CfgReport* report = nullptr);
bool WriteFreeRoomSize(const FreeRoomSize& size);

// MAX.CFG "%d %d": the free width and height the maximum-size command measured.
struct MaxRoomSize {
    int width = 0;
    int height = 0;
};
MaxRoomSize ReadMaxRoomSize(CfgReport* report = nullptr);
bool WriteMaxRoomSize(const MaxRoomSize& size);

// The selection: TEMP.CFG "%d\n" holds how many lines COPY.CFG holds, each "%d %ld %ld\n"
// (model/selection_line.h). selection_files.h has the operations the tools call on top of these.
// A missing TEMP.CFG counts as 0.
int ReadSelectionCount(CfgReport* report = nullptr);
bool WriteSelectionCount(int count);
// At most `count` lines, each naming an object of a list of `listCount` objects. Reading stops at the
// end of COPY.CFG, at a line that does not scan and at an index outside the list (a selection made
// before the list changed): the lines owed from there count as missing fields in the report.
std::vector<SelectionLine> ReadSelectionLines(int count, int listCount, CfgReport* report = nullptr);
bool WriteSelectionLines(const std::vector<SelectionLine>& lines);
// The first line of a selection replaces the file; later lines are appended to it.
bool AddSelectionLine(const SelectionLine& line, bool firstLine);

// LIM.CFG / LII.CFG "%d %d %d %d": the number of saved symbols of each library group
// (1 plumbing, 2 electrical, 3 furniture, 4 miscellaneous).
struct LibraryCounts {
    std::array<int, 4> counts{};
};
std::string LibraryCountsName(int units);
LibraryCounts ReadLibraryCounts(int units, CfgReport* report = nullptr);
bool WriteLibraryCounts(int units, const LibraryCounts& counts);

// The name index of a group (PLBM.CFG ... MISI.CFG): one record "%d %s\n" per saved symbol, the
// name's length and the name. `group` is 1 to 4.
std::string LibraryIndexName(int units, int group);
// One record of a name index, as every writer of the index puts it down.
std::string LibraryIndexLine(const std::string& name);
// The longest symbol name: a name is typed into a 24-character edit.
constexpr int LibraryNameLimit = 24;
// A name a library can hold: 1 to LibraryNameLimit of the characters a typed name may have. It names a
// file of the LIBS folder, so nothing else may pass.
bool IsLibraryName(const std::string& name);
// The names of the first `count` records, in file order; fewer when the file ends first. Each name is
// read by its stored length after exactly one blank, so a name that begins with a blank reads back
// whole, and only its first LibraryNameLimit characters are kept. A record whose name is empty or holds
// a character that a typed name cannot (which could name a file outside LIBS) is left out.
std::vector<std::string> ReadLibraryIndex(int units, int group, int count, CfgReport* report = nullptr);
bool WriteLibraryIndex(int units, int group, const std::vector<std::string>& names);
bool AppendLibraryIndex(int units, int group, const std::string& name);
