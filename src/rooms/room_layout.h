#pragma once
// The drawing-list operations of the room layout: the bounds of its design rooms and its grid, and
// what the design-room operations share about the rooms of a view.

#include <vector>

class TList;

// The list positions of the design rooms of `view`, in list order. Every room counts: there is no
// limit to how many a view holds.
std::vector<int> DesignRoomsOf(const TList& list, int view);

// Whether the room at `index` still lies where a new design room is placed (its lower-left corner two
// scale steps inside the view's lower-left corner): such a room is not part of the layout yet.
bool AtNewRoomPosition(const TList& list, int index);

// The thickness of the internal walls between the design rooms of `view` (RMPTNM.CFG or RMPTNI.CFG):
// the first floor's for 41 and 51, the second's for 42 and 52, else the ground floor's.
int DesignRoomPartition(int view);

// The number of design rooms of the room layout (45 counts as 40). With two or more, RECT.CFG gets the
// width, length and area and BOUNDS.CFG the left, top, right and bottom of the box round them; a last
// room still at the new-room position is left out. On a floor plan only BOUNDS.CFG is written, with
// the empty box. With fewer than two neither file changes.
int WritePlanBounds(TList& list);

// On the layout views (40 and 45) only, for one paint: on 40 the list is saved, emptied and filled with
// the grid round the design rooms (a solid frame and dotted lines LYTGRIDM.CFG's spacing apart); on 45
// the grid over the whole view, anchored at BOUNDS.CFG's left and top, is appended to the drawing.
// The caller paints the list, empties it and reads the drawing back, so the grid is never stored.
// A spacing the settings do not allow, or a settings or bounds file that cannot be read, gives none.
void MakeLayoutGrid(TList& list);
