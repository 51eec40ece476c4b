#include "settings/plan_imperial_dialog.h"

// 11 inches of cavity brick as 4 1/2, 2 and 4 1/2; 9 1/2 inches of brick veneer as 4 1/2, 2 and 3.
TPlanimpdlg::TPlanimpdlg(int resourceId)
    : ExternalWallTypeDialog(resourceId,
                             {{2911, 1},
                              {2904, 264},
                              {2905, 216},
                              {2906, 228},
                              {2907, 192},
                              {2908, 144},
                              {2909, 96},
                              {2910, 72}},
                             {{264, 108, 48, 108}, {228, 108, 48, 72}}) {}
