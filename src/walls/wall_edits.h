#pragma once
// Editing the external walls: the wall the user picks is lengthened, shortened, deleted, split or
// given another type. The edits are the states of the wall-edit tool (a line tool of kind 999); the
// external-wall tool rebuilt on the wall picked does the edit through its step. Enlarging and
// shrinking the floor plan move one side of it.

#include "platform/geometry.h"

class DrawingView;
class TDrawingtool;
class TExtwallobjtool;

namespace wall_edit {
constexpr int Lengthen = 2;
constexpr int Shorten = 3;
constexpr int Delete = 4;
constexpr int Split = 5;
constexpr int ChangeType = 6;
} // namespace wall_edit

// The edit of the tool's state on the wall whose list index is in the tool's Aux: lengthen and
// shorten by `a` at the cursor (b, c), delete, split at (b, c), or the new layers (a, b, c).
void EditExternalWall(TExtwallobjtool& tool, int a, int b, int c);
// After the step of a lengthen, shorten or split: when the step refused the wall as angled, tells the
// user so and gives true (nothing was changed, and nothing is to be saved).
bool TellAngledWallRefused(const TDrawingtool& tool);

// Enlarge (state 8) or shrink (9) the floor plan: the external wall nearest the cursor (x, y, drawing
// units) on the side of the tool's arrow moves out or in by `amount`, with everything beyond it.
void ResizeFloorPlan(TExtwallobjtool& tool, int amount, int x, int y);

// Repaints the part of the view around the external wall being edited: mode 1 after lengthen, shorten
// or a type change (the box the wall took before the edit and its line now), 2 after a delete (the box
// alone), with a margin of 10 logical units.
void InvalidateWallEditArea(DrawingView& view, const platform::Rect& client, int mode);
