#pragma once
// The step between the Draw Multilines and Stairs commands and their tools.

class DrawingView;

// Mode 8 (multilines): the number of lines asked (SetupMultilines). Mode 10 (stairs): the stairs
// dialog of the drawing's units, the active stairs tool sized from it (TStepobjtool::Step) and set to
// follow the cursor with the placing prompt; a riser or tread below 1 is refused with a message. Other
// modes only show the first prompt. A cancelled dialog, or a refusal, installs the pick tool. The mouse
// cursor is put back where it was. The view's window must exist.
void SetupMultilineOrStairs(DrawingView& view, int mode);
