#include "tools/copy_tool.h"

#include "tools/tool_kinds.h"

TCopyobjtool::TCopyobjtool() {
    Kind = tool_kind::Copy;
}

void TCopyobjtool::ApplyToSelection() {
    // Will write the selected objects to the paste buffer once copying is built.
}
