// The room dialogs as a user answers them: new and maximum-size design rooms, the design rooms' wall
// thickness per floor, and fixed rooms, each in both systems.
#include "settings/fixed_room_dialog.h"
#include "settings/fixed_room_imperial_dialog.h"
#include "settings/max_design_room_dialog.h"
#include "settings/max_design_room_imperial_dialog.h"
#include "settings/new_design_room_dialog.h"
#include "settings/new_design_room_imperial_dialog.h"
#include "settings/room_partition_dialog.h"
#include "settings/room_partition_imperial_dialog.h"

#include "settings_test_support.h"

using RoomDialogs = SettingsTest;
using platform::IdCancel;
using platform::IdOk;

TEST_F(RoomDialogs, NewDesignRoomReturnsTheTemplateTextsAndWritesBothCodes) {
    WriteCfg("NEWRM.CFG", "3 4");
    Ok(TTroomdlg::Resource);
    TTroomdlg dialog;
    ASSERT_EQ(dialog.Execute(), IdOk);
    EXPECT_EQ(dialog.roomName, "room ");
    EXPECT_EQ(dialog.horizontal, "3000");
    EXPECT_EQ(dialog.vertical, "3000");
    EXPECT_TRUE(Ticked(22000, 22004));
    EXPECT_TRUE(Ticked(22000, 22011)); // size code 3
    EXPECT_EQ(dialog.sizeDisplay, 3);
    EXPECT_EQ(dialog.colour, 1);
    // The colour is written, never read back.
    EXPECT_EQ(ReadCfg("NEWRM.CFG"), "3 1");
}

TEST_F(RoomDialogs, RoomNamesTakeOnlyNameCharactersAndLoseLeadingBlanks) {
    Ok(TTroomdlg::Resource, {Type(22001, "  HALL"), Click(22006), Click(22009)});
    TTroomdlg hall;
    ASSERT_EQ(hall.Execute(), IdOk);
    EXPECT_EQ(hall.roomName, "HALL");
    EXPECT_EQ(ReadCfg("NEWRM.CFG"), "0 3");

    Ok(TTroomdlg::Resource, {Type(22001, "Bed.2, en-suite A")});
    TTroomdlg typed;
    ASSERT_EQ(typed.Execute(), IdOk);
    EXPECT_EQ(typed.roomName, "Bed2, ensuite A"); // '.' and '-' cannot be typed

    Ok(TTroomdlg::Resource, {Type(22001, "ABCDEFGHIJKLMNOPQRST")});
    TTroomdlg longName;
    ASSERT_EQ(longName.Execute(), IdOk);
    EXPECT_EQ(longName.roomName, "ABCDEFGHIJKLMNOP");

    // Every room-name dialog drops the leading blanks.
    Shared.Units = 0;
    Ok(TTroomimpdlg::Resource, {Type(22501, " KITCHEN")});
    TTroomimpdlg imperial;
    ASSERT_EQ(imperial.Execute(), IdOk);
    EXPECT_EQ(imperial.roomName, "KITCHEN");
    Ok(TMaxroomdlg::Resource, {Type(23001, "   ")});
    TMaxroomdlg blank(TMaxroomdlg::Resource, 4000, 3500);
    ASSERT_EQ(blank.Execute(), IdOk);
    EXPECT_EQ(blank.roomName, "");
    Ok(TMaxroomimpdlg::Resource, {Type(23501, " LOUNGE ")});
    TMaxroomimpdlg lounge(TMaxroomimpdlg::Resource, 3456, 2880);
    ASSERT_EQ(lounge.Execute(), IdOk);
    EXPECT_EQ(lounge.roomName, "LOUNGE ");
    Ok(TRoomdlg::Resource, {Type(8001, "  STUDY")});
    TRoomdlg study;
    ASSERT_EQ(study.Execute(), IdOk);
    EXPECT_EQ(study.roomName, "STUDY");
    Ok(TRoomimpdlg::Resource, {Type(8501, "  BATH")});
    TRoomimpdlg bath;
    ASSERT_EQ(bath.Execute(), IdOk);
    EXPECT_EQ(bath.roomName, "BATH");
}

TEST_F(RoomDialogs, NewImperialDesignRoomOpensOnTenFeetAndReturnsTheTypedTexts) {
    Ok(TTroomimpdlg::Resource,
       {Type(22502, "12"), Type(22503, "6"), Type(22504, "1"), Type(22505, "2"), Click(22513), Click(22518)});
    TTroomimpdlg dialog;
    ASSERT_EQ(dialog.Execute(), IdOk);
    EXPECT_EQ(Shown(22500, 22502), "10");
    EXPECT_EQ(Shown(22500, 22506), "10");
    EXPECT_EQ(Shown(22500, 22508), "0");
    EXPECT_EQ(dialog.horizontal.feet, "12");
    EXPECT_EQ(dialog.horizontal.inches, "6");
    EXPECT_EQ(dialog.horizontal.numerator, "1");
    EXPECT_EQ(dialog.horizontal.denominator, "2");
    EXPECT_EQ(dialog.vertical.feet, "10");
    EXPECT_EQ(dialog.colour, 4);
    EXPECT_EQ(dialog.sizeDisplay, 4);
    EXPECT_EQ(ReadCfg("NEWRM.CFG"), "4 4");

    // The new room's feet stop at 34, the maximum-size room's at 100.
    Ok(TTroomimpdlg::Resource, {Type(22506, "35")});
    TTroomimpdlg tooLong;
    EXPECT_EQ(tooLong.Execute(), IdCancel);
    EXPECT_EQ(desktop_.Messages().back().text, "Value is not in the range 1 to 34.");
    Ok(TMaxroomimpdlg::Resource, {Type(23506, "100")});
    TMaxroomimpdlg longest(TMaxroomimpdlg::Resource, 288, 288);
    ASSERT_EQ(longest.Execute(), IdOk);
    EXPECT_EQ(longest.vertical.feet, "100");
}

