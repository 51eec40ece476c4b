#pragma once
// Completing a floor plan and reporting its floor area.

class DrawingView;

// Mode 8, after an upper floor's walls were copied: the plan centred, its area, its automatic
// dimensions and the area message.
void CompleteFloorPlan(DrawingView& view, int mode);
// Shows the floor-area dialog for the floors of the drawing.
void FloorAreaDialog(DrawingView& view);
// Mode 2: keeps the floor area in the floor's record, saves the drawing and shows the area.
void ReportFloorArea(DrawingView& view, int mode);
