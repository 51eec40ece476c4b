#pragma once
// Symbol files and the paste buffer. A symbol is a group of drawing objects kept in a file of the
// LIBS folder and inserted into any drawing; LIBS/PASTE.CFG, the copy buffer, is the same kind of
// file. Both are drawing-file records (record_codec.h) under their own header, with every stored
// coordinate measured from a reference point instead of the sheet centre. The file-free parts here
// serve TList::WriteSymbol and TList::ReadSymbol; the library index and the selection files they
// work with are CFG files (settings/symbol_library.h, settings/selection_files.h).

#include "model/drawing_list.h"
#include "model/object_numbers.h"
#include "model/record_codec.h"
#include "model/selection_line.h"

#include <span>
#include <string>
#include <string_view>

// The paste buffer's file in the LIBS folder.
inline constexpr char PasteBufferFile[] = "PASTE.CFG";

// The headers, whose first value the writer sets to the number of records. The reader ignores the
// second to fifth values of both: a symbol carries "0 0 2 2", the paste buffer "0 0 0" and Units.
RecordHeader SymbolHeader(int objectSerial);
RecordHeader PasteHeader(int units, int objectSerial);

// The text of a symbol or paste file: `header`, counting the records written, then the selected
// objects in selection order, each relative to its own line's reference point. A line whose index no
// longer names an object of `list` is left out, so the count and the records always agree.
std::string FormatSymbol(const TList& list, RecordHeader header, std::span<const SelectionLine> selection);

// Where inserted objects go: one eighth of the view's width and one sixth of its height in from its
// lower-left corner, (ClientWidth / 8 + ScrollX, ClientHeight / 6 + ScrollY) times Scale.
RecordOrigin SymbolInsertionPoint();

struct SymbolReadResult {
    bool headerRead = false;
    int objectsAdded = 0;
    // False when the text ended, or a field did not convert, before every record the header counts.
    bool complete = false;
};

// Appends the objects of a symbol or paste file's text to `list`: each record read as the drawing
// file reads it, with `reference` added to its stored coordinates and `view` as its view. Inserted
// objects never take the numbers of objects already drawn: `objectSerial` first becomes the greater
// of its value and the stored one, then every distinct stored group (an external wall's group field,
// which holds its serial, or any other object's number) gets one fresh number, the floor base of
// `view` plus the next serial. An external wall keeps its number, which holds its length; another
// object's group field that held its old number takes the new one, so undo still sees the group.
// Number 0 (no number) stays 0. Reading stops at the first damage and keeps what it read.
SymbolReadResult ParseSymbol(std::string_view text, RecordOrigin reference, int view, int& objectSerial,
                             TList& list);
