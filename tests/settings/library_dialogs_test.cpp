// The library and floor-area dialogs as a user answers them: naming a new symbol, picking one from a
// library group with its preview, the library index as the list reads it, and the floor areas.
#include "model/drawing_list.h"
#include "settings/cfg_files.h"
#include "settings/floor_area_dialog.h"
#include "settings/library_list_dialog.h"
#include "settings/new_library_dialog.h"

#include "settings_test_support.h"

using platform::IdCancel;
using platform::IdOk;

class LibraryDialogs : public SettingsTest {
  protected:
    ~LibraryDialogs() override { DrawingList.Flush(); }

    static void AddInfo(int type, int value) {
        auto record = std::make_unique<TInfoobj>();
        record->type = type;
        record->value = value;
        DrawingList.Add(std::move(record));
    }
    static void AddLine(int x) {
        auto line = std::make_unique<TLineobj>();
        line->x1 = x;
        DrawingList.Add(std::move(line));
    }

    // A preview as the library command makes it: the symbol's objects added to the list, one line a
    // symbol file for each character of its name, so that each preview is told apart by its size.
    TLiblistdlg::PreviewSymbol Preview() {
        return [this](const std::string& fileName) {
            previewed.push_back(fileName);
            for (std::size_t i = 0; i < fileName.size(); ++i)
                AddLine(static_cast<int>(previewed.size()));
        };
    }
    static Fill Choose(int index) { return {15501, Fill::Kind::Select, "", index}; }
    // Symbol files of these names in LIBS: the list offers only symbols whose files exist.
    void Symbols(std::initializer_list<const char*> fileNames) const {
        for (const char* name : fileNames)
            test_support::WriteFile(folder_.Path() / "LIBS" / name, "0 0 0 2 2 1\n");
    }

    std::vector<std::string> previewed;
};

TEST_F(LibraryDialogs, NewSymbolTakesAFilteredNameAndAGroup) {
    Ok(TAtolibdlg::Resource, {Type(16001, "W.C. ../Ground, 2"), Click(16004)});
    Watched<TAtolibdlg> dialog;
    ASSERT_EQ(dialog.Execute(), IdOk);
    EXPECT_TRUE(dialog.shownTicked[16002]);
    EXPECT_EQ(dialog.name, "WC Ground, 2");
    EXPECT_EQ(dialog.group, 3);

    Ok(TAtolibdlg::Resource, {Type(16001, "ABCDEFGHIJKLMNOPQRSTUVWXYZ")});
    TAtolibdlg longName;
    ASSERT_EQ(longName.Execute(), IdOk);
    EXPECT_EQ(longName.name, "ABCDEFGHIJKLMNOPQRSTUVWX");
    EXPECT_EQ(longName.group, 1);
}

TEST_F(LibraryDialogs, NewSymbolWithoutANameIsRefused) {
    Ok(TAtolibdlg::Resource);
    Ok(TAtolibdlg::Resource, {Type(16001, "..")});
    Ok(TAtolibdlg::Resource, {Type(16001, " SINK")});
    Watched<TAtolibdlg> dialog;
    ASSERT_EQ(dialog.Execute(), IdOk);
    EXPECT_EQ(dialog.refusedFocus, (std::vector<int>{16001, 16001}));
    EXPECT_EQ(desktop_.Messages().size(), 2u);
    EXPECT_EQ(dialog.name, " SINK");
}

TEST_F(LibraryDialogs, TheListShowsTheGroupsNamesInColumns) {
    // The index decides, not the count; a name whose symbol file is missing is left out.
    WriteCfg("LIM.CFG", "0 0 2 0");
    WriteCfg("FURM.CFG", "4 SOFA\n5 CHAIR\n5  DESK\n29 A VERY LONG NAME FOR A TABLE\n");
    Symbols({"SOFA.FUM", " DESK.FUM", "A VERY LONG NAME FOR A T.FUM"});
    Cancel(TLiblistdlg::Resource);
    Watched<TLiblistdlg> dialog(3, Preview());
    EXPECT_EQ(dialog.Execute(), IdCancel);
    EXPECT_EQ(dialog.shownItems[15501],
              (std::vector<std::string>{"SOFA", " DESK", "A VERY LONG NAME FOR A T"}));
    EXPECT_EQ(dialog.shownColumnWidth[15501], 200);
    EXPECT_TRUE(previewed.empty());
}

TEST_F(LibraryDialogs, EachPickReplacesThePreviewBefore) {
    AddInfo(32000, 0);
    AddLine(-1);
    WriteCfg("LIM.CFG", "3 0 0 0");
    WriteCfg("PLBM.CFG", "2 WC\n4 BATH\n6 SHOWER\n");
    Symbols({"WC.PLM", "BATH.PLM", "SHOWER.PLM"});
    Ok(TLiblistdlg::Resource, {Choose(0), Choose(1), Choose(2)});
    TLiblistdlg dialog(1, Preview());
    ASSERT_EQ(dialog.Execute(), IdOk);
    EXPECT_EQ(previewed, (std::vector<std::string>{"WC.PLM", "BATH.PLM", "SHOWER.PLM"}));
    EXPECT_EQ(dialog.symbolName, "SHOWER");
    EXPECT_EQ(dialog.previewMark, 2);
    // Only the third symbol's objects follow the drawing's own.
    ASSERT_EQ(DrawingList.count, 2 + 10);
    EXPECT_EQ(DrawingList[1]->x1, -1);
    for (int i = 2; i < DrawingList.count; ++i)
        EXPECT_EQ(DrawingList[i]->x1, 3);
}

