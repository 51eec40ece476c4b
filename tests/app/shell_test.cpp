// The program's shell driven directly: the client's commands and tools, the views' refreshes, and the
// resources that describe the main window.
#include "app/command_table.h"
#include "app/draw_commands.h"
#include "app/file_commands.h"
#include "app/out_of_memory.h"
#include "app/program.h"
#include "app/program_folder.h"
#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "partitions/door_tool.h"
#include "platform/qt/text_renderer_factory.h"
#include "platform/scripted_desktop.h"
#include "platform/scripted_windows.h"
#include "program_fixture.h"
#include "resources/command_ids.h"
#include "resources/menu_resources.h"
#include "test_support.h"
#include "tools/drawing_tool.h"
#include "tools/view_support.h"
#include "view/child.h"
#include "walls/extwall_tool.h"

#include <gtest/gtest.h>

#include <stdexcept>

using platform::MenuItem;
using platform::ToolbarItem;

namespace {

using Shell = ProgramTest;

std::string Describe(const std::vector<MenuItem>& items, int depth = 0) {
    std::string out;
    for (const MenuItem& item : items) {
        out += std::string(static_cast<std::size_t>(depth) * 2, ' ');
        if (item.separator)
            out += "-\n";
        else if (!item.items.empty())
            out += item.text + "\n" + Describe(item.items, depth + 1);
        else
            out += item.text + " (" + std::to_string(item.command) + ")\n";
    }
    return out;
}

} // namespace

TEST(MainWindowResources, MenuTwoHundredHoldsEveryPullDownInOrder) {
    std::string menu = Describe(MainMenu());
    EXPECT_EQ(menu.substr(0, menu.find("View\n")),
              "File\n  New... (230)\n  Open... (231)\n  Save As... (232)\n  Rotate/Mirror Drawings... (233)\n"
              "  Save as a bitmap .BMP (235)\n  -\n  Print... (250)\n  Printer Setup... (251)\n  -\n  Exit "
              "(24310)\n");
    EXPECT_NE(
        menu.find("Walls && Base\n  External Walls\n    Lengthen (External Wall) (416)\n"
                  "    Shorten (External Wall) (417)\n    Split (External Wall) (422)\n"
                  "    Change External wall type (426)\n    -\n    DELETE External Wall (418)\n"
                  "  Internal Walls\n    Draw Internal Wall (415)\n    Opening (Internal Wall)... (378)\n"
                  "  Floorplan Base\n    Expand Floorplan (419)\n    Shrink Floorplan (420)\n"),
        std::string::npos);
    EXPECT_NE(
        menu.find("Help\n  Introduction (529)\n  Contents (202)\n  Search for (208)\n  Context help (203)\n"
                  "  Examples (205)\n  Hints,reminders (204)\n  How to..... (206)\n  Quick start (207)\n  -\n"
                  "  About (201)\n"),
        std::string::npos);
    std::vector<std::string> pullDowns;
    for (const MenuItem& item : MainMenu())
        pullDowns.push_back(item.text);
    EXPECT_EQ(pullDowns,
              (std::vector<std::string>{"File", "View", "Zoom", "Edit", "Tools", "Walls && Base",
                                        "Design Rooms", "Other", "Customise", "Libraries", "Help"}));
}

TEST(MainWindowResources, ToolbarButtonsComeInOrderWithTheirTooltips) {
    std::vector<std::string> seen;
    for (const ToolbarItem& item : MainToolbar()) {
        if (item.kind == ToolbarItem::Kind::Separator)
            seen.push_back("|" + std::to_string(item.size));
        else if (item.kind == ToolbarItem::Kind::Readout)
            seen.push_back("readout " + std::to_string(item.size));
        else
            seen.push_back(std::to_string(item.glyph) + " " + CommandTooltip(item.command));
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"1001 Undo Last Object",
                                              "|6",
                                              "1002 Set Datum Reference Point",
                                              "1003 Find Centre of Line",
                                              "1004 Find Centre of Rectangle",
                                              "1005 Delete",
                                              "|6",
                                              "1006 Display Mode",
                                              "1010 Overlays",
                                              "|6",
                                              "1012 Text Style",
                                              "1014 Draw Multiple Lines",
                                              "|6",
                                              "readout 16",
                                              "|6",
                                              "1015 Windows",
                                              "1020 Draw Complete Room",
                                              "1017 Internal Wall",
                                              "1016 Internal Single Door",
                                              "1018 Other Internal Doors",
                                              "1019 Opening in Internal Wall",
                                              "|10",
                                              "1028 New DESIGN Room",
                                              "1029 Max Design Room Size",
                                              "1027 Mark External Wall",
                                              "1011 Layout Grid Toggle"}));
    EXPECT_EQ(CommandHint(530), "***LAYOUT GRID*** - Toggles ROOM LAYOUT grid on/off");
    EXPECT_EQ(CommandHint(232), "***SAVE FILE AS***  - Save this drawing to a different name");
    EXPECT_EQ(CommandTooltip(232), "");
}

