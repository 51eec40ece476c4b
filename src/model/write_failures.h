#pragma once
// Telling the user of a file that could not be written: in the words of what the file keeps, and once
// per user action for each kind of file. Every edit saves, and some commands save more than once, so a
// lasting fault (a read-only folder, a full disk) would otherwise be told after every save. A file the
// user never saves himself (a settings file kept as views change) is told once while the program runs.

#include "model/whole_file.h"

#include <string>

// The words for a write of file `name` that ended in `outcome`: on a file system mounted read-only
// "NAME is on a read-only file system, so " + `consequence`, on a full disk "NAME is on a full disk,
// so " + `consequence`; for any other fault `failed`.
std::string WriteFailureText(const std::string& name, const WriteOutcome& outcome, const std::string& failed,
                             const std::string& consequence);

// Shows `text` in a message box under `caption`, unless a failure of the same `key` was told since
// the user action began, or `onceKey` (when not empty) was told at all since the program started.
void TellWriteFailureOnce(const std::string& key, const std::string& text, const std::string& caption,
                          const std::string& onceKey = {});

// A new command or input of the user begins (TList::StartUserAction): failures are told again, but
// for those told once while the program runs.
void ForgetToldWriteFailures();
// The program starts afresh (ResetSharedState): every failure is told again.
void ForgetEveryToldWriteFailure();
