#pragma once
// The Other menu's openings in the walls: windows and external doors, internal doors, wall openings
// and stairs.

class CommandTable;

void AddOpeningCommands(CommandTable& table);
