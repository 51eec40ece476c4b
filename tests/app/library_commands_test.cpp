// The Libraries menu as a user works it: a part of the drawing kept as a named symbol, and a symbol
// picked from its library, previewed in the view's corner and handed to the move tool. Until the copy
// and move tools are built, doubles stand in for them where their work is needed: a copy tool whose
// rectangle ends where the real one's does, and (in the view's stage) a move tool that records the
// selection it is given.
#include "app/library_commands.h"

#include "program_fixture.h"
#include "resources/command_ids.h"
#include "settings/cfg_state_files.h"
#include "tools/drawing_tool.h"
#include "tools/tool_kinds.h"
#include "view/child.h"
#include "view/input_test_support.h"

#include <deque>

using test_support::ReadFile;
using test_support::WriteFile;

namespace {

// The copy tool's part of a capture: its press starts the rectangle and its release ends the
// selection. The selection files are the test's to write.
class CopyToolDouble : public TDrawingtool {
  public:
    CopyToolDouble() {
        Kind = tool_kind::Copy;
        Amount() = 1;
    }
    void LButtonDown(platform::DeviceContext&, const platform::Rect&, int, int) override {
        State = TMoveobjtool::RectangleDone;
    }
    void LButtonUp(platform::DeviceContext&, const platform::Rect&, platform::Point&) override {
        State = TMoveobjtool::PlaceSelection;
    }
};

// The library's own drawing: SCROLL.CFG "10 10", a metric sheet of 8000 x 6000 in a 600 x 400 view
// (ScrollX 2500, ScrollY 1700, sheet centre (20000, 13332)) and one line (15000, 11000)-(17500, 11000)
// drawn by a drag, at index 4 after the floor-area records.
class LibraryCommands : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        frame->inputSource = [this](platform::InputEvent& event) {
            if (pending_.empty()) return platform::InputWait::Closed;
            event = pending_.front();
            pending_.pop_front();
            desktop.SetCursorPos(frame->ActiveScriptedView()->ClientToScreen(event.point));
            return platform::InputWait::Input;
        };
        WriteFile(Cfg("SCROLL.CFG"), "10 10");
        WriteFile(Cfg("DWGSIZEM.CFG"), "8000 6000");
        NewDrawing("LIB");
        ASSERT_EQ(Shared.ScrollX, 2500);
        ASSERT_EQ(Shared.ScrollY, 1700);
        frame->Choose(command_id::Line);
        Drag({100, 300}, {200, 300});
        ASSERT_EQ(DrawingList.count, 5);
        ASSERT_EQ(DrawingList[4]->x1, 15000);
        ASSERT_EQ(DrawingList[4]->y2, 11000);
        std::filesystem::create_directories(folder.Path() / "LIBS");
        WriteFile(Library("PASTE.CFG"), "1 0 0 0 1 2\n");
    }

    void Drag(platform::Point from, platform::Point to) {
        TChild* view = Client().ActiveView();
        pending_ = {{platform::InputKind::MouseMove, to, 0, 0, platform::MouseFlag::Left},
                    {platform::InputKind::LeftUp, to, 0, 0, 0}};
        desktop.SetCursorPos(frame->ActiveScriptedView()->ClientToScreen(from));
        view->OnInput({platform::InputKind::LeftDown, from, 0, 0, platform::MouseFlag::Left});
        frame->RunPendingPaints();
    }

    std::filesystem::path Cfg(const std::string& name) const { return folder.Path() / "CFG" / name; }
    std::filesystem::path Library(const std::string& name) const { return folder.Path() / "LIBS" / name; }
    std::string DrawingFile() const { return ReadFile(folder.Path() / "DWGS" / "LIB.DB0"); }
    // The drawing file without its header, whose object count changes with every object.
    std::string DrawingObjects() const {
        const std::string text = DrawingFile();
        return text.substr(text.find('\n') + 1);
    }
    // Every file of the CFG and LIBS folders with its bytes.
    std::map<std::string, std::string> Files() const {
        std::map<std::string, std::string> files;
        for (const char* dir : {"CFG", "LIBS"})
            for (const auto& entry : std::filesystem::directory_iterator(folder.Path() / dir))
                files[entry.path().filename().string()] = ReadFile(entry.path());
        return files;
    }

    // A capture as the copy tool leaves it: the line selected from the rectangle's centre.
    void Capture(std::vector<platform::DialogAnswer::Fill> fills, bool ok = true) {
        CmLibraryAdd(Client());
        Client().InstallTool(std::make_unique<CopyToolDouble>());
        WriteFile(Cfg("COPY.CFG"), "4 16250 11000\n");
        WriteFile(Cfg("TEMP.CFG"), "1\n");
        desktop.QueueDialog({16000,
                             ok ? platform::DialogAnswer::Button::Ok : platform::DialogAnswer::Button::Cancel,
                             std::move(fills)});
        Drag({50, 350}, {250, 250});
    }
    static platform::DialogAnswer::Fill Name(const char* name) {
        return {16001, platform::DialogAnswer::Fill::Kind::Text, name, 0};
    }
    static platform::DialogAnswer::Fill Tick(int control) {
        return {control, platform::DialogAnswer::Fill::Kind::Check, "", 0};
    }
    static platform::DialogAnswer::Fill Choose(int index) {
        return {15501, platform::DialogAnswer::Fill::Kind::Select, "", index};
    }
    void List(platform::DialogAnswer::Button button, std::vector<platform::DialogAnswer::Fill> fills) {
        desktop.QueueDialog({15500, button, std::move(fills)});
    }

    // WC, one line; BATH, two; SHOWER, three: each line 100 long, the n-th at y = 10 n.
    void WritePlumbingLibrary() {
        const auto symbol = [](int lines) {
            std::string text = std::to_string(lines) + " 0 0 2 2 0\n";
            for (int i = 1; i <= lines; ++i)
                text += "1\n1 50 0 0 0 0 100 0 " + std::to_string(10 * i) + " " + std::to_string(10 * i) +
                        " 0 0 0 1 0\n";
            return text;
        };
        WriteFile(Library("WC.PLM"), symbol(1));
        WriteFile(Library("BATH.PLM"), symbol(2));
        WriteFile(Library("SHOWER.PLM"), symbol(3));
        WriteFile(Cfg("LIM.CFG"), "3 0 0 0");
        WriteFile(Cfg("PLBM.CFG"), "2 WC\n4 BATH\n6 SHOWER\n");
    }

  private:
    std::deque<platform::InputEvent> pending_;
};