TEST_F(Shell, StartsWithTheStartUpValuesAndTexts) {
    EXPECT_EQ(program->Description().title, "Korvane 5.0");
    EXPECT_EQ(desktop.Prompts(),
              (std::vector<std::string>{"press F1 for context help", "Press FILE/NEW or FILE/OPEN"}));
    EXPECT_EQ(desktop.ReadoutText(), "cursor distance");
    EXPECT_EQ(Client().Tool().Kind, 1);
    EXPECT_EQ(Client().Tool().LineWidth(), 1);
    EXPECT_EQ(DrawingList.ProgramDir, folder.Path().string() + "/");
}

TEST(CommandTable, RefusesASecondHandlerForOneCommand) {
    // Two menu areas claiming one id would leave one of them dead without a word.
    CommandTable table;
    table.Add(command_id::Line, CmLine);
    EXPECT_THROW(table.Add(command_id::Line, CmArc), std::logic_error);
    EXPECT_EQ(table.Find(command_id::Line), &CmLine);
    EXPECT_EQ(table.Find(command_id::Arc), nullptr);
}

TEST_F(Shell, GreyedCommandsDoNothing) {
    NewDrawing();
    int kind = Client().Tool().Kind;
    std::string caption = desktop.ToolCaption();
    for (int command : {9999}) {
        EXPECT_FALSE(Client().IsCommandEnabled(command)) << command;
        EXPECT_FALSE(frame->Choose(command)) << command;
    }
    EXPECT_EQ(Client().Tool().Kind, kind);
    EXPECT_EQ(desktop.ToolCaption(), caption);
    for (int command :
         {201, 202, 203, 230, 231, 232, 233, 235, 250, 251, 270, 274, 275, 276, 277, 278, 279, 280, 287,  310,
          311, 312, 313, 317, 330, 342, 343, 372, 410, 413, 430, 470, 500, 501, 520, 521, 527, 530, 24310})
        EXPECT_TRUE(Client().IsCommandEnabled(command)) << command;
}

TEST_F(Shell, LineKeepsTheStyleOfTheToolInUse) {
    NewDrawing();
    Client().CurrentTool->LineStyle() = 1;
    frame->Choose(270);
    EXPECT_EQ(desktop.ToolCaption(), "1,LINE dash");
    EXPECT_EQ(Client().Tool().LineStyle(), 1);
    EXPECT_EQ(Client().Tool().Kind, 1);
    EXPECT_EQ(Shared.HelpContext, 240);

    Client().CurrentTool->LineStyle() = 3;
    Shared.PenWidth = 2;
    frame->Choose(270);
    EXPECT_EQ(desktop.ToolCaption(), "2,LINE dotdash");
    EXPECT_EQ(Client().Tool().LineWidth(), 2);

    frame->Choose(275); // an arc tool has style 0
    frame->Choose(270);
    EXPECT_EQ(desktop.ToolCaption(), "2,LINE solid");
}

TEST_F(Shell, RestoreToolRebuildsToolsFromTheirKind) {
    NewDrawing();
    Client().RestoreTool(7);
    EXPECT_EQ(Client().Tool().Kind, 1);
    EXPECT_EQ(desktop.ToolCaption(), "1,LINE solid");
    Client().RestoreTool(78);
    EXPECT_NE(dynamic_cast<TMoveobjtool*>(&Client().Tool()), nullptr);
    EXPECT_EQ(Client().Tool().Kind, 14);
    Client().RestoreTool(85);
    EXPECT_EQ(Client().Tool().Kind, 1);
    Client().RestoreTool(1000);
    EXPECT_NE(dynamic_cast<TExtwallobjtool*>(&Client().Tool()), nullptr);
    Client().RestoreTool(62);
    EXPECT_EQ(Client().Tool().Kind, 62);
    EXPECT_NE(dynamic_cast<TDoorobjtool*>(&Client().Tool()), nullptr);

    std::string caption = desktop.ToolCaption();
    Client().RestoreTool(21);
    EXPECT_EQ(Client().Tool().Kind, 21);
    EXPECT_EQ(desktop.StatusText(), "pick tool");
    EXPECT_EQ(desktop.ToolCaption(), caption);

    Client().SelectPickTool();
    EXPECT_EQ(desktop.ToolCaption(), "Pick Tool");
    EXPECT_EQ(desktop.StatusText(), "Select a function or drawing tool");
    EXPECT_EQ(Shared.HelpContext, 500);
}

