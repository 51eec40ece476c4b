#include "partitions/stairs_tool.h"

#include "tools/tool_kinds.h"

TStepobjtool::TStepobjtool() {
    Kind = tool_kind::Stairs;
}
