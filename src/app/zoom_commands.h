#pragma once
// The Zoom menu's commands: Zoom UP, Fit on Screen, Back to Normal, Shrink by Half.

class CommandTable;
class TClient;

void AddZoomCommands(CommandTable& table);

// Zoom UP (500): the move tool drags the rectangle to enlarge. Refused on the room layout.
void CmZoomUp(TClient& client);
// Back to Normal (501), Shrink by Half (502) and Fit on Screen (503) of the active view.
void CmZoomNormal(TClient& client);
void CmZoomHalf(TClient& client);
void CmZoomFit(TClient& client);
