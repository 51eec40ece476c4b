#pragma once
// TCopyobjtool, the copy tool: the objects inside a dragged rectangle become the selection and are
// written to the paste buffer LIBS\PASTE.CFG, each measured from the rectangle's centre, for Paste to
// put back into this drawing or another. With its library flag (Amount 1, set by ADD to a library)
// the selection becomes a new library symbol instead, through the view's dialog.

#include "tools/move_tool.h"

class TCopyobjtool : public TMoveobjtool {
  public:
    TCopyobjtool();
    // Writes the paste buffer from the selection, whole: a header counting the records written
    // (Units and ObjectSerial in it), then the records. Nothing in library mode. A drag whose
    // selection could not be kept leaves the buffer as it was and says that the copy was not kept.
    // The tool then waits for the next drag, which replaces the buffer.
    void ApplyToSelection(platform::DeviceContext& dc, const platform::Rect& client, int x, int y) override;
};
