#include "tools/copy_tool.h"

#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "model/symbol_file.h"
#include "settings/cfg_file.h"
#include "settings/selection_files.h"
#include "tools/tool_kinds.h"

#include <vector>

TCopyobjtool::TCopyobjtool() {
    Kind = tool_kind::Copy;
}

void TCopyobjtool::ApplyToSelection(platform::DeviceContext&, const platform::Rect&, int, int) {
    if (Amount() == 1) return;
    CfgReport report;
    const std::vector<SelectionLine> lines = ReadSelection(DrawingList, &report);
    // Without a selection to read the buffer is left empty, not even a header, so a paste adds
    // nothing; a selection of nothing gives a header that counts no objects.
    if (report.fileMissing)
        DrawingList.EmptySymbolFile("PASTE.CFG");
    else
        DrawingList.WriteSymbol(PasteHeader(Shared.Units, Shared.ObjectSerial), "PASTE.CFG", lines);
    State = 0;
}
