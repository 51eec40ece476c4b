#pragma once
// A lock that keeps a folder to one running process. It is tied to the process that holds it: the lock
// of a process of this host that has ended (killed, crashed, even before it wrote who holds it) counts for
// nothing and the next taker takes it over. One of another host, whose processes this host cannot see, is
// never taken over. The Qt backend makes them (platform/qt/folder_lock_file.h).

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
        Taken,             // `lock` holds it
        HeldByAnother,     // a running process of this host holds it
        HeldOnAnotherHost, // a process of another host wrote it, which this host cannot see run or end
        NamesNoHolder,     // a file stands there that names no process, where this host cannot tell
                           // whether a process holds it (a file system without native locks)
        NotAFile,          // something that is not a file stands there (a folder, a named pipe)
        Unavailable,       // no lock of any kind can be had (a read-only folder, say)
    };
    Outcome outcome = Outcome::Unavailable;
    std::unique_ptr<FolderLock> lock;
    // Who holds it, when the lock names a process: "process 1234 on HOST". Unavailable: the other program
    // that holds this computer's lock of the folder, where one does (`error` then says why no lock file
    // could be made).
    std::string holder;
    // Taken, where a lock file a process of this host left when it ended still stands, for it could not
    // be removed (`error`, an error number, says why; `holder` names the process when the file does).
    // Processes of this host are kept out all the same; those of another host take the folder for held.
    bool leftoverKept = false;
    int error = 0;
};

// Takes the lock of the folder whose lock file is `path` at once, or says why not; it waits only while
// another process is taking it at that moment.
using FolderLocker = std::function<FolderLockAttempt(const std::string& path)>;

} // namespace platform
