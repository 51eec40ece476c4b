// The scripted desktop's colour and font dialogs and its record of what a dialog showed on opening:
// what tests and scripts rely on when they answer for the user.
#include "platform/dialog.h"
#include "platform/scripted_desktop.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(ScriptedChoiceDialogs, FontAnswersKeepTheColourTheDialogOpenedWith) {
    ScriptedDesktop desktop;
    desktop.QueueFont(FontChoice{"DejaVu Sans", 120, 700, Rgb(255, 0, 0)});
    desktop.QueueFont(std::nullopt);
    FontChoice font{"Arial", 100, 400, Rgb(0, 0, 255)};
    ASSERT_TRUE(desktop.ChooseFont(font));
    EXPECT_EQ(font.face, "DejaVu Sans");
    EXPECT_EQ(font.pointSizeTenths, 120);
    EXPECT_EQ(font.weight, 700);
    EXPECT_EQ(font.colour, Rgb(0, 0, 255));

    EXPECT_FALSE(desktop.ChooseFont(font)); // cancelled
    EXPECT_FALSE(desktop.ChooseFont(font)); // nothing queued: cancelled too
    EXPECT_EQ(font.face, "DejaVu Sans");
    ASSERT_EQ(desktop.FontDialogs().size(), 3u);
    EXPECT_EQ(desktop.FontDialogs()[0].face, "Arial");
    EXPECT_EQ(desktop.FontDialogs()[0].pointSizeTenths, 100);
    EXPECT_EQ(desktop.FontDialogs()[1].weight, 700);
}

TEST(ScriptedChoiceDialogs, ColourDialogsAreRecordedWithTheirStartColour) {
    ScriptedDesktop desktop;
    desktop.QueueColour(Rgb(0, 0, 128));
    desktop.QueueColour(std::nullopt);
    CustomColours custom{};
    custom[2] = Rgb(1, 2, 3);
    ColourRef colour = Rgb(255, 255, 255);
    ASSERT_TRUE(desktop.ChooseColour(colour, custom));
    EXPECT_EQ(colour, Rgb(0, 0, 128));
    EXPECT_FALSE(desktop.ChooseColour(colour, custom));
    EXPECT_EQ(colour, Rgb(0, 0, 128));
    ASSERT_EQ(desktop.ColourDialogs().size(), 2u);
    EXPECT_EQ(desktop.ColourDialogs()[0].start, Rgb(255, 255, 255));
    EXPECT_EQ(desktop.ColourDialogs()[1].start, Rgb(0, 0, 128));
    EXPECT_EQ(desktop.ColourDialogs()[1].custom[2], Rgb(1, 2, 3));
}

namespace {

// A dialog that fills an edit and ticks a box when it opens, then changes both before it closes.
class FilledDialog : public Dialog {
  public:
    FilledDialog() : Dialog(Template()) {}
    void SetupWindow() override {
        SetControlText(7, "900");
        SetCheck(8, true);
    }
    void CmOk() override {
        SetControlText(7, "1200");
        SetCheck(8, false);
        Dialog::CmOk();
    }

  private:
    static DialogTemplate Template() {
        DialogTemplate t;
        t.resourceId = 77;
        ControlTemplate edit;
        edit.id = 7;
        edit.kind = ControlKind::Edit;
        edit.initialText = "0";
        ControlTemplate box;
        box.id = 8;
        box.kind = ControlKind::CheckBox;
        ControlTemplate untouched;
        untouched.id = 9;
        untouched.kind = ControlKind::Edit;
        untouched.initialText = "as the template has it";
        t.controls = {edit, box, untouched};
        return t;
    }
};

} // namespace

TEST(ScriptedDialogs, RecordWhatTheLastRunOfEachDialogShowedWhenItOpened) {
    ScriptedDesktop desktop;
    InstallDesktop(&desktop);
    EXPECT_EQ(desktop.LastOpening(77), nullptr);
    desktop.QueueDialog({77, DialogAnswer::Button::Ok, {{7, DialogAnswer::Fill::Kind::Text, "5", 0}}});
    FilledDialog dialog;
    EXPECT_EQ(dialog.Execute(), IdOk);
    const DialogOpening* opening = desktop.LastOpening(77);
    ASSERT_NE(opening, nullptr);
    EXPECT_EQ(opening->at(7).text, "900");
    EXPECT_TRUE(opening->at(8).checked);
    EXPECT_EQ(opening->at(9).text, "as the template has it");
    InstallDesktop(nullptr);
}
