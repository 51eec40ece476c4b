#pragma once
// A new fixed room in a feet-and-inches drawing: name, horizontal and vertical size as feet, inches and
// a fraction, wall thickness as inches and a fraction, all as typed, and the size display. Opens on the
// free size the fixed-room tool measured (ROOM.CFG) and the internal-wall width (PTNI.CFG); OK keeps
// the thickness in PTNI.CFG, a fraction counting when it is proper and not in thirds, fifths, sixths or
// sevenths.

#include "settings/room_dialog.h"

class TRoomimpdlg : public RoomDialog {
  public:
    static constexpr int Resource = 8500;
    explicit TRoomimpdlg(int resourceId = Resource);

    void SetupWindow() override;

    FeetInchesTexts horizontal; // at most 4 characters each
    FeetInchesTexts vertical;
    std::string thicknessInches;    // at most 4 characters
    std::string thicknessNumerator; // at most 3 characters
    std::string thicknessDenominator;

  protected:
    void ReadControls() override;
};