TEST_F(LibraryCommands, CaptureStartsTheCopyToolWithItsLibraryFlag) {
    CmLibraryAdd(Client());
    EXPECT_EQ(Client().Tool().Kind, tool_kind::Copy);
    EXPECT_EQ(Client().Tool().Amount(), 1);
    EXPECT_EQ(desktop.StatusText(), "click LB just outside one corner and DRAG over new library item");
    EXPECT_EQ(Shared.HelpContext, 330);

    for (int command : {350, 351, 352, 353, 354})
        EXPECT_TRUE(Client().IsCommandEnabled(command)) << command;
}

TEST_F(LibraryCommands, CapturedRectangleBecomesANamedSymbolAndThePickToolFollows) {
    const int serial = Shared.ObjectSerial;
    WriteFile(Cfg("LIM.CFG"), "0 0 0 0");
    WriteFile(Cfg("PLBM.CFG"), "4 BATH\n");
    Capture({Name("WC")});
    EXPECT_EQ(desktop.DialogsRun().back(), 16000);
    EXPECT_EQ(ReadFile(Library("WC.PLM")),
              "1 0 0 2 2 " + std::to_string(serial) + "\n1\n1 50 0 0 -1250 0 1250 0 0 0 0 0 0 1 0\n");
    EXPECT_EQ(ReadFile(Cfg("LIM.CFG")), "2 0 0 0");
    EXPECT_EQ(ReadFile(Cfg("PLBM.CFG")), "4 BATH\n2 WC\n");
    EXPECT_EQ(ReadFile(Library("PASTE.CFG")), "1 0 0 0 1 2\n");
    EXPECT_EQ(Client().Tool().Kind, tool_kind::Pick);
    EXPECT_EQ(desktop.ToolCaption(), "Pick Tool");
    EXPECT_EQ(desktop.StatusText(), "Select a function or drawing tool");
    EXPECT_EQ(DrawingList.count, 5);

    // Furniture keeps its own file and index.
    Capture({Name("WC"), Tick(16004)});
    EXPECT_EQ(ReadFile(Library("WC.FUM")), ReadFile(Library("WC.PLM")));
    EXPECT_EQ(ReadFile(Cfg("FURM.CFG")), "2 WC\n");
    EXPECT_EQ(ReadFile(Cfg("LIM.CFG")), "2 0 1 0");
}

