#include "rooms/fixed_room_tool.h"

#include "tools/tool_kinds.h"

TRoomobjtool::TRoomobjtool() {
    Kind = tool_kind::FixedRoom;
}
