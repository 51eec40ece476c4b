// The door and window dialogs as a user answers them: the start-up door and swing, the sliding,
// hinged and double doors, the door choice, windows and the main entry. Each test checks what the
// dialog showed, the results its caller reads and the CFG files' bytes.
#include "settings/door_choice_dialog.h"
#include "settings/door_defaults_dialog.h"
#include "settings/door_dialog.h"
#include "settings/double_door_dialog.h"
#include "settings/entry_dialog.h"
#include "settings/sliding_door_dialog.h"
#include "settings/window_dialog.h"

#include "settings_test_support.h"

using DoorDialogs = SettingsTest;
using platform::IdCancel;
using platform::IdOk;

TEST_F(DoorDialogs, StartUpDoorAndSwingAreWrittenAndShownAgain) {
    Ok(TConfigdlg::Resource, {Type(5410, "900"), Type(5411, "36"), Click(5405), Click(5407)});
    TConfigdlg sixty;
    ASSERT_EQ(sixty.Execute(), IdOk);
    EXPECT_EQ(sixty.angle, 60);
    EXPECT_EQ(sixty.thickness, 1);
    EXPECT_EQ(ReadCfg("DOORSZE.CFG"), "900 864");
    EXPECT_EQ(ReadCfg("INTERN.CFG"), "60 1 0.866025 0.500001");

    Ok(TConfigdlg::Resource, {Click(5406)});
    TConfigdlg ninety;
    ASSERT_EQ(ninety.Execute(), IdOk);
    EXPECT_EQ(Shown(5400, 5410), "900");
    EXPECT_EQ(Shown(5400, 5411), "36");
    EXPECT_TRUE(Ticked(5400, 5405));
    EXPECT_FALSE(Ticked(5400, 5406));
    EXPECT_TRUE(Ticked(5400, 5407));
    EXPECT_EQ(ReadCfg("INTERN.CFG"), "90 1 1.000000 0.000001");
    EXPECT_EQ(ReadCfg("DOORSZE.CFG"), "900 864");

    Ok(TConfigdlg::Resource, {Click(5404), Click(5408)});
    TConfigdlg thirty;
    ASSERT_EQ(thirty.Execute(), IdOk);
    EXPECT_EQ(thirty.thickness, 2);
    EXPECT_EQ(ReadCfg("INTERN.CFG"), "30 2 0.500000 0.866026");
}

TEST_F(DoorDialogs, StartUpDoorOpensOnTheShippedValuesAndCancelWritesNothing) {
    // No DOORSZE.CFG or INTERN.CFG in the folder: the dialog shows what the program ships.
    Cancel(TConfigdlg::Resource, {Type(5410, "1200"), Click(5404)});
    TConfigdlg dialog;
    EXPECT_EQ(dialog.Execute(), IdCancel);
    EXPECT_EQ(Shown(5400, 5410), "900");
    EXPECT_EQ(Shown(5400, 5411), "36");
    EXPECT_TRUE(Ticked(5400, 5406));
    EXPECT_TRUE(Ticked(5400, 5407));
    EXPECT_FALSE(CfgExists("DOORSZE.CFG"));
    EXPECT_FALSE(CfgExists("INTERN.CFG"));
}

TEST_F(DoorDialogs, StartUpDoorRefusesWidthsOutsideItsRanges) {
    WriteCfg("DOORSZE.CFG", "800 768");
    Ok(TConfigdlg::Resource, {Type(5410, "99")});
    Ok(TConfigdlg::Resource, {Type(5410, "100"), Type(5411, "201")});
    Ok(TConfigdlg::Resource, {Type(5411, "4")});
    TConfigdlg dialog;
    ASSERT_EQ(dialog.Execute(), IdOk);
    ASSERT_EQ(desktop_.Messages().size(), 2u);
    EXPECT_EQ(desktop_.Messages()[0].text, "Value is not in the range 100 to 5000.");
    EXPECT_EQ(desktop_.Messages()[1].text, "Value is not in the range 4 to 200.");
    EXPECT_EQ(ReadCfg("DOORSZE.CFG"), "100 96");
}

TEST_F(DoorDialogs, StartUpDoorFromAShortFileShowsNoUninitialisedValue) {
    WriteCfg("DOORSZE.CFG", "750");
    WriteCfg("INTERN.CFG", "60");
    Ok(TConfigdlg::Resource);
    TConfigdlg dialog;
    ASSERT_EQ(dialog.Execute(), IdOk);
    EXPECT_EQ(ReadCfg("DOORSZE.CFG"), "750 864");
    EXPECT_EQ(ReadCfg("INTERN.CFG"), "60 1 0.866025 0.500001");
}

