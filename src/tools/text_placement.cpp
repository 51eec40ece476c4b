#include "tools/text_placement.h"

#include "model/drawing_list.h"
#include "platform/desktop.h"
#include "settings/text_dialog.h"
#include "tools/drawing_view.h"
#include "tools/status_texts.h"
#include "tools/text_tool.h"
#include "tools/tool_kinds.h"

void StartTextTool(DrawingView& view) {
    DrawingList.WriteDrawing();
    TTextdlg dialog;
    if (dialog.Execute() != platform::IdOk) return;
    TDrawingtool& tool = view.Tool();
    if (dialog.alignment == 1) {
        ShowPrompt("click LEFT button on TEXT centre point - press Enter when fnished ");
    } else if (dialog.alignment == 2) {
        tool.Kind = tool_kind::TypedText;
        ShowPrompt("click LEFT button on TEXT starting point - then type away - press Enter when finished ");
    }
    view.Invalidate(nullptr, false);
    // The position code: a centred vertical text has its own.
    tool.Aux1() = dialog.alignment == 1 && dialog.direction == 2700 ? 6 : dialog.alignment;
    tool.Aux2() = dialog.direction;
}
