#include "model/symbol_file.h"

#include "model/file_name_case.h"
#include "model/shared_state.h"
#include "model/whole_file.h"
#include "model/write_failures.h"
#include "platform/desktop.h"

#include <cerrno>
#include <climits>
#include <unordered_map>

namespace {

// A name that stays inside the LIBS folder: one name, no folder part.
bool IsPlainFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

bool Names(const TList& list, const SelectionLine& line) {
    return line.index >= 0 && line.index < list.count && list[line.index] != nullptr;
}

int Clamped(long long value) {
    return static_cast<int>(value < INT_MIN ? INT_MIN : (value > INT_MAX ? INT_MAX : value));
}

} // namespace

RecordHeader SymbolHeader(int objectSerial) {
    return {0, 0, 0, 2, 2, objectSerial};
}

RecordHeader PasteHeader(int units, int objectSerial) {
    return {0, 0, 0, 0, units, objectSerial};
}

std::string FormatSymbol(const TList& list, RecordHeader header, std::span<const SelectionLine> selection) {
    int records = 0;
    for (const SelectionLine& line : selection)
        if (Names(list, line)) ++records;
    header[0] = records;
    RecordWriter writer(256 + selection.size() * 96);
    writer.WriteHeader(header);
    for (const SelectionLine& line : selection)
        if (Names(list, line)) writer.WriteEntry(*list[line.index], RecordOrigin{line.x, line.y});
    return writer.Take();
}

RecordOrigin SymbolInsertionPoint() {
    const long long x = (static_cast<long long>(Shared.ClientWidth / 8) + Shared.ScrollX) * Shared.Scale;
    const long long y = (static_cast<long long>(Shared.ClientHeight / 6) + Shared.ScrollY) * Shared.Scale;
    return RecordOrigin{Clamped(x), Clamped(y)};
}

SymbolReadResult ParseSymbol(std::string_view text, RecordOrigin reference, int view, int& objectSerial,
                             TList& list) {
    SymbolReadResult result;
    RecordReader reader(text);
    RecordHeader header{};
    if (!reader.ReadHeader(header)) return result;
    result.headerRead = true;
    if (header[5] > objectSerial) objectSerial = header[5];
    const int base = FloorNumberBase(view);
    std::unordered_map<int, int> freshNumbers;
    const auto fresh = [&](int group) {
        const auto [found, added] = freshNumbers.try_emplace(group, 0);
        if (added) found->second = NextObjectNumber(base, objectSerial);
        return found->second;
    };
    result.complete = reader.ReadEntries(header[0], reference,
                                         [&](std::unique_ptr<TObject> object, ObjectClass objectClass) {
                                             object->view = view;
                                             if (objectClass == ObjectClass::ExternalWall) {
                                                 if (object->aux != 0) object->aux = fresh(object->aux);
                                             } else if (object->number != 0) {
                                                 const int old = object->number;
                                                 object->number = fresh(old);
                                                 if (object->aux == old) object->aux = object->number;
                                             }
                                             list.Add(std::move(object));
                                             ++result.objectsAdded;
                                         });
    return result;
}

std::string TList::LibraryFilePath(const std::string& fileName) const {
    return FindFileIgnoringCase(ProgramDir + "LIBS/", fileName);
}

namespace {

// Tells that the symbol file or the paste buffer `fileName`, at `path`, was not written. The buffer
// is named as the settings files are, by its place in the program folder.
void TellSymbolUnsaved(const std::string& fileName, const std::string& path, const WriteOutcome& outcome) {
    std::string text;
    if (fileName == PasteBufferFile) {
        const std::string name = "LIBS/" + path.substr(path.rfind('/') + 1);
        text =
            WriteFailureText(name, outcome, "The copy could not be kept in " + name, "the copy was not kept");
    } else {
        text = WriteFailureText(path, outcome, "The library file could not be saved to " + path,
                                "the library file was not saved");
    }
    platform::TheDesktop().MessageBox(text, "SAVE", platform::MessageBoxStyle::Ok);
}

} // namespace

bool TList::WriteSymbol(const RecordHeader& header, const std::string& fileName,
                        std::span<const SelectionLine> selection,
                        const std::function<bool()>& beforeReplacing) const {
    const std::string path = LibraryFilePath(fileName);
    if (!IsPlainFileName(fileName)) {
        TellSymbolUnsaved(fileName, path, WriteOutcome{EINVAL});
        return false;
    }
    StagedFile file;
    WriteOutcome outcome = file.Stage(path, FormatSymbol(*this, header, selection));
    if (outcome && beforeReplacing && !beforeReplacing()) return false;
    if (outcome) outcome = file.Commit();
    if (!outcome) TellSymbolUnsaved(fileName, path, outcome);
    return static_cast<bool>(outcome);
}

bool TList::EmptySymbolFile(const std::string& fileName) const {
    const std::string path = LibraryFilePath(fileName);
    const WriteOutcome outcome =
        IsPlainFileName(fileName) ? ReplaceFileAtomically(path, "") : WriteOutcome{EINVAL};
    if (!outcome) TellSymbolUnsaved(fileName, path, outcome);
    return static_cast<bool>(outcome);
}

void TList::ReadSymbol(const std::string& fileName) {
    std::string text;
    if (!IsPlainFileName(fileName) || !ReadWholeFile(LibraryFilePath(fileName), text)) return;
    ParseSymbol(text, SymbolInsertionPoint(), Shared.CurrentView, Shared.ObjectSerial, *this);
}
