#include "model/file_name_case.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
               return lower(static_cast<unsigned char>(x)) == lower(static_cast<unsigned char>(y));
           });
}

} // namespace

std::string FindFileIgnoringCase(const std::string& folder, const std::string& name) {
    const std::string exact = folder + name;
    std::error_code error;
    if (std::filesystem::exists(exact, error)) return exact;
    std::string best;
    std::filesystem::directory_iterator entries(folder.empty() ? "." : folder, error);
    if (error) return exact;
    for (const std::filesystem::directory_entry& entry : entries) {
        const std::string candidate = entry.path().filename().string();
        if (SameIgnoringCase(candidate, name) && (best.empty() || candidate < best)) best = candidate;
    }
    return best.empty() ? exact : folder + best;
}
