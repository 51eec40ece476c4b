#pragma once
// The floor's title below its plan.

class TList;

// Replaces the current floor's title below its lowest external wall and saves the drawing; does
// nothing without external walls, a title for the floor or its settings.
void MakeTitleBlock(TList& list);
