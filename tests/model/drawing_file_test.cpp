#include "model/drawing_file.h"
#include "model/record_codec.h"
#include "model/whole_file.h"
#include "model_files_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

using test_support::Fixture;
using test_support::ReadFile;
using test_support::TempFolder;
using test_support::WriteFile;

namespace {

using DrawingFileTest = ModelFilesTest;

std::unique_ptr<TLineobj> Line(int x1, int y1, int x2, int y2) {
    auto line = std::make_unique<TLineobj>();
    line->view = 50;
    line->x1 = x1, line->y1 = y1, line->x2 = x2, line->y2 = y2;
    return line;
}

// The entries of a drawing's text as the record reader gives them, before the drawing reader judges
// them: objects read in part are there with what their fields could hold.
std::vector<RecordReader::Entry> EntriesOf(const std::string& text) {
    RecordReader reader(text);
    RecordHeader header{};
    std::vector<RecordReader::Entry> entries;
    if (!reader.ReadHeader(header)) return entries;
    for (int i = 0; i < header[0]; ++i) {
        entries.push_back(reader.ReadEntry(SheetCentreInForce()));
        if (entries.back().outcome == RecordReader::Outcome::Stop) break;
    }
    return entries;
}

std::string WithCrLf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

TEST_F(DrawingFileTest, EmptyListWritesOnlyTheHeaderAndLeavesDrawingState) {
    Shared.Units = 0;
    Shared.ObjectSerial = 42;
    Shared.DrawingState = 1;
    list.WriteDrawing();
    EXPECT_EQ(DrawingText(), "0 0 0 0 0 42\n");
    EXPECT_EQ(Shared.DrawingState, 1);

    list.Add(Line(0, 0, 10, 10));
    list.WriteDrawing();
    EXPECT_EQ(Shared.DrawingState, 2);
}

TEST_F(DrawingFileTest, CoordinatesAreStoredRelativeToTheSheetCentre) {
    Shared.ObjectSerial = 3;
    list.Add(Line(1000, 2000, 3000, 2000));
    list.WriteDrawing();
    EXPECT_EQ(DrawingText(), "1 0 0 0 1 3\n"
                             "1\n"
                             "1 50 0 0 -4000 0 -2000 0 -2000 -2000 0 0 0 1 0\n");
    Reread();
    ASSERT_EQ(list.count, 1);
    const TLineobj& line = At<TLineobj>(0);
    EXPECT_EQ(line.x1, 1000);
    EXPECT_EQ(line.y1, 2000);
    EXPECT_EQ(line.x2, 3000);
    EXPECT_EQ(line.y2, 2000);

    // Read with another sheet size, the drawing moves by the difference of the centres.
    Shared.SheetWidth = 2400;
    Reread();
    EXPECT_EQ(list[0]->x1, 2000);
}

TEST_F(DrawingFileTest, TextKeepsDirectionAndPlainNumbersUnshifted) {
    auto title = std::make_unique<TTextobj>();
    title->type = 37;
    title->view = 50;
    title->x1 = 6000, title->y1 = 500;
    title->x2 = 900, title->y2 = 0, title->z1 = 0;
    SetObjectString(title->fontName, title->fontNameLength, "Arial");
    SetObjectString(title->text, title->textLength, "GROUND FLOOR");
    list.Add(std::move(title));
    list.WriteDrawing();
    EXPECT_EQ(DrawingText(),
              "1 0 0 0 1 1\n37\n37 50 0 0 1000 -3500 900 0 0 0 12 0 0 5 0 0 ArialGROUND FLOOR\n");

    Shared.SheetWidth = 3000;
    Shared.SheetHeight = 3000;
    Reread();
    const TTextobj& text = At<TTextobj>(0);
    EXPECT_EQ(text.x1, 8500);
    EXPECT_EQ(text.y1, 4000);
    EXPECT_EQ(text.x2, 900);
    EXPECT_EQ(text.y2, 0);
    EXPECT_EQ(text.z1, 0);
}

TEST_F(DrawingFileTest, RoomIsStoredAsNumbersABlankAndItsStrings) {
    auto room = std::make_unique<TRoomobj>();
    room->view = 40;
    room->x1 = 5000, room->y1 = 4000, room->x2 = 8000, room->y2 = 2000;
    room->width = 3000, room->length = 2000, room->textSize = 10;
    SetObjectString(room->name, room->nameLength, "KITCHEN");
    list.Add(std::move(room));
    list.WriteDrawing();
    EXPECT_EQ(DrawingText(),
              "1 0 0 0 1 1\n29000\n29000 40 0 0 0 0 3000 -2000 3000 2000 0 0 10 7 0 0 KITCHEN\n");
    Reread();
    const TRoomobj& read = At<TRoomobj>(0);
    EXPECT_EQ(ObjectString(read.name), "KITCHEN");
    EXPECT_EQ(read.nameLength, 7);
    EXPECT_EQ(read.label1Length, 0);
    EXPECT_EQ(ObjectString(read.label2), "");
}

TEST_F(DrawingFileTest, StringsBeginningWithABlankReadBackIntact) {
    auto room = std::make_unique<TRoomobj>();
    SetObjectString(room->name, room->nameLength, " DEN");
    SetObjectString(room->label1, room->label1Length, " 3m");
    list.Add(std::move(room));
    auto text = std::make_unique<TTextobj>();
    SetObjectString(text->fontName, text->fontNameLength, " Odd Font");
    SetObjectString(text->text, text->textLength, "  indented");
    list.Add(std::move(text));
    list.WriteDrawing();
    const std::string written = DrawingText();

    Reread();
    EXPECT_EQ(ObjectString(At<TRoomobj>(0).name), " DEN");
    EXPECT_EQ(ObjectString(At<TRoomobj>(0).label1), " 3m");
    EXPECT_EQ(ObjectString(At<TTextobj>(1).fontName), " Odd Font");
    EXPECT_EQ(ObjectString(At<TTextobj>(1).text), "  indented");
    list.WriteDrawing();
    EXPECT_EQ(DrawingText(), written);
}

TEST_F(DrawingFileTest, TextLengthFollowsTheStringKept) {
    const std::string longest(79, 'w');
    auto text = std::make_unique<TTextobj>();
    SetObjectString(text->text, text->textLength, longest + "overflow");
    EXPECT_EQ(text->textLength, 79);
    list.Add(std::move(text));
    list.WriteDrawing();
    Reread();
    EXPECT_EQ(ObjectString(At<TTextobj>(0).text), longest);
    EXPECT_EQ(At<TTextobj>(0).textLength, 79);

    // Stored strings longer than their fields: all their characters are read, so the next record
    // stays in step, and what fits is kept by the record reader; the drawing leaves such objects out.
    const std::string stored(100, 't');
    const std::string font(40, 'f');
    const std::string file = "3 0 0 0 1 1\n"
                             "4\n4 50 0 0 0 0 0 0 0 0 100 0 1 40 10 400 " +
                             font + stored +
                             "\n"
                             "29000\n29000 40 0 0 0 0 0 0 0 0 0 0 0 25 17 0 " +
                             std::string(25, 'n') + std::string(17, 'l') + "\n" +
                             "1\n1 50 0 0 0 0 0 0 0 0 0 0 0 1 0\n";
    const std::vector<RecordReader::Entry> entries = EntriesOf(file);
    ASSERT_EQ(entries.size(), 3u);
    for (const RecordReader::Entry& entry : entries)
        ASSERT_EQ(entry.outcome, RecordReader::Outcome::Object);
    const auto& kept = static_cast<const TTextobj&>(*entries[0].object);
    EXPECT_FALSE(entries[0].whole);
    EXPECT_EQ(ObjectString(kept.text), stored.substr(0, 79));
    EXPECT_EQ(kept.textLength, 79);
    EXPECT_EQ(ObjectString(kept.fontName), font.substr(0, 31));
    EXPECT_EQ(kept.fontNameLength, 31);
    const auto& room = static_cast<const TRoomobj&>(*entries[1].object);
    EXPECT_FALSE(entries[1].whole);
    EXPECT_EQ(ObjectString(room.name), std::string(20, 'n'));
    EXPECT_EQ(room.nameLength, 20);
    EXPECT_EQ(room.label1Length, 16);
    EXPECT_TRUE(entries[2].whole);
    EXPECT_EQ(entries[2].object->type, 1);

    WriteDrawingText(file);
    Reread();
    ASSERT_EQ(list.count, 1);
    EXPECT_EQ(list[0]->type, 1);
}

TEST_F(DrawingFileTest, BadStringLengthsEndTheReadKeepingEarlierObjects) {
    const std::string line = "1\n1 50 0 0 0 0 0 0 0 0 0 0 0 1 0\n";
    for (const std::string lengths : {"-1 0 0", "4097 0 0", "0 0 -5"}) {
        WriteDrawingText("3 0 0 0 1 1\n" + line + "29000\n29000 40 0 0 0 0 0 0 0 0 0 0 0 " + lengths +
                         " X\n" + line);
        Reread();
        EXPECT_EQ(list.count, 1) << lengths;
    }
    // A length of 4096 is still honoured: its characters are read and the next record follows (the
    // room, whose name they overfill, is left out).
    WriteDrawingText("3 0 0 0 1 1\n" + line + "29000\n29000 40 0 0 0 0 0 0 0 0 0 0 0 4096 0 0 " +
                     std::string(4096, 'n') + "\n" + line);
    Reread();
    ASSERT_EQ(list.count, 2);
    EXPECT_EQ(list[1]->type, 1);
}

TEST_F(DrawingFileTest, PolygonPointCounts) {
    // No points: no point lines at all.
    auto empty = std::make_unique<TPolyobj>();
    list.Add(std::move(empty));
    list.WriteDrawing();
    EXPECT_EQ(DrawingText(), "1 0 0 0 1 1\n100\n100 0 0 0 0 0 0 0 0 0 0 0\n0\n0\n0\n0\n");

    // Seventeen stored points: all are read, sixteen kept by the record reader, and the next record
    // still reads; the drawing leaves the polygon out.
    std::string points;
    for (int i = 0; i < 17; ++i)
        points += std::to_string(i) + " 0 " + std::to_string(-i) + "\n";
    const std::string text = "2 0 0 0 1 1\n100\n100 50 0 0 0 0 0 0 17 0 0 0\n" + points +
                             "1\n2\n3\n4\n1\n1 50 0 0 0 0 0 0 0 0 0 0 0 1 0\n";
    const std::vector<RecordReader::Entry> entries = EntriesOf(text);
    ASSERT_EQ(entries.size(), 2u);
    ASSERT_EQ(entries[0].outcome, RecordReader::Outcome::Object);
    const auto& polygon = static_cast<const TPolyobj&>(*entries[0].object);
    EXPECT_FALSE(entries[0].whole);
    EXPECT_EQ(polygon.count, 16);
    EXPECT_EQ(polygon.x[15], 5015);
    EXPECT_EQ(polygon.y[15], 4000 - 15);
    EXPECT_EQ(polygon.polyA, 1);
    EXPECT_EQ(polygon.polyD, 4);
    ASSERT_EQ(entries[1].outcome, RecordReader::Outcome::Object);
    EXPECT_EQ(entries[1].object->type, 1);
    WriteDrawingText(text);
    Reread();
    ASSERT_EQ(list.count, 1);
    EXPECT_EQ(list[0]->type, 1);

    // A negative count cannot be read past.
    WriteDrawingText(
        "2 0 0 0 1 1\n1\n1 50 0 0 0 0 0 0 0 0 0 0 0 1 0\n28000\n28000 50 0 0 0 0 0 0 -1 0 0 0 0 0\n"
        "1\n2\n3\n4\n");
    Reread();
    EXPECT_EQ(list.count, 1);
}

TEST_F(DrawingFileTest, UnknownTypeCodeConsumesOnlyItsLine) {
    WriteDrawingText("3 0 0 0 1 1\n"
                     "33\n"
                     "6\n6 50 0 0 -50 0 50 0 -50 50 0 1 0\n"
                     "27005\n");
    Reread();
    ASSERT_EQ(list.count, 1);
    EXPECT_NE(dynamic_cast<const TCircleobj*>(list[0]), nullptr);
    EXPECT_EQ(list[0]->x1, 4950);
}

TEST_F(DrawingFileTest, ClassFollowsTheTypeLineAndTheHeadTypeIsKept) {
    std::vector<RecordReader::Entry> entries =
        EntriesOf("1 0 0 0 1 1\n1\n5 50 0 0 -4000 0 -2000 0 -2000 -2000 7 9 0 1 0\n");
    ASSERT_EQ(entries.size(), 1u);
    ASSERT_EQ(entries[0].outcome, RecordReader::Outcome::Object);
    EXPECT_FALSE(entries[0].whole);
    const auto& line = static_cast<const TLineobj&>(*entries[0].object);
    EXPECT_EQ(line.type, 5);
    EXPECT_EQ(line.lineA, 9);
    // Written back by its type code: an ellipse record of the same base fields.
    list.Add(std::move(entries[0].object));
    list.WriteDrawing();
    EXPECT_EQ(DrawingText(), "1 0 0 0 1 1\n5\n5 50 0 0 -4000 0 -2000 0 -2000 -2000 0 1 0\n");
}

TEST_F(DrawingFileTest, DamagedFilesKeepTheObjectsReadBeforeTheDamageAndAreJudgedSo) {
    const std::string two = "1\n1 50 0 0 0 0 0 0 0 0 0 0 0 1 0\n5\n5 50 0 0 0 0 0 0 0 0 0 1 0\n";
    using State = DrawingFileCheck::State;
    struct Case {
        const char* what;
        std::string text;
        int objects;
        State state;
    };
    const Case cases[] = {
        {"whole", "2 0 0 0 1 1\n" + two, 2, State::Whole},
        {"whole behind a UTF-8 byte-order mark",
         "\xEF\xBB\xBF"
         "2 0 0 0 1 1\n" +
             two,
         2, State::Whole},
        {"header count above the entries", "9 0 0 0 1 1\n" + two, 2, State::Damaged},
        // The entries beyond the count would be dropped by the next save.
        {"header count below the entries", "1 0 0 0 1 1\n" + two, 1, State::Damaged},
        {"negative header count", "-4 0 0 0 1 1\n" + two, 0, State::Damaged},
        {"record cut short", "3 0 0 0 1 1\n" + two + "7\n7 50 0 0 1 2 3", 2, State::Damaged},
        {"field that is not a number", "3 0 0 0 1 1\n" + two + "7\n7 50 x 0 0 0 0 0 0 0 0 1 0\n", 2,
         State::Damaged},
        {"number beyond 32 bits", "3 0 0 0 1 1\n" + two + "7\n7 50 0 0 2147483648 0 0 0 0 0 0 1 0\n", 2,
         State::Damaged},
        {"string cut short", "3 0 0 0 1 1\n" + two + "4\n4 50 0 0 0 0 0 0 0 0 20 0 1 5 10 400 ArialShort", 2,
         State::Damaged},
        {"header cut short", "3 0 0", 0, State::NotADrawing},
        {"empty file", "", 0, State::NotADrawing},
        {"a text that is no drawing", "Kitchen 3.2 x 4.1 m\n", 0, State::NotADrawing},
    };
    for (const Case& c : cases) {
        WriteDrawingText(c.text);
        Reread();
        EXPECT_EQ(list.count, c.objects) << c.what;
        const DrawingFileCheck& check = list.LastRead();
        EXPECT_EQ(check.state, c.state) << c.what;
        EXPECT_EQ(HasDrawingHeader(c.text), c.state != State::NotADrawing) << c.what;
        EXPECT_EQ(check.objectsRead, c.objects) << c.what;
    }
    // The extremes of 32 bits still convert.
    WriteDrawingText("1 0 0 0 1 1\n7\n7 50 0 0 2147483647 0 -2147483648 0 0 0 0 1 0\n");
    Shared.SheetWidth = 0;
    Shared.SheetHeight = 0;
    Reread();
    ASSERT_EQ(list.count, 1);
    EXPECT_EQ(list[0]->x1, 2147483647);
    EXPECT_EQ(list[0]->x2, -2147483648);
}

TEST_F(DrawingFileTest, AReadThatLeavesOutWhatTheFileHoldsIsJudgedDamaged) {
    // Each file reads to its end as its header counts; what was not read whole is left out, so the count
    // the open tells is what the list holds and the next save writes.
    const std::string circle = "6\n6 50 0 0 -50 0 50 0 -50 50 0 1 0\n";
    std::string polygon = "100\n100 50 0 0 0 0 0 0 17 0 0 0\n";
    for (int i = 0; i < 17; ++i)
        polygon += std::to_string(i) + " 0 0\n";
    polygon += "0\n0\n0\n0\n";
    using State = DrawingFileCheck::State;
    struct Case {
        const char* what;
        std::string text;
        int objects; // in the list, every one read whole
        State state;
    };
    const Case cases[] = {
        {"an entry of no class", "2 0 0 0 1 1\n33\n" + circle, 1, State::Damaged},
        {"a record whose own type code has no class",
         "2 0 0 0 1 1\n1\n-2147483648 50 0 0 0 0 0 0 0 0 0 0 0 1 0\n" + circle, 1, State::Damaged},
        {"a record under a type code of another class",
         "1 0 0 0 1 1\n1\n5 50 0 0 -4000 0 -2000 0 -2000 -2000 7 9 0 1 0\n", 0, State::Damaged},
        {"a room name longer than its field",
         "1 0 0 0 1 1\n29000\n29000 40 1 1 0 0 100 100 100 100 0 0 10 24 0 0 ABCDEFGHIJKLMNOPQRSTUVWX\n", 0,
         State::Damaged},
        {"a polygon of more points than it holds", "1 0 0 0 1 1\n" + polygon, 0, State::Damaged},
        // A record read out of step by one number, though it would write back the same numbers.
        {"a record under a code of its own class",
         "1 0 0 0 1 1\n1\n50 0 10027 -21000 0 -5000 0 -14850 -1850 0 0 0 1 3 1\n", 0, State::Damaged},
    };
    for (const Case& c : cases) {
        WriteDrawingText(c.text);
        Reread();
        EXPECT_EQ(list.count, c.objects) << c.what;
        EXPECT_EQ(list.LastRead().state, c.state) << c.what;
        EXPECT_EQ(list.LastRead().objectsRead, c.objects) << c.what;
    }
}

TEST_F(DrawingFileTest, TheMemoryOfALargeDrawingsSaveIsGivenBackWhenASmallOneIsSaved) {
    std::string large(std::size_t{8} << 20, ' ');
    RecordWriter writer(std::move(large), 4096);
    writer.WriteNumber(7);
    EXPECT_EQ(writer.Text(), "7");
    EXPECT_LT(writer.Recycle().capacity(), std::size_t{1} << 20);
}

TEST_F(DrawingFileTest, ReadingRestoresUnitsAndObjectSerial) {
    Shared.Units = 0;
    Shared.ObjectSerial = 5;
    WriteDrawingText("0 0 0 0 1 77\n");
    Reread();
    EXPECT_EQ(Shared.Units, 1);
    EXPECT_EQ(Shared.ObjectSerial, 77);
}

TEST_F(DrawingFileTest, MissingFileChangesNothing) {
    list.Add(Line(1, 2, 3, 4));
    Shared.Units = 0;
    Shared.ObjectSerial = 9;
    Shared.BitmapLeft = 11, Shared.BitmapRight = 12, Shared.BitmapHeight = 13;
    list.ReadDrawing();
    EXPECT_EQ(list.count, 1);
    EXPECT_EQ(Shared.Units, 0);
    EXPECT_EQ(Shared.ObjectSerial, 9);
    EXPECT_EQ(Shared.BitmapLeft, 11);
    EXPECT_EQ(Shared.BitmapRight, 12);
    EXPECT_EQ(Shared.BitmapHeight, 13);
    EXPECT_EQ(list.LastRead().state, DrawingFileCheck::State::Unreadable);
    EXPECT_TRUE(desktop.Messages().empty());
}

TEST_F(DrawingFileTest, BitmapExtentsTakeEveryOutlineObjectIntoAccount) {
    Shared.SheetWidth = 0;
    Shared.SheetHeight = 0;
    // A line drawn right to left: both of its ends count.
    WriteDrawingText("1 0 0 0 1 1\n1\n1 50 0 0 5000 0 1000 0 2000 3000 0 0 0 1 0\n");
    Reread();
    EXPECT_EQ(Shared.BitmapLeft, 1000 / 25 - 10);
    EXPECT_EQ(Shared.BitmapRight, 5000 / 25 + 10);
    EXPECT_EQ(Shared.BitmapHeight, (3000 - 2000) / 25 + 10);

    // An arc's start and end points count; a polygon point above everything sets the height; a text
    // counts by its anchor; in feet and inches a pixel is 24 units.
    WriteDrawingText("3 0 0 0 0 1\n"
                     "3\n3 50 0 0 2400 0 2400 4800 0 4800 1200 2400 4800 9600 0 1 0\n"
                     "100\n100 50 0 0 0 0 0 0 2 0 0 0\n2400 0 2400\n3000 0 24000\n0\n0\n0\n0\n"
                     "4\n4 50 0 0 36000 3000 0 0 0 0 1 0 1 0 10 400 A\n");
    Reread();
    EXPECT_EQ(Shared.Units, 0);
    EXPECT_EQ(Shared.BitmapLeft, 1200 / 24 - 10);
    EXPECT_EQ(Shared.BitmapRight, 36000 / 24 + 10);
    EXPECT_EQ(Shared.BitmapHeight, (24000 - 2400) / 24 + 10);

    // Internal walls, openings, rooms and information records take no part.
    WriteDrawingText(
        "5 0 0 0 1 1\n"
        "1\n1 50 0 0 1000 0 2000 0 1000 2000 0 0 0 1 0\n"
        "1500\n1500 50 0 0 0 -90000 0 -90000 90000 0 90000 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n0\n0\n0\n0\n"
        "28000\n28000 50 0 0 0 0 0 0 1 0 0 0 0 0\n-90000 0 90000\n0\n0\n0\n0\n"
        "29000\n29000 40 0 0 -90000 90000 90000 -90000 0 0 0 0 0 0 0 0 \n"
        "32000\n32000 50 0 0 -90000 0 -90000 90000 0 90000 0 0 1 0\n");
    Reread();
    EXPECT_EQ(list.count, 5);
    EXPECT_EQ(Shared.BitmapLeft, 1000 / 25 - 10);
    EXPECT_EQ(Shared.BitmapRight, 2000 / 25 + 10);
    EXPECT_EQ(Shared.BitmapHeight, (2000 - 1000) / 25 + 10);
}

TEST_F(DrawingFileTest, FailedSaveKeepsTheLastDrawingAndTellsTheUserOncePerAction) {
    list.Add(Line(0, 0, 10, 10));
    ASSERT_TRUE(list.WriteDrawingNow());
    const std::string good = DrawingText();

    // Something in the way of every temporary name makes the next saves fail.
    std::vector<std::string> blocked;
    for (int attempt = 0; attempt < 100; ++attempt) {
        blocked.push_back(TemporaryPathFor(DrawingPath().string(), attempt));
        std::filesystem::create_directory(blocked.back());
    }
    Shared.DrawingState = 3;
    list.Add(Line(20, 20, 30, 30));
    EXPECT_FALSE(list.WriteDrawingNow());
    EXPECT_FALSE(list.WriteDrawingNow());
    EXPECT_EQ(DrawingText(), good);
    EXPECT_EQ(Shared.DrawingState, 3);
    ASSERT_EQ(desktop.Messages().size(), 1u);
    EXPECT_EQ(desktop.Messages()[0].text, "The drawing could not be saved to HOUSE.DB0");
    EXPECT_EQ(desktop.Messages()[0].caption, "SAVE");

    // The next action that fails to save is told again; a silent save tells nothing.
    list.StartUserAction();
    EXPECT_FALSE(list.WriteDrawingNow(TList::SaveFailureNotice::Silent));
    EXPECT_FALSE(list.WriteDrawingNow());
    EXPECT_EQ(desktop.Messages().size(), 2u);

    // Once the way is clear the save succeeds and leaves only the drawing in the folder.
    for (const std::string& path : blocked)
        std::filesystem::remove(path);
    EXPECT_TRUE(list.WriteDrawingNow());
    EXPECT_EQ(Shared.DrawingState, 2);
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path() / "DWGS"))
        ++files;
    EXPECT_EQ(files, 1);
}

