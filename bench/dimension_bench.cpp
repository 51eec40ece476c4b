// The automatic dimensions of a floor, made again after every edit of its walls: the old ones thrown
// away in one pass, each wall's and the overall ones built, and the drawing saved once.
//
// Goal, on one core: a floor of 100 external walls in a drawing of 100 000 objects in under 80 ms
// for the whole run, the save included (BM_DimensionFloor). Most of it is the save: compare
// BM_WriteDrawing/100000 of drawing_file_bench.cpp.

#include "mixed_drawing.h"
#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "platform/device_context.h"
#include "platform/recording_surface.h"
#include "platform/scripted_desktop.h"
#include "tools/line_tool.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

constexpr int Objects = 100000;

void AddWall(int x1, int y1, int x2, int y2, int bearing, int length) {
    auto wall = std::make_unique<TExtwallobj>();
    wall->view = 50;
    wall->number = length;
    wall->x1 = x1, wall->y1 = y1, wall->x2 = x2, wall->y2 = y2;
    wall->ewall1 = 110, wall->ewall2 = 55, wall->ewall3 = 110, wall->ewall6 = bearing;
    DrawingList.Add(std::move(wall));
}

// A ground floor of 100 external walls drawn clockwise: a staircase of 96 steps down to the right,
// the east, south and west sides, and one slanting wall back to the start.
void AddSteppedFloor() {
    int x = 10500, y = 30000;
    for (int step = 0; step < 48; ++step) {
        AddWall(x, y, x + 200, y, 900, 200);
        x += 200;
        AddWall(x, y, x, y - 200, 1800, 200);
        y -= 200;
    }
    AddWall(x, y, x, 10000, 1800, y - 10000);
    AddWall(x, 10000, 10000, 10000, 2700, x - 10000);
    AddWall(10000, 10000, 10000, 29500, 0, 19500);
    AddWall(10000, 29500, 10500, 30000, 450, 707);
}

class DimensionFixture {
  public:
    DimensionFixture() {
        ResetSharedState();
        platform::InstallDesktop(&desktop_);
        UseBenchSheet();
        Shared.Units = 1;
        Shared.CurrentView = 50;
        Shared.ClientWidth = 3000;
        Shared.ClientHeight = 2000;
        folder_ = std::filesystem::temp_directory_path() /
                  ("korvane-dimension-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_ / "DWGS");
        std::filesystem::create_directories(folder_ / "CFG");
        DrawingList.Flush();
        DrawingList.ProgramDir = folder_.string() + "/";
        DrawingList.DrawingName = "BENCH";
        DrawingList.FontName = "Arial";
        // The generated drawing's own external walls go to the upper floors: the ground floor has
        // only the 100 below.
        for (int i = 0; i < Objects - 100; ++i) {
            std::unique_ptr<TObject> object = MixedObject(i, 3);
            if (object->type == 1000 && object->view == 50) object->view = 51;
            DrawingList.Add(std::move(object));
        }
        AddSteppedFloor();
    }
    ~DimensionFixture() {
        DrawingList.Flush();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
        platform::InstallDesktop(nullptr);
    }
    void Dimension() {
        platform::DeviceContext dc(surface_);
        tool_.AddDimension(dc, {0, 0, 600, 400}, 0, 0, 0, 'o');
    }

  private:
    platform::ScriptedDesktop desktop_;
    platform::RecordingSurface surface_{{600, 400}};
    TLineobjtool tool_;
    std::filesystem::path folder_;
};

void BM_DimensionFloor(benchmark::State& state) {
    DimensionFixture fixture;
    // The first run throws away the generated drawing's own dimensions of the floor; from then on every
    // run removes and makes the same ones.
    fixture.Dimension();
    for (auto _ : state)
        fixture.Dimension();
    state.counters["objects"] = DrawingList.count;
    state.counters["per_wall"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * 100,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_DimensionFloor)->Unit(benchmark::kMillisecond);

} // namespace
