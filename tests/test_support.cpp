#include "test_support.h"

#include <atomic>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <sys/inotify.h>
#include <unistd.h>

namespace test_support {

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    std::random_device random;
    path_ =
        std::filesystem::temp_directory_path() / ("korvane-test-" + std::to_string(::getpid()) + "-" +
                                                  std::to_string(counter++) + "-" + std::to_string(random()));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

OpenCounter::OpenCounter(const std::filesystem::path& folder) : watch_(inotify_init1(IN_NONBLOCK)) {
    // The closes keep two opens from being told as one.
    if (watch_ < 0 || inotify_add_watch(watch_, folder.c_str(), IN_OPEN | IN_CLOSE) < 0)
        throw std::runtime_error("cannot watch " + folder.string());
}

OpenCounter::~OpenCounter() {
    if (watch_ >= 0) ::close(watch_);
}

int OpenCounter::OpensOf(const std::string& name) {
    int opens = 0;
    alignas(inotify_event) char events[4096];
    for (ssize_t got; (got = ::read(watch_, events, sizeof events)) > 0;)
        for (char* at = events; at < events + got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            opens += (event->mask & IN_OPEN) != 0 && event->len > 0 && std::string(event->name) == name;
            at += sizeof(inotify_event) + event->len;
        }
    return opens;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::filesystem::path Fixture(const std::string& relative) {
    return std::filesystem::path(KORVANE_FIXTURES_DIR) / relative;
}

} // namespace test_support
