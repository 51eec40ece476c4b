// What one edit of the user writes: a door of Window & Extnl Doors placed in the partition scenarios'
// house through the command table, the view's input and the scripted dialogs, as the user places it.
// Its edit saves the drawing several times; the file is written once, before the program waits for
// the user again.
#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "model/whole_file.h"
#include "program_fixture.h"
#include "resources/command_ids.h"
#include "test_support.h"

#include <cerrno>
#include <filesystem>
#include <string>

namespace {

using platform::DialogAnswer;
using platform::InputKind;
using Fill = platform::DialogAnswer::Fill;

const std::filesystem::path Partitions = KORVANE_SOURCE_DIR "/tests/scenarios/partitions/fixtures";

class EditSaves : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        std::filesystem::copy_file(Partitions / "INTERN.CFG", folder.Path() / "CFG/INTERN.CFG",
                                   std::filesystem::copy_options::overwrite_existing);
        std::filesystem::copy_file(Partitions / "HOUSE.DB0", folder.Path() / "DWGS/HOUSE.DB0");
        desktop.QueueFile("HOUSE.DB0");
        frame->Choose(command_id::Open);
        frame->RunPendingPaints();
        // The sheet of the partition scenarios, the drawing read again on it: pixel (px, py) is the
        // drawing point (25 px, 25 (400 - py)), the walls run round x 1000..11000, y 1000..9000.
        platform::ScriptedView& view = *frame->ActiveScriptedView();
        view.Handler().OnScroll(platform::ScrollBar::Horizontal, platform::ScrollCode::Top, 0);
        view.Handler().OnScroll(platform::ScrollBar::Vertical, platform::ScrollCode::Bottom, 0);
        Shared.SheetWidth = 8400;
        Shared.SheetHeight = 5940;
        view.Invalidate(nullptr, true);
        frame->RunPendingPaints();
        const std::string drawing = (folder.Path() / "DWGS/HOUSE.DB0").string();
        SetWriteStepHook([this, drawing](WriteStep step, const std::string& path) {
            if (path != drawing || step != WriteStep::Create) return 0;
            ++writes;
            return failWith;
        });
    }
    void TearDown() override {
        SetWriteStepHook({});
        ProgramTest::TearDown();
    }

    void Input(InputKind kind, platform::Point point, int key = 0) {
        platform::ScriptedView& view = *frame->ActiveScriptedView();
        if (platform::IsMouseInput(kind)) desktop.SetCursorPos(view.ClientToScreen(point));
        view.Handler().OnInput({kind, point, key, 0});
        frame->RunPendingPaints();
    }
    // A single external door 820 wide, handing 6, put on the top wall with Enter at pixel x.
    void PlaceDoor(int x) {
        desktop.QueueDialog({6500,
                             DialogAnswer::Button::Ok,
                             {{6512, Fill::Kind::Check, "", 0},
                              {6501, Fill::Kind::Text, "1000", 0},
                              {6502, Fill::Kind::Text, "2100", 0},
                              {6504, Fill::Kind::Uncheck, "", 0},
                              {6505, Fill::Kind::Uncheck, "", 0},
                              {6506, Fill::Kind::Check, "", 0}}});
        desktop.QueueDialog({10500,
                             DialogAnswer::Button::Ok,
                             {{10501, Fill::Kind::Text, "820", 0}, {10504, Fill::Kind::Check, "", 0}}});
        frame->Choose(command_id::WindowAndExtnlDoors);
        frame->RunPendingPaints();
        Input(InputKind::MouseMove, {150, 100});
        Input(InputKind::MouseMove, {x, 40});
        Input(InputKind::KeyDown, {}, 13);
        Input(InputKind::KeyUp, {}, 13);
    }
    std::string DrawingFile() const { return test_support::ReadFile(folder.Path() / "DWGS/HOUSE.DB0"); }

    int writes = 0;   // writes of the drawing file begun
    int failWith = 0; // the error every write of the drawing file fails with, 0 none
};

TEST_F(EditSaves, ADoorIsWrittenOnceAndAFailedSaveOfItsEditIsToldOnce) {
    PlaceDoor(200);
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(DrawingFile(), test_support::ReadFile(Partitions / "DOOR.DB0"));
    EXPECT_TRUE(desktop.Messages().empty());

    // The disk refuses the next door: told once for all the saves of its edit, the last good drawing
    // kept.
    failWith = EIO;
    PlaceDoor(300);
    ASSERT_EQ(desktop.Messages().size(), 1u);
    EXPECT_EQ(desktop.Messages()[0].text, "The drawing could not be saved to HOUSE.DB0");
    EXPECT_EQ(desktop.Messages()[0].caption, "SAVE");
    EXPECT_EQ(DrawingFile(), test_support::ReadFile(Partitions / "DOOR.DB0"));
}

} // namespace
