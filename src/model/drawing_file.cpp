#include "model/drawing_file.h"

#include "model/file_name_case.h"
#include "model/shared_state.h"
#include "model/whole_file.h"
#include "model/write_failures.h"

#include <algorithm>

RecordOrigin SheetCentre(int sheetWidth, int sheetHeight, int scale) {
    return RecordOrigin{sheetWidth * scale / 2, sheetHeight * scale / 2};
}

RecordOrigin SheetCentreInForce() {
    return SheetCentre(Shared.SheetWidth, Shared.SheetHeight, Shared.Scale);
}

namespace {

// Most entries take under a hundred bytes; reserving for that saves regrowing the text.
std::size_t ExpectedBytes(const TList& list) {
    return 4096 + static_cast<std::size_t>(list.count) * 96;
}

} // namespace

void FormatDrawing(RecordWriter& writer, const TList& list, RecordOrigin centre, int units,
                   int objectSerial) {
    writer.WriteHeader({list.count, 0, 0, 0, units, objectSerial});
    for (int i = 0; i < list.count; ++i) {
        list.FetchAhead(i);
        if (const TObject* object = list[i]) writer.WriteEntry(*object, centre);
    }
}

std::string FormatDrawing(const TList& list, RecordOrigin centre, int units, int objectSerial) {
    RecordWriter writer(ExpectedBytes(list));
    FormatDrawing(writer, list, centre, units, objectSerial);
    return writer.Take();
}

DrawingReadResult ParseDrawing(std::string_view text, RecordOrigin centre, TList& list) {
    DrawingReadResult result;
    RecordReader reader(text);
    RecordHeader header{};
    if (!reader.ReadHeader(header)) return result;
    result.headerRead = true;
    result.units = header[4];
    result.objectSerial = header[5];
    const int entries = header[0];
    for (int i = 0; i < entries; ++i) {
        RecordReader::Entry entry = reader.ReadEntry(centre);
        if (entry.outcome == RecordReader::Outcome::Stop) return result;
        if (entry.outcome == RecordReader::Outcome::NoClass) {
            ++result.entriesDropped;
            continue;
        }
        // Kept, it would be saved as what it was read as, not as what the file held: a line of
        // another view no view shows, a shortened name. The count of the open's message is what is kept.
        if (!entry.whole) [[unlikely]] {
            ++result.entriesNotWhole;
            continue;
        }
        result.extents.Include(*entry.object, entry.objectClass);
        list.Add(std::move(entry.object));
        ++result.objectsAdded;
    }
    // Records beyond the count are objects the next save would drop: a damaged count is damage too.
    result.complete = reader.AtEnd();
    return result;
}

bool HasDrawingHeader(std::string_view text) {
    RecordReader reader(text);
    RecordHeader header{};
    return reader.ReadHeader(header);
}

std::string DrawingFilePathOf(const std::string& programDir, const std::string& name) {
    return FindFileIgnoringCase(programDir + "DWGS/", name + ".DB0");
}

std::string TList::DrawingFilePath() const {
    return DrawingFilePathOf(ProgramDir, DrawingName);
}

void TList::WriteDrawing() {
    const std::string path = DrawingFilePath();
    // A save of another file goes after the one held for it, in the order they were made.
    if (heldSave_ && heldSave_->path != path) WriteHeldDrawing();
    // Held back only where it is bound to end as the write would: an open drawing, which the list
    // holds, in a file that may be written. A file marked read-only is told at once.
    if (userActions_ > 0 && holdsDrawing_ && Shared.DrawingState >= 2 && !IsMarkedReadOnly(path)) {
        heldSave_ = HeldSave{path, SheetCentreInForce()};
        if (count > 0) Shared.DrawingState = 2;
        return;
    }
    WriteDrawingNow(path, SaveFailureNotice::Tell);
}

bool TList::WriteDrawingNow(SaveFailureNotice notice) {
    return WriteDrawingNow(DrawingFilePath(), notice);
}

bool TList::WriteDrawingNow(const std::string& path, SaveFailureNotice notice) {
    if (heldSave_ && heldSave_->path != path) WriteHeldDrawing();
    // This write stands for one held for the same file.
    heldSave_.reset();
    // A list emptied for a view and not read back yet holds none of the drawing: written, it would
    // throw every floor of the file away.
    if (!holdsDrawing_ && FileHoldsObjects(path)) return true;
    if (!Save(path, SheetCentreInForce(), notice)) return false;
    if (count > 0) Shared.DrawingState = 2;
    return true;
}

bool TList::WriteHeldDrawing() {
    if (!heldSave_) return true;
    const HeldSave held = std::move(*heldSave_);
    heldSave_.reset();
    // DrawingState was set as the save was held; a zoom may have lowered it since, until it repaints.
    return Save(held.path, held.centre, SaveFailureNotice::Tell);
}

