// Keeping a selection as a library symbol: the symbol file, the name index and the count file, in an
// order that an interruption at any point leaves the old library or the new one; and the selection
// files the symbol is taken from.
#include "settings/symbol_library.h"

#include "model/symbol_file.h"
#include "model/whole_file.h"
#include "settings/cfg_files.h"
#include "settings/selection_files.h"
#include "settings_test_support.h"

#include <sys/wait.h>
#include <unistd.h>

namespace {

class SymbolLibrary : public SettingsTest {
  protected:
    SymbolLibrary() {
        std::filesystem::create_directories(folder_.Path() / "LIBS");
        // The four floor-area records, then a line (15000, 11000)-(17500, 11000) at index 4.
        for (int floor = 0; floor < 4; ++floor) {
            auto info = std::make_unique<TInfoobj>();
            info->type = 32000 + floor;
            DrawingList.Add(std::move(info));
        }
        auto line = std::make_unique<TLineobj>();
        line->view = 50;
        line->x1 = 15000, line->y1 = 11000, line->x2 = 17500, line->y2 = 11000;
        DrawingList.Add(std::move(line));
        Shared.ObjectSerial = 3;
        WriteCfg("LIM.CFG", "0 0 0 0");
        WriteCfg("LII.CFG", "0 0 0 0");
        WriteCfg("PLBM.CFG", "4 BATH\n");
        WriteCfg("COPY.CFG", "4 16250 11000\n");
        WriteCfg("TEMP.CFG", "1\n");
        test_support::WriteFile(Library("PASTE.CFG"), "1 0 0 0 1 2\n");
    }
    ~SymbolLibrary() override { DrawingList.Flush(); }

