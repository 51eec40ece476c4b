#pragma once
// The step between the Draw Multilines and Stairs commands and their tools.

class DrawingView;

// Mode 8 (multilines): the number of lines asked (SetupMultilines); mode 10 (stairs): the stairs
// dialog and the placing prompt. A cancelled dialog installs the pick tool. The view's window must
// exist.
void SetupMultilineOrStairs(DrawingView& view, int mode);
