#pragma once
// The current selection as the editing tools and the symbol library use it, on top of the catalogue's
// readers and writers of TEMP.CFG (how many) and COPY.CFG (which objects, and the reference point of
// each). The selection outlives the tool that made it, as plain list indices, so readers check every
// index against the list as it stands now.

#include "model/selection_line.h"

#include <vector>

class TList;
struct CfgReport;

// The number of objects in the current selection; 0 when TEMP.CFG is missing.
int ReadTempCounter();
// Rewrites TEMP.CFG with `count`.
bool WriteTempCounter(int count);
// Adds one object to the selection: COPY.CFG starts afresh when the selection counts 0 and grows by
// the line otherwise; TEMP.CFG then counts one more.
bool WriteCopyOffset(int index, int x, int y);

// The selected objects that still exist in `list`: at most the lines TEMP.CFG counts, up to the end
// of COPY.CFG, a damaged line or the first index outside the list (lines owed from there count as
// missing in the report).
std::vector<SelectionLine> ReadSelection(const TList& list, CfgReport* report = nullptr);
