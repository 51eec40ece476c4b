// Fuzzes every CFG reader: the bytes become every file of the CFG folder at once, and each reader reads
// its file in both unit systems. A reader never fails and never reads past what the file holds,
// whatever the bytes; the lists that take their length from another file take the length read there.
#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "resources/embedded_files.h"
#include "settings/cfg_files.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

struct Folder {
    Folder() {
        // A memory-backed folder where there is one: every run writes every file.
        const std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
        root = base / ("korvane-cfg-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(root / "CFG");
        DrawingList.ProgramDir = root.string() + "/";
        for (const EmbeddedFile& file : EmbeddedFiles())
            if (file.path.starts_with("CFG/")) paths.push_back((root / file.path).string());
    }
    ~Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }

    std::filesystem::path root;
    std::vector<std::string> paths;
};

void WriteEveryFile(const Folder& folder, const std::uint8_t* data, std::size_t size) {
    for (const std::string& path : folder.paths) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (!file) continue;
        if (size > 0) std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
}

void ReadEveryFile(int units) {
    CfgReport report;
    ReadColours(&report);
    ReadRoomColours(&report);
    ReadLayoutGrid(units, &report);
    ReadGrid(units, &report);
    ReadMergeDistance(units, &report);
    ReadTextSettings(&report);
    ReadWallColours(&report);
    ReadExternalWallSettings(units, &report);
    ReadFixedRoomWalls(&report);
    ReadSizeDisplay(&report);
    ReadDoorSizes(&report);
    ReadDoorSwing(&report);
    ReadDimensionSettings(units, &report);
    ReadStairSettings(units, &report);
    ReadPrintCalibration(units, &report);
    ReadPlanTitles(&report);
    ReadInternalWallSettings(units, &report);
    ReadUnitsSetting(&report);
    ReadStartSetting(&report);
    ReadOverlaySettings(&report);
    ReadCustomWallSettings(units, &report);
    ReadNewRoomSettings(&report);
    ReadRoomPartitions(units, &report);
    ReadWindowSettings(units, &report);
    ReadEntrySettings(units, &report);
    ReadLineText(&report);
    ReadSheetSize(units, &report);
    ReadScrollUnits(&report);
    ReadClientSize(&report);
    ReadDrawnExtents(&report);
    ReadLayoutBounds(&report);
    ReadLayoutRectangle(&report);
    ReadPrintList(&report);
    ReadFreeRoomSize(&report);
    ReadMaxRoomSize(&report);
    // The copy list and the library indexes are as long as their count files say, as the commands
    // that read them take it.
    ReadSelectionLines(ReadSelectionCount(&report), &report);
    const LibraryCounts counts = ReadLibraryCounts(units, &report);
    for (int group = 1; group <= 4; ++group)
        ReadLibraryIndex(units, group, counts.counts[static_cast<std::size_t>(group - 1)], &report);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Folder folder;
    ResetSharedState();
    WriteEveryFile(folder, data, size);
    ReadEveryFile(1);
    ReadEveryFile(0);
    return 0;
}