TEST_F(Shell, PaintWhileReopeningOrMinimisedLeavesTheListAlone) {
    NewDrawing();
    TChild* view = Client().ActiveView();
    ASSERT_NE(view, nullptr);
    DrawingList.Flush();
    DrawingList.ReadDrawing();
    int count = DrawingList.count;
    ASSERT_EQ(count, 4);

    Shared.DrawingState = 1;
    platform::RecordingSurface surface;
    platform::DeviceContext dc(surface);
    view->Paint(dc, true, view->ClientRect());
    EXPECT_TRUE(surface.Calls().empty());
    EXPECT_EQ(DrawingList.count, count);

    Shared.DrawingState = 2;
    auto* window = static_cast<platform::ScriptedView*>(view->Window());
    window->Resize({0, 400});
    DrawingList.Flush();
    view->Paint(dc, true, view->ClientRect());
    EXPECT_EQ(DrawingList.count, 0); // nothing read, nothing painted
    EXPECT_TRUE(surface.Calls().empty());
}

TEST_F(Shell, RefreshModesInvalidateTheirAreas) {
    NewDrawing();
    TChild* view = Client().ActiveView();
    ASSERT_NE(view, nullptr);
    auto* window = static_cast<platform::ScriptedView*>(view->Window());
    frame->RunPendingPaints();
    ASSERT_FALSE(window->HasPendingPaint());

    RefreshView(*view, 3); // the lower-left corner where library previews are drawn
    EXPECT_EQ(window->PendingArea(), (platform::Rect{0, 133, 150, 400}));
    frame->RunPendingPaints();
    RefreshView(*view, 7); // not a refresh mode
    EXPECT_FALSE(window->HasPendingPaint());
    RefreshView(*view, 0);
    EXPECT_EQ(window->PendingArea(), (platform::Rect{0, 0, 600, 400}));
    RefreshView(*view, 9); // paints before it returns
    EXPECT_FALSE(window->HasPendingPaint());

    // The tool's last box, in drawing units, turned into pixels and normalised.
    int* box = Client().CurrentTool->PrevBox();
    box[0] = 15000; // x from
    box[1] = 13000; // x to
    box[2] = 10000; // y from
    box[3] = 12500; // y to
    RefreshView(*view, 15);
    int left = (13000 / 5 - Shared.ScrollX) / 5;
    int right = (15000 / 5 - Shared.ScrollX) / 5;
    int top = 400 - (12500 / 5 - Shared.ScrollY) / 5;
    int bottom = 400 - (10000 / 5 - Shared.ScrollY) / 5;
    EXPECT_EQ(window->PendingArea(), (platform::Rect{left, top, right, bottom}));
}

TEST_F(Shell, ALineScrollMovesThePixelsAndPaintsOnlyTheUncoveredStrip) {
    test_support::WriteFile(folder.Path() / "CFG/SCROLL.CFG", "10 10");
    test_support::WriteFile(folder.Path() / "CFG/DWGSIZEM.CFG", "8000 6000");
    NewDrawing();
    TChild* view = Client().ActiveView();
    ASSERT_NE(view, nullptr);
    auto* window = static_cast<platform::ScriptedView*>(view->Window());
    frame->RunPendingPaints();
    // Mark the image so that a shift shows.
    auto dc = window->ClientDC();
    dc->FillDeviceRect({300, 100, 301, 101}, platform::Rgb(255, 0, 0));
    dc.reset();
    int x = Shared.ScrollX;
    view->OnScroll(platform::ScrollBar::Horizontal, platform::ScrollCode::LineDown, 0);
    EXPECT_EQ(view->scroller.XPos, 51);
    EXPECT_EQ(Shared.ScrollX, x + 50); // one unit: Zoom 5 x 10 pixels
    EXPECT_EQ(window->LastPaintedArea(), (platform::Rect{590, 0, 600, 400}));
    EXPECT_EQ(window->Image().Pixel(290, 100), platform::PixelFromColour(platform::Rgb(255, 0, 0)));
    EXPECT_EQ(window->Thumb(platform::ScrollBar::Horizontal), 51);
    // A page is 59 units of 10 pixels; the range stops this one at 100.
    view->OnScroll(platform::ScrollBar::Horizontal, platform::ScrollCode::PageDown, 0);
    EXPECT_EQ(view->scroller.XPos, 100);
    EXPECT_EQ(window->LastPaintedArea(), (platform::Rect{110, 0, 600, 400}));
    // A move of a page or more paints the whole view.
    view->OnScroll(platform::ScrollBar::Horizontal, platform::ScrollCode::Top, 0);
    EXPECT_EQ(window->LastPaintedArea(), (platform::Rect{0, 0, 600, 400}));
}

