#pragma once
// The Zoom menu's commands: Zoom UP, Fit on Screen, Back to Normal, Shrink by Half.

class CommandTable;

void AddZoomCommands(CommandTable& table);