    std::filesystem::path Library(const std::string& name) const { return folder_.Path() / "LIBS" / name; }
    std::string ReadLibrary(const std::string& name) const { return test_support::ReadFile(Library(name)); }
};

const std::string CapturedLine = "1\n1 50 0 0 -1250 0 1250 0 0 0 0 0 0 1 0\n";

TEST_F(SymbolLibrary, CaptureWritesTheSymbolItsIndexAndTheCountOfTheNamesIndexed) {
    ASSERT_TRUE(SaveToLibrary(DrawingList, 1, "WC"));
    EXPECT_EQ(ReadLibrary("WC.PLM"), "1 0 0 2 2 3\n" + CapturedLine);
    // The count is that of the names in the index, BATH's too, which has no file: a reader that takes
    // as many names as the count says comes to WC.
    EXPECT_EQ(ReadCfg("LIM.CFG"), "2 0 0 0");
    EXPECT_EQ(ReadCfg("PLBM.CFG"), "4 BATH\n2 WC\n");
    EXPECT_EQ(ReadLibrary("PASTE.CFG"), "1 0 0 0 1 2\n");
    EXPECT_EQ(DrawingList.count, 5);
    EXPECT_TRUE(desktop_.Messages().empty());

    ASSERT_TRUE(SaveToLibrary(DrawingList, 3, "WC"));
    EXPECT_EQ(ReadLibrary("WC.FUM"), "1 0 0 2 2 3\n" + CapturedLine);
    EXPECT_EQ(ReadCfg("FURM.CFG"), "2 WC\n");
    EXPECT_EQ(ReadCfg("LIM.CFG"), "2 0 1 0");

    // Feet and inches has its own twins.
    Shared.Units = 0;
    ASSERT_TRUE(SaveToLibrary(DrawingList, 1, "WC"));
    EXPECT_EQ(ReadLibrary("WC.PLI"), "1 0 0 2 2 3\n" + CapturedLine);
    EXPECT_EQ(ReadCfg("LII.CFG"), "1 0 0 0");
    EXPECT_EQ(ReadCfg("PLBI.CFG"), "2 WC\n");
    EXPECT_EQ(ReadCfg("LIM.CFG"), "2 0 1 0");

    // The same name again, answered Yes, replaces the file and keeps the name listed once.
    Shared.Units = 1;
    WriteCfg("COPY.CFG", "4 15000 11000\n");
    desktop_.QueueMessageAnswer(platform::IdYes);
    ASSERT_TRUE(SaveToLibrary(DrawingList, 1, "WC"));
    EXPECT_EQ(desktop_.Messages().back().text, "WC.PLM already exists, replace it?");
    EXPECT_EQ(ReadLibrary("WC.PLM"), "1 0 0 2 2 3\n1\n1 50 0 0 0 0 2500 0 0 0 0 0 0 1 0\n");
    EXPECT_EQ(ReadCfg("PLBM.CFG"), "4 BATH\n2 WC\n");
    EXPECT_EQ(ReadCfg("LIM.CFG"), "2 0 1 0");

    // A symbol file that the list has lost is listed again when it is replaced.
    test_support::WriteFile(Library("BIDET.PLM"), "0 0 0 2 2 3\n");
    desktop_.QueueMessageAnswer(platform::IdYes);
    ASSERT_TRUE(SaveToLibrary(DrawingList, 1, "BIDET"));
    EXPECT_EQ(ReadCfg("PLBM.CFG"), "4 BATH\n2 WC\n5 BIDET\n");
    EXPECT_EQ(ReadCfg("LIM.CFG"), "3 0 1 0");
}

TEST_F(SymbolLibrary, StaleSelectionLinesEndTheSymbolWhereTheyStand) {
    // The list changed since the selection was made: index 9 no longer exists.
    WriteCfg("COPY.CFG", "4 16250 11000\n9 0 0\n4 0 0\n");
    WriteCfg("TEMP.CFG", "3\n");
    ASSERT_TRUE(SaveToLibrary(DrawingList, 2, "PLUG"));
    EXPECT_EQ(ReadLibrary("PLUG.ELM"), "1 0 0 2 2 3\n" + CapturedLine);

    // A COPY.CFG that ends before TEMP.CFG's count gives what it holds.
    WriteCfg("COPY.CFG", "4 16250 11000\n");
    WriteCfg("TEMP.CFG", "2\n");
    ASSERT_TRUE(SaveToLibrary(DrawingList, 2, "PLUG"));
    EXPECT_EQ(ReadLibrary("PLUG.ELM"), "1 0 0 2 2 3\n" + CapturedLine);

    // No selection at all makes a symbol of no objects.
    std::filesystem::remove(Cfg("TEMP.CFG"));
    ASSERT_TRUE(SaveToLibrary(DrawingList, 2, "EMPTY"));
    EXPECT_EQ(ReadLibrary("EMPTY.ELM"), "0 0 0 2 2 3\n");
}

TEST_F(SymbolLibrary, ASymbolThatCannotBeWrittenIsNotIndexed) {
    std::filesystem::remove_all(folder_.Path() / "LIBS");
    EXPECT_FALSE(SaveToLibrary(DrawingList, 1, "WC"));
    ASSERT_EQ(desktop_.Messages().size(), 1u);
    EXPECT_EQ(desktop_.Messages()[0].text,
              "The library file could not be saved to " + (folder_.Path() / "LIBS" / "WC.PLM").string());
    EXPECT_EQ(desktop_.Messages()[0].caption, "SAVE");
    EXPECT_EQ(ReadCfg("LIM.CFG"), "0 0 0 0");
    EXPECT_EQ(ReadCfg("PLBM.CFG"), "4 BATH\n");
}

TEST_F(SymbolLibrary, AnIndexThatCannotBeWrittenKeepsTheSymbolOutAndACountIsPutRightLater) {
    // Something that is no file stands where the index goes: the symbol never takes its place.
    std::filesystem::remove(Cfg("PLBM.CFG"));
    std::filesystem::create_directories(Cfg("PLBM.CFG") / "KEEP");
    EXPECT_FALSE(SaveToLibrary(DrawingList, 1, "WC"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.Path() / "LIBS"), {}), 1);
    ASSERT_EQ(desktop_.Messages().size(), 1u);
    EXPECT_EQ(desktop_.Messages()[0].text, "The library index could not be saved to CFG/PLBM.CFG");
    EXPECT_EQ(desktop_.Messages()[0].caption, "SAVE");

    // A count that cannot be written is told, and the symbol is saved and listed all the same: the
    // count is taken from the indexes, and the next save writes it.
    std::filesystem::remove(Cfg("LIM.CFG"));
    std::filesystem::create_directories(Cfg("LIM.CFG") / "KEEP");
    {
        const UserAction next(DrawingList); // told once per user action: this is the next
        EXPECT_TRUE(SaveToLibrary(DrawingList, 2, "PLUG"));
    }
    EXPECT_EQ(ReadLibrary("PLUG.ELM"), "1 0 0 2 2 3\n" + CapturedLine);
    EXPECT_EQ(ReadCfg("ELEM.CFG"), "4 PLUG\n");
    ASSERT_EQ(desktop_.Messages().size(), 2u);
    EXPECT_EQ(desktop_.Messages()[1].text, "The library index could not be saved to CFG/LIM.CFG");
    std::filesystem::remove_all(Cfg("LIM.CFG"));
    EXPECT_TRUE(SaveToLibrary(DrawingList, 3, "TABLE"));
    EXPECT_EQ(ReadCfg("LIM.CFG"), "0 1 1 0");
}

