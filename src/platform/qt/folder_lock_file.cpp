#include "platform/qt/folder_lock_file.h"

#include <QCoreApplication>
#include <QSysInfo>

#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// Two locks keep a folder. This host's copies are kept out by a lock its kernel keeps: a socket bound to
// an abstract name made from the folder's device and inode. It needs no file, so it holds where the
// folder cannot be written (a full disk, a folder whose top is not the user's), and is dropped with its
// process however that ends. But any process of any user may bind such a name, so the name alone proves
// nothing: whoever finds it bound connects, and its holder answers who it is; only an answer that names
// the process the kernel says holds the socket, and that process runs this program, keeps the folder.
// Anything else at the name is passed over. Copies on other hosts that share the folder see only files,
// so the lock file is kept too, where it can be written: it names its holder's process and host, and its
// holder keeps the native lock (flock) of it as well, where the file system has one. A lock file that
// names this host holds while its process runs this program, whatever else holds: a copy in another
// network namespace (a sandbox, a container) has a socket of its own, and one that lost the native lock to
// a copy looking at its file as it made it goes on without it.

namespace platform::qt {

namespace {

using namespace std::chrono_literals;

// How long a lock file that names no holder, but that a live process holds, is given to name it.
constexpr std::chrono::milliseconds HolderWait = 1s;
// How long a lock file that names no holder and that no process holds is given to name one: a copy that
// has just made it names itself at once, one killed as it made it never does.
constexpr std::chrono::milliseconds NamingWait = 100ms;
// How long what holds the folder's name is given to listen and say who it is.
constexpr std::chrono::milliseconds AnswerWait = 1s;

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

// Who holds the folder, as both the lock file and the folder's socket say it: the lines "PID", "PROGRAM",
// "HOST".
std::string HolderText() {
    const std::string program = QCoreApplication::applicationName().toStdString();
    return std::to_string(::getpid()) + "\n" + program + "\n" + ThisHost() + "\n";
}

// The process and host a holder's text names; pid 0 where it names none (empty, cut short, not a
// holder's text). No host is this host.
struct Holder {
    long long pid = 0;
    std::string host;
};

Holder ParseHolder(std::string_view text) {
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

// The file name of an executable as /proc shows it, without the mark of one replaced since it started.
std::string ExecutableName(const std::filesystem::path& executable) {
    constexpr std::string_view replaced = " (deleted)";
    std::string name = executable.filename().string();
    if (name.ends_with(replaced)) name.resize(name.size() - replaced.size());
    return name;
}

// Whether process `pid` runs this program: korvane, korvane-script, or the executable this process runs,
// whatever it was renamed to. Where its executable is not this user's to see (another user's process), its
// command name is asked, the executable's name cut to 15 bytes; where /proc is not there, nothing says no.
bool RunsThisProgram(long long pid) {
    namespace fs = std::filesystem;
    const fs::path process = "/proc/" + std::to_string(pid);
    std::error_code error;
    std::string name = ExecutableName(fs::read_symlink(process / "exe", error));
    std::size_t kept = std::string::npos;
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted) {
        std::ifstream command(process / "comm");
        if (!std::getline(command, name)) return false;
        kept = 15;
    } else if (error) {
        // An ended process has no executable (a zombie neither), and neither has a kernel thread.
        return !fs::exists("/proc/self/exe", error);
    }
    static const std::string own = ExecutableName(fs::read_symlink("/proc/self/exe", error));
    const std::string_view programs[] = {"korvane", "korvane-script", own};
    for (const std::string_view program : programs)
        if (!name.empty() && name == program.substr(0, kept)) return true;
    return false;
}

bool ProcessRuns(long long pid) {
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// Whether process `pid` of this host is a running copy of this program. Asked last, whether it runs
// holds for what was seen of it.
bool RunningCopy(long long pid) {
    return pid > 0 && pid != ::getpid() && RunsThisProgram(pid) && ProcessRuns(pid);
}

// The folder's lock on this host: the bound and listening socket, and the thread that answers whoever
// connects with who holds the folder. Every refused taker connects, so the answer must come whether or not
// an event loop runs (korvane-script, the start), and the queue of connections must never fill.
class HostLock {
  public:
    HostLock(int socket, std::string answer)
        : listener(socket), answer(std::move(answer)), answering([this] { Answer(); }) {}
    ~HostLock() {
        // Wakes the thread's accept, which then fails: no one is answered once the lock is let go.
        ::shutdown(listener.fd, SHUT_RDWR);
        answering.join();
    }
    HostLock(const HostLock&) = delete;
    HostLock& operator=(const HostLock&) = delete;

  private:
    void Answer() {
        // The program's signals go to its other threads.
        sigset_t all;
        ::sigfillset(&all);
        ::pthread_sigmask(SIG_BLOCK, &all, nullptr);
        while (true) {
            const int connection = ::accept4(listener.fd, nullptr, nullptr, SOCK_CLOEXEC);
            if (connection >= 0) {
                ::send(connection, answer.data(), answer.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
                ::close(connection);
            } else if (errno == EINVAL) {
                return; // shut down
            } else if (errno != EINTR && errno != ECONNABORTED) {
                std::this_thread::sleep_for(10ms); // out of descriptors, say: the next one is answered
            }
        }
    }
    Descriptor listener;
    const std::string answer;
    std::thread answering;
};

struct HostLockAttempt {
    // Taken; Held by a running copy of this program; Unavailable: no socket can be had, or something
    // else holds the name (no answer, a wrong one, bound without listening), which keeps no one out.
    enum class State { Taken, Held, Unavailable };
    State state = State::Unavailable;
    std::unique_ptr<HostLock> lock;
    Holder holder; // Held: the copy that holds it
};

// What the holder of the connected socket `fd` says of itself before `deadline`, up to the end of its
// answer; empty where it says nothing.
std::string ReadAnswer(int fd, std::chrono::steady_clock::time_point deadline) {
    std::string answer;
    char bytes[256];
    while (answer.size() < 1024) {
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left <= 0ms) break;
        pollfd readable{fd, POLLIN, 0};
        const int ready = ::poll(&readable, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) break;
        const ssize_t read = ::recv(fd, bytes, sizeof bytes, MSG_DONTWAIT);
        if (read < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (read <= 0) break;
        answer.append(bytes, static_cast<std::size_t>(read));
    }
    return answer;
}

HostLockAttempt TakeHostLock(const std::string& folder) {
    using State = HostLockAttempt::State;
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
    const auto deadline = std::chrono::steady_clock::now() + AnswerWait;
    while (true) {
        Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
        if (socket.fd < 0) return attempt;
        if (::bind(socket.fd, address, length) == 0) {
            // Blocking again: the answering thread waits in accept.
            if (::listen(socket.fd, SOMAXCONN) != 0 || ::fcntl(socket.fd, F_SETFL, 0) != 0) return attempt;
            attempt.state = State::Taken;
            attempt.lock = std::make_unique<HostLock>(socket.release(), HolderText());
            return attempt;
        }
        if (errno != EADDRINUSE) return attempt;
        if (::connect(socket.fd, address, length) == 0) {
            ucred peer{};
            socklen_t size = sizeof peer;
            const bool known = ::getsockopt(socket.fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0;
            const Holder claimed = ParseHolder(ReadAnswer(socket.fd, deadline));
            if (claimed.pid != 0) {
                // The kernel names the process that listens; what it says of itself must agree.
                if (!known || claimed.pid != peer.pid || !RunningCopy(claimed.pid)) return attempt;
                attempt.state = State::Held;
                attempt.holder = claimed;
                return attempt;
            }
            // No answer: its holder is letting it go, or it is not a copy of this program.
        }
        // Refused: the holder has bound the name and not yet begun to listen, or has let it go since, or
        // binds it and will never listen; or the queue of what never answers is full.
        if (std::chrono::steady_clock::now() >= deadline) return attempt;
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

Holder ReadHolder(int fd) {
    char bytes[1024];
    const ssize_t size = ::pread(fd, bytes, sizeof bytes, 0);
    if (size <= 0) return {};
    return ParseHolder(std::string_view(bytes, static_cast<std::size_t>(size)));
}

// The holder the lock file open as `fd` names, given up to `wait` to name one.
Holder AwaitHolder(int fd, std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    Holder holder = ReadHolder(fd);
    while (holder.pid == 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(10ms);
        holder = ReadHolder(fd);
    }
    return holder;
}

bool OfThisHost(const Holder& holder) {
    return holder.host.empty() || holder.host == ThisHost();
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
    const std::string holder = HolderText();
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
// folder's lock on this host is held, so no copy that shares its socket names is making the file now.
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
        // A running copy holds it natively, or one that has just made it and is naming itself, whose native
        // lock this look may have kept from it.
        attempt.holder = AwaitHolder(found.fd, native == NativeLock::Held ? HolderWait : NamingWait);
        if (attempt.holder.pid == 0) {
            if (native == NativeLock::Held) {
                attempt.result = Result::Held;
                return attempt;
            }
            // Left by a copy killed before it named itself, unless a copy may be making it now.
            if (native == NativeLock::Untestable || !hostLockHeld) {
                attempt.result = Result::NamesNoHolder;
                return attempt;
            }
        } else if (!OfThisHost(attempt.holder)) {
            attempt.result = Result::HeldOnAnotherHost;
            return attempt;
        } else if (RunningCopy(attempt.holder.pid)) {
            attempt.result = Result::Held;
            return attempt;
        } else if (native == NativeLock::Held) {
            // Its copy has ended, and another is taking it over: the next look finds the new holder.
            std::this_thread::sleep_for(10ms);
            continue;
        }
        // Left by a copy that has ended: removed while its native lock is ours and the path still names it.
        if (!NamesFile(path, found.fd)) continue;
        if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
            attempt.result = Result::LeftoverKept;
            attempt.error = errno;
            return attempt;
        }
    }
    // Made and removed at every look, or held for a copy that has ended at every one: other copies are
    // taking it.
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
        attempt.holder = Describe(host.holder);
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
