// The dialog resources: titles, controls and limits as the dialogs rely on them.
#include "resources/dialog_resources.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using platform::ControlKind;
using platform::Validator;

TEST(DialogResources, EachResourceHasItsTitleAndDistinctControls) {
    const std::map<int, std::string> titles = {{2024, "new drawing"},
                                               {9020, "copy drawings"},
                                               {5450, "measuring units"},
                                               {19000, "manipulate drawing file"},
                                               {9030, "About Korvane "},
                                               {5500, "showing dimensions"},
                                               {5600, "dimension offsets"},
                                               {20000, "drawing titles"},
                                               {2690, "line text"},
                                               {2300, "text details"},
                                               {14000, "drawing tool style"},
                                               {9500, "measurement"},
                                               // Printing, walls and display, libraries and floor area.
                                               {19500, "print plan views"},
                                               {3200, "printer calibration"},
                                               {3300, "printer calibration"},
                                               {2480, "external wall"},
                                               {2900, "external wall"},
                                               {5300, "custom external wall"},
                                               {5350, "custom external wall"},
                                               {4200, "multi line drawing"},
                                               {7000, "internal walls  or  double lines"},
                                               {7500, "internal walls  or  double lines"},
                                               {18500, "plan views - display mode"},
                                               {5200, "overlays"},
                                               {16000, "new library file"},
                                               {15500, "library files"},
                                               {17000, "floor area"}};
    std::vector<int> expectedIds;
    for (const auto& [id, title] : titles)
        expectedIds.push_back(id);
    EXPECT_EQ(DialogResourceIds(), expectedIds);

    for (int id : DialogResourceIds()) {
        const platform::DialogTemplate t = DialogResource(id);
        EXPECT_EQ(t.resourceId, id);
        EXPECT_EQ(t.title, titles.at(id));
        std::set<int> ids;
        for (const platform::ControlTemplate& c : t.controls) {
            if (c.id == StaticTextId) continue;
            EXPECT_TRUE(ids.insert(c.id).second) << id << " repeats " << c.id;
        }
    }
    // The dialogs without help have no Help button, but for the one whose resource has one.
    EXPECT_FALSE(DialogResource(5450).helpButton);
    EXPECT_TRUE(DialogResource(19000).helpButton);
    EXPECT_TRUE(DialogResource(99999).controls.empty());
    EXPECT_FALSE(DialogResource(17000).helpButton);
}

TEST(DialogResources, NameEditsHoldTwentyFourFilteredCharacters) {
    for (auto [dialog, edit] : {std::pair{2024, 2027}, {9020, 9021}, {19000, 19001}, {16000, 16001}}) {
        const platform::DialogTemplate resource = DialogResource(dialog);
        const platform::ControlTemplate* c = resource.FindControl(edit);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->textSize, 25);
        EXPECT_TRUE(c->validator.AcceptsCharacter(','));
        EXPECT_TRUE(c->validator.AcceptsCharacter(' '));
        EXPECT_FALSE(c->validator.AcceptsCharacter('.'));
        EXPECT_FALSE(c->validator.AcceptsCharacter('-'));
    }
    const platform::DialogTemplate measurement = DialogResource(9500);
    const platform::ControlTemplate* feet = measurement.FindControl(9501);
    ASSERT_NE(feet, nullptr);
    EXPECT_EQ(feet->validator.GetKind(), Validator::Kind::Range);
    EXPECT_EQ(feet->validator.Max(), 100);
    EXPECT_EQ(feet->initialText, "0");
}
