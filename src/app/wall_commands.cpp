#include "app/wall_commands.h"

#include "app/command_table.h"

void AddWallCommands(CommandTable& /*table*/) {
    // Draw Internal Wall (415) and its deletion (217) come with the internal walls; Lengthen (416), Alter
    // Base (417), DELETE External Wall (418), Split (422), Change External wall type (426), Expand (419)
    // and Shrink Floorplan (420) with the wall edits.
}
