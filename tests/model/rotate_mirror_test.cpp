// Rotating and mirroring a whole drawing in the store, checked on the drawing file's text. Stored
// values are relative to the sheet centre, here (5000, 4000).
#include "model/rotate_mirror.h"

#include "model_files_fixture.h"

#include <filesystem>
#include <string>
#include <vector>

using test_support::ReadFile;
using test_support::WriteFile;

namespace {

class RotateMirrorTest : public ModelFilesTest {
  protected:
    // A drawing of `entries` (each a type-code line and its record) under a header that counts them.
    void WriteDrawing(const std::vector<std::string>& entries) {
        std::string text = std::to_string(entries.size()) + " 0 0 0 1 20\n";
        for (const std::string& entry : entries)
            text += entry;
        WriteFile(DrawingPath(), text);
    }
    // The drawing file after the operation, in place.
    std::string Turned(int operation, const std::vector<std::string>& entries) {
        WriteDrawing(entries);
        EXPECT_TRUE(list.RotateDrawing(operation, "HOUSE").written);
        return DrawingText();
    }
};

const std::string ExternalWall450 = "1000\n1000 50 7 1414 1 0 0 0 1000 0 1000 100 0 1100 1000 0 0 0 0\n"
                                    "0 0 0 0 110 50 110 0 0 450\n0 0 0\n0\n0\n0\n0\n";
const std::string InternalWall450 =
    "1500\n1500 50 0 10003 0 0 0 0 0 0 1000 100 5 0 100 1000 100 0 0 0 0 450 0 0 0\n"
    "0\n0\n0\n0\n";
const std::string Kitchen =
    "29000\n29000 40 0 0 -1000 500 1000 -500 2000 1000 0 0 10 7 4 4 KITCHEN20001000\n";
const std::string Triangle = "100\n100 50 0 10006 0 0 0 0 3 0 0 0\n1000 0 0\n0 0 1000\n0 0 0\n0\n0\n0\n0\n";

TEST_F(RotateMirrorTest, AQuarterTurnClockwise) {
    WriteDrawing({"1\n1 50 0 10001 1000 0 0 0 0 1000 0 0 0 1 0\n",
                  "4\n4 50 0 10002 1000 0 0 0 0 0 5 0 4 5 10 400 ArialHELLO\n", ExternalWall450,
                  InternalWall450, Kitchen,
                  "36\n36 50 0 10004 1000 0 0 100 0 0 7 0 1 5 10 400 ArialKITCHEN\n",
                  "25000\n25000 50 0 10005 1000 0 0 1000 1000 100 0 100 0 0 0 0 0\n",
                  "37\n37 52 0 0 0 -3000 900 0 0 0 5 0 1 5 10 400 ArialTITLE\n", Triangle,
                  "11\n11 45 0 0 0 0 100 0 0 0 0 450 0 1 0\n"});
    const DrawingTurn turn = list.RotateDrawing(90, "HOUSE");
    ASSERT_TRUE(turn.written);
    EXPECT_EQ(DrawingText(),
              "9 0 0 0 1 20\n"
              // A line (1000, 0)-(0, 1000) rounds to (0, -1000)-(1000, 0).
              "1\n1 50 0 10001 0 0 1000 0 -1000 0 0 0 0 1 0\n"
              // A text's anchor is truncated: (1000, 0) creeps to (0, -999); it turns to read downwards.
              "4\n4 50 0 10002 0 -999 900 0 0 0 5 2700 6 5 10 400 ArialHELLO\n"
              // Walls turn with their faces; every bearing turns by 90 degrees.
              "1000\n1000 50 7 1414 1 0 0 0 1000 0 -1000 0 -100 1000 -1100 0 0 0 0\n"
              "0 0 0 0 110 50 110 0 0 1350\n0 0 0\n0\n0\n0\n0\n"
              "1500\n1500 50 0 10003 0 0 0 0 1000 0 0 0 5 -100 1000 -100 100 0 0 0 0 1350 0 0 0\n"
              "0\n0\n0\n0\n"
              // A room keeps its upper-left corner first and swaps its sizes and their labels.
              "29000\n29000 40 0 0 -500 1000 500 -1000 1000 2000 0 0 10 7 4 4 KITCHEN10002000\n"
              // A room name moves by its offset (y2) after the truncated turn and keeps its direction.
              "36\n36 50 0 10004 100 -1099 0 100 0 0 7 0 1 5 10 400 ArialKITCHEN\n"
              // Dimension arrows are truncated point by point.
              "25000\n25000 50 0 10005 0 -999 999 0 99 -1000 99 0 0 0 0 0 0\n"
              // The title is dropped, to be made again under the turned plan.
              "100\n100 50 0 10006 0 0 0 0 3 0 0 0\n0 0 -1000\n1000 0 0\n0 0 0\n0\n0\n0\n0\n"
              "11\n11 45 0 0 0 0 0 0 0 -100 0 1350 0 1 0\n");
    // The second floor had a title although the first had none: it gets it back.
    EXPECT_EQ(turn.floorsToTitle, std::vector<int>{52});
    EXPECT_EQ(list.count, 9);
    EXPECT_EQ(list[0]->x2, 6000); // the list holds the turned drawing, absolute
    EXPECT_EQ(list.DrawingName, "HOUSE");
}

TEST_F(RotateMirrorTest, FourQuarterTurnsGiveBackEveryLineWallRoomAndPolygon) {
    WriteDrawing({"1\n1 50 3 10001 1234 0 -4321 9 777 -555 4 450 255 2 1\n", ExternalWall450, InternalWall450,
                  Kitchen, Triangle, "3\n3 50 0 0 17 4 -20 1020 6 980 1020 500 500 1020 0 1 0\n",
                  "6\n6 51 0 0 -300 0 300 0 2999 3599 0 1 0\n", "8\n8 50 0 0 -1 0 1 0 1 -1 40 0 1 0\n",
                  "32000\n32000 50 0 0 0 0 0 0 0 0 120 0 1 0\n",
                  "11\n11 45 0 0 0 0 100 0 0 0 0 3550 0 1 0\n"});
    const std::string original = DrawingText();
    for (int turn = 1; turn <= 4; ++turn)
        ASSERT_TRUE(list.RotateDrawing(90, "HOUSE").written);
    EXPECT_EQ(DrawingText(), original);
    list.RotateDrawing(180, "HOUSE");
    list.RotateDrawing(180, "HOUSE");
    EXPECT_EQ(DrawingText(), original);
    list.RotateDrawing(270, "HOUSE");
    list.RotateDrawing(90, "HOUSE");
    EXPECT_EQ(DrawingText(), original);
}

TEST_F(RotateMirrorTest, TextsTurnByTheirDirectionEscapementAndAlignmentTables) {
    const std::string text = "4\n4 50 0 0 1000 0 0 0 0 0 1 0 4 1 10 400 AX\n";
    EXPECT_EQ(Turned(180, {text}), "1 0 0 0 1 20\n4\n4 50 0 0 -999 0 1800 0 0 0 1 0 6 1 10 400 AX\n");
    WriteDrawing({text});
    EXPECT_EQ(Turned(270, {text}), "1 0 0 0 1 20\n4\n4 50 0 0 0 999 2700 0 0 0 1 2700 4 1 10 400 AX\n");
    // Reading downwards already: a quarter turn back (270) swaps the sides, a turn on (90) does not.
    EXPECT_EQ(Turned(270, {"4\n4 50 0 0 0 0 900 0 0 0 1 2700 4 1 10 400 AX\n"}),
              "1 0 0 0 1 20\n4\n4 50 0 0 0 0 0 0 0 0 1 0 6 1 10 400 AX\n");
    EXPECT_EQ(Turned(90, {"4\n4 50 0 0 0 0 0 0 0 0 1 2700 4 1 10 400 AX\n"}),
              "1 0 0 0 1 20\n4\n4 50 0 0 0 0 900 0 0 0 1 0 4 1 10 400 AX\n");
    // Escapements from 901 to 2699 stay.
    EXPECT_EQ(Turned(90, {"4\n4 50 0 0 0 0 0 0 0 0 1 1800 4 1 10 400 AX\n"}),
              "1 0 0 0 1 20\n4\n4 50 0 0 0 0 900 0 0 0 1 1800 4 1 10 400 AX\n");
    // Room names: (0, -2t) at 180, (-t, -t) at 270 after the truncated turn.
    const std::string name = "36\n36 50 0 0 1000 0 0 100 0 0 1 0 1 1 10 400 AK\n";
    EXPECT_EQ(Turned(180, {name}), "1 0 0 0 1 20\n36\n36 50 0 0 -999 -200 0 100 0 0 1 0 1 1 10 400 AK\n");
    EXPECT_EQ(Turned(270, {name}), "1 0 0 0 1 20\n36\n36 50 0 0 -100 899 0 100 0 0 1 0 1 1 10 400 AK\n");
}

TEST_F(RotateMirrorTest, MirrorReflectsLeftToRightAndASecondMirrorRestoresTheFile) {
    WriteDrawing({"1\n1 50 0 10001 -1000 0 500 0 200 300 0 0 0 1 0\n",
                  "1000\n1000 50 7 1000 1 0 0 0 1000 0 0 0 0 0 0 0 0 0 0\n0 0 0 0 110 50 110 0 0 450\n0 0 "
                  "0\n0\n0\n0\n0\n",
                  "1000\n1000 50 8 1000 1 0 0 0 0 0 1000 0 0 0 0 0 0 0 0\n0 0 0 0 110 50 110 0 0 900\n0 0 "
                  "0\n0\n0\n0\n0\n",
                  "1500\n1500 50 0 0 0 0 0 0 0 0 0 0 0 0 0 0 100 0 0 0 0 1900 0 0 0\n0\n0\n0\n0\n",
                  "29000\n29000 50 0 0 200 500 1200 -500 1000 1000 0 0 10 3 0 0 DEN\n",
                  "4\n4 50 0 0 1000 200 900 0 0 0 1 0 4 1 10 400 AX\n",
                  "4\n4 50 0 0 1000 200 2700 0 0 0 1 0 4 1 10 400 AX\n",
                  "4\n4 50 0 0 1000 200 0 0 0 0 1 450 6 1 10 400 AX\n",
                  "3\n3 50 0 0 0 4 0 1000 6 1000 1000 500 500 1000 0 1 0\n",
                  "37\n37 50 0 0 0 -3000 900 0 0 0 1 0 1 1 10 400 AT\n", Triangle});
    const std::string original = DrawingText();
    const DrawingTurn turn = list.RotateDrawing(PlanTurn::Mirror, "HOUSE");
    ASSERT_TRUE(turn.written);
    EXPECT_TRUE(turn.floorsToTitle.empty()); // a mirror keeps the titles
    // Absolute: (-1000, 200)-(500, 300) about (5000, 4000) gives (4500, 4300)-(6000, 4200).
    EXPECT_EQ(list[0]->x1, 4500);
    EXPECT_EQ(list[0]->y1, 4300);
    EXPECT_EQ(list[0]->x2, 6000);
    EXPECT_EQ(list[0]->y2, 4200);
    EXPECT_EQ(DrawingText(),
              "11 0 0 0 1 20\n"
              "1\n1 50 0 10001 -500 0 1000 0 300 200 0 0 0 1 0\n"
              "1000\n1000 50 7 1000 1 -1000 0 0 0 0 0 0 0 0 0 0 0 0 0\n0 0 0 0 110 50 110 0 0 1350\n0 0 "
              "0\n0\n0\n0\n0\n"
              "1000\n1000 50 8 1000 1 0 0 1000 0 0 0 0 0 0 0 0 0 0 0\n0 0 0 0 110 50 110 0 0 900\n0 0 "
              "0\n0\n0\n0\n0\n"
              "1500\n1500 50 0 0 0 0 0 0 0 0 0 0 0 0 0 0 100 0 0 0 0 3500 0 0 0\n0\n0\n0\n0\n"
              "29000\n29000 50 0 0 -1200 500 -200 -500 1000 1000 0 0 10 3 0 0 DEN\n"
              "4\n4 50 0 0 -1000 200 900 0 0 0 1 0 4 1 10 400 AX\n"
              "4\n4 50 0 0 -1000 200 2700 0 0 0 1 0 4 1 10 400 AX\n"
              "4\n4 50 0 0 -1000 200 1800 0 0 0 1 3150 4 1 10 400 AX\n"
              "3\n3 50 0 0 -1000 4 1000 0 6 0 -500 1000 -1000 500 0 1 0\n"
              "37\n37 50 0 0 0 -3000 900 0 0 0 1 0 1 1 10 400 AT\n"
              "100\n100 50 0 10006 0 0 0 0 3 0 0 0\n-1000 0 0\n0 0 1000\n0 0 0\n0\n0\n0\n0\n");
    ASSERT_TRUE(list.RotateDrawing(PlanTurn::Mirror, "HOUSE").written);
    EXPECT_EQ(DrawingText(), original);
}

TEST_F(RotateMirrorTest, ANewNameLeavesTheOldDrawingAsItWas) {
    WriteDrawing({"1\n1 50 0 10001 1000 0 0 0 0 1000 0 0 0 1 0\n", "33\n"});
    const std::string original = DrawingText();
    ASSERT_TRUE(list.RotateDrawing(180, "HOUSE2").written);
    EXPECT_EQ(DrawingText(), original);
    EXPECT_EQ(list.DrawingName, "HOUSE2");
    // An entry of no class is dropped from the rewritten drawing.
    EXPECT_EQ(DrawingText("HOUSE2"), "1 0 0 0 1 20\n1\n1 50 0 10001 -1000 0 0 0 0 -1000 0 0 0 1 0\n");
}

TEST_F(RotateMirrorTest, AMissingOrDamagedDrawingOrAnUnknownOperationChangesNothing) {
    auto kept = std::make_unique<TLineobj>();
    list.Add(std::move(kept));
    EXPECT_FALSE(list.RotateDrawing(90, "HOUSE").written);
    EXPECT_EQ(list.count, 1);
    EXPECT_TRUE(desktop.Messages().empty());

    // The header counts three entries, the file holds one and a half.
    const std::string damaged = "3 0 0 0 1 20\n1\n1 50 0 10001 1000 0 0 0 0 1000 0 0 0 1 0\n1\n1 50 0 1";
    WriteFile(DrawingPath(), damaged);
    EXPECT_FALSE(list.RotateDrawing(90, "HOUSE2").written);
    EXPECT_EQ(DrawingText(), damaged);
    EXPECT_FALSE(std::filesystem::exists(DrawingPath("HOUSE2")));
    EXPECT_EQ(list.DrawingName, "HOUSE");
    EXPECT_EQ(list.count, 1);
    ASSERT_EQ(desktop.Messages().size(), 1u);
    EXPECT_EQ(desktop.Messages()[0].caption, "ROTATE/MIRROR");

    WriteDrawing({"1\n1 50 0 10001 1000 0 0 0 0 1000 0 0 0 1 0\n"});
    const std::string whole = DrawingText();
    EXPECT_FALSE(list.RotateDrawing(45, "HOUSE").written);
    EXPECT_FALSE(list.RotateDrawing(90, "").written);
    EXPECT_EQ(DrawingText(), whole);
}

TEST_F(RotateMirrorTest, TurnedCoordinatesRoundOnTheirFirstTwoDecimals) {
    EXPECT_EQ(RoundTurned(1234.5), 1235);
    EXPECT_EQ(RoundTurned(-1234.5), -1235);
    EXPECT_EQ(RoundTurned(1234.49), 1234);
    EXPECT_EQ(RoundTurned(-1234.49), -1234);
    EXPECT_EQ(RoundTurned(0.999), 1);
    EXPECT_EQ(RoundTurned(3e12), 2147483647);
    EXPECT_EQ(RoundTurned(-3e12), -2147483647 - 1);
}

} // namespace
