#pragma once
// The Libraries menu's commands: a new symbol, and the four symbol libraries.

class CommandTable;

void AddLibraryCommands(CommandTable& table);
