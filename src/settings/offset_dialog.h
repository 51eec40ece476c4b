#pragma once
// Dimension offsets and text sizes of metric drawings (MOFFSET.CFG), in millimetres.

#include "settings/dimension_offsets_dialog.h"

class TOffsetdlg : public DimensionOffsetsDialog {
  public:
    static constexpr int Resource = 5500;
    explicit TOffsetdlg(int resourceId = Resource);
};
