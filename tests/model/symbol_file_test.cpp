// Symbol files and the paste buffer: what the writer puts down for a selection, where the reader
// places a symbol and how it numbers what it inserts. The golden files are written by hand from the
// record formats.
#include "model/symbol_file.h"

#include "model_files_fixture.h"

#include <filesystem>
#include <string>
#include <vector>

using test_support::ReadFile;
using test_support::WriteFile;

namespace {

class SymbolFileTest : public ModelFilesTest {
  protected:
    void SetUp() override {
        ModelFilesTest::SetUp();
        Shared.CurrentView = 50;
    }

    // (1100, 900)-(1300, 900), its text at (1100, 900) and a room (500, 1500)-(1500, 500): 100 right of
    // and 100 below the reference point (1000, 1000), and a room round it.
    void AddThreeObjects() {
        auto line = std::make_unique<TLineobj>();
        line->view = 50, line->aux = 10003, line->number = 10003;
        line->x1 = 1100, line->y1 = 900, line->x2 = 1300, line->y2 = 900;
        list.Add(std::move(line));
        auto text = std::make_unique<TTextobj>();
        text->view = 50, text->number = 10004;
        text->x1 = 1100, text->y1 = 900, text->x2 = 900, text->y2 = 7, text->z1 = 3;
        text->colour = 255, text->alignment = 1, text->size = 10, text->weight = 400;
        SetObjectString(text->fontName, text->fontNameLength, "Arial");
        SetObjectString(text->text, text->textLength, "WC");
        list.Add(std::move(text));
        auto room = std::make_unique<TRoomobj>();
        room->view = 50, room->number = 10005;
        room->x1 = 500, room->y1 = 1500, room->x2 = 1500, room->y2 = 500;
        room->width = 1000, room->length = 1000, room->textSize = 10;
        SetObjectString(room->name, room->nameLength, "ROOM");
        SetObjectString(room->label1, room->label1Length, "1 m");
        SetObjectString(room->label2, room->label2Length, "1 m");
        list.Add(std::move(room));
    }
};

const std::string ThreeObjectSymbol =
    "3 0 0 2 2 12\n"
    "1\n"
    "1 50 10003 10003 100 0 300 0 -100 -100 0 0 0 1 0\n"
    "4\n"
    "4 50 0 10004 100 -100 900 7 3 255 2 0 1 5 10 400 ArialWC\n"
    "29000\n"
    "29000 50 0 10005 -500 500 500 -500 1000 1000 0 0 10 4 3 3 ROOM1 m1 m\n";

TEST_F(SymbolFileTest, WritesTheSelectionRelativeToEachLinesReferencePoint) {
    AddThreeObjects();
    const std::vector<SelectionLine> selection = {{0, 1000, 1000}, {1, 1000, 1000}, {2, 1000, 1000}};
    ASSERT_TRUE(list.WriteSymbol(SymbolHeader(12), "WC.PLM", selection));
    EXPECT_EQ(ReadFile(Library("WC.PLM")), ThreeObjectSymbol);
    EXPECT_EQ(list.count, 3); // the list is not touched
    EXPECT_TRUE(desktop.Messages().empty());

    // The paste buffer is the same writer under its own header; each line has its own point.
    Shared.ObjectSerial = 9;
    ASSERT_TRUE(list.WriteSymbol(PasteHeader(0, 9), "PASTE.CFG", std::vector<SelectionLine>{{0, 1100, 900}}));
    EXPECT_EQ(ReadFile(Library("PASTE.CFG")), "1 0 0 0 0 9\n1\n1 50 10003 10003 0 0 200 0 0 0 0 0 0 1 0\n");
}

TEST_F(SymbolFileTest, StaleSelectionLinesAreLeftOutAndTheCountFollowsTheRecords) {
    AddThreeObjects();
    const std::vector<SelectionLine> selection = {{2, 1000, 1000}, {3, 0, 0}, {-1, 0, 0}, {0, 1000, 1000}};
    EXPECT_EQ(FormatSymbol(list, SymbolHeader(4), selection),
              "2 0 0 2 2 4\n"
              "29000\n"
              "29000 50 0 10005 -500 500 500 -500 1000 1000 0 0 10 4 3 3 ROOM1 m1 m\n"
              "1\n"
              "1 50 10003 10003 100 0 300 0 -100 -100 0 0 0 1 0\n");
    // An empty selection is a well-formed empty buffer.
    EXPECT_EQ(FormatSymbol(list, PasteHeader(1, 6), {}), "0 0 0 0 1 6\n");
}

TEST_F(SymbolFileTest, CopiedRectangleReadsBackAtTheInsertionPoint) {
    auto rectangle = std::make_unique<TRectangleobj>();
    rectangle->view = 50;
    rectangle->x1 = 1000, rectangle->y1 = 2000, rectangle->x2 = 3000, rectangle->y2 = 5000;
    list.Add(std::move(rectangle));
    ASSERT_TRUE(
        list.WriteSymbol(PasteHeader(1, 1), "PASTE.CFG", std::vector<SelectionLine>{{0, 2000, 3000}}));
    EXPECT_EQ(ReadFile(Library("PASTE.CFG")), "1 0 0 0 1 1\n7\n7 50 0 0 -1000 0 1000 0 -1000 2000 0 1 0\n");

    // Client 4200 x 2970 scrolled to (2100, 1500): the base point is (13125, 9975).
    Shared.ClientWidth = 4200, Shared.ClientHeight = 2970, Shared.ScrollX = 2100, Shared.ScrollY = 1500;
    list.ReadSymbol("PASTE.CFG");
    ASSERT_EQ(list.count, 2);
    const TObject& pasted = *list[1];
    EXPECT_EQ(pasted.type, 7);
    EXPECT_EQ(pasted.x1, 12125);
    EXPECT_EQ(pasted.y1, 8975);
    EXPECT_EQ(pasted.x2, 14125);
    EXPECT_EQ(pasted.y2, 11975);
}

TEST_F(SymbolFileTest, ReadsASymbolOnTheCurrentViewFromAnEighthAndASixthOfTheView) {
    WriteFile(Library("WC.PLM"), ThreeObjectSymbol);
    Shared.ClientWidth = 800, Shared.ClientHeight = 600, Shared.ScrollX = 0, Shared.ScrollY = 0;
    Shared.CurrentView = 51;
    auto existing = std::make_unique<TLineobj>();
    list.Add(std::move(existing));

    list.ReadSymbol("WC.PLM");
    ASSERT_EQ(list.count, 4); // appended after what the list held

    // Reference point (500, 500): the object stored at (100, -100) lands at (600, 400).
    const TLineobj& line = At<TLineobj>(1);
    EXPECT_EQ(line.view, 51);
    EXPECT_EQ(line.x1, 600);
    EXPECT_EQ(line.y1, 400);
    EXPECT_EQ(line.x2, 800);
    EXPECT_EQ(line.y2, 400);
    const TTextobj& text = At<TTextobj>(2);
    EXPECT_EQ(text.x1, 600);
    EXPECT_EQ(text.y1, 400);
    EXPECT_EQ(text.x2, 900); // a direction and plain numbers, not a point
    EXPECT_EQ(text.y2, 7);
    EXPECT_EQ(text.z1, 3);
    EXPECT_EQ(ObjectString(text.text), "WC");
    // A room is shifted once, like everything else, and moved to the current view.
    const TRoomobj& room = At<TRoomobj>(3);
    EXPECT_EQ(room.view, 51);
    EXPECT_EQ(room.x1, 0);
    EXPECT_EQ(room.y1, 1000);
    EXPECT_EQ(room.x2, 1000);
    EXPECT_EQ(room.y2, 0);
    EXPECT_EQ(ObjectString(room.label2), "1 m");

    // Numbers continue from the stored serial 12 on the first floor's base.
    EXPECT_EQ(line.number, 11013);
    EXPECT_EQ(line.aux, 11013);
    EXPECT_EQ(text.number, 11014);
    EXPECT_EQ(room.number, 11015);
    EXPECT_EQ(Shared.ObjectSerial, 15);
}

TEST_F(SymbolFileTest, InsertedGroupsGetFreshNumbersAndZeroStaysZero) {
    // Serial 3 inserted on the ground floor of a drawing whose serial is 5: two lines of group 10007,
    // a text 10009 and an unnumbered line.
    WriteFile(Library("GROUP.PLM"), "4 0 0 2 2 3\n"
                                    "1\n1 50 10007 10007 0 0 100 0 0 0 0 0 0 1 0\n"
                                    "1\n1 50 10007 10007 0 0 0 0 0 100 0 0 0 1 0\n"
                                    "4\n4 50 0 10009 0 0 0 0 0 0 2 0 1 5 10 400 ArialWC\n"
                                    "1\n1 50 0 0 0 0 50 0 0 0 0 0 0 1 0\n");
    Shared.ObjectSerial = 5;
    list.ReadSymbol("GROUP.PLM");
    ASSERT_EQ(list.count, 4);
    EXPECT_EQ(list[0]->number, 10006);
    EXPECT_EQ(list[0]->aux, 10006);
    EXPECT_EQ(list[1]->number, 10006);
    EXPECT_EQ(list[1]->aux, 10006);
    EXPECT_EQ(list[2]->number, 10007);
    EXPECT_EQ(list[2]->aux, 0);
    EXPECT_EQ(list[3]->number, 0);
    EXPECT_EQ(list[3]->aux, 0);
    EXPECT_EQ(Shared.ObjectSerial, 7);

    // A larger stored serial comes first; an external wall keeps its length in its number and takes
    // the fresh number in its group field. The room layout numbers as the ground floor.
    list.Flush();
    WriteFile(Library("PASTE.CFG"), "2 0 0 0 1 40\n"
                                    "1000\n1000 50 12 4000 0 0 0 0 4000 0 0 0 0 0 0 0 0 0 0\n"
                                    "0 0 0 0 110 50 110 0 0 900\n0 0 0\n0\n0\n0\n0\n"
                                    "1\n1 50 0 10015 0 0 10 0 0 0 0 0 0 1 0\n");
    Shared.CurrentView = 40;
    list.ReadSymbol("PASTE.CFG");
    ASSERT_EQ(list.count, 2);
    EXPECT_EQ(list[0]->aux, 10041);
    EXPECT_EQ(list[0]->number, 4000);
    EXPECT_EQ(list[1]->number, 10042);
    EXPECT_EQ(list[1]->view, 40);

    // A buffer with a lower stored serial never takes the serial back.
    list.Flush();
    WriteFile(Library("PASTE.CFG"), "1 0 0 0 1 2\n1\n1 50 0 10001 0 0 10 0 0 0 0 0 0 1 0\n");
    list.ReadSymbol("PASTE.CFG");
    EXPECT_EQ(list[0]->number, 10043);
    EXPECT_EQ(Shared.ObjectSerial, 43);

    // A buffer at the largest serial a file holds: on the fourth plan both groups take its last number,
    // the largest int, and the serial stays 13000 below it; nothing runs past the end.
    list.Flush();
    WriteFile(Library("PASTE.CFG"), "2 0 0 0 1 2147483647\n1\n1 50 0 10001 0 0 10 0 0 0 0 0 0 1 0\n"
                                    "1\n1 50 0 10002 0 0 10 0 0 0 0 0 0 1 0\n");
    Shared.CurrentView = 53;
    list.ReadSymbol("PASTE.CFG");
    ASSERT_EQ(list.count, 2);
    EXPECT_EQ(list[0]->number, 2147483647);
    EXPECT_EQ(list[1]->number, 2147483647);
    EXPECT_EQ(Shared.ObjectSerial, 2147470647);
}

TEST_F(SymbolFileTest, MissingEmptyDamagedOrOutsideFilesAddNothingMore) {
    Shared.ObjectSerial = 5;
    list.ReadSymbol("NONE.PLM");
    WriteFile(Library("EMPTY.PLM"), "");
    list.ReadSymbol("EMPTY.PLM");
    WriteFile(Library("HEADERLESS.PLM"), "1 0 0\n");
    list.ReadSymbol("HEADERLESS.PLM");
    EXPECT_EQ(list.count, 0);
    EXPECT_EQ(Shared.ObjectSerial, 5);

    // Damage keeps the records before it; an unknown type code is passed over.
    WriteFile(Library("CUT.PLM"), "3 0 0 2 2 1\n33\n1\n1 50 0 0 0 0 10 0 0 0 0 0 0 1 0\n1\n1 50 0 0 0 0 1");
    list.ReadSymbol("CUT.PLM");
    ASSERT_EQ(list.count, 1);
    EXPECT_EQ(list[0]->x2, Shared.ClientWidth / 8 * 5 + 10);

    // Only files of the LIBS folder are read.
    std::filesystem::create_directories(folder.Path() / "DWGS");
    WriteFile(folder.Path() / "DWGS" / "HOUSE.DB0", "1 0 0 0 1 1\n1\n1 50 0 0 0 0 10 0 0 0 0 0 0 1 0\n");
    list.ReadSymbol("../DWGS/HOUSE.DB0");
    EXPECT_EQ(list.count, 1);
}

TEST_F(SymbolFileTest, ASymbolThatCannotBeWrittenIsReportedAndTheOldFileStays) {
    AddThreeObjects();
    WriteFile(Library("WC.PLM"), "old");
    std::filesystem::create_directories(Library("WC.PLM.blocked"));
    // A folder where the file should be cannot be replaced.
    EXPECT_FALSE(list.WriteSymbol(SymbolHeader(1), "WC.PLM.blocked", std::vector<SelectionLine>{{0, 0, 0}}));
    ASSERT_EQ(desktop.Messages().size(), 1u);
    EXPECT_EQ(desktop.Messages()[0].text,
              "The library file could not be saved to " + Library("WC.PLM.blocked").string());
    EXPECT_EQ(desktop.Messages()[0].caption, "SAVE");

    std::filesystem::remove_all(folder.Path() / "LIBS");
    EXPECT_FALSE(list.WriteSymbol(SymbolHeader(1), "WC.PLM", std::vector<SelectionLine>{{0, 0, 0}}));
    EXPECT_EQ(desktop.Messages().size(), 2u);
    EXPECT_FALSE(list.WriteSymbol(SymbolHeader(1), "../WC.PLM", {}));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "WC.PLM"));
}

} // namespace
