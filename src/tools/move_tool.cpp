#include "tools/move_tool.h"

#include "tools/tool_kinds.h"

TMoveobjtool::TMoveobjtool() {
    Kind = tool_kind::Move;
}
