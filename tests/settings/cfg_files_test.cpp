// The CFG files byte for byte: what each writer puts down, what each reader takes from whole, short,
// missing and damaged files.
#include "settings/cfg_files.h"

#include "settings_test_support.h"

using CfgFiles = SettingsTest;

TEST_F(CfgFiles, DoorSwingCarriesSineAndCosineOfPiAs314159) {
    ASSERT_TRUE(WriteDoorSwing(DoorSwingFor(60, 1)));
    EXPECT_EQ(ReadCfg("INTERN.CFG"), "60 1 0.866025 0.500001");
    ASSERT_TRUE(WriteDoorSwing(DoorSwingFor(90, 2)));
    EXPECT_EQ(ReadCfg("INTERN.CFG"), "90 2 1.000000 0.000001");
    ASSERT_TRUE(WriteDoorSwing(DoorSwingFor(30, 1)));
    EXPECT_EQ(ReadCfg("INTERN.CFG"), "30 1 0.500000 0.866026");

    const DoorSwingSettings read = ReadDoorSwing();
    EXPECT_EQ(read.angle, 30);
    EXPECT_DOUBLE_EQ(read.sine, 0.5);
    EXPECT_DOUBLE_EQ(read.cosine, 0.866026);

    // Cut short after the angle: the sine and cosine are those of the stored angle, not the default's.
    WriteCfg("INTERN.CFG", "60 1");
    CfgReport report;
    const DoorSwingSettings shortFile = ReadDoorSwing(&report);
    EXPECT_NEAR(shortFile.cosine, 0.5000013, 1e-6);
    EXPECT_EQ(report.missingFields, 2);
}

TEST_F(CfgFiles, PlanTitlesRoundTripLeadingBlanksEmptyLinesDigitsAndOldFiles) {
    ASSERT_TRUE(WritePlanTitles({{"2 STOREY HOUSE", "", "ATTIC"}}));
    EXPECT_EQ(ReadCfg("TITLE2D.CFG"), "14 0 5 2 STOREY HOUSEATTIC\n");
    PlanTitles read = ReadPlanTitles();
    EXPECT_EQ(read.titles[0], "2 STOREY HOUSE");
    EXPECT_EQ(read.titles[1], "");
    EXPECT_EQ(read.titles[2], "ATTIC");

    // A title that begins with blanks reads back as it was written.
    ASSERT_TRUE(WritePlanTitles({{"   GROUND", " ", "  UPPER "}}));
    EXPECT_EQ(ReadCfg("TITLE2D.CFG"), "9 1 8    GROUND   UPPER \n");
    read = ReadPlanTitles();
    EXPECT_EQ(read.titles[0], "   GROUND");
    EXPECT_EQ(read.titles[1], " ");
    EXPECT_EQ(read.titles[2], "  UPPER ");

    // Files written without the blank after the third length read the same, as do files edited by
    // hand with a line end there.
    WriteCfg("TITLE2D.CFG", "5 0 5HOUSEATTIC\n");
    read = ReadPlanTitles();
    EXPECT_EQ(read.titles[0], "HOUSE");
    EXPECT_EQ(read.titles[2], "ATTIC");
    WriteCfg("TITLE2D.CFG", "5 0 5\r\nHOUSEATTIC\r\n");
    EXPECT_EQ(ReadPlanTitles().titles[2], "ATTIC");

    // A title keeps up to 27 characters; a stored length above 27 keeps 27, and the writer cuts to 27.
    WriteCfg("TITLE2D.CFG", "27 30 0 GROUND FLOOR PLAN OF 2 BEDSABCDEFGHIJKLMNOPQRSTUVWXYZ1234\n");
    EXPECT_EQ(ReadPlanTitles().titles[0], "GROUND FLOOR PLAN OF 2 BEDS");
    EXPECT_EQ(ReadPlanTitles().titles[1], "ABCDEFGHIJKLMNOPQRSTUVWXYZ1");
    ASSERT_TRUE(WritePlanTitles({{"GROUND", "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234", ""}}));
    EXPECT_EQ(ReadCfg("TITLE2D.CFG"), "6 27 0 GROUNDABCDEFGHIJKLMNOPQRSTUVWXYZ1\n");
}

TEST_F(CfgFiles, LineTextIsReadByItsStoredLength) {
    ASSERT_TRUE(WriteLineText({2, "WALL 2 M"}));
    EXPECT_EQ(ReadCfg("LTEXT.CFG"), "2 8/nWALL 2 M");
    LineTextSettings read = ReadLineText();
    EXPECT_EQ(read.side, 2);
    EXPECT_EQ(read.text, "WALL 2 M"); // blanks and all, not the first word

    WriteCfg("LTEXT.CFG", "1 30/nABCDEFGHIJKLMNOPQRSTUVWXYZ0123");
    EXPECT_EQ(ReadLineText().text, "ABCDEFGHIJKLMNOPQRSTU");
    WriteCfg("LTEXT.CFG", "7 3/nabcdef");
    read = ReadLineText();
    EXPECT_EQ(read.side, 2);
    EXPECT_EQ(read.text, "abc");
}

