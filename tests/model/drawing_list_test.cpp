#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "model_files_fixture.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <vector>

namespace {

class DrawingListTest : public testing::Test {
  protected:
    void SetUp() override { ResetSharedState(); }

    TObject* AddObject(int type, int view = 50) {
        auto object = std::make_unique<TObject>();
        object->type = type;
        object->view = view;
        TObject* raw = object.get();
        list.Add(std::move(object));
        return raw;
    }
    std::unique_ptr<TRoomobj> Room(int x1, int y1, int x2, int y2, int view = 50) {
        auto room = std::make_unique<TRoomobj>();
        room->view = view;
        room->x1 = x1, room->y1 = y1, room->x2 = x2, room->y2 = y2;
        return room;
    }

    TList list;
};

TEST_F(DrawingListTest, AddingKeepsEveryEarlierObjectAtItsIndex) {
    std::vector<TObject*> added;
    for (int i = 0; i < 52; ++i) {
        added.push_back(AddObject(i));
        ASSERT_EQ(list.count, i + 1);
        ASSERT_EQ(list[list.count - 1], added.back());
    }
    for (int i = 0; i < 52; ++i)
        EXPECT_EQ(list[i], added[static_cast<std::size_t>(i)]);
}

TEST_F(DrawingListTest, FlushEmptiesTheList) {
    list.Flush();
    EXPECT_EQ(list.count, 0);
    AddObject(1);
    AddObject(5);
    list.Flush();
    EXPECT_EQ(list.count, 0);
    AddObject(7);
    EXPECT_EQ(list[0]->type, 7);
}

TEST_F(DrawingListTest, RemovingMovesLaterObjectsDown) {
    for (int type : {1, 3, 5, 6, 7})
        AddObject(type);
    list.RemoveAt(1);
    ASSERT_EQ(list.count, 4);
    EXPECT_EQ(list[1]->type, 5);
    list.TruncateTo(2);
    ASSERT_EQ(list.count, 2);
    EXPECT_EQ(list[1]->type, 5);
    list.TruncateTo(5); // beyond the end: nothing to take back
    EXPECT_EQ(list.count, 2);
}

TEST_F(DrawingListTest, FindTypeGivesTheLowestIndexInAnyView) {
    EXPECT_EQ(list.FindType(1000), NoObjectIndex);
    AddObject(1);
    AddObject(1000, 52);
    AddObject(1000, 50);
    EXPECT_EQ(list.FindType(1000), 1);
    EXPECT_EQ(list.FindType(1500), NoObjectIndex);
}

TEST_F(DrawingListTest, AreaIsKeptAndTruncated) {
    list.SetArea(123);
    EXPECT_EQ(list.GetArea(), 123);
    list.floorArea = 45.9f;
    EXPECT_EQ(list.GetArea(), 45);
    list.floorArea = -2.5f;
    EXPECT_EQ(list.GetArea(), -2);
}

TEST_F(DrawingListTest, FindRoomAtNeedsThePointStrictlyInsideARoomOfTheCurrentView) {
    Shared.Scale = 5;
    Shared.CurrentView = 50;
    list.Add(Room(1000, 3000, 2000, 1000, 40));
    EXPECT_EQ(FindRoomAt(list, 300, 400), 0); // only a room of another view there
    list.Add(Room(1000, 3000, 2000, 1000));
    EXPECT_EQ(FindRoomAt(list, 300, 400), 1); // (1500, 2000)
    EXPECT_EQ(FindRoomAt(list, 200, 400), 0); // on the left edge
    EXPECT_EQ(FindRoomAt(list, 400, 400), 0); // on the right edge
    EXPECT_EQ(FindRoomAt(list, 300, 600), 0); // on the top edge
    EXPECT_EQ(FindRoomAt(list, 300, 200), 0); // on the bottom edge
    EXPECT_EQ(FindRoomAt(list, 201, 201), 1);
    // Only rooms count.
    list.Flush();
    auto rectangle = std::make_unique<TRectangleobj>();
    rectangle->view = 50;
    rectangle->x1 = 1000, rectangle->y1 = 3000, rectangle->x2 = 2000, rectangle->y2 = 1000;
    list.Add(std::move(rectangle));
    EXPECT_EQ(FindRoomAt(list, 300, 400), 0);
    // A view fitted to a damaged drawing's far-off rooms gives points past the int range once in drawing
    // units: such a point is in no room, not in one at the other end of the range.
    list.Add(Room(INT_MIN, 3000, -1000000000, 1000));
    EXPECT_EQ(FindRoomAt(list, 557333378, 400), 0);
    EXPECT_EQ(FindRoomAt(list, -300000000, 400), 1);
}

TEST_F(DrawingListTest, CountUpperFloorsIgnoresInformationRecords) {
    test_support::TempFolder folder;
    list.ProgramDir = folder.Path().string() + "/";
    list.DrawingName = "PLAN";
    const std::string header = "0 0 0 0 1 1\n";
    const std::string ground = "1\n1 50 0 0 0 0 0 0 0 0 0 0 0 1 0\n";
    const std::string firstArea = "32001\n32001 51 0 0 0 0 0 0 0 0 80 0 1 0\n";
    const std::string firstLine = "1\n1 51 0 0 0 0 0 0 0 0 0 0 0 1 0\n";
    const std::string secondLine = "1\n1 52 0 0 0 0 0 0 0 0 0 0 0 1 0\n";
    auto drawing = [&](int objects, const std::string& records) {
        test_support::WriteFile(folder.Path() / "DWGS" / "PLAN.DB0",
                                std::to_string(objects) + header.substr(1) + records);
    };

    Shared.CurrentView = 51;
    AddObject(1, 52); // stale contents: emptied before the file is read
    drawing(2, ground + firstArea);
    EXPECT_EQ(list.CountUpperFloors(), 0);
    EXPECT_EQ(Shared.CurrentView, 50);
    EXPECT_EQ(list.count, 2);

    drawing(3, ground + firstArea + firstLine);
    EXPECT_EQ(list.CountUpperFloors(), 1);
    drawing(2, ground + secondLine);
    EXPECT_EQ(list.CountUpperFloors(), 2);
}

// A list emptied for a view and not read back holds none of the drawing; a list read and then emptied
// by the user, or made new, is the drawing.
using DrawingListSaves = ModelFilesTest;

TEST_F(DrawingListSaves, OnlyAListHoldingTheDrawingReplacesADrawingFileWithObjects) {
    const std::string drawing = "1 0 0 0 1 4\n1\n1 50 0 0 -4000 0 -3000 0 -2000 -2000 0 0 0 1 0\n";
    auto line = [] {
        auto made = std::make_unique<TLineobj>();
        made->view = 50;
        made->x1 = 1000, made->y1 = 2000, made->x2 = 3000, made->y2 = 2000;
        return made;
    };
    WriteDrawingText(drawing);
    EXPECT_TRUE(list.WriteDrawingNow());
    list.Add(line());
    EXPECT_TRUE(list.WriteDrawingNow());
    EXPECT_EQ(DrawingText(), drawing);

    // Read, then every object erased: the empty drawing is saved.
    Reread();
    list.RemoveAt(0);
    EXPECT_TRUE(list.WriteDrawingNow());
    EXPECT_EQ(DrawingText(), "0 0 0 0 1 4\n");

    // A new drawing replaces the old one of its name.
    WriteDrawingText(drawing);
    list.Flush();
    list.Add(line());
    list.TakeAsDrawing();
    EXPECT_TRUE(list.WriteDrawingNow());
    EXPECT_EQ(DrawingText(), "1 0 0 0 1 4\n1\n1 50 0 0 -4000 0 -2000 0 -2000 -2000 0 0 0 1 0\n");
}

} // namespace
