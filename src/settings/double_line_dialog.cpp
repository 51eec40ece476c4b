#include "settings/double_line_dialog.h"

TDbledlg::TDbledlg(int resourceId) : DoubleLineSpacingDialog(resourceId, 1, 7005, 0, 0, 7001) {}
