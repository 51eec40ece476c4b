#include "settings/offset_imperial_dialog.h"

TOffsetimpdlg::TOffsetimpdlg(int resourceId)
    : DimensionOffsetsDialog(resourceId, 0,
                             {5609, 5610, 5611, 5601, 5602, 5603, 5604, 5605, 5606, 5607, 5608}) {}
