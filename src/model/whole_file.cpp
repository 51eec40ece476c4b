#include "model/whole_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <signal.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Closes the descriptor on every path out.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return fd_; }
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

WriteStepHook& Hook() {
    static WriteStepHook hook;
    return hook;
}

// 0 when the step may go on; else the error number the test's hook fails it with, in errno too.
int HookError(WriteStep step, const std::string& path) {
    const int error = Hook() ? Hook()(step, path) : 0;
    if (error != 0) errno = error;
    return error;
}

// The error of the call that just failed; never 0, which would read as success.
int LastError() {
    return errno != 0 ? errno : EIO;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

FileStamp StampOfStatus(const struct stat& status) {
    constexpr long long Billion = 1000000000LL;
    return FileStamp{static_cast<unsigned long long>(status.st_dev),
                     static_cast<unsigned long long>(status.st_ino), static_cast<long long>(status.st_size),
                     static_cast<long long>(status.st_mtim.tv_sec) * Billion + status.st_mtim.tv_nsec,
                     static_cast<long long>(status.st_ctim.tv_sec) * Billion + status.st_ctim.tv_nsec};
}

} // namespace

void FileBuffer::Reserve(std::size_t bytes, std::size_t kept) {
    // A buffer far larger than needed (a big drawing closed, a small one opened) is given back.
    if (bytes <= capacity_ && capacity_ / 4 <= bytes) return;
    std::unique_ptr<char[]> larger = std::make_unique_for_overwrite<char[]>(bytes);
    if (kept > 0) std::memcpy(larger.get(), data_.get(), kept);
    data_ = std::move(larger);
    capacity_ = bytes;
}

std::optional<FileStamp> StampOf(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
    return StampOfStatus(status);
}

bool ReadWholeFile(const std::string& path, FileBuffer& buffer, FileStamp* stamp) {
    buffer.size_ = 0;
    // Without O_NONBLOCK, opening a named pipe waits for a writer that may never come.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.Get() < 0) return false;
    struct stat status {};
    if (::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
    // Taken before the bytes: a change while they are read leaves the file with another stamp.
    if (stamp) *stamp = StampOfStatus(status);
    // One byte beyond the size lets the read that finds the end go without growing the buffer.
    buffer.Reserve(static_cast<std::size_t>(status.st_size) + 1, 0);
    std::size_t filled = 0;
    // The size may change under us; read until the end whatever it is.
    for (;;) {
        if (filled == buffer.capacity_) buffer.Reserve(2 * buffer.capacity_, filled);
        const ssize_t got = ::read(file.Get(), buffer.data_.get() + filled, buffer.capacity_ - filled);
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    buffer.size_ = filled;
    return true;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    FileBuffer buffer;
    if (!ReadWholeFile(path, buffer)) return false;
    bytes.assign(buffer.Bytes());
    return true;
}

bool FileHolds(const std::string& path, std::string_view bytes, FileBuffer& buffer) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode) ||
        static_cast<std::size_t>(status.st_size) != bytes.size())
        return false;
    return ReadWholeFile(path, buffer) && buffer.Bytes() == bytes;
}

std::string_view WithoutByteOrderMark(std::string_view text) {
    constexpr std::string_view Mark = "\xEF\xBB\xBF";
    return text.substr(0, Mark.size()) == Mark ? text.substr(Mark.size()) : text;
}

std::string TemporaryPathFor(const std::string& path, int attempt) {
    const std::string::size_type slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return folder + "." + name + "." + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".tmp";
}

