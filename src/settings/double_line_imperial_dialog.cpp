#include "settings/double_line_imperial_dialog.h"

TDbleimpdlg::TDbleimpdlg(int resourceId) : DoubleLineSpacingDialog(resourceId, 0, 7505, 7506, 7507, 7501) {}
