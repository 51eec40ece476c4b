#include "model/write_failures.h"

#include "platform/desktop.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<std::string>& Told() {
    static std::vector<std::string> told;
    return told;
}

} // namespace

std::string WriteFailureText(const std::string& name, const WriteOutcome& outcome, const std::string& failed,
                             const std::string& consequence) {
    return outcome.OnReadOnlyFileSystem() ? name + " is on a read-only file system, so " + consequence
                                          : failed;
}

void TellWriteFailureOnce(const std::string& key, const std::string& text, const std::string& caption) {
    std::vector<std::string>& told = Told();
    if (std::find(told.begin(), told.end(), key) != told.end()) return;
    told.push_back(key);
    platform::TheDesktop().MessageBox(text, caption, platform::MessageBoxStyle::Ok);
}

void ForgetToldWriteFailures() {
    Told().clear();
}
