#include "partitions/door_tool.h"

#include "tools/tool_kinds.h"

TDoorobjtool::TDoorobjtool() {
    Kind = tool_kind::Door;
}
