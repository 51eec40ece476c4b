#pragma once
// The Design Rooms menu's commands (new, maximum size, delete, expand, move, rotate, shrink, finish,
// the layout grid and the external-wall corner marks) and New Room (fixed) of the Other menu.

class CommandTable;
class TClient;

void AddDesignRoomCommands(CommandTable& table);

// The design-room commands act on the room layout and the plans (not while the corners are marked)
// with a drawing open. Each installs the design-room tool in its mode with its prompt; none changes
// the tool caption. New DESIGN Room (520) then runs NewDesignRoom on the active view.
void CmNewDesignRoom(TClient& client);
void CmMaxDesignRoomSize(TClient& client); // 521
void CmDeleteRoom(TClient& client);        // 522
void CmExpandRoom(TClient& client);        // 523
void CmMoveRoom(TClient& client);          // 524
void CmRotateRoom(TClient& client);        // 525
void CmShrinkRoom(TClient& client);        // 526
// FINISH Design Rooms (527): on a plan with design rooms, the internal-wall tool turns them into
// internal walls (its Step in state 1500).
void CmFinishDesignRooms(TClient& client);
// Toggle Layout Grid (530): on the layout views; the corner marking goes on where it starts.
void CmToggleLayoutGrid(TClient& client);

// New Room (fixed) (379): on the floor plans, the fixed-room tool; its caption " Room" shows in every
// view, the refusal keeping the tool.
void CmNewFixedRoom(TClient& client);

// Mark External Walls (413): on the room layout, clears the drawing down to its design rooms and starts
// marking the ground floor's external-wall corners clockwise round them.
void CmMarkExternalWalls(TClient& client);
