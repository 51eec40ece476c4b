#pragma once
// A new design room in a metric drawing: name, horizontal and vertical size in millimetres as typed,
// colour and size display. The edits open with the template's texts ("room ", "3000", "3000").

#include "settings/room_dialog.h"

class TTroomdlg : public RoomDialog {
  public:
    static constexpr int Resource = 22000;
    explicit TTroomdlg(int resourceId = Resource);

    std::string horizontal; // at most 6 characters
    std::string vertical;

  protected:
    void ReadControls() override;

    // The controls stand at fixed offsets from the resource id, here and in the maximum-size twin.
    int HorizontalEdit() const { return ResourceId() + 2; }
    int VerticalEdit() const { return ResourceId() + 3; }
};
