#include "settings/selection_files.h"

#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "settings/cfg_files.h"

#include <algorithm>
#include <climits>

int ReadTempCounter() {
    return Shared.SelectionUnwritten ? 0 : ReadSelectionCount();
}

bool WriteTempCounter(int count) {
    return WriteSelectionCount(count);
}

bool WriteCopyOffset(int index, int x, int y) {
    const int count = ReadTempCounter();
    // A hand-edited count at the top of the range stays there rather than overflowing.
    const bool written =
        AddSelectionLine({index, x, y}, count == 0) && WriteTempCounter(count < INT_MAX ? count + 1 : count);
    Shared.SelectionUnwritten = !written;
    return written;
}

bool WriteSelection(const std::vector<SelectionLine>& lines) {
    const bool linesWritten = lines.empty() || WriteSelectionLines(lines);
    // When COPY.CFG could not be written TEMP.CFG counts none, if it can be written at all: no stale
    // selection is left on disk to be moved or erased in the new one's place.
    const int count = linesWritten ? static_cast<int>(std::min<std::size_t>(lines.size(), INT_MAX)) : 0;
    const bool written = WriteTempCounter(count) && linesWritten;
    Shared.SelectionUnwritten = !written;
    return written;
}

std::vector<SelectionLine> ReadSelection(const TList& list, CfgReport* report) {
    if (Shared.SelectionUnwritten) {
        // As no selection file at all: the files hold a selection from before the one the user made.
        if (report) *report = CfgReport{"COPY.CFG", true, 0, 0, 0};
        return {};
    }
    return ReadSelectionLines(ReadTempCounter(), list.count, report);
}
