#pragma once
// The Other menu's openings in the walls (windows and external doors, internal doors, wall openings
// and stairs) and its manual dimension.

class CommandTable;
class TClient;

void AddOpeningCommands(CommandTable& table);

// Window & Extnl Doors: on a floor plan, the window tool set up through the window, door and main-entry
// dialogs (RunPlanDialog mode 6); one opening is placed with Enter. Elsewhere the user is asked to pick
// a floor plan; nothing happens without an open drawing and view.
void CmWindowsExtDoors(TClient& client);
// Door-Internal, Doors-Other Internal and Opening (Internal Wall): on a floor plan, the door tool set up
// through the dialog of a hinged door, of a sliding or multiple door, or of the opening's width, with
// the datum at the plan's corner; Enter on an internal wall places it. Elsewhere the user is asked to
// pick a floor plan and the tool in use stays.
void CmInternalDoor(TClient& client);
void CmOtherInternalDoors(TClient& client);
void CmWallOpening(TClient& client);
// Stairs Internal: on the floor plan showing the lower of two floors, the stairs tool set up through
// the stairs dialog. Refused with a message when no floor above the ground floor holds a drawing, when
// no view is open, and on the second floor (and view 53), which have no floor above for the stairwell;
// elsewhere (the room layout) nothing happens. The view shown before the command stays current.
void CmStairs(TClient& client);

// Manual Dimension (372): the line tool waiting for the dimension's first point, in any view of an open
// drawing.
void CmManualDimension(TClient& client);
