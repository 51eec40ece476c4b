#include "model/write_failures.h"

#include "platform/desktop.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<std::string>& Told() {
    static std::vector<std::string> told;
    return told;
}

std::vector<std::string>& ToldWhileRunning() {
    static std::vector<std::string> told;
    return told;
}

bool Holds(const std::vector<std::string>& keys, const std::string& key) {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

} // namespace

std::string WriteFailureText(const std::string& name, const WriteOutcome& outcome, const std::string& failed,
                             const std::string& consequence) {
    if (outcome.OnReadOnlyFileSystem()) return name + " is on a read-only file system, so " + consequence;
    if (outcome.OnFullDisk()) return name + " is on a full disk, so " + consequence;
    return failed;
}

void TellWriteFailureOnce(const std::string& key, const std::string& text, const std::string& caption,
                          const std::string& onceKey) {
    if (Holds(Told(), key) || (!onceKey.empty() && Holds(ToldWhileRunning(), onceKey))) return;
    Told().push_back(key);
    if (!onceKey.empty()) ToldWhileRunning().push_back(onceKey);
    platform::TheDesktop().MessageBox(text, caption, platform::MessageBoxStyle::Ok);
}

void ForgetToldWriteFailures() {
    Told().clear();
}

void ForgetEveryToldWriteFailure() {
    Told().clear();
    ToldWhileRunning().clear();
}
