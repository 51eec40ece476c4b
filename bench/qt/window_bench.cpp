// The drawing view as the user meets it: the whole program in its real main window (Qt widgets on the
// platform QT_QPA_PLATFORM names; run it on a virtual X display to include the copy to the screen),
// a drawing opened through File/Open, then timed from the user's side:
// - BM_WindowRepaint: one repaint of the view (the paint road and the copy to the screen), fit on
//   screen or zoomed in four times over the middle with Zoom UP, display modes 0 and 10;
// - BM_WindowWheelNotch: one notch of the mouse wheel, down and back up in turn, until it is shown;
// - BM_WindowZoomCommand: Fit on Screen and Back to Normal in turn, each until it is shown, and after
//   each one repaint of what it shows, timed apart: zoom_ms, repaint_ms and their ratio (medians);
// - BM_WindowOpen: File/Open of the drawing until its view is shown.
// The drawing is the dense mixed drawing of the file benchmarks (mixed_drawing.cpp) on the ground
// floor, in a main window of 1920 x 1080.
//
// Goals, on one core: a repaint of 100 000 objects under 60 ms at any zoom; a wheel notch is one
// repaint; a zoom command is the repaint and nothing more: within 10 % of the repaint after it.
//
//     Xvfb :7 -screen 0 1920x1080x24 &
//     DISPLAY=:7 QT_QPA_PLATFORM=xcb taskset -c 6 build-rel/bin/korvane_bench --benchmark_filter=Window
#include "../bench_goal.h"
#include "../mixed_drawing.h"
#include "app/program.h"
#include "app/program_folder.h"
#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_frame.h"
#include "platform/qt/qt_view.h"
#include "platform/qt/text_renderer_factory.h"
#include "platform/scripted_desktop.h"
#include "resources/command_ids.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr double RepaintGoal = 60.0;
constexpr int GoalObjects = 100000;
// A zoom command's time over that of one repaint of what it shows.
constexpr double ZoomToRepaintGoal = 1.1;

