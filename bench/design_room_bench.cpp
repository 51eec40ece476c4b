// The design rooms on a large drawing: one step of a drag (the two dotted outlines of the room), the
// release (the room stored, the drawing saved, the room aligned to its neighbours and the walls) with
// the repaint that follows it, and a paint of the room layout with and without its grid.
//
// Goals, on one core (taskset -c N), with 10 000 other objects on the floor:
// - one drag step: under 1 ms, touching no file;
// - the release with its save and alignment: under 50 ms (BM_DesignRoomRelease); the paint road of
//   the repaint that follows is reported beside it (BM_DesignRoomReleaseAndRepaint);
// - a paint of the room layout with the grid on: under three times the plain paint road
//   (BM_LayoutPaint/1/40 against BM_LayoutPaint/0/40).

#include "mixed_drawing.h"
#include "model/drawing_list.h"
#include "model/drawing_objects.h"
#include "model/shared_state.h"
#include "platform/device_context.h"
#include "platform/qt/text_renderer_factory.h"
#include "platform/raster_surface.h"
#include "platform/scripted_desktop.h"
#include "rooms/design_room_tool.h"
#include "rooms/room_layout.h"
#include "settings/cfg_files.h"
#include "view/whole_view_painting.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

using namespace platform;

namespace {

constexpr int Objects = 10000;
constexpr int Width = 1200;
constexpr int Height = 800;
const Rect Client{0, 0, Width, Height};

void AddRoom(int view, int left, int top, int width, int height) {
    auto room = std::make_unique<TRoomobj>();
    room->view = view;
    room->x1 = left, room->y1 = top, room->x2 = left + width, room->y2 = top - height;
    room->width = width, room->length = height;
    room->textSize = 10, room->fillColour = 0xE6D8AD;
    SetObjectString(room->name, room->nameLength, "BEDROOM");
    SetObjectString(room->label1, room->label1Length, std::to_string(width));
    SetObjectString(room->label2, room->label2Length, std::to_string(height));
    DrawingList.Add(std::move(room));
}

// A program folder holding a drawing of `Objects` mixed objects on the ground floor, 40 design rooms
// among them, and 30 design rooms on the room layout; the view at normal size from the origin.
class DesignRoomFixture {
  public:
    // `objectsView`: the view the mixed objects lie on, the floor's (50) or the layout's (40).
    explicit DesignRoomFixture(int objectsView = 50) : text_(qt::MakeTextRenderer()), image_(Width, Height) {
        ResetSharedState();
        InstallDesktop(&desktop_);
        UseBenchSheet();
        Shared.Units = 1;
        Shared.Zoom = 5.0f;
        Shared.PenWidthFactor = 5;
        Shared.ClientWidth = Width * 5;
        Shared.ClientHeight = Height * 5;
        folder_ =
            std::filesystem::temp_directory_path() / ("korvane-bench-rooms-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_ / "DWGS");
        std::filesystem::create_directories(folder_ / "CFG");
        DrawingList.ProgramDir = folder_.string() + "/";
        DrawingList.DrawingName = "BENCH";
        DrawingList.FontName = "Liberation Sans";
        WriteLayoutGrid(1, {1000, 0xC0C0C0});
        DrawingList.Flush();
        for (int i = 0; i < Objects; ++i) {
            std::unique_ptr<TObject> object = MixedObject(i, 1);
            object->view = objectsView;
            DrawingList.Add(std::move(object));
            if (i % 250 == 0) AddRoom(50, 1000 + (i / 250) * 500, 9000, 3000, 4000);
        }
        for (int i = 0; i < 30; ++i)
            AddRoom(40, (i % 6) * 3100, 4000 + (i / 6) * 4100, 3000, 4000);
        DrawingList.WriteDrawing();
        surface_ = std::make_unique<RasterSurface>(image_, *text_);
    }
    ~DesignRoomFixture() {
        DrawingList.Flush();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
        InstallDesktop(nullptr);
        ResetSharedState();
    }
    // The first design room of the floor, picked for a drag.
    void Pick(TDRoomobjtool& tool) {
        DeviceContext dc(*surface_);
        tool.LButtonDown(dc, Client, 300, 500);
    }
    DeviceContext Context() { return DeviceContext(*surface_); }
    // The view's paint road, as every repaint runs it: the list emptied and read back, then painted.
    void PaintRoad(bool grid) {
        DeviceContext dc(*surface_);
        DrawingList.Flush();
        DrawingList.ReadDrawing();
        PaintAll(DrawingList, dc, Client);
        if (!grid) return;
        MakeLayoutGrid(DrawingList);
        PaintAll(DrawingList, dc, Client);
        DrawingList.Flush();
        DrawingList.ReadDrawing();
    }

  private:
    std::unique_ptr<TextRenderer> text_;
    PixelBuffer image_;
    std::unique_ptr<RasterSurface> surface_;
    ScriptedDesktop desktop_;
    std::filesystem::path folder_;
};

void BM_DesignRoomDragStep(benchmark::State& state) {
    DesignRoomFixture fixture;
    Shared.CurrentView = 50;
    TDRoomobjtool tool;
    fixture.Pick(tool);
    if (tool.State != TDRoomobjtool::DragAligned) state.SkipWithError("no room picked");
    DeviceContext dc = fixture.Context();
    tool.MouseMove(dc, Client, 301, 500);
    int step = 0;
    for (auto _ : state) {
        ++step;
        tool.MouseMove(dc, Client, 301 + step % 200, 500 - step % 150);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DesignRoomDragStep)->Unit(benchmark::kMicrosecond);

// A short drag of the first design room of the floor, ended by the release; the room is then put
// back, so that every iteration drags the same room.
void DragAndRelease(DesignRoomFixture& fixture) {
    TDRoomobjtool tool;
    fixture.Pick(tool);
    TRoomobj* room = tool.PickedRoom();
    if (!room) return;
    const TRoomobj before = *room;
    DeviceContext dc = fixture.Context();
    tool.MouseMove(dc, Client, 301, 500);
    tool.MouseMove(dc, Client, 320, 480);
    Point at{320, 480};
    tool.LButtonUp(dc, Client, at);
    if ((room = tool.PickedRoom())) *room = before;
}

void BM_DesignRoomRelease(benchmark::State& state) {
    DesignRoomFixture fixture;
    Shared.CurrentView = 50;
    for (auto _ : state)
        DragAndRelease(fixture);
}
BENCHMARK(BM_DesignRoomRelease)->Unit(benchmark::kMillisecond);

void BM_DesignRoomReleaseAndRepaint(benchmark::State& state) {
    DesignRoomFixture fixture;
    Shared.CurrentView = 50;
    for (auto _ : state) {
        DragAndRelease(fixture);
        fixture.PaintRoad(false);
    }
}
BENCHMARK(BM_DesignRoomReleaseAndRepaint)->Unit(benchmark::kMillisecond);

// The first argument: 0 the plain paint road of the layout, 1 with the layout grid; the second: where
// the 10 000 mixed objects lie, on the layout itself (40, the goal's case) or on the ground floor (50),
// where the layout paints only its 30 rooms and the road is little more than reading the file, so the
// grid's save and second read weigh more.
void BM_LayoutPaint(benchmark::State& state) {
    DesignRoomFixture fixture(static_cast<int>(state.range(1)));
    Shared.CurrentView = 40;
    const bool grid = state.range(0) == 1;
    for (auto _ : state)
        fixture.PaintRoad(grid);
}
BENCHMARK(BM_LayoutPaint)->ArgsProduct({{0, 1}, {40, 50}})->Unit(benchmark::kMillisecond);

} // namespace
