#include "tools/view_dialogs.h"

#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "platform/desktop.h"
#include "settings/about_dialog.h"
#include "settings/cfg_dialog_files.h"
#include "settings/cfg_file.h"
#include "settings/double_line_dialog.h"
#include "settings/double_line_imperial_dialog.h"
#include "settings/line_text_dialog.h"
#include "settings/new_library_dialog.h"
#include "settings/symbol_library.h"
#include "tools/drawing_tool.h"
#include "tools/drawing_view.h"
#include "tools/move_tool.h"
#include "tools/selection.h"
#include "tools/status_texts.h"

namespace {

// The text beside the next line, kept in LTEXT.CFG for the line tool. A cancel leaves the tool
// without a line text; an empty or too long text writes nothing, so the line gets the text before.
void AskLineText(DrawingView& view) {
    DrawingList.WriteDrawing();
    TLtxtdlg dialog;
    if (dialog.Execute() != platform::IdOk) {
        view.Tool().Y1 = TLineobjtool::NoLineText;
        return;
    }
    const std::size_t length = dialog.lineText.size();
    if (length < 1 || length > static_cast<std::size_t>(LineTextSettings::MaxLength)) return;
    WriteLineText({dialog.side, dialog.lineText});
}

// The spacing of the second line of an internal wall or double line (the dialog writes PTNM.CFG or
// PTNI.CFG) and the side it goes on, which the tool keeps.
void AskSecondLine(DrawingView& view) {
    const bool imperial = IsImperialUnits(Shared.Units);
    int side = 0;
    int result = platform::IdCancel;
    if (imperial) {
        TDbleimpdlg dialog;
        result = dialog.Execute();
        side = dialog.sideCode;
    } else {
        TDbledlg dialog;
        result = dialog.Execute();
        side = dialog.sideCode;
    }
    if (result != platform::IdOk) {
        // The dialog covered part of the drawing.
        view.Invalidate(nullptr, false);
        return;
    }
    view.Tool().SecondLineSide() = side;
    ShowPrompt("select the spacing to and relative position of second line");
    if (imperial) {
        view.DatumState = 1;
        ShowReadout("0");
    }
}

} // namespace

void ShowAboutBox() {
    TAboutdlg about;
    about.Execute();
}

void RunViewDialog(DrawingView& view, int mode) {
    switch (mode) {
    case 2:
        ShowAboutBox();
        break;
    case 8:
        AskLineText(view);
        break;
    case 9:
        AskSecondLine(view);
        break;
    default:
        break; // 3 and every other mode run nothing
    }
}

void RunLibraryCaptureDialog(DrawingView& view) {
    TAtolibdlg dialog;
    if (dialog.Execute() != platform::IdOk) return;
    // The symbol is stored from the rectangle's centre, which the copy tool holds: a window reshaped
    // behind the box read the drawing back against a new sheet centre and moved it with the drawing.
    if (const auto* copy = dynamic_cast<const TMoveobjtool*>(&view.Tool())) KeepSelectionOffsetPoint(*copy);
    SaveToLibrary(DrawingList, dialog.group, dialog.name);
}
