#include "settings/selection_files.h"

#include "model/drawing_list.h"
#include "settings/cfg_files.h"

#include <climits>

int ReadTempCounter() {
    return ReadSelectionCount();
}

bool WriteTempCounter(int count) {
    return WriteSelectionCount(count);
}

bool WriteCopyOffset(int index, int x, int y) {
    const int count = ReadTempCounter();
    // A hand-edited count at the top of the range stays there rather than overflowing.
    return AddSelectionLine({index, x, y}, count == 0) &&
           WriteTempCounter(count < INT_MAX ? count + 1 : count);
}

std::vector<SelectionLine> ReadSelection(const TList& list, CfgReport* report) {
    return ReadSelectionLines(ReadTempCounter(), list.count, report);
}
