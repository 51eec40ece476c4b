#include "settings/plan_dialog.h"

TPlandlg::TPlandlg(int resourceId)
    : ExternalWallTypeDialog(resourceId,
                             {{2487, 1},
                              {2481, 275},
                              {2482, 230},
                              {2483, 240},
                              {2484, 200},
                              {2494, 150},
                              {2485, 100},
                              {2486, 75}},
                             {{275, 110, 55, 110}, {240, 110, 55, 75}}) {}