TEST_F(DrawingFileTest, TheSavesOfAUserActionAreWrittenOnceAndBeforeTheFileIsRead) {
    int writes = 0;
    SetWriteStepHook([&writes](WriteStep step, const std::string&) {
        writes += step == WriteStep::Create;
        return 0;
    });
    struct Unhook {
        ~Unhook() { SetWriteStepHook({}); }
    } unhook;
    Shared.DrawingState = 2;
    list.Add(Line(0, 0, 10, 10));
    list.WriteDrawing();
    ASSERT_EQ(writes, 1);

    list.StartUserAction();
    list.Add(Line(20, 20, 30, 30));
    list.WriteDrawing();
    list.Add(Line(40, 40, 50, 50));
    list.WriteDrawing();
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(DrawingText().substr(0, 12), "1 0 0 0 1 1\n");
    // A paint within the action empties the list and reads the file back: it finds both lines.
    Reread();
    EXPECT_EQ(list.count, 3);
    EXPECT_EQ(writes, 2);
    list.Add(Line(60, 60, 70, 70));
    list.WriteDrawing();
    list.EndUserAction();
    EXPECT_EQ(writes, 3);
    EXPECT_EQ(DrawingText().substr(0, 12), "4 0 0 0 1 1\n");
}

TEST_F(DrawingFileTest, SaveNeverWritesThroughALinkPlantedUnderATemporaryName) {
    const std::filesystem::path victim = folder.Path() / "VICTIM";
    WriteFile(victim, "keep me\n");
    // The name earlier versions used, and the first one tried now.
    const std::string path = DrawingPath().string();
    std::filesystem::create_symlink(victim, folder.Path() / "DWGS" /
                                                (".HOUSE.DB0." + std::to_string(::getpid()) + ".tmp"));
    std::filesystem::create_symlink(victim, TemporaryPathFor(path, 0));
    list.Add(Line(0, 0, 10, 10));
    EXPECT_TRUE(list.WriteDrawingNow());
    EXPECT_EQ(ReadFile(victim), "keep me\n");
    EXPECT_EQ(DrawingText().substr(0, 12), "1 0 0 0 1 1\n");
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(DrawingPath())));
}

