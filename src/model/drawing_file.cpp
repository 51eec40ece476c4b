#include "model/drawing_file.h"

#include "model/file_name_case.h"
#include "model/shared_state.h"
#include "model/whole_file.h"
#include "platform/desktop.h"

RecordOrigin SheetCentre(int sheetWidth, int sheetHeight, int scale) {
    return RecordOrigin{sheetWidth * scale / 2, sheetHeight * scale / 2};
}

std::string FormatDrawing(const TList& list, RecordOrigin centre, int units, int objectSerial) {
    // Most entries take under a hundred bytes; reserving for that saves regrowing the text.
    RecordWriter writer(4096 + static_cast<std::size_t>(list.count) * 96);
    writer.WriteHeader({list.count, 0, 0, 0, units, objectSerial});
    for (int i = 0; i < list.count; ++i)
        if (const TObject* object = list[i]) writer.WriteEntry(*object, centre);
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
        if (entry.outcome == RecordReader::Outcome::NoClass) continue;
        result.extents.Include(*entry.object, entry.objectClass);
        list.Add(std::move(entry.object));
        ++result.objectsAdded;
    }
    result.complete = true;
    return result;
}

std::string TList::DrawingFilePath() const {
    return FindFileIgnoringCase(ProgramDir + "DWGS/", DrawingName + ".DB0");
}

bool TList::WriteDrawing() {
    const RecordOrigin centre = SheetCentre(Shared.SheetWidth, Shared.SheetHeight, Shared.Scale);
    const std::string path = DrawingFilePath();
    if (!ReplaceFileAtomically(path, FormatDrawing(*this, centre, Shared.Units, Shared.ObjectSerial))) {
        // Every edit saves, so a lasting fault (a missing folder, a full disk) would otherwise raise
        // the same box after every click.
        if (!saveFailureShown_) {
            saveFailureShown_ = true;
            platform::TheDesktop().MessageBox("The drawing could not be saved to " + path, "SAVE",
                                              platform::MessageBoxStyle::Ok);
        }
        return false;
    }
    saveFailureShown_ = false;
    if (count > 0) Shared.DrawingState = 2;
    return true;
}

void TList::ReadDrawing() {
    const RecordOrigin centre = SheetCentre(Shared.SheetWidth, Shared.SheetHeight, Shared.Scale);
    std::string text;
    if (!ReadWholeFile(DrawingFilePath(), text)) return;
    const DrawingReadResult result = ParseDrawing(text, centre, *this);
    if (result.headerRead) {
        Shared.Units = result.units;
        Shared.ObjectSerial = result.objectSerial;
    }
    SetBitmapExtents(result.extents, Shared.Units);
}
