// The dialog resources: titles, controls and limits as the dialogs rely on them.
#include "resources/dialog_resources.h"
#include "resources/door_pictures.h"

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
                                               {17000, "floor area"},
                                               // Doors, windows, stairs and rooms.
                                               {5400, "doors"},
                                               {13000, "sliding door"},
                                               {10500, "doors"},
                                               {10000, "double doors & sliding doors"},
                                               {13500, "single or multiple doors"},
                                               {6500, "windows & external doors"},
                                               {6000, "main entry joinery"},
                                               {3800, "custom stair details"},
                                               {3900, "custom stair details"},
                                               {2550, "stairs"},
                                               {3080, "stairs"},
                                               {22000, "new design room"},
                                               {22500, "new design room"},
                                               {23000, "maximum size for new design room"},
                                               {23500, "maximum size for new design room"},
                                               {21000, "Internal wall size for design rooms"},
                                               {21500, "Internal wall size for design rooms"},
                                               {8000, "new fixed room"},
                                               {8500, "new fixed room"}};
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

TEST(DialogResources, DoorWindowStairAndRoomTextsKeepTheirOwnSpelling) {
    struct Text {
        int dialog;
        int control;
        const char* text;
        int textSize;
    };
    // Blanks, typos and doubled ampersands as the dialogs have always shown them.
    const Text texts[] = {
        {5400, 5410, "metric   range 100-5000 m,m,", 5},
        {13000, 13001, "sliding door width  - inches/m.m", 7},
        {10500, 10501, "door width       (inches / m.m.)", 7},
        {10000, 10001, "doors -  total opening width", 7},
        {6500, 6508, "window ", 0},
        {22000, 22011, "horizontal size &&  arrows", 0},
        {23500, 23518, "vertical size && arrows", 0},
        {8000, 8002, "size horizontallly       (range 400-20000 m.m)", 7},
        {22500, 22501, "room name", 17},
        {21500, 21503, "denominator", 4},
        {3900, 3906, "numerator", 3},
    };
    for (const Text& t : texts) {
        const platform::DialogTemplate resource = DialogResource(t.dialog);
        const platform::ControlTemplate* c = resource.FindControl(t.control);
        ASSERT_NE(c, nullptr) << t.dialog << " " << t.control;
        EXPECT_EQ(c->text, t.text);
        EXPECT_EQ(c->textSize, t.textSize) << t.dialog << " " << t.control;
    }
    EXPECT_FALSE(DialogResource(13500).helpButton);
    EXPECT_TRUE(DialogResource(10500).helpButton);
}

TEST(DialogResources, DoorTypeRadiosShowTheirDoorsPictures) {
    const std::pair<int, std::vector<int>> dialogs[] = {
        {10500, {10509, 10508, 10507, 10506, 10505, 10504, 10503, 10502}},
        {13000, {13003, 13004, 13005, 13006, 13007, 13008, 13009, 13010}}};
    for (const auto& [dialog, ids] : dialogs) {
        const platform::DialogTemplate resource = DialogResource(dialog);
        for (std::size_t i = 0; i < ids.size(); ++i) {
            const int type = static_cast<int>(i) + 1;
            const platform::ControlTemplate* radio = resource.FindControl(ids[i]);
            ASSERT_NE(radio, nullptr);
            EXPECT_EQ(radio->kind, ControlKind::RadioButton);
            EXPECT_EQ(radio->groupStart, type == 1);
            ASSERT_TRUE(radio->picture) << ids[i];
            EXPECT_EQ(radio->pictureSize, (platform::Size{DoorPictureSize, DoorPictureSize}));
            const platform::PixelBuffer expected =
                dialog == 10500 ? HingedDoorPicture(type, 96, 96) : SlidingDoorPicture(type, 96, 96);
            EXPECT_EQ(radio->picture(96, 96), expected) << ids[i];
        }
    }
}
