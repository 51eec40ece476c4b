#pragma once
// The dialogs that set up the external walls of a floor plan, its windows and external doors, and its
// display mode.

class DrawingView;

// Runs the dialogs of a mode: 4 the external-wall type of a new floor plan (before its first corner),
// 6 the window and external-door dialogs for the window tool, 11 the display mode. Among its effects
// it puts the view's datum at the plan corner with DatumState 3.
void RunPlanDialog(DrawingView& view, int mode);

// Runs the external-wall type dialogs for the change-type edit and applies the choice.
void ChooseExternalWallType(DrawingView& view);
