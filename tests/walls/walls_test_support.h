#pragma once
// The stage of the external-wall tests: the tool tests' metric drawing on a 600 x 400 view at normal
// size (fixture M: Scale 5, Zoom 5, 3000 x 2000 logical units, scroll 0, sheet 8400 x 5940, its centre
// at (21000, 14850)), a view that records its repaints and tool changes, and the four walls of a
// rectangular house (fixture R) written out by hand.

#include "model/drawing_list.h"
#include "model/drawing_objects.h"
#include "model/shared_state.h"
#include "settings/cfg_file.h"
#include "tools/drawing_view.h"
#include "tools/line_tool.h"
#include "tools/tool_kinds.h"
#include "tools/tool_test_support.h"

#include <memory>
#include <string>
#include <vector>

namespace walls_test {

// A drawing view as the walls' operations see it: the scripted window of the stage, its repaints and
// tool changes written down, and the tool it is given.
class RecordingView : public DrawingView {
  public:
    RecordingView(platform::ViewWindow* window, std::unique_ptr<TDrawingtool> tool)
        : window_(window), tool_(std::move(tool)) {}

    platform::ViewWindow* Window() const override { return window_; }
    platform::Rect ClientRect() const override { return {0, 0, 600, 400}; }
    void Invalidate(const platform::Rect* area, bool erase) override {
        repaints.push_back({area ? *area : platform::Rect{0, 0, 600, 400}, erase, area == nullptr});
    }
    platform::Point CursorInClient() const override { return cursor; }
    void PutCursorOn(platform::Point client) override { cursor = client; }
    TDrawingtool& Tool() override { return *tool_; }
    void SelectPickTool() override {
        auto pick = std::make_unique<TLineobjtool>();
        pick->Kind = tool_kind::Pick;
        tool_ = std::move(pick);
        ++pickTools;
    }
    void RestoreTool(int kind) override { restored.push_back(kind); }

    struct Repaint {
        platform::Rect area;
        bool erase;
        bool whole;
    };
    std::vector<Repaint> repaints;
    std::vector<int> restored;
    int pickTools = 0;
    platform::Point cursor{0, 0};

  private:
    platform::ViewWindow* window_;
    std::unique_ptr<TDrawingtool> tool_;
};

class WallTest : public tool_test::ToolTest {
  protected:
    void SetUp() override {
        ToolTest::SetUp();
        WriteCfg("EXTWALLM.CFG", "110 55 110 0 0 2400 2400 0 0 0");
        WriteCfg("WLCLR.CFG", "7 8\n");
    }

    void WriteCfg(const std::string& name, const std::string& text) {
        test_support::WriteFile(folder.Path() / "CFG" / name, text);
    }
    std::string Cfg(const std::string& name) const {
        return test_support::ReadFile(folder.Path() / "CFG" / name);
    }

    // An external wall as stored: its line, bearing and length, 110/55/110 layers, and its faces.
    static std::unique_ptr<TExtwallobj> Wall(int view, int x1, int y1, int x2, int y2, int bearing,
                                             int length, std::array<int, 12> faces) {
        auto wall = std::make_unique<TExtwallobj>();
        wall->view = view;
        wall->number = length;
        wall->x1 = x1;
        wall->y1 = y1;
        wall->x2 = x2;
        wall->y2 = y2;
        wall->ewall1 = 110;
        wall->ewall2 = 55;
        wall->ewall3 = 110;
        wall->ewall6 = bearing;
        wall->ewall7 = 1;
        int* points[] = {&wall->f1x1, &wall->f1y1, &wall->f1x2, &wall->f1y2, &wall->f2x1, &wall->f2y1,
                         &wall->f2x2, &wall->f2y2, &wall->f3x1, &wall->f3y1, &wall->f3x2, &wall->f3y2};
        for (std::size_t i = 0; i < faces.size(); ++i)
            *points[i] = faces[i];
        return wall;
    }

    // Fixture R: a house 10550 x 8550 outside, its inner faces along (10000..20000) x (12000..20000),
    // its walls entered clockwise from the north-west corner, mitred at every corner.
    static void AddHouse(int view = 50) {
        DrawingList.Add(
            Wall(view, 9725, 20275, 20275, 20275, 900, 10550,
                 {9835, 20165, 20165, 20165, 9890, 20110, 20110, 20110, 10000, 20000, 20000, 20000}));
        DrawingList.Add(
            Wall(view, 20275, 20275, 20275, 11725, 1800, 8550,
                 {20165, 20165, 20165, 11835, 20110, 20110, 20110, 11890, 20000, 20000, 20000, 12000}));
        DrawingList.Add(
            Wall(view, 20275, 11725, 9725, 11725, 2700, 10550,
                 {20165, 11835, 9835, 11835, 20110, 11890, 9890, 11890, 20000, 12000, 10000, 12000}));
        DrawingList.Add(
            Wall(view, 9725, 11725, 9725, 20275, 0, 8550,
                 {9835, 11835, 9835, 20165, 9890, 11890, 9890, 20110, 10000, 12000, 10000, 20000}));
    }

    static std::unique_ptr<TLineobj> Mark(int x1, int y1, int x2, int y2, int bearing, int view = 45) {
        auto mark = std::make_unique<TLineobj>();
        mark->type = 11;
        mark->view = view;
        mark->x1 = x1;
        mark->y1 = y1;
        mark->x2 = x2;
        mark->y2 = y2;
        mark->lineA = bearing;
        return mark;
    }

    // A design room of the layout: left, right, top and bottom edges.
    static std::unique_ptr<TRoomobj> Room(int left, int right, int top, int bottom, int view = 40) {
        auto room = std::make_unique<TRoomobj>();
        room->view = view;
        room->x1 = left;
        room->x2 = right;
        room->y1 = top;
        room->y2 = bottom;
        return room;
    }

    static TExtwallobj& WallAt(int index) { return dynamic_cast<TExtwallobj&>(*DrawingList.Edit(index)); }

    // The list's external walls of a view, in list order.
    static std::vector<TExtwallobj*> WallsOf(int view) {
        std::vector<TExtwallobj*> walls;
        for (int i = 0; i < DrawingList.count; ++i)
            if (DrawingList[i]->type == 1000 && DrawingList[i]->view == view)
                walls.push_back(&dynamic_cast<TExtwallobj&>(*DrawingList.Edit(i)));
        return walls;
    }
    static int CountOfType(int type) {
        int count = 0;
        for (int i = 0; i < DrawingList.count; ++i)
            if (DrawingList[i]->type == type) ++count;
        return count;
    }

    // A wall's line, its faces P0 to P5 and its bearing and length, for comparisons.
    static std::vector<int> Geometry(const TExtwallobj& w) {
        return {w.x1,   w.y1,   w.x2,   w.y2,   w.f1x1, w.f1y1, w.f1x2, w.f1y2,   w.f2x1,
                w.f2y1, w.f2x2, w.f2y2, w.f3x1, w.f3y1, w.f3x2, w.f3y2, w.ewall6, w.number};
    }
};

} // namespace walls_test
