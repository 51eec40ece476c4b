// The view's mouse routing: which tool operation a press, a release, a right press or a move reaches
// for each tool kind and state, what the view does around it, and the drag that runs inside the press.
#include "input_test_support.h"

#include "model/drawing_file.h"
#include "platform/input.h"
#include "view/datum.h"

using input_test::InputView;
using input_test::Log;
using platform::InputKind;
using platform::Point;

namespace {

constexpr Point At{40, 340}; // the drawing point (1000, 1500)

class MouseRouting : public InputView {
  protected:
    // A press at `At` with a tool of this kind and state; the drag ends without a release.
    Log PressWith(int kind, int state) {
        UseTool(kind, state);
        Press(At);
        return log;
    }
    Log ReleaseWith(int kind, int state) {
        UseTool(kind, state);
        view->EvLButtonUp(At);
        return log;
    }
    void AddRoom(int left, int top, int width, int length) {
        auto room = std::make_unique<TRoomobj>();
        room->view = 50;
        room->x1 = left;
        room->y1 = top;
        room->x2 = left + width;
        room->y2 = top - length;
        room->width = width;
        room->length = length;
        DrawingList.Add(std::move(room));
        DrawingList.WriteDrawing();
    }
    std::string DrawingFile() { return test_support::ReadFile(DrawingList.DrawingFilePath()); }
};

TEST_F(MouseRouting, EveryToolCallGetsAFreshContextInTempDCAndTheView) {
    UseTool(1).after = [&](input_test::RecordingTool&, const std::string&) {
        EXPECT_NE(view->TempDC, nullptr);
    };
    Queue(InputKind::MouseMove, {60, 340});
    Queue(InputKind::LeftUp, {80, 340});
    Press(At);
    // Every entry would say "outside TempDC" or "without the view" if the protocol were broken.
    EXPECT_EQ(log, (Log{"1:LButtonDown(40,340)", "1:MouseMove(60,340)", "1:LButtonUp(80,340)"}));
    EXPECT_EQ(view->TempDC, nullptr);
    EXPECT_FALSE(Window().Captured());
}

TEST_F(MouseRouting, ExclusiveOrDrawingOfAToolShowsItsPenOverTheBackground) {
    // A black pen under plain exclusive-or would change nothing on a white view.
    UseTool(1).after = [&](input_test::RecordingTool&, const std::string&) {
        platform::DeviceContext& dc = *view->TempDC;
        dc.SetROP2(platform::RasterOp::XorPen);
        dc.SelectPen(platform::Pen{platform::Rgb(0, 0, 0), 1, platform::PenStyle::Solid});
        dc.MoveTo(10, 20);
        dc.LineTo(50, 20);
    };
    const std::uint32_t before = Window().Image().Pixel(30, 20);
    Press(At);
    EXPECT_NE(Window().Image().Pixel(30, 20), before);
    Press(At); // drawn again: restored
    EXPECT_EQ(Window().Image().Pixel(30, 20), before);
}

TEST_F(MouseRouting, PressOnTheMarkingLayoutReachesNoTool) {
    Shared.CurrentView = 45;
    Queue(InputKind::LeftUp, At);
    EXPECT_EQ(PressWith(1, 0), Log{"1:LButtonUp(40,340)"}); // the release is routed as anywhere
}

TEST_F(MouseRouting, DesignRoomToolTakesItsPressesAndReportsItsRefusals) {
    UseTool(29000, 0).KeyMode() = 1;
    Press(At);
    EXPECT_EQ(log, Log{"29000:LButtonDown(40,340)"});
    EXPECT_EQ(Tool().KeyMode(), 0);

    for (int refusal : {10001, 10002}) {
        UseTool(29000, 20).after = [refusal](input_test::RecordingTool& tool, const std::string&) {
            tool.State = refusal;
        };
        Press(At);
        EXPECT_EQ(Tool().State, 0);
    }
    EXPECT_EQ(Messages(), "the click was probably outside the external walls|NO SELECTION;"
                          "one of the measuring walls was angled|NO SELECTION;");

    log.clear();
    EXPECT_EQ(PressWith(29000, 55), Log{});
    EXPECT_EQ(Tool().State, 0);
    EXPECT_EQ(PressWith(29000, 6), Log{}); // a drag state waits for its release
}

TEST_F(MouseRouting, DesignRoomRotateAndDeleteSaveAndRepaintTheRoom) {
    AddExternalWall(0, 1500, 4000, 1500);
    EXPECT_EQ(PressWith(29000, 40), (Log{"29000:LButtonDown(40,340)", "InvalidateDesignRoomArea"}));
    EXPECT_EQ(Tool().State, 0);
    EXPECT_FALSE(DrawingFile().empty());

    // On the room layout the whole view follows, and the grid when it is on.
    Shared.CurrentView = 40;
    Shared.LayoutGridOn = 1;
    log.clear();
    EXPECT_EQ(PressWith(29000, 30),
              (Log{"29000:LButtonDown(40,340)", "InvalidateDesignRoomArea", "RedrawLayoutGrid"}));
    EXPECT_TRUE(Window().HasPendingPaint());
}

TEST_F(MouseRouting, PressStrictlyInsideARoomSwitchesToTheDesignRoomTool) {
    AddRoom(500, 2000, 1000, 1000); // x 500..1500, y 1000..2000
    view->DatumState = 3;
    EXPECT_EQ(PressWith(1, 0), (Log{"RestoreTool(29000)", "29000:LButtonDown(40,340)"}));
    EXPECT_EQ(view->DatumState, 1);
    EXPECT_EQ(desktop.ReadoutText(), "0");

    // On the room's edge the press stays with the tool.
    DrawingList.Flush();
    AddRoom(1000, 2000, 1000, 1000);
    log.clear();
    EXPECT_EQ(PressWith(1, 0), Log{"1:LButtonDown(40,340)"});
}

TEST_F(MouseRouting, CentreStepsFindLineOrRectangleCentres) {
    for (int state : {30, 34})
        EXPECT_EQ(PressWith(41, state).back(), "41:FindLineCentre(40,340)");
    for (int state : {35, 38})
        EXPECT_EQ(PressWith(1, state).back(), "1:FindRectCentre(40,340)");
    EXPECT_EQ(log.size(), 4u);
}

TEST_F(MouseRouting, ArmedDatumTakesEveryPressItself) {
    view->DatumState = 2;
    EXPECT_EQ(PressWith(1, 0), Log{});
    EXPECT_EQ(view->DatumX, 1000);
    EXPECT_EQ(view->DatumY, 1500);
    Press({80, 300});
    EXPECT_EQ(view->DatumX, 2000);
    EXPECT_EQ(view->DatumY, 2500);
    EXPECT_EQ(view->DatumState, 2);
}

TEST_F(MouseRouting, WallEditPicksTheExternalWallUnderThePress) {
    EXPECT_EQ(PressWith(999, 5), Log{});
    EXPECT_EQ(Messages(), "No valid object selected - please restart|NO SELECTION;");
    EXPECT_EQ(CursorInClient(), At);

    AddExternalWall(0, 1500, 4000, 1500);
    log.clear();
    EXPECT_EQ(PressWith(999, 5),
              (Log{"RestoreTool(1000)", "1000:Step(0,1000,1500)", "1000:AddDimension(0,0,0,o)"}));
    EXPECT_EQ(Tool().Aux2(), 0);
    EXPECT_EQ(Tool().State, 5);

    log.clear();
    EXPECT_EQ(PressWith(999, 4),
              (Log{"RestoreTool(1000)", "1000:Step(0,0,0)", "InvalidateWallEditArea(2)", "SelectPickTool"}));
    EXPECT_EQ(Prompt(), "Pick Tool");

    log.clear();
    EXPECT_EQ(PressWith(999, 6), (Log{"RestoreTool(1000)", "ChooseExternalWallType",
                                      "InvalidateWallEditArea(1)", "SelectPickTool"}));
}

TEST_F(MouseRouting, WallEditOfAnInternalWallEditsNothing) {
    auto wall = std::make_unique<TIntwallobj>();
    wall->view = 50;
    wall->x1 = 0;
    wall->y1 = 1500;
    wall->x2 = 4000;
    wall->y2 = 1500;
    wall->iwall1 = 100;
    DrawingList.Add(std::move(wall));
    DrawingList.WriteDrawing();
    EXPECT_EQ(PressWith(999, 2), (Log{"RestoreTool(1500)", "SelectPickTool"}));
    EXPECT_TRUE(desktop.InputPrompts().empty());
}

TEST_F(MouseRouting, LengthenAsksTheAmountInMillimetres) {
    AddExternalWall(0, 1500, 4000, 1500);
    desktop.QueueInput("500");
    EXPECT_EQ(PressWith(999, 2),
              (Log{"RestoreTool(1000)", "1000:Step(500,1000,1500)", "InvalidateWallEditArea(1)"}));
    EXPECT_EQ(LastInputBox(), "|");

    // Text that is no number is 0 and a negative amount passes; more than 32767 ends the edit with the
    // wall tool kept.
    for (const char* typed : {"shorten", "32768", "-5"}) {
        log.clear();
        desktop.QueueInput(typed);
        PressWith(999, 3);
        EXPECT_EQ(log.size(), std::string(typed) == "32768" ? 1u : 3u) << typed;
        EXPECT_EQ(Tool().Kind, 1000);
    }
    EXPECT_EQ(log[1], "1000:Step(-5,1000,1500)");
    EXPECT_EQ(Prompt(), "input amount to shorten");

    // Cancel returns to the pick tool.
    log.clear();
    desktop.QueueInput(std::nullopt);
    EXPECT_EQ(PressWith(999, 2), (Log{"RestoreTool(1000)", "SelectPickTool"}));
}

TEST_F(MouseRouting, AngledWallsCannotBeLengthened) {
    AddExternalWall(0, 1500, 4000, 1500);
    owner.onInstall = [](input_test::RecordingTool& tool) {
        tool.after = [](input_test::RecordingTool& t, const std::string& op) {
            if (op == "Step") t.Dragging = 1001;
        };
    };
    CursorAt({300, 200});
    desktop.QueueInput("200");
    EXPECT_EQ(PressWith(999, 2), (Log{"RestoreTool(1000)", "1000:Step(200,1000,1500)"}));
    EXPECT_EQ(desktop.Messages().back().text, "Angled walls cannot be altered");
    EXPECT_EQ(desktop.Messages().back().caption, "NO ACTION");
    EXPECT_EQ(desktop.Messages().back().style, platform::MessageBoxStyle::IconExclamation);
}

TEST_F(MouseRouting, FeetAndInchesLengthenTakesEighths) {
    Open(0);
    auto answer = [&](const char* feet, const char* inches, const char* numerator, const char* denominator) {
        platform::DialogAnswer a;
        a.resourceId = 9500;
        using Fill = platform::DialogAnswer::Fill;
        a.fills = {{9501, Fill::Kind::Text, feet, 0},
                   {9502, Fill::Kind::Text, inches, 0},
                   {9503, Fill::Kind::Text, numerator, 0},
                   {9504, Fill::Kind::Text, denominator, 0}};
        desktop.QueueDialog(a);
    };
    const Point at{40, 340}; // (1440, 2160): 6 units a logical unit, 6 logical units a pixel
    AddExternalWall(0, 2160, 4000, 2160);
    answer("1", "2", "1", "2");
    UseTool(999, 2);
    Press(at);
    EXPECT_EQ(log, (Log{"RestoreTool(1000)", "1000:Step(348,1440,2160)", "InvalidateWallEditArea(1)"}));

    // 0' 0 is no length, nor is a fraction over 0: the edit ends with the pick tool.
    answer("0", "0", "0", "0");
    answer("1", "0", "3", "0");
    for (int i = 0; i < 2; ++i) {
        log.clear();
        UseTool(999, 2);
        Press(at);
        EXPECT_EQ(log, (Log{"RestoreTool(1000)", "SelectPickTool"}));
    }
}

TEST_F(MouseRouting, ResizeAndIgnoredCombinationsReachNoTool) {
    EXPECT_EQ(PressWith(1100, 8), Log{});
    const std::pair<int, int> ignored[] = {{20, 0},  {21, 29}, {41, 0}, {60, 5}, {62, 0}, {64, 0}, {57, 0},
                                           {57, 50}, {1, 39},  {1, 42}, {19, 9}, {1, 20}, {7, 21}};
    for (auto [kind, state] : ignored)
        EXPECT_EQ(PressWith(kind, state), Log{}) << kind << " " << state;
}

TEST_F(MouseRouting, TextToolAsksTheTextAndPlacesIt) {
    desktop.QueueInput("HALL");
    EXPECT_EQ(PressWith(4, 0), Log{"4:PlaceText(40,340,HALL)"});
    EXPECT_EQ(LastInputBox(), "Text|Enter text");
    EXPECT_EQ(Prompt(), "maximum of 24 letters/numbers/spaces");

    // Cancelled: the drawing was still saved once, before the dialog.
    std::filesystem::remove(DrawingList.DrawingFilePath());
    AddLine(1, 0, 0, 100, 100);
    log.clear();
    EXPECT_EQ(PressWith(4, 0), Log{});
    EXPECT_TRUE(std::filesystem::exists(DrawingList.DrawingFilePath()));
}

TEST_F(MouseRouting, TypedTextAndCornerMarksTakeNoPress) {
    view->SavedKind = 1;
    EXPECT_EQ(PressWith(24, 0), Log{});
    EXPECT_EQ(Tool().KeyMode(), 1); // the first press of a typed text starts its keyboard
    view->SavedKind = 0;
    EXPECT_EQ(PressWith(24, 0), Log{"24:LButtonDown(40,340)"});
    log.clear();
    EXPECT_EQ(PressWith(11, 0), Log{});
}

TEST_F(MouseRouting, MoveAndEraseStartFromThePlanCorner) {
    AddExternalWall(1000, 3000, 5000, 3000);
    AddExternalWall(5000, 3000, 5000, 1000);
    for (int kind : {14, 19}) {
        view->DatumState = 1;
        view->DatumX = view->DatumY = 7;
        EXPECT_EQ(PressWith(kind, 0).back(), std::to_string(kind) + ":LButtonDown(40,340)");
        EXPECT_EQ(view->DatumState, 3);
        EXPECT_EQ(view->DatumX, 1000);
        EXPECT_EQ(view->DatumY, 3000);
    }
}

TEST_F(MouseRouting, OtherToolsGetThePressAndTheViewFollowsUp) {
    EXPECT_EQ(PressWith(1, 1), Log{"1:LButtonDown(40,340)"});
    EXPECT_EQ(Prompt(), "Selected");
    log.clear();
    Shared.PenWidth = 2;
    EXPECT_EQ(PressWith(1, 9), (Log{"1:LButtonDown(40,340)", "RestoreTool(2)"}));
    log.clear();
    EXPECT_EQ(PressWith(71, 0), (Log{"71:LButtonDown(40,340)", "NewFixedRoom"}));
    // A press that a key drag of a design room left in state 55 or 65 clears it.
    log.clear();
    PressWith(1, 65);
    EXPECT_EQ(Tool().State, 0);
}

TEST_F(MouseRouting, TheDragHandlesMovesAndTheReleaseInsideThePress) {
    Queue(InputKind::MouseMove, {50, 340});
    Queue(InputKind::KeyDown, {});
    Queue(InputKind::MouseMove, {60, 330});
    Queue(InputKind::LeftUp, {60, 330});
    Queue(InputKind::MouseMove, {70, 330}); // after the release: not part of the drag
    EXPECT_EQ(PressWith(5, 0), (Log{"5:LButtonDown(40,340)", "5:MouseMove(50,340)", "5:MouseMove(60,330)",
                                    "5:LButtonUp(60,330)"}));
    EXPECT_EQ(pending.size(), 1u);
    EXPECT_FALSE(Window().Captured());
}

TEST_F(MouseRouting, DraggingOutOfTheViewScrollsIt) {
    SetScrollRanges(*view);
    const int startX = Shared.ScrollX;
    const int startPosition = view->scroller.XPos;
    Queue(InputKind::MouseMove, {650, 200});
    Queue(InputKind::LeftUp, {650, 200});
    PressWith(1, 0);
    EXPECT_EQ(view->scroller.XPos, startPosition + 2 * 5); // 50 pixels out: 5 units after each input
    EXPECT_EQ(Shared.ScrollX, startX + 10 * 10 * 5);
    EXPECT_EQ(Window().Thumb(platform::ScrollBar::Horizontal),
              static_cast<int>(view->scroller.XPos / view->ThumbDivisorX));
}

TEST_F(MouseRouting, TheDragEndsOnAMoveWithoutTheLeftButton) {
    // The press opens a dialog, which takes the release: the view never hears it.
    UseTool(5, 0).after = [&](input_test::RecordingTool&, const std::string& operation) {
        if (operation != "LButtonDown") return;
        platform::InputEvent releasedInTheDialog{InputKind::LeftUp, At, 0, 0};
        held.Apply(releasedInTheDialog);
    };
    Queue(InputKind::MouseMove, {50, 340});
    Queue(InputKind::LeftDown, {30, -10}); // a click on the menu bar, where the capture would take it
    Press(At);
    // The move without the button reaches the tool and ends the drag; the click is not part of it.
    EXPECT_EQ(log, (Log{"5:LButtonDown(40,340)", "5:MouseMove(50,340)"}));
    EXPECT_EQ(pending.size(), 1u);
    EXPECT_FALSE(Window().Captured());
    // While the button is held, moves stay in the drag until the release.
    log.clear();
    pending.clear();
    Queue(InputKind::MouseMove, {50, 340});
    Queue(InputKind::MouseMove, {60, 340});
    Queue(InputKind::LeftUp, {60, 340});
    PressWith(5, 0);
    EXPECT_EQ(log, (Log{"5:LButtonDown(40,340)", "5:MouseMove(50,340)", "5:MouseMove(60,340)",
                        "5:LButtonUp(60,340)"}));
}

TEST_F(MouseRouting, ARestingPointerOutsideTheViewGoesOnScrolling) {
    SetScrollRanges(*view);
    const int startPosition = view->scroller.XPos;
    const int startY = view->scroller.YPos;
    Queue(InputKind::MouseMove, {650, 200});
    for (int i = 0; i < 3; ++i)
        QueueIdle();
    Queue(InputKind::LeftUp, {650, 200});
    PressWith(1, 0);
    // 50 pixels out: 5 units after each of the two inputs and each of the three waits in vain.
    EXPECT_EQ(view->scroller.XPos, startPosition + 5 * 5);
    EXPECT_EQ(view->scroller.YPos, startY);
    EXPECT_EQ(log, (Log{"1:LButtonDown(40,340)", "1:MouseMove(650,200)", "1:LButtonUp(650,200)"}));
    // Inside the view a resting pointer scrolls nothing.
    const int position = view->scroller.XPos;
    Queue(InputKind::MouseMove, {300, 200});
    QueueIdle();
    QueueIdle();
    Queue(InputKind::LeftUp, {300, 200});
    PressWith(1, 0);
    EXPECT_EQ(view->scroller.XPos, position);
}

TEST_F(MouseRouting, AReleaseAfterTheLayoutScrolledRepaintsAndTurnsTheWallDirection) {
    Shared.CurrentView = 40;
    UseTool(1, 20);
    view->PressScrollX = Shared.ScrollX + 50;
    view->EvLButtonUp(At);
    EXPECT_EQ(Tool().WallDirection(), 1);
    // The repaint reaches the tool with nothing; the layout's paint asks for the house rectangle.
    EXPECT_EQ(log, Log{"ShowHouseRectangleSize(0)"});
}

TEST_F(MouseRouting, ReleaseRoutingTable) {
    struct Row {
        int kind, state;
        Log expected;
    };
    const Row rows[] = {
        {29000, 1000, {"NewMaxDesignRoom"}},
        {29000, 7, {}},
        {30, 0, {}},
        {1500, -1, {}},
        {4, 0, {}},
        {24, 0, {}},
        {1, 39, {}},
        {1, 42, {}},
        {20, 0, {}},
        {21, 5, {}},
        {1, 0, {"1:LButtonUp(40,340)"}},
        {3, -2, {"3:LButtonUp(40,340)"}},
        {1, 20, {}},
        {1, 21, {}},
        {7, 7, {"RestoreTool(7)"}},
        {1, 30, {}},
        {1, 37, {}},
        {1, 8, {}},
        {1, 1000, {}},
    };
    for (const Row& row : rows) {
        log.clear();
        EXPECT_EQ(ReleaseWith(row.kind, row.state), row.expected) << row.kind << " " << row.state;
    }
    view->SavedKind = 6;
    log.clear();
    EXPECT_EQ(ReleaseWith(1, 11), Log{"RestoreTool(6)"});
    log.clear();
    Shared.CurrentView = 45;
    EXPECT_EQ(ReleaseWith(11, 0), Log{});
}

TEST_F(MouseRouting, PickToolReleaseShowsItsCaption) {
    ReleaseWith(21, 0);
    EXPECT_EQ(desktop.ToolCaption(), "Pick Tool");
}

TEST_F(MouseRouting, DesignRoomDragEndsOnTheRelease) {
    EXPECT_EQ(ReleaseWith(29000, 5), (Log{"29000:LButtonUp(40,340)", "InvalidateDesignRoomArea"}));
    EXPECT_EQ(Tool().State, 0);
    Shared.CurrentView = 40;
    log.clear();
    EXPECT_EQ(ReleaseWith(29000, 6), (Log{"29000:LButtonUp(40,340)", "ShowHouseRectangleSize(0)"}));
    EXPECT_TRUE(Window().HasPendingPaint());
}

TEST_F(MouseRouting, RectangleDragsEndInAZoomALibraryItemACopyOrAnErase) {
    view->DatumState = 4;
    view->SavedKind = 7;
    EXPECT_EQ(ReleaseWith(14, 15), (Log{"14:LButtonUp(40,340)", "RestoreTool(7)", "ZoomView(1)"}));
    EXPECT_EQ(view->DatumState, 1);
    EXPECT_EQ(desktop.ReadoutText(), "0");

    log.clear();
    UseTool(15, 5).Amount() = 1;
    view->EvLButtonUp(At);
    EXPECT_EQ(log, (Log{"15:LButtonUp(40,340)", "RunLibraryCaptureDialog", "SelectPickTool"}));

    log.clear();
    EXPECT_EQ(ReleaseWith(15, 15), Log{"15:LButtonUp(40,340)"});
    EXPECT_EQ(Prompt(), "press F1 key for help");
    EXPECT_EQ(desktop.ToolCaption(), "Pick Tool");
    EXPECT_EQ(Tool().Kind, 15);

    // The erased area (x 1000..2000, y 500..1500) is repainted: pixels (40, 340)-(80, 380).
    log.clear();
    int* box = UseTool(19, 5).PrevBox();
    box[0] = 1000;
    box[1] = 2000;
    box[2] = 500;
    box[3] = 1500;
    Window().PaintPending();
    view->EvLButtonUp(At);
    EXPECT_EQ(log, (Log{"19:LButtonUp(40,340)", "SelectPickTool"}));
    EXPECT_EQ(Window().PendingArea(), (platform::Rect{40, 340, 80, 380}));
}

TEST_F(MouseRouting, LineWithTextAsksTheTextAfterTheLine) {
    EXPECT_EQ(ReleaseWith(1, 50),
              (Log{"1:LButtonUp(40,340)", "RunViewDialog(8)", "1:AddLineText(0,0)", "SelectPickTool"}));
    log.clear();
    viewDialogCancelled = true;
    EXPECT_EQ(ReleaseWith(1, 51), (Log{"1:LButtonUp(40,340)", "RunViewDialog(8)", "SelectPickTool"}));
    log.clear();
    UseTool(1, 50).Y1 = 125000; // no line was made
    view->EvLButtonUp(At);
    EXPECT_EQ(log, Log{"1:LButtonUp(40,340)"});
}

TEST_F(MouseRouting, ChangeTextEditsTheTextNearTheRelease) {
    TTextobj& text = AddText("KITCHEN", 1100, 1600);
    desktop.QueueInput("LOUNGE");
    EXPECT_EQ(ReleaseWith(25, 0), Log{});
    EXPECT_STREQ(text.text, "LOUNGE");
    EXPECT_EQ(text.textLength, 6);
    EXPECT_EQ(LastInputBox(), "|");
    EXPECT_NE(DrawingFile().find("LOUNGE"), std::string::npos);

    // An empty answer keeps the text; the file is written all the same.
    desktop.QueueInput("");
    ReleaseWith(25, 0);
    EXPECT_STREQ(text.text, "LOUNGE");

    // A long text: the answer replaces it whole.
    TTextobj& longText = AddText(std::string(79, 'W'), 1050, 1550);
    DrawingList.RemoveAt(DrawingList.count - 2);
    desktop.QueueInput(std::string(30, 'A'));
    ReleaseWith(25, 0);
    EXPECT_EQ(std::string(longText.text), std::string(24, 'A'));

    // Away from every text nothing happens.
    const std::size_t asked = desktop.InputPrompts().size();
    view->EvLButtonUp({500, 50});
    EXPECT_EQ(desktop.InputPrompts().size(), asked);
}

TEST_F(MouseRouting, RightButtonRouting) {
    UseTool(29000, 65);
    view->EvRButtonDown(At);
    EXPECT_EQ(Tool().State, 0);
    UseTool(29000, 50).after = [](input_test::RecordingTool& t, const std::string&) { t.State = 10001; };
    view->EvRButtonDown(At);
    EXPECT_EQ(Tool().State, 0);
    UseTool(29000, 20);
    view->EvRButtonDown(At);
    UseTool(1, 0);
    view->EvRButtonDown(At);
    EXPECT_EQ(log, Log{"29000:RButtonDown(40,340)"});

    // Either button ends a design-room drag.
    log.clear();
    UseTool(29000, 6);
    view->EvRButtonUp(At);
    EXPECT_EQ(log, (Log{"29000:RButtonUp(40,340)", "ShowHouseRectangleSize(0)"}));
    EXPECT_EQ(Tool().State, 0);
    UseTool(1, 4);
    view->EvRButtonUp(At);
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(MouseRouting, RightPressWithTheMoveToolRotatesTheSelection) {
    // Nothing in the list: the angle is asked all the same.
    desktop.QueueInput("180");
    UseTool(14, 2);
    view->EvRButtonDown(At);
    EXPECT_EQ(log, Log{"14:RButtonDown(40,340)"});
    EXPECT_EQ(Tool().X2, 180);
    EXPECT_EQ(Tool().State, 3);
    EXPECT_EQ(LastInputBox(), "ROTATE|clockwise");
    EXPECT_EQ(Prompt(),
              "input degrees to rotate,then if needed, use + - keys to finetune. press Enter to Lock");

    log.clear();
    for (const char* refused : {"400", "-1"}) {
        desktop.QueueInput(refused);
        view->EvRButtonDown(At);
    }
    rotationLimited = 1;
    desktop.QueueInput("45");
    view->EvRButtonDown(At);
    EXPECT_EQ(log, Log{"CheckRotationLimits"});

    log.clear();
    desktop.QueueInput(std::nullopt);
    UseTool(14, 2);
    view->EvRButtonDown(At);
    EXPECT_EQ(Tool().X2, 0);
    EXPECT_EQ(log, Log{"14:RButtonDown(40,340)"});

    // A symbol just pasted from a library turns by 90 degrees without asking.
    AddLine(27001, 0, 0, 10, 10);
    log.clear();
    UseTool(14, 2);
    view->EvRButtonDown(At);
    EXPECT_EQ(Tool().X2, 90);
    EXPECT_EQ(log, Log{"14:RButtonDown(40,340)"});
}

TEST_F(MouseRouting, MovesReachTheToolUnlessTheDatumStopsThemOrAPlacementWaits) {
    view->DatumState = 0;
    view->EvMouseMove(At);
    EXPECT_EQ(log, Log{});

    view->DatumState = 3;
    view->DatumX = view->DatumY = 0;
    UseTool(2000);
    view->EvMouseMove(At);
    EXPECT_EQ(log, Log{});
    EXPECT_EQ(desktop.ReadoutText(), "h 1000: v 1500 m.m DATUM");
    Tool().Dragging = 1;
    view->EvMouseMove(At);
    UseTool(1);
    view->EvMouseMove(At);
    EXPECT_EQ(log, (Log{"2000:MouseMove(40,340)", "1:MouseMove(40,340)"}));
}

TEST_F(MouseRouting, KeyReleaseEndsADesignRoomKeyDrag) {
    UseTool(29000, 65).Aux1() = 3;
    view->EvKeyUp(39);
    EXPECT_EQ(log, Log{"InvalidateDesignRoomArea"});
    EXPECT_EQ(Tool().Aux1(), 0);
    UseTool(29000, 50).Aux1() = 3;
    view->EvKeyUp(39);
    EXPECT_EQ(Tool().Aux1(), 3);
}

} // namespace
