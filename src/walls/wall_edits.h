#pragma once
// Editing the external walls: the wall the user picks is lengthened, shortened, deleted, split or
// given another type. The edits are the states of the wall-edit tool (a line tool of kind 999).

#include "platform/geometry.h"

class DrawingView;

namespace wall_edit {
constexpr int Lengthen = 2;
constexpr int Shorten = 3;
constexpr int Delete = 4;
constexpr int Split = 5;
constexpr int ChangeType = 6;
} // namespace wall_edit

// Repaints the part of the view around the external wall being edited: mode 1 after lengthen, shorten
// or a type change, 2 after a delete.
void InvalidateWallEditArea(DrawingView& view, const platform::Rect& client, int mode);
