#include "platform/qt/folder_lock_file.h"

#include <QLockFile>
#include <QString>
#include <QSysInfo>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

// QLockFile creates its file (O_EXCL), takes flock(2) on it and only then writes its holder; it keeps
// that native lock for as long as it holds the file, and a killed process's native lock goes with it.
// A copy killed between the creation and the write leaves an empty file that no one holds, which
// QLockFile never takes for stale. Such a file cannot be told from one whose creator has not yet taken
// its native lock, so every copy creates and clears its lock file only inside a gate, the native lock of
// the folder itself: inside it, an empty lock file that no process holds is one a killed copy left, and
// is removed while the gate keeps out every copy that might create the file anew.

namespace platform::qt {

namespace {

using namespace std::chrono_literals;

// How long a copy that is taking the folder at this moment may keep the others waiting at the gate.
constexpr auto GateWait = 3s;
// How long a lock file that names no holder, but that a live process holds, is given to name it.
constexpr std::chrono::milliseconds HolderWait = 1s;

class LockFile : public FolderLock {
  public:
    explicit LockFile(const std::string& path) : file(QString::fromStdString(path)) {
        // The program holds its folder for hours; only a holder that no longer runs makes it stale.
        file.setStaleLockTime(0);
    }
    QLockFile file;
};

// Closes the descriptor on every path out.
struct Descriptor {
    explicit Descriptor(int fd) : fd(fd) {}
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd;
};

enum class NativeLock { Taken, Held, Untestable };

// Takes the kind of native lock QLockFile holds, without waiting; Untestable where the file system
// keeps no such locks.
NativeLock TryNativeLock(int fd) {
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        return errno == EWOULDBLOCK ? NativeLock::Held : NativeLock::Untestable;
    }
    return NativeLock::Taken;
}

// The folder's gate, held from when it is passed until it goes out of scope. A copy passes it within
// moments, so one that waits longer than GateWait finds the folder Held by a copy that is starting.
struct Gate {
    explicit Gate(const std::string& path)
        : folder(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)), state(NativeLock::Untestable) {
        if (this->folder.fd < 0) return;
        const auto deadline = std::chrono::steady_clock::now() + GateWait;
        while ((state = TryNativeLock(this->folder.fd)) == NativeLock::Held &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(10ms);
    }
    Descriptor folder;
    NativeLock state;
};

// Removes the lock file at `path` when it still names no holder and no process holds its native lock:
// one a copy was killed leaving before it wrote its holder. Only inside the gate. Taken when it is
// removed (or gone already), Held when a process holds it or it has changed since, Untestable when
// whether a process holds it cannot be known.
NativeLock RemoveAbandonedLockFile(const std::string& path, const QLockFile& file) {
    // Not blocking: a named pipe put in the file's place since would keep the open waiting for good.
    const Descriptor lock(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (lock.fd < 0) return errno == ENOENT ? NativeLock::Taken : NativeLock::Untestable;
    struct stat opened {};
    if (::fstat(lock.fd, &opened) != 0 || !S_ISREG(opened.st_mode)) return NativeLock::Untestable;
    const NativeLock native = TryNativeLock(lock.fd);
    if (native != NativeLock::Taken) return native;
    // Held by us now, the file is removed only if the path still names it and it still names no one.
    struct stat named {};
    if (::lstat(path.c_str(), &named) != 0)
        return errno == ENOENT ? NativeLock::Taken : NativeLock::Untestable;
    if (named.st_dev != opened.st_dev || named.st_ino != opened.st_ino ||
        file.getLockInfo(nullptr, nullptr, nullptr))
        return NativeLock::Held;
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) return NativeLock::Untestable;
    return NativeLock::Taken;
}

// Why `file`, which could not be taken, is held: by the process it names, of this host or another.
void DescribeHolder(const QLockFile& file, FolderLockAttempt& attempt) {
    qint64 pid = 0;
    QString host;
    QString program;
    if (!file.getLockInfo(&pid, &host, &program)) return;
    attempt.holder = "process " + std::to_string(pid) + (host.isEmpty() ? "" : " on " + host.toStdString());
    // A lock of this host that QLockFile kept is its running holder's; whether a process of another
    // host runs, this one cannot tell.
    const bool thisHost = host.isEmpty() || host == QSysInfo::machineHostName();
    attempt.outcome =
        thisHost ? FolderLockAttempt::Outcome::HeldByAnother : FolderLockAttempt::Outcome::HeldOnAnotherHost;
}

} // namespace

FolderLockAttempt LockFolderFile(const std::string& path) {
    FolderLockAttempt attempt;
    // QLockFile reads a lock it finds to see whether its holder still runs: a named pipe there would
    // keep it waiting for a writer for good, and a folder would pass for a lock no one ever drops.
    struct stat status {};
    if (::lstat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
        attempt.outcome = FolderLockAttempt::Outcome::NotAFile;
        return attempt;
    }
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    const Gate gate(folder.empty() ? "." : folder.string());
    if (gate.state == NativeLock::Held) {
        attempt.outcome = FolderLockAttempt::Outcome::HeldByAnother;
        return attempt;
    }
    auto lock = std::make_unique<LockFile>(path);
    bool taken = lock->file.tryLock(0);
    if (!taken && lock->file.error() == QLockFile::LockFailedError &&
        !lock->file.getLockInfo(nullptr, nullptr, nullptr)) {
        const NativeLock abandoned = gate.state == NativeLock::Taken
                                         ? RemoveAbandonedLockFile(path, lock->file)
                                         : NativeLock::Untestable;
        if (abandoned == NativeLock::Untestable) {
            attempt.outcome = FolderLockAttempt::Outcome::NamesNoHolder;
            return attempt;
        }
        // Removed, it is taken at once. Held, a process that passed no gate holds it while it writes its
        // holder, which it soon names, or lets go.
        taken = lock->file.tryLock(abandoned == NativeLock::Taken ? 0ms : HolderWait);
    }
    if (taken) {
        attempt.outcome = FolderLockAttempt::Outcome::Taken;
        attempt.lock = std::move(lock);
        return attempt;
    }
    if (lock->file.error() != QLockFile::LockFailedError) return attempt;
    attempt.outcome = FolderLockAttempt::Outcome::HeldByAnother;
    DescribeHolder(lock->file, attempt);
    return attempt;
}

} // namespace platform::qt
