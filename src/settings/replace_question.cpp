#include "settings/replace_question.h"

#include "platform/desktop.h"

#include <filesystem>
#include <system_error>

bool MayReplaceFile(const std::string& path, const std::string& caption) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return true;
    const std::string name = std::filesystem::path(path).filename().string();
    return platform::TheDesktop().MessageBox(name + " already exists, replace it?", caption,
                                             platform::MessageBoxStyle::YesNo |
                                                 platform::MessageBoxStyle::IconQuestion) == platform::IdYes;
}
