#pragma once
// The floor plan as a whole: the rectangle the design rooms take while they are arranged, and (in
// tools/plan_finishing.h, where every line tool's finishing action reaches them) the plan's floor area
// and its centring on the sheet.

#include "tools/plan_finishing.h"

class DrawingView;
class TList;

// The count of the layout's design rooms, with RECT.CFG and BOUNDS.CFG written for two or more:
// TList::WritePlanBounds, or a stand-in.
using PlanBoundsWriter = int (*)(TList& list);

// The rectangle round the layout's design rooms (with two or more of them): the view's datum goes to
// its upper-left corner (DatumState 4) and, unless SIZE.CFG says not to, its size and area are shown,
// mode 0 in the status bar, mode 1 in a message box "EXTERNAL RECTANGLE SIZE". Sets HelpContext.
void ShowHouseRectangleSize(DrawingView& view, int mode);
// The same with the room count and the two files from `writeBounds`.
void ShowHouseRectangleSize(DrawingView& view, int mode, PlanBoundsWriter writeBounds);
