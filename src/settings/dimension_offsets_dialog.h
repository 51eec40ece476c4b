#pragma once
// What the metric and the feet-and-inches dimension-offset dialogs share: three offsets in edits and
// four radio pairs, filled from and written back to their twin of MOFFSET.CFG / IOFFSET.CFG. The
// feet-and-inches twin shows and takes the offsets in whole inches.

#include "settings/cfg_dialog_files.h"
#include "settings/settings_dialog.h"

class DimensionOffsetsDialog : public SettingsDialog {
  public:
    void SetupWindow() override;
    void CmOk() override;

  protected:
    struct Controls {
        int internalEdit, externalEdit, overallEdit;
        int horizontal, parallel;
        int dimension9, dimension10;
        int roomDimension9, roomDimension10;
        int roomName9, roomName10;
    };
    DimensionOffsetsDialog(int resourceId, int units, const Controls& controls);

  private:
    int ToShown(int offset) const;
    int ToStored(int shown) const;

    int units_;
    Controls ids_;
    DimensionSettings settings_;
};
