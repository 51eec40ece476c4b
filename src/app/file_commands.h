#pragma once
// The File menu's commands New, Open, Save As and Exit, and the helpers they share. Rotate/Mirror
// Drawings (233) comes here with its dialog.

class CommandTable;
class TChild;
class TClient;

void AddFileCommands(CommandTable& table);

void CmFileNew(TClient& client);
void CmFileOpen(TClient& client);
void CmFileSaveAs(TClient& client);
// Saves the drawing, closes the help and the main window.
void CmExit(TClient& client);

// Empties the drawing list and appends the four floor information records of a new drawing.
void CreateInfoObjects();
// TextSize, FontWeight and FontName from TEXT.CFG, and the client's font choice from them.
void LoadTextSettings(TClient& client);
// Copies the drawing under a new name; work goes on with the drawing that was open.
void SaveDrawingAs(TChild& view);
