#pragma once
// The program folder: the folder that holds the executable. Every CFG, DWGS and LIBS path is this
// folder followed by the relative name.

#include "platform/folder_lock.h"

#include <memory>
#include <string>

// Creates CFG/, DWGS/ and LIBS/ under the folder when missing, removes the temporary files that
// killed saves left there and lays in every shipped default file that is missing. Returns false,
// with the reason in `error`, when a folder cannot be made.
bool PrepareProgramFolder(const std::string& folder, std::string& error);

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
// file can be made (read-only, where no copy can save either) is used without one; so is any folder when
// `lockFile` is empty.
bool TakeProgramFolder(const std::string& folder, const platform::FolderLocker& lockFile,
                       std::unique_ptr<platform::FolderLock>& lock, std::string& error);