TEST_F(SymbolLibrary, AKillAtAnyStepOfTheSaveLeavesTheOldLibraryOrTheNew) {
    test_support::WriteFile(Library("BATH.PLM"), "0 0 0 2 2 1\n");
    WriteCfg("LIM.CFG", "1 0 0 0");
    const std::vector<std::string> before{"BATH"};
    const std::vector<std::string> after{"BATH", "WC"};
    int stop = 1;
    for (;; ++stop) {
        // The save runs in a child that is killed just before the stop-th step of its writes: it ends
        // there, its temporary files left behind and nothing more done.
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            int steps = 0;
            SetWriteStepHook([&](WriteStep, const std::string&) {
                if (++steps == stop) ::_exit(0);
                return 0;
            });
            ::_exit(SaveToLibrary(DrawingList, 1, "WC") ? 3 : 4);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        const bool finished = WEXITSTATUS(status) == 3;
        ASSERT_TRUE(finished || WEXITSTATUS(status) == 0) << "stopped before step " << stop;

        // What the next start finds, once it has cleared the killed save's temporary files.
        RemoveLeftoverTemporaryFiles((folder_.Path() / "LIBS").string());
        RemoveLeftoverTemporaryFiles((folder_.Path() / "CFG").string());
        const std::vector<std::string> listed = ListedSymbols(1, 1);
        if (listed == before) {
            EXPECT_FALSE(std::filesystem::exists(Library("WC.PLM"))) << "stopped before step " << stop;
        } else {
            EXPECT_EQ(listed, after) << "stopped before step " << stop;
            EXPECT_EQ(ReadLibrary("WC.PLM"), "1 0 0 2 2 3\n" + CapturedLine)
                << "stopped before step " << stop;
        }
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.Path() / "LIBS"), {}),
                  listed == before ? 2 : 3)
            << "stopped before step " << stop;
        if (finished) {
            EXPECT_EQ(ReadCfg("LIM.CFG"), "2 0 0 0");
        }

        // The next save finds the library whole, whatever count the killed one left, and counts the
        // names indexed: WC's too once the index holds it, even where its file never took its place.
        const bool indexed = ReadCfg("PLBM.CFG") == "4 BATH\n2 WC\n";
        ASSERT_TRUE(SaveToLibrary(DrawingList, 1, "SINK"));
        EXPECT_EQ(ReadCfg("LIM.CFG"), indexed ? "3 0 0 0" : "2 0 0 0") << "stopped before step " << stop;

        std::filesystem::remove(Library("WC.PLM"));
        std::filesystem::remove(Library("SINK.PLM"));
        WriteCfg("PLBM.CFG", "4 BATH\n");
        WriteCfg("LIM.CFG", "1 0 0 0");
        if (finished) break;
    }
    // The symbol (create, write, flush), the index (and its rename and sync), the symbol's rename and
    // the count: every step was a stop.
    EXPECT_GE(stop, 15);
}

TEST_F(SymbolLibrary, ANameOutsideTheFilterWritesNothing) {
    for (const char* name : {"", "../../DWGS/HOUSE", "TOO LONG A NAME FOR A LIBRARY"}) {
        EXPECT_FALSE(SaveToLibrary(DrawingList, 1, name));
    }
    EXPECT_FALSE(SaveToLibrary(DrawingList, 5, "WC"));
    EXPECT_EQ(desktop_.Messages().size(), 4u);
    EXPECT_EQ(desktop_.Messages()[0].text,
              "A library item needs a name of 1 to 24 letters, digits, commas or blanks - nothing was saved");
    EXPECT_EQ(ReadCfg("LIM.CFG"), "0 0 0 0");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.Path() / "LIBS"), {}), 1);
}

TEST_F(SymbolLibrary, TheSelectionGrowsByLineAndIsReadAsFarAsItStillHolds) {
    WriteCfg("TEMP.CFG", "0\n");
    ASSERT_TRUE(WriteCopyOffset(3, 10, 20));
    EXPECT_EQ(ReadCfg("COPY.CFG"), "3 10 20\n");
    ASSERT_TRUE(WriteCopyOffset(1, -5, 5));
    EXPECT_EQ(ReadCfg("COPY.CFG"), "3 10 20\n1 -5 5\n");
    EXPECT_EQ(ReadCfg("TEMP.CFG"), "2\n");
    EXPECT_EQ(ReadTempCounter(), 2);

    WriteCfg("COPY.CFG", "3 10 20\n1 -5 5\n5 0 0\n2 0 0\n");
    ASSERT_TRUE(WriteTempCounter(4));
    CfgReport report;
    const std::vector<SelectionLine> lines = ReadSelection(DrawingList, &report); // 5 objects
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].index, 1);
    EXPECT_EQ(lines[1].x, -5);
    EXPECT_EQ(report.missingFields, 6);
    WriteCfg("COPY.CFG", "3 10 20\n-1 0 0\n");
    EXPECT_EQ(ReadSelection(DrawingList).size(), 1u);
}

} // namespace
