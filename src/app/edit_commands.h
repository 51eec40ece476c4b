#pragma once
// The Edit menu's commands (Copy, Paste, Move or Rotate, Change text/number, Erase/Delete) and the
// toolbar's Undo Last Object.

class CommandTable;

void AddEditCommands(CommandTable& table);
