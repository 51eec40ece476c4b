#include "rooms/design_room_tool.h"

#include "model/shared_state.h"
#include "tools/tool_kinds.h"

TDRoomobjtool::TDRoomobjtool() : RoomColour(Shared.BackgroundColour) {
    Kind = tool_kind::DesignRoom;
}
