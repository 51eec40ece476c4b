#pragma once
// What the room dialogs share: the room name, how the room's sizes show on the plan and, in the
// design-room dialogs, the room's colour. The size display opens as NEWRM.CFG field 1 holds it and the
// first colour is ticked. OK keeps the name without the blanks it starts with (a room tool never
// stores such a name), reads the dialog's own controls, and writes NEWRM.CFG with the size display and
// the colour, or 0 as the colour where the dialog has none.

#include "settings/settings_dialog.h"

#include <string>

// A length as typed in four edits: feet, inches and a fraction of an inch.
struct FeetInchesTexts {
    std::string feet;
    std::string inches;
    std::string numerator;
    std::string denominator;
};

class RoomDialog : public SettingsDialog {
  public:
    void SetupWindow() override;
    void CmOk() override;

    std::string roomName; // at most 16 characters, leading blanks dropped
    // 0 no sizes, 1 below the name, 2 both sizes with arrows, 3 horizontal size, 4 vertical size with
    // arrows
    int sizeDisplay = 1;
    int colour = 0; // design rooms: 1 no colour, 2 wet area, 3 bedroom, 4 other rooms; fixed rooms 0

  protected:
    // `firstSizeButton` and `firstColourButton` (0 for none) start runs of five and four radio buttons.
    RoomDialog(int resourceId, int helpContext, int nameEdit, int firstSizeButton, int firstColourButton);

    // The dialog's own controls read back on OK, after every edit was found valid.
    virtual void ReadControls() = 0;

    // Four texts from the feet edit on.
    FeetInchesTexts GetFeetInchesTexts(int feetEdit) const;

  private:
    int nameEdit_;
    std::vector<RadioCode> sizeButtons_;
    std::vector<RadioCode> colourButtons_;
};
