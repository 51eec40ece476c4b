#include "tools/drawing_tool.h"

#include "model/shared_state.h"

TMoveobjtool::TMoveobjtool() {
    Kind = 14;
}
TCopyobjtool::TCopyobjtool() {
    Kind = 15;
}
TEraseobjtool::TEraseobjtool() {
    Kind = 19;
}
TExtwallobjtool::TExtwallobjtool() {
    Kind = 1000;
}
TIntwallobjtool::TIntwallobjtool() {
    Kind = 1500;
}
TRoomobjtool::TRoomobjtool() {
    Kind = 71;
}
TWindowobjtool::TWindowobjtool() {
    Kind = 2000;
}
TDoorobjtool::TDoorobjtool() {
    Kind = 3000;
}
TStepobjtool::TStepobjtool() {
    Kind = 57;
}
TDRoomobjtool::TDRoomobjtool() : RoomColour(Shared.BackgroundColour) {
    Kind = 29000;
}
