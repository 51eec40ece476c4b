// The default CFG set shipped inside the program: every file the program reads is shipped, each one
// reads whole and within its ranges, and each holds the values a new user starts with.
#include "resources/embedded_files.h"
#include "settings/cfg_files.h"

#include "../settings/settings_test_support.h"

#include <functional>
#include <set>

namespace {

// Every reader, each run on both twins where it has them.
std::vector<std::function<void(CfgReport*)>> AllReaders() {
    std::vector<std::function<void(CfgReport*)>> readers = {
        [](CfgReport* r) { ReadDoorSizes(r); },       [](CfgReport* r) { ReadDoorSwing(r); },
        [](CfgReport* r) { ReadPlanTitles(r); },      [](CfgReport* r) { ReadUnitsSetting(r); },
        [](CfgReport* r) { ReadStartSetting(r); },    [](CfgReport* r) { ReadOverlaySettings(r); },
        [](CfgReport* r) { ReadNewRoomSettings(r); }, [](CfgReport* r) { ReadLineText(r); },
        [](CfgReport* r) { ReadColours(r); },         [](CfgReport* r) { ReadRoomColours(r); },
        [](CfgReport* r) { ReadTextSettings(r); },    [](CfgReport* r) { ReadWallColours(r); },
        [](CfgReport* r) { ReadFixedRoomWalls(r); },  [](CfgReport* r) { ReadSizeDisplay(r); },
        [](CfgReport* r) { ReadScrollUnits(r); },     [](CfgReport* r) { ReadClientSize(r); },
        [](CfgReport* r) { ReadDrawnExtents(r); },    [](CfgReport* r) { ReadLayoutBounds(r); },
        [](CfgReport* r) { ReadLayoutRectangle(r); }, [](CfgReport* r) { ReadPrintList(r); },
        [](CfgReport* r) { ReadMaxRoomSize(r); },
        [](CfgReport* r) { ReadSelectionCount(r); },  [](CfgReport* r) { ReadSelectionLines(0, 0, r); },
    };
    for (int units : {0, 1}) {
        readers.push_back([units](CfgReport* r) { ReadDimensionSettings(units, r); });
        readers.push_back([units](CfgReport* r) { ReadStairSettings(units, r); });
        readers.push_back([units](CfgReport* r) { ReadPrintCalibration(units, r); });
        readers.push_back([units](CfgReport* r) { ReadInternalWallSettings(units, r); });
        readers.push_back([units](CfgReport* r) { ReadCustomWallSettings(units, r); });
        readers.push_back([units](CfgReport* r) { ReadRoomPartitions(units, r); });
        readers.push_back([units](CfgReport* r) { ReadLayoutGrid(units, r); });
        readers.push_back([units](CfgReport* r) { ReadGrid(units, r); });
        readers.push_back([units](CfgReport* r) { ReadMergeDistance(units, r); });
        readers.push_back([units](CfgReport* r) { ReadExternalWallSettings(units, r); });
        readers.push_back([units](CfgReport* r) { ReadSheetSize(units, r); });
        readers.push_back([units](CfgReport* r) { ReadLibraryCounts(units, r); });
        for (int group = 1; group <= 4; ++group)
            readers.push_back([units, group](CfgReport* r) { ReadLibraryIndex(units, group, 0, r); });
    }
    // The two files of one name for both systems, read with the ranges of each.
    for (int units : {0, 1}) {
        readers.push_back([units](CfgReport* r) { ReadWindowSettings(units, r); });
        readers.push_back([units](CfgReport* r) { ReadEntrySettings(units, r); });
        readers.push_back([units](CfgReport* r) { ReadFreeRoomSize(units, r); });
    }
    return readers;
}

} // namespace

using ShippedCfgSet = SettingsTest;

TEST_F(ShippedCfgSet, EveryFileIsShippedAndReadsWholeWithinItsRanges) {
    std::set<std::string> shipped;
    for (const EmbeddedFile& file : EmbeddedFiles()) {
        if (file.path.substr(0, 4) != "CFG/") continue;
        shipped.insert(std::string(file.path.substr(4)));
        WriteCfg(std::string(file.path.substr(4)), std::string(file.bytes));
    }
    std::set<std::string> read;
    for (const auto& reader : AllReaders()) {
        CfgReport report;
        reader(&report);
        read.insert(report.file);
        EXPECT_TRUE(report.Complete()) << report.file;
        EXPECT_EQ(report.clampedFields, 0) << report.file;
    }
    EXPECT_EQ(read, shipped);
}

TEST_F(ShippedCfgSet, NewUsersStartWithHousePlanDefaults) {
    // With no CFG folder content at all every reader falls back to the shipped values.
    const ColourSettings colours = ReadColours();
    EXPECT_EQ(colours.background, platform::Rgb(255, 255, 255));
    EXPECT_EQ(colours.drawing, platform::Rgb(0, 0, 0));
    EXPECT_EQ(colours.overlay, platform::Rgb(192, 192, 192));
    EXPECT_EQ(ReadDoorSizes().metricWidth, 900);
    EXPECT_EQ(ReadDoorSizes().imperialWidth, 36 * 24);
    EXPECT_EQ(ReadUnitsSetting().units, 1);
    EXPECT_EQ(ReadClientSize().width, 624);
    EXPECT_EQ(ReadClientSize().height, 346);
    // The sheet holds a large house at the normal zoom: 40 m across in a metric drawing, 125 feet in
    // one of feet and inches (5 and 6 drawing units a logical unit).
    EXPECT_EQ(ReadSheetSize(1).width * 5, 40000);
    EXPECT_EQ(ReadSheetSize(0).width * 6, 125 * 12 * 24);
    const DrawnExtents extents = ReadDrawnExtents();
    EXPECT_EQ(extents.minX, DrawnExtents::NothingDrawn);
    EXPECT_EQ(extents.maxY, 0);
    EXPECT_EQ(ReadTextSettings().fontName, "Arial");
}
