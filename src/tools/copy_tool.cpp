#include "tools/copy_tool.h"

#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "model/symbol_file.h"
#include "platform/desktop.h"
#include "settings/cfg_file.h"
#include "settings/selection_files.h"
#include "tools/status_texts.h"
#include "tools/tool_kinds.h"

#include <vector>

TCopyobjtool::TCopyobjtool() {
    Kind = tool_kind::Copy;
}

void TCopyobjtool::ApplyToSelection(platform::DeviceContext&, const platform::Rect&, int, int) {
    if (Amount() == 1) return;
    State = 0;
    if (Shared.SelectionUnwritten) {
        // The drag selected nothing the buffer could be made from; the last copy stays in it whole.
        ViewMessageBox("The selection could not be kept, so the copy was not kept", "SAVE",
                       platform::MessageBoxStyle::Ok);
        return;
    }
    CfgReport report;
    const std::vector<SelectionLine> lines = ReadSelection(DrawingList, &report);
    // Without a selection to read the buffer is left empty, not even a header, so a paste adds
    // nothing; a selection of nothing gives a header that counts no objects.
    if (report.fileMissing)
        DrawingList.EmptySymbolFile(PasteBufferFile);
    else
        DrawingList.WriteSymbol(PasteHeader(Shared.Units, Shared.ObjectSerial), PasteBufferFile, lines);
}
