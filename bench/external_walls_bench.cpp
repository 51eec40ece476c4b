// The external walls on a large drawing: placing one wall (one pass over the list to snap it and mitre
// it with the walls it meets, then the save) and centring a floor on the sheet (every object of the
// floor moved, then the save). Both are dominated by rewriting the drawing file.
//
// The wall edits and the resize on the same drawing: one edit of a wall (the neighbour search, the
// refit of its corners, the save) and one enlarge or shrink of the floor (the resize pass, the extents
// of a shrink, the centring and its save).
//
// Goals, on one core (taskset -c N), Release:
// - placing a wall in a 100 000-object drawing: under 80 ms;
// - centring and saving a 100 000-object floor: under 80 ms;
// - a wall edit in a 100 000-object drawing: under 80 ms;
// - an enlarge or shrink of a floor in a 100 000-object drawing: under 100 ms.

#include "mixed_drawing.h"
#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "platform/device_context.h"
#include "platform/recording_surface.h"
#include "platform/scripted_desktop.h"
#include "tools/plan_finishing.h"
#include "walls/extwall_tool.h"
#include "walls/wall_edits.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
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

// A rectangular house of four mitred walls on the ground floor, inside the drawing's objects.
void AddHouse() {
    auto wall = [](int x1, int y1, int x2, int y2, int bearing) {
        TExtwallobjtool tool;
        tool.X1 = x1, tool.Y1 = y1, tool.X2 = x2, tool.Y2 = y2, tool.Angle = bearing;
        tool.Number = std::abs(x2 - x1) + std::abs(y2 - y1);
        WorkingWall working = tool.Working();
        PlaceExternalWall(working, 0, 1);
        tool.TakeWorking(working);
        tool.AddWallObject();
    };
    wall(9725, 20275, 20275, 20275, 900);
    wall(20275, 20275, 20275, 11725, 1800);
    wall(20275, 11725, 9725, 11725, 2700);
    wall(9725, 11725, 9725, 20275, 0);
}

// The north wall of the house given another type and back, in turn; every edit refits both its
// corners and saves.
void BM_EditExternalWall(benchmark::State& state) {
    const int objects = static_cast<int>(state.range(0));
    WallDrawing drawing(objects, 3);
    AddHouse();
    int turn = 0;
    for (auto _ : state) {
        TExtwallobjtool tool;
        tool.State = wall_edit::ChangeType;
        tool.Aux = objects; // the north wall
        const bool solid = turn++ % 2 == 0;
        tool.Step(solid ? 230 : 110, solid ? 0 : 55, solid ? 0 : 110);
    }
    state.counters["per_object"] = PerObject(objects);
    state.SetLabel("goal: 100000 objects in < 80 ms");
}

// The house enlarged to the right by 100 and shrunk back, in turn, each followed by the centring.
void BM_ResizeFloorPlan(benchmark::State& state) {
    const int objects = static_cast<int>(state.range(0));
    WallDrawing drawing(objects, 3);
    AddHouse();
    Shared.DisplayMode = 1; // the walls give the shrink its extents
    int turn = 0;
    for (auto _ : state) {
        TExtwallobjtool tool;
        tool.Kind = 1100;
        tool.State = turn++ % 2 == 0 ? TExtwallobjtool::Enlarge : TExtwallobjtool::Shrink;
        tool.Aux = 2;
        tool.Step(100, 15000, 16000);
    }
    state.counters["per_object"] = PerObject(objects);
    state.SetLabel("goal: 100000 objects in < 100 ms");
}

BENCHMARK(BM_PlaceExternalWall)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CentrePlanOnSheet)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditExternalWall)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResizeFloorPlan)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
