#pragma once
// The whole program on the stage of the acceptance checks of the view and zoom commands: scroll units
// of 10 pixels, a metric sheet of 8000 x 6000 logical units and views of 600 x 400 pixels, so a new
// drawing shows 3000 x 2000 logical units of a sheet that its window makes 5333 high. The services that
// later work completes are recorders whose calls land in `log`.

#include "model/drawing_list.h"
#include "model/drawing_objects.h"
#include "model/shared_state.h"
#include "program_fixture.h"
#include "view/child.h"
#include "view/input_test_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class CommandTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        test_support::WriteFile(folder.Path() / "CFG/SCROLL.CFG", "10 10");
        test_support::WriteFile(folder.Path() / "CFG/DWGSIZEM.CFG", "8000 6000");
    }

    // The recorders in place of the program's services (the zoom stays the program's own).
    void UseRecorders() { Client().UseOperations(&walls, &rooms, &editing, nullptr); }

    // File/New of a drawing started on the room layout, metric (units 1) or in feet and inches (0).
    void NewLayout(int units = 1) {
        platform::DialogAnswer answer;
        answer.resourceId = 2024;
        answer.fills = {{2027, platform::DialogAnswer::Fill::Kind::Text, "HOUSE", 0},
                        {units == 1 ? 2026 : 2025, platform::DialogAnswer::Fill::Kind::Check, "", 0},
                        {2208, platform::DialogAnswer::Fill::Kind::Check, "", 0}};
        desktop.QueueDialog(answer);
        frame->Choose(230);
        frame->RunPendingPaints();
    }

    TChild& View() { return *Client().ActiveView(); }
    std::string DrawingFile() const { return test_support::ReadFile(folder.Path() / "DWGS/HOUSE.DB0"); }
    std::string Cfg(const std::string& name) const {
        return test_support::ReadFile(folder.Path() / "CFG" / name);
    }
    void WriteCfg(const std::string& name, const std::string& bytes) {
        test_support::WriteFile(folder.Path() / "CFG" / name, bytes);
    }
    std::string LastMessage() const {
        if (desktop.Messages().empty()) return "";
        return desktop.Messages().back().text + "|" + desktop.Messages().back().caption;
    }

    // Objects of the drawing, added to the list; Save writes them to the drawing file.
    static void AddWall(int view, int x1, int y1, int x2, int y2) {
        auto wall = std::make_unique<TExtwallobj>();
        wall->view = view;
        wall->x1 = x1, wall->y1 = y1, wall->x2 = x2, wall->y2 = y2;
        DrawingList.Add(std::move(wall));
    }
    // Four external walls drawn clockwise round x 15000..25000, y 9000..17000.
    static void AddOutline(int view) {
        AddWall(view, 15000, 17000, 25000, 17000);
        AddWall(view, 25000, 17000, 25000, 9000);
        AddWall(view, 25000, 9000, 15000, 9000);
        AddWall(view, 15000, 9000, 15000, 17000);
    }
    // The title that makes a floor exist.
    static void AddTitle(int view) {
        auto title = std::make_unique<TTextobj>();
        title->type = 37;
        title->view = view;
        title->x1 = 20000, title->y1 = 7000;
        SetObjectString(title->text, title->textLength, "FLOOR");
        DrawingList.Add(std::move(title));
    }
    static void AddDesignRoom(int view, int left, int top, int right, int bottom) {
        auto room = std::make_unique<TRoomobj>();
        room->view = view;
        room->x1 = left, room->y1 = top, room->x2 = right, room->y2 = bottom;
        DrawingList.Add(std::move(room));
    }
    static void Save() { DrawingList.WriteDrawing(); }

    input_test::Log log;
    const TChild* noView = nullptr; // the recording tools here do not check the view's device context
    input_test::RecordingWalls walls{log};
    input_test::RecordingRooms rooms{log};
    input_test::RecordingEditing editing{log, [this]() -> TDrawingtool& { return Client().Tool(); }};
};
