#include "rooms/design_room_finishing.h"

#include "partitions/intwall_tool.h"

void FinishDesignRooms(TIntwallobjtool& /*tool*/, int /*code*/) {
    // Will build the rooms' walls, texts and dimensions once finishing design rooms is built.
}
