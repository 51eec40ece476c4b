#include "settings/line_style_dialog.h"

namespace {

struct Pen {
    int id;
    int width;
    int style;
};
constexpr Pen Pens[] = {{14001, 1, 0}, {14002, 2, 0}, {14003, 1, 1}, {14004, 1, 2}, {14005, 1, 3}};

} // namespace

TLinedlg::TLinedlg(int resourceId) : SettingsDialog(resourceId, std::nullopt) {}

void TLinedlg::SetupWindow() {
    SetCheck(14001, true);
}

void TLinedlg::CmOk() {
    if (!ValidateControls()) return;
    for (const Pen& pen : Pens)
        if (GetCheck(pen.id)) {
            penWidth = pen.width;
            penStyle = pen.style;
            break;
        }
    CloseWindow(1);
}
