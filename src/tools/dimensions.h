#pragma once
// Manual dimensions: the length the user gives at a point, and the arrows drawn for it.

class DrawingView;
class TDrawingtool;

// Asks the length of a manual dimension at the cursor (client pixels) and hands it to the tool.
void EnterMeasurement(DrawingView& view, int x, int y);
// Appends one dimension arrow of a type at (x, y) pointing to a side ('l', 'r', 't' or 'b'); the
// shaft is left in the tool's X1, Y1, X2, Y2. Neither painted nor saved.
void AddDimensionArrow(TDrawingtool& tool, int type, int x, int y, int side);
