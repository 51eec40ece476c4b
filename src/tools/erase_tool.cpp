#include "tools/erase_tool.h"

#include "tools/tool_kinds.h"

TEraseobjtool::TEraseobjtool() {
    Kind = tool_kind::Erase;
}
