// FINISH Design Rooms on a large drawing: 20 design rooms of the ground floor turned into internal
// walls, names and size labels beside 5 000 other objects, every wall piece saving the drawing as the
// finishing always has.
//
// Goal, on one core (taskset -c N): the whole command's work (FinishDesignRooms, code 1) under 1 s.

#include "mixed_drawing.h"
#include "model/drawing_list.h"
#include "model/drawing_objects.h"
#include "model/shared_state.h"
#include "partitions/intwall_tool.h"
#include "platform/scripted_desktop.h"
#include "rooms/design_room_finishing.h"
#include "settings/cfg_files.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

constexpr int Objects = 5000;
constexpr int Rooms = 20;

class FinishingFixture {
  public:
    FinishingFixture() {
        ResetSharedState();
        platform::InstallDesktop(&desktop_);
        UseBenchSheet();
        Shared.Units = 1;
        Shared.Zoom = 5.0f;
        Shared.CurrentView = 50;
        folder_ = std::filesystem::temp_directory_path() /
                  ("korvane-bench-finishing-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_ / "DWGS");
        std::filesystem::create_directories(folder_ / "CFG");
        DrawingList.ProgramDir = folder_.string() + "/";
        DrawingList.DrawingName = "BENCH";
        DrawingList.FontName = "Liberation Sans";
        WriteRoomPartitions(1, {{100, 100, 100}});
        WriteDimensionSettings(1, {300, 600, 900, 0, 9, 9, 10});
    }
    ~FinishingFixture() {
        DrawingList.Flush();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
        platform::InstallDesktop(nullptr);
        ResetSharedState();
    }
    // The drawing before the command: the mixed objects and a block of 5 x 4 rooms on the floor side
    // by side, a partition apart, each with both sizes dimensioned.
    static void Fill() {
        DrawingList.Flush();
        for (int i = 0; i < Objects; ++i) {
            std::unique_ptr<TObject> object = MixedObject(i, 1);
            // The generated drawing's own design rooms lie on the layout: only the block below is
            // finished.
            object->view = object->type == 29000 ? 40 : 50;
            DrawingList.Add(std::move(object));
        }
        for (int i = 0; i < Rooms; ++i) {
            auto room = std::make_unique<TRoomobj>();
            room->view = 50;
            room->x1 = 2000 + (i % 5) * 3100, room->y1 = 30000 - (i / 5) * 4100;
            room->x2 = room->x1 + 3000, room->y2 = room->y1 - 4000;
            room->width = 3000, room->length = 4000, room->roomA = 2;
            SetObjectString(room->name, room->nameLength, "BEDROOM");
            SetObjectString(room->label1, room->label1Length, "3000");
            SetObjectString(room->label2, room->label2Length, "4000");
            DrawingList.Add(std::move(room));
        }
        DrawingList.WriteDrawing();
    }

  private:
    platform::ScriptedDesktop desktop_;
    std::filesystem::path folder_;
};

void BM_FinishDesignRooms(benchmark::State& state) {
    FinishingFixture fixture;
    int pieces = 0;
    for (auto _ : state) {
        state.PauseTiming();
        FinishingFixture::Fill();
        const int before = DrawingList.count;
        TIntwallobjtool tool;
        tool.State = TIntwallobjtool::FinishingDesignRooms;
        state.ResumeTiming();
        tool.Step(0, 0, 1);
        state.PauseTiming();
        pieces = 0;
        for (int i = before - Rooms; i < DrawingList.count; ++i)
            pieces += DrawingList[i]->type == 1500;
        state.ResumeTiming();
    }
    state.counters["wall_pieces"] = pieces;
}
BENCHMARK(BM_FinishDesignRooms)->Unit(benchmark::kMillisecond);

} // namespace
