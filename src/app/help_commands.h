#pragma once
// The Help menu's commands and the help topic reachable only through the command table (528).

class CommandTable;
class TClient;

void AddHelpCommands(CommandTable& table);

void CmHelpContents(TClient& client);
void CmHelpSearch(TClient& client);
void CmHelpIntroduction(TClient& client);
void CmHelpTopic111(TClient& client);
// The help at the context of the command in use; refused while no drawing is open.
void CmContextHelp(TClient& client);
void CmHelpQuickStart(TClient& client);
void CmHelpHints(TClient& client);
void CmHelpHowTo(TClient& client);
void CmHelpExamples(TClient& client);
void CmAbout(TClient& client);
