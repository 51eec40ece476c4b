// The editing steps of the move family on a large drawing: selecting with a rectangle (the walk of the
// list and both selection files), nudging and turning a selection on the screen, erasing, and undo.
//
// Goals, on one core (taskset -c N):
// - selecting 10 000 objects of a 100 000-object drawing, COPY.CFG and TEMP.CFG written: under 30 ms;
// - one arrow-key nudge or one 5-degree step of a 1 000-object selection (blank, change, redraw):
//   under 16 ms;
// - erasing 10 000 of 100 000 objects, the drawing stored: under 80 ms;
// - one undo in a 100 000-object drawing, the drawing stored: under 80 ms.

#include "mixed_drawing.h"
#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "platform/device_context.h"
#include "platform/input.h"
#include "platform/qt/text_renderer_factory.h"
#include "platform/raster_surface.h"
#include "platform/scripted_desktop.h"
#include "settings/selection_files.h"
#include "tools/drawing_tool.h"
#include "tools/drawing_view.h"
#include "tools/editing.h"
#include "tools/selection.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

using namespace platform;

namespace {

constexpr int Objects = 100000;
const Rect Client{0, 0, 1200, 800};

// A program folder with the drawing list of `Objects` mixed objects on the ground floor, at normal
// size on a 1200 x 800 view.
class EditingFixture {
  public:
    EditingFixture() {
        ResetSharedState();
        platform::InstallDesktop(&desktop_);
        UseBenchSheet();
        Shared.Units = 1;
        Shared.Zoom = 5.0f;
        Shared.ClientWidth = 6000;
        Shared.ClientHeight = 4000;
        Shared.CurrentView = 50;
        folder_ =
            std::filesystem::temp_directory_path() / ("korvane-bench-editing-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_ / "DWGS");
        std::filesystem::create_directories(folder_ / "CFG");
        DrawingList.ProgramDir = folder_.string() + "/";
        DrawingList.DrawingName = "BENCH";
        Refill();
    }
    ~EditingFixture() {
        DrawingList.Flush();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
        platform::InstallDesktop(nullptr);
    }
    void Refill() {
        DrawingList.Flush();
        for (int i = 0; i < Objects; ++i)
            DrawingList.Add(MixedObject(i, 1));
    }

  private:
    platform::ScriptedDesktop desktop_;
    std::filesystem::path folder_;
};

// A rectangle from the sheet's corner that selects about a tenth of the drawing (the erase tool also
// takes the internal walls, so it needs a smaller one).
void SetTenthRectangle(TMoveobjtool& tool) {
    const bool erase = tool.Kind == 19;
    tool.AnchorX = 0, tool.AnchorY = 0;
    tool.RefX = erase ? 8700 : 9300;
    tool.RefY = erase ? 7000 : 7500;
}

void BM_SelectTenThousand(benchmark::State& state) {
    EditingFixture fixture;
    TMoveobjtool tool;
    for (auto _ : state) {
        SetTenthRectangle(tool);
        SelectInRectangle(tool);
    }
    state.counters["selected"] = tool.SelectionCount;
}
BENCHMARK(BM_SelectTenThousand)->Unit(benchmark::kMillisecond);

// A move tool holding the first 1 000 objects that a selection draws, its reference point set.
void SelectThousand(TMoveobjtool& tool) {
    std::vector<SelectionLine> lines;
    for (int i = 0; i < DrawingList.count && lines.size() < 1000; ++i) {
        const int type = DrawingList[i]->type;
        if (type != 1000 && type != 1500 && type != 29000 && type < 32000) lines.push_back({i, 0, 0});
    }
    WriteSelection(lines);
    tool.State = TMoveobjtool::MovingSelection;
    tool.RefX = 3000, tool.RefY = 2000;
}

template <int Key> void BM_KeyOnThousand(benchmark::State& state) {
    EditingFixture fixture;
    static std::unique_ptr<TextRenderer> text = qt::MakeTextRenderer();
    PixelBuffer image(Client.right, Client.bottom);
    RasterSurface raster(image, *text);
    TMoveobjtool tool;
    SelectThousand(tool);
    for (auto _ : state) {
        // A fresh context per key, as the view makes one per call.
        DeviceContext dc(raster);
        tool.KeyDown(dc, Client, Key, Point{600, 400}, 0);
    }
}
BENCHMARK_TEMPLATE(BM_KeyOnThousand, VirtualKey::Right)
    ->Name("BM_NudgeThousand")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_KeyOnThousand, VirtualKey::Add)->Name("BM_TurnThousand")->Unit(benchmark::kMillisecond);

void BM_EraseTenThousand(benchmark::State& state) {
    EditingFixture fixture;
    static std::unique_ptr<TextRenderer> text = qt::MakeTextRenderer();
    PixelBuffer image(Client.right, Client.bottom);
    RasterSurface raster(image, *text);
    TEraseobjtool erase;
    for (auto _ : state) {
        state.PauseTiming();
        fixture.Refill();
        SetTenthRectangle(erase);
        SelectInRectangle(erase);
        state.ResumeTiming();
        DeviceContext dc(raster);
        erase.ApplyToSelection(dc, Client, 0, 0);
    }
    state.counters["erased"] = Objects - DrawingList.count;
}
BENCHMARK(BM_EraseTenThousand)->Unit(benchmark::kMillisecond);

// A view without a window: undo's repaint has no pixels to reach, the rest is as on the screen.
class WindowlessView : public DrawingView {
  public:
    WindowlessView() { SelectPickTool(); }
    ViewWindow* Window() const override { return nullptr; }
    Rect ClientRect() const override { return Client; }
    void Invalidate(const Rect*, bool) override {}
    Point CursorInClient() const override { return {}; }
    void PutCursorOn(Point) override {}
    TDrawingtool& Tool() override { return *tool_; }
    void SelectPickTool() override {
        tool_ = std::make_unique<TLineobjtool>();
        tool_->Kind = 21;
    }
    void RestoreTool(int) override { SelectPickTool(); }

  private:
    std::unique_ptr<TDrawingtool> tool_;
};

// The last object is a line of a group, so undo looks through the whole list for its number.
void BM_UndoInHundredThousand(benchmark::State& state) {
    EditingFixture fixture;
    WindowlessView view;
    for (auto _ : state) {
        state.PauseTiming();
        auto line = std::make_unique<TLineobj>();
        line->view = 50, line->aux = line->number = 99999, line->x1 = 1000, line->x2 = 2000;
        DrawingList.Add(std::move(line));
        view.Tool().Counter() = 0;
        state.ResumeTiming();
        UndoLastObject(view);
    }
    state.counters["objects"] = DrawingList.count;
}
BENCHMARK(BM_UndoInHundredThousand)->Unit(benchmark::kMillisecond);

} // namespace
