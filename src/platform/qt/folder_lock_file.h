#pragma once
// Folder locks on Qt: a lock this host's kernel keeps for the folder, which needs no file, and a lock file
// naming the process and host that hold it, for hosts that share the folder.

#include "platform/folder_lock.h"

#include <string>

namespace platform::qt {

// Takes the lock of the folder that holds `path` (UTF-8), the lock file, at once or not at all. The
// folder's own lock keeps out every other copy of this host in its network namespace, wherever the lock
// file cannot be written; what holds it and is not a running copy of this program is passed over, and the
// lock file alone is taken. A lock file that names this host and a process that no longer runs this
// program, or, with the folder's own lock taken, that names no process and that no process holds
// natively, was left by a copy that has ended and is taken over. A lock file of another host is refused,
// and so is anything but a regular file at `path`, without being read.
FolderLockAttempt LockFolderFile(const std::string& path);

} // namespace platform::qt
