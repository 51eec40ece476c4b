#pragma once
// The main entry joinery for the external-wall tools: the width of each door, one or two doors, and
// where they sit in the frame seen from outside the house (ENTRY.CFG, written, never read back).

#include "settings/settings_dialog.h"

class TEntrydlg : public SettingsDialog {
  public:
    static constexpr int Resource = 6000;
    explicit TEntrydlg(int resourceId = Resource);

    void SetupWindow() override;
    void CmOk() override;

    int doors = 1; // 1 single, 2 double
    // 'l' for "door(s) on RIGHT side" and 'r' for "door(s) on LEFT side": the file names the sides as
    // the plan shows them, the dialog as a visitor standing outside sees them. 'b' central.
    char position = 'l';
};
