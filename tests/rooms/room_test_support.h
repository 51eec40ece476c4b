#pragma once
// The stage of the design-room tests: the tool tests' drawing (600 x 400 pixels over 3000 x 2000
// logical units from the origin, Scale 5, so pixel (px, py) is the drawing point (25 px,
// 25 (400 - py))) shown as the room layout, with design rooms and walls placed in the list directly,
// as a drawing file holding them would give them.

#include "model/drawing_list.h"
#include "model/drawing_objects.h"
#include "model/shared_state.h"
#include "tools/tool_test_support.h"

#include <memory>
#include <string>

namespace room_test {

class RoomTest : public tool_test::ToolTest {
  protected:
    void SetUp() override {
        ToolTest::SetUp();
        Shared.CurrentView = 40;
        WriteCfg("MERGEM.CFG", "100\n");
        WriteCfg("RMPTNM.CFG", "100 100 100");
    }
    // The ground floor's plan, where rooms are finished and built, numbered from its base plus 1, with
    // the offsets of room labels (the internal dimension offset 300, texts of 9 and 10 points).
    void OnGroundFloor() {
        Shared.CurrentView = 50;
        Shared.ObjectSerial = 0;
        Shared.BackgroundColour = 0x00FFFFFF;
        Shared.DrawingColour = 0x00000080;
        Shared.FontWeight = 400;
        WriteCfg("MOFFSET.CFG", "300 600 900 0 9 9 10");
    }
    void WriteCfg(const std::string& name, const std::string& bytes) {
        test_support::WriteFile(folder.Path() / "CFG" / name, bytes);
    }
    std::string Cfg(const std::string& name) const {
        return test_support::ReadFile(folder.Path() / "CFG" / name);
    }

    // A design room of `view` with its upper-left corner at (left, top), sized and labelled as the
    // new-room step makes it; its list index.
    static int AddRoom(int left, int top, int width, int height, int view = 40, const char* name = "ROOM") {
        auto room = std::make_unique<TRoomobj>();
        room->view = view;
        room->x1 = left;
        room->y1 = top;
        room->x2 = left + width;
        room->y2 = top - height;
        room->width = width;
        room->length = height;
        SetObjectString(room->name, room->nameLength, name);
        SetObjectString(room->label1, room->label1Length, std::to_string(width));
        SetObjectString(room->label2, room->label2Length, std::to_string(height));
        DrawingList.Add(std::move(room));
        return DrawingList.count - 1;
    }
    static TRoomobj& Room(int index) { return dynamic_cast<TRoomobj&>(*DrawingList.Edit(index)); }
    // "left,top right,bottom", drawing units.
    static std::string Place(const TObject& o) {
        return std::to_string(o.x1) + "," + std::to_string(o.y1) + " " + std::to_string(o.x2) + "," +
               std::to_string(o.y2);
    }
    // An internal wall with faces (x1, y1)-(x2, y2) and (fx1, fy1)-(fx2, fy2), of the layout.
    static void AddInternalWall(int x1, int y1, int x2, int y2, int fx1, int fy1, int fx2, int fy2) {
        auto wall = std::make_unique<TIntwallobj>();
        wall->view = Shared.CurrentView;
        wall->x1 = x1, wall->y1 = y1, wall->x2 = x2, wall->y2 = y2;
        wall->fx1 = fx1, wall->fy1 = fy1, wall->fx2 = fx2, wall->fy2 = fy2;
        DrawingList.Add(std::move(wall));
    }
    // A solid external wall along (x1, y1)-(x2, y2) whose inner face is (ix1, iy1)-(ix2, iy2).
    static void AddExternalWall(int x1, int y1, int x2, int y2, int ix1, int iy1, int ix2, int iy2) {
        auto wall = std::make_unique<TExtwallobj>();
        wall->view = Shared.CurrentView;
        wall->x1 = x1, wall->y1 = y1, wall->x2 = x2, wall->y2 = y2;
        wall->ewall1 = 110;
        wall->f1x1 = ix1, wall->f1y1 = iy1, wall->f1x2 = ix2, wall->f1y2 = iy2;
        DrawingList.Add(std::move(wall));
    }
};

} // namespace room_test
