#pragma once
// The Edit menu's commands (Copy, Paste, Move or Rotate, Change text/number, Erase/Delete) and the
// toolbar's Undo Last Object.

class CommandTable;
class TClient;

void AddEditCommands(CommandTable& table);

// Each acts only while a drawing is open, and stores the help context of editing (Undo that of the
// centre and datum buttons). RestoreTool gives Move for kind 14 and Copy for kind 15.
// The copy tool: each dragged rectangle replaces the paste buffer.
void CmCopy(TClient& client);
// A move tool, then, with a view open, the paste buffer read into the drawing to be placed.
void CmPaste(TClient& client);
// The move tool, with the datum readout on; without a view only the caption and prompt change.
void CmMove(TClient& client);
// The erase tool, with the datum readout on; nothing at all on an empty drawing.
void CmErase(TClient& client);
// A text tool of kind 25: the text released on is edited.
void CmChangeText(TClient& client);
// Takes back the last object drawn on the active view.
void CmUndo(TClient& client);
