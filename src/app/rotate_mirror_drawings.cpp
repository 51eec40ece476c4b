#include "app/rotate_mirror_drawings.h"

#include "app/client.h"
#include "model/drawing_file.h"
#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "platform/desktop.h"
#include "settings/manipulate_dialog.h"
#include "settings/replace_question.h"
#include "tools/view_support.h"
#include "view/child.h"
#include "view/title_block.h"

namespace {

// Names the drawing may be written under: 3 to 24 characters.
constexpr std::size_t ShortestName = 3;

void RetitleFloors(const DrawingTurn& turn) {
    const int current = Shared.CurrentView;
    for (int floor : turn.floorsToTitle) {
        Shared.CurrentView = floor;
        MakeTitleBlock(DrawingList);
    }
    Shared.CurrentView = current;
}

} // namespace

void RotateMirrorDrawings(TClient& client, TChild& view, int mode) {
    if (mode != 1) return;
    DrawingList.WriteDrawing();
    TManipdlg dialog;
    if (dialog.Execute() != platform::IdOk || dialog.drawingName.size() < ShortestName ||
        dialog.drawingName.size() > static_cast<std::size_t>(TList::DrawingNameLimit)) {
        RefreshView(view, 0);
        return;
    }
    const std::string name = dialog.drawingName;
    DrawingList.WriteDrawing();
    // The same name, exactly as the drawing is called, turns it in place.
    if (name == DrawingList.DrawingName) {
        RetitleFloors(DrawingList.RotateDrawing(dialog.operation, name));
        RefreshView(view, 0);
        return;
    }
    // Another drawing of that name would be lost without a word, as it would in New or Save As.
    if (!MayReplaceFile(DrawingFilePathOf(DrawingList.ProgramDir, name), "ROTATE/MIRROR")) {
        RefreshView(view, 0);
        return;
    }
    const DrawingTurn turn = DrawingList.RotateDrawing(dialog.operation, name);
    if (!turn.written) {
        RefreshView(view, 0);
        return;
    }
    RetitleFloors(turn);
    if (Shared.CurrentView > view_code::SecondFloor) Shared.CurrentView = view_code::GroundFloor;
    const char* suffix = Shared.CurrentView == view_code::FirstFloor    ? ".PL1"
                         : Shared.CurrentView == view_code::SecondFloor ? ".PL2"
                                                                        : ".PLN";
    client.OpenView(0, suffix);
}