TEST_F(LibraryCommands, CancelledCaptureKeepsNothingAndEndsWithThePickTool) {
    WriteFile(Cfg("LIM.CFG"), "0 0 0 0");
    // The selection files as the capture below writes them.
    WriteFile(Cfg("COPY.CFG"), "4 16250 11000\n");
    WriteFile(Cfg("TEMP.CFG"), "1\n");
    const std::map<std::string, std::string> before = Files();
    Capture({Name("WC")}, false);
    EXPECT_EQ(Files(), before);
    EXPECT_EQ(Client().Tool().Kind, tool_kind::Pick);
    EXPECT_EQ(desktop.ToolCaption(), "Pick Tool");
}

TEST_F(LibraryCommands, PickedSymbolIsPreviewedInTheCornerAndHandedToTheMoveTool) {
    WriteFile(Library("WC.PLM"), "1 0 0 2 2 0\n1\n1 50 0 0 -1250 0 1250 0 0 0 0 0 0 1 0\n");
    WriteFile(Cfg("LIM.CFG"), "1 0 0 0");
    WriteFile(Cfg("PLBM.CFG"), "2 WC\n");
    const std::string objects = DrawingObjects();
    List(platform::DialogAnswer::Button::Ok, {Choose(0)});
    CmLibraryPlumbing(Client());

    const std::vector<std::string>& prompts = desktop.Prompts();
    ASSERT_GE(prompts.size(), 2u);
    EXPECT_EQ(prompts[prompts.size() - 2],
              "click LB to preview choices in bottom left corner, press ENTER when correct");
    // From the reference point ((3000 / 8 + 2500) x 5, (2000 / 6 + 1700) x 5) = (14375, 10165), in a
    // file centred on (20000, 13332).
    EXPECT_EQ(DrawingObjects(), objects + "1\n1 50 0 0 -6875 0 -4375 0 -3167 -3167 0 0 0 1 0\n");
    ASSERT_EQ(DrawingList.count, 6);
    EXPECT_EQ(Client().Tool().Kind, tool_kind::Move);
    EXPECT_EQ(Client().Tool().State, TMoveobjtool::PlaceSelection);
    EXPECT_EQ(desktop.StatusText(), "click reference point on library object & click new position");
    EXPECT_EQ(Shared.HelpContext, 330);
}

TEST_F(LibraryCommands, OnlyTheLastOfSeveralPreviewsStays) {
    WritePlumbingLibrary();
    const std::string objects = DrawingObjects();
    List(platform::DialogAnswer::Button::Ok, {Choose(0), Choose(1), Choose(2)});
    CmLibraryPlumbing(Client());
    ASSERT_EQ(DrawingList.count, 5 + 3);
    EXPECT_EQ(DrawingObjects(), objects + "1\n1 50 0 0 -5625 0 -5525 0 -3157 -3157 0 0 0 1 0\n"
                                          "1\n1 50 0 0 -5625 0 -5525 0 -3147 -3147 0 0 0 1 0\n"
                                          "1\n1 50 0 0 -5625 0 -5525 0 -3137 -3137 0 0 0 1 0\n");
}

TEST_F(LibraryCommands, CancelTakesThePreviewsAwayAndRepaintsTheCorner) {
    WritePlumbingLibrary();
    const std::string file = DrawingFile();
    frame->RunPendingPaints();
    List(platform::DialogAnswer::Button::Cancel, {Choose(2), Choose(0)});
    CmLibraryPlumbing(Client());
    EXPECT_EQ(DrawingList.count, 5);
    EXPECT_EQ(Shared.CurrentView, 50);
    EXPECT_EQ(DrawingFile(), file);
    EXPECT_EQ(Client().Tool().Kind, tool_kind::TextAtRest);
    EXPECT_EQ(desktop.StatusText(), "Select a function or drawing tool");
    EXPECT_EQ(frame->ActiveScriptedView()->PendingArea(), (platform::Rect{0, 133, 150, 400}));
}

