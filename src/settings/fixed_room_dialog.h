#pragma once
// A new fixed room in a metric drawing: name, horizontal and vertical size and wall thickness in
// millimetres as typed, and the size display. Opens on the free size the fixed-room tool measured
// (ROOM.CFG) and the internal-wall width (PTNM.CFG); OK keeps the thickness in PTNM.CFG.

#include "settings/room_dialog.h"

class TRoomdlg : public RoomDialog {
  public:
    static constexpr int Resource = 8000;
    explicit TRoomdlg(int resourceId = Resource);

    void SetupWindow() override;

    std::string horizontal; // at most 6 characters
    std::string vertical;
    std::string thickness; // at most 5 characters

  protected:
    void ReadControls() override;
};
