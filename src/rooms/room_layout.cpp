#include "rooms/room_layout.h"

#include "model/drawing_list.h"

int WritePlanBounds(TList& /*list*/) {
    // Will count the layout's design rooms and write their rectangle once the layout bounds are built.
    return 0;
}

void MakeLayoutGrid(TList& /*list*/) {
    // Will replace the list by the grid's lines once the layout grid is built.
}
