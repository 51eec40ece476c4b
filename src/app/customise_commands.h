#pragma once
// The Customise menu's commands and the colour, line style and text size commands of the Tools menu.

class CommandTable;

void AddCustomiseCommands(CommandTable& table);
