#include "app/view_commands.h"

#include "app/command_table.h"

void AddViewCommands(CommandTable& /*table*/) {
    // Display Mode (470), Show Overlays (343), Ground, First and Second Floor (330 to 332), Room Layout
    // (344) and Floor Area (342) come with the floor and view commands.
}