TEST_F(RoomDialogs, MaximumSizeRoomsOpenOnTheSizesGiven) {
    Ok(TMaxroomdlg::Resource, {Click(23005)});
    TMaxroomdlg metric(TMaxroomdlg::Resource, 4250, 3125);
    ASSERT_EQ(metric.Execute(), IdOk);
    EXPECT_EQ(metric.horizontal, "4250");
    EXPECT_EQ(metric.vertical, "3125");
    EXPECT_EQ(metric.colour, 2);
    EXPECT_EQ(ReadCfg("NEWRM.CFG"), "1 2");

    Ok(TMaxroomimpdlg::Resource);
    TMaxroomimpdlg whole(TMaxroomimpdlg::Resource, 3456, 2880);
    ASSERT_EQ(whole.Execute(), IdOk);
    EXPECT_EQ(whole.horizontal.feet, "12");
    EXPECT_EQ(whole.horizontal.inches, "0");
    EXPECT_EQ(whole.vertical.feet, "10");
    EXPECT_EQ(whole.vertical.inches, "0");
    // Whole inches leave the fraction edits with the template's text.
    EXPECT_EQ(whole.horizontal.numerator, "0");
    EXPECT_EQ(whole.horizontal.denominator, "0");

    // 12' 3 3/8'' and 10' 1'' and a remainder of one unit, which shows as 0/0.
    Ok(TMaxroomimpdlg::Resource);
    TMaxroomimpdlg fractions(TMaxroomimpdlg::Resource, 3456 + 72 + 9, 2880 + 24 + 1);
    ASSERT_EQ(fractions.Execute(), IdOk);
    EXPECT_EQ(fractions.horizontal.inches, "3");
    EXPECT_EQ(fractions.horizontal.numerator, "3");
    EXPECT_EQ(fractions.horizontal.denominator, "8");
    EXPECT_EQ(fractions.vertical.inches, "1");
    EXPECT_EQ(fractions.vertical.numerator, "0");
    EXPECT_EQ(fractions.vertical.denominator, "0");
}

TEST_F(RoomDialogs, DesignRoomCancelWritesNothing) {
    Cancel(TTroomdlg::Resource, {Click(22007)});
    TTroomdlg dialog;
    EXPECT_EQ(dialog.Execute(), IdCancel);
    EXPECT_FALSE(CfgExists("NEWRM.CFG"));
    EXPECT_EQ(dialog.roomName, "");
}

TEST_F(RoomDialogs, WallThicknessChangesOnlyTheCurrentFloor) {
    WriteCfg("RMPTNM.CFG", "100 110 120");
    struct Step {
        int view;
        const char* typed;
        const char* shown;
        const char* file;
    };
    // The fourth plan shows the ground floor's thickness and changes nothing.
    const Step steps[] = {
        {51, "150", "110", "100 150 120"}, {42, "75", "120", "100 150 75"}, {53, "200", "100", "100 150 75"}};
    for (const Step& step : steps) {
        Shared.CurrentView = step.view;
        Ok(TRmpttndlg::Resource, {Type(21001, step.typed)});
        TRmpttndlg dialog;
        ASSERT_EQ(dialog.Execute(), IdOk);
        EXPECT_EQ(Shown(21000, 21001), step.shown) << "view " << step.view;
        EXPECT_EQ(ReadCfg("RMPTNM.CFG"), step.file) << "view " << step.view;
    }
}

TEST_F(RoomDialogs, ImperialWallThicknessTakesProperEighths) {
    WriteCfg("RMPTNI.CFG", "108 96 120");
    Shared.CurrentView = 40;
    Ok(TRmpttnimpdlg::Resource, {Type(21501, "5"), Type(21502, "3"), Type(21503, "4")});
    TRmpttnimpdlg ground;
    ASSERT_EQ(ground.Execute(), IdOk);
    EXPECT_EQ(Shown(21500, 21501), "4");
    EXPECT_EQ(Shown(21500, 21502), "1");
    EXPECT_EQ(Shown(21500, 21503), "2");
    EXPECT_EQ(ReadCfg("RMPTNI.CFG"), "138 96 120");

    // Thirds do not count here; whole inches leave the fraction edits as the template has them.
    Shared.CurrentView = 51;
    Ok(TRmpttnimpdlg::Resource, {Type(21501, "4"), Type(21502, "1"), Type(21503, "3")});
    TRmpttnimpdlg first;
    ASSERT_EQ(first.Execute(), IdOk);
    EXPECT_EQ(Shown(21500, 21501), "4");
    EXPECT_EQ(Shown(21500, 21502), "0");
    EXPECT_EQ(ReadCfg("RMPTNI.CFG"), "138 96 120");
}