TEST_F(LibraryCommands, EachLibraryListsItsOwnGroupInTheDrawingsUnits) {
    WriteFile(Cfg("LIM.CFG"), "0 1 1 1");
    WriteFile(Cfg("ELEM.CFG"), "3 GPO\n");
    WriteFile(Cfg("FURM.CFG"), "4 SOFA\n");
    WriteFile(Cfg("MISM.CFG"), "5 ARROW\n");
    WriteFile(Library("GPO.ELM"), "1 0 0 2 2 0\n1\n1 50 0 0 0 0 1 0 0 0 0 0 0 1 0\n");
    WriteFile(Library("SOFA.FUM"), "1 0 0 2 2 0\n1\n1 50 0 0 0 0 2 0 0 0 0 0 0 1 0\n");
    WriteFile(Library("ARROW.MSM"), "1 0 0 2 2 0\n1\n1 50 0 0 0 0 3 0 0 0 0 0 0 1 0\n");
    int length = 1;
    for (auto command : {CmLibraryElectrical, CmLibraryFurniture, CmLibraryMisc}) {
        List(platform::DialogAnswer::Button::Ok, {Choose(0)});
        command(Client());
        ASSERT_EQ(DrawingList.count, 5 + length);
        EXPECT_EQ(DrawingList[4 + length]->x2, 14375 + length);
        ++length;
    }
}

TEST_F(LibraryCommands, WithoutAViewTheLibrariesLeaveAFreshMoveToolAndShowNothing) {
    frame->CloseAllViews();
    Client().ReleaseClosedViews();
    Shared.DrawingState = 2;
    const std::size_t dialogs = desktop.DialogsRun().size();
    CmLibraryPlumbing(Client());
    EXPECT_EQ(Client().Tool().Kind, tool_kind::Move);
    EXPECT_EQ(Client().Tool().State, 0);
    CmLibraryAdd(Client());
    EXPECT_EQ(Client().Tool().Kind, tool_kind::Move);
    EXPECT_EQ(desktop.DialogsRun().size(), dialogs);

    // Nor do they act without an open drawing.
    Shared.DrawingState = 1;
    Client().SelectPickTool();
    CmLibraryPlumbing(Client());
    CmLibraryAdd(Client());
    EXPECT_EQ(Client().Tool().Kind, tool_kind::Pick);
}

// The insertion seen from the move tool, a recording double: it is given the objects from the first
// preview index on as its selection.
class LibraryInsertion : public input_test::InputView {
  protected:
    void SetUp() override {
        InputView::SetUp();
        std::filesystem::create_directories(folder.Path() / "LIBS");
        AddLine(1, 0, 0, 100, 0);
        test_support::WriteFile(folder.Path() / "LIBS/WC.PLM",
                                "1 0 0 2 2 0\n1\n1 50 0 0 0 0 9 0 0 0 0 0 0 1 0\n");
        test_support::WriteFile(folder.Path() / "CFG/LIM.CFG", "1 0 0 0");
        test_support::WriteFile(folder.Path() / "CFG/PLBM.CFG", "2 WC\n");
    }
    void List(platform::DialogAnswer::Button button, std::vector<platform::DialogAnswer::Fill> fills = {}) {
        desktop.QueueDialog({15500, button, std::move(fills)});
    }
};

TEST_F(LibraryInsertion, OkGivesTheMoveToolThePreviewAsItsSelection) {
    List(platform::DialogAnswer::Button::Ok, {{15501, platform::DialogAnswer::Fill::Kind::Select, "", 0}});
    PlaceLibrarySymbol(*view, 1);
    EXPECT_EQ(log, (input_test::Log{"SelectPickTool", "RestoreTool(78)", "14:AddLineText(1,0)"}));
    EXPECT_EQ(DrawingList.count, 2);
    EXPECT_EQ(Tool().Kind, 14);
    EXPECT_EQ(Tool().State, 2);

    // OK with nothing picked: the selection starts at the end of the list, so it is empty.
    log.clear();
    List(platform::DialogAnswer::Button::Ok);
    PlaceLibrarySymbol(*view, 1);
    EXPECT_EQ(log, (input_test::Log{"SelectPickTool", "RestoreTool(78)", "14:AddLineText(2,0)"}));
    EXPECT_EQ(DrawingList.count, 2);
}

} // namespace
