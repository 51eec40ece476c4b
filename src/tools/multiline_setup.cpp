#include "tools/multiline_setup.h"

#include "model/drawing_list.h"
#include "platform/desktop.h"
#include "settings/length_format.h"
#include "tools/tool_framework.h"

#include <string>

MultilineSetup SetupMultilines(TDrawingtool& tool, platform::ViewWindow& view) {
    platform::Desktop& desktop = platform::TheDesktop();
    const platform::Point cursor = desktop.GetCursorPos();
    desktop.SetStatusText("press Dialogue Box HELP button if you have any queries");
    DrawingList.WriteDrawing();
    desktop.SetStatusText("press Enter then arrow key or movecursor,press Enter on line end, press Enter on "
                          "final line FIRST endpt");
    tool.State = 40;
    // The box's 17-character buffer holds 16 characters and starts with the title in it.
    std::string answer = "Number of Lines";
    if (!desktop.InputBox("Number of Lines", "", answer, 16)) {
        view.Invalidate(nullptr, true);
        desktop.SetCursorPos(cursor);
        return MultilineSetup::Cancelled;
    }
    const int lines = ParseDecimal(answer);
    if (lines > 100) return MultilineSetup::TooMany;
    view.Invalidate(nullptr, false);
    tool.Count = lines;
    desktop.SetCursorPos(cursor);
    return MultilineSetup::Ready;
}
