#pragma once
// The stage of the window-tool tests: the tool tests' metric ground floor (pixel (px, py) is the
// drawing point (25 px, 25 (400 - py))), INTERN.CFG of a 90-degree door of the thinnest leaf as the
// door defaults dialog writes it, colours that tell the fill from the pen, and a house of four
// external walls 300 thick drawn clockwise round x 1000..11000, y 1000..9000 (top wall towards +x, then
// down, left and up), all of group 7. The tool is set up as the plan dialogs leave it and driven as
// the view drives it.

#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "partitions/window_tool.h"
#include "platform/pixel_buffer.h"
#include "platform/raster_surface.h"
#include "tools/tool_test_support.h"
#include "view/whole_view_painting.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace window_test {

// Shared.DrawingColour and Shared.BackgroundColour of the stage, as stored numbers.
constexpr int PenColour = 1971210;   // Rgb(10, 20, 30)
constexpr int FillColour = 15134970; // Rgb(250, 240, 230)

class WindowTest : public tool_test::ToolTest {
  protected:
    void SetUp() override {
        ToolTest::SetUp();
        Shared.DrawingColour = platform::Rgb(10, 20, 30);
        Shared.BackgroundColour = platform::Rgb(250, 240, 230);
        Shared.ObjectSerial = 4;
        WriteCfg("INTERN.CFG", "90 1 1.000000 0.000001");
    }

    void WriteCfg(const std::string& name, const std::string& text) {
        test_support::WriteFile(folder.Path() / "CFG" / name, text);
    }
    std::string Cfg(const std::string& name) const {
        return test_support::ReadFile(folder.Path() / "CFG" / name);
    }

    static TExtwallobj& AddWall(int x1, int y1, int x2, int y2, int angle,
                                std::array<int, 3> layers = {100, 100, 100}, int view = 50) {
        auto wall = std::make_unique<TExtwallobj>();
        wall->view = view;
        wall->aux = 7;
        wall->number = 10001;
        wall->x1 = x1, wall->y1 = y1, wall->x2 = x2, wall->y2 = y2;
        wall->ewall1 = layers[0], wall->ewall2 = layers[1], wall->ewall3 = layers[2];
        wall->ewall6 = angle;
        TExtwallobj& kept = *wall;
        DrawingList.Add(std::move(wall));
        return kept;
    }
    static void AddHouse(int view = 50) {
        AddWall(1000, 9000, 11000, 9000, 900, {100, 100, 100}, view);
        AddWall(11000, 9000, 11000, 1000, 1800, {100, 100, 100}, view);
        AddWall(11000, 1000, 1000, 1000, 2700, {100, 100, 100}, view);
        AddWall(1000, 1000, 1000, 9000, 0, {100, 100, 100}, view);
    }
    // A wall at 45 degrees from (2000, 2000) to (6000, 6000), its inside below right.
    static void AddAngledWall() { AddWall(2000, 2000, 6000, 6000, 450); }
    // A floor record (type 31950 + view) holding a storey height in z2.
    static void AddFloorRecord(int view, int storeyHeight) {
        auto record = std::make_unique<TInfoobj>();
        record->type = 31950 + view;
        record->view = view;
        record->z2 = storeyHeight;
        DrawingList.Add(std::move(record));
    }

    // The window tool as the plan dialogs leave it: WIND.CFG as the window dialog writes it, the door
    // dialog's handing in the tool, then Step with the door dialog's width (a single door's) or the
    // window dialog's.
    TWindowobjtool& Ready(int type, int width, int height = 1200, int handing = 0, int showSizes = 0,
                          int showCill = 0, int textSize = 7) {
        WriteCfg("WIND.CFG", std::to_string(type) + " " + std::to_string(width) + " " +
                                 std::to_string(height) + " 0 " + std::to_string(showSizes) + " " +
                                 std::to_string(textSize) + " " + std::to_string(showCill) + " 0");
        tool = std::make_unique<TWindowobjtool>();
        tool->Handing() = handing;
        tool->Step(width, 0, 0);
        return *tool;
    }
    // Enter with the cursor on a drawing point (multiples of 25), as the view hands it over.
    void Enter(int x, int y) {
        countBefore = DrawingList.count;
        messagesBefore = desktop.Messages().size();
        Key(*tool, 13, x, y);
    }

    // What Enter added, one line an object.
    std::vector<std::string> Added() const {
        std::vector<std::string> added;
        for (int i = countBefore; i < DrawingList.count; ++i)
            added.push_back(Summary(*DrawingList[i]));
        return added;
    }
    static std::string Point(long long x, long long y) {
        return "(" + std::to_string(x) + "," + std::to_string(y) + ")";
    }
    static std::string Summary(const TObject& o) {
        if (const auto* p = dynamic_cast<const TPolyobj*>(&o)) {
            std::string text = "polygon";
            for (int i = 0; i < p->count; ++i)
                text += " " + Point(p->x[i], p->y[i]);
            return text;
        }
        if (const auto* a = dynamic_cast<const TArcobj*>(&o))
            return "arc " + Point(a->x1, a->y1) + "-" + Point(a->x2, a->y2) + " from " +
                   Point(a->startX, a->startY) + " to " + Point(a->endX, a->endY);
        if (const auto* t = dynamic_cast<const TTextobj*>(&o))
            return "text \"" + std::string(ObjectString(t->text)) + "\" at " + Point(t->x1, t->y1);
        return "line " + std::to_string(o.type) + " " + Point(o.x1, o.y1) + "-" + Point(o.x2, o.y2) +
               " pen " + std::to_string(o.penWidth);
    }

    // The message boxes the last Enter showed, "text|caption".
    std::vector<std::string> Boxes() const {
        std::vector<std::string> boxes;
        const auto& shown = desktop.Messages();
        for (std::size_t i = messagesBefore; i < shown.size(); ++i)
            boxes.push_back(shown[i].text + "|" + shown[i].caption);
        return boxes;
    }

    // The image a repaint of the view shows: the drawing file read back and painted.
    platform::PixelBuffer FreshPaint() {
        platform::PixelBuffer fresh(600, 400);
        platform::RasterSurface raster(fresh, *text);
        platform::DeviceContext dc(raster);
        DrawingList.Flush();
        DrawingList.ReadDrawing();
        PaintAll(DrawingList, dc, client);
        return fresh;
    }

    std::unique_ptr<TWindowobjtool> tool;
    int countBefore = 0;
    std::size_t messagesBefore = 0;
};

} // namespace window_test
