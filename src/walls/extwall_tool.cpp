#include "walls/extwall_tool.h"

#include "tools/tool_kinds.h"

TExtwallobjtool::TExtwallobjtool() {
    Kind = tool_kind::ExternalWall;
}
