#pragma once
// A new design room in a feet-and-inches drawing: name, horizontal and vertical size each as feet,
// inches and a fraction as typed, colour and size display. The sizes open on the template's 10 feet.

#include "settings/room_dialog.h"

class TTroomimpdlg : public RoomDialog {
  public:
    static constexpr int Resource = 22500;
    explicit TTroomimpdlg(int resourceId = Resource);

    FeetInchesTexts horizontal; // at most 4, 4, 4 and 3 characters
    FeetInchesTexts vertical;

  protected:
    void ReadControls() override;

    // The four edits of each size, from their feet edit on, here and in the maximum-size twin.
    int HorizontalFeetEdit() const { return ResourceId() + 2; }
    int VerticalFeetEdit() const { return ResourceId() + 6; }
};
