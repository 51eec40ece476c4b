#pragma once
// Finishing design rooms: the design rooms of a floor turned into internal walls with their name and
// size texts and dimensions, run inside the internal-wall tool (its state 1500).

class TIntwallobjtool;

// Code 1 finishes the design rooms of the current view, code 2 those of the room layout of the floor
// (the view 10 below).
void FinishDesignRooms(TIntwallobjtool& tool, int code);
