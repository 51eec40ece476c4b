// The view's keys: help, the layout grid, plain keys, Enter per tool kind, typed text, and the keyboard
// entry of lengths and directions with its dialogs.
#include "input_test_support.h"

#include "platform/input.h"

using input_test::InputView;
using input_test::Log;
using input_test::RecordingTool;
using platform::InputKind;
using platform::Point;
namespace VirtualKey = platform::VirtualKey;

namespace {

constexpr Point Cursor{40, 320}; // the drawing point (1000, 2000)
constexpr int Enter = VirtualKey::Return;

class Keyboard : public InputView {
  protected:
    // A key with the mouse cursor at `Cursor` and a tool of this kind, state and keyboard mode.
    Log KeyWith(int key, int kind, int state = 0, int keyMode = 0) {
        RecordingTool& tool = UseTool(kind, state);
        tool.KeyMode() = keyMode;
        CursorAt(Cursor);
        Key(key);
        return log;
    }
    static std::string KeyCall(int kind, int key, int value, Point at = Cursor) {
        return std::to_string(kind) + ":KeyDown(" + std::to_string(key) + "," + std::to_string(at.x) + "," +
               std::to_string(at.y) + "," + std::to_string(value) + ")";
    }
    void FeetAndInches(const char* feet, const char* inches, const char* numerator, const char* denominator) {
        platform::DialogAnswer a;
        a.resourceId = 9500;
        using Fill = platform::DialogAnswer::Fill;
        a.fills = {{9501, Fill::Kind::Text, feet, 0},
                   {9502, Fill::Kind::Text, inches, 0},
                   {9503, Fill::Kind::Text, numerator, 0},
                   {9504, Fill::Kind::Text, denominator, 0}};
        desktop.QueueDialog(a);
    }
    void AcceptFeetAndInches() {
        platform::DialogAnswer a;
        a.resourceId = 9500;
        desktop.QueueDialog(a);
    }
};

TEST_F(Keyboard, F1OpensHelpAtTheCurrentContext) {
    Shared.DrawingState = 0;
    Shared.HelpContext = 242;
    KeyWith(VirtualKey::F1, 1);
    Shared.DrawingState = 2;
    KeyWith(VirtualKey::F1, 21);
    using Help = platform::Desktop::HelpCommand;
    EXPECT_EQ(desktop.HelpShown(),
              (std::vector<std::pair<Help, int>>{{Help::Context, 242}, {Help::Context, 210}}));
    Shared.CurrentView = 51;
    Shared.HelpContext = 240;
    KeyWith(VirtualKey::F1, 20);
    EXPECT_EQ(desktop.HelpShown().back().second, 240);
}

TEST_F(Keyboard, InsertTogglesTheLayoutGridRepaintingOnlyWhenItGoesOff) {
    Shared.LayoutGridOn = 0;
    Window().PaintPending();
    Key(VirtualKey::Insert);
    EXPECT_EQ(Shared.LayoutGridOn, 1);
    EXPECT_FALSE(Window().HasPendingPaint());
    Key(VirtualKey::Insert);
    EXPECT_EQ(Shared.LayoutGridOn, 0);
    EXPECT_TRUE(Window().HasPendingPaint());
}

TEST_F(Keyboard, TheRestingTextToolIgnoresKeysUnlessTheDatumIsOn) {
    desktop.SetStatusText("before");
    view->DatumState = 1;
    EXPECT_EQ(KeyWith(VirtualKey::Right, 20), Log{});
    EXPECT_EQ(Prompt(), "before");
    EXPECT_EQ(CursorInClient(), Cursor);
    view->DatumState = 3;
    KeyWith(VirtualKey::Right, 20);
    EXPECT_EQ(Prompt(), "Press F1 for context help");
}

TEST_F(Keyboard, PlainArrowsStepTheCursorOnePixel) {
    Shared.DrawingState = 2;
    desktop.SetStatusText("before");
    EXPECT_EQ(KeyWith(VirtualKey::Right, 1), Log{});
    EXPECT_EQ(CursorInClient(), (Point{41, 320}));
    EXPECT_EQ(Shared.DrawingState, 3);
    EXPECT_EQ(Prompt(), "before"); // the line tool keeps its prompt
    KeyWith(VirtualKey::Up, 5);
    EXPECT_EQ(CursorInClient(), (Point{40, 319}));
    EXPECT_EQ(Prompt(), "Press F1 for context help");
    // Other keys do nothing; a key mode other than 0, 1 or 4 ignores every key.
    EXPECT_EQ(KeyWith('Q', 1), Log{});
    EXPECT_EQ(KeyWith(Enter, 1, 0, 3), Log{});
}

TEST_F(Keyboard, MoveToolArrowsAndRotationKeys) {
    EXPECT_EQ(KeyWith(VirtualKey::Left, 14, 3), Log{KeyCall(14, VirtualKey::Left, 0)});
    EXPECT_EQ(CursorInClient(), (Point{39, 320}));
    log.clear();
    EXPECT_EQ(KeyWith(VirtualKey::Add, 14, 3), (Log{"CheckRotationLimits", KeyCall(14, VirtualKey::Add, 1)}));
    log.clear();
    rotationLimited = 1;
    EXPECT_EQ(KeyWith(VirtualKey::Subtract, 14, 3), Log{"CheckRotationLimits"});
    log.clear();
    EXPECT_EQ(KeyWith(VirtualKey::Add, 14, 2), Log{});
}

TEST_F(Keyboard, ResizeArrowsChooseTheSideToMove) {
    const int expected[][3] = {{VirtualKey::Left, 4, 1},
                               {VirtualKey::Up, 1, 2},
                               {VirtualKey::Right, 2, 1},
                               {VirtualKey::Down, 3, 2}};
    for (const auto& row : expected) {
        KeyWith(row[0], 1100, 8);
        EXPECT_EQ(Tool().Aux2(), row[1]);
        EXPECT_EQ(Tool().Counter(), row[2]);
        EXPECT_EQ(Tool().KeyMode(), 1);
        EXPECT_EQ(Tool().Dragging, 1);
    }
    EXPECT_EQ(Prompt(), "move cursor,press ENTER when line is at position to expand from");
    KeyWith(VirtualKey::Up, 1100, 9);
    EXPECT_EQ(Prompt(), "move cursor,press ENTER when line is at position to shrink from");
    EXPECT_EQ(CursorInClient(), Cursor);
    // Enter before an arrow does nothing.
    EXPECT_EQ(KeyWith(Enter, 1100, 8), Log{});
}

TEST_F(Keyboard, EnterIsTheClickOfTheLineToolThenArrowsTakeLengths) {
    EXPECT_EQ(KeyWith(Enter, 1), Log{KeyCall(1, Enter, 0)});
    EXPECT_EQ(Tool().KeyMode(), 1);

    log.clear();
    desktop.QueueInput("1200");
    Key(VirtualKey::Right);
    EXPECT_EQ(LastInputBox(), "LINE|RIGHT:");
    EXPECT_EQ(log, Log{KeyCall(1, VirtualKey::Right, 1200)});
    EXPECT_EQ(Tool().KeyMode(), 0); // one segment per Enter
    EXPECT_EQ(Prompt(), "ENTER start of line, then arrow key direction, OR press LeftButton & DRAG");
    EXPECT_FALSE(Window().Captured());
}

TEST_F(Keyboard, TypedLengthsRunFromOneTo32766) {
    for (const char* typed : {"32766", "1", "32767", "0", "-4", "", "x"}) {
        log.clear();
        desktop.QueueInput(typed);
        KeyWith(VirtualKey::Up, 7, 0, 1);
        const bool accepted = std::string(typed) == "32766" || std::string(typed) == "1";
        EXPECT_EQ(log.size(), accepted ? 1u : 0u) << typed;
    }
    EXPECT_EQ(LastInputBox(), "RECTANGLE|UP:");
    desktop.QueueInput(std::nullopt);
    log.clear();
    EXPECT_EQ(KeyWith(VirtualKey::Down, 8, 0, 1), Log{});
    EXPECT_EQ(LastInputBox(), "ROUNDED RECTANGLE|DOWN:");
}

TEST_F(Keyboard, FeetAndInchesLengthsTakeEighths) {
    Open(0);
    const Point cursor{40, 320};
    FeetAndInches("10", "6", "3", "8");
    EXPECT_EQ(KeyWith(VirtualKey::Left, 1, 0, 1), Log{KeyCall(1, VirtualKey::Left, 3033, cursor)});
    // A fraction over 0 and a length of 0 are no lengths.
    FeetAndInches("1", "0", "3", "0");
    FeetAndInches("0", "0", "0", "8");
    log.clear();
    KeyWith(VirtualKey::Left, 1, 0, 1);
    KeyWith(VirtualKey::Left, 1, 0, 1);
    EXPECT_EQ(log, Log{});
    EXPECT_TRUE(desktop.UnusedAnswers().empty());
}

TEST_F(Keyboard, ExternalWallArrowsOfferTheFreeDistance) {
    Open(0);
    owner.onInstall = [](RecordingTool& tool) {
        tool.after = [](RecordingTool& t, const std::string& op) {
            if (op == "Action") t.Amount() = 3033;
            if (op == "KeyDown") {
                t.X2 = 4000;
                t.Y2 = 2000;
            }
        };
    };
    AcceptFeetAndInches(); // the length offered is kept
    KeyWith(VirtualKey::Right, 1000, 0, 1);
    EXPECT_EQ(log, (Log{"1000:Action(2)", KeyCall(1000, VirtualKey::Right, 3033)}));
    EXPECT_EQ(Tool().WallDirection(), 2);
    EXPECT_EQ(view->DatumX, 4000);
    EXPECT_EQ(view->DatumState, 4);
}

TEST_F(Keyboard, WallRunsShowTheDistanceFromTheirStart) {
    owner.onInstall = [](RecordingTool& tool) {
        tool.after = [](RecordingTool& t, const std::string& op) {
            if (op == "KeyDown") {
                t.X2 = 4000;
                t.Y2 = 2050;
            }
        };
    };
    view->StartX = 1000;
    view->StartY = 2000;
    desktop.QueueInput("3000");
    KeyWith(VirtualKey::Right, 1000, 0, 1);
    EXPECT_EQ(Prompt(), "Distance from START POINT h 3000: v 50");

    // Within 100 units of the start on both axes the prompt stays.
    view->StartX = 3950;
    desktop.QueueInput("3000");
    KeyWith(VirtualKey::Right, 1000, 0, 1);
    EXPECT_EQ(Prompt(),
              "Continue - if same details use arrow keys or Enter endpoint - click Extwall icon if changing "
              "detail");
}

TEST_F(Keyboard, FeetAndInchesDistanceShowsEighths) {
    Open(0);
    int endX = 150;
    int endY = 0;
    owner.onInstall = [&](RecordingTool& tool) {
        tool.after = [&](RecordingTool& t, const std::string& op) {
            if (op == "KeyDown") {
                t.X2 = endX;
                t.Y2 = endY;
            }
        };
    };
    // Corner marks take their points by Enter.
    auto distance = [&](int x, int y) {
        endX = x;
        endY = y;
        KeyWith(Enter, 11, 0, 1);
        return Prompt();
    };
    EXPECT_EQ(distance(150, 0), "Distance from START POINT 0' 6 1/4'' x 0' 0''");
    EXPECT_EQ(distance(0, -3 * 288 - 45), "Distance from START POINT 0' 0'' x -3' 1 7/8''");
    EXPECT_EQ(distance(288 + 9, 150), "Distance from START POINT 1' 0 3/8'' x 0' 6 1/4''");
    EXPECT_EQ(distance(301, 200), "Distance from START POINT h 1' 0: v 0' 8");
    // An end within 100 units of the start on both axes shows no distance.
    desktop.SetStatusText("before");
    distance(100, -100);
    EXPECT_NE(Prompt().find("Continue"), std::string::npos);
}

TEST_F(Keyboard, AClosedExternalWallOutlineFinishesThePlan) {
    AddExternalWall(1000, 3000, 5000, 3000);
    AddExternalWall(5000, 3000, 5000, 1000);
    AddExternalWall(5000, 1000, 1000, 1000);
    AddExternalWall(1000, 1000, 1000, 2998); // ends within Scale of the first start
    Shared.DisplayMode = 12;
    view->StartX = 1000;
    view->StartY = 3000;
    view->DatumState = 4;
    desktop.QueueInput("1998");
    KeyWith(VirtualKey::Up, 1000, 0, 1);
    EXPECT_EQ(log, (Log{"1000:Action(2)", KeyCall(1000, VirtualKey::Up, 1998), "1000:Action(5)",
                        "1000:AddDimension(0,0,0,o)", "ReportFloorArea(2)", "SelectPickTool"}));
    EXPECT_EQ(Shared.DisplayMode, 0);
    EXPECT_EQ(view->DatumState, 1);
    EXPECT_EQ(desktop.ReadoutText(), "0");
}

TEST_F(Keyboard, AClosedCornerMarkOutlineBuildsTheWalls) {
    Shared.CurrentView = 45;
    const int marks[][4] = {{0, 0, 100, 0}, {100, 0, 100, 100}, {100, 100, 0, 100}, {0, 100, 0, 2}};
    for (const auto& m : marks)
        AddLine(11, m[0], m[1], m[2], m[3], 45);
    KeyWith(Enter, 11, 0, 1);
    EXPECT_EQ(log, (Log{KeyCall(11, Enter, 0), "RestoreTool(1000)", "1000:Action(7)",
                        "1000:AddDimension(0,0,0,o)", "RestoreTool(1500)", "1500:Step(0,0,2)",
                        "SelectPickTool", "21:Action(1)", "ReportFloorArea(2)"}));
    EXPECT_EQ(Prompt(), "Pick Tool");
}

TEST_F(Keyboard, AngledEntryTogglesAndStepsTheCursor) {
    KeyWith('A', 1000, 0, 1);
    EXPECT_EQ(Tool().State, 1);
    Key('A');
    EXPECT_EQ(Tool().State, 0);
    EXPECT_EQ(log, Log{});
    EXPECT_FALSE(Window().Captured());

    KeyWith(97, 1500, 0, 1);
    EXPECT_EQ(view->StartX, 50);
    for (int key : {VirtualKey::Left, VirtualKey::Up})
        Key(key);
    EXPECT_EQ(CursorInClient(), (Point{39, 319}));
    Key('A');
    EXPECT_EQ(view->StartX, 0);
    EXPECT_EQ(log, Log{});
    // Another kind passes the letter to its tool.
    EXPECT_EQ(KeyWith('A', 7, 0, 1), Log{KeyCall(7, 'A', 0)});
}

TEST_F(Keyboard, InternalWallDirectionsCanBeRefused) {
    const char* texts[] = {"re select internal wall icon", "re select Internal Wall icon",
                           "re select internal wall icon", "re select internal wall icon"};
    const char* captions[] = {"INTERNAL WALL", "INTERNAL WALL", "INTERNAL WALLS", "INTERNAL WALL"};
    const int keys[] = {VirtualKey::Up, VirtualKey::Right, VirtualKey::Down, VirtualKey::Left};
    owner.onInstall = [](RecordingTool& tool) {
        tool.after = [](RecordingTool& t, const std::string& op) {
            if (op == "Step") t.Y1 = 30001;
        };
    };
    for (int i = 0; i < 4; ++i) {
        log.clear();
        UseTool(1500).KeyMode() = 1;
        CursorAt(Cursor);
        Key(keys[i]);
        EXPECT_EQ(log, (Log{"1500:Step(" + std::to_string(i + 1) + ",0,0)", "SelectPickTool"}));
        const platform::ShownMessage& shown = desktop.Messages().back();
        EXPECT_EQ(shown.text,
                  std::string("Wrong Arrow key for second line position - ") + texts[i] + " and try again");
        EXPECT_EQ(shown.caption, captions[i]);
    }
}

TEST_F(Keyboard, InternalWallRunsContinueOrEnd) {
    owner.onInstall = [](RecordingTool& tool) {
        tool.after = [](RecordingTool& t, const std::string& op) {
            if (op == "Step") t.Amount() = 2500;
            if (op == "KeyDown") {
                t.X1 = 2000;
                t.Y1 = 2000;
            }
        };
    };
    UseTool(1500).KeyMode() = 1;
    desktop.QueueInput("500");
    CursorAt(Cursor);
    Key(VirtualKey::Right);
    EXPECT_EQ(LastInputBox(), "WALL TO|RIGHT:");
    EXPECT_EQ(log.back(), KeyCall(1500, VirtualKey::Right, 500));
    EXPECT_EQ(Tool().Dragging, 1);
    EXPECT_EQ(CursorInClient(), (Point{80, 320})); // on the next segment's start
    EXPECT_EQ(view->DatumX, 2000);
    EXPECT_EQ(view->DatumState, 4);

    // A run ended against a wall, or closed back to its start, returns to the pick tool.
    for (int end : {30001, 30000}) {
        RecordingTool& ending = UseTool(1500);
        ending.KeyMode() = 1;
        ending.after = [end](RecordingTool& t, const std::string& op) {
            if (op == "KeyDown") t.Amount() = end;
        };
        view->StartX = 50;
        Key(VirtualKey::Add);
        EXPECT_EQ(Tool().Kind, 21) << end;
        EXPECT_EQ(desktop.ToolCaption(), "Pick Tool");
        EXPECT_EQ(view->StartX, 0);
        EXPECT_EQ(view->DatumState, 1);
        EXPECT_EQ(CursorInClient(), (Point{300, 200}));
    }
    // The opening entry measures nothing and asks with its own title.
    desktop.QueueInput(std::nullopt);
    KeyWith(VirtualKey::Up, 1500, 0, 4);
    EXPECT_EQ(LastInputBox(), "OPEN UP|UP:");
}

TEST_F(Keyboard, DesignRoomKeysAdjustTheSelectedRoom) {
    desktop.QueueInput("250");
    KeyWith(VirtualKey::Left, 29000, 20, 1);
    EXPECT_EQ(LastInputBox(), "ADJUST ROOM|LEFT:");
    EXPECT_EQ(log, (Log{KeyCall(29000, VirtualKey::Left, 250), "InvalidateDesignRoomArea"}));
    EXPECT_EQ(Tool().State, 0);

    // A room moved by keys takes each arrow twice, with no length, and its outline is drawn.
    log.clear();
    const std::size_t asked = desktop.InputPrompts().size();
    KeyWith(VirtualKey::Left, 29000, 65, 1);
    EXPECT_EQ(log, (Log{KeyCall(29000, VirtualKey::Left, 0), KeyCall(29000, VirtualKey::Left, 0),
                        "29000:DrawShape(1)"}));
    EXPECT_EQ(desktop.InputPrompts().size(), asked);
}

TEST_F(Keyboard, ExpandingAndShrinkingTheFloorPlan) {
    Shared.CurrentView = 50;
    auto info = std::make_unique<TInfoobj>();
    info->type = 32000;
    info->view = 50;
    DrawingList.Add(std::move(info));
    DrawingList.SetArea(81);
    desktop.QueueInput("600");
    RecordingTool& tool = UseTool(1100, 8);
    tool.KeyMode() = 1;
    tool.Aux2() = 2;
    CursorAt(Cursor);
    Key(Enter);
    EXPECT_EQ(LastInputBox(), "EXPAND BASE BY|");
    EXPECT_EQ(log, (Log{"1100:Step(600,1000,2000)", "1100:Action(5)", "1100:AddDimension(0,0,0,o)"}));
    EXPECT_EQ(dynamic_cast<const TInfoobj*>(DrawingList[0])->value, 81);

    // Shrinking measures the room there is first; a length out of range returns to the pick tool.
    log.clear();
    desktop.QueueInput("0");
    RecordingTool& shrink = UseTool(1100, 9);
    shrink.KeyMode() = 1;
    shrink.Aux2() = 4;
    Key(Enter);
    EXPECT_EQ(log, (Log{"1100:Action(1)", "SelectPickTool"}));
    EXPECT_EQ(LastInputBox(), "SHRINK BASE BY|");
}

TEST_F(Keyboard, EnterAsksTheArcHeightForAnEndInLineWithTheStart) {
    // The first Enter sets the start; the arc tool stays out of keyboard entry.
    EXPECT_EQ(KeyWith(Enter, 3), Log{KeyCall(3, Enter, 0)});
    EXPECT_EQ(Tool().KeyMode(), 0);

    log.clear();
    RecordingTool& arc = UseTool(3);
    arc.X1 = 1000 - 74;
    arc.Y1 = 3000;
    desktop.QueueInput("-300");
    CursorAt(Cursor);
    Key(Enter);
    EXPECT_EQ(LastInputBox(), "ARC HEIGHT|Use minus number for Arcs Below or Right of Endpts.");
    EXPECT_EQ(log, Log{KeyCall(3, Enter, -300)});

    log.clear();
    arc.X1 = 1000 - 75;
    Key(Enter);
    EXPECT_EQ(log, Log{});
    EXPECT_EQ(desktop.Messages().back().text, "Endpoint not horizontal or vertical");
    EXPECT_EQ(desktop.Messages().back().caption, "NO ARC DRAWN");
    EXPECT_EQ(desktop.Messages().back().style,
              platform::MessageBoxStyle::Ok | platform::MessageBoxStyle::IconExclamation);
    EXPECT_EQ(CursorInClient(), Cursor);
}

TEST_F(Keyboard, FeetAndInchesArcHeightsAreInches) {
    Open(0);
    for (const char* typed : {"1400", "1401"}) {
        RecordingTool& arc = UseTool(3);
        arc.X1 = 1440; // the cursor's x: a vertical chord
        arc.Y1 = 100;
        desktop.QueueInput(typed);
        CursorAt(Cursor);
        Key(Enter);
    }
    EXPECT_EQ(LastInputBox(), "ARC HEIGHT, INCHES|Use minus number for Arcs Below or Right of Endpts.");
    EXPECT_EQ(log, Log{KeyCall(3, Enter, 33600)});
}

TEST_F(Keyboard, EnterAsksCircleAndCornerRadii) {
    desktop.QueueInput("0");
    KeyWith(Enter, 6);
    EXPECT_EQ(LastInputBox(), "RADIUS|in millimetres");
    EXPECT_EQ(Tool().Amount(), 0);
    EXPECT_EQ(log.back(), KeyCall(6, Enter, 0));

    log.clear();
    desktop.QueueInput("32001");
    EXPECT_EQ(KeyWith(Enter, 8), Log{});
    EXPECT_EQ(LastInputBox(), "RADIUS|");
    desktop.QueueInput("50");
    KeyWith(Enter, 8);
    EXPECT_EQ(Tool().Amount(), 50);
    EXPECT_EQ(Prompt(), "Now use arrow direction keys for input");
    KeyWith(Enter, 7);
    EXPECT_EQ(Prompt(), "Now use arrow direction keys for horizontal & vertical inputs");
    EXPECT_EQ(Tool().KeyMode(), 1);

    Open(0);
    desktop.QueueInput("4");
    KeyWith(Enter, 6);
    EXPECT_EQ(LastInputBox(), "RADIUS|in inches");
    EXPECT_EQ(Tool().Amount(), 96);
}

TEST_F(Keyboard, EnterPlacesWindowsAndDoors) {
    UseTool(2000).after = [](RecordingTool& t, const std::string&) { t.Y1 = 1; };
    CursorAt(Cursor);
    Key(Enter);
    EXPECT_EQ(log, (Log{KeyCall(2000, Enter, 0), "SelectPickTool"}));
    EXPECT_EQ(Messages(), "Incorrect door for that positionl|WRONG DOOR POSITION;");

    // A hinged door that adds nothing is refused and the door tool stays for another try.
    log.clear();
    EXPECT_EQ(KeyWith(Enter, 60), Log{KeyCall(60, Enter, 4)});
    EXPECT_EQ(
        desktop.Messages().back().text,
        "  No INTERNAL door drawn, try again\nplace the cursor cross on hanging side of an internal wall");
    EXPECT_EQ(desktop.Messages().back().caption, "INTERNAL DOOR");
    EXPECT_EQ(Tool().Dragging, 1);

    log.clear();
    UseTool(62).after = [](RecordingTool&, const std::string&) { AddLine(1, 0, 0, 1, 1); };
    CursorAt(Cursor);
    Key(Enter);
    EXPECT_EQ(log, (Log{KeyCall(62, Enter, 5), "SelectPickTool"}));

    log.clear();
    UseTool(65).after = [](RecordingTool& t, const std::string&) {
        AddLine(1, 0, 0, 1, 1);
        t.Y1 = 20001;
    };
    CursorAt(Cursor);
    Key(Enter);
    EXPECT_EQ(log, Log{KeyCall(65, Enter, 6)});
    EXPECT_EQ(desktop.Messages().back().caption, "SLIDING DOOR");
}

TEST_F(Keyboard, EnterRowsForMeasurementsMovesAndFollowUps) {
    EXPECT_EQ(KeyWith(Enter, 1, 20), Log{"EnterMeasurement(40,320)"});
    EXPECT_EQ(Tool().State, 21);
    log.clear();
    EXPECT_EQ(KeyWith(Enter, 14, 21), Log{"EnterMeasurement(40,320)"});
    log.clear();
    EXPECT_EQ(KeyWith(Enter, 14, 3), (Log{KeyCall(14, Enter, 0), "SelectPickTool"}));
    log.clear();
    EXPECT_EQ(KeyWith(Enter, 1, 42), (Log{KeyCall(1, Enter, 0), "SelectPickTool"}));
    log.clear();
    EXPECT_EQ(KeyWith(Enter, 64), (Log{KeyCall(64, Enter, 0), "SelectPickTool"}));

    // A multiline's reference line moves the datum to its start.
    RecordingTool& line = UseTool(1, 41);
    line.X1 = 1200;
    line.Y1 = 900;
    Key(Enter);
    EXPECT_EQ((Point{view->DatumX, view->DatumY}), (Point{1200, 900}));
    EXPECT_EQ(view->DatumState, 4);

    // The first Enter of an external-wall run on an empty floor is its start; later ones are not.
    RecordingTool& wall = UseTool(1000);
    wall.X1 = 1500;
    wall.Y1 = 2500;
    Key(Enter);
    EXPECT_EQ((Point{view->StartX, view->StartY}), (Point{1500, 2500}));
    AddExternalWall(1500, 2500, 3000, 2500);
    wall.X1 = 3000;
    wall.KeyMode() = 0;
    Key(Enter);
    EXPECT_EQ(view->StartX, 1500);
    EXPECT_EQ(view->DatumX, 1500);
}

TEST_F(Keyboard, EnterWithTheSplitEditPicksAWall) {
    EXPECT_EQ(KeyWith(Enter, 999, 5), Log{});
    EXPECT_EQ(Messages(), "No valid object selected - please restart|NO SELECTION;");
    AddExternalWall(0, 2000, 4000, 2000);
    log.clear();
    EXPECT_EQ(KeyWith(Enter, 999, 5), (Log{"RestoreTool(1000)", "1000:Step(0,1000,2000)",
                                           "1000:AddDimension(0,0,0,o)", "SelectPickTool"}));
    EXPECT_EQ(Prompt(), "Pick Tool");
}

TEST_F(Keyboard, TypedTextGoesLineByLineAndEndsWithTwoEnters) {
    RecordingTool& text = UseTool(24);
    text.Amount() = 300;
    text.after = [](RecordingTool&, const std::string& op) {
        if (op == "CharTyped" && DrawingList.count == 0) InputView::AddText("A", 1000, 2000);
    };
    view->OnInput({InputKind::Char, {}, 0, 'A'});
    EXPECT_EQ(Prompt(), "press ENTER once for newline - T W I C E to FINISH");
    view->OnInput({InputKind::Char, {}, 0, '\r'});
    EXPECT_EQ(view->SavedKind, 1);
    EXPECT_EQ((Point{Tool().X1, Tool().Y1}), (Point{1000, 1700}));
    EXPECT_EQ(CursorInClient(), (Point{40, 332}));
    view->OnInput({InputKind::Char, {}, 0, '\r'});
    EXPECT_EQ(log, (Log{"24:CharTyped(65)", "24:CharTyped(13)"}));
    EXPECT_EQ(Tool().Kind, 20);
    EXPECT_EQ(desktop.ToolCaption(), "None");
    EXPECT_EQ(Prompt(), "select tool or function");
    EXPECT_EQ(view->SavedKind, 0);

    // Characters reach no other tool.
    view->OnInput({InputKind::Char, {}, 0, 'B'});
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(Keyboard, AFirstEnterWithNoTextLineLeavesTheCursor) {
    UseTool(24).Amount() = 300;
    AddLine(1, 0, 0, 10, 10);
    CursorAt(Cursor);
    view->OnInput({InputKind::Char, {}, 0, '\r'});
    EXPECT_EQ(CursorInClient(), Cursor);
    DrawingList.Flush();
    view->OnInput({InputKind::Char, {}, 0, 'x'});
    view->OnInput({InputKind::Char, {}, 0, '\r'});
    EXPECT_EQ(CursorInClient(), Cursor);
    EXPECT_EQ(view->SavedKind, 1);
}

} // namespace
