#include "partitions/window_tool.h"

#include "tools/tool_kinds.h"

TWindowobjtool::TWindowobjtool() {
    Kind = tool_kind::Window;
}
