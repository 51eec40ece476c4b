// The zoom commands where a script cannot reach: the rectangle of Zoom UP dragged by a stand-in for
// the move tool, the room layout's fit over recorded plan bounds, the tool put back, the layout grid
// redrawn, and the normal extent when ZOOM.CFG is missing or unusable.
#include "app/zoom_commands.h"

#include "command_test_support.h"
#include "tools/move_tool.h"
#include "view/zoom.h"

#include <sys/stat.h>

namespace {

using ZoomCommands = CommandTest;

// Stands in for the move tool's zoom rectangle: its press ends the rectangle, its release leaves the
// window extent, origin and zoom of the dragged area, as the move tool does.
class ZoomRectangle : public TMoveobjtool {
  public:
    void LButtonDown(platform::DeviceContext&, const platform::Rect&, int, int) override {
        State = ZoomRectangleDone;
    }
    void LButtonUp(platform::DeviceContext&, const platform::Rect&, platform::Point&) override {
        const int oldWidth = Shared.ClientWidth;
        Shared.ClientWidth = 1500;
        Shared.ClientHeight = 1000;
        Shared.ScrollX = 4010;
        Shared.ScrollY = 2010;
        Shared.Zoom = Shared.Zoom / (static_cast<float>(oldWidth) / static_cast<float>(Shared.ClientWidth));
    }
};

// The plan bounds of three design rooms at x 10000..20000, y 12000..20000.
int ThreeRooms(TList&) {
    test_support::WriteFile(DrawingList.ProgramDir + "CFG/BOUNDS.CFG", "10000 20000 20000 12000\n");
    return 3;
}

TEST_F(ZoomCommands, ZoomUpDragsARectangleAndPutsTheToolBack) {
    NewDrawing();
    frame->Choose(270);
    CmZoomUp(Client());
    EXPECT_EQ(Shared.HelpContext, 220);
    EXPECT_EQ(View().DatumState, 3);
    EXPECT_EQ(desktop.StatusText(), "press Left Button, hold down and drag cursor over area to enlarge");
    auto* move = dynamic_cast<TMoveobjtool*>(&Client().Tool());
    ASSERT_NE(move, nullptr);
    EXPECT_EQ(move->Kind, 14);
    EXPECT_EQ(move->State, TMoveobjtool::ZoomRectangle);
    EXPECT_EQ(move->LineWidth(), 1);

    // The drag, with the stand-in in the move tool's place.
    Client().InstallTool(std::make_unique<ZoomRectangle>());
    Client().CurrentTool->State = TMoveobjtool::ZoomRectangle;
    View().OnInput({platform::InputKind::LeftDown, {100, 100}, 0, 0});
    View().OnInput({platform::InputKind::LeftUp, {300, 250}, 0, 0});
    // The line tool the zoom began with, and the dragged area with its origin on whole scroll units
    // (25 logical units at zoom 2.5).
    EXPECT_EQ(Client().Tool().Kind, 1);
    EXPECT_EQ(desktop.ToolCaption(), "1,LINE solid");
    EXPECT_EQ(Shared.ClientWidth, 1500);
    EXPECT_EQ(Shared.ClientHeight, 1000);
    EXPECT_FLOAT_EQ(Shared.Zoom, 2.5f);
    EXPECT_EQ(Shared.ScrollX, 4000);
    EXPECT_EQ(Shared.ScrollY, 2025);
    EXPECT_EQ(Shared.DrawingState, 2);
}

TEST_F(ZoomCommands, ZoomUpIsRefusedOnTheRoomLayout) {
    NewLayout();
    const int kind = Client().Tool().Kind;
    const int help = Shared.HelpContext;
    CmZoomUp(Client());
    EXPECT_EQ(LastMessage(), "Not available on room layouts|ZOOM UP");
    EXPECT_EQ(Client().Tool().Kind, kind);
    EXPECT_EQ(Shared.HelpContext, help);
    EXPECT_EQ(Shared.ClientWidth, 3000);
}

TEST_F(ZoomCommands, AZoomWithTheMoveToolEndsWithThePickTool) {
    NewDrawing();
    Client().InstallTool(std::make_unique<TMoveobjtool>());
    frame->Choose(502);
    EXPECT_EQ(Client().Tool().Kind, 21);
    EXPECT_EQ(desktop.StatusText(), "pick tool");
    // A refused zoom keeps the tool it found.
    Client().InstallTool(std::make_unique<TMoveobjtool>());
    Shared.ClientWidth = 9000;
    frame->Choose(502);
    EXPECT_EQ(Client().Tool().Kind, 14);
    EXPECT_EQ(Shared.DrawingState, 2);
}

TEST_F(ZoomCommands, FitOnTheRoomLayoutCentresOnTheRooms) {
    NewLayout();
    UseRecorders();
    rooms.planBounds = ThreeRooms;
    frame->Choose(503);
    EXPECT_EQ(log, (input_test::Log{"WritePlanBounds"}));
    EXPECT_EQ(Shared.ClientWidth, 2962);
    EXPECT_EQ(Shared.ClientHeight, 1975);
    EXPECT_NEAR(Shared.Zoom, 4.9375, 1e-4);
    EXPECT_EQ(Shared.ScrollX, 1580);
    EXPECT_EQ(Shared.ScrollY, 2172);
    EXPECT_EQ(View().DatumState, 1);
    EXPECT_EQ(Shared.DrawingState, 2);

    // One room is nothing to fit: nothing changes, not even the picture.
    frame->Choose(501);
    frame->RunPendingPaints();
    View().DatumState = 3;
    rooms.planBounds = [](TList&) { return 1; };
    frame->Choose(503);
    EXPECT_EQ(Shared.ClientWidth, 3000);
    EXPECT_FLOAT_EQ(Shared.Zoom, 5.0f);
    EXPECT_EQ(View().DatumState, 3);
    EXPECT_EQ(Shared.DrawingState, 2);
    EXPECT_FALSE(frame->ActiveScriptedView()->HasPendingPaint());

    // Rooms whose box is marked empty or inverted repaint the view unchanged.
    for (const char* bounds : {"200000 20000 0 200000\n", "20000 20000 10000 12000\n",
                               "10000 12000 20000 20000\n", "10000 20000\n"}) {
        rooms.planBounds = [&](TList&) {
            WriteCfg("BOUNDS.CFG", bounds);
            return 2;
        };
        frame->Choose(503);
        EXPECT_EQ(Shared.ClientWidth, 3000) << bounds;
        EXPECT_FLOAT_EQ(Shared.Zoom, 5.0f) << bounds;
        EXPECT_EQ(Shared.DrawingState, 2) << bounds;
        EXPECT_TRUE(frame->ActiveScriptedView()->HasPendingPaint()) << bounds;
        frame->RunPendingPaints();
    }
}

TEST_F(ZoomCommands, TheNormalExtentIsZoomCfgsOrElseTheClientAreas) {
    NewDrawing();
    AddOutline(50);
    Save();
    Shared.DisplayMode = 1;
    frame->ActiveScriptedView()->Resize({300, 200});
    EXPECT_EQ(Shared.ClientWidth, 1500);
    // The extent New wrote stands, although the view is smaller since.
    frame->Choose(501);
    EXPECT_EQ(Shared.ClientWidth, 3000);
    EXPECT_EQ(Shared.ClientHeight, 2000);

    // Missing, cut short or out of its range, it is the client area at normal size.
    for (const char* zoom : {"", "3000", "0 2000", "-5 -5"}) {
        WriteCfg("ZOOM.CFG", zoom);
        frame->Choose(502);
        frame->Choose(501);
        EXPECT_EQ(Shared.ClientWidth, 1500) << zoom;
        EXPECT_EQ(Shared.ClientHeight, 1000) << zoom;
        EXPECT_FLOAT_EQ(Shared.Zoom, 5.0f) << zoom;
    }
    std::filesystem::remove(folder.Path() / "CFG/ZOOM.CFG");
    frame->Choose(503);
    EXPECT_EQ(Shared.ClientWidth, 2625);
    EXPECT_NEAR(Shared.Zoom, 8.75, 1e-4); // the fitted 2625 logical units over 300 pixels

    // A fit needs a normal width to scale by: one of 0 fits nothing.
    frame->Choose(501);
    WriteCfg("ZOOM.CFG", "0 2000");
    frame->Choose(503);
    EXPECT_EQ(Shared.ClientWidth, 1500);
    EXPECT_FLOAT_EQ(Shared.Zoom, 5.0f);
    EXPECT_EQ(Shared.DrawingState, 2);
}

TEST_F(ZoomCommands, AZoomSavesOnlyWhatTheDrawingFileDoesNotHoldYet) {
    NewDrawing();
    AddOutline(50);
    Save();
    View().Invalidate(nullptr, true);
    frame->RunPendingPaints();
    // A save replaces the file by a new one; a zoom of the drawing the file holds leaves it alone, and
    // opens it once, for the repaint: what the repaint read is known to be what the file holds.
    const auto file = folder.Path() / "DWGS/HOUSE.DB0";
    struct stat before {};
    ASSERT_EQ(::stat(file.c_str(), &before), 0);
    const std::string held = DrawingFile();
    test_support::OpenCounter opens(file.parent_path());
    for (int command : {502, 503, 501, 503}) {
        frame->Choose(command);
        frame->RunPendingPaints();
        EXPECT_EQ(opens.OpensOf("HOUSE.DB0"), 1) << command;
    }
    struct stat after {};
    ASSERT_EQ(::stat(file.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(DrawingFile(), held);
    EXPECT_EQ(Shared.DrawingState, 2);
    // A change the file does not hold yet (as a key leaves one) is saved by the zoom, as before.
    DrawingList.Edit(DrawingList.count - 1)->colour = 0x0000FF;
    Shared.DrawingState = 3;
    frame->Choose(502);
    EXPECT_NE(DrawingFile(), held);
    EXPECT_NE(DrawingFile().find("255\n"), std::string::npos);
    EXPECT_EQ(Shared.DrawingState, 2);
    // A file removed or replaced since the repaint read it is written again from the list.
    frame->RunPendingPaints();
    frame->Choose(503);
    frame->RunPendingPaints();
    const std::string changed = DrawingFile();
    std::filesystem::remove(file);
    frame->Choose(502);
    EXPECT_EQ(DrawingFile(), changed);
    frame->RunPendingPaints();
    frame->Choose(501);
    frame->RunPendingPaints();
    test_support::WriteFile(file, "0 0 0 0 1 0\n");
    frame->Choose(503);
    EXPECT_EQ(DrawingFile(), changed);
}

TEST_F(ZoomCommands, TheLayoutGridIsRedrawnWithoutReachingTheDrawingFile) {
    NewLayout();
    UseRecorders();
    AddDesignRoom(40, 10000, 20000, 14000, 16000);
    Save();
    const std::string saved = DrawingFile();
    Shared.LayoutGridOn = 1;
    rooms.layoutGrid = [](TList& list) {
        list.Flush();
        for (int x = 10000; x <= 14000; x += 1000) {
            auto line = std::make_unique<TLineobj>();
            line->view = 40;
            line->x1 = x, line->x2 = x, line->y1 = 16000, line->y2 = 20000;
            list.Add(std::move(line));
        }
    };
    RedrawLayoutGrid(View());
    EXPECT_EQ(log, (input_test::Log{"MakeLayoutGrid"}));
    EXPECT_EQ(DrawingFile(), saved);
    EXPECT_EQ(Shared.CurrentView, 40);
    EXPECT_EQ(DrawingList.count, 5);

    // With the grid off the view is repainted; on a floor nothing happens.
    Shared.LayoutGridOn = 0;
    frame->RunPendingPaints();
    log.clear();
    RedrawLayoutGrid(View());
    EXPECT_TRUE(frame->ActiveScriptedView()->HasPendingPaint());
    frame->RunPendingPaints();
    log.clear();
    Shared.CurrentView = 50;
    Shared.LayoutGridOn = 1;
    RedrawLayoutGrid(View());
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(frame->ActiveScriptedView()->HasPendingPaint());
}

} // namespace
