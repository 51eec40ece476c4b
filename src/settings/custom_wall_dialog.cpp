#include "settings/custom_wall_dialog.h"

TPlancustdlg::TPlancustdlg(int resourceId)
    : CustomWallDialog(resourceId, 1, 5301, {5302, 0, 0}, {5303, 0, 0}, {5304, 0, 0}) {}
