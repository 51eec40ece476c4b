#include "app/command_table.h"

#include "app/customise_commands.h"
#include "app/design_room_commands.h"
#include "app/draw_commands.h"
#include "app/edit_commands.h"
#include "app/file_commands.h"
#include "app/help_commands.h"
#include "app/library_commands.h"
#include "app/opening_commands.h"
#include "app/print_commands.h"
#include "app/view_commands.h"
#include "app/wall_commands.h"
#include "app/zoom_commands.h"

#include <stdexcept>
#include <string>

void CommandTable::Add(int command, CommandHandler handler) {
    if (!handlers_.emplace(command, handler).second)
        throw std::logic_error("command " + std::to_string(command) + " has two handlers");
}

CommandHandler CommandTable::Find(int command) const {
    const auto it = handlers_.find(command);
    return it == handlers_.end() ? nullptr : it->second;
}

CommandTable ProgramCommands() {
    CommandTable table;
    AddFileCommands(table);
    AddViewCommands(table);
    AddZoomCommands(table);
    AddEditCommands(table);
    AddDrawCommands(table);
    AddWallCommands(table);
    AddDesignRoomCommands(table);
    AddOpeningCommands(table);
    AddCustomiseCommands(table);
    AddLibraryCommands(table);
    AddHelpCommands(table);
    AddPrintCommands(table);
    return table;
}
