#pragma once
// A lock that keeps a folder to one running process. It is tied to the process that holds it: a lock
// left behind by a process that has ended (killed, crashed) counts for nothing and the next taker
// takes it over. The Qt backend makes them (platform/qt/folder_lock_file.h).

#include <functional>
#include <memory>
#include <string>

namespace platform {

// Held for as long as it lives.
class FolderLock {
  public:
    virtual ~FolderLock() = default;
};

struct FolderLockAttempt {
    enum class Outcome {
        Taken,         // `lock` holds it
        HeldByAnother, // a running process holds it
        Unavailable,   // no lock file can be made there (a read-only folder, say)
    };
    Outcome outcome = Outcome::Unavailable;
    std::unique_ptr<FolderLock> lock;
    // Who holds it, when another does: "process 1234 on HOST" (empty where the lock does not say).
    std::string holder;
};

// Tries once, without waiting, to take the lock file at `path`.
using FolderLocker = std::function<FolderLockAttempt(const std::string& path)>;

} // namespace platform
