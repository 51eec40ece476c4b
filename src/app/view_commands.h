#pragma once
// The View menu's commands: the display mode, overlays, the floors, the room layout and the floor
// area, and the two operations the floor commands share.

class CommandTable;
class TClient;

void AddViewCommands(CommandTable& table);

// Ground Floor (330): opens the ground floor's plan with the pick tool.
void CmGroundFloor(TClient& client);
// First Floor (331) and Second Floor (332): open the floor's plan once it has its title; a floor not
// made yet is made from the floor below, its outline copied or drawn over that floor.
void CmFirstFloor(TClient& client);
void CmSecondFloor(TClient& client);
// Show Overlays (343): the floors overlaid on the working floor, which the view then opens.
void CmShowOverlays(TClient& client);
// Room Layout (344): opens the room layout with the design-room tool.
void CmRoomLayout(TClient& client);
// Floor Area (342): the floor areas of the drawing, from a plan view.
void CmFloorArea(TClient& client);
// Display Mode (470): how the plan views show walls and dimensions.
void CmDisplayMode(TClient& client);

// With CurrentView already the new first (51) or second floor (52): overlays it on the floor below,
// puts the view in overlay mode 4 and reopens it keeping the tool.
void WriteOverlayForFloor(TClient& client);
// The automatic dimensions and floor area of a floor plan just made, with the pick tool.
void DimensionNewFloor(TClient& client);
