// The scripted desktop's colour and font dialogs: what tests and scripts rely on when they answer for
// the user.
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
