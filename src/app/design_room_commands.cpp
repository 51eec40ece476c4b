#include "app/design_room_commands.h"

#include "app/command_table.h"

void AddDesignRoomCommands(CommandTable& /*table*/) {
    // New DESIGN Room (520) to FINISH Design Rooms (527) and Toggle Layout Grid (530) come with the
    // design rooms, Mark External Walls (413) with the floors and views, New Room (fixed) (379) with the
    // fixed rooms.
}
