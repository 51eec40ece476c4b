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
