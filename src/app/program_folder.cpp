#include "app/program_folder.h"

#include "model/whole_file.h"
#include "resources/embedded_files.h"

#include <filesystem>
#include <system_error>

bool PrepareProgramFolder(const std::string& folder, std::string& error) {
    namespace fs = std::filesystem;
    std::error_code code;
    for (const char* sub : {"CFG", "DWGS", "LIBS"}) {
        fs::create_directories(fs::path(folder) / sub, code);
        if (code) {
            error = "cannot create " + (fs::path(folder) / sub).string() + ": " + code.message();
            return false;
        }
        // A save killed before its rename leaves its temporary file; the file it meant to replace
        // is whole, so the leftover is only in the way.
        RemoveLeftoverTemporaryFiles((fs::path(folder) / sub).string());
    }
    for (const EmbeddedFile& file : EmbeddedFiles()) {
        fs::path target = fs::path(folder) / std::string(file.path);
        if (fs::exists(target, code)) continue;
        fs::create_directories(target.parent_path(), code);
        if (!ReplaceFileAtomically(target.string(), file.bytes)) {
            error = "cannot write " + target.string();
            return false;
        }
    }
    return true;
}

bool TakeProgramFolder(const std::string& folder, const platform::FolderLocker& lockFile,
                       std::unique_ptr<platform::FolderLock>& lock, std::string& error) {
    namespace fs = std::filesystem;
    std::error_code code;
    fs::create_directories(folder, code);
    if (lockFile) {
        const std::string path = (fs::path(folder) / ProgramFolderLockName).string();
        platform::FolderLockAttempt attempt = lockFile(path);
        using Outcome = platform::FolderLockAttempt::Outcome;
        switch (attempt.outcome) {
        case Outcome::HeldByAnother:
            error = "Korvane is already running on this folder" +
                    (attempt.holder.empty() ? std::string() : " (" + attempt.holder + ")") + ":\n" + folder +
                    "\nClose it first: two copies on one folder save over each other's drawings.";
            return false;
        case Outcome::HeldOnAnotherHost:
            error = path + " was left by Korvane on another computer (" + attempt.holder +
                    "): if it no longer runs there, remove the file and start again.";
            return false;
        case Outcome::NamesNoHolder:
            error = path + " does not say which copy of Korvane holds this folder: if none runs on it, "
                           "remove the file and start again.";
            return false;
        case Outcome::NotAFile:
            error = path + " is not a file, so this folder cannot be locked: remove it and start again.";
            return false;
        case Outcome::Taken:
        case Outcome::Unavailable:
            break;
        }
        lock = std::move(attempt.lock);
    }
    return PrepareProgramFolder(folder, error);
}
