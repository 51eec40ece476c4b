#pragma once
// The Walls && Base menu's commands: the external-wall edits (split, change type, delete, and
// lengthen and alter base from the table only), the internal walls (draw, and delete from the table
// only) and the floor-plan resize.

class CommandTable;
class TClient;

void AddWallCommands(CommandTable& table);

// Draw Internal Wall: the internal-wall tool on a floor plan, after the width and second-line dialog.
void CmInternalWall(TClient& client);
// DELETE Wall for an internal wall: the internal-wall tool in its delete mode. No menu item sends it.
void CmDeleteInternalWall(TClient& client);
