#pragma once
// The program folder: the folder that holds the executable. Every CFG, DWGS and LIBS path is this
// folder followed by the relative name.

#include "model/whole_file.h"
#include "platform/folder_lock.h"

#include <memory>
#include <string>
#include <vector>

// A shipped file that was missing from the program folder and could not be laid in, and why.
struct FileNotLaidIn {
    std::string path; // relative to the program folder, "CFG/WIND.CFG"
    WriteOutcome outcome;
};

// Creates CFG/, DWGS/ and LIBS/ under the folder when missing, removes the temporary files that
// killed saves left there and lays in every shipped default file that is missing. Returns false,
// with the reason in `error`, when a folder cannot be made. A file that cannot be laid in (a folder
// on a read-only file system or a full disk, a file where its folder belongs) stops nothing: it goes
// into `notLaidIn`, when given, for the program to say once it has started.
bool PrepareProgramFolder(const std::string& folder, std::string& error,
                          std::vector<FileNotLaidIn>* notLaidIn = nullptr);

// The text of the one box in which the program says what it could not lay in as it started: for the
// settings files and for the help page, the first file named with the reason and the rest counted,
// then what follows (the shipped settings in their place, Help without its page).
std::string NotLaidInText(const std::vector<FileNotLaidIn>& files);

// The file of the program folder that the copy of the program running there holds locked.
inline constexpr char ProgramFolderLockName[] = "KORVANE.LCK";

// Takes the program folder for this copy of the program, then prepares it: makes the folder when
// missing, takes its lock through `lockFile` into `lock`, which keeps it for as long as the copy runs,
// and only then runs PrepareProgramFolder, whose clearing of killed saves' temporary files would
// break another copy's save. False with the reason in `error` when a running copy holds the folder
// ("Korvane is already running on this folder ...": two copies would each save over the other's
// drawings), when a lock stands there that may be left over (one of another computer, one that names
// no holder: the message names the file and says to remove it when no copy runs), when something that
// is not a file stands at the lock's place, or when the folder cannot be prepared. A folder where no lock
// of any kind can be had is used without one, and so is any folder when `lockFile` is empty. What the
// start has to say of the lock (no lock, a lock file left over that cannot be removed) goes into
// `lockNote`, and the files it could not lay in into `notLaidIn`, when given.
bool TakeProgramFolder(const std::string& folder, const platform::FolderLocker& lockFile,
                       std::unique_ptr<platform::FolderLock>& lock, std::string& error,
                       std::vector<FileNotLaidIn>* notLaidIn = nullptr, std::string* lockNote = nullptr);