TEST_F(RoomDialogs, FixedRoomOpensOnTheMeasuredSizeAndKeepsTheThickness) {
    WriteCfg("ROOM.CFG", "3600 2750");
    WriteCfg("PTNM.CFG", "90");
    WriteCfg("NEWRM.CFG", "2 3");
    Ok(TRoomdlg::Resource);
    TRoomdlg unchanged;
    ASSERT_EQ(unchanged.Execute(), IdOk);
    EXPECT_EQ(unchanged.horizontal, "3600");
    EXPECT_EQ(unchanged.vertical, "2750");
    EXPECT_EQ(unchanged.thickness, "90");
    EXPECT_EQ(unchanged.sizeDisplay, 2);
    EXPECT_TRUE(Ticked(8000, 8007));
    EXPECT_EQ(ReadCfg("NEWRM.CFG"), "2 0");
    EXPECT_EQ(ReadCfg("PTNM.CFG"), "90");

    Ok(TRoomdlg::Resource, {Type(8004, "110"), Click(8006)});
    TRoomdlg changed;
    ASSERT_EQ(changed.Execute(), IdOk);
    EXPECT_EQ(changed.sizeDisplay, 0);
    EXPECT_EQ(ReadCfg("NEWRM.CFG"), "0 0");
    EXPECT_EQ(ReadCfg("PTNM.CFG"), "110");
}

TEST_F(RoomDialogs, FixedRoomShowsAMeasuredSizeTheDialogCannotTakeAtTheNearestItCan) {
    WriteCfg("ROOM.CFG", "250 45000");
    Ok(TRoomdlg::Resource);
    TRoomdlg metric;
    ASSERT_EQ(metric.Execute(), IdOk);
    EXPECT_EQ(metric.horizontal, "400");
    EXPECT_EQ(metric.vertical, "30001");
}

TEST_F(RoomDialogs, ImperialFixedRoomShowsFeetAndEighthsAndWritesTheThickness) {
    Shared.Units = 0;
    WriteCfg("ROOM.CFG", "3465 2880"); // 12' 0 3/8'' and 10' 0''
    WriteCfg("PTNI.CFG", "96");
    Ok(TRoomimpdlg::Resource, {Type(8510, "4"), Type(8511, "1"), Type(8512, "2"), Click(8517)});
    TRoomimpdlg dialog;
    ASSERT_EQ(dialog.Execute(), IdOk);
    EXPECT_EQ(Shown(8500, 8502), "12");
    EXPECT_EQ(Shown(8500, 8503), "0");
    EXPECT_EQ(Shown(8500, 8504), "3");
    EXPECT_EQ(Shown(8500, 8505), "8");
    EXPECT_EQ(Shown(8500, 8506), "10");
    EXPECT_EQ(Shown(8500, 8510), "4");
    EXPECT_EQ(dialog.horizontal.numerator, "3");
    EXPECT_EQ(dialog.vertical.feet, "10");
    EXPECT_EQ(dialog.thicknessInches, "4");
    EXPECT_EQ(dialog.thicknessNumerator, "1");
    EXPECT_EQ(dialog.thicknessDenominator, "2");
    EXPECT_EQ(dialog.sizeDisplay, 4);
    EXPECT_EQ(ReadCfg("PTNI.CFG"), "108");
    EXPECT_EQ(ReadCfg("NEWRM.CFG"), "4 0");
}

TEST_F(RoomDialogs, EachRoomDialogOpensItsHelpContext) {
    for (int resource :
         {TTroomdlg::Resource, TTroomimpdlg::Resource, TMaxroomdlg::Resource, TMaxroomimpdlg::Resource,
          TRmpttndlg::Resource, TRmpttnimpdlg::Resource, TRoomdlg::Resource, TRoomimpdlg::Resource})
        Help(resource);
    TTroomdlg newRoom;
    newRoom.Execute();
    TTroomimpdlg newImperialRoom;
    newImperialRoom.Execute();
    TMaxroomdlg maxRoom(TMaxroomdlg::Resource, 3000, 3000);
    maxRoom.Execute();
    TMaxroomimpdlg maxImperialRoom(TMaxroomimpdlg::Resource, 2880, 2880);
    maxImperialRoom.Execute();
    TRmpttndlg partitions;
    partitions.Execute();
    TRmpttnimpdlg imperialPartitions;
    imperialPartitions.Execute();
    TRoomdlg fixedRoom;
    fixedRoom.Execute();
    TRoomimpdlg imperialFixedRoom;
    imperialFixedRoom.Execute();
    EXPECT_EQ(HelpContextsShown(), (std::vector<int>{260, 260, 260, 260, 260, 260, 270, 270}));
    EXPECT_FALSE(CfgExists("NEWRM.CFG"));
}
