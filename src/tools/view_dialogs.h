#pragma once
// The dialogs the view and the tools run for a view: the runner of the view's own dialogs and the
// dialog that names a captured library symbol. They live with the tools, the lowest folder that knows
// both the dialogs and the view interface.

class DrawingView;

// Runs one dialog by mode: 2 the About box, 8 the line text (a cancel leaves the tool's Y1 at
// 125000), 9 the spacing of internal walls or double lines. Other modes do nothing.
void RunViewDialog(DrawingView& view, int mode);
// Runs the new-library-file dialog for the objects the copy tool captured.
void RunLibraryCaptureDialog(DrawingView& view);
