#include "settings/about_dialog.h"

TAboutdlg::TAboutdlg(int resourceId) : SettingsDialog(resourceId, std::nullopt) {}
