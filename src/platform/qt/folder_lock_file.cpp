#include "platform/qt/folder_lock_file.h"

#include <QCoreApplication>
#include <QSysInfo>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string_view>
#include <system_error>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

// Two locks keep a folder. This computer's copies are kept out by the lock its kernel keeps of the folder
// itself (flock of the folder open for reading). It needs no file, so it holds where the folder cannot be
// written (a full disk, a folder whose top is not the user's); it holds across network and process
// namespaces and bind mounts, is dropped with its process however that ends, and a copied folder is
// another folder. But any process that may read the folder may take it, so a start that finds it held
// asks the kernel who holds it (/proc/locks), and passes over only a holder it sees to be another program
// (or one that has ended, its lock handed on to a process it started), while the kernel still lists it
// once looked at. A holder it cannot see (ending, hidden from this user, in another process namespace) is
// given a moment to let go, and keeps it out if it does not. Copies on other hosts that share the folder see
// only files, so the lock file is kept too, where it can be written: it names its holder's process, host and
// folder, and its holder keeps the native lock (flock) of it as well, where the file system has one. A lock
// file that names this host and this folder holds while its process runs this program, whatever else holds: a
// copy that found the folder's lock held by another program keeps the folder by the file alone.

namespace platform::qt {

namespace {

using namespace std::chrono_literals;

// How long a lock file that names no holder, but that a live process holds, is given to name it.
constexpr std::chrono::milliseconds HolderWait = 1s;
// How long a lock file that names no holder and that no process holds is given to name one: a copy that
// has just made it names itself at once, one killed as it made it never does. So long, too, is a holder of
// the folder's lock that this copy cannot see given to let go.
constexpr std::chrono::milliseconds NamingWait = 100ms;

// Closes the descriptor on every path out.
struct Descriptor {
    explicit Descriptor(int fd) : fd(fd) {}
    Descriptor(Descriptor&& other) noexcept : fd(other.release()) {}
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

// The folder open as `fd` as the kernel lists its locks (/proc/locks): the major and minor numbers of its
// file system's device in hexadecimal, then its inode ("fe:00:5308428"). The device is the one its mount
// shows, which is not the folder's own st_dev on every file system (a btrfs subvolume has a device of its
// own); the folder's st_dev stands in where the mount cannot be found.
std::string FolderIdentity(int fd, const struct stat& status) {
    unsigned major = ::major(status.st_dev);
    unsigned minor = ::minor(status.st_dev);
    std::ifstream opened("/proc/self/fdinfo/" + std::to_string(fd));
    std::string field, mount;
    while (opened >> field && field != "mnt_id:") {
    }
    // "36 35 98:0 /folder /mnt rw - ext4 /dev/vda rw": the mount's number, its parent's, its device.
    if (opened >> mount) {
        std::ifstream mounts("/proc/self/mountinfo");
        std::string line;
        while (std::getline(mounts, line)) {
            std::istringstream fields(line);
            std::string number, parent;
            unsigned mountMajor = 0, mountMinor = 0;
            char colon = 0;
            if (fields >> number >> parent >> mountMajor >> colon >> mountMinor && number == mount &&
                colon == ':') {
                major = mountMajor;
                minor = mountMinor;
                break;
            }
        }
    }
    char text[64];
    std::snprintf(text, sizeof text, "%02x:%02x:%llu", major, minor,
                  static_cast<unsigned long long>(status.st_ino));
    return text;
}

// Who holds the folder whose identity is `folder`, as the lock file says it: the lines "PID", "PROGRAM",
// "HOST", "FOLDER".
std::string HolderText(const std::string& folder) {
    const std::string program = QCoreApplication::applicationName().toStdString();
    return std::to_string(::getpid()) + "\n" + program + "\n" + ThisHost() + "\n" + folder + "\n";
}

// The process, host and folder a holder's text names; pid 0 where it names none (empty, cut short, not a
// holder's text). No host is this host, and no folder any folder.
struct Holder {
    long long pid = 0;
    std::string host;
    std::string folder;
};

Holder ParseHolder(std::string_view text) {
    std::string_view lines[4];
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
    holder.folder = lines[3];
    return holder;
}

// The file name of an executable as /proc shows it, without the mark of one replaced since it started.
std::string ExecutableName(const std::filesystem::path& executable) {
    constexpr std::string_view replaced = " (deleted)";
    std::string name = executable.filename().string();
    if (name.ends_with(replaced)) name.resize(name.size() - replaced.size());
    return name;
}

bool ProcessRuns(long long pid) {
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// What can be seen of a process.
enum class Seen {
    ThisProgram,  // it runs korvane, korvane-script, or the executable this process runs, whatever it was
                  // renamed to
    OtherProgram, // it runs another program
    Ended,        // neither /proc nor the kernel has it
    Unseen,       // it is there, running what cannot be seen: ending (its executable let go, its files not
                  // yet), a zombie, hidden from this user, or anything where /proc is not there
};

// What this user may see of process `pid`: the program its executable is, or where that is not this
// user's to see (another user's process), its command name, the executable's name cut to 15 bytes.
Seen SeeProcess(long long pid) {
    namespace fs = std::filesystem;
    const fs::path process = "/proc/" + std::to_string(pid);
    std::error_code error;
    std::string name = ExecutableName(fs::read_symlink(process / "exe", error));
    std::size_t kept = std::string::npos;
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted) {
        std::ifstream command(process / "comm");
        if (std::getline(command, name)) {
            kept = 15;
            error.clear();
        }
    }
    if (error) return ProcessRuns(pid) ? Seen::Unseen : Seen::Ended;
    static const std::string own = ExecutableName(fs::read_symlink("/proc/self/exe", error));
    const std::string_view programs[] = {"korvane", "korvane-script", own};
    for (const std::string_view program : programs)
        if (!name.empty() && name == program.substr(0, kept)) return Seen::ThisProgram;
    return Seen::OtherProgram;
}

// Whether process `pid` of this host is a running copy of this program: where /proc is not there, nothing
// says no. Asked last, whether it runs holds for what was seen of it.
bool RunningCopy(long long pid) {
    if (pid <= 0 || pid == ::getpid()) return false;
    std::error_code error;
    const Seen seen = SeeProcess(pid);
    return (seen == Seen::ThisProgram ||
            (seen == Seen::Unseen && !std::filesystem::exists("/proc/self/exe", error))) &&
           ProcessRuns(pid);
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

// The processes the kernel lists as holding a native lock of the file `identity`, as this process's /proc
// shows them: none where it shows no holder, as it shows none out of its process namespace.
std::vector<long long> NativeLockHolders(const std::string& identity) {
    std::vector<long long> holders;
    std::ifstream locks("/proc/locks");
    std::string line;
    // "1: FLOCK  ADVISORY  WRITE 1234 fe:00:5308428 0 EOF"; a process waiting for it has "->" before FLOCK.
    while (std::getline(locks, line)) {
        std::istringstream fields(line);
        std::string number, kind, advisory, access, file;
        long long pid = 0;
        if (fields >> number >> kind >> advisory >> access >> pid >> file && kind == "FLOCK" &&
            file == identity && pid > 0)
            holders.push_back(pid);
    }
    return holders;
}

// The kernel's lock of the folder itself.
struct FolderLockTaking {
    // Taken; Held by a running copy of this program, or by what this copy cannot see; Unavailable: the
    // folder cannot be locked, or another program holds it, which keeps no one out.
    enum class State { Taken, Held, Unavailable };
    State state = State::Unavailable;
    Descriptor folder{-1}; // Taken: the folder open, holding the lock
    std::string identity;  // the folder's, where it can be looked at
    long long holder = 0;  // Held: the copy that holds it, 0 where it is out of sight; Unavailable: the
                           // other program that holds it, 0 where none does
};

// Takes the kernel's lock of the folder at `path` without waiting, or says who holds it.
FolderLockTaking TakeFolderLock(const std::string& path) {
    using State = FolderLockTaking::State;
    FolderLockTaking taking;
    Descriptor folder(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat status {};
    if (folder.fd < 0 || ::fstat(folder.fd, &status) != 0) return taking;
    taking.identity = FolderIdentity(folder.fd, status);
    // Set at the first look that settles nothing, however long the looks before it took.
    std::optional<std::chrono::steady_clock::time_point> deadline;
    while (true) {
        switch (TryNativeLock(folder.fd)) {
        case NativeLock::Taken:
            taking.state = State::Taken;
            taking.folder.fd = folder.release();
            return taking;
        case NativeLock::Untestable:
            return taking;
        case NativeLock::Held:
            break;
        }
        const std::vector<long long> holders = NativeLockHolders(taking.identity);
        bool passedOver = !holders.empty();
        for (const long long holder : holders) {
            switch (SeeProcess(holder)) {
            case Seen::ThisProgram:
                taking.state = State::Held;
                taking.holder = holder;
                return taking;
            case Seen::Unseen:
                passedOver = false;
                break;
            case Seen::OtherProgram:
            case Seen::Ended: // its lock lives on in a process it was handed to, while the kernel lists it
                break;
            }
        }
        // Not a holder that let go while it was looked at, nor one that has taken it since.
        if (passedOver && NativeLockHolders(taking.identity) == holders) {
            taking.holder = holders.front();
            return taking;
        }
        // No holder in sight, or none this copy can see, or the holder changed as it was looked at: it lets
        // go, or it runs where this copy cannot see it.
        const auto now = std::chrono::steady_clock::now();
        if (!deadline) {
            deadline = now + NamingWait;
        } else if (now >= *deadline) {
            taking.state = State::Held;
            return taking;
        }
        std::this_thread::sleep_for(1ms);
    }
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

// Whether the holder holds the folder whose identity is `folder`, and not the one a copied folder came from.
bool OfFolder(const Holder& holder, const std::string& folder) {
    return holder.folder.empty() || folder.empty() || holder.folder == folder;
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

// Names this copy, and the folder whose identity is `folder`, in the lock file it has just made,
// `created`; a file it cannot fill is removed.
FileAttempt FillLockFile(const std::string& path, const std::string& folder, Descriptor& created) {
    FileAttempt attempt;
    // Held natively from before its holder is written: a file that names no one and that a process
    // holds is being written, not left behind.
    TryNativeLock(created.fd);
    const std::string holder = HolderText(folder);
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

// Takes the lock file at `path` of the folder whose identity is `folder`, taking over one that a copy left
// when it ended, or that came with a copy of another folder. `folderLocked`: the kernel's lock of the
// folder is held, so no copy that can take it is making the file now.
FileAttempt TakeLockFile(const std::string& path, const std::string& folder, bool folderLocked) {
    using Result = FileAttempt::Result;
    FileAttempt attempt;
    // A turn ends early where another host's copy has made or removed the file since it was looked at.
    for (int turn = 0; turn < 4; ++turn) {
        Descriptor created(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (created.fd >= 0) return FillLockFile(path, folder, created);
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
            if (native == NativeLock::Untestable || !folderLocked) {
                attempt.result = Result::NamesNoHolder;
                return attempt;
            }
        } else if (!OfThisHost(attempt.holder)) {
            attempt.result = Result::HeldOnAnotherHost;
            return attempt;
        } else if (OfFolder(attempt.holder, folder) && RunningCopy(attempt.holder.pid)) {
            attempt.result = Result::Held;
            return attempt;
        } else if (native == NativeLock::Held) {
            // Its copy has ended (or holds another folder), and another is taking it over: the next look
            // finds the new holder.
            std::this_thread::sleep_for(10ms);
            continue;
        }
        // Left by a copy that has ended, or copied with a folder: removed while its native lock is ours and
        // the path still names it.
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
    HeldFolder(Descriptor folder, std::unique_ptr<LockFile> file)
        : folder(std::move(folder)), file(std::move(file)) {}
    // The file goes first: with the folder's lock still held, no copy of this host takes it for left over.
    Descriptor folder;
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
    FolderLockTaking kernel = TakeFolderLock(folder.empty() ? "." : folder.string());
    const std::string kernelHolder = Describe({kernel.holder, ThisHost(), {}});
    if (kernel.state == FolderLockTaking::State::Held) {
        attempt.outcome = Outcome::HeldByAnother;
        attempt.holder = !kernelHolder.empty() ? kernelHolder
                                               : "a copy this one cannot see: in another process namespace, "
                                                 "hidden from this user, or still ending";
        return attempt;
    }
    FileAttempt file = TakeLockFile(path, kernel.identity, kernel.state == FolderLockTaking::State::Taken);
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
    if (kernel.folder.fd < 0 && !file.file) {
        attempt.outcome = Outcome::Unavailable;
        attempt.holder = kernelHolder;
        return attempt;
    }
    attempt.outcome = Outcome::Taken;
    attempt.leftoverKept = file.result == Result::LeftoverKept;
    if (!attempt.leftoverKept) attempt.holder.clear();
    attempt.lock = std::make_unique<HeldFolder>(std::move(kernel.folder), std::move(file.file));
    return attempt;
}

} // namespace platform::qt
