#pragma once
// Helpers shared by the tests: temporary program folders and whole-file reads and writes.

#include <filesystem>
#include <string>

namespace test_support {

// A fresh, empty folder that is removed again when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& bytes);
// A file of tests/fixtures.
std::filesystem::path Fixture(const std::string& relative);

} // namespace test_support
