#pragma once
// The drawn extents of the current floor in EXTENTS.CFG, for zoom-to-fit, the page printer and the
// floor-plan enlarge and shrink, which read the file right after this writes it.

class TList;

// Measures the current floor's plan (model/drawn_extents.h: the floor being printed while a page
// prints) and writes the box to EXTENTS.CFG, the file's only writer. An empty list is first filled
// from the drawing file. False when the file cannot be written.
bool WriteExtents(TList& list);
