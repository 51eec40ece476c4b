#include "tools/erase_tool.h"

#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "settings/cfg_file.h"
#include "settings/selection_files.h"
#include "tools/tool_kinds.h"

#include <vector>

TEraseobjtool::TEraseobjtool() {
    Kind = tool_kind::Erase;
}

void TEraseobjtool::ApplyToSelection(platform::DeviceContext&, const platform::Rect&, int, int) {
    CfgReport report;
    const std::vector<SelectionLine> lines = ReadSelection(DrawingList, &report);
    // A line short of the count (damaged, or naming an object that has gone) stops the erase before
    // anything is deleted: the selection no longer says what the user dragged over.
    if (!report.Complete()) return;
    // The selection is marked beside the list, not in the objects, so no object's own field can
    // pass for a mark.
    std::vector<bool> erased(static_cast<std::size_t>(DrawingList.count), false);
    for (const SelectionLine& line : lines) {
        const int type = DrawingList[line.index]->type;
        if (type != type_code::ExternalWall && type <= 31000)
            erased[static_cast<std::size_t>(line.index)] = true;
    }
    DrawingList.RemoveMarked(erased);
    DrawingList.WriteDrawing();
    State = Erased;
}
