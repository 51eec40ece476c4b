#pragma once
// The View menu's commands: the display mode, overlays, the floors, the room layout and the floor
// area.

class CommandTable;

void AddViewCommands(CommandTable& table);
