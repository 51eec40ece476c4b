#pragma once
// The Design Rooms menu's commands (new, maximum size, delete, expand, move, rotate, shrink, finish,
// the layout grid and the external-wall corner marks) and New Room (fixed) of the Other menu.

class CommandTable;
class TClient;

void AddDesignRoomCommands(CommandTable& table);

// Mark External Walls (413): on the room layout, clears the drawing down to its design rooms and starts
// marking the ground floor's external-wall corners clockwise round them.
void CmMarkExternalWalls(TClient& client);
