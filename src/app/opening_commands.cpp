#include "app/opening_commands.h"

#include "app/command_table.h"

void AddOpeningCommands(CommandTable& /*table*/) {
    // Window & Extnl Doors (373), Door-Internal (374), Doors-Other Internal (375), Opening (Internal
    // Wall) (378) and Stairs Internal (382) come with their tools.
}
