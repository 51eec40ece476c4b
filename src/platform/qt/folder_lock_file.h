#pragma once
// Folder locks on Qt: the lock this computer's kernel keeps of the folder itself, which needs no file, and
// a lock file naming the process, host and folder that hold it, for hosts that share the folder.

#include "platform/folder_lock.h"

#include <string>

namespace platform::qt {

// Takes the lock of the folder that holds `path` (UTF-8), the lock file, at once or not at all. The
// kernel's lock of the folder keeps out every other copy of this computer, wherever the lock file cannot
// be written; where another program holds it, that program is passed over and the lock file alone is
// taken. A lock file that names this host and a process that no longer runs this program, or another
// folder (it came with a copied folder), or, with the folder's own lock taken, that names no process and
// that no process holds natively, is taken over. A lock file of another host is refused, and so is
// anything but a regular file at `path`, without being read.
FolderLockAttempt LockFolderFile(const std::string& path);

} // namespace platform::qt
