#include "rooms/fixed_rooms.h"

#include "tools/drawing_view.h"

void NewFixedRoom(DrawingView& /*view*/) {
    // Will run the room dialogs and build the room once fixed rooms are built.
}
