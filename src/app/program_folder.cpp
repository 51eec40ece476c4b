#include "app/program_folder.h"

#include "model/write_failures.h"
#include "resources/embedded_files.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace {

// Makes the folder a shipped file goes in: 0 when it stands, else the error number that stops the
// file, ENOTDIR when something that is not a folder stands in its place.
int MakeFolderFor(const std::filesystem::path& file) {
    namespace fs = std::filesystem;
    const fs::path folder = file.parent_path();
    std::error_code made;
    fs::create_directories(folder, made);
    std::error_code asked;
    if (fs::is_directory(folder, asked)) return 0;
    if (fs::exists(fs::symlink_status(folder, asked))) return ENOTDIR;
    return made ? made.value() : ENOENT;
}

// One sentence for the files of one kind that were not laid in: the first named with the reason
// (`kind` counts the others), then `effect`, what follows from it.
std::string NotLaidInSentence(const std::vector<FileNotLaidIn>& files, const std::string& kind,
                              const std::string& effect) {
    const FileNotLaidIn& first = files.front();
    const std::size_t others = files.size() - 1;
    const std::string more =
        others == 0 ? "" : " and " + std::to_string(others) + " other " + kind + (others == 1 ? "" : "s");
    const std::string notLaidIn = first.path + more + " could not be laid in";
    std::string failed;
    if (first.outcome.error == ENOTDIR) {
        const std::string folder = std::filesystem::path(first.path).parent_path().string();
        failed = folder + " is not a folder, so " + notLaidIn + ": " + effect;
    } else {
        failed = notLaidIn + " (" + std::error_code(first.outcome.error, std::generic_category()).message() +
                 "): " + effect;
    }
    return WriteFailureText(first.path, first.outcome, failed,
                            "it" + more + " could not be laid in: " + effect);
}

bool IsHelpFile(const FileNotLaidIn& file) {
    return file.path.starts_with("HELP/");
}

} // namespace

std::string NotLaidInText(const std::vector<FileNotLaidIn>& files) {
    std::vector<FileNotLaidIn> settings;
    std::vector<FileNotLaidIn> help;
    for (const FileNotLaidIn& file : files)
        (IsHelpFile(file) ? help : settings).push_back(file);
    std::string text;
    if (!settings.empty())
        text = NotLaidInSentence(settings, "settings file",
                                 settings.size() == 1 ? "the shipped settings are used in its place"
                                                      : "the shipped settings are used in their place");
    if (!help.empty()) {
        if (!text.empty()) text += '\n';
        text += NotLaidInSentence(help, "help file", "Help cannot show its page");
    }
    return text;
}

bool PrepareProgramFolder(const std::string& folder, std::string& error,
                          std::vector<FileNotLaidIn>* notLaidIn) {
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
        const int folderError = MakeFolderFor(target);
        const WriteOutcome outcome =
            folderError != 0 ? WriteOutcome{folderError} : ReplaceFileAtomically(target.string(), file.bytes);
        if (!outcome && notLaidIn) notLaidIn->push_back({std::string(file.path), outcome});
    }
    return true;
}

bool TakeProgramFolder(const std::string& folder, const platform::FolderLocker& lockFile,
                       std::unique_ptr<platform::FolderLock>& lock, std::string& error,
                       std::vector<FileNotLaidIn>* notLaidIn, std::string* lockNote) {
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
            if (attempt.leftoverKept && lockNote)
                *lockNote = path + " was left by a copy of Korvane that has ended" +
                            (attempt.holder.empty() ? std::string() : " (" + attempt.holder + ")") +
                            ", and it cannot be removed (" +
                            std::error_code(attempt.error, std::generic_category()).message() +
                            "): Korvane on another computer is refused on this folder until a user who may "
                            "change the folder removes the file.";
            break;
        case Outcome::Unavailable:
            if (lockNote) {
                const std::string why =
                    attempt.error == 0
                        ? std::string()
                        : " (" + std::error_code(attempt.error, std::generic_category()).message() + ")";
                *lockNote =
                    (attempt.holder.empty()
                         ? std::string("This folder cannot be locked")
                         : "Another program (" + attempt.holder + ") holds this folder's lock, and " +
                               ProgramFolderLockName + " cannot be made in it" + why) +
                    ":\n" + folder +
                    "\nA second copy of Korvane started on it would not be refused: run one at a time, "
                    "as two copies on one folder save over each other's drawings.";
            }
            break;
        }
        lock = std::move(attempt.lock);
    }
    return PrepareProgramFolder(folder, error, notLaidIn);
}
