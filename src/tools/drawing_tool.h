#pragma once
// The tools of this folder in one include: TDrawingtool itself (tool_framework.h), the line branch,
// the shape and text tools, and the move, copy and erase tools. The wall, opening and room tools are
// in their own folders (walls, partitions, rooms).

#include "tools/arc_tool.h"
#include "tools/circle_tool.h"
#include "tools/copy_tool.h"
#include "tools/ellipse_tool.h"
#include "tools/erase_tool.h"
#include "tools/line_tool.h"
#include "tools/move_tool.h"
#include "tools/rectangle_tool.h"
#include "tools/text_tool.h"
#include "tools/tool_framework.h"
