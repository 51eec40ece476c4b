#pragma once
// One object of the current selection, as the selection files keep it: its index in the drawing list
// and the reference point its record is stored from when it is written to a symbol or the paste
// buffer. The selection lives only in those files, as plain list indices, so it goes stale when the
// list changes; every reader checks the index against the list before using it.

struct SelectionLine {
    int index = 0; // in the drawing list
    int x = 0;     // the reference point, absolute drawing units
    int y = 0;
};
