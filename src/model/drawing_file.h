#pragma once
// The drawing file: a drawing's every object of every floor and view in one text file, the
// authoritative copy of the drawing. TList::WriteDrawing and TList::ReadDrawing move the list to and
// from it; the functions here are their parts, with no file access and no shared globals, for those
// who need the text itself.

#include "model/drawing_extents.h"
#include "model/drawing_list.h"
#include "model/record_codec.h"

#include <string>
#include <string_view>

// Stored coordinates are relative to the centre of the sheet in force, so a drawing written with one
// sheet size and read with another comes back shifted by the difference.
RecordOrigin SheetCentre(int sheetWidth, int sheetHeight, int scale);
// The centre of the sheet in force (Shared.SheetWidth, SheetHeight and Scale), which the drawing file
// is read and written against.
RecordOrigin SheetCentreInForce();

// The drawing file's text for the list: the header (object count, three reserved zeros, `units`,
// `objectSerial`), then every object's entry in list order.
std::string FormatDrawing(const TList& list, RecordOrigin centre, int units, int objectSerial);
// The same into `writer`.
void FormatDrawing(RecordWriter& writer, const TList& list, RecordOrigin centre, int units, int objectSerial);

// What reading a drawing file's text found.
struct DrawingReadResult {
    bool headerRead = false;
    int units = 0;
    int objectSerial = 0;
    int objectsAdded = 0;
    // False when the text ended, or a field did not convert, before every entry the header counts.
    bool complete = false;
    // Entries skipped for a type code with no class.
    int entriesDropped = 0;
    // Entries read that would not give back what they held (RecordReader::Entry::whole): left out.
    int entriesNotWhole = 0;
    DrawingExtents extents;
};

// Appends the objects of a drawing file's text to the list, adding `centre` to the stored
// coordinates. Entries whose type code has no class, and entries not read whole, are skipped; reading
// stops at the first damage and keeps the objects read before it. Text left after the entries the
// header counts makes the read incomplete as well. Whatever the read skipped is counted, since the
// next save writes only what the list holds.
DrawingReadResult ParseDrawing(std::string_view text, RecordOrigin centre, TList& list);

// programDir + "DWGS/" + name + ".DB0", or the existing file whose name differs from that only in
// case.
std::string DrawingFilePathOf(const std::string& programDir, const std::string& name);

// True when the text begins with a drawing header (six numbers): a file without one is no drawing.
bool HasDrawingHeader(std::string_view text);
