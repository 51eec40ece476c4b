#pragma once
// The Libraries menu's commands: ADD to a library (350) keeps part of the drawing as a named symbol;
// Plumbing, Electrical, Furniture and Miscellaneous (351 to 354) insert one, previewed from a list and
// then placed with the move tool.

class CommandTable;
class DrawingView;
class TClient;

// The five commands stay out of the table (greyed) until the copy and move tools they hand over to
// are built.
void AddLibraryCommands(CommandTable& table);

// Each acts only on an open drawing. The capture needs the active view; the four libraries first put a
// fresh move tool in place and then, with an active view, run the library list.
void CmLibraryAdd(TClient& client);
void CmLibraryPlumbing(TClient& client);
void CmLibraryElectrical(TClient& client);
void CmLibraryFurniture(TClient& client);
void CmLibraryMisc(TClient& client);

// Starts a capture in `view`: the copy tool with its library flag (Amount 1), whose rectangle release
// the view ends with the new-library-file dialog.
void AddToLibrary(DrawingView& view);
// Runs the list of library `group` (1 plumbing, 2 electrical, 3 furniture, 4 miscellaneous) over
// `view`, each pick previewed in the view's lower-left corner. OK leaves the last preview in the
// drawing list as the selection of a move tool waiting for its reference click; Cancel takes every
// preview away again and saves the drawing as it was.
void PlaceLibrarySymbol(DrawingView& view, int group);
