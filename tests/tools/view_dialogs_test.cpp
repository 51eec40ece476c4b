// The dialogs run for a view, as a user answers them: the About box, the text beside a line and the
// second line of an internal wall or double line, and what each leaves for the tool and the view.
#include "tools/view_dialogs.h"

#include "settings/settings_test_support.h"
#include "tools/drawing_tool.h"
#include "tools/drawing_view.h"

namespace {

// A view that keeps its repaints; the line tool stands for whichever tool is active.
class DialogView : public DrawingView {
  public:
    platform::ViewWindow* Window() const override { return nullptr; }
    platform::Rect ClientRect() const override { return {0, 0, 600, 400}; }
    void Invalidate(const platform::Rect* area, bool erase) override {
        repaints.push_back(std::string(area ? "area" : "whole view") + (erase ? " erased" : " not erased"));
    }
    platform::Point CursorInClient() const override { return {}; }
    void PutCursorOn(platform::Point) override {}
    TDrawingtool& Tool() override { return tool; }
    void SelectPickTool() override {}
    void RestoreTool(int) override {}

    TLineobjtool tool;
    std::vector<std::string> repaints;
};

class ViewDialogs : public SettingsTest {
  protected:
    ViewDialogs() {
        std::filesystem::create_directories(folder_.Path() / "DWGS");
        DrawingList.DrawingName = "HOUSE";
        auto line = std::make_unique<TLineobj>();
        line->view = 50;
        line->x2 = 2500;
        DrawingList.Add(std::move(line));
        WriteCfg("LTEXT.CFG", "1 3/nOLD");
    }
    ~ViewDialogs() override { DrawingList.Flush(); }

    std::filesystem::path Drawing() const { return folder_.Path() / "DWGS" / "HOUSE.DB0"; }

    DialogView view;
};

TEST_F(ViewDialogs, LineTextIsKeptOnlyWhenOneTo21CharactersAreGiven) {
    // Accepted empty: nothing written, so the line takes the text before; the drawing was saved first.
    Ok(2690);
    RunViewDialog(view, 8);
    EXPECT_EQ(ReadCfg("LTEXT.CFG"), "1 3/nOLD");
    EXPECT_NE(test_support::ReadFile(Drawing()).find("\n1 50 0 0 "), std::string::npos);
    EXPECT_EQ(view.tool.Y1, 0);

    Ok(2690, {Type(2691, "AB CD"), Click(2693)});
    RunViewDialog(view, 8);
    EXPECT_EQ(ReadCfg("LTEXT.CFG"), "2 5/nAB CD");
    EXPECT_TRUE(Ticked(2690, 2692)); // the first side is offered on opening

    // The edit takes 21 characters at most.
    Ok(2690, {Type(2691, "ABCDEFGHIJKLMNOPQRSTUVWXYZ")});
    RunViewDialog(view, 8);
    EXPECT_EQ(ReadCfg("LTEXT.CFG"), "1 21/nABCDEFGHIJKLMNOPQRSTU");

    // Cancelled: no line text, and the file stays.
    Cancel(2690, {Type(2691, "XY")});
    RunViewDialog(view, 8);
    EXPECT_EQ(view.tool.Y1, TLineobjtool::NoLineText);
    EXPECT_EQ(ReadCfg("LTEXT.CFG"), "1 21/nABCDEFGHIJKLMNOPQRSTU");
    EXPECT_TRUE(view.repaints.empty());
}

TEST_F(ViewDialogs, SecondLineSideGoesToTheToolWithThePrompt) {
    view.DatumState = 3;
    Ok(7000, {Type(7005, "110"), Click(7002)});
    RunViewDialog(view, 9);
    EXPECT_EQ(view.tool.SecondLineSide(), 2); // right of the first line
    EXPECT_EQ(desktop_.StatusText(), "select the spacing to and relative position of second line");
    EXPECT_EQ(view.DatumState, 3); // a metric drawing keeps its readout
    EXPECT_EQ(ReadCfg("PTNM.CFG"), "110");
    EXPECT_EQ(desktop_.DialogsRun(), std::vector<int>{7000});

    // Feet and inches: the twin dialog, and the readout starts again from 0.
    Shared.Units = 0;
    Ok(7500, {Click(7503)});
    RunViewDialog(view, 9);
    EXPECT_EQ(view.tool.SecondLineSide(), 1); // above
    EXPECT_EQ(view.DatumState, 1);
    EXPECT_EQ(desktop_.ReadoutText(), "0");
    EXPECT_EQ(desktop_.DialogsRun(), (std::vector<int>{7000, 7500}));
    EXPECT_TRUE(view.repaints.empty());

    // Cancelled: the side stays and the view repaints where the dialog was, without erasing.
    desktop_.SetStatusText("before");
    Cancel(7500, {Click(7504)});
    RunViewDialog(view, 9);
    EXPECT_EQ(view.tool.SecondLineSide(), 1);
    EXPECT_EQ(desktop_.StatusText(), "before");
    EXPECT_EQ(view.repaints, std::vector<std::string>{"whole view not erased"});
}

TEST_F(ViewDialogs, AboutIsModeTwoAndOtherModesRunNothing) {
    Ok(9030);
    RunViewDialog(view, 2);
    EXPECT_EQ(desktop_.DialogsRun(), std::vector<int>{9030});
    for (int mode : {0, 1, 3, 4, 7, 10, -1})
        RunViewDialog(view, mode);
    EXPECT_EQ(desktop_.DialogsRun().size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(Drawing()));
    EXPECT_EQ(view.tool.Y1, 0);
    EXPECT_TRUE(view.repaints.empty());
}

} // namespace
