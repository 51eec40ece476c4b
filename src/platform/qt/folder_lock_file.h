#pragma once
// Folder locks on Qt: a lock file naming the process, host and program that hold it.

#include "platform/folder_lock.h"

#include <string>

namespace platform::qt {

// Takes the lock file at `path` (UTF-8) at once or not at all. A file whose process is no longer
// running on this host is stale and taken over, and so is one that names no process and that no process
// holds natively (its writer was killed before it wrote); a live holder's lock never goes stale with age.
// Anything but a regular file at `path` is refused without being opened.
FolderLockAttempt LockFolderFile(const std::string& path);

} // namespace platform::qt
