// Edits as the user waits for them: each step a user takes, through the program's own command table,
// view input and dialogs (a scripted desktop answers them), up to the view shown again: the edit, the
// save of the drawing, and the repaint that reads the drawing back and paints the floor. The drawing is
// the house of the partition scenarios (tests/scenarios/partitions/fixtures/HOUSE.DB0, four external
// walls round x 1000..11000, y 1000..9000) with 100 000 generated objects of every class on the first
// floor: every save writes them and every repaint reads them, while the ground floor's view stays the
// house's.
//
// Goal, on one core: each edit under 80 ms from the key or click to the view shown again.
//
// Each benchmark times one edit an iteration and puts the drawing file back as it was, untimed, so every
// edit meets the same drawing.
#include "app/program.h"
#include "app/program_folder.h"
#include "bench_goal.h"
#include "headless_program.h"
#include "mixed_drawing.h"
#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "model/whole_file.h"
#include "platform/qt/text_renderer_factory.h"
#include "platform/scripted_desktop.h"
#include "platform/scripted_windows.h"
#include "resources/command_ids.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

constexpr int Objects = 100000;
constexpr double EditGoal = 80.0;

using platform::DialogAnswer;
using Fill = platform::DialogAnswer::Fill;

// The program over a folder holding the house and the generated first floor, opened at normal size
// over the sheet's lower-left corner in a view of 600 x 400 pixels, where pixel (px, py) is the drawing
// point (25 px, 25 (400 - py)).
class EditFixture {
  public:
    EditFixture() : text_(platform::qt::MakeTextRenderer()) {
        folder_ =
            std::filesystem::temp_directory_path() / ("korvane-edit-bench-" + std::to_string(::getpid()));
        std::string error;
        PrepareProgramFolder(folder_.string() + "/", error);
        const std::filesystem::path fixtures = KORVANE_SOURCE_DIR "/tests/scenarios/partitions/fixtures";
        std::filesystem::copy_file(fixtures / "INTERN.CFG", folder_ / "CFG/INTERN.CFG",
                                   std::filesystem::copy_options::overwrite_existing);
        std::filesystem::copy_file(fixtures / "HOUSE.DB0", folder_ / "DWGS/HOUSE.DB0",
                                   std::filesystem::copy_options::overwrite_existing);
        ResetSharedState();
        platform::InstallDesktop(&desktop_);
        program_ =
            std::make_unique<HeadlessProgram>(folder_.string(), *text_, desktop_, platform::Size{600, 400});
        // The first floor's objects join the house, on the sheet its file is stored on.
        UseBenchSheet();
        DrawingList.DrawingName = "HOUSE";
        DrawingList.Flush();
        DrawingList.ReadDrawing();
        for (int i = 0; i < Objects; ++i) {
            std::unique_ptr<TObject> object = MixedObject(i, 1);
            object->view = 51;
            DrawingList.Add(std::move(object));
        }
        DrawingList.WriteDrawing();
        DrawingList.Flush();
        Open();
    }
    ~EditFixture() {
        program_.reset();
        platform::InstallDesktop(nullptr);
        DrawingList.Flush();
        ResetSharedState();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    platform::ScriptedDesktop& Desktop() { return desktop_; }
    void Command(int id) { program_->Command(id); }
    void Input(platform::InputKind kind, platform::Point point = {}, int key = 0) {
        program_->Input(kind, point, key);
    }
    void Queue(platform::InputKind kind, platform::Point point) { program_->Queue(kind, point); }
    // The whole view painted again: for an edit that draws its objects at once and leaves the view to
    // its next paint, the re-read and repaint the goal counts.
    void Repaint() {
        program_->View().Invalidate(nullptr, true);
        program_->Settle();
    }
    void Move(int x, int y) { Input(platform::InputKind::MouseMove, {x, y}); }
    void Key(int key) {
        Input(platform::InputKind::KeyDown, {}, key);
        Input(platform::InputKind::KeyUp, {}, key);
    }
    void Click(int x, int y) {
        Input(platform::InputKind::LeftDown, {x, y});
        Input(platform::InputKind::LeftUp, {x, y});
    }
    std::string Drawing() const {
        std::string bytes;
        ReadWholeFile((folder_ / "DWGS/HOUSE.DB0").string(), bytes);
        return bytes;
    }
    // The drawing file as it was, and the view painted from it.
    void Restore(const std::string& bytes) {
        ReplaceFileAtomically((folder_ / "DWGS/HOUSE.DB0").string(), bytes);
        Repaint();
        // A fresh pick tool: a fourth undo in a row would only suggest the erase tool.
        program_->program().Client().SelectPickTool();
    }

  private:
    // File/Open of the house, scrolled to the sheet's lower-left corner on the sheet the scenarios use.
    // The open read the drawing on the sheet of the window's set-up: a repaint reads it again on this
    // one, where the tools look for its walls (a window's Enter finds none before).
    void Open() {
        desktop_.QueueFile("HOUSE.DB0");
        Command(command_id::Open);
        platform::ViewHandler& view = program_->View().Handler();
        view.OnScroll(platform::ScrollBar::Horizontal, platform::ScrollCode::Top, 0);
        view.OnScroll(platform::ScrollBar::Vertical, platform::ScrollCode::Bottom, 0);
        Shared.SheetWidth = 8400;
        Shared.SheetHeight = 5940;
        Repaint();
    }

    std::filesystem::path folder_;
    std::unique_ptr<platform::TextRenderer> text_;
    platform::ScriptedDesktop desktop_;
    std::unique_ptr<HeadlessProgram> program_;
};

// Times `edit` (which must change the drawing file) and puts the drawing back as it was before it,
// untimed: the file restored and the view painted from it.
void TimeEdits(benchmark::State& state, EditFixture& fixture, const std::function<void()>& edit) {
    const std::string drawing = fixture.Drawing();
    double untimed = 0;
    GoalClock clock;
    for (auto _ : state) {
        edit();
        state.PauseTiming();
        GoalClock back;
        const bool changed = fixture.Drawing() != drawing;
        fixture.Restore(drawing);
        untimed += back.Milliseconds();
        state.ResumeTiming();
        if (!changed) {
            state.SkipWithError("the edit changed nothing");
            return;
        }
    }
    // The goal is checked against the timed part alone.
    GoalClock timed = clock;
    timed.start += std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double, std::milli>(untimed));
    StateGoal(state, timed, EditGoal);
}