// A program folder holding BENCH.DB0 of `objects` mixed objects, the program in its main window, and
// the drawing opened through File/Open. The file dialog is answered by a scripted desktop; the frame
// shows its texts through the real one.
class WindowFixture {
  public:
    explicit WindowFixture(int objects) : text_(platform::qt::MakeTextRenderer()) {
        folder_ = std::filesystem::temp_directory_path() /
                  ("korvane-window-bench-" + std::to_string(::getpid()) + "-" + std::to_string(objects));
        std::string error;
        PrepareProgramFolder(folder_.string() + "/", error);
        ResetSharedState();
        WriteMixedDrawing((folder_ / "DWGS" / "BENCH.DB0").string(), objects, 1);
        ResetSharedState();
        platform::InstallDesktop(&answers_);
        program_ = std::make_unique<Program>(folder_.string() + "/");
        frame_ = std::make_unique<platform::qt::QtFrame>(program_->Description(), program_->Client(),
                                                         desktop_, *text_);
        program_->Start(*frame_);
        frame_->setGeometry(0, 0, 1920, 1080);
        frame_->show();
        Settle();
    }
    ~WindowFixture() {
        frame_.reset();
        program_.reset();
        platform::InstallDesktop(nullptr);
        DrawingList.Flush();
        ResetSharedState();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    void Open() {
        answers_.QueueFile("BENCH.DB0");
        Command(command_id::Open);
    }
    // A menu command as the user chooses it, then the events it leaves until the screen shows it. The
    // timed steps are functions of their own, so a profiler can count each alone.
    [[gnu::noinline]] void Command(int id) {
        frame_->ActionsOf(id).front()->trigger();
        Settle();
    }
    platform::qt::QtView& View() const { return *static_cast<platform::qt::QtView*>(frame_->ActiveView()); }
    // Zoom UP over the middle half of the view: a rectangle half as wide and high, four times the
    // detail. The drag runs inside the press, so its moves and release come from timers.
    void ZoomIn() {
        Command(command_id::ZoomUp);
        QWidget* canvas = View().Canvas();
        const QPoint from(canvas->width() / 4, canvas->height() / 4);
        const QPoint to(canvas->width() * 3 / 4, canvas->height() * 3 / 4);
        auto mouse = [canvas](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
            QMouseEvent event(type, at, canvas->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
            QApplication::sendEvent(canvas, &event);
        };
        QTimer::singleShot(10, canvas, [=] { mouse(QEvent::MouseMove, (from + to) / 2, Qt::LeftButton); });
        QTimer::singleShot(20, canvas, [=] { mouse(QEvent::MouseMove, to, Qt::LeftButton); });
        QTimer::singleShot(30, canvas, [=] { mouse(QEvent::MouseButtonRelease, to, Qt::NoButton); });
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
        Settle();
    }
    // One repaint of the whole view, shown at once.
    [[gnu::noinline]] void Repaint() {
        View().Invalidate(nullptr, true);
        View().Canvas()->repaint();
        QApplication::sync();
    }
    // One notch of the wheel over the view, until the screen shows it.
    [[gnu::noinline]] void Wheel(bool down) {
        QWidget* canvas = View().Canvas();
        const QPointF at(canvas->width() / 2.0, canvas->height() / 2.0);
        QWheelEvent event(at, canvas->mapToGlobal(at), QPoint(), QPoint(0, down ? -120 : 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(canvas, &event);
        Settle();
    }
    // Runs the events waiting (the paint they ask for included) and waits for the screen.
    static void Settle() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
        QApplication::sync();
    }

  private:
    std::filesystem::path folder_;
    std::unique_ptr<platform::TextRenderer> text_;
    platform::ScriptedDesktop answers_;
    platform::qt::QtDesktop desktop_;
    std::unique_ptr<Program> program_;
    std::unique_ptr<platform::qt::QtFrame> frame_;
};

void BM_WindowRepaint(benchmark::State& state) {
    const int objects = static_cast<int>(state.range(0));
    WindowFixture window(objects);
    window.Open();
    Shared.DisplayMode = static_cast<int>(state.range(1));
    window.Command(command_id::FitOnScreen);
    if (state.range(2) == 1) window.ZoomIn();
    GoalClock clock;
    for (auto _ : state)
        window.Repaint();
    StateGoal(state, clock, RepaintGoal, GoalObjects, objects);
}

void BM_WindowWheelNotch(benchmark::State& state) {
    const int objects = static_cast<int>(state.range(0));
    WindowFixture window(objects);
    window.Open();
    window.Command(command_id::FitOnScreen);
    window.ZoomIn();
    bool down = true;
    GoalClock clock;
    for (auto _ : state) {
        window.Wheel(down);
        down = !down;
    }
    StateGoal(state, clock, RepaintGoal, GoalObjects, objects);
}

// The zoom and the repaint after it are timed in turn, so that a busy machine slows both alike.
void BM_WindowZoomCommand(benchmark::State& state) {
    const int objects = static_cast<int>(state.range(0));
    WindowFixture window(objects);
    window.Open();
    bool fit = true;
    std::vector<double> zoom, repaint, ratio;
    for (auto _ : state) {
        const GoalClock zoomClock;
        window.Command(fit ? command_id::FitOnScreen : command_id::BackToNormal);
        zoom.push_back(zoomClock.Milliseconds());
        const GoalClock repaintClock;
        window.Repaint();
        repaint.push_back(repaintClock.Milliseconds());
        ratio.push_back(zoom.back() / repaint.back());
        state.SetIterationTime(zoom.back() / 1000);
        fit = !fit;
    }
    state.counters["zoom_ms"] = Median(zoom);
    state.counters["repaint_ms"] = Median(repaint);
    state.counters["ratio"] = Median(ratio);
    state.SetLabel(GoalLabel("ratio <= 1.1", Median(ratio) <= ZoomToRepaintGoal));
}

void BM_WindowOpen(benchmark::State& state) {
    const int objects = static_cast<int>(state.range(0));
    WindowFixture window(objects);
    for (auto _ : state)
        window.Open();
}

BENCHMARK(BM_WindowRepaint)
    ->ArgsProduct({{10000, 100000}, {0, 10}, {0, 1}})
    ->ArgNames({"objects", "mode", "zoomed"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_WindowWheelNotch)->Arg(100000)->ArgName("objects")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WindowZoomCommand)
    ->Arg(100000)
    ->ArgName("objects")
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();
BENCHMARK(BM_WindowOpen)->Arg(100000)->ArgName("objects")->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
