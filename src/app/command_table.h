#pragma once
// The client's command table: each command id of the menu and the toolbar bound to one handler. Every
// menu area has a file of its own (file_commands.cpp, draw_commands.cpp, ...) that defines the area's
// handlers and adds their entries; a command the table lacks is greyed.

#include <map>

class TClient;

// A command's handler, run when the user chooses the command.
using CommandHandler = void (*)(TClient& client);

class CommandTable {
  public:
    // Binds a command id to its handler. Each id has one entry: a second one is a programming error
    // and throws std::logic_error when the table is built.
    void Add(int command, CommandHandler handler);
    // The command's handler; null when the table has none.
    CommandHandler Find(int command) const;

  private:
    std::map<int, CommandHandler> handlers_;
};

// The program's command table, with the entries of every menu area.
CommandTable ProgramCommands();