TEST_F(DoorDialogs, SlidingDoorStartsFromTheStartUpWidthOfItsSystem) {
    WriteCfg("DOORSZE.CFG", "820 792");
    Ok(TSdoordlg::Resource);
    TSdoordlg metric;
    ASSERT_EQ(metric.Execute(), IdOk);
    EXPECT_EQ(metric.width, "820");
    EXPECT_EQ(metric.doorType, 1);
    EXPECT_EQ(metric.slidesIntoWall, 0);
    EXPECT_TRUE(Ticked(13000, 13003));

    Shared.Units = 0;
    Ok(TSdoordlg::Resource, {Click(13010), Click(13002)});
    TSdoordlg imperial;
    ASSERT_EQ(imperial.Execute(), IdOk);
    EXPECT_EQ(Shown(13000, 13001), "33");
    EXPECT_EQ(imperial.doorType, 8);
    EXPECT_EQ(imperial.slidesIntoWall, 1);

    Ok(TSdoordlg::Resource, {Type(13001, "4"), Click(13005)});
    Ok(TSdoordlg::Resource, {Type(13001, "5")});
    TSdoordlg typed;
    ASSERT_EQ(typed.Execute(), IdOk);
    EXPECT_EQ(typed.width, "5");
    EXPECT_EQ(typed.doorType, 3);
    ASSERT_EQ(desktop_.Messages().size(), 1u);
    EXPECT_EQ(desktop_.Messages()[0].text, "Value is not in the range 5 to 5000.");
}

TEST_F(DoorDialogs, HingedDoorShowsTheWidthItIsGivenOrTheStartUpWidth) {
    WriteCfg("DOORSZE.CFG", "820 792");
    Shared.Units = 0;
    Ok(TDoordlg::Resource);
    TDoordlg given(TDoordlg::Resource, 864);
    ASSERT_EQ(given.Execute(), IdOk);
    EXPECT_EQ(Shown(10500, 10501), "36");
    EXPECT_EQ(given.width, "36");
    EXPECT_EQ(given.doorType, 1);
    EXPECT_TRUE(Ticked(10500, 10509));

    Ok(TDoordlg::Resource, {Click(10502)});
    TDoordlg startUp(TDoordlg::Resource, 0);
    ASSERT_EQ(startUp.Execute(), IdOk);
    EXPECT_EQ(Shown(10500, 10501), "33");
    EXPECT_EQ(startUp.doorType, 8);

    Shared.Units = 1;
    const std::pair<int, int> types[] = {{10508, 2}, {10507, 3}, {10506, 4},
                                         {10505, 5}, {10504, 6}, {10503, 7}};
    for (const auto& [button, type] : types) {
        Ok(TDoordlg::Resource, {Click(button)});
        TDoordlg dialog(TDoordlg::Resource, 750);
        ASSERT_EQ(dialog.Execute(), IdOk);
        EXPECT_EQ(Shown(10500, 10501), "750");
        EXPECT_EQ(dialog.doorType, type);
    }
    Ok(TDoordlg::Resource);
    TDoordlg metricStartUp(TDoordlg::Resource, 0);
    ASSERT_EQ(metricStartUp.Execute(), IdOk);
    EXPECT_EQ(metricStartUp.width, "820");
}

TEST_F(DoorDialogs, DoubleDoorsOfferAnOpeningOfTheSystemAndTakeKindAndSide) {
    Ok(TDDoordlg::Resource, {Click(10004), Click(10008)});
    TDDoordlg metric;
    ASSERT_EQ(metric.Execute(), IdOk);
    EXPECT_EQ(metric.width, "1440");
    EXPECT_EQ(metric.kind, 13);
    EXPECT_EQ(metric.direction, 2);

    Shared.Units = 0;
    Ok(TDDoordlg::Resource, {Click(10003), Click(10006)});
    TDDoordlg imperial;
    ASSERT_EQ(imperial.Execute(), IdOk);
    EXPECT_EQ(imperial.width, "54");
    EXPECT_EQ(imperial.kind, 12);
    EXPECT_EQ(imperial.direction, 3);

    Ok(TDDoordlg::Resource, {Click(10007)});
    TDDoordlg hinged;
    ASSERT_EQ(hinged.Execute(), IdOk);
    EXPECT_TRUE(Ticked(10000, 10002));
    EXPECT_TRUE(Ticked(10000, 10005));
    EXPECT_EQ(hinged.kind, 11);
    EXPECT_EQ(hinged.direction, 4);
}

TEST_F(DoorDialogs, DoorChoiceHasNoHelpAndGivesNothingWhenNoneIsChosen) {
    Help(TMiscdrdlg::Resource);
    Ok(TMiscdrdlg::Resource, {Click(13502)});
    TMiscdrdlg multiple;
    ASSERT_EQ(multiple.Execute(), IdOk); // Help left it open for the OK that follows
    EXPECT_EQ(multiple.choice, 2);
    EXPECT_TRUE(desktop_.HelpShown().empty());

    Ok(TMiscdrdlg::Resource);
    TMiscdrdlg single;
    ASSERT_EQ(single.Execute(), IdOk);
    EXPECT_EQ(single.choice, 1);

    Ok(TMiscdrdlg::Resource, {Clear(13501)});
    TMiscdrdlg neither;
    ASSERT_EQ(neither.Execute(), IdOk);
    EXPECT_EQ(neither.choice, 0);
}

