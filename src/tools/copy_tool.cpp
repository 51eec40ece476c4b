#include "tools/copy_tool.h"

#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "model/symbol_file.h"
#include "settings/selection_files.h"
#include "tools/tool_kinds.h"

TCopyobjtool::TCopyobjtool() {
    Kind = tool_kind::Copy;
}

void TCopyobjtool::ApplyToSelection(platform::DeviceContext&, const platform::Rect&, int, int) {
    if (Amount() == 1) return;
    // A missing selection file gives an empty buffer, still with its header.
    DrawingList.WriteSymbol(PasteHeader(Shared.Units, Shared.ObjectSerial), "PASTE.CFG",
                            ReadSelection(DrawingList));
    State = 0;
}
