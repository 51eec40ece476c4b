#include "platform/help_document.h"

#include <cerrno>
#include <sys/stat.h>

namespace platform {

std::string HelpDocumentPath(const std::string& folder) {
    return folder + "index.html";
}

std::string HelpRefusal(const std::string& folder) {
    const std::string document = HelpDocumentPath(folder);
    struct stat status {};
    if (::stat(document.c_str(), &status) == 0) {
        if (S_ISREG(status.st_mode)) return {};
        return document + " is not a file, so Help cannot show it: remove it, and Korvane puts its help back "
                          "at the next start.";
    }
    if (errno != ENOENT && errno != ENOTDIR) return {};
    // Named from the program folder ("HELP/index.html"), as the start names a file it could not lay in.
    std::string path = folder;
    while (!path.empty() && path.back() == '/')
        path.pop_back();
    const std::string name = path.substr(path.rfind('/') + 1);
    if (::stat(path.c_str(), &status) == 0 && !S_ISDIR(status.st_mode))
        return name + " is not a folder, so Help cannot show its page: remove it, and Korvane puts its help "
                      "back at the next start.";
    return name + "/index.html is missing, so Help cannot show it: Korvane puts it back when it starts on a "
                  "folder it can write.";
}

} // namespace platform
