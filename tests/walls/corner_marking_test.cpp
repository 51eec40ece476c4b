// Marking the external-wall corners on the room layout as the user does it: Enter on each inner corner,
// clockwise, and back on the first; the marks become the ground floor's walls outside them, centred on
// the sheet. The view is 840 x 594 pixels over the sheet 8400 x 5940, so client pixel (px, py) is the
// drawing point (10500 + 25 px, 7500 + 25 (594 - py)).
#include "model/drawing_list.h"
#include "platform/input.h"
#include "program_fixture.h"
#include "tools/line_tool.h"
#include "tools/tool_kinds.h"
#include "view/child.h"
#include "walls/plan_dialogs.h"

#include <gtest/gtest.h>

namespace {

class CornerMarking : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        test_support::WriteFile(folder.Path() / "CFG" / "DWGSIZEM.CFG", "8400 5940");
        test_support::WriteFile(folder.Path() / "CFG" / "SCROLL.CFG", "10 10");
        test_support::WriteFile(folder.Path() / "CFG" / "EXTWALLM.CFG", "110 55 110 25 2550 2400 2400 0 0 0");
        frame->SetViewClientSize({840, 594});
        NewDrawing();
        // As Mark External Walls leaves it: the marking view, the corner-mark tool, the wall type asked.
        Shared.CurrentView = 45;
        auto marks = std::make_unique<TLineobjtool>();
        marks->Kind = tool_kind::CornerMarks;
        marks->Dragging = 1;
        marks->Counter() = 3;
        marks->WallDirection() = 1;
        Client().InstallTool(std::move(marks));
        platform::DialogAnswer type;
        type.resourceId = 2480;
        type.fills = {{2481, platform::DialogAnswer::Fill::Kind::Check, "", 0}};
        desktop.QueueDialog(type);
        RunPlanDialog(*Client().ActiveView(), 4);
        frame->RunPendingPaints();
    }
    void EnterAt(int x, int y) {
        platform::ScriptedView* view = frame->ActiveScriptedView();
        ASSERT_NE(view, nullptr);
        desktop.SetCursorPos(view->ClientToScreen({x, y}));
        view->Handler().OnInput(platform::InputEvent{platform::InputKind::KeyDown, {}, 13, 0});
        view->Handler().OnInput(platform::InputEvent{platform::InputKind::KeyUp, {}, 13, 0});
        frame->RunPendingPaints();
    }
    static std::vector<const TExtwallobj*> Walls() {
        std::vector<const TExtwallobj*> walls;
        for (int i = 0; i < DrawingList.count; ++i)
            if (DrawingList[i]->type == 1000)
                walls.push_back(dynamic_cast<const TExtwallobj*>(DrawingList[i]));
        return walls;
    }
};

TEST_F(CornerMarking, MarksEnteredClockwiseBecomeTheGroundFloorsWalls) {
    EXPECT_EQ(test_support::ReadFile(folder.Path() / "CFG" / "EXTWALLM.CFG"),
              "110 55 110 0 0 2400 2400 0 0 0");
    EnterAt(60, 174);
    EnterAt(282, 174);
    EnterAt(282, 396);
    EnterAt(60, 396);
    EnterAt(60, 174);
    EXPECT_EQ(Shared.CurrentView, 50);
    DrawingList.Flush();
    DrawingList.ReadDrawing();
    int marks = 0;
    for (int i = 0; i < DrawingList.count; ++i)
        if (DrawingList[i]->type == 11) ++marks;
    EXPECT_EQ(marks, 0);
    const std::vector<const TExtwallobj*> walls = Walls();
    ASSERT_EQ(walls.size(), 4u);
    for (const TExtwallobj* wall : walls) {
        EXPECT_EQ(wall->number, 6100); // 5550 + 2 x 275
        EXPECT_EQ(wall->z1, 0);
        EXPECT_EQ(wall->z2, 0);
        EXPECT_EQ(wall->view, 50);
    }
    // Centred: the box (11725..17825) x (12175..18275) moved by (6225, -375) onto the sheet's centre
    // (21000, 14850).
    const TExtwallobj& north = *walls[0];
    EXPECT_EQ(std::vector<int>({north.x1, north.y1, north.x2, north.y2}),
              std::vector<int>({17950, 17900, 24050, 17900}));
    EXPECT_EQ(std::vector<int>({north.f3x1, north.f3y1, north.f3x2, north.f3y2}),
              std::vector<int>({18225, 17625, 23775, 17625}));
    // The pick tool took over, and reporting the area leaves it with the reported kind.
    EXPECT_EQ(Client().Tool().Kind, tool_kind::FloorAreaReported);
    EXPECT_EQ(Shared.DisplayMode, 0);
    EXPECT_EQ(DrawingList.GetArea(), 37); // the outer lines enclose 6100 x 6100
    ASSERT_EQ(desktop.Messages().size(), 1u);
    EXPECT_EQ(desktop.Messages()[0].text,
              "Area and Dimensions should be checked manually\nTotal Building Area this floor: 37 sq. metres");
    EXPECT_EQ(desktop.Messages()[0].caption, "External Area");
}

} // namespace
