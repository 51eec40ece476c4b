#include "app/help_commands.h"

#include "app/command_table.h"
#include "model/shared_state.h"
#include "platform/desktop.h"
#include "resources/command_ids.h"
#include "resources/help_contexts.h"
#include "settings/about_dialog.h"

using platform::Desktop;
using platform::TheDesktop;

void AddHelpCommands(CommandTable& table) {
    table.Add(command_id::About, CmAbout);
    table.Add(command_id::Contents, CmHelpContents);
    table.Add(command_id::ContextHelp, CmContextHelp);
    table.Add(command_id::HintsReminders, CmHelpHints);
    table.Add(command_id::Examples, CmHelpExamples);
    table.Add(command_id::HowTo, CmHelpHowTo);
    table.Add(command_id::QuickStart, CmHelpQuickStart);
    table.Add(command_id::SearchFor, CmHelpSearch);
    table.Add(command_id::HelpTopic111, CmHelpTopic111);
    table.Add(command_id::Introduction, CmHelpIntroduction);
}

void CmHelpContents(TClient& /*client*/) {
    TheDesktop().ShowHelp(Desktop::HelpCommand::Contents, help_context::Contents);
}
void CmHelpSearch(TClient& /*client*/) {
    TheDesktop().ShowHelp(Desktop::HelpCommand::Search, 0);
}
void CmHelpIntroduction(TClient& /*client*/) {
    TheDesktop().ShowHelp(Desktop::HelpCommand::Context, help_context::Introduction);
}
void CmHelpTopic111(TClient& /*client*/) {
    TheDesktop().ShowHelp(Desktop::HelpCommand::Context, help_context::Topic111);
}
void CmHelpQuickStart(TClient& /*client*/) {
    TheDesktop().ShowHelp(Desktop::HelpCommand::Context, help_context::QuickStart);
}
void CmHelpHints(TClient& /*client*/) {
    TheDesktop().ShowHelp(Desktop::HelpCommand::Context, help_context::Hints);
}
void CmHelpHowTo(TClient& /*client*/) {
    TheDesktop().ShowHelp(Desktop::HelpCommand::Context, help_context::HowTo);
}
void CmHelpExamples(TClient& /*client*/) {
    TheDesktop().ShowHelp(Desktop::HelpCommand::Context, help_context::Examples);
}

void CmContextHelp(TClient& /*client*/) {
    if (Shared.DrawingState < 2) {
        TheDesktop().MessageBox("You must open a drawing FILE first", "CONTEXT HELP",
                                platform::MessageBoxStyle::Ok);
        return;
    }
    TheDesktop().ShowHelp(Desktop::HelpCommand::Context, Shared.HelpContext);
}

void CmAbout(TClient& /*client*/) {
    TAboutdlg about;
    about.Execute();
}