TEST_F(DrawingFileTest, MissingDrawingsFolderIsReportedNotWrittenThrough) {
    std::filesystem::remove_all(folder.Path() / "DWGS");
    Shared.DrawingState = 3;
    list.Add(Line(0, 0, 10, 10));
    list.WriteDrawing();
    EXPECT_EQ(Shared.DrawingState, 3);
    ASSERT_EQ(desktop.Messages().size(), 1u);
    EXPECT_EQ(desktop.Messages()[0].caption, "SAVE");
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "DWGS"));
}

TEST_F(DrawingFileTest, NameDifferingOnlyInCaseUsesTheExistingFile) {
    WriteDrawingText("1 0 0 0 1 1\n6\n6 50 0 0 -50 0 50 0 -50 50 0 1 0\n");
    list.DrawingName = "house";
    Reread();
    EXPECT_EQ(list.count, 1);
    list.WriteDrawing();
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "DWGS" / "house.DB0"));
    EXPECT_EQ(DrawingText(), "1 0 0 0 1 1\n6\n6 50 0 0 -50 0 50 0 -50 50 0 1 0\n");
}

TEST_F(DrawingFileTest, HandWrittenDrawingOfEveryClassReadsAndWritesBackExactly) {
    const std::string golden = ReadFile(Fixture("model/every_class.DB0"));
    WriteDrawingText(golden);
    Reread();
    ASSERT_EQ(list.count, 18);
    EXPECT_EQ(Shared.ObjectSerial, 57);

    const TLineobj& line = At<TLineobj>(0);
    EXPECT_EQ(line.x1, 1000);
    EXPECT_EQ(line.y1, 2000);
    EXPECT_EQ(line.lineA, 9);
    EXPECT_EQ(line.lineB, 7);
    EXPECT_EQ(line.penWidth, 2);
    EXPECT_EQ(At<TLineobj>(1).z2, 6);
    const TExtwallobj& outer = At<TExtwallobj>(2);
    EXPECT_EQ(outer.ewall7, 77);
    EXPECT_EQ(outer.f3y2, 5750);
    EXPECT_EQ(outer.ewall6, 1800);
    EXPECT_EQ(outer.ewall13, 4);
    const TIntwallobj& inner = At<TIntwallobj>(3);
    EXPECT_EQ(inner.fx1, 4100);
    EXPECT_EQ(inner.iwall1, 100);
    EXPECT_EQ(inner.iwall13, 13);
    EXPECT_EQ(inner.iwall11, 11);
    EXPECT_EQ(At<TArrowobj>(4).ay4, 6500);
    EXPECT_EQ(At<TArrowobj>(5).type, 26000);
    const TOpeningobj& opening = At<TOpeningobj>(6);
    EXPECT_EQ(opening.count, 2);
    EXPECT_EQ(opening.x[1], 5500);
    EXPECT_EQ(opening.polyF, 6);
    EXPECT_EQ(opening.openingB, 22);
    EXPECT_EQ(opening.penWidth, 1); // not stored: the default
    const TRoomobj& room = At<TRoomobj>(7);
    EXPECT_EQ(ObjectString(room.name), "KITCHEN");
    EXPECT_EQ(ObjectString(room.label2), "2.00m");
    EXPECT_EQ(room.fillColour, 16777215);
    const TPolyobj& polygon = At<TPolyobj>(8);
    EXPECT_EQ(polygon.count, 3);
    EXPECT_EQ(polygon.z[2], 2);
    EXPECT_EQ(polygon.polyG, 3);
    EXPECT_EQ(At<TPolyobj>(9).count, 0);
    EXPECT_EQ(At<TInfoobj>(10).value, 123);
    EXPECT_EQ(At<TInfoobj>(10).x1, 0);
    EXPECT_EQ(ObjectString(At<TTextobj>(11).text), "Hello world");
    EXPECT_EQ(At<TTextobj>(12).x2, 900);
    EXPECT_EQ(At<TTextobj>(12).weight, 700);
    EXPECT_EQ(At<TArcobj>(13).endY, 4200);
    EXPECT_NE(dynamic_cast<const TEllipseobj*>(list[14]), nullptr);
    EXPECT_EQ(At<TCircleobj>(15).penStyle, 2);
    EXPECT_EQ(At<TRectangleobj>(16).z2, 2);
    EXPECT_EQ(At<TRndrectobj>(17).corner, 50);

    list.WriteDrawing();
    EXPECT_EQ(DrawingText(), golden);

    // The same drawing with CR LF line ends reads the same objects.
    WriteDrawingText(WithCrLf(golden));
    Reread();
    EXPECT_EQ(list.count, 18);
    list.WriteDrawing();
    EXPECT_EQ(DrawingText(), golden);
}

TEST_F(DrawingFileTest, ADrawingReadOnOneSheetAndMovedToAnotherIsWhatAReadThereGives) {
    const std::string golden = ReadFile(Fixture("model/every_class.DB0"));
    const RecordOrigin first{21000, 14850};
    const RecordOrigin second{-7, 2147483000}; // the sum wraps, as the read's does
    TList moved;
    ASSERT_TRUE(ParseDrawing(golden, first, moved).complete);
    ASSERT_TRUE(moved.MoveReadOrigin(first, second));
    TList read;
    ASSERT_TRUE(ParseDrawing(golden, second, read).complete);
    EXPECT_EQ(FormatDrawing(moved, second, 1, 57), FormatDrawing(read, second, 1, 57));
    EXPECT_EQ(FormatDrawing(moved, second, 1, 57), golden);
}

} // namespace
