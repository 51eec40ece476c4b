#pragma once
// The main window's resources: menu 200, the toolbar's buttons in their order, and the string table
// that holds each command's status-bar hint and, after a newline, its tooltip.

#include "platform/window.h"

#include <string>

// Menu resource 200.
std::vector<platform::MenuItem> MainMenu();
// The toolbar, left to right; the readout field is 16 characters wide.
std::vector<platform::ToolbarItem> MainToolbar();
// The string resource of a command id ("" when there is none).
std::string CommandString(int command);
// The part of a command's string before the newline: its status-bar hint.
std::string CommandHint(int command);
// The part after the newline: its tooltip ("" none).
std::string CommandTooltip(int command);