TEST_F(Shell, SelectViewMessagePutsTheCursorBack) {
    NewDrawing();
    TChild* view = Client().ActiveView();
    ASSERT_NE(view, nullptr);
    desktop.SetCursorPos({123, 234});
    ShowSelectViewMessage(*view, 2);
    ASSERT_FALSE(desktop.Messages().empty());
    EXPECT_EQ(desktop.Messages().back().text, "Select VIEW then the correct floor PLAN first");
    EXPECT_EQ(desktop.Messages().back().caption, "");
    EXPECT_EQ(desktop.GetCursorPos(), (platform::Point{123, 234}));
}

TEST_F(Shell, OpeningAViewBeyondEightClosesTheOthersFirst) {
    NewDrawing();
    for (int i = 0; i < 8; ++i)
        Client().OpenView(1, ".PL1");
    EXPECT_EQ(frame->Views().size(), 9u);
    Client().OpenView(0, ".PL2");
    EXPECT_EQ(frame->Views().size(), 1u);
    EXPECT_EQ(frame->ActiveView()->Title(), "HOUSE.PL2");
    EXPECT_EQ(Client().Tool().Kind, 21);
    EXPECT_EQ(desktop.ToolCaption(), "Pick Tool");
    EXPECT_EQ(desktop.StatusText(), "press F1 for HELP");
    EXPECT_EQ(desktop.ReadoutText(), "0");
}

TEST_F(Shell, ExitSavesTheDrawingInHandAndClosesHelpAndFrame) {
    NewDrawing();
    std::string path = folder.Path().string() + "/DWGS/HOUSE.DB0";
    std::remove(path.c_str());
    DrawingList.ReadDrawing(); // nothing: the file is gone
    CreateInfoObjects();
    frame->Choose(24310);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(DrawingList.count, 0);
    ASSERT_FALSE(desktop.HelpShown().empty());
    EXPECT_EQ(desktop.HelpShown().back().first, platform::Desktop::HelpCommand::Quit);
    EXPECT_TRUE(frame->Closed());
}

TEST_F(Shell, HelpCommandsOpenTheirTopics) {
    frame->Choose(529);
    frame->Choose(207);
    frame->Choose(202);
    frame->Choose(208);
    using H = platform::Desktop::HelpCommand;
    EXPECT_EQ(desktop.HelpShown(),
              (std::vector<std::pair<H, int>>{
                  {H::Context, 400}, {H::Context, 107}, {H::Contents, 500}, {H::Search, 0}}));
    NewDrawing();
    frame->Choose(203);
    EXPECT_EQ(desktop.HelpShown().back(), (std::pair<H, int>{H::Context, 250}));
}

TEST(OutOfMemory, TellsTheUserAndEndsTheProgram) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer's allocator reports a failed allocation itself";
#endif
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            platform::ScriptedDesktop desktop;
            platform::InstallDesktop(&desktop);
            InstallOutOfMemoryHandler();
            std::size_t huge = static_cast<std::size_t>(1) << 62;
            volatile char* block = new char[huge];
            block[0] = 1;
        },
        testing::ExitedWithCode(EXIT_FAILURE), "not enough memory");
}

TEST_F(Shell, ViewsShowTheCrossCursorAndTypedTextTheTextCursorUntilItEnds) {
    NewDrawing();
    TChild* view = Client().ActiveView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->Window()->GetCursorShape(), platform::CursorShape::Cross);
    platform::DialogAnswer typed;
    typed.resourceId = 2300;
    typed.fills = {{2302, platform::DialogAnswer::Fill::Kind::Check, "", 0}};
    desktop.QueueDialog(typed);
    frame->Choose(274);
    EXPECT_EQ(Client().Tool().Kind, 24);
    view->OnInput({platform::InputKind::LeftDown, {100, 200}, 0, 0});
    view->OnInput({platform::InputKind::LeftUp, {100, 200}, 0, 0});
    EXPECT_EQ(view->Window()->GetCursorShape(), platform::CursorShape::IBeam);

    // A line typed and its Enter keep the text cursor; the second Enter ends the text and brings the
    // cross back.
    for (char typedCharacter : {'A', '\r'})
        view->OnInput({platform::InputKind::Char, {}, 0, typedCharacter});
    EXPECT_EQ(view->Window()->GetCursorShape(), platform::CursorShape::IBeam);
    view->OnInput({platform::InputKind::Char, {}, 0, '\r'});
    EXPECT_EQ(desktop.ToolCaption(), "None");
    EXPECT_EQ(view->Window()->GetCursorShape(), platform::CursorShape::Cross);
}
