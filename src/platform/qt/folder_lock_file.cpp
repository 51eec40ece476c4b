#include "platform/qt/folder_lock_file.h"

#include <QLockFile>
#include <QString>

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
    auto lock = std::make_unique<LockFile>(path);
    FolderLockAttempt attempt;
    if (lock->file.tryLock(0)) {
        attempt.outcome = FolderLockAttempt::Outcome::Taken;
        attempt.lock = std::move(lock);
        return attempt;
    }
    if (lock->file.error() != QLockFile::LockFailedError) return attempt;
    attempt.outcome = FolderLockAttempt::Outcome::HeldByAnother;
    qint64 pid = 0;
    QString host;
    QString program;
    if (lock->file.getLockInfo(&pid, &host, &program))
        attempt.holder =
            "process " + std::to_string(pid) + (host.isEmpty() ? "" : " on " + host.toStdString());
    return attempt;
}

} // namespace platform::qt