bool TList::Save(const std::string& path, RecordOrigin centre, SaveFailureNotice notice) {
    // The rename would replace a file marked read-only all the same; its owner meant it to stay.
    const bool readOnly = IsMarkedReadOnly(path);
    WriteOutcome outcome;
    // The list as a read made it from this file, which has not changed since, with the header that
    // read left: when that list was found to write the bytes read, the save has nothing to do.
    const std::optional<FileStamp> stamp = asRead_ ? StampOf(path) : std::nullopt;
    const bool unchanged =
        stamp && read_ == DrawingRead{path, *stamp, centre, Shared.Units, Shared.ObjectSerial};
    if (!readOnly && !(unchanged && writesWhatItRead_ == read_)) {
        RecordWriter writer(std::move(writeMemory_), ExpectedBytes(*this));
        FormatDrawing(writer, *this, centre, Shared.Units, Shared.ObjectSerial);
        if (unchanged && writer.Text() == readBuffer_.Bytes()) {
            // The bytes the read found, which the file still holds: nothing to write, and while the
            // list and the file stay so, nothing to make either.
            writesWhatItRead_ = read_;
        } else {
            // The list is mostly what the last paint read back: a file that holds the very bytes stays
            // as it is, and the save costs no write (which flushes some megabytes to the disk).
            asRead_ = false;
            if (!FileHolds(path, writer.Text(), readBuffer_))
                outcome = ReplaceFileAtomically(path, writer.Text());
        }
        writeMemory_ = writer.Recycle();
    }
    if (readOnly || !outcome) {
        if (notice == SaveFailureNotice::Tell) TellSaveFailure(path, readOnly, outcome);
        return false;
    }
    holdsDrawing_ = true;
    return true;
}

void TList::TellSaveFailure(const std::string& path, bool readOnly, const WriteOutcome& outcome) {
    const std::string name = path.substr(path.rfind('/') + 1);
    TellWriteFailureOnce(path,
                         readOnly
                             ? name + " is marked read-only, so the drawing was not saved"
                             : WriteFailureText(name, outcome, "The drawing could not be saved to " + name,
                                                "the drawing was not saved"),
                         "SAVE");
}

void TList::StartUserAction() {
    ++userActions_;
    ForgetToldWriteFailures();
}

void TList::EndUserAction() {
    if (userActions_ > 0) --userActions_;
    // A command run within an input writes its saves as it ends, like one of its own.
    WriteHeldDrawing();
}

void TList::ReadDrawing() {
    WriteHeldDrawing();
    const RecordOrigin centre = SheetCentreInForce();
    lastRead_ = {};
    // Objects read into an empty list are the read's alone: no one holds one of them to change.
    const bool intoEmptyList = count == 0;
    asRead_ = false;
    const std::string path = DrawingFilePath();
    FileStamp stamp;
    if (!ReadWholeFile(path, readBuffer_, &stamp)) return;
    const DrawingReadResult result = ParseDrawing(readBuffer_.Bytes(), centre, *this);
    using State = DrawingFileCheck::State;
    // A read that left out anything the file holds is damage as much as one cut short: the next save
    // would write the drawing without it.
    const bool whole = result.complete && result.entriesDropped == 0 && result.entriesNotWhole == 0;
    lastRead_.state = !result.headerRead ? State::NotADrawing : whole ? State::Whole : State::Damaged;
    lastRead_.objectsRead = result.objectsAdded;
    holdsDrawing_ = holdsDrawing_ || result.headerRead;
    if (result.headerRead) {
        Shared.Units = result.units;
        // A number handed out since this drawing was last saved (to a try that made nothing, or to an
        // object a dialog holds back while the view repaints) stays used when the drawing is read back:
        // it must not be handed out twice.
        Shared.ObjectSerial =
            path == serialDrawing_ ? std::max(Shared.ObjectSerial, result.objectSerial) : result.objectSerial;
        serialDrawing_ = path;
    }
    SetBitmapExtents(result.extents, Shared.Units);
    if (intoEmptyList && lastRead_.state == State::Whole) {
        read_ = DrawingRead{path, stamp, centre, Shared.Units, Shared.ObjectSerial};
        asRead_ = true;
    }
}

bool TList::MoveAsReadTo(RecordOrigin centre) {
    if (!asRead_) return false;
    return read_.centre == centre || MoveReadOrigin(read_.centre, centre);
}

bool TList::MoveReadOrigin(RecordOrigin from, RecordOrigin to) {
    asRead_ = false;
    DrawingExtents extents;
    for (const std::unique_ptr<TObject>& object : objects_) {
        if (!MoveRecordOrigin(*object, from, to)) return false;
        extents.Include(*object, ClassOfType(object->type));
    }
    SetBitmapExtents(extents, Shared.Units);
    return true;
}
