#pragma once
// Helpers shared by the tests: temporary program folders and whole-file reads and writes.

#include "platform/window.h"

#include <filesystem>
#include <string>

namespace test_support {

// A main window's handler for tests that need a frame but give it no commands.
class NullFrameHandler : public platform::FrameHandler {
  public:
    void OnCommand(int) override {}
    bool IsCommandEnabled(int) override { return true; }
    std::string HintOf(int) override { return ""; }
    std::string TooltipOf(int) override { return ""; }
    bool OnCloseQuery() override { return true; }
};

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

// Counts the opens of the files of a folder, as the system tells them; a file read twice is opened
// twice.
class OpenCounter {
  public:
    explicit OpenCounter(const std::filesystem::path& folder);
    ~OpenCounter();
    OpenCounter(const OpenCounter&) = delete;
    OpenCounter& operator=(const OpenCounter&) = delete;
    // How often the file `name` of the folder was opened since the counter was made or last asked.
    int OpensOf(const std::string& name);

  private:
    int watch_ = -1;
};

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& bytes);
// A file of tests/fixtures.
std::filesystem::path Fixture(const std::string& relative);

} // namespace test_support