void Undo(EditFixture& fixture) {
    fixture.Command(command_id::UndoLastObject);
}

// Window & Extnl Doors: a single external door of 820 placed with Enter on the top wall.
void PlaceDoor(EditFixture& fixture) {
    fixture.Desktop().QueueDialog({6500,
                                   DialogAnswer::Button::Ok,
                                   {{6512, Fill::Kind::Check, "", 0},
                                    {6501, Fill::Kind::Text, "1000", 0},
                                    {6502, Fill::Kind::Text, "2100", 0},
                                    {6504, Fill::Kind::Uncheck, "", 0},
                                    {6505, Fill::Kind::Uncheck, "", 0},
                                    {6506, Fill::Kind::Check, "", 0}}});
    fixture.Desktop().QueueDialog({10500,
                                   DialogAnswer::Button::Ok,
                                   {{10501, Fill::Kind::Text, "820", 0}, {10504, Fill::Kind::Check, "", 0}}});
    fixture.Command(command_id::WindowAndExtnlDoors);
    fixture.Move(150, 100);
    fixture.Move(200, 40);
    fixture.Key(13);
}

void BM_EditPlaceDoor(benchmark::State& state) {
    EditFixture fixture;
    TimeEdits(state, fixture, [&] { PlaceDoor(fixture); });
}

// Undo of the door just placed.
void BM_EditUndo(benchmark::State& state) {
    EditFixture fixture;
    PlaceDoor(fixture);
    TimeEdits(state, fixture, [&] { Undo(fixture); });
}

// Window & Extnl Doors: a window of 1 200 by 1 200 placed with Enter on the top wall, drawn at once,
// and the view painted again.
void BM_EditPlaceWindow(benchmark::State& state) {
    EditFixture fixture;
    TimeEdits(state, fixture, [&] {
        fixture.Desktop().QueueDialog({6500,
                                       DialogAnswer::Button::Ok,
                                       {{6508, Fill::Kind::Check, "", 0},
                                        {6501, Fill::Kind::Text, "1200", 0},
                                        {6502, Fill::Kind::Text, "1200", 0}}});
        fixture.Command(command_id::WindowAndExtnlDoors);
        fixture.Move(150, 100);
        fixture.Move(280, 40);
        fixture.Key(13);
        fixture.Repaint();
    });
}

// Draw Internal Wall, 100 wide: started with Enter at (3000, 2000) inside the house, and one wall
// 3 000 long drawn up from it with the arrow key and the length asked.
void BM_EditPlaceInternalWall(benchmark::State& state) {
    EditFixture fixture;
    TimeEdits(state, fixture, [&] {
        fixture.Desktop().QueueDialog(
            {7000,
             DialogAnswer::Button::Ok,
             {{7005, Fill::Kind::Text, "100", 0}, {7002, Fill::Kind::Check, "", 0}}});
        fixture.Command(command_id::DrawInternalWall);
        fixture.Move(120, 320);
        fixture.Key(13);
        fixture.Desktop().QueueInput("3000");
        fixture.Key(38);
    });
}

// Change External wall type: the top wall clicked becomes a 230 solid wall and its corners are
// mitred again with the walls either side, its line shown at once; then the view painted again. Each
// iteration puts the drawing back, so every click meets the cavity wall.
void BM_EditWallType(benchmark::State& state) {
    EditFixture fixture;
    TimeEdits(state, fixture, [&] {
        fixture.Desktop().QueueDialog({2480, DialogAnswer::Button::Ok, {{2482, Fill::Kind::Check, "", 0}}});
        fixture.Command(command_id::ChangeExternalWallType);
        fixture.Click(200, 40);
        fixture.Repaint();
    });
}

// Erase / Delete dragged over the door just placed: its gap, jambs and leaf go.
void BM_EditErase(benchmark::State& state) {
    EditFixture fixture;
    PlaceDoor(fixture);
    TimeEdits(state, fixture, [&] {
        fixture.Command(command_id::EraseDelete);
        fixture.Queue(platform::InputKind::MouseMove, {240, 60});
        fixture.Queue(platform::InputKind::LeftUp, {240, 60});
        fixture.Input(platform::InputKind::LeftDown, {185, 20});
    });
}

BENCHMARK(BM_EditPlaceDoor)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EditPlaceWindow)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EditPlaceInternalWall)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EditWallType)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EditUndo)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EditErase)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