namespace {

// The folder part of `path`, "." when it has none.
std::string FolderOf(const std::string& path) {
    const std::string::size_type slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes a rename in the folder durable. A folder this process may not read, or a file system that
// cannot sync a folder (EINVAL), is no reason to call a save failed that has replaced the file; an
// error of the disk is.
bool SyncFolder(const std::string& folder) {
    FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.Get() < 0) return true;
    return ::fsync(directory.Get()) == 0 || errno == EINVAL;
}

// A new temporary file beside `path`, created exclusively: never an existing file, nor whatever a
// link planted under the name points to. Its path goes to `temporary`.
int CreateTemporaryFile(const std::string& path, std::string& temporary) {
    // Names are per process and attempt; another save of this process has renamed its file away, so
    // a name that exists belongs to a leftover or to someone else, and the next one is tried.
    constexpr int Attempts = 100;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        temporary = TemporaryPathFor(path, attempt);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

} // namespace

bool IsMarkedReadOnly(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return false;
    // The permission bits are asked as well as access(): a process that may write anything (the
    // superuser) still respects a file its owner marked read-only.
    if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return true;
    return ::access(path.c_str(), W_OK) != 0 && errno != EROFS;
}

bool WriteOutcome::OnReadOnlyFileSystem() const {
    return error == EROFS;
}

bool WriteOutcome::OnFullDisk() const {
    return error == ENOSPC || error == EDQUOT;
}

void SetWriteStepHook(WriteStepHook hook) {
    Hook() = std::move(hook);
}

StagedFile::~StagedFile() {
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

WriteOutcome StagedFile::Stage(const std::string& path, std::string_view bytes) {
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
    path_ = path;
    std::string temporary;
    if (HookError(WriteStep::Create, path) != 0) return {LastError()};
    FileDescriptor file(CreateTemporaryFile(path, temporary));
    if (file.Get() < 0) return {LastError()};
    temporary_ = temporary;
    struct stat existing {};
    // The replacement keeps the permissions the old file had.
    if (::stat(path.c_str(), &existing) == 0) ::fchmod(file.Get(), existing.st_mode & 07777);
    int error = 0;
    if (HookError(WriteStep::Write, path) != 0 || !WriteAll(file.Get(), bytes) ||
        HookError(WriteStep::Flush, path) != 0 || ::fsync(file.Get()) != 0)
        error = LastError();
    if (!file.Close() && error == 0) error = LastError();
    if (error == 0) return {};
    ::unlink(temporary_.c_str());
    temporary_.clear();
    return {error};
}

WriteOutcome StagedFile::Commit() {
    if (temporary_.empty()) return {EINVAL};
    const std::string temporary = std::move(temporary_);
    temporary_.clear();
    if (HookError(WriteStep::Rename, path_) != 0 || std::rename(temporary.c_str(), path_.c_str()) != 0) {
        const int error = LastError();
        ::unlink(temporary.c_str());
        return {error};
    }
    if (HookError(WriteStep::SyncFolder, path_) != 0 || !SyncFolder(FolderOf(path_))) return {LastError()};
    return {};
}

WriteOutcome ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
    StagedFile file;
    const WriteOutcome staged = file.Stage(path, bytes);
    return staged ? file.Commit() : staged;
}

namespace {

// The process id in the name of a temporary file ".NAME.PID-ATTEMPT.tmp" (or ".NAME.PID.tmp", as
// earlier versions named them); 0 when the name is not one.
long TemporaryFileOwner(const std::string& name) {
    const std::string suffix = ".tmp";
    if (name.size() < 2 + suffix.size() || name.front() != '.' ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return 0;
    const std::string stem = name.substr(0, name.size() - suffix.size());
    const std::string::size_type dot = stem.rfind('.');
    if (dot == 0 || dot == std::string::npos) return 0;
    const std::string last = stem.substr(dot + 1);
    const std::string::size_type dash = last.find('-');
    const std::string pid = last.substr(0, dash);
    const std::string attempt = dash == std::string::npos ? "0" : last.substr(dash + 1);
    auto digits = [](const std::string& text) {
        return !text.empty() && text.size() <= 10 &&
               std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (!digits(pid) || !digits(attempt)) return 0;
    return std::stol(pid);
}

bool ProcessIsRunning(long pid) {
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max()) return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

} // namespace

int RemoveLeftoverTemporaryFiles(const std::string& folder) {
    DIR* directory = ::opendir(folder.c_str());
    if (!directory) return 0;
    std::vector<std::string> leftovers;
    while (const dirent* entry = ::readdir(directory)) {
        const std::string name = entry->d_name;
        const long owner = TemporaryFileOwner(name);
        // A running program's save is in progress; only a killed one's file is left over.
        if (owner != 0 && !ProcessIsRunning(owner)) leftovers.push_back(name);
    }
    ::closedir(directory);
    int removed = 0;
    const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    for (const std::string& name : leftovers) {
        struct stat status {};
        const std::string path = prefix + name;
        if (::lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) && ::unlink(path.c_str()) == 0)
            ++removed;
    }
    return removed;
}
