#include "app/edit_commands.h"

#include "app/command_table.h"

void AddEditCommands(CommandTable& /*table*/) {
    // Copy (310), Paste (311), Move or Rotate (312), Erase/Delete (313), Change text/number (317) and
    // Undo Last Object (430) come with the selection and editing tools.
}
