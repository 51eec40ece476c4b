#include "rooms/design_rooms.h"

#include "tools/drawing_view.h"

void NewDesignRoom(DrawingView& /*view*/) {
    // Will run the new-room dialogs and start placing the room once design rooms are built.
}

void NewMaxDesignRoom(DrawingView& /*view*/) {
    // Will make the measured room once design rooms are built.
}

void InvalidateDesignRoomArea(DrawingView& /*view*/, const platform::Rect& /*client*/) {
    // Will repaint round the moved room once design rooms are built.
}
