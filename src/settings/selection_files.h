#pragma once
// The current selection as the editing tools and the symbol library use it, on top of the catalogue's
// readers and writers of TEMP.CFG (how many) and COPY.CFG (which objects, and the reference point of
// each). The selection outlives the tool that made it, as plain list indices, so readers check every
// index against the list as it stands now.

#include "model/selection_line.h"

#include <vector>

class TList;
struct CfgReport;

// A selection that could not be written (the CFG folder is read-only, the disk full) selects nothing:
// the files still hold an older selection, and until a selection is written again the readers below
// give none, as if there were no selection files at all. The failed write has told the user.

// The number of objects in the current selection; 0 when TEMP.CFG is missing.
int ReadTempCounter();
// Rewrites TEMP.CFG with `count`.
bool WriteTempCounter(int count);
// Adds one object to the selection: COPY.CFG starts afresh when the selection counts 0 and grows by
// the line otherwise; TEMP.CFG then counts one more.
bool WriteCopyOffset(int index, int x, int y);
// Replaces the selection with `lines`, writing each file once with the bytes that adding the lines
// one by one would leave: COPY.CFG the lines (left as it was when there are none) and TEMP.CFG
// their number.
bool WriteSelection(const std::vector<SelectionLine>& lines);

// The selected objects that still exist in `list`: at most the lines TEMP.CFG counts, up to the end
// of COPY.CFG, a damaged line or the first index outside the list (lines owed from there count as
// missing in the report).
std::vector<SelectionLine> ReadSelection(const TList& list, CfgReport* report = nullptr);
