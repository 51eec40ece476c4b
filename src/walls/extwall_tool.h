#pragma once
// TExtwallobjtool, the external-wall tool: the outer line of the external walls from corners entered
// clockwise, built into three-layer walls with mitred corners; with kind 1100 it enlarges or shrinks
// the floor plan.

#include "tools/line_tool.h"

class TExtwallobjtool : public TLineobjtool {
  public:
    // Its states: how the arrow keys act while the walls are entered, and the resize of kind 1100.
    static constexpr int OrthogonalEntry = 0; // an arrow asks the length of the next wall
    static constexpr int AngledEntry = 1;     // the arrows step the cursor; Enter sets the corner
    static constexpr int Enlarge = 8;
    static constexpr int Shrink = 9;
    // Dragging after a lengthen or shorten it refused because the wall is angled.
    static constexpr int AngledWallRefused = 1001;

    TExtwallobjtool();
};
