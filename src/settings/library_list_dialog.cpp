#include "settings/library_list_dialog.h"

#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "settings/cfg_state_files.h"
#include "settings/symbol_library.h"

#include <algorithm>

namespace {
constexpr int NameList = 15501;
constexpr int ColumnWidth = 200; // pixels
} // namespace

std::string LibraryFileName(int units, int group, const std::string& name) {
    static constexpr const char* Stems[] = {".PL", ".EL", ".FU", ".MS"};
    return name + Stems[std::clamp(group, 1, 4) - 1] + (IsImperialUnits(units) ? "I" : "M");
}

TLiblistdlg::TLiblistdlg(int group, PreviewSymbol preview, int resourceId)
    : SettingsDialog(resourceId, help_context::Libraries), group_(std::clamp(group, 1, 4)),
      preview_(std::move(preview)) {}

void TLiblistdlg::SetupWindow() {
    previewMark = DrawingList.count;
    Host().SetListColumnWidth(NameList, ColumnWidth);
    for (const std::string& name : ListedSymbols(Shared.Units, group_))
        Host().AddListItem(NameList, name);
}

std::string TLiblistdlg::SelectedName() const {
    const int selected = Host().GetListSelection(NameList);
    return selected < 0 ? std::string() : Host().ListItem(NameList, selected);
}

void TLiblistdlg::OnCommand(int id, int notification) {
    if (id == NameList && notification == platform::NotifySelectionChange) EvSelChange();
}

void TLiblistdlg::EvSelChange() {
    DrawingList.TruncateTo(previewMark);
    const std::string name = SelectedName();
    if (!name.empty() && preview_) preview_(LibraryFileName(Shared.Units, group_, name));
}

void TLiblistdlg::CmOk() {
    if (!ValidateControls()) return;
    symbolName = SelectedName();
    CloseWindow(1);
}