TEST_F(LibraryDialogs, CancelLeavesTheLastPreviewToTheCaller) {
    Shared.Units = 0;
    WriteCfg("LII.CFG", "0 1 0 1");
    WriteCfg("ELEI.CFG", "3 GPO\n");
    WriteCfg("MISI.CFG", "5 ARROW\n");
    Symbols({"GPO.ELI", "ARROW.MSI"});
    Cancel(TLiblistdlg::Resource, {Choose(0)});
    TLiblistdlg electrical(2, Preview());
    EXPECT_EQ(electrical.Execute(), IdCancel);
    EXPECT_EQ(previewed, (std::vector<std::string>{"GPO.ELI"}));
    EXPECT_EQ(electrical.previewMark, 0);
    EXPECT_EQ(DrawingList.count, 7);

    // OK with nothing picked names no symbol; a pick outside the list shows nothing.
    DrawingList.Flush();
    Ok(TLiblistdlg::Resource, {Choose(4)});
    TLiblistdlg miscellaneous(4, Preview());
    ASSERT_EQ(miscellaneous.Execute(), IdOk);
    EXPECT_EQ(miscellaneous.symbolName, "");
    EXPECT_EQ(previewed.size(), 1u);
    EXPECT_EQ(DrawingList.count, 0);
}

TEST_F(LibraryDialogs, TheIndexReaderListsOnlyWhatCanBeASymbolsFile) {
    // More names counted than stored: the list ends with the file.
    std::string index;
    for (int i = 0; i < 30; ++i)
        index += "2 N" + std::to_string(i % 10) + "\n";
    WriteCfg("PLBM.CFG", index);
    CfgReport report;
    EXPECT_EQ(ReadLibraryIndex(1, 1, 40, &report).size(), 30u);
    EXPECT_EQ(report.missingFields, 10);

    // A name no edit could have typed is left out, and the records after it still read in step.
    WriteCfg("PLBM.CFG", "9 ../../ETC\n0 \n4 B\tTH\n3 SPA\n-4 XX\n5 TUB");
    EXPECT_EQ(ReadLibraryIndex(1, 1, 6), (std::vector<std::string>{"SPA"}));
    // A record cut short by the end of the file is not a name.
    WriteCfg("PLBM.CFG", "3 SPA\n9 BAS");
    EXPECT_EQ(ReadLibraryIndex(1, 1, 2), (std::vector<std::string>{"SPA"}));
    // The writers' records read back whole, a leading blank included.
    ASSERT_TRUE(AppendLibraryIndex(1, 2, " LIGHT, WALL"));
    ASSERT_TRUE(AppendLibraryIndex(1, 2, "FAN"));
    EXPECT_EQ(ReadLibraryIndex(1, 2, 2), (std::vector<std::string>{" LIGHT, WALL", "FAN"}));
    EXPECT_EQ(LibraryFileName(1, 2, " LIGHT, WALL"), " LIGHT, WALL.ELM");
    EXPECT_EQ(LibraryFileName(0, 3, "SOFA"), "SOFA.FUI");
}

TEST_F(LibraryDialogs, FloorAreasComeFromTheFirstFourEntries) {
    AddLine(0);
    AddInfo(32000, 120);
    AddInfo(32001, 80);
    AddInfo(32003, 7);
    AddInfo(32002, 55); // the fifth entry is not looked at
    Ok(TAreadlg::Resource);
    Watched<TAreadlg> metric;
    ASSERT_EQ(metric.Execute(), IdOk);
    EXPECT_EQ(metric.shownText[17001], "207 sq. metres"); // the fourth floor counts in the total only
    EXPECT_EQ(metric.shownText[17002], "120 sq. metres");
    EXPECT_EQ(metric.shownText[17003], "80 sq. metres");
    EXPECT_EQ(metric.shownText[17004], "0 sq. metres");

    Shared.Units = 0;
    DrawingList.RemoveAt(0);
    Ok(TAreadlg::Resource);
    Watched<TAreadlg> imperial;
    ASSERT_EQ(imperial.Execute(), IdOk);
    EXPECT_EQ(imperial.shownText[17001], "262 sq. ft");
    EXPECT_EQ(imperial.shownText[17004], "55 sq. ft");

    DrawingList.Flush();
    for (int x : {1, 2, 3, 4})
        AddLine(x);
    AddInfo(32000, 99);
    Ok(TAreadlg::Resource);
    Watched<TAreadlg> none;
    ASSERT_EQ(none.Execute(), IdOk);
    for (int id : {17001, 17002, 17003, 17004})
        EXPECT_EQ(none.shownText[id], "0 sq. ft");
}

TEST_F(LibraryDialogs, HelpShowsTheLibrariesContextAndTheAreasNone) {
    Help(TAtolibdlg::Resource);
    Help(TLiblistdlg::Resource);
    Help(TAreadlg::Resource);
    Ok(TAreadlg::Resource);
    TAtolibdlg{}.Execute();
    TLiblistdlg(1, nullptr).Execute();
    EXPECT_EQ(TAreadlg{}.Execute(), IdOk);
    ASSERT_EQ(desktop_.HelpShown().size(), 2u);
    EXPECT_EQ(desktop_.HelpShown()[0].second, 330);
    EXPECT_EQ(desktop_.HelpShown()[1].second, 330);
}
