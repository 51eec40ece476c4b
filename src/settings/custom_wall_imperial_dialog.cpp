#include "settings/custom_wall_imperial_dialog.h"

TPlanimpcustdlg::TPlanimpcustdlg(int resourceId)
    : CustomWallDialog(resourceId, 0, 5351, {5352, 5353, 5354}, {5355, 5356, 5357}, {5358, 5359, 5360}) {}
