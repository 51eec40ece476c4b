#include "tools/text_placement.h"

#include "model/drawing_list.h"
#include "platform/desktop.h"
#include "settings/text_dialog.h"
#include "tools/drawing_tool.h"
#include "tools/view_support.h"
#include "view/child.h"
#include "view/view_owner.h"

void StartTextTool(TChild& view) {
    DrawingList.WriteDrawing();
    TTextdlg dialog;
    if (dialog.Execute() != platform::IdOk) return;
    TDrawingtool& tool = view.Owner().Tool();
    if (dialog.alignment == 1) {
        ShowPrompt("click LEFT button on TEXT centre point - press Enter when fnished ");
    } else if (dialog.alignment == 2) {
        tool.Kind = 24;
        ShowPrompt("click LEFT button on TEXT starting point - then type away - press Enter when finished ");
    }
    if (platform::ViewWindow* window = view.Window()) window->Invalidate(nullptr, false);
    // The position code: a centred vertical text has its own.
    tool.Aux1() = dialog.alignment == 1 && dialog.direction == 2700 ? 6 : dialog.alignment;
    tool.Aux2() = dialog.direction;
}
