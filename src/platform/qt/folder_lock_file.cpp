#include "platform/qt/folder_lock_file.h"

#include <QCoreApplication>
#include <QObject>
#include <QSocketNotifier>
#include <QSysInfo>

#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <thread>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// Two locks keep a folder. This host's copies are kept out by a lock its kernel keeps: a socket bound to
// an abstract name made from the folder's device and inode. It needs no file, so it holds where the
// folder cannot be written (a full disk, a folder whose top is not the user's), is dropped with its
// process however that ends, and whoever is refused connects to it to learn its holder. Copies on other
// hosts that share the folder see only files, so the lock file is kept too, where it can be written:
// it names its holder's process and host, and its holder keeps the native lock (flock) of it as well,
// where the file system has one. With the folder's lock held, no other copy of this host can be making
// the lock file, so one that names this host, or that names no one and that no process holds natively,
// was left by a copy that has ended.

namespace platform::qt {

namespace {

using namespace std::chrono_literals;

// How long a lock file that names no holder, but that a live process holds, is given to name it.
constexpr std::chrono::milliseconds HolderWait = 1s;
// How long a holder that has bound the folder's name is given to let others connect to it.
constexpr std::chrono::milliseconds ListenWait = 1s;

// Closes the descriptor on every path out.
struct Descriptor {
    explicit Descriptor(int fd) : fd(fd) {}
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int release() {
        const int kept = fd;
        fd = -1;
        return kept;
    }
    int fd;
};

// The one notion of "this host", both for whether a lock file's holder has ended and in the messages.
// A cloned system keeps its machine id but is given its own host name.
std::string ThisHost() {
    return QSysInfo::machineHostName().toStdString();
}

// The folder's lock on this host: the bound and listening socket.
class HostLock {
  public:
    explicit HostLock(int socket) : listener(socket) {
        // Every refused taker connects to learn who holds the folder, and its connection waits in the
        // socket's queue until it is accepted; a full queue would keep the holder's name from the next.
        if (!QCoreApplication::instance()) return;
        drain = std::make_unique<QSocketNotifier>(listener.fd, QSocketNotifier::Read);
        QObject::connect(drain.get(), &QSocketNotifier::activated, [fd = listener.fd] {
            for (int connection; (connection = ::accept4(fd, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;)
                ::close(connection);
        });
    }
    Descriptor listener;
    std::unique_ptr<QSocketNotifier> drain;
};

struct HostLockAttempt {
    enum class State { Taken, Held, Unavailable };
    State state = State::Unavailable;
    std::unique_ptr<HostLock> lock;
    pid_t holder = 0; // Held: the holding process, 0 where it could not be learnt
};

HostLockAttempt TakeHostLock(const std::string& folder) {
    HostLockAttempt attempt;
    struct stat status {};
    if (::stat(folder.c_str(), &status) != 0) return attempt;
    sockaddr_un name{};
    name.sun_family = AF_UNIX;
    // The leading zero byte puts the name in the abstract namespace, where no file stands for it.
    const int written = std::snprintf(name.sun_path + 1, sizeof name.sun_path - 1, "korvane-folder-%llx-%llx",
                                      static_cast<unsigned long long>(status.st_dev),
                                      static_cast<unsigned long long>(status.st_ino));
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + written);
    const auto* address = reinterpret_cast<const sockaddr*>(&name);
    const auto deadline = std::chrono::steady_clock::now() + ListenWait;
    while (true) {
        Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
        if (socket.fd < 0) return attempt;
        if (::bind(socket.fd, address, length) == 0) {
            if (::listen(socket.fd, SOMAXCONN) != 0) return attempt;
            attempt.state = HostLockAttempt::State::Taken;
            attempt.lock = std::make_unique<HostLock>(socket.release());
            return attempt;
        }
        if (errno != EADDRINUSE) return attempt;
        if (::connect(socket.fd, address, length) == 0) {
            ucred peer{};
            socklen_t size = sizeof peer;
            if (::getsockopt(socket.fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0)
                attempt.holder = peer.pid;
            attempt.state = HostLockAttempt::State::Held;
            return attempt;
        }
        // Refused: the holder has bound the name and not yet begun to listen, or has let it go since.
        if (errno != ECONNREFUSED || std::chrono::steady_clock::now() >= deadline) {
            attempt.state = HostLockAttempt::State::Held;
            return attempt;
        }
        std::this_thread::sleep_for(1ms);
    }
}

enum class NativeLock { Taken, Held, Untestable };

// Takes the native lock of a file without waiting; Untestable where the file system keeps no such locks
// (or keeps them only for a file open for writing).
NativeLock TryNativeLock(int fd) {
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        return errno == EWOULDBLOCK ? NativeLock::Held : NativeLock::Untestable;
    }
    return NativeLock::Taken;
}

// Whether `path` still names the file open as `fd`.
bool NamesFile(const std::string& path, int fd) {
    struct stat named {};
    struct stat opened {};
    return ::lstat(path.c_str(), &named) == 0 && ::fstat(fd, &opened) == 0 && named.st_dev == opened.st_dev &&
           named.st_ino == opened.st_ino;
}

// The process and host a lock file names, in the lines "PID", "PROGRAM", "HOST"; pid 0 where it names
// none (empty, cut short, not a lock file). No host is this host.
struct Holder {
    long long pid = 0;
    std::string host;
};

Holder ReadHolder(int fd) {
    char bytes[1024];
    const ssize_t size = ::pread(fd, bytes, sizeof bytes, 0);
    if (size <= 0) return {};
    std::string_view text(bytes, static_cast<std::size_t>(size));
    std::string_view lines[3];
    for (std::string_view& line : lines) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) break;
        line = text.substr(0, end);
        text.remove_prefix(end + 1);
    }
    Holder holder;
    for (const char digit : lines[0]) {
        if (digit < '0' || digit > '9' || holder.pid > 999'999'999) return {};
        holder.pid = holder.pid * 10 + (digit - '0');
    }
    holder.host = lines[2];
    return holder;
}

bool OfThisHost(const Holder& holder) {
    return holder.host.empty() || holder.host == ThisHost();
}

bool ProcessRuns(long long pid) {
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// The lock file this copy made and holds natively; removed as it is let go, while it is still the one at
// its path.
class LockFile {
  public:
    LockFile(std::string path, int fd) : path(std::move(path)), file(fd) {}
    ~LockFile() {
        if (NamesFile(path, file.fd)) ::unlink(path.c_str());
    }
    std::string path;
    Descriptor file;
};

struct FileAttempt {
    enum class Result { Taken, Unwritable, Held, HeldOnAnotherHost, NamesNoHolder, NotAFile, LeftoverKept };
    Result result = Result::Unwritable;
    std::unique_ptr<LockFile> file;
    Holder holder;
    int error = 0;
};

// Names this copy in the lock file it has just made, `created`; a file it cannot fill is removed.
FileAttempt FillLockFile(const std::string& path, Descriptor& created) {
    FileAttempt attempt;
    // Held natively from before its holder is written: a file that names no one and that a process
    // holds is being written, not left behind.
    TryNativeLock(created.fd);
    const std::string program = QCoreApplication::applicationName().toStdString();
    const std::string holder = std::to_string(::getpid()) + "\n" + program + "\n" + ThisHost() + "\n";
    // A few bytes go in one write or none: a short one is a full disk's.
    const ssize_t written = ::write(created.fd, holder.data(), holder.size());
    if (written != static_cast<ssize_t>(holder.size()) || ::fdatasync(created.fd) != 0) {
        attempt.error = written >= 0 && written < static_cast<ssize_t>(holder.size()) ? ENOSPC : errno;
        if (NamesFile(path, created.fd)) ::unlink(path.c_str());
        return attempt;
    }
    attempt.result = FileAttempt::Result::Taken;
    attempt.file = std::make_unique<LockFile>(path, created.release());
    return attempt;
}

// Takes the lock file at `path`, taking over one that a copy left when it ended. `hostLockHeld`: the
// folder's lock on this host is held, so no copy of this host is making the file at this moment.
FileAttempt TakeLockFile(const std::string& path, bool hostLockHeld) {
    using Result = FileAttempt::Result;
    FileAttempt attempt;
    // A turn ends early where another host's copy has made or removed the file since it was looked at.
    for (int turn = 0; turn < 4; ++turn) {
        Descriptor created(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (created.fd >= 0) return FillLockFile(path, created);
        if (errno != EEXIST) {
            attempt.error = errno;
            return attempt;
        }
        // Not blocking: a named pipe there would keep the open waiting for a writer for good.
        Descriptor found(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (found.fd < 0) {
            if (errno == ENOENT) continue;
            // A symbolic link is no lock file; one this user may not read names no one it can see.
            attempt.result = errno == ELOOP ? Result::NotAFile : Result::NamesNoHolder;
            return attempt;
        }
        struct stat status {};
        if (::fstat(found.fd, &status) != 0 || !S_ISREG(status.st_mode)) {
            attempt.result = Result::NotAFile;
            return attempt;
        }
        const NativeLock native = TryNativeLock(found.fd);
        attempt.holder = ReadHolder(found.fd);
        if (native == NativeLock::Held) {
            // A running copy holds it, or one that has just made it and is naming itself.
            const auto deadline = std::chrono::steady_clock::now() + HolderWait;
            while (attempt.holder.pid == 0 && std::chrono::steady_clock::now() < deadline) {
                std::this_thread::sleep_for(10ms);
                attempt.holder = ReadHolder(found.fd);
            }
            attempt.result = attempt.holder.pid == 0 || OfThisHost(attempt.holder)
                                 ? Result::Held
                                 : Result::HeldOnAnotherHost;
            return attempt;
        }
        if (attempt.holder.pid == 0) {
            // Left by a copy killed before it named itself, unless a copy may be making it now.
            if (native == NativeLock::Untestable || !hostLockHeld) {
                attempt.result = Result::NamesNoHolder;
                return attempt;
            }
        } else if (!OfThisHost(attempt.holder)) {
            attempt.result = Result::HeldOnAnotherHost;
            return attempt;
        } else if (!hostLockHeld && native == NativeLock::Untestable && ProcessRuns(attempt.holder.pid)) {
            attempt.result = Result::Held;
            return attempt;
        }
        // Left by a copy that has ended: removed while its native lock is ours and the path still names it.
        if (!NamesFile(path, found.fd)) continue;
        if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
            attempt.result = Result::LeftoverKept;
            attempt.error = errno;
            return attempt;
        }
    }
    // Made and removed at every look: copies of other hosts are taking it.
    attempt.result = Result::Held;
    attempt.holder = {};
    return attempt;
}

class HeldFolder : public FolderLock {
  public:
    HeldFolder(std::unique_ptr<HostLock> host, std::unique_ptr<LockFile> file)
        : host(std::move(host)), file(std::move(file)) {}
    // The file goes first: with the folder's lock still held, no copy of this host takes it for left over.
    std::unique_ptr<HostLock> host;
    std::unique_ptr<LockFile> file;
};

std::string Describe(const Holder& holder) {
    if (holder.pid == 0) return {};
    return "process " + std::to_string(holder.pid) + (holder.host.empty() ? "" : " on " + holder.host);
}

} // namespace

FolderLockAttempt LockFolderFile(const std::string& path) {
    using Outcome = FolderLockAttempt::Outcome;
    using Result = FileAttempt::Result;
    FolderLockAttempt attempt;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    HostLockAttempt host = TakeHostLock(folder.empty() ? "." : folder.string());
    if (host.state == HostLockAttempt::State::Held) {
        attempt.outcome = Outcome::HeldByAnother;
        if (host.holder > 0) attempt.holder = Describe({host.holder, ThisHost()});
        return attempt;
    }
    FileAttempt file = TakeLockFile(path, host.state == HostLockAttempt::State::Taken);
    attempt.holder = Describe(file.holder);
    attempt.error = file.error;
    switch (file.result) {
    case Result::Held:
        attempt.outcome = Outcome::HeldByAnother;
        return attempt;
    case Result::HeldOnAnotherHost:
        attempt.outcome = Outcome::HeldOnAnotherHost;
        return attempt;
    case Result::NamesNoHolder:
        attempt.outcome = Outcome::NamesNoHolder;
        return attempt;
    case Result::NotAFile:
        attempt.outcome = Outcome::NotAFile;
        return attempt;
    case Result::Taken:
    case Result::Unwritable:
    case Result::LeftoverKept:
        break;
    }
    if (!host.lock && !file.file) {
        attempt.outcome = Outcome::Unavailable;
        return attempt;
    }
    attempt.outcome = Outcome::Taken;
    attempt.leftoverKept = file.result == Result::LeftoverKept;
    if (!attempt.leftoverKept) attempt.holder.clear();
    attempt.lock = std::make_unique<HeldFolder>(std::move(host.lock), std::move(file.file));
    return attempt;
}

} // namespace platform::qt
