#pragma once
// The editing operations on a view: rotation limits, paste and undo.

class DrawingView;

// 1 when the selection (CFG\COPY.CFG) holds arcs, rectangles or rounded rectangles, which turn only by
// right angles, after a warning; else 0.
int CheckRotationLimits(DrawingView& view);
// Reads the paste buffer into the drawing and hands it to a move tool to be placed.
void PasteObjects(DrawingView& view);
// Removes the last object drawn on the current floor (never an external wall) and saves.
void UndoLastObject(DrawingView& view);