TEST_F(CfgFiles, TextSettingsKeepTheMissingSeparatorAndClampTheNameLength) {
    ASSERT_TRUE(WriteTextSettings({12, 700, "Liberation Sans"}));
    EXPECT_EQ(ReadCfg("TEXT.CFG"), "12 700 15Liberation Sans");
    TextSettings read = ReadTextSettings();
    EXPECT_EQ(read.textSize, 12);
    EXPECT_EQ(read.fontWeight, 700);
    EXPECT_EQ(read.fontName, "Liberation Sans");

    WriteCfg("TEXT.CFG", "10 400 40ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789ABCD");
    EXPECT_EQ(ReadTextSettings().fontName, "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234");
    WriteCfg("TEXT.CFG", "10 400 -3Arial");
    EXPECT_EQ(ReadTextSettings().fontName, "");
}

TEST_F(CfgFiles, DesignRoomWallThicknessChangesOnlyTheFloorOfTheView) {
    WriteCfg("RMPTNM.CFG", "100 110 120");
    ASSERT_TRUE(WriteRoomPartitionForView(1, 51, 150));
    EXPECT_EQ(ReadCfg("RMPTNM.CFG"), "100 150 120");
    ASSERT_TRUE(WriteRoomPartitionForView(1, 45, 90));
    EXPECT_EQ(ReadCfg("RMPTNM.CFG"), "90 150 120");
    ASSERT_TRUE(WriteRoomPartitionForView(0, 42, 96));
    EXPECT_EQ(ReadCfg("RMPTNI.CFG"), "108 108 96"); // the other two from the shipped default

    // View 53 shows the ground floor's field and changes nothing; no view reaches past the three.
    EXPECT_FALSE(WriteRoomPartitionForView(1, 53, 200));
    EXPECT_EQ(ReadCfg("RMPTNM.CFG"), "90 150 120");
    for (int view : {8, 40, 45, 50, 53, 100, 1050, -1})
        EXPECT_EQ(RoomPartitionFieldShown(view), 0) << view;
    EXPECT_EQ(RoomPartitionFieldShown(41), 1);
    EXPECT_EQ(RoomPartitionFieldShown(52), 2);
    EXPECT_FALSE(RoomPartitionFieldWritten(8).has_value());
}

TEST_F(CfgFiles, TheLayoutRectanglesAreaGoesBeyond32Bits) {
    // 50 m x 60 m in millimetres: 3 000 000 000 square units.
    ASSERT_TRUE(WriteLayoutRectangle({50000, 60000, 3000000000LL}));
    EXPECT_EQ(ReadCfg("RECT.CFG"), "50000 60000 3000000000\n");
    const LayoutRectangle read = ReadLayoutRectangle();
    EXPECT_EQ(read.area, 3000000000LL);
    EXPECT_EQ(read.width, 50000);
}

TEST_F(CfgFiles, WritersKeepEachFilesOwnLineEnd) {
    WriteColours({0xFFFFFF, 0, 0xC0C0C0});
    WriteLibraryCounts(1, {{1, 0, 2, 0}});
    WriteEntrySettings({870, 0, 0, 2, 0, 'b', 'n', 'n'});
    WriteNewRoomSettings({2, 0});
    WriteGrid(0, {288, 255});
    WriteMergeDistance(1, {300});
    WriteExternalWallSettings(1, {110, 55, 110, 25, 2550, 2400, 2400, 0, 0, 0});
    WritePrintList({{1, 100, 1050}, {2, 50, 1052}});
    WriteLayoutBounds({-5, 10, 20, -30});
    WriteSelectionCount(3);
    EXPECT_EQ(ReadCfg("CLR.CFG"), "16777215 0 12632256\n");
    EXPECT_EQ(ReadCfg("LIM.CFG"), "1 0 2 0");
    EXPECT_EQ(ReadCfg("ENTRY.CFG"), "870 0 0 2 0 b n n");
    EXPECT_EQ(ReadCfg("NEWRM.CFG"), "2 0"); // the fixed-room dialogs' colour
    EXPECT_EQ(ReadCfg("GRIDI.CFG"), "288 255\n");
    EXPECT_EQ(ReadCfg("MERGEM.CFG"), "300\n");
    EXPECT_EQ(ReadCfg("EXTWALLM.CFG"), "110 55 110 25 2550 2400 2400 0 0 0");
    EXPECT_EQ(ReadCfg("PRNTLST.CFG"), "1 100 1050\n2 50 1052\n");
    EXPECT_EQ(ReadCfg("BOUNDS.CFG"), "-5 10 20 -30\n");
    EXPECT_EQ(ReadCfg("TEMP.CFG"), "3\n");

    EXPECT_EQ(ReadNewRoomSettings().colour, 0);
    EXPECT_EQ(ReadEntrySettings(1).position, 'b');
    ASSERT_EQ(ReadPrintList().size(), 2u);
    EXPECT_EQ(ReadPrintList()[1].view, 1052);
}

