#pragma once
// The set-up of the multiline command on a view: the number of parallel lines is asked, then the user
// gives the first line with Enter and the arrow keys or the mouse, and a last Enter the side and
// spacing of the copies.

#include "platform/window.h"

class TDrawingtool;

enum class MultilineSetup {
    Ready,     // Count holds the number of lines; the view is repainted
    Cancelled, // the box was cancelled: the view is repainted, and the caller installs the pick tool
    TooMany,   // more than 100 lines: nothing more happens (no repaint, the cursor stays where it is)
};

// Saves the drawing, puts the tool in state 40 with the prompt for the first point, and asks the
// "Number of Lines" into the tool's Count. The mouse cursor is put back where it was, but after too
// many lines.
MultilineSetup SetupMultilines(TDrawingtool& tool, platform::ViewWindow& view);
