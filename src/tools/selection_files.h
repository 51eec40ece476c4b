#pragma once
// The selection of the copy, move and library commands as the files hold it: one line per selected
// object in CFG\COPY.CFG and their count in CFG\TEMP.CFG.

class TList;

// Adds one object (its index in the list and its reference point, absolute drawing units) to the
// selection; the selection starts afresh when the count is 0.
void WriteCopyOffset(TList& list, int index, long x, long y);
// The number of objects in the selection; 0 when there is none.
int ReadTempCounter(TList& list);
void WriteTempCounter(TList& list, int n);
