#include "settings/title_dialog.h"

#include "settings/cfg_files.h"

namespace {
constexpr int TitleEdits[3] = {20001, 20002, 20003};
} // namespace

TTitle2Ddlg::TTitle2Ddlg(int resourceId) : SettingsDialog(resourceId, help_context::Defaults) {}

void TTitle2Ddlg::SetupWindow() {
    const PlanTitles titles = ReadPlanTitles();
    for (int i = 0; i < 3; ++i)
        SetLimitedText(TitleEdits[i], titles.titles[static_cast<std::size_t>(i)]);
}

void TTitle2Ddlg::CmOk() {
    if (!ValidateControls()) return;
    PlanTitles titles;
    for (int i = 0; i < 3; ++i)
        titles.titles[static_cast<std::size_t>(i)] = GetControlText(TitleEdits[i]);
    WritePlanTitles(titles);
    CloseWindow(1);
}
