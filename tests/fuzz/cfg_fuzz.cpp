// Fuzzes every CFG reader. The first byte picks the reader and the unit system; the other bytes become
// the file (or files) that reader reads. A reader never fails and never reads past what its file
// holds, whatever the bytes; the lists that take their length from another file (the copy list, the
// library indexes) read the length from the same bytes first, as the commands that read them do.
//
// With KORVANE_WRITE_CFG_SEEDS=FOLDER the target writes its seed corpus there and stops: for each
// reader and unit system, the pick and the shipped default of the reader's file.
#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "settings/cfg_file.h"
#include "settings/cfg_files.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

// Reads with the reader's report and answers the files it read, named as the CFG folder holds them.
using Reader = std::function<std::vector<std::string>(int units)>;

template <typename Read> Reader One(Read read) {
    return [read](int units) {
        CfgReport report;
        read(units, report);
        return std::vector<std::string>{report.file};
    };
}

const std::vector<Reader>& Readers() {
    static const std::vector<Reader> readers = {
        One([](int, CfgReport& r) { ReadColours(&r); }),
        One([](int, CfgReport& r) { ReadRoomColours(&r); }),
        One([](int u, CfgReport& r) { ReadLayoutGrid(u, &r); }),
        One([](int u, CfgReport& r) { ReadGrid(u, &r); }),
        One([](int u, CfgReport& r) { ReadMergeDistance(u, &r); }),
        One([](int, CfgReport& r) { ReadTextSettings(&r); }),
        One([](int, CfgReport& r) { ReadWallColours(&r); }),
        One([](int u, CfgReport& r) { ReadExternalWallSettings(u, &r); }),
        One([](int, CfgReport& r) { ReadFixedRoomWalls(&r); }),
        One([](int, CfgReport& r) { ReadSizeDisplay(&r); }),
        One([](int, CfgReport& r) { ReadDoorSizes(&r); }),
        One([](int, CfgReport& r) { ReadDoorSwing(&r); }),
        One([](int u, CfgReport& r) { ReadDimensionSettings(u, &r); }),
        One([](int u, CfgReport& r) { ReadStairSettings(u, &r); }),
        One([](int u, CfgReport& r) { ReadPrintCalibration(u, &r); }),
        One([](int, CfgReport& r) { ReadPlanTitles(&r); }),
        One([](int u, CfgReport& r) { ReadInternalWallSettings(u, &r); }),
        One([](int, CfgReport& r) { ReadUnitsSetting(&r); }),
        One([](int, CfgReport& r) { ReadStartSetting(&r); }),
        One([](int, CfgReport& r) { ReadOverlaySettings(&r); }),
        One([](int u, CfgReport& r) { ReadCustomWallSettings(u, &r); }),
        One([](int, CfgReport& r) { ReadNewRoomSettings(&r); }),
        One([](int u, CfgReport& r) { ReadRoomPartitions(u, &r); }),
        One([](int u, CfgReport& r) { ReadWindowSettings(u, &r); }),
        One([](int u, CfgReport& r) { ReadEntrySettings(u, &r); }),
        One([](int, CfgReport& r) { ReadLineText(&r); }),
        One([](int u, CfgReport& r) { ReadSheetSize(u, &r); }),
        One([](int, CfgReport& r) { ReadScrollUnits(&r); }),
        One([](int, CfgReport& r) { ReadClientSize(&r); }),
        One([](int, CfgReport& r) { ReadDrawnExtents(&r); }),
        One([](int, CfgReport& r) { ReadLayoutBounds(&r); }),
        One([](int, CfgReport& r) { ReadLayoutRectangle(&r); }),
        One([](int, CfgReport& r) { ReadPrintList(&r); }),
        One([](int u, CfgReport& r) { ReadFreeRoomSize(u, &r); }),
        One([](int, CfgReport& r) { ReadMaxRoomSize(&r); }),
        [](int) {
            CfgReport count;
            CfgReport lines;
            // As many lines as TEMP.CFG counts, each naming an object of a list of a thousand.
            ReadSelectionLines(ReadSelectionCount(&count), 1000, &lines);
            return std::vector<std::string>{count.file, lines.file};
        },
    };
    return readers;
}

// The library counts and one group's index, a reader for each group.
std::vector<Reader> LibraryReaders() {
    std::vector<Reader> readers;
    for (int group = 1; group <= 4; ++group)
        readers.push_back([group](int units) {
            CfgReport counts;
            CfgReport index;
            const LibraryCounts read = ReadLibraryCounts(units, &counts);
            ReadLibraryIndex(units, group, read.counts[static_cast<std::size_t>(group - 1)], &index);
            return std::vector<std::string>{counts.file, index.file};
        });
    return readers;
}

const std::vector<Reader>& EveryReader() {
    static const std::vector<Reader> every = [] {
        std::vector<Reader> all = Readers();
        for (Reader& reader : LibraryReaders())
            all.push_back(std::move(reader));
        return all;
    }();
    return every;
}

struct Folder {
    Folder() {
        // A memory-backed folder where there is one: every run writes a file.
        const std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
        root = base / ("korvane-cfg-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(root / "CFG");
        DrawingList.ProgramDir = root.string() + "/";
    }
    ~Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    std::filesystem::path root;
};

const Folder& TheFolder() {
    static const Folder folder;
    return folder;
}

void Write(const std::string& name, std::string_view bytes) {
    std::FILE* file = std::fopen(CfgPath(name).c_str(), "wb");
    if (!file) return;
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

void WriteSeeds(const char* folder) {
    std::filesystem::create_directories(folder);
    const std::size_t count = EveryReader().size();
    for (std::size_t pick = 0; pick < 2 * count; ++pick) {
        const int units = static_cast<int>(pick / count);
        const std::vector<std::string> files = EveryReader()[pick % count](units);
        std::ofstream seed(std::filesystem::path(folder) / ("reader_" + std::to_string(pick)),
                           std::ios::binary);
        seed.put(static_cast<char>(pick));
        seed << ShippedCfgText(files.back());
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    TheFolder();
    if (const char* seeds = std::getenv("KORVANE_WRITE_CFG_SEEDS")) {
        WriteSeeds(seeds);
        std::exit(0);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    TheFolder();
    ResetSharedState();
    const std::size_t count = EveryReader().size();
    const std::size_t pick = data[0] % (2 * count);
    const Reader& reader = EveryReader()[pick % count];
    const int units = static_cast<int>(pick / count);
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    // The first read, of no file, names the files the reader takes.
    const std::vector<std::string> files = reader(units);
    for (const std::string& file : files)
        Write(file, bytes);
    reader(units);
    for (const std::string& file : files)
        std::remove(CfgPath(file).c_str());
    return 0;
}