TEST_F(CfgFiles, MissingAndShortFilesTakeTheShippedDefaultFieldByField) {
    CfgReport report;
    DoorSizeSettings doors = ReadDoorSizes(&report);
    EXPECT_TRUE(report.fileMissing);
    EXPECT_EQ(report.missingFields, 2);
    EXPECT_EQ(doors.metricWidth, 900);
    EXPECT_EQ(doors.imperialWidth, 864);

    WriteCfg("DOORSZE.CFG", "750");
    doors = ReadDoorSizes(&report);
    EXPECT_FALSE(report.fileMissing);
    EXPECT_EQ(report.missingFields, 1);
    EXPECT_EQ(doors.metricWidth, 750);
    EXPECT_EQ(doors.imperialWidth, 864);

    WriteCfg("IOFFSET.CFG", "288 300 x");
    DimensionSettings offsets = ReadDimensionSettings(0, &report);
    EXPECT_EQ(offsets.internalOffset, 288);
    EXPECT_EQ(offsets.externalOffset, 300);
    EXPECT_EQ(offsets.overallOffset, 1152);
    EXPECT_EQ(offsets.roomNameTextSize, 10);
    EXPECT_EQ(report.missingFields, 5);

    WriteCfg("TITLE2D.CFG", "5 3");
    EXPECT_EQ(ReadPlanTitles(&report).titles[2], "SECOND FLOOR PLAN");
    EXPECT_EQ(report.missingFields, 3);

    EXPECT_EQ(ReadSelectionCount(&report), 0);
    EXPECT_TRUE(ReadSelectionLines(2, 10).empty());
}

TEST_F(CfgFiles, NumbersAreClampedToTheirDialogsRanges) {
    CfgReport report;
    WriteCfg("DOORSZE.CFG", "99999999999999999 -4");
    DoorSizeSettings doors = ReadDoorSizes(&report);
    EXPECT_EQ(doors.metricWidth, 5000);
    EXPECT_EQ(doors.imperialWidth, 96);
    EXPECT_EQ(report.clampedFields, 2);

    WriteCfg("MOFFSET.CFG", "50 4000 9000 -1 8 11 12");
    const DimensionSettings offsets = ReadDimensionSettings(1);
    EXPECT_EQ(offsets.internalOffset, 100);
    EXPECT_EQ(offsets.externalOffset, 3000);
    EXPECT_EQ(offsets.overallOffset, 5000);
    EXPECT_EQ(offsets.textDirection, 0);
    EXPECT_EQ(offsets.dimensionTextSize, 9);
    EXPECT_EQ(offsets.roomNameTextSize, 10);

    WriteCfg("OVERLAY.CFG", "1 2 -1 1 7");
    const OverlaySettings overlay = ReadOverlaySettings();
    EXPECT_EQ(overlay.fourthFloor, 1);
    EXPECT_EQ(overlay.groundFloor, 0); // a flag counts only when it is 1
    EXPECT_EQ(overlay.secondFloor, 1);
    EXPECT_EQ(overlay.outlines, 0);

    WriteCfg("ENTRY.CFG", "870 0 0 1 0 x n n");
    EXPECT_EQ(ReadEntrySettings(1).position, 'l');
    WriteCfg("SCROLL.CFG", "0 -3");
    EXPECT_EQ(ReadScrollUnits().horizontal, 10); // a scroll unit below 1 is taken as 10 pixels
    EXPECT_EQ(ReadScrollUnits().vertical, 10);
    WriteCfg("PRNTLST.CFG", "1 0 7\n");
    EXPECT_EQ(ReadPrintList()[0].scale, 1); // the scale divides the printed size
}

TEST_F(CfgFiles, FilesSavedWithAByteOrderMarkReadAsWithout) {
    WriteCfg("DOORSZE.CFG", "\xEF\xBB\xBF"
                            "750 792");
    CfgReport report;
    const DoorSizeSettings doors = ReadDoorSizes(&report);
    EXPECT_EQ(doors.metricWidth, 750);
    EXPECT_EQ(doors.imperialWidth, 792);
    EXPECT_TRUE(report.Complete());
    WriteCfg("TITLE2D.CFG", "\xEF\xBB\xBF"
                            "5 0 0 HOUSE\n");
    EXPECT_EQ(ReadPlanTitles().titles[0], "HOUSE");
    WriteCfg("PRNTLST.CFG", "\xEF\xBB\xBF"
                            "2 100 1051\n");
    ASSERT_EQ(ReadPrintList().size(), 1u);
    EXPECT_EQ(ReadPrintList()[0].view, 1051);
}

