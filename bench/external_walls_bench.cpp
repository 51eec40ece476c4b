// The external walls on a large drawing: placing one wall (one pass over the list to snap it and mitre
// it with the walls it meets, then the save) and centring a floor on the sheet (every object of the
// floor moved, then the save). Both are dominated by rewriting the drawing file.
//
// Goals, on one core (taskset -c N), Release:
// - placing a wall in a 100 000-object drawing: under 80 ms;
// - centring and saving a 100 000-object floor: under 80 ms.

#include "mixed_drawing.h"
#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "platform/device_context.h"
#include "platform/recording_surface.h"
#include "platform/scripted_desktop.h"
#include "tools/plan_finishing.h"
#include "walls/extwall_tool.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// The program's drawing list holding a generated drawing, saved in a program folder of its own.
class WallDrawing {
  public:
    WallDrawing(int objects, int floors) {
        ResetSharedState();
        platform::InstallDesktop(&desktop_);
        UseBenchSheet();
        Shared.Units = 1;
        Shared.CurrentView = 50;
        folder_ = std::filesystem::temp_directory_path() /
                  ("korvane-walls-bench-" + std::to_string(::getpid()) + "-" + std::to_string(objects));
        std::filesystem::create_directories(folder_ / "DWGS");
        std::filesystem::create_directories(folder_ / "CFG");
        DrawingList.Flush();
        DrawingList.ProgramDir = folder_.string() + "/";
        DrawingList.DrawingName = "BENCH";
        for (int i = 0; i < objects; ++i)
            DrawingList.Add(MixedObject(i, floors));
        DrawingList.WriteDrawing();
    }
    ~WallDrawing() {
        DrawingList.Flush();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
        platform::InstallDesktop(nullptr);
    }

  private:
    platform::ScriptedDesktop desktop_;
    std::filesystem::path folder_;
};

benchmark::Counter PerObject(int objects) {
    return benchmark::Counter(static_cast<double>(objects),
                              benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// One wall drawn from the keys onto the ground floor of a three-floor drawing, then taken back so the
// drawing keeps its size.
void BM_PlaceExternalWall(benchmark::State& state) {
    const int objects = static_cast<int>(state.range(0));
    WallDrawing drawing(objects, 3);
    platform::RecordingSurface surface({600, 400});
    platform::DeviceContext dc(surface);
    const platform::Rect client{0, 0, 600, 400};
    TExtwallobjtool tool;
    tool.Aux = 1;
    for (auto _ : state) {
        tool.X1 = 30001, tool.Y1 = 30001, tool.X2 = 35001, tool.Y2 = 30001;
        tool.Angle = 900;
        tool.CreateObject(dc, client);
        state.PauseTiming();
        DrawingList.TruncateTo(objects);
        state.ResumeTiming();
    }
    state.counters["per_object"] = PerObject(objects);
    state.SetLabel("goal: 100000 objects in < 80 ms");
}

// A floor of every class centred on the sheet and saved; the sheet's width changes by 10 units each
// time, so every object moves by 25.
void BM_CentrePlanOnSheet(benchmark::State& state) {
    const int objects = static_cast<int>(state.range(0));
    WallDrawing drawing(objects, 1);
    int turn = 0;
    for (auto _ : state) {
        Shared.SheetWidth = 8400 + 10 * (turn++ % 2);
        CentrePlanOnSheet();
    }
    state.counters["per_object"] = PerObject(objects);
    state.SetLabel("goal: 100000 objects in < 80 ms");
}

BENCHMARK(BM_PlaceExternalWall)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CentrePlanOnSheet)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