TEST_F(DoorDialogs, WindowIsWrittenWithItsSizesAndLabels) {
    WriteCfg("WIND.CFG", "9 900 2100 0 0 9 1 0");
    Ok(TWindlg::Resource, {Type(6501, "1200"), Type(6502, "1500"), Click(6504), Click(6506), Clear(6505)});
    TWindlg dialog;
    ASSERT_EQ(dialog.Execute(), IdOk);
    // The stored kind is not shown: the window is ticked whatever the file holds.
    EXPECT_TRUE(Ticked(6500, 6508));
    EXPECT_FALSE(Ticked(6500, 6515));
    EXPECT_TRUE(Ticked(6500, 6507));
    EXPECT_TRUE(Ticked(6500, 6505));
    EXPECT_EQ(dialog.openingType, 1);
    EXPECT_EQ(dialog.width, "1200");
    EXPECT_EQ(ReadCfg("WIND.CFG"), "1 1200 1500 0 1 7 0 0");

    WriteCfg("WIND.CFG", "1 1200 1500 0 1 9 0 0");
    Ok(TWindlg::Resource, {Click(6513)});
    TWindlg again;
    ASSERT_EQ(again.Execute(), IdOk);
    EXPECT_TRUE(Ticked(6500, 6507));
    EXPECT_FALSE(Ticked(6500, 6506));
    EXPECT_EQ(again.openingType, 8);
    EXPECT_EQ(ReadCfg("WIND.CFG"), "8 1200 1500 0 1 9 0 0");
}

TEST_F(DoorDialogs, WindowCodesFollowTheButtons) {
    const std::pair<int, int> codes[] = {{6510, 10}, {6511, 5}, {6512, 6}, {6514, 7}, {6515, 9}};
    for (const auto& [button, code] : codes) {
        Ok(TWindlg::Resource, {Click(button)});
        TWindlg dialog;
        ASSERT_EQ(dialog.Execute(), IdOk);
        EXPECT_EQ(dialog.openingType, code);
        EXPECT_EQ(ReadCfg("WIND.CFG").substr(0, std::to_string(code).size() + 1), std::to_string(code) + " ");
    }
}

TEST_F(DoorDialogs, WindowInFeetAndInchesIsShownAndWrittenInWholeInches) {
    Shared.Units = 0;
    WriteCfg("WIND.CFG", "1 1164 1440 0 1 7 0 0");
    Ok(TWindlg::Resource, {Type(6501, "48")});
    TWindlg dialog;
    ASSERT_EQ(dialog.Execute(), IdOk);
    EXPECT_EQ(Shown(6500, 6501), "48");
    EXPECT_EQ(Shown(6500, 6502), "60");
    EXPECT_EQ(ReadCfg("WIND.CFG"), "1 1152 1440 0 1 7 0 0");
}

TEST_F(DoorDialogs, EntryIsWrittenNeverReadAndNamesTheSidesFromOutside) {
    WriteCfg("ENTRY.CFG", "1200 0 0 2 0 b n n");
    Shared.Units = 0;
    Ok(TEntrydlg::Resource, {Type(6001, "32")});
    TEntrydlg single;
    ASSERT_EQ(single.Execute(), IdOk);
    EXPECT_EQ(single.doors, 1);
    EXPECT_EQ(single.position, 'l');
    EXPECT_EQ(ReadCfg("ENTRY.CFG"), "768 0 0 1 0 l n n");

    Shared.Units = 1;
    Ok(TEntrydlg::Resource, {Click(6003), Click(6005)});
    TEntrydlg left;
    ASSERT_EQ(left.Execute(), IdOk);
    EXPECT_EQ(Shown(6000, 6001), "870");
    EXPECT_EQ(left.doors, 2);
    EXPECT_EQ(left.position, 'r');
    EXPECT_EQ(ReadCfg("ENTRY.CFG"), "870 0 0 2 0 r n n");

    Ok(TEntrydlg::Resource, {Click(6006)});
    TEntrydlg central;
    ASSERT_EQ(central.Execute(), IdOk);
    EXPECT_EQ(ReadCfg("ENTRY.CFG"), "870 0 0 1 0 b n n");
}

TEST_F(DoorDialogs, EachDoorAndWindowDialogOpensItsHelpContext) {
    Help(TConfigdlg::Resource);
    Help(TSdoordlg::Resource);
    Help(TDoordlg::Resource);
    Help(TDDoordlg::Resource);
    Help(TWindlg::Resource);
    Help(TEntrydlg::Resource);
    TConfigdlg defaults;
    defaults.Execute();
    TSdoordlg sliding;
    sliding.Execute();
    TDoordlg hinged(TDoordlg::Resource, 0);
    hinged.Execute();
    TDDoordlg doubleDoors;
    doubleDoors.Execute();
    TWindlg window;
    window.Execute();
    TEntrydlg entry;
    entry.Execute();
    EXPECT_EQ(HelpContextsShown(), (std::vector<int>{310, 300, 300, 300, 280, 270}));
    EXPECT_FALSE(CfgExists("WIND.CFG"));
    EXPECT_FALSE(CfgExists("ENTRY.CFG"));
}
