#pragma once
// The Walls && Base menu's commands: the external-wall edits (lengthen, shorten, split, change type,
// delete), the internal walls (draw, and delete from the table only) and the floor-plan resize.

class CommandTable;
class TClient;

void AddWallCommands(CommandTable& table);

// Draw Internal Wall: the internal-wall tool on a floor plan, after the width and second-line dialog.
void CmInternalWall(TClient& client);
// DELETE Wall for an internal wall: the internal-wall tool in its delete mode. No menu item sends it.
void CmDeleteInternalWall(TClient& client);

// The external-wall edits and the floor-plan resize, on a floor plan only: each replaces the tool by
// the edit's tool (a line tool of kind 999 in the edit's state, or the external-wall tool of kind 1100
// in state 8 or 9), with the command's caption, prompt and help context.
void CmLengthenWall(TClient& client);
void CmAlterBase(TClient& client);
void CmChangeWallType(TClient& client);
void CmSplitWall(TClient& client);
void CmDeleteExternalWall(TClient& client);
void CmExpandFloorplan(TClient& client);
void CmShrinkFloorplan(TClient& client);