TEST_F(CfgFiles, ColoursKeepTheirLowTwentyFourBits) {
    // A high byte set (0x01 over blue, 0xFF over black) is dropped, not clamped to white.
    WriteCfg("CLR.CFG", "33488896 -16777216 12632256\n");
    const ColourSettings colours = ReadColours();
    EXPECT_EQ(colours.background, 0xFF0000u);
    EXPECT_EQ(colours.drawing, 0x000000u);
    EXPECT_EQ(colours.overlay, 0xC0C0C0u);
}

TEST_F(CfgFiles, SheetOfZeroOrBelowTakesTheShippedSize) {
    WriteCfg("DWGSIZEM.CFG", "0 -5");
    CfgReport report;
    SheetSize sheet = ReadSheetSize(1, &report);
    EXPECT_EQ(sheet.width, 8000);
    EXPECT_EQ(sheet.height, 4435);
    EXPECT_EQ(report.clampedFields, 2);
    WriteCfg("DWGSIZEI.CFG", "-6000 2");
    sheet = ReadSheetSize(0);
    EXPECT_EQ(sheet.width, 6000);
    EXPECT_EQ(sheet.height, 2);
    WriteCfg("DWGSIZEM.CFG", "900000 1");
    EXPECT_EQ(ReadSheetSize(1).width, 300000);
}

TEST_F(CfgFiles, UnitsAndStartModeAreReadAsStored) {
    WriteCfg("METRIC.CFG", "2");
    WriteCfg("START.CFG", "0");
    EXPECT_EQ(ReadUnitsSetting().units, 2);
    EXPECT_EQ(ReadStartSetting().startMode, 0);
}

TEST_F(CfgFiles, SelectionAndLibraryIndexGrowLineByLine) {
    ASSERT_TRUE(AddSelectionLine({4, 100, -200}, true));
    ASSERT_TRUE(AddSelectionLine({9, 0, 0}, false));
    EXPECT_EQ(ReadCfg("COPY.CFG"), "4 100 -200\n9 0 0\n");
    ASSERT_TRUE(AddSelectionLine({1, 2, 3}, true));
    EXPECT_EQ(ReadCfg("COPY.CFG"), "1 2 3\n");
    const std::vector<SelectionLine> lines = ReadSelectionLines(5, 10);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].y, 3);

    ASSERT_TRUE(AppendLibraryIndex(1, 1, "WC"));
    ASSERT_TRUE(AppendLibraryIndex(1, 1, "BATH, CORNER"));
    EXPECT_EQ(ReadCfg("PLBM.CFG"), "2 WC\n12 BATH, CORNER\n");
    EXPECT_EQ(ReadLibraryIndex(1, 1, 2), (std::vector<std::string>{"WC", "BATH, CORNER"}));
    EXPECT_EQ(ReadLibraryIndex(1, 1, 5).size(), 2u);
    EXPECT_EQ(LibraryIndexName(0, 4), "MISI.CFG");
}

TEST_F(CfgFiles, DamagedFilesNeverCrashAnyReader) {
    const std::vector<std::string> damage = {"",
                                             "-",
                                             "+-7",
                                             "1e999 nan inf",
                                             std::string(3, '\0'),
                                             "2147483648 -2147483649 99999999999999999999999",
                                             "1 2/n",
                                             "3 4 5",
                                             "\xff\xfe garbage\n\n"};
    for (const std::string& bytes : damage) {
        for (const char* name : {"TITLE2D.CFG", "LTEXT.CFG", "TEXT.CFG", "INTERN.CFG", "ENTRY.CFG",
                                 "PRNTCALI.CFG", "COPY.CFG", "PLBI.CFG", "PRNTLST.CFG", "WIND.CFG"})
            WriteCfg(name, bytes);
        ReadPlanTitles();
        ReadLineText();
        const TextSettings text = ReadTextSettings();
        EXPECT_LE(text.fontName.size(), 31u);
        const DoorSwingSettings swing = ReadDoorSwing();
        EXPECT_GE(swing.angle, 30);
        EXPECT_LE(swing.cosine, 1.0);
        ReadEntrySettings(0);
        const PrintCalibration calibration = ReadPrintCalibration(0);
        EXPECT_GT(calibration.correction, 0.0);
        ReadSelectionLines(1000000, 1000000);
        ReadLibraryIndex(0, 1, 1000000);
        ReadPrintList();
        const WindowSettings window = ReadWindowSettings(0);
        EXPECT_GE(window.width, 96);
    }
}
