#pragma once
// The Design Rooms menu's commands (new, maximum size, delete, expand, move, rotate, shrink, finish,
// the layout grid and the external-wall corner marks) and New Room (fixed) of the Other menu.

class CommandTable;

void AddDesignRoomCommands(CommandTable& table);
