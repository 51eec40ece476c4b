#pragma once
// The dialogs the view and the tools run for a view: the runner of the view's own dialogs and the
// dialog that names a captured library symbol. They live with the tools, the lowest folder that knows
// both the dialogs and the view interface.

class DrawingView;

// Runs one dialog by mode, the one place that runs these three:
//   2 the About box;
//   8 the line text: saves the drawing, then OK with 1 to 21 characters rewrites LTEXT.CFG, OK with
//     none writes nothing (the line gets the text before), Cancel leaves the tool's Y1 at 125000;
//   9 the second line of an internal wall or double line: OK leaves its side in the tool's
//     SecondLineSide and prompts for the spacing (feet and inches also set DatumState 1 and the
//     readout "0"); Cancel repaints the view without erasing.
// Other modes, 3 among them, do nothing.
void RunViewDialog(DrawingView& view, int mode);
// The About box, which the About command shows on its own when no view is open.
void ShowAboutBox();
// Runs the new-library-file dialog for the objects the copy tool captured; OK saves them as the named
// symbol (settings/symbol_library.h). The caller installs the pick tool afterwards, whatever the answer.
void RunLibraryCaptureDialog(DrawingView& view);
