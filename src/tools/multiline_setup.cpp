#include "tools/multiline_setup.h"

#include "model/drawing_list.h"
#include "platform/desktop.h"
#include "settings/length_format.h"
#include "tools/line_tool.h"
#include "tools/status_texts.h"

#include <string>

MultilineSetup SetupMultilines(TDrawingtool& tool, platform::ViewWindow& view) {
    platform::Desktop& desktop = platform::TheDesktop();
    const platform::Point cursor = desktop.GetCursorPos();
    ShowPrompt("press Dialogue Box HELP button if you have any queries");
    DrawingList.WriteDrawing();
    ShowPrompt("press Enter then arrow key or movecursor,press Enter on line end, press Enter on "
               "final line FIRST endpt");
    tool.State = TLineobjtool::Multilines;
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
