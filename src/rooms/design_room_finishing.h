#pragma once
// Finishing design rooms: the design rooms of a floor turned into internal walls with their name and
// size texts and dimensions, run inside the internal-wall tool (its state 1500).

class TIntwallobjtool;

// Code 1 finishes the design rooms of the current view and then removes them all; code 2 finishes
// those of the room layout of the floor (the view 10 below) and keeps them. Any other code finishes
// nothing. Rooms named exactly "space" or "SPACE" get nothing. The walls, texts and dimensions go onto
// the current view and the drawing is saved; the tool's CapBox is left round the rooms finished (grown
// by twice the last wall thickness in logical units) for the caller's repaint, or at 300000, 0, 0,
// 300000 when none was.
void FinishDesignRooms(TIntwallobjtool& tool, int code);

// One design room (at `roomIndex` of the drawing list, its box in the tool's X1, Y1, X2, Y2): the walls
// found along its edges (edges near an external wall's inner face moved onto it), internal walls of
// RMPTNM.CFG's thickness wherever none stands, its name at the centre and its sizes as its label mode
// asks (one text below the name, or size texts with dimension arrows). Each wall piece is saved; the
// texts and arrows are left for the caller's save. WallThickness keeps the thickness used; Y1 ends 0.
void FinishDesignRoom(TIntwallobjtool& tool, int roomIndex);
