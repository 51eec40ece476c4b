#include "platform/qt/folder_lock_file.h"

#include <QLockFile>
#include <QString>
#include <QSysInfo>

#include <sys/stat.h>

namespace platform::qt {

namespace {

class LockFile : public FolderLock {
  public:
    explicit LockFile(const std::string& path) : file(QString::fromStdString(path)) {
        // The program holds its folder for hours; only a holder that no longer runs makes it stale.
        file.setStaleLockTime(0);
    }
    QLockFile file;
};

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
    auto lock = std::make_unique<LockFile>(path);
    if (lock->file.tryLock(0)) {
        attempt.outcome = FolderLockAttempt::Outcome::Taken;
        attempt.lock = std::move(lock);
        return attempt;
    }
    if (lock->file.error() != QLockFile::LockFailedError) return attempt;
    qint64 pid = 0;
    QString host;
    QString program;
    if (!lock->file.getLockInfo(&pid, &host, &program)) {
        attempt.outcome = FolderLockAttempt::Outcome::NamesNoHolder;
        return attempt;
    }
    attempt.holder = "process " + std::to_string(pid) + (host.isEmpty() ? "" : " on " + host.toStdString());
    // A lock of this host that QLockFile kept is its running holder's; whether a process of another
    // host runs, this one cannot tell.
    const bool thisHost = host.isEmpty() || host == QSysInfo::machineHostName();
    attempt.outcome =
        thisHost ? FolderLockAttempt::Outcome::HeldByAnother : FolderLockAttempt::Outcome::HeldOnAnotherHost;
    return attempt;
}

} // namespace platform::qt
