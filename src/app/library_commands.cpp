#include "app/library_commands.h"

#include "app/command_table.h"

void AddLibraryCommands(CommandTable& /*table*/) {
    // ADD to a library (350) and the Plumbing, Electrical, Furniture and Miscellaneous libraries (351 to
    // 354) come with the library files and dialogs.
}
