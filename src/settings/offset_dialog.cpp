#include "settings/offset_dialog.h"

TOffsetdlg::TOffsetdlg(int resourceId)
    : DimensionOffsetsDialog(resourceId, 1,
                             {5501, 5502, 5503, 5504, 5505, 5506, 5507, 5508, 5509, 5510, 5511}) {}
