#pragma once
// TRoomobjtool, the fixed-room tool: a room of internal walls with its name and sizes, started by a
// click in the room's area.

#include "partitions/intwall_tool.h"

class TRoomobjtool : public TIntwallobjtool {
  public:
    TRoomobjtool();
};
