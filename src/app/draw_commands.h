#pragma once
// The Tools menu's drawing commands (Line, Line + Text, Arc, Circle, Ellipse, Draw Multilines,
// Rectangle, RoundRect, Text) and the toolbar's centre and datum buttons. Manual Dimension (372) comes
// here with the dimensions.

class CommandTable;
class TClient;

void AddDrawCommands(CommandTable& table);

// Each replaces the tool by its drawing tool, with the caption, prompt and help context of the command;
// RestoreTool also gives the Line command for the kinds it does not rebuild itself.
void CmLine(TClient& client);
// Not in the command table until its text dialog is built.
void CmLineText(TClient& client);
void CmArc(TClient& client);
void CmEllipse(TClient& client);
void CmCircle(TClient& client);
void CmRectangle(TClient& client);
void CmRoundRect(TClient& client);
void CmText(TClient& client);
void CmMultilines(TClient& client);
// Command 280: nothing.
void CmNothing(TClient& client);
// Centre finding: the tool's next presses mark the points and put the cursor on the centre, then the
// tool returns to the state it was in. The datum: armed for the next click, or put at the plan corner.
void CmFindLineCentre(TClient& client);
void CmFindRectCentre(TClient& client);
void CmDatum(TClient& client);
