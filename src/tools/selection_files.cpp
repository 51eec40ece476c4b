#include "tools/selection_files.h"

#include "model/drawing_list.h"

void WriteCopyOffset(TList& /*list*/, int /*index*/, long /*x*/, long /*y*/) {
    // Will append to the selection through the settings catalogue once selections are built.
}

int ReadTempCounter(TList& /*list*/) {
    // Will read the selection's count once selections are built; until then there is no selection.
    return 0;
}

void WriteTempCounter(TList& /*list*/, int /*n*/) {
    // Will write the selection's count once selections are built.
}
