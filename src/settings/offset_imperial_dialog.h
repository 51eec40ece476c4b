#pragma once
// Dimension offsets and text sizes of feet-and-inches drawings (IOFFSET.CFG), in whole inches.

#include "settings/dimension_offsets_dialog.h"

class TOffsetimpdlg : public DimensionOffsetsDialog {
  public:
    static constexpr int Resource = 5600;
    explicit TOffsetimpdlg(int resourceId = Resource);
};
