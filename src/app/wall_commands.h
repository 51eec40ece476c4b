#pragma once
// The Walls && Base menu's commands: the external-wall edits (split, change type, delete, and
// lengthen and alter base from the table only), the internal walls (draw, and delete from the table
// only) and the floor-plan resize.

class CommandTable;

void AddWallCommands(CommandTable& table);
