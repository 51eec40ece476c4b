#pragma once
// The finishing action of a floor plan, which every line tool offers (TLineobjtool::Action 1): the
// plan centred on the drawing sheet and its floor area measured. They work on the drawing list alone,
// so the tools below the walls can call them; the external-wall tool calls them too.

// Measures the area the current floor's external walls enclose and keeps it in the drawing list
// (TList::SetArea), in whole square metres (Units 1) or square feet (any other Units). Each wall
// counts with the strip between it and y = 0, walls running east added and walls running west taken
// away, so an outline drawn clockwise gives its area and one drawn anticlockwise its negative; a
// sloping wall counts with half its rise. Nothing changes while the list holds fewer than four
// objects.
void ComputeFloorArea();

// Moves every object of the current view so that the box round its external walls sits in the middle
// of the sheet, the shift cut towards zero to whole 25 mm (Units 1) or whole inches, then saves the
// drawing. A view with no external wall moves nothing and is still saved.
void CentrePlanOnSheet();
